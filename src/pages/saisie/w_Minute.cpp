#include "pages/saisie/w_Minute.h"

#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"

#include <QAction>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <array>

namespace {

constexpr int LargeurPanneau = 224;
constexpr int Marge = 8;
constexpr int HauteurBas = 84; // the two score rows under the list
// Narrower, each name stands above its score and buttons: the panel can then
// give the standings all but the room of a score and two buttons.
constexpr int HauteurBasEtroit = 132;
constexpr int LargeurEtroite = 2 * Marge + 25 + 3 + 28 + 4 + 28;

TFondModele* Modele(const char* nom)
{
    return Dessin() ? Dessin()->Fond(nom) : nullptr;
}

} // namespace

Tf_Minute::Tf_Minute(QWidget* parent) : TFootForm(parent)
{
    // The grid scrolls itself: its box only frames it.
    ScrollBox1 = new QWidget(this);
    sg_Classement = new TColorStringGrid(ScrollBox1);
    sg_Classement->SetSelectionVisible(false);
    // The table fills its box and scrolls in it.
    sg_Classement->SetAutoResize(false);
    SetGrillePage(sg_Classement);

    FondCopie17 = new TFondCopie(this);
    FondCopie17->SetModele(Modele("FondCreuxBleu"));
    Listbox1 = new TListe(FondCopie17);
    Listbox1->SetItemHeight(16);
    Listbox1->SetNomLong(true);
    Listbox1->SetCanDrag(false);
    Listbox1->setToolTip(QString::fromUtf8("Bouton droit pour retirer un match"));
    Listbox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Listbox1, &QListWidget::currentRowChanged, this, [this] { Listbox1Click(); });
    connect(Listbox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { Listbox1MouseDown(p.y(), Listbox1->viewport()->mapToGlobal(p)); });

    Cadre9 = new TCadre(FondCopie17);
    Cadre10 = new TCadre(FondCopie17);
    EditRond1 = new TEditRond(FondCopie17);
    EditRond2 = new TEditRond(FondCopie17);
    for (TCadre* c : {Cadre9, Cadre10})
        c->SetModele(Modele("BoutonCreuxBleu"));
    for (TEditRond* e : {EditRond1, EditRond2}) {
        e->SetModele(Modele("RondCreuxBleu"));
        e->SetMaxlength(2);
        // The scores change through the buttons only.
        e->SetTabStop(false);
    }
    for (QToolButton** b : {&Bp1, &Bm1, &bp2, &bm2})
        *b = new QToolButton(FondCopie17);
    for (QToolButton* b : {Bp1, bp2})
        b->setText("+");
    for (QToolButton* b : {Bm1, bm2})
        b->setText("-");
    for (QToolButton* b : {Bp1, bp2})
        connect(b, &QToolButton::clicked, this, [this, b] { Bp1Click(b); });
    for (QToolButton* b : {Bm1, bm2})
        connect(b, &QToolButton::clicked, this, [this, b] { Bm1Click(b); });

    PopupMenu8 = new QMenu(this);
    mi_RetirerMatch = PopupMenu8->addAction(QString::fromStdString(Traduit(821)));
    connect(mi_RetirerMatch, &QAction::triggered, this, [this] { mi_RetirerMatchClick(); });

    FDirect.OnModification = [this] { Modifie(); };
    Place();
}

Tf_Minute::~Tf_Minute() = default;

void Tf_Minute::Initialiser(TSaison* saison)
{
    Saison = saison;
    FDirect = TScoresDirect(saison);
    FDirect.OnModification = [this] { Modifie(); };
    FDirect.Remplit();
    AfficheListe();
    AfficheMatch();
    AfficheClassement();
}

void Tf_Minute::AfficheListe()
{
    const QSignalBlocker bloque(Listbox1);
    Listbox1->Vide();
    for (int i = 0; i < FDirect.NbMatchs(); ++i)
        Listbox1->Ajoute(FDirect.GetElement(i)->Texte);
    if (FDirect.GetSelection() >= 0)
        Listbox1->SetItemIndex(0);
}

void Tf_Minute::AfficheMatch()
{
    Cadre9->SetText(FDirect.NomEquipe(0));
    Cadre10->SetText(FDirect.NomEquipe(1));
    EditRond1->SetText(FDirect.TexteScore(0));
    EditRond2->SetText(FDirect.TexteScore(1));
}

void Tf_Minute::AfficheClassement()
{
    FDirect.AfficheClassement(*sg_Classement);
    // Columns as wide as what they hold, so that the whole table fits beside the panel.
    sg_Classement->AjusteColonnesAuTexte(true);
    Place();
}

int Tf_Minute::LargeurClassement() const
{
    const int cadre = 2 * sg_Classement->frameWidth();
    int largeur = sg_Classement->LargeurContenu() + cadre;
    if (sg_Classement->HauteurContenu() + cadre > height() - 10)
        largeur += style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sg_Classement);
    return largeur + 12;
}

void Tf_Minute::Listbox1Click()
{
    FDirect.Selectionne(Listbox1->ItemIndex());
    AfficheMatch();
}

void Tf_Minute::Listbox1MouseDown(int y, QPoint global)
{
    const int ligne = y / std::max(Listbox1->ItemHeight(), 1) + Listbox1->verticalScrollBar()->value();
    if (ligne < 0 || ligne >= FDirect.NbMatchs())
        return;
    Listbox1->SetItemIndex(ligne);
    // Selecting the row already selected sends no change: take it here.
    Listbox1Click();
    PopupMenu8->popup(global);
}

void Tf_Minute::Bp1Click(QObject* sender)
{
    if (FDirect.Plus(sender == Bp1 ? 0 : 1)) {
        AfficheMatch();
        AfficheClassement();
    }
}

void Tf_Minute::Bm1Click(QObject* sender)
{
    if (FDirect.Moins(sender == Bm1 ? 0 : 1)) {
        AfficheMatch();
        AfficheClassement();
    }
}

void Tf_Minute::mi_RetirerMatchClick()
{
    if (!FDirect.Retire())
        return;
    AfficheListe();
    AfficheMatch();
    AfficheClassement();
}

void Tf_Minute::FondScroll2resize()
{
    const QSize boite = ScrollBox1->size();
    sg_Classement->setGeometry(6, 5, std::max(boite.width() - 12, 0), std::max(boite.height() - 10, 0));
}

int Tf_Minute::LargeurPanneauVoulue() const
{
    const QFontMetrics mesure(Listbox1->font());
    int match = 0;
    for (int i = 0; i < Listbox1->Nb(); ++i)
        match =
            std::max(match, mesure.horizontalAdvance(QString::fromStdString(LitElementListe(Listbox1->Texte(i)).Nom)));
    // The list's frame and a scroll bar beside the longest match.
    const int liste = match + 2 * Listbox1->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4;
    return std::max({LargeurPanneau, liste + 2 * Marge, LargeurRangee()});
}

int Tf_Minute::LargeurRangee() const
{
    // A team's frame beside its score and buttons, for the championship's longest name.
    std::vector<std::string> noms{Cadre9->Text(), Cadre10->Text()};
    if (const TDonneesChampionnat* c = Saison ? Saison->GetChampCourant() : nullptr)
        for (int p = 0; p < c->GetNbEquipe(); ++p)
            noms.push_back(Saison->GetNomEquipeChamp(p));
    return LargeurCadrePour(*Cadre9, noms, 0) + 64 + 28 + 2 * Marge + Marge;
}

void Tf_Minute::Place()
{
    const int h = height();
    // The standings are read whole first: the panel narrows for them, down to
    // its narrow form, and widens into the room they leave for long matches.
    const int panneau = std::clamp(width() - LargeurClassement(), LargeurEtroite, LargeurPanneauVoulue());
    const bool etroit = panneau < std::max(LargeurPanneau, LargeurRangee());
    FondCopie17->setGeometry(std::max(width() - panneau, 0), 0, panneau, h);
    ScrollBox1->setGeometry(0, 0, std::max(width() - panneau, 0), h);
    const int hListe = std::max(h - (etroit ? HauteurBasEtroit : HauteurBas) - 2 * Marge, 16);
    Listbox1->setGeometry(Marge, Marge, panneau - 2 * Marge, hListe);
    const int y = Marge + hListe + 12;
    const std::array<std::array<QWidget*, 4>, 2> rangs{{{Cadre9, EditRond1, Bp1, Bm1}, {Cadre10, EditRond2, bp2, bm2}}};
    for (int r = 0; r < 2; ++r) {
        // The score and its buttons end at the panel's right margin, under the name when narrow.
        const int yr = y + (etroit ? 58 : 34) * r;
        const int yBoutons = etroit ? yr + 26 : yr;
        const int xMoins = panneau - Marge - 28;
        rangs[r][0]->setGeometry(Marge, yr + 2, etroit ? panneau - 2 * Marge : xMoins - 64 - Marge, 21);
        rangs[r][1]->setGeometry(xMoins - 60, yBoutons, 25, 25);
        rangs[r][2]->setGeometry(xMoins - 32, yBoutons, 28, 25);
        rangs[r][3]->setGeometry(xMoins, yBoutons, 28, 25);
    }
    FondScroll2resize();
}

void Tf_Minute::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    Place();
}

void EnregistrePagesMinute()
{
    EnregistrePage<Tf_Minute>({Commande::Minute}, [](Tf_Minute& page, TPrincipale& principale, int) {
        page.Initialiser(principale.GetSaison());
    });
}
