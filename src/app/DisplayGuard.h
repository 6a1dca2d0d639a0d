#pragma once

#include <QCoreApplication>

#include <string>

namespace desklet {

// Watches the start of Qt's platform plug-in while the window's application object
// is made. Where no display can be opened Qt ends the program with an abort and
// advice to reinstall it; while a guard lives, that end is replaced by lines on
// standard error that say there is no display and that --send needs none, and the
// exit status ExitStatus::kUnavailable. Qt's other messages meanwhile are held
// back, and handed on when the guard ends without a failure.
class DisplayGuard {
    Q_DECLARE_TR_FUNCTIONS(DisplayGuard)

public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The lines said before the program ends, each with its line break.
    static std::string NoDisplayText();
};

} // namespace desklet
