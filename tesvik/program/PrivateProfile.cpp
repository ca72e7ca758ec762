#include "tesvik/program/PrivateProfile.h"

#include "common/AsciiCase.h"

namespace tesvik::program {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// One line of the text, with where it lies.
struct Line {
    std::size_t begin = 0;  // first byte
    std::size_t end = 0;    // one past the last byte before the line end
    std::size_t next = 0;   // first byte of the next line
    std::string_view content;
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        const std::size_t next = newline == std::string_view::npos ? text.size() : newline + 1;
        std::size_t end = newline == std::string_view::npos ? text.size() : newline;
        if (newline != std::string_view::npos && end > pos && text[end - 1] == '\r') --end;
        lines.push_back({pos, end, next, text.substr(pos, end - pos)});
        pos = next;
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return trimBlanks(line.substr(0, line.find(']')));
}

struct KeyLine {
    std::string_view name;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    line = trimBlanks(line);
    if (line.empty() || line.front() == ';') return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return KeyLine{line, {}};
    return KeyLine{trimBlanks(line.substr(0, equals)), trimBlanks(line.substr(equals + 1))};
}

std::string_view withoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// Where a section lies in the split lines: its header and the lines up to the next header.
struct SectionSpan {
    std::size_t header = 0;
    std::size_t end = 0;  // index of the next header, or the line count
};

std::optional<SectionSpan> findSection(const std::vector<Line>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].content);
        if (!name || !lumenar::equalsIgnoringAsciiCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(lines[end].content)) ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<Line>& lines, SectionSpan span, std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        const auto k = keyLine(lines[i].content);
        if (k && lumenar::equalsIgnoringAsciiCase(k->name, key)) return i;
    }
    return std::nullopt;
}

bool storableOnOneLine(std::string_view s) { return s.find_first_of("\r\n") == std::string_view::npos; }

std::optional<std::string> checkAssignment(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view trimmedKey = trimBlanks(key);
    if (trimmedKey.empty() || trimmedKey != key || key.find('=') != std::string_view::npos || key.front() == '[' ||
        key.front() == ';' || !storableOnOneLine(key)) {
        return "key name cannot be stored: '" + std::string(key) + "'";
    }
    if (trimBlanks(section).empty() || section.find(']') != std::string_view::npos || !storableOnOneLine(section)) {
        return "section name cannot be stored: '" + std::string(section) + "'";
    }
    if (!storableOnOneLine(value)) return "value of '" + std::string(key) + "' spans lines";
    return std::nullopt;
}

// Sets one key in `text`, returning the new text.
std::string withProfileString(std::string text, std::string_view section, std::string_view key,
                              std::string_view value) {
    const std::vector<Line> lines = splitLines(text);
    const std::string newline = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    const std::string assignment = std::string(key) + '=' + std::string(value);
    const auto span = findSection(lines, section);
    if (!span) {
        const bool endsOpen = !text.empty() && text.back() != '\n';
        return text + (endsOpen ? newline : "") + '[' + std::string(section) + ']' + newline + assignment + newline;
    }
    if (const auto at = findKey(lines, *span, key)) {
        const Line& line = lines[*at];
        return text.replace(line.begin, line.end - line.begin, assignment);
    }
    // After the section's last non-blank line.
    std::size_t last = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (!trimBlanks(lines[i].content).empty()) last = i;
    }
    const Line& after = lines[last];
    const bool lineEnded = after.next > after.end;
    if (!lineEnded) return text + newline + assignment + newline;
    return text.insert(after.next, assignment + newline);
}

}  // namespace

std::optional<std::string> profileString(std::string_view text, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = splitLines(text);
    const auto span = findSection(lines, section);
    if (!span) return std::nullopt;
    const auto at = findKey(lines, *span, key);
    if (!at) return std::nullopt;
    return std::string(withoutQuotes(keyLine(lines[*at].content)->value));
}

std::uint32_t profileInt(std::string_view text, std::string_view section, std::string_view key,
                         std::uint32_t fallback) {
    const auto value = profileString(text, section, key);
    if (!value || value->empty()) return fallback;
    std::string_view digits = trimBlanks(*value);
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    std::uint32_t result = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') break;
        result = result * 10u + static_cast<std::uint32_t>(c - '0');
    }
    return negative ? 0u - result : result;
}

lumenar::Result<std::string, ProfileEditError> withProfileStrings(std::string_view text, std::string_view section,
                                                                  const ProfileAssignments& assignments) {
    using EditResult = lumenar::Result<std::string, ProfileEditError>;
    for (const auto& [key, value] : assignments) {
        if (auto problem = checkAssignment(section, key, value)) return EditResult::failure({std::move(*problem)});
    }
    std::string result(text);
    for (const auto& [key, value] : assignments) result = withProfileString(std::move(result), section, key, value);
    return result;
}

std::string truncateCharacters(std::string_view text, std::size_t maxCharacters) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && count++ == maxCharacters) return std::string(text.substr(0, i));
    }
    return std::string(text);
}

}  // namespace tesvik::program
