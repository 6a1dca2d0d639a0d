#include "app/CFaxClientDlg.h"
#include "app/CFaxClientApp.h"
#include "controls/DocumentPreviewCtrl.h"
#include "settings/SettingsStore.h"
#include "settings/ui/CConfigSheet.h"
#include "support/CaptureSmtpServer.h"
#include "support/DialogRecorder.h"
#include "support/FakeDesktop.h"
#include "support/ProgramRun.h"
#include "support/ReadableText.h"
#include "support/SampleDocuments.h"
#include "support/ScriptedSmtpServer.h"
#include "support/SubmissionTexts.h"
#include "support/TempDir.h"
#include "support/TestAuthority.h"
#include "support/TestNames.h"
#include "support/TurkishLocale.h"
#include "support/UserPaste.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

using namespace desklet;
using namespace desklet::test;

namespace {

constexpr const char* kSheetTitle = "Quillmark Tarvel Setup";

std::string randomBytes(std::size_t size, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

class MainDialog : public testing::Test {
protected:
    TempSettingsHome home;
    // Every send is recorded in the user's database.
    TempDataHome data;
    TempDir files;
    DialogRecorder recorder;
    std::unique_ptr<CFaxClientApp> app;
    std::vector<std::string> arguments;
    std::vector<char*> argv;
    int argc = 0;

    void Store(const std::map<std::string, std::string>& values) const { home.Store(values); }

    void Start(std::vector<std::string> args) {
        arguments = std::move(args);
        argv.clear();
        for (std::string& a : arguments) {
            argv.push_back(a.data());
        }
        argc = static_cast<int>(argv.size());
        app = std::make_unique<CFaxClientApp>(argc, argv.data());
        app->ReadCommandLine();
    }

    static QLineEdit* edit(CFaxClientDlg& dialog, int id) { return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id)); }
    static QListWidget* list(CFaxClientDlg& dialog) {
        return qobject_cast<QListWidget*>(dialog.GetDlgItem(CFaxClientDlg::IDC_RECIPIENTS));
    }
    static void click(CFaxClientDlg& dialog, int id) {
        auto* button = qobject_cast<QAbstractButton*>(dialog.GetDlgItem(id));
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    static std::vector<std::string> entries(CFaxClientDlg& dialog) {
        std::vector<std::string> out;
        for (int i = 0; i < list(dialog)->count(); ++i) {
            out.push_back(list(dialog)->item(i)->text().toStdString());
        }
        return out;
    }
};

TEST_F(MainDialog, TheFaxTravelsFromTheCommandLineToARealServer) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    const std::string document = randomBytes(70000, 7);
    const auto path = files.WriteFile("Quarterly report.pdf", document);
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    Start({"desklet", "-file", path.string(), "-fax", "2125551212,1 (212) 555-1213"});

    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog&) {
        EXPECT_EQ(edit(dialog, CFaxClientDlg::IDC_FILE)->text().toStdString(), path.string());
        EXPECT_EQ(entries(dialog), (std::vector<std::string>{"12125551213", "2125551212"}));
        edit(dialog, CFaxClientDlg::IDC_ATTENTION)->setText("Bob");
        click(dialog, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().text;

    const auto messages = server.Messages(1);
    ASSERT_EQ(messages.size(), 1u);
    const ParsedMail mail = ParseMail(messages[0]);
    ASSERT_TRUE(mail.ok) << mail.error;
    EXPECT_EQ(mail.subject, "fax  -lowres -plain -cover -code  -doca 2125551213,2125551212 Bob");
    EXPECT_EQ(mail.mailFrom, "acme-desklet@fax.quillmark.example");
    EXPECT_EQ(mail.rcptTo, "acme-config@fax.quillmark.example");
    EXPECT_EQ(mail.contentType, "multipart/mixed");
    ASSERT_EQ(mail.attachments.size(), 1u);
    EXPECT_EQ(mail.attachmentNames[0], "Quarterly report.pdf");
    EXPECT_TRUE(mail.attachments[0] == document) << "the attachment arrives byte for byte";
}

TEST_F(MainDialog, TheKeysPrefillTheDialogAndASendWithoutAWindowSendsTheSameBytes) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    const auto path = files.WriteFile("report.pdf", randomBytes(5000, 3));
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    const std::vector<std::string> keys = {"-file",      path.string(), "-fax",        "2125551212,12125551213",
                                           "-font",      "bold",        "-resolution", "high",
                                           "-comment",   "two pages",   "-from",       "Ann",
                                           "-attention", "Bob",         "-cover",      "yes"};
    std::vector<std::string> line = {"desklet"};
    line.insert(line.end(), keys.begin(), keys.end());
    Start(line);

    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog&) {
        EXPECT_TRUE(qobject_cast<QRadioButton*>(dialog.GetDlgItem(CFaxClientDlg::IDC_BOLD))->isChecked());
        EXPECT_EQ(edit(dialog, CFaxClientDlg::IDC_FROM)->text().toStdString(), "Ann");
        click(dialog, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(server.Messages(1).size(), 1u);

    line = {DESKLET_PROGRAM, "--send"};
    line.insert(line.end(), keys.begin(), keys.end());
    const ProgramResult run = RunProgram(line, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto messages = server.Messages(2);
    ASSERT_EQ(messages.size(), 2u);
    // Each mail has a date and an identifier of its own.
    auto withoutDate = [](const std::filesystem::path& eml) {
        std::ifstream in(eml, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const char* field : {"\r\nDate: ", "\r\nMessage-ID: "}) {
            const std::size_t at = bytes.find(field);
            if (at != std::string::npos) {
                bytes.erase(at, bytes.find("\r\n", at + 2) - at);
            }
        }
        return bytes;
    };
    const std::string fromDialog = withoutDate(messages[0]);
    EXPECT_NE(fromDialog.find("Subject: fax  -highres -bold -cover -re \"two pages\" -from \"Ann\""),
              std::string::npos);
    EXPECT_TRUE(fromDialog == withoutDate(messages[1])) << "the same bytes on the wire";
}

struct FailureCase {
    const char* name;
    std::string fax; // the command line's list
    bool documentExists;
    std::string port; // stored smtp_port
    std::string text;
    std::string caption;
    unsigned icon;
    std::string details; // what the details section holds; empty for none
    // A fault in what the user typed is told over the dialog; the others come
    // while it is hidden for the send.
    bool hiddenDuringMessage;
    friend void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }
};

class SendFailures : public MainDialog, public testing::WithParamInterface<FailureCase> {};

TEST_P(SendFailures, ShowOneMessageAndGiveTheDialogBackIntact) {
    const FailureCase& c = GetParam();
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    const auto path = c.documentExists ? files.WriteFile("a.pdf", "%PDF-1.4\n") : files.path() / "missing.pdf";
    Store({{"logon", "acme"},
           {"smtp", "127.0.0.1"},
           {"smtp_port", c.port.empty() ? std::to_string(server.port()) : c.port}});
    Start({"desklet", "-file", path.string(), "-fax", c.fax});

    CFaxClientDlg dialog;
    bool hiddenDuringMessage = false;
    recorder.onMessage = [&](const DialogServices::MessageBoxRequest&) { hiddenDuringMessage = !dialog.isVisible(); };
    recorder.ExpectModal([&](QDialog&) {
        auto* comment = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_COMMENT));
        comment->setPlainText("keep me");
        const auto before = entries(dialog);
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.isVisible()) << "the dialog is shown again";
        EXPECT_TRUE(dialog.IsModalRunning());
        EXPECT_EQ(comment->toPlainText(), "keep me");
        EXPECT_EQ(entries(dialog), before);
        EXPECT_EQ(edit(dialog, CFaxClientDlg::IDC_FILE)->text().toStdString(), path.string());
        PressCancel(dialog);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(recorder.messages.size(), 1u);
    // A failure that may pass adds the question whether to keep the fax.
    EXPECT_EQ(recorder.messages[0].text.substr(0, c.text.size()), c.text);
    EXPECT_EQ(recorder.messages[0].caption, c.caption);
    EXPECT_EQ(recorder.messages[0].type, MB_OK | c.icon);
    if (c.details.empty()) {
        EXPECT_EQ(recorder.messages[0].details, "");
    } else {
        EXPECT_NE(recorder.messages[0].details.find(c.details), std::string::npos) << recorder.messages[0].details;
    }
    EXPECT_EQ(recorder.messages[0].owner, &dialog);
    EXPECT_EQ(hiddenDuringMessage, c.hiddenDuringMessage);
    EXPECT_TRUE(server.Messages(0, std::chrono::milliseconds(200)).empty()) << "nothing was sent";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendFailures,
    testing::Values(FailureCase{"empty recipient list", "", true, "", texts::kNoRecipients, texts::kNoRecipientsCaption,
                                0, "", false},
                    FailureCase{"the second of three entries breaks a rule", "2125551212,12345,0114420712345", true, "",
                                "A fax number that begins with 1 must be followed by exactly 10 digits",
                                "Please verify fax telephone number 12345", MB_ICONEXCLAMATION, "", false},
                    FailureCase{"a number too long for the entry field", "0" + std::string(35, '1'), true, "",
                                "A fax telephone number that begins with a 0 must be between 8 and 35 digits long",
                                "Please verify fax telephone number 0" + std::string(35, '1'), MB_ICONEXCLAMATION, "",
                                false},
                    FailureCase{"the document does not exist", "2125551212", false, "", texts::kFileNotFound,
                                texts::kFileNotFoundCaption, MB_ICONEXCLAMATION,
                                "missing.pdf: No such file or directory", true},
                    FailureCase{"a port of letters connects nowhere", "2125551212", true, "abc", texts::kConnectFailed,
                                texts::kSendErrorCaption, MB_ICONEXCLAMATION,
                                "Mail server 127.0.0.1, port 0.\nThe port must be a number from 1 to 65535.\n"
                                "Unable to connect to server.",
                                true}),
    SentenceName{});

TEST_F(MainDialog, AStoreThatCannotBeWrittenSaysWhereAndWhyUnderneath) {
    // A file where the settings folder should be.
    std::ofstream(home.path() / "Quillmark") << "in the way";
    Start({"desklet"});
    app->Settings["logon"] = "acme";
    app->SaveSettings();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].caption, SettingsStore::kPermissionCaption);
    EXPECT_NE(recorder.messages[0].details.find((home.path() / "Quillmark").string()), std::string::npos)
        << recorder.messages[0].details;
}

TEST_F(MainDialog, APartialSendLeavesOnlyTheNumbersNotSentInTheListAndSaysHowFarItWent) {
    using S = ScriptedSmtpServer;
    std::vector<S::Step> script = S::Greeting(S::Message("250 queued\r\n"));
    for (S::Step step : S::Message("554 5.7.1 number barred\r\n")) {
        script.push_back(std::move(step));
    }
    script.push_back(S::ReadLine());
    script.push_back(S::Send("221 bye\r\n"));
    S server(script);
    ASSERT_TRUE(server.listening());
    const auto path = files.WriteFile("a.pdf", "%PDF-1.4\n");
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    std::string numbers;
    for (int i = 0; i < 300; ++i) {
        numbers += (i > 0 ? "," : "") + std::to_string(2125550000 + i);
    }
    Start({"desklet", "-file", path.string(), "-fax", numbers});

    CFaxClientDlg dialog;
    std::vector<std::string> before;
    std::vector<std::string> after;
    recorder.ExpectModal([&](QDialog& d) {
        before = entries(dialog);
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.isVisible());
        after = entries(dialog);
        PressCancel(d);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(server.Finish());
    ASSERT_EQ(before.size(), 300u);
    ASSERT_FALSE(after.empty());
    ASSERT_LT(after.size(), before.size());
    EXPECT_TRUE(std::equal(after.begin(), after.end(), before.end() - static_cast<long>(after.size())))
        << "the numbers of the first mail went; the rest stay, in their order";
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, std::string(texts::kSendFailed) + "\n\nThe fax went to " +
                                             std::to_string(before.size() - after.size()) +
                                             " of the 300 numbers. Only the " + std::to_string(after.size()) +
                                             " numbers not yet sent are left in the list.");
    EXPECT_NE(recorder.messages[0].details.find("554 5.7.1 number barred"), std::string::npos);
}

TEST_F(MainDialog, AMissingAccountShowsTheDialogTheMessageAndThenTheSheet) {
    CaptureSmtpServer server;
    const auto path = files.WriteFile("a.pdf", "x");
    Store({{"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    Start({"desklet", "-file", path.string(), "-fax", "2125551212"});

    CFaxClientDlg dialog;
    bool visibleDuringMessage = false;
    recorder.onMessage = [&](const DialogServices::MessageBoxRequest&) { visibleDuringMessage = dialog.isVisible(); };
    recorder.ExpectModal([&](QDialog&) {
        click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsModalRunning()) << "closing the sheet does not send, nor end the dialog";
        PressCancel(dialog);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, texts::kCheckPassword);
    EXPECT_EQ(recorder.messages[0].caption, texts::kCheckPasswordCaption);
    EXPECT_TRUE(visibleDuringMessage);
    EXPECT_EQ(recorder.modalRuns, (std::vector<std::string>{"Quillmark Tarvel", kSheetTitle}));
    EXPECT_TRUE(server.Messages(0, std::chrono::milliseconds(200)).empty());
}

TEST_F(MainDialog, ARefusedLoginSaysSoAndOpensTheMailServerPage) {
    static const TestAuthority authority;
    ASSERT_TRUE(authority.ok()) << authority.error();
    CaptureSmtpServer::Options options;
    options.security = "starttls";
    options.certificate = authority.loopback().certificate;
    options.key = authority.loopback().key;
    options.user = "ann";
    options.password = "right";
    CaptureSmtpServer server(options);
    ASSERT_TRUE(server.running());
    const auto path = files.WriteFile("a.pdf", "x");
    // The password kept in the file, as where no keyring answers.
    Store({{"logon", "acme"},
           {"smtp", "127.0.0.1"},
           {"smtp_port", std::to_string(server.port())},
           {"smtp_security", "starttls"},
           {"smtp_user", "ann"},
           {"smtp_password", "wrong"}});
    Start({"desklet", "-file", path.string(), "-fax", "2125551212"});

    CFaxClientDlg dialog;
    bool mailServerPage = false;
    recorder.ExpectModal([&](QDialog&) {
        click(dialog, IDOK);
        PressCancel(dialog);
    });
    recorder.ExpectModal([&](QDialog& sheet) {
        auto& config = dynamic_cast<CConfigSheet&>(sheet);
        mailServerPage = config.GetActivePage() == &config.m_pageMailServer;
        PressCancel(sheet);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, texts::kLoginRefused);
    EXPECT_EQ(recorder.messages[0].details.find("wrong"), std::string::npos) << recorder.messages[0].details;
    EXPECT_EQ(recorder.modalRuns, (std::vector<std::string>{"Quillmark Tarvel", kSheetTitle}));
    EXPECT_TRUE(mailServerPage);
    EXPECT_TRUE(server.Messages(0, std::chrono::milliseconds(200)).empty());
}

TEST_F(MainDialog, AFirstRunOpensTheSheetBeforeTheDialogAppears) {
    Start({"desklet"});
    CFaxClientDlg dialog;
    bool dialogVisibleUnderSheet = true;
    recorder.ExpectModal([&](QDialog& sheet) {
        dialogVisibleUnderSheet = dialog.isVisible();
        PressCancel(sheet);
    });
    recorder.ExpectModal([](QDialog& d) { PressCancel(d); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(recorder.modalRuns, (std::vector<std::string>{kSheetTitle, "Quillmark Tarvel"}));
    EXPECT_FALSE(dialogVisibleUnderSheet);
}

TEST_F(MainDialog, TheDesktopMatchesTheWindowsToTheMenuEntry) {
    Start({"desklet"});
    // The id the desktop entry, the icon and the metadata are installed under.
    EXPECT_EQ(QGuiApplication::desktopFileName(), "example.quillmark.Desklet");
}

TEST_F(MainDialog, WithStoredSettingsTheSheetStaysClosed) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([](QDialog& d) { PressCancel(d); });
    dialog.DoModal();
    EXPECT_EQ(recorder.modalRuns, (std::vector<std::string>{"Quillmark Tarvel"}));
}

TEST_F(MainDialog, AFreshDialogShowsItsDefaultsAndTheMenuStartWithoutADocument) {
    Store({{"logon", "acme"}});
    Start({"desklet", "-file"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        EXPECT_TRUE(qobject_cast<QRadioButton*>(dialog.GetDlgItem(CFaxClientDlg::IDC_REGULAR))->isChecked());
        EXPECT_TRUE(qobject_cast<QRadioButton*>(dialog.GetDlgItem(CFaxClientDlg::IDC_LOW_RES))->isChecked());
        EXPECT_TRUE(qobject_cast<QCheckBox*>(dialog.GetDlgItem(CFaxClientDlg::IDC_COVER_PAGE))->isChecked());
        EXPECT_TRUE(edit(dialog, CFaxClientDlg::IDC_FILE)->text().isEmpty());
        EXPECT_EQ(list(dialog)->count(), 0);
        PressCancel(d);
    });
    dialog.DoModal();
}

TEST_F(MainDialog, EnterOnAFocusedButtonPressesThatButton) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Return, Qt::NoModifier}, std::pair{Qt::Key_Enter, Qt::KeypadModifier}}) {
        recorder.messages.clear();
        recorder.fileDialogs.clear();
        CFaxClientDlg dialog;
        const auto pressEnter = [&](int id) {
            QWidget* button = dialog.GetDlgItem(id);
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            button->setFocus(Qt::TabFocusReason);
            EXPECT_TRUE(button->hasFocus()) << id;
            QTest::keyClick(button, key, modifiers);
        };
        recorder.ExpectModal([&](QDialog& d) {
            edit(dialog, CFaxClientDlg::IDC_NUMBER)->setText("2125551212");
            pressEnter(CFaxClientDlg::IDC_ADD);
            EXPECT_EQ(entries(dialog), (std::vector<std::string>{"2125551212"})) << "<< Add";
            list(dialog)->selectAll();
            pressEnter(CFaxClientDlg::IDC_REMOVE);
            EXPECT_TRUE(entries(dialog).empty()) << ">> Remove";
            pressEnter(CFaxClientDlg::IDC_BROWSE);
            EXPECT_EQ(recorder.fileDialogs.size(), 1u) << "Browse";
            QSignalSpy cancelled(qobject_cast<QPushButton*>(dialog.GetDlgItem(IDCANCEL)), &QPushButton::clicked);
            pressEnter(IDCANCEL);
            EXPECT_EQ(cancelled.count(), 1) << "Cancel";
            PressCancel(d);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << key;
        EXPECT_TRUE(recorder.messages.empty()) << "Send Fax was pressed: " << recorder.messages.front().caption;
    }
}

TEST_F(MainDialog, EveryLimitedFieldCutsAPasteToItsLimit) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        for (const auto& [id, limit] : {std::pair{CFaxClientDlg::IDC_FILE, CFaxClientDlg::kMaxFileChars},
                                        std::pair{CFaxClientDlg::IDC_NUMBER, CFaxClientDlg::kMaxNumberChars},
                                        std::pair{CFaxClientDlg::IDC_FROM, CFaxClientDlg::kMaxFromChars},
                                        std::pair{CFaxClientDlg::IDC_ATTENTION, CFaxClientDlg::kMaxAttentionChars}}) {
            QLineEdit* field = edit(dialog, id);
            test::Paste(*field, QString(5000, '1'), test::PasteRoute::ShiftInsert);
            EXPECT_EQ(field->text().size(), limit) << id;
        }
        PressCancel(d);
    });
    dialog.DoModal();
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MainDialog, EnterInTheNumberFieldPressesSendFaxNotAdd) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        QLineEdit* number = edit(dialog, CFaxClientDlg::IDC_NUMBER);
        // Passing over Add on the way must not make it the button Enter presses.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        dialog.GetDlgItem(CFaxClientDlg::IDC_ADD)->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(dialog.GetDlgItem(CFaxClientDlg::IDC_ADD)->hasFocus());
        number->setFocus(Qt::BacktabFocusReason);
        QTest::keyClick(number, Qt::Key_Return);
        PressCancel(d);
    });
    dialog.DoModal();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].caption, texts::kNoRecipientsCaption);
}

TEST_F(MainDialog, EnterInTheCommentBreaksTheLineAndCtrlEnterSends) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        auto* comment = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_COMMENT));
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        comment->setFocus();
        QTest::keyClicks(comment, "Dear Bob,");
        QTest::keyClick(comment, Qt::Key_Return);
        QTest::keyClicks(comment, "see \"page\" 2");
        EXPECT_EQ(comment->toPlainText(), "Dear Bob,\nsee page 2") << "a line break and no double quote";
        EXPECT_TRUE(recorder.messages.empty()) << "Enter sent the fax";
        QTest::keyClick(comment, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(recorder.messages.size(), 1u) << "Ctrl+Enter pressed Send Fax";
        EXPECT_EQ(comment->toPlainText(), "Dear Bob,\nsee page 2");
        PressCancel(d);
    });
    dialog.DoModal();
}

struct TypedNumberCase {
    const char* name;
    const char* typed;   // left in the number field after 2125551212 was added
    bool pressEnter;     // in the number field; else a click on Send Fax
    std::string subject; // of the fax mail; empty when nothing is sent
    std::string caption; // of the one message; empty for none
    friend void PrintTo(const TypedNumberCase& c, std::ostream* os) { *os << c.name; }
};

class TypedNumber : public MainDialog, public testing::WithParamInterface<TypedNumberCase> {};

TEST_P(TypedNumber, GoesWithTheListOrStopsTheSendWithAddsMessage) {
    const TypedNumberCase& c = GetParam();
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    const auto path = files.WriteFile("a.pdf", "%PDF-1.4\n");
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    Start({"desklet", "-file", path.string()});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        QLineEdit* number = edit(dialog, CFaxClientDlg::IDC_NUMBER);
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        number->setFocus();
        QTest::keyClicks(number, "2125551212");
        click(dialog, CFaxClientDlg::IDC_ADD);
        number->setFocus();
        QTest::keyClicks(number, c.typed);
        if (c.pressEnter) {
            QTest::keyClick(number, Qt::Key_Return);
        } else {
            click(dialog, IDOK);
        }
        if (c.subject.empty()) {
            EXPECT_EQ(number->text().toStdString(), c.typed) << "a refused number stays to be corrected";
            EXPECT_TRUE(number->hasFocus());
            EXPECT_EQ(entries(dialog), (std::vector<std::string>{"2125551212"}));
            PressCancel(d);
        }
    });
    EXPECT_EQ(dialog.DoModal(), c.subject.empty() ? IDCANCEL : IDOK);
    if (c.caption.empty()) {
        EXPECT_TRUE(recorder.messages.empty()) << recorder.messages.front().caption;
    } else {
        ASSERT_EQ(recorder.messages.size(), 1u);
        EXPECT_EQ(recorder.messages[0].caption, c.caption);
    }
    if (c.subject.empty()) {
        EXPECT_TRUE(server.Messages(0, std::chrono::milliseconds(200)).empty()) << "nothing was sent";
    } else {
        const auto messages = server.Messages(1);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(ParseMail(messages[0]).subject, c.subject);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedNumber,
    testing::Values(TypedNumberCase{"a number left in the field goes too when Enter sends", "3105550188", true,
                                    "fax  -lowres -plain -cover -code  -doca 2125551212,3105550188 ", ""},
                    TypedNumberCase{"a number left in the field goes too when Send Fax is clicked", "3105550188", false,
                                    "fax  -lowres -plain -cover -code  -doca 2125551212,3105550188 ", ""},
                    TypedNumberCase{"a number left in the field that breaks a rule stops the send", "310555018", true,
                                    "", "Incorrectly formatted fax telephone number"}),
    SentenceName{});

TEST_F(MainDialog, AddAndRemoveKeepTheListSorted) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        QLineEdit* number = edit(dialog, CFaxClientDlg::IDC_NUMBER);
        for (const char* typed : {"2125551212", "12125551213", "", "2125551212", "212555121"}) {
            number->setText(typed);
            click(dialog, CFaxClientDlg::IDC_ADD);
        }
        EXPECT_EQ(entries(dialog), (std::vector<std::string>{"12125551213", "2125551212", "2125551212"}));
        EXPECT_EQ(number->text(), "212555121") << "a refused number stays in the field";
        list(dialog)->item(0)->setSelected(true);
        list(dialog)->item(1)->setSelected(true);
        click(dialog, CFaxClientDlg::IDC_REMOVE);
        EXPECT_EQ(entries(dialog), (std::vector<std::string>{"2125551212"}));
        PressCancel(d);
    });
    dialog.DoModal();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].caption, "Incorrectly formatted fax telephone number");
    EXPECT_EQ(recorder.messages[0].type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(MainDialog, ThePreviewFollowsTheCommandLineTheListAndBrowse) {
    const auto pdf = files.path() / "report.pdf";
    ASSERT_TRUE(WritePdf(QString::fromStdString(pdf.string()), 3));
    const auto text = files.WriteFile("notes.txt", "plain words");
    recorder.fileAnswers.push_back(text.string());
    Store({{"logon", "acme"}});
    Start({"desklet", "-file", pdf.string(), "-fax", "2125551212,3105550188"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        auto* preview = dialog.findChild<DocumentPreviewCtrl*>();
        ASSERT_NE(preview, nullptr);
        QSignalSpy shown(preview, &DocumentPreviewCtrl::Shown);
        ASSERT_TRUE(shown.wait(10000));
        EXPECT_EQ(preview->Line()->text(), "3 pages to 2 recipients");
        list(dialog)->item(0)->setSelected(true);
        click(dialog, CFaxClientDlg::IDC_REMOVE);
        EXPECT_EQ(preview->Line()->text(), "3 pages to 1 recipient");
        click(dialog, CFaxClientDlg::IDC_BROWSE);
        ASSERT_TRUE(shown.wait(10000));
        EXPECT_EQ(preview->Line()->text(), "Pages: unknown");
        EXPECT_FALSE(preview->Picture()->isVisible());
        edit(dialog, CFaxClientDlg::IDC_FILE)->clear();
        EXPECT_FALSE(preview->Line()->isVisible());
        PressCancel(d);
    });
    dialog.DoModal();
}

TEST_F(MainDialog, TheCoverPageSwitchesItsFieldsAndBrowseKeepsTheRest) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    const auto chosen = files.WriteFile("chosen.doc", "x");
    recorder.fileAnswers.push_back(chosen.string());
    recorder.ExpectModal([&](QDialog& d) {
        auto* comment = qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_COMMENT));
        comment->setPlainText("typed first");
        click(dialog, CFaxClientDlg::IDC_COVER_PAGE);
        for (int id : {CFaxClientDlg::IDC_COMMENT, CFaxClientDlg::IDC_FROM, CFaxClientDlg::IDC_ATTENTION}) {
            EXPECT_FALSE(dialog.GetDlgItem(id)->isEnabled()) << id;
        }
        click(dialog, CFaxClientDlg::IDC_COVER_PAGE);
        EXPECT_TRUE(comment->isEnabled());
        EXPECT_EQ(comment->toPlainText(), "typed first");
        click(dialog, CFaxClientDlg::IDC_BROWSE);
        EXPECT_EQ(edit(dialog, CFaxClientDlg::IDC_FILE)->text().toStdString(), chosen.string());
        EXPECT_EQ(comment->toPlainText(), "typed first");
        PressCancel(d);
    });
    dialog.DoModal();
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_NE(recorder.fileDialogs[0].filter.find("Adobe Acrobate Files (*.pdf)"), std::string::npos);
}

TEST_F(MainDialog, TheMenuReachesTheSheetAboutAndHelp) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        dialog.commandAction(CFaxClientDlg::ID_ACCOUNT_SETTINGS)->trigger();
        dialog.commandAction(CFaxClientDlg::ID_APP_ABOUT)->trigger();
        dialog.commandAction(CFaxClientDlg::ID_ONLINE_HELP)->trigger();
        PressCancel(d);
    });
    dialog.DoModal();
    ASSERT_EQ(recorder.modalRuns.size(), 4u);
    EXPECT_EQ(recorder.modalRuns[1], kSheetTitle);
    EXPECT_EQ(recorder.modalRuns[2], "About Quillmark Tarvel");
    EXPECT_EQ(recorder.modalRuns[3], "Online Help");
    const auto menus = dialog.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "&Setup");
    EXPECT_EQ(menus[1]->text(), "&Faxes");
    EXPECT_EQ(menus[2]->text(), "&Help");
}

TEST_F(MainDialog, TheKeyboardReachesEveryMenuCommandAndTheWebLink) {
    FakeDesktop desktop;
    desktop.openerSucceeds = true;
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    const struct {
        char menu;
        char command;
    } roads[] = {{'S', 'S'}, {'H', 'A'}, {'H', 'O'}};
    recorder.ExpectModal([&](QDialog& d) {
        for (const auto& road : roads) {
            // Back from the window the last command opened.
            dialog.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            QTest::keyClick(&dialog, static_cast<Qt::Key>(road.menu), Qt::AltModifier);
            if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; })) {
                ADD_FAILURE() << "Alt+" << road.menu << " opened no menu";
                continue;
            }
            QTest::keyClick(QApplication::activePopupWidget(), static_cast<Qt::Key>(road.command));
        }
        // Tab goes round the fields and the link; Enter on it opens the site.
        QWidget* link = dialog.GetDlgItem(CFaxClientDlg::IDC_WEB_SITE);
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
        dialog.GetDlgItem(CFaxClientDlg::IDC_NUMBER)->setFocus();
        for (int i = 0; i < 40 && QApplication::focusWidget() != nullptr && !link->hasFocus(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_TRUE(link->hasFocus());
        QTest::keyClick(link, Qt::Key_Return);
        EXPECT_EQ(desktop.calls.size(), 1u);
        EXPECT_TRUE(dialog.IsModalRunning()) << "Enter on the link is not Send Fax";
        PressCancel(d);
    });
    dialog.DoModal();
    EXPECT_EQ(recorder.modalRuns,
              (std::vector<std::string>{"Quillmark Tarvel", kSheetTitle, "About Quillmark Tarvel", "Online Help"}));
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(MainDialog, ATallWindowGivesItsHeightToTheListAndKeepsTheCommentUnderItsLabel) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        QWidget* label = dialog.GetDlgItem(CFaxClientDlg::IDC_COMMENT_LABEL);
        QWidget* comment = dialog.GetDlgItem(CFaxClientDlg::IDC_COMMENT);
        QWidget* recipients = dialog.GetDlgItem(CFaxClientDlg::IDC_RECIPIENTS);
        const auto gap = [&] { return comment->geometry().top() - label->geometry().bottom(); };
        const int usualGap = gap();
        const int usualList = recipients->height();
        dialog.resize(dialog.width(), dialog.height() + 400);
        QApplication::sendPostedEvents();
        dialog.layout()->activate();
        EXPECT_EQ(gap(), usualGap) << "the label stays right above its box";
        EXPECT_GE(recipients->height(), usualList + 300) << "the list takes the height";
        PressCancel(d);
    });
    dialog.DoModal();
}

TEST_F(MainDialog, FieldsAreNamedForScreenReadersByTheirLabels) {
    Store({{"logon", "acme"}});
    Start({"desklet"});
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        EXPECT_EQ(dialog.GetDlgItem(CFaxClientDlg::IDC_FILE)->accessibleName(), "File you would like to fax:");
        EXPECT_EQ(dialog.GetDlgItem(CFaxClientDlg::IDC_RECIPIENTS)->accessibleName(), "Fax Recipients:");
        EXPECT_EQ(dialog.GetDlgItem(CFaxClientDlg::IDC_ATTENTION)->accessibleName(),
                  "(Optional) Send fax Attention to:");
        PressCancel(d);
    });
    dialog.DoModal();
}

struct LookCase {
    const char* name;
    QPalette palette;
    bool whileOpen;    // the palette reaches the dialog while it is open
    bool artworkDrawn; // the tiled artwork, else the palette's plain window colour
    friend void PrintTo(const LookCase& c, std::ostream* os) { *os << c.name; }
};

class Look : public MainDialog, public testing::WithParamInterface<LookCase> {};

TEST_P(Look, EveryTextReadsOnTheBackgroundDrawnBehindIt) {
    const LookCase& c = GetParam();
    const auto pdf = files.path() / "report.pdf";
    ASSERT_TRUE(WritePdf(QString::fromStdString(pdf.string()), 3));
    Store({{"logon", "acme"}});
    Start({"desklet", "-file", pdf.string(), "-fax", "2125551212"});
    const ScopedPalette palette(c.whileOpen ? QApplication::style()->standardPalette() : c.palette);
    CFaxClientDlg dialog;
    recorder.ExpectModal([&](QDialog& d) {
        QSignalSpy shown(dialog.findChild<DocumentPreviewCtrl*>(), &DocumentPreviewCtrl::Shown);
        ASSERT_TRUE(shown.wait(10000));
        if (c.whileOpen) {
            // As the desktop's change reaches a window; the application object
            // passes it on only while its own event loop runs, which tests have not.
            dialog.setPalette(c.palette);
        }
        const std::vector<TextReading> texts = ReadTexts(dialog);
        EXPECT_GE(texts.size(), 17u) << "labels, link, options, group titles and the page count";
        for (const TextReading& text : texts) {
            EXPECT_GE(text.contrast, 4.5) << text.what.toStdString();
        }
        QImage own(dialog.size(), QImage::Format_RGB32);
        dialog.render(&own, {}, {}, QWidget::DrawWindowBackground);
        QSet<QRgb> colours;
        for (int y = 0; y < own.height(); y += 3) {
            for (int x = 0; x < own.width(); x += 3) {
                colours.insert(own.pixel(x, y));
            }
        }
        EXPECT_EQ(colours.size() > 1, c.artworkDrawn) << colours.size() << " colours";
        PressCancel(d);
    });
    dialog.DoModal();
}

INSTANTIATE_TEST_SUITE_P(Cases, Look,
                         testing::Values(LookCase{"the light default keeps the artwork",
                                                  QApplication::style()->standardPalette(), false, true},
                                         LookCase{"a dark palette", DarkPalette(), false, false},
                                         LookCase{"a high contrast palette", HighContrastPalette(), false, false},
                                         LookCase{"a dark palette that reaches the open dialog", DarkPalette(), true,
                                                  false}),
                         SentenceName{});

struct TemporaryCase {
    const char* name;
    const char* handedOver; // file name handed over with -file, or empty
    const char* browsed;    // file name chosen with Browse, or empty
    bool handedOverRemains;
    bool browsedRemains;
    friend void PrintTo(const TemporaryCase& c, std::ostream* os) { *os << c.name; }
};

class TemporaryDocument : public MainDialog, public testing::WithParamInterface<TemporaryCase> {
protected:
    // Where a handover puts its copies; the variety of places is IsTemporaryCopy's table.
    TempTmpDir temp;
};

TEST_P(TemporaryDocument, OnlyTheHandedOverCopyIsDeleted) {
    const TemporaryCase& c = GetParam();
    Store({{"logon", "acme"}});
    std::filesystem::path handedOver;
    std::filesystem::path browsed;
    std::vector<std::string> args{"desklet"};
    if (*c.handedOver) {
        handedOver = temp.WriteFile(c.handedOver, "document");
        args.insert(args.end(), {"-file", handedOver.string()});
    }
    if (*c.browsed) {
        browsed = temp.WriteFile(c.browsed, "the user's own");
        recorder.fileAnswers.push_back(browsed.string());
    }
    Start(args);
    {
        CFaxClientDlg dialog;
        recorder.ExpectModal([&](QDialog& d) {
            if (*c.browsed) {
                click(dialog, CFaxClientDlg::IDC_BROWSE);
            }
            PressCancel(d);
        });
        dialog.DoModal();
        if (*c.handedOver) {
            EXPECT_TRUE(std::filesystem::exists(handedOver)) << "nothing is deleted while the dialog lives";
        }
    }
    if (*c.handedOver) {
        EXPECT_EQ(std::filesystem::exists(handedOver), c.handedOverRemains);
    }
    if (*c.browsed) {
        EXPECT_EQ(std::filesystem::exists(browsed), c.browsedRemains);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemporaryDocument,
    testing::Values(TemporaryCase{"handed over copy is deleted after cancel", "QUILLTMP1.pdf", "", false, true},
                    TemporaryCase{"the marker in any letter case", "fax-QuillTmp-7.pdf", "", false, true},
                    TemporaryCase{"a handed over document without the marker stays", "report.pdf", "", true, true},
                    TemporaryCase{"a browsed file with the marker stays", "", "QUILLTMP-mine.pdf", true, true},
                    TemporaryCase{"the copy goes also when the user picked another", "QUILLTMP2.pdf",
                                  "QUILLTMP-other.pdf", false, true},
                    TemporaryCase{"a document in a folder named with the marker stays", "QuillTmp-archive/thesis.txt",
                                  "", true, true}),
    SentenceName{});

TEST_F(MainDialog, TheHandedOverCopyIsRecognisedUnderATurkishLocale) {
    TurkishLocale turkish;
    ASSERT_TRUE(turkish.active()) << turkish.error();
    Store({{"logon", "acme"}});
    TempTmpDir temp;
    const auto copy = temp.WriteFile("fax-quilltmp-1.pdf", "document");
    Start({"desklet", "-file", copy.string()});
    {
        CFaxClientDlg dialog;
        recorder.ExpectModal([&](QDialog& d) { PressCancel(d); });
        dialog.DoModal();
    }
    EXPECT_FALSE(std::filesystem::exists(copy));
}

} // namespace
