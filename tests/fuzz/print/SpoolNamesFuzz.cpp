// A print job's title and job id, as any application and the print system hand
// them to the backend, made into the document's file name. The title must come
// out as a short, visible, valid UTF-8 part of one file name that the session
// recognises as a spool document, and an ordinary title must come out unchanged.

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzFields.h"
#include "print/SpoolNames.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace desklet;
using desklet::fuzz::FuzzFields;

namespace {

// Linux's NAME_MAX.
constexpr std::size_t kMaxFileName = 255;
// The job ids the backend accepts: decimal, at most ten digits.
constexpr std::size_t kMaxJobIdDigits = 10;

// Each character the shortest encoding of a scalar value (RFC 3629).
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next >> 6 != 2) {
                return false;
            }
            value = value << 6 | (next & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool EndsWithPdf(std::string_view text) {
    std::string tail(text.substr(text.size() < 4 ? 0 : text.size() - 4));
    for (char& c : tail) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return tail == ".pdf";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzFields fields(data, size);
    const std::string jobId = fields.Next();
    const std::string title = fields.Next();
    const int variant = fields.NextByte() % 22;

    const std::string clean = SanitizeTitle(title);
    FUZZ_CHECK(!clean.empty() && clean.size() <= kMaxTitleBytes && clean[0] != '.');
    for (const char c : clean) {
        FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F && c != '/');
    }
    FUZZ_CHECK(IsUtf8(clean));
    bool ordinary = !title.empty() && title.size() <= kMaxTitleBytes && title[0] != '.' && !EndsWithPdf(title);
    for (const char c : title) {
        ordinary = ordinary && c >= 0x20 && c < 0x7F && c != '/';
    }
    FUZZ_CHECK(!ordinary || clean == title);

    const std::string name = SpoolFileName(jobId, title, variant);
    FUZZ_CHECK(name == std::string(kSpoolMarker) + "-" + jobId + "-" + clean +
                           (variant > 1 ? " (" + std::to_string(variant) + ")" : "") + std::string(kSpoolExtension));
    FUZZ_CHECK(IsSpoolFileName(name));
    bool validId = !jobId.empty() && jobId.size() <= kMaxJobIdDigits;
    for (const char c : jobId) {
        validId = validId && c >= '0' && c <= '9';
    }
    FUZZ_CHECK(!validId || (name.size() <= kMaxFileName && name.find('/') == std::string::npos));
    (void)IsSpoolFileName(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
