#include "tesvik/program/MainWindowLayout.h"

#include <algorithm>

namespace tesvik::program {

MainWindowLayout mainWindowLayout(bool showAllPages) {
    MainWindowLayout layout;
    layout.pages = {MainPage::RadicalDirectory, MainPage::RadicalLookup, MainPage::StrokeOrder, MainPage::CustomArea};
    layout.buttons = {MainButton::Radicals,
                      MainButton::StrokeOrder,
                      MainButton::Pinyin,
                      MainButton::CustomArea,
                      MainButton::Symbols,
                      MainButton::StrokeRegistration,
                      MainButton::RadicalRegistration,
                      MainButton::Settings,
                      MainButton::Help,
                      MainButton::About};
    if (showAllPages) {
        layout.pages.push_back(MainPage::Pinyin);
        layout.pages.push_back(MainPage::Symbol);
        layout.visible = layout.buttons;
    } else {
        layout.visible = {MainButton::Radicals, MainButton::StrokeOrder, MainButton::Settings, MainButton::Help,
                          MainButton::About};
    }
    return layout;
}

std::optional<int> pageIndexOfButton(MainButton button) {
    switch (button) {
        case MainButton::Radicals:
            return 0;
        case MainButton::StrokeOrder:
            return 2;
        case MainButton::CustomArea:
            return 3;
        case MainButton::Pinyin:
            return 4;
        case MainButton::Symbols:
            return 5;
        default:
            return std::nullopt;
    }
}

std::optional<MainButton> buttonOfPage(const MainWindowLayout& layout, int index) {
    if (index < 0 || index >= static_cast<int>(layout.pages.size())) return std::nullopt;
    switch (layout.pages[static_cast<std::size_t>(index)]) {
        case MainPage::RadicalDirectory:
        case MainPage::RadicalLookup:
            return MainButton::Radicals;
        case MainPage::StrokeOrder:
            return MainButton::StrokeOrder;
        case MainPage::CustomArea:
            return MainButton::CustomArea;
        case MainPage::Pinyin:
            return MainButton::Pinyin;
        case MainPage::Symbol:
            return MainButton::Symbols;
    }
    return std::nullopt;
}

int pageToShow(int requested, int pageCount) { return requested < 0 || requested >= pageCount ? 0 : requested; }

int cycledPage(int current, int pageCount, bool forward) {
    if (pageCount <= 0) return 0;
    const int step = forward ? 1 : pageCount - 1;
    return (std::clamp(current, 0, pageCount - 1) + step) % pageCount;
}

TrayCommand trayDefaultCommand(bool windowShown) { return windowShown ? TrayCommand::Hide : TrayCommand::Show; }

}  // namespace tesvik::program
