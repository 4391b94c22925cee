#include "presentation/VuesStatEquipe.h"

#include "base/oTraducteur.h"
#include "engine/StatEquipe.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"

#include <array>

namespace VuesStatEquipe {

bool AfficheTempsJeu(TSaison& Saison, int Equipe, TModeleGrille& Grille)
{
    const std::unique_ptr<TListeTemps> Liste = StatEquipe::CalculeTempsJeu(Saison, Equipe);
    constexpr std::array<int, 9> Largeurs{30, 120, 120, 80, 70, 70, 70, 70, 70};
    constexpr std::array<int, 9> Titres{74, 71, 72, 171, 68, 172, 173, 87, 174};
    Grille.SetColCount(9);
    Grille.SetRowCount(2);
    Grille.VideLigne(1);
    Grille.SetFixedRows(1);
    for (int C = 0; C < 9; ++C) {
        const auto I = static_cast<size_t>(C);
        Grille.SetLargeurColonne(C, Largeurs[I]);
        Grille.SetCellule(C, 0, nullptr, false, 0xB4FF64, 0, 1, C == 1 || C == 2 ? 0 : 1, Traduit(Titres[I]));
    }
    Liste->Trie();
    const TDonneesChampionnat* Champ = Saison.GetChampCourant();
    const uint16_t Id = Champ != nullptr ? static_cast<uint16_t>(Champ->GetEquipe(Equipe)) : 65535;
    const auto Cle = static_cast<uint16_t>(Saison.GetNumChampCourant());
    int Ligne = 0;
    for (int Rang = 0; Rang < Liste->Nombre(); ++Rang) {
        const TTempsJoueur& T = *Liste->Get(Rang);
        const TJoueur* J = Saison.Joueurs().ChercheId(T.Joueur, Id);
        if (T.Matchs < 1 || J == nullptr)
            continue;
        ++Ligne;
        Grille.SetRowCount(Ligne + 1);
        TColor Fond = 0xFFFFFF;
        CouleurLigne(Rang + 1, Fond);
        const std::array<std::string, 9> Textes{std::string(1, J->GetLettrePoste()),
                                                J->Nom,
                                                J->Prenom,
                                                std::to_string(T.Matchs),
                                                std::to_string(J->GetNbMatch(Cle)),
                                                std::to_string(T.Sorties),
                                                std::to_string(T.Entrees),
                                                std::to_string(T.Minutes),
                                                std::to_string(T.Minutes / T.Matchs)};
        for (int C = 0; C < 9; ++C)
            Grille.SetCellule(C, Ligne, nullptr, false, Fond, 0, 1, C == 1 || C == 2 ? 0 : 1,
                              Textes[static_cast<size_t>(C)]);
    }
    if (Ligne == 0)
        Grille.SetRowCount(2);
    return Liste->Nombre() > 0;
}

} // namespace VuesStatEquipe
