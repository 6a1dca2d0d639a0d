#pragma once

#include "controls/DesktopServices.h"

#include <QUrl>

#include <optional>
#include <string>
#include <vector>

namespace desklet::test {

// Stands in for the desktop while it lives: records each road an open takes, in
// order, and answers with the scripted results. Restores the real services when
// destroyed.
struct FakeDesktop {
    FakeDesktop() {
        DesktopServices::SetUrlOpener([this](const QUrl& url) {
            calls.push_back("open " + url.toString().toStdString());
            return openerSucceeds;
        });
        DesktopServices::SetBrowserCommandFinder([this] {
            calls.emplace_back("find");
            return browserCommand;
        });
        DesktopServices::SetLauncher([this](const std::string& line, int show) {
            calls.push_back("launch " + line);
            lastShowCommand = show;
            return launchResult;
        });
    }
    ~FakeDesktop() {
        DesktopServices::SetUrlOpener(nullptr);
        DesktopServices::SetBrowserCommandFinder(nullptr);
        DesktopServices::SetLauncher(nullptr);
    }
    FakeDesktop(const FakeDesktop&) = delete;
    FakeDesktop& operator=(const FakeDesktop&) = delete;

    bool openerSucceeds = false;
    std::optional<std::string> browserCommand;
    int launchResult = 33;
    int lastShowCommand = -1;
    std::vector<std::string> calls;
};

} // namespace desklet::test
