#include "angebot/mappenauswertung.h"

#include <charconv>

#include "angebot/mappensummen.h"
#include "druck/kennlinienblatt.h"
#include "druck/spezblatt.h"
#include "ids/dialog_ids.h"
#include "ui/completion/completion_model.h"
#include "ui/completion/druckauftrag.h"
#include "ui/main/berechnung_model.h"
#include "ui/spec/kennlinienangaben.h"
#include "ui/spec/spec_model.h"

namespace kal {

namespace {
// The user's settings as they are, never changed by an evaluation.
class NurLesen : public SettingsPort {
public:
    explicit NurLesen(SettingsPort* echt) : echt_(echt) {}
    bool openKey() override { return echt_ && echt_->openKey(); }
    std::optional<std::string> readValue(const std::string& name) override {
        return echt_ ? echt_->readValue(name) : std::nullopt;
    }
    bool writeValue(const std::string&, const std::string&) override { return true; }

private:
    SettingsPort* echt_;
};

std::optional<int> wochen(const std::string& text) {
    int w = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), w);
    if (ec != std::errc() || p != text.data() + text.size() || w < 0) return std::nullopt;
    return w;
}

std::string anzeige(const Form& f, int id) {
    const ControlState* c = f.find(id);
    return c && !c->items.empty() ? f.selectedText(id) : f.text(id);
}
}  // namespace

std::string Positionsauswertung::beschreibung() const {
    std::string b = plattentyp;
    for (const std::string* t : {&leistung, &medien})
        if (!t->empty()) b += (b.empty() ? "" : ", ") + *t;
    return b;
}

Mappenauswerter::Mappenauswerter(const std::string& appDir, SettingsPort* settings,
                                 const std::string& sprachcode, bool werksmodus) {
    einstellungen_ = std::make_unique<NurLesen>(settings);
    Ports p = scripted_.ports();
    p.messages = &meldungen_;
    p.settings = einstellungen_.get();
    app_ = std::make_unique<CBerechnungApp>(p, werksmodus);
    app_->erzeugeObjekte(appDir);
    std::string code = sprachcode.empty() ? app_->spracheLesen() : sprachcode;
    if (code.empty()) code = "uk";
    app_->setSprachcode(code);
    app_->spracheOeffnen(code);
}

Mappenauswerter::~Mappenauswerter() = default;

Positionsauswertung Mappenauswerter::auswerten(const std::string& projekt, const std::string& name,
                                               bool mitDokumenten) {
    Positionsauswertung e;
    const size_t vorher = meldungen_.shown.size();
    CBerechnungDlg hd(*app_);
    e.waehrung = hd.getWaehrung();
    if (hd.projektLaden(projekt, name) == 0) {
        e.geoeffnet = true;
        e.berechnet = hd.berechnen();
    }
    if (e.berechnet) {
        const Form& f = hd.form();
        e.plattentyp = hd.fall().ergebnis.plattentypName;
        e.leistung = f.text(hd::ErgLeistung);
        if (const std::string einheit = anzeige(f, hd::EinheitLeistung); !einheit.empty())
            e.leistung += " " + einheit;
        e.medien = anzeige(f, hd::MediumWarm) + " / " + anzeige(f, hd::MediumKalt);
        const std::optional<AngebotsBlock> gespeichert = hd.angebot();
        e.paketGeaendert =
            gespeichert && !gespeichert->paket.empty() && gespeichert->paket != hd.paketKennung();
        scripted_.dialogs.scripts["CAssembly"].push_back([&](DialogModel& m) {
            auto& dlg = dynamic_cast<CAssembly&>(m);
            const Form& k = dlg.form();
            e.kennung = hd.fall().komplettierung.geraetekennstring;
            if (dlg.anschluesseGeprueft() && dlg.eingabenUebernommen() && !dlg.preiseAufAnfrage() &&
                dlg.einzelpreisVollstaendig())
                e.einzelpreis = cent(dlg.einzelpreis());
            e.lieferzeitText = k.text(kp::Lieferzeit);
            if (k.visible(kp::EinheitLieferzeit)) {
                e.lieferzeit = wochen(e.lieferzeitText);
                e.lieferzeitText += " " + k.text(kp::EinheitLieferzeit);
            }
            if (!mitDokumenten) return 2;
            const CIniEx& s = app_->getSprache();
            e.kopf = std::make_shared<CDialogProjektDaten>(*app_, dlg.projektdaten());
            for (Ausdruck art :
                 {Ausdruck::Zubehoerliste, Ausdruck::Konstruktionsblatt, Ausdruck::Plattenlegeplan})
                e.dokumente.push_back({s.GetValue(abschnitt(art), "titel", ""),
                                       ausdruck(art, dlg, hd.fall(), *e.kopf)});
            DialogSpec spec(*app_, hd.fall(), &hd.eigeneMedien());
            spec.projektdatenSetzen(dlg.projektdaten());
            if (gespeichert && !e.paketGeaendert)
                spec.angebotsZustandSetzen(gespeichert->spezifikation);
            e.dokumente.push_back({s.GetValue("spezifikation", "titel", ""),
                                   [kopf = e.kopf, &s, felder = spec.form(),
                                    a = spec.blattangaben()](PageDevice& dc) {
                                       return druckeSpezifikationsblatt(dc, s, *kopf, felder, a);
                                   }});
            // its performance curves at every operating point, as the
            // specification's set prints them
            Kennlinienblattangaben kurven =
                kennlinienblattangaben(hd.kennlinien({}, hd.fall().ergebnis), hd.fall().ergebnis,
                                       hd.fall().eingaben.warm.kondensation, s,
                                       hd.fall().komplettierung.geraetekennstring);
            if (!kurven.kurven.empty())
                e.dokumente.push_back({s.GetValue(kurven.abschnitt, "titel", ""),
                                       [kopf = e.kopf, a = std::move(kurven)](PageDevice& dc) {
                                           return druckeKennlinienblatt(dc, *kopf, a);
                                       }});
            return 2;
        });
        hd.komplettieren();
        scripted_.dialogs.scripts["CAssembly"].clear();
    }
    e.meldungen.assign(meldungen_.shown.begin() + static_cast<long>(vorher),
                       meldungen_.shown.end());
    return e;
}

}  // namespace kal
