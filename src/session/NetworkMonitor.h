#pragma once

#include <cstdint>
#include <string>

struct DBusConnection;

namespace desklet {

// Listens for NetworkManager's StateChanged signal on the system bus, so that
// the outbox is tried at once when the network comes back. Where the system has
// no bus or no NetworkManager, nothing ever comes: the retries' timer still runs.
class NetworkMonitor {
public:
    NetworkMonitor() = default;
    ~NetworkMonitor();
    NetworkMonitor(const NetworkMonitor&) = delete;
    NetworkMonitor& operator=(const NetworkMonitor&) = delete;

    // Connects to the system bus, or to the bus at address (the tests' own).
    // False when there is none; the monitor then stays closed.
    bool Open(const std::string& address = {});
    // The descriptor to poll for input; -1 while closed.
    int Fd() const;
    // Reads what arrived; true when the network came back since the last call.
    // Closes the monitor when the bus went away.
    bool CameBack();

private:
    void Close();

    DBusConnection* m_connection = nullptr;
    std::uint32_t m_state = 0; // unknown until the first change
};

} // namespace desklet
