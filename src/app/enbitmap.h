// CEnBitmap: a picture file loaded as a QPixmap (BMP, PNG, ...).
#pragma once

#include <QPixmap>
#include <string>

class CEnBitmap {
public:
    // Non-zero when the picture was loaded; `flags` is kept for the callers.
    int LoadImage(const std::string& path, int flags = 0);
    bool isLoaded() const { return !pixmap_.isNull(); }
    const QPixmap& pixmap() const { return pixmap_; }

private:
    QPixmap pixmap_;
};
