#include "presentation/VuesRecherche.h"

#include "base/ServiceMessage.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "support/MessagesScriptes.h"

#include <gtest/gtest.h>

using namespace VuesRecherche;

namespace {

// Teams 0 "Lens" and 1 "Metz" in a one-day league whose match has sheets.
class VuesRechercheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison.AjouteEquipe("Lens", 0);
        Saison.AjouteEquipe("Metz", 1);
        auto c = std::make_unique<TDonneesChampionnatFootball>(&Saison);
        c->AjouteEquipe(0);
        c->AjouteEquipe(1);
        c->SetNbMatch(1);
        c->SetNbJour(1);
        Saison.AjouteChampionnat(std::move(c));
        Champ().AjouteMatch(1, 0, 1, -1, 1, 0);
        Criteres.Postes = {0, 1, 2, 3, 4};
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TDonneesChampionnatFootball& Champ()
    {
        return static_cast<TDonneesChampionnatFootball&>(*Saison.GetChampionnat(1));
    }
    TJoueur* Ajoute(int id, const char* nom, const char* prenom, uint16_t equipe)
    {
        return Saison.Joueurs().AjouteSimple(
            Saison.CreeJoueurComplet(nom, prenom, id, 80, 'D', 0, equipe, 65535, 0, 0, 0));
    }
    // The row of that player's id, -1 when none.
    int Ligne(int id) const
    {
        for (int r = 1; r < Grille.GetRowCount(); ++r)
            if (IdLigne(Grille, r) == id)
                return r;
        return -1;
    }

    TSaisonFootball Saison;
    TModeleGrille Grille;
    TControleurRecherche Controleur{Saison, Grille};
    RechercheJoueurs::TCriteres Criteres;
    testsupport::TMessagesScriptes Messages;
};

void VerifieLigneAucun(const TModeleGrille& g)
{
    ASSERT_EQ(g.GetRowCount(), 2);
    EXPECT_EQ(g.GetTexte(1, 1), Traduit(185));
    EXPECT_EQ(g.GetTexte(ColonneId, 1), "-1");
    EXPECT_EQ(g.GetCouleurFond(1, 1), 0xFFFFFF);
    EXPECT_EQ(g.GetCouleurTexte(1, 1), 0x800000);
    EXPECT_EQ(IdLigne(g, 1), AucunId);
}

} // namespace

TEST_F(VuesRechercheTest, LaGrilleSePrepareSurLaLigneSansResultat)
{
    Ajoute(1, "Dupont", "Jean", 0);
    Controleur.Prepare();
    EXPECT_EQ(Controleur.DerniereAction(), TControleurRecherche::TAction::Aucune);
    ASSERT_EQ(Grille.GetColCount(), 8);
    EXPECT_EQ(Grille.GetFixedRows(), 1);
    const std::vector<std::pair<int, int>> titres{{74, 40},   {71, 100}, {72, 100}, {293, 40},
                                                  {187, 150}, {67, 40},  {68, 40}};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(Grille.GetTexte(c, 0), Traduit(titres[c].first)) << c;
        EXPECT_EQ(Grille.GetLargeurColonne(c), titres[c].second) << c;
        EXPECT_EQ(Grille.GetCouleurFond(c, 0), 0x804080);
        EXPECT_EQ(Grille.GetAlignementH(c, 0), c == 1 || c == 2 ? 0 : 1) << c;
        EXPECT_EQ(Grille.GetTypeTri(c), c == 0 || c == 1 || c == 2 || c == 4 ? 1 : 0) << c;
    }
    EXPECT_EQ(Grille.GetLargeurColonne(ColonneId), 0) << "the id stays hidden";
    EXPECT_NE(Grille.GetEtatTri(1), 0);
    VerifieLigneAucun(Grille);
    EXPECT_EQ(HauteurGrille(Grille), 2 * 21);
}

TEST_F(VuesRechercheTest, UneRechercheRemplitUneLigneZebreeParJoueur)
{
    Ajoute(1, "Dupont", "Jean", 0)->Age = 0;
    Ajoute(2, "Dupré", "Luc", 65535);
    Ajoute(3, "Martin", "Paul", 1);
    Champ().GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(1, 0, 10));
    Champ().SetCompoMatch(1, 0, 1, 1);
    Controleur.Prepare();
    Criteres.Motif = "dup*";
    Controleur.Cherche(Criteres);
    EXPECT_EQ(Controleur.DerniereAction(), TControleurRecherche::TAction::Recherche);
    ASSERT_EQ(Grille.GetRowCount(), 3);
    EXPECT_EQ(Grille.GetTexte(0, 1), "D");
    EXPECT_EQ(Grille.GetTexte(1, 1), "Dupont");
    EXPECT_EQ(Grille.GetTexte(2, 1), "Jean");
    EXPECT_EQ(Grille.GetTexte(3, 1), "-") << "no year of birth";
    EXPECT_EQ(Grille.GetTexte(4, 1), "Lens");
    EXPECT_EQ(Grille.GetTexte(5, 1), "1");
    EXPECT_EQ(Grille.GetTexte(6, 1), "1");
    EXPECT_EQ(Grille.GetTexte(ColonneId, 1), "1");
    EXPECT_EQ(Grille.GetTexte(3, 2), "80");
    EXPECT_EQ(Grille.GetTexte(4, 2), Traduit(186)) << "no team";
    EXPECT_EQ(Grille.GetCouleurFond(1, 1), 0xFFFFFF);
    EXPECT_EQ(Grille.GetCouleurFond(1, 2), 0xF8CD87);
    EXPECT_EQ(Controleur.JoueurLigne(2)->Numero, 2);

    Criteres.Motif = "Zorro";
    Controleur.Cherche(Criteres);
    VerifieLigneAucun(Grille);
    EXPECT_EQ(Controleur.JoueurLigne(1), nullptr);
}

TEST_F(VuesRechercheTest, LesDoublonsAlternentLeurCouleurEtRienNeLaissePasLesResultats)
{
    Ajoute(1, "Dupont", "Jean", 0);
    Ajoute(2, "Dupont", "Jean", 1);
    Ajoute(3, "Martin", "Luc", 0);
    Ajoute(4, "Martin", "Luc", 1);
    Ajoute(5, "Zidane", "Zinedine", 0);
    Controleur.Prepare();
    Controleur.Verifie();
    EXPECT_EQ(Controleur.DerniereAction(), TControleurRecherche::TAction::Verification);
    ASSERT_EQ(Grille.GetRowCount(), 5);
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(Grille.GetCouleurFond(1, r), 0xFFFFFF) << r;
        EXPECT_EQ(Grille.GetCouleurTexte(1, r), r <= 2 ? 0x808000 : 0x800000) << r;
    }
    EXPECT_EQ(Grille.GetTexte(1, 3), "Martin");

    // Without duplicates the search's rows must not stay to read as such.
    Criteres.Motif = "";
    Controleur.Cherche(Criteres);
    Saison.Joueurs().Retire(Saison.Joueurs().ChercheId(2));
    Saison.Joueurs().Retire(Saison.Joueurs().ChercheId(4));
    Controleur.Verifie();
    VerifieLigneAucun(Grille);
}

TEST_F(VuesRechercheTest, UnJoueurNommeParLesMatchsResteEtLesAutresPartent)
{
    Ajoute(1, "Passeur", "", 0);
    Ajoute(2, "Capitaine", "", 0);
    Ajoute(3, "Libre", "", 0);
    Champ().GetPasseursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(1, 0, 10));
    Champ().SetCompoMatch(1, 1, 21, 2);
    Controleur.Prepare();
    Controleur.Cherche(Criteres);
    ASSERT_EQ(Grille.GetRowCount(), 4);
    for (int id : {1, 2}) {
        Messages.Messages.clear();
        EXPECT_FALSE(Controleur.Supprime(Ligne(id)));
        ASSERT_EQ(Messages.Messages.size(), 1u);
        EXPECT_EQ(Messages.Messages[0].Texte, Traduit(298));
        EXPECT_EQ(Messages.Messages[0].Flags, BoutonsMessage::Ok);
    }
    EXPECT_EQ(Saison.Joueurs().Nombre(), 3);
    Messages.Messages.clear();
    EXPECT_TRUE(Controleur.Supprime(Ligne(3)));
    EXPECT_TRUE(Messages.Messages.empty()) << "no confirmation";
    EXPECT_EQ(Saison.Joueurs().ChercheId(3), nullptr);
    EXPECT_EQ(Grille.GetRowCount(), 3) << "the search was redone";
    EXPECT_EQ(Ligne(3), -1);
    EXPECT_FALSE(Controleur.Supprime(0)) << "the title row";
}

TEST_F(VuesRechercheTest, LaFusionDemandeConfirmationPuisOuvreLaFicheDuJoueurGarde)
{
    Ajoute(1, "Dupont", "Jean", 0);
    Ajoute(2, "Dupond", "Jean", 0);
    Champ().GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(2, 0, 10));
    Controleur.Prepare();
    Controleur.Cherche(Criteres);
    std::vector<int> fiches;
    const auto ouvre = [&](int id) { fiches.push_back(id); };

    Messages.Repond(ReponseMessage::Non);
    EXPECT_FALSE(Controleur.Fusionne(Ligne(1), Ligne(2), ouvre));
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(297, {"Dupont", "Dupond", "Dupont"}));
    EXPECT_EQ(Messages.Messages[0].Flags, BoutonsMessage::Oui | BoutonsMessage::Non);
    EXPECT_EQ(Saison.Joueurs().Nombre(), 2);
    EXPECT_EQ(Champ().GetButeursJournee(1)->Get(0)->GetJoueur(), 2);
    EXPECT_TRUE(fiches.empty());

    EXPECT_FALSE(Controleur.Fusionne(Ligne(1), Ligne(1), ouvre)) << "a row dropped on itself";
    EXPECT_EQ(Messages.Messages.size(), 1u);

    Messages.Repond(ReponseMessage::Oui);
    EXPECT_TRUE(Controleur.Fusionne(Ligne(1), Ligne(2), ouvre));
    EXPECT_EQ(fiches, std::vector<int>{1});
    EXPECT_EQ(Saison.Joueurs().Nombre(), 1);
    EXPECT_EQ(Champ().GetButeursJournee(1)->Get(0)->GetJoueur(), 1);
    ASSERT_EQ(Grille.GetRowCount(), 2) << "the search was redone";
    EXPECT_EQ(Grille.GetTexte(6, 1), "1") << "with B's goal";
}
