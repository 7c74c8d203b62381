// The page grid every sheet shares (frame, margins, fonts) and a document
// that continues on a new page below a fresh header when its content does
// not fit.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ports.h"

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

// Draws the header of a page and gives the first body line: the header
// printer of every sheet, called again on each continuation page.
using Kopfzeichner = std::function<int(PageDevice& dc, int seite)>;

class Dokument {
public:
    Dokument(PageDevice& dc, Kopfzeichner kopf) : dc_(dc), kopf_(std::move(kopf)) {}
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
    int seite_ = 0;
    bool ok_ = true;
};

// A connection text of the form "kind, diameter, material, remark" on two
// lines: the first ends after the second comma and the blank after it; a
// text with fewer commas stays whole (second line empty).
std::pair<std::string, std::string> anschlussZeilen(const std::string& text);

// `text` broken into lines at blanks so that each fits `breite` (a single
// word wider than that stands alone on its line).
std::vector<std::string> umbrechen(const PageDevice& dc, const std::string& text,
                                   const PageFont& font, int breite);

// "%9.2f  %s" with the currency, or the currency alone for an unknown price.
std::string betragText(double preis, bool bekannt, const std::string& waehrung);

}  // namespace kal
