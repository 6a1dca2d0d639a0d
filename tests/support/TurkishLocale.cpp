#include "support/TurkishLocale.h"

#include "support/ProgramRun.h"

#include <cctype>
#include <clocale>
#include <cstdlib>
#include <stdexcept>

namespace desklet::test {
namespace {

constexpr const char* kName = "tr_TR.UTF-8";

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

void restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

} // namespace

TurkishLocale::TurkishLocale()
    : m_previousCLocale(std::setlocale(LC_ALL, nullptr)), m_previousLocPath(variable("LOCPATH")),
      m_previousLcAll(variable("LC_ALL")) {
    const std::string target = (m_dir.path() / kName).string();
    const ProgramResult made = RunProgram({"/usr/bin/localedef", "-i", "tr_TR", "-f", "UTF-8", target});
    if (!made.finished || made.exitCode != 0) {
        m_error = "localedef could not compile tr_TR.UTF-8 (is the locales package installed?) " + made.err;
        return;
    }
    setenv("LOCPATH", m_dir.path().c_str(), 1);
    setenv("LC_ALL", kName, 1);
    if (std::setlocale(LC_ALL, kName) == nullptr) {
        m_error = "setlocale refused the compiled tr_TR.UTF-8";
        return;
    }
    try {
        m_previousGlobal = std::locale::global(std::locale(kName));
    } catch (const std::runtime_error& e) {
        m_error = std::string("std::locale refused tr_TR.UTF-8: ") + e.what();
        return;
    }
    // std::locale::global may have set the C locale again: check the result.
    // Called through a pointer: GCC takes the builtin toupper to follow the "C"
    // locale and folds a comparison of its result with a small letter to false.
    int (*const volatile upper)(int) = &::toupper;
    if (upper('i') != 'i') {
        m_error = "the locale is set but folds i to I";
    }
}

TurkishLocale::~TurkishLocale() {
    std::locale::global(m_previousGlobal);
    std::setlocale(LC_ALL, m_previousCLocale.c_str());
    restore("LOCPATH", m_previousLocPath);
    restore("LC_ALL", m_previousLcAll);
}

} // namespace desklet::test
