// Cells whose character no installed font draws, on a font folder whose only
// font draws 一 丁 U+3400 U+20000 and a few others.
#include "platform/SparseFontConfig_testing.h"
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/GlyphCoverageCache.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"
#include "tesvik/ui/widgets/UiText.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>

namespace tesvik::ui {
namespace {

using Values = std::vector<std::uint32_t>;

class UndrawableCells : public ::testing::Test {
protected:
    void SetUp() override {
        testing::testApplication();
        useFontConfigFile(fonts_.file());
        coverage_ = glyphCoverageOf(platform::testing::kSparseFontFamily);
    }
    void TearDown() override { useFontConfigFile(std::nullopt); }

    platform::testing::SparseFontConfig fonts_;
    std::shared_ptr<const platform::GlyphCoverage> coverage_;
};

// 丂 (U+4E02) and U+20001 are drawn by no font of the folder.
const Values kMixed = {0x4E00, 0x4E02, 0x20000, 0xD840DC01, 0x4E01};

int darkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y).lightness() < 128 ? 1 : 0;
    return n;
}

TEST_F(UndrawableCells, AreDrawnAsAnEmptyDashedFrameWithATooltip) {
    CandidateGrid grid{GridLook{.scalarsAccepted = true}};
    grid.setGlyphCoverage(coverage_, false);
    grid.setAppearance({}, platform::testing::kSparseFontFamily);
    grid.resize(300, 100);
    grid.show();
    grid.setCandidates(kMixed, -1);
    QApplication::processEvents();
    EXPECT_EQ(grid.candidates(), kMixed);

    const QImage image = grid.viewport()->grab().toImage();
    const auto cell = [&](int row) { return image.copy(grid.visualRect(grid.model()->index(row, 0))); };
    const auto tooltip = [&](int row) { return grid.model()->index(row, 0).data(Qt::ToolTipRole).toString(); };
    for (int undrawable : {1, 3}) {
        const QImage frame = cell(undrawable);
        EXPECT_GT(frame.pixelColor(15, 15).lightness(), 200) << "the cell's middle stays empty";
        const int dark = darkPixels(frame);
        EXPECT_GT(dark, 20) << "a frame is drawn";
        EXPECT_LT(dark, 4 * 21) << "a dashed frame, not a solid one";
        EXPECT_EQ(tooltip(undrawable), uiText(tesvik::MessageId::UndrawableTooltip));
    }
    for (int drawn : {0, 2, 4}) {
        EXPECT_TRUE(tooltip(drawn).isEmpty());
        EXPECT_GT(darkPixels(cell(drawn)), 0) << "the character is drawn";
    }
}

TEST_F(UndrawableCells, HidingLeavesThemOutAndShowingBringsThemBack) {
    CandidateGrid grid{GridLook{.scalarsAccepted = true}};
    grid.setCandidates(kMixed, 1);
    grid.setGlyphCoverage(coverage_, true);
    EXPECT_EQ(grid.candidates(), (Values{0x4E00, 0x20000, 0x4E01}));
    EXPECT_EQ(grid.selectedValue(), 0x20000u);
    grid.setCandidates(kMixed, 1);  // a refill is filtered too
    EXPECT_EQ(grid.candidates(), (Values{0x4E00, 0x20000, 0x4E01}));
    grid.setGlyphCoverage(coverage_, false);
    EXPECT_EQ(grid.candidates(), kMixed);
}

TEST_F(UndrawableCells, StatusLineNamesTheFontThatDrawsTheSelection) {
    CodeStatusLine line;
    line.setGlyphCoverage(coverage_);
    line.showSelection(0x4E00);
    EXPECT_EQ(line.drawingFontText(), QStringLiteral("显示字体: Lumenar Sparse Test"));
    line.showSelection(0x4E02);
    EXPECT_EQ(line.drawingFontText(), uiText(tesvik::MessageId::NoDrawingFontStatus));
    line.showSelection(std::nullopt);
    EXPECT_TRUE(line.drawingFontText().isEmpty());
}

}  // namespace
}  // namespace tesvik::ui
