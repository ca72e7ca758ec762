#include "tesvik/ui/pages/RadicalDirectoryPage.h"

#include "tesvik/lookup/radical/RadicalPageInput.h"
#include "tesvik/ui/widgets/RadicalSpaceGuard.h"
#include "tesvik/ui/widgets/StrokeButtons.h"
#include "tesvik/ui/widgets/UiText.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tesvik::ui {
namespace {

bool isEnterOrSpace(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
}

QLineEdit* namedField(const char* name, tesvik::MessageId caption, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(uiText(caption));
    return field;
}

}  // namespace

QString radicalKeyText(const std::optional<tesvik::lookup::RadicalKey>& key) {
    if (!key) return {};
    const std::string_view text = key->text();
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

RadicalDirectoryPage::RadicalDirectoryPage(PageContext context, QWidget* parent)
    : CandidatePage(std::move(context), parent),
      strokeField_(new RadicalStrokeField(this)),
      countField_(namedField("radicalCountEdit", tesvik::MessageId::RadicalCountCaption, this)),
      pinyinField_(namedField("radicalPinyinEdit", tesvik::MessageId::RadicalPinyinCaption, this)),
      grid_(new CandidateGrid(GridLook{30, 30, CellColours::Radicals, false}, this)),
      currentBox_(new OneCellBox(BoxColour::Plain, this)),
      status_(new CodeStatusLine(tesvik::chars::BlockNamePage::RadicalDirectory, this)),
      confirmButton_(new QPushButton(uiText(tesvik::MessageId::RadicalConfirmButton), this)),
      notifier_(messageBoxNotifier(this)) {
    setObjectName("radicalDirectoryPage");
    setAccessibleName(uiText(tesvik::MessageId::RadicalDirectoryPageTitle));
    buildLayout();
    applySettings();

    // Enter and Space confirm the radical here instead of outputting it, and a
    // double click confirms it too; Esc and "复制" keep the grid's rules.
    attachGrid(grid_, OutputKeys{false, false, true});
    disconnect(grid_, &CandidateGrid::picked, this, nullptr);
    connect(grid_, &CandidateGrid::picked, this, [this] { confirm(tesvik::lookup::KeyAliasing::Aliased); });
    connect(grid_, &CandidateGrid::selectionChanged, this, &RadicalDirectoryPage::selectionChanged);
    attachBox(currentBox_);

    connect(strokeField_, &QLineEdit::textChanged, this, [this] {
        if (!updatingFields_) strokeFieldEdited();
    });
    connect(strokeField_, &RadicalStrokeField::keyRefused, this, [this](const tesvik::Message& message) {
        notifier_->show(message, PageNotifier::Icon::None, inputErrorCaption());
    });
    connect(countField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!updatingFields_) countFieldEdited(text);
    });
    connect(pinyinField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!updatingFields_) pinyinFieldEdited(text);
    });
    connect(confirmButton_, &QPushButton::clicked, this, &RadicalDirectoryPage::confirmButtonClicked);
    RadicalSpaceGuard::guard(countField_);
    RadicalSpaceGuard::guard(pinyinField_);
}

RadicalDirectoryPage::~RadicalDirectoryPage() = default;

void RadicalDirectoryPage::buildLayout() {
    strokeField_->setObjectName("radicalStrokeEdit");
    strokeField_->setAccessibleName(uiText(tesvik::MessageId::RadicalStrokesCaption));
    grid_->setObjectName("radicalGrid");
    grid_->setAccessibleName(uiText(tesvik::MessageId::RadicalListCaption));
    currentBox_->setObjectName("currentRadicalBox");
    currentBox_->setAccessibleName(uiText(tesvik::MessageId::CurrentRadicalCaption));
    status_->setObjectName("radicalStatusLine");
    confirmButton_->setObjectName("radicalConfirmButton");
    confirmButton_->setAccessibleName(confirmButton_->text());
    confirmButton_->setToolTip(uiText(tesvik::MessageId::RadicalConfirmTooltip));
    confirmButton_->setAutoDefault(false);

    auto* buttons = new StrokeButtons("radicalStroke", this);
    connect(buttons, &StrokeButtons::strokePressed, this, &RadicalDirectoryPage::pressStroke);
    connect(buttons, &StrokeButtons::backPressed, this, &RadicalDirectoryPage::pressBack);

    auto* strokesBox = new QGroupBox(uiText(tesvik::MessageId::RadicalStrokesCaption), this);
    auto* strokesLayout = new QVBoxLayout(strokesBox);
    strokesLayout->addWidget(strokeField_);
    strokesLayout->addWidget(buttons);

    auto* fields = new QGridLayout;
    auto* countLabel = new QLabel(uiText(tesvik::MessageId::RadicalCountCaption), this);
    countLabel->setBuddy(countField_);
    auto* pinyinLabel = new QLabel(uiText(tesvik::MessageId::RadicalPinyinCaption), this);
    pinyinLabel->setBuddy(pinyinField_);
    fields->addWidget(countLabel, 0, 0);
    fields->addWidget(countField_, 0, 1);
    fields->addWidget(pinyinLabel, 1, 0);
    fields->addWidget(pinyinField_, 1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(strokesBox, 3);
    top->addLayout(fields, 2);

    auto* listBox = new QGroupBox(uiText(tesvik::MessageId::RadicalListCaption), this);
    auto* listLayout = new QVBoxLayout(listBox);
    listLayout->addWidget(grid_);
    listLayout->addWidget(status_);

    auto* boxLabel = new QLabel(uiText(tesvik::MessageId::CurrentRadicalCaption), this);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(boxLabel);
    bottom->addWidget(currentBox_);
    bottom->addStretch(1);
    bottom->addWidget(confirmButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(listBox, 1);
    layout->addLayout(bottom);
    setTabOrder(strokeField_, countField_);
    setTabOrder(countField_, pinyinField_);
    setTabOrder(pinyinField_, grid_);
}

QWidget* RadicalDirectoryPage::firstFocusWidget() { return strokeField_; }

void RadicalDirectoryPage::applySettings() {
    CandidatePage::applySettings();
    if (context().settings != nullptr) strokeField_->setStrokeKeys(context().settings->strokeKeys);
}

void RadicalDirectoryPage::setNotifier(std::unique_ptr<PageNotifier> notifier) { notifier_ = std::move(notifier); }

void RadicalDirectoryPage::pressStroke(char digit) {
    query_.strokes.push_back(digit);
    updatingFields_ = true;
    strokeField_->setDigits(query_.strokes);
    updatingFields_ = false;
    search();
}

void RadicalDirectoryPage::pressBack() {
    if (!query_.strokes.empty()) query_.strokes.pop_back();
    updatingFields_ = true;
    strokeField_->setDigits(query_.strokes);
    updatingFields_ = false;
    search();
}

// The strokes are read back from the glyphs shown, wherever the caret was.
void RadicalDirectoryPage::strokeFieldEdited() {
    query_.strokes = strokeField_->digits();
    if (!query_.strokes.empty()) search();
}

void RadicalDirectoryPage::countFieldEdited(const QString& text) {
    query_.count = text.toStdString();
    const auto checked = tesvik::lookup::checkRadicalCountField(query_.count);
    if (!checked) {
        refuse(countField_, checked.error().message, 0, {});
        return;
    }
    if (checked.value() == tesvik::lookup::RadicalFieldAction::Search) search();
}

void RadicalDirectoryPage::pinyinFieldEdited(const QString& text) {
    const auto checked = tesvik::lookup::checkRadicalPinyinField(text.toStdString());
    const QString lowered = text.toLower();
    if (lowered != text) {
        const int caret = pinyinField_->cursorPosition();
        updatingFields_ = true;
        pinyinField_->setText(lowered);
        pinyinField_->setCursorPosition(caret);
        updatingFields_ = false;
    }
    query_.pinyin = lowered.toStdString();
    if (!checked) {
        const auto from =
            QString::fromUtf8(query_.pinyin.data(), static_cast<qsizetype>(checked.error().selectFrom)).size();
        refuse(pinyinField_, checked.error().message, static_cast<int>(from), inputErrorCaption());
        return;
    }
    if (!query_.pinyin.empty()) search();
}

void RadicalDirectoryPage::refuse(QLineEdit* field, const tesvik::Message& message, int selectFrom,
                                  const QString& caption) {
    field->setSelection(selectFrom, static_cast<int>(field->text().size()) - selectFrom);
    notifier_->show(message, caption.isEmpty() ? PageNotifier::Icon::Information : PageNotifier::Icon::None, caption);
}

void RadicalDirectoryPage::search() {
    candidates_ = tesvik::lookup::searchRadicals(context().directories.data, query_);
    std::vector<std::uint32_t> values;
    values.reserve(candidates_.size());
    for (const auto& candidate : candidates_) values.push_back(candidate.radical);
    grid_->setCandidates(std::move(values), 0);
}

void RadicalDirectoryPage::selectionChanged() {
    status_->showSelection(grid_->selectedValue());
    const int index = grid_->selectedIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= candidates_.size()) return;
    tesvik::lookup::CurrentRadical next = current_;
    tesvik::lookup::confirmRadical(next, candidates_[static_cast<std::size_t>(index)],
                                   tesvik::lookup::KeyAliasing::None);
    setCurrent(next);
}

void RadicalDirectoryPage::confirm(tesvik::lookup::KeyAliasing aliasing) {
    const int index = grid_->selectedIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= candidates_.size()) return;
    tesvik::lookup::CurrentRadical next = current_;
    tesvik::lookup::confirmRadical(next, candidates_[static_cast<std::size_t>(index)], aliasing);
    setCurrent(next);
    emit requestPage(kLookupPageIndex);
}

void RadicalDirectoryPage::confirmButtonClicked() {
    const bool selected = grid_->selectedIndex() >= 0;
    if (const auto chosen = tesvik::lookup::checkRadicalChosen(selected, current_); !chosen) {
        notifier_->show(chosen.error(), PageNotifier::Icon::Information);
        return;
    }
    if (selected) {
        confirm(tesvik::lookup::KeyAliasing::UpperCasedAndAliased);
        return;
    }
    emit requestPage(kLookupPageIndex);
}

void RadicalDirectoryPage::setCurrent(const tesvik::lookup::CurrentRadical& current) {
    current_ = current;
    currentBox_->setValue(current_.radical);
    emit radicalChosen(current_.radical, radicalKeyText(current_.key));
}

// Enter and Space confirm the radical here instead of outputting it.
bool RadicalDirectoryPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isEnterOrSpace(*static_cast<QKeyEvent*>(event))) {
        if (takesKey(watched, event) && grid_->count() > 0) confirm(tesvik::lookup::KeyAliasing::None);
        return false;  // the key goes on to normal processing
    }
    return CandidatePage::eventFilter(watched, event);
}

}  // namespace tesvik::ui
