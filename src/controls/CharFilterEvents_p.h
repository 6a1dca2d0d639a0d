#pragma once

// Shared by the two filtered edits: how a key or input-method event meets the rule.

#include "controls/CharFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <string>

namespace desklet::detail {

enum class KeyVerdict { NotJudged, Pass, Drop };

inline KeyVerdict JudgeKey(const QKeyEvent& event, bool rejectListed, const std::string& list) {
    switch (event.key()) {
    // Editing, navigation and the dialog's own keys type no character.
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return KeyVerdict::NotJudged;
    default:
        break;
    }
    const std::string typed = event.text().toStdString();
    if (typed.empty()) {
        return KeyVerdict::NotJudged;
    }
    return CharFilter::Filter(typed, rejectListed, list) == typed ? KeyVerdict::Pass : KeyVerdict::Drop;
}

// Keeps of an input method's commit only the characters that pass.
inline void FilterCommit(QInputMethodEvent& event, bool rejectListed, const std::string& list) {
    const std::string commit = event.commitString().toStdString();
    if (commit.empty()) {
        return;
    }
    const std::string kept = CharFilter::Filter(commit, rejectListed, list);
    if (kept != commit) {
        event.setCommitString(QString::fromStdString(kept), event.replacementStart(), event.replacementLength());
    }
}

} // namespace desklet::detail
