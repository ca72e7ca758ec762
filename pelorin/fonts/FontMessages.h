#pragma once

#include "pelorin/pfi/PelorinLanguage.h"

#include <string>
#include <string_view>

namespace pelorin::fonts {

// The texts the glyph merge and the font registry show, as the program
// shows them, in the language chosen at start.
namespace message {
inline constexpr Texts kLibraryCodeSpaceDiffers{"Zorvan补字库的编码空间与系统不一致。",
                                                "Zorvan補字庫的編碼空間與系統不一致。",
                                                "The Zorvan library's code space differs from the system's."};
inline constexpr Texts kNotAValidCode{"不是正确的编码。将被忽略。", "不是正確的編碼。將被忽略。",
                                      " is not a valid code. It will be skipped."};
inline constexpr Texts kCannotCreateEudc{
    "无法创建字体新EUDC文件:", "無法建立字型新EUDC檔案:", "Cannot create the new EUDC font file "};
inline constexpr Texts kCheckDiskSpace{"，请检查硬盘空间是否太小。", "，請檢查硬碟空間是否太小。",
                                       ". Please check that the disk has enough free space."};
inline constexpr Texts kCannotOpenEudc{"无法打开字体EUDC文件：", "無法開啟字型EUDC檔案：",
                                       "Cannot open the EUDC font file "};
inline constexpr Texts kMayBeDamaged{"，可能已被破坏。", "，可能已被破壞。", ". It may be damaged."};
inline constexpr Texts kCannotOpenFont{"无法打开字体文件：", "無法開啟字型檔案：", "Cannot open the font file "};
inline constexpr Texts kFontPrefix{"字体：", "字型：", "The font "};
inline constexpr Texts kRegionMismatch{"与系统的地区设置不对应。", "與系統的地區設定不對應。",
                                       " does not match the system's regional settings."};
inline constexpr Texts kCannotCreateFont{"无法创建字体新文件：", "無法建立字型新檔案：",
                                         "Cannot create the new font file "};
inline constexpr Texts kCannotLinkEudc{"无法链接EUDC文件：", "無法連結EUDC檔案：", "Cannot link the EUDC file "};
inline constexpr Texts kCannotUnlinkEudc{"无法取消EUDC文件链接。", "無法取消EUDC檔案連結。",
                                         "Cannot remove the EUDC file's link."};
inline constexpr Texts kCannotCreateRegistryKey{"无法创建注册表键：", "無法建立登錄機碼：",
                                                "Cannot create the registry key "};
inline constexpr Texts kImportCancelled{"已取消引入Zorvan补字库，所有文件和链接保持原样。",
                                        "已取消引入Zorvan補字庫，所有檔案和連結保持原樣。",
                                        "The Zorvan library import was cancelled; every file and link is as it was."};

inline constexpr Texts kNoFontsFolder{"找不到系统省缺字体路径。", "找不到系統預設字型路徑。",
                                      "The system's default fonts folder cannot be found."};
inline constexpr Texts kRegistryError{"系统注册表错误。", "系統登錄檔錯誤。", "System registry error."};
inline constexpr Texts kNoFontRegistration{"找不到系统字体注册。", "找不到系統字型登錄。",
                                           "The system's font registration cannot be found."};
inline constexpr Texts kFontRegistrationError{"系统字体注册错误。", "系統字型登錄錯誤。",
                                              "The system's font registration is damaged."};
inline constexpr Texts kNoFontsInstalled{"系统中未安装字库。", "系統中未安裝字型。",
                                         "No fonts are installed on the system."};
inline constexpr Texts kNoLumenarFonts{"系统中未安装LumenarTrueType字库。", "系統中未安裝LumenarTrueType字型。",
                                       "No Lumenar TrueType fonts are installed on the system."};
inline constexpr Texts kNoCjkFonts{"系统中未安装含中日韩汉字的字库。", "系統中未安裝含中日韓漢字的字型。",
                                   "No installed font has CJK ideographs."};
}  // namespace message

// Joins message parts: text(a, b, c) == a + b + c.
template <class... Parts>
std::string text(const Parts&... parts) {
    std::string out;
    (out.append(parts), ...);
    return out;
}

// Where messages for the user go (a message box in the window program,
// standard error in the command line).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void show(const std::string& message) = 0;
};

}  // namespace pelorin::fonts
