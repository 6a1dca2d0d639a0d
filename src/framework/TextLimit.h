#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace desklet {

// What an insertion leaves in a field that holds at most a number of characters.
struct CappedText {
    QString text;
    int cursor = 0;
};

// `before` is the field's text before an edit, `after` the text the edit made and
// `cursor` the position right behind what it inserted, as an edit control leaves
// it. When `after` holds more than `maxChars` characters (code points), the
// inserted part is cut to the room that the rest of the text leaves, keeping its
// beginning; what was there before is never cut. Nothing when `after` fits, when
// nothing was inserted, or when the edit is no insertion at `cursor`.
std::optional<CappedText> CapInsertion(const QString& before, const QString& after, int cursor, int maxChars);

// Holds an edit control (single- or multi-line) to `maxChars` characters for what
// the user puts in: a typed character that would not fit is refused, and what is
// pasted into a single-line edit (keys, context menu, middle click) or dropped on
// it is cut to fit. Text the program sets is never cut: a longer stored value
// stays whole for the length check to report. Called again, it changes the limit.
void LimitUserText(QWidget& control, int maxChars);

} // namespace desklet
