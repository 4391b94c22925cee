#include "files/ChargeurSaison.h"

#include "ChargeAncien.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return ChargeAncien<TChargeurSaison>(data, size, "x.sai");
}
