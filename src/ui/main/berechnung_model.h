// CBerechnungDlg: the main dialog's model, the program's main loop. It holds
// every control of the window by control id; the Qt view binds them.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/registry.h"
#include "datalib/inputhelper.h"
#include "engine/alternativen.h"
#include "engine/berechnungsfall.h"
#include "ids/dialog_ids.h"
#include "permissions/spalttypen_zulaessig.h"
#include "ports/form.h"
#include "projekt/angebotsblock.h"
#include "ui/main/auswahllisten.h"
#include "ui/main/colorctrl.h"
#include "ui/main/feldregeln.h"
#include "ui/main/projekt_formular.h"

namespace kal::engine {
struct Rechenkontext;
class Plattencaches;
struct Mehrpunktbericht;
struct Kennlinie;
}  // namespace kal::engine

namespace kal {

class CAssembly;

// The engine's view of the dialog's entries: a text written into a list
// selects the entry with exactly that text (none for an empty text), as
// the platform's drop-down lists do.
class HauptdialogFelder : public EntrySource {
public:
    explicit HauptdialogFelder(Form& f) : f_(f) {}
    std::string text(int id) const override { return f_.text(id); }
    int selection(int id) const override { return f_.selection(id); }
    int selectedValue(int id, int fallback) const override {
        return f_.selectedValue(id, fallback);
    }
    int itemCount(int id) const override { return f_.itemCount(id); }
    void setText(int id, const std::string& text) override;
    void setFocus(int id) override { f_.setFocus(id); }

private:
    Form& f_;
};

class CBerechnungDlg : public HandlerDialogModel {
public:
    // Unit lists in the order of the stored "unit" value (positions 12 and
    // 13 are the unit-system and millimetre flags).
    static const std::array<int, 15> kUnitListen;
    // Read-only fields the result display writes (besides the channel row).
    static const std::array<int, 38> kErgebnisFelder;

    explicit CBerechnungDlg(CBerechnungApp& app);
    std::string dialogName() const override { return "CBerechnungDlg"; }

    // --- handlers
    void befehl(int commandId) override;     // menu commands
    void geklickt(int id) override;          // buttons, radio buttons, check boxes
    void auswahlGeaendert(int id) override;  // list selection
    void textGeaendert(int id) override;     // edit text (typed)
    void fokusVerloren(int id) override;     // edit left
    // Close box: stores the units; false = the dialog stays open.
    bool schliessfeld();
    // Escape: closes without storing.
    void escape();

    // --- operations other parts use
    void textsRoutine();
    void modusWechseln(int modus);
    void ergebnisZuruecksetzen();
    void eingabenLeeren();
    void neuesProjekt();
    void spracheWechseln();
    void hilfe();
    void info();
    void mediumWarmGeaendert();
    void mediumKaltGeaendert();
    void spalttypenNeuFuellen();
    // "Berechnen": returns whether a result is stored and shown.
    bool berechnen();
    // The entries as "Berechnen" acquires them (what an earlier run filled
    // in computed again), without a run and leaving the window as it is;
    // false (after the message) at the first refused entry.
    bool eingabenErfassen(Falleingaben& e);
    // Several operating points: this window's entries the first, its
    // further points, then `weitere`; none when an entry was refused.
    std::optional<engine::Mehrpunktbericht> betriebspunkteBerechnen(
        const std::vector<Falleingaben>& weitere);
    // The performance curves of `paket` at this window's entries, its
    // further points and `weitere`; empty when an entry was refused.
    std::vector<engine::Kennlinie> kennlinien(const std::vector<Falleingaben>& weitere,
                                              const Berechnungsergebnis& paket);

    // --- operating points beyond this window's own entries (the first)
    // The entry controls a point has of its own, by PunktFeld, and the unit
    // list (or label) beside each.
    static const std::array<int, kPunktFelder> kPunktIds;
    static const std::array<int, kPunktFelder> kPunktEinheiten;
    const std::vector<Betriebspunkt>& weiterePunkte() const { return punkte_; }
    // The result was designed for the points before: it is reset.
    void setWeiterePunkte(std::vector<Betriebspunkt> punkte);
    // The first point's entries; with `ohneBerechnete` those the last run
    // filled in left empty (a copy must compute them for its own duty).
    Betriebspunkt ersterPunkt(bool ohneBerechnete) const;
    // A further point (`nummer` 2 the first of them) acquired as
    // "Berechnen" acquires this window's entries, with its device choices;
    // false after the message (naming the point), `feld` the control of
    // the refused entry.
    bool punktErfassen(const Betriebspunkt& p, int nummer, Falleingaben& e, int* feld = nullptr);
    // The last run over several points (null: none since the last reset).
    const engine::Mehrpunktbericht* mehrpunktbericht() const { return mehrpunkt_.get(); }
    // The further point whose entry the last "Berechnen" refused (1 the
    // first of them) and that entry's control; 0 none.
    std::pair<int, int> abgelehnterPunkt() const { return abgelehnt_; }
    // The performance curves of the shown pack at every point (empty
    // without a result).
    std::vector<engine::Kennlinie> kennlinien();
    // The operating points window.
    void betriebspunkteZeigen();
    bool dezimalKomma() const { return dezimalKomma_; }
    // The last run's result and next-best packs (`anzahl` in all), or why it
    // found none; empty when no run reached its search since the last reset.
    engine::Alternativenbericht alternativen(int anzahl);
    bool sucheGelaufen() const { return vorSuche_.has_value(); }
    // The alternatives window on the last run; "use this pack" continues
    // with the chosen pack in rating.
    void alternativenZeigen();
    static constexpr int kAnzahlAlternativen = 10;
    // Stores "unit"; false (after the message) when the key failed.
    bool einheitenSpeichern();
    void einheitenLesen();
    // Tooltips, emphasis and plate count for the entries and the result.
    void hinweiseSetzen();
    // Balance entries (control ids) the calculation filled in and the user
    // has not typed into since. "Berechnen" computes them again rather than
    // reading their rounded display values back as entries; a project store
    // keeps them with the entries.
    const std::set<int>& berechneteFelder() const { return berechnet_; }
    // Marks read back with a project: only balance entries that hold a value.
    void berechneteFelderSetzen(const std::set<int>& felder);
    // The marks as the offer block keeps them: control ids as decimal text.
    std::vector<std::string> berechneteFelderText() const;
    void berechneteFelderSetzen(const std::vector<std::string>& ids);
    // Unit labels of the result rows for the current unit system.
    void ergebnisEinheitenSetzen();
    // The result's unit labels, and the text one shows in unit system
    // `system` (1 US, else SI): a view keeps room for the wider of both.
    static std::vector<int> ergebnisEinheitLabels();
    std::string ergebnisEinheit(int id, int system) const;
    void warnungAktualisieren();
    void spalttypenBearbeiten();  // the permission grid
    // The completion dialog on the shown result; `vorher` runs on it before
    // it is shown (the program's --choices).
    void komplettieren(const std::function<void(CAssembly&)>& vorher = {});

    // --- project file
    void oeffnen();  // file dialog, then projektLesen
    // false: nothing written (cancelled or failed)
    bool speichern(bool unterNeuemNamen);
    // "Save as revision": the offer's next revision number and today's
    // date, then save as; false: nothing written.
    bool alsRevisionSpeichern();
    // The reader from the chosen path on. 0 read, 1 file unreadable,
    // 2 not a project file of this version (message shown either way).
    int projektLesen(const std::string& pfad);
    // The same from a project file's bytes (a quotation's position), named
    // `pfad` in the title and the messages; 2 when they are no project file.
    int projektLaden(const std::string& bytes, const std::string& pfad);
    // The project file's bytes as a save would write them now.
    std::string projektBytes() const;
    // Opens the quotation window; the front end that has one sets it (the
    // quotation sits above this model).
    void setAngebotsfenster(std::function<void(CBerechnungDlg&)> f) {
        angebotsfenster_ = std::move(f);
    }
    // What identifies the shown pack in the offer: plate type, passes,
    // channels and their types, the device choices.
    std::string paketKennung() const;
    // The writer to `pfad`; false (after the message) when it failed.
    bool projektSchreiben(const std::string& pfad);
    const std::string& getProjektPfad() const { return projektPfad_; }
    // The offer kept with the project (nullopt: none, the file is the bare
    // record). Changing it makes the project unsaved.
    const std::optional<AngebotsBlock>& angebot() const { return angebot_; }
    void setAngebot(std::optional<AngebotsBlock> a) { angebot_ = std::move(a); }
    // The entries or the offer differ from what the last new, open or save left.
    bool getGeaendert() const;
    // Before changed entries would be discarded: asks whether to save them.
    // false: cancelled, or the save did not happen; the entries stay.
    bool aenderungenSichern();

    // --- state
    const std::vector<MenuPopup>& menu() const { return menu_; }
    const std::string& getFenstertitel() const { return titel_; }
    const std::string& getLogoPfad() const { return logoPfad_; }
    int getModus() const { return modus_; }
    int getEinheitensystem() const { return einheitensystem_; }
    int getMillimeter() const { return millimeter_; }
    bool getErgebnisVorhanden() const { return ergebnisVorhanden_; }
    bool getSpaltenEditiert() const { return spaltenEditiert_; }
    bool getNurTitan(int seite) const { return nurTitan_[seite == 0 ? 0 : 1]; }
    const std::string& getWaehrung() const { return waehrung_; }
    const CColorCtrl& warnung() const { return warnung_; }
    InputHelper& eingabe() { return eingabe_; }
    CBerechnungApp& app() { return app_; }
    const Berechnungsfall& fall() const { return fall_; }
    Berechnungsfall& fall() { return fall_; }
    const EigeneMedien& eigeneMedien() const { return medien_; }
    EigeneMedien& eigeneMedien() { return medien_; }
    CSpalttypenZulaessig& zulaessig() { return *zulaessig_; }
    const listen::Zulassungen& zulassungen() const { return zulassungen_; }

private:
    const Data& data() const { return app_.hatData() ? app_.getData() : leer_; }
    regeln::Medienzustand zustand() const;
    void medienFlagsNeu(int seite);
    void stoffInfoSetzen(int seite);
    // false: the handler ran again from the first medium and the caller stops
    bool eigenesMediumPruefen(int seite);
    void mediumGeaendert(int seite);
    void kondensationsRegel();
    void titanRegel();
    void plattentypRegel();
    void spaltenJeSeite();
    void ergebnisNeuAnzeigen();
    void einheitensystemGeaendert();
    void millimeterGeaendert();
    void arbeitswerteLeeren();
    void artenSetzen();
    void zustandUebernehmen();
    bool rechnen();
    bool mehrpunktRechnen();
    // This window's entries and its further points, read as "Berechnen"
    // reads them; false after the message of the first refused entry.
    bool punkteErfassen(std::vector<Falleingaben>& punkte);
    void betriebspunkteKnopf();
    engine::Rechenkontext rechenkontext();
    // The stored choices into a newly opened completion; those made for
    // another pack are dropped and named.
    void angebotEinsetzen(CAssembly& dlg, AngebotsBlock& a);
    // An offer begun on this project: a new project's project data.
    AngebotsBlock neuesAngebot();
    // The folder of the project file last chosen, per user; empty: none yet.
    std::string letzterOrdner() const;
    void ordnerMerken(const std::string& datei);
    void standMerken() { gespeichert_ = projektBytes(); }

    CBerechnungApp& app_;
    Ports ports_;
    std::function<void(CBerechnungDlg&)> angebotsfenster_;
    Data leer_;
    InputHelper eingabe_;
    HauptdialogFelder felder_;
    std::vector<MenuPopup> menu_;
    CColorCtrl warnung_;
    std::string titel_;
    std::string logoPfad_;
    std::string waehrung_;
    std::string projektPfad_;
    std::string gespeichert_;  // project file bytes of the last new, open or save
    std::set<int> berechnet_;
    std::vector<Betriebspunkt> punkte_;
    std::shared_ptr<const engine::Mehrpunktbericht> mehrpunkt_;
    std::vector<Falleingaben> mehrpunktEingaben_;  // what that run read
    std::pair<int, int> abgelehnt_{0, 0};
    std::optional<AngebotsBlock> angebot_;
    // A later version's offer block, written back unchanged as long as no
    // offer of this version replaces it.
    std::string spaeteresAngebot_;
    Berechnungsfall fall_;
    std::optional<Berechnungsfall> vorSuche_;               // the last run's case before its search
    std::shared_ptr<engine::Plattencaches> plattencaches_;  // that run's, for its alternatives
    EigeneMedien medien_{};
    bool nurTitan_[2] = {false, false};
    listen::Zulassungen zulassungen_;
    std::unique_ptr<CSpalttypenZulaessig> zulaessig_;
    int modus_ = 0;
    int einheitensystem_ = 0;
    int millimeter_ = 1;
    bool ergebnisVorhanden_ = false;
    bool spaltenEditiert_ = false;
    bool dezimalKomma_ = false;  // the language writes numbers with a decimal comma
};

}  // namespace kal
