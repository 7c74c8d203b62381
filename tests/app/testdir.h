// A throw-away application directory filled from tests/app/fixtures.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace kaltest {

class TempAppDir {
public:
    TempAppDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kal_app_" + std::to_string(rd()) + "_" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
        std::filesystem::copy(KAL_FIXTURES, path_, std::filesystem::copy_options::recursive);
    }
    ~TempAppDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string dir() const { return path_.string(); }
    std::string pfad(const std::string& rel) const { return (path_ / rel).string(); }
    void schreibe(const std::string& rel, const std::string& text) const {
        std::filesystem::create_directories((path_ / rel).parent_path());
        std::ofstream(path_ / rel, std::ios::binary) << text;
    }
    void entferne(const std::string& rel) const { std::filesystem::remove(path_ / rel); }

private:
    std::filesystem::path path_;
};

}  // namespace kaltest
