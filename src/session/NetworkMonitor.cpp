#include "session/NetworkMonitor.h"

#include "session/WakeSchedule.h"

#include <dbus/dbus.h>

namespace desklet {

namespace {

constexpr const char* kInterface = "org.freedesktop.NetworkManager";
constexpr const char* kMatch = "type='signal',sender='org.freedesktop.NetworkManager',"
                               "interface='org.freedesktop.NetworkManager',member='StateChanged'";

} // namespace

NetworkMonitor::~NetworkMonitor() {
    Close();
}

bool NetworkMonitor::Open(const std::string& address) {
    Close();
    DBusError error;
    dbus_error_init(&error);
    DBusConnection* connection = address.empty() ? dbus_bus_get_private(DBUS_BUS_SYSTEM, &error)
                                                 : dbus_connection_open_private(address.c_str(), &error);
    if (connection != nullptr) {
        // A lost bus must not end the helper: it still watches the print inbox.
        dbus_connection_set_exit_on_disconnect(connection, FALSE);
        if (!address.empty() && !dbus_bus_register(connection, &error)) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
            connection = nullptr;
        }
    }
    if (connection != nullptr) {
        dbus_bus_add_match(connection, kMatch, &error); // blocks for the bus's answer
        if (dbus_error_is_set(&error)) {
            dbus_connection_close(connection);
            dbus_connection_unref(connection);
            connection = nullptr;
        }
    }
    dbus_error_free(&error);
    m_connection = connection;
    return m_connection != nullptr;
}

int NetworkMonitor::Fd() const {
    int fd = -1;
    if (m_connection == nullptr || !dbus_connection_get_unix_fd(m_connection, &fd)) {
        return -1;
    }
    return fd;
}

bool NetworkMonitor::CameBack() {
    if (m_connection == nullptr) {
        return false;
    }
    bool cameBack = false;
    // Bounded: a flood of messages is read again on the next wake.
    dbus_connection_read_write(m_connection, 0);
    for (int i = 0; i < 1000; ++i) {
        DBusMessage* message = dbus_connection_pop_message(m_connection);
        if (message == nullptr) {
            break;
        }
        dbus_uint32_t state = 0;
        if (dbus_message_is_signal(message, kInterface, "StateChanged") &&
            dbus_message_get_args(message, nullptr, DBUS_TYPE_UINT32, &state, DBUS_TYPE_INVALID)) {
            cameBack = cameBack || NetworkCameBack(m_state, state);
            m_state = state;
        }
        dbus_message_unref(message);
    }
    if (!dbus_connection_get_is_connected(m_connection)) {
        Close();
    }
    return cameBack;
}

void NetworkMonitor::Close() {
    if (m_connection != nullptr) {
        dbus_connection_close(m_connection);
        dbus_connection_unref(m_connection);
        m_connection = nullptr;
    }
}

} // namespace desklet
