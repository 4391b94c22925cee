#include "pagebase/DefType.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "pages/Pages.h"
#include "platform/Imprimante.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/FaussePrincipale.h"

#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

using testsupport::TDialoguesScriptes;
using testsupport::TempDir;
using testsupport::WriteWholeFile;

namespace {

// ------------------------------------------------------- parameter readers

TEST(LitParametre, PremiereLigneDuNomSansEgardALaCasse)
{
    const TLignesParam params = {"Journee", "journee=12", "JOURNEE=13", "Titre=a=b", "Vide="};
    EXPECT_EQ(LitParametre("Journee", params, "x"), "12");
    EXPECT_EQ(LitParametre("titre", params, "x"), "a=b"); // the text after the first "="
    EXPECT_EQ(LitParametre("Vide", params, "x"), "");
    // A body word is no parameter, and a missing name gives the default.
    EXPECT_EQ(LitParametre("Manque", params, "defaut"), "defaut");
    EXPECT_EQ(LitParametre("Journe", params, "defaut"), "defaut");
}

TEST(LitParametre, EntierOuDefaut)
{
    const TLignesParam params = {"A=42", "B=-7", "C=douze", "D=", "E= 5"};
    EXPECT_EQ(LitParametreEntier("a", params, 1), 42);
    EXPECT_EQ(LitParametreEntier("B", params, 1), -7);
    EXPECT_EQ(LitParametreEntier("C", params, 1), 1);
    EXPECT_EQ(LitParametreEntier("D", params, 3), 3);
    EXPECT_EQ(LitParametreEntier("E", params, 3), 5);
    EXPECT_EQ(LitParametreEntier("F", params, 9), 9);
}

TEST(LitParametre, Listes)
{
    TArrayResult liste;
    LitParametreListe("Equipes", {R"(Equipes=[Lyon, 'Saint Etienne' , "Nice"])"}, liste, "d");
    EXPECT_EQ(liste, (TArrayResult{"Lyon", "Saint Etienne", "Nice"}));

    LitParametreListe("Equipes", {"Equipes=Lyon Nice"}, liste, "d");
    EXPECT_EQ(liste, (TArrayResult{"Lyon Nice"}));

    LitParametreListe("Equipes", {"Autre=[a]"}, liste, "defaut");
    EXPECT_EQ(liste, (TArrayResult{"defaut"}));

    LitParametreListe("Equipes", {"Equipes=[a,,b]"}, liste, "d");
    EXPECT_EQ(liste, (TArrayResult{"a", "", "b"}));

    // Blanks outside quotes go, even inside an item; a comma between quotes still separates.
    LitParametreListe("Equipes", {"Equipes=[a b, 'x,y']"}, liste, "d");
    EXPECT_EQ(liste, (TArrayResult{"ab", "x", "y"}));

    LitParametreListe("Equipes", {"Equipes=[]"}, liste, "d");
    EXPECT_EQ(liste, (TArrayResult{""}));
    LitParametreListe("Equipes", {"Equipes=[seul"}, liste, "d");
    EXPECT_EQ(liste, (TArrayResult{"seul"}));
}

TEST(ChampionnatParametre, DivisionOuChampionnatCourant)
{
    auto saison = testsupport::CreeSaisonComplete();
    TDonneesChampionnat* ligue = saison->GetChampionnatId(1);
    TDonneesChampionnat* coupe = saison->GetChampionnatId(2);
    ASSERT_NE(ligue, nullptr);
    ASSERT_NE(coupe, nullptr);
    saison->SetNumChampCourant(saison->GetNumChampionnatId(2));

    EXPECT_EQ(ChampionnatParametre({}, saison.get()), coupe);
    EXPECT_EQ(ChampionnatParametre({"Division="}, saison.get()), coupe);
    EXPECT_EQ(ChampionnatParametre({"division=1"}, saison.get()), ligue);
    EXPECT_EQ(ChampionnatParametre({"Division=ligue"}, saison.get()), ligue); // not a number: id 1
    // No championship of that id, or no season: nothing, not another championship.
    EXPECT_EQ(ChampionnatParametre({"Division=9"}, saison.get()), nullptr);
    EXPECT_EQ(ChampionnatParametre({"Division=1"}, nullptr), nullptr);
}

// ------------------------------------------------------------ base keywords

std::string Execute(const std::string& nom, const TLignesParam& params, const std::string& args,
                    TSaison* saison = nullptr)
{
    std::string resultat = "ancien";
    TFootForm::ExecuteFonction(nom, params, resultat, args, saison);
    return resultat;
}

TEST(MotsClesBase, InclureConcateneLesFichiersDuDossierDuModele)
{
    TempDir dossier;
    WriteWholeFile(dossier / "a.htm", "<p>A</p>");
    WriteWholeFile(dossier / "b.htm", "<p>B</p>\n");
    const std::string args = "sortie.htm|" + (dossier / "modele.tpl").string();

    EXPECT_EQ(Execute("inclure", {"a.htm", "Param=x", "manque.htm", "\"b.htm\""}, args), "##<p>A</p><p>B</p>\n");
    EXPECT_EQ(Execute("Inclure", {"'a.htm'"}, args), "##<p>A</p>");
    // A name with its folder is taken as it stands.
    EXPECT_EQ(Execute("inclure", {(dossier / "b.htm").string()}, "sortie.htm|ailleurs/modele.tpl"), "##<p>B</p>\n");
    // Only missing files: nothing at all, not even the marker.
    EXPECT_EQ(Execute("inclure", {"manque.htm", "autre.htm"}, args), "");
    EXPECT_EQ(Execute("inclure", {}, args), "");
}

TEST(MotsClesBase, AddSuffixeNomFic)
{
    auto saison = testsupport::CreeSaisonComplete();
    saison->SetNumChampCourant(saison->GetNumChampionnatId(1));
    saison->GetChampionnatId(1)->SetDateJournee(2, EncodeDateMatch(5, 10, 2002));

    EXPECT_EQ(Execute("AddSuffixeNomFic", {"NumJournee", "Journee=12"}, "classement.htm|m.tpl"),
              "#*_12*classement_12.htm");
    EXPECT_EQ(Execute("addsuffixenomfic", {"numjournee"}, "classement.htm"), "#*_0*classement_0.htm");
    EXPECT_EQ(Execute("AddSuffixeNomFic", {"DateJournee", "Journee=2"}, "out/classement.htm|m.tpl", saison.get()),
              "#*_05x10x2002*out/classement_05x10x2002.htm");
    // Every word inserts its suffix into the name; the last one gives the result.
    EXPECT_EQ(Execute("AddSuffixeNomFic", {"NumJournee", "Journee=2", "DateJournee"}, "c.v1.htm|m.tpl", saison.get()),
              "#*_05x10x2002*c.v1_2_05x10x2002.htm");
    // No extension, or a dot only in a folder name: the name is left alone.
    EXPECT_EQ(Execute("AddSuffixeNomFic", {"NumJournee", "Journee=3"}, "classement|m.tpl"), "");
    EXPECT_EQ(Execute("AddSuffixeNomFic", {"NumJournee", "Journee=3"}, "site.v2/classement|m.tpl"), "");
    // A date with no championship to read it from adds nothing.
    EXPECT_EQ(Execute("AddSuffixeNomFic", {"DateJournee", "Division=9"}, "c.htm", saison.get()), "");
    EXPECT_EQ(Execute("AddSuffixeNomFic", {"Autre"}, "c.htm"), "");
}

TEST(MotsClesBase, Ecrire)
{
    auto saison = testsupport::CreeSaisonComplete();
    const TLignesParam params = {"Division", "NumDivision",  "CouleurFond",           "Titre",
                                 "Manque",   "DivisionEx=2", "CouleurFondEx=#FFFFFF", "titre=Bilan"};
    EXPECT_EQ(Execute("ecrire", params, "", saison.get()), "Ma coupe2#FFFFFFBilan");
    EXPECT_EQ(Execute("ECRIRE", {"NumDivision", "Division", "DivisionEx=7"}, "", saison.get()), "7");
    EXPECT_EQ(Execute("ecrire", {"NumDivision"}, ""), "1");
    // Keywords the base does not know give nothing.
    EXPECT_EQ(Execute("classement", params, "", saison.get()), "");

    // With a list, its words are written with the parameters of Params.
    std::string resultat = "<";
    const TLignesParam liste = {"Titre", "NumDivision", "Ignore=1"};
    TFootForm::Ecrire("ecrire", params, resultat, &liste, "", saison.get());
    EXPECT_EQ(resultat, "<Bilan2");
    resultat = "inchange";
    TFootForm::Ecrire("inclure", params, resultat, nullptr, "", saison.get());
    EXPECT_EQ(resultat, "inchange");
}

// ---------------------------------------------------------------- registries

struct TPageTest : TFootForm {
    using TFootForm::TFootForm;
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison)
    {
        if (Nom == "test") {
            Resultat = "page";
            return;
        }
        TFootForm::ExecuteFonction(Nom, Params, Resultat, Args, Saison);
    }
};

TEST(GestionFonction, MotsClesDeBaseApresLeDemarrage)
{
    EnregistrePages();
    const TGestionFonction& gestion = GestionFonction();
    for (const char* nom : {"inclure", "ecrire", "AddSuffixeNomFic"}) {
        const TGestionFonction::TEntree* e = gestion.Cherche(nom);
        ASSERT_NE(e, nullptr) << nom;
        EXPECT_EQ(e->Classe, &TFootForm::ExecuteFonction);
        EXPECT_EQ(e->Code, CodeFonction::Base);
    }
    EXPECT_NE(gestion.Cherche("ADDSUFFIXENOMFIC"), nullptr);
    EXPECT_EQ(gestion.Cherche("inconnu"), nullptr);
    EXPECT_EQ(gestion.Get(-1), nullptr);
    EXPECT_EQ(gestion.Get(gestion.Count()), nullptr);
}

TEST(GestionFonction, UnePageRepondASesMotsCles)
{
    TGestionFonction gestion;
    gestion.Ajoute<TPageTest>("test", CodeFonction::Equipe);
    gestion.Ajoute<TFootForm>("test", CodeFonction::Base); // a name may come twice: the first answers
    ASSERT_EQ(gestion.Count(), 2);
    const TGestionFonction::TEntree* e = gestion.Cherche("test");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Code, CodeFonction::Equipe);
    std::string resultat;
    e->Classe("test", {}, resultat, "", nullptr);
    EXPECT_EQ(resultat, "page");
    e->Classe("ecrire", {"NumDivision"}, resultat, "", nullptr); // falls back to the base keywords
    EXPECT_EQ(resultat, "1");
}

TEST(CommandePage, LaDerniereInscriptionGagne)
{
    EXPECT_EQ(CommandePage(-12345), nullptr);
    testsupport::TFaussePrincipale principale;
    int appel = 0;
    EnregistreCommandePage(-12345, [&](TPrincipale&, int code, int, int) { appel = code; });
    EnregistreCommandePage(-12345, [&](TPrincipale&, int, int param, int param2) { appel = param + param2; });
    const TCommandePage* commande = CommandePage(-12345);
    ASSERT_NE(commande, nullptr);
    (*commande)(principale, -12345, 3, 4);
    EXPECT_EQ(appel, 7);
    EnregistreCommandePage(-12345, nullptr);
    EXPECT_EQ(CommandePage(-12345), nullptr);
}

TEST(CommandePage, ReponsesDesCommandes)
{
    testsupport::TFaussePrincipale principale;
    const auto lance = [&](auto f, int param = 5) {
        EnregistreCommandePage(-12345, f);
        const TReponsePage a = (*CommandePage(-12345))(principale, -12345, param, 9);
        EnregistreCommandePage(-12345, nullptr);
        return a;
    };
    // Nothing answered: shown, with the parameters given.
    TReponsePage a = lance([](TPrincipale&, int, int, int) {});
    EXPECT_TRUE(a.Montre);
    EXPECT_FALSE(a.Param || a.Param2);
    EXPECT_FALSE(lance([](TPrincipale&, int, int, int) { return false; }).Montre);
    EXPECT_TRUE(lance([](TPrincipale&, int, int, int) { return true; }).Montre);
    a = lance([](TPrincipale&, int, int param, int) { return TReponsePage::Avec(param * 2); });
    EXPECT_TRUE(a.Montre);
    EXPECT_EQ(a.Param, 10);
    EXPECT_FALSE(a.Param2);
}

class TPageCompte : public TFootForm {
public:
    using TFootForm::TFootForm;
    std::vector<int> Codes;
};

TEST(CommandePage, UneLignePourUnePageNeuveOuReutilisee)
{
    testsupport::TFaussePrincipale principale;
    EnregistrePage<TPageCompte>({-12345, -12346},
                                [](TPageCompte& page, TPrincipale&, int code) { page.Codes.push_back(code); });
    (*CommandePage(-12345))(principale, -12345, -1, 0);
    auto* premiere = dynamic_cast<TPageCompte*>(principale.GetPageCourante());
    ASSERT_NE(premiere, nullptr);
    QPointer<TFootForm> garde = premiere;
    (*CommandePage(-12346))(principale, -12346, -1, 0);
    auto* seconde = dynamic_cast<TPageCompte*>(principale.GetPageCourante());
    ASSERT_NE(seconde, nullptr);
    EXPECT_EQ(seconde->Codes, std::vector<int>{-12346}) << "a new page each time";

    // Reused: the shown page of the class gets the command; the parameter
    // reaches the commands that take it, and their answer is theirs.
    EnregistrePage<TPageCompte>(
        {-12345},
        [](TPageCompte& page, TPrincipale&, int, int param) {
            page.Codes.push_back(param);
            return param > 0 ? TReponsePage::Avec(param + 1) : TReponsePage::Aucun();
        },
        true);
    TReponsePage a = (*CommandePage(-12345))(principale, -12345, 4, 0);
    EXPECT_EQ(principale.GetPageCourante(), seconde);
    EXPECT_EQ(seconde->Codes, (std::vector<int>{-12346, 4}));
    EXPECT_EQ(a.Param, 5);
    EXPECT_FALSE((*CommandePage(-12345))(principale, -12345, 0, 0).Montre);
    EnregistreCommandePage(-12345, nullptr);
    EnregistreCommandePage(-12346, nullptr);
}

// ------------------------------------------------------------ cards

TEST(OuvreFiche, ChaqueCarteParSonOuvreur)
{
    auto saison = testsupport::CreeSaisonComplete();
    EnregistreFicheStade(nullptr);
    EnregistreFicheEntraineur(nullptr);
    EnregistreFicheArbitre(nullptr);
    EnregistreFicheJoueur(nullptr);
    bool change = true;
    TStade* stade = nullptr;
    // No card registered: nothing opened, nothing changed.
    EXPECT_FALSE(OuvreFicheStade(*saison, stade, &change));
    EXPECT_FALSE(change);
    TEntraineur* entraineur = nullptr;
    EXPECT_FALSE(OuvreFicheEntraineur(*saison, entraineur));
    TPersonnelStat* arbitre = nullptr;
    EXPECT_FALSE(OuvreFicheArbitre(*saison, 1, arbitre));
    TJoueur* joueur = nullptr;
    EXPECT_FALSE(OuvreFicheJoueur(*saison, 1, joueur, 0));

    // A card hands back the entry it made, and its change; each opener
    // reaches its own card only.
    TStade cree;
    int appels = 0;
    EnregistreFicheStade([&](TSaison&, TStade*& s, bool* c) {
        ++appels;
        s = &cree;
        if (c) {
            EXPECT_FALSE(*c) << "reset before the card runs";
            *c = true;
        }
        return true;
    });
    change = true;
    EXPECT_FALSE(OuvreFicheEntraineur(*saison, entraineur, &change));
    EXPECT_FALSE(change);
    EXPECT_TRUE(OuvreFicheStade(*saison, stade, &change));
    EXPECT_EQ(stade, &cree);
    EXPECT_TRUE(change);
    // Without a change output the card still runs.
    EXPECT_TRUE(OuvreFicheStade(*saison, stade));
    EXPECT_EQ(appels, 2);
    EnregistreFicheStade(nullptr);
}

// ------------------------------------------------------- pages in a window

TEST(TFootForm, IncrusteeRemplitLePanneauEtPrevientLaFenetre)
{
    testsupport::TFaussePrincipale principale(testsupport::CreeSaisonComplete());
    principale.Fond.resize(640, 480);
    principale.Fond.show();
    TFootForm* page = principale.AfficheFenetre(ClassePage<TPageTest>());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Saison, principale.GetSaison());
    EXPECT_EQ(page->Principale, &principale);
    EXPECT_EQ(page->parentWidget(), &principale.Fond);
    EXPECT_FALSE(page->isWindow());
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->geometry(), principale.Fond.rect());
    principale.Fond.resize(700, 500);
    QApplication::processEvents();
    EXPECT_EQ(page->size(), QSize(700, 500));
    // Embedding the same page again leaves it where it is.
    IncrusteFiche(page, &principale.Fond);
    EXPECT_EQ(page->geometry(), principale.Fond.rect());
    // Moved to another panel, it follows that one only.
    QWidget autre;
    autre.resize(300, 200);
    autre.show();
    IncrusteFiche(page, &autre);
    EXPECT_EQ(page->parentWidget(), &autre);
    principale.Fond.resize(640, 480);
    autre.resize(320, 240);
    QApplication::processEvents();
    EXPECT_EQ(page->size(), QSize(320, 240));
    IncrusteFiche(page, &principale.Fond);

    // Nothing to print or export by default.
    EXPECT_FALSE(page->Imprimable());
    page->Imprime();
    EXPECT_FALSE(page->ExporteHtml("/nulle/part.htm"));

    page->Modifie();
    page->Navigue(40, 2, 1);
    EXPECT_EQ(principale.NbModifications, 1);
    ASSERT_EQ(principale.Navigations.size(), 1u);
    EXPECT_EQ(principale.Navigations[0], (testsupport::TFaussePrincipale::TNavigation{40, 2, 1}));

    // A page without callbacks says nothing to anyone.
    TPageTest seule;
    seule.Modifie();
    seule.Navigue(13);
}

// ------------------------------------------------------------ titles, printing and export

// A page of one day's figures, with a grid to export and a printout that
// looks at the printer's title.
struct TPageJournee : TFootForm {
    explicit TPageJournee(QWidget* parent = nullptr) : TFootForm(parent), Grille(new TColorStringGrid(this))
    {
        Grille->SetColCount(1);
        Grille->SetRowCount(1);
        Grille->SetTexte(0, 0, "Arles");
    }
    std::string JourneeDocument() const override { return Jour > 0 ? TexteJournee(Jour) : std::string(); }
    void Imprime() override { TitreImprime = Imprimante().Titre(); }

    TColorStringGrid* Grille;
    int Jour = 0;
    std::string TitreImprime;
};

struct TTextesFrancais {
    TTextesFrancais() { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    ~TTextesFrancais() { InstalleTraducteur(nullptr); }
};

TEST(TFootForm, TitreDuChampionnatDeLaVueEtDuJour)
{
    TTextesFrancais textes;
    auto saison = testsupport::CreeSaisonComplete();
    saison->SetNumChampCourant(saison->GetNumChampionnatId(2));
    TPageJournee page;
    EXPECT_EQ(page.TitreDocument(), "");
    page.Saison = saison.get();
    const std::string championnat = page.TitreDocument();
    EXPECT_NE(championnat.find("Ma coupe"), std::string::npos);
    page.SetVue("Classement général");
    page.Jour = 3;
    EXPECT_EQ(page.TitreDocument(), championnat + " - Classement général - Journée 3");
    page.Saison = nullptr;
    EXPECT_EQ(page.TitreDocument(), "Classement général - Journée 3");
}

TEST(TFootForm, ImprimeSousSonTitre)
{
    testsupport::TempDir dossier;
    TImprimantePdf pdf((dossier / "p.pdf").string());
    TPageJournee page;
    page.SetVue("Classement");
    page.Jour = 2;
    page.ImprimeDocument();
    EXPECT_EQ(page.TitreImprime, page.TitreDocument());
    EXPECT_NE(page.TitreImprime.find("Classement"), std::string::npos);
    EXPECT_EQ(pdf.Titre(), "") << "the next printout is not titled as this page";
}

TEST(TFootForm, LaGrilleSExporteTitreeEtUnEchecDitPourquoi)
{
    TTextesFrancais textes;
    testsupport::TMessagesScriptes messages;
    TempDir dossier;
    TPageJournee page;
    page.SetVue("Résultats & buteurs");
    page.Jour = 4;
    const std::string fichier = (dossier / "page.html").string();
    // Without its grid named the page has nothing to export, and says nothing.
    EXPECT_FALSE(page.ExporteHtml(fichier));
    EXPECT_FALSE(std::filesystem::exists(fichier));
    page.SetGrillePage(page.Grille);
    EXPECT_TRUE(page.ExporteHtml(fichier));
    const std::string html = testsupport::ReadWholeFile(fichier);
    EXPECT_NE(html.find("<title>Résultats &amp; buteurs - Journée 4</title>"), std::string::npos);
    EXPECT_NE(html.find("Résultats &amp; buteurs - Journée 4</font></h1>"), std::string::npos);
    EXPECT_NE(html.find("Arles"), std::string::npos);
    EXPECT_TRUE(messages.Messages.empty());

    const std::string perdu = (dossier / "absent" / "page.html").string();
    EXPECT_FALSE(page.ExporteHtml(perdu));
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2620, {perdu, Traduit(2624)}));
}

// ------------------------------------------------------------ player card

TEST(AfficheFicheJoueur, OuvreLaFicheEnregistree)
{
    auto saison = testsupport::CreeSaisonComplete();
    saison->SetNumChampCourant(2);
    int appels = 0;
    int numChamp = 0;
    int mode = 0;
    bool accepte = true;
    EnregistreFicheJoueur(nullptr);
    EXPECT_EQ(AfficheFicheJoueur(3, saison.get()), nullptr); // no card yet

    EnregistreFicheJoueur([&](TSaison&, int n, TJoueur*&, int m, bool*) {
        ++appels;
        numChamp = n;
        mode = m;
        return accepte;
    });
    EXPECT_EQ(AfficheFicheJoueur(0, saison.get()), nullptr);
    EXPECT_EQ(AfficheFicheJoueur(999, saison.get()), nullptr);
    EXPECT_EQ(AfficheFicheJoueur(3, nullptr), nullptr);
    EXPECT_EQ(appels, 0);

    TJoueur* joueur = saison->Joueurs().ChercheId(3);
    ASSERT_NE(joueur, nullptr);
    EXPECT_EQ(AfficheFicheJoueur(3, saison.get()), joueur);
    EXPECT_EQ(numChamp, 2);
    EXPECT_EQ(mode, 0x30000 + joueur->GetEquipe());
    accepte = false;
    EXPECT_EQ(AfficheFicheJoueur(3, saison.get()), nullptr);
    EXPECT_EQ(appels, 2);
    EnregistreFicheJoueur(nullptr);
}

// ------------------------------------------------------------ team chooser

class ChoixEquipe : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        Saison = testsupport::CreeSaisonComplete();
        TDonneesChampionnat* ligue = Saison->GetChampionnatId(1);
        // Seven teams: three rows.
        Saison->AjouteEquipe("Nantes", -1, false, 106);
        ligue->AjouteEquipe(4);
        ligue->AjouteEquipe(5);
        ligue->AjouteEquipe(6);
        Saison->SetNumChampCourant(Saison->GetNumChampionnatId(1));
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    std::unique_ptr<TSaisonFootball> Saison;
    TDialoguesScriptes Dialogues;
};

TEST_F(ChoixEquipe, DisposeUneCaseParEquipeTroisParLigne)
{
    int equipe = 1;
    Dialogues.Repond([&](QDialog& d) {
        auto& choix = dynamic_cast<Tf_ChoixEquipe&>(d);
        EXPECT_EQ(choix.windowTitle(), "Equipe 1");
        EXPECT_EQ(choix.size(), QSize(480, 6 / 3 * 20 + 60));
        ASSERT_EQ(choix.Cases.size(), 7u);
        const char* noms[] = {"Lyon", "Nice", "Paris", "Lens", "Brest", "Metz", "Nantes"};
        for (int i = 0; i < 7; ++i) {
            TCarreCoche* c = choix.Cases[i];
            EXPECT_EQ(c->Caption(), noms[i]);
            EXPECT_EQ(c->geometry().topLeft(), QPoint(i % 3 * 155 + 10, i / 3 * 20 + 5));
            EXPECT_EQ(c->width(), 145);
            EXPECT_EQ(c->Groupe(), 0);
            EXPECT_EQ(c->Checked(), i == 1);
            EXPECT_EQ(c->isEnabled(), i != 3); // team 4 (1-based) is excluded
        }
        EXPECT_EQ(choix.BoutonValider->Caption(), "Valider");
        EXPECT_EQ(choix.BoutonValider->geometry(), QRect(196, 6 / 3 * 20 + 30, 80, 25));
        // Ticking another box clears the first; OK returns it.
        QTest::mouseClick(choix.Cases[5], Qt::LeftButton);
        EXPECT_FALSE(choix.Cases[1]->Checked());
        choix.BoutonValider->Click();
    });
    EXPECT_TRUE(Tf_ChoixEquipe::Choisir(Saison.get(), "Equipe 1", 4, equipe));
    EXPECT_EQ(equipe, 5);
}

TEST_F(ChoixEquipe, PreselectionDeplaceeHorsDeLEquipeExclue)
{
    int coche = -2;
    auto note = [&](QDialog& d) {
        coche = dynamic_cast<Tf_ChoixEquipe&>(d).EquipeChoisie();
        d.done(ResultatModal::Ok);
    };
    int equipe = 2;
    Dialogues.Repond(note);
    EXPECT_TRUE(Tf_ChoixEquipe::Choisir(Saison.get(), "t", 3, equipe));
    EXPECT_EQ(coche, 0);
    EXPECT_EQ(equipe, 0);

    equipe = 0;
    Dialogues.Repond(note);
    EXPECT_TRUE(Tf_ChoixEquipe::Choisir(Saison.get(), "t", 1, equipe));
    EXPECT_EQ(coche, 1);
    EXPECT_EQ(equipe, 1);
}

TEST_F(ChoixEquipe, AnnulerOuRienDeCocheLaisseLEquipe)
{
    int equipe = 2;
    Dialogues.RepondResultat(ResultatModal::Annuler);
    EXPECT_FALSE(Tf_ChoixEquipe::Choisir(Saison.get(), "t", 0, equipe));
    EXPECT_EQ(equipe, 2);

    // Validated with no box ticked, it says a team is wanted and stays open.
    testsupport::TMessagesScriptes messages;
    Dialogues.Repond([&](QDialog& d) {
        auto& choix = dynamic_cast<Tf_ChoixEquipe&>(d);
        QTest::mouseClick(choix.Cases[2], Qt::LeftButton); // unticks the only ticked box
        choix.BoutonValider->Click();
        ASSERT_EQ(messages.Messages.size(), 1u);
        EXPECT_EQ(messages.Messages[0].Texte, Traduit(3291));
        EXPECT_EQ(choix.result(), ResultatModal::Aucun);
        d.done(ResultatModal::Annuler);
    });
    EXPECT_FALSE(Tf_ChoixEquipe::Choisir(Saison.get(), "t", 0, equipe));
    EXPECT_EQ(equipe, 2);

    // No season, or a season with no championship: nothing opens.
    EXPECT_FALSE(Tf_ChoixEquipe::Choisir(nullptr, "t", 0, equipe));
    TSaisonFootball vide;
    EXPECT_FALSE(Tf_ChoixEquipe::Choisir(&vide, "t", 0, equipe));
    EXPECT_EQ(Dialogues.TitresFormes.size(), 2u);
}

} // namespace
