#pragma once

#include "framework/Attachable.h"

#include <QPlainTextEdit>

#include <string>

namespace desklet {

// The multi-line flavour of CCharFilterEdit, with the same rule and members.
class CharFilterPlainTextEdit : public QPlainTextEdit, public Attachable {
    Q_OBJECT
public:
    explicit CharFilterPlainTextEdit(QWidget* parent = nullptr);

    bool m_bRejectListed = true;
    std::string m_strFilterChars;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

} // namespace desklet
