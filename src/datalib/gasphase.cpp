#include "gasphase.h"

#include "dialoghilfe.h"

const char* gasphaseSchluessel(Gasphase phase) {
    switch (phase) {
        case Gasphase::DruckUeberTabelle:
            return "gasDruckBereich";
        case Gasphase::UnterTaupunkt:
            return "gasUnterTaupunkt";
        case Gasphase::UeberKritischeDichte:
            return "gasUeberKritisch";
        case Gasphase::Gas:
            break;
    }
    return nullptr;
}

std::string gasphaseText(const CIniEx& sprache, Gasphase phase, const std::string& temperatur,
                         const std::string& druck, const std::string& stoff,
                         const std::string& grenze) {
    const char* key = gasphaseSchluessel(phase);
    if (!key) return {};
    const std::string werte[] = {temperatur, druck, stoff, grenze};
    return kal::einsetzen(sprache.GetValue("error", key, ""), werte);
}
