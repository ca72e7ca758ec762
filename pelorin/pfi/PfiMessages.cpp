#include "pelorin/pfi/PfiMessages.h"

namespace pelorin::pfi_messages {

namespace {
constexpr Texts kLibraryPrefix{"后端补字字库：", "後端補字字庫：", "The supplementary library "};
constexpr Texts kDiffersFromFont{"与当前字库编码不同，有可能引起字符编码混乱。",
                                 "與目前字庫編碼不同，有可能引起字元編碼混亂。",
                                 " is encoded differently from the current font; characters may be mixed up."};
constexpr Texts kOlderVersion{"是较旧的版本，请确认编码的正确性。", "是較舊的版本，請確認編碼的正確性。",
                              " is an older version; please check that its codes are right."};
constexpr Texts kCannotOpen{"无法打开后端补字库文件：", "無法開啟後端補字庫檔案：",
                            "Cannot open the supplementary library file: "};
}  // namespace

std::string CodeSpaceMismatch(std::string_view libraryPath) {
    std::string text(std::string_view{kLibraryPrefix});
    text += libraryPath;
    text += std::string_view{kDiffersFromFont};
    return text;
}

std::string OldVersionLibrary(std::string_view libraryPath) {
    std::string text(std::string_view{kLibraryPrefix});
    text += libraryPath;
    text += std::string_view{kOlderVersion};
    return text;
}

std::string CannotOpenLibrary(std::string_view libraryPath) {
    std::string text(std::string_view{kCannotOpen});
    text += libraryPath;
    return text;
}

}  // namespace pelorin::pfi_messages
