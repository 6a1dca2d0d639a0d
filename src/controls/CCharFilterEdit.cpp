#include "controls/CCharFilterEdit.h"

#include "controls/CharFilterEvents_p.h"

namespace desklet {

CCharFilterEdit::CCharFilterEdit(QWidget* parent) : QLineEdit(parent) {}

void CCharFilterEdit::keyPressEvent(QKeyEvent* event) {
    const detail::KeyJudgement judgement = detail::JudgeKey(*event, m_bRejectListed, m_strFilterChars);
    switch (judgement.verdict) {
    case detail::KeyVerdict::Drop:
        event->accept();
        return;
    case detail::KeyVerdict::PassPart: {
        QKeyEvent kept = detail::KeptKeyEvent(*event, judgement.kept);
        QLineEdit::keyPressEvent(&kept);
        event->setAccepted(kept.isAccepted());
        return;
    }
    case detail::KeyVerdict::NotJudged:
    case detail::KeyVerdict::Pass:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void CCharFilterEdit::inputMethodEvent(QInputMethodEvent* event) {
    detail::FilterCommit(*event, m_bRejectListed, m_strFilterChars);
    QLineEdit::inputMethodEvent(event);
}

} // namespace desklet
