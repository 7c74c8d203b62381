#include "angebot/angebotsfenster.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "angebot/mappendruck.h"
#include "datalib/dialoghilfe.h"
#include "ids/dialog_ids.h"
#include "ui/main/berechnung_model.h"

namespace kal {

namespace {
using namespace ag;

constexpr const char* kAbschnitt = "angebotsfenster";

struct Knopftext {
    int id;
    const char* key;
};
constexpr Knopftext kBeschriftungen[] = {
    {LabelKunde, "kunde"},
    {LabelAdresse, "adresse"},
    {LabelKontakt, "kontakt"},
    {LabelUnsereReferenz, "unsereReferenz"},
    {LabelAnfrageReferenz, "anfrage"},
    {LabelGueltigkeit, "gueltigkeit"},
    {LabelRabatt, "rabatt"},
    {LabelMwst, "mwst"},
    {LabelZahlung, "zahlung"},
    {LabelLieferung, "lieferung"},
    {LabelVerpackung, "verpackung"},
    {LabelGewaehrleistung, "gewaehrleistung"},
    {LabelMenge, "menge"},
    {LabelPositionsText, "positionsText"},
    {Unterlagen, "unterlagen"},
    {Hinzufuegen, "hinzufuegen"},
    {Hoch, "hoch"},
    {Runter, "runter"},
    {Duplizieren, "duplizieren"},
    {Entfernen, "entfernen"},
    {ImHauptfenster, "imHauptfenster"},
    {Zuruecknehmen, "zuruecknehmen"},
    {Neu, "neu"},
    {Oeffnen, "oeffnen"},
    {Speichern, "speichern"},
    {SpeichernUnter, "speichernUnter"},
    {AlsRevision, "alsRevision"},
    {DruckenPdf, "druckenPdf"},
    {Schliessen, "schliessen"},
};

constexpr int kTextfelder[] = {
    Kunde,        Adresse1,    Adresse2, Adresse3,  Kontakt,    UnsereReferenz, AnfrageReferenz,
    AnfrageDatum, Gueltigkeit, Zahlung,  Lieferung, Verpackung, Gewaehrleistung};

// "19", "2,5", "7.75 %" in hundredths of a percent, 0 to 100 %; nullopt
// for anything else, so that a typo never becomes a discount.
std::optional<int> prozentLesen(std::string text) {
    std::erase_if(text, [](char c) { return c == ' ' || c == '%'; });
    std::replace(text.begin(), text.end(), ',', '.');
    if (text.empty()) return 0;
    int ganz = 0, bruch = 0, stellen = 0;
    bool punkt = false;
    for (char c : text) {
        if (c == '.' && !punkt) {
            punkt = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            if (!punkt) {
                if (ganz > 100) return std::nullopt;
                ganz = ganz * 10 + (c - '0');
            } else if (++stellen <= 2) {
                bruch = bruch * 10 + (c - '0');
            } else if (c != '0') {
                return std::nullopt;  // finer than the file keeps
            }
        } else {
            return std::nullopt;
        }
    }
    if (stellen == 1) bruch *= 10;
    const int wert = ganz * 100 + bruch;
    if (wert > 10000) return std::nullopt;
    return wert;
}

std::optional<int> mengeLesen(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int m = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
        m = m * 10 + (c - '0');
    }
    if (m < 1 || m > kMappeMaxMenge) return std::nullopt;
    return m;
}
}  // namespace

AngebotsfensterModel::AngebotsfensterModel(CBerechnungDlg& haupt)
    : haupt_(haupt), angebot_(haupt.app()) {
    const CIniEx& s = haupt_.app().getSprache();
    komma_ = dezimalKomma(s);
    Form& f = form();
    for (const Knopftext& b : kBeschriftungen) f.setText(b.id, t(b.key));
    f.setKind(ControlKind::Label,
              {LabelKunde, LabelAdresse, LabelKontakt, LabelUnsereReferenz, LabelAnfrageReferenz,
               LabelGueltigkeit, LabelRabatt, LabelMwst, LabelZahlung, LabelLieferung,
               LabelVerpackung, LabelGewaehrleistung, LabelMenge, LabelPositionsText, Summen});
    f.setKind(ControlKind::Edit, {Kunde, Adresse1, Adresse2, Adresse3, Kontakt, UnsereReferenz,
                                  AnfrageReferenz, AnfrageDatum, Gueltigkeit, Zahlung, Lieferung,
                                  Verpackung, Gewaehrleistung, Rabatt, Mwst, Menge, PositionsText});
    f.setKind(ControlKind::Button,
              {Hinzufuegen, Hoch, Runter, Duplizieren, Entfernen, ImHauptfenster, Zuruecknehmen,
               Neu, Oeffnen, Speichern, SpeichernUnter, AlsRevision, DruckenPdf, Schliessen});
    f.setKind(ControlKind::List, {Positionen});
    f.setKind(ControlKind::CheckBox, {Unterlagen});
    for (int id : kTextfelder) f.control(id).maxLength = static_cast<int>(kMappeMaxText);
    f.control(PositionsText).maxLength = static_cast<int>(kMappeMaxText);
    f.control(Menge).maxLength = 5;
    felderFuellen();
    aktualisieren();
}

std::string AngebotsfensterModel::t(const char* key) const {
    return haupt_.app().getSprache().GetValue(kAbschnitt, key, "");
}

std::vector<std::string> AngebotsfensterModel::spaltenKoepfe() const {
    const CIniEx& s = haupt_.app().getSprache();
    auto m = [&](const char* key) { return s.GetValue("angebotsmappe", key, ""); };
    return {m("pos"),         m("menge"), m("beschreibung"), m("kennung"), m("einzelpreis"),
            m("gesamtpreis"), ""};
}

std::string AngebotsfensterModel::betrag(long long cent) const {
    std::string s = centText(cent, komma_);
    if (!waehrung_.empty()) s += " " + waehrung_;
    return s;
}

void AngebotsfensterModel::fehler(const char* key) {
    MessagePort* port = haupt_.app().getPorts().messages;
    if (!port) return;
    const CIniEx& s = haupt_.app().getSprache();
    port->showMessage(Message{t(key), meldungsTitel(s, MessageIcon::Warning), kAbschnitt, key,
                              MessageIcon::Warning});
}

void AngebotsfensterModel::felderFuellen() {
    const Angebotsmappe& m = angebot_.mappe();
    Form& f = form();
    f.setText(Kunde, m.kunde.name);
    const int adressen[] = {Adresse1, Adresse2, Adresse3};
    for (size_t i = 0; i < 3; ++i)
        f.setText(adressen[i], i < m.kunde.adresse.size() ? m.kunde.adresse[i] : std::string());
    f.setText(Kontakt, m.kunde.kontakt);
    f.setText(UnsereReferenz, m.unsereReferenz);
    f.setText(AnfrageReferenz, m.anfrageReferenz);
    f.setText(AnfrageDatum, m.anfrageDatum);
    f.setText(Gueltigkeit, m.gueltigkeit);
    f.setText(Rabatt, prozentText(m.rabatt, komma_));
    f.setText(Mwst, prozentText(m.mwst, komma_));
    f.setText(Zahlung, m.bedingungen.zahlung);
    f.setText(Lieferung, m.bedingungen.lieferung);
    f.setText(Verpackung, m.bedingungen.verpackung);
    f.setText(Gewaehrleistung, m.bedingungen.gewaehrleistung);
}

void AngebotsfensterModel::feldUebernehmen(int id) {
    Angebotsmappe& m = angebot_.mappe();
    const std::string text = form().text(id);
    switch (id) {
        case Kunde:
            m.kunde.name = text;
            break;
        case Adresse1:
        case Adresse2:
        case Adresse3: {
            // the file keeps the lines given; blank ones at the end are none
            std::vector<std::string> zeilen = {form().text(Adresse1), form().text(Adresse2),
                                               form().text(Adresse3)};
            for (size_t i = 3; i < m.kunde.adresse.size(); ++i)
                zeilen.push_back(m.kunde.adresse[i]);
            while (!zeilen.empty() && zeilen.back().empty()) zeilen.pop_back();
            m.kunde.adresse = std::move(zeilen);
            break;
        }
        case Kontakt:
            m.kunde.kontakt = text;
            break;
        case UnsereReferenz:
            m.unsereReferenz = text;
            break;
        case AnfrageReferenz:
            m.anfrageReferenz = text;
            break;
        case AnfrageDatum:
            m.anfrageDatum = text;
            break;
        case Gueltigkeit:
            m.gueltigkeit = text;
            break;
        case Zahlung:
            m.bedingungen.zahlung = text;
            break;
        case Lieferung:
            m.bedingungen.lieferung = text;
            break;
        case Verpackung:
            m.bedingungen.verpackung = text;
            break;
        case Gewaehrleistung:
            m.bedingungen.gewaehrleistung = text;
            break;
        default:
            break;
    }
}

void AngebotsfensterModel::aktualisieren() {
    zeilen_.clear();
    waehrung_.clear();
    const size_t n = angebot_.anzahl();
    const Mappensummen s = angebot_.summen();
    for (size_t i = 0; i < n; ++i) {
        const Positionsauswertung& e = angebot_.auswertung(i);
        if (waehrung_.empty()) waehrung_ = e.waehrung;
    }
    Form& f = form();
    f.clearItems(Positionen);
    for (size_t i = 0; i < n; ++i) {
        const Positionsauswertung& e = angebot_.auswertung(i);
        const Mappenposition& p = angebot_.mappe().positionen[i];
        Angebotszeile z;
        z.pos = std::to_string(i + 1);
        z.menge = std::to_string(p.menge);
        z.beschreibung = e.beschreibung();
        z.kennung = e.kennung;
        const std::optional<long long> preis = e.berechnet ? e.einzelpreis : std::nullopt;
        z.einzelpreis = preis ? betrag(*preis) : t("keinPreis");
        z.gesamt =
            i < s.positionen.size() && s.positionen[i] ? betrag(*s.positionen[i]) : std::string();
        const CIniEx& sp = haupt_.app().getSprache();
        if (!e.berechnet)
            z.markierung = sp.GetValue("angebotsmappe", "nichtBerechnet", "");
        else if (!e.einzelpreis)
            z.markierung = sp.GetValue("angebotsmappe", "unvollstaendig", "");
        else if (e.paketGeaendert)
            z.markierung = sp.GetValue("angebotsmappe", "paketGeaendert", "");
        std::string zeile = z.pos + "\t" + z.menge + "\t" + z.beschreibung + "\t" + z.kennung +
                            "\t" + z.einzelpreis + "\t" + z.gesamt;
        if (!z.markierung.empty()) zeile += "\t" + t("markierung") + " " + z.markierung;
        f.addItem(Positionen, zeile, static_cast<int>(i));
        zeilen_.push_back(std::move(z));
    }
    if (gewaehlt_ >= static_cast<int>(n)) gewaehlt_ = static_cast<int>(n) - 1;
    f.select(Positionen, gewaehlt_);
    const bool auswahl = gewaehlt_ >= 0;
    f.setEnabled(Hoch, gewaehlt_ > 0);
    f.setEnabled(Runter, auswahl && gewaehlt_ + 1 < static_cast<int>(n));
    f.setEnabled(Duplizieren, auswahl && n < kMappeMaxPositionen);
    f.setEnabled(Hinzufuegen, n < kMappeMaxPositionen);
    for (int id : {Entfernen, ImHauptfenster, Zuruecknehmen, Menge, PositionsText, Unterlagen})
        f.setEnabled(id, auswahl);
    f.setChecked(Unterlagen,
                 auswahl && angebot_.mappe().positionen[static_cast<size_t>(gewaehlt_)].dokumente);
    f.setText(Menge, auswahl ? zeilen_[static_cast<size_t>(gewaehlt_)].menge : std::string());
    f.setText(PositionsText, auswahl
                                 ? angebot_.mappe().positionen[static_cast<size_t>(gewaehlt_)].text
                                 : std::string());
    f.setEnabled(DruckenPdf, n > 0);
    f.setText(Summen, summenText());
    std::string name =
        pfad_.empty() ? t("ohneName") : std::filesystem::path(pfad_).filename().string();
    setCaption(t("titel") + " - " + name + (angebot_.geaendert() ? " *" : ""));
}

std::string AngebotsfensterModel::summenText() {
    const Mappensummen s = angebot_.summen();
    const CIniEx& sp = haupt_.app().getSprache();
    auto m = [&](const char* key, const std::string& wert = {}) {
        return einsetzen(sp.GetValue("angebotsmappe", key, ""), std::vector<std::string>{wert});
    };
    const Angebotsmappe& a = angebot_.mappe();
    std::string text = m("zwischensumme") + ": " + betrag(s.zwischensumme);
    if (a.rabatt > 0)
        text += "   " + m("rabatt", prozentText(a.rabatt, komma_)) + ": -" + betrag(s.rabatt);
    text += "   " + m("mwst", prozentText(a.mwst, komma_)) + ": " + betrag(s.mwst);
    text += "   " + m("gesamt") + ": " + betrag(s.gesamt);
    std::string lieferzeit = s.aufAnfrage || s.lieferzeit <= 0
                                 ? m("aufAnfrage")
                                 : m("lieferzeitWochen", std::to_string(s.lieferzeit));
    text += "\n" + t("lieferzeitLaengste") + ": " + lieferzeit;
    if (!s.vollstaendig) text += "   " + t("markierung") + " " + m("unvollstaendig");
    return text;
}

void AngebotsfensterModel::waehlen(int zeile) {
    const int n = static_cast<int>(angebot_.anzahl());
    gewaehlt_ = zeile >= 0 && zeile < n ? zeile : -1;
    aktualisieren();
}

void AngebotsfensterModel::auswahlGeaendert(int id) {
    if (id == Positionen) waehlen(form().selectedValue(Positionen, -1));
}

void AngebotsfensterModel::textGeaendert(int id) {
    // taken when the field is left
    if (id == Rabatt || id == Mwst || id == Menge || id == PositionsText) return;
    feldUebernehmen(id);
    aktualisieren();
}

void AngebotsfensterModel::fokusVerloren(int id) {
    Form& f = form();
    Angebotsmappe& m = angebot_.mappe();
    if (id == Rabatt || id == Mwst) {
        int& wert = id == Rabatt ? m.rabatt : m.mwst;
        if (const std::optional<int> p = prozentLesen(f.text(id))) {
            wert = *p;
        } else {
            fehler("prozentFalsch");
            f.setFocus(id);
        }
        f.setText(id, prozentText(wert, komma_));
    } else if (id == Menge && gewaehlt_ >= 0) {
        if (const std::optional<int> q = mengeLesen(f.text(Menge)))
            angebot_.setzeMenge(static_cast<size_t>(gewaehlt_), *q);
        else
            fehler("mengeFalsch");
    } else if (id == PositionsText && gewaehlt_ >= 0) {
        angebot_.setzeText(static_cast<size_t>(gewaehlt_), f.text(PositionsText));
    } else {
        return;
    }
    aktualisieren();
}

std::string AngebotsfensterModel::ordner() const {
    return pfad_.empty() ? std::string() : std::filesystem::path(pfad_).parent_path().string();
}

bool AngebotsfensterModel::speichern(bool unterNeuemNamen) {
    std::string ziel = pfad_;
    if (unterNeuemNamen || ziel.empty()) {
        FileDialogPort* files = haupt_.app().getPorts().files;
        if (!files) return false;
        const std::string name =
            pfad_.empty() ? std::string() : std::filesystem::path(pfad_).filename().string();
        const std::optional<std::string> gewaehlt = files->chooseFileToSave("kalq", ordner(), name);
        if (!gewaehlt) return false;
        ziel = *gewaehlt;
    }
    if (!angebot_.speichern(ziel)) return false;
    pfad_ = ziel;
    return true;
}

bool AngebotsfensterModel::alsRevision() {
    FileDialogPort* files = haupt_.app().getPorts().files;
    if (!files) return false;
    const std::optional<std::string> ziel = files->chooseFileToSave(
        "kalq", ordner(),
        pfad_.empty() ? std::string() : std::filesystem::path(pfad_).filename().string());
    if (!ziel || !angebot_.alsRevisionSpeichern(*ziel)) return false;
    pfad_ = *ziel;
    return true;
}

bool AngebotsfensterModel::aenderungenSichern() {
    if (!angebot_.geaendert()) return true;
    return sichernOderVerwerfen(haupt_.app().getPorts().questions, haupt_.app().getSprache(),
                                t("frageSpeichern"), [this] { return speichern(false); });
}

void AngebotsfensterModel::oeffnen() {
    FileDialogPort* files = haupt_.app().getPorts().files;
    if (!files || !aenderungenSichern()) return;
    const std::optional<std::string> p = files->chooseFileToOpen(ordner(), "kalq");
    if (p) laden(*p);
}

bool AngebotsfensterModel::laden(const std::string& pfad) {
    if (!angebot_.oeffnen(pfad)) return false;
    pfad_ = pfad;
    gewaehlt_ = angebot_.anzahl() > 0 ? 0 : -1;
    felderFuellen();
    aktualisieren();
    return true;
}

void AngebotsfensterModel::hinzufuegen() {
    const std::string bytes = haupt_.projektBytes();
    if (!projektBytesGueltig(bytes)) {
        fehler("keinProjekt");
        return;
    }
    angebot_.hinzufuegen(bytes);
    gewaehlt_ = static_cast<int>(angebot_.anzahl()) - 1;
}

void AngebotsfensterModel::imHauptfenster() {
    if (gewaehlt_ < 0 || !haupt_.aenderungenSichern()) return;
    const size_t i = static_cast<size_t>(gewaehlt_);
    const std::string name =
        (pfad_.empty() ? t("ohneName") : std::filesystem::path(pfad_).filename().string()) + " #" +
        std::to_string(i + 1);
    // calculated at once: the window shows the pack the position was priced for
    if (haupt_.projektLaden(angebot_.mappe().positionen[i].projekt, name) == 0) haupt_.berechnen();
}

void AngebotsfensterModel::zuruecknehmen() {
    if (gewaehlt_ < 0) return;
    const std::string bytes = haupt_.projektBytes();
    if (!projektBytesGueltig(bytes)) {
        fehler("keinProjekt");
        return;
    }
    angebot_.ersetzen(static_cast<size_t>(gewaehlt_), bytes);
}

bool AngebotsfensterModel::drucken() {
    const Ports ports = haupt_.app().getPorts();
    if (!ports.printer || angebot_.anzahl() == 0) return false;
    const Mappensummen s = angebot_.summen();
    if (!s.vollstaendig) {
        if (!ports.questions) return false;
        const long fehlend =
            std::count(s.positionen.begin(), s.positionen.end(), std::optional<long long>{});
        const CIniEx& sp = haupt_.app().getSprache();
        const std::string frage = einsetzen(sp.GetValue("angebotsmappe", "trotzdemDrucken", ""),
                                            std::vector<std::string>{std::to_string(fehlend)});
        if (ports.questions->askYesNo(frage, meldungsTitel(sp, MessageIcon::Question),
                                      antwortTexte(sp)) != Answer::Yes)
            return false;
    }
    const Druckausgang a =
        ports.printer->drucken(Druckziel::Pdf, t("titel"), mappenZeichnung(angebot_, true));
    return a.gedruckt();
}

bool AngebotsfensterModel::schliessenErlaubt() { return aenderungenSichern(); }

void AngebotsfensterModel::schliessen() {
    if (schliessenErlaubt()) close(2);
}

void AngebotsfensterModel::geklickt(int id) {
    const size_t i = gewaehlt_ < 0 ? 0 : static_cast<size_t>(gewaehlt_);
    switch (id) {
        case Hinzufuegen:
            hinzufuegen();
            break;
        case Hoch:
            if (gewaehlt_ > 0) {
                angebot_.verschieben(i, i - 1);
                --gewaehlt_;
            }
            break;
        case Runter:
            if (gewaehlt_ >= 0 && i + 1 < angebot_.anzahl()) {
                angebot_.verschieben(i, i + 1);
                ++gewaehlt_;
            }
            break;
        case Duplizieren:
            if (gewaehlt_ >= 0 && angebot_.anzahl() < kMappeMaxPositionen) {
                angebot_.duplizieren(i);
                ++gewaehlt_;
            }
            break;
        case Entfernen:
            if (gewaehlt_ >= 0) angebot_.entfernen(i);
            break;
        case Unterlagen:
            if (gewaehlt_ >= 0) angebot_.setzeDokumente(i, form().checked(Unterlagen));
            break;
        case ImHauptfenster:
            imHauptfenster();
            break;
        case Zuruecknehmen:
            zuruecknehmen();
            break;
        case Neu:
            if (aenderungenSichern()) {
                angebot_.neu();
                pfad_.clear();
                gewaehlt_ = -1;
                felderFuellen();
            }
            break;
        case Oeffnen:
            oeffnen();
            break;
        case Speichern:
            speichern(false);
            break;
        case SpeichernUnter:
            speichern(true);
            break;
        case AlsRevision:
            alsRevision();
            break;
        case DruckenPdf:
            drucken();
            break;
        case Schliessen:
            schliessen();
            return;
        default:
            return;
    }
    aktualisieren();
}

void angebotsfensterAnmelden(CBerechnungDlg& haupt, std::string startdatei) {
    haupt.setAngebotsfenster([datei = std::move(startdatei)](CBerechnungDlg& h) mutable {
        AngebotsfensterModel fenster(h);
        if (!datei.empty()) fenster.laden(datei);
        datei.clear();
        if (SubDialogPort* dialoge = h.app().getPorts().dialogs) dialoge->runDialog(fenster);
    });
}

}  // namespace kal
