#include "controls/DocumentPreviewCtrl.h"
#include "controls/OpenCommand.h"
#include "framework/WinConstants.h"
#include "preview/PreviewLoader.h"
#include "support/DialogRecorder.h"
#include "support/FakeDesktop.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

using namespace desklet;
using namespace desklet::test;

namespace {

constexpr int kWaitMs = 10000;

TEST(DocumentPreviewCtrl, FollowsThePathAndOpensTheDocumentFromTheKeyboard) {
    TempDir dir;
    const QString pdf = QString::fromStdString((dir.path() / "report.pdf").string());
    ASSERT_TRUE(WritePdf(pdf, 3));
    FakeDesktop desktop;
    desktop.openerSucceeds = true;

    DocumentPreviewCtrl panel;
    panel.Loader().SetSettleTime(0);
    panel.show();
    QSignalSpy shown(&panel, &DocumentPreviewCtrl::Shown);
    panel.SetRecipientCount(2);
    panel.SetPath(pdf);
    ASSERT_TRUE(shown.wait(kWaitMs));
    EXPECT_EQ(panel.Line()->text(), QStringLiteral("3 pages to 2 recipients"));
    EXPECT_EQ(panel.Line()->accessibleName(), panel.Line()->text());
    EXPECT_TRUE(panel.Picture()->isVisible());
    EXPECT_EQ(panel.Picture()->accessibleName(), QStringLiteral("First page of the document"));

    panel.SetRecipientCount(1);
    EXPECT_EQ(panel.Line()->text(), QStringLiteral("3 pages to 1 recipient"));

    QTest::keyClick(panel.Picture(), Qt::Key_Return);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open " + QUrl::fromLocalFile(pdf).toString().toStdString()}));

    // A file that is not there says so, without a picture.
    panel.SetPath(pdf + QStringLiteral(".gone"));
    ASSERT_TRUE(shown.wait(kWaitMs));
    EXPECT_EQ(panel.Line()->text(), QStringLiteral("The file cannot be read"));
    EXPECT_FALSE(panel.Picture()->isVisible());

    panel.SetPath(QString());
    EXPECT_FALSE(panel.Line()->isVisible());
    EXPECT_FALSE(panel.Picture()->isVisible());
}

// One change to the document on disk and the line that follows it.
struct DiskStep {
    std::function<bool(const QString& path)> change;
    const char* line;
};

struct DiskCase {
    const char* name;
    std::vector<DiskStep> steps;
    friend void PrintTo(const DiskCase& c, std::ostream* os) { *os << c.name; }
};

class FollowsTheFile : public testing::TestWithParam<DiskCase> {};

bool WriteOver(const QString& path, int pages) {
    return WritePdf(path, pages);
}

// As editors save: the new version is written beside and renamed over the old.
bool ReplaceByRename(const QString& path, int pages) {
    const QString beside = path + QStringLiteral(".new");
    if (!WritePdf(beside, pages)) {
        return false;
    }
    std::error_code error;
    std::filesystem::rename(beside.toStdString(), path.toStdString(), error);
    return !error;
}

bool Delete(const QString& path) {
    return std::filesystem::remove(path.toStdString());
}

TEST_P(FollowsTheFile, OnDisk) {
    TempDir dir;
    const QString pdf = QString::fromStdString((dir.path() / "report.pdf").string());
    ASSERT_TRUE(WritePdf(pdf, 3));
    DocumentPreviewCtrl panel;
    panel.Loader().SetSettleTime(0);
    panel.show();
    panel.SetPath(pdf);
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel.Line()->text() == QStringLiteral("3 pages"); }, kWaitMs));
    for (const DiskStep& step : GetParam().steps) {
        ASSERT_TRUE(step.change(pdf)) << step.line;
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel.Line()->text() == QString::fromLatin1(step.line); }, kWaitMs))
            << "wanted \"" << step.line << "\", shows \"" << panel.Line()->text().toStdString() << "\"";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, FollowsTheFile,
                         testing::Values(DiskCase{"written over with more pages",
                                                  {{[](const QString& p) { return WriteOver(p, 5); }, "5 pages"}}},
                                         DiskCase{"replaced by rename and then written over",
                                                  {{[](const QString& p) { return ReplaceByRename(p, 2); }, "2 pages"},
                                                   {[](const QString& p) { return WriteOver(p, 6); }, "6 pages"}}},
                                         DiskCase{"deleted and written again",
                                                  {{Delete, "The file cannot be read"},
                                                   {[](const QString& p) { return WriteOver(p, 4); }, "4 pages"}}}),
                         SentenceName{});

TEST(DocumentPreviewCtrl, AClickWithoutAViewerSaysWhyAsTheWebLinkDoes) {
    TempDir dir;
    const QString pdf = QString::fromStdString((dir.path() / "report.pdf").string());
    ASSERT_TRUE(WritePdf(pdf, 1));
    FakeDesktop desktop; // whose opener finds no viewer
    DialogRecorder recorder;
    DocumentPreviewCtrl panel;
    panel.Loader().SetSettleTime(0);
    panel.show();
    QSignalSpy shown(&panel, &DocumentPreviewCtrl::Shown);
    panel.SetPath(pdf);
    ASSERT_TRUE(shown.wait(kWaitMs));
    QTest::mouseClick(panel.Picture(), Qt::LeftButton);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Unable to open the document:\n\n" + FormatOpenError(kOpenNoAssociation));
    EXPECT_EQ(recorder.messages[0].caption, "Desklet");
    EXPECT_EQ(recorder.messages[0].type, MB_ICONEXCLAMATION);
}

// The middle of what is drawn of the line, in the panel's coordinates.
int InkCentre(QLabel& line) {
    const QImage image = line.grab().toImage();
    const QRgb background = image.pixel(0, 0);
    int left = image.width();
    int right = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return line.geometry().left() + (left + right) / 2;
}

TEST(DocumentPreviewCtrl, TheLineStaysCentredInItsPlaceWithOrWithoutAPicture) {
    TempDir dir;
    const QString pdf = QString::fromStdString((dir.path() / "report.pdf").string());
    ASSERT_TRUE(WritePdf(pdf, 3));
    const QString text = QString::fromStdString(dir.WriteFile("notes.txt", "words").string());
    DocumentPreviewCtrl panel;
    panel.Loader().SetSettleTime(0);
    panel.resize(300, 300);
    panel.show();
    QSignalSpy shown(&panel, &DocumentPreviewCtrl::Shown);
    std::optional<int> top;
    for (const auto& [path, line] : {std::pair{pdf, "3 pages"}, std::pair{text, "Pages: unknown"},
                                     std::pair{pdf + QStringLiteral(".gone"), "The file cannot be read"}}) {
        panel.SetPath(path);
        ASSERT_TRUE(shown.wait(kWaitMs)) << line;
        ASSERT_EQ(panel.Line()->text(), QString::fromLatin1(line));
        QApplication::sendPostedEvents();
        EXPECT_NEAR(InkCentre(*panel.Line()), panel.Picture()->geometry().center().x(), 2) << line;
        if (!top) {
            top = panel.Line()->geometry().top();
        }
        EXPECT_EQ(panel.Line()->geometry().top(), *top) << line << ": where the page count was";
    }
}

} // namespace
