#include "pages/vues/w_recap.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "controls/ColorStringGrid.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "platform/Couleurs.h"
#include "presentation/Recapitulatif.h"

#include <QEvent>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr TColor CouleurFond = 0x6F3000;
constexpr int MargeTableau = 10;

} // namespace

Tf_recap::Tf_recap(QWidget* parent) : TFootForm(parent)
{
    sb_Fond = new QScrollArea(this);
    sb_Fond->setFrameShape(QFrame::NoFrame);
    QPalette Palette = sb_Fond->palette();
    Palette.setColor(QPalette::Window, VersQColor(CouleurFond));
    sb_Fond->setPalette(Palette);
    sb_Fond->setAutoFillBackground(true);
    Contenu = new QWidget;
    Contenu->setPalette(Palette);
    Contenu->setAutoFillBackground(true);
    sb_Fond->setWidget(Contenu);
    sg_recap = new TColorStringGrid(Contenu);
    SetGrillePage(sg_recap);
    sg_recap->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_recap->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sb_Fond->viewport()->installEventFilter(this);
    auto* Boite = new QVBoxLayout(this);
    Boite->setContentsMargins(0, 0, 0, 0);
    Boite->addWidget(sb_Fond);
}

Tf_recap::~Tf_recap() = default;

void Tf_recap::RemplitTableau(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGrille& Grille)
{
    Recapitulatif::RemplitTableau(Saison, Champ, Grille);
}

void Tf_recap::Affiche()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr) {
        sg_recap->SetRowCount(0);
        sg_recap->SetColCount(0);
    } else {
        RemplitTableau(*Saison, *Champ, *sg_recap);
    }
    sg_recap->AjusteColonnesAuTexte();
    PlaceTableau();
}

void Tf_recap::PlaceTableau()
{
    const QSize Boite = sb_Fond->viewport()->size();
    int H = 0, W = 0;
    sg_recap->CalculTaille(Boite.width() - 2 * MargeTableau, Boite.height() - 2 * MargeTableau, H, W);
    const int Gauche = std::max((Boite.width() - W) / 2, MargeTableau);
    const int Haut = std::max((Boite.height() - H) / 2, MargeTableau);
    sg_recap->setGeometry(Gauche, Haut, W, H);
    // A hidden grid gets no resize event: its columns follow the size now.
    sg_recap->Redimensionne();
    Contenu->resize(std::max(Boite.width(), Gauche + W + MargeTableau),
                    std::max(Boite.height(), Haut + H + MargeTableau));
}

bool Tf_recap::eventFilter(QObject* objet, QEvent* event)
{
    if (objet == sb_Fond->viewport() && event->type() == QEvent::Resize)
        PlaceTableau();
    return TFootForm::eventFilter(objet, event);
}

void Tf_recap::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                               const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"recapitulatif"}, Nom, Params, Resultat, Args, Saison))
        return;
    const TDonneesChampionnat* Champ = ChampionnatParametre(Params, Saison);
    if (Champ == nullptr)
        return;
    Resultat = Recapitulatif::TableHtml(*Saison, *Champ, CouleursTableParam(Params));
}

void EnregistrePagesRecap()
{
    EnregistrePage<Tf_recap>({Commande::Recapitulatif}, [](Tf_recap& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.Affiche();
    });
    static const bool MotCle = [] {
        GestionFonction().Ajoute<Tf_recap>("Recapitulatif", CodeFonction::Championnat);
        return true;
    }();
    (void)MotCle;
}
