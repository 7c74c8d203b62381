#include "datalib/ini.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {
std::string trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}
}  // namespace

int CIniEx::Open(const std::string& path, int, int, int, int) {
    Clear();
    path_ = path;
    // A directory opens as a stream on some systems; it is no file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;
    std::ostringstream ss;
    ss << in.rdbuf();
    if (in.bad()) return 0;
    std::string text = ss.str();
    OpenFromText(text);
    path_ = path;
    return 1;
}

void CIniEx::Clear() {
    sections_.clear();
    sectionIndex_.clear();
    path_.clear();
}

void CIniEx::OpenFromText(const std::string& input) {
    sections_.clear();
    sectionIndex_.clear();
    std::string text = input;
    if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
        static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF)
        text.erase(0, 3);
    sections_.push_back({"", {}, {}});
    sectionIndex_.emplace("", 0);
    size_t current = 0;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t nl = text.find('\n', pos);
        std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        pos = (nl == std::string::npos) ? text.size() + 1 : nl + 1;
        std::string t = trim(line);
        if (t.empty() || t[0] == ';' || t[0] == '#') continue;
        if (t.front() == '[') {
            size_t close = t.find(']');
            if (close == std::string::npos) continue;  // malformed header: ignored
            std::string name = trim(t.substr(1, close - 1));
            auto [it, neu] = sectionIndex_.emplace(name, sections_.size());
            if (neu) sections_.push_back({name, {}, {}});
            current = it->second;
            continue;
        }
        size_t eq = t.find('=');
        if (eq == std::string::npos) continue;
        std::string key = trim(t.substr(0, eq));
        std::string value = trim(t.substr(eq + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        Section& sec = sections_[current];
        if (sec.index.emplace(key, sec.entries.size()).second) sec.entries.emplace_back(key, value);
    }
}

const CIniEx::Section* CIniEx::findSection(const std::string& name) const {
    auto it = sectionIndex_.find(name);
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::string CIniEx::GetValue(const std::string& section, const std::string& key,
                             const std::string& defaultValue) const {
    const Section* s = findSection(section);
    if (!s) return defaultValue;
    auto it = s->index.find(key);
    return it == s->index.end() ? defaultValue : s->entries[it->second].second;
}

std::string CIniEx::GetValue(const std::string& key) const {
    for (const auto& s : sections_)
        if (auto it = s.index.find(key); it != s.index.end()) return s.entries[it->second].second;
    return {};
}

void CIniEx::GetKeysInSection(const std::string& section, std::vector<std::string>& keys) const {
    keys.clear();
    const Section* s = findSection(section);
    if (!s) return;
    for (const auto& e : s->entries) keys.push_back(e.first);
}

std::vector<std::string> CIniEx::GetSections() const {
    std::vector<std::string> names;
    for (const auto& s : sections_)
        if (!s.name.empty() || !s.entries.empty()) names.push_back(s.name);
    return names;
}

bool CIniEx::HasSection(const std::string& section) const { return findSection(section); }
