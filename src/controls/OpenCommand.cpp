#include "controls/OpenCommand.h"

#include <QCoreApplication>

#include <array>

namespace desklet {
namespace {

// The URL placeholders of a registered command: the shell's %1 and the desktop
// entry's field codes for one or more URLs or files.
constexpr std::array<char, 5> kPlaceholderCodes{'1', 'u', 'U', 'f', 'F'};

std::string_view::size_type firstPlaceholder(std::string_view command, bool quoted) {
    auto best = std::string_view::npos;
    for (const char code : kPlaceholderCodes) {
        std::string needle;
        if (quoted) {
            needle = {'"', '%', code, '"'};
        } else {
            needle = {'%', code};
        }
        const auto at = command.find(needle);
        if (at < best) {
            best = at;
        }
    }
    return best;
}

bool needsEscape(unsigned char byte) {
    switch (byte) {
    case '"':
    case '\'':
    case '\\':
    case '`':
    case '$':
        return true;
    default:
        return byte <= 0x20 || byte >= 0x7F;
    }
}

} // namespace

std::string EscapeUrlForCommandLine(std::string_view url) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(url.size());
    for (const char ch : url) {
        const auto byte = static_cast<unsigned char>(ch);
        if (needsEscape(byte)) {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0x0F];
        } else {
            escaped += ch;
        }
    }
    return escaped;
}

std::string BuildOpenCommand(std::string_view command, std::string_view url) {
    auto cut = firstPlaceholder(command, true);
    if (cut == std::string_view::npos) {
        cut = firstPlaceholder(command, false);
    }
    std::string line(command.substr(0, cut));
    line += ' ';
    line += EscapeUrlForCommandLine(url);
    return line;
}

int OpenerExitResult(int exitStatus) {
    // xdg-open's exit statuses.
    constexpr int kOpened = 0;
    constexpr int kFileNotFound = 2;
    constexpr int kNoTool = 3;
    switch (exitStatus) {
    case kOpened:
        return kOpenSucceeded;
    case kFileNotFound:
        return kOpenFileNotFound;
    case kNoTool:
        return kOpenNoAssociation;
    default:
        return kOpenAssociationIncomplete;
    }
}

namespace {

std::string Tr(const char* text) {
    return QCoreApplication::translate("OpenCommand", text).toStdString();
}

} // namespace

std::string FormatOpenError(int code) {
    switch (code) {
    case 0:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The operating system is out\nof memory or resources."));
    case 2:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The specified file was not found."));
    case 3:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The specified path was not found."));
    case 5:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The operating system denied\naccess to the specified file."));
    case 8:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "There was not enough memory to complete the operation."));
    case 11:
        return Tr(
            QT_TRANSLATE_NOOP("OpenCommand", "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."));
    case 26:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "A sharing violation occurred. "));
    case 27:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The filename association is\nincomplete or invalid."));
    case 28:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand",
                                    "The DDE transaction could not\nbe completed because the request timed out."));
    case 29:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The DDE transaction failed."));
    case 30:
        return Tr(QT_TRANSLATE_NOOP(
            "OpenCommand",
            "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."));
    case 31:
        return Tr(
            QT_TRANSLATE_NOOP("OpenCommand", "There is no application associated\nwith the given filename extension."));
    case 32:
        return Tr(QT_TRANSLATE_NOOP("OpenCommand", "The specified dynamic-link library was not found."));
    default:
        return QCoreApplication::translate("OpenCommand", "Unknown Error (%1) occurred.").arg(code).toStdString();
    }
}

std::optional<std::vector<std::string>> SplitCommandLine(std::string_view commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < commandLine.size(); ++i) {
        const char ch = commandLine[i];
        if (quoted) {
            if (ch == '"') {
                quoted = false;
            } else if (ch == '\\' && i + 1 < commandLine.size() &&
                       std::string_view("\"`$\\").find(commandLine[i + 1]) != std::string_view::npos) {
                word += commandLine[++i];
            } else {
                word += ch;
            }
        } else if (ch == ' ' || ch == '\t') {
            if (inWord) {
                words.push_back(std::move(word));
                word.clear();
                inWord = false;
            }
        } else if (ch == '"') {
            quoted = true;
            inWord = true;
        } else {
            word += ch;
            inWord = true;
        }
    }
    if (quoted) {
        return std::nullopt;
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    if (words.empty() || words.front().empty()) {
        return std::nullopt;
    }
    return words;
}

std::optional<std::string> DesktopEntryExec(std::string_view fileText) {
    bool inEntryGroup = false;
    std::size_t start = 0;
    while (start <= fileText.size()) {
        auto end = fileText.find('\n', start);
        if (end == std::string_view::npos) {
            end = fileText.size();
        }
        std::string_view line = fileText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            inEntryGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inEntryGroup) {
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        std::string_view key = line.substr(0, equals);
        while (!key.empty() && key.back() == ' ') {
            key.remove_suffix(1);
        }
        if (key != "Exec") {
            continue;
        }
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && value.front() == ' ') {
            value.remove_prefix(1);
        }
        std::string exec;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] != '\\' || i + 1 == value.size()) {
                exec += value[i];
                continue;
            }
            switch (value[i + 1]) {
            case 's':
                exec += ' ';
                break;
            case 'n':
                exec += '\n';
                break;
            case 't':
                exec += '\t';
                break;
            case 'r':
                exec += '\r';
                break;
            case '\\':
                exec += '\\';
                break;
            default:
                // Not one of the file's own escapes: left for the command-line quoting.
                exec += value[i];
                exec += value[i + 1];
                break;
            }
            ++i;
        }
        if (exec.empty()) {
            return std::nullopt;
        }
        return exec;
    }
    return std::nullopt;
}

} // namespace desklet
