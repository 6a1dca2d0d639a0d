#include "cli/Mbox.h"

#include <array>
#include <cstdio>

namespace desklet {
namespace {

// strftime's %a and %b follow the locale; the "From " line is read in English.
constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool FitsTheFromLine(const std::string& sender) {
    if (sender.empty()) {
        return false;
    }
    for (const char c : sender) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F) {
            return false;
        }
    }
    return true;
}

// ">From ", ">>From ", ... and "From " itself.
bool NeedsQuoting(const std::string& text, std::size_t lineStart) {
    std::size_t at = lineStart;
    while (at < text.size() && text[at] == '>') {
        ++at;
    }
    return text.compare(at, 5, "From ") == 0;
}

} // namespace

std::string Mbox::FromLine(const std::string& sender, std::time_t when) {
    std::tm utc{};
    gmtime_r(&when, &utc);
    char date[64];
    std::snprintf(date, sizeof date, "%s %s %2d %02d:%02d:%02d %d", kDays[static_cast<std::size_t>(utc.tm_wday)],
                  kMonths[static_cast<std::size_t>(utc.tm_mon)], utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  utc.tm_year + 1900);
    return "From " + (FitsTheFromLine(sender) ? sender : std::string(kUnknownSender)) + " " + date + "\n";
}

std::string Mbox::Entry(const std::string& message) {
    std::string entry;
    entry.reserve(message.size() + 64);
    std::size_t lineStart = 0;
    while (lineStart < message.size()) {
        std::size_t end = message.find('\n', lineStart);
        const bool last = end == std::string::npos;
        if (last) {
            end = message.size();
        }
        std::size_t textEnd = end;
        if (!last && textEnd > lineStart && message[textEnd - 1] == '\r') {
            --textEnd;
        }
        if (NeedsQuoting(message, lineStart)) {
            entry += '>';
        }
        entry.append(message, lineStart, textEnd - lineStart);
        entry += '\n';
        lineStart = end + 1;
    }
    entry += '\n';
    return entry;
}

} // namespace desklet
