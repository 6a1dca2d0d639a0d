#pragma once

// The box that says why the desktop opened nothing, shared by whatever a click opens.

#include "controls/OpenCommand.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"

#include <QString>

#include <string>

class QWidget;

namespace desklet::detail {

// The caption of the failure message: the application's name.
inline constexpr const char* kOpenErrorCaption = "Desklet";

// text names what was to be opened and holds %1 where the meaning of the launch
// result code goes (after a blank line, in English), so that a translation places it.
inline void ShowOpenError(QWidget* owner, const QString& text, int code) {
    DialogServices::MessageBox(owner, text.arg(QString::fromStdString(FormatOpenError(code))).toStdString(),
                               kOpenErrorCaption, MB_ICONEXCLAMATION);
}

} // namespace desklet::detail
