#include "data.h"

Data::Data(const std::string& verzeichnis) {
    fehler_.push_back(verzeichnis + ": the data loader is not built yet");
}
