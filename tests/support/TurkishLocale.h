#pragma once

#include "support/TempDir.h"

#include <locale>
#include <optional>
#include <string>

namespace desklet::test {

// Puts the process under tr_TR.UTF-8 for the object's life: the C library's
// locale, the C++ global locale and LC_ALL, which Qt reads. The locale is compiled
// with localedef into a temporary LOCPATH, so the machine needs only the locale
// sources, not a generated locale. Where "i" does not become "I", case folding
// that follows the locale goes wrong.
class TurkishLocale {
public:
    TurkishLocale();
    ~TurkishLocale();
    TurkishLocale(const TurkishLocale&) = delete;
    TurkishLocale& operator=(const TurkishLocale&) = delete;

    // True when the locale is in force and folds "i" the Turkish way; else error()
    // says what failed. A test asserts this rather than skip.
    bool active() const { return m_error.empty(); }
    const std::string& error() const { return m_error; }

private:
    TempDir m_dir;
    std::string m_error;
    std::string m_previousCLocale;
    std::locale m_previousGlobal;
    std::optional<std::string> m_previousLocPath;
    std::optional<std::string> m_previousLcAll;
};

} // namespace desklet::test
