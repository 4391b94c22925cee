#include "support_ui/DialoguesSurveilles.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

namespace testsupport {

TDialoguesSurveilles::TDialoguesSurveilles() : FAncien(InstalleDialogues(this)) {}

TDialoguesSurveilles::~TDialoguesSurveilles()
{
    InstalleDialogues(FAncien);
}

void EnvoieEchap(QWidget& fenetre)
{
    QWindow* w = fenetre.window()->windowHandle();
    if (w != nullptr)
        QTest::keyClick(w, Qt::Key_Escape);
    else
        QTest::keyClick(&fenetre, Qt::Key_Escape);
}

void FermeParLaCase(QWidget& fenetre)
{
    // QWindow::close() hands the request to the platform window, which
    // reports it back as the window manager reports a click on the close box.
    QWindow* w = fenetre.window()->windowHandle();
    if (w != nullptr)
        w->close();
    else
        fenetre.close();
}

int TDialoguesSurveilles::Surveille(QDialog* forme, const std::string& nom, const std::function<int()>& execute)
{
    Formes.push_back(nom);
    QWidget* avant = QApplication::activeModalWidget();
    TTraitement traitement;
    if (!FTraitements.empty()) {
        traitement = std::move(FTraitements.front());
        FTraitements.pop_front();
    } else if (Fermeture == TFermeture::Echap) {
        traitement = EnvoieEchap;
    } else if (Fermeture == TFermeture::CaseFermeture) {
        traitement = FermeParLaCase;
    }
    bool servi = !traitement;
    QTimer pilote;
    pilote.setInterval(10);
    QObject::connect(&pilote, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (servi || modal == nullptr || modal == avant || (forme != nullptr && modal != forme) || !modal->isVisible())
            return;
        servi = true;
        traitement(*modal);
    });
    QTimer garde;
    garde.setSingleShot(true);
    QObject::connect(&garde, &QTimer::timeout, [&] {
        Blocages.push_back(nom);
        ADD_FAILURE() << nom << ": exec() has not returned after " << Delai.count() << " ms";
        QWidget* cible = forme != nullptr ? forme : QApplication::activeModalWidget();
        if (auto* d = qobject_cast<QDialog*>(cible); d != nullptr && cible != avant) {
            // A hidden form's loop only ends when the form is hidden again.
            d->show();
            d->done(QDialog::Rejected);
        }
    });
    pilote.start();
    garde.start(Delai);
    return execute();
}

int TDialoguesSurveilles::ExecuteModal(QDialog& dialogue)
{
    return Surveille(&dialogue, dialogue.metaObject()->className(),
                     [&] { return TDialoguesBureau::ExecuteModal(dialogue); });
}

TReponseFichier TDialoguesSurveilles::OuvreFichier(const TDemandeFichier& demande)
{
    TReponseFichier reponse;
    Surveille(nullptr, "QFileDialog", [&] {
        reponse = TDialoguesBureau::OuvreFichier(demande);
        return reponse.Ok ? 1 : 0;
    });
    return reponse;
}

std::vector<std::string> TDialoguesSurveilles::OuvreFichiers(const TDemandeFichier& demande)
{
    std::vector<std::string> noms;
    Surveille(nullptr, "QFileDialog", [&] {
        noms = TDialoguesBureau::OuvreFichiers(demande);
        return static_cast<int>(noms.size());
    });
    return noms;
}

TReponseFichier TDialoguesSurveilles::EnregistreFichier(const TDemandeFichier& demande)
{
    TReponseFichier reponse;
    Surveille(nullptr, "QFileDialog", [&] {
        reponse = TDialoguesBureau::EnregistreFichier(demande);
        return reponse.Ok ? 1 : 0;
    });
    return reponse;
}

bool TDialoguesSurveilles::ChoisitImprimante(QPrinter&)
{
    ++NbChoixImprimante;
    return false;
}

} // namespace testsupport
