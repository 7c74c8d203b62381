// InputHelper: reads a field of a dialog, checks it and reports a bad entry
// itself (caption = error title, texts of codes 1 empty, 2 not a number,
// 3 out of range from section "global").
#pragma once

#include <functional>
#include <string>

#include "datalib/format.h"
#include "ports/form.h"
#include "ports/ports.h"

namespace kal {

class InputHelper {
public:
    explicit InputHelper(MessagePort* messages = nullptr) : messages_(messages) {}
    void setMessagePort(MessagePort* messages) { messages_ = messages; }
    void setErrorTitle(const std::string& title) { title_ = title; }
    void setErrorMessage(int code, const std::string& text);
    const std::string& errorTitle() const { return title_; }
    // The name of a field as its dialog shows it; a message about a field
    // with a name begins with it.
    void setFeldnamen(std::function<std::string(int id)> namen) { namen_ = std::move(namen); }

    // true on a good entry. With `leerErlaubt` an empty field passes, leaves
    // `wert` untouched and sets *leer. On a bad entry the message is shown,
    // the focus goes to the field and false is returned.
    bool validateEditDouble(EntrySource& felder, int id, double& wert, bool leerErlaubt, double min,
                            double max, bool* leer = nullptr);
    bool validateEditInteger(EntrySource& felder, int id, int& wert, bool leerErlaubt, int min,
                             int max, bool* leer = nullptr);
    bool validateEditString(EntrySource& felder, int id, std::string& text, bool leerErlaubt);
    // What a failed check does: the message of `code` (a ZahlPruefung), focus to the field.
    void melde(EntrySource& felder, int id, int code);

private:
    template <class T, class Pruefe>
    bool zahlPruefen(EntrySource& felder, int id, T& wert, bool leerErlaubt, bool* leer,
                     Pruefe pruefe);
    MessagePort* messages_;
    std::string title_;
    std::string texte_[4];
    std::function<std::string(int id)> namen_;
};

// setTextfield: writes a number into a field (see zahlText).
void setTextfield(EntrySource& felder, int id, double wert, int nachkomma, int stellen);
void setTextfield(EntrySource& felder, int id, int wert);

}  // namespace kal
