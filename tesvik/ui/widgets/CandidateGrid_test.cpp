#include "tesvik/ui/widgets/CandidateGrid.h"

#include "tesvik/ui/widgets/CellPainter.h"
#include "tesvik/ui/widgets/OneCellBox.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace tesvik::ui {
namespace {

// A family that carries the supplementary ideographs, where installed.
const QString kFamily = QStringLiteral("HanaMinB");

class CandidateGridTest : public ::testing::Test {
protected:
    void SetUp() override { testing::testApplication(); }
};

QImage cellImage(std::uint32_t value, bool selected, QColor under = Qt::green) {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(under);
    QPainter painter(&image);
    CellStyle style;
    style.text = Qt::black;
    style.background = Qt::white;
    style.font = cellFont(kFamily);
    style.selectionOutline = selected;
    paintCell(painter, image.rect(), value, style);
    painter.end();
    return image;
}

int pixelsOf(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

// Counts the emissions of a signal while it lives.
class Counter {
public:
    template <typename Signal>
    Counter(const CandidateGrid* grid, Signal signal)
        : connection_(QObject::connect(grid, signal, [this] { ++count_; })) {}
    ~Counter() { QObject::disconnect(connection_); }
    int count() const { return count_; }

private:
    int count_ = 0;
    QMetaObject::Connection connection_;
};

bool hasDarkPixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

TEST_F(CandidateGridTest, FillingSelectsTheClampedIndexAndAnnouncesItOnce) {
    struct Case {
        std::vector<std::uint32_t> values;
        int select;
        int expected;
    };
    const Case cases[] = {
        {{0x4E00, 0x4E01, 0x4E02}, 0, 0},
        {{0x4E00, 0x4E01, 0x4E02}, 2, 2},
        {{0x4E00, 0x4E01, 0x4E02}, 9, 2},
        {{0x4E00, 0x4E01, 0x4E02}, -3, 0},
        {{}, 0, -1},
    };
    CandidateGrid grid(GridLook{});
    for (const Case& c : cases) {
        Counter spy(&grid, &CandidateGrid::selectionChanged);
        grid.setCandidates(c.values, c.select);
        EXPECT_EQ(spy.count(), 1);
        EXPECT_EQ(grid.count(), static_cast<int>(c.values.size()));
        EXPECT_EQ(grid.selectedIndex(), c.expected);
        if (c.expected >= 0) {
            EXPECT_EQ(grid.selectedValue(), c.values[static_cast<std::size_t>(c.expected)]);
        } else {
            EXPECT_FALSE(grid.selectedValue());
        }
    }
}

TEST_F(CandidateGridTest, SelectingNoneAnnouncesIt) {
    CandidateGrid grid(GridLook{});
    grid.setCandidates({0x4E00, 0x4E01});
    Counter spy(&grid, &CandidateGrid::selectionChanged);
    grid.selectIndex(1);
    EXPECT_EQ(grid.selectedValue(), 0x4E01u);
    grid.selectIndex(-1);
    EXPECT_EQ(grid.selectedIndex(), -1);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(CandidateGridTest, CellTextIsOneCharacterForPackedPairsAndAcceptedScalars) {
    EXPECT_EQ(cellText(0xD840DC00, false).toUcs4(), QList<uint>{0x20000});
    EXPECT_EQ(cellText(0x20000, true).toUcs4(), QList<uint>{0x20000});
    EXPECT_EQ(cellText(0x4E00, false).size(), 1);
    EXPECT_EQ(cellText(0xE000, true).size(), 1);
}

TEST_F(CandidateGridTest, TextColourFollowsTheCellColours) {
    tesvik::program::CodeSpaceColors colours;
    colours.gbk = 0x0000FF;  // red, as 0x00BBGGRR
    colours.gbkEudc = 0x00FF00;
    colours.gb13000Eudc = 0xFF0000;
    const QColor plain(1, 2, 3);
    struct Case {
        std::uint32_t value;
        CellColours kind;
        QColor expected;
    };
    const Case cases[] = {
        {0x4E00, CellColours::CodeSpace, QColor(255, 0, 0)},
        {0xE000, CellColours::CodeSpace, QColor(0, 255, 0)},
        {0xE865, CellColours::CodeSpace, QColor(0, 0, 255)},
        {0x3400, CellColours::CodeSpace, qColorOf(colours.cjkExtensionA)},
        {0xD840DC00, CellColours::CodeSpace, qColorOf(colours.cjkExtensionsBToE)},
        {0x0041, CellColours::CodeSpace, QColor(0, 0, 0)},
        {0x4E00, CellColours::Radicals, qColorOf(colours.radicals)},
        {0x3400, CellColours::Symbols, QColor(0x00, 0xA6, 0x51)},
        {0x4DB5, CellColours::Symbols, QColor(0x00, 0xA6, 0x51)},
        {0xD840DC00, CellColours::Symbols, QColor(0x92, 0x27, 0x8F)},
        {0x4E00, CellColours::Symbols, plain},
        {0x0041, CellColours::Symbols, plain},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cellTextColour(c.value, c.kind, colours, plain), c.expected) << std::hex << c.value;
}

TEST_F(CandidateGridTest, PackedPairDrawsAGlyph) {
    EXPECT_TRUE(hasDarkPixel(cellImage(0xD840DC00, false)));
    EXPECT_TRUE(hasDarkPixel(cellImage(0x4E00, false)));
}

TEST_F(CandidateGridTest, ZeroDrawsNothing) {
    const QImage image = cellImage(0, false);
    EXPECT_EQ(pixelsOf(image, Qt::green), 30 * 30);
}

TEST_F(CandidateGridTest, UnselectedCellIsFilledSelectedCellOnlyOutlinedInRed) {
    const QImage unselected = cellImage(0x4E00, false);
    EXPECT_EQ(pixelsOf(unselected, Qt::green), 0);
    EXPECT_EQ(pixelsOf(unselected, QColor(255, 0, 0)), 0);

    const QImage selected = cellImage(0x4E00, true);
    EXPECT_GT(pixelsOf(selected, Qt::green), 0);  // not filled
    EXPECT_EQ(pixelsOf(selected, Qt::white), 0);
    const int red = pixelsOf(selected, QColor(255, 0, 0));
    EXPECT_GT(red, 20);      // a dotted outline ...
    EXPECT_LT(red, 4 * 30);  // ... not a solid one
    EXPECT_EQ(selected.pixelColor(15, 0).red() == 255 || selected.pixelColor(16, 0).red() == 255, true);
}

class ShownGrid : public CandidateGridTest {
protected:
    void SetUp() override {
        CandidateGridTest::SetUp();
        grid.resize(300, 100);
        grid.show();
        grid.setCandidates({0x4E00, 0x4E01, 0x4E02, 0x4E03});
        QApplication::processEvents();
    }
    QPoint centreOf(int row) const { return grid.visualRect(grid.model()->index(row, 0)).center(); }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), button, button, Qt::NoModifier);
        QApplication::sendEvent(grid.viewport(), &event);
    }
    CandidateGrid grid{GridLook{}};
};

TEST_F(ShownGrid, CellsFlowDownThenSideways) {
    EXPECT_EQ(grid.visualRect(grid.model()->index(0, 0)).size(), QSize(30, 30));
    EXPECT_EQ(centreOf(1).x(), centreOf(0).x());
    EXPECT_GT(centreOf(1).y(), centreOf(0).y());
    EXPECT_EQ(grid.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(ShownGrid, DoubleClickOnAnItemPicksIt) {
    Counter picked(&grid, &CandidateGrid::picked);
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, centreOf(2));
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, centreOf(2));
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, centreOf(2));
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, centreOf(2));
    EXPECT_EQ(picked.count(), 1);
    EXPECT_EQ(grid.selectedValue(), 0x4E02u);
}

TEST_F(ShownGrid, DoubleClickBesideTheItemsPicksNothing) {
    Counter picked(&grid, &CandidateGrid::picked);
    const QPoint empty(250, 10);
    ASSERT_FALSE(grid.indexAt(empty).isValid());
    mouse(QEvent::MouseButtonDblClick, Qt::LeftButton, empty);
    EXPECT_EQ(picked.count(), 0);
    EXPECT_EQ(grid.selectedIndex(), 0);
}

TEST_F(ShownGrid, RightButtonKeepsTheSelection) {
    mouse(QEvent::MouseButtonPress, Qt::RightButton, centreOf(3));
    mouse(QEvent::MouseButtonRelease, Qt::RightButton, centreOf(3));
    EXPECT_EQ(grid.selectedIndex(), 0);
}

TEST_F(ShownGrid, CopyMenuOnlyInsideAFilledGrid) {
    EXPECT_TRUE(grid.offersCopyMenuAt(centreOf(0)));
    EXPECT_TRUE(grid.offersCopyMenuAt(QPoint(250, 10)));  // beside the items, still inside
    EXPECT_FALSE(grid.offersCopyMenuAt(QPoint(-5, 10)));
    EXPECT_FALSE(grid.offersCopyMenuAt(QPoint(10, 500)));
    grid.setCandidates({});
    EXPECT_FALSE(grid.offersCopyMenuAt(QPoint(10, 10)));
}

TEST_F(ShownGrid, GridDrawsItsCells) {
    grid.setAppearance(tesvik::program::CodeSpaceColors{}, kFamily);
    const QImage image = grid.viewport()->grab().toImage();
    EXPECT_TRUE(hasDarkPixel(image.copy(grid.visualRect(grid.model()->index(1, 0)))));
}

TEST_F(CandidateGridTest, EmptyOneCellBoxLooksEmpty) {
    OneCellBox box(BoxColour::CodeSpace);
    box.setAppearance(tesvik::program::CodeSpaceColors{}, kFamily);
    box.resize(box.sizeHint());
    const auto render = [&box] {
        QImage image(box.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        box.render(&image);
        return image.copy(box.contentsRect().adjusted(2, 2, -2, -2));
    };
    EXPECT_EQ(box.value(), 0u);
    EXPECT_FALSE(hasDarkPixel(render()));
    box.setValue(0x4E2D);
    EXPECT_EQ(box.value(), 0x4E2Du);
    EXPECT_TRUE(hasDarkPixel(render()));
}

}  // namespace
}  // namespace tesvik::ui
