#include "phonebook/TextDecoding_p.h"

#include "text/Ascii.h"

#include <QStringDecoder>

#include <array>
#include <string_view>

namespace desklet::textdecoding {
namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined keep their
// C1 value, as in ISO-8859-1.
constexpr std::array<char16_t, 32> kWindows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                       0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                       0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                       0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Names that mean Windows-1252 in practice (ISO-8859-1 and ASCII are its subsets).
constexpr std::string_view kWindows1252Names[] = {"windows-1252", "cp1252",        "iso-8859-1", "iso8859-1",
                                                  "iso_8859-1",   "latin1",        "l1",         "us-ascii",
                                                  "ascii",        "x-user-defined"};
constexpr std::string_view kUtf8Names[] = {"utf-8", "utf8"};

bool sameName(QByteArrayView a, std::string_view b) {
    if (static_cast<std::size_t>(a.size()) != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (ascii::ToUpper(a.at(static_cast<qsizetype>(i))) != ascii::ToUpper(b[i])) {
            return false;
        }
    }
    return true;
}

template <std::size_t N> bool oneOf(QByteArrayView name, const std::string_view (&names)[N]) {
    for (const std::string_view candidate : names) {
        if (sameName(name, candidate)) {
            return true;
        }
    }
    return false;
}

QString windows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        text[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

// False when the bytes are not UTF-8. A byte order mark at the start of the bytes
// is kept: here it begins a value (a number, a name), and only the file's own
// mark, which AsUtf8 takes away, is not text.
bool utf8(QByteArrayView bytes, QString& text) {
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

QString Decode(QByteArrayView bytes, QByteArrayView charset) {
    QString text;
    if (charset.isEmpty() || oneOf(charset, kUtf8Names)) {
        return utf8(bytes, text) ? text : windows1252(bytes);
    }
    if (oneOf(charset, kWindows1252Names)) {
        return windows1252(bytes);
    }
    // "System" is Qt's name for the locale's encoding, which must not decide.
    if (sameName(charset, "system") || sameName(charset, "locale")) {
        return utf8(bytes, text) ? text : windows1252(bytes);
    }
    QStringDecoder named(charset.toByteArray().constData(),
                         QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    if (named.isValid()) {
        return named.decode(bytes);
    }
    return utf8(bytes, text) ? text : windows1252(bytes);
}

QByteArray AsUtf8(const QByteArray& file) {
    if (file.startsWith("\xEF\xBB\xBF")) {
        return file.mid(3);
    }
    const bool little = file.startsWith("\xFF\xFE");
    if (little || file.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
        return QString(decoder.decode(QByteArrayView(file).sliced(2))).toUtf8();
    }
    return file;
}

} // namespace desklet::textdecoding
