#include "pages/vues/w_ClassJoueur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Editeur.h"
#include "engine/ClassJoueur.h"
#include "model/Joueurs.h"
#include "model/Personnels.h"
#include "pages/Pages.h"
#include "platform/Imprimante.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/FaussePrincipale.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TFaussePrincipale;

class ClassJoueurTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        Principale.SetSaison(testsupport::CreeSaisonComplete());
        // Shown, so that a resize reaches the page at once.
        Principale.Fond.show();
    }
    void TearDown() override
    {
        EnregistreFicheJoueur(nullptr);
        EnregistreFicheArbitre(nullptr);
        InstalleTraducteur(nullptr);
    }

    TSaison& Saison() { return *Principale.GetSaison(); }
    Tf_ClassJoueur* Commande(int Code)
    {
        const TCommandePage* f = CommandePage(Code);
        EXPECT_NE(f, nullptr) << Code;
        if (f != nullptr)
            (*f)(Principale, Code, -1, 0);
        return dynamic_cast<Tf_ClassJoueur*>(Principale.GetPageCourante());
    }
    // What the engine shows for that index at the page's size.
    std::vector<std::string> Attendu(int Index, const Tf_ClassJoueur& Page)
    {
        TModeleGrille Grille;
        TModeleEditeur Bas, Cote;
        if (Index >= 11 && Index <= 28)
            TClassArbitre::Affiche(Saison(), Index - 11, Page.height(), Page.width(), &Cote, &Bas, Grille);
        else
            TClassJoueur::Affiche(Saison(), Index >= 29 ? Index - 20 : Index, Page.height(), Page.width(), &Cote, &Bas,
                                  Grille);
        return Textes(Grille);
    }
    static std::vector<std::string> Textes(const TModeleGrille& Grille)
    {
        std::vector<std::string> T;
        for (int r = 0; r < Grille.GetRowCount(); ++r)
            for (int c = 0; c < Grille.GetColCount(); ++c)
                T.push_back(Grille.GetTexte(c, r));
        return T;
    }
    // The row of the grid whose hidden column holds that id, -1 when none.
    static int LigneDe(const TModeleGrille& Grille, int Id)
    {
        for (int r = 1; r < Grille.GetRowCount(); ++r)
            if (Grille.GetTexte(3, r) == std::to_string(Id))
                return r;
        return -1;
    }

    TFaussePrincipale Principale;
};

} // namespace

TEST_F(ClassJoueurTest, ChaqueCommandeMontreSonClassement)
{
    const std::pair<int, int> Index[] = {{66, 0}, {67, 1}, {68, 2},   {69, 3},   {70, 4},   {71, 5},  {73, 6},
                                         {72, 7}, {33, 8}, {116, 11}, {117, 12}, {118, 13}, {119, 14}};
    Tf_ClassJoueur* Premiere = nullptr;
    for (const auto& [Code, I] : Index) {
        SCOPED_TRACE("command " + std::to_string(Code));
        Tf_ClassJoueur* Page = Commande(Code);
        ASSERT_NE(Page, nullptr);
        if (Premiere == nullptr)
            Premiere = Page;
        EXPECT_EQ(Page, Premiere) << "the shown rankings page is reused";
        EXPECT_EQ(Page->GetIndex(), I);
        EXPECT_EQ(Textes(*Page->sg_Classjoueurs), Attendu(I, *Page));
    }
}

TEST_F(ClassJoueurTest, ClassementsSurLaSaison)
{
    Tf_ClassJoueur* Page = Commande(66);
    // Scorers: the league's goals of day 1 and 2 (own goals left out).
    ASSERT_GE(Page->sg_Classjoueurs->GetRowCount(), 2);
    EXPECT_NE(LigneDe(*Page->sg_Classjoueurs, 2), -1) << "the penalty scorer is ranked";
    Page = Commande(67);
    EXPECT_NE(LigneDe(*Page->sg_Classjoueurs, 3), -1) << "the cautioned player is ranked";
    Page = Commande(71);
    EXPECT_NE(LigneDe(*Page->sg_Classjoueurs, 2), -1) << "the assist is ranked";

    Page->AfficherClassement(29);
    EXPECT_EQ(Textes(*Page->sg_Classjoueurs), Attendu(29, *Page)) << "index 29 is player kind 9";
    Page->AfficherClassement(-1);
    EXPECT_EQ(Page->GetIndex(), 29) << "a negative index only clears";

    // A resize computes the ranking again for the new height.
    Page = Commande(66);
    Page->resize(Page->width(), 60);
    EXPECT_EQ(Textes(*Page->sg_Classjoueurs), Attendu(0, *Page));
}

// A scorer's name of 60 characters widens the grid: the report of the places
// that do not fit moves beside it, never over the name or the goals.
TEST_F(ClassJoueurTest, UnNomDeSoixanteCaracteresResteVisibleAvecSesButs)
{
    TJoueur* Buteur = Saison().Joueurs().ChercheId(2);
    ASSERT_NE(Buteur, nullptr);
    Buteur->Nom = std::string(60, 'N');
    Tf_ClassJoueur* Page = Commande(66);
    ASSERT_NE(Page, nullptr);
    Page->resize(900, 400);
    const TColorStringGrid& Grille = *Page->sg_Classjoueurs;
    ASSERT_NE(LigneDe(Grille, 2), -1);
    EXPECT_GE(Grille.width(), Grille.LargeurContenu()) << "the name and the goals column show whole";
    EXPECT_TRUE(Page->Editeur2->isVisible());
    EXPECT_GT(Page->Editeur2->x(), Grille.geometry().right()) << "the report lies over the grid";
    EXPECT_LE(Page->Editeur2->geometry().right(), Page->width());
}

// A grid too wide for its page gives the excess up from the names' column,
// down to a floor: a column already narrower than the floor keeps its width.
// A large font widens the values' titles past a narrow page.
TEST_F(ClassJoueurTest, UnePageEtroiteNElargitPasLaColonneDesNoms)
{
    Tf_ClassJoueur* Page = Commande(66);
    ASSERT_NE(Page, nullptr);
    TColorStringGrid& Grille = *Page->sg_Classjoueurs;
    QFont Police = Grille.font();
    Police.setPixelSize(30);
    Grille.setFont(Police);
    Page->resize(260, 400);
    Page->AfficherClassement(34); // player kind 14, whose names' column is 200 wide
    EXPECT_GT(Grille.LargeurContenu(), 360) << "the titles widen the grid";
    EXPECT_EQ(Grille.GetLargeurColonne(1), 200);
}

TEST_F(ClassJoueurTest, DoubleClicSansFicheNeFaitRien)
{
    EnregistreFicheJoueur(nullptr);
    EnregistreFicheArbitre(nullptr);
    Tf_ClassJoueur* Page = Commande(66);
    const int Ligne = LigneDe(*Page->sg_Classjoueurs, 2);
    ASSERT_GT(Ligne, 0);
    ASSERT_TRUE(Page->sg_Classjoueurs->SelectionneCellule(1, Ligne));
    Page->sg_Classjoueurs->OnDblClick();
    Page = Commande(116);
    Page->sg_Classjoueurs->SelectionneCellule(1, 1);
    Page->sg_Classjoueurs->OnDblClick();
    EXPECT_EQ(Principale.NbModifications, 0);
}

TEST_F(ClassJoueurTest, FicheModifieeMarqueLeDocument)
{
    int Ouvert = -1;
    int Mode = 0;
    bool Reponse = false;
    bool Changee = false;
    EnregistreFicheJoueur([&](TSaison&, int, TJoueur*& Joueur, int M, bool* Change) {
        Ouvert = Joueur->Numero;
        Mode = M;
        if (Change)
            *Change = Reponse && Changee;
        return Reponse;
    });
    Tf_ClassJoueur* Page = Commande(66);
    const int Ligne = LigneDe(*Page->sg_Classjoueurs, 2);
    ASSERT_GT(Ligne, 0);
    Page->sg_Classjoueurs->SelectionneCellule(1, Ligne);
    Page->sg_ClassjoueursDblClick();
    EXPECT_EQ(Ouvert, 2);
    EXPECT_EQ(Mode, 0x30000 + Saison().Joueurs().ChercheId(2)->GetEquipe());
    EXPECT_EQ(Principale.NbModifications, 0) << "a card closed without change";

    Reponse = true;
    Page->sg_ClassjoueursDblClick();
    EXPECT_EQ(Principale.NbModifications, 0) << "OK without a change";

    Changee = true;
    Page->sg_ClassjoueursDblClick();
    EXPECT_EQ(Principale.NbModifications, 1);
    EXPECT_EQ(Page->GetIndex(), 0);
    EXPECT_EQ(Textes(*Page->sg_Classjoueurs), Attendu(0, *Page)) << "shown again";

    int Arbitre = -1;
    EnregistreFicheArbitre([&](TSaison&, int Numero, TPersonnelStat*& A, bool* Change) {
        Arbitre = A->Numero;
        EXPECT_EQ(Numero, Saison().GetNumChampCourant());
        *Change = true;
        return true;
    });
    Page = Commande(119);
    ASSERT_GE(Page->sg_Classjoueurs->GetRowCount(), 2);
    const int Id = std::stoi("0" + Page->sg_Classjoueurs->GetTexte(3, 1));
    Page->sg_Classjoueurs->SelectionneCellule(1, 1);
    Page->sg_ClassjoueursDblClick();
    ASSERT_GT(Id, 0) << "the referee of day 1 is ranked";
    EXPECT_EQ(Arbitre, Id);
    EXPECT_EQ(Principale.NbModifications, 2);
}

TEST_F(ClassJoueurTest, ImpressionEtHtml)
{
    testsupport::TempDir Dossier;
    Tf_ClassJoueur* Page = Commande(66);
    EXPECT_TRUE(Page->Imprimable());
    const std::string Pdf = (Dossier / "buteurs.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    EXPECT_EQ(testsupport::ReadWholeFile(Pdf).substr(0, 4), "%PDF");
    const std::string Html = (Dossier / "buteurs.htm").string();
    // A page that could not be written is said, with its name.
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    EXPECT_NE(testsupport::ReadWholeFile(Html).find("<table"), std::string::npos);
}

TEST_F(ClassJoueurTest, MotsCles)
{
    const TGestionFonction::TEntree* Entree = GestionFonction().Cherche("ClassementJoueur");
    ASSERT_NE(Entree, nullptr);
    EXPECT_EQ(Entree->Code, CodeFonction::Championnat);
    ASSERT_NE(GestionFonction().Cherche("ClassementArbitre"), nullptr);

    const std::vector<std::string> Defaut{"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};
    auto Table = [&](bool Arbitre, int Genre) {
        TModeleGrille Grille;
        if (Arbitre)
            TClassArbitre::Affiche(Saison(), Genre, 700, 300, nullptr, nullptr, Grille);
        else
            TClassJoueur::Affiche(Saison(), Genre, 700, 300, nullptr, nullptr, Grille);
        return Grille.GetTableHtml(Defaut);
    };
    std::string Resultat;
    Entree->Classe("ClassementJoueur", {}, Resultat, "", &Saison());
    EXPECT_EQ(Resultat, Table(false, 0)) << "the scorers in the default colours";
    Tf_ClassJoueur::ExecuteFonction("ClassementJoueur", {"Type=Averti"}, Resultat, "", &Saison());
    EXPECT_EQ(Resultat, Table(false, 1));
    Tf_ClassJoueur::ExecuteFonction("ClassementArbitre", {"Type=jaune"}, Resultat, "", &Saison());
    EXPECT_EQ(Resultat, Table(true, 1));
    Tf_ClassJoueur::ExecuteFonction("ClassementArbitre", {}, Resultat, "", &Saison());
    EXPECT_EQ(Resultat, Table(true, 3)) << "severity by default";
    Tf_ClassJoueur::ExecuteFonction("ClassementJoueur", {"FonteLigne=#123456"}, Resultat, "", &Saison());
    EXPECT_NE(Resultat.find("#123456"), std::string::npos);

    // "Division" makes a championship current for the call only.
    const int Courant = Saison().GetNumChampCourant();
    Tf_ClassJoueur::ExecuteFonction("ClassementJoueur", {"Division=2"}, Resultat, "", &Saison());
    EXPECT_EQ(Saison().GetNumChampCourant(), Courant);
    Saison().SetNumChampCourant(Saison().GetNumChampionnatId(2));
    const std::string Coupe = Table(false, 0);
    Saison().SetNumChampCourant(Courant);
    EXPECT_EQ(Resultat, Coupe);
    Tf_ClassJoueur::ExecuteFonction("ClassementJoueur", {"Division=77"}, Resultat, "", &Saison());
    EXPECT_EQ(Resultat, Table(false, 0)) << "a missing championship leaves the current one";
}
