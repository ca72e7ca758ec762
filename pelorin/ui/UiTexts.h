#pragma once
// The texts of the font manager window, its dialogs and the progress window,
// in the three languages.
#include "pelorin/pfi/PelorinLanguage.h"

#include <QString>

namespace pelorin::ui {

// A text in the current language, for a widget.
inline QString qtext(const Texts& text) {
    const std::string_view chosen = text;
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

namespace text {
// The font manager window.
inline constexpr Texts kWindowTitle{"Lumenar字体管理表", "Lumenar字型管理表", "Lumenar Font Manager"};
inline constexpr Texts kFaceColumn{"字体名", "字型名", "Font name"};
inline constexpr Texts kFontFileColumn{"字体文件名", "字型檔名", "Font file"};
inline constexpr Texts kEudcFileColumn{"字体EUDC文件名", "字型EUDC檔名", "EUDC file"};
inline constexpr Texts kLibraryColumn{"Zorvan补字库", "Zorvan補字庫", "Zorvan library"};
inline constexpr Texts kNewFontColumn{"字体新文件名", "字型新檔名", "New font file"};
inline constexpr Texts kImportButton{"Zorvan补字库", "Zorvan補字庫", "Zorvan Library"};
inline constexpr Texts kBackupButton{"备份字体", "備份字型", "Back Up Font"};
inline constexpr Texts kLinkButton{"链接EUDC", "連結EUDC", "Link EUDC"};
inline constexpr Texts kUnlinkButton{"断开EUDC", "中斷EUDC", "Unlink EUDC"};
inline constexpr Texts kAboutButton{"关于", "關於", "About"};
inline constexpr Texts kHelpButton{"帮助", "說明", "Help"};
inline constexpr Texts kExitButton{"退出", "結束", "Exit"};
inline constexpr Texts kShowAllFaces{"显示全部字体", "顯示全部字型", "Show all fonts"};
inline constexpr Texts kBackupTitle{"备份:", "備份:", "Back up: "};
inline constexpr Texts kLinkTitle{"：链接EUDC...", "：連結EUDC...", ": Link EUDC..."};
inline constexpr Texts kTtfFilter{"ttf Files (*.ttf)", "ttf 檔案 (*.ttf)", "ttf Files (*.ttf)"};
inline constexpr Texts kTteFilter{"tte Files (*.tte)", "tte 檔案 (*.tte)", "tte Files (*.tte)"};
inline constexpr Texts kPfiFilter{"pfi Files (*.pfi)", "pfi 檔案 (*.pfi)", "pfi Files (*.pfi)"};
inline constexpr Texts kBackupFailed{"无法备份字体：", "無法備份字型：", "The font could not be backed up: "};
inline constexpr Texts kLinkFailed{"无法链接EUDC字体：", "無法連結EUDC字型：", "The EUDC font could not be linked: "};
inline constexpr Texts kUnlinkFailed{"无法断开EUDC字体：", "無法中斷EUDC字型：",
                                     "The EUDC font could not be unlinked: "};
inline constexpr Texts kNoHelp{"找不到帮助文件。", "找不到說明檔案。", "The help file cannot be found."};

// The about box.
inline constexpr Texts kAboutTitle{"版本说明", "版本說明", "About"};
inline constexpr Texts kAboutProgram{"LumenarTrueType补字转换程序", "LumenarTrueType補字轉換程式",
                                     "Lumenar TrueType supplementary character converter"};
inline constexpr Texts kAboutVersion{"版本2.01", "版本2.01", "Version 2.01"};
inline constexpr Texts kOk{"确定", "確定", "OK"};
inline constexpr Texts kCancel{"取消", "取消", "Cancel"};

// The import dialog.
inline constexpr Texts kImportTitle{"引入Zorvan补字库", "引入Zorvan補字庫", "Import a Zorvan Library"};
inline constexpr Texts kFontLabel{"字体名称:", "字型名稱:", "Font:"};
inline constexpr Texts kLibraryLabel{"Zorvan补字库文件:", "Zorvan補字庫檔案:", "Zorvan library file:"};
inline constexpr Texts kNewFontLabel{"字体新文件:", "字型新檔案:", "New font file:"};
inline constexpr Texts kNewEudcLabel{"字体新EUDC文件:", "字型新EUDC檔案:", "New EUDC file:"};
inline constexpr Texts kBrowse{"浏览...", "瀏覽...", "Browse..."};
inline constexpr Texts kModeEudcOnly{"只考虑Zorvan补字库中的EUDC字符", "只考慮Zorvan補字庫中的EUDC字元",
                                     "Only the EUDC characters of the Zorvan library"};
inline constexpr Texts kModeEudcIntoFont{"把Zorvan补字库中的EUDC字符加入到当前字体中",
                                         "把Zorvan補字庫中的EUDC字元加入到目前字型中",
                                         "Add the Zorvan library's EUDC characters to the current font"};
inline constexpr Texts kModeEverything{"把Zorvan补字库中的全部字符加入到当前字体中",
                                       "把Zorvan補字庫中的全部字元加入到目前字型中",
                                       "Add all characters of the Zorvan library to the current font"};
inline constexpr Texts kPrecedenceFont{"当前字体优先", "目前字型優先", "Current font first"};
inline constexpr Texts kPrecedenceLibrary{"Zorvan补字库优先", "Zorvan補字庫優先", "Zorvan library first"};
inline constexpr Texts kSmooth{"曲线优化", "曲線最佳化", "Optimise curves"};
inline constexpr Texts kChooseFont{"请先选择一种字体。", "請先選擇一種字型。", "Please choose a font first."};
inline constexpr Texts kAlreadyExists{"已存在。要替换它吗？", "已存在。要取代它嗎？",
                                      " already exists. Do you want to replace it?"};
inline constexpr Texts kYes{"是", "是", "Yes"};
inline constexpr Texts kNo{"否", "否", "No"};

// The progress window.
inline constexpr Texts kProgressTitle{"Zorvan补字库转换为TrueType字库", "Zorvan補字庫轉換為TrueType字庫",
                                      "Converting the Zorvan Library to TrueType"};
inline constexpr Texts kStop{"中断", "中斷", "Stop"};
}  // namespace text

}  // namespace pelorin::ui
