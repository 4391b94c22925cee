#include <gtest/gtest.h>

#include "base/Utilities.h"
#include "model/LectureParametre.h"
#include "support/TestSupport.h"

namespace {

const char* const Catalogue = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
                              "<!DOCTYPE config>\r\n"
                              "<config>\r\n"
                              "  <championnat Id=\"0\">\r\n    <nom>Perso</nom>\r\n  </championnat>\r\n"
                              "  <championnat Id=\"3\">\r\n"
                              "    <divis Id=\"10105\">\r\n      <nom>Haute</nom>\r\n"
                              "      <nEquipe>20</nEquipe>\r\n      <PtsVictoire>2</PtsVictoire>\r\n"
                              "      <nPromu>256</nPromu>\r\n      <nRelegue>3</nRelegue>\r\n"
                              "      <nChampLigue>4</nChampLigue>\r\n      <nEuropeen>x</nEuropeen>\r\n"
                              "      <nBarragePromu>5</nBarragePromu>\r\n      <nBarrageRelegue>6</nBarrageRelegue>\r\n"
                              "      <NomFichier>haute.xmd</NomFichier>\r\n      <typejournee>DATE</typejournee>\r\n"
                              "      <division Id=\"7\">7</division>\r\n      <Inconnu>1</Inconnu>\r\n"
                              "    </divis>\r\n"
                              "    <nom>Pays</nom>\r\n"
                              "    <divis Id=\"101\">\r\n      <nom>Basse</nom>\r\n      <nGroupe>2</nGroupe>\r\n"
                              "      <NomGroupe>Poules</NomGroupe>\r\n    </divis>\r\n"
                              "    <divis Id=\"103\" />\r\n"
                              "  </championnat>\r\n"
                              "  <championnat Id=\"9\">\r\n    <divis Id=\"900\"><nom>Perdue</nom></divis>\r\n"
                              "  </championnat>\r\n"
                              "  <autre>x</autre>\r\n"
                              "  <championnat Id=\"5\">\r\n    <nom>Autre</nom>\r\n"
                              "    <divis Id=\"20104\"><nom>Loin</nom></divis>\r\n  </championnat>\r\n"
                              "</config>\r\n";

TLectureParam Charge(const std::string& texte)
{
    testsupport::TempDir dossier;
    testsupport::WriteWholeFile(dossier / "Championnat.fr", texte);
    return TLectureParam((dossier / "Championnat.fr").string());
}

} // namespace

TEST(TLectureParam, LookupsAndDefaults)
{
    const TLectureParam cat = Charge(Catalogue);
    ASSERT_EQ(cat.NbCfg(), 3); // the entry without a name is dropped
    const TCfgChampionnat* pays = cat.GetCfgId(3);
    ASSERT_NE(pays, nullptr);
    EXPECT_EQ(pays->NbDivisions(), 3);
    EXPECT_EQ(pays->GetDivision(0)->Id, 101);
    EXPECT_EQ(pays->GetDivision(2)->Id, 10105);
    EXPECT_EQ(pays->GetIdMin(), 101);
    EXPECT_EQ(pays->GetIdMax(), 105);

    // 10105 lies in the entry's range through its last four digits; 105 is in
    // the range too, but no division has that id.
    EXPECT_EQ(cat.GetNom(10105), "Haute");
    EXPECT_EQ(cat.ChercheDivision(105), nullptr);
    EXPECT_EQ(cat.IndexCfg(10105), 1);
    EXPECT_EQ(cat.GetNomComplet(10105), "Pays : Haute");
    EXPECT_EQ(cat.GetNomCfg(101), "Pays");
    EXPECT_EQ(cat.GetNom(20104), "Loin"); // ids of 20000 and more are found too
    EXPECT_EQ(cat.GetNomCfg(20104), "Autre");

    EXPECT_EQ(cat.GetNbEquipe(10105), 20);
    EXPECT_EQ(cat.GetNbPromu(10105), 0); // 8-bit field: 256 keeps its low bits
    EXPECT_EQ(cat.GetNbRelegue(10105), 3);
    EXPECT_EQ(cat.GetNbChampLigue(10105), 4);
    EXPECT_EQ(cat.GetNbEuropeen(10105), 0);
    EXPECT_EQ(cat.GetNbBarragePromu(10105), 5);
    EXPECT_EQ(cat.GetNbBarrageRelegue(10105), 6);
    EXPECT_EQ(cat.GetValeur(10105, 8, 42), 0);
    EXPECT_EQ(cat.GetPoints(10105), (TPointsCfg{2, 1, 0}));
    EXPECT_EQ(cat.GetPoints(101), (TPointsCfg{3, 1, 0}));
    EXPECT_EQ(cat.GetNomFichier(10105), "haute.xmd");
    const TDivisionCfg* haute = cat.ChercheDivision(10105);
    EXPECT_EQ(haute->TypeJournee, 1);
    ASSERT_EQ(haute->Divisions.size(), 1u);
    EXPECT_EQ(haute->Divisions[0], (TTexteObjet{"7", 7}));

    EXPECT_EQ(cat.GetNomDivision(101), "Poules");
    EXPECT_EQ(cat.GetNom(101), "Basse");
    EXPECT_EQ(cat.GetNbGroupe(101), 2);
    EXPECT_EQ(cat.GetNbEquipe(103), 0);

    // Codes the catalogue does not carry.
    EXPECT_EQ(cat.GetNbEquipe(777), 18);
    EXPECT_EQ(cat.GetNbRelegue(777), 0);
    EXPECT_EQ(cat.GetPoints(777), TPointsCfg{});
    EXPECT_EQ(cat.GetNom(777), "");
    EXPECT_EQ(cat.GetNomComplet(777), "");
    EXPECT_EQ(cat.IndexCfg(-5), -1);
    EXPECT_EQ(cat.GetCfgId(9), nullptr);

    EXPECT_EQ(cat.GetNomEntree(5), "Autre");
    EXPECT_EQ(cat.GetNomEntree(42), "Perso");
    EXPECT_EQ(cat.ChercheCfg(102), pays);
    EXPECT_EQ(cat.ChercheCfg(10105), nullptr); // no reduction here
    EXPECT_EQ(cat.ChercheCfg(104), pays);

    TListeTextes liste;
    cat.RemplitListe(liste);
    EXPECT_EQ(liste, (TListeTextes{{"Perso", 0}, {"Pays", 3}, {"Autre", 5}}));
    liste.clear();
    cat.RemplitListeDivisions(liste);
    EXPECT_EQ(liste, (TListeTextes{{"Pays : Basse", 101}, {"Pays : Haute", 10105}, {"Autre : Loin", 20104}}));
    liste.clear();
    cat.RemplitListeDivisionsCfg(3, liste);
    EXPECT_EQ(liste, (TListeTextes{{"Basse", 101}, {"Haute", 10105}}));
    liste.clear();
    cat.RemplitListeDivisionsCfg(9, liste);
    EXPECT_TRUE(liste.empty());
}

TEST(TLectureParam, BadFilesGiveAnEmptyCatalogue)
{
    for (const std::string& texte :
         {std::string("<?xml version=\"1.0\"?>\r\n<configuration>\r\n  <championnat Id=\"1\"><nom>A</nom>"
                      "<divis Id=\"1\"><nom>D</nom></divis></championnat>\r\n</configuration>\r\n"),
          std::string("<config>\r\n  <championnat Id=\"1\">\r\n    <nom>A</nom>\r\n"), std::string(),
          std::string("\xff\xfe<")}) {
        const TLectureParam cat = Charge(texte);
        EXPECT_LE(cat.NbCfg(), 1);
        EXPECT_EQ(cat.ChercheDivision(1), nullptr);
        EXPECT_EQ(cat.GetNbEquipe(1), 18);
        EXPECT_EQ(cat.GetNomEntree(0), "");
    }
    EXPECT_EQ(TLectureParam("/nonexistent/Championnat.fr").NbCfg(), 0);
}

TEST(TLectureParam, ShippedCatalogue)
{
    const TLectureParam cat(AppDir() + "config/Championnat.fr");
    ASSERT_GE(cat.NbCfg(), 6);
    EXPECT_FALSE(cat.GetNomEntree(0).empty());
    TListeTextes divisions;
    cat.RemplitListeDivisions(divisions);
    EXPECT_GE(divisions.size(), 15u);
    for (const TTexteObjet& d : divisions) {
        const TDivisionCfg* division = cat.ChercheDivision(d.Objet);
        ASSERT_NE(division, nullptr) << d.Texte;
        EXPECT_GT(division->nEquipe, 0) << d.Texte;
        EXPECT_EQ(cat.GetPoints(d.Objet), (TPointsCfg{3, 1, 0})) << d.Texte;
    }
    for (int cfg = 1; cfg <= 5; ++cfg) {
        TListeTextes liste;
        cat.RemplitListeDivisionsCfg(cfg, liste);
        ASSERT_GE(liste.size(), 3u);
        // The two league divisions come first and have their data files.
        EXPECT_FALSE(cat.GetNomFichier(liste[0].Objet).empty());
        EXPECT_FALSE(cat.GetNomFichier(liste[1].Objet).empty());
        EXPECT_GT(cat.GetNbRelegue(liste[0].Objet), 0);
        EXPECT_GT(cat.GetNbPromu(liste[1].Objet), 0);
    }
    EXPECT_EQ(cat.GetNomComplet(101), "France : Ligue 1");
    EXPECT_EQ(cat.GetNbEquipe(202), 24);
}
