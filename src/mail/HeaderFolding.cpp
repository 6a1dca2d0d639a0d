#include "mail/HeaderFolding.h"

#include <vector>

namespace desklet {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The places a line may be broken at: a blank after a non-blank, past the first
// word of the value and with a non-blank somewhere after it.
std::vector<std::size_t> BreakPoints(std::string_view line) {
    std::vector<std::size_t> points;
    std::size_t i = line.find(':');
    if (i == std::string_view::npos) {
        i = 0;
    }
    // Past the blanks after the name, then past the value's first word.
    while (i < line.size() && (line[i] == ':' || IsBlank(line[i]))) {
        ++i;
    }
    std::size_t lastNonBlank = line.size();
    while (lastNonBlank > 0 && IsBlank(line[lastNonBlank - 1])) {
        --lastNonBlank;
    }
    for (i = i == 0 ? 1 : i; i < lastNonBlank; ++i) {
        if (IsBlank(line[i]) && !IsBlank(line[i - 1])) {
            points.push_back(i);
        }
    }
    return points;
}

} // namespace

std::string HeaderFolding::Fold(std::string_view line) {
    if (line.size() <= kMaxLineOctets) {
        return std::string(line);
    }
    const std::vector<std::size_t> points = BreakPoints(line);
    std::string folded;
    folded.reserve(line.size() + line.size() / kFoldTarget * 2 + 2);
    std::size_t start = 0;
    std::size_t next = 0; // the first break point not yet passed
    while (line.size() - start > kFoldTarget) {
        while (next < points.size() && points[next] <= start) {
            ++next;
        }
        if (next == points.size()) {
            break;
        }
        // The last break that keeps the line within the target, or else the first
        // one at all.
        std::size_t chosen = next;
        while (chosen + 1 < points.size() && points[chosen + 1] - start <= kFoldTarget) {
            ++chosen;
        }
        const std::size_t at = points[chosen];
        folded.append(line.substr(start, at - start));
        folded += "\r\n";
        start = at;
        next = chosen + 1;
    }
    folded.append(line.substr(start));
    return folded;
}

bool HeaderFolding::Fits(std::string_view line) {
    if (line.size() <= kMaxLineOctets) {
        return true;
    }
    const std::string folded = Fold(line);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = folded.find("\r\n", start);
        const std::size_t length = (end == std::string::npos ? folded.size() : end) - start;
        if (length > kMaxLineOctets) {
            return false;
        }
        if (end == std::string::npos) {
            return true;
        }
        start = end + 2;
    }
}

} // namespace desklet
