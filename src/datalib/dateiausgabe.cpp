#include "datalib/dateiausgabe.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace kal {

bool dateiSicherSchreiben(const std::string& pfad, const std::string& inhalt, std::string* fehler) {
    namespace fs = std::filesystem;
    fs::path temp(pfad);
    temp += ".kalvoria-tmp";
    auto melde = [&](const std::string& grund) {
        if (fehler) *fehler = grund;
        std::error_code ec;
        fs::remove(temp, ec);
        return false;
    };
    std::FILE* f = std::fopen(temp.string().c_str(), "wb");
    if (!f) return melde(std::strerror(errno));
    // the reason of the first step that fails: a full disk shows at the
    // write, the flush or (with delayed allocation) only at the sync
    int fehlerNr = 0;
    if (std::fwrite(inhalt.data(), 1, inhalt.size(), f) != inhalt.size() || std::fflush(f) != 0 ||
        ::fsync(fileno(f)) != 0)
        fehlerNr = errno ? errno : EIO;
    if (std::fclose(f) != 0 && fehlerNr == 0) fehlerNr = errno ? errno : EIO;
    if (fehlerNr != 0) return melde(std::strerror(fehlerNr));
    std::error_code ec;
    fs::rename(temp, pfad, ec);
    if (ec) return melde(ec.message());
    return true;
}

}  // namespace kal
