// Runs kalvoria-cli (KAL_CLI) as a black box with a settings folder of its
// own, or any command line.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "verzeichnis.h"

namespace kaltest {

struct Lauf {
    int rc;
    std::string out;
};

// Exit code and standard output of a shell command line.
inline Lauf shellLauf(const std::string& cmd) {
    Lauf l{-1, ""};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return l;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) l.out.append(buf, n);
    const int st = pclose(p);
    l.rc = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return l;
}

#ifdef KAL_CLI
// Exit code and standard output; `args` go to the shell after the program's
// path (redirections allowed), `vorher` runs in the same shell first (limits,
// traps). The runs of one test program share a settings folder that starts
// empty, never the user's, and run outside Werksmodus; with `verzeichnis` in
// that working directory.
inline Lauf cliLauf(const std::string& args, const std::string& verzeichnis = {},
                    const std::string& vorher = {}) {
    static const TempDir einstellungen;
    std::filesystem::create_directories(einstellungen.pfad("config"));
    return shellLauf(vorher + "env -u KALVORIA_WERKSMODUS " +
                     (verzeichnis.empty() ? "" : "-C '" + verzeichnis + "' ") +
                     "XDG_CONFIG_HOME='" + einstellungen.pfad("config") + "' " + KAL_CLI + " " +
                     args);
}
#endif

}  // namespace kaltest
