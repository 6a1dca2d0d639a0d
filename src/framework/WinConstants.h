#pragma once

// The numeric vocabulary the dialogs share: dialog results, message-box styles and
// show commands. The values are the ones callers and tests compare against.
namespace desklet {

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

inline constexpr unsigned MB_OK = 0x00000000;
inline constexpr unsigned MB_OKCANCEL = 0x00000001;
inline constexpr unsigned MB_YESNO = 0x00000004;
inline constexpr unsigned MB_TYPEMASK = 0x0000000F;
inline constexpr unsigned MB_ICONSTOP = 0x00000010;
inline constexpr unsigned MB_ICONQUESTION = 0x00000020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x00000030;
inline constexpr unsigned MB_ICONINFORMATION = 0x00000040;
inline constexpr unsigned MB_ICONMASK = 0x000000F0;

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

} // namespace desklet
