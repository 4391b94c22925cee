#include <gtest/gtest.h>

#include "FauxContexte.h"

TEST(TStades, CodesOrderAndMerge)
{
    TStades stades;
    EXPECT_EQ(stades.Ajoute(nullptr, false), -1);
    stades.Ajoute(std::make_unique<TStade>("Stade Vélodrome", 67394, "Marseille"), false);
    stades.Ajoute(std::make_unique<TStade>("Allianz Riviera", 36178, "Nice"), false);
    EXPECT_EQ(stades.Get(0)->NomStade, "Allianz Riviera");
    EXPECT_EQ(stades.Get(0)->Code, 1);
    EXPECT_EQ(stades.Get(1)->Code, 0);

    auto lu = std::make_unique<TStade>("Parc des Princes", 47929, "Paris");
    lu->Code = 7;
    stades.Ajoute(std::move(lu), false);
    stades.Ajoute(std::make_unique<TStade>("Roazhon Park", 29778, "Rennes"), false);
    EXPECT_EQ(stades.ChercheNomVille("ROAZHON PARK", "")->Code, 8);
    EXPECT_EQ(stades.ChercheNomVille("stade velodrome", "marseille")->Code, 0);
    EXPECT_EQ(stades.ChercheNomVille("Stade Vélodrome", "Nice"), nullptr);
    EXPECT_EQ(stades.ChercheCode(7)->Ville, "Paris");
    EXPECT_EQ(stades.ChercheCode(9), nullptr);

    // Same name and town: with the merge flag the held stadium is kept.
    const int i = stades.Ajoute(std::make_unique<TStade>("Roazhon Park", 0, "Rennes"), true);
    EXPECT_EQ(stades.Nombre(), 4);
    EXPECT_EQ(stades.Get(i)->Capacite, 29778);
    auto copie = stades.Get(i)->CreeCopie();
    stades.Ajoute(std::make_unique<TStade>("Roazhon Park", 0, "Rennes"), false);
    EXPECT_EQ(stades.Nombre(), 5);

    EXPECT_EQ(copie->Code, 65535);
    EXPECT_EQ(copie->Capacite, 29778);
    stades.Get(0)->CodePays = 2;
    EXPECT_TRUE(stades.PaysUtilise(2));
    EXPECT_EQ(stades.ListePays(2).size(), 1u);
    EXPECT_EQ(stades.Retire(stades.Get(0))->CodePays, 2);
    EXPECT_EQ(stades.Liste().size(), 4u);
}

// Codes are 16-bit and 65535 is "none": the code after 65534 must not be it.
TEST(TStades, CodesNeverReachNoneOrWrapRound)
{
    TStades stades;
    auto lu = std::make_unique<TStade>("Parc des Princes", 47929, "Paris");
    lu->Code = 65534;
    stades.Ajoute(std::move(lu), false);
    stades.Ajoute(std::make_unique<TStade>("Roazhon Park", 29778, "Rennes"), false);
    stades.Ajoute(std::make_unique<TStade>("Allianz Riviera", 36178, "Nice"), false);
    EXPECT_EQ(stades.ChercheNomVille("Roazhon Park", "")->Code, 0);
    EXPECT_EQ(stades.ChercheNomVille("Allianz Riviera", "")->Code, 1);

    TRensClubs clubs;
    auto rens = std::make_unique<TRensClub>(4);
    rens->Code = 65534;
    clubs.Ajoute(std::move(rens));
    EXPECT_EQ(clubs.Cree(2)->Code, 0);
    EXPECT_EQ(clubs.Cree(3)->Code, 1);
}

TEST(TStade, XmlInBothStyles)
{
    TFauxContexte saison;
    saison.Pays.Ajoute("France");
    TStade s("Stade de la Beaujoire", 35322, "Nantes");
    s.DateConstruction = 1984;
    s.CodePays = 0;
    s.Code = 3;
    s.Image = 2;

    const std::string parNom = EcritXml([&](TXmlWriter& w) { s.SaveToXml(w, 65535, &saison); });
    EXPECT_EQ(parNom, "<Stade>\r\n  <NomStade>Stade de la Beaujoire</NomStade>\r\n  <Ville>Nantes</Ville>\r\n"
                      "  <Capacite>35322</Capacite>\r\n  <DateConstruction>1984</DateConstruction>\r\n"
                      "  <Code>3</Code>\r\n  <CodePays2>France</CodePays2>\r\n  <Image>2</Image>\r\n</Stade>\r\n");
    const std::string parNumero = EcritXml([&](TXmlWriter& w) { s.SaveToXml(w, 5, nullptr); });
    EXPECT_EQ(parNumero, "<Stade ID=\"5\">\r\n  <NomStade>Stade de la Beaujoire</NomStade>\r\n"
                         "  <Ville>Nantes</Ville>\r\n  <Capacite>35322</Capacite>\r\n"
                         "  <DateConstruction>1984</DateConstruction>\r\n  <Code>3</Code>\r\n"
                         "  <CodePays>0</CodePays>\r\n  <Image>2</Image>\r\n</Stade>\r\n");
    for (const std::string& xml : {parNom, parNumero}) {
        TLecteurSur l(xml);
        TStade relu;
        relu.LoadFromXml(l.Lecteur, &saison);
        EXPECT_EQ(EcritXml([&](TXmlWriter& w) { relu.SaveToXml(w, 65535, &saison); }), parNom);
    }

    // A country name the season lacks gives no country.
    TFauxContexte autre;
    TLecteurSur l(parNom);
    TStade relu;
    relu.LoadFromXml(l.Lecteur, &autre);
    EXPECT_EQ(relu.CodePays, 65535);
}

TEST(TStades, XmlDropsUnnamedStadiumsAndRaisesTheCode)
{
    const std::string xml = "<Stades>\r\n<Stade><NomStade>A</NomStade><Code>7</Code></Stade>\r\n"
                            "<Stade><Ville>Sans nom</Ville><Code>20</Code></Stade>\r\n"
                            "<Stade><NomStade>B</NomStade><Code>65535</Code></Stade>\r\n"
                            "<Autre />\r\n</Stades>\r\n";
    TLecteurSur l(xml);
    TStades stades;
    stades.LoadFromXml(l.Lecteur, nullptr);
    ASSERT_EQ(stades.Nombre(), 2);
    EXPECT_EQ(stades.GetMaxCode(), 7);
    stades.Ajoute(std::make_unique<TStade>("C"), false);
    EXPECT_EQ(stades.ChercheNomVille("C", "")->Code, 8);
    // The stadium without a code is not written.
    const std::string ecrit = EcritXml([&](TXmlWriter& w) { stades.SaveToXml(w, nullptr); });
    EXPECT_EQ(ecrit.find("<NomStade>B</NomStade>"), std::string::npos);
    EXPECT_NE(ecrit.find("<NomStade>C</NomStade>"), std::string::npos);
}

TEST(TRensClubs, CodesAndOneRecordPerTeam)
{
    TRensClubs clubs;
    TRensClub* nantes = clubs.Cree(4);
    EXPECT_EQ(nantes->Code, 0);
    EXPECT_EQ(clubs.Cree(2)->Code, 1);
    EXPECT_EQ(clubs.Get(0)->Club, 2);

    auto doublon = std::make_unique<TRensClub>(4);
    doublon->Palmares = "autre";
    EXPECT_EQ(clubs.Get(clubs.Ajoute(std::move(doublon))), nantes);
    EXPECT_EQ(clubs.Nombre(), 2);
    EXPECT_EQ(clubs.ChercheEquipe(4), nantes);
    EXPECT_EQ(clubs.ChercheEquipe(3), nullptr);

    nantes->NumeroEntraineur = 5;
    clubs.ConvertitEntraineurs({{5, 2}, {2, 9}});
    EXPECT_EQ(nantes->NumeroEntraineur, 9);
    EXPECT_EQ(nantes->CreeCopie()->Code, 65535);
}

class RensClubXml : public ::testing::Test {
protected:
    RensClubXml()
    {
        saison.Equipes = {{4, "FC Nantes"}};
        saison.Stades.Ajoute(std::make_unique<TStade>("Stade de la Beaujoire", 35322, "Nantes"), false);
        saison.Entraineurs.Ajoute(std::make_unique<TEntraineur>("Van_Basten", "Marco", 0, -1));
        saison.Entraineurs.Ajoute(std::make_unique<TPersonnelStat>("Arbitre", "Seul", 0, -1));
        rens.Creation = "1943";
        rens.CouleurMaillot = "Jaune";
        rens.Budget = 70;
        rens.Code = 0;
        rens.SetStade(saison.Stades.Get(0));
        rens.SetEntraineur(saison.Entraineurs.ChercheNom("VAN BASTEN", "Marco"));
    }
    TFauxContexte saison;
    TRensClub rens{4};
};

TEST_F(RensClubXml, ByNameAndByNumber)
{
    ASSERT_EQ(rens.GetEntraineur(&saison.Entraineurs)->Nom, "Van_Basten");
    const std::string parNom = EcritXml([&](TXmlWriter& w) { rens.SaveToXml(w, &saison); });
    EXPECT_EQ(parNom, "<RensClub>\r\n  <Club2>FC Nantes</Club2>\r\n  <Creation>1943</Creation>\r\n"
                      "  <CouleurMaillot>Jaune</CouleurMaillot>\r\n  <Budget>70</Budget>\r\n"
                      "  <Stade>\r\n    <NomStade>Stade de la Beaujoire</NomStade>\r\n    <Ville>Nantes</Ville>\r\n"
                      "  </Stade>\r\n  <Entraineur>\r\n    <Nom>Van_Basten</Nom>\r\n    <Prenom>Marco</Prenom>\r\n"
                      "  </Entraineur>\r\n  <Code>0</Code>\r\n</RensClub>\r\n");
    const std::string parNumero = EcritXml([&](TXmlWriter& w) { rens.SaveToXml(w, nullptr); });
    EXPECT_EQ(parNumero, "<RensClub>\r\n  <Club>4</Club>\r\n  <Creation>1943</Creation>\r\n"
                         "  <CouleurMaillot>Jaune</CouleurMaillot>\r\n  <Budget>70</Budget>\r\n"
                         "  <StadeCode>0</StadeCode>\r\n  <EntraineurNumero>1</EntraineurNumero>\r\n"
                         "  <Code>0</Code>\r\n</RensClub>\r\n");
    for (const std::string& xml : {parNom, parNumero}) {
        TLecteurSur l(xml);
        TRensClub relu;
        relu.LoadFromXml(l.Lecteur, &saison);
        EXPECT_EQ(EcritXml([&](TXmlWriter& w) { relu.SaveToXml(w, nullptr); }), parNumero);
    }
}

TEST_F(RensClubXml, UnresolvedReferencesStayEmpty)
{
    // An unknown team drops the record; an unknown stadium, a referee's number
    // or an unknown coach leave the references empty.
    const std::string xml = "<RensClubs>\r\n"
                            "<RensClub><Club2>Inconnu</Club2><Code>3</Code></RensClub>\r\n"
                            "<RensClub><Club2>FC NANTES</Club2><StadeCode>9</StadeCode>"
                            "<EntraineurNumero>2</EntraineurNumero><Code>5</Code></RensClub>\r\n"
                            "<RensClub><Club>4</Club><Stade><NomStade>Autre</NomStade></Stade>"
                            "<Entraineur><Nom>Personne</Nom></Entraineur><Code>6</Code></RensClub>\r\n"
                            "</RensClubs>\r\n";
    TLecteurSur l(xml);
    TRensClubs clubs;
    clubs.LoadFromXml(l.Lecteur, &saison);
    ASSERT_EQ(clubs.Nombre(), 1);
    const TRensClub* r = clubs.Get(0);
    EXPECT_EQ(r->Club, 4);
    EXPECT_EQ(r->Code, 5);
    EXPECT_EQ(r->GetStade(&saison.Stades), nullptr);
    EXPECT_EQ(r->GetEntraineur(&saison.Entraineurs), nullptr);
    EXPECT_EQ(clubs.GetMaxCode(), 6); // the dropped record's code is taken all the same

    // A stadium deleted after the record was made is no longer reached.
    rens.SetStade(saison.Stades.Get(0));
    saison.Stades.Retire(saison.Stades.Get(0));
    EXPECT_EQ(rens.GetStade(&saison.Stades), nullptr);
}

TEST_F(RensClubXml, TruncatedDocumentsReadCleanly)
{
    // Every registry of the people part written into one document, then read
    // back from every prefix of it: nothing may crash, and nothing may appear
    // that the whole document does not hold.
    TJoueurs joueurs(&saison);
    joueurs.AjouteEquipe(4);
    auto j = saison.CreeJoueur("Blas", "Ludovic", 10, 4);
    j->AjouteStatCarriere(101, 30, 8);
    j->AjouteHistorique({2019, 101, 4, 30, 8, 1, 0});
    joueurs.AjouteSimple(std::move(j));
    TRensClubs clubs;
    clubs.Ajoute(rens.CreeCopie());
    const std::string document = EcritXml([&](TXmlWriter& w) {
        w.OuvreElement("SaisonData");
        saison.Pays.SaveToXml(w);
        saison.Entraineurs.SaveToXml(w, "Entraineurs", &saison);
        saison.Stades.SaveToXml(w, &saison);
        clubs.SaveToXml(w, &saison);
        joueurs.SaveToXml(w, &saison);
        w.FermeElement("SaisonData");
    });
    for (size_t n = 0; n <= document.size(); ++n) {
        TXmlStreamReader lecteur(std::string_view(document).substr(0, n));
        TFauxContexte relue;
        relue.Equipes = saison.Equipes;
        TRensClubs clubsLus;
        TJoueurs joueursLus(&relue);
        for (int g = lecteur.LitNoeud(); g != XML_FIN; g = lecteur.LitNoeud()) {
            if (g != XML_OUVRANT)
                continue;
            const std::string nom = lecteur.GetNom();
            if (nom == "ListePays")
                relue.Pays.LoadFromXml(lecteur);
            else if (nom == "Entraineurs")
                relue.Entraineurs.LoadFromXml(lecteur, "Entraineur", &relue);
            else if (nom == "Stades")
                relue.Stades.LoadFromXml(lecteur, &relue);
            else if (nom == "RensClubs")
                clubsLus.LoadFromXml(lecteur, &relue);
            else if (nom == "Joueurs")
                joueursLus.LoadFromXml(lecteur, &relue);
        }
        ASSERT_LE(relue.Entraineurs.Nombre(), 1) << n;
        ASSERT_LE(relue.Stades.Nombre(), 1) << n;
        ASSERT_LE(clubsLus.Nombre(), 1) << n;
        ASSERT_LE(joueursLus.Nombre(), 1) << n;
        if (n == document.size()) {
            EXPECT_EQ(clubsLus.Nombre(), 1);
            EXPECT_EQ(joueursLus.Get(0)->NbHistorique(), 1);
            EXPECT_EQ(clubsLus.Get(0)->GetEntraineur(&relue.Entraineurs)->Nom, "Van_Basten");
        }
    }
}
