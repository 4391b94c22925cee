// Enter and Escape, form by form: every form the program opens has a button
// that Enter presses, and Escape ends it as Cancel.

#include "controls/ImageFond.h"
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
#include "pages/options/w_ChoixNoeud.h"
#include "pages/options/w_Creation.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/options/w_OptionsSauve.h"
#include "pages/options/w_RetirerChamp.h"
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
#include "support_ui/FenetreSurArchive.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The button Enter presses in the form, or null. It may wait, disabled, for
// the form to hold a choice.
QWidget* BoutonParDefaut(QDialog& forme)
{
    for (TBoutonModele* bouton : forme.findChildren<TBoutonModele*>())
        if (bouton->window() == &forme && bouton->isVisible() && bouton->Default())
            return bouton;
    for (QPushButton* bouton : forme.findChildren<QPushButton*>())
        if (bouton->window() == &forme && bouton->isVisible() && bouton->isDefault())
            return bouton;
    return nullptr;
}

class ToucheDialogues : public testsupport::FenetreSurArchive {
protected:
    struct TForme {
        std::string Nom;
        std::function<std::unique_ptr<QDialog>()> Cree;
        // Forms whose Enter belongs to one of their controls, not to a button.
        bool EntreeAuControle = false;
        // What Escape answers: Cancel, or OK for a form that only tells something.
        int ResultatEchap = ResultatModal::Annuler;
    };

    // Shows the form and presses Escape in the control that has the focus.
    void VerifieForme(const TForme& f)
    {
        std::unique_ptr<QDialog> forme = f.Cree();
        bool vueEntree = false;
        Dialogues.Repond([&](QDialog& d) {
            vueEntree = BoutonParDefaut(d) != nullptr;
            QWidget* cible = QApplication::focusWidget() != nullptr && QApplication::focusWidget()->window() == &d
                                 ? QApplication::focusWidget()
                                 : &d;
            QTest::keyClick(cible, Qt::Key_Escape);
            EXPECT_FALSE(d.isVisible()) << f.Nom << ": Escape leaves the form open";
        });
        const int resultat = ::Dialogues().ExecuteModal(*forme);
        EXPECT_EQ(resultat, f.ResultatEchap) << f.Nom;
        if (!f.EntreeAuControle) {
            EXPECT_TRUE(vueEntree) << f.Nom << ": no button for Enter";
        }
    }
};

TEST_F(ToucheDialogues, ChaqueFormeAUnBoutonPourEntreeEtFinitSurEchap)
{
    DemarreSurArchive();
    TSaison* saison = Fenetre->GetSaison();
    ASSERT_NE(saison, nullptr);
    QWidget* parent = Fenetre.get();
    Messages.Messages.clear();
    const std::vector<TForme> formes = {
        {"Tf_AboutBox", [&] { return std::make_unique<Tf_AboutBox>(parent); }, false, ResultatModal::Ok},
        {"Tf_AstuceJour",
         [&] {
             auto f = std::make_unique<Tf_AstuceJour>(parent);
             f->FichierIni = Fenetre->GetFichierIni();
             return f;
         },
         false, ResultatModal::Ok},
        {"Tf_ChoixLangue",
         [&] {
             auto f = std::make_unique<Tf_ChoixLangue>(parent);
             f->FichierIni = Fenetre->GetFichierIni();
             return f;
         }},
        {"Tf_Ouverture", [&] { return std::make_unique<Tf_Ouverture>(parent); }},
        {"Tf_MessageMAJ", [&] { return std::make_unique<Tf_MessageMAJ>(parent); }, false, ResultatModal::Ok},
        {"Tf_Favoris", [&] { return std::make_unique<Tf_Favoris>(parent); }},
        {"Tf_FavorisEx", [&] { return std::make_unique<Tf_FavorisEx>(parent); }},
        {"Tf_MessageUtil",
         [&] {
             auto f = std::make_unique<Tf_MessageUtil>(parent);
             f->Prepare("Texte", BoutonsMessage::Oui | BoutonsMessage::Non);
             return f;
         }},
        {"Tf_ChoixEquipe",
         [&] {
             auto f = std::make_unique<Tf_ChoixEquipe>(parent);
             f->Prepare(*saison, "Équipe", 0, 0);
             return f;
         }},
        {"Tf_Blasons", [&] { return std::make_unique<Tf_Blasons>(*Blasons(), parent); }},
        {"Tf_ImageManager", [&] { return std::make_unique<Tf_ImageManager>(*ImageManager(), parent); }},
        {"Tf_CreationSaison", [&] { return std::make_unique<Tf_CreationSaison>(saison, parent); }},
        {"Tf_RetirerChamp", [&] { return std::make_unique<Tf_RetirerChamp>(parent); }},
        {"Tf_Creation", [&] { return std::make_unique<Tf_Creation>(parent); }},
        {"Tf_ChoixNoeud",
         [&] {
             auto f = std::make_unique<Tf_ChoixNoeud>(parent);
             f->RemplitListe(false);
             return f;
         },
         true},
        {"Tf_OptionSauve", [&] { return std::make_unique<Tf_OptionSauve>(parent); }},
        // Enter in its name box adds the team it names.
        {"Tf_AjoutEquipeCoupe", [&] { return std::make_unique<Tf_AjoutEquipeCoupe>(parent); }, true},
        {"Tf_RechercheMatch", [&] { return std::make_unique<Tf_RechercheMatch>(parent); }},
        {"Tf_Validation", [&] { return std::make_unique<Tf_Validation>(parent); }},
        {"Tf_Penaltys", [&] { return std::make_unique<Tf_Penaltys>(parent); }},
        {"Tf_ChoixJournee", [&] { return std::make_unique<Tf_ChoixJournee>(parent); }},
        {"Tf_ChoixDate", [&] { return std::make_unique<Tf_ChoixDate>(parent); }},
        {"Tf_Choixclass", [&] { return std::make_unique<Tf_Choixclass>(saison, parent); }},
        {"Tf_ChoixHistorique", [&] { return std::make_unique<Tf_ChoixHistorique>(parent); }},
        {"Tf_EquipeHistorique", [&] { return std::make_unique<Tf_EquipeHistorique>(parent); }},
        // A table shown larger, closed by any click: nothing to confirm.
        {"Tf_Agrandissement", [&] { return std::make_unique<Tf_Agrandissement>(parent); }, true},
        {"Tf_ajouthist", [&] { return std::make_unique<Tf_ajouthist>(parent); }},
        {"Tf_FicheJoueurEx", [&] { return std::make_unique<Tf_FicheJoueurEx>(parent); }},
        {"Tf_FicheStade", [&] { return std::make_unique<Tf_FicheStade>(parent); }},
        {"Tf_FicheEntraineur", [&] { return std::make_unique<Tf_FicheEntraineur>(parent); }},
        {"Tf_FicheArbitre", [&] { return std::make_unique<Tf_FicheArbitre>(parent); }},
    };
    for (const TForme& f : formes)
        VerifieForme(f);
}

// Enter in the list of elements chooses the current one, as a double click does.
TEST_F(ToucheDialogues, EntreeDansLaListeDesElementsChoisitLaLigne)
{
    DemarreSurArchive();
    Tf_ChoixNoeud forme(Fenetre.get());
    forme.RemplitListe(false);
    ASSERT_GT(forme.lb_Texte->count(), 2);
    Dialogues.Repond([&](QDialog&) {
        forme.lb_Texte->setFocus();
        forme.lb_Texte->setCurrentRow(2);
        QTest::keyClick(forme.lb_Texte, Qt::Key_Return);
    });
    EXPECT_EQ(::Dialogues().ExecuteModal(forme), ResultatModal::Ok);
    EXPECT_EQ(forme.Choix, forme.lb_Texte->item(2)->data(Qt::UserRole).toInt() - 1);
}

} // namespace
