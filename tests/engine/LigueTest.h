#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/FakeSaison.h"

// A hand-built league: team index i has id i + 1 and the i-th name.
template <class Champ = TDonneesChampionnatFootball> struct TLigueTest {
    FakeSaison Saison;
    Champ Championnat{&Saison};

    TLigueTest(const std::vector<std::string>& noms, int nbJour, int nbMatch)
    {
        Championnat.SetNbEquipe(static_cast<int>(noms.size()));
        for (size_t i = 0; i < noms.size(); ++i) {
            Championnat.SetEquipe(static_cast<int>(i), Id(static_cast<int>(i)));
            Saison.Equipes[Id(static_cast<int>(i))] = noms[i];
        }
        Championnat.SetNbMatch(nbMatch);
        Championnat.SetNbJour(nbJour);
        Championnat.SetOption(4, 3);
        Championnat.SetOption(5, 1);
        Championnat.SetOption(6, 0);
    }
    static uint16_t Id(int index) { return static_cast<uint16_t>(index + 1); }
    void Match(int jour, int dom, int ext, int s1, int s2)
    {
        Championnat.AjouteMatch(jour, Id(dom), Id(ext), -1, static_cast<uint16_t>(s1), static_cast<uint16_t>(s2));
    }
    // An event of team index `equipe` in a day list.
    static void Evenement(TListeDonnees* liste, int equipe, uint16_t mot, int joueur = 1)
    {
        liste->Ajoute(std::make_unique<TDonneesEvt>(joueur, Id(equipe), mot));
    }
};

// One expected standings row: team, points, wins, draws, losses, for, against,
// difference.
struct TLigneAttendue {
    std::string Equipe;
    int Points, Gagnes, Nuls, Perdus, Pour, Contre, Difference;
};

inline void VerifieClassement(const TCalculClassement& c, const std::vector<TLigneAttendue>& attendu)
{
    ASSERT_EQ(c.GetNbEquipe(), static_cast<int>(attendu.size()));
    for (size_t r = 0; r < attendu.size(); ++r) {
        SCOPED_TRACE("place " + std::to_string(r + 1));
        const TLigneAttendue& a = attendu[r];
        const int t = c.GetClassement(static_cast<int>(r), 1);
        EXPECT_EQ(c.GetNomEquipe(t), a.Equipe);
        EXPECT_EQ(c.GetClassement(static_cast<int>(r), 2), a.Points);
        EXPECT_EQ(c.GetTotal(t, 1), a.Points);
        EXPECT_EQ(c.GetTotal(t, 2), a.Gagnes);
        EXPECT_EQ(c.GetTotal(t, 3), a.Nuls);
        EXPECT_EQ(c.GetTotal(t, 4), a.Perdus);
        EXPECT_EQ(c.GetTotal(t, 5), a.Pour);
        EXPECT_EQ(c.GetTotal(t, 6), a.Contre);
        EXPECT_EQ(c.GetTotal(t, 7), a.Difference);
        EXPECT_EQ(c.GetClassement(static_cast<int>(r), 3), a.Difference);
    }
}

// The team names of the standings rows, in order.
inline std::vector<std::string> Ordre(const TCalculClassement& c)
{
    std::vector<std::string> noms;
    for (int r = 0; r < c.GetNbEquipe(); ++r)
        noms.push_back(c.GetNomEquipe(c.GetClassement(r, 1)));
    return noms;
}

// Column `colonne` of the standings rows, in order.
inline std::vector<int> Colonne(const TCalculClassement& c, int colonne)
{
    std::vector<int> v;
    for (int r = 0; r < c.GetNbEquipe(); ++r)
        v.push_back(c.GetClassement(r, colonne));
    return v;
}

// Two days of a four-team league: day 1 A-B 2-1 (attendance 1000) and C-D 1-1
// (500), day 2 A-C 0-0 (800) and B-D 3-0 (no attendance).
inline void JoueDeuxJournees(TLigueTest<>& L)
{
    L.Match(1, 0, 1, 2, 1);
    L.Match(1, 2, 3, 1, 1);
    L.Match(2, 0, 2, 0, 0);
    L.Match(2, 1, 3, 3, 0);
    L.Championnat.SetAffluence(1, 1, 1000);
    L.Championnat.SetAffluence(1, 2, 500);
    L.Championnat.SetAffluence(2, 1, 800);
    L.Championnat.JourneeJouee = 2;
}
