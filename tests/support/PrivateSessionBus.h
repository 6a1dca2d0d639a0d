#pragma once

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <string>

namespace desklet::test {

// A session bus of the test's own, empty: no service can be started on it, and
// nothing on the person's desktop sees what the test sends. address() is empty
// when dbus-daemon (Debian package dbus-daemon) could not start.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        QFile config(m_dir.filePath("bus.conf"));
        if (!m_dir.isValid() || !config.open(QIODevice::WriteOnly)) {
            return;
        }
        config.write("<busconfig><type>session</type><listen>unix:dir=" + m_dir.path().toUtf8() +
                     "</listen><policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                     "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        config.close();
        m_daemon.start("dbus-daemon", {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
        if (m_daemon.waitForStarted(10000) && m_daemon.waitForReadyRead(10000)) {
            m_address = m_daemon.readLine().trimmed().toStdString();
        }
    }
    ~PrivateSessionBus() {
        m_daemon.kill();
        m_daemon.waitForFinished(10000);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    const std::string& address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    std::string m_address;
};

} // namespace desklet::test
