#include "pages/options/w_Options.h"

#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"
#include "pagebase/w_blasons.h"
#include "platform/Bureau.h"
#include "presentation/OptionsChampionnat.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>

namespace {

enum : int {
    TexteValider = 29,
    TexteMatchs = 67,
    TexteEuropeens = 100,
    TexteMontee = 101,
    TexteOui = 121,
    TexteAnnuler = 125,
    TexteNon = 126,
    TexteAucuneEquipe = 320,
    TexteRetirer = 445,
    TexteJoueurs = 692,
    TexteAide = 787,
    TexteRepartition = 822,
    TexteVictoire = 823,
    TexteNul = 824,
    TexteDefaite = 825,
    TexteParametres = 826,
    TexteRelegues = 827,
    TexteLigueChampions = 828,
    TexteAnnee = 829,
    TexteDateJour = 832,
    TexteEquipeSuivie = 833,
    TexteFenetre = 713, // the caption of the command that opens it
    TexteBarragistes = 873,
    TextePromotion = 874,
    TexteMatchJour = 876,
    TexteNbJours = 877,
    TexteAjouter = 932,
    TexteArbitres = 937,
    TexteClassementJoueurs = 951,
    TexteIndividuel = 952,
    TexteDivision = 953,
    TexteChampionnat = 954,
    TexteCodeDivision = 962,
    TexteNational = 995,
    TexteInternational = 996,
    TexteType = 997,
    TexteNeutre = 1004,
    TexteGeneral = 1005,
    TexteAvance = 1006,
    TexteDateMatch = 1029,
    TexteGroupes = 1186,
    TextePourcentage = 1208,
    TexteSystemeJour = 1209,
    TexteSystemeDate = 1210,
    TexteCriteres = 1211,
    TexteDepartage = 1212,
    TexteCodeConfig = 1213,
    TexteGestionArbitre = 1215,
    TexteMemeMatch = 1216,
    TexteMemeEquipe = 1217,
    TexteMois = 1218,
    TexteButsBonus = 1219,
    TextePointsBonus = 1220,
    TexteEcartBonus = 1221,
};

constexpr const char* SujetAide = "::/html/menuopt.htm";
constexpr int TextesCriteres[TOptionsChampionnat::NbCriteres] = {542, 543, 544, 545, 546, 547, 548, 549,
                                                                 550, 551, 552, 553, 554, 555, 1214};
constexpr const char* DefautsCriteres[TOptionsChampionnat::NbCriteres] = {
    "La meilleure différence de but",
    "Le plus de buts marqués",
    "Le moins de but encaissé",
    "Le plus de victoire",
    "Le plus de match nul",
    "Le moins de match nul",
    "Le moins de défaite",
    "La meilleure différence de but (classement particulier)",
    "Le plus de buts marqués (classement particulier)",
    "Le moins de but encaissé (classement particulier)",
    "Le plus de victoire (classement particulier)",
    "Le plus de match nul (classement particulier)",
    "Le moins de match nul (classement particulier)",
    "Le moins de défaite (classement particulier)",
    "Le plus de points (classement particulier)",
};

QString Texte(int id, const char* defaut)
{
    return QString::fromStdString(TexteOuDefaut(id, defaut));
}

QString Qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

QLabel* Etiquette(QWidget* parent, int id, const char* defaut, int x, int y, int largeur = 200)
{
    auto* l = new QLabel(id > 0 ? Texte(id, defaut) : QString::fromUtf8(defaut), parent);
    l->setGeometry(x, y, largeur, 18);
    return l;
}

QSpinBox* Nombre(QWidget* parent, int min, int max, int defaut, int x, int y)
{
    auto* s = new QSpinBox(parent);
    s->setRange(min, max);
    s->setValue(defaut);
    s->setGeometry(x, y, 56, 22);
    return s;
}

template <class T> T* Coche(QWidget* parent, int id, const char* defaut, int x, int y, int groupe = -2)
{
    auto* c = new T(parent);
    if (groupe != -2)
        c->SetGroupe(groupe);
    c->SetCaption(id > 0 ? TexteOuDefaut(id, defaut) : std::string(defaut));
    c->setGeometry(x, y, 200, 17);
    c->SetAutoSize(true);
    return c;
}

QLineEdit* Edition(QWidget* parent, int x, int y, int largeur = 60)
{
    auto* e = new QLineEdit(parent);
    e->setGeometry(x, y, largeur, 22);
    return e;
}

} // namespace

Tf_Option::Tf_Option(TSaison& saison, QWidget* parent)
    : TDialogue(parent), FOptions(std::make_unique<TOptionsChampionnat>(saison))
{
    // Only the system menu among the border icons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(Texte(TexteFenetre, "Options du championnat"));
    setFixedSize(560, 450);

    PageControl = new QTabWidget(this);
    PageControl->setGeometry(8, 8, 544, 390);
    ts_General = new QWidget;
    ts_Avance = new QWidget;
    ts_Groupes = new QWidget;
    ts_Arbitres = new QWidget;
    ts_Criteres = new QWidget;
    ts_Joueurs = new QWidget;
    PageControl->addTab(ts_General, Texte(TexteGeneral, "Général"));
    PageControl->addTab(ts_Avance, Texte(TexteAvance, "Avancé"));
    PageControl->addTab(ts_Groupes, Texte(TexteGroupes, "Groupes"));
    PageControl->addTab(ts_Arbitres, Texte(TexteArbitres, "Arbitres"));
    PageControl->addTab(ts_Criteres, Texte(TexteCriteres, "Critères de classement"));
    PageControl->addTab(ts_Joueurs, Texte(TexteJoueurs, "Joueurs"));

    // --- General ---
    FondPoint = new QWidget(ts_General);
    FondPoint->setGeometry(4, 4, 260, 140);
    Etiquette(FondPoint, TexteRepartition, "Répartition des points", 4, 2)->setStyleSheet("font-weight: bold");
    Etiquette(FondPoint, TexteVictoire, "Points pour une victoire", 4, 28, 190);
    Edit1 = Nombre(FondPoint, 0, 9, 3, 196, 26);
    Etiquette(FondPoint, TexteNul, "Points pour un match nul", 4, 54, 190);
    Edit2 = Nombre(FondPoint, 0, 9, 1, 196, 52);
    Etiquette(FondPoint, TexteDefaite, "Points pour une défaite", 4, 80, 190);
    Edit3 = Nombre(FondPoint, 0, 9, 0, 196, 78);
    Etiquette(FondPoint, 0, "Points pour un forfait", 4, 106, 190);
    Edit13 = Nombre(FondPoint, -9, 9, 0, 196, 104);

    FondParam = new QWidget(ts_General);
    FondParam->setGeometry(272, 4, 264, 170);
    Etiquette(FondParam, TexteParametres, "Paramètres de la division", 4, 2)->setStyleSheet("font-weight: bold");
    Label4 = Etiquette(FondParam, TexteEuropeens, "Nombre d'Européens", 4, 28, 190);
    Edit4 = Nombre(FondParam, 0, 9, 5, 200, 26);
    Etiquette(FondParam, TexteRelegues, "Nombre de relégués", 4, 54, 190);
    Edit5 = Nombre(FondParam, 0, 9, 3, 200, 52);
    l_LigueChampions = Etiquette(FondParam, TexteLigueChampions, "Ligue des champions", 4, 80, 190);
    Edit6 = Nombre(FondParam, 0, 100, 3, 200, 78);
    l_Promotion = Etiquette(FondParam, TextePromotion, "Promotion", 4, 80, 190);
    Edit7 = Nombre(FondParam, 0, 100, 0, 200, 78);
    l_Barragistes = Etiquette(FondParam, TexteBarragistes, "Nombre de barragistes", 4, 106, 190);
    Edit8 = Nombre(FondParam, 0, 100, 0, 200, 104);

    cc_PetiteFinale = Coche<TCarreCoche>(ts_General, 0, "Match pour la troisième place", 8, 4);

    Etiquette(ts_General, TexteMatchJour, "Match par journée", 8, 182, 190);
    Edit9 = Nombre(ts_General, 0, 99, 0, 200, 180);
    Etiquette(ts_General, TexteNbJours, "Nombre de Journées", 8, 208, 190);
    Edit10 = Nombre(ts_General, 0, 999, 0, 200, 206);
    Etiquette(ts_General, TexteAnnee, "Année du championnat :", 8, 234, 190);
    MaskEdit1 = Edition(ts_General, 200, 232, 70);
    MaskEdit1->setInputMask("0000/00;_");
    MaskEdit1->setText("2001/02");
    Etiquette(ts_General, TexteEquipeSuivie, "Equipe à suivre", 8, 260, 190);
    ComboBox1 = new QComboBox(ts_General);
    ComboBox1->setGeometry(200, 258, 200, 22);
    Etiquette(ts_General, TexteType, "Type du championnat", 8, 290, 190);
    rc_National = Coche<TRondCoche>(ts_General, TexteNational, "National", 200, 290, 0);
    rc_International = Coche<TRondCoche>(ts_General, TexteInternational, "International", 320, 290, 0);

    // --- Advanced ---
    rc_journee = Coche<TRondCoche>(ts_Avance, TexteSystemeJour, "Système par journée", 8, 8, 0);
    rc_date = Coche<TRondCoche>(ts_Avance, TexteSystemeDate, "Système par date", 260, 8, 0);
    cc_SaisieDateJour =
        Coche<TCarreCoche>(ts_Avance, TexteDateJour, "Saisie de la date des journées de championnat", 8, 34);
    cc_SaisieDateMatch = Coche<TCarreCoche>(ts_Avance, TexteDateMatch, "Saisie de la date des matchs", 8, 58);
    Etiquette(ts_Avance, TexteNeutre, "Matchs sur terrains neutres", 8, 88, 220);
    rc_Oui = Coche<TRondCoche>(ts_Avance, TexteOui, "Oui", 240, 88, 1);
    rc_Non = Coche<TRondCoche>(ts_Avance, TexteNon, "Non", 320, 88, 1);
    Etiquette(ts_Avance, TexteCodeDivision, "Code de la division", 8, 122, 200);
    cb_CodeDiv = new QComboBox(ts_Avance);
    cb_CodeDiv->setGeometry(8, 142, 360, 22);
    e_CodePerso = Edition(ts_Avance, 376, 142, 80);
    e_CodePerso->setToolTip(QString::fromUtf8("Code pour l'import de données"));
    e_CodePerso->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), e_CodePerso));
    Etiquette(ts_Avance, TexteButsBonus, "Nombre de buts donnant un bonus", 8, 184, 300);
    e_nButBonus = Edition(ts_Avance, 320, 182);
    Etiquette(ts_Avance, TextePointsBonus, "Nombre de points de bonus", 8, 210, 300);
    e_PointBonus = Edition(ts_Avance, 320, 208);
    Etiquette(ts_Avance, TexteEcartBonus, "Ecart de point donnant un bonus au perdant", 8, 236, 300);
    e_nPointEcart = Edition(ts_Avance, 320, 234);

    // --- Groups ---
    tv_Groupe = new QTreeWidget(ts_Groupes);
    tv_Groupe->setGeometry(310, 8, 222, 300);
    tv_Groupe->setHeaderHidden(true);
    tv_Groupe->setAcceptDrops(true);
    tv_Groupe->viewport()->installEventFilter(this);
    tv_Groupe->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    lb_Equipe = new QListWidget(ts_Groupes);
    lb_Equipe->setGeometry(8, 8, 184, 300);
    lb_Equipe->setDragEnabled(true);
    lb_Equipe->setDragDropMode(QAbstractItemView::DragOnly);
    Button1 = CreeBouton(ts_Groupes, 0, ">");
    Button2 = CreeBouton(ts_Groupes, 0, "<");
    for (TBoutonCopie* b : {Button1, Button2})
        b->setFixedWidth(104);
    Button1->move(200, 120);
    Button2->move(200, 160);
    bc_Ajouter = CreeBouton(ts_Groupes, TexteAjouter, "Ajouter");
    bc_Retirer = CreeBouton(ts_Groupes, TexteRetirer, "Retirer");
    bc_Ajouter->setFixedWidth(110);
    bc_Retirer->setFixedWidth(110);
    bc_Ajouter->move(310, 316);
    bc_Retirer->move(424, 316);

    // --- Referees ---
    cc_GestionArbitre = Coche<TCarreCoche>(ts_Arbitres, TexteGestionArbitre, "Gérer les arbitres", 8, 8);
    cc_ArbitreMemeMatch = Coche<TCarreCoche>(ts_Arbitres, TexteMemeMatch,
                                             "L'arbitre ne peut pas arbitrer deux fois le même match", 8, 36);
    cc_ArbitreEquipeMatchs =
        Coche<TCarreCoche>(ts_Arbitres, TexteMemeEquipe, "L'arbitre ne peut pas arbitrer la même équipe avant ", 8, 64);
    e_ArbitreMatch = Nombre(ts_Arbitres, 0, 9, 6, 420, 61);
    Etiquette(ts_Arbitres, TexteMatchs, "matchs", 480, 64, 50);
    cc_ArbitreEquipeMois =
        Coche<TCarreCoche>(ts_Arbitres, TexteMemeEquipe, "L'arbitre ne peut pas arbitrer la même équipe avant ", 8, 92);
    e_ArbitreMois = Nombre(ts_Arbitres, 0, 9, 6, 420, 89);
    Etiquette(ts_Arbitres, TexteMois, "mois", 480, 92, 50);
    Etiquette(ts_Arbitres, TextePourcentage, "Pourcentage de Matchs pour être noté", 8, 126, 330);
    Edit11 = Nombre(ts_Arbitres, 0, 100, 0, 420, 124);

    // --- Criteria ---
    Etiquette(ts_Criteres, TexteDepartage, "Critères de départage en cas d'égalité", 8, 8, 400)
        ->setStyleSheet("font-weight: bold");
    clb_Classement = new QListWidget(ts_Criteres);
    clb_Classement->setGeometry(8, 30, 470, 280);
    sb_Up = new QToolButton(ts_Criteres);
    sb_Up->setArrowType(Qt::UpArrow);
    sb_Up->setGeometry(486, 120, 24, 24);
    sb_Down = new QToolButton(ts_Criteres);
    sb_Down->setArrowType(Qt::DownArrow);
    sb_Down->setGeometry(486, 150, 24, 24);
    Etiquette(ts_Criteres, TexteCodeConfig, "Code pour le fichier de configuration", 8, 320, 300);
    Edit12 = Edition(ts_Criteres, 320, 318, 150);

    // --- Players ---
    auto* panneau = new QWidget(ts_Joueurs);
    panneau->setGeometry(4, 4, 520, 121);
    Etiquette(panneau, TexteClassementJoueurs, "Classements des joueurs", 4, 4, 300)
        ->setStyleSheet("font-weight: bold");
    RondCoche1 = Coche<TRondCoche>(panneau, TexteIndividuel, "Individuel", 8, 30, 0);
    RondCoche2 = Coche<TRondCoche>(panneau, TexteDivision, "Commun à la division", 8, 56, 0);
    RondCoche3 = Coche<TRondCoche>(panneau, TexteChampionnat, "Commun au championnat", 8, 82, 0);
    // The basket minimums are loaded and written back, never shown here.
    p_NbTir = new QWidget(ts_Joueurs);
    p_NbTir->hide();

    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Valider->move(8, 410);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    b_Annuler->move(200, 410);
    b_Aide = CreeBouton(this, TexteAide, "Aide");
    b_Aide->move(392, 410);

    b_Valider->OnClick = [this] { b_ValiderClick(); };
    b_Aide->OnClick = [this] { b_AideClick(); };
    cc_GestionArbitre->OnClick = [this] { cc_GestionArbitreClick(); };
    rc_journee->OnClick = [this] { rc_journeeClick(); };
    rc_date->OnClick = [this] { rc_dateClick(); };
    connect(cb_CodeDiv, qOverload<int>(&QComboBox::activated), this, [this] { cb_CodeDivChange(); });
    connect(clb_Classement, &QListWidget::itemChanged, this, [this] {
        if (!FRemplissage)
            clb_ClassementClick();
    });
    connect(sb_Up, &QToolButton::clicked, this, [this] { sb_UpClick(); });
    connect(sb_Down, &QToolButton::clicked, this, [this] { sb_DownClick(); });
    connect(Edit12, &QLineEdit::textChanged, this, [this] { Edit12Change(); });
    bc_Ajouter->OnClick = [this] { bc_AjouterClick(); };
    bc_Retirer->OnClick = [this] { bc_RetirerClick(); };
    Button1->OnClick = [this] { Button1Click(); };
    Button2->OnClick = [this] { Button2Click(); };
    connect(tv_Groupe, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
        int g = -1, e = -1;
        Position(item, g, e);
        if (!FRemplissage && e < 0)
            FOptions->RenommeGroupe(g, item->text(0).toStdString());
    });
}

Tf_Option::~Tf_Option() = default;

bool Tf_Option::eventFilter(QObject* objet, QEvent* event)
{
    // Only teams of the list drop on the tree, and a drop is ">" on the node under it.
    if (objet == tv_Groupe->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop)) {
        auto* e = static_cast<QDropEvent*>(event);
        if (e->source() != lb_Equipe) {
            e->ignore();
            return true;
        }
        e->setDropAction(Qt::CopyAction);
        e->accept();
        if (event->type() == QEvent::Drop) {
            if (QTreeWidgetItem* item = tv_Groupe->itemAt(e->position().toPoint()))
                tv_Groupe->setCurrentItem(item);
            Button1Click();
        }
        return true;
    }
    return TDialogue::eventFilter(objet, event);
}

void Tf_Option::showEvent(QShowEvent* event)
{
    if (!FAffiche) {
        FAffiche = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

void Tf_Option::FormShow()
{
    TOptionsChampionnat& o = *FOptions;
    o.Charge();
    FondParam->setVisible(o.Ligue);
    FondPoint->setVisible(o.Ligue);
    cc_PetiteFinale->setVisible(!o.Ligue);
    (o.International ? rc_International : rc_National)->SetChecked(true);
    const bool premier = o.Niveau == 1;
    Label4->setText(premier ? Texte(TexteEuropeens, "Nombre d'Européens") : Texte(TexteMontee, "Nombre de montées"));
    l_LigueChampions->setVisible(premier);
    Edit6->setVisible(premier);
    l_Promotion->setVisible(!premier);
    Edit7->setVisible(!premier);

    Edit4->setValue(o.Europeens);
    Edit5->setValue(o.Relegues);
    Edit6->setValue(o.LigueChampions);
    Edit7->setValue(o.Promotion);
    Edit8->setValue(o.Barragistes);
    Edit9->setValue(o.MatchsParJour);
    Edit10->setValue(o.NbJours);
    (o.Portee == 2 ? RondCoche2 : o.Portee == 3 ? RondCoche3 : RondCoche1)->SetChecked(true);
    (o.SystemeDate ? rc_date : rc_journee)->SetChecked(true);
    cc_SaisieDateJour->SetChecked(o.SaisieDateJour);
    cc_SaisieDateMatch->SetChecked(o.SaisieDateMatch);
    cc_SaisieDateJour->setVisible(!o.SystemeDate);
    cc_SaisieDateMatch->setVisible(!o.SystemeDate);
    (o.TerrainsNeutres ? rc_Oui : rc_Non)->SetChecked(true);
    Edit1->setValue(o.Victoire);
    Edit2->setValue(o.Nul);
    Edit3->setValue(o.Defaite);
    Edit13->setValue(o.Forfait);
    MaskEdit1->setText(Qs(o.Annees));
    Edit11->setValue(o.PourcentageArbitre);
    cc_GestionArbitre->SetChecked(o.GestionArbitre);
    cc_ArbitreMemeMatch->SetChecked(o.ArbitreMemeMatch);
    cc_ArbitreEquipeMatchs->SetChecked(o.ArbitreMatchs);
    e_ArbitreMatch->setValue(o.NbMatchsArbitre);
    cc_ArbitreEquipeMois->SetChecked(o.ArbitreMois);
    e_ArbitreMois->setValue(o.NbMoisArbitre);
    cc_GestionArbitreClick();

    ComboBox1->clear();
    ComboBox1->addItem(Texte(TexteAucuneEquipe, "Aucune"));
    for (const auto& e : o.Equipes)
        ComboBox1->addItem(Qs(e.Nom));
    ComboBox1->setCurrentIndex(o.EquipeSuivie < ComboBox1->count() ? o.EquipeSuivie : 0);

    FSaisie = true;
    Edit12->setText(Qs(o.Lettres()));
    AfficheCriteres(-1);

    e_nButBonus->setText(Qs(o.BonusBut));
    e_PointBonus->setText(Qs(o.PointBonusBut));
    e_nPointEcart->setText(Qs(o.BonusEcart));
    cc_PetiteFinale->SetChecked(o.PetiteFinale);

    lb_Equipe->clear();
    for (const auto& e : o.Equipes) {
        auto* item = new QListWidgetItem(Qs(e.Nom), lb_Equipe);
        item->setData(Qt::UserRole, e.Id);
    }
    AfficheGroupes(-1, -1);

    cb_CodeDiv->clear();
    for (const auto& [texte, code] : o.Divisions)
        cb_CodeDiv->addItem(Qs(texte), code);
    cb_CodeDiv->setCurrentIndex(o.IndexDivision);
    e_CodePerso->setVisible(o.CodePersoVisible());
    e_CodePerso->setText(Qs(o.CodePerso));
    PageControl->setCurrentIndex(0);
}

void Tf_Option::AfficheCriteres(int selection)
{
    FRemplissage = true;
    clb_Classement->clear();
    for (const auto& k : FOptions->Criteres()) {
        int i = 0;
        while (i < TOptionsChampionnat::NbCriteres && k.Numero != TOptionsChampionnat::Numeros[i])
            ++i;
        auto* item = new QListWidgetItem(
            i < TOptionsChampionnat::NbCriteres ? Texte(TextesCriteres[i], DefautsCriteres[i]) : QString(),
            clb_Classement);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(k.Coche ? Qt::Checked : Qt::Unchecked);
    }
    if (selection >= 0)
        clb_Classement->setCurrentRow(selection);
    FRemplissage = false;
}

void Tf_Option::AfficheGroupes(int groupe, int equipe)
{
    FRemplissage = true;
    tv_Groupe->clear();
    QTreeWidgetItem* choisi = nullptr;
    const auto& groupes = FOptions->Groupes();
    for (int g = 0; g < static_cast<int>(groupes.size()); ++g) {
        auto* noeud = new QTreeWidgetItem(tv_Groupe, QStringList(Qs(groupes[g].Nom)));
        noeud->setFlags(noeud->flags() | Qt::ItemIsEditable);
        for (int e = 0; e < static_cast<int>(groupes[g].Equipes.size()); ++e) {
            std::string nom;
            for (const auto& x : FOptions->Equipes)
                if (x.Id == groupes[g].Equipes[e])
                    nom = x.Nom;
            auto* fils = new QTreeWidgetItem(noeud, QStringList(Qs(nom)));
            if (g == groupe && e == equipe)
                choisi = fils;
        }
        if (g == groupe && equipe < 0)
            choisi = noeud;
    }
    tv_Groupe->expandAll();
    if (choisi)
        tv_Groupe->setCurrentItem(choisi);
    FRemplissage = false;
}

void Tf_Option::Position(const QTreeWidgetItem* item, int& groupe, int& equipe) const
{
    groupe = -1;
    equipe = -1;
    if (!item)
        return;
    if (const QTreeWidgetItem* parent = item->parent()) {
        groupe = tv_Groupe->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(parent));
        equipe = parent->indexOfChild(const_cast<QTreeWidgetItem*>(item));
    } else {
        groupe = tv_Groupe->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
    }
}

void Tf_Option::cc_GestionArbitreClick()
{
    const bool actif = cc_GestionArbitre->Checked();
    for (QWidget* w : std::initializer_list<QWidget*>{cc_ArbitreMemeMatch, cc_ArbitreEquipeMatchs, cc_ArbitreEquipeMois,
                                                      e_ArbitreMatch, e_ArbitreMois})
        w->setEnabled(actif);
}

void Tf_Option::rc_journeeClick()
{
    cc_SaisieDateJour->show();
    cc_SaisieDateMatch->show();
}

void Tf_Option::rc_dateClick()
{
    cc_SaisieDateJour->hide();
    cc_SaisieDateMatch->hide();
    cc_SaisieDateJour->SetChecked(false);
    cc_SaisieDateMatch->SetChecked(false);
}

void Tf_Option::cb_CodeDivChange()
{
    FOptions->ChoisitDivision(cb_CodeDiv->currentIndex());
    e_CodePerso->setVisible(FOptions->CodePersoVisible());
}

void Tf_Option::clb_ClassementClick()
{
    for (int i = 0; i < clb_Classement->count(); ++i)
        FOptions->CocheCritere(i, clb_Classement->item(i)->checkState() == Qt::Checked);
    FSaisie = false;
    Edit12->setText(Qs(FOptions->Lettres()));
    FSaisie = true;
}

void Tf_Option::sb_UpClick()
{
    const int i = clb_Classement->currentRow();
    if (i < 0)
        return;
    AfficheCriteres(FOptions->MonteCritere(i));
    clb_ClassementClick();
}

void Tf_Option::sb_DownClick()
{
    const int i = clb_Classement->currentRow();
    if (i < 0)
        return;
    AfficheCriteres(FOptions->DescendCritere(i));
    clb_ClassementClick();
}

void Tf_Option::Edit12Change()
{
    if (!FSaisie)
        return;
    FOptions->AppliqueLettres(Edit12->text().toStdString());
    AfficheCriteres(clb_Classement->currentRow());
}

void Tf_Option::bc_AjouterClick()
{
    const int g = FOptions->AjouteGroupe();
    AfficheGroupes(g, -1);
    tv_Groupe->setFocus();
    tv_Groupe->editItem(tv_Groupe->topLevelItem(g), 0);
}

void Tf_Option::bc_RetirerClick()
{
    int g = -1, e = -1;
    Position(tv_Groupe->currentItem(), g, e);
    if (g < 0)
        return;
    if (e < 0)
        FOptions->RetireGroupe(g);
    else
        FOptions->RetireEquipeGroupe(g, e);
    AfficheGroupes(-1, -1);
}

void Tf_Option::Button1Click()
{
    const QListWidgetItem* equipe = lb_Equipe->currentItem();
    if (!equipe)
        return;
    int g = -1, e = -1;
    Position(tv_Groupe->currentItem(), g, e);
    g = FOptions->AjouteEquipeGroupe(g, equipe->data(Qt::UserRole).toInt());
    if (g >= 0)
        AfficheGroupes(g, static_cast<int>(FOptions->Groupes()[g].Equipes.size()) - 1);
}

void Tf_Option::Button2Click()
{
    int g = -1, e = -1;
    Position(tv_Groupe->currentItem(), g, e);
    if (e >= 0 && FOptions->RetireEquipeGroupe(g, e))
        AfficheGroupes(g, -1);
}

void Tf_Option::LitControles()
{
    TOptionsChampionnat& o = *FOptions;
    o.Europeens = Edit4->value();
    o.Promotion = Edit7->value();
    o.Relegues = Edit5->value();
    o.Barragistes = Edit8->value();
    o.LigueChampions = Edit6->value();
    o.SaisieDateJour = cc_SaisieDateJour->Checked();
    o.TerrainsNeutres = rc_Oui->Checked();
    o.SaisieDateMatch = cc_SaisieDateMatch->Checked();
    o.SystemeDate = rc_date->Checked();
    o.Portee = RondCoche2->Checked() ? 2 : RondCoche3->Checked() ? 3 : 1;
    o.Victoire = Edit1->value();
    o.Nul = Edit2->value();
    o.Defaite = Edit3->value();
    o.Forfait = Edit13->value();
    o.MatchsParJour = Edit9->value();
    o.NbJours = Edit10->value();
    o.Annees = MaskEdit1->text().toStdString();
    // A stored team the combo could not show stays, unless another is chosen.
    const int suivie = std::max(ComboBox1->currentIndex(), 0);
    if (o.EquipeSuivie < ComboBox1->count() || suivie != 0)
        o.EquipeSuivie = suivie;
    o.International = rc_International->Checked();
    o.CodePerso = e_CodePerso->text().toStdString();
    o.PourcentageArbitre = Edit11->value();
    o.GestionArbitre = cc_GestionArbitre->Checked();
    o.ArbitreMemeMatch = cc_ArbitreMemeMatch->Checked();
    o.ArbitreMatchs = cc_ArbitreEquipeMatchs->Checked();
    o.NbMatchsArbitre = e_ArbitreMatch->value();
    o.ArbitreMois = cc_ArbitreEquipeMois->Checked();
    o.NbMoisArbitre = e_ArbitreMois->value();
    o.BonusBut = e_nButBonus->text().toStdString();
    o.PointBonusBut = e_PointBonus->text().toStdString();
    o.BonusEcart = e_nPointEcart->text().toStdString();
    o.PetiteFinale = cc_PetiteFinale->Checked();
}

void Tf_Option::b_ValiderClick()
{
    LitControles();
    Tag = FOptions->Valide();
    SetModalResult(ResultatModal::Ok);
}

void Tf_Option::b_AideClick()
{
    OuvreSujetAide(DossierAide, SujetAide);
}

bool AfficheOptionsChampionnat(TPrincipale& principale)
{
    TSaison* saison = principale.GetSaison();
    if (!saison || !saison->GetChampCourant())
        return false;
    Tf_Option dialogue(*saison);
    dialogue.DossierAide = principale.GetDossierAide();
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok || dialogue.Tag != 1)
        return false;
    principale.SignaleModification();
    // The page shown follows the new rules (points, tie-breaks, places).
    principale.ReafficheCommande();
    return true;
}

void EnregistrePagesOptionsChampionnat()
{
    EnregistreCommandePage(Commande::OptionsChampionnat,
                           [](TPrincipale& principale, int, int, int) { AfficheOptionsChampionnat(principale); });
}
