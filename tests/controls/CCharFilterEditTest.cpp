#include "controls/CCharFilterEdit.h"
#include "controls/CharFilterPlainTextEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace desklet;

namespace {

const std::string kNumberChars = "1234567890!";

// One thing the user does to the field.
struct Step {
    enum class Kind {
        Type,
        Key,
        CtrlVAsControlCode,
        CtrlVAsLetter,
        CtrlVWithoutText,
        KeyText,
        Commit,
        ReplacingCommit
    };
    Kind kind;
    std::string text;
    Qt::Key key = Qt::Key_unknown;
};

Step Type(std::string text) {
    return {Step::Kind::Type, std::move(text)};
}
Step Key(Qt::Key key) {
    return {Step::Kind::Key, {}, key};
}
// Ctrl+V as the desktop delivers it (text 0x16) and as QTest does (text "v").
Step CtrlV() {
    return {Step::Kind::CtrlVAsControlCode, {}};
}
Step CtrlVLetter() {
    return {Step::Kind::CtrlVAsLetter, {}};
}
Step CtrlVWithoutText() {
    return {Step::Kind::CtrlVWithoutText, {}};
}
// One key event whose text holds several characters (a compose sequence).
Step KeyText(std::string text) {
    return {Step::Kind::KeyText, std::move(text)};
}
Step Commit(std::string text) {
    return {Step::Kind::Commit, std::move(text)};
}
// A commit that replaces the character before the cursor, as a correcting input method sends.
Step ReplacingCommit(std::string text) {
    return {Step::Kind::ReplacingCommit, std::move(text)};
}

void SendKey(QWidget& w, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
}

void Perform(QWidget& w, const Step& step) {
    switch (step.kind) {
    case Step::Kind::Type:
        QTest::keyClicks(&w, QString::fromStdString(step.text));
        break;
    case Step::Kind::Key:
        QTest::keyClick(&w, step.key);
        break;
    case Step::Kind::CtrlVAsControlCode:
        SendKey(w, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
        break;
    case Step::Kind::CtrlVAsLetter:
        QTest::keyClick(&w, Qt::Key_V, Qt::ControlModifier);
        break;
    case Step::Kind::CtrlVWithoutText:
        SendKey(w, Qt::Key_V, Qt::ControlModifier, QString());
        break;
    case Step::Kind::KeyText:
        SendKey(w, Qt::Key_unknown, Qt::NoModifier, QString::fromStdString(step.text));
        break;
    case Step::Kind::Commit:
    case Step::Kind::ReplacingCommit: {
        QInputMethodEvent event;
        if (step.kind == Step::Kind::Commit) {
            event.setCommitString(QString::fromStdString(step.text));
        } else {
            event.setCommitString(QString::fromStdString(step.text), -1, 1);
        }
        QCoreApplication::sendEvent(&w, &event);
        break;
    }
    }
}

struct Case {
    const char* name;
    bool rejectListed;
    std::string list;
    std::string initial; // set by the program before the user acts
    std::vector<Step> steps;
    std::string expected;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"number field takes digits and the exclamation mark",
         false,
         kNumberChars,
         "",
         {Type("2125551212!")},
         "2125551212!"},
        {"number field drops letters blank minus and quote", false, kNumberChars, "", {Type("2a -\"1Z")}, "21"},
        {"backspace works in the number field", false, kNumberChars, "", {Type("123"), Key(Qt::Key_Backspace)}, "12"},
        {"arrows and home move without being judged",
         false,
         kNumberChars,
         "",
         {Type("24"), Key(Qt::Key_Left), Type("3"), Key(Qt::Key_Home), Type("1")},
         "1234"},
        {"delete removes the character after the cursor",
         false,
         kNumberChars,
         "",
         {Type("123"), Key(Qt::Key_Home), Key(Qt::Key_Delete)},
         "23"},
        {"paste shortcut is dropped in accept mode", false, kNumberChars, "", {Type("1"), CtrlV()}, "1"},
        {"paste shortcut sent as a letter is dropped in accept mode",
         false,
         kNumberChars,
         "",
         {Type("1"), CtrlVLetter()},
         "1"},
        {"input method commit is filtered character by character", false, kNumberChars, "", {Commit("1a2-3")}, "123"},
        {"a commit that loses every character changes nothing",
         false,
         kNumberChars,
         "12",
         {ReplacingCommit("x")},
         "12"},
        {"a correcting commit keeps its passing characters", false, kNumberChars, "12", {ReplacingCommit("x9")}, "19"},
        {"a key with several characters types those that pass", false, kNumberChars, "", {KeyText("1a2")}, "12"},
        {"empty accept list drops every typed character", false, "", "", {Type("1a\"")}, ""},
        {"backspace works with an empty accept list", false, "", "abc", {Key(Qt::Key_Backspace)}, "ab"},
        {"port field takes digits only", false, "0123456789", "", {Type("25!a 5")}, "255"},
        {"quote field drops only the quote", true, "\"", "", {Type("say \"hi\" -1!")}, "say hi -1!"},
        {"backspace works in the quote field", true, "\"", "", {Type("ab"), Key(Qt::Key_Backspace)}, "a"},
        {"paste shortcut pastes in reject mode", true, "\"", "", {Type("x"), CtrlV()}, "xpasted"},
        {"paste shortcut sent as a letter pastes in reject mode", true, "\"", "", {CtrlVLetter()}, "pasted"},
        {"paste shortcut without text pastes in reject mode", true, "\"", "", {CtrlVWithoutText()}, "pasted"},
        {"input method commit loses its quotes", true, "\"", "", {Commit("a\"b\"")}, "ab"},
        {"text set by the program keeps its quotes", true, "\"", "say \"hi\"", {}, "say \"hi\""},
        {"server field drops the quote and the blank",
         true,
         "\" ",
         "",
         {Type("mail.example.com x\"")},
         "mail.example.comx"},
        {"default members accept every character", true, "", "", {Type("\"a 1-")}, "\"a 1-"},
    };
    return cases;
}

// The two flavours differ only in how their text is read and set.
template <class Edit> struct Flavour;

template <> struct Flavour<CCharFilterEdit> {
    static std::string Text(const CCharFilterEdit& e) { return e.text().toStdString(); }
    static void SetText(CCharFilterEdit& e, const std::string& t) { e.setText(QString::fromStdString(t)); }
};

template <> struct Flavour<CharFilterPlainTextEdit> {
    static std::string Text(const CharFilterPlainTextEdit& e) { return e.toPlainText().toStdString(); }
    static void SetText(CharFilterPlainTextEdit& e, const std::string& t) {
        e.setPlainText(QString::fromStdString(t));
        e.moveCursor(QTextCursor::End);
    }
};

template <class Edit> class FilteredEdit : public testing::Test {};

using Flavours = testing::Types<CCharFilterEdit, CharFilterPlainTextEdit>;
TYPED_TEST_SUITE(FilteredEdit, Flavours);

TYPED_TEST(FilteredEdit, TypingMeetsTheRule) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        QApplication::clipboard()->setText("pasted");
        TypeParam edit;
        edit.m_bRejectListed = c.rejectListed;
        edit.m_strFilterChars = c.list;
        Flavour<TypeParam>::SetText(edit, c.initial);
        edit.show();
        for (const Step& step : c.steps) {
            Perform(edit, step);
        }
        EXPECT_EQ(Flavour<TypeParam>::Text(edit), c.expected);
    }
}

TYPED_TEST(FilteredEdit, NewMembersJudgeTheNextCharacter) {
    TypeParam edit;
    edit.show();
    QTest::keyClicks(&edit, "a\"");
    edit.m_bRejectListed = false;
    edit.m_strFilterChars = kNumberChars;
    QTest::keyClicks(&edit, "b1");
    EXPECT_EQ(Flavour<TypeParam>::Text(edit), "a\"1");
}

// The number field sits in the main dialog: Enter must still press the default
// button and Escape must still cancel, although neither is in its list.
TEST(FilteredLineEdit, EnterAndEscapeReachTheDialog) {
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* edit = new CCharFilterEdit(&dialog);
    edit->m_bRejectListed = false;
    edit->m_strFilterChars = kNumberChars;
    auto* button = new QPushButton("Send", &dialog);
    button->setDefault(true);
    layout->addWidget(edit);
    layout->addWidget(button);
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    bool rejected = false;
    QObject::connect(&dialog, &QDialog::rejected, [&rejected] { rejected = true; });
    dialog.show();

    QTest::keyClicks(edit, "12");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(edit->text().toStdString(), "12");

    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(rejected);
}

} // namespace
