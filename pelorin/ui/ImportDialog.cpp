#include "pelorin/ui/ImportDialog.h"

#include "pelorin/ui/FileDialogs.h"
#include "pelorin/ui/UiTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pelorin::ui {
namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QPushButton* browseButton(const char* name, QWidget* parent) {
    auto* button = new QPushButton(qtext(text::kBrowse), parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

ImportDialog::ImportDialog(const std::vector<fonts::FontEntry>& list, int selectedRow, QString currentDirectory,
                           QWidget* parent)
    : QDialog(parent), list_(list), currentDirectory_(std::move(currentDirectory)) {
    setObjectName(QStringLiteral("importDialog"));
    setWindowTitle(qtext(text::kImportTitle));
    buildLayout();
    for (const fonts::FontEntry& entry : list_) fontCombo_->addItem(fromStd(entry.faceName));
    fontCombo_->setCurrentIndex(selectedRow >= 0 && selectedRow < static_cast<int>(list_.size()) ? selectedRow : -1);
    connect(fontCombo_, &QComboBox::currentIndexChanged, this, [this] { applyDefaults(); });
    applyDefaults();
}

void ImportDialog::buildLayout() {
    auto* grid = new QGridLayout;
    fontCombo_ = new QComboBox(this);
    fontCombo_->setObjectName(QStringLiteral("fontCombo"));
    libraryEdit_ = new QLineEdit(this);
    libraryEdit_->setObjectName(QStringLiteral("libraryEdit"));
    newFontLabel_ = new QLabel(qtext(text::kNewFontLabel), this);
    newFontEdit_ = new QLineEdit(this);
    newFontEdit_->setObjectName(QStringLiteral("newFontEdit"));
    newEudcEdit_ = new QLineEdit(this);
    newEudcEdit_->setObjectName(QStringLiteral("newEudcEdit"));
    auto* libraryBrowse = browseButton("libraryBrowse", this);
    newFontBrowse_ = browseButton("newFontBrowse", this);
    auto* newEudcBrowse = browseButton("newEudcBrowse", this);
    for (QLineEdit* edit : {libraryEdit_, newFontEdit_, newEudcEdit_}) edit->setMinimumWidth(360);

    grid->addWidget(new QLabel(qtext(text::kFontLabel), this), 0, 0);
    grid->addWidget(fontCombo_, 0, 1, 1, 2);
    grid->addWidget(new QLabel(qtext(text::kLibraryLabel), this), 1, 0);
    grid->addWidget(libraryEdit_, 1, 1);
    grid->addWidget(libraryBrowse, 1, 2);
    grid->addWidget(new QLabel(qtext(text::kNewEudcLabel), this), 2, 0);
    grid->addWidget(newEudcEdit_, 2, 1);
    grid->addWidget(newEudcBrowse, 2, 2);
    grid->addWidget(newFontLabel_, 3, 0);
    grid->addWidget(newFontEdit_, 3, 1);
    grid->addWidget(newFontBrowse_, 3, 2);

    auto* modeBox = new QGroupBox(this);
    auto* modeLayout = new QVBoxLayout(modeBox);
    modes_ = new QButtonGroup(this);
    const std::pair<const char*, const Texts*> kModes[] = {{"modeEudcOnly", &text::kModeEudcOnly},
                                                           {"modeEudcIntoFont", &text::kModeEudcIntoFont},
                                                           {"modeEverything", &text::kModeEverything}};
    for (int mode = 0; mode < 3; ++mode) {
        auto* radio = new QRadioButton(qtext(*kModes[mode].second), modeBox);
        radio->setObjectName(QLatin1String(kModes[mode].first));
        modes_->addButton(radio, mode);
        modeLayout->addWidget(radio);
    }
    connect(modes_, &QButtonGroup::idClicked, this, [this](int id) { setMode(static_cast<fonts::ImportMode>(id)); });

    auto* precedenceBox = new QGroupBox(this);
    auto* precedenceLayout = new QVBoxLayout(precedenceBox);
    precedences_ = new QButtonGroup(this);
    precedenceFont_ = new QRadioButton(qtext(text::kPrecedenceFont), precedenceBox);
    precedenceFont_->setObjectName(QStringLiteral("precedenceFont"));
    precedenceLibrary_ = new QRadioButton(qtext(text::kPrecedenceLibrary), precedenceBox);
    precedenceLibrary_->setObjectName(QStringLiteral("precedenceLibrary"));
    precedences_->addButton(precedenceFont_, 0);
    precedences_->addButton(precedenceLibrary_, 1);
    precedenceLayout->addWidget(precedenceFont_);
    precedenceLayout->addWidget(precedenceLibrary_);
    smooth_ = new QCheckBox(qtext(text::kSmooth), this);
    smooth_->setObjectName(QStringLiteral("smoothCheck"));
    precedenceLayout->addWidget(smooth_);

    auto* choices = new QHBoxLayout;
    choices->addWidget(modeBox, 2);
    choices->addWidget(precedenceBox, 1);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(qtext(text::kOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = buttons->addButton(qtext(text::kCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(choices);
    layout->addWidget(buttons);

    // Top to bottom, each path before its browse button.
    QWidget* const order[] = {fontCombo_,
                              libraryEdit_,
                              libraryBrowse,
                              newEudcEdit_,
                              newEudcBrowse,
                              newFontEdit_,
                              newFontBrowse_,
                              modes_->button(0),
                              modes_->button(1),
                              modes_->button(2),
                              precedenceFont_,
                              precedenceLibrary_,
                              smooth_,
                              ok,
                              cancel};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(libraryBrowse, &QPushButton::clicked, this, &ImportDialog::browseLibrary);
    connect(newFontBrowse_, &QPushButton::clicked, this, &ImportDialog::browseNewFont);
    connect(newEudcBrowse, &QPushButton::clicked, this, &ImportDialog::browseNewEudc);
}

// The defaults for the chosen font: its paths, mode 0, no precedence, no
// curve optimisation. The library path stays as the user left it.
void ImportDialog::applyDefaults() {
    const int row = fontCombo_->currentIndex();
    if (row >= 0) {
        const fonts::ImportSettings defaults =
            fonts::defaultImportSettings(list_[static_cast<std::size_t>(row)], currentDirectory_.toStdString());
        newFontEdit_->setText(fromStd(defaults.newFontPath));
        newEudcEdit_->setText(fromStd(defaults.newEudcPath));
    }
    modes_->button(0)->setChecked(true);
    setMode(fonts::ImportMode::EudcOnly);
    smooth_->setChecked(false);
}

void ImportDialog::setMode(fonts::ImportMode mode) {
    const bool merging = mode != fonts::ImportMode::EudcOnly;
    precedences_->setExclusive(false);
    precedenceFont_->setChecked(merging);
    precedenceLibrary_->setChecked(false);
    precedences_->setExclusive(true);
    precedenceFont_->setEnabled(merging);
    precedenceLibrary_->setEnabled(merging);
    const bool everything = mode == fonts::ImportMode::EverythingIntoFont;
    for (QWidget* w : {static_cast<QWidget*>(newFontLabel_), static_cast<QWidget*>(newFontEdit_),
                       static_cast<QWidget*>(newFontBrowse_)})
        w->setVisible(everything);
}

int ImportDialog::chosenRow() const { return fontCombo_->currentIndex(); }

QString ImportDialog::absolute(const QString& path) const {
    if (path.isEmpty()) return path;
    return QDir::cleanPath(QDir(currentDirectory_).absoluteFilePath(path));
}

fonts::ImportSettings ImportDialog::settings() const {
    fonts::ImportSettings s;
    s.libraryPath = absolute(libraryEdit_->text()).toStdString();
    s.newFontPath = absolute(newFontEdit_->text()).toStdString();
    s.newEudcPath = absolute(newEudcEdit_->text()).toStdString();
    s.mode = static_cast<fonts::ImportMode>(std::max(0, modes_->checkedId()));
    s.precedence = precedenceLibrary_->isChecked() ? fonts::Precedence::Library : fonts::Precedence::CurrentFont;
    s.smooth = smooth_->isChecked();
    return s;
}

bool ImportDialog::confirmReplacing(const QString& path) {
    QMessageBox box(QMessageBox::Question, windowTitle(), path + qtext(text::kAlreadyExists), QMessageBox::NoButton,
                    this);
    box.setObjectName(QStringLiteral("replaceQuestion"));
    QPushButton* yes = box.addButton(qtext(text::kYes), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(qtext(text::kNo), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

// OK needs a font. A new file that would replace an existing one is
// confirmed first; a merge into the font's own EUDC file edits it in place
// and asks nothing.
void ImportDialog::accept() {
    const int row = chosenRow();
    if (row < 0) {
        QMessageBox::information(this, windowTitle(), qtext(text::kChooseFont));
        return;
    }
    const fonts::ImportSettings s = settings();
    const fonts::FontEntry& entry = list_[static_cast<std::size_t>(row)];
    const bool editsOwnEudc =
        s.mode != fonts::ImportMode::EudcOnly &&
        QString::fromStdString(s.newEudcPath).compare(fromStd(entry.eudcFilePath), Qt::CaseInsensitive) == 0;
    QStringList replaced;
    if (!editsOwnEudc && QFileInfo::exists(fromStd(s.newEudcPath))) replaced << fromStd(s.newEudcPath);
    if (s.mode == fonts::ImportMode::EverythingIntoFont && QFileInfo::exists(fromStd(s.newFontPath)) &&
        s.newFontPath != entry.fontFilePath)
        replaced << fromStd(s.newFontPath);
    for (const QString& path : replaced)
        if (!confirmReplacing(path)) return;
    QDialog::accept();
}

void ImportDialog::browseLibrary() {
    const QString chosen =
        chooseFileToOpen(this, qtext(text::kImportTitle), libraryEdit_->text(), qtext(text::kPfiFilter));
    if (!chosen.isEmpty()) libraryEdit_->setText(chosen);
}

void ImportDialog::browseNewFont() {
    const QString chosen = chooseFileToSave(this, QString(), absolute(newFontEdit_->text()), qtext(text::kTtfFilter));
    if (!chosen.isEmpty()) newFontEdit_->setText(chosen);
}

void ImportDialog::browseNewEudc() {
    const QString chosen = chooseFileToSave(this, QString(), absolute(newEudcEdit_->text()), qtext(text::kTteFilter));
    if (!chosen.isEmpty()) newEudcEdit_->setText(chosen);
}

}  // namespace pelorin::ui
