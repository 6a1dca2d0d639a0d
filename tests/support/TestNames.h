#pragma once

#include "text/Ascii.h"

#include <gtest/gtest.h>

#include <string>

namespace desklet::test {

// Names a parameterised case by its sentence-style `name` field:
// INSTANTIATE_TEST_SUITE_P(Cases, Suite, testing::ValuesIn(kCases), desklet::test::SentenceName{});
// Give the case struct a PrintTo() that prints the name too, so that CTest's
// listing does not show raw bytes:  friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
struct SentenceName {
    template <class Param> std::string operator()(const testing::TestParamInfo<Param>& info) const {
        std::string name = info.param.name;
        for (char& c : name) {
            if (!ascii::IsAlnum(c)) {
                c = '_';
            }
        }
        return name;
    }
};

} // namespace desklet::test
