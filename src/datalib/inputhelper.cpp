#include "datalib/inputhelper.h"

namespace kal {

namespace {
const char* const kKeys[4] = {"", "error_empty", "error_notanumber", "error_outofrange"};
}

void InputHelper::setErrorMessage(int code, const std::string& text) {
    if (code >= 1 && code <= 3) texte_[code] = text;
}

void InputHelper::melde(EntrySource& felder, int id, int code) {
    if (messages_) {
        Message m;
        m.text = texte_[code];
        if (const std::string name = namen_ ? namen_(id) : std::string(); !name.empty())
            m.text = name + ": " + m.text;
        m.caption = title_;
        m.section = "global";
        m.key = kKeys[code];
        m.icon = MessageIcon::Error;
        messages_->showMessage(m);
    }
    felder.setFocus(id);
}

// The shared steps of the number checks: an allowed empty field passes
// untouched, a bad entry is reported.
template <class T, class Pruefe>
bool InputHelper::zahlPruefen(EntrySource& felder, int id, T& wert, bool leerErlaubt, bool* leer,
                              Pruefe pruefe) {
    if (leer) *leer = false;
    T v{};
    ZahlPruefung r = pruefe(felder.text(id), v);
    if (r == ZahlLeer && leerErlaubt) {
        if (leer) *leer = true;
        return true;
    }
    if (r != ZahlOk) {
        melde(felder, id, r);
        return false;
    }
    wert = v;
    return true;
}

bool InputHelper::validateEditDouble(EntrySource& felder, int id, double& wert, bool leerErlaubt,
                                     double min, double max, bool* leer) {
    return zahlPruefen(felder, id, wert, leerErlaubt, leer, [&](const std::string& t, double& v) {
        return pruefeDouble(t, min, max, v);
    });
}

bool InputHelper::validateEditInteger(EntrySource& felder, int id, int& wert, bool leerErlaubt,
                                      int min, int max, bool* leer) {
    return zahlPruefen(felder, id, wert, leerErlaubt, leer, [&](const std::string& t, int& v) {
        long long l = 0;
        ZahlPruefung r = pruefeInteger(t, min, max, l);
        v = static_cast<int>(l);
        return r;
    });
}

bool InputHelper::validateEditString(EntrySource& felder, int id, std::string& text,
                                     bool leerErlaubt) {
    std::string t = felder.text(id);
    if (t.empty() && !leerErlaubt) {
        melde(felder, id, ZahlLeer);
        return false;
    }
    text = t;
    return true;
}

void setTextfield(EntrySource& felder, int id, double wert, int nachkomma, int stellen) {
    felder.setText(id, zahlText(wert, nachkomma, stellen));
}

void setTextfield(EntrySource& felder, int id, int wert) {
    felder.setText(id, formatiere("%i", wert));
}

}  // namespace kal
