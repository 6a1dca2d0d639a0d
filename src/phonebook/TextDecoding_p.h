#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Bytes of contact files to text. Address books write UTF-8, except the older
// ones, which write their Windows code page (and may call it ISO-8859-1): bytes
// that are not UTF-8 are read as Windows-1252, the way browsers read them too.
// Nothing here depends on the locale the program runs under.
namespace desklet::textdecoding {

// Text of bytes in the charset a file names (a vCard 2.1 CHARSET); with no name,
// or one this machine cannot decode, UTF-8 where the bytes are UTF-8, else
// Windows-1252.
QString Decode(QByteArrayView bytes, QByteArrayView charset = {});

// A whole file as UTF-8 bytes: without a UTF-8 byte order mark, and converted
// from UTF-16 where a UTF-16 mark begins it. Other bytes stay as they are.
QByteArray AsUtf8(const QByteArray& file);

} // namespace desklet::textdecoding
