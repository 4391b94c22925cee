// Every form the program runs, through the desktop's real exec(): Escape, the
// close box, or the form's own road ends it, and exec() returns. A form that
// would leave its loop waiting fails the test under the watchdog.

#include "controls/message2.h"
#include "files/Blasons.h"
#include "files/ImageManager.h"
#include "pagebase/DefType.h"
#include "pagebase/w_ImageManager.h"
#include "pagebase/w_blasons.h"
#include "pages/fiches/w_FicheArbitre.h"
#include "pages/fiches/w_FicheEntraineur.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "pages/fiches/w_FicheStade.h"
#include "pages/fiches/w_ModifierEquipe.h"
#include "pages/fiches/w_ModifierLogo.h"
#include "pages/fiches/w_ModifierNat.h"
#include "pages/fiches/w_Recherche.h"
#include "pages/fiches/w_SaisieRapide.h"
#include "pages/options/w_Barrage.h"
#include "pages/options/w_ChoixNoeud.h"
#include "pages/options/w_Creation.h"
#include "pages/options/w_CreationCoupe.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/options/w_Options.h"
#include "pages/options/w_OptionsSauve.h"
#include "pages/options/w_RetirerChamp.h"
#include "pages/reglages/w_CreationBarrage.h"
#include "pages/saisie/w_AjoutEquipeCoupe.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/saisie/w_Penaltys.h"
#include "pages/saisie/w_RechercheMatch.h"
#include "pages/saisie/w_Validation.h"
#include "pages/vues/w_Agrandissement.h"
#include "pages/vues/w_ChoixDate.h"
#include "pages/vues/w_ChoixHistorique.h"
#include "pages/vues/w_Classement.h"
#include "pages/vues/w_EquipeHistorique.h"
#include "shell/w_About.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_Favoris.h"
#include "shell/w_MessageMAJ.h"
#include "shell/w_Ouverture.h"
#include "support_ui/DialoguesSurveilles.h"
#include "support_ui/FenetreSurArchive.h"

#include <QApplication>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

using TFermeture = testsupport::TDialoguesSurveilles::TFermeture;

class BouclesModales : public testsupport::FenetreSurArchive {
protected:
    struct TForme {
        std::string Nom;
        std::function<std::unique_ptr<QDialog>()> Cree;
    };

    std::vector<TForme> Formes()
    {
        TSaison* saison = Fenetre->GetSaison();
        QWidget* parent = Fenetre.get();
        return {
            {"Tf_AboutBox", [=] { return std::make_unique<Tf_AboutBox>(parent); }},
            {"Tf_AstuceJour",
             [=, this] {
                 auto f = std::make_unique<Tf_AstuceJour>(parent);
                 f->FichierIni = Fenetre->GetFichierIni();
                 return f;
             }},
            {"Tf_ChoixLangue",
             [=, this] {
                 auto f = std::make_unique<Tf_ChoixLangue>(parent);
                 f->FichierIni = Fenetre->GetFichierIni();
                 return f;
             }},
            {"Tf_Ouverture", [=] { return std::make_unique<Tf_Ouverture>(parent); }},
            {"Tf_MessageMAJ", [=] { return std::make_unique<Tf_MessageMAJ>(parent); }},
            {"Tf_Favoris", [=] { return std::make_unique<Tf_Favoris>(parent); }},
            {"Tf_FavorisEx", [=] { return std::make_unique<Tf_FavorisEx>(parent); }},
            {"Tf_MessageUtil",
             [=] {
                 auto f = std::make_unique<Tf_MessageUtil>(parent);
                 f->Prepare("Texte", BoutonsMessage::Oui | BoutonsMessage::Non);
                 return f;
             }},
            {"Tf_ChoixEquipe",
             [=] {
                 auto f = std::make_unique<Tf_ChoixEquipe>(parent);
                 f->Prepare(*saison, "Équipe", 0, 0);
                 return f;
             }},
            {"Tf_Blasons", [=] { return std::make_unique<Tf_Blasons>(*Blasons(), parent); }},
            {"Tf_ImageManager", [=] { return std::make_unique<Tf_ImageManager>(*ImageManager(), parent); }},
            {"Tf_CreationSaison", [=] { return std::make_unique<Tf_CreationSaison>(saison, parent); }},
            {"Tf_CreationCoupe", [=] { return std::make_unique<Tf_CreationCoupe>(parent); }},
            {"Tf_RetirerChamp", [=] { return std::make_unique<Tf_RetirerChamp>(parent); }},
            {"Tf_Creation", [=] { return std::make_unique<Tf_Creation>(parent); }},
            {"Tf_Barrage", [=] { return std::make_unique<Tf_Barrage>(parent); }},
            {"Tf_Option", [=] { return std::make_unique<Tf_Option>(*saison, parent); }},
            {"Tf_ChoixNoeud",
             [=] {
                 auto f = std::make_unique<Tf_ChoixNoeud>(parent);
                 f->RemplitListe(false);
                 return f;
             }},
            {"Tf_OptionSauve", [=] { return std::make_unique<Tf_OptionSauve>(parent); }},
            {"Tf_AjoutEquipeCoupe", [=] { return std::make_unique<Tf_AjoutEquipeCoupe>(parent); }},
            {"Tf_RechercheMatch", [=] { return std::make_unique<Tf_RechercheMatch>(parent); }},
            {"Tf_Validation", [=] { return std::make_unique<Tf_Validation>(parent); }},
            {"Tf_Penaltys", [=] { return std::make_unique<Tf_Penaltys>(parent); }},
            {"Tf_ChoixJournee", [=] { return std::make_unique<Tf_ChoixJournee>(parent); }},
            {"Tf_ChoixDate", [=] { return std::make_unique<Tf_ChoixDate>(parent); }},
            {"Tf_Choixclass", [=] { return std::make_unique<Tf_Choixclass>(saison, parent); }},
            {"Tf_ChoixHistorique", [=] { return std::make_unique<Tf_ChoixHistorique>(parent); }},
            {"Tf_EquipeHistorique", [=] { return std::make_unique<Tf_EquipeHistorique>(parent); }},
            {"Tf_Agrandissement", [=] { return std::make_unique<Tf_Agrandissement>(parent); }},
            {"Tf_ajouthist", [=] { return std::make_unique<Tf_ajouthist>(parent); }},
            {"Tf_FicheJoueurEx", [=] { return std::make_unique<Tf_FicheJoueurEx>(parent); }},
            {"Tf_FicheStade", [=] { return std::make_unique<Tf_FicheStade>(parent); }},
            {"Tf_FicheEntraineur", [=] { return std::make_unique<Tf_FicheEntraineur>(parent); }},
            {"Tf_FicheArbitre", [=] { return std::make_unique<Tf_FicheArbitre>(parent); }},
            {"Tf_TransJoueur", [=] { return std::make_unique<Tf_TransJoueur>(parent); }},
            {"Tf_ModifierEquipe", [=] { return std::make_unique<Tf_ModifierEquipe>(*saison, parent); }},
            {"Tf_ModifierNat", [=] { return std::make_unique<Tf_ModifierNat>(*saison, parent); }},
            {"Tf_ModifierLogo",
             [=, this] { return std::make_unique<Tf_ModifierLogo>(*saison, Blasons(), Dossier.str(), parent); }},
            {"Tf_SaisieRapide", [=] { return std::make_unique<Tf_SaisieRapide>(*saison, parent); }},
        };
    }

    // The commands of the menu that run a form, each run with its forms
    // ended by Fermeture; returns the codes that showed one.
    std::vector<int> ParcourtCommandes(testsupport::TDialoguesSurveilles& surveilles, const std::vector<int>& codes)
    {
        std::vector<int> avecForme;
        for (const int code : codes) {
            const std::size_t avant = surveilles.Formes.size();
            Fenetre->ExecuteCommande(code, -1);
            QApplication::processEvents();
            if (surveilles.Formes.size() > avant)
                avecForme.push_back(code);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QDialog*>(w) != nullptr && w->isVisible() && w->isModal())
                    ADD_FAILURE() << "command " << code << " leaves " << w->metaObject()->className() << " open";
        }
        return avecForme;
    }
};

TEST_F(BouclesModales, ChaqueFormeFinitParEchapOuParLaCaseDeFermeture)
{
    DemarreSurArchive();
    testsupport::TDialoguesSurveilles surveilles;
    TMessagesFenetre messages;
    for (const TFermeture fermeture : {TFermeture::Echap, TFermeture::CaseFermeture}) {
        surveilles.Fermeture = fermeture;
        for (const TForme& f : Formes()) {
            std::unique_ptr<QDialog> forme = f.Cree();
            ::Dialogues().ExecuteModal(*forme);
            EXPECT_FALSE(forme->isVisible()) << f.Nom;
        }
    }
    EXPECT_TRUE(surveilles.Blocages.empty());
}

// A form that has nothing to show ends itself as it opens: its loop starts
// and stops at once, with the form's own result.
TEST_F(BouclesModales, UneFormeQuiSeFermeEnSOuvrantRendLaMain)
{
    DemarreSurArchive();
    testsupport::TDialoguesSurveilles surveilles;
    surveilles.Fermeture = TFermeture::Aucune;
    Tf_CreeBarrage barrage(*Fenetre->GetSaison(), Fenetre.get());
    EXPECT_EQ(::Dialogues().ExecuteModal(barrage), 5);
    EXPECT_FALSE(barrage.isVisible());
    EXPECT_TRUE(surveilles.Blocages.empty());
}

// The whole menu on the shipped season, with real forms and real messages:
// each form a command runs ends on Escape, then on its close box; the
// play-off creator of a season without play-off closes by itself.
TEST_F(BouclesModales, ChaqueCommandeDuMenuRendLaMainSurLaSaisonLivree)
{
    DemarreSurArchive();
    ASSERT_TRUE(Fenetre->OuvreFichier(Dossier.str() + "sauvegarde/exemple.xmc"));
    testsupport::TDialoguesSurveilles surveilles;
    TMessagesFenetre messages;
    testsupport::TBureauEnregistre bureau;
    Fenetre->show();
    std::vector<int> codes;
    // Left out: they drop the season, end the program or reach the network.
    for (int code = CodeMenu::PremiereCommande; code <= 218; ++code)
        if (code != 9 && code != 11 && code != 12 && code != 198)
            codes.push_back(code);

    const std::vector<int> avecForme = ParcourtCommandes(surveilles, codes);
    EXPECT_GE(avecForme.size(), 30u);
    EXPECT_NE(std::find(avecForme.begin(), avecForme.end(), 194), avecForme.end());
    surveilles.Fermeture = TFermeture::CaseFermeture;
    ParcourtCommandes(surveilles, avecForme);
    surveilles.Fermeture = TFermeture::Aucune;
    // The play-off creator ends by itself; the message that follows it, saying
    // why, is answered.
    surveilles.Traite({});
    surveilles.Traite(testsupport::EnvoieEchap);
    ParcourtCommandes(surveilles, {194});
    EXPECT_EQ(surveilles.Formes.back(), "Tf_MessageUtil");
    EXPECT_TRUE(surveilles.Blocages.empty());
}

} // namespace
