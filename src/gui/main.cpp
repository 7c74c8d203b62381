// kalvoria: the desktop program. Start-up runs the main dialog modally.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app.h"
#include "assembly_model.h"
#include "assembly_view.h"
#include "benutzeraktion.h"
#include "berechnung_model.h"
#include "berechnung_view.h"
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
    //          [--choices FILE] [--spezifikation]]]]:
    // a project given on the command line is opened at start, calculated
    // with --berechnen, and completed with --komplettieren, the user actions
    // of a choices file applied to the completion dialog as kalvoria-cli
    // offer applies them; --spezifikation then opens the specification;
    // --alternativen opens the alternatives window.
    std::string projekt, choices;
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
        else if (!a.empty() && a[0] != '-')
            projekt = a;
    }
    std::vector<kal::Benutzeraktion> aktionen;
    if (!choices.empty()) {
        std::ifstream in(choices, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string fehler = "cannot read the file";
        auto gelesen = in ? kal::aktionenLesen(text.str(), fehler) : std::nullopt;
        if (!gelesen) {
            std::fprintf(stderr, "%s: %s\n", choices.c_str(), fehler.c_str());
            return 2;
        }
        aktionen = *gelesen;
    }

    kal::CBerechnungApp app(qt.ports(&settings), kal::CBerechnungApp::werksmodusAus(argc, argv));
    return app.start([&](kal::CBerechnungApp& a) {
        kal::CBerechnungDlg dlg(a);
        if (!projekt.empty() && dlg.projektLesen(projekt) == 0 && berechnen) dlg.berechnen();
        if (alternativen) QTimer::singleShot(0, [&] { dlg.alternativenZeigen(); });
        if (komplettieren)
            QTimer::singleShot(0, [&] {
                dlg.komplettieren([&](kal::CAssembly& c) {
                    for (const kal::Benutzeraktion& ak : aktionen) {
                        std::string grund = kal::anwenden(
                            c.form(), ak, [&c](int id, kal::BindEvent e) { c.ereignis(id, e); });
                        if (!grund.empty()) std::fprintf(stderr, "%s\n", grund.c_str());
                    }
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
