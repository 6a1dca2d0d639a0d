#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "outbox/Outbox.h"
#include "outbox/ui/OutboxDlg.h"
#include "outbox/ui/SentFaxesDlg.h"
#include "phonebook/Database.h"
#include "phonebook/ui/ContactEditDlg.h"
#include "phonebook/ui/GroupEditDlg.h"
#include "phonebook/ui/PhoneBookDlg.h"
#include "settings/ui/CConfigSheet.h"
#include "support/DialogRecorder.h"
#include "support/FakeDesktop.h"
#include "support/PseudoTranslator.h"
#include "support/SamplePhoneBook.h"
#include "support/TempDir.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

using namespace desklet;
using namespace desklet::test;

namespace {

// A longer language than any we ship: each text a third longer, its vowels
// accented, its %1, %n, & mnemonics and rich-text tags kept.
QString Lengthen(const QString& text) {
    static const QString plain = QStringLiteral("aeiouAEIOU");
    static const QString accented = QStringLiteral("áéîõüÁÉÎÕÜ");
    QString out;
    bool inTag = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        inTag = c == QLatin1Char('<') ? true : (c == QLatin1Char('>') ? false : inTag);
        const bool kept = inTag || (i > 0 && (text[i - 1] == QLatin1Char('%') || text[i - 1] == QLatin1Char('&')));
        const qsizetype at = plain.indexOf(c);
        out += (kept || at < 0) ? c : accented[at];
    }
    QString pad;
    for (qsizetype i = 0; i < text.size() / 3; ++i) {
        pad += QStringLiteral("ÿ")[0];
    }
    // Padding after the last line, before any trailing newline or space.
    qsizetype end = out.size();
    while (end > 0 && out[end - 1].isSpace()) {
        --end;
    }
    out.insert(end, pad);
    return out;
}

// What a label or a button shows: without the & of a mnemonic, widest line first.
QString Shown(const QString& text, bool rich) {
    QString shown = rich ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(QLatin1Char('&'));
    shown.replace(QChar(1), QLatin1Char('&'));
    return shown;
}

int Widest(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// What a button of this kind spends beside its text (margins, the check box's box),
// measured on a text long enough that no minimum width hides it.
int ButtonFrame(const QAbstractButton& button) {
    std::unique_ptr<QAbstractButton> probe;
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        probe = std::make_unique<QCheckBox>();
    } else if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        probe = std::make_unique<QRadioButton>();
    } else {
        probe = std::make_unique<QPushButton>();
    }
    probe->setFont(button.font());
    const QString text(60, QLatin1Char('M'));
    probe->setText(text);
    return probe->sizeHint().width() - QFontMetrics(button.font()).horizontalAdvance(text);
}

// The letter a text's & underlines, upper case; none without one.
QChar AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] != QLatin1Char('&')) {
                return text[i + 1].toUpper();
            }
            ++i;
        }
    }
    return {};
}

// Every access key that two texts of one level share: Alt and the letter reach only
// one of them. A level is the window (its menu bar's titles included) or one menu.
void FindSharedKeys(QWidget& window, const std::string& language, std::vector<std::string>& shared) {
    std::map<std::pair<const QWidget*, char16_t>, QString> owners;
    auto add = [&](const QWidget* level, const QString& text) {
        const QChar key = AccessKey(text);
        if (key.isNull()) {
            return;
        }
        const auto [owner, fresh] = owners.emplace(std::make_pair(level, key.unicode()), text);
        if (!fresh) {
            shared.push_back(language + ": " + window.windowTitle().toStdString() + " / Alt+" +
                             QString(key).toStdString() + " for \"" + owner->second.toStdString() + "\" and \"" +
                             text.toStdString() + "\"");
        }
    };
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            // Without a buddy a label's & is no access key.
            if (label->buddy() != nullptr) {
                add(&window, label->text());
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add(&window, button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add(&window, group->title());
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(&window, tabs->tabText(i));
            }
        } else if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* title : bar->actions()) {
                add(&window, title->text());
                if (const QMenu* menu = title->menu()) {
                    for (const QAction* item : menu->actions()) {
                        add(menu, item->text());
                    }
                }
            }
        }
    }
}

// Every text of the window that is cut off: wider than the room its widget gives it;
// and every access key two of its texts share.
int FindClipped(QWidget& window, const std::string& language, std::vector<std::string>& clipped) {
    int checked = 0;
    window.show();
    if (window.layout() != nullptr) {
        window.layout()->activate();
    }
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&window) || widget->objectName().startsWith(QLatin1String("qt_"))) {
            continue;
        }
        const QFontMetrics metrics(widget->font());
        auto check = [&](const QString& text, int room) {
            const int needed = Widest(metrics, text);
            checked += text.isEmpty() ? 0 : 1;
            if (!text.isEmpty() && needed > room) {
                clipped.push_back(language + ": " + window.windowTitle().toStdString() + " / " +
                                  widget->metaObject()->className() + " \"" + text.toStdString() + "\" needs " +
                                  std::to_string(needed) + " px, has " + std::to_string(room));
            }
        };
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (!label->wordWrap() && label->pixmap().isNull()) {
                const bool rich = label->textFormat() == Qt::RichText ||
                                  (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
                check(Shown(label->text(), rich), label->contentsRect().width() - 2 * std::max(0, label->margin()));
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            check(Shown(button->text(), false), button->contentsRect().width() - ButtonFrame(*button));
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            check(Shown(group->title(), false), group->contentsRect().width() - 2 * metrics.averageCharWidth());
        } else if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int i = 0; i < header->count(); ++i) {
                check(header->model()->headerData(i, header->orientation()).toString(),
                      header->sectionSize(i) - 2 * margin);
            }
        } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
            const int padding = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
            for (int i = 0; i < tabs->count(); ++i) {
                check(Shown(tabs->tabText(i), false), tabs->tabRect(i).width() - padding);
            }
        }
    }
    FindSharedKeys(window, language, clipped);
    return checked;
}

class Layout : public testing::Test {
protected:
    TempSettingsHome home;
    TempDataHome data;
    TempDir files;
    DialogRecorder recorder;
    FakeDesktop desktop;
    std::vector<std::string> arguments{"desklet"};
    std::vector<char*> argv{arguments[0].data()};
    int argc = 1;
    std::unique_ptr<CFaxClientApp> app;

    void SetUp() override {
        ASSERT_TRUE(StoreSamplePhoneBook());
        StoreSampleFaxes();
        const auto folder = home.path() / "Quillmark";
        std::filesystem::create_directories(folder);
        std::ofstream(folder / "Desklet.conf") << "[Config]\nlogon=acme\n";
        app = std::make_unique<CFaxClientApp>(argc, argv.data());
        app->ReadCommandLine();
    }

    // A fax that waits, one whose fate is unknown and one sent, with the long
    // texts a server gives, so that the outbox windows have rows to measure.
    void StoreSampleFaxes() {
        const auto document = files.WriteFile("Quarterly report.pdf", "%PDF-1.4\n");
        Database database;
        ASSERT_TRUE(database.Open(Database::DefaultPath()));
        Outbox outbox(database);
        const auto finish = [&](const char* number, AttemptResult::Kind kind, AttemptResult::Mail::State state,
                                const char* reply) {
            FaxJob job;
            job.recipients = {number};
            const auto claim = outbox.Record(job, document.string(), CMapStringToString());
            ASSERT_TRUE(claim);
            AttemptResult result;
            result.kind = kind;
            result.mails = {{{number}, std::string("<") + number + "@desklet.example>", state, reply}};
            result.error = reply;
            ASSERT_TRUE(outbox.Finish(*claim, result));
        };
        finish("2125551212", AttemptResult::Kind::MayPass, AttemptResult::Mail::State::NotTried,
               "451 4.3.0 Mailbox temporarily unavailable");
        finish("3125550000", AttemptResult::Kind::Unknown, AttemptResult::Mail::State::Unknown, "");
        finish("4155550199", AttemptResult::Kind::Sent, AttemptResult::Mail::State::Accepted,
               "250 2.0.0 Ok: queued as 4BXkq01");
    }

    // The window, the settings sheet's every page, About, Online Help, the phone
    // book and its two editors, the outbox and the sent faxes.
    std::vector<std::string> ClippedTexts(const std::string& language) {
        std::vector<std::string> clipped;
        int checked = 0;
        CFaxClientDlg dialog;
        recorder.ExpectModal([&](QDialog& d) {
            checked += FindClipped(d, language, clipped);
            dialog.commandAction(CFaxClientDlg::ID_ACCOUNT_SETTINGS)->trigger();
            dialog.commandAction(CFaxClientDlg::ID_APP_ABOUT)->trigger();
            dialog.commandAction(CFaxClientDlg::ID_ONLINE_HELP)->trigger();
            PressCancel(d);
        });
        recorder.ExpectModal([&](QDialog& d) {
            auto& sheet = dynamic_cast<CConfigSheet&>(d);
            for (int i = 0; i < sheet.GetPageCount(); ++i) {
                EXPECT_TRUE(sheet.SetActivePage(i));
                checked += FindClipped(sheet, language, clipped);
            }
            PressCancel(d);
        });
        for (int i = 0; i < 2; ++i) {
            recorder.ExpectModal([&](QDialog& d) {
                checked += FindClipped(d, language, clipped);
                PressCancel(d);
            });
        }
        dialog.DoModal();
        for (int i = 0; i < 5; ++i) {
            recorder.ExpectModal([&](QDialog& d) {
                checked += FindClipped(d, language, clipped);
                PressCancel(d);
            });
        }
        PhoneBookDlg(Database::DefaultPath()).DoModal();
        ContactEditDlg(Contact{}).DoModal();
        GroupEditDlg(Group{}, {}).DoModal();
        OutboxDlg outbox(Database::DefaultPath());
        outbox.DoModal();
        EXPECT_EQ(outbox.List()->topLevelItemCount(), 2) << language;
        SentFaxesDlg sent(Database::DefaultPath());
        sent.DoModal();
        EXPECT_EQ(sent.List()->topLevelItemCount(), 3) << language;
        EXPECT_EQ(recorder.modalRuns.size(), 9u) << language;
        recorder.modalRuns.clear();
        EXPECT_GT(checked, 50) << language << ": the dialogs' texts were measured";
        return clipped;
    }
};

// No text of a dialog is cut off, in English, in each language the program ships,
// and in a made-up one a third longer than English.
TEST_F(Layout, NoTextIsCutOffInAnyLanguage) {
    std::vector<std::string> clipped;
    for (const char* language : {"en", "de", "fr", "es", "ja", "pseudo"}) {
        QTranslator catalogue;
        std::unique_ptr<PseudoTranslator> pseudo;
        if (std::string(language) == "pseudo") {
            pseudo = std::make_unique<PseudoTranslator>(Lengthen);
        } else if (std::string(language) != "en") {
            ASSERT_TRUE(catalogue.load(QStringLiteral(DESKLET_CATALOGUES "/desklet_") + QLatin1String(language)))
                << language;
            QCoreApplication::installTranslator(&catalogue);
        }
        const std::vector<std::string> found = ClippedTexts(language);
        clipped.insert(clipped.end(), found.begin(), found.end());
        QCoreApplication::removeTranslator(&catalogue);
    }
    for (const std::string& text : clipped) {
        ADD_FAILURE() << text;
    }
}

} // namespace
