// The page interface on a QPainter: one implementation for the printer, the
// print preview and PDF files, needing QtGui only (the CLI has no Widgets).
#pragma once

#include <QPageLayout>
#include <QPainter>
#include <memory>
#include <string>

#include "ports/ports.h"

class QPagedPaintDevice;

namespace kal {

// The page every printout is laid out on, for the printer, the preview and
// PDF alike: A4 portrait with 10 mm margins, at 600 dots per inch.
constexpr int kDruckaufloesung = 600;
QPageLayout druckseite();

// Draws on a paged device (QPrinter, QPdfWriter) it does not own. Font
// heights and coordinates are device units; the line height of a size is
// its em (points at the device's resolution), the height fonts are set in.
class QtPageDevice : public PageDevice {
public:
    explicit QtPageDevice(QPagedPaintDevice& geraet);
    ~QtPageDevice() override;
    int pageWidth() const override;
    int pageHeight() const override;
    int lineHeight(int points) const override;
    int textWidth(const std::string& text, const PageFont& font) const override;
    bool startDocument(const std::string& name) override;
    bool startPage() override;
    bool endPage() override;
    bool endDocument() override;
    void abortDocument() override;
    void drawText(int x, int y, const std::string& text, const PageFont& font,
                  TextAlign align) override;
    void drawLine(int x1, int y1, int x2, int y2, int penWidth) override;
    void drawRect(int left, int top, int right, int bottom, int penWidth) override;
    bool drawPicture(int left, int top, int right, int bottom, const std::string& path) override;
    void drawPolyline(const std::vector<PagePoint>& points, const PagePen& pen) override;

private:
    QFont qtFont(const PageFont& font) const;
    QPagedPaintDevice& geraet_;
    QPainter painter_;
    int seiten_ = 0;
};

// Writes a printout as an A4 PDF file: drawn in memory, checked to be a
// complete document, then written through a temporary file. A failed
// drawing reports no file; a document that is incomplete or cannot be
// written names the file and the reason, and an old file stays as it was.
// Needs a QGuiApplication.
Druckausgang druckeAlsPdf(const std::string& datei, const std::string& titel,
                          const PrintPort::Zeichnung& zeichnen);

}  // namespace kal
