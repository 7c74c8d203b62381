#include "inputhelper.h"

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
        m.caption = title_;
        m.section = "global";
        m.key = kKeys[code];
        m.icon = MessageIcon::Error;
        messages_->showMessage(m);
    }
    felder.setFocus(id);
}

bool InputHelper::validateEditDouble(EntrySource& felder, int id, double& wert, bool leerErlaubt,
                                     double min, double max, bool* leer) {
    if (leer) *leer = false;
    double v = 0;
    ZahlPruefung r = pruefeDouble(felder.text(id), min, max, v);
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

bool InputHelper::validateEditInteger(EntrySource& felder, int id, int& wert, bool leerErlaubt,
                                      int min, int max, bool* leer) {
    if (leer) *leer = false;
    long long v = 0;
    ZahlPruefung r = pruefeInteger(felder.text(id), min, max, v);
    if (r == ZahlLeer && leerErlaubt) {
        if (leer) *leer = true;
        return true;
    }
    if (r != ZahlOk) {
        melde(felder, id, r);
        return false;
    }
    wert = static_cast<int>(v);
    return true;
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
