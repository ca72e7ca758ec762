#include "pelorin/pfi/PfiMessages.h"

namespace pelorin::pfi_messages {

namespace {
constexpr std::string_view kLibraryPrefix = "后端补字字库：";
}

std::string CodeSpaceMismatch(std::string_view libraryPath) {
    std::string text(kLibraryPrefix);
    text += libraryPath;
    text += "与当前字库编码不同，有可能引起字符编码混乱。";
    return text;
}

std::string OldVersionLibrary(std::string_view libraryPath) {
    std::string text(kLibraryPrefix);
    text += libraryPath;
    text += "是较旧的版本，请确认编码的正确性。";
    return text;
}

std::string CannotOpenLibrary(std::string_view libraryPath) {
    std::string text = "无法打开后端补字库文件：";
    text += libraryPath;
    return text;
}

}  // namespace pelorin::pfi_messages
