#pragma once

// Helpers that the settings pages share when they build their controls.

#include "controls/CCharFilterEdit.h"
#include "framework/CDialog.h"

#include <QLabel>
#include <QString>

#include <string>
#include <string_view>

namespace desklet::detail {

// Free-text fields keep the double quote out: the values end up inside quoted
// command texts of the service.
inline constexpr std::string_view kQuote = "\"";

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QLabel* NewLabel(std::string_view text, QWidget* parent, bool wrap = false) {
    auto* label = new QLabel(ToQString(text), parent);
    label->setWordWrap(wrap);
    return label;
}

// Names a field for screen readers by the label that introduces it, and lets the
// label's mnemonic, if it gets one, reach it.
inline void NameByLabel(QLabel& label, QWidget& field) {
    label.setBuddy(&field);
    field.setAccessibleName(label.text());
}

// A filtered edit with its id; rejectListed and list as CCharFilterEdit takes them.
inline CCharFilterEdit* NewFilterEdit(CDialog& page, QWidget* parent, int id, bool rejectListed,
                                      std::string_view list) {
    auto* edit = new CCharFilterEdit(parent);
    edit->m_bRejectListed = rejectListed;
    edit->m_strFilterChars = std::string(list);
    page.SetDlgItemId(*edit, id);
    return edit;
}

} // namespace desklet::detail
