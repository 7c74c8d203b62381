#include "datalib/gasphase.h"

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
