#include "phonebook/VCardText_p.h"

#include "text/Ascii.h"

namespace desklet::vcardtext {
namespace {

int hexValue(char c) {
    if (ascii::IsDigit(c)) {
        return c - '0';
    }
    const char upper = ascii::ToUpper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

bool uriSafe(char c) {
    return ascii::IsAlnum(c) || c == '+' || c == '-' || c == '.' || c == '(' || c == ')' || c == '!' || c == '*' ||
           c == '_' || c == '~';
}

} // namespace

QString Escape(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u',':
            out += QLatin1String("\\,");
            break;
        case u';':
            out += QLatin1String("\\;");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString Unescape(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const char16_t next = text.at(i + 1).unicode();
        if (next == u'n' || next == u'N') {
            out += QLatin1Char('\n');
            ++i;
        } else if (next == u'\\' || next == u',' || next == u';' || next == u':') {
            out += QChar(next);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QStringList SplitEscaped(const QString& value, QChar separator) {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value.at(i) == QLatin1Char('\\')) {
            ++i; // the escaped character belongs to the piece
        } else if (value.at(i) == separator) {
            parts.append(value.mid(start, i - start));
            start = i + 1;
        }
    }
    parts.append(value.mid(start));
    return parts;
}

QStringList Components(const QString& value) {
    QStringList parts = SplitEscaped(value, QLatin1Char(';'));
    for (QString& part : parts) {
        part = Unescape(part);
    }
    return parts;
}

QByteArray TelUriPath(const QString& number) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const char c : number.toUtf8()) {
        if (uriSafe(c)) {
            out += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

QByteArray PercentDecoded(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace desklet::vcardtext
