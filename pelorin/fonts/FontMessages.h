#pragma once

#include <string>
#include <string_view>

namespace pelorin::fonts {

// The texts the glyph merge and the font registry show, as the program
// shows them.
namespace message {
inline constexpr std::string_view kCannotOpenLibrary = "无法打开后端补字库文件：";
inline constexpr std::string_view kLibraryCodeSpaceDiffers = "Zorvan补字库的编码空间与系统不一致。";
inline constexpr std::string_view kNotAValidCode = "不是正确的编码。将被忽略。";
inline constexpr std::string_view kCannotCreateEudc = "无法创建字体新EUDC文件:";
inline constexpr std::string_view kCheckDiskSpace = "，请检查硬盘空间是否太小。";
inline constexpr std::string_view kCannotOpenEudc = "无法打开字体EUDC文件：";
inline constexpr std::string_view kMayBeDamaged = "，可能已被破坏。";
inline constexpr std::string_view kCannotOpenFont = "无法打开字体文件：";
inline constexpr std::string_view kFontPrefix = "字体：";
inline constexpr std::string_view kRegionMismatch = "与系统的地区设置不对应。";
inline constexpr std::string_view kCannotCreateFont = "无法创建字体新文件：";
inline constexpr std::string_view kCannotLinkEudc = "无法链接EUDC文件：";
inline constexpr std::string_view kCannotUnlinkEudc = "无法取消EUDC文件链接。";
inline constexpr std::string_view kCannotCreateRegistryKey = "无法创建注册表键：";
inline constexpr std::string_view kImportCancelled = "已取消引入Zorvan补字库，所有文件和链接保持原样。";

inline constexpr std::string_view kNoFontsFolder = "找不到系统省缺字体路径。";
inline constexpr std::string_view kRegistryError = "系统注册表错误。";
inline constexpr std::string_view kNoFontRegistration = "找不到系统字体注册。";
inline constexpr std::string_view kFontRegistrationError = "系统字体注册错误。";
inline constexpr std::string_view kNoFontsInstalled = "系统中未安装字库。";
inline constexpr std::string_view kNoLumenarFonts = "系统中未安装LumenarTrueType字库。";
inline constexpr std::string_view kNoCjkFonts = "系统中未安装含中日韩汉字的字库。";
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
