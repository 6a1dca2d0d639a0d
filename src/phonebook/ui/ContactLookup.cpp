#include "phonebook/ui/ContactLookup.h"

#include "phonebook/Database.h"

#include <utility>

namespace desklet {

ContactLookup::ContactLookup(QString databasePath, QObject* parent)
    : QObject(parent), m_path(std::move(databasePath)), m_context(new QObject),
      m_latest(std::make_shared<std::atomic<quint64>>(0)) {
    m_thread.setObjectName(QStringLiteral("phone book look-up"));
    m_context->moveToThread(&m_thread);
    m_thread.start();
}

ContactLookup::~ContactLookup() {
    // The connection closes on the thread that opened it.
    QMetaObject::invokeMethod(
        m_context, [this] { m_database.reset(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_context;
}

void ContactLookup::Request(const QString& text, int limit) {
    const quint64 serial = ++m_requested;
    m_latest->store(serial);
    QMetaObject::invokeMethod(m_context, [this, serial, text, limit, latest = m_latest] {
        if (latest->load() != serial) {
            return; // a newer request waits behind this one
        }
        if (!m_database) {
            auto database = std::make_unique<Database>();
            if (!database->Open(m_path)) {
                const QString failure = database->LastFailure().Text();
                QMetaObject::invokeMethod(
                    this, [this, serial, text, failure] { Deliver(serial, text, {}, failure); }, Qt::QueuedConnection);
                return;
            }
            m_database = std::move(database);
        }
        QList<SearchRow> rows;
        const bool found = ContactSearch::Find(*m_database, text, limit, rows);
        const QString failure = found ? QString() : m_database->LastFailure().Text();
        QMetaObject::invokeMethod(
            this, [this, serial, text, rows = std::move(rows), failure] { Deliver(serial, text, rows, failure); },
            Qt::QueuedConnection);
    });
}

void ContactLookup::Deliver(quint64 serial, const QString& text, const QList<SearchRow>& rows, const QString& failure) {
    if (serial != m_requested) {
        return;
    }
    m_answered = serial;
    if (!failure.isNull()) {
        emit Failed(failure);
        return;
    }
    emit Found(text, rows);
}

} // namespace desklet
