#include "pages/vues/w_Statistique.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/CanevasQt.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/w_blasons.h"
#include "pages/vues/w_Agrandissement.h"
#include "presentation/PageHtml.h"
#include "presentation/VuesClassement.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

enum : int {
    TexteDomicile = 759,
    TexteExterieur = 763,
    TexteGeneral = 855,
    TexteClassementComplet = 867,
};

constexpr int LargeurPanneau = 140;

// Each grid's Tag carries its place: bit value 1 row given, row in bits 4-5;
// bit value 2 column given, column in bits 6-7.
constexpr std::array<int, 8> PlacesGrilles{1, 67, 17, 83, 33, 99, 49, 115};

// The slots of a set of grids: sg_Part1..7 in slots 0..6, sg_Part8 in slot 8.
template <class G> VuesSeries::TEmplacements EmplacementsGrilles(const std::array<G*, 8>& Grilles)
{
    VuesSeries::TEmplacements E{};
    for (int n = 1; n <= 8; ++n)
        E[static_cast<size_t>(VuesSeries::EmplacementTable(n))] = Grilles[static_cast<size_t>(n - 1)];
    return E;
}

// The tables of a mode into the slots.
void RemplitTables(const TSaison& Saison, const TDonneesChampionnat& Champ, int Mode, int Lieu,
                   const VuesSeries::TEmplacements& E)
{
    if (Mode == VuesSeries::ModeParticularites)
        VuesSeries::AfficheParticularites(Saison, Champ, Lieu, VuesSeries::Toutes, E);
    else
        VuesSeries::AfficheSeries(
            Saison, Champ, Lieu, VuesSeries::Toutes,
            Mode == VuesSeries::ModeEnCours ? VuesSeries::SeriesEnCours : VuesSeries::SeriesMeilleures, E);
}

} // namespace

Tf_Statistique::Tf_Statistique(QWidget* parent) : TFootForm(parent)
{
    FondCopie22 = new TFondCopie(this);
    if (Dessin() != nullptr)
        FondCopie22->SetModele(Dessin()->FondCarrebleu);
    auto* Boites = new QVBoxLayout(FondCopie22);
    Boites->setContentsMargins(10, 10, 10, 10);
    RondCoche1 = new TRondCoche(FondCopie22);
    RondCoche2 = new TRondCoche(FondCopie22);
    RondCoche3 = new TRondCoche(FondCopie22);
    RondCoche1->SetCaption(TexteOuDefaut(TexteGeneral, "En général"));
    RondCoche2->SetCaption(TexteOuDefaut(TexteDomicile, "A Domicile"));
    RondCoche3->SetCaption(TexteOuDefaut(TexteExterieur, "A l'exterieur"));
    for (TRondCoche* Rond : {RondCoche1, RondCoche2, RondCoche3}) {
        Rond->SetCouleurCoche(CouleursTheme::TexteSurFond);
        TexteClair(Rond); // the panel is dark
        Rond->setMinimumHeight(20);
        Boites->addWidget(Rond);
        Rond->OnClick = [this] { Affiche(Tag); };
    }
    Boites->addStretch(1);
    RondCoche1->SetChecked(true);

    sb_tableau = new QScrollArea(this);
    sb_tableau->setWidgetResizable(false);
    auto* Contenu = new QWidget(sb_tableau);
    sb_tableau->setWidget(Contenu);
    for (int n = 0; n < 8; ++n) {
        auto* G = new TColorStringGrid(Contenu);
        G->setObjectName(QString("sg_Part%1").arg(n + 1));
        G->SetColCount(2);
        G->SetRowCount(5);
        G->SetFixedCols(0);
        G->SetAutoResize(false);
        G->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        G->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        G->setProperty("Tag", PlacesGrilles[static_cast<size_t>(n)]);
        G->viewport()->installEventFilter(this);
        sg_Part[static_cast<size_t>(n)] = G;
    }
    Emplacements = EmplacementsGrilles(sg_Part);

    PopupParticule = new QMenu(this);
    Classementcomplet1 =
        PopupParticule->addAction(QString::fromStdString(TexteOuDefaut(TexteClassementComplet, "Classement complet")));
    connect(Classementcomplet1, &QAction::triggered, this, [this] { Classementcomplet1Click(); });
}

Tf_Statistique::~Tf_Statistique() = default;

int Tf_Statistique::Lieu() const
{
    if (RondCoche2->Checked())
        return VuesSeries::LieuDomicile;
    if (RondCoche3->Checked())
        return VuesSeries::LieuExterieur;
    return VuesSeries::LieuTous;
}

void Tf_Statistique::Affiche(int Mode)
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr) {
        for (TColorStringGrid* G : sg_Part) {
            G->SetRowCount(1);
            G->VideLigne(0);
        }
    } else {
        RemplitTables(*Saison, *Champ, Mode, Lieu(), Emplacements);
    }
    FormShow();
    DisposeGrilles();
}

void Tf_Statistique::FormShow()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    FondCopie22->setVisible(Champ == nullptr || !VuesClassement::TerrainNeutre(Champ->GetOption(11)));
}

int Tf_Statistique::LargeurValeur(const TColorStringGrid& G)
{
    return std::max(30, G.fontMetrics().horizontalAdvance(QString::fromStdString(G.GetTexte(1, 0))) + 8);
}

void Tf_Statistique::DisposeGrilles()
{
    const int Panneau = FondCopie22->isHidden() ? 0 : LargeurPanneau;
    sb_tableau->setGeometry(0, 0, std::max(width() - Panneau, 0), height());
    FondCopie22->setGeometry(width() - LargeurPanneau, 0, LargeurPanneau, std::min(height(), 110));
    sb_tableau->horizontalScrollBar()->setValue(0);
    sb_tableau->verticalScrollBar()->setValue(0);
    const int Hauteur = std::max((sb_tableau->height() - 53) / 4, 120);
    // The grids are never narrower than their longest name and value ask;
    // the area scrolls when they no longer fit.
    int Besoin = 181;
    for (const TColorStringGrid* G : sg_Part) {
        QFont Gras = G->font();
        Gras.setBold(true);
        const QFontMetrics Normale(G->font()), Grasse(Gras);
        int Nom = 0;
        for (int r = 0; r < G->GetRowCount(); ++r) {
            const QString Texte = QString::fromStdString(G->GetTexte(0, r));
            Nom = std::max(Nom, (G->GetGras(0, r) ? Grasse : Normale).horizontalAdvance(Texte));
        }
        Besoin = std::max(Besoin, Nom + 4 + LargeurValeur(*G) + 4);
    }
    const int Largeur = std::clamp((sb_tableau->width() - 38) / 2, Besoin, std::max(300, Besoin));
    int Droite = 0;
    int Bas = 0;
    for (TColorStringGrid* G : sg_Part) {
        const int Place = G->property("Tag").toInt();
        int Gauche = G->x();
        int Haut = G->y();
        if (Place & 1)
            Haut = ((Place >> 4) & 3) * (Hauteur + 10) + 10;
        if (Place & 2)
            Gauche = (Largeur + 10) * ((Place >> 6) & 3) + 10;
        else
            Gauche = 8;
        G->setGeometry(Gauche, Haut, Largeur, Hauteur);
        // The value column as wide as its heading, the name taking the rest.
        const int Valeur = LargeurValeur(*G);
        G->SetLargeurColonne(1, Valeur);
        G->SetLargeurColonne(0, std::max(Largeur - Valeur - 4, 30));
        Droite = std::max(Droite, Gauche + Largeur);
        Bas = std::max(Bas, Haut + Hauteur);
    }
    sb_tableau->widget()->resize(Droite + 10, Bas + 10);
}

void Tf_Statistique::showEvent(QShowEvent* event)
{
    TFootForm::showEvent(event);
    FormShow();
    DisposeGrilles();
}

void Tf_Statistique::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    DisposeGrilles();
}

bool Tf_Statistique::eventFilter(QObject* Objet, QEvent* Event)
{
    if (Event->type() == QEvent::MouseButtonPress) {
        auto* Souris = static_cast<QMouseEvent*>(Event);
        for (size_t n = 0; n < sg_Part.size(); ++n)
            if (Objet == sg_Part[n]->viewport() && Souris->button() == Qt::RightButton) {
                const QPoint Position = Souris->globalPosition().toPoint();
                ClicDroit(static_cast<int>(n) + 1, &Position);
                return true;
            }
    }
    return TFootForm::eventFilter(Objet, Event);
}

void Tf_Statistique::ClicDroit(int NumeroGrille, const QPoint* Position)
{
    TagPopup = VuesSeries::TableClic(Tag, NumeroGrille) + 10 * Tag;
    if (Position != nullptr)
        PopupParticule->popup(*Position);
}

void Tf_Statistique::Classementcomplet1Click()
{
    const TDonneesChampionnat* Champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (Champ == nullptr)
        return;
    const int Table = TagPopup % 10;
    if (Table < 1 || Table > 9)
        return;
    Tf_Agrandissement Agrandissement(this);
    TModeleGrille* Grille = Agrandissement.sg_TabPart;
    const std::array<TModeleGrille* const, 1> Cible{Grille};
    if (TagPopup < 10)
        VuesSeries::AfficheParticularites(*Saison, *Champ, Lieu(), Table, Cible);
    else
        VuesSeries::AfficheSeries(*Saison, *Champ, Lieu(), Table,
                                  TagPopup < 20 ? VuesSeries::SeriesEnCours : VuesSeries::SeriesMeilleures, Cible);
    Agrandissement.setWindowTitle(QString::fromStdString(Traduit(VuesSeries::TexteAgrandissement(TagPopup))));
    Agrandissement.resize(Grille->LargeurContenu() + 4, Champ->GetNbEquipe() * 20 + 40);
    Dialogues().ExecuteModal(Agrandissement);
}

void Tf_Statistique::Imprime()
{
    ImprimeUnePage(false, [this](QPainter& P, const QRect& Page, int Dpi) {
        // The two columns of four tables, in their places on the page.
        const int Largeur = Page.width() / 2;
        const int Hauteur = Page.height() / 4;
        for (TColorStringGrid* G : sg_Part) {
            if (G->isHidden())
                continue;
            const int Place = G->property("Tag").toInt();
            P.save();
            P.translate(Page.left() + Largeur * ((Place >> 6) & 3), Page.top() + Hauteur * ((Place >> 4) & 3));
            G->ImprimeSur(P, QRect(0, 0, Largeur * 19 / 20, Hauteur * 9 / 10), Dpi);
            P.restore();
        }
    });
}

bool Tf_Statistique::ExporteHtml(const std::string& NomFichier)
{
    const char* FinLigne = "\r\n";
    bool Ok = EcritHtml(NomFichier, DebutPageHtml(TitreDocument(), "#80CCFE"), true);
    for (int n : {1, 3, 5, 7, 2, 4, 6, 8}) {
        const TColorStringGrid* G = sg_Part[static_cast<size_t>(n - 1)];
        if (!Ok || G->isHidden())
            continue;
        Ok = G->ExporteHtml(NomFichier, false) && EcritHtml(NomFichier, std::string("    <BR>") + FinLigne, false);
    }
    Ok = Ok && EcritHtml(NomFichier, FinPageHtml(), false);
    if (!Ok)
        SignaleEchecExport(NomFichier);
    return Ok;
}

void Tf_Statistique::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                     const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"particularite", "serie"}, Nom, Params, Resultat, Args, Saison))
        return;
    const std::string Cle = MinusculesAscii(Nom);
    const TGardeChampionnat Garde(Params, Saison);
    const TDonneesChampionnat* Champ = Garde.Get();
    if (Champ == nullptr)
        return;
    std::array<TModeleGrille, 8> Grilles;
    std::array<TModeleGrille*, 8> Pointeurs{};
    for (size_t n = 0; n < Grilles.size(); ++n) {
        Grilles[n].SetColCount(2);
        Grilles[n].SetRowCount(5);
        Grilles[n].SetFixedCols(0);
        Pointeurs[n] = &Grilles[n];
    }
    const VuesSeries::TEmplacements E = EmplacementsGrilles(Pointeurs);
    const int Lieu = VuesSeries::LieuMotCle(LitParametre("lieu", Params, ""));
    const int Mode = Cle == "particularite"
                         ? VuesSeries::ModeParticularites
                         : (VuesSeries::GenreMotCle(LitParametre("Type", Params, "")) == VuesSeries::SeriesEnCours
                                ? VuesSeries::ModeEnCours
                                : VuesSeries::ModeMeilleures);
    RemplitTables(*Saison, *Champ, Mode, Lieu, E);
    Resultat = VuesSeries::TableMotCle(E, CouleursTableParam(Params));
}

void EnregistrePagesStatistique()
{
    using namespace Commande;
    EnregistrePage<Tf_Statistique>(
        {Particularites, SeriesEnCours, MeilleuresSeries},
        [](Tf_Statistique& Page, TPrincipale& Principale, int Code) {
            Page.Saison = Principale.GetSaison();
            Page.Tag = Code - Particularites;
            Page.Affiche(Page.Tag);
        },
        true);
    static const bool MotsCles = [] {
        GestionFonction().Ajoute<Tf_Statistique>("Particularite", CodeFonction::Championnat);
        GestionFonction().Ajoute<Tf_Statistique>("Serie", CodeFonction::Championnat);
        return true;
    }();
    (void)MotsCles;
}
