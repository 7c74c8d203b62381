#include "app/enbitmap.h"

int CEnBitmap::LoadImage(const std::string& path, int) {
    QPixmap p;
    if (!p.load(QString::fromStdString(path))) {
        pixmap_ = QPixmap();
        return 0;
    }
    pixmap_ = p;
    return 1;
}
