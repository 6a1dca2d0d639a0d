#include "phonebook/PhoneBook.h"

#include "phonebook/ContactFile.h"
#include "phonebook/Database.h"
#include "phonebook/VCardWriter.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <optional>

namespace desklet {
namespace {

using Kind = PhoneBookFailure::Kind;

FaxLabel labelOf(const QString& keyword) {
    if (keyword == QLatin1String("work")) {
        return FaxLabel::Work;
    }
    return keyword == QLatin1String("home") ? FaxLabel::Home : FaxLabel::Other;
}

QString freshUid() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The statements of one operation, prepared once: an import runs them thousands
// of times. A failed one records its failure in the database and returns false.
class Statements {
public:
    explicit Statements(Database& database) : m_database(database) {}

    bool InsertContact(Contact& contact) {
        if (contact.uid.isEmpty() || Exists(m_contactUid, "SELECT 1 FROM contact WHERE uid = ?", contact.uid)) {
            contact.uid = freshUid();
        }
        QSqlQuery& insert = Prepared(m_insertContact, "INSERT INTO contact (uid, name, company, note, name_key, "
                                                      "company_key, identity) VALUES (?, ?, ?, ?, ?, ?, ?)");
        for (const QVariant& value :
             {QVariant(contact.uid), QVariant(contact.name), QVariant(contact.company), QVariant(contact.note),
              QVariant(contact::SearchKey(contact.name)), QVariant(contact::SearchKey(contact.company)),
              QVariant(contact::Identity(contact))}) {
            insert.addBindValue(value);
        }
        if (!Run(insert)) {
            return false;
        }
        contact.id = insert.lastInsertId().toLongLong();
        return InsertNumbers(contact);
    }

    bool UpdateContact(const Contact& contact, bool& found) {
        QSqlQuery& update = Prepared(m_updateContact, "UPDATE contact SET name = ?, company = ?, note = ?, "
                                                      "name_key = ?, company_key = ?, identity = ? WHERE id = ?");
        for (const QVariant& value :
             {QVariant(contact.name), QVariant(contact.company), QVariant(contact.note),
              QVariant(contact::SearchKey(contact.name)), QVariant(contact::SearchKey(contact.company)),
              QVariant(contact::Identity(contact)), QVariant(contact.id)}) {
            update.addBindValue(value);
        }
        if (!Run(update)) {
            return false;
        }
        found = update.numRowsAffected() > 0;
        if (!found) {
            return true;
        }
        QSqlQuery& remove = Prepared(m_removeNumbers, "DELETE FROM fax_number WHERE contact_id = ?");
        remove.addBindValue(contact.id);
        return Run(remove) && InsertNumbers(contact);
    }

    // The id of a stored contact of this identity.
    bool FindIdentity(const QString& identity, std::optional<qint64>& id) {
        return FindId(m_identity, "SELECT id FROM contact WHERE identity = ? LIMIT 1", identity, id);
    }
    bool FindUid(const QString& uid, std::optional<qint64>& id) {
        return FindId(m_uid, "SELECT id FROM contact WHERE uid = ?", uid, id);
    }
    bool ContactExists(qint64 id, bool& exists) {
        std::optional<qint64> found;
        if (!FindId(m_contactId, "SELECT id FROM contact WHERE id = ?", id, found)) {
            return false;
        }
        exists = found.has_value();
        return true;
    }

    bool InsertGroup(Group& group) {
        if (group.uid.isEmpty() || Exists(m_groupUid, "SELECT 1 FROM contact_group WHERE uid = ?", group.uid)) {
            group.uid = freshUid();
        }
        QSqlQuery& insert = Prepared(m_insertGroup, "INSERT INTO contact_group (uid, name, name_key) VALUES (?, ?, ?)");
        insert.addBindValue(group.uid);
        insert.addBindValue(group.name);
        insert.addBindValue(contact::SearchKey(group.name));
        if (!Run(insert)) {
            return false;
        }
        group.id = insert.lastInsertId().toLongLong();
        return InsertMembers(group);
    }

    bool InsertMembers(const Group& group) {
        QSqlQuery& insert =
            Prepared(m_insertMember, "INSERT INTO group_member (group_id, contact_id, position) VALUES (?, ?, ?)");
        for (qsizetype i = 0; i < group.memberIds.size(); ++i) {
            insert.addBindValue(group.id);
            insert.addBindValue(group.memberIds[i]);
            insert.addBindValue(i);
            if (!Run(insert)) {
                return false;
            }
        }
        return true;
    }

    QSqlQuery Query() const { return QSqlQuery(m_database.Connection()); }
    Database& database() { return m_database; }

    bool Run(QSqlQuery& query) {
        if (!query.exec()) {
            return m_database.Fail(query.lastError(), Kind::WriteFailed);
        }
        return true;
    }

private:
    QSqlQuery& Prepared(std::optional<QSqlQuery>& slot, const char* statement) {
        if (!slot) {
            slot.emplace(m_database.Connection());
            slot->prepare(QLatin1String(statement));
        }
        return *slot;
    }

    bool InsertNumbers(const Contact& contact) {
        QSqlQuery& insert = Prepared(m_insertNumber, "INSERT INTO fax_number (contact_id, position, number, label, "
                                                     "number_key) VALUES (?, ?, ?, ?, ?)");
        for (qsizetype i = 0; i < contact.numbers.size(); ++i) {
            const FaxNumber& number = contact.numbers[i];
            insert.addBindValue(contact.id);
            insert.addBindValue(i);
            insert.addBindValue(number.number);
            insert.addBindValue(contact::LabelKeyword(number.label));
            insert.addBindValue(contact::SearchKey(number.number));
            if (!Run(insert)) {
                return false;
            }
        }
        return true;
    }

    bool Exists(std::optional<QSqlQuery>& slot, const char* statement, const QVariant& value) {
        QSqlQuery& query = Prepared(slot, statement);
        query.addBindValue(value);
        const bool found = query.exec() && query.next();
        query.finish();
        return found;
    }

    bool FindId(std::optional<QSqlQuery>& slot, const char* statement, const QVariant& value,
                std::optional<qint64>& id) {
        QSqlQuery& query = Prepared(slot, statement);
        query.addBindValue(value);
        if (!query.exec()) {
            return m_database.Fail(query.lastError(), Kind::ReadFailed);
        }
        id = query.next() ? std::optional<qint64>(query.value(0).toLongLong()) : std::nullopt;
        query.finish();
        return true;
    }

    Database& m_database;
    std::optional<QSqlQuery> m_insertContact, m_updateContact, m_removeNumbers, m_insertNumber, m_contactUid,
        m_identity, m_uid, m_contactId, m_insertGroup, m_groupUid, m_insertMember;
};

// Members in order, each once.
QList<qint64> distinct(const QList<qint64>& ids) {
    QList<qint64> out;
    QSet<qint64> seen;
    for (const qint64 id : ids) {
        if (!seen.contains(id)) {
            seen.insert(id);
            out.append(id);
        }
    }
    return out;
}

QSet<qint64> memberSet(const Group& group) {
    return QSet<qint64>(group.memberIds.cbegin(), group.memberIds.cend());
}

} // namespace

PhoneBook::PhoneBook(Database& database) : m_database(database) {}

const PhoneBookFailure& PhoneBook::LastFailure() const {
    return m_database.LastFailure();
}

bool PhoneBook::Fail(PhoneBookFailure::Kind kind, const QString& subject, int line) {
    return m_database.Fail(PhoneBookFailure{kind, subject, line, {}});
}

bool PhoneBook::AddContact(Contact& contact) {
    Contact stored = contact::Normalized(contact);
    if (stored.numbers.isEmpty()) {
        return Fail(Kind::NoFaxNumber, stored.name);
    }
    Database::Transaction transaction(m_database);
    Statements statements(m_database);
    if (!transaction.Began() || !statements.InsertContact(stored) || !transaction.Commit()) {
        return false;
    }
    contact = stored;
    return true;
}

bool PhoneBook::UpdateContact(Contact& contact) {
    Contact stored = contact::Normalized(contact);
    if (stored.numbers.isEmpty()) {
        return Fail(Kind::NoFaxNumber, stored.name);
    }
    Database::Transaction transaction(m_database);
    Statements statements(m_database);
    bool found = false;
    if (!transaction.Began() || !statements.UpdateContact(stored, found)) {
        return false;
    }
    if (!found) {
        return Fail(Kind::NotFound, QString::number(contact.id));
    }
    if (!transaction.Commit()) {
        return false;
    }
    return GetContact(stored.id, contact);
}

bool PhoneBook::RemoveContact(qint64 id) {
    Database::Transaction transaction(m_database);
    if (!transaction.Began()) {
        return false;
    }
    QSqlQuery query(m_database.Connection());
    query.prepare(QStringLiteral("DELETE FROM contact WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        return m_database.Fail(query.lastError(), Kind::WriteFailed);
    }
    if (query.numRowsAffected() == 0) {
        return Fail(Kind::NotFound, QString::number(id));
    }
    return transaction.Commit();
}

bool PhoneBook::GetContact(qint64 id, Contact& contact) {
    QSqlQuery query(m_database.Connection());
    query.prepare(QStringLiteral("SELECT uid, name, company, note FROM contact WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        return m_database.Fail(query.lastError(), Kind::ReadFailed);
    }
    if (!query.next()) {
        return Fail(Kind::NotFound, QString::number(id));
    }
    Contact read;
    read.id = id;
    read.uid = query.value(0).toString();
    read.name = query.value(1).toString();
    read.company = query.value(2).toString();
    read.note = query.value(3).toString();
    query.finish();
    query.prepare(QStringLiteral("SELECT number, label FROM fax_number WHERE contact_id = ? ORDER BY position"));
    query.addBindValue(id);
    if (!query.exec()) {
        return m_database.Fail(query.lastError(), Kind::ReadFailed);
    }
    while (query.next()) {
        read.numbers.append(FaxNumber{query.value(0).toString(), labelOf(query.value(1).toString())});
    }
    contact = read;
    return true;
}

bool PhoneBook::AddGroup(Group& group) {
    Group stored = contact::Normalized(group);
    stored.memberIds = distinct(stored.memberIds);
    Database::Transaction transaction(m_database);
    Statements statements(m_database);
    if (!transaction.Began()) {
        return false;
    }
    for (const qint64 member : stored.memberIds) {
        bool exists = false;
        if (!statements.ContactExists(member, exists)) {
            return false;
        }
        if (!exists) {
            return Fail(Kind::NotFound, QString::number(member));
        }
    }
    if (!statements.InsertGroup(stored) || !transaction.Commit()) {
        return false;
    }
    group = stored;
    return true;
}

bool PhoneBook::UpdateGroup(Group& group) {
    Group stored = contact::Normalized(group);
    stored.memberIds = distinct(stored.memberIds);
    Database::Transaction transaction(m_database);
    Statements statements(m_database);
    if (!transaction.Began()) {
        return false;
    }
    for (const qint64 member : stored.memberIds) {
        bool exists = false;
        if (!statements.ContactExists(member, exists)) {
            return false;
        }
        if (!exists) {
            return Fail(Kind::NotFound, QString::number(member));
        }
    }
    QSqlQuery update = statements.Query();
    update.prepare(QStringLiteral("UPDATE contact_group SET name = ?, name_key = ? WHERE id = ?"));
    update.addBindValue(stored.name);
    update.addBindValue(contact::SearchKey(stored.name));
    update.addBindValue(stored.id);
    if (!statements.Run(update)) {
        return false;
    }
    if (update.numRowsAffected() == 0) {
        return Fail(Kind::NotFound, QString::number(stored.id));
    }
    QSqlQuery remove = statements.Query();
    remove.prepare(QStringLiteral("DELETE FROM group_member WHERE group_id = ?"));
    remove.addBindValue(stored.id);
    if (!statements.Run(remove) || !statements.InsertMembers(stored) || !transaction.Commit()) {
        return false;
    }
    return GetGroup(stored.id, group);
}

bool PhoneBook::RemoveGroup(qint64 id) {
    Database::Transaction transaction(m_database);
    if (!transaction.Began()) {
        return false;
    }
    QSqlQuery query(m_database.Connection());
    query.prepare(QStringLiteral("DELETE FROM contact_group WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        return m_database.Fail(query.lastError(), Kind::WriteFailed);
    }
    if (query.numRowsAffected() == 0) {
        return Fail(Kind::NotFound, QString::number(id));
    }
    return transaction.Commit();
}

bool PhoneBook::GetGroup(qint64 id, Group& group) {
    QList<Group> groups;
    if (!Groups(groups)) {
        return false;
    }
    for (const Group& candidate : groups) {
        if (candidate.id == id) {
            group = candidate;
            return true;
        }
    }
    return Fail(Kind::NotFound, QString::number(id));
}

bool PhoneBook::Groups(QList<Group>& groups) {
    QSqlQuery query(m_database.Connection());
    if (!query.exec(QStringLiteral("SELECT id, uid, name FROM contact_group ORDER BY name_key, id"))) {
        return m_database.Fail(query.lastError(), Kind::ReadFailed);
    }
    QList<Group> read;
    QHash<qint64, qsizetype> indexById;
    while (query.next()) {
        Group group;
        group.id = query.value(0).toLongLong();
        group.uid = query.value(1).toString();
        group.name = query.value(2).toString();
        indexById.insert(group.id, read.size());
        read.append(group);
    }
    if (!query.exec(QStringLiteral("SELECT group_id, contact_id FROM group_member ORDER BY group_id, position"))) {
        return m_database.Fail(query.lastError(), Kind::ReadFailed);
    }
    while (query.next()) {
        const auto at = indexById.constFind(query.value(0).toLongLong());
        if (at != indexById.cend()) {
            read[*at].memberIds.append(query.value(1).toLongLong());
        }
    }
    groups = read;
    return true;
}

bool PhoneBook::ReadFile(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return m_database.Fail(PhoneBookFailure{Kind::UnreadableFile, path, 0, file.errorString()});
    }
    if (file.size() > kMaxImportBytes) {
        return Fail(Kind::FileTooLarge, path);
    }
    bytes = file.read(kMaxImportBytes + 1);
    if (bytes.size() > kMaxImportBytes) {
        return Fail(Kind::FileTooLarge, path);
    }
    if (file.error() != QFileDevice::NoError) {
        return m_database.Fail(PhoneBookFailure{Kind::UnreadableFile, path, 0, file.errorString()});
    }
    return true;
}

bool PhoneBook::Import(const QString& path, ImportReport& report) {
    QByteArray bytes;
    if (!ReadFile(path, bytes)) {
        return false;
    }
    if (!ImportBytes(bytes, report)) {
        if (LastFailure().kind == Kind::NotContactFile) {
            PhoneBookFailure failure = LastFailure();
            failure.subject = path;
            m_database.Fail(failure);
        }
        return false;
    }
    return true;
}

bool PhoneBook::ImportBytes(const QByteArray& bytes, ImportReport& report) {
    ContactFile file;
    PhoneBookFailure failure;
    if (!ReadContactFile(bytes, file, failure)) {
        return m_database.Fail(failure);
    }
    ImportReport done;
    done.skippedNoFax = file.skippedNoFax;
    Database::Transaction transaction(m_database);
    Statements statements(m_database);
    if (!transaction.Began()) {
        return false;
    }
    QHash<QString, qint64> idByUid; // the file's uids
    for (Contact& contact : file.contacts) {
        std::optional<qint64> id;
        if (!statements.FindIdentity(contact::Identity(contact), id)) {
            return false;
        }
        const QString uid = contact.uid;
        if (id) {
            ++done.alreadyPresent;
        } else {
            if (!statements.InsertContact(contact)) {
                return false;
            }
            id = contact.id;
            ++done.imported;
        }
        if (!uid.isEmpty() && !idByUid.contains(uid)) {
            idByUid.insert(uid, *id);
        }
    }
    // The groups there are, by name: a group is present when one of its name has
    // the same members.
    QMultiHash<QString, QSet<qint64>> present;
    QList<Group> stored;
    if (!file.groups.isEmpty() && !Groups(stored)) {
        return false;
    }
    for (const Group& group : stored) {
        present.insert(group.name, memberSet(group));
    }
    for (const GroupCard& card : file.groups) {
        Group group;
        group.name = card.name;
        group.uid = card.uid;
        for (const QString& uid : card.memberUids) {
            std::optional<qint64> id;
            if (idByUid.contains(uid)) {
                id = idByUid.value(uid);
            } else if (!statements.FindUid(uid, id)) {
                return false;
            }
            if (id) {
                group.memberIds.append(*id);
            }
        }
        group.memberIds = distinct(group.memberIds);
        if (group.memberIds.isEmpty()) {
            ++done.skippedNoFax;
            continue;
        }
        const QSet<qint64> members = memberSet(group);
        if (present.contains(group.name, members)) {
            ++done.groupsAlreadyPresent;
            continue;
        }
        if (!statements.InsertGroup(group)) {
            return false;
        }
        present.insert(group.name, members);
        ++done.groupsImported;
    }
    if (!transaction.Commit()) {
        return false;
    }
    report = done;
    return true;
}

bool PhoneBook::ExportBytes(QByteArray& bytes) {
    ContactFile file;
    QSqlQuery query(m_database.Connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, uid, name, company, note FROM contact ORDER BY name_key, id"))) {
        return m_database.Fail(query.lastError(), Kind::ReadFailed);
    }
    QHash<qint64, qsizetype> indexById;
    while (query.next()) {
        Contact contact;
        contact.id = query.value(0).toLongLong();
        contact.uid = query.value(1).toString();
        contact.name = query.value(2).toString();
        contact.company = query.value(3).toString();
        contact.note = query.value(4).toString();
        indexById.insert(contact.id, file.contacts.size());
        file.contacts.append(contact);
    }
    if (!query.exec(QStringLiteral("SELECT contact_id, number, label FROM fax_number ORDER BY contact_id, position"))) {
        return m_database.Fail(query.lastError(), Kind::ReadFailed);
    }
    while (query.next()) {
        const auto at = indexById.constFind(query.value(0).toLongLong());
        if (at != indexById.cend()) {
            file.contacts[*at].numbers.append(FaxNumber{query.value(1).toString(), labelOf(query.value(2).toString())});
        }
    }
    QList<Group> groups;
    if (!Groups(groups)) {
        return false;
    }
    for (const Group& group : groups) {
        GroupCard card{group.name, group.uid, {}};
        for (const qint64 member : group.memberIds) {
            const auto at = indexById.constFind(member);
            if (at != indexById.cend()) {
                card.memberUids.append(file.contacts[*at].uid);
            }
        }
        file.groups.append(card);
    }
    bytes = VCardWriter::Write(file);
    return true;
}

bool PhoneBook::Export(const QString& path) {
    QByteArray bytes;
    if (!ExportBytes(bytes)) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return m_database.Fail(PhoneBookFailure{Kind::CannotWriteFile, path, 0, file.errorString()});
    }
    return true;
}

bool PhoneBook::Search(const QString& text, int limit, QList<SearchRow>& rows) {
    return ContactSearch::Find(m_database, text, limit, rows);
}

bool PhoneBook::Resolve(const QString& name, Resolution& resolution) {
    const QString wanted = contact::OneLine(name);
    const QString key = contact::SearchKey(wanted);
    QList<qint64> contacts;
    QList<qint64> groups;
    QSqlQuery query(m_database.Connection());
    for (const auto& [statement, ids] : {std::pair{"SELECT id FROM contact WHERE name_key = ?", &contacts},
                                         std::pair{"SELECT id FROM contact_group WHERE name_key = ?", &groups}}) {
        query.prepare(QLatin1String(statement));
        query.addBindValue(key);
        if (!query.exec()) {
            return m_database.Fail(query.lastError(), Kind::ReadFailed);
        }
        while (query.next()) {
            ids->append(query.value(0).toLongLong());
        }
    }
    if (key.isEmpty() || contacts.size() + groups.size() == 0) {
        return Fail(Kind::UnknownName, wanted);
    }
    if (contacts.size() + groups.size() > 1) {
        return Fail(Kind::AmbiguousName, wanted);
    }
    return groups.isEmpty() ? ResolveMembers(false, {contacts.front()}, {}, resolution)
                            : ResolveGroup(groups.front(), resolution);
}

bool PhoneBook::ResolveGroup(qint64 id, Resolution& resolution) {
    Group group;
    if (!GetGroup(id, group)) {
        return false;
    }
    if (group.memberIds.isEmpty()) {
        return Fail(Kind::EmptyGroup, group.name);
    }
    return ResolveMembers(true, group.memberIds, group.name, resolution);
}

bool PhoneBook::ResolveMembers(bool group, const QList<qint64>& members, const QString& name, Resolution& resolution) {
    Resolution resolved{group, name, {}};
    for (const qint64 id : members) {
        Contact member;
        if (!GetContact(id, member)) {
            return false;
        }
        const FaxNumber* number = contact::SendingNumber(member);
        if (number == nullptr) {
            return Fail(Kind::NoSendingNumber, member.name);
        }
        resolved.name = group ? resolved.name : member.name;
        resolved.recipients.append({member.id, member.name, number->number});
    }
    resolution = resolved;
    return true;
}

} // namespace desklet
