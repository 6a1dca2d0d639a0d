#include "support/DialogRecorder.h"

#include "framework/CDialog.h"
#include "framework/WinConstants.h"

#include <QDialog>

namespace desklet::test {

DialogRecorder::DialogRecorder() : messageBoxAnswer(IDOK) {
    DialogServices::SetMessageBoxHandler([this](const DialogServices::MessageBoxRequest& request) {
        messages.push_back(request);
        if (onMessage) {
            onMessage(request);
        }
        return messageBoxAnswer;
    });
    DialogServices::SetFileDialogHandler(
        [this](const DialogServices::FileDialogRequest& request) -> std::optional<std::string> {
            fileDialogs.push_back(request);
            if (fileAnswers.empty()) {
                return std::nullopt;
            }
            auto answer = fileAnswers.front();
            fileAnswers.pop_front();
            return answer;
        });
    DialogServices::SetModalHandler([this](QDialog& dialog) {
        modalRuns.push_back(dialog.windowTitle().toStdString());
        if (m_steps.empty()) {
            PressCancel(dialog);
            return;
        }
        ModalStep step = std::move(m_steps.front());
        m_steps.pop_front();
        step(dialog);
    });
}

DialogRecorder::~DialogRecorder() {
    DialogServices::SetMessageBoxHandler(nullptr);
    DialogServices::SetFileDialogHandler(nullptr);
    DialogServices::SetModalHandler(nullptr);
}

void DialogRecorder::ExpectModal(ModalStep step) {
    m_steps.push_back(std::move(step));
}

void PressOk(QDialog& dialog) {
    if (auto* framework = dynamic_cast<CDialog*>(&dialog)) {
        framework->OnOK();
    } else {
        dialog.accept();
    }
}

void PressCancel(QDialog& dialog) {
    if (auto* framework = dynamic_cast<CDialog*>(&dialog)) {
        framework->OnCancel();
    } else {
        dialog.reject();
    }
}

} // namespace desklet::test
