// The printouts of an offer as PDF files, without a screen: the same
// drawing as the dialog's menu, on A4 pages, and the folder they go to.
#include "cli/ausdrucke.h"

#include <QGuiApplication>
#include <filesystem>

#include "datalib/dateiausgabe.h"
#include "datalib/dialoghilfe.h"
#include "druck/kennlinienblatt.h"
#include "druck/qtseite.h"
#include "ui/completion/druckauftrag.h"
#include "ui/spec/kennlinienangaben.h"

namespace kal::cli {

namespace fs = std::filesystem;

namespace {
// Fonts need a GUI application; the offscreen platform needs no display.
void guiAnwendung() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kalvoria-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}
}  // namespace

Ausgabeordner::~Ausgabeordner() {
    std::error_code ec;
    if (angelegt_ && fs::is_empty(pfad_, ec)) fs::remove(pfad_, ec);
}

std::optional<std::string> Ausgabeordner::datei(const std::string& name, std::string& grund) {
    std::error_code ec;
    if (!fs::is_directory(pfad_, ec)) {
        angelegt_ = fs::create_directories(pfad_, ec) || angelegt_;
        if (ec) {
            grund = ec.message();
            return std::nullopt;
        }
    }
    return (fs::path(pfad_) / name).string();
}

bool Ausgabeordner::schreiben(const std::string& name, const std::string& inhalt,
                              MessagePort& meldungen, const CIniEx& sprache) {
    std::string grund;
    const auto ziel = datei(name, grund);
    if (ziel && dateiSicherSchreiben(*ziel, inhalt, &grund)) {
        dateien_.push_back(*ziel);
        return true;
    }
    schreibfehlerMelden(&meldungen, sprache, ziel ? *ziel : pfad_, grund);
    return false;
}

Druckausgang Ausgabeordner::pdfGeraet(const std::string& name, const std::string& titel,
                                      const PrintPort::Zeichnung& z) {
    Druckausgang aus;
    const auto ziel = datei(name, aus.grund);
    if (!ziel) {
        aus.status = Druckausgang::Status::Fehlgeschlagen;
        aus.datei = pfad_;
        return aus;
    }
    aus = pdfDatei(*ziel, titel, z);
    if (aus.gedruckt()) dateien_.push_back(*ziel);
    return aus;
}

Druckausgang pdfDatei(const std::string& datei, const std::string& titel,
                      const PrintPort::Zeichnung& z) {
    guiAnwendung();
    return druckeAlsPdf(datei, titel, z);
}

bool Ausgabeordner::pdf(const std::string& name, const std::string& titel,
                        const PrintPort::Zeichnung& z, MessagePort& meldungen,
                        const CIniEx& sprache) {
    const Druckausgang aus = pdfGeraet(name, titel, z);
    druckfehlerMelden(&meldungen, sprache, aus, "druckFehlgeschlagen");
    return aus.gedruckt();
}

bool ausdruckeSchreiben(Ausgabeordner& ordner, CBerechnungApp& app, const CAssembly& dlg,
                        const Berechnungsfall& fall, MessagePort& meldungen) {
    CDialogProjektDaten kopf(app, dlg.projektdaten());
    const CIniEx& sprache = app.getSprache();
    const std::pair<Ausdruck, const char*> dateien[] = {
        {Ausdruck::Zubehoerliste, "price-list.pdf"},
        {Ausdruck::Konstruktionsblatt, "data-sheet.pdf"},
        {Ausdruck::Plattenlegeplan, "plate-plan.pdf"},
    };
    // the list goes out as the window's "print anyway" would send it, with
    // the warning the window asks
    const auto fehlend = fehlendePreise(sprache, zubehoerangaben(dlg, fall));
    if (!fehlend.empty())
        meldungen.showMessage(Message{fehlendePreiseText(sprache, fehlend, false), "",
                                      "zubehoerliste", "preisefehlen", MessageIcon::Warning});
    bool ok = true;
    for (const auto& [art, name] : dateien)
        ok = ordner.pdf(name, sprache.GetValue(abschnitt(art), "titel", ""),
                        ausdruck(art, dlg, fall, kopf), meldungen, sprache) &&
             ok;
    return ok;
}

bool kennlinienSchreiben(Sitzung& s, const std::string& datei,
                         const std::vector<engine::Kennlinie>& kurven,
                         const Berechnungsergebnis& paket) {
    CBerechnungApp& app = *s.app;
    const CIniEx& sprache = app.getSprache();
    const CBerechnungDlg& d = *s.dlg;
    const CDialogProjektDaten kopf(
        app, d.angebot() ? projektdatenAus(*d.angebot()) : projektdatenVorgabe(app));
    Kennlinienblattangaben a =
        kennlinienblattangaben(kurven, paket, d.fall().eingaben.warm.kondensation, sprache,
                               d.fall().komplettierung.geraetekennstring);
    const Druckausgang aus =
        pdfDatei(datei, sprache.GetValue(a.abschnitt, "titel", ""),
                 [&](PageDevice& dc) { return druckeKennlinienblatt(dc, kopf, a); });
    druckfehlerMelden(&s.meldungen, sprache, aus, "druckFehlgeschlagen");
    return aus.gedruckt();
}

Json kennlinienJson(const std::vector<engine::Kennlinie>& kurven) {
    auto wert = [](const engine::Kennlinienpunkt& p) {
        Json j{{"share", p.anteil},          {"valid", p.gueltig},         {"duty", p.leistung},
               {"tOutWarm", p.austrittWarm}, {"tOutCold", p.austrittKalt}, {"dpWarm", p.dpWarm},
               {"dpCold", p.dpKalt}};
        if (!p.gueltig) j["reason"] = p.grund;
        return j;
    };
    Json liste = Json::array();
    for (const engine::Kennlinie& k : kurven) {
        Json werte = Json::array();
        for (const engine::Kennlinienpunkt& p : k.werte) werte.push_back(wert(p));
        liste.push_back(Json{{"point", k.punkt + 1},
                             {"units", Json{{"duty", k.einheiten.leistungName},
                                            {"temperature", k.einheiten.temperaturName},
                                            {"pressure", k.einheiten.druckName}}},
                             {"reserve", k.reserve},
                             {"dpWarmAllowed", k.dpWarmZul},
                             {"dpColdAllowed", k.dpKaltZul},
                             {"operatingPoint", wert(k.betriebspunkt)},
                             {"values", std::move(werte)}});
    }
    return liste;
}

}  // namespace kal::cli
