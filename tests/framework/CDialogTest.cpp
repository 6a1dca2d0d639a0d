#include "framework/CDialog.h"
#include "framework/DataExchange.h"
#include "framework/DialogServices.h"
#include "support/DialogRecorder.h"
#include "support/UserPaste.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace desklet;
using desklet::test::DialogRecorder;

namespace {

// A dialog with one field of each kind the exchange knows.
class SampleDialog : public CDialog {
public:
    SampleDialog() : CDialog(900) {}

    std::string m_strName = "initial";
    int m_nChoice = 1;
    bool m_bFlag = true;
    int initCount = 0;
    int changesOutsideExchange = 0;

    bool OnInitDialog() override {
        ++initCount;
        return CDialog::OnInitDialog();
    }

    QLineEdit* name = nullptr;
    QPlainTextEdit* notes = nullptr;

protected:
    void CreateControls() override {
        setWindowTitle("Sample");
        auto* layout = new QVBoxLayout(this);
        name = new QLineEdit(this);
        SetDlgItemId(*name, 1001);
        connect(name, &QLineEdit::textChanged, this, [this] {
            if (!InDataExchange()) {
                ++changesOutsideExchange;
            }
        });
        auto* group = new QButtonGroup(this);
        auto* first = new QRadioButton("First", this);
        auto* second = new QRadioButton("Second", this);
        group->addButton(first);
        group->addButton(second);
        SetDlgItemId(*first, 1005);
        SetDlgItemId(*second, 1006);
        auto* flag = new QCheckBox("Flag", this);
        SetDlgItemId(*flag, 1022);
        notes = new QPlainTextEdit(this);
        auto* ok = new QPushButton("OK", this);
        ok->setDefault(true);
        SetDlgItemId(*ok, IDOK);
        auto* cancel = new QPushButton("Cancel", this);
        SetDlgItemId(*cancel, IDCANCEL);
        for (QWidget* w : std::initializer_list<QWidget*>{name, first, second, flag, notes, ok, cancel}) {
            layout->addWidget(w);
        }
    }

    void DoDataExchange(DataExchange* pDX) override {
        DDX_Text(pDX, 1001, m_strName);
        DDV_MaxChars(pDX, m_strName, 10);
        DDX_Radio(pDX, 1005, m_nChoice);
        DDX_Check(pDX, 1022, m_bFlag);
    }
};

QPushButton* button(CDialog& dialog, int id) {
    return qobject_cast<QPushButton*>(dialog.GetDlgItem(id));
}

} // namespace

TEST(CDialog, InitialisationWritesTheFieldsAndOkReadsThemBack) {
    DialogRecorder recorder;
    SampleDialog dialog;
    recorder.ExpectModal([](QDialog& d) {
        auto& sample = static_cast<SampleDialog&>(d);
        EXPECT_EQ(sample.name->text(), "initial");
        EXPECT_TRUE(qobject_cast<QRadioButton*>(sample.GetDlgItem(1006))->isChecked());
        sample.name->setText("typed");
        qobject_cast<QRadioButton*>(sample.GetDlgItem(1005))->setChecked(true);
        qobject_cast<QCheckBox*>(sample.GetDlgItem(1022))->setChecked(false);
        button(sample, IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, "typed");
    EXPECT_EQ(dialog.m_nChoice, 0);
    EXPECT_FALSE(dialog.m_bFlag);
    EXPECT_EQ(dialog.changesOutsideExchange, 1) << "the exchange's own writes are not notifications";
}

TEST(CDialog, CancelAndTheCloseBoxEndWithCancelAndKeepTheFields) {
    for (const bool useCloseBox : {false, true}) {
        DialogRecorder recorder;
        SampleDialog dialog;
        recorder.ExpectModal([useCloseBox](QDialog& d) {
            auto& sample = static_cast<SampleDialog&>(d);
            sample.name->setText("discarded");
            if (useCloseBox) {
                sample.close();
            } else {
                button(sample, IDCANCEL)->click();
            }
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(dialog.m_strName, "initial");
    }
}

TEST(CDialog, ModalRunGoesOnWhileTheDialogIsHiddenAndShownAgain) {
    DialogRecorder recorder;
    SampleDialog dialog;
    bool stillRunningAfterHide = false;
    recorder.ExpectModal([&](QDialog& d) {
        auto& sample = static_cast<SampleDialog&>(d);
        sample.ShowWindow(SW_HIDE);
        sample.MessageBox("while hidden", "Caption", MB_OK);
        QApplication::processEvents();
        stillRunningAfterHide = sample.IsModalRunning();
        sample.ShowWindow(SW_SHOW);
        QTimer::singleShot(0, &sample, [&sample] { sample.EndDialog(IDOK); });
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(stillRunningAfterHide);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "while hidden");
}

TEST(CDialog, ATextLongerThanItsLimitFailsTheReadAndTheDialogStaysOpen) {
    DialogRecorder recorder;
    SampleDialog dialog;
    dialog.m_strName = std::string(12, 'x'); // arrives from elsewhere, longer than the limit
    bool staysOpen = false;
    recorder.ExpectModal([&](QDialog& d) {
        auto& sample = static_cast<SampleDialog&>(d);
        EXPECT_EQ(sample.name->text().size(), 12) << "a long text is shown whole, not cut";
        button(sample, IDOK)->click();
        staysOpen = sample.IsModalRunning();
        sample.name->setText("short");
        button(sample, IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(staysOpen);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Please enter no more than 10 characters.");
    EXPECT_EQ(dialog.m_strName, "short");
}

TEST(CDialog, TheLimitStopsTypingAtItsLength) {
    DialogRecorder recorder;
    SampleDialog dialog;
    dialog.m_strName.clear();
    recorder.ExpectModal([](QDialog& d) {
        auto& sample = static_cast<SampleDialog&>(d);
        QTest::keyClicks(sample.name, "abcdefghijklmnop");
        EXPECT_EQ(sample.name->text(), "abcdefghij");
        QTest::keyClick(sample.name, Qt::Key_Backspace);
        QTest::keyClicks(sample.name, "XY");
        EXPECT_EQ(sample.name->text(), "abcdefghiX");
        button(sample, IDOK)->click();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, "abcdefghiX");
}

TEST(CDialog, TheLimitCutsWhatIsPastedOrDroppedByEveryRoute) {
    using desklet::test::PasteRoute;
    for (const auto& [route, name] :
         {std::pair{PasteRoute::CtrlV, "Ctrl+V"}, std::pair{PasteRoute::ShiftInsert, "Shift+Insert"},
          std::pair{PasteRoute::ContextMenu, "context menu"}, std::pair{PasteRoute::Drop, "drop"}}) {
        DialogRecorder recorder;
        SampleDialog dialog;
        dialog.m_strName = "abc";
        recorder.ExpectModal([&, route = route, name = name](QDialog& d) {
            auto& sample = static_cast<SampleDialog&>(d);
            sample.name->end(false);
            desklet::test::Paste(*sample.name, "0123456789XYZ", route);
            EXPECT_EQ(sample.name->text(), "abc0123456") << name;
            EXPECT_TRUE(sample.UpdateData(true)) << name;
            desklet::test::PressCancel(sample);
        });
        dialog.DoModal();
        EXPECT_TRUE(recorder.messages.empty()) << name << ": " << recorder.messages.front().text;
        EXPECT_EQ(dialog.changesOutsideExchange, 1) << name << ": one change, never too long a text";
    }
}

TEST(CDialog, APasteIntoALongStoredTextAddsNothingAndOverASelectionFits) {
    DialogRecorder recorder;
    SampleDialog dialog;
    dialog.m_strName = std::string(12, 'x');
    recorder.ExpectModal([](QDialog& d) {
        auto& sample = static_cast<SampleDialog&>(d);
        sample.name->end(false);
        desklet::test::Paste(*sample.name, "yz", desklet::test::PasteRoute::CtrlV);
        EXPECT_EQ(sample.name->text().toStdString(), std::string(12, 'x'));
        sample.name->selectAll();
        desklet::test::Paste(*sample.name, "0123456789XYZ", desklet::test::PasteRoute::CtrlV);
        EXPECT_EQ(sample.name->text(), "0123456789");
        desklet::test::PressCancel(sample);
    });
    dialog.DoModal();
}

TEST(CDialog, ASecondRunInitialisesAgainOverTheSameControls) {
    DialogRecorder recorder;
    SampleDialog dialog;
    recorder.ExpectModal([](QDialog& d) { desklet::test::PressCancel(d); });
    recorder.ExpectModal([](QDialog& d) { desklet::test::PressOk(d); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    QLineEdit* first = dialog.name;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, first);
    EXPECT_EQ(dialog.initCount, 2);
    EXPECT_EQ(recorder.modalRuns, (std::vector<std::string>{"Sample", "Sample"}));
}

struct EnterCase {
    const char* name;
    bool multiLine; // typed into the multi-line field, else into the line field
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool pressesDefault;
};

TEST(CDialog, EnterBreaksTheLineOfAMultiLineFieldAndCtrlEnterPressesTheDefaultButtonFromAnyField) {
    const EnterCase cases[] = {
        {"Enter in the multi-line field breaks the line", true, Qt::Key_Return, Qt::NoModifier, false},
        {"keypad Enter in the multi-line field breaks the line", true, Qt::Key_Enter, Qt::KeypadModifier, false},
        {"Ctrl+Enter in the multi-line field presses the default button", true, Qt::Key_Return, Qt::ControlModifier,
         true},
        {"Ctrl+keypad Enter in the multi-line field presses it too", true, Qt::Key_Enter,
         Qt::ControlModifier | Qt::KeypadModifier, true},
        {"Enter in the line field presses the default button", false, Qt::Key_Return, Qt::NoModifier, true},
        {"Ctrl+Enter in the line field presses the default button", false, Qt::Key_Return, Qt::ControlModifier, true},
    };
    for (const EnterCase& c : cases) {
        DialogRecorder recorder;
        SampleDialog dialog;
        int pressed = 0;
        QString notes;
        recorder.ExpectModal([&](QDialog& d) {
            auto& sample = static_cast<SampleDialog&>(d);
            QObject::connect(button(sample, IDOK), &QPushButton::clicked, [&pressed] { ++pressed; });
            QWidget* field = c.multiLine ? static_cast<QWidget*>(sample.notes) : sample.name;
            sample.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &sample; })) << c.name;
            field->setFocus();
            QTest::keyClicks(field, "a");
            QTest::keyClick(field, c.key, c.modifiers);
            notes = sample.notes->toPlainText();
            if (pressed == 0) {
                desklet::test::PressCancel(sample);
            }
        });
        EXPECT_EQ(dialog.DoModal(), c.pressesDefault ? IDOK : IDCANCEL) << c.name;
        EXPECT_EQ(pressed, c.pressesDefault ? 1 : 0) << c.name;
        if (c.multiLine) {
            EXPECT_EQ(notes, c.pressesDefault ? "a" : "a\n") << c.name;
        }
    }
}
