#include "phonebook/Migrations.h"

#include <array>

namespace desklet {
namespace {

// The phone book. The *_key columns hold contact::SearchKey of the column beside
// them, for the look-up; contact.identity holds contact::Identity, so that an import
// finds a contact it already has by one indexed look-up.
constexpr std::array<std::string_view, 8> kPhoneBook = {
    R"(CREATE TABLE contact (
        id INTEGER PRIMARY KEY,
        uid TEXT NOT NULL UNIQUE,
        name TEXT NOT NULL,
        company TEXT NOT NULL,
        note TEXT NOT NULL,
        name_key TEXT NOT NULL,
        company_key TEXT NOT NULL,
        identity TEXT NOT NULL))",
    "CREATE INDEX contact_identity ON contact (identity)",
    "CREATE INDEX contact_name_key ON contact (name_key)",
    R"(CREATE TABLE fax_number (
        id INTEGER PRIMARY KEY,
        contact_id INTEGER NOT NULL REFERENCES contact (id) ON DELETE CASCADE,
        position INTEGER NOT NULL,
        number TEXT NOT NULL,
        label TEXT NOT NULL CHECK (label IN ('work', 'home', 'other')),
        number_key TEXT NOT NULL))",
    "CREATE INDEX fax_number_contact ON fax_number (contact_id, position)",
    R"(CREATE TABLE contact_group (
        id INTEGER PRIMARY KEY,
        uid TEXT NOT NULL UNIQUE,
        name TEXT NOT NULL,
        name_key TEXT NOT NULL))",
    R"(CREATE TABLE group_member (
        group_id INTEGER NOT NULL REFERENCES contact_group (id) ON DELETE CASCADE,
        contact_id INTEGER NOT NULL REFERENCES contact (id) ON DELETE CASCADE,
        position INTEGER NOT NULL,
        PRIMARY KEY (group_id, contact_id)))",
    "CREATE INDEX group_member_contact ON group_member (contact_id)",
};

// The sent log and the outbox. Times are milliseconds since the epoch, UTC; the
// number lists are JSON arrays of text. A job's copy_name names its document's
// copy in the copies' folder beside the database while the job may still go.
// fax_job_value holds the job's fields ('job') and the settings that shape its
// fax ('setting'), never a password. A mail is one try's one message.
constexpr std::array<std::string_view, 4> kOutbox = {
    R"(CREATE TABLE fax_job (
        id INTEGER PRIMARY KEY,
        state TEXT NOT NULL CHECK (state IN ('waiting', 'sending', 'sent', 'failed', 'cancelled', 'unknown')),
        queued_at INTEGER NOT NULL,
        changed_at INTEGER NOT NULL,
        numbers TEXT NOT NULL,
        document_name TEXT NOT NULL,
        document_size INTEGER NOT NULL,
        document_sha256 TEXT NOT NULL,
        page_count INTEGER NOT NULL,
        copy_name TEXT,
        attempts INTEGER NOT NULL,
        next_attempt_at INTEGER,
        last_error TEXT NOT NULL,
        claimer_pid INTEGER,
        lease_until INTEGER))",
    "CREATE INDEX fax_job_due ON fax_job (state, next_attempt_at)",
    R"(CREATE TABLE fax_job_value (
        job_id INTEGER NOT NULL REFERENCES fax_job (id) ON DELETE CASCADE,
        section TEXT NOT NULL CHECK (section IN ('job', 'setting')),
        key TEXT NOT NULL,
        value TEXT NOT NULL,
        PRIMARY KEY (job_id, section, key)))",
    R"(CREATE TABLE fax_mail (
        id INTEGER PRIMARY KEY,
        job_id INTEGER NOT NULL REFERENCES fax_job (id) ON DELETE CASCADE,
        attempt INTEGER NOT NULL,
        position INTEGER NOT NULL,
        numbers TEXT NOT NULL,
        message_id TEXT NOT NULL,
        server TEXT NOT NULL,
        state TEXT NOT NULL CHECK (state IN ('sending', 'data-sent', 'accepted', 'refused', 'not-tried', 'unknown',
                                             'send-again', 'marked-sent')),
        final_reply TEXT NOT NULL,
        at INTEGER NOT NULL,
        UNIQUE (job_id, attempt, position)))",
};

// Where the document was when the job was made (absolute), so that the sent log
// can send it again while it is still there. NULL where it was not kept: older
// jobs, and documents known by a name of their own (a printed document's spool
// file, a kept copy sent again), whose file is gone or means nothing.
constexpr std::array<std::string_view, 1> kDocumentPath = {
    "ALTER TABLE fax_job ADD COLUMN document_path TEXT",
};

constexpr std::array<Migration, 3> kMigrations = {
    Migration{"phone book: contacts, fax numbers and groups", kPhoneBook},
    Migration{"sent log and outbox: fax jobs, their mails and kept settings", kOutbox},
    Migration{"sent log: where each job's document was", kDocumentPath},
};

} // namespace

std::span<const Migration> Migrations() {
    return kMigrations;
}

} // namespace desklet
