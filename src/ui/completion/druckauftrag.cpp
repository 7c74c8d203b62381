#include "ui/completion/druckauftrag.h"

#include "ids/dialog_ids.h"

namespace kal {

namespace {
Preisangabe angabe(const CAssembly::Preisposten& p) { return {p.preis, p.bekannt}; }

// The documentation boxes in the order the list prints them.
constexpr int kDokumente[] = {
    kp::DokuPlan,       kp::DokuZeugnisse,  kp::DokuStueckliste, kp::DokuAbnahmezeichnung,
    kp::DokuAblaufplan, kp::DokuFestigkeit, kp::DokuZertifikat,  kp::DokuQcPlan};
}  // namespace

Zubehoerangaben zubehoerangaben(const CAssembly& dlg, const Berechnungsfall& fall) {
    const Komplettierung& k = fall.komplettierung;
    const Form& f = dlg.form();
    Zubehoerangaben a;
    a.preisCode = fall.ergebnis.preisCode;
    a.geraetekennstring = k.geraetekennstring;
    a.geraetegrundpreis = dlg.geraetegrundpreis();
    a.einzelpreis = dlg.einzelpreis();
    a.einzelpreisVollstaendig = dlg.einzelpreisVollstaendig();
    a.anschlussWarm = angabe(dlg.posten(CAssembly::PostenAnschlussWarm));
    a.anschlussKalt = angabe(dlg.posten(CAssembly::PostenAnschlussKalt));
    a.lackierung = angabe(dlg.posten(CAssembly::PostenLackierung));
    a.isolierung = angabe(dlg.posten(CAssembly::PostenIsolierung));
    a.spritzschutz = angabe(dlg.posten(CAssembly::PostenSpritzschutz));
    a.anschlussTextWarm = k.anschlussTextWarm;
    a.anschlussTextKalt = k.anschlussTextKalt;
    a.entleerungVarianteWarm = k.entleerungVarianteWarm;
    a.entleerungVarianteKalt = k.entleerungVarianteKalt;
    a.entleerungTextWarm = k.entleerungTextWarm;
    a.entleerungTextKalt = k.entleerungTextKalt;
    a.nennweiteTextWarm = k.nennweiteTextWarm;
    a.nennweiteTextKalt = k.nennweiteTextKalt;
    a.sonderlackierung = k.sonderlackierung;
    a.waermeisolierung = k.waermeisolierung;
    a.spritzschutzGewaehlt = k.spritzschutz;
    a.ralNr = f.text(kp::RalNr);
    a.preiseAufAnfrage = dlg.preiseAufAnfrage();
    a.dokuAnzahl = f.text(kp::DokuAnzahl);
    a.dokuSprache = f.selectedText(kp::DokuSprache);
    for (size_t i = 0; i < a.dokumente.size(); ++i) a.dokumente[i] = f.checked(kDokumente[i]);
    return a;
}

Konstruktionsangaben konstruktionsangaben(const Data& data, const Berechnungsfall& fall) {
    const Berechnungsergebnis& r = fall.ergebnis;
    const Falleingaben& e = fall.eingaben;
    const Komplettierung& k = fall.komplettierung;
    Konstruktionsangaben a;
    a.data = &data;
    a.serien = r.serien;
    a.spaltenGesamt = r.spaltenGesamt;
    a.geraetekennstring = k.geraetekennstring;
    a.preisCode = r.preisCode;
    a.plattentyp = r.plattentyp;
    a.druckstufe = e.druckstufe;
    a.masseInMm = e.masseInMm ? 1 : 0;
    a.gestellVariante = e.gestellVariante;
    a.materialPlatte = e.materialPlatte;
    a.anschlussTextWarm = k.anschlussTextWarm;
    a.belegungMediumWarm = k.belegungMediumWarm;
    a.anschlussTextKalt = k.anschlussTextKalt;
    a.belegungMediumKalt = k.belegungMediumKalt;
    a.entleerungTextWarm = k.entleerungTextWarm;
    a.nennweiteTextWarm = k.nennweiteTextWarm;
    a.entleerungTextKalt = k.entleerungTextKalt;
    a.nennweiteTextKalt = k.nennweiteTextKalt;
    return a;
}

Plattenlegeangaben plattenlegeangaben(const Data& data, const Berechnungsfall& fall) {
    const Berechnungsergebnis& r = fall.ergebnis;
    Plattenlegeangaben a;
    a.serien = r.serien;
    a.spaltenGesamt = r.spaltenGesamt;
    for (size_t i = 0; i < 2; ++i) {
        a.anzahl[i] = r.spalttypenWarm[i].anzahl;
        a.spalttyp[i] = r.spalttypenWarm[i].spalttyp;
    }
    const PlattentypA* typ = data.getPlattentypAListe().internalGetForObjectId(r.plattentyp);
    a.endplatte = typ ? typ->getEndplatte() : 0;
    a.geraetekennstring = fall.komplettierung.geraetekennstring;
    a.preisCode = r.preisCode;
    const Komplettierung& k = fall.komplettierung;
    a.belegungMediumWarm = k.belegungMediumWarm;
    a.belegungMediumKalt = k.belegungMediumKalt;
    a.belegungEntleerungWarm = k.belegungEntleerungWarm;
    a.belegungEntleerungKalt = k.belegungEntleerungKalt;
    for (const Spalttyp& s : data.getSpalttypListe().alle()) a.spalttypNamen.push_back(s.getName());
    return a;
}

const char* abschnitt(Ausdruck art) {
    switch (art) {
        case Ausdruck::Zubehoerliste:
            return "zubehoerliste";
        case Ausdruck::Konstruktionsblatt:
            return "kondatenblatt";
        case Ausdruck::Plattenlegeplan:
            break;
    }
    return "plattenlegeplan";
}

PrintPort::Zeichnung ausdruck(Ausdruck art, const CAssembly& dlg, const Berechnungsfall& fall,
                              const CDialogProjektDaten& kopf) {
    const Data& data = kopf.app().getData();
    switch (art) {
        case Ausdruck::Zubehoerliste: {
            const CIniEx& sprache = kopf.app().getSprache();
            return [&kopf, &sprache, a = zubehoerangaben(dlg, fall)](PageDevice& dc) {
                return druckeZubehoerliste(dc, sprache, kopf, a);
            };
        }
        case Ausdruck::Konstruktionsblatt:
            return [&kopf, a = konstruktionsangaben(data, fall)](PageDevice& dc) {
                return druckeKonstruktionsdatenblatt(dc, kopf, a);
            };
        case Ausdruck::Plattenlegeplan:
            break;
    }
    return [&kopf, a = plattenlegeangaben(data, fall)](PageDevice& dc) {
        return druckePlattenlegeplan(dc, kopf, a);
    };
}

}  // namespace kal
