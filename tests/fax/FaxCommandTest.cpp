#include "fax/FaxCommand.h"

#include "support/TestNames.h"
#include "support/TurkishLocale.h"

#include <gtest/gtest.h>

using namespace desklet;

namespace {

const std::string kDomain = "fax.quillmark.example";
const std::string kTag = "-desklet@fax.quillmark.example";

FaxCommand compose(const FaxJob& job, const CMapStringToString& settings) {
    return FaxCommand::Compose(job, settings, kDomain, kTag);
}

TEST(FaxCommand, PlainJobGivesTheBareSubject) {
    FaxJob job;
    job.recipients = {"2125551212"};
    job.coverPage = false;
    CMapStringToString settings;
    const FaxCommand fax = compose(job, settings);
    EXPECT_EQ(fax.command, "fax  -lowres -plain -nocover -code  -doca 2125551212 ");
    EXPECT_TRUE(settings.IsEmpty()) << "the composition never adds entries";
}

TEST(FaxCommand, FullJobGivesEveryWordInOrder) {
    FaxJob job;
    job.recipients = {"12125551213", "2125551212"};
    job.resolution = 1;
    job.font = 1;
    job.coverPage = true;
    job.comment = "Hello there";
    job.from = "Ann";
    job.attention = "Bob";
    CMapStringToString settings;
    settings["stationid"] = "ACCT7";
    EXPECT_EQ(
        compose(job, settings).command,
        "fax  -highres -bold -cover -re \"Hello there\" -from \"Ann\" -code ACCT7 -doca 2125551213,2125551212 Bob");
}

struct WordCase {
    const char* name;
    FaxJob job;
    std::map<std::string, std::string> settings;
    std::string optionWords;
    friend void PrintTo(const WordCase& c, std::ostream* os) { *os << c.name; }
};

class OptionWords : public testing::TestWithParam<WordCase> {};

TEST_P(OptionWords, AreBuiltInTheirOrder) {
    CMapStringToString settings;
    for (const auto& [key, value] : GetParam().settings) {
        settings[key] = value;
    }
    EXPECT_EQ(compose(GetParam().job, settings).optionWords, GetParam().optionWords);
}

FaxJob withCover(std::string comment, std::string from, std::string attention = {}) {
    FaxJob job;
    job.coverPage = true;
    job.comment = std::move(comment);
    job.from = std::move(from);
    job.attention = std::move(attention);
    return job;
}

FaxJob withoutCover(std::string comment, std::string from) {
    FaxJob job = withCover(std::move(comment), std::move(from));
    job.coverPage = false;
    return job;
}

const WordCase kWordCases[] = {
    {"cover without texts", withCover("", ""), {}, " -lowres -plain -cover -code "},
    {"comment and from only with the cover", withoutCover("c", "f"), {}, " -lowres -plain -nocover -code "},
    {"confirmations in their order",
     withCover("", ""),
     {{"email_on_not_queued", "d@x"},
      {"email_on_queued", "c@x"},
      {"email_on_not_delivered", "b@x"},
      {"email_on_delivered", "a@x"}},
     " -lowres -plain -cover -confsucc a@x -conffail b@x -queuesucc c@x -queuefail d@x -code "},
    {"empty confirmation adds no word",
     withCover("", ""),
     {{"email_on_delivered", ""}},
     " -lowres -plain -cover -code "},
    {"CR LF, CR and LF in the comment become one blank each",
     withCover("a\r\nb\rc\nd\n\ne", ""),
     {},
     " -lowres -plain -cover -re \"a b c d  e\" -code "},
};

INSTANTIATE_TEST_SUITE_P(Cases, OptionWords, testing::ValuesIn(kWordCases), desklet::test::SentenceName{});

TEST(FaxCommand, LineBreaksAndNulInEveryFieldBecomeBlanks) {
    FaxJob job = withCover("c\r\nc", std::string("f\0f", 3), "a\na");
    job.recipients = {"1\r2", "3\n"};
    CMapStringToString settings;
    const char* keys[] = {"email_on_delivered", "email_on_not_delivered", "email_on_queued", "email_on_not_queued",
                          "stationid"};
    for (const char* key : keys) {
        settings[key] = std::string("x\r\n\ry");
    }
    EXPECT_EQ(compose(job, settings).command,
              "fax  -lowres -plain -cover -re \"c c\" -from \"f f\" -confsucc x  y -conffail x  y -queuesucc x  y"
              " -queuefail x  y -code x  y -doca  2,3  a a");
}

TEST(FaxCommand, AttentionIsTheLastFieldAlsoWithoutCover) {
    FaxJob job = withoutCover("c", "f");
    job.attention = "Bob";
    job.recipients = {"0114420712345"};
    EXPECT_EQ(compose(job, CMapStringToString()).command,
              "fax  -lowres -plain -nocover -code  -doca 0114420712345 Bob");
}

TEST(FaxCommand, NumberListDropsOnlyALeadingOne) {
    FaxJob job;
    job.recipients = {"0114420712345", "12125551213", "2125551212", "!212555121"};
    EXPECT_EQ(compose(job, CMapStringToString()).numberList, "0114420712345,2125551213,2125551212,!212555121");
}

struct AddressCase {
    const char* logon;
    std::string gateway;
    std::string sender;
    friend void PrintTo(const AddressCase& c, std::ostream* os) { *os << c.logon; }
};

class Addresses : public testing::TestWithParam<AddressCase> {};

TEST_P(Addresses, FollowTheMarker) {
    CMapStringToString settings;
    settings["logon"] = GetParam().logon;
    const FaxCommand fax = compose(FaxJob{}, settings);
    EXPECT_EQ(fax.gatewayAddress, GetParam().gateway);
    EXPECT_EQ(fax.senderAddress, GetParam().sender);
}

// Under tr_TR the C library folds "i" to itself, not "I": the marker was missed and
// acme-config went to acme-config-config@.
TEST_P(Addresses, FollowTheMarkerUnderATurkishLocale) {
    desklet::test::TurkishLocale turkish;
    ASSERT_TRUE(turkish.active()) << turkish.error();
    CMapStringToString settings;
    settings["logon"] = GetParam().logon;
    const FaxCommand fax = compose(FaxJob{}, settings);
    EXPECT_EQ(fax.gatewayAddress, GetParam().gateway);
    EXPECT_EQ(fax.senderAddress, GetParam().sender);
}

INSTANTIATE_TEST_SUITE_P(Cases, Addresses,
                         testing::Values(AddressCase{"acme", "acme-config@" + kDomain, "acme" + kTag},
                                         AddressCase{"Acme-Config", "Acme-Config@" + kDomain, "Acme" + kTag},
                                         // The described length rule kept "longer" of "longername-config"; the
                                         // sender is the account name before the marker.
                                         AddressCase{"longername-config", "longername-config@" + kDomain,
                                                     "longername" + kTag},
                                         AddressCase{"ab-CONFIGx", "ab-CONFIGx@" + kDomain, "ab" + kTag},
                                         AddressCase{"", "-config@" + kDomain, kTag}));

} // namespace
