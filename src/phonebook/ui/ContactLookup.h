#pragma once

#include "phonebook/ContactSearch.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QThread>

#include <atomic>
#include <memory>

namespace desklet {

class Database;

// The look-up as the user types, off the interface thread: a thread of its own
// with a Database connection of its own on the same file, so that a key press
// never waits for a query. Requests that a newer one overtook are dropped before
// they run and their answers before they arrive: only the newest answer counts.
class ContactLookup : public QObject {
    Q_OBJECT
public:
    explicit ContactLookup(QString databasePath, QObject* parent = nullptr);
    ~ContactLookup() override;

    // Asks for the rows of `text` (ContactSearch::Find); the answer comes as Found
    // or Failed, unless a newer request comes first.
    void Request(const QString& text, int limit);
    // No request waits for its answer.
    bool Idle() const { return m_answered == m_requested; }

signals:
    void Found(const QString& text, const QList<desklet::SearchRow>& rows);
    void Failed(const QString& message);

private:
    void Deliver(quint64 serial, const QString& text, const QList<SearchRow>& rows, const QString& failure);

    QString m_path;
    QThread m_thread;
    QObject* m_context = nullptr;         // lives on m_thread: what the queries run on
    std::unique_ptr<Database> m_database; // opened, used and closed on m_thread only
    std::shared_ptr<std::atomic<quint64>> m_latest;
    quint64 m_requested = 0;
    quint64 m_answered = 0;
};

} // namespace desklet
