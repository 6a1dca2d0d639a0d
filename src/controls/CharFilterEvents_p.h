#pragma once

// Shared by the two filtered edits: how a key or input-method event meets the rule.

#include "controls/CharFilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <string>

namespace desklet::detail {

enum class KeyVerdict { NotJudged, Pass, Drop, PassPart };

struct KeyJudgement {
    KeyVerdict verdict = KeyVerdict::NotJudged;
    QString kept; // for PassPart: the characters of the key's text that pass
};

// The character a key types. Ctrl with a letter types the letter's control code
// (Ctrl+V is 0x16); most platforms put that code into the event's text, but some
// (and QTest) send the plain letter or nothing, and the rule must not depend on
// which: in accept mode the clipboard shortcuts are dropped unless listed.
inline QString TypedText(const QKeyEvent& event) {
    const Qt::KeyboardModifiers mods = event.modifiers();
    const bool control =
        mods.testFlag(Qt::ControlModifier) && !mods.testFlag(Qt::AltModifier) && !mods.testFlag(Qt::MetaModifier);
    if (control && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return QString(QChar(event.key() - Qt::Key_A + 1));
    }
    return event.text();
}

inline KeyJudgement JudgeKey(const QKeyEvent& event, bool rejectListed, const std::string& list) {
    switch (event.key()) {
    // Editing, navigation and the dialog's own keys type no character. Enter and
    // Escape must reach the dialog (default button, Cancel) whatever the list says.
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {};
    default:
        break;
    }
    const QString typedText = TypedText(event);
    if (typedText.isEmpty()) {
        return {};
    }
    const std::string typed = typedText.toStdString();
    const std::string kept = CharFilter::Filter(typed, rejectListed, list);
    if (kept == typed) {
        return {KeyVerdict::Pass, {}};
    }
    if (kept.empty()) {
        return {KeyVerdict::Drop, {}};
    }
    return {KeyVerdict::PassPart, QString::fromStdString(kept)};
}

// A key whose text held several characters of which only some pass becomes a key
// that types just those: no key code, so that no shortcut of the original key fires.
inline QKeyEvent KeptKeyEvent(const QKeyEvent& event, const QString& kept) {
    return QKeyEvent(event.type(), Qt::Key_unknown, event.modifiers() & ~Qt::ControlModifier, kept,
                     event.isAutoRepeat(), static_cast<quint16>(event.count()));
}

// Keeps of an input method's commit only the characters that pass. A commit that
// loses every character also loses its replacement, so that the text stays as it was.
inline void FilterCommit(QInputMethodEvent& event, bool rejectListed, const std::string& list) {
    const std::string commit = event.commitString().toStdString();
    if (commit.empty()) {
        return;
    }
    const std::string kept = CharFilter::Filter(commit, rejectListed, list);
    if (kept == commit) {
        return;
    }
    if (kept.empty()) {
        event.setCommitString(QString(), 0, 0);
    } else {
        event.setCommitString(QString::fromStdString(kept), event.replacementStart(), event.replacementLength());
    }
}

} // namespace desklet::detail
