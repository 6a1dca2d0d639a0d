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

constexpr std::array<Migration, 1> kMigrations = {
    Migration{"phone book: contacts, fax numbers and groups", kPhoneBook},
};

} // namespace

std::span<const Migration> Migrations() {
    return kMigrations;
}

} // namespace desklet
