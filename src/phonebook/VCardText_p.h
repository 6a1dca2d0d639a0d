#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The value syntax shared by the vCard reader and writer, so that each escape the
// writer makes is the one the reader takes back.
namespace desklet::vcardtext {

// Text value: backslash, comma, semicolon and line break escaped (RFC 6350 3.4).
QString Escape(const QString& text);
// Takes back \\ \, \; \: \n and \N; a backslash before anything else stays, as
// 2.1 files write Windows paths unescaped.
QString Unescape(const QString& text);
// Pieces of a value split at each unescaped `separator`, still escaped.
QStringList SplitEscaped(const QString& value, QChar separator);
// The components of a structured value (N, ORG): split at each unescaped
// semicolon, each unescaped.
QStringList Components(const QString& value);

// A number as the path of a tel: URI: every byte but letters, digits and
// + - . ( ) ! * _ ~ written as %XX of its UTF-8.
QByteArray TelUriPath(const QString& number);
// %XX sequences back to bytes; a % without two hex digits stays as it is.
QByteArray PercentDecoded(QByteArrayView text);

} // namespace desklet::vcardtext
