#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace desklet {

// Reads key/value pairs from one command-line string.
//
// Tokens are maximal runs of non-blank characters; only the blank (0x20) separates
// them, so a tab is an ordinary character. A token that begins with "-" or "/" is
// a key (the text after that character); any other token is a value. A value that
// begins with a double quote runs over as many tokens as needed until one ends
// with a double quote, keeping the blanks between them as they stood.
//
// The first token is the program's own path and is skipped.
class CFaxCommandLineInfo {
public:
    // The line is taken with leading and trailing white space removed.
    explicit CFaxCommandLineInfo(const std::string& commandLine);
    ~CFaxCommandLineInfo();

    CFaxCommandLineInfo(const CFaxCommandLineInfo&) = delete;
    CFaxCommandLineInfo& operator=(const CFaxCommandLineInfo&) = delete;

    // The first pair after the program path; false when there is none.
    bool GetFirstParameter(std::string& key, std::string& value);
    // The next pair; false when no token is left.
    bool GetNextParameter(std::string& key, std::string& value);
    // The current token's text, with the quoting rule applied.
    void ReadToken(std::string& text);

    std::string m_strCommandLine;

private:
    // Makes the next token current: m_pszToken points at it, or is null at the end.
    // Like strtok, the blank after the token is overwritten by a zero byte.
    void NextToken();

    std::vector<char> m_work; // m_pszWork: the working copy with its terminating zero
    char* m_pszToken = nullptr;
    std::size_t m_nNext = 0; // where the search for the next token starts
};

} // namespace desklet
