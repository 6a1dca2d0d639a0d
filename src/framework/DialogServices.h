#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

namespace desklet {

// The one door through which every dialog reaches the user's attention: message
// boxes, the file-open dialog and modal runs. Tests replace each of them by a
// handler, so that they can read what the user would have seen and answer it
// without a person.
class DialogServices {
public:
    struct MessageBoxRequest {
        QWidget* owner = nullptr;
        std::string text;
        std::string caption;
        unsigned type = 0; // MB_* buttons | MB_ICON* icon
        // What went wrong underneath, behind the box's details button; none when empty.
        std::string details;
        // Buttons in the box's own words instead of the type's: the first is the
        // default, the last answers Escape, and the answer is the index of the one
        // pressed.
        std::vector<std::string> buttons;
    };
    // Returns the button pressed: IDOK, IDCANCEL, IDYES or IDNO, or the index of
    // one of the request's own buttons.
    using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

    struct FileDialogRequest {
        QWidget* owner = nullptr;
        std::string caption;
        std::string directory;
        std::string filter; // Qt's filter syntax: "Text (*.txt);;All Files (*)"
        std::string selectedFilter;
        // A file to write (GetSaveFileName) rather than one to read.
        bool save = false;
    };
    // The chosen path, or nothing when the user cancelled.
    using FileDialogHandler = std::function<std::optional<std::string>(const FileDialogRequest&)>;

    // Called once a modal dialog is on the screen and its loop is about to run. The
    // handler may work the dialog and end it; if it leaves the dialog running, the
    // loop goes on as for a person.
    using ModalHandler = std::function<void(QDialog& dialog)>;

    static int MessageBox(QWidget* owner, const std::string& text, const std::string& caption, unsigned type,
                          const std::string& details = {});
    static int MessageBox(const MessageBoxRequest& request);
    static std::optional<std::string> GetOpenFileName(const FileDialogRequest& request);
    // The same handler answers, with request.save set.
    static std::optional<std::string> GetSaveFileName(FileDialogRequest request);

    // Pass nullptr to restore the real implementation.
    static void SetMessageBoxHandler(MessageBoxHandler handler);
    static void SetFileDialogHandler(FileDialogHandler handler);
    static void SetModalHandler(ModalHandler handler);

    // For the modal loop of the framework's dialogs.
    static bool HasModalHandler();
    static void NotifyModalStarted(QDialog& dialog);
};

} // namespace desklet
