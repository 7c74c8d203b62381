// CAssembly: the completion dialog's model. It completes a calculated pack
// into an offer item (connections, nozzle arrangement, options, prices,
// discounts, documentation) and writes its choices into the case's
// completion fields while the user works.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"
#include "datalib/geraetekennstring.h"
#include "datalib/inputhelper.h"
#include "druck/projektdaten.h"
#include "engine/anschluesse.h"
#include "engine/berechnungsfall.h"
#include "ports/form.h"
#include "projekt/angebotsblock.h"
#include "ui/main/addmedium_model.h"
#include "ui/spec/spec_model.h"

namespace kal {

// A caption as it reads: the '&' of an access key dropped ("&&" is one '&').
std::string ohneKuerzel(const std::string& text);

// The offer's project data as a page header takes them, and back.
Projektdaten projektdatenAus(const AngebotsBlock& a);
void projektdatenIn(AngebotsBlock& a, const Projektdaten& p);

class CAssembly : public HandlerDialogModel {
public:
    // The five priced items besides the device itself.
    enum Posten {
        PostenAnschlussWarm,
        PostenAnschlussKalt,
        PostenIsolierung,
        PostenSpritzschutz,
        PostenLackierung,
        kAnzahlPosten
    };
    struct Preisposten {
        double preis = 0.0;
        bool bekannt = true;
        int lieferzeit = 0;  // weeks
    };

    // `komplettierung` is the case's own part: the dialog writes nothing else.
    // `medien`: the user-defined media, for the specification (may be null).
    CAssembly(CBerechnungApp& app, const Berechnungsfall& fall, Komplettierung& komplettierung,
              const EigeneMedien* medien = nullptr);
    std::string dialogName() const override { return "CAssembly"; }

    // --- handlers
    void geklickt(int id) override;          // buttons, check boxes, radio buttons
    void auswahlGeaendert(int id) override;  // list selection
    void textGeaendert(int id) override;     // edit text typed
    void fokusVerloren(int id) override;     // edit left
    void befehl(int commandId) override;     // menu commands

    // Commit of the selections before a menu command: RAL number, drain
    // texts, arrangement, connection combination. false when refused.
    bool uebernehmen();

    // --- the offer kept with the project
    // The user's choices, in the order they are given back.
    std::vector<AngebotsEintrag> angebotsZustand() const;
    // Gives stored choices back through the dialog's own handlers and
    // commits them; returns the names of those that no longer apply.
    std::vector<std::string> angebotsZustandSetzen(const std::vector<AngebotsEintrag>& e);
    // How a message names a stored choice: its caption and the stored text.
    std::string eintragName(const AngebotsEintrag& e) const;
    // The offer this dialog works on, kept by its caller: the specification
    // opens on its entries and project data and leaves them there, the
    // printouts take and keep its project data. Null: a new project's
    // project data, nothing kept.
    void angebotBinden(AngebotsBlock* a) { angebot_ = a; }
    // The project data the printouts' header starts from.
    Projektdaten projektdaten() const;
    // Where the specification's printout takes the pack's performance
    // curves from (unset: it prints none).
    void kennlinienquelle(DialogSpec::Kennlinienquelle q) { kennlinien_ = std::move(q); }

    // --- state
    const std::vector<MenuPopup>& menu() const { return menu_; }
    bool preiseAufAnfrage() const { return preiseAufAnfrage_; }
    bool anschluesseGeprueft() const { return anschluesseGeprueft_; }
    // Whether the last commit succeeded (a refused RAL number leaves
    // anschluesseGeprueft as it was).
    bool letzteUebernahmeGelungen() const { return letzteUebernahme_; }
    bool eingabenUebernommen() const { return eingabenUebernommen_; }
    double geraetegrundpreis() const { return geraetegrundpreis_; }
    double einzelpreis() const { return einzelpreis_; }
    // Every chosen item has a known price.
    bool einzelpreisVollstaendig() const;
    const Preisposten& posten(int p) const { return posten_[static_cast<size_t>(p)]; }
    const CGeraeteKennstring& kennstring() const { return *kennstring_; }
    bool din() const { return din_; }
    // The pass picture shown (160 one pass, 161 even, 162 odd) and its file.
    std::string bildDatei(int bitmap) const;
    int bild() const { return bild_; }

    // net(P, D) = trunc(P - P D 0.01 + 0.5)
    static double nettopreis(double preis, double rabatt);
    // The most a typed price may be: the seven digits the price fields show.
    static constexpr double kPreisMax = 9999999.0;

private:
    const Data& data() const { return app_.getData(); }
    std::string text(const char* key) const;
    std::string ralStandard() const;
    void textsSetzen();
    void oeffnen();
    void artenSetzen();
    void optionsLieferzeiten();
    // update chain
    void aktualisieren();
    void grundpreisAnzeigen();
    void einzelpreisAnzeigen();
    void lieferzeitAnzeigen();
    void kennstringAnzeigen();
    void menuZustand();
    void drucken(int cmd);
    void spezifikation();
    bool preiseVollstaendigOderTrotzdem();
    // connections
    engine::anschluss::Seitenfilter filter(int seite) const;
    void listeFuellen(int seite);
    void normGewechselt();
    void auswahlVerarbeiten(int seite);
    void sonderanschluesseGeklickt();
    // arrangement
    void belegungSetzen(engine::anschluss::Eintritt eintritt);
    void belegungSonder();
    // The commit; `befehl`: a menu command's, which also insists on the RAL
    // number and says what is missing.
    bool uebernehmen(bool befehl);
    bool uebernehmenSchritte(bool befehl);
    // A free text field (special connection or arrangement) in use and empty; 0 none.
    int fehlenderSondertext() const;
    bool istSondertext(int id) const;
    // options and prices
    void optionGeklickt(int checkbox);
    void lackierungGeklickt();
    void preisfeldFreigeben(int feld);
    void preisfeldSperren(int feld);
    void preisAnzeigen(int feld, double preis);
    int postenVonFeld(int feld) const;
    void preisTextGeaendert(int feld);
    void preisVerlassen(int feld);
    void rabattVerlassen(int feld);
    void listenpreisVorschlag(int feld, double preis);

    CBerechnungApp& app_;
    Ports ports_;
    const Berechnungsfall& fall_;
    Komplettierung& k_;
    const EigeneMedien* medien_;
    DialogSpec::Kennlinienquelle kennlinien_;
    AngebotsBlock* angebot_ = nullptr;
    InputHelper eingabe_;
    std::vector<MenuPopup> menu_;
    std::unique_ptr<CGeraeteKennstring> kennstring_;
    bool werksmodus_ = false;
    bool preiseAufAnfrage_ = true;
    double preisPlattenpaket_ = 0.0, preisGestell_ = 0.0;
    double rabattPlattenpaket_ = 0.0, rabattGestell_ = 0.0;
    double geraetegrundpreis_ = 0.0, einzelpreis_ = 0.0;
    std::array<Preisposten, kAnzahlPosten> posten_{};
    int lieferzeitIsolierung_ = 0, lieferzeitSpritzschutz_ = 0, lieferzeitLackierung_ = 0;
    double listenpreisIsolierung_ = 0.0, listenpreisSpritzschutz_ = 0.0,
           listenpreisLackierung_ = 0.0;
    bool anschluesseGeprueft_ = false;
    bool letzteUebernahme_ = false;
    bool eingabenUebernommen_ = true;
    bool din_ = true;
    bool kombinationGemeldet_ = false;  // within one user action
    bool sondertextGeaendert_ = false;  // typed since the last commit
    bool dezimalKomma_ = false;         // the language writes numbers with a decimal comma
    int bild_ = 0;
};

}  // namespace kal
