// Feeds arbitrary bytes to the XML reader the way the season reader does:
// every node, every getter, and skipping of whole elements. The reader must
// end on any input without crashing, hanging or reading out of bounds.

#include "files/ioXml.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string_view Octets(reinterpret_cast<const char*>(Data), Size);
    TXmlStreamReader R(Octets);
    size_t Noeuds = 0;
    for (int G = R.LitNoeud(); G != XML_FIN; G = R.LitNoeud()) {
        // Each node consumes at least two bytes of the (at most three times longer) decoded text.
        if (++Noeuds > 2 * Size)
            __builtin_trap();
        (void)R.GetTexte();
        (void)R.GetTexteInt();
        (void)R.GetAttribut("ID");
        (void)R.GetAttributBrut("Nom");
        // Skip every third element whole, as readers do with unknown names.
        if (G == XML_OUVRANT && Noeuds % 3 == 0)
            R.SauteElement(G);
    }
    // A round trip of the bytes as text must give them back.
    const std::string Texte(Octets);
    if (DecodeXml(EncodeXml(Texte)) != Texte || DecodeXml(EncodeXml(Texte, true)) != Texte)
        __builtin_trap();
    return 0;
}
