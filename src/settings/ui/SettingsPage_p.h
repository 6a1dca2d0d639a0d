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

// A label shows its text as it is: no markup, whatever a path or a translation holds.
inline QLabel* NewLabel(const QString& text, QWidget* parent, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    return label;
}

// The text as it is shown: the '&' that marks the Alt letter goes, "&&" is one '&'.
inline QString WithoutMnemonic(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

// Names a field for screen readers by the label that introduces it, and lets the
// label's Alt letter reach it.
inline void NameByLabel(QLabel& label, QWidget& field) {
    label.setBuddy(&field);
    field.setAccessibleName(WithoutMnemonic(label.text()));
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
