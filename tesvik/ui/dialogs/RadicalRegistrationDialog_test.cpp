#include "tesvik/ui/dialogs/RadicalRegistrationDialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/ui/widgets/KeyPresses_testing.h"
#include "tesvik/ui/widgets/PageNotifier_testing.h"
#include "tesvik/ui/widgets/PageTestBed_testing.h"

namespace tesvik::ui {
namespace {

using testing::RecordingNotifier;
using Id = tesvik::MessageId;

class RadicalRegistrationDialogTest : public ::testing::Test, protected testing::PageTestBed {
protected:
    RadicalRegistrationDialogTest() {
        dialog = std::make_unique<RadicalRegistrationDialog>(contextWithUserDir());
        notices = testing::recordNotices(*dialog);
    }

    // A user folder that does not exist yet, as on a fresh installation.
    std::filesystem::path userDir() const { return user.path() / "user"; }
    PageContext contextWithUserDir() {
        PageContext context = pageContext();
        context.directories.user = userDir();
        return context;
    }

    template <class T>
    T* child(const char* name) {
        T* widget = dialog->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* field(const char* name) { return child<QLineEdit>(name); }
    QLineEdit* code() { return field("radicalRegistrationCodeEdit"); }
    QLineEdit* remaining() { return field("radicalRegistrationRemainingEdit"); }
    CandidateGrid* radicals() { return child<CandidateGrid>("radicalRegistrationGrid"); }
    void click(const char* name) { child<QPushButton>(name)->click(); }
    void pressRemainingStrokes(const std::string& digits) {
        for (char d : digits) click(("radicalRegistrationRemainingStrokeButton" + std::string(1, d)).c_str());
    }

    // Chooses the radical with this pinyin prefix, as a user selection.
    void chooseRadical(const char* pinyin, int index = 0) {
        field("radicalRegistrationPinyinEdit")->setText(pinyin);
        ASSERT_GT(radicals()->count(), index);
        radicals()->selectIndex(index);
    }

    void fill(const char* codeText, const char* remainingText, const std::string& strokes) {
        code()->setText(codeText);
        remaining()->setText(remainingText);
        pressRemainingStrokes(strokes);
    }

    std::string table() const { return user.read("user/buzibuzishoumb.txt"); }
    std::size_t rows() const { return table().size() / 16; }

    std::vector<tesvik::lookup::RadicalCharCandidate> filedUnder(const char* key, unsigned remainingCount,
                                                                 std::string strokes = {}) const {
        const auto found =
            tesvik::lookup::searchByRadical(LUMENAR_DATA_DIR, userDir(), tesvik::lookup::RadicalKey::fromText(key),
                                            {remainingCount, std::move(strokes), true});
        EXPECT_FALSE(found.stoppedBy);
        std::vector<tesvik::lookup::RadicalCharCandidate> user;
        for (const auto& c : found.kept)
            if (c.character >= 0xE000 && c.character <= 0xF8FF) user.push_back(c);
        return user;
    }

    bool filedAt(const char* key, unsigned remainingCount, std::uint32_t character) const {
        for (const auto& c : filedUnder(key, remainingCount))
            if (c.character == character) return true;
        return false;
    }

    std::unique_ptr<RadicalRegistrationDialog> dialog;
    RecordingNotifier* notices = nullptr;
};

TEST_F(RadicalRegistrationDialogTest, Captions) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("LumenarTesvik补字按部首检索管理"));
    EXPECT_TRUE(child<QPushButton>("radicalRegistrationAddButton")->isDefault());
    EXPECT_EQ(remaining()->text(), "0");
    EXPECT_TRUE(field("radicalRegistrationRemainingStrokes")->isReadOnly());
}

TEST_F(RadicalRegistrationDialogTest, AddFilesTheCharacterForTheRadicalLookup) {
    chooseRadical("shui");  // ⺡ 03D4
    EXPECT_EQ(dialog->chosenRadical(), 0x2EA1u);
    fill("E234", "3", "12");
    click("radicalRegistrationAddButton");
    EXPECT_EQ(notices->ids(), std::vector{Id::RadicalCharAdded});
    ASSERT_EQ(rows(), 1u);
    EXPECT_EQ(table().substr(4, 12), "003D4031200\n");  // marker, key, remaining count, strokes
    EXPECT_EQ(filedUnder("03D4", 3, "12"), (std::vector<tesvik::lookup::RadicalCharCandidate>{{0xE234, '0'}}));

    // The fields are cleared; the radical key stays chosen.
    EXPECT_TRUE(code()->text().isEmpty());
    EXPECT_EQ(remaining()->text(), "0");
    EXPECT_TRUE(field("radicalRegistrationRemainingStrokes")->text().isEmpty());
    EXPECT_TRUE(field("radicalRegistrationPinyinEdit")->text().isEmpty());
    EXPECT_EQ(radicals()->count(), 0);
    EXPECT_EQ(child<OneCellBox>("radicalRegistrationRadicalBox")->value(), 0u);
    EXPECT_EQ(dialog->fields().chosenKey, tesvik::lookup::RadicalKey::fromText("03D4"));

    notices->clear();
    fill("E235", "0", "");
    click("radicalRegistrationAddButton");
    EXPECT_EQ(notices->ids(), std::vector{Id::RadicalCharAdded});
    EXPECT_EQ(filedUnder("03D4", 0).size(), 1u);  // found in the lookup page's initial state
}

TEST_F(RadicalRegistrationDialogTest, RowsAreKeptInRadicalCountAndStrokeOrder) {
    const auto add = [&](const char* pinyin, const char* codeText, const char* count, const std::string& strokes) {
        chooseRadical(pinyin);
        fill(codeText, count, strokes);
        click("radicalRegistrationAddButton");
    };
    add("shui", "E001", "12", "");
    add("shui", "E002", "05", "");
    add("shui", "E003", "12", "2514");
    add("shui", "E004", "12", "25");
    add("chang", "E005", "1", "");  // ⼚ 02A3
    ASSERT_EQ(rows(), 5u);
    std::vector<std::uint8_t> order;
    for (std::size_t r = 0; r < rows(); ++r) order.push_back(static_cast<std::uint8_t>(table()[r * 16 + 2]));
    EXPECT_EQ(order, (std::vector<std::uint8_t>{0x05, 0x02, 0x01, 0x04, 0x03}));
}

TEST_F(RadicalRegistrationDialogTest, AddChecksInOrder) {
    struct Case {
        const char* code;
        const char* remaining;
        std::string strokes;
        bool chooseRadical;
        Id message;
    };
    const std::vector<Case> cases{
        {"E23", "0", "", true, Id::CodeValueOutOfRange},
        {"E234", "0", "", false, Id::ChooseRadicalFirst},
        {"E234", "3", "1234", true, Id::RemainingBelowStrokeCount},
    };
    for (const Case& c : cases) {
        RadicalRegistrationDialog fresh(contextWithUserDir());
        auto* seen = testing::recordNotices(fresh);
        if (c.chooseRadical) {
            fresh.findChild<QLineEdit*>("radicalRegistrationPinyinEdit")->setText("shui");
            fresh.findChild<CandidateGrid*>("radicalRegistrationGrid")->selectIndex(0);
        }
        fresh.findChild<QLineEdit*>("radicalRegistrationCodeEdit")->setText(c.code);
        fresh.findChild<QLineEdit*>("radicalRegistrationRemainingEdit")->setText(c.remaining);
        for (char d : c.strokes)
            fresh.findChild<QPushButton*>(("radicalRegistrationRemainingStrokeButton" + std::string(1, d)).c_str())
                ->click();
        fresh.add();
        EXPECT_EQ(seen->ids(), std::vector{c.message}) << c.code << " " << c.remaining;
    }
    EXPECT_FALSE(std::filesystem::exists(userDir() / "buzibuzishoumb.txt"));
}

TEST_F(RadicalRegistrationDialogTest, FourStrokesNeedARemainingCountOfFour) {
    chooseRadical("shui");
    fill("E234", "4", "1234");
    click("radicalRegistrationAddButton");
    EXPECT_EQ(notices->ids(), std::vector{Id::RadicalCharAdded});
}

TEST_F(RadicalRegistrationDialogTest, FifthRemainingStrokeIsRefused) {
    pressRemainingStrokes("12345");
    EXPECT_EQ(notices->ids(), std::vector{Id::FourStrokesOnly});
    EXPECT_EQ(field("radicalRegistrationRemainingStrokes")->text(), QString::fromUtf8("一丨丿丶"));
    click("radicalRegistrationRemainingStrokeBackButton");
    EXPECT_EQ(field("radicalRegistrationRemainingStrokes")->text(), QString::fromUtf8("一丨丿"));
}

TEST_F(RadicalRegistrationDialogTest, AddingAFiledCodeAgainIsRefused) {
    chooseRadical("shui");
    fill("E234", "3", "");
    click("radicalRegistrationAddButton");
    notices->clear();
    chooseRadical("shui");
    fill("e234", "3", "");
    click("radicalRegistrationAddButton");
    ASSERT_EQ(notices->ids(), std::vector{Id::CodeAlreadyExists});
    EXPECT_EQ(notices->notices.front().text, "UNICODE: e234已经存在无法添加,若要修改，请进行修改操作！");
    EXPECT_EQ(notices->notices.front().icon, PageNotifier::Icon::None);
    EXPECT_EQ(rows(), 1u);
}

TEST_F(RadicalRegistrationDialogTest, ModifyAsksAndMovesTheCharacter) {
    chooseRadical("shui");
    fill("E234", "3", "");
    click("radicalRegistrationAddButton");

    notices->clear();
    notices->answers = {false};
    fill("E234", "5", "");
    click("radicalRegistrationModifyButton");
    EXPECT_EQ(notices->ids(), std::vector{Id::ModifyQuestion});
    EXPECT_EQ(notices->notices.front().caption, "修改提示！");
    EXPECT_TRUE(filedAt("03D4", 3, 0xE234));

    notices->clear();
    click("radicalRegistrationModifyButton");
    EXPECT_EQ(notices->ids(), (std::vector{Id::ModifyQuestion, Id::StrokeCharModified}));
    EXPECT_FALSE(filedAt("03D4", 3, 0xE234));
    EXPECT_TRUE(filedAt("03D4", 5, 0xE234));  // the shipped data has private-use characters there too
    EXPECT_EQ(rows(), 1u);
}

TEST_F(RadicalRegistrationDialogTest, ModifyAndDeleteOfAnUnfiledCode) {
    chooseRadical("shui");
    fill("E999", "3", "");
    click("radicalRegistrationModifyButton");
    click("radicalRegistrationDeleteButton");
    EXPECT_EQ(notices->ids(), (std::vector{Id::ModifyCodeNotFound, Id::DeleteCodeNotFound}));
}

TEST_F(RadicalRegistrationDialogTest, DeleteNeedsNoRadical) {
    chooseRadical("shui");
    fill("E234", "3", "");
    click("radicalRegistrationAddButton");

    RadicalRegistrationDialog second(contextWithUserDir());
    auto* seen = testing::recordNotices(second);
    auto* codeField = second.findChild<QLineEdit*>("radicalRegistrationCodeEdit");
    codeField->setText("E234");
    second.remove();
    EXPECT_EQ(seen->ids(), (std::vector{Id::DeleteQuestion, Id::StrokeCharDeleted}));
    EXPECT_EQ(rows(), 0u);
    EXPECT_TRUE(filedUnder("03D4", 3).empty());
    EXPECT_TRUE(codeField->text().isEmpty());
}

TEST_F(RadicalRegistrationDialogTest, DeclinedDeleteKeepsTheRow) {
    chooseRadical("shui");
    fill("E234", "3", "");
    click("radicalRegistrationAddButton");
    notices->clear();
    notices->answers = {false};
    code()->setText("E234");
    click("radicalRegistrationDeleteButton");
    EXPECT_EQ(notices->ids(), std::vector{Id::DeleteQuestion});
    EXPECT_EQ(rows(), 1u);
}

TEST_F(RadicalRegistrationDialogTest, CodeFieldRestoresTheLastAcceptedText) {
    code()->setText("e234");
    EXPECT_EQ(child<OneCellBox>("radicalRegistrationPreview")->value(), 0xE234u);
    for (const char* refused : {"E0001", "D800", "F900"}) {
        notices->clear();
        code()->setText(refused);
        EXPECT_EQ(notices->ids(), std::vector{Id::CodeValueOutOfRange}) << refused;
        EXPECT_EQ(code()->text(), "e234");
    }
    code()->setText("E2");  // shorter texts are left alone
    EXPECT_EQ(code()->text(), "E2");
}

TEST_F(RadicalRegistrationDialogTest, RemainingCountRestoresTheLastAcceptedValue) {
    remaining()->setText("12");
    struct Case {
        const char* text;
        Id message;
    };
    for (const Case& c :
         {Case{"1a", Id::EnterAnInteger}, Case{"", Id::RemainingCountRange}, Case{"123", Id::RemainingCountRange}}) {
        notices->clear();
        remaining()->setText(c.text);
        EXPECT_EQ(notices->ids(), std::vector{c.message}) << c.text;
        EXPECT_EQ(remaining()->text(), "12");
    }
    EXPECT_EQ(dialog->fields().remaining, 12);
}

TEST_F(RadicalRegistrationDialogTest, RadicalFieldsAreTakenAsTyped) {
    field("radicalRegistrationPinyinEdit")->setText("SHUI");
    EXPECT_EQ(radicals()->count(), 0);  // no lower-casing here
    field("radicalRegistrationPinyinEdit")->setText("shui");
    EXPECT_EQ(radicals()->count(), 3);
    EXPECT_EQ(radicals()->selectedIndex(), 0);
    EXPECT_EQ(dialog->chosenRadical(), 0u);  // the first is selected, not chosen
    EXPECT_FALSE(dialog->fields().chosenKey.has_value());

    click("radicalRegistrationStrokeButton4");
    EXPECT_EQ(radicals()->candidates(), (std::vector<std::uint32_t>{0x2EA1}));
    field("radicalRegistrationCountEdit")->setText("9");
    EXPECT_EQ(radicals()->count(), 0);
}

TEST_F(RadicalRegistrationDialogTest, MissingUserDirectoryIsCreated) {
    ASSERT_FALSE(std::filesystem::exists(userDir()));
    chooseRadical("shui");
    fill("E234", "3", "");
    click("radicalRegistrationAddButton");
    EXPECT_EQ(notices->ids(), std::vector{Id::RadicalCharAdded});
    EXPECT_TRUE(std::filesystem::exists(userDir() / tesvik::lookup::UserRadicalIndexFileName));
}

}  // namespace
}  // namespace tesvik::ui
