#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace desklet::test {

// An SMTP server in a thread of the test: it listens on loopback at an ephemeral
// port, accepts one connection and plays a script of replies, pauses, splits and
// hang-ups against it, recording every byte the client sends. Every wait is
// bounded; a step that waits in vain is noted in Failures() and ends the script.
//
// After the last step the server keeps recording until the client closes or stays
// quiet for a moment, then closes its end.
class ScriptedSmtpServer {
public:
    struct Step {
        enum class Kind { Send, Delay, ReadLine, ReadUntil, Hold, Pause, Close, Accept, StartTls, Gate };
        Kind kind;
        std::string text;
        std::chrono::milliseconds duration{0};
        std::string key; // StartTls: the key's file; text holds the certificate's
    };

    // Writes the bytes as one send (the socket has Nagle off, so a Delay between
    // two Sends makes them arrive as two segments).
    static Step Send(std::string bytes) { return {Step::Kind::Send, std::move(bytes), {}, {}}; }
    static Step Delay(std::chrono::milliseconds d) { return {Step::Kind::Delay, {}, d, {}}; }
    // Waits for the next line from the client.
    static Step ReadLine() { return {Step::Kind::ReadLine, {}, {}, {}}; }
    // Waits until the client has sent the marker (counting from the last read).
    static Step ReadUntil(std::string marker) { return {Step::Kind::ReadUntil, std::move(marker), {}, {}}; }
    // Keeps reading, answering nothing, for the time or until the client closes.
    static Step Hold(std::chrono::milliseconds d) { return {Step::Kind::Hold, {}, d, {}}; }
    // Stops reading for the time, so the client's sends fill the buffers and block.
    static Step Pause(std::chrono::milliseconds d) { return {Step::Kind::Pause, {}, d, {}}; }
    static Step Close() { return {Step::Kind::Close, {}, {}, {}}; }
    // Waits until the test calls Release(), for at most the limit: the client
    // waits meanwhile at a point the test chose, while the test acts.
    static Step Gate(std::chrono::milliseconds limit = std::chrono::seconds(30)) {
        return {Step::Kind::Gate, {}, limit, {}};
    }
    // Closes the current connection and accepts the next one.
    static Step Accept() { return {Step::Kind::Accept, {}, {}, {}}; }
    // Runs the server's side of a TLS handshake with this certificate and key;
    // the steps after it speak, and Received() records, the protected text. Text
    // the client sent before the handshake and nobody read is dropped.
    static Step StartTls(const std::filesystem::path& certificate, const std::filesystem::path& key) {
        return {Step::Kind::StartTls, certificate.string(), {}, key.string()};
    }

    // The greeting and the answer to HELO, the start of every plain session, then
    // the steps given.
    static std::vector<Step> Greeting(std::vector<Step> then = {}) {
        std::vector<Step> script = {Send("220 hi\r\n"), ReadLine(), Send("250 ok\r\n")};
        script.insert(script.end(), then.begin(), then.end());
        return script;
    }

    // One mail to one recipient after the greeting: MAIL, RCPT and DATA taken, the
    // message read to its end, which gets endReply.
    static std::vector<Step> Message(std::string endReply) {
        return {ReadLine(),
                Send("250 ok\r\n"),
                ReadLine(),
                Send("250 ok\r\n"),
                ReadLine(),
                Send("354 go\r\n"),
                ReadUntil("\r\n.\r\n"),
                Send(std::move(endReply))};
    }

    // The replies of a session that accepts everything: greeting, HELO, MAIL, one
    // RCPT per recipient, DATA, the message and QUIT.
    static std::vector<Step> Accepting(int recipients = 1);

    enum class Family { IPv4, IPv6 };
    explicit ScriptedSmtpServer(std::vector<Step> script, Family family = Family::IPv4);
    ~ScriptedSmtpServer();
    ScriptedSmtpServer(const ScriptedSmtpServer&) = delete;
    ScriptedSmtpServer& operator=(const ScriptedSmtpServer&) = delete;

    bool listening() const { return m_port != 0; }
    unsigned port() const { return m_port; }
    const char* host() const { return m_family == Family::IPv4 ? "127.0.0.1" : "::1"; }

    // Opens the script's gate.
    void Release() { m_released = true; }
    // Waits up to the limit for the script to end; true when it did.
    bool Finish(std::chrono::milliseconds limit = std::chrono::seconds(10));
    // Every byte received so far, over all connections.
    std::string Received() const;
    std::size_t ReceivedSize() const;
    std::vector<std::string> Failures() const;
    // The client closed its end before the server did.
    bool ClientHungUp() const { return m_clientHungUp.load(); }

private:
    void Run();
    bool AcceptOne();
    bool ReadSome(std::chrono::steady_clock::time_point deadline);
    bool WaitForMarker(const std::string& marker, std::size_t& consumed);
    void Note(std::string failure);
    void CloseConnection();
    bool AcceptTls(const Step& step);
    bool SendAll(const std::string& bytes);

    std::vector<Step> m_script;
    Family m_family;
    int m_listen = -1;
    int m_conn = -1;
    // The TLS session over m_conn after a StartTls step (OpenSSL's SSL and SSL_CTX).
    void* m_ssl = nullptr;
    void* m_sslContext = nullptr;
    unsigned m_port = 0;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_clientHungUp{false};
    std::atomic<bool> m_released{false};
    bool m_eof = false;
    std::string m_unread; // this connection's bytes not consumed by a read step
    mutable std::mutex m_mutex;
    std::string m_received;
    std::vector<std::string> m_failures;
};

} // namespace desklet::test
