#include "controls/CharFilterPlainTextEdit.h"

#include "controls/CharFilterEvents_p.h"

namespace desklet {

CharFilterPlainTextEdit::CharFilterPlainTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

void CharFilterPlainTextEdit::keyPressEvent(QKeyEvent* event) {
    const detail::KeyJudgement judgement = detail::JudgeKey(*event, m_bRejectListed, m_strFilterChars);
    switch (judgement.verdict) {
    case detail::KeyVerdict::Drop:
        event->accept();
        return;
    case detail::KeyVerdict::PassPart: {
        QKeyEvent kept = detail::KeptKeyEvent(*event, judgement.kept);
        QPlainTextEdit::keyPressEvent(&kept);
        event->setAccepted(kept.isAccepted());
        return;
    }
    case detail::KeyVerdict::NotJudged:
    case detail::KeyVerdict::Pass:
        break;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CharFilterPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    detail::FilterCommit(*event, m_bRejectListed, m_strFilterChars);
    QPlainTextEdit::inputMethodEvent(event);
}

} // namespace desklet
