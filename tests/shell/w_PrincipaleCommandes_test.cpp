// The commands of the menu as a user meets them: each caption names what it
// opens, File > New, the calendar check, the seasons' history, the HTML export
// of a page, a second click on the entry already chosen, and the language of
// the calendar whatever the desktop's.

#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "files/Stats.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/saisie/w_Validation.h"
#include "pages/vues/w_DiversStat.h"
#include "pages/vues/w_Historique.h"
#include "presentation/ComposeurSaison.h"
#include "support/SaisonExemple.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace fs = std::filesystem;

namespace {

using Commandes = testsupport::FenetreSurArchive;

// The words that carry the meaning of a caption: lower case, without accents,
// none under four letters.
std::vector<std::string> Mots(const QString& texte)
{
    std::vector<std::string> mots;
    const QString plat = texte.normalized(QString::NormalizationForm_D).toLower();
    QString mot;
    const auto garde = [&] {
        // Words every page of a championship may show name nothing in particular.
        static const std::set<std::string> vides = {
            "dans",        "pour",         "avec",   "each",   "equipe", "equipes", "team",    "teams", "journee",
            "championnat", "championship", "saison", "season", "match",  "matchs",  "matches", "total"};
        if (mot.size() >= 4 && vides.count(mot.toStdString()) == 0)
            mots.push_back(mot.toStdString());
        mot.clear();
    };
    for (const QChar c : plat) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c.isLetter())
            mot += c;
        else
            garde();
    }
    garde();
    return mots;
}

// Two words of one family: the same, or the same first five letters
// ("nouveau", "nouvelle"; "vérifier", "vérification"; "affluence", "affluences").
bool MemeFamille(const std::string& a, const std::string& b)
{
    const auto sansPluriel = [](const std::string& m) {
        return !m.empty() && (m.back() == 's' || m.back() == 'x') ? m.substr(0, m.size() - 1) : m;
    };
    if (sansPluriel(a) == sansPluriel(b))
        return true;
    return a.size() >= 5 && b.size() >= 5 && a.compare(0, 5, b, 0, 5) == 0;
}

bool Partagent(const QString& a, const QString& b)
{
    for (const std::string& ma : Mots(a))
        for (const std::string& mb : Mots(b))
            if (MemeFamille(ma, mb))
                return true;
    return false;
}

// What the screen names after a command: when it showed a view, the page's
// tab and title and its own status text; the title of every form it opened,
// but for the choosers asking what to show (they are cancelled here).
QStringList NomsMontres(Tf_Principale& f, bool vue, const testsupport::TDialoguesScriptes& dialogues,
                        size_t formesAvant, int textesAvant, const std::vector<std::string>& classes)
{
    QStringList noms;
    TFootForm* page = f.GetPageCourante();
    if (vue && page != nullptr) {
        // A page of sheets is named by the sheet shown.
        for (QTabWidget* onglets : page->findChildren<QTabWidget*>())
            if (onglets->isVisibleTo(page) && onglets->currentIndex() >= 0)
                noms << onglets->tabText(onglets->currentIndex());
        if (f.Statut->NbTextesPage() != textesAvant)
            noms << QString::fromStdString(f.Statut->TextePanneau(2));
        if (noms.isEmpty()) {
            // Otherwise by its headings: its labels and its grids' column titles.
            for (QLabel* label : page->findChildren<QLabel*>())
                if (label->isVisibleTo(page) && !label->text().isEmpty())
                    noms << label->text();
            for (TColorStringGrid* grille : page->findChildren<TColorStringGrid*>())
                if (grille->isVisibleTo(page) && grille->GetRowCount() > 0)
                    for (int c = 0; c < grille->GetColCount(); ++c)
                        noms << QString::fromStdString(grille->GetTexte(c, 0));
        }
    }
    for (size_t i = formesAvant; i < dialogues.TitresFormes.size(); ++i)
        if (i >= classes.size() || classes[i].rfind("Tf_Choix", 0) != 0 || classes[i] == "Tf_ChoixLangue")
            noms << QString::fromStdString(dialogues.TitresFormes[i]);
    return noms;
}

// What each command of the menu opens. Nomme: the caption shares a word of
// meaning with the page's sheet, its own status text or headings, or with the
// form's title. Classe: the page or form shown (empty: none). Fichier: a file
// dialog. Rien: the command does nothing yet (the README lists these).
enum class TGenre { Nomme, Classe, Fichier, Rien, Hors };
struct TOuverture {
    int Code;
    TGenre Genre;
    const char* Classe;
};

constexpr TOuverture Ouvertures[] = {
    {5, TGenre::Nomme, "Tf_CreationSaison"},
    {6, TGenre::Fichier, ""},
    {7, TGenre::Hors, ""}, // saves, and a season unchanged is not written
    {8, TGenre::Fichier, ""},
    {9, TGenre::Hors, ""}, // closes the season
    {10, TGenre::Rien, ""},
    {11, TGenre::Hors, ""}, // asks the network
    {12, TGenre::Hors, ""}, // ends the program
    {13, TGenre::Classe, "Tf_Resultats"},
    {14, TGenre::Classe, "Tf_Buteurs"},
    {15, TGenre::Classe, "Tf_Composition"},
    {16, TGenre::Nomme, "Tf_Passeurs"},
    {18, TGenre::Classe, "Tf_Notes"},
    {19, TGenre::Classe, "Tf_FicheMatch"},
    {20, TGenre::Classe, "Tf_Prevision"},
    {21, TGenre::Classe, "Tf_DiversStat"},
    {22, TGenre::Nomme, "Tf_RechercheMatch"},
    {23, TGenre::Classe, "Tf_Minute"},
    {24, TGenre::Classe, "Tf_DiversStat"},
    {25, TGenre::Nomme, "Tf_Validation"},
    {26, TGenre::Classe, "Tf_DiversStat"},
    {27, TGenre::Classe, "Tf_DiversStat"},
    {28, TGenre::Nomme, "Tf_DiversStat"},
    {29, TGenre::Nomme, "Tf_DiversStat"},
    {30, TGenre::Nomme, "Tf_DiversStat"},
    {31, TGenre::Nomme, "Tf_DiversStat"},
    {32, TGenre::Nomme, "Tf_DiversStat"},
    {33, TGenre::Nomme, "Tf_ClassJoueur"},
    {34, TGenre::Nomme, "Tf_InfoGeneralEx"},
    {40, TGenre::Nomme, "Tf_ClassementEx"},
    {41, TGenre::Nomme, "Tf_ClassementEx"},
    {42, TGenre::Nomme, "Tf_ClassementEx"},
    {43, TGenre::Nomme, "Tf_ClassementEx"},
    {44, TGenre::Nomme, "Tf_ClassementEx"},
    {45, TGenre::Nomme, "Tf_ClassementEx"},
    {62, TGenre::Nomme, "Tf_ClassementEx"},
    {63, TGenre::Nomme, "Tf_ClassementEx"},
    {64, TGenre::Nomme, "Tf_ClassementEx"},
    {65, TGenre::Nomme, "Tf_ClassementEx"},
    {66, TGenre::Classe, "Tf_ClassJoueur"},
    {67, TGenre::Nomme, "Tf_ClassJoueur"},
    {68, TGenre::Nomme, "Tf_ClassJoueur"},
    {69, TGenre::Nomme, "Tf_ClassJoueur"},
    {70, TGenre::Nomme, "Tf_ClassJoueur"},
    {71, TGenre::Nomme, "Tf_ClassJoueur"},
    {72, TGenre::Nomme, "Tf_ClassJoueur"},
    {73, TGenre::Classe, "Tf_ClassJoueur"},
    {116, TGenre::Nomme, "Tf_ClassJoueur"},
    {117, TGenre::Nomme, "Tf_ClassJoueur"},
    {118, TGenre::Nomme, "Tf_ClassJoueur"},
    {119, TGenre::Nomme, "Tf_ClassJoueur"},
    {121, TGenre::Nomme, "Tf_StatEquipeEx"},
    {122, TGenre::Nomme, "Tf_StatEquipeEx"},
    {123, TGenre::Nomme, "Tf_StatEquipeEx"},
    {124, TGenre::Nomme, "Tf_StatEquipeEx"},
    {125, TGenre::Nomme, "Tf_StatEquipeEx"},
    {128, TGenre::Nomme, "Tf_StatEquipeEx"},
    {129, TGenre::Nomme, "Tf_StatEquipeEx"},
    {130, TGenre::Nomme, "Tf_StatEquipeEx"},
    {131, TGenre::Nomme, "Tf_StatEquipeEx"},
    {132, TGenre::Classe, "Tf_InfoEquipes"},
    {134, TGenre::Classe, "Tf_InfoEquipes"},
    {135, TGenre::Nomme, "Tf_InfoEquipes"},
    {136, TGenre::Nomme, "Tf_InfoEquipes"},
    {137, TGenre::Classe, "Tf_ClassementEx"},
    {138, TGenre::Classe, "Tf_ClassementEx"},
    {139, TGenre::Classe, "Tf_ClassementEx"},
    {140, TGenre::Classe, "Tf_ClassementEx"},
    {141, TGenre::Classe, "Tf_ClassementEx"},
    {142, TGenre::Classe, "Tf_ClassementEx"},
    {143, TGenre::Classe, "Tf_Penalite"},
    {144, TGenre::Nomme, "Tf_ModifierEquipe"},
    {145, TGenre::Nomme, "Tf_ModifierLogo"},
    {146, TGenre::Nomme, "Tf_ModifierNat"},
    {147, TGenre::Classe, "Tf_Effectifs"},
    {148, TGenre::Classe, "Tf_Arbitres"},
    {149, TGenre::Rien, ""},
    {150, TGenre::Nomme, "Tf_Recherche"},
    {151, TGenre::Classe, "Tf_DiversStat"},
    {152, TGenre::Nomme, "Tf_Stades"},
    {153, TGenre::Classe, "Tf_Comparaison"},
    {154, TGenre::Classe, "Tf_Comparaison"},
    {155, TGenre::Classe, "Tf_Comparaison"},
    {156, TGenre::Classe, ""}, // asks the two teams first
    {157, TGenre::Classe, "Tf_DiversStat"},
    {158, TGenre::Classe, "Tf_Statistique"},
    {159, TGenre::Classe, "Tf_Statistique"},
    {160, TGenre::Classe, "Tf_Statistique"},
    {161, TGenre::Classe, "Tf_DiversStat"},
    {162, TGenre::Nomme, "Tf_DiversStat"},
    {163, TGenre::Nomme, "Tf_DiversStat"},
    {164, TGenre::Classe, "Tf_DiversStat"},
    {165, TGenre::Classe, "Tf_DiversStat"},
    {170, TGenre::Classe, "Tf_recap"},
    {171, TGenre::Nomme, "Tf_DiversStat"},
    {172, TGenre::Nomme, "Tf_InfoGeneralEx"},
    {173, TGenre::Nomme, "Tf_InfoGeneralEx"},
    {174, TGenre::Nomme, "Tf_InfoGeneralEx"},
    {175, TGenre::Nomme, "Tf_InfoGeneralEx"},
    {176, TGenre::Nomme, "Tf_Option"},
    {177, TGenre::Nomme, "Tf_FavorisEx"},
    {178, TGenre::Nomme, "Tf_OptionSauve"},
    {179, TGenre::Nomme, "Tf_ChoixLangue"},
    {180, TGenre::Rien, ""},
    {183, TGenre::Rien, ""},
    {184, TGenre::Rien, ""},
    {185, TGenre::Rien, ""},
    {187, TGenre::Fichier, ""},
    {188, TGenre::Fichier, ""},
    {189, TGenre::Fichier, ""},
    {190, TGenre::Fichier, ""},
    {191, TGenre::Classe, ""}, // the archive is chosen: this season has none
    {192, TGenre::Hors, ""},   // writes the division's archive
    {193, TGenre::Classe, "Tf_CreationSaison"},
    {194, TGenre::Nomme, "Tf_CreeBarrage"},
    {195, TGenre::Rien, ""},
    {196, TGenre::Rien, ""},
    {197, TGenre::Nomme, "Tf_AboutBox"},
    {198, TGenre::Hors, ""}, // opens the help with the desktop
    {199, TGenre::Classe, ""},
    {200, TGenre::Classe, ""},
    {201, TGenre::Classe, ""},
    {202, TGenre::Classe, ""},
    {215, TGenre::Nomme, "Tf_Favoris"},
    {217, TGenre::Classe, "Tf_InfoEquipes"},
    {218, TGenre::Classe, "Tf_InfoEquipes"},
};

const TOuverture* Ouverture(int code)
{
    for (const TOuverture& o : Ouvertures)
        if (o.Code == code)
            return &o;
    return nullptr;
}

// Every command of the tree is run as a click would, and what it shows is
// what the table says; where the table says so, the caption names it.
TEST_F(Commandes, ChaqueLibelleNommeCeQuIlOuvre)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    std::vector<std::string> classes(Dialogues.TitresFormes.size());
    Dialogues.Inspecte = [&](QDialog& d) { classes.push_back(d.metaObject()->className()); };
    std::vector<std::pair<int, QString>> entrees;
    std::set<int> vus;
    for (QTreeWidgetItemIterator it(f.tv_Menu); *it != nullptr; ++it) {
        const int code = DonneeNoeud(*it);
        if (code >= CodeMenu::PremiereCommande && code < 255 && vus.insert(code).second)
            entrees.emplace_back(code, (*it)->text(0));
    }
    ASSERT_GT(entrees.size(), 100u);
    int nommees = 0;
    for (const auto& [code, libelle] : entrees) {
        SCOPED_TRACE(std::to_string(code) + " " + libelle.toStdString());
        const TOuverture* attendu = Ouverture(code);
        ASSERT_NE(attendu, nullptr) << "a command of the menu missing from the table";
        if (attendu->Genre == TGenre::Hors)
            continue;
        const size_t formes = Dialogues.TitresFormes.size();
        const size_t fichiers = Dialogues.DemandesOuverture.size() + Dialogues.DemandesEnregistrement.size();
        const int textes = f.Statut->NbTextesPage();
        TFootForm* avant = f.GetPageCourante();
        // A team's statistics show the first team, a match day's views the first day.
        const int param = code >= Commande::StatEquipe && code <= Commande::StatEquipeClub ? 0
                          : (code >= Commande::JourneeDetail && code <= Commande::JourneeMeilleursJoueurs &&
                             code != Commande::ClassButsContreSonCamp)
                              ? 1
                              : -1;
        const bool vue = f.ExecuteCommande(libelle.toStdString(), code, nullptr, param, true);
        QCoreApplication::processEvents();

        TFootForm* page = vue ? f.GetPageCourante() : nullptr;
        std::string montre = page != nullptr ? page->metaObject()->className() : "";
        for (size_t i = formes; i < classes.size() && montre.empty(); ++i)
            if (classes[i].rfind("Tf_Choix", 0) != 0 || classes[i] == "Tf_ChoixLangue")
                montre = classes[i];
        const bool fichier = Dialogues.DemandesOuverture.size() + Dialogues.DemandesEnregistrement.size() != fichiers;
        switch (attendu->Genre) {
        case TGenre::Rien:
            EXPECT_FALSE(vue);
            EXPECT_EQ(f.GetPageCourante(), avant);
            EXPECT_EQ(Dialogues.TitresFormes.size(), formes);
            EXPECT_FALSE(fichier);
            continue;
        case TGenre::Fichier:
            EXPECT_TRUE(fichier);
            continue;
        default:
            break;
        }
        EXPECT_EQ(montre, attendu->Classe);
        if (attendu->Genre != TGenre::Nomme)
            continue;
        const QStringList noms = NomsMontres(f, vue, Dialogues, formes, textes, classes);
        bool nomme = false;
        for (const QString& nom : noms)
            nomme = nomme || Partagent(libelle, nom);
        EXPECT_TRUE(nomme) << "shows \"" << noms.join("\", \"").left(300).toStdString() << "\"";
        nommees += nomme;
    }
    RecordProperty("named", nommees);
}

// The captions the championship information and team information commands
// had worded after other sheets, and the options window's title.
TEST_F(Commandes, LesFeuillesDesInformationsPortentLeNomDeLeurCommande)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    const auto libelle = [&](int code) {
        for (const auto& e : f.GetListeMenu())
            if (e->Code == code)
                return QString::fromStdString(e->Libelle);
        return QString();
    };
    const auto onglet = [&](int code) {
        EXPECT_TRUE(f.ExecuteCommande(code, -1));
        TFootForm* page = f.GetPageCourante();
        const QTabWidget* onglets = page != nullptr ? page->findChild<QTabWidget*>() : nullptr;
        return onglets != nullptr ? onglets->tabText(onglets->currentIndex()) : QString();
    };
    for (int code : {Commande::InfoGenerale, Commande::RepartitionButs, Commande::AffluenceChampionnat,
                     Commande::AffluenceMoyenne}) {
        SCOPED_TRACE(code);
        EXPECT_TRUE(Partagent(libelle(code), onglet(code))) << libelle(code).toStdString();
    }
    // One text no longer captions two different things.
    EXPECT_NE(libelle(Commande::InfoAffluenceMoyenne), libelle(Commande::AffluenceMoyenne));
    EXPECT_NE(libelle(Commande::InfoAffluenceMoyenne), QString::fromStdString(Traduit(58)));
    EXPECT_TRUE(Partagent(libelle(Commande::InfoStades), QStringLiteral("joueurs utilisés")));
    EXPECT_TRUE(Partagent(libelle(Commande::InfoEntraineurs), QStringLiteral("remplacements")));
    EXPECT_TRUE(Partagent(libelle(Commande::JourneeMeilleursJoueurs), QStringLiteral("répartition des buts")));

    f.ExecuteCommande(Commande::OptionsChampionnat, -1);
    ASSERT_FALSE(Dialogues.TitresFormes.empty());
    EXPECT_EQ(QString::fromStdString(Dialogues.TitresFormes.back()), libelle(Commande::OptionsChampionnat));
}

TEST_F(Commandes, NouveauDemandeLaSauvegardePuisComposeUneSaisonNeuve)
{
    testsupport::CatalogueInstalle catalogue;
    auto s = testsupport::CreeLigueDivision(101, 1, "A");
    ASSERT_TRUE(TTraiteurFichier::ExtraitChampionnat((Dossier / "Data" / "FranceL1.xmd").string(), *s, false, "", "",
                                                     nullptr, {}));
    const std::string personnel = (Dossier / "sauvegarde" / "personnel.xmc").string();
    fs::remove(personnel);
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    f.SignaleModification();

    // Cancel at the question: nothing else.
    Messages.Repond(ReponseMessage::Annuler);
    f.ExecuteCommande(Commande::Nouveau, -1);
    EXPECT_TRUE(Dialogues.TitresFormes.empty());
    EXPECT_EQ(f.FichierCourant, Fichier);

    // No, then the composer cancelled: the season stays, still modified.
    Messages.Repond(ReponseMessage::Non);
    Dialogues.Repond([](QDialog& d) {
        auto& composeur = dynamic_cast<Tf_CreationSaison&>(d);
        // A new season: none of the open one's championships in it.
        EXPECT_EQ(composeur.Composeur().Racine().Enfants.size(), 0u);
        d.done(ResultatModal::Annuler);
    });
    f.ExecuteCommande(Commande::Nouveau, -1);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(f.FichierCourant, Fichier);
    EXPECT_GT(CompteurModification, 0);

    // No, then a season composed: it is opened in place, with no second question.
    Messages.Repond(ReponseMessage::Non);
    Dialogues.RepondFichiers({Dossier.str() + "Data/FranceL1.xmd"});
    Dialogues.Repond([](QDialog& d) {
        auto& composeur = dynamic_cast<Tf_CreationSaison&>(d);
        composeur.bc_AjouteFichierClick();
        while (composeur.lb_ListeFichier->count() > 0) {
            composeur.lb_ListeFichier->setCurrentRow(0);
            composeur.lb_ListeFichierDblClick();
        }
        composeur.b_Valider->Click();
    });
    const size_t messages = Messages.Messages.size();
    f.ExecuteCommande(Commande::Nouveau, -1);
    EXPECT_EQ(f.FichierCourant, personnel);
    ASSERT_NE(f.GetSaison(), nullptr);
    EXPECT_GE(f.GetSaison()->ChercheEquipe("A0"), 0);
    EXPECT_EQ(CompteurModification, 0);
    EXPECT_EQ(Messages.Messages.size(), messages + 1); // the save question only
}

TEST_F(Commandes, VerifierLeCalendrierListeLesManquesDeToutesLesJournees)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    // A played match on each day, neither with its attendance.
    for (int jour : {1, 2})
        champ->SetScoreMatch(jour, jour - 1, 0, 1), champ->SetScoreMatch(jour, jour - 1, 1, 0);
    const auto attendu = ControleCalendrier::VerifieChampionnat(*champ, *f.GetSaison());
    std::string resume;
    size_t lignes = 0;
    Dialogues.Repond([&](QDialog& d) {
        auto& validation = dynamic_cast<Tf_Validation&>(d);
        resume = validation.Label1->text().toStdString();
        lignes = validation.Lignes().size();
        d.done(ResultatModal::Ok);
    });
    f.ExecuteCommande(Commande::ControleCalendrier, -1);
    ASSERT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(resume, attendu.Resume);
    EXPECT_EQ(lignes, attendu.Lignes.size());
    EXPECT_EQ(attendu.NbControles, 2);
    EXPECT_GE(lignes, 2u);
    EXPECT_EQ(Dialogues.TitresFormes[0], Traduit(3011));
    // A check shows no page: nothing for the history.
    EXPECT_TRUE(f.GetPrecedents().empty());
}

TEST_F(Commandes, LHistoriqueDesSaisonsOuvreCeluiDeLaDivisionCourante)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    const TDonneesChampionnat* champ = f.GetSaison()->GetChampCourant();
    // Without an archive of the division, the choice is asked as for the head-to-head.
    f.ExecuteCommande(Commande::HistoriqueSaisons, -1);
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_EQ(f.GetPageCourante(), nullptr);

    const fs::path stats = Dossier / "stats";
    fs::create_directories(stats);
    f.GetStats()->Ajoute(stats.string() + "/", champ->GetCode() + 1);
    ASSERT_NE(f.GetStats()->Ajoute(stats.string() + "/", champ->GetCode()), nullptr);
    ASSERT_TRUE(f.ExecuteCommande(Commande::HistoriqueSaisons, -1));
    EXPECT_EQ(Dialogues.TitresFormes.size(), 1u);
    EXPECT_NE(dynamic_cast<Tf_Historique*>(f.GetPageCourante()), nullptr);
    EXPECT_EQ(f.Selection(2), f.GetStats()->IndexOf(f.GetStats()->ChercheId(champ->GetCode())));
}

TEST_F(Commandes, LaPageSExporteEnHtmlDansLeFichierChoisi)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.ExecuteCommande(Commande::ClassementGeneral, -1));
    ASSERT_NE(ChercheNoeud(f.tv_Menu, Commande::ExportePageHtml), nullptr);
    ASSERT_NE(ChercheNoeud(f.tv_Menu, Commande::Imprimer), nullptr);

    const std::string page = (Dossier / "classement.html").string();
    Dialogues.RepondFichier(page);
    Messages.Messages.clear();
    f.ExecuteCommande(Commande::ExportePageHtml, -1);
    ASSERT_EQ(Dialogues.DemandesEnregistrement.size(), 1u);
    EXPECT_NE(Dialogues.DemandesEnregistrement[0].Filtre.find("*.html"), std::string::npos);
    EXPECT_EQ(Dialogues.DemandesEnregistrement[0].ExtensionDefaut, "html");
    ASSERT_TRUE(fs::exists(page));
    std::ifstream lu(page);
    const std::string contenu((std::istreambuf_iterator<char>(lu)), std::istreambuf_iterator<char>());
    EXPECT_NE(contenu.find("<"), std::string::npos);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(3002, {page}));

    // A folder that does not exist: the failure is said once, nothing claims success.
    const std::string perdu = (Dossier / "absent" / "x.html").string();
    Dialogues.RepondFichier(perdu);
    Messages.Messages.clear();
    f.ExecuteCommande(Commande::ExportePageHtml, -1);
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_NE(Messages.Messages[0].Texte.find(perdu), std::string::npos);
    EXPECT_EQ(Messages.Messages[0].Texte.find(Traduit(3002).substr(0, 10)), std::string::npos);

    // Cancelled: nothing written, nothing said.
    Dialogues.RefuseFichier();
    Messages.Messages.clear();
    f.ExecuteCommande(Commande::ExportePageHtml, -1);
    EXPECT_TRUE(Messages.Messages.empty());

    // A team's charts: the page and its picture beside it, under the name chosen.
    for (int code : {Commande::StatEquipeButs, Commande::StatEquipeAffluence}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(f.ExecuteCommande(code, 0));
        ASSERT_NE(ChercheNoeud(f.tv_Menu, Commande::ExportePageHtml), nullptr);
        const fs::path chemin = Dossier / ("equipe" + std::to_string(code) + ".html");
        Dialogues.RepondFichier(chemin.string());
        Messages.Messages.clear();
        f.ExecuteCommande(Commande::ExportePageHtml, -1);
        EXPECT_TRUE(fs::exists(chemin));
        int images = 0;
        for (const auto& e : fs::directory_iterator(Dossier))
            images += e.path().extension() == ".png" && e.path().stem().string().rfind(chemin.stem().string(), 0) == 0;
        EXPECT_EQ(images, 1);
        ASSERT_EQ(Messages.Messages.size(), 1u);
        EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(3002, {chemin.string()}));
    }

    // A sheet of the same page without one: the offer follows the sheet shown.
    ASSERT_TRUE(f.ExecuteCommande(Commande::InfoGenerale, -1));
    EXPECT_NE(ChercheNoeud(f.tv_Menu, Commande::ExportePageHtml), nullptr);
    ASSERT_TRUE(f.ExecuteCommande(Commande::RepartitionButs, -1));
    EXPECT_EQ(ChercheNoeud(f.tv_Menu, Commande::ExportePageHtml), nullptr);
    EXPECT_NE(ChercheNoeud(f.tv_Menu, Commande::Imprimer), nullptr);

    // A page with no HTML rendering is not offered the command.
    ASSERT_TRUE(f.ExecuteCommande(Commande::Buteurs, -1));
    EXPECT_EQ(ChercheNoeud(f.tv_Menu, Commande::ExportePageHtml), nullptr);
}

void Clique(QTreeWidget* arbre, QTreeWidgetItem* noeud)
{
    arbre->scrollToItem(noeud);
    QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, arbre->visualItemRect(noeud).center());
}

TEST_F(Commandes, UnSecondClicSurLEntreeChoisieLaRelance)
{
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    // The first activation's forms are over before the window shows.
    f.FormActivate();
    f.show();
    QTreeWidgetItem* composeur = ChercheNoeud(f.tv_Menu, Commande::CreationSaison);
    ASSERT_NE(composeur, nullptr);
    for (QTreeWidgetItem* p = composeur->parent(); p != nullptr; p = p->parent())
        p->setExpanded(true);
    f.tv_Menu->setCurrentItem(nullptr);
    const size_t formes = Dialogues.TitresFormes.size();
    Clique(f.tv_Menu, composeur);
    EXPECT_EQ(Dialogues.TitresFormes.size(), formes + 1);
    Clique(f.tv_Menu, composeur);
    EXPECT_EQ(Dialogues.TitresFormes.size(), formes + 2);

    // A page clicked again is shown afresh, once per click.
    QTreeWidgetItem* classement = ChercheNoeud(f.tv_Menu, Commande::ClassementGeneral);
    ASSERT_NE(classement, nullptr);
    for (QTreeWidgetItem* p = classement->parent(); p != nullptr; p = p->parent())
        p->setExpanded(true);
    Clique(f.tv_Menu, classement);
    EXPECT_EQ(f.GetCommandeCourante(), Commande::ClassementGeneral);
    const size_t pas = f.GetPrecedents().size();
    Clique(f.tv_Menu, classement);
    EXPECT_EQ(f.GetPrecedents().size(), pas + 1);
    EXPECT_EQ(f.GetCommandeCourante(), Commande::ClassementGeneral);
}

// The default locale of the process, put back however the test ends.
class TLocaleParDefaut {
public:
    explicit TLocaleParDefaut(const QLocale& locale) { QLocale::setDefault(locale); }
    ~TLocaleParDefaut() { QLocale::setDefault(FAncienne); }
    TLocaleParDefaut(const TLocaleParDefaut&) = delete;
    TLocaleParDefaut& operator=(const TLocaleParDefaut&) = delete;

private:
    QLocale FAncienne;
};

// The desktop speaks English; the program, French: the calendar too.
TEST_F(Commandes, LeCalendrierParleLaLangueDuProgrammeEtNonCelleDuBureau)
{
    const TLocaleParDefaut bureau(QLocale(QLocale::English, QLocale::UnitedStates));
    DemarreSurArchive();
    Tf_Principale& f = *Fenetre;
    ASSERT_TRUE(f.ExecuteCommande(Commande::Calendrier, -1));
    auto* page = dynamic_cast<Tf_DiversStat*>(f.GetPageCourante());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->bc_Calendrier->locale().language(), QLocale::French);
    EXPECT_EQ(page->bc_Calendrier->locale().monthName(12), QStringLiteral("décembre"));
    EXPECT_EQ(page->bc_Calendrier->locale().dayName(1), QStringLiteral("lundi"));
    f.resize(1000, 700);
    testsupport::RendPng(f, "calendrier_bureau_anglais");
}

} // namespace
