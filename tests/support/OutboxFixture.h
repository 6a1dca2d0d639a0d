#pragma once

#include "outbox/Outbox.h"
#include "phonebook/Database.h"
#include "support/PinnedClock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace desklet::test {

// A user's database in a temporary folder, an outbox on it with a pinned clock,
// and a document to send.
class OutboxFixture : public testing::Test {
protected:
    void SetUp() override {
        m_document = m_dir.WriteFile("Quarterly report.pdf", "%PDF-1.4\n1 0 obj << /Type /Page >> endobj\n%%EOF\n");
        Fresh();
    }

    // A new, empty database, for each row of a table.
    void Fresh() {
        const std::string folder = "data" + std::to_string(++m_databases);
        m_databasePath = QString::fromStdString((m_dir.path() / folder / "desklet.sqlite").string());
        Reopen();
    }

    // A second connection, as another sender in its own process would have.
    void Reopen() {
        m_outbox.reset();
        m_database = std::make_unique<Database>();
        ASSERT_TRUE(m_database->Open(m_databasePath)) << m_database->LastFailure().Text().toStdString();
        m_outbox = std::make_unique<Outbox>(*m_database, m_clock);
    }
    void Close() {
        m_outbox.reset();
        m_database.reset();
    }

    static FaxJob JobTo(std::vector<std::string> numbers) {
        FaxJob job;
        job.recipients = std::move(numbers);
        job.comment = "Figures attached";
        return job;
    }

    static AttemptResult::Mail MailOf(std::vector<std::string> numbers, AttemptResult::Mail::State state,
                                      std::string reply = {}) {
        AttemptResult::Mail mail;
        mail.numbers = std::move(numbers);
        mail.state = state;
        mail.messageId = "<" + mail.numbers.front() + "@desklet.example>";
        mail.finalReply = std::move(reply);
        return mail;
    }

    Outbox& outbox() { return *m_outbox; }

    TempDir m_dir;
    int m_databases = 0;
    PinnedClock m_clock;
    QString m_databasePath;
    std::filesystem::path m_document;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<Outbox> m_outbox;
};

} // namespace desklet::test
