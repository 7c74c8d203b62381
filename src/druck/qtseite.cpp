#include "druck/qtseite.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <algorithm>

#include "datalib/dateiausgabe.h"

namespace kal {

namespace {
QString q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

QPageLayout druckseite() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QtPageDevice::QtPageDevice(QPagedPaintDevice& geraet) : geraet_(geraet) {}

QtPageDevice::~QtPageDevice() {
    if (painter_.isActive()) painter_.end();
}

int QtPageDevice::pageWidth() const { return geraet_.width(); }
int QtPageDevice::pageHeight() const { return geraet_.height(); }

int QtPageDevice::lineHeight(int points) const {
    // as the printing library's font size: the em at the device's resolution,
    // the same on every device of the same resolution
    return std::max(1, qRound(points * geraet_.logicalDpiY() / 72.0));
}

QFont QtPageDevice::qtFont(const PageFont& font) const {
    QFont f(q(font.face));
    f.setPixelSize(font.height > 0 ? font.height : 1);
    f.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    return f;
}

int QtPageDevice::textWidth(const std::string& text, const PageFont& font) const {
    return QFontMetrics(qtFont(font), &geraet_).horizontalAdvance(q(text));
}

bool QtPageDevice::startDocument(const std::string&) {
    seiten_ = 0;
    return painter_.begin(&geraet_);
}

bool QtPageDevice::startPage() {
    // The first page comes with begin().
    if (seiten_++ > 0) return painter_.isActive() && geraet_.newPage();
    return painter_.isActive();
}

bool QtPageDevice::endPage() { return painter_.isActive(); }

bool QtPageDevice::endDocument() { return painter_.isActive() && painter_.end(); }

void QtPageDevice::abortDocument() {
    if (painter_.isActive()) painter_.end();
}

void QtPageDevice::drawText(int x, int y, const std::string& text, const PageFont& font,
                            TextAlign align) {
    if (!painter_.isActive()) return;
    const QFont f = qtFont(font);
    painter_.setFont(f);
    painter_.setPen(QPen(Qt::black));
    QFontMetrics fm(f, &geraet_);
    const QString t = q(text);
    const int breite = fm.horizontalAdvance(t);
    const int links = align == TextAlign::Right    ? x - breite
                      : align == TextAlign::Center ? x - breite / 2
                                                   : x;
    painter_.drawText(QPoint(links, y + fm.ascent()), t);  // y is the top of the line
}

void QtPageDevice::drawLine(int x1, int y1, int x2, int y2, int penWidth) {
    if (!painter_.isActive()) return;
    painter_.setPen(QPen(Qt::black, penWidth));
    painter_.drawLine(x1, y1, x2, y2);
}

void QtPageDevice::drawRect(int left, int top, int right, int bottom, int penWidth) {
    if (!painter_.isActive()) return;
    painter_.setPen(QPen(Qt::black, penWidth));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void QtPageDevice::drawPolyline(const std::vector<PagePoint>& points, const PagePen& pen) {
    if (!painter_.isActive() || points.size() < 2) return;
    static const Qt::PenStyle stil[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
    QPen p(QColor::fromRgb(pen.rgb), pen.width, stil[static_cast<size_t>(pen.style)], Qt::FlatCap,
           Qt::RoundJoin);
    painter_.setPen(p);
    painter_.setBrush(Qt::NoBrush);
    QPolygon linie;
    for (const PagePoint& q : points) linie << QPoint(q.x, q.y);
    painter_.drawPolyline(linie);
}

bool QtPageDevice::drawPicture(int left, int top, int right, int bottom, const std::string& path) {
    QImage bild(q(path));
    if (bild.isNull() || !painter_.isActive()) return false;
    const QSize passend = bild.size().scaled(right - left, bottom - top, Qt::KeepAspectRatio);
    painter_.drawImage(QRect(QPoint(left, top), passend), bild);
    return true;
}

Druckausgang druckeAlsPdf(const std::string& datei, const std::string& titel,
                          const PrintPort::Zeichnung& zeichnen) {
    Druckausgang aus;
    aus.status = Druckausgang::Status::Fehlgeschlagen;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(q(titel));
        pdf.setCreator(QStringLiteral("kalvoria"));
        pdf.setResolution(kDruckaufloesung);
        pdf.setPageLayout(druckseite());
        QtPageDevice seite(pdf);
        if (!zeichnen(seite)) return aus;
    }
    aus.datei = datei;
    // a document ends with its trailer; anything less is no PDF a reader opens
    const QByteArray& bytes = puffer.data();
    if (!bytes.startsWith("%PDF-") || !bytes.trimmed().endsWith("%%EOF")) {
        aus.grund = "incomplete PDF document";
        return aus;
    }
    if (!dateiSicherSchreiben(datei, bytes.toStdString(), &aus.grund)) return aus;
    aus.status = Druckausgang::Status::Gedruckt;
    return aus;
}

}  // namespace kal
