#include "phonebook/PhoneBookFailure.h"

#include <QCoreApplication>

namespace desklet {
namespace {

QString sentence(PhoneBookFailure::Kind kind) {
    using Kind = PhoneBookFailure::Kind;
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::NoSqlDriver:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book needs Qt's SQLite driver, which is not installed.");
    case Kind::CannotCreateFolder:
        return QCoreApplication::translate("PhoneBookFailure", "The phone book's folder %1 cannot be created.");
    case Kind::FolderNotPrivate:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book's folder %1 cannot be made private to you.");
    case Kind::LinkInsteadOfFile:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book %1 is a symbolic link; it is left alone.");
    case Kind::NotOwnFile:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book %1 is not a file of yours that only you can read.");
    case Kind::CannotOpen:
        return QCoreApplication::translate("PhoneBookFailure", "The phone book %1 cannot be opened.");
    case Kind::NewerSchema:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book %1 was written by a newer version of Desklet.");
    case Kind::MigrationFailed:
        return QCoreApplication::translate("PhoneBookFailure", "The phone book %1 cannot be brought up to date.");
    case Kind::Busy:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book is in use by another program; try again.");
    case Kind::DiskFull:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The disk is full; nothing was changed in the phone book.");
    case Kind::WriteFailed:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "The phone book cannot be written; nothing was changed.");
    case Kind::ReadFailed:
        return QCoreApplication::translate("PhoneBookFailure", "The phone book cannot be read.");
    case Kind::NotFound:
        return QCoreApplication::translate("PhoneBookFailure", "That entry is no longer in the phone book.");
    case Kind::NoFaxNumber:
        return QCoreApplication::translate("PhoneBookFailure", "A contact needs at least one fax number.");
    case Kind::UnreadableFile:
        return QCoreApplication::translate("PhoneBookFailure", "The file %1 cannot be read.");
    case Kind::FileTooLarge:
        return QCoreApplication::translate("PhoneBookFailure", "The file %1 is too large for a contact file.");
    case Kind::NotContactFile:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "Line %2 of %1 is not part of a vCard or CSV contact file.");
    case Kind::CannotWriteFile:
        return QCoreApplication::translate("PhoneBookFailure", "The file %1 cannot be written.");
    case Kind::UnknownName:
        return QCoreApplication::translate("PhoneBookFailure", "No contact or group is called \"%1\".");
    case Kind::AmbiguousName:
        return QCoreApplication::translate("PhoneBookFailure", "Several contacts or groups are called \"%1\".");
    case Kind::NoSendingNumber:
        return QCoreApplication::translate("PhoneBookFailure",
                                           "\"%1\" has several fax numbers and none of them is for work.");
    case Kind::EmptyGroup:
        return QCoreApplication::translate("PhoneBookFailure", "The group \"%1\" has no members.");
    }
    return {};
}

} // namespace

QString PhoneBookFailure::Text() const {
    QString text = sentence(kind);
    if (text.contains(QLatin1String("%2"))) {
        text = text.arg(subject, QString::number(line));
    } else if (text.contains(QLatin1String("%1"))) {
        text = text.arg(subject);
    }
    return detail.isEmpty() || kind == Kind::None ? text : text + QLatin1Char(' ') + detail;
}

} // namespace desklet
