#pragma once

#include "pelorin/pfi/PelorinLanguage.h"

// The pelorin command's own texts (usage errors, failures, reports), in the
// language chosen at start. A message with values is joined from its parts
// with fonts::text(); command names, option names and values read the same
// in every language.
namespace pelorin::cli::message {

// Usage errors.
inline constexpr Texts kNeedsValue{" 需要一个值", " 需要一個值", " needs a value"};
inline constexpr Texts kGivenTwice{" 指定了两次", " 指定了兩次", " given twice"};
inline constexpr Texts kUnknownOption{"未知选项 ", "未知選項 ", "unknown option "};
inline constexpr Texts kOptionOfCommand{"（用于 ", "（用於 ", " for "};
inline constexpr Texts kCloseParenthesis{"）", "）", ""};
inline constexpr Texts kWantsNumberFrom{" 需要 ", " 需要 ", " wants a number from "};
inline constexpr Texts kNumberTo{" 到 ", " 到 ", " to "};
inline constexpr Texts kNumberEnd{" 之间的数", " 之間的數", ""};
inline constexpr Texts kTakes{" 需要 ", " 需要 ", " takes "};
inline constexpr Texts kFileArgument{" 个文件参数", " 個檔案參數", " file argument"};
inline constexpr Texts kFileArguments{" 个文件参数", " 個檔案參數", " file arguments"};
inline constexpr Texts kNeedsOption{" 需要 ", " 需要 ", " needs "};
inline constexpr Texts kTakesNoArguments{" 不接受参数", " 不接受參數", " takes no arguments"};
inline constexpr Texts kPrecedenceModes{"--precedence 只适用于模式 1 和 2", "--precedence 只適用於模式 1 和 2",
                                        "--precedence applies to modes 1 and 2 only"};
inline constexpr Texts kFontOutMode{"--font-out 只适用于模式 2", "--font-out 只適用於模式 2",
                                    "--font-out applies to mode 2 only"};
inline constexpr Texts kPackNeedsFonts{"pfi-pack 需要一个或多个字体文件", "pfi-pack 需要一個或多個字型檔案",
                                       "pfi-pack takes one or more font files"};
inline constexpr Texts kPackNeedsCodesOrMap{"pfi-pack 需要 --codes 或 --map 二者之一",
                                            "pfi-pack 需要 --codes 或 --map 二者之一",
                                            "pfi-pack needs either --codes or --map"};
inline constexpr Texts kLibraryCodePages{"字库的 --code-page 只能是 936、950 或 0",
                                         "字庫的 --code-page 只能是 936、950 或 0",
                                         "--code-page of a library is 936, 950 or 0"};
inline constexpr Texts kUnknownCommand{"未知命令“", "未知命令「", "unknown command \""};
inline constexpr Texts kBadCodeRange{"错误的编码范围“", "錯誤的編碼範圍「", "bad code range \""};
inline constexpr Texts kCodeRangeForm{"”（十六进制编码，FIRST-LAST）", "」（十六進位編碼，FIRST-LAST）",
                                      "\" (hexadecimal codes, FIRST-LAST)"};

// A quoted name inside a sentence.
inline constexpr Texts kOpenQuote{"“", "「", "\""};
inline constexpr Texts kCloseQuote{"”", "」", "\""};

// Failures of the commands.
inline constexpr Texts kNoInstalledFace{"没有安装字体“", "沒有安裝字型「", "no installed face \""};
inline constexpr Texts kCancelledNotWritten{"已取消；未写出 ", "已取消；未寫出 ", "cancelled; "};
inline constexpr Texts kWasNotWritten{"", "", " was not written"};
inline constexpr Texts kFaceQuote{"字体“", "字型「", "\""};
inline constexpr Texts kNoEudcLinkUnderCodePage{"”在代码页 ", "」在字碼頁 ", "\" has no EUDC link under code page "};
inline constexpr Texts kNoEudcLinkEnd{" 下没有EUDC链接", " 下沒有EUDC連結", ""};
inline constexpr Texts kCannotCopy{"无法把 ", "無法把 ", "cannot copy "};
inline constexpr Texts kCopyTo{" 复制到 ", " 複製到 ", " to "};
inline constexpr Texts kReasonFollows{"：", "：", ": "};
inline constexpr Texts kNoWindow{"此版本没有窗口（构建时未包含桌面程序）", "此版本沒有視窗（建置時未包含桌面程式）",
                                 "this build has no window (it was built without the desktop programs)"};
inline constexpr Texts kNotInFontList{"”不在字体列表中（见：pelorin list）", "」不在字型清單中（見：pelorin list）",
                                      "\" is not in the font list (see: pelorin list)"};

// pfi-pack's report.
inline constexpr Texts kGlyphsPackedBefore{"已打包 ", "已封裝 ", ""};
inline constexpr Texts kGlyphsPacked{" 个字形，", " 個字形，", " glyphs packed, "};
inline constexpr Texts kCodesWithoutGlyph{" 个编码没有字形", " 個編碼沒有字形", " codes without a glyph"};
inline constexpr Texts kNoSourceFontDrawsIt{"没有源字体含有此字形", "沒有來源字型含有此字形",
                                            "no source font draws it"};

// Rows of a code map.
inline constexpr Texts kLineBefore{"第 ", "第 ", "line "};
inline constexpr Texts kLineAfter{" 行：", " 行：", ": "};
inline constexpr Texts kWantsCodeAndCodePoint{"需要一个字库编码和一个码位（十六进制）",
                                              "需要一個字庫編碼和一個碼位（十六進位）",
                                              "wants a library code and a code point (hexadecimal)"};
inline constexpr Texts kLibraryCode{"字库编码 ", "字庫編碼 ", "library code "};
inline constexpr Texts kCodePoint{"码位 ", "碼位 ", "code point "};
inline constexpr Texts kAboveFFFF{" 超过 FFFF", " 超過 FFFF", " is above FFFF"};
inline constexpr Texts kAbove10FFFF{" 超过 10FFFF", " 超過 10FFFF", " is above 10FFFF"};
inline constexpr Texts kCodeGivenTwice{" 重复出现", " 重複出現", " is given twice"};
inline constexpr Texts kCannotBeRead{"：无法读取", "：無法讀取", ": cannot be read"};
inline constexpr Texts kMapError{"，", "，", ", "};

}  // namespace pelorin::cli::message
