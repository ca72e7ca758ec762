#pragma once
// What the main window shows: its pages, its buttons, which button belongs
// to which page, page cycling and the tray's default command.

#include <optional>
#include <vector>

namespace tesvik::program {

// The pages in container order. The pinyin and symbol pages are hosted only
// when the settings ask for every page.
enum class MainPage { RadicalDirectory, RadicalLookup, StrokeOrder, CustomArea, Pinyin, Symbol };

enum class MainButton {
    Radicals,             // "部首检字": the radical directory
    StrokeOrder,          // "笔顺检字"
    Pinyin,               // "拼音检字"
    CustomArea,           // "自定义区" (the button that first read "符号检字")
    Symbols,              // "符号检字"
    StrokeRegistration,   // "补字按笔顺管理"
    RadicalRegistration,  // "补字按部首管理"
    Settings,             // "设置"
    Help,                 // "帮助"
    About,                // "关于"
};

struct MainWindowLayout {
    std::vector<MainPage> pages;      // container order
    std::vector<MainButton> buttons;  // every button in row order
    std::vector<MainButton> visible;  // the buttons shown
};

MainWindowLayout mainWindowLayout(bool showAllPages);

// The container index a page button asks for, or nothing for a command button.
// The pinyin button asks for index 4 even when no such page is hosted.
std::optional<int> pageIndexOfButton(MainButton button);

// The button highlighted while the page at `index` is in view.
std::optional<MainButton> buttonOfPage(const MainWindowLayout& layout, int index);

// An index outside the pages selects the first page.
int pageToShow(int requested, int pageCount);

// Ctrl+Page Down (forward) and Ctrl+Page Up, wrapping at both ends.
int cycledPage(int current, int pageCount, bool forward);

// The tray menu's commands, in menu order.
enum class TrayCommand { Hide, Show, Exit, Settings, Help };

// The command a left click on the tray icon carries out: the default menu
// item, which becomes Hide whenever the window is shown and Show whenever
// it is hidden.
TrayCommand trayDefaultCommand(bool windowShown);

}  // namespace tesvik::program
