#include "pelorin/ui/FontManagerWindow.h"

#include "pelorin/ui/AboutBox.h"
#include "pelorin/ui/FileDialogs.h"
#include "pelorin/ui/ImportDialog.h"
#include "pelorin/ui/ImportRun.h"
#include "pelorin/ui/UiTexts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace pelorin::ui {
namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

enum Column { kFace, kFontFile, kEudcFile, kLibrary, kNewFont, kColumnCount };

// Message boxes over the window, or, for a list built without being asked,
// nothing.
class WindowMessages final : public fonts::MessageSink {
public:
    WindowMessages(QWidget* parent, bool shown) : parent_(parent), shown_(shown) {}
    void show(const std::string& message) override {
        if (shown_) QMessageBox::information(parent_, qtext(text::kWindowTitle), fromStd(message));
    }

private:
    QWidget* parent_;
    bool shown_;
};

bool sameFont(const fonts::FontEntry& a, const fonts::FontEntry& b) {
    return a.faceName == b.faceName && a.fontFilePath == b.fontFilePath && a.faceIndex == b.faceIndex;
}

int indexOf(const std::vector<fonts::FontEntry>& list, const fonts::FontEntry& entry) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (sameFont(list[i], entry)) return static_cast<int>(i);
    return -1;
}

}  // namespace

FontManagerWindow::FontManagerWindow(ManagerBackend& backend, WindowServices services, QWidget* parent)
    : QWidget(parent), backend_(backend), services_(std::move(services)) {
    setObjectName(QStringLiteral("fontManager"));
    setWindowTitle(qtext(text::kWindowTitle));
    buildLayout();
    rebuildList(true);
}

FontManagerWindow::~FontManagerWindow() = default;

void FontManagerWindow::buildLayout() {
    content_ = new QWidget(this);
    view_ = new QTreeWidget(content_);
    view_->setObjectName(QStringLiteral("fontList"));
    view_->setRootIsDecorated(false);
    view_->setUniformRowHeights(true);
    view_->setTextElideMode(Qt::ElideLeft);  // a path keeps its file name in sight
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setColumnCount(kColumnCount);
    view_->setHeaderLabels({qtext(text::kFaceColumn), qtext(text::kFontFileColumn), qtext(text::kEudcFileColumn),
                            qtext(text::kLibraryColumn), qtext(text::kNewFontColumn)});
    const int kWidths[kColumnCount] = {100, 120, 120, 120, 120};
    for (int c = 0; c < kColumnCount; ++c) view_->setColumnWidth(c, kWidths[c]);
    connect(view_, &QTreeWidget::itemSelectionChanged, this, &FontManagerWindow::onSelectionChanged);

    const auto button = [this](const Texts& label, const char* name, auto action) {
        auto* b = new QPushButton(qtext(label), content_);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* importButton = button(text::kImportButton, "importButton", &FontManagerWindow::importLibrary);
    backup_ = button(text::kBackupButton, "backupButton", &FontManagerWindow::backUpFont);
    link_ = button(text::kLinkButton, "linkButton", &FontManagerWindow::linkEudc);
    unlink_ = button(text::kUnlinkButton, "unlinkButton", &FontManagerWindow::unlinkEudc);
    auto* about = button(text::kAboutButton, "aboutButton", &FontManagerWindow::showAbout);
    auto* help = button(text::kHelpButton, "helpButton", &FontManagerWindow::showHelp);
    auto* exit = button(text::kExitButton, "exitButton", &QWidget::close);
    showAll_ = new QCheckBox(qtext(text::kShowAllFaces), content_);
    showAll_->setObjectName(QStringLiteral("showAllFaces"));
    connect(showAll_, &QCheckBox::toggled, this, [this] { rebuildList(true); });

    // The list fills the window less a 20-pixel margin and the button row
    // below it; the buttons keep their size and stay along the bottom.
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{importButton, backup_, link_, unlink_, about, help, exit})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(showAll_);
    auto* layout = new QVBoxLayout(content_);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(20);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(content_);
    resize(660, 360);
}

fonts::FontListScope FontManagerWindow::scope() const {
    return showAll_->isChecked() ? fonts::FontListScope::AllCjkFaces : fonts::FontListScope::MakersFamilies;
}

void FontManagerWindow::rebuildList(bool showMessages) {
    if (import_) {
        rebuildPending_ = true;
        return;
    }
    WindowMessages messages(this, showMessages);
    std::vector<fonts::FontEntry> fresh = backend_.fontList(scope(), messages);
    for (fonts::FontEntry& entry : fresh) {
        if (const int old = indexOf(list_, entry); old >= 0) {
            entry.libraryFilePath = list_[static_cast<std::size_t>(old)].libraryFilePath;
            entry.newFontFilePath = list_[static_cast<std::size_t>(old)].newFontFilePath;
        }
    }
    const auto sameRowIn = [this, &fresh](int oldRow) {
        return oldRow >= 0 && oldRow < static_cast<int>(list_.size())
                   ? indexOf(fresh, list_[static_cast<std::size_t>(oldRow)])
                   : -1;
    };
    const int selectedRow = sameRowIn(selected_);
    const int currentRow = sameRowIn(view_->indexOfTopLevelItem(view_->currentItem()));
    list_ = std::move(fresh);
    fillView(selectedRow, currentRow);
}

// One row per entry, every cell filled. The selected and the current
// row follow their fonts, so a rebuild while the user works with the keyboard
// is not felt: the row buttons change state at most once (were they disabled in
// between, the focus would leave a focused one), and Space still selects the
// row the cursor was on.
void FontManagerWindow::fillView(int selectedRow, int currentRow) {
    {
        const QSignalBlocker quiet(view_);
        view_->clear();
        for (std::size_t row = 0; row < list_.size(); ++row) {
            auto* item = new QTreeWidgetItem(view_);
            item->setText(kFace, fromStd(list_[row].faceName));
            refreshRow(static_cast<int>(row));
        }
        view_->clearSelection();
        if (selectedRow >= 0) {
            selectRow(selectedRow);
        } else if (QTreeWidgetItem* item = view_->topLevelItem(currentRow)) {
            view_->setCurrentItem(item, 0, QItemSelectionModel::NoUpdate);
        }
    }
    onSelectionChanged();
}

void FontManagerWindow::refreshRow(int row) {
    QTreeWidgetItem* item = view_->topLevelItem(row);
    if (!item) return;
    const fonts::FontEntry& entry = list_[static_cast<std::size_t>(row)];
    item->setText(kFontFile, fromStd(entry.fontFilePath));
    item->setText(kEudcFile, fromStd(entry.eudcFilePath));
    item->setText(kLibrary, fromStd(entry.libraryFilePath));
    item->setText(kNewFont, entry.newFontFilePath != entry.fontFilePath ? fromStd(entry.newFontFilePath) : QString());
    for (int c = kFontFile; c < kColumnCount; ++c) item->setToolTip(c, item->text(c));
}

void FontManagerWindow::selectRow(int row) {
    if (QTreeWidgetItem* item = view_->topLevelItem(row)) view_->setCurrentItem(item);
}

void FontManagerWindow::onSelectionChanged() {
    const QList<QTreeWidgetItem*> chosen = view_->selectedItems();
    selected_ = chosen.isEmpty() ? -1 : view_->indexOfTopLevelItem(chosen.first());
    const bool any = selected_ >= 0;
    for (QPushButton* b : {backup_, link_, unlink_}) b->setEnabled(any);
}

void FontManagerWindow::inform(const QString& message) {
    QMessageBox::information(this, qtext(text::kWindowTitle), message);
}

// The dialog shows a copy of the list: a font change during its event loop
// may rebuild list_, and the chosen font is looked up again afterwards.
void FontManagerWindow::importLibrary() {
    const std::vector<fonts::FontEntry> shown = list_;
    ImportDialog dialog(shown, selected_, services_.currentDirectory, this);
    if (dialog.exec() != QDialog::Accepted || dialog.chosenRow() < 0) return;
    startImport(rowOf(shown[static_cast<std::size_t>(dialog.chosenRow())]), dialog.settings());
}

void FontManagerWindow::startImport(int row, const fonts::ImportSettings& settings) {
    if (row < 0 || row >= static_cast<int>(list_.size()) || import_) return;
    selectRow(row);
    content_->setEnabled(false);
    import_ = new ImportRun(backend_, list_[static_cast<std::size_t>(row)], settings, this,
                            [this](const ImportOutcome& outcome) { importEnded(outcome); });
}

void FontManagerWindow::importEnded(const ImportOutcome& outcome) {
    import_->deleteLater();
    import_ = nullptr;
    content_->setEnabled(true);
    // A cancelled import leaves the row as it was; the engine has said so.
    if (!outcome.cancelled) {
        if (const int row = rowOf(outcome.entry); row >= 0) {
            list_[static_cast<std::size_t>(row)] = outcome.entry;
            refreshRow(row);
            selectRow(row);
        }
    }
    if (rebuildPending_) {
        rebuildPending_ = false;
        rebuildList(false);
    }
}

// A file dialog runs its own event loop, in which a font change may rebuild
// the list: the row is looked up again once the user has chosen.
int FontManagerWindow::rowOf(const fonts::FontEntry& entry) const {
    return indexOf(list_, entry);
}

void FontManagerWindow::backUpFont() {
    if (selected_ < 0) return;
    const fonts::FontEntry entry = list_[static_cast<std::size_t>(selected_)];
    const QString title = qtext(text::kBackupTitle) + fromStd(entry.faceName) + QStringLiteral("...");
    const QString name = QFileInfo(fromStd(entry.fontFilePath)).fileName();
    const QString target =
        chooseFileToSave(this, title, services_.currentDirectory + QLatin1Char('/') + name, qtext(text::kTtfFilter));
    if (target.isEmpty()) return;
    if (const std::string error = backend_.backup(entry, target.toStdString()); !error.empty())
        inform(qtext(text::kBackupFailed) + fromStd(error));
}

void FontManagerWindow::linkEudc() {
    if (selected_ < 0) return;
    const fonts::FontEntry entry = list_[static_cast<std::size_t>(selected_)];
    const QString title = fromStd(entry.faceName) + qtext(text::kLinkTitle);
    const QString chosen = chooseFileToOpen(this, title, services_.currentDirectory, qtext(text::kTteFilter));
    if (chosen.isEmpty()) return;
    WindowMessages messages(this, true);
    if (!backend_.link(entry, chosen.toStdString(), messages)) {
        inform(qtext(text::kLinkFailed) + chosen);
        return;
    }
    if (const int row = rowOf(entry); row >= 0) {
        list_[static_cast<std::size_t>(row)].eudcFilePath = chosen.toStdString();
        refreshRow(row);
    }
}

void FontManagerWindow::unlinkEudc() {
    if (selected_ < 0) return;
    const fonts::FontEntry entry = list_[static_cast<std::size_t>(selected_)];
    if (entry.eudcFilePath.empty()) return;
    WindowMessages messages(this, true);
    if (!backend_.unlink(entry, messages)) {
        inform(qtext(text::kUnlinkFailed) + fromStd(entry.faceName));
        return;
    }
    // While a message of the switch waits for its answer, a font change may
    // rebuild the list: the row is looked up again.
    if (const int row = rowOf(entry); row >= 0) {
        list_[static_cast<std::size_t>(row)].eudcFilePath.clear();
        refreshRow(row);
    }
}

void FontManagerWindow::showAbout() {
    AboutBox about(this);
    about.exec();
}

void FontManagerWindow::showHelp() {
    if (services_.helpDocument.isEmpty() || !services_.openUrl) {
        inform(qtext(text::kNoHelp));
        return;
    }
    services_.openUrl(services_.helpDocument);
}

// The window stays while an import runs; it ends when the import has.
void FontManagerWindow::closeEvent(QCloseEvent* event) {
    if (import_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

}  // namespace pelorin::ui
