#include "settings/ui/CConfigSheet.h"

#include "settings/SettingsStore.h"

#include "framework/WinConstants.h"
#include "support/DialogRecorder.h"
#include "support/FakeKeyring.h"
#include "support/ProgramRun.h"
#include "support/UserPaste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace desklet {
namespace {

using Page = CPropertyPage_AccountSettingsLogon;
using Mail = CPropertyPage_SMTP_Settings;
using test::DialogRecorder;
using test::PressCancel;
using test::PressOk;

constexpr const char* kNineKeys[] = {"logon",
                                     "password",
                                     "stationid",
                                     "email_on_delivered",
                                     "email_on_not_delivered",
                                     "email_on_queued",
                                     "email_on_not_queued",
                                     "smtp",
                                     "smtp_port"};

// The sheet over a settings map; each save copies the map into `stored`, which
// stands in for the file on disk.
class SheetTest : public testing::Test {
protected:
    CMapStringToString settings;
    std::map<std::string, std::string> stored;
    int saves = 0;
    DialogRecorder recorder;
    std::shared_ptr<test::FakeKeyring> keyring = std::make_shared<test::FakeKeyring>();
    CConfigSheet sheet{"Quillmark",
                       nullptr,
                       0,
                       settings,
                       [this] {
                           ++saves;
                           stored.clear();
                           for (const auto& [key, value] : settings) {
                               stored[key] = value;
                           }
                       },
                       PasswordVault(keyring)};

    QLineEdit* Field(CPropertyPage& page, int id) { return qobject_cast<QLineEdit*>(page.GetDlgItem(id)); }
    QPushButton* Button(const char* text) {
        for (QPushButton* button : sheet.findChildren<QPushButton*>()) {
            if (button->text().remove('&') == text) {
                return button;
            }
        }
        return nullptr;
    }
    void Type(QLineEdit* field, const char* text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    // Enter on a control that has the focus, in the sheet as the active window.
    void PressEnterOn(QWidget* control) {
        sheet.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &sheet; }));
        control->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(control->hasFocus());
        QTest::keyClick(control, Qt::Key_Return);
    }
    std::string Stored(const char* key) const {
        const auto found = stored.find(key);
        return found == stored.end() ? "<absent>" : found->second;
    }
};

TEST_F(SheetTest, FirstRunOpensOnTheAccountPageWithOnlyThePortFilled) {
    recorder.ExpectModal([&](QDialog&) {
        EXPECT_EQ(sheet.windowTitle(), "Quillmark Tarvel Setup") << "named like the main dialog";
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        for (const int id : {Page::IDC_LOGON, Page::IDC_PASSWORD, Page::IDC_CONFIRM_PASSWORD, Page::IDC_STATION_ID}) {
            ASSERT_NE(Field(sheet.m_pageAccount, id), nullptr) << id;
            EXPECT_EQ(Field(sheet.m_pageAccount, id)->text(), "") << id;
        }
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_PASSWORD)->echoMode(), QLineEdit::Password);
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_CONFIRM_PASSWORD)->echoMode(), QLineEdit::Password);
        EXPECT_FALSE(sheet.m_pageMailServer.IsWindowCreated()) << "a page is built when it is first shown";
        ASSERT_TRUE(sheet.SetActivePage(2));
        EXPECT_EQ(Field(sheet.m_pageMailServer, CPropertyPage_SMTP_Settings::IDC_SMTP_PORT)->text(), "25");
        EXPECT_FALSE(sheet.m_pageConfirmations.IsWindowCreated());
        EXPECT_FALSE(Button("Apply")->isEnabled()) << "filling the fields is no change";
        PressCancel(sheet);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(saves, 0);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(SheetTest, StoredPasswordFillsBothFieldsAndPassesOk) {
    settings["password"] = "s3cret";
    settings["logon"] = "acme";
    recorder.ExpectModal([&](QDialog&) {
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_PASSWORD)->text(), "s3cret");
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_CONFIRM_PASSWORD)->text(), "s3cret");
        Button("OK")->click();
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(recorder.messages.empty());
    for (const char* key : kNineKeys) {
        EXPECT_NE(Stored(key), "<absent>") << key << " is written by OK";
    }
    EXPECT_EQ(Stored("password"), "s3cret");
    EXPECT_EQ(Stored("smtp_port"), "25");
}

TEST_F(SheetTest, MismatchedPasswordKeepsTheSheetOpenButTheValuesAreStored) {
    settings["password"] = "s3cret";
    bool stillOpen = false;
    recorder.ExpectModal([&](QDialog&) {
        Type(Field(sheet.m_pageAccount, Page::IDC_CONFIRM_PASSWORD), "x");
        EXPECT_FALSE(Button("Apply")->isEnabled()) << "Confirm Password is no setting";
        Type(Field(sheet.m_pageAccount, Page::IDC_LOGON), "newname");
        Button("OK")->click();
        stillOpen = sheet.IsModalRunning();
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        PressCancel(sheet);
    });
    sheet.DoModal();
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, Page::kPasswordMismatchText);
    EXPECT_EQ(recorder.messages[0].caption, Page::kPasswordMismatchCaption);
    EXPECT_EQ(recorder.messages[0].type, unsigned{MB_OK});
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(Stored("logon"), "newname");
    EXPECT_EQ(Stored("password"), "s3cret");
}

struct StationCase {
    const char* typed;
    const char* shown;
    bool refused;
};

TEST_F(SheetTest, StationIdRefusesTheListedPunctuationOnly) {
    const StationCase cases[] = {
        {"ACCT7", "ACCT7", false},
        {"AC-CT", "AC-CT", true},
        {"AC CT", "AC CT", true},
        {"AC_CT", "AC_CT", false},
        {"a;b[c]|d", "a;b[c]|d", false},
        {"12345678901", "1234567890", false},
        {"", "", false},
        {"x'y", "x'y", true},
    };
    for (const StationCase& c : cases) {
        recorder.messages.clear();
        bool closed = false;
        recorder.ExpectModal([&](QDialog&) {
            QLineEdit* station = Field(sheet.m_pageAccount, Page::IDC_STATION_ID);
            station->clear();
            Type(station, c.typed);
            EXPECT_EQ(station->text().toStdString(), c.shown) << "ten characters at most";
            // Leaving the page runs the same check as OK.
            sheet.GetTabControl()->setCurrentIndex(1);
            closed = sheet.GetActiveIndex() == 1;
            PressCancel(sheet);
        });
        sheet.DoModal();
        EXPECT_EQ(closed, !c.refused) << c.typed;
        EXPECT_EQ(recorder.messages.size(), c.refused ? 1u : 0u) << c.typed;
        if (c.refused && !recorder.messages.empty()) {
            EXPECT_EQ(recorder.messages[0].caption, Page::kInvalidStationIdCaption);
            EXPECT_EQ(recorder.messages[0].text, Page::kInvalidStationIdText);
        }
        settings.RemoveAll();
        sheet.m_pageAccount.m_strStationID.clear();
    }
}

TEST_F(SheetTest, ApplyOfTheMailServerKeepsItInMemoryUntilOk) {
    settings["smtp"] = "old.example";
    stored["smtp"] = "old.example";
    recorder.ExpectModal([&](QDialog&) {
        sheet.SetActivePage(2);
        QLineEdit* server = Field(sheet.m_pageMailServer, CPropertyPage_SMTP_Settings::IDC_SMTP_SERVER);
        server->selectAll();
        Type(server, "new.example");
        EXPECT_TRUE(Button("Apply")->isEnabled());
        Button("Apply")->click();
        EXPECT_TRUE(sheet.IsModalRunning());
        EXPECT_EQ(settings.LookupOrEmpty("smtp"), "new.example");
        EXPECT_EQ(Stored("smtp"), "old.example") << "the mail-server page does not save on Apply";
        PressCancel(sheet);
    });
    sheet.DoModal();
    EXPECT_EQ(settings.LookupOrEmpty("smtp"), "new.example");
    EXPECT_EQ(Stored("smtp"), "old.example") << "Cancel leaves the store as it was";

    recorder.ExpectModal([&](QDialog&) { Button("OK")->click(); });
    sheet.DoModal();
    EXPECT_EQ(Stored("smtp"), "new.example");
}

TEST_F(SheetTest, TypedTextOfAnAbsentKeySurvivesACancel) {
    settings["logon"] = "acme";
    recorder.ExpectModal([&](QDialog&) {
        sheet.SetActivePage(1);
        Type(Field(sheet.m_pageConfirmations, CPropertyPage_ConfirmationSettings::IDC_QUEUED), "q@desk.example");
        Type(Field(sheet.m_pageAccount, Page::IDC_LOGON), "zzz");
        PressCancel(sheet);
    });
    sheet.DoModal();
    EXPECT_FALSE(sheet.m_pageConfirmations.IsWindowCreated()) << "page windows live for one showing";
    recorder.ExpectModal([&](QDialog&) {
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_LOGON)->text(), "acme") << "a present key wins";
        sheet.SetActivePage(1);
        EXPECT_EQ(Field(sheet.m_pageConfirmations, CPropertyPage_ConfirmationSettings::IDC_QUEUED)->text(),
                  "q@desk.example");
        PressCancel(sheet);
    });
    sheet.DoModal();
    EXPECT_EQ(saves, 0);
}

TEST_F(SheetTest, FiltersKeepTheQuoteOutAndThePortDigitsOnly) {
    recorder.ExpectModal([&](QDialog&) {
        Type(Field(sheet.m_pageAccount, Page::IDC_LOGON), "a\"b");
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_LOGON)->text(), "ab");
        Type(Field(sheet.m_pageAccount, Page::IDC_PASSWORD), "p\"w");
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_PASSWORD)->text(), "p\"w") << "a password takes anything";
        Type(Field(sheet.m_pageAccount, Page::IDC_CONFIRM_PASSWORD), "p\"w");
        ASSERT_TRUE(sheet.SetActivePage(2));
        QLineEdit* server = Field(sheet.m_pageMailServer, CPropertyPage_SMTP_Settings::IDC_SMTP_SERVER);
        Type(server, "mail \"x\".example");
        EXPECT_EQ(server->text(), "mailx.example");
        QLineEdit* port = Field(sheet.m_pageMailServer, CPropertyPage_SMTP_Settings::IDC_SMTP_PORT);
        port->clear();
        Type(port, "2a5:87");
        EXPECT_EQ(port->text(), "2587");
        PressCancel(sheet);
    });
    sheet.DoModal();
}

TEST_F(SheetTest, EnterOnTheFocusedCancelCancels) {
    recorder.ExpectModal([&](QDialog&) {
        Type(Field(sheet.m_pageAccount, Page::IDC_LOGON), "typed");
        QSignalSpy cancelled(Button("Cancel"), &QPushButton::clicked);
        PressEnterOn(Button("Cancel"));
        EXPECT_EQ(cancelled.count(), 1);
        PressCancel(sheet);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(saves, 0) << "Enter on Cancel stored the edits";
}

TEST_F(SheetTest, EnterOnTheFocusedApplyAppliesAndInAFieldPressesOk) {
    recorder.ExpectModal([&](QDialog&) {
        QLineEdit* logon = Field(sheet.m_pageAccount, Page::IDC_LOGON);
        Type(logon, "acme");
        PressEnterOn(Button("Apply"));
        EXPECT_EQ(Stored("logon"), "acme");
        EXPECT_EQ(saves, 1) << "OK was pressed instead";
        logon->end(false);
        Type(logon, "2");
        QSignalSpy ok(Button("OK"), &QPushButton::clicked);
        QTest::keyClick(logon, Qt::Key_Return);
        if (ok.count() != 1) {
            ADD_FAILURE() << "Enter in a field did not press OK";
            PressCancel(sheet);
        }
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(Stored("logon"), "acme2");
}

TEST_F(SheetTest, EveryLimitedFieldCutsAPasteToItsLimit) {
    using Mail = CPropertyPage_ConfirmationSettings;
    using Server = CPropertyPage_SMTP_Settings;
    const struct {
        int page;
        int id;
        int limit;
    } fields[] = {{0, Page::IDC_LOGON, 50},
                  {0, Page::IDC_PASSWORD, 40},
                  {0, Page::IDC_CONFIRM_PASSWORD, 40},
                  {0, Page::IDC_STATION_ID, 10},
                  {1, Mail::IDC_DELIVERED, 50},
                  {1, Mail::IDC_NOT_DELIVERED, 50},
                  {1, Mail::IDC_QUEUED, 50},
                  {1, Mail::IDC_NOT_QUEUED, 50},
                  {2, Server::IDC_SMTP_USER, Server::kMaxLoginChars},
                  {2, Server::IDC_SMTP_PASSWORD, Server::kMaxLoginChars}};
    recorder.ExpectModal([&](QDialog&) {
        for (const auto& field : fields) {
            EXPECT_TRUE(sheet.SetActivePage(field.page)) << field.id;
            QLineEdit* edit = Field(*sheet.GetPage(field.page), field.id);
            edit->clear();
            test::Paste(*edit, QString(300, 'a'), test::PasteRoute::ShiftInsert);
            EXPECT_EQ(edit->text().size(), field.limit) << field.id;
        }
        sheet.SetActivePage(0);
        QLineEdit* station = Field(sheet.m_pageAccount, Page::IDC_STATION_ID);
        station->clear();
        test::Paste(*station, "ABCDEFGHIJKLMNO", test::PasteRoute::CtrlV);
        Button("OK")->click();
        PressCancel(sheet); // ends the run should OK have refused
    });
    sheet.DoModal();
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().text;
    EXPECT_EQ(Stored("stationid"), "ABCDEFGHIJ");
}

TEST_F(SheetTest, AStoredValueLongerThanItsFieldFailsTheLengthCheck) {
    settings["logon"] = std::string(60, 'l');
    recorder.ExpectModal([&](QDialog&) {
        Button("OK")->click();
        EXPECT_TRUE(sheet.IsModalRunning()) << "the page cannot be left with too long a text";
        PressCancel(sheet);
    });
    sheet.DoModal();
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_NE(recorder.messages[0].text.find("50"), std::string::npos) << recorder.messages[0].text;
}

TEST_F(SheetTest, FieldsAreNamedByTheirLabels) {
    recorder.ExpectModal([&](QDialog&) {
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_LOGON)->accessibleName(), "Logon Name:");
        EXPECT_EQ(Field(sheet.m_pageAccount, Page::IDC_CONFIRM_PASSWORD)->accessibleName(), "Confirm Password:");
        sheet.SetActivePage(1);
        EXPECT_EQ(
            Field(sheet.m_pageConfirmations, CPropertyPage_ConfirmationSettings::IDC_NOT_QUEUED)->accessibleName(),
            "Notify when a fax can't be queued to be sent:");
        sheet.SetActivePage(2);
        EXPECT_EQ(Field(sheet.m_pageMailServer, CPropertyPage_SMTP_Settings::IDC_SMTP_SERVER)->accessibleName(),
                  "SMTP Server:");
        EXPECT_FALSE(
            Field(sheet.m_pageMailServer, CPropertyPage_SMTP_Settings::IDC_SMTP_PORT)->accessibleName().isEmpty());
        EXPECT_EQ(sheet.m_pageMailServer.m_comboSecurity->accessibleName(), "Connection security:");
        EXPECT_EQ(Field(sheet.m_pageMailServer, Mail::IDC_SMTP_USER)->accessibleName(), "User name:");
        EXPECT_EQ(Field(sheet.m_pageMailServer, Mail::IDC_SMTP_PASSWORD)->accessibleName(), "Password:");
        EXPECT_EQ(Field(sheet.m_pageMailServer, Mail::IDC_SMTP_PASSWORD)->echoMode(), QLineEdit::Password);
        // Tab walks the page top to bottom.
        QWidget* at = Field(sheet.m_pageMailServer, Mail::IDC_SMTP_PORT);
        for (QWidget* next : {static_cast<QWidget*>(sheet.m_pageMailServer.m_comboSecurity.data()),
                              sheet.m_pageMailServer.GetDlgItem(Mail::IDC_SMTP_USER),
                              sheet.m_pageMailServer.GetDlgItem(Mail::IDC_SMTP_PASSWORD)}) {
            at = at->nextInFocusChain();
            while (at->focusPolicy() == Qt::NoFocus) {
                at = at->nextInFocusChain();
            }
            EXPECT_EQ(at, next);
        }
        PressCancel(sheet);
    });
    sheet.DoModal();
}

struct SecurityCase {
    const char* stored;
    const char* port;
    int chosen; // -1: the Down key instead of a pick; -2: no pick; -3: the End key
    const char* portAfter;
    const char* storedAfter;
};

TEST_F(SheetTest, ChoosingASecurityMovesAUsualPortAlongButNotATypedOne) {
    const SecurityCase cases[] = {
        {"", "25", -1, "587", "starttls"},    {"starttls", "587", 2, "465", "tls"},
        {"TLS", "465", 0, "25", "none"},      {"none", "", 2, "465", "tls"},
        {"", "2525", 1, "2525", "starttls"},  {"starttls", "465", 2, "465", "tls"},
        {"bogus", "25", 1, "25", "starttls"}, {"", "25", 0, "25", ""},
        {"", "587", -3, "465", "tls"},
    };
    for (const SecurityCase& c : cases) {
        settings["smtp_security"] = c.stored;
        settings["smtp_port"] = c.port;
        recorder.ExpectModal([&](QDialog&) {
            ASSERT_TRUE(sheet.SetActivePage(2));
            QComboBox* combo = sheet.m_pageMailServer.m_comboSecurity;
            if (c.chosen == -2) {
                EXPECT_EQ(combo->currentIndex(), -1) << "an unknown text shows no choice";
            } else if (c.chosen < 0) {
                combo->setFocus();
                QTest::keyClick(combo, c.chosen == -3 ? Qt::Key_End : Qt::Key_Down);
            } else {
                combo->setCurrentIndex(c.chosen);
                emit combo->activated(c.chosen);
            }
            EXPECT_EQ(Field(sheet.m_pageMailServer, Mail::IDC_SMTP_PORT)->text().toStdString(), c.portAfter)
                << c.stored << " " << c.port;
            Button("OK")->click();
        });
        sheet.DoModal();
        EXPECT_EQ(Stored("smtp_security"), c.storedAfter) << c.stored << " " << c.port;
        EXPECT_EQ(Stored("smtp_port"), c.portAfter) << c.stored << " " << c.port;
    }
}

struct PasswordCase {
    const char* name;
    bool available;
    bool refuse;
    std::string line;
    const char* inFile;
    std::optional<std::string> entry;
};

TEST_F(SheetTest, ThePasswordGoesToTheKeyringOrTheFileAndThePageSaysWhich) {
    const std::string inFileLine = "The password is kept as plain text in the settings file " +
                                   SettingsStore::FilePath().toStdString() + ", as no desktop keyring takes it.";
    const PasswordCase cases[] = {
        {"a keyring answers", true, false, "The password is kept in the desktop keyring.", "", "pw"},
        {"no keyring", false, false, inFileLine, "pw", std::nullopt},
        {"the keyring refuses", true, true, inFileLine, "pw", std::nullopt},
    };
    for (const PasswordCase& c : cases) {
        settings.RemoveAll();
        settings["smtp"] = "mail.example";
        settings["smtp_password"] = "from-a-script";
        keyring->available = c.available;
        keyring->refuse = c.refuse;
        keyring->entries.clear();
        keyring->writes = 0;
        recorder.ExpectModal([&](QDialog&) {
            ASSERT_TRUE(sheet.SetActivePage(2));
            Type(Field(sheet.m_pageMailServer, Mail::IDC_SMTP_USER), "ann");
            QLineEdit* password = Field(sheet.m_pageMailServer, Mail::IDC_SMTP_PASSWORD);
            password->clear();
            Type(password, "pw");
            Button("Apply")->click();
            auto* line = qobject_cast<QLabel*>(sheet.m_pageMailServer.GetDlgItem(Mail::IDC_PASSWORD_PLACE));
            EXPECT_EQ(line->text().toStdString(), c.line) << c.name;
            Button("OK")->click();
        });
        sheet.DoModal();
        EXPECT_EQ(Stored("smtp_user"), "ann") << c.name;
        EXPECT_EQ(Stored("smtp_password"), c.inFile) << c.name;
        const auto entry = keyring->entries.find("ann@mail.example");
        EXPECT_EQ(entry == keyring->entries.end() ? std::nullopt : std::optional(entry->second), c.entry) << c.name;
        EXPECT_LE(keyring->writes, 1) << c.name << ": OK after Apply writes no second time";
        sheet.m_pageMailServer.m_strSmtpUser.clear();
    }
}

TEST_F(SheetTest, TheDirectoryPageRefusesANonLdapUrlAndKeepsItsPasswordUnderItsOwnEntry) {
    using Directory = CPropertyPage_Directory;
    settings["ldap_bind_dn"] = "cn=reader";
    settings["ldap_url"] = "ldap://dir.example";
    keyring->entries = {{"cn=reader@ldap://dir.example", "old"}, {"ann@mail.example", "mail-pw"}};
    recorder.ExpectModal([&](QDialog&) {
        ASSERT_TRUE(sheet.SetActivePage(3));
        QLineEdit* password = Field(sheet.m_pageDirectory, Directory::IDC_LDAP_PASSWORD);
        EXPECT_EQ(password->text(), "old");
        QLineEdit* url = Field(sheet.m_pageDirectory, Directory::IDC_LDAP_URL);
        url->selectAll();
        Type(url, "http://dir.example");
        Button("Apply")->click();
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].text, Directory::kBadUrlText);
        url->selectAll();
        Type(url, "LDAPS://Dir.example");
        Type(Field(sheet.m_pageDirectory, Directory::IDC_LDAP_BASE), "dc=example");
        password->clear();
        Type(password, "new");
        Button("OK")->click();
    });
    sheet.DoModal();
    EXPECT_EQ(Stored("ldap_url"), "LDAPS://Dir.example");
    EXPECT_EQ(Stored("ldap_base"), "dc=example");
    EXPECT_EQ(Stored("ldap_bind_password"), "");
    EXPECT_EQ(keyring->entries["cn=reader@ldaps://dir.example"], "new");
    EXPECT_EQ(keyring->entries["ann@mail.example"], "mail-pw") << "the mail server's entry is left alone";
}

TEST_F(SheetTest, AKeptPasswordFillsTheFieldAndOnlyOneFromTheVisitedPageMovesIntoTheKeyring) {
    const struct {
        const char* inFile;
        bool visit;
        const char* storedAfter;
        int writes;
    } cases[] = {{"", true, "", 0}, {"script-pw", false, "script-pw", 0}, {"script-pw", true, "", 1}};
    for (const auto& c : cases) {
        settings["smtp"] = "Mail.Example";
        settings["smtp_user"] = "ann";
        settings["smtp_password"] = c.inFile;
        keyring->entries = {{"ann@mail.example", "pw"}};
        keyring->writes = 0;
        const std::string shown = *c.inFile != '\0' ? c.inFile : "pw";
        recorder.ExpectModal([&](QDialog&) {
            if (c.visit) {
                ASSERT_TRUE(sheet.SetActivePage(2));
                EXPECT_EQ(Field(sheet.m_pageMailServer, Mail::IDC_SMTP_PASSWORD)->text().toStdString(), shown);
            }
            Button("OK")->click();
        });
        sheet.DoModal();
        EXPECT_EQ(Stored("smtp_password"), c.storedAfter) << c.inFile << c.visit;
        EXPECT_EQ(keyring->writes, c.writes) << c.inFile << c.visit;
        EXPECT_EQ(keyring->removes, 0);
        EXPECT_EQ(keyring->entries["ann@mail.example"], c.writes != 0 ? c.inFile : "pw");
    }
}

// Lets the layouts catch up with the pages that were just built.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::processEvents();
}

// Every control of the page in front has the height it needs: a field its size
// hint, a wrapped text the height its lines take at its width, nothing less than
// its minimum, and all of it inside the page.
void ExpectRoomForEveryControl(CPropertyPage& page) {
    for (QWidget* control : page.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&page) || qobject_cast<QGroupBox*>(control) != nullptr) {
            continue;
        }
        const std::string name = page.GetCaption() + ": " + control->metaObject()->className() + " \"" +
                                 control->accessibleName().toStdString() + "\"";
        EXPECT_GE(control->height(), control->minimumSizeHint().height()) << name;
        if (qobject_cast<QLineEdit*>(control) != nullptr || qobject_cast<QComboBox*>(control) != nullptr) {
            EXPECT_GE(control->height(), control->sizeHint().height()) << name;
        }
        if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name << " loses a line";
        }
        EXPECT_LE(control->mapTo(&page, QPoint(0, control->height())).y(), page.height()) << name;
    }
}

TEST_F(SheetTest, EveryPageHasRoomForItsControlsTheFirstTimeItIsShown) {
    settings["smtp_user"] = "ann";
    for (int index = 0; index < sheet.GetPageCount(); ++index) {
        // A sheet of its own for each page: one that showed another page before has
        // grown for that one already.
        CConfigSheet fresh{"Quillmark", nullptr, 0, settings, nullptr, PasswordVault(keyring)};
        recorder.ExpectModal([&](QDialog&) {
            // It opens on the first page; the other is the first one clicked.
            Settle();
            QTabBar* tabs = fresh.GetTabControl()->tabBar();
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
            ASSERT_EQ(fresh.GetActiveIndex(), index);
            Settle();
            ExpectRoomForEveryControl(*fresh.GetPage(index));
            PressCancel(fresh);
        });
        fresh.DoModal();
    }
}

// From the keyboard alone: the sheet opens in the first field, Ctrl+Tab lands in
// the next page's first field, and on every page each label's Alt letter, which
// no other text in sight shares, reaches its field.
void WalkThePagesByKeyboard(CConfigSheet& sheet) {
    const int firstFields[] = {Page::IDC_LOGON, CPropertyPage_ConfirmationSettings::IDC_DELIVERED,
                               Mail::IDC_SMTP_SERVER, CPropertyPage_Directory::IDC_LDAP_URL};
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&sheet] { return QApplication::activeWindow() == &sheet; }));
    for (int index = 0; index < sheet.GetPageCount(); ++index) {
        CPropertyPage& page = *sheet.GetPage(index);
        if (index > 0) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        }
        ASSERT_EQ(sheet.GetActiveIndex(), index);
        EXPECT_EQ(QApplication::focusWidget(), page.GetDlgItem(firstFields[index])) << page.GetCaption();

        QStringList inSight;
        for (int tab = 0; tab < sheet.GetTabControl()->count(); ++tab) {
            inSight << sheet.GetTabControl()->tabText(tab);
        }
        for (QWidget* widget : sheet.findChildren<QWidget*>()) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget); button != nullptr && button->isVisible()) {
                inSight << button->text();
            } else if (auto* group = qobject_cast<QGroupBox*>(widget); group != nullptr && group->isVisible()) {
                inSight << group->title();
            } else if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && label->isVisible()) {
                inSight << label->text();
            }
        }
        std::map<QKeySequence, QString> letters;
        for (const QString& text : inSight) {
            if (const QKeySequence alt = QKeySequence::mnemonic(text); !alt.isEmpty()) {
                const auto [at, added] = letters.emplace(alt, text);
                EXPECT_TRUE(added) << page.GetCaption() << ": " << text.toStdString() << " | "
                                   << at->second.toStdString();
            }
        }
        for (QLabel* label : page.findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                const QKeySequence alt = QKeySequence::mnemonic(label->text());
                EXPECT_FALSE(alt.isEmpty()) << page.GetCaption() << ": " << label->text().toStdString();
                QTest::keySequence(QApplication::focusWidget(), alt);
                EXPECT_EQ(QApplication::focusWidget(), label->buddy()) << label->text().toStdString();
            }
        }
    }
}

TEST_F(SheetTest, EveryLabelHasAnAltLetterOfItsOwnThatReachesItsField) {
    recorder.ExpectModal([&](QDialog&) {
        WalkThePagesByKeyboard(sheet);
        PressCancel(sheet);
    });
    sheet.DoModal();
}

// The same at twice the scale, which Qt fixes when the application starts: the
// test runs again in a program of its own.
TEST(SheetAtDoubleScale, EveryPageHasRoomForItsControls) {
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        GTEST_SKIP() << "runs the scaled sheet only from an unscaled run";
    }
    qputenv("QT_SCALE_FACTOR", "2");
    const test::ProgramResult run =
        test::RunProgram({QCoreApplication::applicationFilePath().toStdString(),
                          "--gtest_filter=SheetTest.EveryPageHasRoomForItsControlsTheFirstTimeItIsShown"});
    qunsetenv("QT_SCALE_FACTOR");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_NE(run.out.find("[  PASSED  ] 1 test"), std::string::npos) << run.out;
}

} // namespace
} // namespace desklet
