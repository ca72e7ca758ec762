#include "platform/RegistryFileFormat.h"

#include <charconv>
#include <optional>

namespace platform {

namespace {

constexpr std::string_view kHeader =
    "; Lumenar registry store. UTF-8; '%XX' escapes '%', control characters and '=' in names.\n";

bool needsEscape(unsigned char c, bool isName) { return c < 0x20 || c == 0x7F || c == '%' || (isName && c == '='); }

std::string escape(std::string_view text, bool isName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (needsEscape(c, isName)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::optional<std::uint32_t> parseDword(std::string_view text) {
    std::uint32_t value = 0;
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

struct LineParser {
    RegistryTree tree;
    std::optional<std::string> currentKey;

    // Returns the reason when the line is malformed.
    std::optional<std::string> parse(std::string_view line) {
        if (line.empty() || line.front() == ';' || line.front() == '#') return std::nullopt;
        if (line.front() == '[') return parseKey(line);
        return parseValue(line);
    }

    std::optional<std::string> parseKey(std::string_view line) {
        if (line.size() < 2 || line.back() != ']') return "key line without closing ']'";
        const auto path = unescape(line.substr(1, line.size() - 2));
        if (!path) return "bad %-escape in key";
        if (!normalizeRegistryKey(*path)) return "invalid key path";
        tree.createKey(*path);
        currentKey = *path;
        return std::nullopt;
    }

    std::optional<std::string> parseValue(std::string_view line) {
        const std::size_t space = line.find(' ');
        const std::size_t equals = line.find('=', space == std::string_view::npos ? 0 : space);
        if (space == std::string_view::npos || equals == std::string_view::npos) {
            return "expected '[key]' or '<type> <name>=<data>'";
        }
        if (!currentKey) return "value before any [key]";
        const std::string_view type = line.substr(0, space);
        const auto name = unescape(line.substr(space + 1, equals - space - 1));
        if (!name) return "bad %-escape in value name";
        const std::string_view data = line.substr(equals + 1);
        if (type == "sz") {
            auto text = unescape(data);
            if (!text) return "bad %-escape in text";
            tree.setValue(*currentKey, *name, std::move(*text));
        } else if (type == "dword") {
            const auto number = parseDword(data);
            if (!number) return "dword is not a decimal number from 0 to 4294967295";
            tree.setValue(*currentKey, *name, *number);
        } else {
            return "unknown value type '" + std::string(type) + "'";
        }
        return std::nullopt;
    }
};

}  // namespace

std::string formatRegistryFile(const RegistryTree& tree) {
    std::string out(kHeader);
    for (const RegistryTree::Key& key : tree.keys()) {
        out += '[' + escape(key.path, false) + "]\n";
        for (const RegistryTree::NamedValue& v : key.values) {
            if (const auto* text = std::get_if<std::string>(&v.value)) {
                out += "sz " + escape(v.name, true) + '=' + escape(*text, false) + '\n';
            } else {
                out += "dword " + escape(v.name, true) + '=' + std::to_string(std::get<std::uint32_t>(v.value)) + '\n';
            }
        }
    }
    return out;
}

lumenar::Result<RegistryTree, RegistryParseError> parseRegistryFile(std::string_view text) {
    LineParser parser;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (auto reason = parser.parse(line)) {
            return lumenar::Result<RegistryTree, RegistryParseError>::failure({lineNumber, std::move(*reason)});
        }
    }
    return std::move(parser.tree);
}

}  // namespace platform
