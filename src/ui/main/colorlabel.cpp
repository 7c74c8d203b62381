#include "ui/main/colorlabel.h"

#include <QEvent>
#include <QPainter>
#include <QTimerEvent>

namespace kal {

namespace {
Farbe vonQ(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }
}  // namespace

CColorLabel::CColorLabel(QWidget* parent) : QLabel(parent) { farbenGeaendert(); }

CColorLabel::~CColorLabel() {
    timer_.stop();
    ctrl_.zerstoert();
}

QColor CColorLabel::qfarbe(Farbe f) {
    return QColor(static_cast<int>(f & 0xff), static_cast<int>((f >> 8) & 0xff),
                  static_cast<int>((f >> 16) & 0xff));
}

void CColorLabel::farbenGeaendert() {
    if (ctrl_.erzeugt())
        timer_.start(ctrl_.getPeriod(), this);
    else
        timer_.stop();
    update();
}

void CColorLabel::timerEvent(QTimerEvent* e) {
    if (e->timerId() == timer_.timerId()) {
        if (ctrl_.tick(CColorCtrl::kTimerId)) update();
        return;
    }
    QLabel::timerEvent(e);
}

void CColorLabel::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) {
        ctrl_.aktivieren(isEnabled());
        update();
    }
    QLabel::changeEvent(e);
}

void CColorLabel::paintEvent(QPaintEvent* e) {
    SystemFarben sys;
    const QPalette& p = palette();
    sys.buttonText = vonQ(p.color(QPalette::ButtonText));
    sys.windowText = vonQ(p.color(QPalette::WindowText));
    sys.window = vonQ(p.color(QPalette::Base));
    sys.buttonFace = vonQ(p.color(QPalette::Window));
    FarbWahl w = ctrl_.farbwahl(ControlArt::Static, sys);
    if (w.plattform) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter painter(this);
    if (!w.hintergrundPlattform) painter.fillRect(rect(), qfarbe(w.hintergrund));
    painter.setPen(qfarbe(w.text));
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | Qt::TextWordWrap, text());
}

}  // namespace kal
