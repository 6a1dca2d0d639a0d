#include "settings/SecretServiceKeyring.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QStringList>
#include <QTimer>
#include <QVariant>

#include <qt6keychain/keychain.h>

namespace desklet {
namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

bool SecretServiceKeyring::IsAvailable() {
    if (QCoreApplication::instance() == nullptr) {
        return false;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    // Asked of the bus daemon itself, with a short wait of our own: Qt's default
    // would hold the window for 25 seconds on a bus that does not answer.
    const auto ask = [&bus](const char* method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QLatin1String(method));
        call.setArguments(arguments);
        const QDBusMessage reply =
            bus.call(call, QDBus::Block, static_cast<int>(std::chrono::milliseconds(kBusTimeout).count()));
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() ? reply.arguments().first()
                                                                                          : QVariant();
    };
    const QString name = ToQString(kBusName);
    if (ask("NameHasOwner", {name}).toBool()) {
        return true;
    }
    return ask("ListActivatableNames", {}).toStringList().contains(name);
}

bool SecretServiceKeyring::Run(QKeychain::Job* job, const std::string& key, Outcome& outcome) {
    ClearError();
    if (!IsAvailable()) {
        delete job; // never started
        return Fail("No desktop keyring answers on the session bus.");
    }
    job->setKey(QString::fromStdString(key));
    job->setAutoDelete(true);
    QEventLoop loop;
    // The connection ends with the loop: a job that outlives the wait finds nobody
    // to tell and only deletes itself.
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&outcome, &loop](QKeychain::Job* done) {
        outcome.finished = true;
        outcome.error = done->error();
        outcome.errorText = done->errorString();
        if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(done)) {
            outcome.text = read->textData();
        }
        loop.quit();
    });
    QTimer::singleShot(kJobTimeout, &loop, &QEventLoop::quit);
    job->start();
    if (!outcome.finished) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!outcome.finished) {
        return Fail("The desktop keyring did not answer within " + std::to_string(kJobTimeout.count()) + " seconds.");
    }
    return true;
}

bool SecretServiceKeyring::Read(const std::string& key, std::optional<std::string>& secret) {
    secret.reset();
    Outcome outcome;
    if (!Run(new QKeychain::ReadPasswordJob(ToQString(kService)), key, outcome)) {
        return false;
    }
    if (outcome.error == QKeychain::EntryNotFound) {
        return true;
    }
    if (outcome.error != QKeychain::NoError) {
        return Fail("The desktop keyring could not be read: " + outcome.errorText.toStdString());
    }
    secret = outcome.text.toStdString();
    return true;
}

bool SecretServiceKeyring::Write(const std::string& key, const std::string& secret) {
    auto* job = new QKeychain::WritePasswordJob(ToQString(kService));
    job->setTextData(QString::fromStdString(secret));
    Outcome outcome;
    if (!Run(job, key, outcome)) {
        return false;
    }
    if (outcome.error != QKeychain::NoError) {
        return Fail("The desktop keyring did not take the password: " + outcome.errorText.toStdString());
    }
    return true;
}

bool SecretServiceKeyring::Remove(const std::string& key) {
    Outcome outcome;
    if (!Run(new QKeychain::DeletePasswordJob(ToQString(kService)), key, outcome)) {
        return false;
    }
    if (outcome.error != QKeychain::NoError && outcome.error != QKeychain::EntryNotFound) {
        return Fail("The desktop keyring could not remove the password: " + outcome.errorText.toStdString());
    }
    return true;
}

} // namespace desklet
