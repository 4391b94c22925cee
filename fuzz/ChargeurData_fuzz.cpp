#include "files/ChargeurChamp.h"

#include "ChargeAncien.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return ChargeAncien<TChargeurData>(data, size, "EQUIPE12.DAF");
}
