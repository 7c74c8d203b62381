// CColorCtrl: a static text with its own text and background colours and an
// optional blinking of either. This is the toolkit-free state and colour
// choice; CColorLabel (colorlabel.h) paints it and drives the timer.
#pragma once

#include <cstdint>

namespace kal {

// Colours are 0x00BBGGRR values; kKeineFarbe means "platform default".
using Farbe = std::uint32_t;
constexpr Farbe kKeineFarbe = 0xff000000u;
constexpr Farbe rgb(int r, int g, int b) {
    return static_cast<Farbe>((r & 0xff) | ((g & 0xff) << 8) | ((b & 0xff) << 16));
}

enum class ControlArt { Static, Button, Edit, ListBox, ScrollBar };

// The platform's colours that stand in for "none".
struct SystemFarben {
    Farbe buttonText = 0;
    Farbe windowText = 0;
    Farbe window = rgb(255, 255, 255);
    Farbe buttonFace = rgb(240, 240, 240);
};

struct FarbWahl {
    bool plattform = false;  // leave the painting to the platform
    Farbe text = 0;
    Farbe hintergrund = 0;
    bool hintergrundPlattform = false;  // scroll bar: platform paints the background
};

class CColorCtrl {
public:
    static constexpr int kTimerId = 1;

    void SetTextColor(Farbe c) { textFarbe_ = c; }
    void SetBkColor(Farbe c) { hintergrund_ = c; }
    void SetEnabledBkColor(Farbe c) { aktivHintergrund_ = c; }
    void SetTextBlinkColors(Farbe phase0, Farbe phase1) {
        textBlink_[0] = phase0, textBlink_[1] = phase1;
    }
    void SetBkBlinkColors(Farbe phase0, Farbe phase1) {
        bkBlink_[0] = phase0, bkBlink_[1] = phase1;
    }
    void SetTextBlink(bool on) { textBlinkt_ = on; }
    void SetBkBlink(bool on) { bkBlinkt_ = on; }
    void SetPeriod(int ms) { periode_ = ms > 0 ? ms : 1000; }

    int getPeriod() const { return periode_; }
    int getPhase() const { return phase_; }
    bool blinkt() const { return textBlinkt_ || bkBlinkt_; }
    Farbe getBkColor() const { return hintergrund_; }

    // A timer is needed when the control is created and something blinks.
    bool erzeugt() { return blinkt(); }
    // Timer tick: flips the phase while something blinks; true = repaint.
    bool tick(int timerId = kTimerId);
    void zerstoert() { phase_ = 0; }
    // Enabled: the steady background becomes the enabled background colour;
    // disabled: none.
    void aktivieren(bool enabled);

    FarbWahl farbwahl(ControlArt art, const SystemFarben& system) const;

private:
    int phase_ = 0;
    int periode_ = 1000;
    bool textBlinkt_ = false;
    bool bkBlinkt_ = false;
    Farbe textFarbe_ = kKeineFarbe;
    Farbe textBlink_[2] = {kKeineFarbe, kKeineFarbe};
    Farbe hintergrund_ = kKeineFarbe;
    Farbe bkBlink_[2] = {kKeineFarbe, kKeineFarbe};
    Farbe aktivHintergrund_ = kKeineFarbe;
};

}  // namespace kal
