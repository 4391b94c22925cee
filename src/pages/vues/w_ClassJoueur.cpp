#include "pages/vues/w_ClassJoueur.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "controls/ColorStringGrid.h"
#include "controls/Editeur.h"
#include "engine/ClassJoueur.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "presentation/VuesClassement.h"

#include <QResizeEvent>

#include <algorithm>

namespace {

// The names' column gives up room for the values down to this width.
constexpr int LargeurNomsLisible = 220;

// The kind's ranking into the grid and, when given, the reports.
void Remplit(TSaison& Saison, int Index, int Hauteur, int Largeur, TEditeur* ACote, TEditeur* Dessous,
             TModeleGrille& Grille)
{
    // The sizes are 16-bit for the ranking display.
    const int H = std::clamp(Hauteur, 0, 65535);
    const int L = std::clamp(Largeur, 0, 65535);
    if (VuesClassement::EstIndexArbitre(Index))
        TClassArbitre::Affiche(Saison, Index - 11, H, L, ACote, Dessous, Grille);
    else
        TClassJoueur::Affiche(Saison, VuesClassement::GenreIndexJoueur(Index), H, L, ACote, Dessous, Grille);
}

} // namespace

Tf_ClassJoueur::Tf_ClassJoueur(QWidget* parent) : TFootForm(parent)
{
    sg_Classjoueurs = new TColorStringGrid(this);
    SetGrillePage(sg_Classjoueurs);
    // The ranking display sizes the grid to the rows that fit the page.
    sg_Classjoueurs->SetAutoResize(false);
    sg_Classjoueurs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Classjoueurs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Editeur1 = new TEditeur(this);
    Editeur2 = new TEditeur(this);
    // The places are yellow, the names white and the teams cyan: a dark ground.
    for (TEditeur* e : {Editeur1, Editeur2}) {
        e->SetCouleur(0x6F3000);
        e->hide();
    }
    sg_Classjoueurs->OnDblClick = [this] { sg_ClassjoueursDblClick(); };
}

Tf_ClassJoueur::~Tf_ClassJoueur() = default;

void Tf_ClassJoueur::AfficherClassement(int NouvelIndex)
{
    sg_Classjoueurs->SetRowCount(2);
    sg_Classjoueurs->VideLigne(0);
    sg_Classjoueurs->VideLigne(1);
    if (NouvelIndex < 0)
        return;
    Index = NouvelIndex;
    if (Saison == nullptr || Saison->GetChampCourant() == nullptr)
        return;
    Remplit(*Saison, Index, height(), width(), Editeur2, Editeur1, *sg_Classjoueurs);
    const int Surplus = AjusteLargeurGrille();
    if (Surplus <= 0)
        return;
    // A name wider than its column widens the grid: the report beside it is
    // written again in the room that is left, and moves right by as much.
    Remplit(*Saison, Index, height(), width() - Surplus, Editeur2, Editeur1, *sg_Classjoueurs);
    AjusteLargeurGrille();
    Editeur2->SetPosition(Editeur2->GetGauche() + Surplus, Editeur2->GetHaut());
}

int Tf_ClassJoueur::AjusteLargeurGrille()
{
    TColorStringGrid& G = *sg_Classjoueurs;
    const int Avant = G.width();
    G.AjusteColonnesAuTexte();
    // Never past the page: the names' column gives up the excess, so that
    // the values stay in sight.
    const int Excedent = G.LargeurContenu() - std::max(Avant, width() - G.x() - 8);
    if (Excedent > 0) {
        // Down to what a name needs to be read, and never wider than its text made it.
        const int Noms = G.GetLargeurColonne(1);
        G.SetLargeurColonne(1, std::min(Noms, std::max(LargeurNomsLisible, Noms - Excedent)));
    }
    G.resize(std::max(Avant, G.LargeurContenu()), G.height());
    return G.width() - Avant;
}

void Tf_ClassJoueur::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    AfficherClassement(Index);
}

void Tf_ClassJoueur::sg_ClassjoueursDblClick()
{
    if (Saison == nullptr || Index < 0)
        return;
    const int Ligne = sg_Classjoueurs->GetRow();
    if (Ligne < 1 || Ligne >= sg_Classjoueurs->GetRowCount())
        return;
    const int Id = StrToIntDef(sg_Classjoueurs->GetTexte(3, Ligne), 0);
    bool Change = false;
    if (VuesClassement::EstIndexArbitre(Index)) {
        auto* Arbitre = dynamic_cast<TPersonnelStat*>(Saison->Arbitres().ChercheId(Id));
        if (Arbitre != nullptr)
            OuvreFicheArbitre(*Saison, Saison->GetNumChampCourant(), Arbitre, &Change);
    } else {
        AfficheFicheJoueur(Id, Saison, &Change);
    }
    if (Change) {
        Modifie();
        AfficherClassement(Index);
    }
}

void Tf_ClassJoueur::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                     const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"classementjoueur", "classementarbitre"}, Nom, Params, Resultat, Args, Saison))
        return;
    const std::string Cle = MinusculesAscii(Nom);
    const TGardeChampionnat Garde(Params, Saison);
    if (Garde.Get() == nullptr)
        return;
    const int Index =
        Cle == "classementjoueur"
            ? VuesClassement::GenreMotCleJoueur(LitParametre("Type", Params, ""), LitParametre("StatMatch", Params, ""))
            : VuesClassement::GenreMotCleArbitre(LitParametre("Type", Params, ""));
    TModeleGrille Grille;
    Grille.SetFixedCols(0);
    if (Cle == "classementjoueur")
        TClassJoueur::Affiche(*Saison, Index, 700, 300, nullptr, nullptr, Grille);
    else
        TClassArbitre::Affiche(*Saison, Index, 700, 300, nullptr, nullptr, Grille);
    Resultat = Grille.GetTableHtml(CouleursTableParam(Params));
}

void AfficheClassJoueurCommande(Tf_ClassJoueur& Page, TPrincipale& Principale, int Code)
{
    Page.Saison = Principale.GetSaison();
    Page.AfficherClassement(VuesClassement::IndexCommandeJoueur(Code));
}

void EnregistrePagesClassJoueur()
{
    using namespace Commande;
    EnregistrePage<Tf_ClassJoueur>({ClassButsContreSonCamp, ClassButeurs, ClassPasseurs, ClassJaunes, ClassRouges,
                                    ClassTempsJeu, ClassPassesDecisives, ClassNotesJoueurs, ClassNotesGardiens,
                                    ArbitresMatchs, ArbitresCartons, ArbitresExpulsions, ArbitresNotes},
                                   AfficheClassJoueurCommande, true);
    static const bool MotsCles = [] {
        GestionFonction().Ajoute<Tf_ClassJoueur>("ClassementJoueur", CodeFonction::Championnat);
        GestionFonction().Ajoute<Tf_ClassJoueur>("ClassementArbitre", CodeFonction::Championnat);
        return true;
    }();
    (void)MotsCles;
}
