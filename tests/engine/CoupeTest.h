#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/DecisionCoupe.h"
#include "model/Championnat.h"
#include "model/FakeSaison.h"

// A hand-built cup: team index i has id i + 1 and the name "E<i+1>"; rounds are
// given as (round number, matches, plain round type) and expanded into days.
struct TCoupeTest {
    FakeSaison Saison;
    TDonneesChampionnatFootball Coupe{&Saison, 0, TDonneesChampionnat::TypeCoupe};
    int NbDemandes = 0;
    std::vector<int> Reponses; // shoot-outs given by the scripted dialog, in order

    TCoupeTest(int nbEquipes, const std::vector<TTourCoupeJour>& tours)
    {
        Coupe.SetNbEquipe(nbEquipes);
        for (int i = 0; i < nbEquipes; ++i) {
            Coupe.SetEquipe(i, Id(i));
            Saison.Equipes[Id(i)] = Nom(i);
        }
        Coupe.CreeToursCoupe(tours);
    }
    static uint16_t Id(int i) { return static_cast<uint16_t>(i + 1); }
    static std::string Nom(int i) { return "E" + std::to_string(i + 1); }

    void Match(int jour, int dom, int ext, int s1 = 65535, int s2 = 65535)
    {
        Coupe.AjouteMatch(jour, Id(dom), Id(ext), -1, static_cast<uint16_t>(s1), static_cast<uint16_t>(s2));
    }

    DecisionCoupe::TDemandeTirsAuBut Demande()
    {
        return [this](uint16_t, uint16_t) {
            ++NbDemandes;
            if (Reponses.empty())
                return 0;
            const int r = Reponses.front();
            Reponses.erase(Reponses.begin());
            return r;
        };
    }

    // The row of match `ligne` (0-based) of day `jour` as the page loads it.
    DecisionCoupe::TLigneCoupe Ligne(int jour, int ligne) const
    {
        DecisionCoupe::TLigneCoupe l;
        const TInfoComp* m = Coupe.GetMatch(jour, ligne + 1);
        if (!m)
            return l;
        l.Equipe1 = Saison.GetNomEquipe(m->GetEquipe(0));
        l.Equipe2 = Saison.GetNomEquipe(m->GetEquipe(1));
        l.Qualifie = Coupe.GetQualifie(jour, m->GetEquipe(0), m->GetEquipe(1));
        if (const TPenaltys* p = Coupe.CherchePenaltys(jour, m->GetEquipe(0), m->GetEquipe(1)))
            l.TirsAuBut = (p->But1 << 16) + p->But2;
        return l;
    }

    // Types the score of a row on day `jour`, leaves the edit and saves the row
    // (score, qualified side, shoot-out) as the page's save does.
    DecisionCoupe::TLigneCoupe Saisit(int jour, int ligne, const std::string& s1, const std::string& s2)
    {
        Coupe.NbJournee = static_cast<uint8_t>(jour);
        DecisionCoupe::TLigneCoupe l = Ligne(jour, ligne);
        l.Score1 = s1;
        l.Score2 = s2;
        DecisionCoupe::ScoreExit(Coupe, Saison, ligne, l, Demande());
        TInfoComp* m = Coupe.GetMatch(jour, ligne + 1);
        EXPECT_NE(m, nullptr);
        if (!m)
            return l;
        m->SetScore(0, static_cast<uint16_t>(std::stoi(s1)));
        m->SetScore(1, static_cast<uint16_t>(std::stoi(s2)));
        Coupe.SupprimePenaltys(jour, m->GetEquipe(0), m->GetEquipe(1));
        if (l.TirsAuBut != 0)
            Coupe.AjoutePenaltys(jour, m->GetEquipe(0), m->GetEquipe(1), static_cast<uint8_t>(l.TirsAuBut >> 16),
                                 static_cast<uint8_t>(l.TirsAuBut & 0xFF));
        if (l.Qualifie == 0 || l.Qualifie == 1)
            Coupe.SetQualifie(jour, m->GetEquipe(0), m->GetEquipe(1), l.Qualifie);
        return l;
    }

    // The pairings of a day as "home-away" team indexes, in order.
    std::vector<std::pair<int, int>> Journee(int jour) const
    {
        std::vector<std::pair<int, int>> v;
        if (const TInfoCompJour* j = Coupe.GetJournee(jour))
            for (int i = 0; i < j->NbMatch(); ++i)
                v.emplace_back(j->GetMatch(i)->GetEquipe(0) - 1, j->GetMatch(i)->GetEquipe(1) - 1);
        return v;
    }
};

inline TTourCoupeJour Tour(int numero, int nbMatch, int type)
{
    TTourCoupeJour t;
    t.nTour = static_cast<uint16_t>(numero);
    t.NbMatch = static_cast<uint16_t>(nbMatch);
    t.TypeMatch = static_cast<uint32_t>(type);
    return t;
}

using Paires = std::vector<std::pair<int, int>>;
