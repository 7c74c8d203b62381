// CIniEx: INI reader of the settings and language files.
//
// Dialect: UTF-8, an optional BOM is skipped; LF or CRLF line ends; lines
// starting with ';' or '#' are comments; "[name]" opens a section (names
// and keys are case-sensitive, surrounding blanks trimmed); "key=value"
// splits at the first '='; blanks around key and value are trimmed; a
// value in double quotes keeps its inner text as is; a line without '='
// outside a comment is ignored; the first occurrence of a duplicate key
// wins; lines before the first section belong to the section "".
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CIniEx {
public:
    explicit CIniEx(int /*growSize*/ = 4) {}
    // Reads the file; returns non-zero on success. The four flags are those
    // of the callers (settings file 1,0,0,0; language file 0,0,1,0) and do
    // not change how the file is read.
    int Open(const std::string& path, int a = 0, int b = 0, int c = 0, int d = 0);
    // Parses text directly (tests, embedded defaults).
    void OpenFromText(const std::string& text);
    void Clear();

    std::string GetValue(const std::string& section, const std::string& key,
                         const std::string& defaultValue = std::string()) const;
    // Key-only lookup: the first section, in file order, holding `key`.
    std::string GetValue(const std::string& key) const;
    // Keys of a section in file order (empty keys included).
    void GetKeysInSection(const std::string& section, std::vector<std::string>& keys) const;
    std::vector<std::string> GetSections() const;
    bool HasSection(const std::string& section) const;
    const std::string& GetPath() const { return path_; }

private:
    // Entries in file order, and where each key stands among them, so that
    // reading and looking up stay linear in the size of the file.
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
        std::unordered_map<std::string, size_t> index;
    };
    const Section* findSection(const std::string& name) const;
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> sectionIndex_;
    std::string path_;
};
