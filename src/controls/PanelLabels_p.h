#pragma once

#include "controls/CColorLabel.h"
#include "framework/CDialog.h"

#include <initializer_list>

namespace desklet {

// A static text of a composite control, found by the dialog under that id.
inline CColorLabel* NewPanelLabel(QWidget& parent, int id, const QString& text) {
    auto* label = new CColorLabel(&parent);
    label->setText(text);
    CDialog::SetDlgCtrlID(*label, id);
    return label;
}

// Once placed, the labels take their font and are drawn over the dialog's
// background, as the dialog's own are.
inline void FinishPanelLabels(std::initializer_list<CColorLabel*> labels) {
    for (CColorLabel* label : labels) {
        label->Attach();
        label->SetTransparent(true);
    }
}

} // namespace desklet
