#include "controls/CDocumentPreviewCtrl.h"
#include "controls/FakeDesktop.h"
#include "preview/PreviewLoader.h"
#include "support/SampleDocuments.h"
#include "support/TempDir.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

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

    CDocumentPreviewCtrl panel;
    panel.Loader().SetSettleTime(0);
    panel.show();
    QSignalSpy shown(&panel, &CDocumentPreviewCtrl::Shown);
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

} // namespace
