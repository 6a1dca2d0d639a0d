#include "phonebook/Contact.h"

#include <algorithm>

namespace desklet::contact {
namespace {

constexpr QChar kReplacement(0xFFFD);

bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

// U+FFFD for every half of a surrogate pair that has no other half: SQLite keeps
// text as UTF-8, where a lone half cannot be written and would not read back.
QString pairedSurrogates(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            text[i] = kReplacement;
        }
    }
    return text;
}

QString noteText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\r') {
            out += QLatin1Char('\n');
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
                ++i;
            }
        } else if (c == u'\n' || c == u'\t') {
            out += QChar(c);
        } else {
            out += isControl(c) ? QChar(u' ') : QChar(c);
        }
    }
    return pairedSurrogates(out);
}

} // namespace

QString LabelKeyword(FaxLabel label) {
    switch (label) {
    case FaxLabel::Work:
        return QStringLiteral("work");
    case FaxLabel::Home:
        return QStringLiteral("home");
    case FaxLabel::Other:
        break;
    }
    return QStringLiteral("other");
}

QString OneLine(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (isControl(c.unicode())) {
            c = QChar(u' ');
        }
    }
    return pairedSurrogates(out).trimmed();
}

Contact Normalized(Contact contact) {
    contact.name = OneLine(contact.name);
    contact.company = OneLine(contact.company);
    contact.note = noteText(contact.note);
    contact.uid = UidKey(contact.uid);
    QList<FaxNumber> numbers;
    for (FaxNumber number : contact.numbers) {
        number.number = OneLine(number.number);
        if (!number.number.isEmpty()) {
            numbers.append(number);
        }
    }
    contact.numbers = numbers;
    return contact;
}

Group Normalized(Group group) {
    group.name = OneLine(group.name);
    group.uid = UidKey(group.uid);
    return group;
}

QString SearchKey(const QString& text) {
    return text.normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString Identity(const Contact& contact) {
    // The separators are control characters, which no normalised value holds.
    QStringList numbers;
    for (const FaxNumber& number : contact.numbers) {
        numbers.append(number.number + QChar(0x1E) + LabelKeyword(number.label));
    }
    std::sort(numbers.begin(), numbers.end());
    return contact.name + QChar(0x1F) + contact.company + QChar(0x1F) + numbers.join(QChar(0x1D));
}

const FaxNumber* SendingNumber(const Contact& contact) {
    const auto work = std::find_if(contact.numbers.begin(), contact.numbers.end(),
                                   [](const FaxNumber& number) { return number.label == FaxLabel::Work; });
    if (work != contact.numbers.end()) {
        return &*work;
    }
    return contact.numbers.size() == 1 ? &contact.numbers.front() : nullptr;
}

QString UidKey(const QString& uid) {
    static const QString kUrnUuid = QStringLiteral("urn:uuid:");
    QString key = OneLine(uid);
    // Every leading one, so that the key of a key is the key itself.
    while (key.startsWith(kUrnUuid, Qt::CaseInsensitive)) {
        key = key.mid(kUrnUuid.size()).trimmed();
    }
    return key;
}

} // namespace desklet::contact
