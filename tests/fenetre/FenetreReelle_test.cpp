// The main window in a real window: a score typed and found again, and every
// entry of the menu tree run and left.

#include "controls/BoutonCoche.h"
#include "fenetre/FenetreReelle.h"
#include "pagebase/DefType.h"
#include "pages/saisie/w_Buteurs.h"
#include "pages/vues/w_StatEquipe.h"
#include "platform/Imprimante.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

using namespace fenetretest;

// Open, type a score, change day, see the standings, save, close, start
// again, open: the score is there.
TEST_F(FenetreReelle, UnScoreTapeAuClavierSeRetrouveApresEnregistrementEtReouverture)
{
    Demarre();
    Ouvre(Fichier);
    EXPECT_EQ(EtatDocument(), "");
    const std::vector<std::string> avant = Classement();
    ASSERT_FALSE(avant.empty());

    ASSERT_TRUE(CliqueNoeud(13));
    auto* resultats = AttendPage<Tf_Resultats>();
    ASSERT_NE(resultats, nullptr);
    EXPECT_EQ(EtatDocument(), "") << "the results page, only opened, sets the season modified";
    const int journee = resultats->TrackBar1->value();
    TEditRond* domicile = resultats->Ligne(0).Score[0];
    Clique(*domicile);
    ASSERT_TRUE(Attend([&] { return domicile->hasFocus(); }));
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    Tape("9");
    Touche(Qt::Key_Tab);
    TEditRond* exterieur = resultats->Ligne(0).Score[1];
    ASSERT_TRUE(Attend([&] { return exterieur->hasFocus(); }));
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    Tape("8");
    Touche(Qt::Key_Tab);

    // A click on the bar beside its handle moves to another day.
    QSlider* barre = resultats->TrackBar1;
    Clique(*barre, QPoint(barre->value() < barre->maximum() ? barre->width() - 4 : 4, barre->height() / 2));
    ASSERT_TRUE(Attend([&] { return barre->value() != journee; }));
    EXPECT_NE(EtatDocument(), "");
    EXPECT_NE(Classement(), avant);

    Touche(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Attend([this] { return EtatDocument().empty(); })) << "Ctrl+S does not save";
    Ferme();

    Demarre();
    Ouvre(Fichier);
    ASSERT_TRUE(CliqueNoeud(13));
    resultats = AttendPage<Tf_Resultats>();
    ASSERT_NE(resultats, nullptr);
    VaALaJournee(*resultats->TrackBar1, journee);
    EXPECT_EQ(resultats->Ligne(0).Score[0]->Text(), "9");
    EXPECT_EQ(resultats->Ligne(0).Score[1]->Text(), "8");
    EXPECT_EQ(EtatDocument(), "");
}

// The printer the desktop's print dialog is shown for; the test reads the
// file it proposes and cancels.
class TImprimanteDialogue : public TImprimante {
public:
    TImprimanteDialogue() : FAncienne(InstalleImprimante(this)) {}
    ~TImprimanteDialogue() override { InstalleImprimante(FAncienne); }
    TImprimanteDialogue(const TImprimanteDialogue&) = delete;
    TImprimanteDialogue& operator=(const TImprimanteDialogue&) = delete;

    QString Propose;
    int NbDialogues = 0;

protected:
    bool Prepare(QPrinter& printer) override
    {
        ++NbDialogues;
        QPrintDialog dialogue(&printer);
        dialogue.show();
        if (QTest::qWaitForWindowExposed(&dialogue, Delai))
            if (auto* nom = dialogue.findChild<QLineEdit*>(QStringLiteral("filename")))
                Propose = nom->text();
        dialogue.reject();
        return false;
    }

private:
    TImprimante* FAncienne;
};

// Ctrl+P on the standings: the print dialog proposes a PDF named after what
// is printed, a name every file system takes.
TEST_F(FenetreReelle, LImpressionProposeUnFichierNommeDApresLaPage)
{
    Demarre();
    Ouvre(Fichier);
    ASSERT_TRUE(CliqueNoeud(40));
    auto* page = AttendPage<Tf_Classement>();
    ASSERT_NE(page, nullptr);
    const std::string titre = page->TitreDocument();
    ASSERT_NE(titre.find(':'), std::string::npos) << "the championship's name holds a colon: " << titre;
    TImprimanteDialogue imprimante;
    Touche(Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(Attend([&] { return imprimante.NbDialogues == 1; }));
    const QString fichier = QFileInfo(imprimante.Propose).fileName();
    EXPECT_EQ(fichier.toStdString(), NomDocument(titre) + ".pdf");
    EXPECT_FALSE(fichier.contains(u':'));
    Active();
}

// Two clubs' routes chosen with the mouse in the team chooser: each printout
// is named after its club, so that two sheets are told apart.
TEST_F(FenetreReelle, LaFeuilleDUnClubPorteSonNom)
{
    Demarre();
    Ouvre(Fichier);
    std::set<std::string> fichiers;
    for (const int club : {1, 2}) {
        SCOPED_TRACE(club);
        // From another view, as the tree runs a node's command when it is chosen.
        ASSERT_TRUE(CliqueNoeud(40));
        ASSERT_NE(AttendPage<Tf_Classement>(), nullptr);
        Surveilles.Traite([this, club](QWidget& forme) {
            auto& choix = dynamic_cast<Tf_ChoixEquipe&>(forme);
            ASSERT_GT(choix.Cases.size(), static_cast<size_t>(club));
            Clique(*choix.Cases[static_cast<size_t>(club)]);
            Clique(*choix.BoutonValider);
        });
        ASSERT_TRUE(CliqueNoeud(121));
        Tf_StatEquipe* page = nullptr;
        ASSERT_TRUE(Attend([&] {
            page = dynamic_cast<Tf_StatEquipe*>(Fenetre->GetPageCourante());
            return page != nullptr && page->isVisible() && page->GetEquipe() == club;
        }));
        Active();
        const std::string titre = page->TitreDocument();
        EXPECT_NE(titre.find(" - " + Fenetre->GetSaison()->GetNomEquipeChamp(club)), std::string::npos) << titre;
        TImprimanteDialogue imprimante;
        Touche(Qt::Key_P, Qt::ControlModifier);
        ASSERT_TRUE(Attend([&] { return imprimante.NbDialogues == 1; }));
        const std::string fichier = QFileInfo(imprimante.Propose).fileName().toStdString();
        EXPECT_EQ(fichier, NomDocument(titre) + ".pdf");
        fichiers.insert(fichier);
        Active();
    }
    EXPECT_EQ(fichiers.size(), 2u);
}

// Every node of the menu tree, in every championship of the season, clicked
// and left without typing: the forms end on Escape, and the season stays
// unmodified.
TEST_F(FenetreReelle, ChaqueEntreeDuMenuSOuvreEtSeQuitteSansModifierLaSaison)
{
    Demarre();
    Ouvre(Fichier);
    std::vector<int> championnats;
    for (QTreeWidgetItemIterator it(Fenetre->tv_Menu); *it != nullptr; ++it)
        if (const int code = (*it)->data(0, Qt::UserRole).toInt(); code > 255 && (code & 255) != 255)
            championnats.push_back(code);
    ASSERT_GE(championnats.size(), 2u);
    // Left out: they drop the season, end the program, reach the network or print.
    const std::set<int> horsParcours{6, 7, 9, 11, 12, 181, 198};
    for (const int championnat : championnats) {
        ASSERT_TRUE(CliqueNoeud(championnat));
        EXPECT_EQ(EtatDocument(), "") << "championship " << (championnat >> 8);
        std::vector<int> parcourus;
        for (const int code : CodesArbre()) {
            if (horsParcours.count(code) != 0)
                continue;
            const std::size_t formes = Surveilles.Formes.size();
            if (!CliqueNoeud(code))
                continue;
            parcourus.push_back(code);
            // The click runs the command before it returns, forms and all;
            // what it posted runs now.
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "command " << code;
            QApplication::processEvents();
            if (Surveilles.Formes.size() > formes)
                Active();
            EXPECT_EQ(EtatDocument(), "") << "command " << code << " sets the season modified";
            if (!EtatDocument().empty())
                Fenetre->SetEtatFichier(true, false);
        }
        EXPECT_GT(parcourus.size(), 60u);
    }
    EXPECT_GT(Surveilles.Formes.size(), 20u);
    EXPECT_TRUE(Surveilles.Blocages.empty());
}

// On the World Cup's scorers page, a minute the file cannot hold typed into a
// goal's box: the message box names the range, and once it is closed the
// box has the focus back with the text as typed.
TEST_F(FenetreReelle, UneMinuteHorsDuChampEstRefuseeDansSaBoite)
{
    Demarre();
    const std::string coupe = (Dossier / "coupe.xmc").string();
    fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", coupe);
    Ouvre(coupe);
    ASSERT_TRUE(CliqueNoeud(14));
    auto* page = AttendPage<Tf_Buteurs>();
    ASSERT_NE(page, nullptr);
    // The first goal row of the match shown, home or away.
    TEditRond* minute = page->Minute(1, 0) ? page->Minute(1, 0) : page->Minute(2, 0);
    ASSERT_NE(minute, nullptr);
    const std::string avant = minute->Text();
    Clique(*minute);
    ASSERT_TRUE(Attend([&] { return minute->hasFocus(); }));
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    std::string message;
    Surveilles.Traite([&](QWidget& modal) {
        for (const QLabel* l : modal.findChildren<QLabel*>())
            message += l->text().toStdString();
        testsupport::EnvoieEchap(modal);
    });
    Tape("353");
    ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    EXPECT_NE(message.find("353"), std::string::npos) << message;
    EXPECT_NE(message.find("de 0 à 127"), std::string::npos) << message;
    Active();
    EXPECT_EQ(minute->Text(), "353");
    EXPECT_TRUE(Attend([&] { return minute->hasFocus(); }));

    // Put back as it was, the season has nothing to save.
    for (int i = 0; i < 3; ++i)
        Touche(Qt::Key_Backspace);
    Tape(avant);
    Touche(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(Attend([this] { return EtatDocument().empty(); }));
}

} // namespace
