#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Turning the desktop's registered web-browser command into a command line, and
// the launch result codes the hyperlink reports. Pure functions, no I/O.
namespace desklet {

// Launch results in the manner of the shell: above 32 is success, 32 or less is an
// error code that FormatOpenError() explains.
inline constexpr int kOpenSucceeded = 33;
inline constexpr int kOpenOutOfResources = 0;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenAccessDenied = 5;
inline constexpr int kOpenBadFormat = 11;
inline constexpr int kOpenAssociationIncomplete = 27;
inline constexpr int kOpenNoAssociation = 31;

// The command line is built in a buffer of this many bytes, its terminator
// included; a longer line is refused rather than cut, since a cut URL would open
// the wrong page.
inline constexpr std::size_t kOpenCommandBufferSize = 520;

// The registered command cut at its URL placeholder, then one blank and the URL.
// The placeholder is the first quoted one ("%1", "%u", "%U", "%f", "%F") or, when
// there is none, the first unquoted one (%1, %u, %U, %f, %F); the placeholder and
// everything after it are dropped. Without a placeholder the command stays whole.
// Blanks, quotes, backslashes and control or non-ASCII bytes of the URL are
// percent-encoded, so that the URL stays one argument when the line is split.
std::string BuildOpenCommand(std::string_view command, std::string_view url);

// The URL as it goes onto a command line (see BuildOpenCommand).
std::string EscapeUrlForCommandLine(std::string_view url);

// The launch result of the desktop's opener (xdg-open) from its exit status: 0
// opened; 2 the file named does not exist; 3 no program is there to open it; 1 (a
// command line it could not read), 4 (the program that was to open it failed) and
// any other status name a handler that does not work.
int OpenerExitResult(int exitStatus);

// The user's explanation of a launch result code.
std::string FormatOpenError(int code);

// Splits a command line into the program and its arguments without a shell:
// blanks and tabs separate words; double quotes group, and inside them a backslash
// escapes ", `, $ and \. Nothing when the line holds no word or an unclosed quote.
std::optional<std::vector<std::string>> SplitCommandLine(std::string_view commandLine);

// The Exec value of the [Desktop Entry] group of a desktop-entry file, with the
// file format's own escapes (\s \n \t \r \\) undone. Nothing when there is none.
std::optional<std::string> DesktopEntryExec(std::string_view fileText);

} // namespace desklet
