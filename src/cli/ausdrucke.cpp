// The printouts of an offer as PDF files, without a screen: the same
// drawing as the dialog's menu, on A4 pages.
#include "cli/ausdrucke.h"

#include <QGuiApplication>
#include <cstdio>
#include <filesystem>

#include "druck/qtseite.h"
#include "ui/completion/druckauftrag.h"

namespace kal::cli {

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

bool alsPdf(const std::string& pfad, const std::string& titel, const PrintPort::Zeichnung& z) {
    guiAnwendung();
    return druckeAlsPdf(pfad, titel, z);
}

int ausdruckeSchreiben(const std::string& verzeichnis, CBerechnungApp& app, const CAssembly& dlg,
                       const Berechnungsfall& fall) {
    std::error_code ec;
    std::filesystem::create_directories(verzeichnis, ec);
    CDialogProjektDaten kopf(app);
    const std::pair<Ausdruck, const char*> dateien[] = {
        {Ausdruck::Zubehoerliste, "price-list.pdf"},
        {Ausdruck::Konstruktionsblatt, "data-sheet.pdf"},
        {Ausdruck::Plattenlegeplan, "plate-plan.pdf"},
    };
    int fehler = 0;
    for (const auto& [art, name] : dateien) {
        const std::string pfad = (std::filesystem::path(verzeichnis) / name).string();
        const std::string titel = app.getSprache().GetValue(abschnitt(art), "titel", "");
        if (!alsPdf(pfad, titel, ausdruck(art, dlg, fall, kopf))) {
            std::fprintf(stderr, "cannot write %s\n", pfad.c_str());
            ++fehler;
        }
    }
    return fehler == 0 ? 0 : 1;
}

}  // namespace kal::cli
