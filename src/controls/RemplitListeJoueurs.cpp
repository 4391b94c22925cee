#include "controls/RemplitListeJoueurs.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "model/Joueurs.h"

namespace {

constexpr char GenreJoueur = '\x01';
constexpr char GenreEntete = '\x04';

std::string Element(int id, char genre, const std::string& texte)
{
    return std::string(1, '\x01') + IntToHex4(id) + std::string(1, genre) + texte;
}

} // namespace

void RemplitListeJoueurs(const TListeJoueur& liste, TListe& boite, bool avecEntetes, bool sansUtilises)
{
    boite.Vide();
    if (avecEntetes) {
        boite.Ajoute(Element(0xFFFE, GenreEntete, Traduit(532)));
        boite.Ajoute(Element(0xFFFD, GenreEntete, Traduit(533)));
        boite.Ajoute(Element(0xFFFF, GenreEntete, "-------------------"));
    }
    for (int i = 0; i < liste.Nombre(); ++i) {
        const TChoixJoueur* choix = liste.Get(i);
        if (choix == nullptr || (sansUtilises && choix->Drapeau != 0))
            continue;
        boite.Ajoute(Element(choix->GetNumero(), GenreJoueur, choix->Libelle));
    }
}
