#include "commandline/CFaxCommandLineInfo.h"

#include <cstring>

namespace desklet {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isSpace(text[begin])) {
        ++begin;
    }
    while (end > begin && isSpace(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

bool isKeyToken(const char* token) {
    return token[0] == '-' || token[0] == '/';
}

} // namespace

CFaxCommandLineInfo::CFaxCommandLineInfo(const std::string& commandLine) : m_strCommandLine(trimmed(commandLine)) {}

CFaxCommandLineInfo::~CFaxCommandLineInfo() = default;

void CFaxCommandLineInfo::NextToken() {
    m_pszToken = nullptr;
    // The zero byte at the end stays outside the walk.
    const std::size_t length = m_work.empty() ? 0 : m_work.size() - 1;
    std::size_t pos = m_nNext;
    while (pos < length && m_work[pos] == ' ') {
        ++pos;
    }
    if (pos >= length) {
        m_nNext = length;
        return;
    }
    m_pszToken = &m_work[pos];
    while (pos < length && m_work[pos] != ' ') {
        ++pos;
    }
    if (pos < length) {
        m_work[pos] = '\0';
        ++pos;
    }
    m_nNext = pos;
}

bool CFaxCommandLineInfo::GetFirstParameter(std::string& key, std::string& value) {
    key.clear();
    value.clear();
    m_work.assign(m_strCommandLine.begin(), m_strCommandLine.end());
    m_work.push_back('\0');
    m_nNext = 0;
    NextToken();
    if (m_pszToken == nullptr) {
        return false;
    }
    std::string programKey;
    std::string programPath;
    GetNextParameter(programKey, programPath);
    return GetNextParameter(key, value);
}

bool CFaxCommandLineInfo::GetNextParameter(std::string& key, std::string& value) {
    key.clear();
    value.clear();
    if (m_pszToken == nullptr) {
        return false;
    }
    if (isKeyToken(m_pszToken)) {
        ++m_pszToken; // the key is the token from its second character on
        ReadToken(key);
        NextToken();
    }
    if (m_pszToken != nullptr && !isKeyToken(m_pszToken)) {
        ReadToken(value);
        NextToken();
    }
    return true;
}

void CFaxCommandLineInfo::ReadToken(std::string& text) {
    text.clear();
    if (m_pszToken == nullptr) {
        return;
    }
    const std::size_t tokenLength = std::strlen(m_pszToken);
    if (m_pszToken[0] != '"') {
        text.assign(m_pszToken, tokenLength);
        return;
    }
    if (tokenLength == 1 || m_pszToken[tokenLength - 1] == '"') {
        // "" and a lone " both give the empty text.
        if (tokenLength > 1) {
            text.assign(m_pszToken + 1, tokenLength - 2);
        }
        return;
    }

    // The value runs over the following tokens. The zero bytes that ended tokens
    // stood where blanks were, so the original line gives the blanks back.
    const std::size_t start = static_cast<std::size_t>(m_pszToken - m_work.data()) + 1;
    for (;;) {
        NextToken();
        if (m_pszToken == nullptr) {
            // No closing quote: the rest of the line is the value, and the parse ends.
            text = m_strCommandLine.substr(start);
            return;
        }
        // A NUL byte in the line (no argument vector carries one, but a string
        // may) makes a token of no characters; it cannot close the quote.
        const std::size_t length = std::strlen(m_pszToken);
        if (length > 0 && m_pszToken[length - 1] == '"') {
            const std::size_t end = static_cast<std::size_t>(m_pszToken - m_work.data()) + length - 1;
            text = m_strCommandLine.substr(start, end - start);
            return;
        }
    }
}

} // namespace desklet
