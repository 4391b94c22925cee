#include "engine/EffectifsEquipe.h"

#include <cstdint>
#include <memory>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"

namespace {

// Takes the player out of the registry, lets `change` alter his teams and puts
// him back, so the team lists and the name order follow. A namesake of his new
// team absorbs him: his match data then name the namesake, or the next recount
// would drop them as events of nobody.
template <class F> TJoueur* Reclasse(TSaison& saison, TJoueur& joueur, F change)
{
    std::unique_ptr<TJoueur> retire = saison.Joueurs().Retire(&joueur);
    if (!retire)
        return nullptr;
    change(*retire);
    TListeRenumerotation renum;
    TJoueur* garde = saison.Joueurs().Ajoute(std::move(retire), &renum);
    saison.AppliqueRenumJoueurs(renum);
    return garde;
}

int IndexClub(TSaison& saison, int equipe)
{
    if (equipe < 0 || equipe >= 65535)
        return 65535;
    return saison.ChercheClubPrec(saison.GetNomEquipe(static_cast<uint16_t>(equipe)), true);
}

} // namespace

int AnneeSaison(const TSaison& saison)
{
    const TDonneesChampionnat* champ = saison.GetChampCourant();
    return champ ? champ->GetOption(8) : 0;
}

void AjouteLignesJoueur(int annee, int clubPrec, TSaison& saison, TJoueur& joueur)
{
    saison.RecalculeJoueur(joueur.Numero, joueur.GetEquipe());
    for (int k = 1; k <= saison.NbChampionnat(); ++k) {
        const auto cle = static_cast<uint16_t>(k);
        const int matchs = joueur.GetNbMatch(cle);
        const int buts = joueur.GetNbBut(cle);
        if (matchs == 0 && buts == 0)
            continue;
        const TDonneesChampionnat& champ = *saison.GetChampionnat(k);
        TStatHistorique h;
        h.StatAnnee = annee + 1900;
        h.Equipe = clubPrec;
        h.Division = champ.Division;
        if (champ.Genre & TDonneesChampionnat::TypeNational) {
            h.StatMatch = matchs;
            h.StatBut = buts;
        } else {
            h.StatMatchInter = matchs;
            h.StatButInter = buts;
        }
        joueur.AjouteHistorique(h);
    }
}

TJoueur* TransfereJoueur(TSaison& saison, TJoueur& joueur, int ancienneEquipe, int nouvelleEquipe)
{
    const int annee = AnneeSaison(saison);
    const int club = IndexClub(saison, ancienneEquipe);
    joueur.Contrat = 99;
    joueur.Maillot = 0;
    joueur.Duree = static_cast<uint8_t>(annee);
    // A player without a team keeps the former club he had.
    if (club != 65535)
        joueur.ClubPrec = static_cast<uint16_t>(club);
    AjouteLignesJoueur(annee, joueur.ClubPrec, saison, joueur);
    return Reclasse(saison, joueur, [&](TJoueur& j) { j.SetEquipe(static_cast<uint16_t>(nouvelleEquipe)); });
}

TJoueur* LibereJoueur(TSaison& saison, TJoueur& joueur, int equipe)
{
    const int club = IndexClub(saison, equipe);
    return Reclasse(saison, joueur, [&](TJoueur& j) {
        j.Contrat = 100;
        j.Duree = static_cast<uint8_t>(AnneeSaison(saison));
        j.ClubPrec = static_cast<uint16_t>(club);
        j.SetEquipe(65535);
    });
}

TJoueur* ArriveeJoueur(TSaison& saison, TJoueur& joueur, int equipe)
{
    if (saison.ChampCourantInternational()) {
        saison.Joueurs().SetEquipeNationale(&joueur, static_cast<uint16_t>(equipe));
        return &joueur;
    }
    const int club = IndexClub(saison, joueur.EquipeClub);
    return Reclasse(saison, joueur, [&](TJoueur& j) {
        j.ClubPrec = static_cast<uint16_t>(club);
        j.EquipeClub = static_cast<uint16_t>(equipe);
        j.Duree = static_cast<uint8_t>(AnneeSaison(saison));
    });
}
