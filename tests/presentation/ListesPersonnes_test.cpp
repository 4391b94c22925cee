#include "presentation/ListesPersonnes.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace ListesPersonnes;

namespace {

// The complete season plus countries and referees: Italie (1) used by two
// referees, Allemagne (2) by one, Espagne (3) by nobody; Paul Arbitre has no
// country and refereed the league's first match.
class ListesPersonnesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
        Saison->Pays().Ajoute("Allemagne");
        Saison->Pays().Ajoute("Espagne");
        Ajoute("Rossi", "Marco", 1);
        Ajoute("Bianchi", "Luca", 1);
        Ajoute("Müller", "Hans", 2);
        Saison->RecalculeArbitres();
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TPersonnelStat* Ajoute(const std::string& Nom, const std::string& Prenom, uint16_t Pays)
    {
        auto a = std::make_unique<TPersonnelStat>(Nom, Prenom, 0, -1);
        a->CodePays = Pays;
        TPersonnels& r = Saison->Arbitres();
        return dynamic_cast<TPersonnelStat*>(r.Get(r.Ajoute(std::move(a))));
    }
    TPersonnelStat* Arbitre(const std::string& Nom) const
    {
        for (TPersonnel* p : Saison->Arbitres().Liste())
            if (p->Nom == Nom)
                return dynamic_cast<TPersonnelStat*>(p);
        return nullptr;
    }
    static std::vector<std::string> Ligne(const TModeleGrille& G, int R)
    {
        std::vector<std::string> t;
        for (int c = 0; c < G.GetColCount(); ++c)
            t.push_back(G.GetTexte(c, R));
        return t;
    }
    std::unique_ptr<TSaisonFootball> Saison;
};

TEST_F(ListesPersonnesTest, ListeDesPaysUtilises)
{
    const std::vector<TPays> pays = ListePays(*Saison, TGenre::Arbitres);
    std::vector<std::pair<int, std::string>> vus;
    for (const TPays& p : pays)
        vus.push_back({p.Code, p.Nom});
    const std::vector<std::pair<int, std::string>> attendus{
        {TousLesPays, Traduit(1190)}, {2, "Allemagne"}, {1, "Italie"}, {SansPays, Traduit(1207)}};
    EXPECT_EQ(vus, attendus) << "France and Espagne have no referee";

    const std::vector<TPays> stades = ListePays(*Saison, TGenre::Stades);
    ASSERT_EQ(stades.size(), 3u);
    EXPECT_EQ(stades[0].Nom, Traduit(1189));
    EXPECT_EQ(stades[1].Nom, "France");

    const std::string texte = TexteElementPays(pays[1]);
    EXPECT_EQ(texte, std::string("00002\x05") + "Allemagne");
    EXPECT_EQ(CodeElementPays(texte), 2);
    EXPECT_EQ(CodeElementPays(TexteElementPays(pays[0])), TousLesPays);
    EXPECT_EQ(CodeElementPays("x"), -1);
}

TEST_F(ListesPersonnesTest, GrilleDesArbitresDunPays)
{
    TPersonnelStat* rossi = Arbitre("Rossi");
    // Figures of two championships add up: 4 matches, 1 penalty, 3 and 2 cards.
    rossi->SetMatchs(1, 3);
    rossi->SetMatchs(2, 1);
    rossi->SetStat(1, 1, 1);
    rossi->SetAvertissements(1, 3);
    rossi->SetExpulsions(2, 2);
    TModeleGrille g;
    RemplitGrille(*Saison, TGenre::Arbitres, 1, g);
    ASSERT_EQ(g.GetRowCount(), 4);
    EXPECT_EQ(Ligne(g, 0),
              (std::vector<std::string>{"Nom", "Prénom", "Matchs", "Penaltys", "Cartons jaunes", "Cartons rouges"}));
    EXPECT_EQ(Ligne(g, 1), (std::vector<std::string>{"Bianchi", "Luca", "0", "0", "0", "0"}));
    EXPECT_EQ(Ligne(g, 2), (std::vector<std::string>{"Rossi", "Marco", "4", "1", "3", "2"}));
    EXPECT_EQ(Ligne(g, 3), (std::vector<std::string>(6, "")));
    EXPECT_EQ(EntreeLigne(g, 2), rossi->Numero);
    EXPECT_EQ(ArbitreLigne(*Saison, g, 2), rossi);
    EXPECT_EQ(EntreeLigne(g, 3), AucuneEntree) << "the entry row";
    EXPECT_EQ(EntreeLigne(g, 0), AucuneEntree);
    EXPECT_EQ(g.GetCouleurFond(0, 0), 0xFFFFFFu);
    EXPECT_EQ(g.GetCouleurFond(0, 1), 0xFFFFFFu);
    EXPECT_EQ(g.GetCouleurFond(0, 2), 0xF8CD87u);
    EXPECT_EQ(g.GetCouleurFond(3, 3), 0xCCFFFFu);
    EXPECT_EQ(g.GetAlignementH(0, 1), 0);
    EXPECT_EQ(g.GetAlignementH(2, 1), 1);
    EXPECT_EQ(HauteurGrille(g), 6 * 20);

    RemplitGrille(*Saison, TGenre::Arbitres, TousLesPays, g);
    EXPECT_EQ(g.GetRowCount(), 1 + 4 + 1);
    RemplitGrille(*Saison, TGenre::Arbitres, SansPays, g);
    ASSERT_EQ(g.GetRowCount(), 3);
    EXPECT_EQ(g.GetTexte(0, 1), "Arbitre");

    // Column 0 starts sorted ascending; the next clicks give the fill order,
    // then descending, and the entry row stays last.
    RemplitGrille(*Saison, TGenre::Arbitres, 1, g);
    EXPECT_EQ(g.GetEtatTri(0), 2);
    g.Trie(0);
    g.Trie(0);
    EXPECT_EQ(g.GetTexte(0, 1), "Rossi");
    EXPECT_EQ(g.GetTexte(0, 3), "");
}

TEST_F(ListesPersonnesTest, UnArbitreDesigneNePeutPasEtreSupprime)
{
    // Bianchi is the third official of a match; his recount is stale.
    TPersonnelStat* bianchi = Arbitre("Bianchi");
    Saison->GetChampionnat(1)->SetArbitre(2, 1, 3, bianchi->Numero);
    EXPECT_EQ(bianchi->TotalMatchs(), 0);
    EXPECT_TRUE(ArbitreNomme(*Saison, bianchi->Numero));
    EXPECT_FALSE(SupprimeArbitre(*Saison, bianchi));
    EXPECT_EQ(Arbitre("Bianchi"), bianchi);

    const int avant = Saison->Arbitres().Nombre();
    EXPECT_TRUE(SupprimeArbitre(*Saison, Arbitre("Rossi")));
    EXPECT_EQ(Saison->Arbitres().Nombre(), avant - 1);
    EXPECT_EQ(Arbitre("Rossi"), nullptr);
}

TEST_F(ListesPersonnesTest, UnStadeSupprimeQuitteMatchsEtClubs)
{
    TStade* gerland = Saison->Stades().Get(0);
    const uint16_t code = gerland->Code;
    Saison->GetChampionnat(1)->SetStadeMatch(2, 1, code); // a second match there
    SupprimeStade(*Saison, gerland);
    EXPECT_EQ(Saison->Stades().Nombre(), 0);

    testsupport::TempDir dossier;
    const std::string fichier = (dossier / "s.xmc").string();
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(fichier, *Saison, true, "", "", nullptr, {}, false));
    auto relue = testsupport::ChargeParDispatcheur(fichier);
    ASSERT_NE(relue, nullptr);
    const TDonneesChampionnat* ligue = relue->GetChampionnat(1);
    for (int j = 1; j <= ligue->GetNbJour(); ++j)
        for (int m = 0; m < ligue->GetJournee(j)->NbMatch(); ++m)
            EXPECT_EQ(ligue->GetJournee(j)->GetMatch(m)->GetStade(), 65535) << "day " << j << " match " << m;
    ASSERT_GT(relue->RensClubs().Nombre(), 0);
    EXPECT_EQ(relue->RensClubs().Get(0)->CodeStade, 65535);
}

TEST_F(ListesPersonnesTest, ArbitresSaisisDansLaGrille)
{
    TModeleGrille g;
    RemplitGrille(*Saison, TGenre::Arbitres, 2, g); // Müller, then the entry row
    ASSERT_EQ(g.GetRowCount(), 3);
    EXPECT_TRUE(TexteSaisi(g, 0, 2, "Schmidt"));
    EXPECT_EQ(g.GetRowCount(), 4) << "a new entry row";
    EXPECT_FALSE(TexteSaisi(g, 1, 2, "Karl"));
    EXPECT_EQ(g.GetCouleurFond(0, 3), 0xCCFFFFu);
    const TResultatSaisie r = ValideLigne(*Saison, 2, g, 2);
    EXPECT_TRUE(r.Change);
    EXPECT_TRUE(r.Rafraichir);
    const TPersonnelStat* schmidt = Arbitre("Schmidt");
    ASSERT_NE(schmidt, nullptr);
    EXPECT_EQ(schmidt->Prenom, "Karl");
    EXPECT_EQ(schmidt->CodePays, 2);
    EXPECT_EQ(EntreeLigne(g, 2), schmidt->Numero);
    EXPECT_FALSE(ValideLigne(*Saison, 2, g, 2).Change) << "written once";

    // A surname alone, while all countries are shown: no country.
    RemplitGrille(*Saison, TGenre::Arbitres, TousLesPays, g);
    const int entree = g.GetRowCount() - 1;
    TexteSaisi(g, 0, entree, "Solo");
    EXPECT_TRUE(ValideLignes(*Saison, TousLesPays, g).Change);
    ASSERT_NE(Arbitre("Solo"), nullptr);
    EXPECT_EQ(Arbitre("Solo")->CodePays, 65535);

    // A first name alone creates nobody.
    const int avant = Saison->Arbitres().Nombre();
    RemplitGrille(*Saison, TGenre::Arbitres, 2, g);
    TexteSaisi(g, 1, g.GetRowCount() - 1, "Personne");
    EXPECT_FALSE(ValideLignes(*Saison, 2, g).Change);
    EXPECT_EQ(Saison->Arbitres().Nombre(), avant);

    // A renamed row renames its referee.
    RemplitGrille(*Saison, TGenre::Arbitres, 2, g);
    TexteSaisi(g, 0, 1, "Mueller");
    EXPECT_TRUE(ValideLigne(*Saison, 2, g, 1).Rafraichir);
    EXPECT_NE(Arbitre("Mueller"), nullptr);
    EXPECT_EQ(Arbitre("Müller"), nullptr);
}

TEST_F(ListesPersonnesTest, MotsCles)
{
    const std::vector<std::string> couleurs{"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};
    const std::string italie = TableHtml(*Saison, TGenre::Arbitres, "Italie", couleurs);
    TModeleGrille g;
    RemplitGrille(*Saison, TGenre::Arbitres, 1, g, false);
    EXPECT_EQ(italie, g.GetTableHtml(couleurs));
    EXPECT_NE(italie.find("Bianchi"), std::string::npos);
    EXPECT_NE(italie.find("Rossi"), std::string::npos);
    EXPECT_EQ(italie.find("Müller"), std::string::npos);
    EXPECT_LT(italie.find("Bianchi"), italie.find("Rossi"));
    EXPECT_EQ(italie.find("CCFFFF"), std::string::npos) << "no entry row";
    EXPECT_EQ(italie.find("<tr", italie.find("Rossi")), std::string::npos) << "Rossi's row is the last";

    const int pays = Saison->Pays().Nombre();
    const std::string tous = TableHtml(*Saison, TGenre::Arbitres, "Nowhere", couleurs);
    EXPECT_EQ(Saison->Pays().Nombre(), pays) << "an unknown name is not added";
    EXPECT_NE(tous.find("Müller"), std::string::npos);
    EXPECT_NE(tous.find("Arbitre"), std::string::npos);

    const std::string stades = TableHtml(*Saison, TGenre::Stades, "France", couleurs);
    EXPECT_NE(stades.find("Stade de Gerland"), std::string::npos);
    EXPECT_NE(stades.find("40000"), std::string::npos);
}

} // namespace
