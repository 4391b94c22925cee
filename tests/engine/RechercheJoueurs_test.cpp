#include "engine/RechercheJoueurs.h"

#include <gtest/gtest.h>

#include "base/Horloge.h"
#include "engine/StatFicheJoueur.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"

namespace {

using namespace RechercheJoueurs;

// Teams 0 "Lens" and 1 "Metz" in a two-day league starting in 2003.
struct Saison : TSaisonFootball {
    Saison()
    {
        AjouteEquipe("Lens", 0);
        AjouteEquipe("Metz", 1);
        auto c = std::make_unique<TDonneesChampionnatFootball>(this);
        c->AjouteEquipe(0);
        c->AjouteEquipe(1);
        c->SetNbMatch(1);
        c->SetNbJour(2);
        c->SetOption(8, 103);
        AjouteChampionnat(std::move(c));
        Champ()->AjouteMatch(1, 0, 1, -1, 1, 0);
    }
    TDonneesChampionnatFootball* Champ() const { return static_cast<TDonneesChampionnatFootball*>(GetChampionnat(1)); }
    TJoueur* Ajoute(int id, const char* nom, const char* prenom = "", uint16_t equipe = 0, uint8_t age = 0,
                    char poste = 'M')
    {
        return Joueurs().AjouteSimple(CreeJoueurComplet(nom, prenom, id, age, poste, 0, equipe, 65535, 0, 0, 0));
    }
};

TCriteres Tous()
{
    TCriteres c;
    c.Postes = {0, 1, 2, 3, 4};
    return c;
}

std::vector<std::string> Noms(const std::vector<TJoueur*>& joueurs)
{
    std::vector<std::string> noms;
    for (const TJoueur* j : joueurs)
        noms.push_back(j->Nom);
    return noms;
}

std::vector<int> Ids(const std::vector<TJoueur*>& joueurs)
{
    std::vector<int> ids;
    for (const TJoueur* j : joueurs)
        ids.push_back(j->Numero);
    return ids;
}

using N = std::vector<std::string>;
using I = std::vector<int>;

} // namespace

TEST(RechercheJoueurs, UnMotifCompareLesNomsPliesEtSeulLEtoileFinaleEstUnJoker)
{
    Saison s;
    s.Ajoute(1, "Dupont", "Jean", 0, 0, 'G');
    s.Ajoute(2, "Dupré", "Luc", 0, 0, 'D');
    s.Ajoute(3, "Dupontel", "Marc", 1);
    s.Ajoute(4, "Martin", "Paul", 1, 0, 'A');
    s.Ajoute(65535, "Dupuis", "Inconnu", 1);

    TCriteres c = Tous();
    c.Motif = "DUP*";
    EXPECT_EQ(Noms(Cherche(s, c)), (N{"Dupont", "Dupontel", "Dupré"}));
    c.Motif = "Dupont";
    EXPECT_EQ(Noms(Cherche(s, c)), (N{"Dupont"}));
    c.Motif = "dupre";
    EXPECT_EQ(Noms(Cherche(s, c)), (N{"Dupré"}));
    c.Motif = "Du*ont";
    EXPECT_TRUE(Cherche(s, c).empty()) << "a star inside is no wildcard";
    c.Motif = "Dupontelle*";
    EXPECT_TRUE(Cherche(s, c).empty()) << "a pattern longer than the name";
    c.Motif = "";
    EXPECT_EQ(Ids(Cherche(s, c)), (I{1, 3, 2, 4})) << "everybody but the player of id 65535";

    c.Postes = {0, 3}; // goalkeepers and forwards
    EXPECT_EQ(Noms(Cherche(s, c)), (N{"Dupont", "Martin"}));
    c.Postes.clear();
    EXPECT_TRUE(Cherche(s, c).empty());
}

TEST(RechercheJoueurs, LesResultatsSuiventLeNomPlieEtGardentEnsembleLesHomonymes)
{
    Saison s;
    s.Ajoute(1, "Zidane", "Zinedine");
    s.Ajoute(2, "Évra", "Patrice");
    s.Ajoute(3, "Abidal", "Eric");
    s.Ajoute(4, "Dupont", "Jean", 0);
    s.Ajoute(5, "Dupont", "Jean", 1);
    s.Ajoute(6, "Dupont", "Paul", 0);
    const std::vector<TJoueur*> r = Cherche(s, Tous());
    ASSERT_EQ(r.size(), 6u);
    EXPECT_EQ(Noms(r), (N{"Abidal", "Dupont", "Dupont", "Dupont", "Évra", "Zidane"}));
    const auto jean = [&](size_t i) { return r[i]->Prenom == "Jean"; };
    EXPECT_TRUE((jean(1) && jean(2)) || (jean(2) && jean(3))) << "the two Jean Dupont side by side";
}

TEST(RechercheJoueurs, UneFourchetteDAgesCompteDepuisLaPremiereAnneeDeLaSaison)
{
    Saison s;
    for (auto [id, age] : {std::pair{1, 78}, {2, 79}, {3, 85}, {4, 86}, {5, 0}, {6, 82}})
        s.Ajoute(id, "Joueur", std::to_string(id).c_str(), 0, static_cast<uint8_t>(age));
    TCriteres c = Tous();
    c.Age = TCritereAge::Entre;
    c.AgeDe = "24";
    c.AgeA = "18"; // swapped to 18 and 24
    EXPECT_EQ(Ids(Cherche(s, c)), (I{6, 3, 2}));

    // A field that is no number counts as 0: from 0 to 18 years, born 85 to 103.
    c.AgeDe = "x";
    EXPECT_EQ(Ids(Cherche(s, c)), (I{4, 3}));

    // Without a current championship the season starts in 1900: nobody.
    Saison vide;
    vide.DetacheChampionnat(1);
    vide.Ajoute(1, "Joueur", "", 0, 80);
    c.AgeDe = "18";
    EXPECT_TRUE(Cherche(vide, c).empty());
}

TEST(RechercheJoueurs, UneDateDeNaissanceNeRetientQueLesChampsNumeriques)
{
    Saison s;
    s.Ajoute(1, "Avant", "")->DateNaissance = NumeroJour(1984, 12, 31);
    s.Ajoute(2, "Mars", "")->DateNaissance = NumeroJour(1985, 3, 14);
    s.Ajoute(3, "Noel", "")->DateNaissance = NumeroJour(1985, 12, 25);
    s.Ajoute(4, "Sans", "")->DateNaissance = 0;
    TCriteres c = Tous();
    c.Age = TCritereAge::Naissance;
    c.Annee = "85";
    EXPECT_EQ(Noms(Cherche(s, c)), (N{"Mars", "Noel"}));
    c.Mois = "12";
    c.Annee = "?";
    EXPECT_EQ(Noms(Cherche(s, c)), (N{"Avant", "Noel"}));
    // The empty date reads 30/12/1899: it is no birth date to match.
    c.Jour = "30";
    c.Annee = "";
    EXPECT_TRUE(Cherche(s, c).empty());
}

TEST(RechercheJoueurs, LesDoublonsSontLesSeriesDeNomsEtPrenomsPliesEgaux)
{
    Saison s;
    s.Ajoute(1, "Dupont", "Jean", 0);
    s.Ajoute(2, "DUPONT", "Jean", 1);
    s.Ajoute(3, "Dupont", "Paul", 0);
    s.Ajoute(4, "Martin", "Luc", 0);
    s.Ajoute(5, "Martin", "Luc", 1);
    s.Ajoute(6, "Martín", "Luc", 65535);
    const auto series = Doublons(s);
    ASSERT_EQ(series.size(), 2u);
    EXPECT_EQ(Ids(series[0]), (I{1, 2}));
    EXPECT_EQ(Ids(series[1]).size(), 3u);

    Saison sans;
    sans.Ajoute(1, "Dupont", "Jean");
    sans.Ajoute(2, "Dupont", "Paul");
    EXPECT_TRUE(Doublons(sans).empty());
}

TEST(RechercheJoueurs, UnJoueurEstUtiliseParToutEvenementEtTouteCompositionDeSesMatchs)
{
    Saison s;
    TDonneesChampionnatFootball& c = *s.Champ();
    const auto evt = [](int joueur) { return std::make_unique<TDonneesEvt>(joueur, 0, 10); };
    c.GetButeursJournee(1)->Ajoute(evt(1));
    c.GetCartonsJournee(1)->Ajoute(evt(2));
    c.GetPasseursJournee(2)->Ajoute(evt(3));
    c.SetCompoMatch(1, 0, 5, 4);
    c.SetCompoMatch(1, 1, 17, 5);
    c.SetCompoMatch(1, 1, 21, 6);
    c.SetCompoMatch(1, 0, 18, 7); // a minute, not a player
    for (int id : {1, 2, 3, 4, 5, 6})
        EXPECT_TRUE(JoueurUtilise(s, id)) << id;
    EXPECT_FALSE(JoueurUtilise(s, 7));
    EXPECT_FALSE(JoueurUtilise(s, 8));

    // The lists of another sport count the same.
    auto rugby = std::make_unique<TDonneesChampionnatRugby>(&s);
    rugby->AjouteEquipe(0);
    rugby->SetNbJour(1);
    rugby->GetDropsJournee(1)->Ajoute(evt(8));
    s.AjouteChampionnat(std::move(rugby));
    EXPECT_TRUE(JoueurUtilise(s, 8));
}

TEST(RechercheJoueurs, SeulUnJoueurQueRienNeNommePeutEtreEfface)
{
    Saison s;
    const TJoueur* passeur = s.Ajoute(1, "Passeur");
    const TJoueur* capitaine = s.Ajoute(2, "Capitaine");
    const TJoueur* libre = s.Ajoute(3, "Libre");
    s.Champ()->GetPasseursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(1, 0, 10));
    s.Champ()->SetCompoMatch(1, 0, 21, 2);
    EXPECT_FALSE(SupprimeJoueur(s, passeur));
    EXPECT_FALSE(SupprimeJoueur(s, capitaine));
    EXPECT_TRUE(SupprimeJoueur(s, libre));
    EXPECT_EQ(s.Joueurs().Nombre(), 2);
    EXPECT_EQ(s.Joueurs().ChercheId(3), nullptr);
}

TEST(RechercheJoueurs, LaFusionGardeLesMeilleursChiffresEtDonneAAToutCeQuiNommaitB)
{
    Saison s;
    TJoueur* a = s.Ajoute(1, "Dupont", "Jean", 0);
    const TJoueur* b = s.Ajoute(2, "Dupond", "Jean", 0);
    a->SetStatHist(101, 0, 5);
    a->SetStatHist(101, 1, 2);
    s.Joueurs().ChercheId(2)->SetStatHist(101, 0, 8);
    s.Joueurs().ChercheId(2)->SetStatHist(101, 1, 1);
    s.Joueurs().ChercheId(2)->SetStatHist(202, 0, 3);
    TDonneesChampionnatFootball& c = *s.Champ();
    c.GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(2, 0, 10));
    c.GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(2, 0, 20));
    c.GetPasseursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(2, 0, 10));
    c.SetCompoMatch(1, 0, 9, 2);
    c.SetCompoMatch(1, 0, 21, 2);

    FusionneJoueurs(s, *a, b);
    EXPECT_EQ(a->GetNbMatchHist(101, 0), 8);
    EXPECT_EQ(a->GetNbMatchHist(101, 1), 2);
    EXPECT_EQ(a->GetNbMatchHist(202, 0), 3);
    EXPECT_EQ(c.GetButeursJournee(1)->Get(0)->GetJoueur(), 1);
    EXPECT_EQ(c.GetCartonsJournee(1)->Get(0)->GetJoueur(), 1);
    EXPECT_EQ(c.GetPasseursJournee(1)->Get(0)->GetJoueur(), 1);
    EXPECT_EQ(c.GetCompoMatch(1, 0, 9), 1);
    EXPECT_EQ(c.GetCompoMatch(1, 0, 21), 1) << "the captaincy follows";
    EXPECT_EQ(s.Joueurs().Nombre(), 1);
    EXPECT_EQ(s.Joueurs().ChercheId(2), nullptr);
    EXPECT_EQ(a->TotalBut(), 1) << "his season figures count B's goal";
    EXPECT_FALSE(JoueurUtilise(s, 2));
}

TEST(RechercheJoueurs, LaFusionCompareLesCorrectionsAvecLeurSigne)
{
    Saison s;
    s.Champ()->SetCode(101);
    TJoueur* a = s.Ajoute(1, "Dupont", "Jean", 0);
    TJoueur* b = s.Ajoute(2, "Dupond", "Jean", 0);
    a->SetStatHist(101, 0, 3);
    a->SetStatHist(101, 1, 1);
    a->SetStatHist(202, 0, -4);
    b->SetStatHist(101, 0, -2); // B's total was lowered below what the season counts
    b->SetStatHist(101, 1, -1);
    b->SetStatHist(202, 0, -1);
    s.Champ()->GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(2, 0, 10));

    FusionneJoueurs(s, *a, b);
    EXPECT_EQ(a->GetNbMatchHist(101, 0), 3) << "a lowered total of B is no higher one";
    EXPECT_EQ(a->GetNbMatchHist(101, 1), 1);
    EXPECT_EQ(a->GetNbMatchHist(202, 0), -1) << "the higher of two negative corrections";
    const StatFicheJoueur::TEntreeCarriere e = StatFicheJoueur::EntreeCarriere(s, *a, 101);
    EXPECT_EQ(e.Buts, 1 + a->GetStat(1, 1)) << "A's career total keeps its correction over B's goal";
    EXPECT_EQ(a->GetStat(1, 1), 1);
}
