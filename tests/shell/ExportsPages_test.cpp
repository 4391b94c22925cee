// The views of the two shipped seasons written as HTML pages and printed to
// PDF through the window's commands, as a user does: each page says what it
// is, and shows its pictures whatever the name chosen for it.

#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "platform/Imprimante.h"
#include "presentation/ModeleGrille.h"
#include "support_ui/DossierProgramme.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/PagesHtml.h"
#include "support_ui/RenduPng.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

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
    bool UnJour; // a view of one day's figures
};

TEST_F(ExportsPages, ChaqueVueDesSaisonsLivreesSeTitreEtMontreSesImages)
{
    DemarreSurArchive();
    ASSERT_FALSE(HasFatalFailure());
    const std::vector<TVue> vues = {
        {Commande::ClassementGeneral, -1, false}, {Commande::Resultats, -1, true},
        {Commande::JourneeDetail, 2, true},       {Commande::JourneeResultats, 2, true},
        {Commande::InfoGenerale, -1, false},      {Commande::AffluenceChampionnat, -1, false},
        {Commande::AffluenceMoyenne, -1, false},  {Commande::StatEquipe, 0, false},
        {Commande::StatEquipeButs, 0, false},     {Commande::StatEquipeAffluence, 0, false},
        {Commande::StatEquipeJoueurs, 0, false},  {Commande::ClassButeurs, -1, false},
        {Commande::Particularites, -1, false},    {Commande::ComparaisonTous, -1, false},
    };
    for (const char* saison : {"exemple.xmc", "coupe-du-monde-2022.xmc"}) {
        SCOPED_TRACE(saison);
        ASSERT_TRUE(testsupport::MetSaisonDansFenetre(*Fenetre, Dossier.str() + "sauvegarde/" + saison));
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
                EXPECT_NE(texte.find("<h1>"), std::string::npos);
                for (const std::string& image : testsupport::ImagesDeLaPage(html))
                    EXPECT_FALSE(QImage(QString::fromStdString(image)).isNull()) << image;
                ++exportees;
            }
            if (page->Imprimable()) {
                const std::string pdf = (sortie / ("vue " + std::to_string(vue.Code) + ".pdf")).string();
                Messages.Messages.clear();
                {
                    TImprimantePdf imprimante(pdf);
                    Fenetre->ExecuteCommande(Commande::Imprimer, -1);
                }
                EXPECT_TRUE(Messages.Messages.empty());
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

} // namespace
