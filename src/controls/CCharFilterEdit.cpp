#include "controls/CCharFilterEdit.h"

#include "controls/CharFilterEvents_p.h"

namespace desklet {

CCharFilterEdit::CCharFilterEdit(QWidget* parent) : QLineEdit(parent) {}

void CCharFilterEdit::keyPressEvent(QKeyEvent* event) {
    if (detail::JudgeKey(*event, m_bRejectListed, m_strFilterChars) == detail::KeyVerdict::Drop) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CCharFilterEdit::inputMethodEvent(QInputMethodEvent* event) {
    detail::FilterCommit(*event, m_bRejectListed, m_strFilterChars);
    QLineEdit::inputMethodEvent(event);
}

} // namespace desklet
