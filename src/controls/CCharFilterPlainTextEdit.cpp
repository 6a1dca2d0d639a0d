#include "controls/CCharFilterPlainTextEdit.h"

#include "controls/CharFilterEvents_p.h"

namespace desklet {

CCharFilterPlainTextEdit::CCharFilterPlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void CCharFilterPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    if (detail::JudgeKey(*event, m_bRejectListed, m_strFilterChars) == detail::KeyVerdict::Drop) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CCharFilterPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    detail::FilterCommit(*event, m_bRejectListed, m_strFilterChars);
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace desklet
