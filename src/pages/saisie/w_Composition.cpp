#include "pages/saisie/w_Composition.h"

#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "pagebase/Commande.h"
#include "presentation/SansDonnees.h"

#include <QLabel>
#include <QMenu>

namespace {

constexpr int TexteRemplacements = 743;
constexpr int TexteRemplace = 744;

} // namespace

Tf_Composition::Tf_Composition(QWidget* parent) : Tf_InfoMatchCadre(parent)
{
    setObjectName("f_Composition");
    TFondScroll** fonds[] = {&FondEquipeDomicile, &FondEquipeExterieur, &FondRemp1, &FondRemp2};
    for (TFondScroll** f : fonds) {
        *f = new TFondScroll(this);
        (*f)->SetModele(ModeleFeuille("FondCarrebleu"));
        (*f)->SetModeleScroll(ModeleFeuille("FondToutBleu"));
    }
    FondEquipeDomicile->OnResize = [this] { FondEquipeDomicileresize(); };
    FondEquipeExterieur->OnResize = [this] { FondEquipeExterieurresize(); };
    Label3 = new QLabel("Remplacements", this);
    Label7 = new QLabel("Remplacements", this);
    for (QLabel* l : {Label3, Label7}) {
        StyleTexteJaune(l);
        l->adjustSize();
    }
    l_SansComposition = new QLabel(this);
    StyleTexteJaune(l_SansComposition);
    l_SansComposition->hide();
    pm_CapitaineEx = new QMenu(this);
    mi_Capitaine = pm_CapitaineEx->addAction("Capitaine");
    mi_AucunCap = pm_CapitaineEx->addAction("Aucun");
    for (QAction* a : {mi_Capitaine, mi_AucunCap})
        a->setCheckable(true);
    connect(pm_CapitaineEx, &QMenu::aboutToShow, this, [this] {
        const bool capitaine = FCadreMenu && Composition()->GetCapitaine(FCadreMenu->Liste) == FCadreMenu->Ligne;
        mi_Capitaine->setChecked(capitaine);
        mi_AucunCap->setChecked(!capitaine);
    });
    connect(mi_Capitaine, &QAction::triggered, this, [this] { mi_CapitaineClick(); });
    connect(mi_AucunCap, &QAction::triggered, this, [this] { mi_AucunCapClick(); });
    SetFeuille(std::make_unique<TCompositionMatch>(nullptr));
}

TCarton* Tf_Composition::Cadre(int cote, int s) const
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= TCompositionMatch::NbPlaces ? FCadres[cote - 1][s - 1] : nullptr;
}

TEditRond* Tf_Composition::Boite(int cote, int s) const
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= TCompositionMatch::NbPlaces ? FBoites[cote - 1][s - 1] : nullptr;
}

void Tf_Composition::CreeControles()
{
    if (FCadres[0][0])
        return;
    for (TFondScroll* remp : {FondRemp1, FondRemp2}) {
        remp->SetScrollVertical(false);
        remp->SetScrollTop(2);
        remp->SetScrollLeft(2);
    }
    for (int cote = 1; cote <= 2; ++cote) {
        TFondScroll* fond = cote == 1 ? FondEquipeDomicile : FondEquipeExterieur;
        TFondScroll* remp = cote == 1 ? FondRemp1 : FondRemp2;
        auto cree = [&](QWidget* parent, int s, QRect cadre, const char* modele) {
            auto* c = new TCarton(parent);
            c->setGeometry(cadre);
            c->SetModele(ModeleFeuille(modele));
            c->Liste = cote; // the frames say their side and slot here
            c->Ligne = s;
            c->OnAccepte = [this, cote, s](QObject* source) { return Accepte(cote, s, source); };
            c->OnDepot = [this, cote, s](QObject* source) { return Depose(cote, s, source); };
            c->OnMenu = [this](TCarton* carton, QPoint global) {
                FCadreMenu = carton;
                if (isVisible())
                    pm_CapitaineEx->popup(global);
            };
            c->OnDblClick = [this, cote, s] {
                if (TCompositionMatch::EstSortant(s))
                    Composition()->VidePlace(cote, s);
                else
                    Composition()->DoubleClicPlace(cote, s);
            };
            c->show();
            FCadres[cote - 1][s - 1] = c;
            return c;
        };
        auto boite = [&](QWidget* parent, int s, QRect r, int longueur, const char* modele) {
            auto* b = new TEditRond(parent);
            b->setGeometry(r);
            b->SetModele(ModeleFeuille(modele));
            b->SetMaxlength(static_cast<uint8_t>(longueur));
            b->SetTabStop(true);
            b->SetDecalX(1);
            b->SetDecalY(1);
            FBoites[cote - 1][s - 1] = b;
            return b;
        };
        for (int s = 1; s <= 11; ++s) {
            cree(fond->Contenu(), s, QRect(35, (s - 1) * 20 + 4, 110, 20), "PetitBoutonCreuxBleu");
            TEditRond* b = boite(fond->Contenu(), s, QRect(2, (s - 1) * 20 + 3, 22, 22), 2, "PetitRondCreuxBleu");
            b->SetAutoSelect(true);
            b->OnExit = [this, cote, s] { NumeroCompoExit(cote, s); };
            b->OnKeyPress = [this, cote, s](QString& touche) {
                if (touche == "\r" || touche == "\n") {
                    touche.clear();
                    NumeroCompoKeyPressEntree(cote, s);
                }
            };
            b->show();
        }
        for (int k = 0; k < 3; ++k) {
            auto* rangee = new QWidget(remp->Contenu());
            rangee->setAutoFillBackground(true);
            QPalette p = rangee->palette();
            p.setColor(QPalette::Window, QColor(0x00, 0x34, 0x6F));
            rangee->setPalette(p);
            rangee->setGeometry(0, k * 31, 280, 30);
            auto* label = new QLabel(QString::fromStdString(Traduit(TexteRemplace)), rangee);
            label->setStyleSheet("color: #FFFF00; font-weight: bold; background: transparent;");
            label->setObjectName("remplace");
            label->move(100, 6);
            cree(rangee, 12 + 2 * k, QRect(0, 0, 90, 25), "BoutonCreuxBleu");
            cree(rangee, 13 + 2 * k, QRect(130, 0, 90, 25), "BoutonCreuxBleu");
            TEditRond* minute = boite(rangee, 12 + 2 * k, QRect(230, 0, 25, 25), 3, "RondCreuxBleu");
            minute->OnChange = [this, cote, k, minute] {
                if (FEnAffichage)
                    return;
                Composition()->SetMinute(cote, k + 1, minute->Text());
                // Both frames of the pair empty: the minute is 0.
                if (Composition()->GetMinute(cote, k + 1) != minute->Text()) {
                    FEnAffichage = true;
                    minute->SetText(Composition()->GetMinute(cote, k + 1));
                    FEnAffichage = false;
                }
            };
            minute->show();
            // The on player's number box is not shown.
            TEditRond* numero = boite(rangee, 13 + 2 * k, QRect(120, 8, 25, 25), 3, "RondCreuxBleu");
            numero->hide();
            rangee->show();
            FRangees[cote - 1][k] = rangee;
        }
    }
    Label3->setText(QString::fromStdString(Traduit(TexteRemplacements)));
    Label7->setText(QString::fromStdString(Traduit(TexteRemplacements)));
    Label3->adjustSize();
    Label7->adjustSize();
    mi_AjouterJoueur1->setText(QString::fromStdString(Traduit(870)));
    mi_AjouterJoueur2->setText(QString::fromStdString(Traduit(870)));
    fc_InfoMatchResize();
}

void Tf_Composition::AfficheMatch()
{
    if (Feuille()->GetSaison() != Saison)
        SetFeuille(std::make_unique<TCompositionMatch>(Saison));
    Composition()->AfficheMatch();
}

void Tf_Composition::MontreFeuille()
{
    Tf_InfoMatchCadre::MontreFeuille();
    // The players placed on this sheet reach the season only when it is
    // written: until then the sheet itself says a line-up is entered.
    const std::string vide =
        Saison && !Composition()->UnJoueurPlace() ? SansDonnees::LigneCompositions(*Saison) : std::string();
    if (l_SansComposition->text().toStdString() != vide) {
        l_SansComposition->setText(QString::fromStdString(vide));
        l_SansComposition->setVisible(!vide.empty());
        fc_InfoMatchResize();
    }
    if (!FCadres[0][0])
        return;
    FEnAffichage = true;
    const TCompositionMatch& f = *Composition();
    for (int cote = 1; cote <= 2; ++cote) {
        for (int s = 1; s <= TCompositionMatch::NbPlaces; ++s) {
            const TCompositionMatch::TPlace* p = f.GetPlace(cote, s);
            TCarton* c = FCadres[cote - 1][s - 1];
            c->SetText(p->Texte);
            c->SetNumero(p->Joueur);
            // Only a starter carries the captain's menu.
            c->MenuGenre = TCompositionMatch::EstTitulaire(s) && !p->Vide() ? pm_CapitaineEx : nullptr;
            if (!TCompositionMatch::EstSortant(s))
                FBoites[cote - 1][s - 1]->SetText(p->Boite);
        }
        for (int k = 1; k <= 3; ++k)
            FBoites[cote - 1][10 + 2 * k - 1]->SetText(f.GetMinute(cote, k));
    }
    FEnAffichage = false;
}

// ---------------------------------------------------------------- drags

bool Tf_Composition::Place(QObject* source, int& cote, int& s) const
{
    auto* c = qobject_cast<TCarton*>(source);
    if (!c || Cadre(c->Liste, c->Ligne) != c)
        return false;
    cote = c->Liste;
    s = c->Ligne;
    return true;
}

bool Tf_Composition::Accepte(int cote, int s, QObject* source) const
{
    int coteSource = 0, place = 0;
    if (Place(source, coteSource, place))
        return Composition()->AccepteEchange(cote, s, coteSource, place);
    for (int e = 1; e <= 2; ++e)
        if (source == Equipe(e))
            return Composition()->AccepteEquipe(cote, s, e);
    return false;
}

bool Tf_Composition::Depose(int cote, int s, QObject* source)
{
    int coteSource = 0, place = 0;
    if (Place(source, coteSource, place))
        return Composition()->Echange(cote, s, coteSource, place);
    for (int e = 1; e <= 2; ++e) {
        uint16_t joueur = 0;
        std::string nom;
        if (source == Equipe(e) && Equipe(e)->Selection(joueur, nom))
            return Composition()->DeposeEquipe(cote, s, e, joueur);
    }
    return false;
}

bool Tf_Composition::ListeAccepte(int cote, QObject* source)
{
    int c = 0, s = 0;
    return Place(source, c, s) && Composition()->AccepteRetourPlace(cote, c, s);
}

bool Tf_Composition::ListeDepot(int cote, QObject* source)
{
    int c = 0, s = 0;
    return Place(source, c, s) && Composition()->RendPlace(cote, c, s);
}

// ---------------------------------------------------------------- handlers

void Tf_Composition::ListeDblClickEquipe(int cote)
{
    uint16_t joueur = 0;
    std::string nom;
    if (Equipe(cote)->Selection(joueur, nom))
        Composition()->DoubleClicEquipe(cote, joueur);
}

void Tf_Composition::NumeroCompoExit(int cote, int s)
{
    if (!FEnAffichage && Boite(cote, s))
        Composition()->ValideNumero(cote, s, Boite(cote, s)->Text());
}

void Tf_Composition::NumeroCompoKeyPressEntree(int cote, int s)
{
    TEditRond* b = Boite(cote, s);
    if (!b || b->Text().empty())
        return;
    Composition()->ValideNumeroEntree(cote, s, b->Text());
    // On to the next starter's box; the last keeps the focus.
    if (s < 11)
        Boite(cote, s + 1)->setFocus();
}

void Tf_Composition::mi_CapitaineClick()
{
    if (FCadreMenu)
        Composition()->ChoisitCapitaine(FCadreMenu->Liste, FCadreMenu->Ligne);
    FCadreMenu = nullptr;
}

void Tf_Composition::mi_AucunCapClick()
{
    if (FCadreMenu)
        Composition()->AucunCapitaine(FCadreMenu->Liste, FCadreMenu->Ligne);
    FCadreMenu = nullptr;
}

// ---------------------------------------------------------------- layout

void Tf_Composition::PlaceTitulaires(int cote)
{
    TFondScroll* fond = cote == 1 ? FondEquipeDomicile : FondEquipeExterieur;
    if (!fond || !FCadres[cote - 1][0])
        return;
    const int w = fond->width() - 8;
    // The height the content shows without a scroll bar.
    const int h = fond->height() - 2 * fond->ScrollTop();
    int largeur = 0, gauche = 35;
    if (w < 150)
        largeur = std::min(110, std::max(60, w - 40)); // a narrow list keeps its frames whole
    else if (w > 220) {
        largeur = 180;
        gauche = (w - 220) / 2 + 35;
    } else
        largeur = w - 40;
    int g = 0;
    if (h <= 264) {
        g = 3;
        largeur -= 15;
    } else
        g = (h - 220) / 12;
    for (int s = 1; s <= 11; ++s) {
        const int y = (g + 20) * (s - 1) + g;
        FCadres[cote - 1][s - 1]->setGeometry(gauche, y, largeur, 20);
        FBoites[cote - 1][s - 1]->move(gauche - 33, y - 1);
    }
    fond->MiseAJourScroll();
}

void Tf_Composition::FondEquipeDomicileresize()
{
    PlaceTitulaires(1);
}

void Tf_Composition::FondEquipeExterieurresize()
{
    PlaceTitulaires(2);
}

void Tf_Composition::fc_InfoMatchResize()
{
    Tf_InfoMatchCadre::fc_InfoMatchResize();
    if (!FondEquipeDomicile)
        return;
    const int moitie = width() / 2;
    // The starters share the room between the squads; the substitutions run
    // across the page below them.
    // The line that says the season has no line-up takes a strip under them.
    const int ligne = l_SansComposition->text().isEmpty() ? 0 : 20;
    const int hEquipe = height() < 211 ? 60 : std::max(60, height() - 124 - 45 - ligne);
    for (TListeFeuille* equipe : {l_EquipeDomicile, l_EquipeExterieur})
        equipe->resize(equipe->width(), hEquipe);
    const int largeur = std::max(40, moitie - 137);
    FondEquipeDomicile->setGeometry(133, 43, largeur, hEquipe);
    FondEquipeExterieur->setGeometry(moitie + 5, 43, largeur, hEquipe);
    l_SansComposition->setGeometry(4, 43 + hEquipe + 2, std::max(40, width() - 8), 18);
    Label3->move(4, height() - 124);
    Label7->move(moitie + 5, height() - 124);
    FondRemp1->setGeometry(4, height() - 106, std::max(40, moitie - 9), 102);
    FondRemp2->setGeometry(moitie + 5, height() - 106, std::max(40, moitie - 9), 102);
    for (int cote = 1; cote <= 2; ++cote) {
        TFondScroll* remp = cote == 1 ? FondRemp1 : FondRemp2;
        // A narrow page draws the pairs closer together rather than cut them.
        const bool serre = remp->width() - 4 < 280;
        for (int k = 0; k < 3; ++k) {
            QWidget* r = FRangees[cote - 1][k];
            if (!r)
                continue;
            r->resize(serre ? 240 : 280, 30);
            FCadres[cote - 1][11 + 2 * k]->setGeometry(0, 0, serre ? 85 : 90, 25);
            FCadres[cote - 1][12 + 2 * k]->setGeometry(serre ? 122 : 130, 0, serre ? 85 : 90, 25);
            FBoites[cote - 1][11 + 2 * k]->move(serre ? 214 : 230, 0);
            if (auto* label = r->findChild<QLabel*>("remplace"))
                label->move(serre ? 90 : 100, 6);
            r->move(std::max(0, (remp->width() - r->width() - 16) / 2), r->y());
        }
        remp->MiseAJourScroll();
    }
    PlaceTitulaires(1);
    PlaceTitulaires(2);
}

// ---------------------------------------------------------------- command

void EnregistrePagesComposition()
{
    EnregistrePage<Tf_Composition>({Commande::Compositions}, [](Tf_Composition& page, TPrincipale& principale, int) {
        page.Saison = principale.GetSaison();
        page.CreeControles();
        page.SetFichePrincipale(&principale);
        page.AfficheMatch();
    });
}
