// The shipped data and English texts, loaded once for a whole test program.
#pragma once

#include <string>

#include "datalib/data.h"
#include "datalib/ini.h"
#include "verzeichnis.h"

namespace kaltest {

// The tests never change them.
inline const Data& ausgelieferteDaten() {
    static const Data d(distDataDir());
    return d;
}

inline const CIniEx& englischeTexte() {
    static const CIniEx ini = [] {
        CIniEx i;
        i.Open(distDir() + "/language/kalvoria_uk.lng", 0, 0, 1, 0);
        return i;
    }();
    return ini;
}

}  // namespace kaltest
