// Composes one fax mail around a document, reads it through as a transport does,
// and reports the document's MB/s, the message's size and the process's peak memory.
//
//   compose_file <document>
#include "mail/CMimeMailItem.h"
#include "mail/MessageSource.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <document>\n", argv[0]);
        return 2;
    }
    const auto size = std::filesystem::file_size(argv[1]);
    const auto start = std::chrono::steady_clock::now();
    desklet::CMimeMailItem item;
    item.m_strSender = "bench@example.com";
    item.m_strSubject = "fax -lowres 2125551212";
    item.AddRecipient("fax@gateway.example", "");
    item.AddMimePart(argv[1], desklet::CMimeMailItem::PartTypeOctetStream, "", 4, true);
    // Read as a transport reads it: in pieces of a megabyte, none kept.
    desklet::MessageSource* source = item.OpenMessage();
    std::vector<char> buffer(1 << 20);
    std::size_t got = 0;
    bool ok = source != nullptr;
    while (ok && (ok = source->Read(buffer.data(), buffer.size(), &got)) && got > 0) {
    }
    if (!ok) {
        item.CloseMessage();
        std::fprintf(stderr, "%s\n", item.GetComposeError().c_str());
        return 1;
    }
    const double message = static_cast<double>(source->Size());
    item.CloseMessage();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double peak = static_cast<double>(usage.ru_maxrss) * 1024.0;
    std::printf("compose: %.3f s, %.0f MB/s of document, message %.1f MiB, peak memory %.1f MiB (%.2f x message)\n",
                seconds, static_cast<double>(size) / seconds / 1e6, message / 1048576.0, peak / 1048576.0,
                peak / message);
    return 0;
}
