#include "pelorin/ui/ImportDialog.h"

#include "pelorin/ui/TestApplication_testing.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace pelorin::ui {
namespace {

using testing::child;

std::vector<fonts::FontEntry> twoFonts() {
    fonts::FontEntry linked;
    linked.faceName = "LM Song";
    linked.fontFilePath = "/fonts/lmsong.ttf";
    linked.eudcFilePath = "/eudc/song.tte";
    fonts::FontEntry unlinked;
    unlinked.faceName = "LM Kai";
    unlinked.fontFilePath = "/fonts/lmkai.ttf";
    return {linked, unlinked};
}

class ImportDialogTest : public ::testing::Test {
protected:
    void SetUp() override { testing::testApplication(); }
    QString text(const ImportDialog& d, const char* edit) const { return child<QLineEdit>(d, edit)->text(); }
    const std::vector<fonts::FontEntry> list = twoFonts();
};

TEST_F(ImportDialogTest, OpensWithTheSelectedFontAndItsDefaults) {
    ImportDialog dialog(list, 1, "/work", nullptr);
    EXPECT_EQ(child<QComboBox>(dialog, "fontCombo")->count(), 2);
    EXPECT_EQ(dialog.chosenRow(), 1);
    EXPECT_EQ(text(dialog, "newFontEdit"), "/work/lmkai.ttf");
    EXPECT_EQ(text(dialog, "newEudcEdit"), "/work/lmkai.tte");  // no EUDC link: the font path ending in 'e'
    EXPECT_TRUE(child<QRadioButton>(dialog, "modeEudcOnly")->isChecked());
    for (const char* precedence : {"precedenceFont", "precedenceLibrary"}) {
        EXPECT_FALSE(child<QRadioButton>(dialog, precedence)->isEnabled()) << precedence;
        EXPECT_FALSE(child<QRadioButton>(dialog, precedence)->isChecked()) << precedence;
    }
    EXPECT_FALSE(child<QCheckBox>(dialog, "smoothCheck")->isChecked());
    EXPECT_TRUE(child<QLineEdit>(dialog, "newFontEdit")->isHidden());
}

TEST_F(ImportDialogTest, AnotherFontBringsItsOwnDefaultsBack) {
    ImportDialog dialog(list, 1, "/work", nullptr);
    child<QRadioButton>(dialog, "modeEverything")->click();
    child<QCheckBox>(dialog, "smoothCheck")->setChecked(true);
    child<QComboBox>(dialog, "fontCombo")->setCurrentIndex(0);
    EXPECT_EQ(text(dialog, "newFontEdit"), "/work/lmsong.ttf");
    EXPECT_EQ(text(dialog, "newEudcEdit"), "/eudc/song.tte");  // the linked EUDC file
    EXPECT_TRUE(child<QRadioButton>(dialog, "modeEudcOnly")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "smoothCheck")->isChecked());
    EXPECT_TRUE(child<QLineEdit>(dialog, "newFontEdit")->isHidden());
}

TEST_F(ImportDialogTest, ModesEnablePrecedenceAndShowTheNewFontFile) {
    ImportDialog dialog(list, 0, "/work", nullptr);
    auto* font = child<QRadioButton>(dialog, "precedenceFont");
    auto* library = child<QRadioButton>(dialog, "precedenceLibrary");

    child<QRadioButton>(dialog, "modeEudcIntoFont")->click();
    EXPECT_TRUE(font->isEnabled() && library->isEnabled());
    EXPECT_TRUE(font->isChecked());
    EXPECT_TRUE(child<QLineEdit>(dialog, "newFontEdit")->isHidden());
    library->click();
    EXPECT_EQ(dialog.settings().precedence, fonts::Precedence::Library);

    child<QRadioButton>(dialog, "modeEverything")->click();  // precedence back to the current font
    EXPECT_TRUE(font->isChecked());
    EXPECT_FALSE(child<QLineEdit>(dialog, "newFontEdit")->isHidden());
    EXPECT_EQ(dialog.settings().mode, fonts::ImportMode::EverythingIntoFont);

    child<QRadioButton>(dialog, "modeEudcOnly")->click();
    EXPECT_FALSE(font->isEnabled() || library->isEnabled());
    EXPECT_FALSE(font->isChecked() || library->isChecked());
}

TEST_F(ImportDialogTest, PathsTypedRelativeAreTakenFromTheCurrentFolder) {
    ImportDialog dialog(list, 0, "/work", nullptr);
    child<QLineEdit>(dialog, "libraryEdit")->setText("libs/../a.pfi");
    child<QLineEdit>(dialog, "newEudcEdit")->setText("out.tte");
    const fonts::ImportSettings s = dialog.settings();
    EXPECT_EQ(s.libraryPath, "/work/a.pfi");
    EXPECT_EQ(s.newEudcPath, "/work/out.tte");
    EXPECT_EQ(s.newFontPath, "/work/lmsong.ttf");
}

// Message boxes that open while a dialog's accept() runs: their texts, each
// answered with the button whose text is `answer`.
class MessageBoxAnswers {
public:
    explicit MessageBoxAnswers(QString answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                texts << box->text();
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == answer_ || box->buttons().size() == 1) return b->click();
            }
        });
        timer_.start(10);
    }
    QStringList texts;

private:
    QString answer_;
    QTimer timer_;
};

TEST_F(ImportDialogTest, OkWithoutAFontIsRefused) {
    ImportDialog dialog(list, -1, "/work", nullptr);
    dialog.show();
    MessageBoxAnswers boxes("OK");
    dialog.accept();
    EXPECT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ImportDialogTest, ReplacingAFileIsConfirmedButEditingTheLinkedEudcFileInPlaceIsNot) {
    const QString folder =
        QDir::tempPath() + "/pelorin-import-dialog-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    std::vector<fonts::FontEntry> fonts = list;
    fonts[0].eudcFilePath = (folder + "/song.tte").toStdString();
    for (const char* name : {"/song.tte", "/other.tte"}) {
        QFile file(folder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const auto tryOk = [&](const char* mode, const QString& eudc, const QString& answer) {
        ImportDialog dialog(fonts, 0, folder, nullptr);
        child<QRadioButton>(dialog, mode)->click();
        child<QLineEdit>(dialog, "newEudcEdit")->setText(eudc);
        dialog.show();
        MessageBoxAnswers boxes(answer);
        dialog.accept();
        return std::pair{boxes.texts.size(), dialog.result() == QDialog::Accepted};
    };
    EXPECT_EQ(tryOk("modeEudcIntoFont", folder + "/song.tte", "否"), std::pair(qsizetype{0}, true));
    EXPECT_EQ(tryOk("modeEudcOnly", folder + "/song.tte", "否"), std::pair(qsizetype{1}, false));
    EXPECT_EQ(tryOk("modeEudcIntoFont", folder + "/other.tte", "否"), std::pair(qsizetype{1}, false));
    EXPECT_EQ(tryOk("modeEudcIntoFont", folder + "/other.tte", "是"), std::pair(qsizetype{1}, true));
    EXPECT_EQ(tryOk("modeEudcOnly", folder + "/new.tte", "否"), std::pair(qsizetype{0}, true));
    QDir(folder).removeRecursively();
}

}  // namespace
}  // namespace pelorin::ui
