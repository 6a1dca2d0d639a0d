// Which handed-over document is a temporary copy to delete: the decision on a
// resolved folder and a file name, then the links on a real file system.
#include "print/TemporaryCopy.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace desklet;
using desklet::test::TempDir;
using desklet::test::TempTmpDir;

namespace {

const std::vector<std::string> kFolders{"/var/spool/desklet/1000", "/home/ann/tmp", "/tmp", "/var/tmp"};

struct CopyCase {
    std::string name;
    std::string folder;
    std::string fileName;
    bool copy;
    friend void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }
};

const CopyCase kCopyCases[] = {
    {"marked name right in the temporary folder is a copy", "/tmp", "QUILLTMP-1.pdf", true},
    {"the marker counts in any letter case", "/var/tmp", "fax-QuillTmp-7.pdf", true},
    {"a printed document in the inbox is a copy", "/var/spool/desklet/1000", "QUILLTMP-57-Quarterly report.pdf", true},
    {"the folder TMPDIR names is a temporary folder", "/home/ann/tmp", "x-quilltmp.doc", true},
    {"a folder named with the marker keeps its document", "/home/ann/Projects/QuillTmp-archive", "thesis.txt", false},
    {"a marked name outside the handover folders stays", "/home/ann/Documents", "QUILLTMP-notes.pdf", false},
    {"a folder below the temporary folder is not it", "/tmp/build", "QUILLTMP.pdf", false},
    {"a folder that only begins like a handover folder is another", "/tmpfiles", "QUILLTMP.pdf", false},
    {"another user's inbox is not the inbox", "/var/spool/desklet/1001", "QUILLTMP-3-x.pdf", false},
    {"a name without the marker stays in the temporary folder", "/tmp", "report.pdf", false},
    {"a dotted capital I does not make the marker", "/tmp", "QU\xC4\xB0LLTMP.pdf", false},
    {"no file name is no copy", "/tmp", "", false},
};

class TemporaryCopyCases : public testing::TestWithParam<CopyCase> {};

TEST_P(TemporaryCopyCases, isDecidedByTheFolderAndTheName) {
    EXPECT_EQ(IsTemporaryCopy(GetParam().folder, GetParam().fileName, kFolders), GetParam().copy);
}

INSTANTIATE_TEST_SUITE_P(Cases, TemporaryCopyCases, testing::ValuesIn(kCopyCases), desklet::test::SentenceName{});

TEST(DeleteTemporaryCopy, followsLinksToTheRealFolderBeforeDeciding) {
    TempDir home;
    TempTmpDir temp;
    const fs::path keep = home.WriteFile("docs/keep.pdf", "mine");
    const fs::path mine = home.WriteFile("docs/QUILLTMP-b.pdf", "mine too");
    const fs::path copy = temp.WriteFile("QUILLTMP-a.pdf", "copy");
    fs::create_directory_symlink(temp.path(), home.path() / "to-temp");
    fs::create_directory_symlink(home.path() / "docs", temp.path() / "to-docs");
    fs::create_symlink(keep, temp.path() / "QUILLTMP-link.pdf");

    // Through a link into the temporary folder: a copy there.
    EXPECT_TRUE(DeleteTemporaryCopy((home.path() / "to-temp" / "QUILLTMP-a.pdf").string()));
    EXPECT_FALSE(fs::exists(copy));
    // Through a link out of it: the person's own folder.
    EXPECT_FALSE(DeleteTemporaryCopy((temp.path() / "to-docs" / "QUILLTMP-b.pdf").string()));
    EXPECT_TRUE(fs::exists(mine));
    // A marked link in the temporary folder goes, and what it points at stays.
    EXPECT_TRUE(DeleteTemporaryCopy((temp.path() / "QUILLTMP-link.pdf").string()));
    EXPECT_FALSE(fs::is_symlink(temp.path() / "QUILLTMP-link.pdf"));
    EXPECT_TRUE(fs::exists(keep));
}

} // namespace
