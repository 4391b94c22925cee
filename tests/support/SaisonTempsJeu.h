#pragma once

// Lyon and Auxerre in a league of four days, three of them played, Lyon
// with fifteen players ("J01" to "J15", ids 1 to 15) and line-ups entered on
// days 1 and 2:
// - day 1: starters 1-11; 2 off for 12 at 60, 12 off for 13 at 80, a third
//   pair with no player off (14 on at 70); 3 sent off at 30, 4 at 95;
// - day 2: starters 1-11; 5 off for 14 at 0, 6 off for 12 at 91, 7 off for
//   13 at 60, 13 sent off at 75; player 99 (not Lyon's) among the starters
//   in place of 11, and Auxerre's player 1 sent off at 10;
// - day 3: starters 1-11 but the line-up not marked as entered.
// Goals: 9 on days 1 and 3, 10 on day 1, 8's assist on day 1, 5 warned on
// day 1. Auxerre has no player.

#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"

#include <cstdio>
#include <memory>
#include <string>

namespace testsupport {

struct SaisonTempsJeu : TSaisonFootball {
    enum : uint16_t { Lyon = 1, Auxerre = 2 };
    TDonneesChampionnat* Champ;

    SaisonTempsJeu()
    {
        AjouteEquipe("Lyon", Lyon);
        AjouteEquipe("Auxerre", Auxerre);
        auto c = CreeChampionnat(TDonneesChampionnat::TypeChamp);
        c->CodeChamp = 5;
        c->AjouteEquipe(Lyon);
        c->AjouteEquipe(Auxerre);
        c->SetNbMatch(1);
        c->SetNbJour(4);
        c->SetOption(4, 3);
        c->SetOption(5, 1);
        Champ = c.get();
        AjouteChampionnat(std::move(c));
        SetNumChampCourant(1);
        for (int id = 1; id <= 15; ++id) {
            char nom[8];
            std::snprintf(nom, sizeof nom, "J%02d", id);
            Joueurs().AjouteSimple(
                CreeJoueurComplet(nom, "P" + std::to_string(id), id, 0, id == 1 ? 'G' : 'M', 0, Lyon, 65535, 0, 0, 0));
        }
        const int scores[3][2] = {{2, 1}, {0, 0}, {1, 3}};
        for (int jour = 1; jour <= 3; ++jour) {
            Champ->AjouteMatch(jour, Lyon, Auxerre, -1, static_cast<uint16_t>(scores[jour - 1][0]),
                               static_cast<uint16_t>(scores[jour - 1][1]));
            for (int i = 1; i <= 11; ++i)
                Champ->SetCompoMatch(jour, 0, i, static_cast<uint16_t>(i));
        }
        Champ->JourneeJouee = 3;
        Champ->SetCompoMatch(2, 0, 11, 99);
        Remplacement(1, 1, 2, 12, 60);
        Remplacement(1, 2, 12, 13, 80);
        Remplacement(1, 3, 0, 14, 70);
        Expulsion(1, Lyon, 3, 30);
        Expulsion(1, Lyon, 4, 95);
        Remplacement(2, 1, 5, 14, 0);
        Remplacement(2, 2, 6, 12, 91);
        Remplacement(2, 3, 7, 13, 60);
        Expulsion(2, Lyon, 13, 75);
        Expulsion(2, Auxerre, 1, 10);
        Champ->GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(9, Lyon, uint16_t{10}));
        Champ->GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(10, Lyon, uint16_t{70}));
        Champ->GetButeursJournee(3)->Ajoute(std::make_unique<TDonneesEvt>(9, Lyon, uint16_t{50}));
        static_cast<TDonneesChampionnatFootball*>(Champ)->GetPasseursJournee(1)->Ajoute(
            std::make_unique<TDonneesEvt>(8, Lyon, uint16_t{10}));
        Champ->GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(5, Lyon, uint16_t{20}));
        for (int jour = 1; jour <= 2; ++jour)
            Champ->SetCompoMatch(jour, 0, 20, static_cast<uint16_t>(Champ->GetCompoMatch(jour, 0, 20) | 0xFF00));
    }
    // Pair k (1 to 3) of Lyon's line-up on a day.
    void Remplacement(int jour, int k, uint16_t sortant, uint16_t entrant, uint16_t minute)
    {
        Champ->SetCompoMatch(jour, 0, 2 * k + 10, sortant);
        Champ->SetCompoMatch(jour, 0, 2 * k + 11, entrant);
        Champ->SetCompoMatch(jour, 0, k + 17, minute);
    }
    void Expulsion(int jour, uint16_t equipe, int joueur, int minute)
    {
        Champ->GetCartonsJournee(jour)->Ajoute(
            std::make_unique<TDonneesEvt>(joueur, equipe, static_cast<uint16_t>(Evt::ContreCamp | minute)));
    }
};

// The same season with a stadium, Gerland (Lyon), and two coaches both shown
// "Martin Paul": Paul Martin (id 1) and "Martin Paul" without a first name (id 2).
struct SaisonClub : SaisonTempsJeu {
    SaisonClub()
    {
        Stades().Ajoute(std::make_unique<TStade>("Gerland", 40000, "Lyon"), false);
        Entraineurs().Ajoute(std::make_unique<TEntraineur>("Martin", "Paul", 60, 1));
        Entraineurs().Ajoute(std::make_unique<TEntraineur>("Martin Paul", "", 60, 2));
    }
};

} // namespace testsupport
