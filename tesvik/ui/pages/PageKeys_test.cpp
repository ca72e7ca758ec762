// The key rules every page shares, page by page and control by control: Esc
// moves the focus to the page, and Enter and Space still act from there.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tesvik/ui/pages/CustomAreaPage.h"
#include "tesvik/ui/pages/PinyinPage.h"
#include "tesvik/ui/pages/RadicalDirectoryPage.h"
#include "tesvik/ui/pages/RadicalLookupPage.h"
#include "tesvik/ui/pages/StrokeOrderPage.h"
#include "tesvik/ui/pages/SymbolPage.h"
#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

namespace tesvik::ui {
namespace {

using testing::pressKey;

// A page with candidates listed, its messages recorded.
using PageMaker = std::function<std::unique_ptr<CandidatePage>(PageContext)>;

std::unique_ptr<CandidatePage> strokeOrderPage(PageContext context) {
    auto page = std::make_unique<StrokeOrderPage>(std::move(context));
    page->setNotifier(std::make_unique<testing::RecordingNotifier>());
    testing::typeText(page->findChild<QWidget*>("strokeCountEdit"), "1");
    return page;
}

std::unique_ptr<CandidatePage> radicalLookupPage(PageContext context) {
    auto page = std::make_unique<RadicalLookupPage>(std::move(context));
    page->setNotifier(std::make_unique<testing::RecordingNotifier>());
    page->setCurrentRadical(0x2F00, "01A0");
    return page;
}

std::unique_ptr<CandidatePage> radicalDirectoryPage(PageContext context) {
    auto page = std::make_unique<RadicalDirectoryPage>(std::move(context));
    page->setNotifier(std::make_unique<testing::RecordingNotifier>());
    page->findChild<QLineEdit*>("radicalCountEdit")->setText("3");
    return page;
}

std::unique_ptr<CandidatePage> pinyinPage(PageContext context) {
    auto page = std::make_unique<PinyinPage>(std::move(context));
    page->setNotifier(std::make_unique<testing::RecordingNotifier>());
    page->findChild<QLineEdit*>("pinyinEdit")->setText("a");
    return page;
}

std::unique_ptr<CandidatePage> symbolPage(PageContext context) {
    return std::make_unique<SymbolPage>(std::move(context));
}

std::unique_ptr<CandidatePage> customAreaPage(PageContext context) {
    auto page = std::make_unique<CustomAreaPage>(std::move(context));
    page->setNotifier(std::make_unique<testing::RecordingNotifier>());
    return page;
}

struct PageKeys {
    std::string page;
    PageMaker make;
    std::vector<const char*> controls;  // the page's input controls
    std::vector<int> actionKeys;        // the keys that output (or confirm, on the directory page)
};

const std::vector<PageKeys>& everyPage() {
    static const std::vector<PageKeys> pages = {
        {"stroke order",
         strokeOrderPage,
         {"strokeCountEdit", "strokeEdit", "strokeToleranceCheck", "strokeOutsideGbkCheck", "strokeGrid"},
         {Qt::Key_Return, Qt::Key_Space}},
        {"radical lookup",
         radicalLookupPage,
         {"remainingStrokesSpin", "radicalCharStrokeEdit", "radicalOutsideGbkCheck", "radicalCharGrid"},
         {Qt::Key_Return, Qt::Key_Space}},
        {"radical directory",
         radicalDirectoryPage,
         {"radicalCountEdit", "radicalPinyinEdit", "radicalStrokeEdit", "radicalGrid"},
         {Qt::Key_Return, Qt::Key_Space}},
        {"pinyin",
         pinyinPage,
         {"pinyinEdit", "pinyinToneList", "pinyinOutsideGbkCheck", "pinyinGrid"},
         {Qt::Key_Return, Qt::Key_Space}},
        {"symbol", symbolPage, {"symbolSubsetList", "symbolGrid"}, {Qt::Key_Return, Qt::Key_Space}},
        {"custom area",
         customAreaPage,
         {"customAreaGrid", "customAreaCodeEdit", "customAreaFormatList", "customAreaFontList", "codeValueEdit"},
         {Qt::Key_Space}},
    };
    return pages;
}

QString textOf(int key) { return key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r"); }

TEST(PageKeysTest, AfterEscInAnyControlEnterAndSpaceStillAct) {
    for (const PageKeys& keys : everyPage()) {
        for (const char* control : keys.controls) {
            for (const int key : keys.actionKeys) {
                SCOPED_TRACE(keys.page + " / " + control + " / " + (key == Qt::Key_Space ? "Space" : "Enter"));
                testing::PageTestBed bed;
                const std::unique_ptr<CandidatePage> page = keys.make(bed.pageContext());
                int confirmed = 0;
                QObject::connect(page.get(), &CandidatePage::requestPage, [&confirmed] { ++confirmed; });
                testing::showActive(page.get());
                QWidget* focused = page->findChild<QWidget*>(control);
                ASSERT_NE(focused, nullptr);
                testing::focusOn(focused);
                ASSERT_EQ(QApplication::focusWidget(), focused);

                pressKey(QApplication::focusWidget(), Qt::Key_Escape);
                pressKey(QApplication::focusWidget(), key, textOf(key));

                EXPECT_EQ(bed.output.requests.size() + static_cast<std::size_t>(confirmed), 1u);
            }
        }
    }
}

}  // namespace
}  // namespace tesvik::ui
