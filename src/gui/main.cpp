// kalvoria: the desktop program. Start-up runs the main dialog modally.
#include <QApplication>
#include <clocale>
#include <string>

#include "app.h"
#include "berechnung_model.h"
#include "berechnung_view.h"
#include "qtports.h"
#include "qtsettings.h"
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

    // kalvoria [--werksmodus] [PROJECT [--berechnen]]: a project given on the
    // command line is opened at start, and calculated with --berechnen.
    std::string projekt;
    bool berechnen = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--berechnen")
            berechnen = true;
        else if (!a.empty() && a[0] != '-')
            projekt = a;
    }

    kal::CBerechnungApp app(qt.ports(&settings), kal::CBerechnungApp::werksmodusAus(argc, argv));
    return app.start([&](kal::CBerechnungApp& a) {
        kal::CBerechnungDlg dlg(a);
        if (!projekt.empty() && dlg.projektLesen(projekt) == 0 && berechnen) dlg.berechnen();
        a.getPorts().dialogs->runDialog(dlg);
    });
}
