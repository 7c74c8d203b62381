// What every harness shares: a violated property aborts, so libFuzzer keeps
// the input that broke it (and the replay in the test suite fails).
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#define KAL_PRUEFE(bedingung)                                                          \
    do {                                                                               \
        if (!(bedingung)) {                                                            \
            std::fprintf(stderr, "%s:%d: property violated: %s\n", __FILE__, __LINE__, \
                         #bedingung);                                                  \
            std::abort();                                                              \
        }                                                                              \
    } while (0)

namespace kalfuzz {

inline std::string text(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace kalfuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
