#include "pages/vues/w_Comparaison.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "controls/CanevasQt.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/Graphe.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "platform/Couleurs.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <QPainter>
#include <QScrollArea>

#include <algorithm>
#include <filesystem>

namespace {

// The least width of the column of team frames, and what it keeps beside them.
constexpr int LargeurCadres = 176;
constexpr int LargeurCadre = 150;
constexpr TColor FondPage = 0x6F3000;
constexpr int TailleMaxImage = 2000;

// The skin of a chosen team's frame, by slot.
const char* const SkinsEmplacement[] = {"BoutonCreuxSelCyan", "BoutonCreuxSelJaune", "BoutonCreuxSelFushia",
                                        "BoutonCreuxBleu", "BoutonCreuxBleu"};

TFondModele* Modele(const char* nom)
{
    return Dessin() ? Dessin()->Fond(nom) : nullptr;
}

// A picture name made only of ASCII letters and digits: the template's text
// never reaches outside the Temp folder.
std::string NomSur(const std::string& texte)
{
    std::string nom;
    for (char c : texte)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))
            nom += c;
    return nom;
}

int Taille(const TLignesParam& params, const char* nom)
{
    return std::clamp(LitParametreEntier(nom, params, 400), 1, TailleMaxImage);
}

} // namespace

Tf_Comparaison::Tf_Comparaison(QWidget* parent) : TFootForm(parent)
{
    FondScroll5 = new TFondScroll(this);
    FondScroll5->SetModele(Modele("FondCarrebleu"));
    FondScroll5->SetModeleScroll(Modele("FondToutBleu"));
    Panel1 = new QWidget(this);
    QPalette palette = Panel1->palette();
    palette.setColor(QPalette::Window, VersQColor(FondPage));
    Panel1->setPalette(palette);
    Panel1->setAutoFillBackground(true);
    Graph1 = new TGraphLigne(Panel1);
    Graph1->SetCouleurContours(0xFFFF00);
    Graph1->SetEcritureContours(0xFFFF00);
    Graph1->SetNbCourbes(TComparaison::NbEmplacements);
    sb_Comparaison = new QScrollArea(Panel1);
    sb_Comparaison->setFrameShape(QFrame::NoFrame);
    sb_Comparaison->setPalette(palette);
    auto* contenu = new QWidget;
    contenu->setPalette(palette);
    contenu->setAutoFillBackground(true);
    sb_Comparaison->setWidget(contenu);
    sg_Programme = new TColorStringGrid(contenu);
    sg_Programme->SetAutoResize(false);
    sg_Programme->SetSelectionVisible(false);
    sg_Programme->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Programme->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Programme->hide();
    sb_Comparaison->hide();
    Graph1->hide();
}

Tf_Comparaison::~Tf_Comparaison() = default;

TDonneesChampionnat* Tf_Comparaison::Championnat() const
{
    TDonneesChampionnat* c = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    return c != nullptr && c->GetNbEquipe() > 0 ? c : nullptr;
}

bool Tf_Comparaison::AfficheChampionnat(const TSaison* saison) const
{
    return saison != nullptr && saison == Saison && FChampAffiche != nullptr && FChampAffiche == Championnat() &&
           NbCadres() == FChampAffiche->GetNbEquipe();
}

void Tf_Comparaison::Afficher(int Mode)
{
    for (TCadre* c : Cadres)
        delete c;
    Cadres.clear();
    sg_Programme->hide();
    FChoix.Vide();
    const TDonneesChampionnat* champ = Championnat();
    FChampAffiche = champ;
    Tag = Mode;
    if (champ == nullptr) {
        Graph1->hide();
        sb_Comparaison->hide();
        return;
    }
    std::vector<std::string> noms;
    for (int i = 0; i < champ->GetNbEquipe(); ++i)
        noms.push_back(Saison->GetNomEquipe(static_cast<uint16_t>(champ->GetEquipe(i))));
    int largeurCadre = LargeurCadre;
    for (int i = 0; i < champ->GetNbEquipe(); ++i) {
        auto* cadre = new TCadre;
        cadre->SetModele(Modele("BoutonCreuxBleu"));
        cadre->SetSelectionnable(true);
        cadre->SetMulti(true);
        cadre->SetText(Saison->GetNomEquipe(static_cast<uint16_t>(champ->GetEquipe(i))));
        FondScroll5->InsereControle(cadre);
        if (i == 0)
            largeurCadre = LargeurCadrePour(*cadre, noms, LargeurCadre);
        cadre->setGeometry(0, 28 * i, largeurCadre, 25);
        cadre->OnClick = [this, i] { CadreClick(i); };
        Cadres.push_back(cadre);
    }
    // The column grows with the longest name rather than cut it.
    FLargeurColonne = largeurCadre + LargeurCadres - LargeurCadre;
    Place();
    FondScroll5->MiseAJourScroll();
    const int suivie = champ->GetOption(10);
    const int preselection = suivie < champ->GetNbEquipe() ? suivie : 0;
    Cadres[preselection]->SetSelectionne(true);
    // The preselected team takes its slot as a click would.
    const int emplacement = FChoix.Choisit(preselection);
    Cadres[preselection]->SetModele(Modele(SkinsEmplacement[std::max(emplacement, 0)]));
    SetMode(Mode);
}

void Tf_Comparaison::SetMode(int Mode)
{
    Tag = Mode;
    const bool graphe = Mode == 1 || Mode == 2;
    Graph1->setVisible(graphe && Championnat() != nullptr);
    sb_Comparaison->setVisible(!graphe && Championnat() != nullptr);
    Rafraichit();
}

void Tf_Comparaison::CadreClick(int Position)
{
    TCadre* cadre = Cadre(Position);
    if (cadre == nullptr)
        return;
    if (cadre->Selectionne()) {
        const int emplacement = FChoix.Choisit(Position);
        if (emplacement < 0) {
            // Four teams are chosen already: the fifth stays as it was.
            cadre->SetSelectionne(false);
            return;
        }
        cadre->SetModele(Modele(SkinsEmplacement[emplacement]));
    } else {
        FChoix.Libere(Position);
        cadre->SetModele(Modele("BoutonCreuxBleu"));
    }
    Rafraichit();
}

void Tf_Comparaison::Rafraichit()
{
    const TDonneesChampionnat* champ = Championnat();
    if (champ == nullptr || champ != FChampAffiche)
        return;
    if (Tag == 1 || Tag == 2) {
        Comparaison::TracerCourbes(Tag == 2, *Graph1, *Saison, *champ, FChoix.Equipes());
        Graph1->update();
        return;
    }
    if (FChoix.NbChoisies() == 0) {
        sg_Programme->hide();
        return;
    }
    Comparaison::RemplirTableau(*sg_Programme, *Saison, *champ, FChoix.Equipes());
    sg_Programme->show();
    FormResize();
}

void Tf_Comparaison::FormResize()
{
    sg_Programme->setGeometry(10, 10, 160 * sg_Programme->GetColCount() + 1, 25 * sg_Programme->GetRowCount() + 1);
    sg_Programme->Redimensionne();
    sb_Comparaison->widget()->resize(std::max(sb_Comparaison->viewport()->width(), sg_Programme->width() + 20),
                                     std::max(sb_Comparaison->viewport()->height(), sg_Programme->height() + 20));
}

void Tf_Comparaison::Place()
{
    FondScroll5->setGeometry(0, 0, FLargeurColonne, height());
    Panel1->setGeometry(FLargeurColonne, 0, std::max(width() - FLargeurColonne, 0), height());
    Graph1->setGeometry(10, 10, std::max(Panel1->width() - 20, 0), std::max(Panel1->height() - 20, 0));
    sb_Comparaison->setGeometry(0, 0, Panel1->width(), Panel1->height());
    FormResize();
}

void Tf_Comparaison::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    Place();
}

// ------------------------------------------------------------------ printing and pictures

void Tf_Comparaison::Imprime()
{
    if (Tag == 3) {
        if (sg_Programme->isVisibleTo(this))
            sg_Programme->Imprime();
        return;
    }
    // The chart the page shows, across the page.
    ImprimeUnePage(true, [this](QPainter& P, const QRect& Page, int) { Graph1->Imprime(Page, P); });
}

QImage Tf_Comparaison::ImageGraphe(TGraphLigne& Graphe, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                   TColor Fond, const std::array<TColor, TComparaison::NbEmplacements>& Couleurs,
                                   const std::array<uint8_t, TComparaison::NbEmplacements>& Equipes)
{
    QImage image = Graphe.Image(Fond);
    QPainter p(&image);
    const int hauteur = p.fontMetrics().height();
    int y = 4;
    for (int i = 0; i < TComparaison::NbEmplacements; ++i) {
        if (Equipes[i] == TComparaison::Libre || Equipes[i] >= Champ.GetNbEquipe())
            continue;
        p.setPen(VersQColor(Couleurs[i]));
        const std::string nom = Saison.GetNomEquipe(static_cast<uint16_t>(Champ.GetEquipe(Equipes[i])));
        p.drawText(image.width() - 4 - p.fontMetrics().horizontalAdvance(QString::fromStdString(nom)), y + hauteur,
                   QString::fromStdString(nom));
        y += hauteur;
    }
    return image;
}

bool Tf_Comparaison::EnregistrerImage(TGraphLigne& Graphe, const TSaison& Saison, const TDonneesChampionnat& Champ,
                                      TColor Fond, const std::string& Suffixe,
                                      const std::array<TColor, TComparaison::NbEmplacements>& Couleurs,
                                      const std::array<uint8_t, TComparaison::NbEmplacements>& Equipes)
{
    return SauveImagePng(ImageGraphe(Graphe, Saison, Champ, Fond, Couleurs, Equipes), "comparaison" + Suffixe);
}

bool Tf_Comparaison::ExporteHtml(const std::string& NomFichier)
{
    const TDonneesChampionnat* champ = Championnat();
    if (champ == nullptr)
        return false;
    if (Tag == 3) {
        if (sg_Programme->ExporteHtml(NomFichier, true, TitreDocument()))
            return true;
        SignaleEchecExport(NomFichier);
        return false;
    }
    // The chart goes beside the page that shows it.
    const std::filesystem::path page(NomFichier);
    const std::filesystem::path image = std::filesystem::path(page).replace_extension(".png");
    const std::string nomImage = image.filename().string();
    const QImage dessin = ImageGraphe(*Graph1, *Saison, *champ, FondPage, TComparaison::Couleurs, FChoix.Equipes());
    // The heading in the chart's own light text on its dark background.
    const std::string html = DebutPageHtml(TitreDocument(), CouleurVersHtml(FondPage), "#FFFFFF") + "    <img src=\"" +
                             UrlFichier(nomImage) + "\">\r\n" + FinPageHtml();
    if (!dessin.save(QString::fromStdString(image.string()), "PNG")) {
        SignaleEchecExport(image.string());
        return false;
    }
    if (EcritHtml(NomFichier, html, true))
        return true;
    SignaleEchecExport(NomFichier);
    return false;
}

// ------------------------------------------------------------------ keywords

void Tf_Comparaison::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                     const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"comparaisonequipe", "programmeequipe"}, Nom, Params, Resultat, Args, Saison))
        return;
    const std::string nom = MinusculesAscii(Nom);
    const TDonneesChampionnat* champ = ChampionnatParametre(Params, Saison);
    if (champ == nullptr || champ->GetNbEquipe() == 0)
        return;
    // Named teams become positions of this championship; a team it does not
    // hold leaves its slot free.
    TArrayResult noms;
    LitParametreListe("Equipe", Params, noms, "");
    TComparaison choix;
    for (int i = 0; i < std::min<int>(static_cast<int>(noms.size()), TComparaison::NbEmplacements); ++i) {
        const int id = noms[i].empty() ? -1 : Saison->ChercheEquipe(noms[i]);
        choix.Place(i, id >= 0 ? champ->IndexEquipe(id) : -1);
    }
    if (nom == "programmeequipe") {
        TModeleGrille grille;
        Comparaison::RemplirTableau(grille, *Saison, *champ, choix.Equipes());
        const std::vector<std::string> couleurs{
            LitParametre("CouleurTitre", Params, "#000080"), LitParametre("CouleurLigne1", Params, "#C0C0C0"),
            LitParametre("CouleurLigne2", Params, "#FFFFFF"), LitParametre("FonteTitre", Params, "#F0E020"),
            LitParametre("FonteLigne", Params, "#000000")};
        Resultat = grille.GetTableHtml(couleurs);
        return;
    }
    TGraphLigne graphe;
    graphe.resize(Taille(Params, "Largeur"), Taille(Params, "Hauteur"));
    graphe.SetCouleurContours(HtmlVersCouleur(LitParametre("CouleurContours", Params, "#00FFFF")));
    graphe.SetEcritureContours(HtmlVersCouleur(LitParametre("EcritureContours", Params, "#00FFFF")));
    const std::string type = NomSur(LitParametre("Type", Params, ""));
    Comparaison::TracerCourbes(MinusculesAscii(type) == "point", graphe, *Saison, *champ, choix.Equipes());
    TArrayResult listeCouleurs;
    LitParametreListe("CouleurCourbe", Params, listeCouleurs, "");
    std::array<TColor, TComparaison::NbEmplacements> couleurs{};
    for (int i = 0; i < TComparaison::NbEmplacements; ++i) {
        couleurs[i] = i < static_cast<int>(listeCouleurs.size()) && !listeCouleurs[i].empty()
                          ? HtmlVersCouleur(listeCouleurs[i])
                          : 0;
        graphe.SetCouleurCourbe(i, couleurs[i]);
    }
    const TColor fond = HtmlVersCouleur(LitParametre("CouleurFond", Params, "#00306F"));
    if (!EnregistrerImage(graphe, *Saison, *champ, fond, type, couleurs, choix.Equipes()))
        return;
    const std::string fichier = "comparaison" + type + ".png";
    Resultat = "#" + fichier + "#<img src=\"" + fichier + "\">";
}

void EnregistrePagesComparaison()
{
    EnregistrePage<Tf_Comparaison>(
        {Commande::ComparaisonTous, Commande::ComparaisonDeux, Commande::Confrontations},
        [](Tf_Comparaison& page, TPrincipale& principale, int code) {
            const int mode = code - Commande::ComparaisonTous + 1;
            // A page already shown keeps its chosen teams.
            if (page.AfficheChampionnat(principale.GetSaison())) {
                page.SetMode(mode);
            } else {
                page.Saison = principale.GetSaison();
                page.Afficher(mode);
            }
        },
        true);
    static const bool motsCles = [] {
        GestionFonction().Ajoute<Tf_Comparaison>("ComparaisonEquipe", CodeFonction::Championnat);
        GestionFonction().Ajoute<Tf_Comparaison>("ProgrammeEquipe", CodeFonction::Championnat);
        return true;
    }();
    (void)motsCles;
}
