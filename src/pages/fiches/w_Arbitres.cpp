#include "pages/fiches/w_Arbitres.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

using namespace ListesPersonnes;

namespace {
constexpr int TexteArbitreNomme = 2580; // a referee still named in matches cannot go
} // namespace

Tf_Arbitres::Tf_Arbitres(QWidget* parent) : TPageListe(TGenre::Arbitres, 445, parent)
{
    e_Saisie = new QLineEdit(sg_Tableau);
    e_Saisie->hide();
    e_Saisie->installEventFilter(this);
    sg_Tableau->OnSelectCell = [this](int, int ARow) {
        TermineSaisie();
        // Leaving a row writes it back.
        const int quittee = sg_Tableau->GetRow();
        if (ARow != quittee && Saison && sg_Tableau->GetCol() <= 1) {
            const TResultatSaisie r = ValideLigne(*Saison, FPays, *sg_Tableau, quittee);
            if (r.Change) {
                ApresSaisie(r);
                if (ARow < sg_Tableau->GetRowCount())
                    sg_Tableau->SelectionneCellule(sg_Tableau->GetCol(), ARow);
                return false;
            }
        }
        return true;
    };
}

void Tf_Arbitres::AvantRemplissage()
{
    // The figures and the delete rule must see the matches as they are now.
    Saison->RecalculeArbitres();
}

bool Tf_Arbitres::OuvreFiche(int& Entree)
{
    auto* arbitre =
        Entree == AucuneEntree ? nullptr : dynamic_cast<TPersonnelStat*>(Saison->Arbitres().ChercheId(Entree));
    bool change = false;
    OuvreFicheArbitre(*Saison, Saison->GetNumChampCourant(), arbitre, &change);
    if (arbitre)
        Entree = arbitre->Numero;
    return change;
}

int Tf_Arbitres::PaysEntree(int Entree) const
{
    const TPersonnel* arbitre = Saison->Arbitres().ChercheId(Entree);
    return arbitre ? arbitre->CodePays : FPays;
}

bool Tf_Arbitres::SupprimeEntree(int Entree)
{
    auto* arbitre = dynamic_cast<TPersonnelStat*>(Saison->Arbitres().ChercheId(Entree));
    if (!arbitre)
        return false;
    if (SupprimeArbitre(*Saison, arbitre))
        return true;
    MessageUtil(Traduit(TexteArbitreNomme), BoutonsMessage::Ok);
    return false;
}

void Tf_Arbitres::CommenceSaisie(const QString& Texte)
{
    const int col = sg_Tableau->GetCol(), ligne = sg_Tableau->GetRow();
    if (col < 0 || col > 1 || ligne < 1)
        return;
    FColSaisie = col;
    FLigneSaisie = ligne;
    e_Saisie->setGeometry(sg_Tableau->RectCellule(col, ligne));
    e_Saisie->setText(Texte);
    e_Saisie->show();
    e_Saisie->setFocus();
}

void Tf_Arbitres::TermineSaisie()
{
    if (FLigneSaisie < 0)
        return;
    const int col = FColSaisie, ligne = FLigneSaisie;
    FColSaisie = FLigneSaisie = -1;
    e_Saisie->hide();
    if (TexteSaisi(*sg_Tableau, col, ligne, Trim(e_Saisie->text().toStdString())))
        sg_Tableau->resize(sg_Tableau->width(), HauteurGrille(*sg_Tableau));
    sg_Tableau->parentWidget()->resize(sg_Tableau->size());
}

void Tf_Arbitres::ValideLignes()
{
    TermineSaisie();
    if (Saison)
        ApresSaisie(ListesPersonnes::ValideLignes(*Saison, FPays, *sg_Tableau));
}

void Tf_Arbitres::ValideSaisieEnCours()
{
    ValideLignes();
}

void Tf_Arbitres::ApresSaisie(const TResultatSaisie& Resultat)
{
    if (Resultat.Change)
        Modifie();
    if (Resultat.Rafraichir)
        RemplitGrille();
}

bool Tf_Arbitres::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == e_Saisie) {
        if (event->type() == QEvent::KeyPress) {
            const int touche = static_cast<QKeyEvent*>(event)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
                TermineSaisie();
                sg_Tableau->setFocus();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            TermineSaisie();
        }
        return TPageListe::eventFilter(objet, event);
    }
    if (objet == sg_Tableau && event->type() == QEvent::KeyPress) {
        const QString texte = static_cast<QKeyEvent*>(event)->text();
        if (texte.size() == 1 && texte[0].isPrint() && !texte[0].isSpace() && sg_Tableau->GetCol() <= 1) {
            CommenceSaisie(texte);
            return true;
        }
    }
    if (objet == sg_Tableau && event->type() == QEvent::FocusOut && !e_Saisie->hasFocus() &&
        QApplication::focusWidget() != e_Saisie)
        ValideLignes();
    return TPageListe::eventFilter(objet, event);
}

void Tf_Arbitres::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                  const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"effectifarbitre"}, Nom, Params, Resultat, Args, Saison))
        return;
    Resultat = Saison ? TableMotCle(TGenre::Arbitres, Params, *Saison) : std::string();
}

void EnregistrePagesArbitres()
{
    EnregistrePage<Tf_Arbitres>({Commande::Arbitres}, [](Tf_Arbitres& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.Initialise(TousLesPays);
    });
    static const bool MotCle = [] {
        GestionFonction().Ajoute<Tf_Arbitres>("EffectifArbitre", CodeFonction::Listes);
        return true;
    }();
    (void)MotCle;
}
