#include "mail/CMailItem.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace desklet {
namespace {

// The Date line depends on the zone; every test here pins it to UTC.
class UtcZone {
public:
    UtcZone() {
        const char* old = std::getenv("TZ");
        m_had = old != nullptr;
        if (m_had) {
            m_old = old;
        }
        setenv("TZ", "UTC", 1);
        tzset();
    }
    ~UtcZone() {
        if (m_had) {
            setenv("TZ", m_old.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    bool m_had = false;
    std::string m_old;
};

std::string Compose(CMailItem& item) {
    item.SetClock([] { return std::time_t{1007649789}; });
    EXPECT_TRUE(item.ComposeMessage());
    return item.m_strHeader;
}

TEST(CMailItem, HeaderHasTheFiveLinesInTheirOrder) {
    UtcZone zone;
    CMailItem item;
    item.m_strSender = "alice@example.com";
    item.m_strSubject = "fax -lowres 2125551212";
    item.AddRecipient("alpha", "");
    item.AddRecipient("beta", "Bob");
    EXPECT_EQ(Compose(item), "From: alice@example.com\r\n"
                             "To: <alpha>,Bob<beta>\r\n"
                             "Date: Thu, 06 Dec 01 14:43:09 UTC\r\n"
                             "Subject: fax -lowres 2125551212\r\n"
                             "X-Mailer: KX Mail\r\n"
                             "\r\n");
    EXPECT_EQ(item.m_timeDate, 1007649789);
}

TEST(CMailItem, EmptyValuesStillGiveTheirLines) {
    UtcZone zone;
    CMailItem item;
    EXPECT_EQ(Compose(item),
              "From: \r\nTo: \r\nDate: Thu, 06 Dec 01 14:43:09 UTC\r\nSubject: \r\nX-Mailer: KX Mail\r\n\r\n");
}

TEST(CMailItem, RecipientsAreKeptAsGivenDuplicatesIncluded) {
    CMailItem item;
    EXPECT_TRUE(item.AddRecipient("same@example.com", ""));
    EXPECT_TRUE(item.AddRecipient("same@example.com", ""));
    EXPECT_TRUE(item.AddRecipient("", ""));
    EXPECT_EQ(item.GetRecipientCount(), 3);

    std::string address = "untouched";
    std::string name = "untouched";
    EXPECT_FALSE(item.GetRecipient(address, name, -1));
    EXPECT_FALSE(item.GetRecipient(address, name, 3));
    EXPECT_EQ(address, "untouched");
    EXPECT_EQ(name, "untouched");
    EXPECT_TRUE(item.GetRecipient(address, name, 1));
    EXPECT_EQ(address, "same@example.com");
    EXPECT_EQ(name, "");
}

struct InjectionCase {
    const char* name;
    std::string value;
    std::string written;
};

TEST(CMailItem, NoValueCanStartAHeaderLineOfItsOwn) {
    UtcZone zone;
    const InjectionCase cases[] = {
        {"CR LF pair becomes one blank", "a\r\nBcc: victim@example.com", "a Bcc: victim@example.com"},
        {"lone LF becomes a blank", "a\nBcc: x", "a Bcc: x"},
        {"lone CR becomes a blank", "a\rBcc: x", "a Bcc: x"},
        {"LF CR is two breaks", "a\n\rb", "a  b"},
        {"NUL becomes a blank", std::string("a\0b", 3), "a b"},
        {"trailing CR LF", "a\r\n", "a "},
    };
    for (const InjectionCase& c : cases) {
        CMailItem item;
        item.m_strSender = c.value;
        item.m_strSubject = c.value;
        item.AddRecipient(c.value, c.value);
        const std::string header = Compose(item);
        EXPECT_EQ(header, "From: " + c.written + "\r\nTo: " + c.written + "<" + c.written +
                              ">\r\nDate: Thu, 06 Dec 01 14:43:09 UTC\r\nSubject: " + c.written +
                              "\r\nX-Mailer: KX Mail\r\n\r\n")
            << c.name;
    }
}

TEST(CMailItem, BodyAlwaysEndsWithALineBreak) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "\r\n"}, {"word", "word\r\n"}, {"line\r\n", "line\r\n"}, {"half\r", "half\r\r\n"}};
    for (const auto& [body, sent] : cases) {
        CMailItem item;
        item.m_strBody = body;
        ASSERT_TRUE(item.ComposeMessage());
        EXPECT_EQ(item.m_strBody, sent);
        // A second compose changes nothing more.
        ASSERT_TRUE(item.ComposeMessage());
        EXPECT_EQ(item.m_strBody, sent);
    }
}

TEST(CMailItem, DateUsesTheZonesNameAndATwoDigitYear) {
    const char* const zones[] = {"UTC", "EST5EDT", "CET-1CEST"};
    for (const char* zoneName : zones) {
        const char* old = std::getenv("TZ");
        const std::string saved = old != nullptr ? old : "";
        setenv("TZ", zoneName, 1);
        tzset();
        CMailItem item;
        const std::string header = Compose(item);
        const std::size_t date = header.find("Date: ");
        const std::string line = header.substr(date, header.find("\r\n", date) - date);
        EXPECT_NE(line.find(" 01 "), std::string::npos) << line;
        EXPECT_EQ(line.find('+'), std::string::npos) << line;
        EXPECT_EQ(line.substr(6, 5), "Thu, ") << line;
        if (old != nullptr) {
            setenv("TZ", saved.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
}

} // namespace
} // namespace desklet
