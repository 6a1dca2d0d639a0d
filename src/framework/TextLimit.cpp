#include "framework/TextLimit.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QValidator>

#include <algorithm>

namespace desklet {
namespace {

// Characters as the length limits count them: code points, a surrogate pair once.
int CodePoints(QStringView text) {
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())) {
            ++count;
        }
    }
    return count;
}

// The first `count` code points of text.
QString LeadingCodePoints(const QString& text, int count) {
    qsizetype end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() && text[end + 1].isLowSurrogate();
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

QString ControlText(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return edit->text();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&control)) {
        return edit->toPlainText();
    }
    return {};
}

QString SelectedText(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        return edit->selectedText();
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(&control)) {
        return edit->textCursor().selectedText();
    }
    return {};
}

// The events through which a user puts text into a single-line edit other than by
// typing: the paste keys, the selection's middle-click paste and a drop. The
// context menu's Paste runs later and is caught apart.
bool InsertsUserText(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress:
        return static_cast<const QKeyEvent&>(event).matches(QKeySequence::Paste);
    case QEvent::MouseButtonRelease:
        return static_cast<const QMouseEvent&>(event).button() == Qt::MiddleButton;
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Watches one edit control. Typing is judged before it happens, one key or input
// method commit at a time. A single-line edit's paste and drop are cut while they
// happen, by this object as the edit's validator, which sees each change before
// the edit reports it; it judges only while a user's paste or drop runs, so that
// text the program sets stays whole.
class TextLimiter final : public QValidator {
public:
    TextLimiter(QWidget& control, int maxChars) : QValidator(&control), m_maxChars(maxChars) {}

    void SetLimit(int maxChars) { m_maxChars = maxChars; }

    State validate(QString& input, int& pos) const override {
        if (m_armed > 0) {
            if (auto capped = CapInsertion(m_before, input, pos, m_maxChars)) {
                input = std::move(capped->text);
                pos = capped->cursor;
            }
            // A paste that replaces a selection may come as more than one change.
            m_before = input;
        }
        return Acceptable;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = qobject_cast<QWidget*>(watched);
        if (control == nullptr) {
            return false;
        }
        if (RefusesTyping(*control, *event)) {
            return true;
        }
        auto* edit = qobject_cast<QLineEdit*>(control);
        if (edit == nullptr || edit->validator() != this) {
            return false;
        }
        if (event->type() == QEvent::ContextMenu) {
            ArmWhileNewMenusLive(*edit, *event);
            return true;
        }
        if (!InsertsUserText(*event)) {
            return false;
        }
        // Delivered here, so that the judging ends when the edit is done with it.
        Arm(*edit);
        static_cast<QObject*>(edit)->event(event);
        Disarm();
        return true;
    }

private:
    bool RefusesTyping(const QWidget& control, QEvent& event) const {
        QString typed;
        if (event.type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(event);
            // Only keys that type a printable character count; editing keys and
            // control characters pass to the control.
            if (key.text().isEmpty() || !key.text().at(0).isPrint()) {
                return false;
            }
            typed = key.text();
        } else if (event.type() == QEvent::InputMethod) {
            typed = static_cast<const QInputMethodEvent&>(event).commitString();
            if (typed.isEmpty()) {
                return false;
            }
        } else {
            return false;
        }
        const int after = CodePoints(ControlText(control)) - CodePoints(SelectedText(control)) + CodePoints(typed);
        return after > m_maxChars;
    }

    // The edit opens its menu in this event and the menu's Paste runs once the user
    // chooses it; the edit's menu is deleted when it closes, after its action ran.
    void ArmWhileNewMenusLive(QLineEdit& edit, QEvent& event) {
        const QList<QMenu*> earlier = edit.findChildren<QMenu*>(Qt::FindDirectChildrenOnly);
        static_cast<QObject&>(edit).event(&event);
        for (QMenu* menu : edit.findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
            if (!earlier.contains(menu)) {
                Arm(edit);
                connect(menu, &QObject::destroyed, this, [this] { Disarm(); });
            }
        }
    }

    void Arm(const QLineEdit& edit) {
        if (m_armed++ == 0) {
            m_before = edit.text();
        }
    }

    void Disarm() { m_armed = std::max(0, m_armed - 1); }

    int m_maxChars;
    int m_armed = 0;
    mutable QString m_before;
};

} // namespace

std::optional<CappedText> CapInsertion(const QString& before, const QString& after, int cursor, int maxChars) {
    if (CodePoints(after) <= maxChars || cursor < 0 || cursor > after.size()) {
        return std::nullopt;
    }
    const QString suffix = after.mid(cursor);
    if (!before.endsWith(suffix)) {
        return std::nullopt;
    }
    // What both share in front is kept text; where the inserted text begins with
    // what it replaced, cutting the insertion's end comes to the same.
    const qsizetype prefixLimit = std::min<qsizetype>(cursor, before.size() - suffix.size());
    qsizetype prefix = 0;
    while (prefix < prefixLimit && before[prefix] == after[prefix]) {
        ++prefix;
    }
    if (prefix > 0 && prefix < after.size() && after[prefix - 1].isHighSurrogate() && after[prefix].isLowSurrogate()) {
        --prefix;
    }
    const QString inserted = after.mid(prefix, cursor - prefix);
    if (inserted.isEmpty()) {
        return std::nullopt;
    }
    const int kept = CodePoints(QStringView(after).left(prefix)) + CodePoints(suffix);
    const QString fitting = LeadingCodePoints(inserted, std::max(0, maxChars - kept));
    return CappedText{after.left(prefix) + fitting + suffix, static_cast<int>(prefix + fitting.size())};
}

void LimitUserText(QWidget& control, int maxChars) {
    if (auto* limiter = control.findChild<TextLimiter*>(QString(), Qt::FindDirectChildrenOnly)) {
        limiter->SetLimit(maxChars);
        return;
    }
    auto* limiter = new TextLimiter(control, maxChars);
    control.installEventFilter(limiter);
    // An edit that checks its input by a validator of its own keeps it; its paste
    // is then judged by that validator alone.
    if (auto* edit = qobject_cast<QLineEdit*>(&control); edit != nullptr && edit->validator() == nullptr) {
        edit->setValidator(limiter);
    }
}

} // namespace desklet
