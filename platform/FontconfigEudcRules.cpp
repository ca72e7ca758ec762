#include "platform/FontconfigEudcRules.h"

#include "platform/FileReplacement.h"
#include "platform/FontconfigFonts.h"

#include <algorithm>
#include <optional>
#include <set>
#include <sstream>

namespace platform {
namespace {

std::string xmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::vector<std::filesystem::path> distinctFiles(const std::vector<EudcFallback>& fallbacks) {
    std::vector<std::filesystem::path> files;
    for (const EudcFallback& fallback : fallbacks)
        if (std::find(files.begin(), files.end(), fallback.file) == files.end()) files.push_back(fallback.file);
    return files;
}

std::set<std::filesystem::path> foldersOutside(const std::vector<std::filesystem::path>& files,
                                               const std::filesystem::path& fontsFolder) {
    std::set<std::filesystem::path> folders;
    const auto fonts = fontsFolder.lexically_normal();
    for (const auto& file : files) {
        const auto folder = file.parent_path().lexically_normal();
        const auto relative = folder.lexically_relative(fonts);
        const bool inside = !relative.empty() && *relative.begin() != "..";
        if (!inside) folders.insert(folder);
    }
    return folders;
}

void writeCharset(std::ostream& out, const std::vector<CodePointRange>& ranges) {
    out << "      <charset>";
    for (const CodePointRange& range : ranges) {
        if (range.first == range.last)
            out << "<int>" << range.first << "</int>";
        else
            out << "<range><int>" << range.first << "</int><int>" << range.last << "</int></range>";
    }
    out << "</charset>\n";
}

void writeScanRule(std::ostream& out, const EudcFallback& fallback, const std::string& family) {
    out << "  <match target=\"scan\">\n"
        << "    <test name=\"file\"><string>" << xmlEscaped(fallback.file.string()) << "</string></test>\n"
        << "    <edit name=\"family\" mode=\"assign_replace\"><string>" << xmlEscaped(family) << "</string></edit>\n"
        << "    <edit name=\"charset\" mode=\"assign_replace\">\n";
    writeCharset(out, fallback.drawnCodes);
    out << "    </edit>\n  </match>\n";
}

// The face's EUDC family, then the system default's, right after the face.
void writeFaceRule(std::ostream& out, const std::string& face, const std::vector<std::string>& families) {
    out << "  <match target=\"pattern\">\n"
        << "    <test qual=\"any\" name=\"family\"><string>" << xmlEscaped(face) << "</string></test>\n"
        << "    <edit name=\"family\" mode=\"append\" binding=\"same\">";
    for (const std::string& family : families) out << "<string>" << xmlEscaped(family) << "</string>";
    out << "</edit>\n  </match>\n";
}

void writeSystemDefaultRule(std::ostream& out, const std::string& family) {
    out << "  <match target=\"pattern\">\n"
        << "    <edit name=\"family\" mode=\"append_last\" binding=\"weak\"><string>" << xmlEscaped(family)
        << "</string></edit>\n  </match>\n";
}

// The code's EUDC family first, strongly, when a pattern asks for the code
// (and, for a face's own EUDC file, names the face).
void writeContestedRule(std::ostream& out, std::uint32_t code, const std::string& face, const std::string& family) {
    out << "  <match target=\"pattern\">";
    if (!face.empty()) out << "<test qual=\"any\" name=\"family\"><string>" << xmlEscaped(face) << "</string></test>";
    out << "<test name=\"charset\" compare=\"contains\"><charset><int>" << code << "</int></charset></test>"
        << "<edit name=\"family\" mode=\"prepend_first\" binding=\"strong\"><string>" << xmlEscaped(family)
        << "</string></edit></match>\n";
}

bool draws(const EudcFallback& fallback, std::uint32_t code) {
    return std::any_of(fallback.drawnCodes.begin(), fallback.drawnCodes.end(),
                       [code](const CodePointRange& r) { return r.first <= code && code <= r.last; });
}

void writeContestedRules(std::ostream& out, const std::vector<EudcFallback>& fallbacks,
                         const std::vector<std::filesystem::path>& files, const std::set<std::uint32_t>& contested) {
    const EudcFallback* systemDefault = nullptr;
    for (const EudcFallback& fallback : fallbacks)
        if (fallback.face.empty()) systemDefault = &fallback;
    if (systemDefault)
        for (std::uint32_t code : contested)
            if (draws(*systemDefault, code))
                writeContestedRule(out, code, "", eudcFamilyName(systemDefault->file, files));
    // Faces with an EUDC file of their own come later, so that theirs goes before the default's.
    for (const EudcFallback& fallback : fallbacks) {
        if (fallback.face.empty() || (systemDefault && fallback.file == systemDefault->file)) continue;
        for (std::uint32_t code : contested)
            if (draws(fallback, code))
                writeContestedRule(out, code, fallback.face, eudcFamilyName(fallback.file, files));
    }
}

}  // namespace

std::set<std::uint32_t> codesOtherFontsDraw(const std::vector<EudcFallback>& fallbacks) {
    std::set<std::uint32_t> candidates;
    for (const EudcFallback& fallback : fallbacks)
        for (const CodePointRange& range : fallback.drawnCodes)
            for (std::uint32_t code = range.first; code <= range.last; ++code) candidates.insert(code);
    return codesDrawnByOtherFonts({candidates.begin(), candidates.end()}, distinctFiles(fallbacks));
}

std::string eudcFamilyName(const std::filesystem::path& file, const std::vector<std::filesystem::path>& files) {
    const std::string name = file.filename().string();
    int sameNameBefore = 0;
    for (const auto& other : files) {
        if (other == file) break;
        if (other.filename().string() == name) ++sameNameBefore;
    }
    std::string family = "EUDC " + name;
    if (sameNameBefore > 0) family += " " + std::to_string(sameNameBefore + 1);
    return family;
}

std::string eudcRulesXml(const std::vector<EudcFallback>& fallbacks, const std::filesystem::path& fontsFolder,
                         const std::set<std::uint32_t>& contested) {
    const std::vector<std::filesystem::path> files = distinctFiles(fallbacks);
    std::ostringstream out;
    out << "<?xml version=\"1.0\"?>\n"
        << "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        << "<!-- Written by Pelorin from the EUDC links; changes here are overwritten. -->\n"
        << "<fontconfig>\n";
    for (const auto& folder : foldersOutside(files, fontsFolder))
        out << "  <dir>" << xmlEscaped(folder.string()) << "</dir>\n";

    std::set<std::filesystem::path> scanned;
    for (const EudcFallback& fallback : fallbacks)
        if (scanned.insert(fallback.file).second) writeScanRule(out, fallback, eudcFamilyName(fallback.file, files));
    std::optional<std::string> systemDefault;
    for (const EudcFallback& fallback : fallbacks)
        if (fallback.face.empty()) systemDefault = eudcFamilyName(fallback.file, files);
    for (const EudcFallback& fallback : fallbacks) {
        if (fallback.face.empty()) continue;
        std::vector<std::string> families{eudcFamilyName(fallback.file, files)};
        if (systemDefault && *systemDefault != families.front()) families.push_back(*systemDefault);
        writeFaceRule(out, fallback.face, families);
    }
    for (const EudcFallback& fallback : fallbacks)
        if (fallback.face.empty()) writeSystemDefaultRule(out, eudcFamilyName(fallback.file, files));
    writeContestedRules(out, fallbacks, files, contested);
    out << "</fontconfig>\n";
    return out.str();
}

std::filesystem::path userFontconfigRulesFolder(const Environment& env) {
    return xdgConfigHome(env) / "fontconfig" / "conf.d";
}

std::filesystem::path eudcRulesFile(const Environment& env) {
    return userFontconfigRulesFolder(env) / "60-lumenar-eudc.conf";
}

lumenar::Status<FileError> publishEudcRules(const Environment& env, const std::vector<EudcFallback>& fallbacks,
                                            const std::filesystem::path& fontsFolder) {
    const std::filesystem::path rules = eudcRulesFile(env);
    if (auto folder = createFoldersFor(rules); !folder) return folder;
    if (auto written = replaceFile(rules, eudcRulesXml(fallbacks, fontsFolder, codesOtherFontsDraw(fallbacks)));
        !written)
        return written;

    std::set<std::filesystem::path> candidates{fontsFolder.lexically_normal()};
    for (const auto& file : distinctFiles(fallbacks)) candidates.insert(file.parent_path().lexically_normal());
    std::vector<std::filesystem::path> folders;
    std::error_code ignored;
    for (const auto& folder : candidates)
        if (std::filesystem::is_directory(folder, ignored)) folders.push_back(folder);
    if (!refreshFontCache(folders))
        return lumenar::Status<FileError>::failure({fontsFolder, "fontconfig could not rebuild its font cache"});
    return {};
}

}  // namespace platform
