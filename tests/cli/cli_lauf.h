// Runs kalvoria-cli as a black box: exit code and standard output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace kaltest {

struct Lauf {
    int rc;
    std::string out;
};

// `args` goes to the shell after the program's path (redirections allowed).
inline Lauf cliLauf(const std::string& args) {
    std::string cmd = std::string(KAL_CLI) + " " + args;
    Lauf l{-1, ""};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return l;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) l.out.append(buf, n);
    int st = pclose(p);
    l.rc = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return l;
}

}  // namespace kaltest
