// The quotation window without a screen: the fields of the quotation, its
// positions as the table shows them, the totals line and which buttons a
// user may press. It works on the main window's model for the project it
// adds, opens and takes back.
#pragma once

#include <string>
#include <vector>

#include "angebot/sammelangebot.h"
#include "ports/form.h"

namespace kal {

class CBerechnungDlg;

// One row of the positions table, as shown.
struct Angebotszeile {
    std::string pos, menge, beschreibung, kennung, einzelpreis, gesamt;
    std::string markierung;  // empty, or why the row's offer needs a look
};

class AngebotsfensterModel : public HandlerDialogModel {
public:
    enum Spalte {
        PosSpalte,
        MengeSpalte,
        BeschreibungSpalte,
        KennungSpalte,
        EinzelpreisSpalte,
        GesamtSpalte,
        MarkierungSpalte,
        kSpalten
    };

    explicit AngebotsfensterModel(CBerechnungDlg& haupt);
    std::string dialogName() const override { return "DialogAngebot"; }

    void geklickt(int id) override;
    void auswahlGeaendert(int id) override;
    void textGeaendert(int id) override;
    void fokusVerloren(int id) override;

    // --- what the view draws
    std::vector<std::string> spaltenKoepfe() const;
    const std::vector<Angebotszeile>& zeilen() const { return zeilen_; }
    int gewaehlt() const { return gewaehlt_; }
    void waehlen(int zeile);
    const std::string& pfad() const { return pfad_; }

    // --- the actions, also for scripts
    // The quotation file `pfad` instead of the one shown, without asking;
    // false after the message.
    bool laden(const std::string& pfad);
    bool drucken();  // asks first when a position has no complete offer
    // false: the user cancelled or the save failed; the window stays
    bool schliessenErlaubt();
    void schliessen();

    Sammelangebot& angebot() { return angebot_; }

private:
    void felderFuellen();
    void feldUebernehmen(int id);
    void aktualisieren();
    std::string summenText();
    std::string t(const char* key) const;
    std::string betrag(long long cent) const;
    void fehler(const char* key);
    bool speichern(bool unterNeuemNamen);
    bool alsRevision();
    void oeffnen();
    bool aenderungenSichern();
    void hinzufuegen();
    void imHauptfenster();
    void zuruecknehmen();
    std::string ordner() const;

    CBerechnungDlg& haupt_;
    Sammelangebot angebot_;
    std::string pfad_;
    int gewaehlt_ = -1;
    bool komma_ = false;
    std::string waehrung_;
    std::vector<Angebotszeile> zeilen_;
};

// Makes the main window's quotation command open the quotation window, on
// `startdatei` the first time when one is given. The program and the
// command line install it alike, so their windows cannot differ.
void angebotsfensterAnmelden(CBerechnungDlg& haupt, std::string startdatei);

}  // namespace kal
