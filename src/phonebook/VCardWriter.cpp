#include "phonebook/VCardWriter.h"

#include "phonebook/VCardText_p.h"

namespace desklet {
namespace {

bool continuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

void appendFolded(QByteArray& out, const QByteArray& line) {
    qsizetype at = 0;
    qsizetype room = VCardWriter::kMaxLineOctets;
    while (line.size() - at > room) {
        qsizetype end = at + room;
        while (end > at + 1 && continuationByte(line[end])) {
            --end;
        }
        out += line.mid(at, end - at);
        out += "\r\n ";
        at = end;
        room = VCardWriter::kMaxLineOctets - 1; // the blank that marks the fold counts
    }
    out += line.mid(at);
    out += "\r\n";
}

void appendText(QByteArray& out, const char* property, const QString& text) {
    appendFolded(out, QByteArray(property) + ':' + vcardtext::Escape(text).toUtf8());
}

// A uid as a URI where it is not one already, the form UID and MEMBER want.
QString uidUri(const QString& uid) {
    return uid.contains(QLatin1Char(':')) ? uid : QStringLiteral("urn:uuid:") + uid;
}

} // namespace

QByteArray VCardWriter::Write(const ContactFile& file) {
    QByteArray out;
    for (const Contact& contact : file.contacts) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\n";
        if (!contact.uid.isEmpty()) {
            appendText(out, "UID", uidUri(contact.uid));
        }
        appendText(out, "FN", contact.name);
        if (!contact.company.isEmpty()) {
            appendText(out, "ORG", contact.company);
        }
        for (const FaxNumber& number : contact.numbers) {
            appendFolded(out, "TEL;VALUE=uri;TYPE=\"fax," + contact::LabelKeyword(number.label).toLatin1() +
                                  "\":tel:" + vcardtext::TelUriPath(number.number));
        }
        if (!contact.note.isEmpty()) {
            appendText(out, "NOTE", contact.note);
        }
        out += "END:VCARD\r\n";
    }
    for (const GroupCard& group : file.groups) {
        out += "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\n";
        if (!group.uid.isEmpty()) {
            appendText(out, "UID", uidUri(group.uid));
        }
        appendText(out, "FN", group.name);
        for (const QString& member : group.memberUids) {
            appendText(out, "MEMBER", uidUri(member));
        }
        out += "END:VCARD\r\n";
    }
    return out;
}

} // namespace desklet
