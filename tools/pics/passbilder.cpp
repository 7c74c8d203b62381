// Draws the three pass pictures of the completion dialog into dist/pic:
// serien_1.bmp (one pass), serien_gerade.bmp (even pass counts, drawn with
// two passes) and serien_ungerade.bmp (odd counts from three, drawn with
// three). A side view of the pack between the frame plate (nozzles F) and
// the pressure plate (nozzles P); the warm medium (red) enters at F1 at the
// top, the cold medium (blue) runs the same route the other way round.
//
// usage: kal-passbilder OUTPUT_DIR
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr int kBreite = 260, kHoehe = 124;
constexpr int kOben = 28, kUnten = 96;  // port rows
constexpr int kGestellX = 34, kDruckX = 220;
const QColor kStahl(70, 95, 140), kPlatte(170, 185, 205), kWarm(200, 40, 30), kKalt(30, 90, 200),
    kText(40, 40, 40);

void pfeil(QPainter& p, QPointF von, QPointF nach, const QColor& farbe) {
    QLineF l(von, nach);
    QLineF spitze = l;
    spitze.setLength(7);
    QPointF ende = nach;
    QLineF a = QLineF(ende, spitze.p1()).unitVector();
    a.setLength(7);
    QLineF b = a;
    a.setAngle(a.angle() + 25);
    b.setAngle(b.angle() - 25);
    QPolygonF kopf;
    kopf << ende << a.p2() << b.p2();
    p.setBrush(farbe);
    p.setPen(Qt::NoPen);
    p.drawPolygon(kopf);
}

// The route through `serien` pass groups, offset by dx inside each group
// and by dy on the port rows, so the two media do not overlap.
std::vector<QPointF> weg(int serien, double dx, double dy) {
    const double breite = (kDruckX - kGestellX - 12) / static_cast<double>(serien);
    std::vector<QPointF> w;
    const double oben = kOben + dy, unten = kUnten + dy;
    w.emplace_back(kGestellX - 22, oben);
    for (int g = 0; g < serien; ++g) {
        double x = kGestellX + 6 + breite * g + breite / 2 + dx;
        bool runter = g % 2 == 0;
        w.emplace_back(x, runter ? oben : unten);
        w.emplace_back(x, runter ? unten : oben);
    }
    const double yEnde = w.back().y();
    if (serien == 1)
        w.emplace_back(kGestellX - 22, yEnde);
    else
        w.emplace_back(kDruckX + 22, yEnde);
    return w;
}

void zeichneWeg(QPainter& p, std::vector<QPointF> w, const QColor& farbe, bool rueckwaerts) {
    if (rueckwaerts) std::reverse(w.begin(), w.end());
    QPainterPath pfad(w.front());
    for (size_t i = 1; i < w.size(); ++i) pfad.lineTo(w[i]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(pfad);
    // arrow heads halfway along every vertical leg and at both ends
    for (size_t i = 1; i < w.size(); ++i) {
        QPointF mitte = (w[i - 1] + w[i]) / 2;
        QPointF richtung = w[i] - w[i - 1];
        if (i == 1 || i + 1 == w.size() || richtung.x() == 0.0) {
            QPointF d = richtung / std::hypot(richtung.x(), richtung.y());
            pfeil(p, mitte - d * 4, mitte + d * 4, farbe);
        }
    }
}

// A nozzle name above (warm) or below (cold) its line.
void beschrifte(QPainter& p, QPointF bei, const char* text, bool links, bool darueber) {
    p.setPen(kText);
    double y = darueber ? bei.y() - 14 : bei.y() + 2;
    QRectF r = links ? QRectF(bei.x() - 26, y, 24, 12) : QRectF(bei.x() + 2, y, 24, 12);
    p.drawText(r, (links ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
}

QImage bild(int serien, const char* warmAus, const char* kaltEin) {
    QImage img(kBreite, kHoehe, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(10);
    p.setFont(f);
    // plates, frame plate and pressure plate
    p.setPen(QPen(kPlatte, 1));
    for (int x = kGestellX + 4; x < kDruckX - 2; x += 4) p.drawLine(x, 14, x, 110);
    const double breite = (kDruckX - kGestellX - 12) / static_cast<double>(serien);
    p.setPen(QPen(kStahl, 2, Qt::DashLine));
    for (int g = 1; g < serien; ++g) {
        double x = kGestellX + 6 + breite * g;
        p.drawLine(QPointF(x, 12), QPointF(x, 112));
    }
    p.fillRect(kGestellX - 8, 8, 8, 108, kStahl);
    p.fillRect(kDruckX, 8, 8, 108, kStahl);
    constexpr double dWarm = -5, dKalt = 5;
    zeichneWeg(p, weg(serien, dWarm, dWarm), kWarm, false);
    zeichneWeg(p, weg(serien, dKalt, dKalt), kKalt, true);
    beschrifte(p, {kGestellX - 22.0, kOben + dWarm}, "F1", false, true);
    beschrifte(p, {kGestellX - 22.0, kOben + dKalt}, "F2", false, false);
    const double xEnde = serien == 1 ? kGestellX - 22.0 : kDruckX + 22.0;
    const double y = serien % 2 == 0 ? kOben : kUnten;
    beschrifte(p, {xEnde, y + dWarm}, warmAus, serien != 1, true);
    beschrifte(p, {xEnde, y + dKalt}, kaltEin, serien != 1, false);
    return img;
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kal-passbilder OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = bild(1, "F4", "F3").save(dir + "/serien_1.bmp", "BMP") &&
              bild(2, "P1", "P2").save(dir + "/serien_gerade.bmp", "BMP") &&
              bild(3, "P4", "P3").save(dir + "/serien_ungerade.bmp", "BMP");
    return ok ? 0 : 1;
}
