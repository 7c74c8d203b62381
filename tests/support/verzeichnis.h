// Where the tests find the installation tree, and the throw-away folders
// they work in.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace kaltest {

// KAL_DIST_DIR when set, else the tree of this build.
inline std::string distDir() {
    const char* d = std::getenv("KAL_DIST_DIR");
    return d && *d ? d : KAL_DIST_DEFAULT;
}

inline std::string distDataDir() { return distDir() + "/data/"; }

inline std::string liesDatei(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A unique temporary folder, removed with its contents on destruction, so
// tests can run in parallel.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kal_" + std::to_string(rd()) + "_" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string dir() const { return path_.string(); }
    std::string pfad(const std::string& rel) const { return (path_ / rel).string(); }
    // Creates missing folders on the way; replaces an existing file.
    void schreibe(const std::string& rel, const std::string& text) const {
        std::filesystem::create_directories((path_ / rel).parent_path());
        std::ofstream(path_ / rel, std::ios::binary) << text;
    }
    void entferne(const std::string& rel) const { std::filesystem::remove(path_ / rel); }

private:
    std::filesystem::path path_;
};

enum class Vorlage {
    Ausgeliefert,      // data, language files, pictures and settings file of dist
    Testinstallation,  // tests/app/fixtures: short language files, a test title
};

// A throw-away application directory, so the installation tree stays untouched.
class AppDir : public TempDir {
public:
    explicit AppDir(Vorlage v = Vorlage::Ausgeliefert) {
        namespace fs = std::filesystem;
        const auto rekursiv = fs::copy_options::recursive;
        if (v == Vorlage::Testinstallation) {
            fs::copy(KAL_FIXTURES, dir(), rekursiv);
            return;
        }
        for (const char* teil : {"data", "language", "pic"})
            fs::copy(fs::path(distDir()) / teil, pfad(teil), rekursiv);
        fs::copy_file(fs::path(distDir()) / "kalvoria.ini", pfad("kalvoria.ini"));
    }
};

}  // namespace kaltest
