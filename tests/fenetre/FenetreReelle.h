#pragma once
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
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/DialoguesSurveilles.h"
#include "support_ui/DossierProgramme.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace fenetretest {

namespace fs = std::filesystem;

inline constexpr int Delai = 10000; // ms: the longest wait for anything the window does

// Every warning Qt reports while a test runs, but those of the platform
// plugin about the bare X server (no window manager, no input method).
inline std::vector<std::string>* g_Avertissements = nullptr;
inline QtMessageHandler g_AncienGestionnaire = nullptr;

inline void NoteMessage(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
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

    // A copy of the World Cup in a window of 800 x 600, the smallest it allows.
    void OuvreCoupeEn800x600()
    {
        Demarre();
        ASSERT_FALSE(HasFatalFailure());
        Fenetre->resize(800, 600);
        ASSERT_TRUE(Attend([this] { return Fenetre->width() == 800 && Fenetre->height() == 600; }));
        const std::string coupe = (Dossier / "coupe.xmc").string();
        fs::copy_file(Dossier / "sauvegarde" / "coupe-du-monde-2022.xmc", coupe);
        Ouvre(coupe);
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
        RepondOuverture(fichier);
        Touche(Qt::Key_O, Qt::ControlModifier);
        ASSERT_TRUE(Attend([this] { return Fenetre->GetSaison() != nullptr; })) << "the season does not open";
        ASSERT_TRUE(Attend([] { return QApplication::activeModalWidget() == nullptr; }));
        Active();
    }

    // The next open dialog gets the path and Enter.
    void RepondOuverture(const std::string& fichier)
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
    }

    // The settings file of the program folder, read again by the window at each rebuild of its menus.
    std::string FichierIni() const { return (Dossier / "brevalune.ini").string(); }

    // --- The menu bar ---

    // The items that lead to the entry of the menu bar carrying Donnee, from
    // the bar's own title down to the entry; empty when the bar has none.
    std::vector<QAction*> CheminBarre(int donnee) const
    {
        std::vector<QAction*> chemin;
        const std::function<bool(const QList<QAction*>&)> cherche = [&](const QList<QAction*>& actions) {
            for (QAction* a : actions) {
                chemin.push_back(a);
                if (a->menu() != nullptr ? cherche(a->menu()->actions()) : a->data().toInt() == donnee)
                    return true;
                chemin.pop_back();
            }
            return false;
        };
        cherche(Fenetre->mm_Menu->actions());
        return chemin;
    }

    // A click on a title of the bar, or on an item of an open menu; a title or
    // a sub-menu item opens its menu, and the click waits until it is on screen.
    void CliqueArticle(QWidget& conteneur, QAction* article)
    {
        QRect zone;
        if (auto* barre = qobject_cast<QMenuBar*>(&conteneur)) {
            zone = barre->actionGeometry(article);
        } else if (auto* menu = qobject_cast<QMenu*>(&conteneur)) {
            zone = menu->actionGeometry(article);
        }
        ASSERT_TRUE(zone.isValid() && conteneur.rect().contains(zone.center()))
            << article->text().toStdString() << " is out of sight";
        // A command may rebuild the menus it was chosen in: nothing of the
        // item is read after the click that runs it.
        QMenu* sous = article->menu();
        const std::string texte = article->text().toStdString();
        QWidget* fenetre = conteneur.window();
        QTest::mouseClick(fenetre->windowHandle(), Qt::LeftButton, {}, conteneur.mapTo(fenetre, zone.center()));
        if (sous != nullptr) {
            ASSERT_TRUE(Attend([sous] { return sous->isVisible(); })) << texte;
            ASSERT_TRUE(QTest::qWaitForWindowExposed(sous, Delai));
        }
    }

    // The entry carrying Donnee chosen in the menu bar with the mouse, through
    // its menus. The entry, and the menus it was chosen in, must outlive the
    // signal that runs its command, whatever the command rebuilds: Qt goes on
    // using them once the command returns.
    void ChoisitDansBarre(int donnee)
    {
        const std::vector<QAction*> chemin = CheminBarre(donnee);
        ASSERT_FALSE(chemin.empty()) << "no entry " << donnee << " in the menu bar";
        struct TSurvie {
            bool FinDuSignal = false;
            bool MenusVivants = false;
        };
        auto survie = std::make_shared<TSurvie>();
        std::vector<QPointer<QMenu>> menus;
        for (QAction* article : chemin)
            if (article->menu() != nullptr)
                menus.emplace_back(article->menu());
        // Connected after the window's own handler: it runs once that handler has returned.
        QObject::connect(chemin.back(), &QAction::triggered, chemin.back(), [survie, menus] {
            survie->FinDuSignal = true;
            survie->MenusVivants =
                std::none_of(menus.begin(), menus.end(), [](const QPointer<QMenu>& m) { return m.isNull(); });
        });
        QWidget* conteneur = Fenetre->mm_Menu;
        for (QAction* article : chemin) {
            QMenu* suivant = article->menu();
            CliqueArticle(*conteneur, article);
            if (HasFatalFailure())
                return;
            conteneur = suivant;
        }
        EXPECT_TRUE(survie->FinDuSignal) << "entry " << donnee << " freed while its own signal runs";
        EXPECT_TRUE(survie->MenusVivants) << "the menus of entry " << donnee << " freed while its signal runs";
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

} // namespace fenetretest
