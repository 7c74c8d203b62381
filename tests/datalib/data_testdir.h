// Shared helpers: the shipped data directory and scratch copies of it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline std::string distDataDir() {
    const char* d = std::getenv("KAL_DIST_DIR");
    return std::string(d && *d ? d : KAL_DIST_DEFAULT) + "/data/";
}

// A fresh copy of the shipped data in a temporary directory.
inline std::filesystem::path kopieDaten(const std::string& name) {
    namespace fs = std::filesystem;
    fs::path ziel =
        fs::temp_directory_path() / ("kal_data_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(ziel);
    fs::create_directories(ziel);
    for (const auto& e : fs::directory_iterator(distDataDir()))
        if (e.path().extension() == ".json") fs::copy_file(e.path(), ziel / e.path().filename());
    return ziel;
}

inline std::string liesText(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void schreibText(const std::filesystem::path& p, const std::string& t) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << t;
}
