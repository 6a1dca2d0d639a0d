#include "preview/DocumentPreview.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

using namespace desklet;
using namespace desklet::test;

namespace {

using Outcome = DocumentPreview::Outcome;
const QSize kBox(120, 120);

struct CountCase {
    const char* name;
    // Writes the document and returns its path.
    std::function<QString(const TempDir&)> write;
    Outcome outcome;
    int pages;
    bool picture;
    friend void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }
};

QString Q(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

QString Pdf(const TempDir& dir, int pages) {
    const QString path = Q(dir.path() / "doc.pdf");
    EXPECT_TRUE(WritePdf(path, pages));
    return path;
}

const CountCase kCountCases[] = {
    {"one page PDF", [](const TempDir& d) { return Pdf(d, 1); }, Outcome::Counted, 1, true},
    {"three page PDF", [](const TempDir& d) { return Pdf(d, 3); }, Outcome::Counted, 3, true},
    {"two frame TIFF counts its frames",
     [](const TempDir& d) {
         const QString path = Q(d.path() / "scan.tif");
         EXPECT_TRUE(WriteTiff(path, 2));
         return path;
     },
     Outcome::Counted, 2, true},
    {"PNG is one page",
     [](const TempDir& d) {
         const QString path = Q(d.path() / "page.png");
         QImage image(300, 400, QImage::Format_RGB32);
         image.fill(Qt::white);
         EXPECT_TRUE(image.save(path, "PNG"));
         return path;
     },
     Outcome::Counted, 1, true},
    {"text file is not counted",
     [](const TempDir& d) { return Q(d.WriteFile("notes.txt", "Dear Ann,\nthe figures follow.\n")); }, Outcome::Unknown,
     0, false},
    {"text that an image reader would take stays text",
     [](const TempDir& d) { return Q(d.WriteFile("bits.txt", "P1\n2 2\n0 1\n1 0\n")); }, Outcome::Unknown, 0, false},
    {"damaged PDF is not counted",
     [](const TempDir& d) { return Q(d.WriteFile("broken.pdf", "%PDF-1.4\n1 0 obj << /Type /Cat")); }, Outcome::Unknown,
     0, false},
    {"a PDF named as something else is still a PDF",
     [](const TempDir& d) {
         const QString path = Q(d.path() / "report.doc");
         EXPECT_TRUE(WritePdf(path, 2));
         return path;
     },
     Outcome::Counted, 2, true},
    {"missing file", [](const TempDir& d) { return Q(d.path() / "gone.pdf"); }, Outcome::Unreadable, 0, false},
    {"folder", [](const TempDir& d) { return Q(d.path()); }, Outcome::Unreadable, 0, false},
    {"FIFO is not opened",
     [](const TempDir& d) {
         const auto path = d.path() / "pipe.pdf";
         EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
         return Q(path);
     },
     Outcome::Unreadable, 0, false},
};

class PageCount : public testing::TestWithParam<CountCase> {};

TEST_P(PageCount, CountsPagesAndDrawsTheFirst) {
    const CountCase& c = GetParam();
    TempDir dir;
    const QString path = c.write(dir);
    const DocumentPreview::Result result = DocumentPreview::Inspect(path, kBox);
    EXPECT_EQ(result.outcome, c.outcome);
    if (c.outcome == Outcome::Counted) {
        EXPECT_EQ(result.pages, c.pages);
    }
    ASSERT_EQ(!result.firstPage.isNull(), c.picture);
    if (c.picture) {
        EXPECT_TRUE(result.firstPage.width() <= kBox.width() && result.firstPage.height() <= kBox.height());
        EXPECT_TRUE(result.firstPage.width() == kBox.width() || result.firstPage.height() == kBox.height())
            << "the page fills its box one way";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PageCount, testing::ValuesIn(kCountCases), SentenceName{});

TEST(PageCount, AnUnreadableFileIsSaidSo) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TempDir dir;
    const auto path = dir.WriteFile("secret.pdf", "%PDF-1.4\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_EQ(DocumentPreview::Inspect(Q(path), kBox).outcome, Outcome::Unreadable);
}

TEST(PageCount, TheFirstPageIsDrawnNotBlank) {
    TempDir dir;
    const QImage page = DocumentPreview::Inspect(Pdf(dir, 1), kBox).firstPage;
    ASSERT_FALSE(page.isNull());
    // A portrait A4 page: taller than wide, with the frame drawn near its edge.
    EXPECT_EQ(page.height(), kBox.height());
    EXPECT_LT(page.width(), page.height());
    // The first bar runs from 80 to 104 points across, 80 to 280 down; the middle is paper.
    const double scale = page.width() / 595.0;
    EXPECT_EQ(page.pixelColor(static_cast<int>(92 * scale), static_cast<int>(180 * scale)), QColor(Qt::darkBlue));
    EXPECT_EQ(page.pixelColor(page.width() / 2, page.height() / 2), QColor(Qt::white)) << "on white, not on nothing";
}

struct LineCase {
    const char* name;
    Outcome outcome;
    int pages;
    int recipients;
    const char* line;
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

const LineCase kLineCases[] = {
    {"one page, nobody yet", Outcome::Counted, 1, 0, "1 page"},
    {"three pages, nobody yet", Outcome::Counted, 3, 0, "3 pages"},
    {"one page to one recipient", Outcome::Counted, 1, 1, "1 page to 1 recipient"},
    {"three pages to two recipients", Outcome::Counted, 3, 2, "3 pages to 2 recipients"},
    {"unknown count names no recipients", Outcome::Unknown, 0, 2, "Pages: unknown"},
    {"unreadable file", Outcome::Unreadable, 0, 2, "The file cannot be read"},
};

class PageLine : public testing::TestWithParam<LineCase> {};

TEST_P(PageLine, ReadsAsASentence) {
    const LineCase& c = GetParam();
    DocumentPreview::Result result;
    result.outcome = c.outcome;
    result.pages = c.pages;
    EXPECT_EQ(DocumentPreview::Line(result, c.recipients).toStdString(), c.line);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageLine, testing::ValuesIn(kLineCases), SentenceName{});

} // namespace

// CTest does not hand the discovered tests more than the first variable of their
// environment, so the suppressions file does not reach them; this one is built in.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libQt6Pdf.so\n";
}
