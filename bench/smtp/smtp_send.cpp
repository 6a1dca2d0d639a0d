// Sends one fax mail around a document with the client's own mail item and SMTP
// client, as the application does, and reports the time and the peak memory.
//
//   smtp_send <port> <document> [starttls]
// With "starttls" the session is encrypted; the sink's authority must be trusted
// (SSL_CERT_FILE).
#include "mail/CMimeMailItem.h"
#include "smtp/CSmtpClient.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    const bool secure = argc == 4 && std::string_view(argv[3]) == "starttls";
    if (argc != 3 && !secure) {
        std::fprintf(stderr, "usage: %s <port> <document> [starttls]\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    desklet::CMimeMailItem item;
    item.m_strSender = "a@example.com";
    item.m_strSubject = "fax -lowres 2125551212";
    item.AddRecipient("b@example.com", "");
    item.AddMimePart(argv[2], desklet::CMimeMailItem::PartTypeOctetStream, "", 4, true);
    desklet::CSmtpClient client("127.0.0.1", static_cast<unsigned>(std::atoi(argv[1])));
    if (secure) {
        client.SetSecurity(desklet::CSmtpClient::Security::StartTls);
    }
    if (!client.Connect() || !client.SendMessage(item) || !client.Disconnect()) {
        std::fprintf(stderr, "smtp_send: %s\n", client.GetLastError().c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double message = static_cast<double>(client.GetMessageSize());
    const double peak = static_cast<double>(usage.ru_maxrss) * 1024.0;
    std::printf(secure ? "desklet over STARTTLS: " : "desklet: ");
    const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%.0f bytes in %.3f s (compose and send, %.3f s of CPU), peak memory %.1f MiB (%.2f x message)\n",
                message, seconds, cpu, peak / 1048576.0, peak / message);
    return 0;
}
