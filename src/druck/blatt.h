// The page grid every sheet shares (frame, margins, fonts), the fitting of
// texts into their columns, and a document that continues on a new page
// below a fresh header when its content does not fit.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ports/ports.h"

namespace kal {

// The frame and body margins of a page, as fractions of its size.
struct Seitenraster {
    int breite = 0, hoehe = 0;
    int links = 0, rechts = 0, oben = 0, unten = 0;  // page frame
    int stift = 1;                                   // frame pen
    explicit Seitenraster(const PageDevice& dc);
};

// A font of `punkte` points on the device, normal or bold.
PageFont schrift(const PageDevice& dc, int punkte, bool fett = false);

// Draws the header of page `seite` of `seiten` and gives the first body
// line: the header printer of every sheet, called again on each
// continuation page. `seiten` is 0 while the pages are still counted.
using Kopfzeichner = std::function<int(PageDevice& dc, int seite, int seiten)>;

class Dokument {
public:
    Dokument(PageDevice& dc, Kopfzeichner kopf, int seiten = 0)
        : dc_(dc), kopf_(std::move(kopf)), seiten_(seiten) {}
    // Starts the document and the first page with its header; y is then
    // the first body line. false when the device refuses.
    bool anfangen();
    // Moves y down by `dy`; when a line of `hoehe` would then reach the
    // bottom margin, continues on a new page below its header.
    void vor(int dy, int hoehe);
    // Keeps a block of `hoehe` together: a new page when it does not fit.
    void platzFuer(int hoehe);
    // Ends the page; a failure aborts the job, else it is ended. false
    // when either fails.
    bool beenden();
    int seite() const { return seite_; }
    int unten() const;
    PageDevice& dc() { return dc_; }
    int y = 0;

private:
    void neueSeite();
    PageDevice& dc_;
    Kopfzeichner kopf_;
    int seiten_;
    int seite_ = 0;
    bool ok_ = true;
};

// Measures like the device it stands for and draws nothing; counts the
// pages started.
class Zaehlseite : public PageDevice {
public:
    explicit Zaehlseite(const PageDevice& echt) : echt_(echt) {}
    int pageWidth() const override { return echt_.pageWidth(); }
    int pageHeight() const override { return echt_.pageHeight(); }
    int lineHeight(int points) const override { return echt_.lineHeight(points); }
    int textWidth(const std::string& text, const PageFont& font) const override {
        return echt_.textWidth(text, font);
    }
    bool startDocument(const std::string&) override { return true; }
    bool startPage() override {
        ++seiten;
        return true;
    }
    bool endPage() override { return true; }
    bool endDocument() override { return true; }
    void abortDocument() override {}
    void drawText(int, int, const std::string&, const PageFont&, TextAlign) override {}
    void drawLine(int, int, int, int, int) override {}
    void drawRect(int, int, int, int, int) override {}
    bool drawPicture(int, int, int, int, const std::string&) override { return true; }
    int seiten = 0;

private:
    const PageDevice& echt_;
};

// The device several printouts draw on to become one document on `echt`:
// only the first start of a document reaches it, each part's end does not,
// and the pages are counted through. A failed page or an abort by a part
// spoils the whole document, which abschliessen() then aborts.
class Sammeldokument : public PageDevice {
public:
    explicit Sammeldokument(PageDevice& echt) : echt_(echt) {}
    int pageWidth() const override { return echt_.pageWidth(); }
    int pageHeight() const override { return echt_.pageHeight(); }
    int lineHeight(int points) const override { return echt_.lineHeight(points); }
    int textWidth(const std::string& text, const PageFont& font) const override {
        return echt_.textWidth(text, font);
    }
    bool startDocument(const std::string& name) override;
    bool startPage() override;
    bool endPage() override;
    bool endDocument() override { return ok_; }
    void abortDocument() override { ok_ = false; }
    void drawText(int x, int y, const std::string& text, const PageFont& font,
                  TextAlign align) override {
        echt_.drawText(x, y, text, font, align);
    }
    void drawLine(int x1, int y1, int x2, int y2, int pen) override {
        echt_.drawLine(x1, y1, x2, y2, pen);
    }
    void drawRect(int l, int t, int r, int b, int pen) override { echt_.drawRect(l, t, r, b, pen); }
    bool drawPicture(int l, int t, int r, int b, const std::string& pfad) override {
        return echt_.drawPicture(l, t, r, b, pfad);
    }
    void drawPolyline(const std::vector<PagePoint>& p, const PagePen& pen) override {
        echt_.drawPolyline(p, pen);
    }
    // Ends the one document on `echt`, or aborts it when anything failed;
    // false then, and when no part started it.
    bool abschliessen();
    bool ok() const { return ok_; }
    int seite() const { return seite_; }

private:
    PageDevice& echt_;
    bool begonnen_ = false, gestartet_ = false, ok_ = true;
    int seite_ = 0;
};

// Draws a document twice: on a device that draws nothing, to count its
// pages, then on `dc` knowing their number (for "page n of m").
bool mitSeitenzahl(PageDevice& dc, const std::function<bool(PageDevice&, int seiten)>& zeichnen);

// Several printouts as one document, one after the other on `dc` (a set
// of sheets printed or saved together); each keeps its own page count.
// false at the first that fails, which ends the document.
bool druckeHintereinander(PageDevice& dc,
                          const std::vector<std::function<bool(PageDevice&)>>& teile);

// A connection text of the form "kind, diameter, material, remark" on two
// lines: the first ends after the second comma and the blank after it; a
// text with fewer commas stays whole (second line empty).
std::pair<std::string, std::string> anschlussZeilen(const std::string& text);

// `text` broken into lines at blanks so that each fits `breite`; a word
// wider than that is broken between its characters.
std::vector<std::string> umbrechen(const PageDevice& dc, const std::string& text,
                                   const PageFont& font, int breite);

// `font`, made smaller when `text` is wider than `breite`, so that it fits.
PageFont passend(const PageDevice& dc, const std::string& text, PageFont font, int breite);

// A text within `breite` on at most `zeilen` lines: wrapped in `font`, set
// smaller (down to 60 % of its height) when that needs more lines; at the
// smallest size it takes the lines it needs.
struct Eingepasst {
    PageFont font;
    std::vector<std::string> zeilen;
};
Eingepasst einpassen(const PageDevice& dc, const std::string& text, const PageFont& font,
                     int breite, size_t zeilen);

// "%9.2f  %s" with the currency, or the currency alone for an unknown price.
std::string betragText(double preis, bool bekannt, const std::string& waehrung);

}  // namespace kal
