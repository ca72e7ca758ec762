#include "tesvik/ui/mainwindow/MainWindowParts.h"

#if __has_include("tesvik/ui/pages/CandidatePage.h")
#include "tesvik/ui/pages/CandidatePage.h"
#define TESVIK_HAS_CANDIDATE_PAGE 1
#endif
#if __has_include("tesvik/ui/pages/RadicalDirectoryPage.h")
#include "tesvik/ui/pages/RadicalDirectoryPage.h"
#define TESVIK_HAS_RADICAL_DIRECTORY_PAGE 1
#endif
#if __has_include("tesvik/ui/pages/RadicalLookupPage.h")
#include "tesvik/ui/pages/RadicalLookupPage.h"
#define TESVIK_HAS_RADICAL_LOOKUP_PAGE 1
#endif
#if __has_include("tesvik/ui/pages/StrokeOrderPage.h")
#include "tesvik/ui/pages/StrokeOrderPage.h"
#define TESVIK_HAS_STROKE_ORDER_PAGE 1
#endif
#if __has_include("tesvik/ui/pages/CustomAreaPage.h")
#include "tesvik/ui/pages/CustomAreaPage.h"
#define TESVIK_HAS_CUSTOM_AREA_PAGE 1
#endif
#if __has_include("tesvik/ui/pages/PinyinPage.h")
#include "tesvik/ui/pages/PinyinPage.h"
#define TESVIK_HAS_PINYIN_PAGE 1
#endif
#if __has_include("tesvik/ui/pages/SymbolPage.h")
#include "tesvik/ui/pages/SymbolPage.h"
#define TESVIK_HAS_SYMBOL_PAGE 1
#endif
#if __has_include("tesvik/ui/dialogs/StrokeRegistrationDialog.h")
#include "tesvik/ui/dialogs/StrokeRegistrationDialog.h"
#define TESVIK_HAS_STROKE_REGISTRATION 1
#endif
#if __has_include("tesvik/ui/dialogs/RadicalRegistrationDialog.h")
#include "tesvik/ui/dialogs/RadicalRegistrationDialog.h"
#define TESVIK_HAS_RADICAL_REGISTRATION 1
#endif
#if __has_include("tesvik/ui/dialogs/SettingsDialog.h")
#include "tesvik/ui/dialogs/SettingsDialog.h"
#define TESVIK_HAS_SETTINGS_DIALOG 1
#endif
#if __has_include("tesvik/ui/dialogs/AboutBox.h")
#include "tesvik/ui/dialogs/AboutBox.h"
#define TESVIK_HAS_ABOUT_BOX 1
#endif

namespace tesvik::ui {

namespace {

QString placeholderName(tesvik::program::MainPage kind) {
    switch (kind) {
    case tesvik::program::MainPage::RadicalDirectory: return QStringLiteral("radicalDirectoryPage");
    case tesvik::program::MainPage::RadicalLookup: return QStringLiteral("radicalLookupPage");
    case tesvik::program::MainPage::StrokeOrder: return QStringLiteral("strokeOrderPage");
    case tesvik::program::MainPage::CustomArea: return QStringLiteral("customAreaPage");
    case tesvik::program::MainPage::Pinyin: return QStringLiteral("pinyinPage");
    case tesvik::program::MainPage::Symbol: return QStringLiteral("symbolPage");
    }
    return {};
}

template <class Page>
MadePage made(Page* page) {
#ifdef TESVIK_HAS_CANDIDATE_PAGE
    return {page, [page] { return page->firstFocusWidget(); }};
#else
    return {page, {}};
#endif
}

MadePage placeholder(tesvik::program::MainPage kind, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(placeholderName(kind));
    return {page, {}};
}

}  // namespace

MadePage makeProgramPage(tesvik::program::MainPage kind, const PageContext& context, QWidget* parent) {
    [[maybe_unused]] const PageContext& c = context;
    switch (kind) {
    case tesvik::program::MainPage::RadicalDirectory:
#ifdef TESVIK_HAS_RADICAL_DIRECTORY_PAGE
        return made(new RadicalDirectoryPage(c, parent));
#else
        break;
#endif
    case tesvik::program::MainPage::RadicalLookup:
#ifdef TESVIK_HAS_RADICAL_LOOKUP_PAGE
        return made(new RadicalLookupPage(c, parent));
#else
        break;
#endif
    case tesvik::program::MainPage::StrokeOrder:
#ifdef TESVIK_HAS_STROKE_ORDER_PAGE
        return made(new StrokeOrderPage(c, parent));
#else
        break;
#endif
    case tesvik::program::MainPage::CustomArea:
#ifdef TESVIK_HAS_CUSTOM_AREA_PAGE
        return made(new CustomAreaPage(c, parent));
#else
        break;
#endif
    case tesvik::program::MainPage::Pinyin:
#ifdef TESVIK_HAS_PINYIN_PAGE
        return made(new PinyinPage(c, parent));
#else
        break;
#endif
    case tesvik::program::MainPage::Symbol:
#ifdef TESVIK_HAS_SYMBOL_PAGE
        return made(new SymbolPage(c, parent));
#else
        break;
#endif
    }
    return placeholder(kind, parent);
}

void connectPages([[maybe_unused]] const std::vector<QWidget*>& pages) {
#if defined(TESVIK_HAS_RADICAL_DIRECTORY_PAGE) && defined(TESVIK_HAS_RADICAL_LOOKUP_PAGE)
    RadicalDirectoryPage* directory = nullptr;
    RadicalLookupPage* lookup = nullptr;
    for (QWidget* page : pages) {
        if (auto* d = qobject_cast<RadicalDirectoryPage*>(page)) directory = d;
        if (auto* l = qobject_cast<RadicalLookupPage*>(page)) lookup = l;
    }
    if (directory && lookup) {
        QObject::connect(directory, &RadicalDirectoryPage::radicalChosen, lookup, &RadicalLookupPage::setCurrentRadical);
    }
#endif
}

void applySettingsTo([[maybe_unused]] QWidget* page) {
#ifdef TESVIK_HAS_CANDIDATE_PAGE
    if (auto* p = qobject_cast<CandidatePage*>(page)) p->applySettings();
#endif
}

std::unique_ptr<QDialog> makeRegistrationDialog(tesvik::program::MainButton button, [[maybe_unused]] const PageContext& context,
                                                [[maybe_unused]] QWidget* parent) {
    switch (button) {
#ifdef TESVIK_HAS_STROKE_REGISTRATION
    case tesvik::program::MainButton::StrokeRegistration: return std::make_unique<StrokeRegistrationDialog>(context, parent);
#endif
#ifdef TESVIK_HAS_RADICAL_REGISTRATION
    case tesvik::program::MainButton::RadicalRegistration: return std::make_unique<RadicalRegistrationDialog>(context, parent);
#endif
    default: return nullptr;
    }
}

std::unique_ptr<QDialog> makeAboutBox([[maybe_unused]] const std::filesystem::path& settingsDirectory,
                                      [[maybe_unused]] QWidget* parent) {
#ifdef TESVIK_HAS_ABOUT_BOX
    return std::make_unique<AboutBox>(settingsDirectory, parent);
#else
    return nullptr;
#endif
}

SettingsDialogHandle makeSettingsDialog([[maybe_unused]] const tesvik::program::Settings& current,
                                        [[maybe_unused]] tesvik::program::SettingsStoreTargets stores,
                                        [[maybe_unused]] tesvik::program::HotKeyControl* hotKeys,
                                        [[maybe_unused]] tesvik::program::AutostartEntry& autostart,
                                        [[maybe_unused]] QWidget* parent) {
#ifdef TESVIK_HAS_SETTINGS_DIALOG
    auto dialog = std::make_unique<SettingsDialog>(current, stores, hotKeys, autostart, parent);
    SettingsDialog* d = dialog.get();
    return {std::move(dialog), [d] { return d->confirmedSettings(); }};
#else
    return {nullptr, [] { return std::optional<tesvik::program::Settings>(); }};
#endif
}

}  // namespace tesvik::ui
