#pragma once

#include <QLabel>
#include <QWidget>

namespace desklet {

// Names a field for screen readers by the label beside it, and lets the label's
// mnemonic, if any, reach it.
inline void NameByLabel(QLabel& label, QWidget& field) {
    label.setBuddy(&field);
    field.setAccessibleName(label.text());
}

} // namespace desklet
