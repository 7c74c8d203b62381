// Grabs of views for a look at their layout.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <cstdlib>

namespace kaltest {

// KAL_SCREENSHOT_DIR=/tmp/x keeps a grab of the view as /tmp/x/NAME.png.
inline void bildAblegen(QWidget& w, const char* name) {
    const char* dir = std::getenv("KAL_SCREENSHOT_DIR");
    if (dir && *dir) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

}  // namespace kaltest
