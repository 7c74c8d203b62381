// kalvoria: the desktop program. Start-up runs the main dialog modally.
#include <QApplication>
#include <clocale>

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

    kal::CBerechnungApp app(qt.ports(&settings), kal::CBerechnungApp::werksmodusAus(argc, argv));
    return app.start([](kal::CBerechnungApp& a) {
        kal::CBerechnungDlg dlg(a);
        a.getPorts().dialogs->runDialog(dlg);
    });
}
