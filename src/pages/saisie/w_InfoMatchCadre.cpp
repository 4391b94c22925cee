#include "pages/saisie/w_InfoMatchCadre.h"

#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "controls/RemplitListeJoueurs.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "platform/Dialogues.h"

#include <QMenu>
#include <QToolButton>

namespace {

constexpr int TexteAjouterJoueur = 870;
constexpr int TexteChangeJournee = 152;
constexpr int LargeurEquipe = 125;
constexpr int HautPanneau = 4;
constexpr int HauteurPanneau = 35;
constexpr int TailleScore = 25; // the round skin's side

const char* const ModelesCarton[3] = {"BoutonCreuxBleu", "BoutonCreuxJaune", "BoutonCreuxRouge"};
const char* const ModelesMinute[3] = {"RondCreuxBleu", "RondCreuxJaune", "RondCreuxRouge"};

} // namespace

TFondModele* ModeleFeuille(const char* nom)
{
    return Dessin() ? Dessin()->Fond(nom) : nullptr;
}

void PrepareScore(TCadre& score)
{
    TFondModele* rond = ModeleFeuille("RondCreuxBleu");
    score.SetModele(rond);
    score.resize(rond && !rond->Bitmap().isNull() ? rond->Bitmap().size() : QSize(TailleScore, TailleScore));
    score.SetReduitPourTenir(true);
}

Tf_InfoMatchCadre::Tf_InfoMatchCadre(QWidget* parent) : TFootForm(parent)
{
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0x2B, 0x4C, 0x9B));
    setPalette(fond);

    for (int cote = 1; cote <= 2; ++cote) {
        auto* liste = new TListeFeuille(this);
        liste->Cote = cote;
        liste->SetItemHeight(13);
        liste->OnDblClick = [this, cote] { ListeDblClick(cote); };
        liste->OnAccepte = [this, cote](QObject* source) { return ListeAccepte(cote, source); };
        liste->OnDepot = [this, cote](QObject* source) { return ListeDepot(cote, source); };
        liste->OnMenu = [this, cote](QPoint p) {
            if (isVisible())
                (cote == 1 ? Popupajout : Popupajout2)->popup(p);
        };
        (cote == 1 ? l_EquipeDomicile : l_EquipeExterieur) = liste;
    }

    Panel1 = new TFondCopie(this);
    Panel1->SetModele(ModeleFeuille("FondToutBleu"));
    Panel1->resize(345, HauteurPanneau);
    c_EqDomicile = new TCadre(Panel1);
    c_ScDomicile = new TCadre(Panel1);
    c_ScExterieur = new TCadre(Panel1);
    c_EqExterieur = new TCadre(Panel1);
    c_EqDomicile->setGeometry(5, 5, 120, 25);
    c_ScDomicile->move(133, 5);
    c_ScExterieur->move(167, 5);
    c_EqExterieur->setGeometry(200, 5, 120, 25);
    for (TCadre* c : {c_EqDomicile, c_EqExterieur})
        c->SetModele(ModeleFeuille("BoutonCreuxBleu"));
    for (TCadre* c : {c_ScDomicile, c_ScExterieur})
        PrepareScore(*c);
    UpDown1 = new QWidget(Panel1);
    UpDown1->setGeometry(325, 3, 16, 29);
    UpDown1->setToolTip("Changer de match");
    UpDown1Haut = new QToolButton(UpDown1);
    UpDown1Bas = new QToolButton(UpDown1);
    UpDown1Haut->setArrowType(Qt::UpArrow);
    UpDown1Bas->setArrowType(Qt::DownArrow);
    UpDown1Haut->setGeometry(0, 0, 16, 14);
    UpDown1Bas->setGeometry(0, 15, 16, 14);
    connect(UpDown1Haut, &QToolButton::clicked, this, [this] { UpDown1Click(1); });
    connect(UpDown1Bas, &QToolButton::clicked, this, [this] { UpDown1Click(-1); });

    pm_ListeMatch = new QMenu(this);
    connect(pm_ListeMatch, &QMenu::triggered, this, [this](QAction* a) { MenuMatchClick(a); });
    Panel1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Panel1, &QWidget::customContextMenuRequested, this, [this](const QPoint& p) {
        pm_ListeMatchPopup();
        pm_ListeMatch->popup(Panel1->mapToGlobal(p));
    });

    Popupajout = new QMenu(this);
    mi_AjouterJoueur1 = Popupajout->addAction("Ajouter un joueur");
    Popupajout2 = new QMenu(this);
    mi_AjouterJoueur2 = Popupajout2->addAction("Ajouter un joueur");
    connect(mi_AjouterJoueur1, &QAction::triggered, this, [this] { AjouteJoueur(1); });
    connect(mi_AjouterJoueur2, &QAction::triggered, this, [this] { AjouteJoueur(2); });

    pm_TypeBut = new QMenu(this);
    mi_Penalty = pm_TypeBut->addAction("Penalty");
    mi_Coupfranc = pm_TypeBut->addAction("Coup-franc");
    mi_Aucun = pm_TypeBut->addAction("Aucun");
    for (QAction* a : {mi_Penalty, mi_Coupfranc, mi_Aucun})
        a->setCheckable(true);
    resize(640, 440);
}

Tf_InfoMatchCadre::~Tf_InfoMatchCadre()
{
    if (FFeuille) {
        // The view goes first: only the season may still hear of the write.
        FFeuille->SurAffichage = nullptr;
        if (Saison)
            FFeuille->Quitte();
    }
}

void Tf_InfoMatchCadre::SetFeuille(std::unique_ptr<TFeuilleMatch> feuille)
{
    FFeuille = std::move(feuille);
    FFeuille->OnModification = [this] { Modifie(); };
    FFeuille->SurAffichage = [this] { MontreFeuille(); };
}

void Tf_InfoMatchCadre::SetFichePrincipale(TPrincipale* principale)
{
    Principale = principale;
}

void Tf_InfoMatchCadre::Enregistre(bool libereListes)
{
    if (FFeuille)
        FFeuille->Enregistre(libereListes);
}

void Tf_InfoMatchCadre::Affiche()
{
    if (FFeuille)
        FFeuille->Affiche();
}

bool Tf_InfoMatchCadre::AjusteMatchCourant()
{
    return FFeuille && FFeuille->AjusteMatchCourant();
}

void Tf_InfoMatchCadre::ValideSaisieEnCours()
{
    if (FFeuille)
        FFeuille->ValideSaisieEnCours();
}

bool Tf_InfoMatchCadre::PeutEtreQuittee()
{
    return !FFeuille || FFeuille->PeutQuitterMatch();
}

std::string Tf_InfoMatchCadre::SaisieRefusee() const
{
    return FFeuille ? FFeuille->SaisieRefusee() : std::string();
}

void Tf_InfoMatchCadre::showEvent(QShowEvent* event)
{
    TFootForm::showEvent(event);
    // Shown again after being kept hidden: what it shows may be old.
    if (FMontree && FFeuille)
        FFeuille->Rafraichit();
    FMontree = true;
}

void Tf_InfoMatchCadre::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    fc_InfoMatchResize();
}

void Tf_InfoMatchCadre::fc_InfoMatchResize()
{
    const int hauteur = std::max(60, height() - HautPanneau - HauteurPanneau - 8);
    l_EquipeDomicile->setGeometry(4, HautPanneau + HauteurPanneau + 4, LargeurEquipe, hauteur);
    l_EquipeExterieur->setGeometry(width() - 129, HautPanneau + HauteurPanneau + 4, LargeurEquipe, hauteur);
    Panel1->move((width() - Panel1->width()) / 2, HautPanneau);
}

// ---------------------------------------------------------------- display

void Tf_InfoMatchCadre::AfficheListe(int cote, bool seulsLibres)
{
    TListeFeuille* boite = Equipe(cote);
    const TListeJoueur* liste = FFeuille ? FFeuille->GetEquipe(cote) : nullptr;
    // The player the user picked stays picked when the box is refilled.
    uint16_t choisi = 0;
    std::string nom;
    const bool selection = boite->Selection(choisi, nom);
    if (liste)
        RemplitListeJoueurs(*liste, *boite, false, seulsLibres);
    else
        boite->Vide();
    if (selection)
        boite->SelectionneJoueur(choisi);
}

void Tf_InfoMatchCadre::DisposeEntete()
{
    // The team frames take the widest name of the championship, so that the
    // header keeps its size from one match to the next.
    std::vector<std::string> noms{c_EqDomicile->Text(), c_EqExterieur->Text()};
    if (const TDonneesChampionnat* c = Saison ? Saison->GetChampCourant() : nullptr)
        for (int p = 0; p < c->GetNbEquipe(); ++p)
            noms.push_back(Saison->GetNomEquipeChamp(p));
    const int cadre = LargeurCadrePour(*c_EqDomicile, noms, 120);
    c_EqDomicile->setGeometry(5, 5, cadre, 25);
    c_ScDomicile->move(cadre + 13, 5);
    c_ScExterieur->move(cadre + 47, 5);
    c_EqExterieur->setGeometry(cadre + 80, 5, cadre, 25);
    UpDown1->move(2 * cadre + 85, 3);
    Panel1->resize(2 * cadre + 105, HauteurPanneau);
    fc_InfoMatchResize();
}

void Tf_InfoMatchCadre::MontreFeuille()
{
    FEnAffichage = true;
    const TFeuilleMatch& f = *FFeuille;
    c_EqDomicile->SetText(f.GetNomEquipe(1));
    c_EqExterieur->SetText(f.GetNomEquipe(2));
    DisposeEntete();
    c_ScDomicile->SetText(f.GetScore(1));
    c_ScExterieur->SetText(f.GetScore(2));
    AfficheListe(1, SeulsLibres());
    AfficheListe(2, SeulsLibres());
    ConstruitCartons();
    FEnAffichage = false;
    // The minute box of the row a double-click filled takes the focus.
    TEtatFeuilles& etat = EtatFeuilles();
    if (etat.FocusListe != 0) {
        if (TEditRond* minute = Minute(etat.FocusListe, etat.FocusLigne))
            minute->setFocus();
        etat.FocusListe = 0;
    }
}

TCarton* Tf_InfoMatchCadre::Carton(int liste, int ligne) const
{
    if (liste < 1 || liste > static_cast<int>(FCartons.size()))
        return nullptr;
    const auto& l = FCartons[liste - 1];
    return ligne >= 0 && ligne < static_cast<int>(l.size()) ? l[ligne] : nullptr;
}

TEditRond* Tf_InfoMatchCadre::Minute(int liste, int ligne) const
{
    if (liste < 1 || liste > static_cast<int>(FMinutes.size()))
        return nullptr;
    const auto& l = FMinutes[liste - 1];
    return ligne >= 0 && ligne < static_cast<int>(l.size()) ? l[ligne] : nullptr;
}

void Tf_InfoMatchCadre::ConstruitCartons()
{
    FAnciennes.clear();
    for (auto& rangees : FRangees)
        for (QWidget* r : rangees) {
            r->hide();
            FAnciennes.emplace_back(r);
        }
    const int n = static_cast<int>(FondsListes.size());
    FRangees.assign(n, {});
    FCartons.assign(n, {});
    FMinutes.assign(n, {});
    for (int k = 0; k < n; ++k) {
        const TListeCartons* liste = FFeuille->GetListe(k + 1);
        if (!liste)
            continue;
        QWidget* contenu = FondsListes[k]->Contenu();
        const int look = std::clamp(liste->Look, 0, 2);
        for (int i = 0; i < liste->Nombre(); ++i) {
            const TEtatCarton& etat = liste->Lignes[i];
            auto* rangee = new QWidget(contenu);
            rangee->setAutoFillBackground(true);
            QPalette p = rangee->palette();
            p.setColor(QPalette::Window, QColor(0x00, 0x34, 0x6F));
            rangee->setPalette(p);
            rangee->setGeometry(0, i * 30, etat.AvecMinute ? 155 : 140, 30);

            auto* carton = new TCarton(rangee);
            carton->setGeometry(0, 0, 115, 25);
            carton->SetModele(ModeleFeuille(ModelesCarton[look]));
            carton->SetText(etat.Texte);
            carton->SetNumero(etat.Joueur);
            carton->Liste = k + 1;
            carton->Ligne = i;
            carton->TagCarton = etat.Tag;
            carton->MenuGenre = etat.MenuGenre ? pm_TypeBut : nullptr;
            carton->OnAccepte = [this, carton](QObject* source) {
                TSourceGlisse s;
                return SourceGlisse(source, s) && FFeuille->AccepteDepot(carton->Liste, carton->Ligne, s);
            };
            carton->OnDepot = [this, carton](QObject* source) {
                TSourceGlisse s;
                return SourceGlisse(source, s) && FFeuille->Depose(carton->Liste, carton->Ligne, s);
            };
            carton->OnMenu = [this](TCarton* c, QPoint global) { MenuGenre(c, global); };
            FCartons[k].push_back(carton);

            TEditRond* minute = nullptr;
            if (etat.AvecMinute) {
                minute = new TEditRond(rangee);
                minute->setGeometry(118, 0, 25, 25);
                minute->SetModele(ModeleFeuille(ModelesMinute[look]));
                minute->SetMaxlength(3);
                minute->SetTabStop(true);
                minute->SetText(etat.Minute);
                const int l = k + 1;
                minute->OnChange = [this, l, i, minute] {
                    if (!FEnAffichage)
                        FFeuille->SetMinute(l, i, minute->Text());
                };
            }
            FMinutes[k].push_back(minute);
            rangee->show();
            FRangees[k].push_back(rangee);
        }
    }
    PlaceCartons();
}

void Tf_InfoMatchCadre::PlaceCartons()
{
    for (int k = 0; k < static_cast<int>(FRangees.size()) && k < static_cast<int>(FondsListes.size()); ++k) {
        TFondScroll* fond = FondsListes[k];
        for (QWidget* r : FRangees[k])
            r->move(std::max(0, (fond->width() - r->width() - 16) / 2), r->y());
        fond->MiseAJourScroll();
    }
}

// ---------------------------------------------------------------- drags

bool Tf_InfoMatchCadre::SourceGlisse(QObject* source, TSourceGlisse& s) const
{
    for (int cote = 1; cote <= 2; ++cote)
        if (source == Equipe(cote)) {
            uint16_t joueur = 0;
            std::string nom;
            if (!Equipe(cote)->Selection(joueur, nom))
                return false;
            s = TSourceGlisse::Equipe(cote, joueur, nom);
            return true;
        }
    if (auto* carton = qobject_cast<TCarton*>(source); carton && carton->window() == window()) {
        if (Carton(carton->Liste, carton->Ligne) != carton)
            return false;
        s = TSourceGlisse::Carton(carton->Liste, carton->Ligne);
        return true;
    }
    return false;
}

void Tf_InfoMatchCadre::ListeDblClick(int /*cote*/) {}

bool Tf_InfoMatchCadre::ListeAccepte(int cote, QObject* source)
{
    TSourceGlisse s;
    return SourceGlisse(source, s) && s.Liste != 0 && FFeuille->AccepteRetour(cote, s.Liste, s.Ligne);
}

bool Tf_InfoMatchCadre::ListeDepot(int cote, QObject* source)
{
    TSourceGlisse s;
    return SourceGlisse(source, s) && s.Liste != 0 && FFeuille->RendCarton(cote, s.Liste, s.Ligne);
}

void Tf_InfoMatchCadre::MenuGenre(TCarton* carton, QPoint global)
{
    FCartonMenu = carton;
    if (isVisible())
        pm_TypeBut->popup(global);
}

// ---------------------------------------------------------------- navigation

void Tf_InfoMatchCadre::UpDown1Click(int sens)
{
    if (FFeuille)
        FFeuille->ChangeMatch(sens);
}

void Tf_InfoMatchCadre::pm_ListeMatchPopup()
{
    pm_ListeMatch->clear();
    const auto items = FFeuille ? FFeuille->ListeMatchs() : std::vector<std::pair<std::string, int>>{};
    for (const auto& [titre, numero] : items)
        pm_ListeMatch->addAction(QString::fromStdString(titre))->setData(numero);
    if (!items.empty())
        pm_ListeMatch->addSeparator();
    mi_ChangeJournee = pm_ListeMatch->addAction(QString::fromStdString(Traduit(TexteChangeJournee)));
}

void Tf_InfoMatchCadre::MenuMatchClick(QAction* action)
{
    if (!FFeuille || !action || action->isSeparator())
        return;
    if (action != mi_ChangeJournee) {
        FFeuille->ChoisitMatch(action->data().toInt());
        return;
    }
    // The shown match is written before the chooser runs; a value refused
    // there keeps the page on it.
    if (!FFeuille->PeutQuitterMatch())
        return;
    FFeuille->Enregistre(true);
    Tf_ChoixJournee choix(this);
    choix.Saison = Saison;
    choix.Tag = FFeuille->GetJournee();
    const bool ok = Dialogues().ExecuteModal(choix) == QDialog::Accepted;
    FFeuille->ChoisitJournee(ok ? choix.Tag : 0);
}

// ---------------------------------------------------------------- adding a player

void Tf_InfoMatchCadre::AjouteJoueur(int cote)
{
    if (!FFeuille || !Saison)
        return;
    const int equipe = FFeuille->IdEquipeAjout(cote);
    if (equipe < 0)
        return;
    TJoueur* joueur = nullptr;
    if (OuvreFicheJoueur(*Saison, Saison->GetNumChampCourant(), joueur, 0xB0000 + equipe) && joueur)
        FFeuille->AjouteJoueur(cote, joueur);
}
