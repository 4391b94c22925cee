#include <gtest/gtest.h>

#include "FauxContexte.h"
#include "base/oTraducteur.h"

#include <limits>

namespace {

class JoueursTest : public ::testing::Test {
protected:
    JoueursTest() : joueurs(&saison)
    {
        saison.Equipes = {{1, "Nantes"}, {2, "Rennes"}, {30, "France"}};
        for (int e : {1, 2, 30})
            joueurs.AjouteEquipe(e);
    }
    std::unique_ptr<TJoueur> Joueur(const std::string& nom, const std::string& prenom, int id, uint16_t equipe)
    {
        return saison.CreeJoueur(nom, prenom, id, equipe);
    }
    std::vector<std::string> NomsEquipe(int equipe)
    {
        std::vector<std::string> noms;
        for (const TJoueur* j : *joueurs.GetListeEquipe(equipe))
            noms.push_back(j->GetNomComplet());
        return noms;
    }

    TFauxContexte saison;
    TJoueurs joueurs;
};

} // namespace

TEST_F(JoueursTest, IdsAreAssignedBeforeTheDuplicateTest)
{
    EXPECT_EQ(joueurs.Ajoute(Joueur("A", "a", 0, 1), nullptr)->Numero, 1);
    EXPECT_EQ(joueurs.Ajoute(Joueur("B", "b", -1, 1), nullptr)->Numero, 2);
    EXPECT_EQ(joueurs.Ajoute(Joueur("C", "c", 20, 1), nullptr)->Numero, 20);
    EXPECT_EQ(joueurs.AjouteSimple(Joueur("D", "d", 5, 1))->Numero, 5);
    EXPECT_EQ(joueurs.AjouteSimple(Joueur("E", "e", -1, 1))->Numero, 21);
    EXPECT_EQ(joueurs.Ajoute(nullptr, nullptr), nullptr);
}

// A file may hold any id: the numbering must never step past the largest int.
TEST_F(JoueursTest, IdsBeyondTheNumberingAreRenumberedAndNeverOverflow)
{
    const int plusGrand = std::numeric_limits<int>::max();
    EXPECT_EQ(joueurs.Ajoute(Joueur("A", "a", plusGrand, 1), nullptr)->Numero, 1);
    EXPECT_EQ(joueurs.GetMaxId(), 1);
    EXPECT_EQ(joueurs.Ajoute(Joueur("B", "b", plusGrand - 1, 1), nullptr)->Numero, plusGrand - 1);
    // No id above the highest is left: the lowest free one is taken.
    EXPECT_EQ(joueurs.Ajoute(Joueur("C", "c", 0, 1), nullptr)->Numero, 2);
    EXPECT_EQ(joueurs.Ajoute(Joueur("D", "d", plusGrand, 1), nullptr)->Numero, 3);
    EXPECT_EQ(joueurs.GetMaxId(), plusGrand - 1);
}

TEST_F(JoueursTest, DuplicatesMergeAndNamesakesSortByTeam)
{
    TJoueur* premier = joueurs.AjouteSimple(Joueur("Dupont", "Jean", 3, 2));
    TListeRenumerotation renum;
    TJoueur* garde = joueurs.Ajoute(Joueur("DUPONT", "jean", 8, 2), &renum);
    EXPECT_EQ(garde, premier);
    EXPECT_EQ(joueurs.Nombre(), 1);
    ASSERT_EQ(renum.size(), 1u);
    EXPECT_EQ(renum[0], (TRenumerotation{8, 3}));

    // Namesakes of another team both stay, in team order.
    joueurs.Ajoute(Joueur("Dupont", "Jean", 9, 1), &renum);
    joueurs.Ajoute(Joueur("Dupond", "Zoé", 10, 65535), &renum);
    ASSERT_EQ(joueurs.Nombre(), 3);
    EXPECT_EQ(joueurs.Get(0)->Nom, "Dupond");
    EXPECT_EQ(joueurs.Get(1)->Numero, 9);
    EXPECT_EQ(joueurs.Get(2)->Numero, 3);
    EXPECT_EQ(joueurs.Get(3), nullptr);
    EXPECT_EQ(renum.size(), 1u);

    // Name lookup ignores case and accents and finds the first namesake.
    EXPECT_EQ(joueurs.ChercheNom("dupont", "JEAN")->Numero, 9);
    EXPECT_EQ(joueurs.ChercheNom("Dupond", "Zoe")->Numero, 10);
    EXPECT_EQ(joueurs.ChercheNom("Dupont", "Paul"), nullptr);
}

TEST_F(JoueursTest, TeamListsAndIdLookup)
{
    joueurs.AjouteSimple(Joueur("Zorro", "", 1, 1));
    joueurs.AjouteSimple(Joueur("Abel", "", 2, 1));
    TJoueur* sansEquipe = joueurs.AjouteSimple(Joueur("Libre", "", 3, 65535));
    TJoueur* inconnue = joueurs.AjouteSimple(Joueur("Perdu", "", 4, 77)); // team without a list
    TJoueur* international = joueurs.AjouteSimple(Joueur("Bleu", "", 5, 2));
    joueurs.SetEquipeNationale(international, 30);

    EXPECT_EQ(NomsEquipe(1), (std::vector<std::string>{"Abel", "Zorro"}));
    EXPECT_EQ(NomsEquipe(65535), (std::vector<std::string>{"Libre"}));
    EXPECT_EQ(NomsEquipe(30), (std::vector<std::string>{"Bleu"}));
    EXPECT_EQ(joueurs.GetListeEquipe(77), nullptr);
    EXPECT_EQ(joueurs.GetListeEquipe(-1), nullptr);
    EXPECT_EQ(joueurs.GetListeEquipe(100000), nullptr);

    EXPECT_EQ(joueurs.ChercheId(3, 65535), sansEquipe);
    EXPECT_EQ(joueurs.ChercheId(4, 1), inconnue); // falls back to the master list
    EXPECT_EQ(joueurs.ChercheId(0), nullptr);
    EXPECT_EQ(joueurs.ChercheId(99, 1), nullptr);

    // In an international championship the national team is the current team.
    saison.International = true;
    EXPECT_EQ(international->GetEquipe(), 30);
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    EXPECT_EQ(sansEquipe->GetLibelleClubs(), "Sans club");
    InstalleTraducteur(nullptr);
    EXPECT_EQ(international->GetLibelleClubs(), "Rennes, France");
    saison.International = false;
    EXPECT_EQ(international->GetEquipe(), 2);

    joueurs.SetEquipeNationale(international, 65535);
    EXPECT_TRUE(joueurs.GetListeEquipe(30)->empty());

    // A team changed behind the registry's back still leaves every list.
    TJoueur* zorro = joueurs.ChercheNom("Zorro", "");
    zorro->EquipeClub = 2;
    zorro = joueurs.ChangeEquipe(zorro, nullptr);
    EXPECT_EQ(NomsEquipe(1), (std::vector<std::string>{"Abel"}));
    EXPECT_EQ(NomsEquipe(2), (std::vector<std::string>{"Bleu", "Zorro"}));

    auto retire = joueurs.Retire(zorro);
    ASSERT_TRUE(retire);
    EXPECT_EQ(NomsEquipe(2), (std::vector<std::string>{"Bleu"}));
    EXPECT_EQ(joueurs.Retire(retire.get()), nullptr);
}

TEST_F(JoueursTest, DeletingATeamKeepsPlayersWithStatisticsElsewhere)
{
    auto* seulIci = static_cast<TJoueurFootball*>(joueurs.AjouteSimple(Joueur("Ici", "", 1, 1)));
    auto* ailleurs = static_cast<TJoueurFootball*>(joueurs.AjouteSimple(Joueur("Ailleurs", "", 2, 1)));
    auto* rien = joueurs.AjouteSimple(Joueur("Rien", "", 3, 1));
    joueurs.AjouteSimple(Joueur("Autre", "", 4, 2));
    seulIci->SetMatchs(1, 5);
    seulIci->SetPasses(1, 2);
    ailleurs->SetMatchs(1, 5);
    ailleurs->SetPasses(2, 1);
    EXPECT_TRUE(seulIci->StatsUniquementChamp(1));
    EXPECT_FALSE(seulIci->StatsUniquementChamp(2));
    EXPECT_FALSE(ailleurs->StatsUniquementChamp(1));
    EXPECT_TRUE(rien->StatsUniquementChamp(1));

    TListeRenumerotation renum;
    joueurs.SupprimeEquipe(1, 1, &renum);
    ASSERT_EQ(joueurs.Nombre(), 2);
    EXPECT_EQ(joueurs.ChercheNom("Ailleurs", "")->GetEquipe(), 65535);
    EXPECT_EQ(NomsEquipe(65535), (std::vector<std::string>{"Ailleurs"}));
    EXPECT_TRUE(joueurs.GetListeEquipe(1)->empty());

    joueurs.SupprimeJoueursEquipe(2);
    EXPECT_EQ(joueurs.Nombre(), 1);
}

TEST(TJoueurFootball, PositionsAndCareer)
{
    TJoueurFootball j(nullptr, "A", "", 1, 0, 'G');
    EXPECT_EQ(j.GetPoste(), 0);
    EXPECT_EQ(j.GetNumeroPoste(), 1);
    j.SetLettrePoste('A');
    EXPECT_EQ(j.GetLettrePoste(), 'A');
    j.SetLettrePoste('X');
    EXPECT_EQ(j.GetPoste(), 4);
    j.SetNumeroPoste(9);
    EXPECT_EQ(j.GetPoste(), 4);
    j.Poste = 9; // rugby scrum-half
    EXPECT_EQ(j.GetNumeroPoste(), 5);
    j.Poste = 20;
    EXPECT_EQ(j.GetNumeroPoste(), 6);
    EXPECT_EQ(TJoueurFootball(nullptr, "B", "", 2, 0, ' ').GetPoste(), 0);
    EXPECT_EQ(j.GetLibelleClubs(), "");

    j.AjouteStatCarriere(7, 30, 4);
    j.SetStatCarriere(5, 8, 10, 1); // past the end: appended
    j.SetStatCarriere(0, 7, 31, 4);
    EXPECT_EQ(j.NbStatHist(), 2);
    EXPECT_EQ(j.GetStatCarriere(0), (TStatCarriere{7, 31, 4}));
    EXPECT_EQ(j.GetStatCarriere(2), TStatCarriere{});
    TStatCarriere s;
    EXPECT_EQ(j.ChercheStatCarriere(8, &s), 1);
    EXPECT_EQ(s.Matchs, 10);
    EXPECT_EQ(j.ChercheStatCarriere(9), 65535);
    EXPECT_EQ(j.GetNbMatchHist(8, 1), 1);

    j.AjouteHistorique({2010, 1, 0, 1, 0, 0, 0});
    j.AjouteHistorique({2008, 1, 0, 2, 0, 0, 0});
    j.AjouteHistorique({2010, 2, 0, 3, 0, 0, 0});
    ASSERT_EQ(j.NbHistorique(), 3);
    EXPECT_EQ(j.GetHistorique(0)->StatMatch, 2);
    EXPECT_EQ(j.GetHistorique(1)->StatMatch, 3);
    EXPECT_EQ(j.GetHistorique(3), nullptr);
}

// A lowered total keeps its correction as the 16-bit word the files hold, and
// every reader gets it back signed.
TEST(TJoueurFootball, ANegativeCareerCorrectionIsWrittenAsItsWordAndReadSigned)
{
    TFauxContexte saison;
    TJoueurFootball j(&saison, "Abel", "Paul", 1, 0, 'A');
    j.AjouteStatCarriere(101, -2, 0);
    j.SetStatHist(101, 1, -1);
    EXPECT_EQ(j.GetStatCarriere(0), (TStatCarriere{101, -2, -1}));
    EXPECT_EQ(j.GetNbMatchHist(101, 0), -2);
    TStatCarriere s;
    ASSERT_EQ(j.ChercheStatCarriere(101, &s), 0);
    EXPECT_EQ(s.Buts, -1);

    const std::string xml = EcritXml([&](TXmlWriter& w) { j.SaveToXml(w, 65535, nullptr); });
    EXPECT_NE(xml.find("<StatMatch>65534</StatMatch>\r\n    <StatBut>65535</StatBut>"), std::string::npos) << xml;
    TLecteurSur l(xml);
    TJoueurFootball relu(&saison, "", "", -1);
    relu.LoadFromXml(l.Lecteur, &saison);
    EXPECT_EQ(relu.GetStatCarriere(0), (TStatCarriere{101, -2, -1}));
}

TEST(TJoueurFootball, XmlInBothStyles)
{
    TFauxContexte saison;
    saison.Equipes = {{1, "Nantes"}, {30, "France"}};
    saison.Pays.Ajoute("France");
    TJoueurFootball j(&saison, "Kolo Muani", "Randal", 12, 26, 'A', 9, 1, 30, 3, 124, 99);
    j.CodePays = 0;
    j.Taille = 187;
    j.SelectionNationale = "France";
    j.nSelectionNationale = 25;
    j.DateNaissance = 36104;       // 05/11/1998
    j.AjouteStatCarriere(0, 1, 1); // code 0 is not written
    j.AjouteStatCarriere(101, 20, 6);
    j.AjouteHistorique({2019, 101, 1, 30, 5, 0, 0});
    j.Image = 4;

    const std::string parNom = EcritXml([&](TXmlWriter& w) { j.SaveToXml(w, 65535, &saison); });
    EXPECT_EQ(parNom, "<Joueur>\r\n"
                      "  <Nom>Kolo Muani</Nom>\r\n  <Prenom>Randal</Prenom>\r\n  <Age>26</Age>\r\n"
                      "  <CodePays2>France</CodePays2>\r\n  <Numero>12</Numero>\r\n  <Poste>Attaquant</Poste>\r\n"
                      "  <Duree>124</Duree>\r\n  <ClubPrec>3</ClubPrec>\r\n  <Maillot>9</Maillot>\r\n"
                      "  <ClubActuel2>Nantes</ClubActuel2>\r\n  <EquipeNational2>France</EquipeNational2>\r\n"
                      "  <Taille>187</Taille>\r\n  <SelectionNationale>France</SelectionNationale>\r\n"
                      "  <nSelectionNationale>25</nSelectionNationale>\r\n"
                      "  <DateNaissance>05/11/1998</DateNaissance>\r\n"
                      "  <StatCarriere>\r\n    <StatChamp>101</StatChamp>\r\n    <StatMatch>20</StatMatch>\r\n"
                      "    <StatBut>6</StatBut>\r\n  </StatCarriere>\r\n"
                      "  <StatHistoriques>\r\n    <StatHistorique>\r\n      <StatAnnee>2019</StatAnnee>\r\n"
                      "      <Division>101</Division>\r\n      <Equipe>1</Equipe>\r\n"
                      "      <StatMatch>30</StatMatch>\r\n      <StatBut>5</StatBut>\r\n"
                      "      <StatMatchInter>0</StatMatchInter>\r\n      <StatButInter>0</StatButInter>\r\n"
                      "    </StatHistorique>\r\n  </StatHistoriques>\r\n"
                      "  <Image>4</Image>\r\n</Joueur>\r\n");
    const std::string parNumero = EcritXml([&](TXmlWriter& w) { j.SaveToXml(w, 65535, nullptr); });
    EXPECT_NE(parNumero.find("  <CodePays>0</CodePays>\r\n"), std::string::npos);
    EXPECT_NE(parNumero.find("  <ClubActuel>1</ClubActuel>\r\n  <EquipeNational>30</EquipeNational>\r\n"),
              std::string::npos);
    EXPECT_EQ(parNumero.find("2>"), std::string::npos);

    for (const std::string& xml : {parNom, parNumero}) {
        TLecteurSur l(xml);
        TJoueurFootball relu(&saison, "", "", -1);
        relu.LoadFromXml(l.Lecteur, &saison);
        EXPECT_EQ(EcritXml([&](TXmlWriter& w) { relu.SaveToXml(w, 65535, nullptr); }), parNumero);
    }

    // A bare player: no first name, contract 99 and 0, no date.
    TJoueurFootball nu(nullptr, "Seul", "", 3);
    nu.Contrat = 99;
    const std::string xml = EcritXml([&](TXmlWriter& w) { nu.SaveToXml(w, 65535, nullptr); });
    EXPECT_EQ(xml, "<Joueur>\r\n  <Nom>Seul</Nom>\r\n  <CodePays>65535</CodePays>\r\n  <Numero>3</Numero>\r\n"
                   "  <Poste>Milieu</Poste>\r\n  <ClubPrec>0</ClubPrec>\r\n  <ClubActuel>65535</ClubActuel>\r\n"
                   "  <EquipeNational>65535</EquipeNational>\r\n  <Image>0</Image>\r\n</Joueur>\r\n");
}

TEST(TJoueurs, LoadKeepsTheRemapOfDuplicates)
{
    TFauxContexte saison;
    saison.Equipes = {{1, "Nantes"}};
    TJoueurs joueurs(&saison);
    joueurs.AjouteEquipe(1);
    const std::string xml = "<Joueurs>\r\n"
                            "<Joueur><Nom>Blas</Nom><Numero>4</Numero><ClubActuel2>NANTES</ClubActuel2></Joueur>\r\n"
                            "<Joueur><Nom>BLAS</Nom><Numero>7</Numero><ClubActuel>1</ClubActuel>"
                            "<DateNaissance>31/02/1990</DateNaissance></Joueur>\r\n"
                            "<Joueur><Nom>Zéro</Nom><Numero>0</Numero></Joueur>\r\n"
                            "<Joueur><Numero>8</Numero></Joueur>\r\n"
                            "<Joueur />\r\n<Autre><Joueur><Nom>X</Nom><Numero>9</Numero></Joueur></Autre>\r\n"
                            "</Joueurs>\r\n<Suite />\r\n";
    TLecteurSur l(xml);
    const TListeRenumerotation renum = joueurs.LoadFromXml(l.Lecteur, &saison);
    ASSERT_EQ(joueurs.Nombre(), 1);
    EXPECT_EQ(joueurs.Get(0)->EquipeClub, 1);
    EXPECT_EQ(joueurs.Get(0)->DateNaissance, 0);
    ASSERT_EQ(renum.size(), 1u);
    EXPECT_EQ(renum[0], (TRenumerotation{7, 4}));
    EXPECT_EQ(l.Lecteur.LitNoeud(), XML_COMPLET);
    EXPECT_EQ(l.Lecteur.GetNom(), "Suite");

    // Players written in a range.
    joueurs.AjouteSimple(saison.CreeJoueur("Abel", "", -1, 1));
    const std::string un = EcritXml([&](TXmlWriter& w) { joueurs.SaveToXml(w, nullptr, 1, 5); });
    EXPECT_EQ(un.find("Abel"), std::string::npos);
    EXPECT_NE(un.find("Blas"), std::string::npos);
}

TEST(TListeJoueur, LabelsTellNamesakesApart)
{
    TFauxContexte saison;
    TJoueurs joueurs(&saison);
    joueurs.AjouteEquipe(1);
    TJoueur* jean = joueurs.AjouteSimple(saison.CreeJoueur("Martin", "Jean", -1, 1));
    TJoueur* julien = joueurs.AjouteSimple(saison.CreeJoueur("Martin", "Julien", -1, 1));
    TJoueur* paul = joueurs.AjouteSimple(saison.CreeJoueur("Abel", "Paul", -1, 1));
    TJoueur* jeanne = joueurs.AjouteSimple(saison.CreeJoueur("Martin", "jeanne", -1, 1));
    jean->SetNumeroPoste(1);
    jean->Maillot = 16;

    TListeJoueur liste(1, &joueurs);
    liste.Ajoute(std::make_unique<TChoixJoueur>(jean, 0), false);
    EXPECT_EQ(liste.Get(0)->Libelle, "Martin");
    liste.Ajoute(std::make_unique<TChoixJoueur>(julien, 0), false);
    liste.Ajoute(std::make_unique<TChoixJoueur>(paul, 0), false);
    EXPECT_EQ(liste.ChercheNumero(jean->Numero)->Libelle, "Martin  Je.");
    EXPECT_EQ(liste.ChercheNumero(julien->Numero)->Libelle, "Martin  Ju.");
    EXPECT_EQ(liste.ChercheNumero(paul->Numero)->Libelle, "Abel");
    EXPECT_EQ(liste.Get(0)->GetNumero(), paul->Numero);

    // A third namesake sharing "Jean" lengthens every namesake's label.
    liste.Ajoute(std::make_unique<TChoixJoueur>(jeanne, 0), false);
    EXPECT_EQ(liste.ChercheNumero(jeanne->Numero)->Libelle, "Martin  jeann.");
    EXPECT_EQ(liste.ChercheNumero(jean->Numero)->Libelle, "Martin  Jean.");
    EXPECT_EQ(liste.ChercheNumero(julien->Numero)->Libelle, "Martin  Julie.");

    EXPECT_EQ(liste.ChercheMaillot(16)->GetJoueur(), jean);
    EXPECT_EQ(liste.ChercheNumero(999), nullptr);
    EXPECT_EQ(liste.Get(9), nullptr);

    // By position: the goalkeeper first.
    TListeJoueur parPoste(1, &joueurs);
    parPoste.Ajoute(std::make_unique<TChoixJoueur>(paul, 0), true);
    parPoste.Ajoute(std::make_unique<TChoixJoueur>(jean, 0), true);
    EXPECT_EQ(parPoste.Get(0)->GetJoueur(), jean);

    // An entry whose player is gone finds nothing.
    joueurs.Retire(jean);
    EXPECT_EQ(liste.ChercheMaillot(16), nullptr);
    EXPECT_EQ(parPoste.Get(0)->GetJoueur(), nullptr);
    EXPECT_EQ(parPoste.Get(0)->GetMaillot(), 0);
}
