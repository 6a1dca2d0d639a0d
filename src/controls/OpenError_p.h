#pragma once

// The box that says why the desktop opened nothing, shared by whatever a click opens.

#include "controls/OpenCommand.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"

#include <string>

class QWidget;

namespace desklet::detail {

// The caption of the failure message: the application's name.
inline constexpr const char* kOpenErrorCaption = "Desklet";

// lead names what was to be opened; below it, after a blank line, what the launch
// result code means.
inline void ShowOpenError(QWidget* owner, const std::string& lead, int code) {
    DialogServices::MessageBox(owner, lead + "\n\n" + FormatOpenError(code), kOpenErrorCaption, MB_ICONEXCLAMATION);
}

} // namespace desklet::detail
