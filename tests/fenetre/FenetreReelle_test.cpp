// The program in a real window (an X server, Qt's xcb platform), driven by
// mouse and keyboard events as the window system delivers them, with the
// desktop's real dialogs and message boxes. What the offscreen tests cannot
// see shows here: focus moving between controls, activation, shortcuts, modal
// loops that never end. A watchdog turns a hang into a failure, and any Qt
// warning fails the test.

#include "base/Horloge.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "controls/message2.h"
#include "pages/saisie/w_Resultats.h"
#include "pages/vues/w_Classement.h"
#include "platform/Imprimante.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DialoguesSurveilles.h"
#include "support_ui/DossierProgramme.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Delai = 10000; // ms: the longest wait for anything the window does

// Every warning Qt reports while a test runs, but those of the platform
// plugin about the bare X server (no window manager, no input method).
std::vector<std::string>* g_Avertissements = nullptr;
QtMessageHandler g_AncienGestionnaire = nullptr;

void NoteMessage(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    const std::string categorie = contexte.category != nullptr ? contexte.category : "";
    if (type != QtDebugMsg && type != QtInfoMsg && g_Avertissements != nullptr && categorie.rfind("qt.qpa", 0) != 0)
        g_Avertissements->push_back(categorie + ": " + message.toStdString());
    if (g_AncienGestionnaire != nullptr)
        g_AncienGestionnaire(type, contexte, message);
}

class FenetreReelle : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run under an X server with QT_QPA_PLATFORM=xcb";
        g_Avertissements = &Avertissements;
        g_AncienGestionnaire = qInstallMessageHandler(NoteMessage);
        AncienDossier = fs::current_path();
        testsupport::CopieDossierProgramme(Dossier.path());
        Fichier = (Dossier / "saison.xmc").string();
        fs::copy_file(Dossier / "sauvegarde" / "exemple.xmc", Fichier);
        AncienneHorloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2024, 9, 20}));
        Surveilles.Delai = std::chrono::milliseconds(Delai);
    }

    void TearDown() override
    {
        Ferme();
        InstalleHorloge(AncienneHorloge);
        fs::current_path(AncienDossier);
        qInstallMessageHandler(g_AncienGestionnaire);
        g_Avertissements = nullptr;
        for (const std::string& a : Avertissements)
            ADD_FAILURE() << "Qt: " << a;
    }

    static bool Attend(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, Delai); }

    // Starts the program's window as the desktop shows it; the opening
    // choice it offers at its first activation is closed with Escape.
    void Demarre()
    {
        Fenetre = std::make_unique<Tf_Principale>(Dossier.str());
        ASSERT_EQ(Fenetre->TagApplication, 0);
        Fenetre->resize(1280, 900);
        Fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetre.get(), Delai));
        Active();
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
    }

    // The X server has no window manager to give the window back its focus
    // when a form closes: the user's click on it does.
    void Active()
    {
        Fenetre->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Fenetre.get(), Delai));
    }

    // Ends the window by its close box; nothing is left to save.
    void Ferme()
    {
        if (!Fenetre)
            return;
        if (Fenetre->isVisible()) {
            testsupport::FermeParLaCase(*Fenetre);
            EXPECT_TRUE(Attend([this] { return !Fenetre->isVisible(); })) << "the window does not close";
        }
        Fenetre.reset();
    }

    void Touche(int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier)
    {
        QTest::keyClick(Fenetre->windowHandle(), static_cast<Qt::Key>(touche), modificateurs);
    }

    void Tape(const std::string& texte)
    {
        for (const char c : texte)
            QTest::keyClick(Fenetre->windowHandle(), c);
    }

    void Clique(QWidget& controle, QPoint point = {})
    {
        if (point.isNull())
            point = controle.rect().center();
        // Through the window, as the window system delivers a click: a window
        // that a modal form blocks does not get it.
        QWidget* fenetre = controle.window();
        QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, {}, controle.mapTo(fenetre, point));
    }

    // Ctrl+O, the path given to the desktop's open dialog, Enter.
    void Ouvre(const std::string& fichier)
    {
        Surveilles.Traite([fichier](QWidget& modal) {
            auto* dialogue = qobject_cast<QFileDialog*>(&modal);
            ASSERT_NE(dialogue, nullptr) << modal.metaObject()->className();
            auto* nom = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(nom, nullptr);
            // Pasted rather than typed: the completer's list, open while a
            // path is typed, would take the Enter.
            nom->setFocus();
            nom->setText(QString::fromStdString(fichier));
            QTest::keyClick(nom, Qt::Key_Return);
        });
        Touche(Qt::Key_O, Qt::ControlModifier);
        ASSERT_TRUE(Attend([this] { return Fenetre->GetSaison() != nullptr; })) << "the season does not open";
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
        Active();
    }

    std::string EtatDocument() const { return Fenetre->Statut->TextePanneau(1); }

    // The node of the menu tree that runs Code, out of the favourites.
    QTreeWidgetItem* Noeud(int code) const
    {
        for (QTreeWidgetItemIterator it(Fenetre->tv_Menu); *it != nullptr; ++it)
            if ((*it)->data(0, Qt::UserRole).toInt() == code && !(*it)->data(0, Qt::UserRole + 1).toBool())
                return *it;
        return nullptr;
    }

    std::vector<int> CodesArbre() const
    {
        std::vector<int> codes;
        std::set<int> vus;
        for (QTreeWidgetItemIterator it(Fenetre->tv_Menu); *it != nullptr; ++it) {
            const int code = (*it)->data(0, Qt::UserRole).toInt();
            if (code >= CodeMenu::PremiereCommande && code < 255 && vus.insert(code).second)
                codes.push_back(code);
        }
        return codes;
    }

    // A click on the node of the menu tree, opened and scrolled to.
    bool CliqueNoeud(int code)
    {
        QTreeWidgetItem* noeud = Noeud(code);
        if (noeud == nullptr)
            return false;
        for (QTreeWidgetItem* p = noeud->parent(); p != nullptr; p = p->parent())
            p->setExpanded(true);
        Fenetre->tv_Menu->scrollToItem(noeud);
        const QRect rect = Fenetre->tv_Menu->visualItemRect(noeud);
        if (!rect.isValid())
            return false;
        Clique(*Fenetre->tv_Menu->viewport(), rect.center());
        return true;
    }

    template <class P> P* AttendPage()
    {
        P* page = nullptr;
        Attend([&] { return (page = dynamic_cast<P*>(Fenetre->GetPageCourante())) != nullptr && page->isVisible(); });
        return page;
    }

    // The bar takes the focus on a click, then the arrow keys step a day at a time.
    void VaALaJournee(QSlider& barre, int journee)
    {
        Clique(barre, QPoint(4, barre.height() / 2));
        ASSERT_TRUE(Attend([&] { return barre.hasFocus(); }));
        for (int n = 0; n < barre.maximum() && barre.value() != journee; ++n)
            Touche(barre.value() < journee ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_EQ(barre.value(), journee);
    }

    std::vector<std::string> TexteGrille(const TColorStringGrid& grille) const
    {
        std::vector<std::string> lignes;
        for (int r = 0; r < grille.GetRowCount(); ++r) {
            std::string ligne;
            for (int c = 0; c < grille.GetColCount(); ++c)
                ligne += grille.GetTexte(c, r) + "|";
            lignes.push_back(ligne);
        }
        return lignes;
    }

    std::vector<std::string> Classement()
    {
        EXPECT_TRUE(CliqueNoeud(40));
        auto* page = AttendPage<Tf_Classement>();
        return page != nullptr ? TexteGrille(*page->sg_Classement) : std::vector<std::string>{};
    }

    testsupport::TempDir Dossier;
    testsupport::TDialoguesSurveilles Surveilles;
    TMessagesFenetre Messages;
    TEtatSauveQt EtatSauve;
    testsupport::TBureauEnregistre Bureau;
    std::vector<std::string> Avertissements;
    fs::path AncienDossier;
    std::shared_ptr<THorloge> AncienneHorloge;
    std::unique_ptr<Tf_Principale> Fenetre;
    std::string Fichier;
};

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

} // namespace
