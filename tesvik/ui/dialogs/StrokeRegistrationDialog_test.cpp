#include "tesvik/ui/dialogs/StrokeRegistrationDialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <string>
#include <vector>

#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"
#include "tesvik/ui/pages/StrokeOrderPage.h"
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

namespace tesvik::ui {
namespace {

namespace fs = std::filesystem;
using testing::pressBackspace;
using testing::typeText;
using tesvik::MessageId;

const std::string Table(tesvik::lookup::kUserStrokeTableFileName);

// A table row as the dialog writes it: total, ten stroke digits, 00 00 lo hi, "2", LF.
std::string row(const std::string& total, std::string strokes, std::uint16_t code) {
    strokes.resize(10, '0');
    return total + strokes + std::string{'\0', '\0', static_cast<char>(code & 0xFF), static_cast<char>(code >> 8)} +
           "2\n";
}

class StrokeRegistrationDialogTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    void SetUp() override { openDialog(); }

    // A new dialog on context, its messages recorded.
    void openDialog() {
        dialog = std::make_unique<StrokeRegistrationDialog>(context);
        notices = testing::recordNotices(*dialog);
        code = dialog->findChild<QLineEdit*>("strokeRegistrationCodeEdit");
        total = dialog->findChild<QLineEdit*>("strokeRegistrationTotalEdit");
        strokes = dialog->findChild<QLineEdit*>("strokeRegistrationStrokesEdit");
        ASSERT_NE(code, nullptr);
        ASSERT_NE(total, nullptr);
        ASSERT_NE(strokes, nullptr);
    }

    QPushButton* button(const QString& name) { return dialog->findChild<QPushButton*>(name); }

    void fill(const QString& codeText, const QString& totalText, const std::string& digits) {
        code->selectAll();
        typeText(code, codeText);
        total->selectAll();
        typeText(total, totalText);
        while (!dialog->strokes().empty()) button("strokeRegistrationBackButton")->click();
        for (char d : digits) button(QStringLiteral("strokeRegistrationButton%1").arg(d))->click();
    }

    void add(const QString& codeText, const QString& totalText, const std::string& digits) {
        fill(codeText, totalText, digits);
        button("strokeRegistrationAddButton")->click();
    }

    PageContext context = pageContext();
    std::unique_ptr<StrokeRegistrationDialog> dialog;
    testing::RecordingNotifier* notices = nullptr;
    QLineEdit* code = nullptr;
    QLineEdit* total = nullptr;
    QLineEdit* strokes = nullptr;
};

TEST_F(StrokeRegistrationDialogTest, StartsWithTotalOneAndTheAddButtonAsDefault) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("LumenarTesvik补字按笔顺管理"));
    EXPECT_EQ(total->text(), "1");
    EXPECT_TRUE(strokes->isReadOnly());
    EXPECT_TRUE(button("strokeRegistrationAddButton")->isDefault());
    EXPECT_EQ(button("strokeRegistrationButton2")->toolTip(), QString::fromUtf8("输入“丨亅“"));
}

TEST_F(StrokeRegistrationDialogTest, AddWritesTheRowRegeneratesAndClearsTheFields) {
    add("E234", "4", "1234");
    EXPECT_EQ(notices->ids(), std::vector{MessageId::StrokeCharAdded});
    EXPECT_EQ(user.read(Table), row("04", "1234", 0xE234));
    EXPECT_EQ(code->text(), "");
    EXPECT_EQ(total->text(), "1");
    EXPECT_EQ(strokes->text(), "");
    EXPECT_EQ(dialog->previewValue(), 0xE234u);
    EXPECT_TRUE(fs::exists(user.path() / tesvik::lookup::kUserStrokeIndexFileName));
    const auto found = tesvik::lookup::searchByStrokes(LUMENAR_DATA_DIR, user.path(), {4, "1234", false, false});
    ASSERT_TRUE(found.ok());
    ASSERT_FALSE(found->empty());
    EXPECT_EQ(found->back().character, 0xE234u);
}

TEST_F(StrokeRegistrationDialogTest, RowsStayOrderedByTotalInTheOrderOfAdding) {
    add("E001", "12", "1");
    add("E002", "5", "2");
    add("E003", "12", "3");
    add("E004", "7", "4");
    EXPECT_EQ(user.read(Table),
              row("05", "2", 0xE002) + row("07", "4", 0xE004) + row("12", "1", 0xE001) + row("12", "3", 0xE003));
}

TEST_F(StrokeRegistrationDialogTest, AddingACodeTwiceIsRefusedNamingTheCode) {
    add("e234", "4", "1234");
    const std::string before = user.read(Table);
    notices->notices.clear();
    add("E234", "6", "55");
    ASSERT_EQ(notices->notices.size(), 1u);
    EXPECT_EQ(notices->notices[0].text, "UNICODE:E234已经存在无法添加,若要修改，请进行修改操作！");
    EXPECT_EQ(notices->notices[0].icon, PageNotifier::Icon::Warning);
    EXPECT_EQ(user.read(Table), before);
}

TEST_F(StrokeRegistrationDialogTest, ModifyAsksAndMovesTheRowToItsNewPlace) {
    add("E001", "3", "1");
    add("E002", "5", "2");
    notices->notices.clear();
    fill("E001", "9", "55");
    notices->answers = {false};
    button("strokeRegistrationModifyButton")->click();
    ASSERT_EQ(notices->notices.size(), 1u);
    EXPECT_TRUE(notices->notices[0].question);
    EXPECT_EQ(notices->notices[0].caption, "修改提示！");
    EXPECT_EQ(user.read(Table), row("03", "1", 0xE001) + row("05", "2", 0xE002));
    EXPECT_EQ(code->text(), "E001") << "a declined change keeps the fields";

    button("strokeRegistrationModifyButton")->click();  // yes
    EXPECT_EQ(notices->ids().back(), MessageId::StrokeCharModified);
    EXPECT_EQ(user.read(Table), row("05", "2", 0xE002) + row("09", "55", 0xE001));
    EXPECT_EQ(code->text(), "");
}

TEST_F(StrokeRegistrationDialogTest, ModifyOrDeleteOfAnUnknownCodeIsRefused) {
    fill("E100", "2", "12");
    button("strokeRegistrationModifyButton")->click();
    fill("E100", "2", "12");
    button("strokeRegistrationDeleteButton")->click();
    EXPECT_EQ(notices->ids(), (std::vector{MessageId::ModifyCodeNotFound, MessageId::DeleteCodeNotFound}));
    EXPECT_EQ(notices->notices[0].icon, PageNotifier::Icon::Information);
    EXPECT_EQ(user.read(Table), "");
}

TEST_F(StrokeRegistrationDialogTest, DeletingTheOnlyRowLeavesAnEmptyTableAndPair) {
    add("F8FF", "2", "5");
    notices->notices.clear();
    fill("F8FF", "2", "5");
    button("strokeRegistrationDeleteButton")->click();
    ASSERT_EQ(notices->notices.size(), 2u);
    EXPECT_EQ(notices->notices[0].id, MessageId::DeleteQuestion);
    EXPECT_EQ(notices->notices[1].id, MessageId::StrokeCharDeleted);
    EXPECT_EQ(user.read(Table), "");
    EXPECT_EQ(user.read(std::string(tesvik::lookup::kUserStrokeRecordFileName)), "");
}

TEST_F(StrokeRegistrationDialogTest, FieldChecksComeInOrderWithTheOperationsIcon) {
    struct Case {
        QString code, total;
        std::string strokes;
        MessageId refusal;
    };
    const std::vector<Case> cases = {
        {"E23", "4", "1234", MessageId::CodeValueOutOfRange},
        {"E234", "4", "", MessageId::IncompleteEntry},
        {"E234", "3", "1234", MessageId::TotalBelowStrokeCount},
    };
    for (const Case& c : cases) {
        for (const char* operation : {"strokeRegistrationAddButton", "strokeRegistrationModifyButton"}) {
            notices->notices.clear();
            fill(c.code, c.total, c.strokes);
            button(operation)->click();
            ASSERT_EQ(notices->notices.size(), 1u) << c.code.toStdString() << " " << operation;
            EXPECT_EQ(notices->notices[0].id, c.refusal);
            const bool add = std::string(operation) == "strokeRegistrationAddButton";
            EXPECT_EQ(notices->notices[0].icon, add ? PageNotifier::Icon::Warning : PageNotifier::Icon::Information);
        }
    }
    fill("E234", "4", "1234");  // four strokes in four is fine
    button("strokeRegistrationAddButton")->click();
    EXPECT_EQ(notices->ids().back(), MessageId::StrokeCharAdded);
}

TEST_F(StrokeRegistrationDialogTest, TotalZeroIsIncomplete) {
    fill("E234", "0", "1");
    button("strokeRegistrationAddButton")->click();
    EXPECT_EQ(notices->ids(), std::vector{MessageId::IncompleteEntry});
}

TEST_F(StrokeRegistrationDialogTest, RefusedCodeTextsRestoreTheLastAcceptedOne) {
    typeText(code, "e234");
    EXPECT_EQ(dialog->previewValue(), 0xE234u);
    EXPECT_TRUE(notices->notices.empty());
    typeText(code, "1");  // a fifth character
    EXPECT_EQ(code->text(), "e234");
    for (const char* outside : {"D800", "F900", "E00G"}) {
        code->selectAll();
        typeText(code, outside);
        EXPECT_EQ(code->text(), "e234") << outside;
    }
    EXPECT_EQ(notices->notices.size(), 4u);
    for (const auto& n : notices->notices) EXPECT_EQ(n.id, MessageId::CodeValueOutOfRange);
    EXPECT_EQ(dialog->previewValue(), 0xE234u);
}

TEST_F(StrokeRegistrationDialogTest, RefusedTotalsRestoreTheLastAcceptedOne) {
    total->selectAll();
    typeText(total, "12");
    EXPECT_EQ(total->text(), "12");
    typeText(total, "3");
    EXPECT_EQ(total->text(), "12");
    total->setCursorPosition(2);
    pressBackspace(total);
    EXPECT_EQ(total->text(), "1");
    pressBackspace(total);  // emptied
    EXPECT_EQ(total->text(), "1");
    total->selectAll();
    typeText(total, "a");
    EXPECT_EQ(total->text(), "1");
    EXPECT_EQ(notices->ids(),
              (std::vector{MessageId::TotalStrokesRange, MessageId::TotalStrokesRange, MessageId::EnterAnInteger}));
}

TEST_F(StrokeRegistrationDialogTest, EleventhStrokeButtonIsRefused) {
    for (int i = 0; i < 10; ++i) button("strokeRegistrationButton3")->click();
    button("strokeRegistrationButton4")->click();
    EXPECT_EQ(notices->ids(), std::vector{MessageId::TenStrokesOnly});
    EXPECT_EQ(dialog->strokes(), "3333333333");
    EXPECT_EQ(strokes->text(), QString::fromUtf8("丿丿丿丿丿丿丿丿丿丿"));
}

TEST_F(StrokeRegistrationDialogTest, AFreshUserFolderIsCreated) {
    context.directories.user = user.path() / "not" / "yet";
    openDialog();
    add("E000", "1", "1");
    EXPECT_EQ(notices->ids(), std::vector{MessageId::StrokeCharAdded});
    EXPECT_EQ(user.read("not/yet/" + Table), row("01", "1", 0xE000));
}

TEST_F(StrokeRegistrationDialogTest, TheStrokePageFindsAnAddedCharacterAfterTheShippedOnes) {
    add("E234", "2", "15");
    StrokeOrderPage page(context);
    page.setNotifier(std::make_unique<testing::RecordingNotifier>());
    typeText(page.findChild<QWidget*>("strokeCountEdit"), "2");
    typeText(page.findChild<QWidget*>("strokeEdit"), "15");
    const auto candidates = page.grid()->candidates();
    ASSERT_FALSE(candidates.empty());
    EXPECT_EQ(candidates.back(), 0xE234u);
}

}  // namespace
}  // namespace tesvik::ui
