#pragma once

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

// The records of CSV text (RFC 4180), apart from what the columns mean.
namespace desklet::csv {

struct Record {
    QStringList fields;
    int line = 0; // where the record begins, 1-based
};

// The separator a file uses, from its first line: the comma of RFC 4180, or the
// semicolon or tab that exports under some locales write, whichever of them
// occurs most outside quotes (the comma where none or as many).
QChar GuessSeparator(const QString& text);

// Splits text into records. A field in double quotes may hold separators, line
// breaks and "" for a quote; a quote inside an unquoted field, or after a quoted
// field's closing quote, is kept as text. A CR LF, LF or lone CR ends a record; an
// empty line is no record. False when a quoted field is never closed, with
// `badLine` the line where it opens.
bool Split(const QString& text, QChar separator, QList<Record>& records, int& badLine);

} // namespace desklet::csv
