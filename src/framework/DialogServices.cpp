#include "framework/DialogServices.h"

#include "framework/WinConstants.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <utility>
#include <vector>

namespace desklet {
namespace {

DialogServices::MessageBoxHandler& messageBoxHandler() {
    static DialogServices::MessageBoxHandler handler;
    return handler;
}

DialogServices::FileDialogHandler& fileDialogHandler() {
    static DialogServices::FileDialogHandler handler;
    return handler;
}

DialogServices::ModalHandler& modalHandler() {
    static DialogServices::ModalHandler handler;
    return handler;
}

QMessageBox::Icon iconFor(unsigned type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int realMessageBox(const DialogServices::MessageBoxRequest& request) {
    QMessageBox box(iconFor(request.type), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, request.owner);
    if (!request.details.empty()) {
        box.setDetailedText(QString::fromStdString(request.details));
    }
    if (!request.buttons.empty()) {
        std::vector<QAbstractButton*> own;
        for (const std::string& text : request.buttons) {
            own.push_back(box.addButton(QString::fromStdString(text), QMessageBox::AcceptRole));
        }
        box.setDefaultButton(qobject_cast<QPushButton*>(own.front()));
        box.setEscapeButton(own.back());
        box.exec();
        const auto pressed = std::find(own.begin(), own.end(), box.clickedButton());
        return pressed == own.end() ? static_cast<int>(own.size()) - 1 : static_cast<int>(pressed - own.begin());
    }
    switch (request.type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case MB_YESNO:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

} // namespace

int DialogServices::MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned type,
                               const std::string& details) {
    return MessageBox(MessageBoxRequest{owner, text, caption, type, details, {}});
}

int DialogServices::MessageBox(const MessageBoxRequest& request) {
    if (messageBoxHandler()) {
        return messageBoxHandler()(request);
    }
    return realMessageBox(request);
}

std::optional<std::string> DialogServices::GetOpenFileName(const FileDialogRequest& request) {
    if (fileDialogHandler()) {
        return fileDialogHandler()(request);
    }
    QString selected = QString::fromStdString(request.selectedFilter);
    const QString path = QFileDialog::getOpenFileName(request.owner, QString::fromStdString(request.caption),
                                                      QString::fromStdString(request.directory),
                                                      QString::fromStdString(request.filter), &selected);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

std::optional<std::string> DialogServices::GetSaveFileName(FileDialogRequest request) {
    request.save = true;
    if (fileDialogHandler()) {
        return fileDialogHandler()(request);
    }
    QString selected = QString::fromStdString(request.selectedFilter);
    const QString path = QFileDialog::getSaveFileName(request.owner, QString::fromStdString(request.caption),
                                                      QString::fromStdString(request.directory),
                                                      QString::fromStdString(request.filter), &selected);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path.toStdString();
}

void DialogServices::SetMessageBoxHandler(MessageBoxHandler handler) {
    messageBoxHandler() = std::move(handler);
}

void DialogServices::SetFileDialogHandler(FileDialogHandler handler) {
    fileDialogHandler() = std::move(handler);
}

void DialogServices::SetModalHandler(ModalHandler handler) {
    modalHandler() = std::move(handler);
}

bool DialogServices::HasModalHandler() {
    return static_cast<bool>(modalHandler());
}

void DialogServices::NotifyModalStarted(QDialog& dialog) {
    if (modalHandler()) {
        // A copy, so that a handler that replaces itself stays alive while it runs.
        auto handler = modalHandler();
        handler(dialog);
    }
}

} // namespace desklet
