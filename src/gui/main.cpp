// kalvoria: the desktop program. Start-up runs the main dialog modally.
#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "angebot/angebotsfenster.h"
#include "angebot/angebotsfenster_view.h"
#include "app/anwendungsverzeichnis.h"
#include "app/app.h"
#include "app/aufruf.h"
#include "app/qtports.h"
#include "app/qtsettings.h"
#include "app/qtsprache.h"
#include "app/views.h"
#include "ports/benutzeraktion.h"
#include "ui/completion/completion_model.h"
#include "ui/completion/completion_view.h"
#include "ui/main/berechnung_model.h"
#include "ui/main/berechnung_view.h"
#include "ui/main/unterdialog_views.h"
#include "ui/spec/spec_view.h"
#include "version/kal_version.h"

int main(int argc, char** argv) {
    namespace af = kal::aufruf;
    // before Qt, which needs a display
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(af::hilfe(af::programm()).c_str(), stdout);
            return 0;
        }
        if (a == "--version") {
            std::puts("kalvoria " KAL_VERSION);
            return 0;
        }
    }
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("kalvoria");
    QApplication::setOrganizationName("kalvoria");
    QApplication::setWindowIcon(QIcon::fromTheme("kalvoria"));
    // Qt sets the user's locale; numbers must not follow it.
    std::setlocale(LC_NUMERIC, "C");

    kal::QtPorts qt;
    kal::QtSettingsPort settings;
    kal::registerFrameViews(qt.dialogs);
    kal::registerBerechnungView(qt.dialogs);
    kal::registerUnterdialogViews(qt.dialogs);
    kal::registerAssemblyView(qt.dialogs);
    kal::registerSpecView(qt.dialogs);
    kal::registerAngebotsfensterView(qt.dialogs);

    // kalvoria [OPTION]... [PROJECT] (Qt has taken its own options): a
    // project given on the command line is opened at start, calculated
    // with --berechnen, and completed with --komplettieren, the user actions
    // of a choices file applied to the completion dialog as kalvoria-cli
    // offer applies them; --spezifikation then opens the specification,
    // with the actions of --spec applied once it is on screen;
    // --alternativen opens the alternatives window, --betriebspunkte the
    // operating points window, --hilfe the help.
    const af::Gelesen g =
        af::lies(af::programm().optionen, std::vector<std::string>(argv + 1, argv + argc));
    if (!g.fehler.empty() || g.positionen.size() > 1) {
        std::fprintf(stderr, "kalvoria: %s\n",
                     g.fehler.empty() ? "more than one project file" : g.fehler.c_str());
        return 2;
    }
    auto wert = [&g](const char* name) {
        auto it = g.optionen.find(name);
        return it == g.optionen.end() ? std::string() : it->second;
    };
    const bool berechnen = g.optionen.count("--berechnen"),
               komplettieren = g.optionen.count("--komplettieren"),
               spezifikation = g.optionen.count("--spezifikation"),
               alternativen = g.optionen.count("--alternativen"),
               betriebspunkte = g.optionen.count("--betriebspunkte"),
               hilfe = g.optionen.count("--hilfe");
    std::string fehler;
    const std::optional<std::string> appdir =
        kal::anwendungsverzeichnisFestlegen(wert("--appdir"), argv[0], fehler);
    if (!appdir) {
        std::fprintf(stderr, "kalvoria: %s\n", fehler.c_str());
        return 2;
    }
    const std::string projekt = kal::vomStart(g.positionen.empty() ? "" : g.positionen.front());
    const std::string choices = kal::vomStart(wert("--choices")),
                      spec = kal::vomStart(wert("--spec")),
                      angebot = kal::vomStart(wert("--angebot"));
    // A file of user actions, or nullopt (after a message) when unusable.
    auto aktionenAus =
        [](const std::string& datei) -> std::optional<std::vector<kal::Benutzeraktion>> {
        if (datei.empty()) return std::vector<kal::Benutzeraktion>{};
        std::string fehler;
        auto gelesen = kal::aktionenDatei(datei, fehler);
        if (!gelesen) std::fprintf(stderr, "%s: %s\n", datei.c_str(), fehler.c_str());
        return gelesen;
    };
    const auto aktionen = aktionenAus(choices), specAktionen = aktionenAus(spec);
    if (!aktionen || !specAktionen) return 2;
    auto anwenden = [](kal::DialogModel& m, const std::vector<kal::Benutzeraktion>& liste) {
        for (const kal::Benutzeraktion& ak : liste) {
            std::string grund =
                kal::anwenden(m.form(), ak, [&m](int id, kal::BindEvent e) { m.ereignis(id, e); });
            if (!grund.empty()) std::fprintf(stderr, "%s\n", grund.c_str());
        }
    };
    if (!specAktionen->empty())
        qt.dialogs.beimOeffnen["DialogSpec"] = [&](kal::DialogModel& m) {
            anwenden(m, *specAktionen);
        };

    kal::CBerechnungApp app(qt.ports(&settings), kal::CBerechnungApp::werksmodusAus(argc, argv));
    // Qt's own dialogs and buttons speak the interface's language
    app.beiSprachwechsel([](const std::string& code) { kal::qtSpracheSetzen(code); });
    return app.start(
        [&](kal::CBerechnungApp& a) {
            kal::CBerechnungDlg dlg(a);
            // the quotation window, on the file given at the start the first time
            kal::angebotsfensterAnmelden(dlg, angebot);
            if (!projekt.empty() && dlg.projektLesen(projekt) == 0 && berechnen) dlg.berechnen();
            if (alternativen) QTimer::singleShot(0, [&] { dlg.alternativenZeigen(); });
            if (betriebspunkte) QTimer::singleShot(0, [&] { dlg.betriebspunkteZeigen(); });
            if (hilfe) QTimer::singleShot(0, [&] { dlg.hilfe(); });
            if (!angebot.empty())
                QTimer::singleShot(
                    0, [&] { dlg.ereignis(kal::hd::CmdAngebot, kal::BindEvent::Command); });
            if (komplettieren)
                QTimer::singleShot(0, [&] {
                    dlg.komplettieren([&](kal::CAssembly& c) {
                        anwenden(c, *aktionen);
                        // its menu item, once the completion is on screen
                        if (spezifikation)
                            QTimer::singleShot(0, [&c] {
                                c.ereignis(kal::kp::CmdPrintSpec, kal::BindEvent::Command);
                            });
                    });
                });
            a.getPorts().dialogs->runDialog(dlg);
        },
        *appdir);
}
