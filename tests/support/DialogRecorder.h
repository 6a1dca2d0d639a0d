#pragma once

#include "framework/DialogServices.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDialog;

namespace desklet::test {

// Stands in for the user while it lives: records every message box and file
// dialog the program shows and answers them, and works every modal dialog by the
// next step of a script. A modal dialog with no step left is cancelled, so no
// test ever waits for a person. Restores the real services when destroyed.
class DialogRecorder {
public:
    using ModalStep = std::function<void(QDialog&)>;

    DialogRecorder();
    ~DialogRecorder();
    DialogRecorder(const DialogRecorder&) = delete;
    DialogRecorder& operator=(const DialogRecorder&) = delete;

    // What the user saw, in order.
    std::vector<DialogServices::MessageBoxRequest> messages;
    std::vector<DialogServices::FileDialogRequest> fileDialogs;
    // Window titles of the modal dialogs that ran, in order.
    std::vector<std::string> modalRuns;

    // The answer to every message box (IDOK unless set).
    int messageBoxAnswer;
    // Answers of the coming file dialogs, in order; with none left, Cancel.
    std::deque<std::optional<std::string>> fileAnswers;
    // Runs for the coming modal dialogs, in order.
    void ExpectModal(ModalStep step);

    // Called for each message box after it was recorded (for tests that act while
    // the box is "on the screen").
    std::function<void(const DialogServices::MessageBoxRequest&)> onMessage;

private:
    std::deque<ModalStep> m_steps;
};

// Ends a dialog of the framework the way its button would.
void PressOk(QDialog& dialog);
void PressCancel(QDialog& dialog);

} // namespace desklet::test
