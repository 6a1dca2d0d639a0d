#include "controls/CHyperLinkCtrl.h"
#include "controls/LinkGeometry.h"
#include "controls/OpenCommand.h"
#include "controls/TextContrast.h"
#include "framework/WinConstants.h"
#include "support/DialogRecorder.h"
#include "support/FakeDesktop.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QSet>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace desklet;
using desklet::test::DialogRecorder;
using desklet::test::FakeDesktop;
using desklet::test::TempDir;

namespace {

struct FitCase {
    const char* name;
    QRect rect;
    QSize text;
    HorizontalFit horizontal;
    bool centerVertically;
    QRect expected;
    friend void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }
};

const FitCase kFitCases[] = {
    {"left keeps the top left corner", {10, 5, 200, 20}, {120, 13}, HorizontalFit::Left, false, {10, 5, 120, 13}},
    {"right keeps the right edge", {10, 5, 200, 20}, {120, 13}, HorizontalFit::Right, false, {90, 5, 120, 13}},
    {"centre shrinks by half the difference on each side",
     {10, 5, 200, 20},
     {120, 13},
     HorizontalFit::Center,
     false,
     {50, 5, 120, 13}},
    {"odd difference leaves the extra pixel",
     {0, 0, 201, 20},
     {120, 13},
     HorizontalFit::Center,
     false,
     {40, 0, 121, 13}},
    {"wider text grows a left control to the right",
     {10, 5, 50, 20},
     {120, 13},
     HorizontalFit::Left,
     false,
     {10, 5, 120, 13}},
    {"wider text moves centred sides outward",
     {100, 0, 60, 20},
     {120, 13},
     HorizontalFit::Center,
     false,
     {70, 0, 120, 13}},
    {"vertical centring moves top and bottom inward",
     {0, 10, 200, 21},
     {120, 13},
     HorizontalFit::Left,
     true,
     {0, 14, 120, 13}},
    {"taller text moves top and bottom outward",
     {0, 10, 200, 20},
     {120, 30},
     HorizontalFit::Left,
     true,
     {0, 5, 120, 30}},
};

class FitRectToTextTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitRectToTextTest, Fits) {
    const FitCase& c = GetParam();
    EXPECT_EQ(FitRectToText(c.rect, c.text, c.horizontal, c.centerVertically), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, FitRectToTextTest, testing::ValuesIn(kFitCases), test::SentenceName{});

// A link placed by hand in a parent, as a dialog template places it.
// A stand-in for the desktop's opener: a shell script that leaves its arguments
// in "<itself>.args" and then runs `body`.
std::filesystem::path OpenerProgram(const TempDir& dir, const std::string& body) {
    static int count = 0;
    const auto path = dir.WriteFile("opener" + std::to_string(++count),
                                    "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > \"$0.args\"\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

// Long enough that an opener which ends is judged by how it ended, however busy
// the machine.
constexpr int kNoVerdictByTime = 600000;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The result of an open whose every road answers at once, as the fake desktop's do.
int OpenNow(CHyperLinkCtrl& link, const std::string& url) {
    int result = -1;
    link.OpenURL(url, SW_SHOW, [&result](int answer) { result = answer; });
    return result;
}

struct PlacedLink {
    explicit PlacedLink(const QString& caption, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
        parent.resize(400, 200);
        link.setParent(&parent);
        link.setGeometry(20, 30, 300, 40);
        link.setAlignment(alignment);
        link.setText(caption);
    }
    QSize textExtent() const {
        const QFontMetrics metrics(link.m_fontLink);
        return {metrics.horizontalAdvance(link.text()), metrics.height()};
    }
    QWidget parent;
    CHyperLinkCtrl link;
};

TEST(CHyperLinkCtrl, AttachingSetsUpCaptionFontTooltipCursorAndSize) {
    PlacedLink placed("Visit us");
    placed.link.Attach();

    EXPECT_EQ(placed.link.m_strTarget, "Visit us");
    EXPECT_EQ(placed.link.toolTip(), "Visit us");
    EXPECT_TRUE(placed.link.font().underline());
    EXPECT_EQ(placed.link.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(placed.link.geometry(), QRect(QPoint(20, 30), placed.textExtent()));
}

TEST(CHyperLinkCtrl, EmptyCaptionShowsTheUrlAndUnderlineCanBeOff) {
    PlacedLink placed("");
    placed.link.SetTargetURL("http://a.example/");
    placed.link.m_bUnderlined = false;
    placed.link.Attach();

    EXPECT_EQ(placed.link.text(), "http://a.example/");
    EXPECT_FALSE(placed.link.font().underline());
}

TEST(CHyperLinkCtrl, FitKeepsTheEdgeOfItsAlignmentAndCanBeTurnedOff) {
    PlacedLink right("Visit us", Qt::AlignRight | Qt::AlignTop);
    right.link.Attach();
    EXPECT_EQ(right.link.geometry().right(), 20 + 300 - 1);
    EXPECT_EQ(right.link.width(), right.textExtent().width());

    PlacedLink centred("Visit us", Qt::AlignHCenter | Qt::AlignTop);
    centred.link.Attach();
    EXPECT_EQ(centred.link.geometry(),
              FitRectToText({20, 30, 300, 40}, centred.textExtent(), HorizontalFit::Center, false));

    PlacedLink unfitted("Visit us");
    unfitted.link.m_bFitToText = false;
    unfitted.link.Attach();
    EXPECT_EQ(unfitted.link.geometry(), QRect(20, 30, 300, 40));
}

TEST(CHyperLinkCtrl, TargetSetAfterAttachingChangesTooltipAndSizeButNotCaption) {
    PlacedLink placed("CLICK HERE");
    placed.link.Attach();
    placed.link.setText("CLICK HERE TO VIEW THE ONLINE HELP");
    placed.link.SetTargetURL("http://a.example/help");

    EXPECT_EQ(placed.link.text(), "CLICK HERE TO VIEW THE ONLINE HELP");
    EXPECT_EQ(placed.link.toolTip(), "http://a.example/help");
    EXPECT_EQ(placed.link.size(), placed.textExtent());
}

TEST(CHyperLinkCtrl, OpensWithTheDesktopFirstAndTheRegisteredCommandSecond) {
    FakeDesktop desktop;
    desktop.browserCommand = R"("/opt/web/bin/browse" -nohome "%1")";
    CHyperLinkCtrl link;

    EXPECT_EQ(OpenNow(link, "http://a.example/"), 33);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open http://a.example/", "find",
                                                       R"(launch "/opt/web/bin/browse" -nohome  http://a.example/)"}));
    EXPECT_EQ(desktop.lastShowCommand, SW_SHOW);

    desktop.calls.clear();
    desktop.openerSucceeds = true;
    EXPECT_GT(OpenNow(link, "http://a.example/"), 32);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open http://a.example/"}));
}

TEST(CHyperLinkCtrl, ReportsTheDesktopsCodeWithoutACommandAndTheLaunchersWithOne) {
    FakeDesktop desktop;
    CHyperLinkCtrl link;
    EXPECT_EQ(OpenNow(link, "http://a.example/"), kOpenNoAssociation);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open http://a.example/", "find"}));

    desktop.browserCommand = "gone %u";
    desktop.launchResult = kOpenFileNotFound;
    EXPECT_EQ(OpenNow(link, "http://a.example/"), kOpenFileNotFound);
}

TEST(CHyperLinkCtrl, RefusesACommandLineThatDoesNotFitTheBuffer) {
    FakeDesktop desktop;
    CHyperLinkCtrl link;
    // "b " plus the URL, and the terminator, against the 520-byte buffer.
    const std::string fits = "http://a/" + std::string(kOpenCommandBufferSize - 1 - 2 - 9, 'x');
    desktop.browserCommand = "b";
    EXPECT_EQ(OpenNow(link, fits), 33);
    EXPECT_EQ(desktop.calls.back().size(), std::string("launch ").size() + kOpenCommandBufferSize - 1);

    desktop.calls.clear();
    EXPECT_EQ(OpenNow(link, fits + "x"), kOpenNoAssociation);
    EXPECT_EQ(desktop.calls.size(), 2U) << "the launcher must not run";
}

TEST(CHyperLinkCtrl, FailedClickShowsOneMessageAndClearsVisited) {
    FakeDesktop desktop;
    DialogRecorder recorder;
    PlacedLink placed("http://a.example/");
    placed.link.Attach();
    placed.link.MarkVisited(true);

    QTest::mouseClick(&placed.link, Qt::LeftButton);

    ASSERT_EQ(recorder.messages.size(), 1U);
    EXPECT_EQ(recorder.messages[0].text,
              "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_EQ(recorder.messages[0].caption, "Desklet");
    EXPECT_EQ(recorder.messages[0].type, MB_ICONEXCLAMATION);
    EXPECT_FALSE(placed.link.m_bVisitedLink);
}

TEST(CHyperLinkCtrl, SuccessfulClickTurnsTheLinkVisited) {
    FakeDesktop desktop;
    desktop.openerSucceeds = true;
    DialogRecorder recorder;
    PlacedLink placed("Visit us");
    placed.link.SetTargetURL("http://a.example/");
    placed.link.Attach();

    QTest::mouseClick(&placed.link, Qt::LeftButton);

    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open http://a.example/"}));
    EXPECT_TRUE(placed.link.m_bVisitedLink);
    EXPECT_EQ(placed.link.CurrentTextColor(), QColor(85, 26, 139));
}

TEST(CHyperLinkCtrl, AClickCountsOnlyWhatTheOpenerReallyOpened) {
    const struct {
        int status;
        bool visited;
        std::vector<std::string> messages;
    } cases[] = {
        {3,
         false,
         {"Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension."}},
        {0, true, {}},
    };
    TempDir dir;
    for (const auto& c : cases) {
        FakeDesktop desktop; // and no browser command registered behind the opener
        const QString opener = QString::fromStdString(OpenerProgram(dir, "exit " + std::to_string(c.status)).string());
        DesktopServices::SetUrlOpener([opener](const QUrl& url, DesktopServices::OpenAnswer answer) {
            DesktopServices::RunOpener(opener, url, std::move(answer), kNoVerdictByTime);
        });
        DialogRecorder recorder;
        PlacedLink placed("Visit us");
        placed.link.SetTargetURL("http://a.example/a b?x=1");
        placed.link.Attach();
        placed.link.MarkVisited(!c.visited);

        QTest::mouseClick(&placed.link, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return placed.link.m_bVisitedLink == c.visited; })) << c.status;

        std::vector<std::string> shown;
        for (const auto& message : recorder.messages) {
            shown.push_back(message.text);
        }
        EXPECT_EQ(shown, c.messages) << c.status;
        EXPECT_EQ(desktop.calls, c.visited ? std::vector<std::string>{} : std::vector<std::string>{"find"});
        EXPECT_EQ(ReadFile(opener.toStdString() + ".args"), "1|http://a.example/a%20b?x=1|") << "one argument";
    }
}

TEST(CHyperLinkCtrl, AClickWaitsForTheDesktopsAnswerWhichMayOutliveTheLink) {
    FakeDesktop desktop;
    desktop.holdAnswers = true;
    DialogRecorder recorder;
    {
        PlacedLink placed("http://a.example/");
        placed.link.Attach();
        QTest::mouseClick(&placed.link, Qt::LeftButton);
        EXPECT_FALSE(placed.link.m_bVisitedLink) << "not before the desktop answered";
        ASSERT_EQ(desktop.heldAnswers.size(), 1U);
        desktop.heldAnswers[0](kOpenSucceeded);
        EXPECT_TRUE(placed.link.m_bVisitedLink);
        QTest::mouseClick(&placed.link, Qt::LeftButton);
    }
    ASSERT_EQ(desktop.heldAnswers.size(), 2U);
    desktop.heldAnswers[1](kOpenNoAssociation);
    EXPECT_TRUE(recorder.messages.empty()) << "a link that has gone reports nothing";
}

TEST(DesktopServices, TheOpenerProgramAnswersOnceFromHowItEnded) {
    TempDir dir;
    const struct {
        const char* name;
        std::filesystem::path program;
        const char* url;
        std::vector<int> answers;
    } cases[] = {
        {"a handler that failed", OpenerProgram(dir, "exit 4"), "http://a.example/", {kOpenAssociationIncomplete}},
        {"no opener installed", dir.path() / "absent", "http://a.example/", {kOpenNoAssociation}},
        {"a URL that would be read as an option", OpenerProgram(dir, "exit 0"), "--help", {kOpenFileNotFound}},
    };
    for (const auto& c : cases) {
        std::vector<int> answers;
        DesktopServices::RunOpener(
            QString::fromStdString(c.program.string()), QUrl(c.url),
            [&answers](int result) { answers.push_back(result); }, kNoVerdictByTime);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !answers.empty(); })) << c.name;
        EXPECT_EQ(answers, c.answers) << c.name;
    }
}

TEST(DesktopServices, AnOpenerStillRunningCountsAsOpenedAndItsEndIsNotReportedAgain) {
    TempDir dir;
    const auto stop = dir.path() / "stop";
    // Runs until told to stop, as xdg-open does with a browser in its foreground.
    const auto opener = OpenerProgram(dir, "i=0; while [ ! -e '" + stop.string() +
                                               "' ] && [ $i -lt 400 ]; do sleep 0.05; " + "i=$((i+1)); done; exit 4");
    std::vector<int> answers;
    DesktopServices::RunOpener(
        QString::fromStdString(opener.string()), QUrl("http://a.example/"),
        [&answers](int result) { answers.push_back(result); }, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !answers.empty(); }));
    EXPECT_EQ(answers, std::vector<int>{kOpenSucceeded});

    dir.WriteFile("stop", "");
    const auto openersRunning = [] { return !QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(); };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !openersRunning();
    }));
    EXPECT_EQ(answers, std::vector<int>{kOpenSucceeded});
}

TEST(CHyperLinkCtrl, ReportOpenErrorNamesTheCode) {
    DialogRecorder recorder;
    CHyperLinkCtrl link;
    link.ReportOpenError(26);
    link.ReportOpenError(42);
    ASSERT_EQ(recorder.messages.size(), 2U);
    EXPECT_EQ(recorder.messages[0].text, "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(recorder.messages[1].text, "Unable to open hyperlink:\n\nUnknown Error (42) occurred.");
}

TEST(CHyperLinkCtrl, HoverColourOverridesVisitedAndEndsOutside) {
    PlacedLink placed("Visit us");
    placed.link.Attach();
    placed.link.MarkVisited(true);
    EXPECT_EQ(placed.link.CurrentTextColor(), placed.link.m_crVisited);

    QMouseEvent inside(QEvent::MouseMove, QPointF(2, 2), placed.link.mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&placed.link, &inside);
    EXPECT_EQ(placed.link.CurrentTextColor(), placed.link.m_crHover);

    QMouseEvent outside(QEvent::MouseMove, QPointF(-5, 2), placed.link.mapToGlobal(QPointF(-5, 2)), Qt::NoButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&placed.link, &outside);
    EXPECT_EQ(placed.link.CurrentTextColor(), placed.link.m_crVisited);
}

TEST(CHyperLinkCtrl, DrawsItsCaptionInTheLinkColourOverTheParentUnlessItWouldNotRead) {
    const struct {
        const char* name;
        QColor window;
        bool linkColour; // drawn in the link colour itself, else in one made readable
    } cases[] = {
        {"a light window keeps the link colour", QColor(0, 230, 0), true},
        {"a dark window lightens it until it reads", QColor(53, 53, 53), false},
    };
    for (const auto& c : cases) {
        PlacedLink placed("MMMM");
        QFont font = placed.link.font();
        font.setStyleStrategy(QFont::NoAntialias);
        font.setPixelSize(16);
        placed.link.setFont(font);
        placed.parent.setAutoFillBackground(true);
        QPalette palette = placed.parent.palette();
        palette.setColor(QPalette::Window, c.window);
        placed.parent.setPalette(palette);
        placed.link.Attach();

        const QImage image = placed.parent.grab(placed.link.geometry()).toImage();
        QSet<QRgb> drawn;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != c.window) {
                    drawn.insert(image.pixel(x, y));
                }
            }
        }
        ASSERT_EQ(drawn.size(), 1) << c.name << ": only the parent's colour and one for the caption";
        const QColor caption = QColor::fromRgb(*drawn.begin());
        EXPECT_EQ(caption == QColor(0, 0, 238), c.linkColour) << c.name;
        EXPECT_GE(TextContrast::Ratio(caption, c.window), TextContrast::kMinimum) << c.name;
        EXPECT_GT(caption.blue(), std::max(caption.red(), caption.green())) << c.name << ": still a blue";
    }
}

TEST(CHyperLinkCtrl, EnterOrSpaceOpensTheFocusedLinkAndNothingElseDoes) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool opens;
    } cases[] = {
        {"Enter opens", Qt::Key_Return, Qt::NoModifier, true},
        {"keypad Enter opens", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"Space opens", Qt::Key_Space, Qt::NoModifier, true},
        {"Ctrl+Enter is the dialog's", Qt::Key_Return, Qt::ControlModifier, false},
        {"a letter does nothing", Qt::Key_V, Qt::NoModifier, false},
    };
    for (const auto& c : cases) {
        FakeDesktop desktop;
        desktop.openerSucceeds = true;
        PlacedLink placed("Visit us");
        placed.link.SetTargetURL("http://a.example/");
        placed.link.Attach();
        EXPECT_TRUE(placed.link.focusPolicy() & Qt::TabFocus) << "Tab reaches it";
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers);
        QCoreApplication::sendEvent(&placed.link, &press);
        EXPECT_EQ(press.isAccepted(), c.opens) << c.name << ": a key it does not use goes on to the dialog";
        EXPECT_EQ(desktop.calls,
                  c.opens ? std::vector<std::string>{"open http://a.example/"} : std::vector<std::string>{})
            << c.name;
    }
}

} // namespace
