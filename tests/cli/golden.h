// The recorded golden cases (tests/cli/golden, KAL_GOLDEN): generated cases
// under "cases/", the shipped samples under "examples/".
#pragma once

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include "verzeichnis.h"

namespace kaltest {

// "cases/NAME" and "examples/NAME" for every recorded JSON, sorted.
inline std::vector<std::string> goldeneFaelle() {
    namespace fs = std::filesystem;
    std::vector<std::string> namen;
    for (const char* ordner : {"cases", "examples"})
        for (const auto& e : fs::directory_iterator(fs::path(KAL_GOLDEN) / ordner))
            if (e.path().extension() == ".json")
                namen.push_back(std::string(ordner) + "/" + e.path().stem().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// The project file of a golden case: a sample from the installation tree.
inline std::string goldeneKal(const std::string& fall) {
    return fall.rfind("examples/", 0) == 0
               ? distDir() + "/" + fall + ".kal"
               : (std::filesystem::path(KAL_GOLDEN) / (fall + ".kal")).string();
}

// A case's name as a test name.
inline std::string testname(std::string fall) {
    for (char& c : fall)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return fall;
}

}  // namespace kaltest
