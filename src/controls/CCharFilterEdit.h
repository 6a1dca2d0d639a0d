#pragma once

#include "framework/Attachable.h"

#include <QLineEdit>

#include <string>

namespace desklet {

// A single-line edit that judges every typed character by CharFilter. Dropped
// characters vanish without a beep or a message. Keys that type no character
// (arrows, Delete, Home), the dialog's own keys (Enter, Escape, Tab) and text that
// the program sets or that is pasted from the context menu are not judged.
class CCharFilterEdit : public QLineEdit, public Attachable {
    Q_OBJECT
public:
    explicit CCharFilterEdit(QWidget* parent = nullptr);

    // Written directly by the owner; the next typed character is judged by them.
    bool m_bRejectListed = true;
    std::string m_strFilterChars;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

} // namespace desklet
