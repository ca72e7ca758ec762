#include "pelorin/ui/FontManagerWindow.h"

#include "pelorin/ui/ImportDialog.h"
#include "pelorin/ui/ImportProgressWindow.h"
#include "pelorin/ui/TestApplication_testing.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace pelorin::ui {
namespace {

using testing::child;

fonts::FontEntry font(const char* face, const char* file, const char* eudc = "") {
    fonts::FontEntry e;
    e.faceName = face;
    e.fontFilePath = file;
    e.eudcFilePath = eudc;
    return e;
}

class FakeBackend final : public ManagerBackend {
public:
    std::vector<fonts::FontEntry> makers{font("LM Song", "/f/song.ttf", "/e/song.tte"), font("LM Kai", "/f/kai.ttf")};
    std::vector<fonts::FontEntry> all{font("AR PL UKai", "/f/ukai.ttc"), font("LM Song", "/f/song.ttf", "/e/song.tte"),
                                      font("LM Kai", "/f/kai.ttf")};
    std::vector<std::string> unlinked;
    std::atomic<bool> importSawCancel{false};
    int importSteps = 50;

    std::vector<fonts::FontEntry> fontList(fonts::FontListScope scope, fonts::MessageSink&) override {
        return scope == fonts::FontListScope::AllCjkFaces ? all : makers;
    }
    std::string switchComplaint;  // what the EUDC switch says when a link changes
    bool link(const fonts::FontEntry&, const std::string&, fonts::MessageSink&) override { return true; }
    bool unlink(const fonts::FontEntry& entry, fonts::MessageSink& messages) override {
        unlinked.push_back(entry.faceName);
        if (!switchComplaint.empty()) messages.show(switchComplaint);
        return true;
    }
    std::string backup(const fonts::FontEntry&, const std::string&) override { return {}; }
    bool runImport(fonts::FontEntry& entry, const fonts::ImportSettings& settings, fonts::MessageSink& messages,
                   fonts::ImportProgress& progress) override {
        progress.setRange(importSteps);
        for (int i = 0; i < importSteps; ++i) {
            if (progress.cancelRequested()) {
                importSawCancel = true;
                messages.show(std::string(fonts::message::kImportCancelled));  // as the engine says it
                return false;
            }
            progress.step();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        entry.libraryFilePath = settings.libraryPath;
        entry.eudcFilePath = settings.newEudcPath;
        return true;
    }
};

class FontManagerWindowTest : public ::testing::Test {
protected:

    QTreeWidget* view() const { return child<QTreeWidget>(window, "fontList"); }
    bool enabled(const char* button) const { return child<QPushButton>(window, button)->isEnabled(); }
    QString cell(int row, int column) const { return view()->topLevelItem(row)->text(column); }
    void select(int row) { view()->setCurrentItem(view()->topLevelItem(row)); }

    // Answers the message boxes on screen, keeping their texts.
    void answerMessages() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible()) continue;
            messagesShown.push_back(box->text().toStdString());
            box->accept();
        }
    }

    // Runs an import of the selected row as the import dialog's OK does, and
    // waits for its end, answering its messages; "取消" is clicked once a step
    // has been shown.
    void runImport(bool cancelHalfWay) {
        fonts::ImportSettings settings;
        settings.libraryPath = "/lib/a.pfi";
        settings.newEudcPath = "/e/new.tte";
        window.startImport(window.selectedRow(), settings);
        waitForImportEnd(cancelHalfWay);
    }

    void waitForImportEnd(bool cancelHalfWay) {
        EXPECT_TRUE(window.importRunning());
        EXPECT_FALSE(view()->isEnabled());  // the window waits for the import
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* progress = window.findChild<ImportProgressWindow*>();
            if (cancelHalfWay && progress && progress->position() > 0)
                progress->findChild<QPushButton*>("cancelButton")->click();
            answerMessages();
            if (!window.importRunning()) loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        QApplication::processEvents();
        answerMessages();
        EXPECT_FALSE(window.importRunning());
        EXPECT_TRUE(view()->isEnabled());
    }

    QApplication& app = testing::testApplication();
    FakeBackend backend;
    FontManagerWindow window{backend, WindowServices{}};
    std::vector<std::string> messagesShown;
};

TEST_F(FontManagerWindowTest, RowButtonsAreEnabledExactlyWhenARowIsSelected) {
    ASSERT_EQ(view()->topLevelItemCount(), 2);
    EXPECT_EQ(cell(0, 0), "LM Song");
    EXPECT_EQ(cell(0, 2), "/e/song.tte");
    const char* const kRowButtons[] = {"backupButton", "linkButton", "unlinkButton"};
    for (const char* b : kRowButtons) EXPECT_FALSE(enabled(b)) << b;
    EXPECT_TRUE(enabled("importButton"));
    select(1);
    EXPECT_EQ(window.selectedRow(), 1);
    for (const char* b : kRowButtons) EXPECT_TRUE(enabled(b)) << b;
    view()->clearSelection();
    EXPECT_EQ(window.selectedRow(), -1);
    for (const char* b : kRowButtons) EXPECT_FALSE(enabled(b)) << b;
}

TEST_F(FontManagerWindowTest, UnlinkClearsTheRowsEudcFileAndNeedsALink) {
    select(0);
    // The switch's message is shown, not lost; while it waits for its answer,
    // the rules it wrote rebuild the list.
    backend.switchComplaint = "cannot write the link rules";
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (!QApplication::activeModalWidget()) return;
        backend.makers.insert(backend.makers.begin(), font("LM Hei", "/f/hei.ttf"));
        backend.makers[1].eudcFilePath.clear();
        window.rebuildList(false);
        answerMessages();
    });
    answer.start(5);
    window.unlinkEudc();
    answer.stop();
    EXPECT_EQ(messagesShown, std::vector<std::string>{"cannot write the link rules"});
    EXPECT_EQ(cell(1, 0), "LM Song");
    EXPECT_EQ(cell(1, 2), "");
    backend.makers.erase(backend.makers.begin());
    window.rebuildList(false);
    window.unlinkEudc();  // nothing linked any more: the engine is not asked
    select(1);
    window.unlinkEudc();
    EXPECT_EQ(backend.unlinked, std::vector<std::string>{"LM Song"});
}

TEST_F(FontManagerWindowTest, ShowAllFontsListsEveryFaceAndARebuildKeepsSelectionAndImports) {
    select(1);
    runImport(false);
    EXPECT_EQ(cell(1, 3), "/lib/a.pfi");

    child<QCheckBox>(window, "showAllFaces")->setChecked(true);
    ASSERT_EQ(view()->topLevelItemCount(), 3);
    EXPECT_EQ(cell(0, 0), "AR PL UKai");
    EXPECT_EQ(window.selectedRow(), 2);  // "LM Kai" stays selected, with its import
    EXPECT_EQ(cell(2, 3), "/lib/a.pfi");
    window.rebuildList(false);
    EXPECT_EQ(window.selectedRow(), 2);
    EXPECT_EQ(cell(2, 3), "/lib/a.pfi");
    EXPECT_EQ(cell(2, 2), "");  // the links are the engine's: this one never linked it
}

// A font installed while the user tabs to 备份字体 rebuilds the list under them:
// the button keeps the focus, so the next key still presses it.
TEST_F(FontManagerWindowTest, ARebuildLeavesTheFocusAndTheCursorOnTheirFonts) {
    window.show();
    window.activateWindow();
    for (int i = 0; i < 100 && !window.isActiveWindow(); ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
    select(1);
    auto* backup = child<QPushButton>(window, "backupButton");
    backup->setFocus();
    ASSERT_TRUE(backup->hasFocus());
    backend.makers.insert(backend.makers.begin(), font("LM Hei", "/f/hei.ttf"));
    window.rebuildList(false);
    EXPECT_EQ(window.selectedRow(), 2);
    EXPECT_TRUE(backup->hasFocus());

    // With nothing selected, the cursor stays on its font for Space to select.
    view()->clearSelection();
    backend.makers.insert(backend.makers.begin(), font("LM Ming", "/f/ming.ttf"));
    window.rebuildList(false);
    EXPECT_EQ(window.selectedRow(), -1);
    EXPECT_EQ(view()->indexOfTopLevelItem(view()->currentItem()), 3);
}

// A font installed while the import dialog is open rebuilds the list under
// it: the import still goes to the font the user chose.
TEST_F(FontManagerWindowTest, AnImportGoesToTheChosenFontThoughTheListChangedMeanwhile) {
    select(1);  // LM Kai
    QTimer::singleShot(0, &window, [this] {
        auto* dialog = window.findChild<ImportDialog*>();
        ASSERT_NE(dialog, nullptr);
        backend.makers.insert(backend.makers.begin(), font("LM Hei", "/f/hei.ttf"));
        window.rebuildList(false);
        child<QLineEdit>(*dialog, "libraryEdit")->setText("/lib/b.pfi");
        child<QLineEdit>(*dialog, "newEudcEdit")->setText("/nonexistent/kai.tte");
        dialog->accept();
    });
    window.importLibrary();
    waitForImportEnd(false);
    ASSERT_EQ(cell(2, 0), "LM Kai");
    EXPECT_EQ(cell(2, 3), "/lib/b.pfi");
    EXPECT_EQ(cell(1, 3), "");  // LM Song, now where LM Kai was
}

TEST_F(FontManagerWindowTest, ImportEndsWithTheRowRefreshedOrCancelledWithItUnchanged) {
    backend.importSteps = 5000;  // about ten seconds unless cancelled
    select(1);
    runImport(true);
    EXPECT_TRUE(backend.importSawCancel);
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(1, 2), "");
    // The engine says that nothing changed; the window does not say it again.
    EXPECT_EQ(messagesShown, std::vector<std::string>{"已取消引入Zorvan补字库，所有文件和链接保持原样。"});
    messagesShown.clear();

    backend.importSteps = 20;
    runImport(false);
    EXPECT_EQ(cell(1, 3), "/lib/a.pfi");
    EXPECT_EQ(cell(1, 2), "/e/new.tte");
    EXPECT_TRUE(messagesShown.empty());
}

}  // namespace
}  // namespace pelorin::ui
