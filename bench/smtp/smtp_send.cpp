// Sends one fax mail around a document with the client's own mail item and SMTP
// client, as the application does, and reports the time and the peak memory.
//
//   smtp_send <port> <document>
#include "mail/CMimeMailItem.h"
#include "smtp/CSmtpClient.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <port> <document>\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    desklet::CMimeMailItem item;
    item.m_strSender = "a@example.com";
    item.m_strSubject = "fax -lowres 2125551212";
    item.AddRecipient("b@example.com", "");
    item.AddMimePart(argv[2], desklet::CMimeMailItem::PartTypeOctetStream, "", 4, true);
    desklet::CSmtpClient client("127.0.0.1", static_cast<unsigned>(std::atoi(argv[1])));
    if (!client.Connect() || !client.SendMessage(item) || !client.Disconnect()) {
        std::fprintf(stderr, "smtp_send: %s\n", client.GetLastError().c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double message = static_cast<double>(item.m_strHeader.size() + item.m_strBody.size());
    const double peak = static_cast<double>(usage.ru_maxrss) * 1024.0;
    std::printf("desklet: %.0f bytes in %.3f s (compose and send), peak memory %.1f MiB (%.2f x message)\n", message,
                seconds, peak / 1048576.0, peak / message);
    return 0;
}
