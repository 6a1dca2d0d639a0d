#pragma once

#include <QString>

class QLineEdit;

namespace desklet::test {

// The ways a person puts text into a field other than by typing it.
enum class PasteRoute { CtrlV, ShiftInsert, ContextMenu, Drop };

// Puts text into the edit as a person would by that route: through the clipboard
// and a paste key or the context menu's Paste (replacing the selection, at the
// cursor), or dropped from another program behind the edit's text.
void Paste(QLineEdit& edit, const QString& text, PasteRoute route);

} // namespace desklet::test
