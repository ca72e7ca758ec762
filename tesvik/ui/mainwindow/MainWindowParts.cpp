#include "tesvik/ui/mainwindow/MainWindowParts.h"

#include "tesvik/ui/dialogs/AboutBox.h"
#include "tesvik/ui/dialogs/RadicalRegistrationDialog.h"
#include "tesvik/ui/dialogs/SettingsDialog.h"
#include "tesvik/ui/dialogs/StrokeRegistrationDialog.h"
#include "tesvik/ui/pages/CandidatePage.h"
#include "tesvik/ui/pages/CustomAreaPage.h"
#include "tesvik/ui/pages/PinyinPage.h"
#include "tesvik/ui/pages/RadicalDirectoryPage.h"
#include "tesvik/ui/pages/RadicalLookupPage.h"
#include "tesvik/ui/pages/StrokeOrderPage.h"
#include "tesvik/ui/pages/SymbolPage.h"

namespace tesvik::ui {

namespace {

MadePage made(CandidatePage* page) {
    return {page, [page] { return page->firstFocusWidget(); }};
}

}  // namespace

MadePage makeProgramPage(tesvik::program::MainPage kind, const PageContext& context, QWidget* parent) {
    switch (kind) {
        case tesvik::program::MainPage::RadicalDirectory:
            return made(new RadicalDirectoryPage(context, parent));
        case tesvik::program::MainPage::RadicalLookup:
            return made(new RadicalLookupPage(context, parent));
        case tesvik::program::MainPage::StrokeOrder:
            return made(new StrokeOrderPage(context, parent));
        case tesvik::program::MainPage::CustomArea:
            return made(new CustomAreaPage(context, parent));
        case tesvik::program::MainPage::Pinyin:
            return made(new PinyinPage(context, parent));
        case tesvik::program::MainPage::Symbol:
            return made(new SymbolPage(context, parent));
    }
    Q_UNREACHABLE();
    return {};
}

void connectPages(const std::vector<QWidget*>& pages) {
    RadicalDirectoryPage* directory = nullptr;
    RadicalLookupPage* lookup = nullptr;
    for (QWidget* page : pages) {
        if (auto* d = qobject_cast<RadicalDirectoryPage*>(page)) directory = d;
        if (auto* l = qobject_cast<RadicalLookupPage*>(page)) lookup = l;
    }
    if (directory && lookup) {
        QObject::connect(directory, &RadicalDirectoryPage::radicalChosen, lookup,
                         &RadicalLookupPage::setCurrentRadical);
    }
}

void applySettingsTo(QWidget* page) {
    if (auto* p = qobject_cast<CandidatePage*>(page)) p->applySettings();
}

std::unique_ptr<QDialog> makeRegistrationDialog(tesvik::program::MainButton button, const PageContext& context,
                                                QWidget* parent) {
    switch (button) {
        case tesvik::program::MainButton::StrokeRegistration:
            return std::make_unique<StrokeRegistrationDialog>(context, parent);
        case tesvik::program::MainButton::RadicalRegistration:
            return std::make_unique<RadicalRegistrationDialog>(context, parent);
        default:
            return nullptr;
    }
}

std::unique_ptr<QDialog> makeAboutBox(const std::filesystem::path& settingsDirectory, QWidget* parent) {
    return std::make_unique<AboutBox>(settingsDirectory, parent);
}

SettingsDialogHandle makeSettingsDialog(const tesvik::program::Settings& current,
                                        tesvik::program::SettingsStoreTargets stores,
                                        tesvik::program::HotKeyControl* hotKeys,
                                        tesvik::program::AutostartEntry& autostart, QWidget* parent) {
    auto dialog = std::make_unique<SettingsDialog>(current, stores, hotKeys, autostart, parent);
    SettingsDialog* d = dialog.get();
    return {std::move(dialog), [d] { return d->confirmedSettings(); }};
}

}  // namespace tesvik::ui
