// Writing a whole file: it is there complete or not at all, an old one
// stays as it was, and a failure says why.
#include "datalib/dateiausgabe.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "verzeichnis.h"

namespace fs = std::filesystem;

namespace {

// The file size limit stands in for a full disk: a write beyond it fails
// with EFBIG instead of raising SIGXFSZ.
struct VolleFestplatte {
    rlimit vorher{};
    explicit VolleFestplatte(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &vorher);
        rlimit eng = vorher;
        eng.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &eng);
    }
    ~VolleFestplatte() { setrlimit(RLIMIT_FSIZE, &vorher); }
};

}  // namespace

TEST(Dateiausgabe, FullDiskKeepsTheOldFileAndSaysWhy) {
    kaltest::TempDir d;
    const std::string f = d.pfad("tender.txt");
    ASSERT_TRUE(kal::dateiSicherSchreiben(f, "old content"));
    std::string fehler;
    {
        VolleFestplatte voll(64);
        EXPECT_FALSE(kal::dateiSicherSchreiben(f, std::string(4096, 'x'), &fehler));
    }
    EXPECT_EQ(fehler, "File too large");
    EXPECT_EQ(kaltest::liesDatei(f), "old content");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.dir()), {}), 1) << "no temporary file left";
}

TEST(Dateiausgabe, TargetsThatCannotBeWritten) {
    kaltest::TempDir d;
    fs::create_directories(d.pfad("spec-sheet.txt"));
    std::string fehler;
    EXPECT_FALSE(kal::dateiSicherSchreiben(d.pfad("spec-sheet.txt"), "x", &fehler));
    EXPECT_EQ(fehler, "Is a directory");
    EXPECT_TRUE(fs::is_directory(d.pfad("spec-sheet.txt")));
    EXPECT_FALSE(kal::dateiSicherSchreiben(d.pfad("missing/tender.txt"), "x", &fehler));
    EXPECT_EQ(fehler, "No such file or directory");
    EXPECT_EQ(std::distance(fs::directory_iterator(d.dir()), {}), 1);
}
