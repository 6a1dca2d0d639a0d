#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "phonebook/ui/PhoneBookCompletion.h"
#include "phonebook/ui/PhoneBookDlg.h"
#include "support/DialogRecorder.h"
#include "support/SamplePhoneBook.h"
#include "support/TempDir.h"
#include "support/TestDirectoryServer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace desklet;
using namespace desklet::test;

namespace {

// The fax dialog over the sample phone book, with an account set up.
class PhoneBookWindow : public testing::Test {
protected:
    TempSettingsHome settings;
    TempDataHome data;
    DialogRecorder recorder;
    std::string program = "desklet";
    char* argv[1] = {program.data()};
    int argc = 1;
    std::unique_ptr<CFaxClientApp> app;

    void SetUp() override {
        ASSERT_TRUE(StoreSamplePhoneBook());
        std::filesystem::create_directories(settings.path() / "Quillmark");
        std::ofstream(settings.path() / "Quillmark" / "Desklet.conf") << "[Config]\nlogon=acme\n";
        app = std::make_unique<CFaxClientApp>(argc, argv);
        app->ReadCommandLine();
    }

    // The stored settings name the server as the company directory.
    void UseDirectory(const TestDirectoryServer& server) {
        std::ofstream(settings.path() / "Quillmark" / "Desklet.conf")
            << "[Config]\nlogon=acme\nldap_url=" << server.ldapUrl() << "\nldap_base=" << TestDirectoryServer::kBase
            << "\n";
    }

    void Work(QDialog& window);
    void Complete(CFaxClientDlg& dialog, std::vector<std::string>& added);

    static std::vector<std::string> Entries(CFaxClientDlg& dialog) {
        auto* list = qobject_cast<QListWidget*>(dialog.GetDlgItem(CFaxClientDlg::IDC_RECIPIENTS));
        std::vector<std::string> entries;
        for (int i = 0; i < list->count(); ++i) {
            entries.push_back(list->item(i)->text().toStdString());
        }
        return entries;
    }
};

TEST_F(PhoneBookWindow, SearchChooseAndAddFromTheKeyboard) {
    CFaxClientDlg dialog;
    std::vector<std::string> added;
    recorder.ExpectModal([&](QDialog& main) {
        auto* open = qobject_cast<QPushButton*>(dialog.GetDlgItem(CFaxClientDlg::IDC_PHONE_BOOK));
        ASSERT_NE(open, nullptr);
        EXPECT_TRUE(open->text().startsWith(QStringLiteral("Phone Book")));
        open->setFocus(Qt::TabFocusReason);
        QTest::keyClick(open, Qt::Key_Space);
        added = Entries(dialog);
        PressCancel(main);
    });
    recorder.ExpectModal([&](QDialog& window) {
        Work(window);
        PressCancel(window);
    });
    dialog.DoModal();
    EXPECT_EQ(added, (std::vector<std::string>{"2125551212", "3125550000"}));
    EXPECT_TRUE(recorder.messages.empty());
}

// Works the phone book's window as a person at the keyboard would.
void PhoneBookWindow::Work(QDialog& window) {
    auto& phoneBook = static_cast<PhoneBookDlg&>(window);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }));
    {
        QLineEdit* search = phoneBook.SearchField();
        ASSERT_TRUE(search->hasFocus());
        // Typing goes on while the look-up runs; the list shows the last text's rows.
        QTest::keyClicks(search, QStringLiteral("STONE"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return phoneBook.Settled(); }, 10000));
        ASSERT_EQ(phoneBook.List()->topLevelItemCount(), 1);
        EXPECT_EQ(phoneBook.List()->topLevelItem(0)->text(0), QStringLiteral("Bob Stone"));
        // Down into the list chooses the first row; Enter adds it.
        QTest::keyClick(search, Qt::Key_Down);
        ASSERT_TRUE(phoneBook.List()->hasFocus());
        QTest::keyClick(phoneBook.List(), Qt::Key_Return);
        // A group adds its members' numbers.
        search->setFocus();
        search->selectAll();
        QTest::keyClicks(search, QStringLiteral("sales"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return phoneBook.Settled(); }, 10000));
        QTest::keyClick(search, Qt::Key_Down);
        QTest::keyClick(phoneBook.List(), Qt::Key_Return);
    }
}

// Types into the number field and takes the completion's entry by the keyboard.
void PhoneBookWindow::Complete(CFaxClientDlg& dialog, std::vector<std::string>& added) {
    auto* field = qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_NUMBER));
    auto* completion = dialog.findChild<PhoneBookCompletion*>();
    ASSERT_NE(completion, nullptr);
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    field->setFocus();
    // A company's name completes to its people's numbers.
    QTest::keyClicks(field, QStringLiteral("acm"));
    QAbstractItemView* popup = completion->Completer()->popup();
    ASSERT_TRUE(QTest::qWaitFor([&] { return completion->Settled() && popup->isVisible(); }, 10000));
    ASSERT_EQ(popup->model()->rowCount(), 1);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Entries(dialog).empty(); }, 10000));
    added = Entries(dialog);
    EXPECT_EQ(field->text(), QString());
}

TEST_F(PhoneBookWindow, TheNumberFieldCompletesANameAndAddsItsNumber) {
    CFaxClientDlg dialog;
    std::vector<std::string> added;
    recorder.ExpectModal([&](QDialog& main) {
        Complete(dialog, added);
        PressCancel(main);
    });
    dialog.DoModal();
    EXPECT_EQ(added, (std::vector<std::string>{"2125551212"}));
    EXPECT_TRUE(recorder.messages.empty());
}

// The company directory's people join the completion, marked, when the search
// off the interface thread answers; choosing one adds its number.
TEST_F(PhoneBookWindow, TheNumberFieldCompletesFromTheDirectory) {
    TestDirectoryServer server(TestDirectoryServer::OnePerson("Anna Field", "Field Works", "+1 212 555 3000"));
    ASSERT_TRUE(server.ok()) << server.error();
    UseDirectory(server);
    CFaxClientDlg dialog;
    std::vector<std::string> added;
    QString shown;
    recorder.ExpectModal([&](QDialog& main) {
        auto* field = qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_NUMBER));
        auto* completion = dialog.findChild<PhoneBookCompletion*>();
        ASSERT_NE(completion, nullptr);
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("field"));
        QAbstractItemView* popup = completion->Completer()->popup();
        ASSERT_TRUE(QTest::qWaitFor([&] { return completion->Settled() && popup->isVisible(); }, 10000));
        ASSERT_EQ(popup->model()->rowCount(), 1);
        shown = popup->model()->index(0, 0).data().toString();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Entries(dialog).empty(); }, 10000));
        added = Entries(dialog);
        PressCancel(main);
    });
    dialog.DoModal();
    EXPECT_EQ(shown, QStringLiteral("Anna Field, Field Works - 12125553000 (directory)"));
    EXPECT_EQ(added, (std::vector<std::string>{"12125553000"}));
    EXPECT_TRUE(recorder.messages.empty());
}

// The phone book's window shows the directory's people too, marked; Copy to
// Phone Book stores the chosen one as a contact with a work fax number.
TEST_F(PhoneBookWindow, CopiesADirectoryEntryIntoThePhoneBook) {
    TestDirectoryServer server(TestDirectoryServer::OnePerson("Anna Field", "Field Works", "+1 212 555 3000"));
    ASSERT_TRUE(server.ok()) << server.error();
    UseDirectory(server);
    CFaxClientDlg dialog;
    std::vector<QStringList> shown;
    recorder.ExpectModal([&](QDialog& main) {
        auto* open = qobject_cast<QPushButton*>(dialog.GetDlgItem(CFaxClientDlg::IDC_PHONE_BOOK));
        QTest::mouseClick(open, Qt::LeftButton);
        PressCancel(main);
    });
    recorder.ExpectModal([&](QDialog& window) {
        auto& phoneBook = static_cast<PhoneBookDlg&>(window);
        auto rows = [&] {
            QStringList texts;
            for (int i = 0; i < phoneBook.List()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = phoneBook.List()->topLevelItem(i);
                texts.append(item->text(0) + QLatin1Char('|') + item->text(3));
            }
            return texts;
        };
        QTest::keyClicks(phoneBook.SearchField(), QStringLiteral("field"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return phoneBook.Settled(); }, 10000));
        shown.push_back(rows());
        ASSERT_EQ(phoneBook.List()->topLevelItemCount(), 1);
        phoneBook.List()->topLevelItem(0)->setSelected(true);
        QTest::mouseClick(qobject_cast<QPushButton*>(phoneBook.GetDlgItem(PhoneBookDlg::IDC_COPY_TO_PHONE_BOOK)),
                          Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return phoneBook.Settled() && rows().size() == 2; }, 10000));
        shown.push_back(rows());
        PressCancel(window);
    });
    dialog.DoModal();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (QStringList{QStringLiteral("Anna Field|directory")}));
    EXPECT_EQ(shown[1], (QStringList{QStringLiteral("Anna Field|work"), QStringLiteral("Anna Field|directory")}));
    EXPECT_TRUE(recorder.messages.empty());
}

} // namespace
