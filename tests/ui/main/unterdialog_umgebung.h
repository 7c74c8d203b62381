// Shipped data and English texts for the sub-dialog view tests.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "data.h"
#include "ini.h"

namespace kaltest {

inline std::string distDir() {
    const char* d = std::getenv("KAL_DIST_DIR");
    return d && *d ? d : KAL_DIST_DEFAULT;
}

// Loaded once; the views never change the data.
inline const Data& ausgelieferteDaten() {
    static const Data d(distDir() + "/data");
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

// KAL_SCREENSHOT_DIR=/tmp/x keeps a grab of the view for a look at the layout.
inline void bildAblegen(QWidget& w, const char* name) {
    const char* dir = std::getenv("KAL_SCREENSHOT_DIR");
    if (dir && *dir) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

}  // namespace kaltest
