#include "cli/PasswordFile.h"

#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace desklet;
using namespace desklet::test;

namespace {

using Problem = PasswordFile::Problem;
using Perms = std::filesystem::perms;

enum class Kind { File, Symlink, Folder, Nothing };

struct FileCase {
    const char* name;
    Kind kind;
    std::string bytes;
    Perms mode;
    Problem problem;
    std::string password;
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

class PasswordFiles : public testing::TestWithParam<FileCase> {};

TEST_P(PasswordFiles, GiveTheFirstLineOfAPrivateFileOnly) {
    const FileCase& c = GetParam();
    TempDir dir;
    const auto file = dir.WriteFile("secret", c.bytes);
    std::filesystem::permissions(file, c.mode);
    std::filesystem::path given = file;
    if (c.kind == Kind::Symlink) {
        given = dir.path() / "link";
        std::filesystem::create_symlink(file, given);
    } else if (c.kind == Kind::Folder) {
        given = dir.path();
    } else if (c.kind == Kind::Nothing) {
        given = dir.path() / "gone";
    }
    const PasswordFile::Result result = PasswordFile::Read(given.string());
    EXPECT_EQ(result.problem, c.problem);
    EXPECT_EQ(result.password, c.password);
}

constexpr Perms kPrivate = Perms::owner_read | Perms::owner_write;
const std::string kLongest(PasswordFile::kMaxBytes, 'a');

const FileCase kFileCases[] = {
    {"first line without its line break", Kind::File, "right one\nsecond\n", kPrivate, Problem::None, "right one"},
    {"a CR LF line loses both", Kind::File, "pw\r\n", kPrivate, Problem::None, "pw"},
    {"the longest line", Kind::File, kLongest + "\n", kPrivate, Problem::None, kLongest},
    {"group may read", Kind::File, "pw\n", kPrivate | Perms::group_read, Problem::OpenToOthers, ""},
    {"others may read", Kind::File, "pw\n", kPrivate | Perms::others_read, Problem::OpenToOthers, ""},
    {"a link to a private file", Kind::Symlink, "pw\n", kPrivate, Problem::Symlink, ""},
    {"a folder", Kind::Folder, "", kPrivate, Problem::NotAFile, ""},
    {"no such file", Kind::Nothing, "", kPrivate, Problem::Missing, ""},
    {"an empty file", Kind::File, "", kPrivate, Problem::Empty, ""},
    {"a zero byte", Kind::File, std::string("p\0w\n", 4), kPrivate, Problem::HoldsNul, ""},
    {"one byte over the longest", Kind::File, kLongest + "a\n", kPrivate, Problem::TooLong, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, PasswordFiles, testing::ValuesIn(kFileCases), SentenceName{});

} // namespace
