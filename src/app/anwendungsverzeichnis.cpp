#include "anwendungsverzeichnis.h"

#include <filesystem>
#include <system_error>

// Set by the build from its installation folders.
#ifndef KAL_APPDIR_VON_BIN
#define KAL_APPDIR_VON_BIN "../share/kalvoria"
#endif

namespace kal {

namespace fs = std::filesystem;

namespace {
std::string ohneTrenner(fs::path p) {
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

fs::path absolut(const std::string& pfad, const std::string& basis) {
    fs::path p(pfad);
    return p.is_absolute() ? p : fs::path(basis) / p;
}
}  // namespace

bool istAnwendungsverzeichnis(const std::string& pfad) {
    std::error_code ec;
    const fs::path p(pfad);
    return fs::is_regular_file(p / "kalvoria.ini", ec) && fs::is_directory(p / "data", ec);
}

std::string anwendungsverzeichnis(const std::string& option, const std::string& programm,
                                  const std::string& arbeitsverzeichnis,
                                  const std::string& vonBin) {
    if (!option.empty()) return ohneTrenner(absolut(option, arbeitsverzeichnis));
    if (!programm.empty()) {
        const fs::path bin = absolut(programm, arbeitsverzeichnis).parent_path();
        for (const fs::path& p : {bin, bin / vonBin})
            if (istAnwendungsverzeichnis(p.string())) return ohneTrenner(p);
    }
    return ohneTrenner(arbeitsverzeichnis);
}

std::string laufendesProgramm(const char* argv0) {
    std::error_code ec;
    fs::path p = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !p.empty()) return p.string();
    const std::string a = argv0 ? argv0 : "";
    // a bare name was found on PATH: nothing to say where
    return a.find('/') == std::string::npos ? std::string() : a;
}

std::optional<std::string> anwendungsverzeichnisFestlegen(const std::string& option,
                                                          const char* argv0, std::string& fehler) {
    std::error_code ec;
    if (!option.empty()) {
        fs::current_path(option, ec);
        if (ec) {
            fehler = "cannot change to " + option + ": " + ec.message();
            return std::nullopt;
        }
    }
    // a working directory that is gone still lets an installed program start
    const std::string hier = fs::current_path(ec).string();
    // the option is the working directory now
    std::string dir = anwendungsverzeichnis(option.empty() ? "" : hier, laufendesProgramm(argv0),
                                            hier, KAL_APPDIR_VON_BIN);
    if (dir.empty()) {
        fehler = "no application directory: " + ec.message();
        return std::nullopt;
    }
    return dir;
}

}  // namespace kal
