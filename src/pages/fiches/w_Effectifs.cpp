#include "pages/fiches/w_Effectifs.h"

#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/fiches/w_SaisieRapide.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <QScrollArea>

#include <algorithm>

using namespace Effectifs;

namespace {

const char* const TypeGlisseJoueur = "application/x-brevalune-joueur";

QString Q(const std::string& texte)
{
    return QString::fromStdString(texte);
}

// The characters a cell accepts, after its edit mask.
QRegularExpression ExpressionMasque(const std::string& masque)
{
    if (masque == "L")
        return QRegularExpression(QStringLiteral("[A-Za-z]?"));
    if (masque.empty())
        return QRegularExpression(QStringLiteral(".*"));
    const int chiffres = static_cast<int>(masque.size()) - 1;
    return QRegularExpression(QStringLiteral("-|[0-9]{0,%1}").arg(chiffres));
}

// The team list takes a player's row dropped from the grid.
class TListeEquipes : public TListe {
public:
    TListeEquipes(Tf_Effectifs* page) : TListe(page), FPage(page) {}

protected:
    bool Accepte(QDropEvent* event) const
    {
        return event->mimeData()->hasFormat(TypeGlisseJoueur) &&
               qobject_cast<const TColorStringGrid*>(event->source()) != nullptr &&
               FPage->l_EquipeDragOver(indexAt(event->position().toPoint()).row());
    }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (event->mimeData()->hasFormat(TypeGlisseJoueur))
            event->acceptProposedAction();
        else
            TListe::dragEnterEvent(event);
    }
    void dragMoveEvent(QDragMoveEvent* event) override
    {
        if (Accepte(event))
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override
    {
        if (!Accepte(event)) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
        FPage->l_EquipeDragDrop(indexAt(event->position().toPoint()).row());
    }

private:
    Tf_Effectifs* FPage;
};

} // namespace

Tf_Effectifs::Tf_Effectifs(QWidget* parent) : TFootForm(parent)
{
    l_Equipe = new TListeEquipes(this);
    l_Equipe->SetNomLong(true);
    l_Equipe->SetCanDrag(false);
    l_Equipe->setFixedWidth(170);
    sb_Grille = new QScrollArea(this);
    sb_Grille->setFrameShape(QFrame::NoFrame);
    auto* contenu = new QWidget;
    sg_TableauEquipe = new TColorStringGrid(contenu);
    sg_TableauEquipe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_TableauEquipe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_TableauEquipe->SetAutoResize(false);
    sg_TableauEquipe->setGeometry(0, 0, LargeurGrille(true), 60);
    contenu->resize(sg_TableauEquipe->size());
    sb_Grille->setWidget(contenu);
    SetGrillePage(sg_TableauEquipe);
    e_Saisie = new QLineEdit(sg_TableauEquipe);
    e_Saisie->hide();
    e_Saisie->installEventFilter(this);
    auto* boite = new QHBoxLayout(this);
    boite->addWidget(l_Equipe);
    boite->addWidget(sb_Grille, 1);

    pm_JoueurOp = new QMenu(this);
    mi_Editer = pm_JoueurOp->addAction(Q(Traduit(910)));
    mi_Effacer = pm_JoueurOp->addAction(Q(Traduit(909)));
    mi_Inserer = pm_JoueurOp->addAction(Q(Traduit(911)));
    mi_SaisieRapide = pm_JoueurOp->addAction(Q(Traduit(849)));
    pm_JoueurOp->setDefaultAction(mi_Editer);
    connect(mi_Editer, &QAction::triggered, this, [this] { mi_EditerClick(); });
    connect(mi_Effacer, &QAction::triggered, this, [this] { mi_EffacerClick(); });
    connect(mi_Inserer, &QAction::triggered, this, [this] { mi_InsererClick(); });
    connect(mi_SaisieRapide, &QAction::triggered, this, [this] { mi_SaisieRapideClick(); });

    connect(l_Equipe, &QListWidget::currentRowChanged, this, [this](int index) { l_EquipeClick(index); });
    sg_TableauEquipe->OnDblClick = [this] { mi_EditerClick(); };
    sg_TableauEquipe->OnSelectCell = [this](int ACol, int ARow) {
        TermineSaisie();
        if (!FEffectifs)
            return true;
        const int lignes = sg_TableauEquipe->GetRowCount();
        const bool permis = FEffectifs->SelectionneCellule(ACol, ARow);
        if (sg_TableauEquipe->GetRowCount() != lignes)
            AjusteGrille();
        return permis && ARow < sg_TableauEquipe->GetRowCount();
    };
    sg_TableauEquipe->installEventFilter(this);
    sg_TableauEquipe->viewport()->installEventFilter(this);
}

Tf_Effectifs::~Tf_Effectifs() = default;

Effectifs::TFiche Tf_Effectifs::Fiche()
{
    return [this](TJoueur*& joueur, int num, int mode, int poste, bool* change) {
        return OuvreFicheJoueur(*Saison, num, joueur, mode, change, poste);
    };
}

void Tf_Effectifs::Remplit(int Position, bool StatsCachees)
{
    if (!Saison)
        return;
    FEffectifs = std::make_unique<TEffectifs>(*Saison, *sg_TableauEquipe);
    FEffectifs->OnModifie = [this] { Modifie(); };
    FEffectifs->Remplit(Position, StatsCachees);
    RemplitListe();
    AjusteGrille();
    sg_TableauEquipe->SelectionneCellule(1, 1);
}

void Tf_Effectifs::RemplitListe()
{
    const QSignalBlocker bloque(l_Equipe);
    l_Equipe->Vide();
    for (const TElementEquipe& e : FEffectifs->Equipes())
        l_Equipe->Ajoute(e.Texte, e.Objet);
    l_Equipe->SetItemIndex(FEffectifs->IndexEquipe());
}

void Tf_Effectifs::AjusteGrille()
{
    // Headers longer than their column in the user's language widen it.
    sg_TableauEquipe->AjusteColonnesAuTexte();
    const bool stats = sg_TableauEquipe->GetLargeurColonne(PremiereColonneStat) > 0;
    const int largeur = std::max(LargeurGrille(stats), sg_TableauEquipe->LargeurContenu());
    const int hauteur = std::max(HauteurGrille(*sg_TableauEquipe), sg_TableauEquipe->HauteurContenu());
    sg_TableauEquipe->resize(largeur, hauteur);
    sg_TableauEquipe->parentWidget()->resize(largeur, hauteur);
}

void Tf_Effectifs::l_EquipeClick(int Index)
{
    if (!FEffectifs || Index < 0)
        return;
    TermineSaisie();
    if (FEffectifs->ChangeEquipe(Index)) {
        AjusteGrille();
        sg_TableauEquipe->SelectionneCellule(1, 1);
    }
}

bool Tf_Effectifs::l_EquipeDragOver(int Index) const
{
    return FEffectifs && FEffectifs->AccepteDepot(Index);
}

void Tf_Effectifs::l_EquipeDragDrop(int Index)
{
    if (!FEffectifs)
        return;
    TermineSaisie();
    if (FEffectifs->Transfere(sg_TableauEquipe->GetRow(), Index))
        AjusteGrille();
}

void Tf_Effectifs::CommenceSaisie(const QString& Texte)
{
    const int col = sg_TableauEquipe->GetCol(), ligne = sg_TableauEquipe->GetRow();
    if (!FEffectifs || col < 0 || col >= PremiereColonneStat || ligne < 1)
        return;
    FColSaisie = col;
    FLigneSaisie = ligne;
    e_Saisie->setValidator(new QRegularExpressionValidator(ExpressionMasque(MasqueEdition(col)), e_Saisie));
    e_Saisie->setGeometry(sg_TableauEquipe->RectCellule(col, ligne));
    e_Saisie->setText(Texte);
    e_Saisie->show();
    e_Saisie->setFocus();
}

void Tf_Effectifs::TermineSaisie()
{
    if (FLigneSaisie < 0)
        return;
    const int col = FColSaisie, ligne = FLigneSaisie;
    FColSaisie = FLigneSaisie = -1;
    e_Saisie->hide();
    if (FEffectifs && FEffectifs->SetTexte(col, ligne, e_Saisie->text().toStdString()))
        AjusteGrille();
}

void Tf_Effectifs::sg_TableauEquipeExit()
{
    TermineSaisie();
    if (!FEffectifs)
        return;
    const int lignes = sg_TableauEquipe->GetRowCount();
    FEffectifs->ValideTout();
    if (sg_TableauEquipe->GetRowCount() != lignes)
        AjusteGrille();
}

void Tf_Effectifs::ValideSaisieEnCours()
{
    sg_TableauEquipeExit();
}

void Tf_Effectifs::OpereLigne(const std::function<bool(int)>& Operation)
{
    if (!FEffectifs)
        return;
    TermineSaisie();
    if (Operation(sg_TableauEquipe->GetRow()))
        AjusteGrille();
}

void Tf_Effectifs::mi_EditerClick()
{
    OpereLigne([this](int Ligne) {
        FEffectifs->Edite(Ligne, Fiche());
        return true;
    });
}

void Tf_Effectifs::mi_InsererClick()
{
    OpereLigne([this](int Ligne) {
        FEffectifs->Insere(Ligne, Fiche());
        return true;
    });
}

void Tf_Effectifs::mi_EffacerClick()
{
    OpereLigne([this](int Ligne) { return FEffectifs->Libere(Ligne); });
}

void Tf_Effectifs::mi_SaisieRapideClick()
{
    if (!FEffectifs || !Saison)
        return;
    sg_TableauEquipeExit();
    Tf_SaisieRapide saisie(*Saison, this);
    saisie.SetEquipe(FEffectifs->Equipe() & 0xFFFF);
    Dialogues().ExecuteModal(saisie);
    if (saisie.Change())
        Modifie();
    FEffectifs->RemplitGrille();
    AjusteGrille();
}

void Tf_Effectifs::PrepareMenu(int Ligne)
{
    const bool donnee = FEffectifs && FEffectifs->JoueurLigne(Ligne) && !FEffectifs->EstLigneSaisie(Ligne);
    mi_Editer->setEnabled(FEffectifs && Ligne >= 1 && Ligne < sg_TableauEquipe->GetRowCount());
    mi_Effacer->setEnabled(donnee);
    mi_Inserer->setEnabled(true);
    mi_SaisieRapide->setEnabled(FEffectifs != nullptr);
}

bool Tf_Effectifs::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == e_Saisie) {
        if (event->type() == QEvent::KeyPress) {
            const int touche = static_cast<QKeyEvent*>(event)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
                TermineSaisie();
                sg_TableauEquipe->setFocus();
                return true;
            }
            if (touche == Qt::Key_Escape) {
                FColSaisie = FLigneSaisie = -1;
                e_Saisie->hide();
                sg_TableauEquipe->setFocus();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            TermineSaisie();
        }
        return TFootForm::eventFilter(objet, event);
    }
    if (objet == sg_TableauEquipe->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* souris = static_cast<QMouseEvent*>(event);
            int c = 0, r = 0;
            const bool cellule = sg_TableauEquipe->CelluleA(souris->position().toPoint(), c, r);
            FLigneGlisse = -1;
            if (souris->button() == Qt::RightButton && cellule) {
                if (r >= 1)
                    sg_TableauEquipe->SelectionneCellule(std::min(c, PremiereColonneStat - 1), r);
                PrepareMenu(r);
                pm_JoueurOp->popup(souris->globalPosition().toPoint());
                return true;
            }
            // A row is dragged onto a team by its shirt or its names.
            if (souris->button() == Qt::LeftButton && cellule && c >= 1 && c <= 3 && FEffectifs &&
                FEffectifs->JoueurLigne(r) && !FEffectifs->EstLigneSaisie(r)) {
                FLigneGlisse = r;
                FDepartGlisse = souris->position().toPoint();
            }
        } else if (event->type() == QEvent::MouseMove && FLigneGlisse >= 1) {
            auto* souris = static_cast<QMouseEvent*>(event);
            if ((souris->buttons() & Qt::LeftButton) &&
                (souris->position().toPoint() - FDepartGlisse).manhattanLength() >= 5) {
                FLigneGlisse = -1;
                TermineSaisie();
                auto* glisse = new QDrag(sg_TableauEquipe);
                auto* donnees = new QMimeData;
                donnees->setData(TypeGlisseJoueur, QByteArray());
                glisse->setMimeData(donnees);
                glisse->exec(Qt::MoveAction);
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick) {
            FLigneGlisse = -1;
        }
    }
    if (objet == sg_TableauEquipe) {
        if (event->type() == QEvent::KeyPress) {
            auto* touche = static_cast<QKeyEvent*>(event);
            if (touche->key() == Qt::Key_Insert) {
                mi_InsererClick();
                return true;
            }
            if (touche->key() == Qt::Key_Delete) {
                mi_EffacerClick();
                return true;
            }
            if (touche->key() == Qt::Key_F2 && sg_TableauEquipe->GetCol() < PremiereColonneStat) {
                CommenceSaisie(Q(sg_TableauEquipe->GetTexte(sg_TableauEquipe->GetCol(), sg_TableauEquipe->GetRow())));
                return true;
            }
            const QString texte = touche->text();
            if (texte.size() == 1 && texte[0].isPrint() && !texte[0].isSpace() &&
                sg_TableauEquipe->GetCol() < PremiereColonneStat) {
                CommenceSaisie(texte);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && QApplication::focusWidget() != e_Saisie &&
                   !pm_JoueurOp->isVisible()) {
            sg_TableauEquipeExit();
        }
    }
    return TFootForm::eventFilter(objet, event);
}

void Tf_Effectifs::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                   const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"effectifequipe"}, Nom, Params, Resultat, Args, Saison))
        return;
    Resultat =
        Saison ? EffectifEquipe(*Saison, LitParametre("Equipe", Params), CouleursTableParam(Params)) : std::string();
}

void EnregistrePagesEffectifs()
{
    EnregistrePage<Tf_Effectifs>({Commande::Effectifs}, [](Tf_Effectifs& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        const TDonneesChampionnat* champ = Page.Saison ? Page.Saison->GetChampCourant() : nullptr;
        Page.Remplit(champ ? champ->GetOption(10) : 255, false);
    });
    static const bool MotCle = [] {
        GestionFonction().Ajoute<Tf_Effectifs>("EffectifEquipe", CodeFonction::Equipe);
        return true;
    }();
    (void)MotCle;
}
