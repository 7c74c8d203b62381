// Qt's own texts (file dialogs, standard buttons, the print preview) in the
// program's language, from the translations that come with Qt.
#pragma once

#include <QString>
#include <string>

namespace kal {

// Qt's catalogue for a language code of the program ("de" -> "qtbase_de");
// empty for English, whose texts Qt has built in. "uk" is this program's
// code for English, not Qt's Ukrainian.
std::string qtKatalog(const std::string& sprachcode);

// Installs the catalogue of `sprachcode` from `ordner` (Qt's translations
// folder when empty) in place of the one before. false when the language
// has none or it cannot be read: Qt then speaks English.
bool qtSpracheSetzen(const std::string& sprachcode, const QString& ordner = {});

}  // namespace kal
