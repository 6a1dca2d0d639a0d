#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "controls/COnlineHelpDlg.h"
#include "settings/ui/CConfigSheet.h"
#include "support/DialogRecorder.h"
#include "support/FakeDesktop.h"
#include "support/PseudoTranslator.h"
#include "support/TempDir.h"

#include "DeskletConfig.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

using namespace desklet;
using namespace desklet::test;

namespace {

// Texts a person sees that are not ours to translate, each with its reason.
const std::map<QString, const char*>& AllowList() {
    static const std::map<QString, const char*> list = {
        {QString::fromUtf8(config::Telephone.data(), static_cast<qsizetype>(config::Telephone.size())),
         "the service's telephone number: data"},
        {QStringLiteral("STARTTLS"), "a protocol's name, the same in every language"},
        {QStringLiteral("SSL/TLS"), "a protocol's name, the same in every language"},
        {QStringLiteral("Desklet"), "the caption of the framework's boxes: the program's name"},
        {QStringLiteral("http://") + QString::fromUtf8(config::WebHost.data(), config::WebHost.size()) +
             QStringLiteral("/"),
         "the web site's address, the tool tip of its link: data"},
        {QString::fromStdString(COnlineHelpDlg::HelpPageURL()), "the help page's address, its link's tool tip: data"},
    };
    return list;
}

// Every text of the window and its children that a person sees or hears, with
// where it was found; the user's own data (the fields' text, the recipients) left out.
void CollectTexts(QWidget& window, std::vector<std::pair<std::string, QString>>& texts) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        // Qt's own parts (a line edit's clear button, a tab bar's scroll buttons),
        // which Qt's own translation covers.
        if (widget->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QTabBar*>(widget->parentWidget()) != nullptr) {
            continue;
        }
        const std::string where = window.windowTitle().toStdString() + " / " + widget->metaObject()->className() + " " +
                                  widget->objectName().toStdString();
        auto add = [&](const char* what, const QString& text) {
            if (!text.isEmpty()) {
                texts.emplace_back(where + " " + what, text);
            }
        };
        if (widget->isWindow()) {
            add("title", widget->windowTitle());
        }
        add("tool tip", widget->toolTip());
        add("accessible name", widget->accessibleName());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            add("text", label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add("text", button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add("title", group->title());
        } else if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            add("placeholder", line->placeholderText());
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) {
            add("placeholder", plain->placeholderText());
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                add("item", combo->itemText(i));
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add("tab", tabs->tabText(i));
            }
        } else if (auto* menus = qobject_cast<QMenuBar*>(widget)) {
            for (QAction* menu : menus->actions()) {
                add("menu", menu->text());
                for (QAction* action : menu->menu() != nullptr ? menu->menu()->actions() : QList<QAction*>{}) {
                    add("command", action->text());
                }
            }
        }
    }
}

class TranslatedTexts : public testing::Test {
protected:
    TempSettingsHome home;
    DialogRecorder recorder;
    FakeDesktop desktop;
    std::vector<std::string> arguments{"desklet"};
    std::vector<char*> argv{arguments[0].data()};
    int argc = 1;
    std::unique_ptr<CFaxClientApp> app;
    std::vector<std::pair<std::string, QString>> texts;

    void SetUp() override {
        const auto folder = home.path() / "Quillmark";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "Desklet.conf") << "[Config]\nlogon=acme\n";
        app = std::make_unique<CFaxClientApp>(argc, argv.data());
        app->ReadCommandLine();
    }
};

// One road through the window under a made-up translation: the main dialog, the
// settings sheet's pages, About, Online Help and the boxes of a refused number and
// of a link the desktop cannot open. A text that did not pass through tr() shows
// up unmarked.
TEST_F(TranslatedTexts, EveryTextOfTheWindowPassesThroughTheTranslation) {
    PseudoTranslator translator;
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        CollectTexts(dialog, texts);
        // A number that breaks a rule.
        auto* number = qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_NUMBER));
        number->setText(QStringLiteral("12"));
        qobject_cast<QAbstractButton*>(dialog.GetDlgItem(CFaxClientDlg::IDC_ADD))->click();
        // A link that the desktop cannot open.
        auto* link = dialog.GetDlgItem(CFaxClientDlg::IDC_WEB_SITE);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, link->height() / 2));
        (void)QTest::qWaitFor([&] { return recorder.messages.size() >= 2; });
        dialog.commandAction(CFaxClientDlg::ID_ACCOUNT_SETTINGS)->trigger();
        dialog.commandAction(CFaxClientDlg::ID_APP_ABOUT)->trigger();
        dialog.commandAction(CFaxClientDlg::ID_ONLINE_HELP)->trigger();
        PressCancel(d);
    });
    recorder.ExpectModal([&](QDialog& d) {
        auto& sheet = dynamic_cast<CConfigSheet&>(d);
        for (int i = 0; i < sheet.GetPageCount(); ++i) {
            ASSERT_TRUE(sheet.SetActivePage(i));
            CollectTexts(sheet, texts);
        }
        PressCancel(d);
    });
    for (int i = 0; i < 2; ++i) {
        recorder.ExpectModal([&](QDialog& d) {
            CollectTexts(d, texts);
            PressCancel(d);
        });
    }
    dialog.DoModal();

    EXPECT_EQ(recorder.modalRuns.size(), 4u);
    ASSERT_EQ(recorder.messages.size(), 2u) << "a refused number and a link the desktop cannot open";
    for (const DialogServices::MessageBoxRequest& box : recorder.messages) {
        texts.emplace_back("box", QString::fromStdString(box.text));
        texts.emplace_back("box caption", QString::fromStdString(box.caption));
    }
    for (const auto& [where, text] : texts) {
        if (AllowList().count(text) == 0) {
            EXPECT_TRUE(PseudoTranslator::IsMarked(text)) << where << ": \"" << text.toStdString() << '"';
        }
    }
    EXPECT_GT(texts.size(), 60u);
}

} // namespace
