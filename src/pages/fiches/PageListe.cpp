#include "pages/fiches/PageListe.h"

#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/SaisonFoot.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollArea>

#include <algorithm>

using namespace ListesPersonnes;

TPageListe::TPageListe(TGenre Genre, int LargeurGrille, QWidget* parent)
    : TFootForm(parent), FGenre(Genre), FLargeur(LargeurGrille)
{
    l_Nation = new TListe(this);
    l_Nation->SetNomLong(true);
    l_Nation->SetCanDrag(false);
    l_Nation->setFixedWidth(170);
    sb_Grille = new QScrollArea(this);
    sb_Grille->setFrameShape(QFrame::NoFrame);
    auto* contenu = new QWidget;
    sg_Tableau = new TColorStringGrid(contenu);
    sg_Tableau->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Tableau->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Tableau->SetAutoResize(false);
    sg_Tableau->setGeometry(0, 0, LargeurGrille, 60);
    contenu->resize(LargeurGrille, 60);
    sb_Grille->setWidget(contenu);
    SetGrillePage(sg_Tableau);
    auto* boite = new QHBoxLayout(this);
    boite->addWidget(l_Nation);
    boite->addWidget(sb_Grille, 1);

    pm_JoueurOp = new QMenu(this);
    const bool arbitres = Genre == TGenre::Arbitres;
    mi_Editer = pm_JoueurOp->addAction(QString::fromStdString(Traduit(arbitres ? 1195 : 1192)));
    mi_Effacer = pm_JoueurOp->addAction(QString::fromStdString(Traduit(arbitres ? 1194 : 1191)));
    mi_Inserer = pm_JoueurOp->addAction(QString::fromStdString(Traduit(arbitres ? 1196 : 1193)));
    connect(mi_Editer, &QAction::triggered, this, [this] { mi_EditerClick(); });
    connect(mi_Effacer, &QAction::triggered, this, [this] { mi_EffacerClick(); });
    connect(mi_Inserer, &QAction::triggered, this, [this] { mi_InsererClick(); });

    connect(l_Nation, &QListWidget::currentRowChanged, this, [this](int index) {
        if (index >= 0)
            ChoisitPays(CodeElementPays(l_Nation->Texte(index)));
    });
    sg_Tableau->OnDblClick = [this] { mi_EditerClick(); };
    sg_Tableau->installEventFilter(this);
    sg_Tableau->viewport()->installEventFilter(this);
}

void TPageListe::Initialise(int Pays)
{
    if (!Saison)
        return;
    const QSignalBlocker bloque(l_Nation);
    l_Nation->Vide();
    int choisi = 0;
    const std::vector<TPays> pays = ListePays(*Saison, FGenre);
    for (int i = 0; i < static_cast<int>(pays.size()); ++i) {
        l_Nation->Ajoute(TexteElementPays(pays[i]), pays[i].Code);
        if (pays[i].Code == Pays)
            choisi = i;
    }
    l_Nation->SetItemIndex(choisi);
    FPays = pays[choisi].Code;
    RemplitGrille();
    sg_Tableau->SelectionneCellule(1, 1);
}

void TPageListe::ChoisitPays(int Pays)
{
    if (Pays < 0 || Pays == FPays)
        return;
    ValideLignes();
    FPays = Pays;
    RemplitGrille();
    sg_Tableau->SelectionneCellule(1, 1);
}

void TPageListe::RemplitGrille()
{
    if (!Saison)
        return;
    AvantRemplissage();
    const int ligne = sg_Tableau->GetRow(), col = sg_Tableau->GetCol();
    ListesPersonnes::RemplitGrille(*Saison, FGenre, FPays, *sg_Tableau);
    // Headers longer than their column in the user's language widen it.
    sg_Tableau->AjusteColonnesAuTexte();
    const int largeur = std::max(FLargeur, sg_Tableau->LargeurContenu());
    const int hauteur = std::max(HauteurGrille(*sg_Tableau), sg_Tableau->HauteurContenu());
    sg_Tableau->resize(largeur, hauteur);
    sg_Tableau->parentWidget()->resize(largeur, hauteur);
    if (ligne >= 1 && ligne < sg_Tableau->GetRowCount())
        sg_Tableau->SelectionneCellule(std::max(col, 0), ligne);
}

void TPageListe::ApresChangement(int Entree)
{
    Modifie();
    const int pays = Entree == AucuneEntree ? FPays : PaysEntree(Entree);
    if (pays != FPays)
        Initialise(pays);
    else
        RemplitGrille();
}

void TPageListe::mi_EditerClick()
{
    int entree = EntreeLigne(*sg_Tableau, sg_Tableau->GetRow());
    if (!Saison || entree == AucuneEntree)
        return;
    if (OuvreFiche(entree))
        ApresChangement(entree);
}

void TPageListe::mi_InsererClick()
{
    if (!Saison)
        return;
    ValideLignes();
    int entree = AucuneEntree;
    if (OuvreFiche(entree))
        ApresChangement(entree);
}

void TPageListe::mi_EffacerClick()
{
    if (!Saison)
        return;
    ValideLignes();
    const int entree = EntreeLigne(*sg_Tableau, sg_Tableau->GetRow());
    if (entree == AucuneEntree || !SupprimeEntree(entree))
        return;
    Modifie();
    RemplitGrille();
}

void TPageListe::PrepareMenu(int Ligne)
{
    const bool entree = EntreeLigne(*sg_Tableau, Ligne) != AucuneEntree;
    mi_Editer->setEnabled(entree);
    mi_Effacer->setEnabled(entree);
    mi_Inserer->setEnabled(true);
}

bool TPageListe::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == sg_Tableau->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* souris = static_cast<QMouseEvent*>(event);
        int c = 0, r = 0;
        if (souris->button() == Qt::RightButton && sg_Tableau->CelluleA(souris->position().toPoint(), c, r)) {
            if (r >= 1)
                sg_Tableau->SelectionneCellule(c, r);
            PrepareMenu(r);
            pm_JoueurOp->popup(souris->globalPosition().toPoint());
            return true;
        }
    }
    if (objet == sg_Tableau && event->type() == QEvent::KeyPress) {
        const int touche = static_cast<QKeyEvent*>(event)->key();
        if (touche == Qt::Key_Insert) {
            mi_InsererClick();
            return true;
        }
        if (touche == Qt::Key_Delete) {
            mi_EffacerClick();
            return true;
        }
    }
    return TFootForm::eventFilter(objet, event);
}

std::string TPageListe::TableMotCle(TGenre Genre, const TLignesParam& Params, const TSaison& Saison)
{
    const std::vector<std::string> couleurs{
        LitParametre("CouleurTitre", Params, "#000080"), LitParametre("CouleurLigne1", Params, "#C0C0C0"),
        LitParametre("CouleurLigne2", Params, "#FFFFFF"), LitParametre("FonteTitre", Params, "#F0E020"),
        LitParametre("FonteLigne", Params, "#000000")};
    return TableHtml(Saison, Genre, Trim(LitParametre("Pays", Params, "")), couleurs);
}
