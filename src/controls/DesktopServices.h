#pragma once

#include <functional>
#include <optional>
#include <string>

class QUrl;

namespace desklet {

// The controls' door to the desktop: its URL opener, the web-browser command it
// registers, and the start of a program. Tests replace each of them, so that no
// test opens a browser, asks xdg-mime or starts a process.
class DesktopServices {
public:
    // True when the desktop took the URL.
    using UrlOpener = std::function<bool(const QUrl&)>;
    // The command line the desktop registers for web pages, or nothing.
    using BrowserCommandFinder = std::function<std::optional<std::string>()>;
    // Starts a command line detached; the launch result code (above 32: success).
    using Launcher = std::function<int(const std::string& commandLine, int showCommand)>;

    static bool OpenUrl(const QUrl& url);
    static std::optional<std::string> FindBrowserCommand();
    static int Launch(const std::string& commandLine, int showCommand);

    // Pass nullptr to restore the real implementation.
    static void SetUrlOpener(UrlOpener opener);
    static void SetBrowserCommandFinder(BrowserCommandFinder finder);
    static void SetLauncher(Launcher launcher);

    // The real implementations.
    // QDesktopServices::openUrl.
    static bool OpenUrlWithDesktop(const QUrl& url);
    // The Exec line of the desktop entry `xdg-mime query default
    // x-scheme-handler/http` names, else the first command of $BROWSER.
    static std::optional<std::string> FindRegisteredBrowserCommand();
    // Splits the line (no shell) and starts it detached. A program that is not
    // found gives 2, one that may not be run 5, one that fails to start 11, an empty
    // or badly quoted line 2.
    static int LaunchDetached(const std::string& commandLine, int showCommand);
};

} // namespace desklet
