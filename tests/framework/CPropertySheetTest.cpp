#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "framework/CPropertyPage.h"
#include "support/DialogRecorder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace desklet;
using desklet::test::DialogRecorder;

namespace {

constexpr int kFieldId = 2001;

// A page with one text field that writes down what the sheet asks of it.
class LoggingPage : public CPropertyPage {
public:
    LoggingPage(std::string name, std::vector<std::string>& log)
        : CPropertyPage(900, name), m_name(std::move(name)), m_log(log) {
        MapEditChange(kFieldId, [this] {
            ++userChanges;
            SetModified(true);
        });
    }

    std::string m_strText;
    bool refuseKillActive = false;
    bool refuseApply = false;
    int creations = 0;
    int initialisations = 0;
    int userChanges = 0;

    QLineEdit* Field() const { return qobject_cast<QLineEdit*>(GetDlgItem(kFieldId)); }

    bool OnInitDialog() override {
        ++initialisations;
        return CPropertyPage::OnInitDialog();
    }
    bool OnKillActive() override {
        m_log.push_back("kill " + m_name);
        return !refuseKillActive && CPropertyPage::OnKillActive();
    }
    bool OnApply() override {
        m_log.push_back("apply " + m_name);
        return !refuseApply && CPropertyPage::OnApply();
    }
    void OnCancel() override { m_log.push_back("cancel " + m_name); }

protected:
    void CreateControls() override {
        ++creations;
        auto* layout = new QVBoxLayout(this);
        auto* edit = new QLineEdit(this);
        SetDlgItemId(*edit, kFieldId);
        layout->addWidget(edit);
    }
    void DoDataExchange(DataExchange* pDX) override { DDX_Text(pDX, kFieldId, m_strText); }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

class LoggingSheet : public CPropertySheet {
public:
    explicit LoggingSheet(std::vector<std::string>& log, int startPage = 0)
        : CPropertySheet("Sheet", nullptr, startPage), m_log(log) {}

    bool OnCommand(unsigned command, QWidget* control) override {
        m_log.push_back("command " + std::to_string(command));
        return CPropertySheet::OnCommand(command, control);
    }

private:
    std::vector<std::string>& m_log;
};

// Three pages A, B, C in a sheet, as the tests use them.
struct Fixture {
    std::vector<std::string> log;
    LoggingPage a{"A", log};
    LoggingPage b{"B", log};
    LoggingPage c{"C", log};
    LoggingSheet sheet{log};

    Fixture() {
        for (LoggingPage* page : {&a, &b, &c}) {
            sheet.AddPage(page);
        }
    }
};

QPushButton* button(CPropertySheet& sheet, unsigned id) {
    return qobject_cast<QPushButton*>(sheet.GetDlgItem(static_cast<int>(id)));
}

void chooseTab(CPropertySheet& sheet, int index) {
    sheet.GetTabControl()->setCurrentIndex(index);
}

using Log = std::vector<std::string>;

} // namespace

TEST(CPropertySheet, OkRunsTheCommandThenTheActiveCheckThenAppliesTheDisplayedPagesInTabOrder) {
    DialogRecorder recorder;
    Fixture f;
    recorder.ExpectModal([&](QDialog&) {
        chooseTab(f.sheet, 2);
        f.log.clear();
        button(f.sheet, IDOK)->click();
    });
    EXPECT_EQ(f.sheet.DoModal(), IDOK);
    EXPECT_EQ(f.log, (Log{"command 1", "kill C", "apply A", "apply C"})) << "B was never displayed";
}

TEST(CPropertySheet, ARefusedCheckKeepsTheSheetOpenOnThatPage) {
    struct Case {
        const char* name;
        unsigned command;
        bool refuseApply; // the refusal comes from an apply step rather than the check
        Log expected;
    };
    const Case cases[] = {
        {"OK, check refused", IDOK, false, {"command 1", "kill B"}},
        {"Apply, check refused", CPropertySheet::ID_APPLY_NOW, false, {"command 12321", "kill B"}},
        {"OK, apply of A refused", IDOK, true, {"command 1", "kill B", "apply A"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogRecorder recorder;
        Fixture f;
        bool stillRunning = false;
        int activeAfter = -1;
        recorder.ExpectModal([&](QDialog&) {
            chooseTab(f.sheet, 1);
            f.b.refuseKillActive = !c.refuseApply;
            f.a.refuseApply = c.refuseApply;
            f.log.clear();
            f.sheet.OnCommand(c.command, nullptr);
            stillRunning = f.sheet.IsModalRunning();
            activeAfter = f.sheet.GetActiveIndex();
            f.b.refuseKillActive = false;
            f.sheet.EndDialog(IDCANCEL);
        });
        f.sheet.DoModal();
        EXPECT_EQ(f.log, c.expected);
        EXPECT_TRUE(stillRunning);
        EXPECT_EQ(activeAfter, c.refuseApply ? 0 : 1) << "a refused apply brings its page to the front";
    }
}

TEST(CPropertySheet, LeavingAPageThatRefusesLeavesTheTabWhereItWas) {
    DialogRecorder recorder;
    Fixture f;
    recorder.ExpectModal([&](QDialog&) {
        f.a.refuseKillActive = true;
        chooseTab(f.sheet, 2);
        EXPECT_EQ(f.sheet.GetTabControl()->currentIndex(), 0);
        EXPECT_EQ(f.sheet.GetActiveIndex(), 0);
        EXPECT_FALSE(f.sheet.SetActivePage(1));
        EXPECT_FALSE(f.c.IsWindowCreated());
        f.a.refuseKillActive = false;
        EXPECT_TRUE(f.sheet.SetActivePage(&f.c));
        EXPECT_EQ(f.sheet.GetTabControl()->currentIndex(), 2);
        f.sheet.EndDialog(IDCANCEL);
    });
    f.sheet.DoModal();
}

TEST(CPropertySheet, ApplyAppliesAndStaysOpenAndIsEnabledOnlyWhileAPageIsModified) {
    DialogRecorder recorder;
    Fixture f;
    recorder.ExpectModal([&](QDialog&) {
        QPushButton* apply = button(f.sheet, CPropertySheet::ID_APPLY_NOW);
        EXPECT_FALSE(apply->isEnabled()) << "filling the fields is no change";
        QTest::keyClicks(f.a.Field(), "x");
        EXPECT_TRUE(apply->isEnabled());
        chooseTab(f.sheet, 1);
        f.b.SetModified(true);
        f.a.SetModified(false);
        EXPECT_TRUE(apply->isEnabled()) << "B is still modified";
        f.log.clear();
        apply->click();
        EXPECT_TRUE(f.sheet.IsModalRunning());
        f.b.SetModified(false);
        EXPECT_FALSE(apply->isEnabled());
        f.sheet.EndDialog(IDCANCEL);
    });
    f.sheet.DoModal();
    EXPECT_EQ(f.log, (Log{"command 12321", "kill B", "apply A", "apply B"}));
    EXPECT_EQ(f.a.m_strText, "x");
}

TEST(CPropertySheet, CancelClosesWithoutApplyingAndTellsTheDisplayedPages) {
    DialogRecorder recorder;
    Fixture f;
    recorder.ExpectModal([&](QDialog&) {
        QTest::keyClicks(f.a.Field(), "typed");
        f.log.clear();
        button(f.sheet, IDCANCEL)->click();
    });
    EXPECT_EQ(f.sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(f.log, (Log{"command 2", "cancel A"}));
    EXPECT_EQ(f.a.m_strText, "") << "Cancel reads nothing";
}

TEST(CPropertySheet, EnterAndEscapeInAPageFieldReachTheSheet) {
    for (const auto& [key, expected] : {std::pair{Qt::Key_Return, IDOK}, std::pair{Qt::Key_Escape, IDCANCEL}}) {
        DialogRecorder recorder;
        Fixture f;
        recorder.ExpectModal([&, key = key](QDialog&) { QTest::keyClick(f.a.Field(), key); });
        EXPECT_EQ(f.sheet.DoModal(), expected) << key;
    }
}

TEST(CPropertySheet, PageWindowsExistOnlyForPagesDisplayedInTheCurrentShowing) {
    DialogRecorder recorder;
    std::vector<std::string> log;
    LoggingPage a{"A", log};
    LoggingPage b{"B", log};
    LoggingSheet sheet{log, 1};
    sheet.AddPage(&a);
    sheet.AddPage(&b);
    b.m_strText = "field";

    recorder.ExpectModal([&](QDialog&) {
        EXPECT_FALSE(a.IsWindowCreated());
        EXPECT_EQ(a.GetDlgItem(kFieldId), nullptr);
        ASSERT_NE(b.Field(), nullptr);
        EXPECT_EQ(b.Field()->text(), "field");
        EXPECT_EQ(b.userChanges, 0) << "the page's own writes are not changes";
        b.Field()->end(false); // the focus came with the text selected
        QTest::keyClicks(b.Field(), "!");
        EXPECT_EQ(b.userChanges, 1);
        chooseTab(sheet, 0);
        EXPECT_TRUE(a.IsWindowCreated());
        sheet.EndDialog(IDOK);
    });
    sheet.DoModal();
    EXPECT_FALSE(a.IsWindowCreated());
    EXPECT_FALSE(b.IsWindowCreated());
    EXPECT_EQ(b.GetDlgItem(kFieldId), nullptr);
    EXPECT_EQ(b.m_strText, "field!") << "the check on leaving B read its field";

    recorder.ExpectModal([&](QDialog&) {
        ASSERT_NE(b.Field(), nullptr);
        EXPECT_EQ(b.Field()->text(), "field!");
        EXPECT_FALSE(a.IsWindowCreated());
        EXPECT_FALSE(button(sheet, CPropertySheet::ID_APPLY_NOW)->isEnabled()) << "a new showing starts unmodified";
        sheet.EndDialog(IDCANCEL);
    });
    sheet.DoModal();
    EXPECT_EQ(b.creations, 2);
    EXPECT_EQ(b.initialisations, 2);
    EXPECT_EQ(a.initialisations, 1) << "a page not displayed in a showing is not initialised";
}

// A page of two fields named after the page ("A1", "A2") under a wrapped text of
// as many words as it is told when it is built.
class FieldsPage : public CPropertyPage {
public:
    explicit FieldsPage(const std::string& name) : CPropertyPage(902, name) {}
    int words = 1;
    QLabel* Text() const { return findChild<QLabel*>(); }

protected:
    void CreateControls() override {
        auto* layout = new QVBoxLayout(this);
        auto* text = new QLabel(QStringLiteral("word ").repeated(words), this);
        text->setWordWrap(true);
        layout->addWidget(text);
        for (const char* number : {"1", "2"}) {
            auto* field = new QLineEdit(this);
            field->setObjectName(QString::fromStdString(GetCaption()) + number);
            layout->addWidget(field);
        }
    }
};

struct FieldsSheet {
    std::vector<std::string> log;
    FieldsPage a{"A"}, b{"B"}, c{"C"};
    LoggingSheet sheet{log};
    FieldsSheet() {
        for (CPropertyPage* page : {&a, &b, &c}) {
            sheet.AddPage(page);
        }
    }
};

// What has the focus: a field's name, "tabs" or a button's text.
std::string focusName(const CPropertySheet& sheet) {
    const QWidget* focus = sheet.focusWidget();
    if (const auto* pushButton = qobject_cast<const QPushButton*>(focus)) {
        return pushButton->text().toStdString();
    }
    return focus == sheet.GetTabControl()->tabBar() ? "tabs" : focus->objectName().toStdString();
}

TEST(CPropertySheet, TheKeyboardStartsInTheFirstFieldAndGoesThroughTheFieldsBeforeTheButtons) {
    const QKeyCombination tab(Qt::Key_Tab), back(Qt::ShiftModifier, Qt::Key_Backtab);
    const QKeyCombination nextPage(Qt::ControlModifier, Qt::Key_Tab);
    const QKeyCombination previousPage(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Backtab);
    const struct {
        const char* name;
        std::vector<QKeyCombination> keys;
        std::vector<std::string> focus; // after opening, then after each key
    } cases[] = {
        {"Tab walks the fields, then OK and Cancel, then the tabs",
         {tab, tab, tab, tab, tab},
         {"A1", "A2", "OK", "Cancel", "tabs", "A1"}},
        {"Ctrl+Tab lands in the next page's first field",
         {tab, nextPage, nextPage, nextPage, tab, tab},
         {"A1", "A2", "B1", "C1", "A1", "A2", "OK"}},
        {"Ctrl+Shift+Tab from a button goes to the page before",
         {back, back, previousPage},
         {"A1", "tabs", "Cancel", "C1"}},
        {"the arrows on the tabs leave the focus on the tabs",
         {back, Qt::Key_Right, tab},
         {"A1", "tabs", "tabs", "B1"}},
    };
    for (const auto& c : cases) {
        DialogRecorder recorder;
        FieldsSheet f;
        std::vector<std::string> seen;
        recorder.ExpectModal([&](QDialog&) {
            f.sheet.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &f.sheet; }));
            seen.push_back(focusName(f.sheet));
            for (const QKeyCombination key : c.keys) {
                QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
                seen.push_back(focusName(f.sheet));
            }
            f.sheet.EndDialog(IDCANCEL);
        });
        f.sheet.DoModal();
        EXPECT_EQ(seen, c.focus) << c.name;
    }
}

// Wrapped lines are no part of any minimum size: the sheet alone makes room for
// them, also when a page needs more once shown than when it was measured.
TEST(CPropertySheet, APageThatNeedsMoreOnceShownThanWhenMeasuredGrowsTheSheet) {
    DialogRecorder recorder;
    FieldsSheet f;
    recorder.ExpectModal([&](QDialog&) {
        f.b.words = 400;
        chooseTab(f.sheet, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        EXPECT_GE(f.b.Text()->height(), f.b.Text()->heightForWidth(f.b.Text()->width()));
        f.sheet.EndDialog(IDCANCEL);
    });
    f.sheet.DoModal();
}

TEST(CPropertySheet, PagesLeaveTheSheetWhicheverGoesFirst) {
    std::vector<std::string> log;
    LoggingPage outliving{"outliving", log};
    {
        LoggingSheet sheet{log};
        sheet.AddPage(&outliving);
        {
            LoggingPage shortLived{"short", log};
            sheet.AddPage(&shortLived);
            sheet.AddPage(&shortLived); // a page is in a sheet once
            EXPECT_EQ(sheet.GetPageCount(), 2);
            DialogRecorder recorder;
            recorder.ExpectModal([&](QDialog&) { sheet.EndDialog(IDCANCEL); });
            sheet.DoModal(); // builds the tabs, which take the pages as children
        }
        EXPECT_EQ(sheet.GetPageCount(), 1);
        EXPECT_EQ(sheet.GetTabControl()->count(), 1);
        EXPECT_EQ(sheet.GetPage(0), &outliving);
    }
    EXPECT_EQ(outliving.GetSheet(), nullptr);
    EXPECT_EQ(outliving.parentWidget(), nullptr);
}

TEST(CPropertySheet, RemovingTheActivePageBringsItsNeighbourToTheFront) {
    DialogRecorder recorder;
    Fixture f;
    recorder.ExpectModal([&](QDialog&) {
        chooseTab(f.sheet, 2);
        f.sheet.RemovePage(2);
        EXPECT_EQ(f.sheet.GetPageCount(), 2);
        EXPECT_EQ(f.sheet.GetActivePage(), &f.b);
        EXPECT_FALSE(f.c.IsWindowCreated());
        f.sheet.RemovePage(&f.a);
        EXPECT_EQ(f.sheet.GetActiveIndex(), 0);
        EXPECT_EQ(f.sheet.GetActivePage(), &f.b);
        f.sheet.EndDialog(IDCANCEL);
    });
    f.sheet.DoModal();
}

TEST(CPropertySheet, SetTitleReplacesTheCaption) {
    std::vector<std::string> log;
    LoggingSheet sheet{log};
    EXPECT_EQ(sheet.windowTitle(), "Sheet");
    sheet.SetTitle("Setup");
    EXPECT_EQ(sheet.windowTitle(), "Setup");
    sheet.SetTitle("Setup", CPropertySheet::PSH_PROPTITLE);
    EXPECT_EQ(sheet.windowTitle(), "Properties for Setup");
}
