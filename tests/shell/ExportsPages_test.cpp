// The views of the two shipped seasons written as HTML pages and printed to
// PDF through the window's commands, as a user does: each page says what it
// is, and shows its pictures whatever the name chosen for it; and every view
// that prints, in both languages, is read on the paper.

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
#include "platform/Imprimante.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"
#include "shell/ListeMenu.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/PagesHtml.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"

#include <QApplication>

#include <QCoreApplication>
#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace fs = std::filesystem;

namespace {

using ExportsPages = testsupport::FenetreSurArchive;

std::string EnMinuscules(std::string texte)
{
    std::transform(texte.begin(), texte.end(), texte.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return texte;
}

struct TVue {
    int Code;
    int Param;
    bool UnJour;            // a view of one day's figures
    bool UneEquipe = false; // a view of team position Param
};

int Compte(const std::string& texte, const std::string& motif)
{
    int n = 0;
    for (size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + 1))
        ++n;
    return n;
}

std::string Lignes(const std::vector<std::string>& lignes)
{
    std::string texte;
    for (const std::string& l : lignes)
        texte += l + "\n";
    return texte;
}

TEST_F(ExportsPages, ChaqueVueDesSaisonsLivreesSeTitreEtMontreSesImages)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    const std::vector<TVue> vues = {
        {Commande::ClassementGeneral, -1, false},
        {Commande::Resultats, -1, true},
        {Commande::JourneeDetail, 2, true},
        {Commande::JourneeResultats, 2, true},
        {Commande::InfoGenerale, -1, false},
        {Commande::AffluenceChampionnat, -1, false},
        {Commande::AffluenceMoyenne, -1, false},
        {Commande::JourneeMeilleursJoueurs, 2, true},
        {Commande::StatEquipe, 0, false, true},
        {Commande::StatEquipe, 1, false, true},
        {Commande::StatEquipePointsPris, 0, false, true},
        {Commande::StatEquipeStatistiques, 0, false, true},
        {Commande::StatEquipeButs, 0, false, true},
        {Commande::StatEquipeAffluence, 0, false, true},
        {Commande::StatEquipeJoueurs, 0, false, true},
        {Commande::StatEquipeComposition, 0, false, true},
        {Commande::ClassButeurs, -1, false},
        {Commande::Particularites, -1, false},
        {Commande::ComparaisonTous, -1, false},
    };
    // Shown, so that the charts a page prints have the size they have on screen.
    Fenetre->show();
    for (const char* saison : {"exemple.xmc", "coupe-du-monde-2022.xmc"}) {
        SCOPED_TRACE(saison);
        ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/" + saison));
        QApplication::processEvents();
        const fs::path sortie = Dossier.path() / fs::path(saison).stem();
        fs::create_directories(sortie);
        const TDonneesChampionnat* champ = Fenetre->GetSaison()->GetChampCourant();
        ASSERT_NE(champ, nullptr);
        const std::string championnat = Fenetre->GetSaison()->GetNomCompletChamp(champ->CodeChamp);
        ASSERT_FALSE(championnat.empty());
        int exportees = 0;
        for (const TVue& vue : vues) {
            SCOPED_TRACE(vue.Code);
            ASSERT_TRUE(Fenetre->ExecuteCommande(vue.Code, vue.Param));
            TFootForm* page = Fenetre->GetPageCourante();
            ASSERT_NE(page, nullptr);
            const std::string titre = page->TitreDocument();
            EXPECT_EQ(titre.rfind(championnat + " - ", 0), 0u) << titre;
            EXPECT_FALSE(page->Vue().empty());
            EXPECT_NE(titre.find(page->Vue()), std::string::npos) << titre;
            EXPECT_EQ(titre.find(Traduit(85) + " ") != std::string::npos, vue.UnJour) << titre;
            // Each club's sheets are told apart by its name.
            if (vue.UneEquipe) {
                EXPECT_NE(titre.find(" - " + Fenetre->GetSaison()->GetNomEquipeChamp(vue.Param)), std::string::npos)
                    << titre;
            }

            if (page->ExportableHtml()) {
                // A name a link would misread: a fragment, an escape, a query, an accent.
                const std::string html = (sortie / ("vue " + std::to_string(vue.Code) + " #50%?é.html")).string();
                Dialogues.RepondFichier(html);
                Messages.Messages.clear();
                Fenetre->ExecuteCommande(Commande::ExportePageHtml, -1);
                ASSERT_EQ(Messages.Messages.size(), 1u);
                EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(3002, {html}));
                const std::string texte = EnMinuscules(testsupport::ReadWholeFile(html));
                EXPECT_NE(texte.find("<meta charset=\"utf-8\">"), std::string::npos);
                EXPECT_NE(texte.find("<title>" + EnMinuscules(EchappeHtml(titre)) + "</title>"), std::string::npos);
                // One head, one title and one heading, whoever wrote the page.
                for (const char* element : {"<html>", "<head>", "<title>", "<h1>", "<body "})
                    EXPECT_EQ(Compte(texte, element), 1) << element;
                EXPECT_EQ(Lignes(testsupport::DefautsDeStructure(html)), "");
                EXPECT_EQ(Lignes(testsupport::EncresIllisibles(html)), "");
                for (const std::string& image : testsupport::ImagesDeLaPage(html))
                    EXPECT_FALSE(QImage(QString::fromStdString(image)).isNull()) << image;
                ++exportees;
            }
            if (page->Imprimable()) {
                const std::string pdf = (sortie / ("vue " + std::to_string(vue.Code) + ".pdf")).string();
                Messages.Messages.clear();
                testsupport::TReleveDessin papier;
                {
                    TImprimantePdf imprimante(pdf);
                    Fenetre->ExecuteCommande(Commande::Imprimer, -1);
                }
                EXPECT_TRUE(Messages.Messages.empty());
                for (const testsupport::TTracePeint& t : papier.Papier) {
                    // A chart smaller than this draws nothing: it was never laid out.
                    if (!t.Image.isEmpty()) {
                        EXPECT_TRUE(t.Image.width() >= 36 && t.Image.height() >= 31)
                            << t.Image.width() << "x" << t.Image.height();
                    }
                }
                EXPECT_EQ(testsupport::ReadWholeFile(pdf).substr(0, 4), "%PDF");
                EXPECT_EQ(testsupport::TitrePdf(pdf), NomDocument(titre));
            }
        }
        EXPECT_GE(exportees, 10);
        // Kept beside the pictures, to be looked at.
        const fs::path rendus = fs::path(testsupport::DossierRendus()) / "exports" / fs::path(saison).stem();
        fs::remove_all(rendus);
        fs::create_directories(rendus);
        fs::copy(sortie, rendus, fs::copy_options::recursive);
    }
}

// A chart's picture that cannot be saved (a folder stands in its name) is
// told under its own name and for its own reason, not under the page's.
TEST_F(ExportsPages, APictureThatCannotBeSavedIsToldByItsName)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/exemple.xmc"));
    for (const auto& [code, param, suffixe] :
         {std::tuple<int, int, const char*>{Commande::StatEquipeButs, 0, "_repart"},
          {Commande::StatEquipeAffluence, 0, "_spect"},
          {Commande::JourneeMeilleursJoueurs, 2, "_repart"}}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(Fenetre->ExecuteCommande(code, param));
        const fs::path html = Dossier.path() / ("vue" + std::to_string(code) + ".html");
        const fs::path image = Dossier.path() / ("vue" + std::to_string(code) + suffixe + ".png");
        fs::create_directories(image);
        Dialogues.RepondFichier(html.string());
        Messages.Messages.clear();
        Fenetre->ExecuteCommande(Commande::ExportePageHtml, -1);
        ASSERT_EQ(Messages.Messages.size(), 1u);
        EXPECT_EQ(Messages.Messages[0].Texte, TraduitFmt(2620, {image.string(), TexteErreurSysteme(EISDIR)}));
    }
}

// Every command of the menu that shows a view, as the layout walk takes them;
// the print command prints each of them on its own below.
bool HorsParcours(int code)
{
    return code == 6 || code == 9 || code == 11 || code == 12 || code == 198 || code == Commande::Imprimer;
}

class PapierDesVues : public testsupport::FenetreSurArchive, public ::testing::WithParamInterface<const char*> {};

// What Qt reports of a painter that could not begin while it lives: a chart
// that would be missing from the paper without a word.
struct TPeintresRefuses {
    TPeintresRefuses() : Ancien(qInstallMessageHandler(Note)) { Courant = this; }
    ~TPeintresRefuses()
    {
        qInstallMessageHandler(Ancien);
        Courant = nullptr;
    }
    TPeintresRefuses(const TPeintresRefuses&) = delete;
    TPeintresRefuses& operator=(const TPeintresRefuses&) = delete;

    static void Note(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
    {
        if (Courant == nullptr)
            return;
        if (message.startsWith(QStringLiteral("QPainter::begin")))
            Courant->Messages.push_back(message.toStdString());
        if (Courant->Ancien != nullptr)
            Courant->Ancien(type, contexte, message);
    }

    // The messages so far, forgotten.
    std::vector<std::string> Releve() { return std::exchange(Messages, {}); }

    std::vector<std::string> Messages;
    QtMessageHandler Ancien;
    static inline TPeintresRefuses* Courant = nullptr;
};

TEST_P(PapierDesVues, ChaqueVueImprimeeSeLitSurLaFeuille)
{
    const std::string langue = GetParam();
    testsupport::WriteWholeFile(Dossier / "brevalune.ini", "[General]\nLangue=" + langue + "\nShowAstuce=0\n");
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    Fenetre->show();
    std::map<std::string, std::vector<std::string>> defauts; // fault: where
    int imprimees = 0;
    TPeintresRefuses refus;
    for (const char* saison : {"exemple.xmc", "coupe-du-monde-2022.xmc"}) {
        SCOPED_TRACE(saison);
        ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/" + saison));
        QApplication::processEvents();
        const bool coupe = std::string(saison) != "exemple.xmc";
        const fs::path sortie =
            fs::path(testsupport::DossierRendus()) / "papier" / (fs::path(saison).stem().string() + "_" + langue);
        fs::remove_all(sortie);
        fs::create_directories(sortie);
        int pagesListe = 0;
        // Every championship of the season; the views of one day on its first
        // and last days, those of one team on its first and last teams.
        for (int rang = 1; rang <= static_cast<int>(Fenetre->GetTitresChampionnats().size()); ++rang) {
            Fenetre->SelectionneChampionnat(rang, nullptr, true, true);
            QApplication::processEvents();
            const TDonneesChampionnat* champ = Fenetre->GetSaison()->GetChampCourant();
            ASSERT_NE(champ, nullptr);
            std::vector<std::pair<int, int>> vues; // command, its argument
            for (int code = CodeMenu::PremiereCommande; code <= 218; ++code) {
                if (HorsParcours(code))
                    continue;
                if (code == Commande::Resultats ||
                    (code >= Commande::JourneeDetail && code <= Commande::JourneeMeilleursJoueurs))
                    vues.insert(vues.end(), {{code, 1}, {code, champ->NbJournee}});
                else if (code >= Commande::StatEquipe && code <= Commande::StatEquipeClub)
                    vues.insert(vues.end(), {{code, 0}, {code, champ->GetNbEquipe() - 1}});
                else
                    vues.emplace_back(code, -1);
            }
            const TFootForm* precedente = nullptr;
            for (const auto& [code, param] : vues) {
                const bool vue = Fenetre->ExecuteCommande(code, param);
                QApplication::processEvents();
                for (const std::string& m : refus.Releve())
                    defauts[m].push_back("shown by " + std::to_string(code));
                TFootForm* page = Fenetre->GetPageCourante();
                if (page == nullptr || (page == precedente && (!vue || CommandePage(code) == nullptr)))
                    continue;
                precedente = page;
                if (!page->Imprimable())
                    continue;
                const std::string ou = std::to_string(code) + (coupe ? " coupe" : " exemple");
                const std::string pdf = (sortie / (std::to_string(rang) + " vue " + std::to_string(code) + " " +
                                                   std::to_string(param) + ".pdf"))
                                            .string();
                Messages.Messages.clear();
                testsupport::TReleveDessin papier;
                {
                    TImprimantePdf imprimante(pdf);
                    Fenetre->ExecuteCommande(Commande::Imprimer, -1);
                }
                ++imprimees;
                for (const auto& m : Messages.Messages)
                    defauts["message " + m.Texte].push_back(ou);
                for (const std::string& m : refus.Releve())
                    defauts[m].push_back(ou);
                if (code == Commande::ListeJoueurs)
                    pagesListe = std::max(pagesListe, static_cast<int>(papier.Feuilles.size()));
                for (const std::string& d : testsupport::VerifiePapier(papier, page->TitreDocument()))
                    defauts[d.substr(0, d.find(':'))].push_back(ou + " (" + d + ")");
            }
        }
        // The World Cup's 119 players go on over further pages instead of squeezing their rows.
        if (coupe) {
            EXPECT_GT(pagesListe, 1);
        }
    }
    EXPECT_GE(imprimees, 300);
    for (const auto& [genre, ou] : defauts) {
        std::string liste;
        for (const std::string& v : ou)
            liste += "\n  " + v;
        ADD_FAILURE() << genre << ":" << liste;
    }
    RecordProperty("imprimees", imprimees);
}

INSTANTIATE_TEST_SUITE_P(Langues, PapierDesVues, ::testing::Values("fr", "en"));
// The pages whose printouts mixed their texts or lost them at the edge,
// printed in both languages: nothing printed over another text, nothing past
// the sheet or cut short by its box.
class ImpressionPages : public testsupport::FenetreSurArchive, public ::testing::WithParamInterface<const char*> {};

struct TPageImprimee {
    const char* Saison;
    int Championnat; // 1-based
    int Code;
    int Param;
};

TEST_P(ImpressionPages, AucunTexteSurUnAutreNiHorsDeLaFeuille)
{
    testsupport::WriteWholeFile(Dossier / "brevalune.ini",
                                std::string("[General]\nLangue=") + GetParam() + "\nShowAstuce=0\n");
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    // Laid out as the user sees them: the labels printed stand where they show.
    Fenetre->resize(880, 620);
    Fenetre->show();
    const std::vector<TPageImprimee> pages = {
        {"exemple.xmc", 1, Commande::StatEquipe, 0},
        {"exemple.xmc", 1, Commande::StatEquipeStatistiques, 0},
        {"exemple.xmc", 1, Commande::InfoGenerale, -1},
        {"exemple.xmc", 2, Commande::StatParJournee, -1},
        {"exemple.xmc", 2, Commande::ButsParJournee, -1},
        {"coupe-du-monde-2022.xmc", 1, Commande::JourneeResultats, 2},
        {"coupe-du-monde-2022.xmc", 1, Commande::JourneeButeurs, 2},
        {"coupe-du-monde-2022.xmc", 1, Commande::InfoButeurs, -1},
    };
    const fs::path rendus = fs::path(testsupport::DossierRendus()) / "impression" / GetParam();
    fs::remove_all(rendus);
    fs::create_directories(rendus);
    std::string saison;
    for (const TPageImprimee& vue : pages) {
        SCOPED_TRACE(std::string(vue.Saison) + " " + std::to_string(vue.Code));
        if (saison != vue.Saison) {
            saison = vue.Saison;
            ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/" + saison));
            // A club of each league with a name of 60 characters.
            TSaison& s = *Fenetre->GetSaison();
            for (int n = 1; n <= std::min(2, s.NbChampionnat()); ++n)
                s.SetNomEquipe(s.GetChampionnat(n)->GetEquipe(1),
                               "Association Sportive Éléphants de la Vallée du Grand Pré Or" +
                                   std::string(n == 1 ? "" : "s"));
        }
        if (Fenetre->GetSaison()->GetNumChampCourant() != vue.Championnat) {
            ASSERT_TRUE(Fenetre->GetSaison()->SetNumChampCourant(vue.Championnat));
        }
        ASSERT_TRUE(Fenetre->ExecuteCommande(vue.Code, vue.Param));
        ASSERT_NE(Fenetre->GetPageCourante(), nullptr);
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        ASSERT_TRUE(Fenetre->GetPageCourante()->Imprimable());
        const std::string pdf = (rendus / ("vue " + std::to_string(vue.Code) + ".pdf")).string();
        testsupport::TReleveDessin papier;
        {
            TImprimantePdf imprimante(pdf);
            Fenetre->ExecuteCommande(Commande::Imprimer, -1);
        }
        std::vector<QString> textes;
        for (const testsupport::TTracePeint& t : papier.Papier)
            if (t.Texte)
                textes.push_back(t.Libelle);
        EXPECT_FALSE(textes.empty());
        // The titles of the route's two columns, the captions of the three standings boxes.
        std::vector<int> titres;
        if (vue.Code == Commande::StatEquipe)
            titres = {64, 65};
        else if (vue.Code == Commande::StatEquipeStatistiques)
            titres = {855, 759, 763};
        for (int id : titres)
            EXPECT_TRUE(std::any_of(textes.begin(), textes.end(), [id](const QString& t) {
                return t.toStdString() == Traduit(id);
            })) << Traduit(id);
        // Sheet by sheet: a grid that goes on over further pages draws its rows
        // again where the sheet before had its own.
        std::string defauts;
        for (const std::string& d : testsupport::VerifiePapier(papier, Fenetre->GetPageCourante()->TitreDocument()))
            defauts += d + "\n";
        EXPECT_TRUE(defauts.empty()) << defauts;
    }
}

INSTANTIATE_TEST_SUITE_P(Langues, ImpressionPages, ::testing::Values("fr", "en"));

} // namespace
