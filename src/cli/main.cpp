// kalvoria-cli: the batch front end.
#include <cstdio>
#include <cstring>
#include <string>

namespace {
void hilfe() {
    std::puts(
        "usage: kalvoria-cli [--appdir DIR] COMMAND [ARGS]\n"
        "\n"
        "  --help       this text\n"
        "  --version    program version");
}
}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            hilfe();
            return 0;
        }
        if (a == "--version") {
            std::puts("kalvoria 3.26");
            return 0;
        }
    }
    hilfe();
    return 2;
}
