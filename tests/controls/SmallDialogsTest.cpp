#include "DeskletConfig.h"
#include "controls/CAboutDlg.h"
#include "controls/COnlineHelpDlg.h"
#include "support/DialogRecorder.h"
#include "support/FakeDesktop.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace desklet;
using namespace desklet::test;

namespace {

QLabel* labelNamed(QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name));
}

TEST(CAboutDlg, ShowsIconNameVersionAndNoticeAndClosesWithOk) {
    DialogRecorder recorder;
    bool checked = false;
    recorder.ExpectModal([&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "About Quillmark Tarvel");
        ASSERT_NE(labelNamed(dialog, "versionText"), nullptr);
        EXPECT_EQ(labelNamed(dialog, "versionText")->text(), "Desklet Version 1.12.4.a");
        ASSERT_NE(labelNamed(dialog, "legalNotice"), nullptr);
        EXPECT_FALSE(labelNamed(dialog, "legalNotice")->text().isEmpty());
        ASSERT_NE(labelNamed(dialog, "applicationIcon"), nullptr);
        EXPECT_FALSE(labelNamed(dialog, "applicationIcon")->pixmap().isNull());
        auto* ok = qobject_cast<QPushButton*>(static_cast<CDialog&>(dialog).GetDlgItem(IDOK));
        ASSERT_NE(ok, nullptr);
        EXPECT_TRUE(ok->isDefault());
        checked = true;
        ok->click();
    });
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_TRUE(checked);
}

TEST(COnlineHelpDlg, LinkOpensTheHelpPageAndTheDialogStaysOpen) {
    EXPECT_EQ(COnlineHelpDlg::HelpPageURL(), "http://" + std::string(config::WebHost) + "/Desklet/Help");

    FakeDesktop desktop;
    desktop.openerSucceeds = true;
    DialogRecorder recorder;
    bool checked = false;
    recorder.ExpectModal([&](QDialog& dialog) {
        auto& help = static_cast<COnlineHelpDlg&>(dialog);
        EXPECT_EQ(help.windowTitle(), "Online Help");
        ASSERT_EQ(help.GetDlgItem(COnlineHelpDlg::IDC_HELP_LINK), &help.m_linkHelp);
        EXPECT_EQ(help.m_linkHelp.text(), "CLICK HERE TO VIEW THE ONLINE HELP");
        EXPECT_EQ(help.m_linkHelp.toolTip().toStdString(), COnlineHelpDlg::HelpPageURL());
        EXPECT_EQ(help.m_linkHelp.cursor().shape(), Qt::PointingHandCursor);
        EXPECT_FALSE(help.m_linkHelp.m_bVisitedLink);
        ASSERT_NE(labelNamed(dialog, "explanation"), nullptr);
        EXPECT_EQ(labelNamed(dialog, "explanation")->text(),
                  "Viewing the online help requires that you are connected to the Internet and you have a web "
                  "browser installed.  If after reading the online help you require further assistance, or to "
                  "subscribe to Quillmark services, call:");
        ASSERT_NE(labelNamed(dialog, "telephone"), nullptr);
        EXPECT_EQ(labelNamed(dialog, "telephone")->text().toStdString(), std::string(config::Telephone));

        QTest::mouseClick(&help.m_linkHelp, Qt::LeftButton);
        EXPECT_TRUE(help.m_linkHelp.m_bVisitedLink);
        EXPECT_TRUE(help.IsModalRunning());
        checked = true;
        PressCancel(dialog);
    });
    COnlineHelpDlg help;
    EXPECT_EQ(help.DoModal(), IDCANCEL);
    EXPECT_TRUE(checked);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open " + COnlineHelpDlg::HelpPageURL()}));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(COnlineHelpDlg, ReopenedDialogShowsTheLinkNotVisited) {
    FakeDesktop desktop;
    desktop.openerSucceeds = true;
    DialogRecorder recorder;
    for (int run = 0; run < 2; ++run) {
        recorder.ExpectModal([&](QDialog& dialog) {
            auto& help = static_cast<COnlineHelpDlg&>(dialog);
            EXPECT_EQ(help.m_linkHelp.CurrentTextColor(), help.m_linkHelp.m_crLink) << "run " << run;
            QTest::mouseClick(&help.m_linkHelp, Qt::LeftButton);
            PressCancel(dialog);
        });
        COnlineHelpDlg help;
        help.DoModal();
    }
    EXPECT_EQ(desktop.calls.size(), 2U);
}

} // namespace
