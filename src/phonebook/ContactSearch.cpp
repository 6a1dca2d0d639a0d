#include "phonebook/ContactSearch.h"

#include "phonebook/Contact.h"
#include "phonebook/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace desklet {
namespace {

// Where rows come from, one SELECT each of kind, id, name, company, number, label
// and the sort keys, over `wanted` (the folded text). Recently sent numbers are
// to come from the sent log as one more source here, with the label "recent".
constexpr const char* kSources[] = {
    R"(SELECT 0 AS kind, c.id AS id, c.name AS name, c.company AS company, f.number AS number, f.label AS label,
              c.name_key AS name_key, c.company_key AS company_key, f.position AS position
       FROM contact c JOIN fax_number f ON f.contact_id = c.id, wanted
       WHERE wanted.key = '' OR instr(c.name_key, wanted.key) > 0 OR instr(c.company_key, wanted.key) > 0
             OR instr(f.number_key, wanted.key) > 0)",
    R"(SELECT 1 AS kind, g.id, g.name, '', '', 'group', g.name_key, '', 0
       FROM contact_group g, wanted
       WHERE wanted.key = '' OR instr(g.name_key, wanted.key) > 0)",
};

QString searchStatement() {
    QString statement =
        QStringLiteral("WITH wanted (key) AS (SELECT ?) SELECT kind, id, name, company, number, label FROM (");
    for (std::size_t i = 0; i < std::size(kSources); ++i) {
        statement += (i > 0 ? QLatin1String(" UNION ALL ") : QLatin1String("")) + QLatin1String(kSources[i]);
    }
    // A group sorts before the contacts of its name; then by company, each
    // contact's numbers kept together in their order.
    return statement + QStringLiteral(") ORDER BY name_key, kind DESC, company_key, id, position LIMIT ?");
}

} // namespace

bool ContactSearch::Find(Database& database, const QString& text, int limit, QList<SearchRow>& rows) {
    static const QString kStatement = searchStatement();
    QSqlQuery query(database.Connection());
    query.setForwardOnly(true);
    if (!query.prepare(kStatement)) {
        return database.Fail(query.lastError(), PhoneBookFailure::Kind::ReadFailed);
    }
    query.addBindValue(contact::SearchKey(contact::OneLine(text)));
    query.addBindValue(limit < 0 ? -1 : limit);
    if (!query.exec()) {
        return database.Fail(query.lastError(), PhoneBookFailure::Kind::ReadFailed);
    }
    rows.clear();
    while (query.next()) {
        SearchRow row;
        row.kind = query.value(0).toInt() == 1 ? SearchRow::Kind::Group : SearchRow::Kind::Contact;
        row.id = query.value(1).toLongLong();
        row.name = query.value(2).toString();
        row.company = query.value(3).toString();
        row.number = query.value(4).toString();
        row.label = query.value(5).toString();
        rows.append(row);
    }
    return true;
}

} // namespace desklet
