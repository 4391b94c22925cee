#include "presentation/Historique.h"

#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "files/Stats.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace Historique;

class HistoriqueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Alpha = Archive.NumeroEquipe("Alpha");
        Beta = Archive.NumeroEquipe("Beta");
        Gamma = Archive.NumeroEquipe("Gamma");
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    // A season of Alpha, Beta and Gamma in that order, nothing played.
    TSaisonStat& Saison(int annee)
    {
        auto s = std::make_unique<TSaisonStat>(3, annee - 1900);
        for (int n : {Alpha, Beta, Gamma})
            s->AjouteEquipe(n);
        return *Archive.GetSaison(Archive.AjouteSaison(std::move(s)));
    }

    std::vector<std::string> Colonne(const TModeleGrille& g, int col) const
    {
        std::vector<std::string> c;
        for (int r = 1; r < g.GetRowCount(); ++r)
            c.push_back(g.GetTexte(col, r));
        return c;
    }

    TStat Archive;
    int Alpha = 0, Beta = 0, Gamma = 0;
    TModeleGrille Grille;
};

TEST_F(HistoriqueTest, ConfrontationsParAnneesOuParRencontres)
{
    // 2024 back to 2013: Alpha at home to Beta played every other year.
    for (int annee = 2013; annee <= 2024; ++annee) {
        TSaisonStat& s = Saison(annee);
        if (annee % 2 == 0)
            s.SetScore(0, 1, 2, 1);
    }
    TCritere c;
    c.Domicile = Alpha;
    c.Exterieur = Beta;
    c.AnneeCourante = 2024;
    c.Limite = 10;
    // Ten years back: 2014 is in, 2013 (11 years old) is not, although fewer than 10 meetings were found.
    TBilan b = Confrontations(Archive, c, Grille);
    EXPECT_EQ(Colonne(Grille, 0), (std::vector<std::string>{"2024", "2022", "2020", "2018", "2016", "2014"}));
    EXPECT_EQ(b.Victoires, 6);
    EXPECT_EQ(Grille.GetTexte(1, 1), "Alpha");
    EXPECT_EQ(Grille.GetTexte(2, 1), "2-1");
    EXPECT_EQ(b.TexteVictoires, TraduitFmt(352, {6, "Alpha"}));
    EXPECT_EQ(b.TexteDefaites, TraduitFmt(352, {0, "Beta"}));

    // Three meetings: the seasons without one do not count towards them.
    c.ParAnnees = false;
    c.Limite = 3;
    b = Confrontations(Archive, c, Grille);
    EXPECT_EQ(Colonne(Grille, 0), (std::vector<std::string>{"2024", "2022", "2020"}));
    EXPECT_EQ(b.Rencontres, 3);

    // No meeting at all: the middle column says so.
    c.Domicile = Beta;
    c.Exterieur = Gamma;
    b = Confrontations(Archive, c, Grille);
    EXPECT_EQ(b.Lignes, 0);
    EXPECT_EQ(Grille.GetTexte(1, 1), Traduit(355));
    EXPECT_FALSE(Traduit(355).empty());
}

TEST_F(HistoriqueTest, LeMatchRetourSeCompteMemeSansMatchAller)
{
    // Only the return leg was played: Beta 3, Alpha 1.
    Saison(2023).SetScore(1, 0, 3, 1);
    Saison(2024).SetScore(0, 1, 1, 1);
    TCritere c;
    c.Domicile = Alpha;
    c.Exterieur = Beta;
    c.AnneeCourante = 2024;
    c.Retour = true;
    const TBilan b = Confrontations(Archive, c, Grille);
    EXPECT_EQ(Colonne(Grille, 0), (std::vector<std::string>{"2024", "2023"}));
    EXPECT_EQ(Colonne(Grille, 1), (std::vector<std::string>{Traduit(230), "Beta"}));
    // Written with the away team's goals first.
    EXPECT_EQ(Grille.GetTexte(2, 2), "1-3");
    EXPECT_EQ(b.Nuls, 1);
    EXPECT_EQ(b.Defaites, 1);
    EXPECT_EQ(b.Rencontres, 2);
}

TEST_F(HistoriqueTest, TableauDesResultats)
{
    TSaisonStat& s = Saison(2024);
    s.SetScore(0, 1, 2, 1);
    RemplitTableau(Archive, &s, Grille);
    EXPECT_TRUE(Grille.GetVisible());
    EXPECT_EQ(Grille.GetTexte(1, 0), "Alp.");
    EXPECT_EQ(Grille.GetTexte(0, 1), "Alpha");
    EXPECT_EQ(Grille.GetCouleurFond(1, 1), 0);
    EXPECT_EQ(Grille.GetTexte(2, 1), "2 - 1");
    EXPECT_EQ(Grille.GetTexte(3, 1), "-");
    RemplitTableau(Archive, nullptr, Grille);
    EXPECT_FALSE(Grille.GetVisible());
}

TEST_F(HistoriqueTest, ClassementsDeLaSaison)
{
    TSaisonStat& s = Saison(2024);
    // Goals for: Alpha 50, Beta 50, Gamma 40; conceded: Alpha 40, Beta 0, Gamma 100.
    s.SetScore(0, 2, 50, 0);
    s.SetScore(1, 2, 50, 0);
    s.SetScore(2, 0, 40, 0);
    RemplitClassement(Archive, &s, Attaque, Grille);
    EXPECT_EQ(Colonne(Grille, 0), (std::vector<std::string>{"1", "-", "3"}));
    EXPECT_EQ(Colonne(Grille, 2), (std::vector<std::string>{"50", "50", "40"}));
    RemplitClassement(Archive, &s, Defense, Grille);
    EXPECT_EQ(Grille.GetTexte(1, 1), "Beta");
    EXPECT_EQ(Colonne(Grille, 2), (std::vector<std::string>{"0", "40", "100"}));
    RemplitClassement(Archive, &s, General, Grille);
    ASSERT_EQ(Grille.GetColCount(), 10);
    EXPECT_EQ(Grille.GetTexte(9, 0), Traduit(47));
    EXPECT_EQ(Colonne(Grille, 9), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(HistoriqueTest, SaisieDesScoresEtEnregistrement)
{
    TSaisonStat& s = Saison(2024);
    RemplitSaisie(Archive, &s, Grille);
    ASSERT_EQ(Grille.GetColCount(), 7);
    // Each pair is headed by its team as the results table heads it.
    TModeleGrille tableau;
    RemplitTableau(Archive, &s, tableau);
    for (int j = 1; j <= 3; ++j) {
        EXPECT_EQ(Grille.GetTexte(2 * j - 1, 0), tableau.GetTexte(j, 0));
        EXPECT_EQ(Grille.GetTexte(2 * j, 0), "");
    }
    EXPECT_EQ(Grille.GetTexte(3, 0), "Bet.");
    TSaisie saisie(3);
    EXPECT_EQ(saisie.Col(), 3);
    // "*", "1", "2" stores 12 and moves on; "3" alone stores 3; a letter is dropped.
    for (char32_t c : {U'*', U'1', U'2', U'x', U'3'})
        saisie.Touche(c, Grille);
    EXPECT_EQ(Grille.GetTexte(3, 1), "12");
    EXPECT_EQ(Grille.GetTexte(4, 1), "3");
    EXPECT_EQ(saisie.Col(), 5);
    // Across the rows the cursor never lands on a team's own pair, the last row included.
    std::vector<std::pair<int, int>> vues;
    for (int k = 0; k < 12; ++k) {
        saisie.Touche(U'0', Grille);
        vues.emplace_back(saisie.Col(), saisie.Row());
        EXPECT_TRUE(saisie.Selectionnable(saisie.Col(), saisie.Row())) << saisie.Col() << "," << saisie.Row();
    }
    // (6, 3) is the last team's own pair: (4, 3) is the last cell, and keeps the cursor.
    EXPECT_EQ(vues.back(), std::make_pair(4, 3));
    EXPECT_EQ(vues[vues.size() - 2], std::make_pair(4, 3));
    EXPECT_FALSE(saisie.Selectionne(5, 3));
    EXPECT_TRUE(saisie.Selectionne(1, 3));

    Grille.SetTexte(1, 2, "");
    Grille.SetTexte(2, 2, "x");
    EnregistreSaisie(Grille, s, 1);
    uint8_t a = 0, b = 0;
    s.GetScore(0, 1, a, b);
    EXPECT_EQ(a, 12);
    EXPECT_EQ(b, 3);
    s.GetScore(1, 0, a, b);
    EXPECT_EQ(a, TSaisonStat::NonJoue);
    EXPECT_EQ(b, TSaisonStat::NonJoue);
    EXPECT_EQ(s.GetSystemePoints(), 1);
}

TEST_F(HistoriqueTest, NouvelleSaisonDesLignesDuMemo)
{
    Saison(2024);
    EXPECT_EQ(AjouteSaison(Archive, 2023, {"", "  "}), nullptr);
    TSaisonStat* s = AjouteSaison(Archive, 2023, {"Alpha", "", "Delta", "Beta", ""});
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->NbEquipes(), 3);
    EXPECT_EQ(s->GetAnnee(), 123);
    EXPECT_EQ(Archive.NomEquipe(s->GetEquipe(1)), "Delta");
    EXPECT_EQ(ListeSaisons(Archive),
              (std::vector<std::string>{TraduitFmt(356, {2024, 3}), TraduitFmt(356, {2023, 3})}));
    // The same year again replaces it.
    AjouteSaison(Archive, 2023, {"Gamma"});
    EXPECT_EQ(Archive.NbSaisons(), 2);
    EXPECT_EQ(Archive.GetSaison(1)->NbEquipes(), 1);
}

// Archiving a season tells which season went into which division's archive,
// and where that archive is.
TEST_F(HistoriqueTest, TheArchiveMessageNamesTheSeasonTheDivisionAndTheFile)
{
    Archive.SetId(101);
    Archive.SetNomFichier("/prog/stats/stat101.sta");
    const std::string SansCatalogue = TexteArchive(Archive, 124);
    EXPECT_EQ(SansCatalogue, TraduitFmt(3269, {2024, "101", "/prog/stats/stat101.sta"}));
    testsupport::CatalogueInstalle Catalogue;
    const std::string Texte = TexteArchive(Archive, 124);
    EXPECT_NE(Texte.find("2024"), std::string::npos);
    EXPECT_NE(Texte.find("France : Ligue 1"), std::string::npos) << Texte;
    EXPECT_NE(Texte.find("/prog/stats/stat101.sta"), std::string::npos);

    // The shipped World Cup is of the user's own making: its archives are
    // filed under codes no catalogue knows, and are named as the open season
    // names its championships.
    const std::unique_ptr<TSaison> Saison =
        testsupport::ChargeParDispatcheur(AppDir() + "sauvegarde/coupe-du-monde-2022.xmc");
    ASSERT_NE(Saison, nullptr);
    const int Code = Saison->GetChampionnat(1)->GetCode();
    ASSERT_TRUE(LectureParam()->GetNomComplet(Code).empty());
    EXPECT_EQ(NomDivision(Code, nullptr), std::to_string(Code));
    const std::string Nom = NomDivision(Code, Saison.get());
    EXPECT_NE(Nom.find("Phase de groupes"), std::string::npos) << Nom;
    Archive.SetId(Code);
    EXPECT_EQ(TexteArchive(Archive, 124, Saison.get()), TraduitFmt(3269, {2024, Nom, "/prog/stats/stat101.sta"}));
    EXPECT_EQ(NomDivision(101, Saison.get()), "France : Ligue 1");
}

} // namespace
