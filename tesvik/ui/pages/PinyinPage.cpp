#include "tesvik/ui/pages/PinyinPage.h"

#include "tesvik/lookup/pinyin/PinyinCurrentChar.h"
#include "tesvik/lookup/pinyin/PinyinSearch.h"
#include "tesvik/messages/Messages.h"
#include "tesvik/ui/widgets/CodeStatusLine.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace tesvik::ui {

namespace {
using tesvik::MessageId;

constexpr int kMaxPinyinLength = 7;
constexpr MessageId kToneNames[] = {MessageId::PinyinToneFirst,   MessageId::PinyinToneSecond,
                                    MessageId::PinyinToneThird,   MessageId::PinyinToneFourth,
                                    MessageId::PinyinToneNeutral, MessageId::PinyinToneAny};

QGroupBox* groupAround(MessageId caption, QWidget* inner, QWidget* parent) {
    auto* group = new QGroupBox(uiText(caption), parent);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(inner, 0, Qt::AlignCenter);
    return group;
}
}  // namespace

PinyinPage::PinyinPage(PageContext context, QWidget* parent)
    : CandidatePage(std::move(context), parent), notifier_(messageBoxNotifier(this)) {
    setObjectName("pinyinPage");
    setAccessibleName(uiText(MessageId::PinyinPageCaption));
    buildControls();
    attachGrid(grid_);
    attachBox(current_);
    attachBox(radical_);
    loadFiles();
    text_->setFocus(Qt::OtherFocusReason);
}

QWidget* PinyinPage::firstFocusWidget() { return text_; }

void PinyinPage::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

void PinyinPage::buildControls() {
    text_ = new QLineEdit(this);
    text_->setObjectName("pinyinEdit");
    text_->setAccessibleName(uiText(MessageId::PinyinTextLabel));
    text_->setMaxLength(kMaxPinyinLength);
    tones_ = new QComboBox(this);
    tones_->setObjectName("pinyinToneList");
    tones_->setAccessibleName(uiText(MessageId::PinyinToneLabel));
    for (MessageId tone : kToneNames) tones_->addItem(uiText(tone));
    tones_->setCurrentIndex(0);
    query_ = new QPushButton(uiText(MessageId::PinyinQueryButton), this);
    query_->setObjectName("pinyinQueryButton");
    query_->hide();
    grid_ = new CandidateGrid(GridLook{}, this);
    grid_->setObjectName("pinyinGrid");
    grid_->setAccessibleName(uiText(MessageId::PinyinGridLabel));
    current_ = new OneCellBox(BoxColour::CodeSpace, this);
    current_->setObjectName("pinyinCurrentCharBox");
    radical_ = new OneCellBox(BoxColour::Radicals, this);
    radical_->setObjectName("pinyinRadicalBox");
    readings_ = new QComboBox(this);
    readings_->setObjectName("pinyinReadingsList");
    outsideGbk_ = new QCheckBox(uiText(MessageId::RadicalOutsideGbkCheck), this);
    outsideGbk_->setObjectName("pinyinOutsideGbkCheck");
    status_ = new CodeStatusLine(tesvik::chars::BlockNamePage::Other, this);
    status_->setObjectName("pinyinStatusLine");

    auto* queryRow = new QHBoxLayout;
    auto* textLabel = new QLabel(uiText(MessageId::PinyinTextLabel), this);
    textLabel->setBuddy(text_);
    auto* toneLabel = new QLabel(uiText(MessageId::PinyinToneLabel), this);
    toneLabel->setBuddy(tones_);
    queryRow->addWidget(textLabel);
    queryRow->addWidget(text_);
    queryRow->addWidget(toneLabel);
    queryRow->addWidget(tones_);
    queryRow->addWidget(query_);
    queryRow->addStretch();
    queryRow->addWidget(new QLabel(uiText(MessageId::PinyinTestMark), this));

    auto* gridLabel = new QLabel(uiText(MessageId::PinyinGridLabel), this);
    gridLabel->setBuddy(grid_);

    auto* boxRow = new QHBoxLayout;
    boxRow->addWidget(groupAround(MessageId::PinyinCurrentCharGroup, current_, this));
    boxRow->addWidget(groupAround(MessageId::PinyinRadicalGroup, radical_, this));
    QGroupBox* readingsGroup = groupAround(MessageId::PinyinReadingsGroup, readings_, this);
    readingsGroup->hide();
    boxRow->addWidget(readingsGroup);
    boxRow->addWidget(outsideGbk_);
    boxRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(queryRow);
    layout->addWidget(gridLabel);
    layout->addWidget(grid_, 1);
    layout->addLayout(boxRow);
    layout->addWidget(status_);

    connect(text_, &QLineEdit::textChanged, this, &PinyinPage::checkText);
    connect(tones_, &QComboBox::currentIndexChanged, this, &PinyinPage::checkText);
    connect(query_, &QPushButton::clicked, this, &PinyinPage::runQuery);
    connect(outsideGbk_, &QCheckBox::toggled, this, &PinyinPage::fillGrid);
    connect(grid_, &CandidateGrid::selectionChanged, this, &PinyinPage::showSelection);
}

void PinyinPage::loadFiles() {
    const std::filesystem::path& data = context().directories.data;
    std::optional<tesvik::Message> problem;
    auto index = tesvik::lookup::PinyinIndex::load(data / "pinyin.idx");
    if (index) {
        index_ = std::move(index).value();
    } else {
        problem = index.error();
    }
    // Without the index file the page stops here; a wrong signature still reads the entries.
    if (index || index.error().id != MessageId::PinyinFilesDamaged) {
        auto entries = tesvik::lookup::PinyinEntries::load(data / "pinyin.data");
        if (entries) {
            entries_ = std::move(entries).value();
        } else if (!problem) {
            problem = entries.error();
        }
    }
    auto byCode = tesvik::lookup::PinyinByCodeFile::open(data / "pinyindataorderbycode.data");
    if (byCode) byCode_.emplace(std::move(byCode).value());  // the main window reports a missing file
    // Reported once the page is up, as a message of its opening.
    if (problem) {
        QTimer::singleShot(0, this, [this, message = *problem] { report(message); });
    }
}

void PinyinPage::report(const tesvik::Message& message) {
    notifier_->show(message, PageNotifier::Icon::Information, uiText(MessageId::MainWindowCaption));
}

// Refused text is reported with the question icon, as this page always has.
void PinyinPage::reportInputError(const tesvik::Message& message) {
    notifier_->show(message, PageNotifier::Icon::Question, inputErrorCaption());
}

void PinyinPage::checkText() {
    const tesvik::lookup::PinyinTextCheck check = tesvik::lookup::checkPinyinText(text_->text().toStdString());
    if (check.lowered.empty()) {
        clearAll();
        return;
    }
    if (check.error) {
        reportInputError(*check.error);
        const auto from = static_cast<int>(check.badAt.value_or(0));
        text_->setSelection(from, static_cast<int>(text_->text().size()) - from);
        return;
    }
    QMetaObject::invokeMethod(this, &PinyinPage::runQuery, Qt::QueuedConnection);
    const QString lowered = QString::fromStdString(check.lowered);
    if (text_->text() != lowered) {
        const QSignalBlocker quiet(text_);
        const int cursor = text_->cursorPosition();
        text_->setText(lowered);
        text_->setCursorPosition(cursor);
    }
    text_->setFocus(Qt::OtherFocusReason);
}

void PinyinPage::runQuery() {
    results_.clear();
    const std::string text = text_->text().trimmed().toLower().toStdString();
    const auto tone = static_cast<tesvik::lookup::PinyinTone>(std::max(0, tones_->currentIndex()));
    auto found = tesvik::lookup::searchPinyin(text, tone, index_, entries_);
    if (found) {
        results_ = std::move(found).value();
    } else {
        report(found.error());
    }
    fillGrid();
}

void PinyinPage::fillGrid() {
    std::vector<std::uint32_t> values;
    for (const tesvik::lookup::PinyinResult& item : tesvik::lookup::pinyinGridItems(results_, outsideGbk_->isChecked()))
        values.push_back(item.value);
    const int select = indexAfterRefill_;
    indexAfterRefill_ = 0;
    grid_->setCandidates(std::move(values), select);
}

void PinyinPage::showSelection() {
    const std::optional<std::uint32_t> value = grid_->selectedValue();
    status_->showSelection(value);
    current_->setValue(value.value_or(0));
    readings_->clear();
    if (!value) {
        radical_->setValue(0);
        return;
    }
    if (!byCode_) {
        radical_->setValue(0);
        return;
    }
    for (const std::string& reading : tesvik::lookup::pinyinReadingsOf(*value, *byCode_, text_->text().toStdString()))
        readings_->addItem(QString::fromStdString(reading));
    readings_->setCurrentIndex(0);
    radical_->setValue(tesvik::lookup::pinyinRadicalOf(*value, *byCode_));
}

void PinyinPage::clearAll() {
    results_.clear();
    grid_->setCandidates({});
    readings_->clear();
    current_->setValue(0);
    radical_->setValue(0);
    status_->clear();
}

void PinyinPage::beforeKeyOutput() { indexAfterRefill_ = std::max(0, grid_->selectedIndex()); }

void PinyinPage::keyPressEvent(QKeyEvent* event) {
    // Enter that no control took presses the hidden default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        runQuery();
        event->accept();
        return;
    }
    CandidatePage::keyPressEvent(event);
}

}  // namespace tesvik::ui
