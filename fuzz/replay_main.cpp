// Runs a harness without libFuzzer on the files named and on every file of
// the folders named, each once, in name order. The test suite replays the
// committed corpora this way, so every build checks the harnesses' oracles.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pruefen.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> dateien;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& e : fs::directory_iterator(argv[i]))
                if (e.is_regular_file()) dateien.push_back(e.path());
        } else {
            dateien.emplace_back(argv[i]);
        }
    }
    std::sort(dateien.begin(), dateien.end());
    for (const fs::path& p : dateien) {
        std::ifstream in(p, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", p.c_str());
            return 1;
        }
        const std::string inhalt{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(inhalt.data()), inhalt.size());
    }
    std::printf("%zu inputs replayed\n", dateien.size());
    return dateien.empty() ? 1 : 0;
}
