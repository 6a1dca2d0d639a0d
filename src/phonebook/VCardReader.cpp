#include "phonebook/VCardReader.h"

#include "phonebook/TextDecoding_p.h"
#include "phonebook/VCardText_p.h"
#include "text/Ascii.h"

#include <QCoreApplication>

#include <optional>
#include <string_view>

namespace desklet {
namespace {

bool equalNoCase(QByteArrayView a, std::string_view b) {
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

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedBlanks(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

struct Line {
    QByteArray text;
    int number = 0; // of its first physical line
};

struct Parameter {
    QByteArray name; // empty for a 2.1 bare type ("TEL;FAX:")
    QList<QByteArray> values;
};

struct Property {
    QByteArray name; // without its group ("item1.")
    QList<Parameter> parameters;
    QByteArray value;

    bool Has(std::string_view parameter, std::string_view value) const {
        for (const Parameter& p : parameters) {
            if (p.name.isEmpty() || equalNoCase(p.name, parameter)) {
                for (const QByteArray& v : p.values) {
                    if (equalNoCase(v, value)) {
                        return true;
                    }
                }
            }
        }
        return false;
    }
    QByteArray Value(std::string_view parameter) const {
        for (const Parameter& p : parameters) {
            if (equalNoCase(p.name, parameter) && !p.values.isEmpty()) {
                return p.values.front();
            }
        }
        return {};
    }
    // ENCODING=QUOTED-PRINTABLE, or the bare 2.1 form.
    bool QuotedPrintable() const { return Has("ENCODING", "QUOTED-PRINTABLE"); }
    bool Base64() const { return Has("ENCODING", "BASE64") || Has("ENCODING", "B"); }
};

// Where the property's name and parameters end: the first colon outside quotes.
qsizetype valueColon(QByteArrayView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') {
            quoted = !quoted;
        } else if (line[i] == ':' && !quoted) {
            return i;
        }
    }
    return -1;
}

// Pieces of text split at `separator` where it is not between double quotes,
// the quotes themselves dropped.
QList<QByteArray> splitOutsideQuotes(QByteArrayView text, char separator) {
    QList<QByteArray> pieces;
    QByteArray piece;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == separator && !quoted) {
            pieces.append(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    pieces.append(piece);
    return pieces;
}

bool isName(QByteArrayView name) {
    if (name.isEmpty()) {
        return false;
    }
    for (const char c : name) {
        if (!ascii::IsAlnum(c) && c != '-') {
            return false;
        }
    }
    return true;
}

std::optional<Property> parseProperty(const QByteArray& line) {
    const qsizetype colon = valueColon(line);
    if (colon < 0) {
        return std::nullopt;
    }
    Property property;
    property.value = line.mid(colon + 1);
    QList<QByteArray> head = splitOutsideQuotes(QByteArrayView(line).first(colon), ';');
    QByteArrayView name = trimmedBlanks(head.front());
    if (const qsizetype dot = name.lastIndexOf('.'); dot >= 0) {
        name = name.sliced(dot + 1);
    }
    if (!isName(name)) {
        return std::nullopt;
    }
    property.name = name.toByteArray().toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        Parameter parameter;
        QByteArrayView text = head[i];
        if (const qsizetype equals = text.indexOf('='); equals >= 0) {
            parameter.name = trimmedBlanks(text.first(equals)).toByteArray();
            text = text.sliced(equals + 1);
        }
        // A list in quotes is still a list: 4.0 writes TYPE="fax,work".
        for (const QByteArray& value : text.toByteArray().replace('"', QByteArray()).split(',')) {
            parameter.values.append(trimmedBlanks(value).toByteArray());
        }
        property.parameters.append(parameter);
    }
    return property;
}

// The header of a line that may still grow: what parseProperty would see.
std::optional<Property> headerOf(const QByteArray& line) {
    const qsizetype colon = valueColon(line);
    return colon < 0 ? std::nullopt : parseProperty(line.first(colon + 1));
}

int hexDigit(char c) {
    if (ascii::IsDigit(c)) {
        return c - '0';
    }
    const char upper = ascii::ToUpper(c);
    return upper >= 'A' && upper <= 'F' ? upper - 'A' + 10 : -1;
}

QByteArray quotedPrintableDecoded(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '=' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The physical lines: a CR LF, a LF or a lone CR ends one.
QList<Line> physicalLines(const QByteArray& bytes) {
    QList<Line> lines;
    qsizetype start = 0;
    int number = 1;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r') {
            continue;
        }
        lines.append(Line{bytes.mid(start, i - start), number++});
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    return lines;
}

// The logical lines: folded lines joined, a quoted-printable value joined across
// its soft breaks, a 2.1 base64 value joined up to the blank line that ends it.
// Blank lines go.
QList<Line> logicalLines(const QByteArray& bytes) {
    QList<Line> logical;
    std::optional<Line> pending;
    // Read from the pending line's first physical line: a header folded before its
    // colon is read as plain text.
    std::optional<Property> header;
    for (const Line& physical : physicalLines(bytes)) {
        const QByteArray& text = physical.text;
        if (pending) {
            if (header && header->QuotedPrintable() && pending->text.endsWith('=')) {
                pending->text.chop(1);
                pending->text += !text.isEmpty() && isBlank(text.front()) ? text.mid(1) : text;
                continue;
            }
            if (!text.isEmpty() && isBlank(text.front())) {
                pending->text += text.mid(1);
                continue;
            }
            if (header && header->Base64() && !text.isEmpty() && !text.contains(':')) {
                pending->text += text;
                continue;
            }
            logical.append(*pending);
            pending.reset();
        }
        if (!trimmedBlanks(text).isEmpty()) {
            pending = physical;
            header = headerOf(text);
        }
    }
    if (pending) {
        logical.append(*pending);
    }
    return logical;
}

struct Card {
    int beginLine = 0;
    bool group = false;
    QString formattedName;
    QString structuredName;
    QString company;
    QStringList notes;
    QList<FaxNumber> numbers;
    QString uid;
    QStringList members;
};

QString textOf(const Property& property) {
    const QByteArray bytes = property.QuotedPrintable() ? quotedPrintableDecoded(property.value) : property.value;
    return textdecoding::Decode(bytes, property.Value("CHARSET"));
}

// "Prefix Given Additional Family Suffix" from Family;Given;Additional;Prefix;Suffix,
// each component's list of values joined by blanks.
QString composedName(const QString& value) {
    const QStringList parts = vcardtext::SplitEscaped(value, QLatin1Char(';'));
    QStringList words;
    for (const int index : {3, 1, 2, 0, 4}) {
        if (index >= parts.size()) {
            continue;
        }
        for (const QString& word : vcardtext::SplitEscaped(parts[index], QLatin1Char(','))) {
            const QString text = vcardtext::Unescape(word).trimmed();
            if (!text.isEmpty()) {
                words.append(text);
            }
        }
    }
    return words.join(QLatin1Char(' '));
}

std::optional<FaxNumber> faxNumberOf(const Property& property) {
    if (!property.Has("TYPE", "FAX")) {
        return std::nullopt;
    }
    FaxNumber number;
    number.label = property.Has("TYPE", "WORK")   ? FaxLabel::Work
                   : property.Has("TYPE", "HOME") ? FaxLabel::Home
                                                  : FaxLabel::Other;
    const QString value = textOf(property);
    const QString trimmed = value.trimmed();
    if (trimmed.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive)) {
        number.number = textdecoding::Decode(vcardtext::PercentDecoded(trimmed.mid(4).toUtf8()));
    } else {
        number.number = vcardtext::Unescape(value);
    }
    return number;
}

void addProperty(const Property& property, Card& card) {
    const QByteArray& name = property.name;
    if (name == "FN") {
        if (card.formattedName.trimmed().isEmpty()) {
            card.formattedName = vcardtext::Unescape(textOf(property));
        }
    } else if (name == "N") {
        if (card.structuredName.isEmpty()) {
            card.structuredName = composedName(textOf(property));
        }
    } else if (name == "ORG") {
        if (card.company.isEmpty()) {
            QStringList parts = vcardtext::Components(textOf(property));
            parts.removeIf([](const QString& part) { return part.trimmed().isEmpty(); });
            card.company = parts.join(QLatin1String(", "));
        }
    } else if (name == "NOTE") {
        card.notes.append(vcardtext::Unescape(textOf(property)));
    } else if (name == "TEL") {
        if (std::optional<FaxNumber> number = faxNumberOf(property)) {
            card.numbers.append(*number);
        }
    } else if (name == "UID") {
        card.uid = vcardtext::Unescape(textOf(property));
    } else if (name == "KIND" || name == "X-ADDRESSBOOKSERVER-KIND") {
        card.group = textOf(property).trimmed().compare(QLatin1String("group"), Qt::CaseInsensitive) == 0;
    } else if (name == "MEMBER" || name == "X-ADDRESSBOOKSERVER-MEMBER") {
        card.members.append(contact::UidKey(vcardtext::Unescape(textOf(property))));
    }
}

void finishCard(const Card& card, ContactFile& file) {
    const QString name = card.formattedName.trimmed().isEmpty() ? card.structuredName : card.formattedName;
    if (card.group) {
        GroupCard group{contact::OneLine(name), contact::UidKey(card.uid), {}};
        for (const QString& member : card.members) {
            if (!member.isEmpty()) {
                group.memberUids.append(member);
            }
        }
        file.groups.append(group);
        return;
    }
    Contact contact;
    contact.name = name;
    contact.company = card.company;
    contact.numbers = card.numbers;
    contact.note = card.notes.join(QLatin1Char('\n'));
    contact.uid = card.uid;
    contact = contact::Normalized(contact);
    if (contact.numbers.isEmpty()) {
        ++file.skippedNoFax;
    } else {
        file.contacts.append(contact);
    }
}

// what is marked with QT_TRANSLATE_NOOP("VCardReader", ...), so that lupdate finds it.
bool fail(PhoneBookFailure& failure, int line, const char* what) {
    failure = PhoneBookFailure{
        PhoneBookFailure::Kind::NotContactFile, {}, line, QCoreApplication::translate("VCardReader", what)};
    return false;
}

} // namespace

bool VCardReader::LooksLikeVCard(const QByteArray& bytes) {
    for (const Line& line : physicalLines(bytes)) {
        const QByteArrayView text = trimmedBlanks(line.text);
        if (!text.isEmpty()) {
            return equalNoCase(text, "BEGIN:VCARD");
        }
    }
    return false;
}

bool VCardReader::Read(const QByteArray& bytes, ContactFile& file, PhoneBookFailure& failure) {
    ContactFile read;
    std::optional<Card> card;
    int cards = 0;
    for (const Line& line : logicalLines(textdecoding::AsUtf8(bytes))) {
        const std::optional<Property> property = parseProperty(line.text);
        if (!property) {
            return fail(failure, line.number, QT_TRANSLATE_NOOP("VCardReader", "the line is not a vCard property"));
        }
        const bool cardWord = equalNoCase(trimmedBlanks(property->value), "VCARD");
        if (property->name == "BEGIN") {
            if (card || !cardWord) {
                return fail(failure, line.number,
                            card ? QT_TRANSLATE_NOOP("VCardReader", "a card begins inside another")
                                 : QT_TRANSLATE_NOOP("VCardReader", "only cards may begin here"));
            }
            card = Card{};
            card->beginLine = line.number;
        } else if (!card) {
            return fail(failure, line.number, QT_TRANSLATE_NOOP("VCardReader", "the line is outside a card"));
        } else if (property->name == "END") {
            if (!cardWord) {
                return fail(failure, line.number,
                            QT_TRANSLATE_NOOP("VCardReader", "the card ends with something else"));
            }
            finishCard(*card, read);
            card.reset();
            ++cards;
        } else {
            addProperty(*property, *card);
        }
    }
    if (card) {
        return fail(failure, card->beginLine, QT_TRANSLATE_NOOP("VCardReader", "the card has no END"));
    }
    if (cards == 0) {
        return fail(failure, 1, QT_TRANSLATE_NOOP("VCardReader", "the file holds no card"));
    }
    file.contacts.append(read.contacts);
    file.groups.append(read.groups);
    file.skippedNoFax += read.skippedNoFax;
    return true;
}

} // namespace desklet
