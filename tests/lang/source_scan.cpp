#include "source_scan.h"

#include <algorithm>

namespace kal::langtest {

std::vector<Literal> stringLiterals(const std::string& s) {
    std::vector<Literal> out;
    int line = 1;
    // What lies between the previous literal and the next one: 0 nothing
    // but blanks, 1 blanks and one comma, 2 anything else.
    int between = 2;
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const char c = s[i];
        if (c == '\n') {
            ++line;
            ++i;
            continue;
        }
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && s[i + 1] == '/') {
            while (i < n && s[i] != '\n') ++i;
            continue;
        }
        if (c == '/' && i + 1 < n && s[i + 1] == '*') {
            i += 2;
            while (i < n && !(s[i] == '*' && i + 1 < n && s[i + 1] == '/')) {
                if (s[i] == '\n') ++line;
                ++i;
            }
            i = std::min(n, i + 2);
            continue;
        }
        if (c == '\'') {
            ++i;
            while (i < n && s[i] != '\'' && s[i] != '\n') i += (s[i] == '\\') ? 2 : 1;
            ++i;
            between = 2;
            continue;
        }
        if (c == 'R' && i + 1 < n && s[i + 1] == '"') {
            // Raw string: R"delim( ... )delim"
            const size_t open = s.find('(', i + 2);
            if (open == std::string::npos) break;
            const std::string close = ")" + s.substr(i + 2, open - i - 2) + "\"";
            size_t end = s.find(close, open + 1);
            if (end == std::string::npos) end = n;
            line += static_cast<int>(std::count(s.begin() + static_cast<long>(i),
                                                s.begin() + static_cast<long>(end), '\n'));
            i = std::min(n, end + close.size());
            between = 2;
            continue;
        }
        if (c == '"') {
            Literal lit;
            lit.line = line;
            lit.commaAfterPrevious = (between == 1);
            ++i;
            while (i < n && s[i] != '"' && s[i] != '\n') {
                if (s[i] == '\\' && i + 1 < n) {
                    lit.text += s[i];
                    lit.text += s[i + 1];
                    i += 2;
                    continue;
                }
                lit.text += s[i++];
            }
            ++i;
            out.push_back(std::move(lit));
            between = 0;
            continue;
        }
        if (c == ',' && between == 0) {
            between = 1;
            ++i;
            continue;
        }
        between = 2;
        ++i;
    }
    return out;
}

std::vector<Lookup> languageLookups(const std::string& source,
                                    const std::vector<std::string>& sections) {
    auto isSection = [&](const std::string& t) {
        return std::find(sections.begin(), sections.end(), t) != sections.end();
    };
    const std::vector<Literal> lits = stringLiterals(source);
    std::vector<Lookup> out;
    for (size_t i = 1; i < lits.size(); ++i) {
        if (!lits[i].commaAfterPrevious) continue;
        if (!isSection(lits[i - 1].text)) continue;
        // Three or more section names in a row are a list of sections.
        const bool listBefore =
            i >= 2 && lits[i - 1].commaAfterPrevious && isSection(lits[i - 2].text);
        const bool listAfter = i + 1 < lits.size() && lits[i + 1].commaAfterPrevious &&
                               isSection(lits[i].text) && isSection(lits[i + 1].text);
        if ((listBefore && isSection(lits[i].text)) || listAfter) continue;
        out.push_back({lits[i - 1].text, lits[i].text, lits[i - 1].line});
        ++i;  // the key cannot start the next pair (GetValue("error", "ausschreibung", ""))
    }
    return out;
}

}  // namespace kal::langtest
