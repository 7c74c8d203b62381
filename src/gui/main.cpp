// kalvoria: the desktop program. Start-up runs the main dialog modally.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "app.h"
#include "benutzeraktion.h"
#include "berechnung_model.h"
#include "berechnung_view.h"
#include "completion_model.h"
#include "completion_view.h"
#include "qtports.h"
#include "qtsettings.h"
#include "spec_view.h"
#include "unterdialog_views.h"
#include "views.h"

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName("kalvoria");
    QApplication::setOrganizationName("kalvoria");
    // Qt sets the user's locale; numbers must not follow it.
    std::setlocale(LC_NUMERIC, "C");

    kal::QtPorts qt;
    kal::QtSettingsPort settings;
    kal::registerFrameViews(qt.dialogs);
    kal::registerBerechnungView(qt.dialogs);
    kal::registerUnterdialogViews(qt.dialogs);
    kal::registerAssemblyView(qt.dialogs);
    kal::registerSpecView(qt.dialogs);

    // kalvoria [--werksmodus] [PROJECT [--berechnen [--alternativen | --komplettieren
    //          [--choices FILE] [--spezifikation [--spec FILE]]]]]:
    // a project given on the command line is opened at start, calculated
    // with --berechnen, and completed with --komplettieren, the user actions
    // of a choices file applied to the completion dialog as kalvoria-cli
    // offer applies them; --spezifikation then opens the specification,
    // with the actions of --spec applied once it is on screen;
    // --alternativen opens the alternatives window.
    std::string projekt, choices, spec;
    bool berechnen = false, komplettieren = false, spezifikation = false, alternativen = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--berechnen")
            berechnen = true;
        else if (a == "--komplettieren")
            komplettieren = true;
        else if (a == "--spezifikation")
            spezifikation = true;
        else if (a == "--alternativen")
            alternativen = true;
        else if (a == "--choices" && i + 1 < argc)
            choices = argv[++i];
        else if (a == "--spec" && i + 1 < argc)
            spec = argv[++i];
        else if (!a.empty() && a[0] != '-')
            projekt = a;
    }
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
    return app.start([&](kal::CBerechnungApp& a) {
        kal::CBerechnungDlg dlg(a);
        if (!projekt.empty() && dlg.projektLesen(projekt) == 0 && berechnen) dlg.berechnen();
        if (alternativen) QTimer::singleShot(0, [&] { dlg.alternativenZeigen(); });
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
    });
}
