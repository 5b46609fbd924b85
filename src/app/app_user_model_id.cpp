#include "app/app_user_model_id.h"

#include <cstdint>

#include "app/option_parser.h"
#include "common/ascii.h"

namespace trm {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The root of an absolute path ("c:\", "\\server\share\") and where the rest
// begins; empty when the path is relative.
std::string rootOf(const std::string& path, size_t& rest) {
    if (path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':') {
        rest = 2;
        return std::string(1, path[0]) + ":\\";
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // A UNC root keeps its server and share: ".." never climbs above them.
        size_t end = 2;
        for (int part = 0; part < 2; ++part) {
            while (end < path.size() && !isSeparator(path[end])) ++end;
            if (part == 0 && end < path.size()) ++end;
        }
        rest = end;
        std::string root = "\\\\" + path.substr(2, end - 2) + "\\";
        for (char& c : root)
            if (c == '/') c = '\\';
        return root;
    }
    rest = 0;
    return std::string();
}

void hashBytes(uint64_t& hash, const std::string& text) {
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    // Each part ends in a NUL byte (its xor changes nothing), which no
    // argument holds: two lists of parts never hash alike by running into
    // each other.
    hash *= 1099511628211ull;
}

std::string canonicalOption(const std::string& option) {
    if (option.empty() || (option[0] != '-' && option[0] != '/')) return option;
    const std::string keyword = option.substr(1);
    if (keywordRow(keyword) == 0) return option;
    std::string folded = "-";
    for (const char c : keyword) folded += asciiLower(c);
    return folded;
}

}  // namespace

std::string canonicalFolder(const std::string& folder, const std::string& base) {
    std::string path = folder;
    // The long-path prefixes name the same folder.
    if (path.rfind("\\\\?\\UNC\\", 0) == 0)
        path = "\\\\" + path.substr(8);
    else if (path.rfind("\\\\?\\", 0) == 0)
        path = path.substr(4);

    size_t rest = 0;
    std::string root = rootOf(path, rest);
    if (root.empty()) {
        size_t baseRest = 0;
        const std::string baseRoot = rootOf(base, baseRest);
        if (baseRoot.empty()) return std::string();
        // "\Stuff" starts at the base's root, "Stuff" at the base itself.
        if (!path.empty() && isSeparator(path[0]))
            path = baseRoot + path;
        else
            path = base + "\\" + path;
        root = rootOf(path, rest);
    }

    std::vector<std::string> parts;
    for (size_t i = rest; i <= path.size();) {
        size_t end = i;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string part = path.substr(i, end - i);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = end + 1;
    }

    std::string canonical = root;
    for (size_t i = 0; i < parts.size(); ++i) canonical += (i ? "\\" : "") + parts[i];
    for (char& c : canonical) c = asciiLower(c);
    return canonical;
}

std::string appUserModelId(const std::string& folder, const std::vector<std::string>& options,
                           const std::string& base) {
    uint64_t hash = 14695981039346656037ull;
    hashBytes(hash, canonicalFolder(folder, base));
    for (const std::string& option : options) hashBytes(hash, canonicalOption(option));
    static const char digits[] = "0123456789abcdef";
    std::string id = "Trellimond.Folder.";
    for (int shift = 60; shift >= 0; shift -= 4) id += digits[(hash >> shift) & 0xF];
    return id;
}

bool mustSetAppUserModelId(bool titleIsId, const std::string& title, const std::string& id) {
    return !titleIsId || title != id;
}

}  // namespace trm
