#include "controls/CColorLabel.h"
#include "controls/ColorLabelPainting.h"
#include "support/FakeDesktop.h"
#include "support/TestNames.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace desklet;

namespace {

const QColor kBlue(0, 0, 200);
const QColor kGreen(0, 160, 0);
const QColor kRed(220, 0, 0);
const QColor kWhite(255, 255, 255);

// A label on a green parent, attached as a dialog would attach it, in a font
// without antialiasing so that every text pixel has exactly its colour.
struct PlacedLabel {
    explicit PlacedLabel(QSize size = {120, 40}, const QString& caption = "MMMM") {
        parent.resize(300, 200);
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, kGreen);
        parent.setPalette(palette);
        label.setParent(&parent);
        label.setGeometry(QRect(QPoint(10, 10), size));
        QFont font = label.font();
        font.setStyleStrategy(QFont::NoAntialias);
        font.setPixelSize(16);
        label.setFont(font);
        label.setText(caption);
        label.Attach();
    }
    // What the parent shows where the label is.
    QImage render() { return parent.grab(label.geometry()).toImage(); }

    QWidget parent;
    CColorLabel label;
};

std::set<std::pair<int, int>> pixelsWhere(const QImage& image, const std::function<bool(const QColor&)>& test) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (test(image.pixelColor(x, y))) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

int countColor(const QImage& image, const QColor& color) {
    return static_cast<int>(pixelsWhere(image, [&](const QColor& c) { return c == color; }).size());
}

struct BandCase {
    const char* name;
    int width;
    int expectedBands;
    int bandWidth;
    int lastBandWidth;
    friend void PrintTo(const BandCase& c, std::ostream* os) { *os << c.name; }
};

const BandCase kBandCases[] = {
    {"narrower than the band count uses one pixel bands", 50, 50, 1, 1},
    {"exactly the band count", 100, 100, 1, 1},
    {"wide label uses the band count and a wide last band", 350, 100, 3, 53},
    {"one pixel is one band", 1, 1, 1, 1},
    {"two hundred pixels are even bands", 200, 100, 2, 2},
};

class GradientBandsTest : public testing::TestWithParam<BandCase> {};

TEST_P(GradientBandsTest, CoverTheWidthWithoutGapsOrOverlap) {
    const BandCase& c = GetParam();
    const auto bands = GradientBands(5, 5 + c.width, QColor(0, 0, 0), QColor(255, 0, 0), 100);
    ASSERT_EQ(static_cast<int>(bands.size()), c.expectedBands);
    int x = 5;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_EQ(bands[i].left, x) << "band " << i;
        const int expectedWidth = i + 1 == bands.size() ? c.lastBandWidth : c.bandWidth;
        EXPECT_EQ(bands[i].right - bands[i].left, expectedWidth) << "band " << i;
        x = bands[i].right;
    }
    EXPECT_EQ(x, 5 + c.width);
}

INSTANTIATE_TEST_SUITE_P(Cases, GradientBandsTest, testing::ValuesIn(kBandCases), test::SentenceName{});

TEST(GradientBands, StepInIntegerUnitsAndFallShortOfTheEndColour) {
    const auto bands = GradientBands(0, 350, QColor(0, 200, 10), QColor(255, 0, 10), 100);
    ASSERT_EQ(bands.size(), 100U);
    for (int i = 0; i < 100; ++i) {
        // Red steps 65280 / 100 = 652; green steps -51200 / 100 = -512.
        EXPECT_EQ(bands[static_cast<std::size_t>(i)].color, QColor((i * 652) / 256, (200 * 256 - i * 512) / 256, 10))
            << "band " << i;
    }
    EXPECT_EQ(bands.back().color.red(), 252);
}

TEST(GradientBands, EmptySpanHasNoBands) {
    EXPECT_TRUE(GradientBands(10, 10, Qt::black, Qt::white, 100).empty());
    EXPECT_TRUE(GradientBands(10, 4, Qt::black, Qt::white, 100).empty());
}

TEST(CColorLabel, PaintsGradientBandsAndLeavesTheBottomRow) {
    for (const int width : {50, 350}) {
        SCOPED_TRACE(width);
        PlacedLabel placed({width, 20}, "");
        placed.label.SetBackColor(QColor(0, 0, 0), QColor(255, 0, 0), true);
        const QImage image = placed.render();
        ASSERT_EQ(image.width(), width);
        const int bands = std::min(width, 100);
        const int step = 65280 / bands;
        const int bandWidth = width / bands;
        for (int x = 0; x < width; ++x) {
            const int band = std::min(x / bandWidth, bands - 1);
            ASSERT_EQ(image.pixelColor(x, 0), QColor((band * step) / 256, 0, 0)) << "column " << x;
            ASSERT_EQ(image.pixelColor(x, 18), image.pixelColor(x, 0)) << "column " << x;
        }
        EXPECT_EQ(image.pixelColor(width - 1, 0).red(), width == 350 ? 252 : (49 * 1305) / 256);
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(image.pixelColor(x, 19), QColor(0, 0, 0)) << "the bottom row stays unfilled";
        }
    }
}

TEST(CColorLabel, OpaqueLabelFillsItsBackgroundAndTransparentOneShowsTheParent) {
    PlacedLabel placed;
    placed.label.SetForeColor(kRed).SetBackColor(kBlue);
    QImage image = placed.render();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), kBlue);
    EXPECT_EQ(countColor(image, kGreen), 0);

    placed.label.SetTransparent(true);
    image = placed.render();
    EXPECT_EQ(countColor(image, kBlue), 0);
    EXPECT_GT(countColor(image, kRed), 20);
    EXPECT_EQ(countColor(image, kRed) + countColor(image, kGreen), image.width() * image.height())
        << "only the text and the parent";

    placed.label.SetTransparent(false);
    EXPECT_EQ(placed.render().pixelColor(0, image.height() - 1), kBlue);
}

TEST(CColorLabel, EmbossPassLiesOnePixelOffOnTopOfTheText) {
    for (const int direction : {0, 1}) {
        SCOPED_TRACE(direction);
        PlacedLabel placed;
        placed.label.SetForeColor(kRed).SetBackColor(kBlue).SetEmbossColor(kWhite);
        const auto text = pixelsWhere(placed.render(), [](const QColor& c) { return c == kRed; });
        ASSERT_GT(text.size(), 20U);

        placed.label.SetEmbossed(true, direction);
        const QImage embossed = placed.render();
        const int offset = direction == 0 ? -1 : 1;
        std::set<std::pair<int, int>> shifted;
        for (const auto& [x, y] : text) {
            shifted.insert({x + offset, y + offset});
        }
        EXPECT_EQ(pixelsWhere(embossed, [](const QColor& c) { return c == kWhite; }), shifted);
        for (const auto& [x, y] : pixelsWhere(embossed, [](const QColor& c) { return c == kRed; })) {
            EXPECT_TRUE(text.count({x, y}) == 1 && shifted.count({x, y}) == 0);
        }
    }
}

TEST(CColorLabel, RotatedTextStartsAtTheCentre) {
    PlacedLabel placed({120, 60});
    placed.label.SetForeColor(kRed).SetBackColor(kBlue);
    const auto textColumns = [&] {
        const auto pixels = pixelsWhere(placed.render(), [](const QColor& c) { return c == kRed; });
        std::pair<int, int> span{1000, -1};
        for (const auto& [x, y] : pixels) {
            span = {std::min(span.first, x), std::max(span.second, x)};
        }
        return span;
    };
    placed.label.SetRotation(0, true);
    EXPECT_GE(textColumns().first, 60);
    placed.label.SetRotation(180, true);
    EXPECT_LE(textColumns().second, 60);
}

TEST(CColorLabel, TextFlashingAlternatesWithTheBackgroundColour) {
    PlacedLabel placed;
    placed.label.SetForeColor(kRed).SetBackColor(kBlue);
    placed.label.SetTextFlashing(true);
    EXPECT_TRUE(placed.label.IsFlashTimerActive());
    EXPECT_EQ(countColor(placed.render(), kRed), 0) << "the phase starts off";

    for (int tick = 1; tick <= 4; ++tick) {
        placed.label.OnTimer();
        const bool on = tick % 2 == 1;
        EXPECT_EQ(countColor(placed.render(), kRed) > 0, on) << "tick " << tick;
    }

    placed.label.OnTimer();
    placed.label.SetTextFlashing(true);
    EXPECT_EQ(countColor(placed.render(), kRed), 0) << "a restart begins off again";

    placed.label.SetTextFlashing(false);
    EXPECT_FALSE(placed.label.IsFlashTimerActive());
    EXPECT_GT(countColor(placed.render(), kRed), 0);
}

TEST(CColorLabel, FlashOffPhaseWithoutABrushIsBlack) {
    PlacedLabel placed;
    placed.label.SetForeColor(kRed).SetTransparent(true).SetTextFlashing(true);
    const QImage image = placed.render();
    EXPECT_EQ(countColor(image, kRed), 0);
    EXPECT_GT(countColor(image, QColor(0, 0, 0)), 20);
}

TEST(CColorLabel, StoppingBackFlashingInTheOffPhaseShowsTheText) {
    PlacedLabel placed;
    placed.label.SetForeColor(kRed).SetBackColor(kBlue).SetTextFlashing(true);
    placed.label.SetBackFlashing(false);
    EXPECT_FALSE(placed.label.IsFlashTimerActive());
    EXPECT_GT(countColor(placed.render(), kRed), 0);
}

TEST(CColorLabel, BackFlashingRunsTheTimerAndLeavesThePictureAlone) {
    PlacedLabel placed;
    placed.label.SetForeColor(kRed).SetBackColor(kBlue).SetBackFlashing(true);
    EXPECT_TRUE(placed.label.IsFlashTimerActive());
    const QImage before = placed.render();
    placed.label.OnTimer();
    EXPECT_EQ(placed.render(), before);
    EXPECT_GT(countColor(before, kRed), 0);
}

struct FlagsCase {
    const char* name;
    Qt::Alignment alignment;
    bool wordWrap;
    QString text;
    int expected;
    friend void PrintTo(const FlagsCase& c, std::ostream* os) { *os << c.name; }
};

const FlagsCase kFlagsCases[] = {
    {"left without wrap draws one unwrapped line", Qt::AlignLeft | Qt::AlignTop, false, "a b",
     Qt::AlignLeft | Qt::AlignTop},
    {"left with wrap wraps", Qt::AlignLeft | Qt::AlignTop, true, "a b",
     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap},
    {"centre always wraps", Qt::AlignHCenter | Qt::AlignTop, false, "a b",
     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap},
    {"right always wraps", Qt::AlignRight | Qt::AlignTop, false, "a b",
     Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap},
    {"vertical centre with one line centres both ways on one line", Qt::AlignLeft | Qt::AlignVCenter, true, "a b",
     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine},
    {"vertical centre with a line break centres across from the top", Qt::AlignRight | Qt::AlignVCenter, false,
     "a\r\nb", Qt::AlignHCenter | Qt::AlignTop},
    {"bare line feed is not a line break", Qt::AlignCenter, false, "a\nb",
     Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine},
};

class LabelTextFlagsTest : public testing::TestWithParam<FlagsCase> {};

TEST_P(LabelTextFlagsTest, Maps) {
    const FlagsCase& c = GetParam();
    EXPECT_EQ(LabelTextFlags(c.alignment, c.wordWrap, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, LabelTextFlagsTest, testing::ValuesIn(kFlagsCases), test::SentenceName{});

TEST(CColorLabel, ClickNotifiesTheParentOrOpensTheCaption) {
    test::FakeDesktop desktop;
    PlacedLabel placed({120, 40}, "http://a.example/page");
    EXPECT_TRUE(placed.label.testAttribute(Qt::WA_TransparentForMouseEvents)) << "not clickable by default";

    QSignalSpy clicked(&placed.label, &CColorLabel::clicked);
    placed.label.SetClickAction(true, true);
    EXPECT_FALSE(placed.label.testAttribute(Qt::WA_TransparentForMouseEvents));
    QTest::mouseClick(&placed.label, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(desktop.calls.empty());

    placed.label.SetClickAction(true, false);
    QTest::mouseClick(&placed.label, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"open http://a.example/page"}));
}

TEST(CColorLabel, PaletteChangeRenewsTheStandardBackground) {
    PlacedLabel placed;
    QPalette palette = placed.label.palette();
    palette.setColor(QPalette::Window, QColor(250, 240, 0));
    placed.label.setPalette(palette);
    const QImage image = placed.render();
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), QColor(250, 240, 0));
}

TEST(CColorLabel, FontSettersChangeTheDrawingFont) {
    PlacedLabel placed;
    placed.label.SetBold(true).SetItalic(true).SetUnderline(true).SetPointSize(14).SetFaceName(std::string(40, 'F'));
    EXPECT_EQ(placed.label.m_font.weight(), QFont::Bold);
    EXPECT_TRUE(placed.label.m_font.italic());
    EXPECT_TRUE(placed.label.m_font.underline());
    EXPECT_EQ(placed.label.m_font.pointSize(), 14);
    EXPECT_EQ(placed.label.m_font.family(), QString(31, 'F'));
    EXPECT_EQ(placed.label.font(), placed.label.m_font);
}

} // namespace
