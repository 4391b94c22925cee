#include "presentation/Effectifs.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/StatFicheJoueur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "presentation/ModeleGrille.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace Effectifs;

namespace {

// Arles (0) and Brest (1) in the current league (division 101, season 2024),
// Brest first; Caen (2) and Dijon (3) in an international championship;
// Amiens (5) in none. Arles: a goalkeeper, two defenders, a midfielder and a
// forward; Brest: one player.
class EffectifsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison.AjouteEquipe("Arles", 0);
        Saison.AjouteEquipe("Brest", 1);
        Saison.AjouteEquipe("Caen", 2);
        Saison.AjouteEquipe("Dijon", 3);
        Saison.AjouteEquipe("Amiens", 5);
        auto ligue = Saison.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        ligue->CodeChamp = 1;
        ligue->Division = 101;
        ligue->AjouteEquipe(1);
        ligue->AjouteEquipe(0);
        ligue->SetNbJour(1);
        ligue->SetNbMatch(1);
        ligue->SetOption(8, 124);
        Saison.AjouteChampionnat(std::move(ligue));
        auto inter = Saison.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeInternational);
        inter->CodeChamp = 2;
        inter->Division = 900;
        inter->AjouteEquipe(2);
        inter->AjouteEquipe(3);
        inter->SetNbJour(1);
        inter->SetNbMatch(1);
        Saison.AjouteChampionnat(std::move(inter));
        Saison.SetNumChampCourant(1);

        Gardien = Joueur("Gardien", "Gaston", 0, 'G');
        Gardien->Maillot = 1;
        Gardien->Age = 90;
        Gardien->ClubPrec = static_cast<uint16_t>(Saison.ChercheClubPrec("NANTES", true));
        Gardien->Duree = 120;
        Gardien->AjouteStatCarriere(101, 50, 0);
        Joueur("Defa", "Denis", 0, 'D');
        Defb = Joueur("Defb", "David", 0, 'D');
        Milieu = Joueur("Milieu", "Marc", 0, 'M');
        Attaquant = Joueur("Attaquant", "Alain", 0, 'A');
        Joueur("Breton", "Bruno", 1, 'M');

        Page = std::make_unique<TEffectifs>(Saison, Grille);
        Page->OnModifie = [this] { ++Modifications; };
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TJoueur* Joueur(const char* nom, const char* prenom, uint16_t equipe, char poste)
    {
        auto j = Saison.CreeJoueur(nom, prenom, -1, equipe);
        j->SetLettrePoste(poste);
        j->ClubPrec = 65535;
        return Saison.Joueurs().AjouteSimple(std::move(j));
    }
    std::vector<std::string> Ligne(int r) const
    {
        std::vector<std::string> t;
        for (int c = 0; c < Grille.GetColCount(); ++c)
            t.push_back(Grille.GetTexte(c, r));
        return t;
    }
    int Saisie() const { return Grille.GetRowCount() - 1; }
    // The cursor leaves row `de` for row `vers`, as a click does.
    void Quitte(int de, int vers)
    {
        Grille.SelectionneCellule(1, de);
        if (Page->SelectionneCellule(1, vers))
            Grille.SelectionneCellule(1, vers);
    }
    int LigneDe(const std::string& nom) const
    {
        for (int r = 1; r < Grille.GetRowCount(); ++r)
            if (Grille.GetTexte(2, r) == nom)
                return r;
        return -1;
    }

    TSaisonFootball Saison;
    TModeleGrille Grille;
    std::unique_ptr<TEffectifs> Page;
    TJoueur* Gardien = nullptr;
    TJoueur* Defb = nullptr;
    TJoueur* Milieu = nullptr;
    TJoueur* Attaquant = nullptr;
    int Modifications = 0;
};

TEST_F(EffectifsTest, TeamListPutsTheCurrentChampionshipFirst)
{
    const std::vector<TElementEquipe> liste = ListeEquipes(Saison);
    ASSERT_EQ(liste.size(), 5u);
    const std::vector<std::string> textes = {"00011\x01"
                                             "Brest",
                                             "00001\x01"
                                             "Arles",
                                             "00050\x04"
                                             "Amiens",
                                             "00020\x05"
                                             "Caen",
                                             "00030\x05"
                                             "Dijon"};
    const std::vector<int> objets = {0, 0, 0, 1, 1};
    for (size_t i = 0; i < liste.size(); ++i) {
        EXPECT_EQ(liste[i].Texte, textes[i]) << i;
        EXPECT_EQ(liste[i].Objet, objets[i]) << i;
    }
    EXPECT_EQ(IdElement(liste[2].Texte), 5);
    EXPECT_EQ(IdElement("ab"), -1);
}

TEST_F(EffectifsTest, GridOfATeamCellByCell)
{
    Page->Remplit(1, false);
    EXPECT_EQ(Page->Equipe(), 0) << "position 1 of the league is Arles";
    EXPECT_EQ(Page->IndexEquipe(), 1);
    ASSERT_EQ(Grille.GetRowCount(), 7);
    EXPECT_EQ(Ligne(1), (std::vector<std::string>{"G", "1", "Gardien", "Gaston", "90", "NANTES", "2020", "50", "0", "0",
                                                  "0", "0", "0"}));
    EXPECT_EQ(Grille.GetDonnee(7, 1), 101) << "the record shown";
    EXPECT_EQ(Ligne(4),
              (std::vector<std::string>{"M", "-", "Milieu", "Marc", "-", "", "-", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(Grille.GetDonnee(7, 4), 0);
    EXPECT_EQ(Grille.GetDonnee(7, 0), 101) << "the career championship's division";
    EXPECT_EQ(Grille.GetDonnee(0, 5), Attaquant->Numero);
    EXPECT_EQ(Grille.GetTexte(2, 0), "Nom");

    // A red line closes each position group, the entry row last.
    EXPECT_EQ(Grille.GetCouleurLigne(1), 0x0000FFu);
    EXPECT_EQ(Grille.GetCouleurLigne(2), 0u);
    for (int r : {3, 4, 5})
        EXPECT_EQ(Grille.GetCouleurLigne(r), 0x0000FFu) << r;
    EXPECT_EQ(Ligne(6), std::vector<std::string>(13));
    for (int c = 0; c < 13; ++c)
        EXPECT_EQ(Grille.GetCouleurFond(c, 6), 0xCCFFFFu) << c;

    EXPECT_EQ(Grille.GetLargeurColonne(9), 50);
    EXPECT_EQ(LargeurGrille(true), 835);
    EXPECT_EQ(HauteurGrille(Grille), 9 * 20);
    Page->Remplit(1, true);
    EXPECT_EQ(Grille.GetLargeurColonne(9), 0);
    EXPECT_EQ(LargeurGrille(false), 635);
}

TEST_F(EffectifsTest, SeasonFiguresBesideTheTotals)
{
    Attaquant->SetMatchs(1, 10);
    Attaquant->SetMatchs(2, 2);
    Attaquant->SetStat(1, 1, 3);
    Attaquant->SetStat(2, 1, 2);
    Attaquant->SetAvertissements(1, 1);
    bool recalcul = false;
    RemplitTableau(true, 0, 1, recalcul, Saison, Grille, 1);
    const int r = LigneDe("Attaquant");
    EXPECT_EQ(Grille.GetTexte(9, r), "10 (12)");
    EXPECT_EQ(Grille.GetTexte(10, r), "3(5)");
    EXPECT_EQ(Grille.GetTexte(11, r), "1") << "the total alone when it is the figure";
    // Without a comparison championship the totals alone.
    RemplitTableau(true, 0, 1, recalcul, Saison, Grille, -1);
    EXPECT_EQ(Grille.GetTexte(9, r), "12");
    EXPECT_EQ(Grille.GetTexte(10, r), "5");
    // A pending recount is done once, from the match sheets (there are none).
    recalcul = true;
    RemplitTableau(true, 0, 1, recalcul, Saison, Grille, 1);
    EXPECT_FALSE(recalcul);
    EXPECT_EQ(Grille.GetTexte(9, r), "0");
}

// The card keeps a total typed below the season's figures as a negative
// correction; the career columns show that correction beside the season's
// figures, so that the two add up to the card's total, and keep it on commit.
TEST_F(EffectifsTest, ATotalLoweredOnTheCardKeepsItsSignOnThePage)
{
    Page->Remplit(1, false); // the page's one recount, before the season's figures are set
    Attaquant->SetMatchs(1, 3);
    Attaquant->SetStat(1, 1, 1);
    Attaquant->AjouteStatCarriere(101, 0, 0);
    std::vector<StatFicheJoueur::TEntreeCarriere> carte = StatFicheJoueur::EntreesCarriere(Saison, *Attaquant);
    ASSERT_EQ(carte.size(), 1u);
    carte[0].Matchs = 2;
    carte[0].Buts = 0;
    ASSERT_TRUE(StatFicheJoueur::EnregistreCarriere(Saison, *Attaquant, carte));

    Page->Remplit(1, false);
    const int r = LigneDe("Attaquant");
    EXPECT_EQ(Grille.GetTexte(7, r), "-1");
    EXPECT_EQ(Grille.GetTexte(8, r), "-1");
    EXPECT_EQ(std::stoi(Grille.GetTexte(7, r)) + std::stoi(Grille.GetTexte(9, r)), 2) << "the card's total";
    EXPECT_EQ(std::stoi(Grille.GetTexte(8, r)) + std::stoi(Grille.GetTexte(10, r)), 0);

    Page->SetTexte(7, r, Grille.GetTexte(7, r));
    Page->ValideLigne(r);
    EXPECT_EQ(Modifications, 0) << "a row committed as shown changes nothing";
    EXPECT_EQ(StatFicheJoueur::EntreesCarriere(Saison, *Attaquant)[0].Matchs, 2);
    EXPECT_EQ(StatFicheJoueur::EntreesCarriere(Saison, *Attaquant)[0].Buts, 0);

    const std::string table = EffectifEquipe(Saison, "Arles", {});
    EXPECT_NE(table.find(">-1<"), std::string::npos);
    EXPECT_EQ(table.find("65535"), std::string::npos);
}

TEST_F(EffectifsTest, TypingASurnameInTheEntryRowCreatesAPlayer)
{
    Page->Remplit(1, false);
    const int entree = Saisie();
    const int prochain = Saison.Joueurs().GetMaxId() + 1;
    EXPECT_TRUE(Page->SetTexte(2, entree, "Nouveau"));
    EXPECT_EQ(Saisie(), entree + 1) << "a new entry row follows";
    Page->SetTexte(0, entree, "d");
    Page->SetTexte(6, entree, "2005");
    Quitte(entree, 1);
    const TJoueur* j = Saison.Joueurs().ChercheId(prochain);
    ASSERT_NE(j, nullptr);
    EXPECT_EQ(j->Nom, "Nouveau");
    EXPECT_EQ(j->EquipeClub, 0);
    EXPECT_EQ(j->GetLettrePoste(), 'D');
    EXPECT_EQ(j->Duree, 105);
    EXPECT_EQ(Modifications, 1);
    EXPECT_EQ(Grille.GetRowCount(), 8) << "refilled: the player among the defenders, one entry row";
    EXPECT_EQ(Grille.GetTexte(2, 4), "Nouveau");

    // A first name alone is no player.
    const int avant = Saison.Joueurs().Nombre();
    Page->SetTexte(3, Saisie(), "Jean");
    Quitte(Saisie() - 1, 1);
    EXPECT_EQ(Saison.Joueurs().Nombre(), avant);
    EXPECT_EQ(Modifications, 1);
}

TEST_F(EffectifsTest, ArrivalYearsAndSurnames)
{
    EXPECT_EQ(AnneeCellule("2005"), 105);
    EXPECT_EQ(AnneeCellule(" 1901 "), 1);
    EXPECT_EQ(AnneeCellule("2155"), 255);
    for (const char* t : {"-", "", "0", "1900", "2156", "abc", "48"})
        EXPECT_EQ(AnneeCellule(t), 0) << t;

    Page->Remplit(1, false);
    int r = LigneDe("Milieu");
    Page->SetTexte(6, r, "-");
    Page->ValideLigne(r);
    EXPECT_EQ(Milieu->Duree, 0);
    EXPECT_EQ(Modifications, 0) << "nothing differed";
    Page->SetTexte(6, r, "2005");
    Page->SetTexte(1, r, "8");
    Page->SetTexte(5, r, "lyon");
    Page->ValideLigne(r);
    EXPECT_EQ(Milieu->Duree, 105);
    EXPECT_EQ(Milieu->Maillot, 8);
    EXPECT_EQ(Saison.GetClubPrec(Milieu->ClubPrec), "LYON");
    EXPECT_EQ(Modifications, 1);
    r = LigneDe("Milieu");
    Page->SetTexte(6, r, "");
    Page->ValideLigne(r);
    EXPECT_EQ(Milieu->Duree, 0);

    // A new surname sorts the player again within his group.
    ASSERT_EQ(LigneDe("Defb"), 3);
    Page->SetTexte(2, 3, "Aaron");
    Page->ValideLigne(3);
    EXPECT_EQ(Defb->Nom, "Aaron");
    EXPECT_EQ(LigneDe("Aaron"), 2);
    EXPECT_EQ(LigneDe("Defa"), 3);
}

TEST_F(EffectifsTest, CareerFiguresAreWrittenOnlyWhenTyped)
{
    Page->Remplit(1, false);
    const int r = LigneDe("Milieu");
    Page->SetTexte(7, r, "12");
    Page->SetTexte(8, r, "3");
    Page->ValideLigne(r);
    TStatCarriere stat;
    ASSERT_NE(Milieu->ChercheStatCarriere(101, &stat), 65535) << "created under the championship's division";
    EXPECT_EQ(stat.Matchs, 12);
    EXPECT_EQ(stat.Buts, 3);
    const int g = LigneDe("Gardien");
    Page->SetTexte(7, g, "51");
    Page->ValideLigne(g);
    EXPECT_EQ(Gardien->GetStatCarriere(0).Matchs, 51);
    EXPECT_EQ(Gardien->NbStatHist(), 1);
}

TEST_F(EffectifsTest, VisitingThePageChangesNothing)
{
    Page->Remplit(1, false);
    for (int r = 1; r < Grille.GetRowCount(); ++r)
        for (int c = 0; c < 9; ++c)
            Page->SetTexte(c, r, Grille.GetTexte(c, r));
    for (int r = 1; r + 1 < Grille.GetRowCount(); ++r)
        Quitte(r, r + 1);
    Page->ValideTout();
    EXPECT_EQ(Modifications, 0);
    for (const TJoueur* j : Saison.Joueurs().GetListeEquipeParPoste(0))
        EXPECT_EQ(j->NbStatHist(), j == Gardien ? 1 : 0) << j->Nom;
    EXPECT_EQ(Saison.NbClubPrec(), 1);
    EXPECT_FALSE(Page->SelectionneCellule(9, 1)) << "the season's figures cannot be selected";
}

TEST_F(EffectifsTest, ReleaseAndTransfer)
{
    Page->Remplit(1, false);
    EXPECT_FALSE(Page->Libere(Saisie()));
    ASSERT_TRUE(Page->Libere(LigneDe("Milieu")));
    EXPECT_EQ(Milieu->EquipeClub, 65535);
    EXPECT_EQ(Milieu->Contrat, 100);
    EXPECT_EQ(Milieu->Duree, 124);
    EXPECT_EQ(Saison.GetClubPrec(Milieu->ClubPrec), "Arles");
    EXPECT_NE(Saison.Joueurs().ChercheId(Milieu->Numero), nullptr) << "he stays in the season";
    EXPECT_EQ(Modifications, 1);
    EXPECT_EQ(LigneDe("Milieu"), -1);

    EXPECT_FALSE(Page->AccepteDepot(1)) << "his own team";
    EXPECT_TRUE(Page->AccepteDepot(0));
    ASSERT_TRUE(Page->Transfere(LigneDe("Attaquant"), 0));
    EXPECT_EQ(Attaquant->EquipeClub, 1);
    EXPECT_EQ(Attaquant->Contrat, 99);
    EXPECT_EQ(Saison.GetClubPrec(Attaquant->ClubPrec), "Arles");
    EXPECT_EQ(Modifications, 2);
    EXPECT_EQ(LigneDe("Attaquant"), -1);

    // Another team: its figures compare with nothing outside the league.
    EXPECT_TRUE(Page->ChangeEquipe(3));
    EXPECT_EQ(Page->Equipe(), 2 | BitNational);
    EXPECT_EQ(Page->ChampComparaison(), -1);
    EXPECT_FALSE(Page->ChangeEquipe(3));
    EXPECT_TRUE(Page->ChangeEquipe(0));
    EXPECT_EQ(Page->ChampComparaison(), 1);
    EXPECT_EQ(LigneDe("Attaquant"), 2) << "among Brest's players";
}

TEST_F(EffectifsTest, TheCardOpensInItsModes)
{
    Page->Remplit(1, false);
    TJoueur* vu = nullptr;
    int mode = 0, champ = 0, poste = -1;
    bool change = false;
    const TFiche fiche = [&](TJoueur*& j, int n, int m, int p, bool* c) {
        vu = j;
        champ = n;
        mode = m;
        poste = p;
        *c = change;
        return true;
    };
    Page->Edite(LigneDe("Attaquant"), fiche);
    EXPECT_EQ(vu, Attaquant);
    EXPECT_EQ(mode, 0x10000);
    EXPECT_EQ(champ, 1);
    EXPECT_EQ(Modifications, 0) << "an untouched card";
    change = true;
    Page->Edite(Saisie(), fiche);
    EXPECT_EQ(vu, nullptr);
    EXPECT_EQ(poste, 3) << "the forward above";
    EXPECT_EQ(Modifications, 1);
    Page->Insere(LigneDe("Defa"), fiche);
    EXPECT_EQ(poste, 1);
    Page->Remplit(1, true);
    Page->Insere(1, fiche);
    EXPECT_EQ(mode, 0);
}

TEST_F(EffectifsTest, QuickEntry)
{
    TSaisieRapide rapide(Saison);
    rapide.SetEquipe(1);
    EXPECT_EQ(rapide.Presents(), std::vector<std::string>{"Breton Bruno (Brest)"});
    int cartes = 0;
    bool accepte = true;
    TJoueur* montre = nullptr;
    const TFiche fiche = [&](TJoueur*& j, int, int m, int, bool*) {
        ++cartes;
        montre = j;
        EXPECT_EQ(m, 0x10001);
        return accepte;
    };
    EXPECT_FALSE(rapide.Ajoute("  ", true, fiche));
    EXPECT_EQ(cartes, 0);

    const int avant = Saison.Joueurs().Nombre();
    accepte = false;
    EXPECT_FALSE(rapide.Ajoute("Neuf Jean Pierre", false, fiche));
    EXPECT_EQ(Saison.Joueurs().Nombre(), avant) << "a cancelled card adds nobody";
    accepte = true;
    EXPECT_TRUE(rapide.Ajoute("Neuf Jean Pierre", false, fiche));
    EXPECT_EQ(cartes, 2);
    const TJoueur* neuf = Saison.Joueurs().ChercheNom("Neuf", "Jean Pierre");
    ASSERT_NE(neuf, nullptr);
    EXPECT_EQ(neuf, montre);
    EXPECT_EQ(neuf->EquipeClub, 1);
    EXPECT_EQ(rapide.Presents().back(), "Neuf Jean Pierre (Brest)");

    // A known player moves, and stays moved when his card is cancelled.
    accepte = false;
    EXPECT_TRUE(rapide.Ajoute("Gardien Gaston (Arles)", true, fiche));
    EXPECT_EQ(montre, Gardien);
    EXPECT_EQ(Gardien->EquipeClub, 1);
    EXPECT_EQ(Saison.GetClubPrec(Gardien->ClubPrec), "Arles");
    EXPECT_EQ(Gardien->Duree, 124);
    EXPECT_EQ(rapide.Presents().size(), 2u) << "not listed after a cancelled card";
    EXPECT_TRUE(rapide.Change());
}

TEST_F(EffectifsTest, KeywordTable)
{
    const std::vector<std::string> couleurs{"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};
    EXPECT_EQ(EffectifEquipe(Saison, "Zzz", couleurs), "Equipe \"Zzz\" inconnue<br/>");

    TJoueur* abel = Joueur("Abel", "Paul", 1, 'G');
    abel->Maillot = 16;
    abel->Duree = 110;
    Joueur("Zidane", "Yves", 1, 'A')->Age = 72;
    // The even rows keep the grid's own zebra colour over the row colour.
    auto cellule = [](const char* alignement, const std::string& texte, bool titre = false, bool zebre = false) {
        const std::string t = texte.empty() ? "&nbsp;" : texte;
        return std::string("<td ") + (zebre ? "bgcolor=\"#87CDF8\" " : "") + "align=\"" + alignement + "\">" +
               (titre ? "<b><font color=\"#F0E020\">" + t + "</font></b>"
                      : "<font color=\"#000000\">" + t + "</font>") +
               "</td>\r\n";
    };
    std::string attendu = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\r\n<tr bgcolor=\"#000080\">\r\n";
    const char* titres[] = {"Poste",          "N°",     "Nom",  "Prénom", "Age",  "Club précédent",
                            "Au club depuis", "Matchs", "Buts", "Matchs", "Buts", "Cartons jaunes",
                            "Cartons rouges"};
    for (int c = 0; c < 13; ++c)
        attendu += cellule(c == 1 || c == 2 ? "left" : "center", titres[c], true);
    attendu += "</tr>\r\n";
    const std::vector<std::vector<std::string>> lignes{
        {"G", "16", "Abel", "Paul", "-", "", "2010", "0", "0", "0", "0", "0", "0"},
        {"M", "-", "Breton", "Bruno", "-", "", "-", "0", "0", "0", "0", "0", "0"},
        {"A", "-", "Zidane", "Yves", "72", "", "-", "0", "0", "0", "0", "0", "0"}};
    for (size_t r = 0; r < lignes.size(); ++r) {
        attendu += std::string("<tr bgcolor=\"") + (r % 2 == 0 ? "#C0C0C0" : "#FFFFFF") + "\">\r\n";
        for (int c = 0; c < 13; ++c)
            attendu += cellule(c == 2 || c == 3 || c == 5 ? "left" : "center", lignes[r][static_cast<size_t>(c)], false,
                               r == 1);
        attendu += "</tr>\r\n";
    }
    attendu += "</table>\r\n";
    EXPECT_EQ(EffectifEquipe(Saison, "brest", couleurs), attendu);
}

} // namespace
