#include "notify/Notifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusReply>
#include <QFileInfo>
#include <QStringList>
#include <QVariantMap>

namespace desklet {

namespace {

QString Numbers(const std::vector<std::string>& numbers) {
    QStringList list;
    for (const std::string& number : numbers) {
        list << QString::fromStdString(number);
    }
    return list.join(QStringLiteral(", "));
}

// The file name is enough to recognise a document; the folder is the outbox's
// own copy and would only confuse.
QString DocumentName(const std::string& document) {
    return QFileInfo(QString::fromStdString(document)).fileName();
}

// Notification bodies may carry simple markup; a document or a server reply
// must not be read as such.
QString Plain(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

Notifier::Notifier(QDBusConnection bus) : m_bus(std::move(bus)) {}

bool Notifier::FaxSent(const std::vector<std::string>& numbers, const std::string& document) {
    return Show(
        QCoreApplication::translate("Notifier", "Fax sent"),
        Plain(QCoreApplication::translate("Notifier", "%1 went to %2.").arg(DocumentName(document), Numbers(numbers))));
}

bool Notifier::FaxFailed(const std::vector<std::string>& numbers, const std::string& document,
                         const std::string& reason) {
    return Show(QCoreApplication::translate("Notifier", "Fax not sent"),
                Plain(QCoreApplication::translate("Notifier", "%1 could not go to %2: %3")
                          .arg(DocumentName(document), Numbers(numbers), QString::fromStdString(reason))));
}

bool Notifier::Show(const QString& summary, const QString& body) {
    if (!m_bus.isConnected()) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Desklet") << 0U << QStringLiteral("desklet") << summary << body << QStringList()
         << QVariantMap() << -1;
    const QDBusReply<uint> reply = m_bus.call(call, QDBus::Block, kTimeoutMs);
    return reply.isValid();
}

} // namespace desklet
