#include "pages/vues/w_Classement.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "engine/CalculClassement.h"
#include "files/TraiteurFichier.h"
#include "pages/Pages.h"
#include "pages/vues/SaisonVues.h"
#include "platform/Imprimante.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"

#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace {

using testsupport::TFaussePrincipale;

struct TBarreEnregistree : TBarreEtat {
    void SetTextePanneau(int panneau, const std::string& texte) override { Panneaux[panneau] = texte; }
    std::map<int, std::string> Panneaux;
};

// Every text, id and line colour of two grids must agree.
void CompareGrilles(const TModeleGrille& Vu, const TModeleGrille& Attendu)
{
    ASSERT_EQ(Vu.GetRowCount(), Attendu.GetRowCount());
    ASSERT_EQ(Vu.GetColCount(), Attendu.GetColCount());
    for (int r = 0; r < Vu.GetRowCount(); ++r)
        for (int c = 0; c < Vu.GetColCount(); ++c) {
            EXPECT_EQ(Vu.GetTexte(c, r), Attendu.GetTexte(c, r)) << "cell " << c << ", " << r;
            EXPECT_EQ(Vu.GetDonnee(c, r), Attendu.GetDonnee(c, r)) << "cell " << c << ", " << r;
        }
}

class ClassementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        EnregistrePages();
        Principale.SetSaison(testsupport::CreeSaisonVues(6));
        Principale.BarreEtat = &Barre;
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TDonneesChampionnat& Champ() { return *Principale.GetSaison()->GetChampCourant(); }
    Tf_ClassementEx* Commande(int Code)
    {
        const TCommandePage* f = CommandePage(Code);
        EXPECT_NE(f, nullptr) << Code;
        if (f != nullptr)
            (*f)(Principale, Code, -1, 0);
        return dynamic_cast<Tf_ClassementEx*>(Principale.GetPageCourante());
    }
    // The grid the engine fills for that kind and range.
    std::unique_ptr<TModeleGrille> Attendu(int Genre, int Premier, int Dernier,
                                           const std::vector<int>* Filtre = nullptr)
    {
        auto Grille = std::make_unique<TModeleGrille>();
        TCalculClassement Calcul(&Champ(), Principale.GetSaison());
        TModeleGrille Titre;
        Calcul.Affiche(Genre, *Grille, Filtre, nullptr, false, Dernier, Premier, &Titre);
        return Grille;
    }
    // The team ids of the grid's rows.
    static std::vector<int> Equipes(const TModeleGrille& Grille)
    {
        std::vector<int> Ids;
        for (int r = 1; r < Grille.GetRowCount(); ++r)
            Ids.push_back(Grille.GetDonnee(1, r));
        std::sort(Ids.begin(), Ids.end());
        return Ids;
    }

    TBarreEnregistree Barre;
    TFaussePrincipale Principale;
    testsupport::TDialoguesScriptes Scripts;
};

} // namespace

TEST_F(ClassementTest, ChaqueCommandeMontreSonGenre)
{
    const std::pair<int, int> Genres[] = {{40, 9},    {41, 2},    {42, 3},    {43, 4},   {44, 5},    {45, 6},
                                          {62, 7},    {63, 8},    {64, 30},   {65, 31},  {137, 100}, {138, 103},
                                          {139, 106}, {140, 109}, {141, 112}, {142, 115}};
    Tf_ClassementEx* Premiere = nullptr;
    for (const auto& [Code, Genre] : Genres) {
        SCOPED_TRACE("command " + std::to_string(Code));
        Tf_ClassementEx* Page = Commande(Code);
        ASSERT_NE(Page, nullptr);
        if (Premiere == nullptr)
            Premiere = Page;
        EXPECT_EQ(Page, Premiere) << "the shown standings page is reused";
        EXPECT_EQ(Page->GetGenre(), Genre);
        EXPECT_EQ(Page->GetPremierJour(), 1);
        EXPECT_EQ(Page->GetDernierJour(), 6);
        EXPECT_EQ(Page->sg_Classement->GetRowCount(), 11);
        CompareGrilles(*Page->sg_Classement, *Attendu(Genre, 1, 6));
    }
}

TEST_F(ClassementTest, ClassementGeneralEtSesBlocs)
{
    Tf_ClassementEx* Page = Commande(40);
    ASSERT_NE(Page, nullptr);
    EXPECT_EQ(Page->Tag, 0);
    EXPECT_EQ(Page->GetMenuIndex(), 0);
    EXPECT_EQ(Page->sg_Classement->GetColCount(), 20) << "home and away blocks";
    EXPECT_TRUE(Page->sg_titre->GetVisible());
    EXPECT_EQ(Page->GetPopupCourant(), Page->Popupchoixj);
    EXPECT_FALSE(Page->FondAnglais->isVisibleTo(Page));
    EXPECT_EQ(Barre.Panneaux[2], "Classement général");

    // The engine's leader heads the grid with its points.
    TCalculClassement Calcul(&Champ(), Principale.GetSaison());
    Calcul.Calcule(1, 1, nullptr, 6);
    const int Premier = Calcul.GetClassement(0, 1);
    EXPECT_EQ(Page->sg_Classement->GetTexte(1, 1), Calcul.GetNomEquipe(Premier));
    EXPECT_EQ(Page->sg_Classement->GetTexte(2, 1), std::to_string(Calcul.GetTotal(Premier, 1)));

    Champ().SetOption(11, 2);
    Page = Commande(40);
    EXPECT_EQ(Page->GetGenre(), 1) << "neutral grounds: no home and away blocks";
    EXPECT_EQ(Page->sg_Classement->GetColCount(), 10);
    EXPECT_FALSE(Page->sg_titre->GetVisible());
}

TEST_F(ClassementTest, LegendesEtTagDesCoupes)
{
    Tf_ClassementEx* Page = Commande(43);
    EXPECT_TRUE(Page->FondAnglais->isVisibleTo(Page));
    EXPECT_FALSE(Page->Fondfairplay->isVisibleTo(Page));
    EXPECT_EQ(Page->GetPopupCourant(), nullptr);
    EXPECT_EQ(Page->Tag, 3);
    Page = Commande(62);
    EXPECT_FALSE(Page->FondAnglais->isVisibleTo(Page));
    EXPECT_TRUE(Page->Fondfairplay->isVisibleTo(Page));

    Champ().Genre = TDonneesChampionnat::TypeCoupe;
    Page = Commande(142);
    EXPECT_EQ(Page->Tag, 114 - 6);
    EXPECT_EQ(Page->GetPopupCourant(), nullptr) << "team age has no venue menu";
}

TEST_F(ClassementTest, MenuDuLieu)
{
    Tf_ClassementEx* Page = Commande(44);
    ASSERT_EQ(Page->GetPopupCourant(), Page->Popupclassement);
    EXPECT_TRUE(Page->mi_General->isChecked());
    Page->mi_Domicile->trigger();
    EXPECT_EQ(Page->GetGenre(), 10);
    CompareGrilles(*Page->sg_Classement, *Attendu(10, 1, 6));
    Page->mi_Exterieur->trigger();
    EXPECT_EQ(Page->GetGenre(), 12);
    EXPECT_FALSE(Page->mi_Domicile->isChecked());

    Page = Commande(45);
    EXPECT_EQ(Page->GetGenre(), 13) << "the venue stays ticked between commands";
    Page = Commande(138);
    EXPECT_EQ(Page->GetGenre(), 105);
    CompareGrilles(*Page->sg_Classement, *Attendu(105, 1, 6));
    Page->mi_Domicile->trigger();
    EXPECT_EQ(Page->GetGenre(), 104);
    Page->mi_General->trigger();
    EXPECT_EQ(Page->GetGenre(), 103);

    Page->mi_Exterieur->trigger();
    Champ().SetOption(11, 2);
    Page = Commande(44);
    EXPECT_EQ(Page->GetGenre(), 5) << "neutral grounds: all matches";
    EXPECT_EQ(Page->GetPopupCourant(), nullptr);
}

TEST_F(ClassementTest, OngletsDesGroupes)
{
    Tf_ClassementEx* Page = Commande(40);
    ASSERT_EQ(Page->tc_Classement->count(), 3);
    EXPECT_EQ(Page->tc_Classement->tabText(0), "Tous");
    EXPECT_EQ(Page->tc_Classement->tabText(1), "Nord");
    EXPECT_EQ(Page->tc_Classement->tabText(2), "Sud");

    Page->tc_Classement->setCurrentIndex(2);
    EXPECT_EQ(Page->sg_Classement->GetRowCount(), 6);
    EXPECT_EQ(Equipes(*Page->sg_Classement), (std::vector<int>{5, 6, 7, 8, 9}));
    const std::vector<int> Sud{5, 6, 7, 8, 9};
    CompareGrilles(*Page->sg_Classement, *Attendu(9, 1, 6, &Sud));
    Page->tc_Classement->setCurrentIndex(1);
    EXPECT_EQ(Equipes(*Page->sg_Classement), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(Page->GetGenre(), 9) << "a tab keeps the kind";
    Page->tc_Classement->setCurrentIndex(0);
    EXPECT_EQ(Page->sg_Classement->GetRowCount(), 11);

    Champ().VideGroupes();
    Page = Commande(41);
    EXPECT_EQ(Page->tc_Classement->count(), 0);
    EXPECT_FALSE(Page->tc_Classement->isVisibleTo(Page));
}

TEST_F(ClassementTest, ChoixDesJournees)
{
    Tf_ClassementEx* Page = Commande(40);
    Scripts.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_Choixclass&>(d);
        f.Edit1->setText("3");
        f.Edit2->setText("5");
        f.BoutonCopie1->Click();
    });
    Page->mi_ChoixJournees->trigger();
    EXPECT_EQ(Page->GetPremierJour(), 3);
    EXPECT_EQ(Page->GetDernierJour(), 5);
    EXPECT_EQ(Page->GetGenre(), 9);
    CompareGrilles(*Page->sg_Classement, *Attendu(9, 3, 5));
    EXPECT_EQ(Barre.Panneaux[2], "Classement général (journées 3 à 5)");

    Scripts.Repond([](QDialog& d) {
        auto& f = dynamic_cast<Tf_Choixclass&>(d);
        f.Edit1->setText("-4");
        f.BoutonCopie1->Click();
    });
    Page->mi_ChoixJournees->trigger();
    EXPECT_EQ(Page->GetPremierJour(), 3) << "a refused range changes nothing";
    EXPECT_EQ(Page->GetDernierJour(), 5);

    Page->tc_Classement->setCurrentIndex(1);
    EXPECT_EQ(Page->GetPremierJour(), 3) << "a tab keeps the range";
    EXPECT_EQ(Page->sg_Classement->GetRowCount(), 6);

    Page = Commande(41);
    EXPECT_EQ(Page->GetPremierJour(), 1) << "a new command resets the range";
    EXPECT_EQ(Page->GetDernierJour(), 6);
}

TEST_F(ClassementTest, ClicsNaviguent)
{
    Tf_ClassementEx* Page = Commande(63);
    ASSERT_TRUE(Page->sg_Classement->OnHotTrackClick);
    const int Id = Page->sg_Classement->GetDonnee(1, 2);
    EXPECT_TRUE(Page->sg_Classement->GetLien(1, 2));
    Page->sg_Classement->OnHotTrackClick(1, 2);
    ASSERT_EQ(Principale.Navigations.size(), 1u);
    EXPECT_EQ(Principale.Navigations[0], (TFaussePrincipale::TNavigation{128, Champ().IndexEquipe(Id), 0}));

    Page = Commande(139);
    Page->sg_Classement->OnHotTrackClick(1, 1);
    const int Position = Champ().IndexEquipe(Page->sg_Classement->GetDonnee(1, 1));
    EXPECT_EQ(Principale.Navigations.back(), (TFaussePrincipale::TNavigation{130, Position + (1 << 24), 0}));
    Page->mi_Domicile->trigger();
    Page->sg_Classement->OnHotTrackClick(1, 3);
    EXPECT_EQ(Principale.Navigations.back().Param,
              Champ().IndexEquipe(Page->sg_Classement->GetDonnee(1, 3)) + (2 << 24));
    Page->mi_Exterieur->trigger();
    Page->sg_Classement->OnHotTrackClick(1, 3);
    EXPECT_EQ(Principale.Navigations.back().Param >> 24, 3);

    const size_t Avant = Principale.Navigations.size();
    Page->sg_Classement->OnHotTrackClick(1, 0);
    EXPECT_EQ(Principale.Navigations.size(), Avant) << "the heading row opens nothing";
    Page = Commande(40);
    EXPECT_FALSE(Page->sg_Classement->OnHotTrackClick) << "the general standings have no links";
    Page->OnNavigation = nullptr;
    Page = Commande(63);
    Page->sg_Classement->OnHotTrackClick(1, 2);
    EXPECT_EQ(Principale.Navigations.size(), Avant) << "no navigation handler: nothing";
}

TEST_F(ClassementTest, ImpressionEtHtml)
{
    testsupport::TempDir Dossier;
    Tf_ClassementEx* Page = Commande(40);
    EXPECT_TRUE(Page->Imprimable());
    const std::string Pdf = (Dossier / "classement.pdf").string();
    {
        TImprimantePdf Imprimante(Pdf);
        Page->Imprime();
    }
    const std::string Octets = testsupport::ReadWholeFile(Pdf);
    EXPECT_EQ(Octets.substr(0, 4), "%PDF");

    const std::string Html = (Dossier / "classement.htm").string();
    // A page that could not be written is said, with its name.
    testsupport::VerifieEchecEcritureSignale([&](const std::string& f) { Page->ExporteHtml(f); }, Dossier, Html);
    const std::string Texte = testsupport::ReadWholeFile(Html);
    EXPECT_NE(Texte.find("<table"), std::string::npos);
    EXPECT_NE(Texte.find(Page->sg_Classement->GetTexte(1, 1)), std::string::npos);
}

TEST_F(ClassementTest, MotsCles)
{
    const TGestionFonction::TEntree* Entree = GestionFonction().Cherche("ClassementEquipe");
    ASSERT_NE(Entree, nullptr);
    EXPECT_EQ(Entree->Code, CodeFonction::Championnat);
    ASSERT_NE(GestionFonction().Cherche("AgeEquipe"), nullptr);

    const std::vector<std::string> Defaut{"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"};
    std::string Resultat = "ancien";
    Entree->Classe("ClassementEquipe", {}, Resultat, "", Principale.GetSaison());
    EXPECT_EQ(Resultat, Attendu(1, 1, 6)->GetTableHtml(Defaut)) << "the general standings in the default colours";
    for (const std::string& Couleur : Defaut)
        EXPECT_NE(Resultat.find(Couleur), std::string::npos) << Couleur;

    Tf_ClassementEx::ExecuteFonction("ClassementEquipe", {"Type=Attaque"}, Resultat, "", Principale.GetSaison());
    EXPECT_EQ(Resultat, Attendu(5, 1, 6)->GetTableHtml(Defaut));
    Tf_ClassementEx::ExecuteFonction("ClassementEquipe", {"Type=inconnu"}, Resultat, "", Principale.GetSaison());
    EXPECT_EQ(Resultat, Attendu(1, 1, 6)->GetTableHtml(Defaut));
    const std::vector<int> Nord{0, 1, 2, 3, 4};
    Tf_ClassementEx::ExecuteFonction("ClassementEquipe", {"Type=domicile", "Groupe=Nord", "CouleurTitre=#112233"},
                                     Resultat, "", Principale.GetSaison());
    EXPECT_EQ(Resultat, Attendu(2, 1, 6, &Nord)->GetTableHtml({"#112233", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"}));
    Tf_ClassementEx::ExecuteFonction("ClassementEquipe", {"Groupe=nord"}, Resultat, "", Principale.GetSaison());
    EXPECT_EQ(Resultat, Attendu(1, 1, 6)->GetTableHtml(Defaut)) << "a group is named exactly";

    Tf_ClassementEx::ExecuteFonction("AgeEquipe", {}, Resultat, "", Principale.GetSaison());
    EXPECT_EQ(Resultat, Attendu(115, 1, 6)->GetTableHtml(Defaut));

    Tf_ClassementEx::ExecuteFonction("ClassementEquipe", {}, Resultat, "", nullptr);
    EXPECT_EQ(Resultat, "") << "no season, no table";
}
