#include "app/qtsprache.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace kal {

std::string qtKatalog(const std::string& sprachcode) {
    if (sprachcode.empty() || sprachcode == "uk" || sprachcode == "en") return {};
    return "qtbase_" + sprachcode;
}

bool qtSpracheSetzen(const std::string& sprachcode, const QString& ordner) {
    // one catalogue at a time: a change of language replaces it
    static std::unique_ptr<QTranslator> aktiv;
    if (aktiv) {
        QCoreApplication::removeTranslator(aktiv.get());
        aktiv.reset();
    }
    const std::string katalog = qtKatalog(sprachcode);
    if (katalog.empty()) return false;
    auto neu = std::make_unique<QTranslator>();
    const QString pfad =
        ordner.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : ordner;
    if (!neu->load(QString::fromStdString(katalog), pfad)) return false;
    QCoreApplication::installTranslator(neu.get());
    aktiv = std::move(neu);
    return true;
}

}  // namespace kal
