#include "mail/CMailItem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <regex>
#include <set>
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

TEST(CMailItem, HeaderHasItsSixLinesInTheirOrder) {
    UtcZone zone;
    CMailItem item;
    item.m_strSender = "alice@example.com";
    item.m_strSubject = "fax -lowres 2125551212";
    item.AddRecipient("alpha", "");
    item.AddRecipient("beta", "Bob");
    const std::string header = Compose(item);
    EXPECT_EQ(header, "From: alice@example.com\r\n"
                      "To: <alpha>,Bob<beta>\r\n"
                      "Date: Thu, 06 Dec 01 14:43:09 UTC\r\n"
                      "Message-ID: " +
                          item.GetMessageId() +
                          "\r\n"
                          "Subject: fax -lowres 2125551212\r\n"
                          "X-Mailer: KX Mail\r\n"
                          "\r\n");
    EXPECT_EQ(item.m_timeDate, 1007649789);
}

TEST(CMailItem, EmptyValuesStillGiveTheirLines) {
    UtcZone zone;
    CMailItem item;
    const std::string header = Compose(item);
    EXPECT_EQ(header, "From: \r\nTo: \r\nDate: Thu, 06 Dec 01 14:43:09 UTC\r\nMessage-ID: " + item.GetMessageId() +
                          "\r\nSubject: \r\nX-Mailer: KX Mail\r\n\r\n");
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
                              ">\r\nDate: Thu, 06 Dec 01 14:43:09 UTC\r\nMessage-ID: " + item.GetMessageId() +
                              "\r\nSubject: " + c.written + "\r\nX-Mailer: KX Mail\r\n\r\n")
            << c.name;
    }
}

struct MessageIdCase {
    const char* name;
    std::string sender;
    std::string domain; // of the identifier
};

TEST(CMailItem, MessageIdTakesTheSendersDomainOnlyWhenItIsAHostName) {
    const std::string fallback = "desklet.invalid";
    const MessageIdCase cases[] = {
        {"plain address", "jo@example.com", "example.com"},
        {"the last @ counts", "\"a@b\"@mail.example", "mail.example"},
        {"letter case is kept", "Jo@Mail-1.Example.COM", "Mail-1.Example.COM"},
        {"single label", "root@localhost", "localhost"},
        {"no @", "jo", fallback},
        {"empty sender", "", fallback},
        {"nothing after the @", "jo@", fallback},
        {"CR LF and a header after the domain", "jo@example.com\r\nBcc: victim", fallback},
        {"NUL in the domain", std::string("jo@exa\0mple.com", 15), fallback},
        {"closing bracket ends the identifier early", "jo@example.com>x", fallback},
        {"address literal", "jo@[127.0.0.1]", fallback},
        {"blank in the domain", "jo@exa mple.com", fallback},
        {"trailing dot", "jo@example.com.", fallback},
        {"empty label", "jo@example..com", fallback},
        {"label starting with a hyphen", "jo@-example.com", fallback},
        {"non-ASCII domain",
         "jo@b\xC3\xBC"
         "cher.example",
         fallback},
        {"label of 64 octets", "jo@" + std::string(64, 'a') + ".example", fallback},
        {"label of 63 octets", "jo@" + std::string(63, 'a') + ".example", std::string(63, 'a') + ".example"},
    };
    for (const MessageIdCase& c : cases) {
        CMailItem item;
        item.m_strSender = c.sender;
        const std::string header = Compose(item);
        const std::string& id = item.GetMessageId();
        EXPECT_TRUE(std::regex_match(id, std::regex("<[0-9a-f]{32}@([A-Za-z0-9-]+\\.)*[A-Za-z0-9-]+>")))
            << c.name << ": " << id;
        EXPECT_EQ(id.substr(34, id.size() - 35), c.domain) << c.name;
        // Its own line between Date and Subject, and no line of the sender's.
        const std::size_t line = header.find("\r\nMessage-ID: " + id + "\r\nSubject: ");
        EXPECT_NE(line, std::string::npos) << c.name;
        EXPECT_GT(line, header.find("\r\nDate: ")) << c.name;
        EXPECT_EQ(std::count(header.begin(), header.end(), '\n'), 7) << c.name;
    }
}

TEST(CMailItem, EveryItemGetsItsOwnMessageIdAndKeepsIt) {
    std::set<std::string> seen;
    constexpr int kItems = 2000;
    for (int i = 0; i < kItems; ++i) {
        CMailItem item;
        item.m_strSender = "jo@example.com";
        ASSERT_TRUE(item.GetMessageId().empty());
        ASSERT_TRUE(item.ComposeMessage());
        const std::string first = item.GetMessageId();
        ASSERT_TRUE(item.ComposeMessage());
        ASSERT_EQ(item.GetMessageId(), first) << "a second composition is the same message";
        seen.insert(first.substr(1, 32));
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kItems));
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
