#include "print/SpoolNames.h"

#include <cstdlib>

namespace desklet {
namespace {

// The length of the UTF-8 sequence that starts at text[i], or 0 when the bytes
// there are not one (overlong forms, surrogates and values past U+10FFFF included).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const unsigned char c = byte(i + k);
        if (c < (k == 1 ? low : 0x80) || c > (k == 1 ? high : 0xBF)) {
            return 0;
        }
    }
    return length;
}

bool EndsWithPdf(std::string_view text) {
    if (text.size() < kSpoolExtension.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - kSpoolExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        // ASCII folding only: the extension must not change meaning under a locale.
        char c = tail[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != kSpoolExtension[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string SpoolRoot(bool trustEnvironment) {
    if (trustEnvironment) {
        const char* value = std::getenv(std::string(kSpoolRootVariable).c_str());
        if (value != nullptr && value[0] == '/') {
            return value;
        }
    }
    return std::string(kDefaultSpoolRoot);
}

std::string InboxPath(const std::string& spoolRoot, uid_t uid) {
    return spoolRoot + "/" + std::to_string(uid);
}

std::string SanitizeTitle(std::string_view title) {
    std::string clean;
    for (std::size_t i = 0; i < title.size();) {
        const std::size_t length = Utf8SequenceLength(title, i);
        const unsigned char c = static_cast<unsigned char>(title[i]);
        if (length == 0 || c < 0x20 || c == 0x7F || c == '/') {
            clean += '_';
            i += length == 0 ? 1 : length;
            continue;
        }
        if (clean.size() + length > kMaxTitleBytes) {
            break;
        }
        clean.append(title.substr(i, length));
        i += length;
    }
    if (EndsWithPdf(clean)) {
        clean.resize(clean.size() - kSpoolExtension.size());
    }
    for (char& c : clean) {
        if (c != '.') {
            break;
        }
        c = '_';
    }
    if (clean.size() > kMaxTitleBytes) {
        clean.resize(kMaxTitleBytes); // only replacement bytes can end up here: all ASCII
    }
    return clean.empty() ? std::string("document") : clean;
}

std::string SpoolFileName(std::string_view jobId, std::string_view title, int variant) {
    std::string name = std::string(kSpoolMarker) + "-" + std::string(jobId) + "-" + SanitizeTitle(title);
    if (variant > 1) {
        name += " (" + std::to_string(variant) + ")";
    }
    return name + std::string(kSpoolExtension);
}

bool IsSpoolFileName(std::string_view name) {
    const std::string prefix = std::string(kSpoolMarker) + "-";
    return name.size() > prefix.size() + kSpoolExtension.size() && name.substr(0, prefix.size()) == prefix &&
           name.substr(name.size() - kSpoolExtension.size()) == kSpoolExtension;
}

std::string PrintedDocumentName(std::string_view spoolFileName) {
    if (!IsSpoolFileName(spoolFileName)) {
        return std::string(spoolFileName);
    }
    // The backend's names: the marker, a dash, the job id's digits, a dash, then
    // the title with its extension.
    std::size_t at = kSpoolMarker.size() + 1;
    const std::size_t idStart = at;
    while (at < spoolFileName.size() && spoolFileName[at] >= '0' && spoolFileName[at] <= '9') {
        ++at;
    }
    if (at == idStart || at >= spoolFileName.size() || spoolFileName[at] != '-' ||
        at + 1 + kSpoolExtension.size() >= spoolFileName.size()) {
        return std::string(spoolFileName);
    }
    return std::string(spoolFileName.substr(at + 1));
}

namespace {
constexpr std::string_view kHeldExtension = ".held";
}

std::string HeldNoteName(std::string_view jobId) {
    return "." + std::string(kSpoolMarker) + "-" + std::string(jobId) + std::string(kHeldExtension);
}

std::string_view HeldNoteJobId(std::string_view name) {
    const std::string prefix = "." + std::string(kSpoolMarker) + "-";
    if (name.size() <= prefix.size() + kHeldExtension.size() || name.substr(0, prefix.size()) != prefix ||
        name.substr(name.size() - kHeldExtension.size()) != kHeldExtension) {
        return {};
    }
    const std::string_view id = name.substr(prefix.size(), name.size() - prefix.size() - kHeldExtension.size());
    for (const char c : id) {
        if (c < '0' || c > '9') {
            return {};
        }
    }
    return id;
}

} // namespace desklet
