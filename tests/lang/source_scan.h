// Finds language lookups in C++ source: adjacent string literals
// "section", "key" outside comments.
#pragma once

#include <string>
#include <vector>

namespace kal::langtest {

struct Lookup {
    std::string section;
    std::string key;
    int line = 0;
};

// String literal contents in order, with the line each starts on; a flag
// tells whether only blanks and one comma separate a literal from the
// one before it.
struct Literal {
    std::string text;
    int line = 0;
    bool commaAfterPrevious = false;
};

std::vector<Literal> stringLiterals(const std::string& source);

// Pairs whose first literal is one of `sections`; a run of three or more
// section names is a list of sections, not a lookup.
std::vector<Lookup> languageLookups(const std::string& source,
                                    const std::vector<std::string>& sections);

}  // namespace kal::langtest
