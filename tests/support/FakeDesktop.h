#pragma once

#include "controls/DesktopServices.h"
#include "controls/OpenCommand.h"

#include <QUrl>

#include <optional>
#include <string>
#include <vector>

namespace desklet::test {

// Stands in for the desktop while it lives: records each road an open takes, in
// order, and answers with the scripted results, at once unless told to hold them.
// Restores the real services when destroyed.
struct FakeDesktop {
    FakeDesktop() {
        DesktopServices::SetUrlOpener([this](const QUrl& url, DesktopServices::OpenAnswer answer) {
            calls.push_back("open " + url.toString().toStdString());
            if (holdAnswers) {
                heldAnswers.push_back(std::move(answer));
            } else if (answer) {
                answer(openerSucceeds ? kOpenSucceeded : openerFailure);
            }
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
    int openerFailure = kOpenNoAssociation;
    // The opener keeps its answers for the test to give, as a slow desktop would.
    bool holdAnswers = false;
    std::vector<DesktopServices::OpenAnswer> heldAnswers;
    std::optional<std::string> browserCommand;
    int launchResult = 33;
    int lastShowCommand = -1;
    std::vector<std::string> calls;
};

} // namespace desklet::test
