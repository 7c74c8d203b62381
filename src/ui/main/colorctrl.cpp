#include "ui/main/colorctrl.h"

namespace kal {

bool CColorCtrl::tick(int timerId) {
    if (timerId != kTimerId || !blinkt()) return false;
    phase_ = 1 - phase_;
    return true;
}

void CColorCtrl::aktivieren(bool enabled) {
    hintergrund_ = enabled ? aktivHintergrund_ : kKeineFarbe;
}

FarbWahl CColorCtrl::farbwahl(ControlArt art, const SystemFarben& system) const {
    FarbWahl w;
    Farbe text = textBlinkt_ ? textBlink_[phase_] : textFarbe_;
    Farbe bk = bkBlinkt_ ? bkBlink_[phase_] : hintergrund_;
    if (text == kKeineFarbe && bk == kKeineFarbe) {
        w.plattform = true;
        return w;
    }
    if (text == kKeineFarbe)
        text = art == ControlArt::Button ? system.buttonText : system.windowText;
    if (bk == kKeineFarbe) {
        if (art == ControlArt::Edit || art == ControlArt::ListBox)
            bk = system.window;
        else if (art == ControlArt::ScrollBar)
            w.hintergrundPlattform = true;
        else
            bk = system.buttonFace;
    }
    w.text = text;
    w.hintergrund = bk;
    return w;
}

}  // namespace kal
