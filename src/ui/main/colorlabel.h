// CColorLabel: a QLabel painted by CColorCtrl, blinking on a QTimer.
#pragma once

#include <QBasicTimer>
#include <QLabel>

#include "ui/main/colorctrl.h"

namespace kal {

class CColorLabel : public QLabel {
public:
    explicit CColorLabel(QWidget* parent = nullptr);
    ~CColorLabel() override;
    CColorCtrl& ctrl() { return ctrl_; }
    // Starts or stops the blink timer after the colours were changed.
    void farbenGeaendert();
    bool timerLaeuft() const { return timer_.isActive(); }
    static QColor qfarbe(Farbe f);

protected:
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    CColorCtrl ctrl_;
    QBasicTimer timer_;
};

}  // namespace kal
