#include "pages/fiches/w_FicheJoueur.h"

#include "base/Horloge.h"
#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/GraphHorizontal.h"
#include "controls/ImageFond.h"
#include "controls/ImageQt.h"
#include "files/ImageManager.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "model/TexteSaisi.h"
#include "pagebase/DefType.h"
#include "pagebase/w_ImageManager.h"
#include "pages/options/w_ChoixNoeud.h"
#include "platform/Bureau.h"
#include "platform/Couleurs.h"
#include "presentation/DetailFicheJoueur.h"
#include "presentation/ModeleGrille.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <type_traits>

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}
std::string S(const QString& s)
{
    return s.toStdString();
}

// The index of the entry carrying that object, -1 when none.
int IndexObjet(const QComboBox* cb, int objet)
{
    for (int i = 0; i < cb->count(); ++i)
        if (cb->itemData(i).toInt() == objet)
            return i;
    return -1;
}

// The value of a numeric field: 0 for empty or not a number.
int Nombre(const std::string& texte)
{
    return StrToIntDef(Trim(texte), 0);
}

// "2003-04" for 2003, "1999-00" for 1999.
std::string TexteSaison(int annee)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d-%02d", annee, ((annee + 1) % 100 + 100) % 100);
    return buf;
}

std::string TexteDate(int numero)
{
    // 0 is 30/12/1899 and 2 is 01/01/1900: the two ways a date was left empty.
    if (numero == 0 || numero == 2)
        return "";
    const TDateHeure d = DateDuNumero(numero);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.Jour, d.Mois, d.Annee);
    return buf;
}

// The number of a run of one to `max` digits, -1 for anything else.
int Chiffres(const std::string& texte, std::size_t min, std::size_t max)
{
    const std::string t = Trim(texte);
    if (t.size() < min || t.size() > max || t.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::stoi(t);
}

// "dd/mm/yyyy"; 0 for an empty or invalid date. Only a four-digit year is a
// year: "07/03/95" would otherwise be stored as the year 95.
int LitDate(const std::string& texte)
{
    const std::string t = Trim(texte);
    const auto barre1 = t.find('/');
    const auto barre2 = barre1 == std::string::npos ? barre1 : t.find('/', barre1 + 1);
    if (barre2 == std::string::npos)
        return 0;
    const int j = Chiffres(t.substr(0, barre1), 1, 2);
    const int m = Chiffres(t.substr(barre1 + 1, barre2 - barre1 - 1), 1, 2);
    const int a = Chiffres(t.substr(barre2 + 1), 4, 4);
    if (a < 1000 || m < 1 || m > 12 || j < 1)
        return 0;
    static const int jours[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (a % 4 == 0 && a % 100 != 0) || a % 400 == 0;
    if (j > jours[m - 1] + (m == 2 && bissextile ? 1 : 0))
        return 0;
    return NumeroJour(a, m, j);
}

// A small up-down beside a numeric field, within 0..max.
QWidget* HautBas(QWidget* parent, QLineEdit* edit, int max)
{
    auto* cadre = new QWidget(parent);
    auto* boutons = new QVBoxLayout(cadre);
    boutons->setContentsMargins(0, 0, 0, 0);
    boutons->setSpacing(0);
    for (int sens : {1, -1}) {
        auto* b = new QToolButton(cadre);
        b->setArrowType(sens > 0 ? Qt::UpArrow : Qt::DownArrow);
        b->setFixedSize(16, 11);
        b->setAutoRepeat(true);
        boutons->addWidget(b);
        QObject::connect(b, &QToolButton::clicked, edit, [edit, sens, max] {
            const int v = std::clamp(StrToIntDef(Trim(S(edit->text())), 0) + sens, 0, max);
            edit->setText(QString::number(v));
        });
    }
    return cadre;
}

int PremiereAnnee(const TSaison* saison)
{
    const TDonneesChampionnat* champ = saison ? saison->GetChampCourant() : nullptr;
    return champ ? champ->GetOption(8) : 0;
}

} // namespace

// ---------------------------------------------------------------------------
// Career line dialog

Tf_ajouthist::Tf_ajouthist(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(Q(::Traduit(1259)));
    auto* grille = new QGridLayout(this);
    auto ajoute = [&](int ligne, int id, QWidget* champ) {
        grille->addWidget(new QLabel(Q(::Traduit(id)), this), ligne, 0);
        grille->addWidget(champ, ligne, 1);
    };
    auto compteur = [this] {
        auto* ud = new QSpinBox(this);
        ud->setRange(0, 1000);
        return ud;
    };
    ud_Saison = new QSpinBox(this);
    ud_Saison->setRange(1900, 2100);
    cb_Actuel = new QComboBox(this);
    cb_Actuel->setEditable(true);
    cb_Actuel->setInsertPolicy(QComboBox::NoInsert);
    cb_Division = new QComboBox(this);
    ud_Matchs = compteur();
    ud_Buts = compteur();
    ud_MatchsSel = compteur();
    ud_ButsSel = compteur();
    ajoute(0, 10, ud_Saison);
    ajoute(1, 176, cb_Actuel);
    ajoute(2, 604, cb_Division);
    ajoute(3, 67, ud_Matchs);
    ajoute(4, 68, ud_Buts);
    ajoute(5, 1257, ud_MatchsSel);
    ajoute(6, 1258, ud_ButsSel);
    cb_InsereAutre = new QCheckBox("Inserer une autre année", this);
    grille->addWidget(cb_InsereAutre, 7, 0, 1, 2);
    bc_Choisir = new QPushButton(Q(::Traduit(1251)), this);
    bc_Choisir->setDefault(true);
    bc_Annuler = new QPushButton(Q(::Traduit(125)), this);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(bc_Choisir);
    boutons->addWidget(bc_Annuler);
    grille->addLayout(boutons, 8, 0, 1, 2);
    connect(bc_Choisir, &QPushButton::clicked, this, [this] { SetModalResult(ResultatModal::Ok); });
    connect(bc_Annuler, &QPushButton::clicked, this, [this] { SetModalResult(ResultatModal::Annuler); });
}

void Tf_ajouthist::Execute(TSaison& Saison, int Division)
{
    FSaison = &Saison;
    cb_Actuel->clear();
    // Sorted by name, each carrying its index in the former-club list.
    TListeTextes clubs;
    for (int i = 0; i < Saison.NbClubPrec(); ++i)
        if (!Saison.GetClubPrec(i).empty())
            clubs.push_back({Saison.GetClubPrec(i), i});
    std::stable_sort(clubs.begin(), clubs.end(),
                     [](const TTexteObjet& a, const TTexteObjet& b) { return AnsiCompareText(a.Texte, b.Texte) < 0; });
    for (const TTexteObjet& c : clubs)
        cb_Actuel->addItem(Q(c.Texte), c.Objet);
    cb_Actuel->setCurrentIndex(-1);
    cb_Division->clear();
    if (const TLectureParam* catalogue = LectureParam()) {
        TListeTextes divisions;
        catalogue->RemplitListeDivisions(divisions);
        for (const TTexteObjet& d : divisions)
            cb_Division->addItem(Q(d.Texte), d.Objet);
    }
    const int choisie = IndexObjet(cb_Division, Division);
    cb_Division->setCurrentIndex(choisie >= 0 ? choisie : (cb_Division->count() > 0 ? 0 : -1));
    ud_Saison->setValue(PremiereAnnee(&Saison) + 1900);
}

void Tf_ajouthist::ReinitCompteurs()
{
    for (QSpinBox* ud : {ud_Matchs, ud_Buts, ud_MatchsSel, ud_ButsSel})
        ud->setValue(0);
}

TStatHistorique Tf_ajouthist::Ligne() const
{
    TStatHistorique h;
    h.StatAnnee = ud_Saison->value();
    const int i = cb_Actuel->findText(cb_Actuel->currentText(), Qt::MatchFixedString);
    if (i >= 0)
        h.Equipe = cb_Actuel->itemData(i).toInt();
    else if (FSaison) {
        const std::string nom = NormaliseNom(Trim(S(cb_Actuel->currentText())));
        const int index = FSaison->ChercheClubPrec(nom, true);
        h.Equipe = index >= 0 ? index : 65535;
    } else
        h.Equipe = 65535;
    h.Division = cb_Division->currentIndex() >= 0 ? cb_Division->currentData().toInt() : 0;
    h.StatMatch = ud_Matchs->value();
    h.StatBut = ud_Buts->value();
    h.StatMatchInter = ud_MatchsSel->value();
    h.StatButInter = ud_ButsSel->value();
    return h;
}

// ---------------------------------------------------------------------------
// Player card

Tf_FicheJoueur::Tf_FicheJoueur(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    auto* principal = new QVBoxLayout(this);

    pc_FicheJoueur = new QTabWidget(this);
    ts_Generale = new QWidget;
    ts_additionnal = new QWidget;
    ts_Carriere = new QWidget;
    pc_FicheJoueur->addTab(ts_Generale, QString());
    pc_FicheJoueur->addTab(ts_additionnal, QString());
    pc_FicheJoueur->addTab(ts_Carriere, QString());
    new QGridLayout(ts_Generale);
    new QGridLayout(ts_additionnal);

    auto edit = [](QWidget* page) { return new QLineEdit(page); };
    e_Nom = edit(ts_Generale);
    e_Prenom = edit(ts_Generale);
    e_Age = edit(ts_Generale);
    e_NumMaillot = edit(ts_Generale);
    cb_Poste = new QComboBox(ts_Generale);
    cb_Nationalite = new QComboBox(ts_Generale);
    cb_Nationalite->setEditable(true);
    cb_Nationalite->setInsertPolicy(QComboBox::NoInsert);
    e_Anciennete = edit(ts_Generale);
    e_Duree = edit(ts_Generale);
    cb_ClubPrec = new QComboBox(ts_Generale);
    cb_ClubPrec->setEditable(true);
    cb_ClubPrec->setInsertPolicy(QComboBox::NoInsert);
    cb_Actuel = new QComboBox(ts_Generale);
    cb_Actuel->setEditable(true);
    cb_Actuel->setInsertPolicy(QComboBox::NoInsert);
    AjouteChamp(ts_Generale, 0, 0, 71, e_Nom);
    AjouteChamp(ts_Generale, 0, 2, 72, e_Prenom);
    AjouteChamp(ts_Generale, 1, 0, 73, e_Age);
    AjouteChamp(ts_Generale, 1, 2, 790, e_NumMaillot);
    AjouteChamp(ts_Generale, 2, 0, 74, cb_Poste);
    AjouteChamp(ts_Generale, 2, 2, 788, cb_Nationalite);
    AjouteChamp(ts_Generale, 3, 0, 75, e_Anciennete);
    AjouteChamp(ts_Generale, 3, 2, 795, e_Duree);
    AjouteChamp(ts_Generale, 4, 0, 789, cb_ClubPrec);
    AjouteChamp(ts_Generale, 4, 2, 176, cb_Actuel);
    Label29 = FLabels.back().Label;
    FLibelleEquipe = new QLabel(ts_Generale);
    static_cast<QGridLayout*>(ts_Generale->layout())->addWidget(FLibelleEquipe, 5, 0, 1, 4);

    e_Taille = edit(ts_additionnal);
    e_Poids = edit(ts_additionnal);
    e_DateComplete = edit(ts_additionnal);
    // Day and month of two digits, a year of four; blanks show as "  /  /    ".
    e_DateComplete->setInputMask("00/00/9999; ");
    e_SelectionNat = edit(ts_additionnal);
    ud_nSelection = new QSpinBox(ts_additionnal);
    ud_nSelection->setRange(0, 1000);
    AjouteChamp(ts_additionnal, 0, 0, 1061, e_Taille);
    AjouteChamp(ts_additionnal, 1, 0, 1062, e_Poids);
    AjouteChamp(ts_additionnal, 2, 0, 1063, e_DateComplete);
    AjouteChamp(ts_additionnal, 3, 0, 1064, e_SelectionNat);
    AjouteChamp(ts_additionnal, 4, 0, 1065, ud_nSelection);
    LogoJoueur = new TLogo(ts_additionnal);
    LogoJoueur->setFixedSize(100, 120);
    b_AddPicture = new QPushButton("...", ts_additionnal);
    b_DelPicture = new QPushButton("X", ts_additionnal);
    auto* grilleAdd = static_cast<QGridLayout*>(ts_additionnal->layout());
    grilleAdd->addWidget(LogoJoueur, 0, 2, 4, 1);
    auto* boutonsImage = new QHBoxLayout;
    boutonsImage->addWidget(b_AddPicture);
    boutonsImage->addWidget(b_DelPicture);
    grilleAdd->addLayout(boutonsImage, 4, 2);

    auto* carriere = new QVBoxLayout(ts_Carriere);
    ConstruitTotauxCarriere(ts_Carriere);
    sg_Historique = new QTableWidget(1, 7, ts_Carriere);
    sg_Historique->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sg_Historique->setSelectionBehavior(QAbstractItemView::SelectRows);
    sg_Historique->setSelectionMode(QAbstractItemView::SingleSelection);
    sg_Historique->verticalHeader()->hide();
    const int largeurs[7] = {50, 125, 120, 35, 25, 25, 25};
    for (int c = 0; c < 7; ++c)
        sg_Historique->setColumnWidth(c, largeurs[c]);
    carriere->addWidget(sg_Historique);
    bc_Ajouter = new QPushButton(ts_Carriere);
    bc_Effacer = new QPushButton(ts_Carriere);
    auto* boutonsCarriere = new QHBoxLayout;
    boutonsCarriere->addWidget(bc_Ajouter);
    boutonsCarriere->addWidget(bc_Effacer);
    boutonsCarriere->addStretch();
    carriere->addLayout(boutonsCarriere);
    FLignes.resize(1);

    ConstruitPanneauSaison();

    // The detail views take the place of the season panel and the tabs.
    fs_Match = new QScrollArea(this);
    sg_Match = new TColorStringGrid;
    sg_Match->SetAutoResize(false);
    sg_Match->SetSelectionVisible(false);
    sg_Match->setFrameShape(QFrame::NoFrame);
    sg_Match->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Match->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fs_Match->setWidgetResizable(true);
    auto* cadreMatch = new QWidget;
    auto* margeMatch = new QVBoxLayout(cadreMatch);
    margeMatch->addWidget(sg_Match, 0, Qt::AlignHCenter);
    margeMatch->addStretch();
    fs_Match->setWidget(cadreMatch);
    fs_DetailJoueur = new QScrollArea(this);
    fs_DetailJoueur->setWidgetResizable(true);
    auto* cadreGraphe = new QWidget;
    auto* margeGraphe = new QVBoxLayout(cadreGraphe);
    margeGraphe->setContentsMargins(10, 10, 10, 10);
    Graphe = new TGraphHorizontal(cadreGraphe);
    margeGraphe->addWidget(Graphe);
    margeGraphe->addStretch();
    fs_DetailJoueur->setWidget(cadreGraphe);
    for (QScrollArea* vue : {fs_Match, fs_DetailJoueur}) {
        vue->setMinimumHeight(380);
        vue->hide();
    }

    principal->addWidget(FondCopie3);
    principal->addWidget(pc_FicheJoueur);
    principal->addWidget(fs_Match);
    principal->addWidget(fs_DetailJoueur);
    b_RetourFiche = new QPushButton(this);
    b_Valider = new QPushButton(this);
    b_Valider->setDefault(true);
    b_Annuler = new QPushButton(this);
    b_aide = new QPushButton(this);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(b_aide);
    boutons->addWidget(b_RetourFiche);
    boutons->addStretch();
    boutons->addWidget(b_Valider);
    boutons->addWidget(b_Annuler);
    principal->addLayout(boutons);

    connect(b_Valider, &QPushButton::clicked, this, [this] { b_ValiderClick(); });
    connect(b_Annuler, &QPushButton::clicked, this, [this] { SetModalResult(ResultatModal::Annuler); });
    connect(b_RetourFiche, &QPushButton::clicked, this, [this] { b_RetourFicheClick(); });
    connect(e_Nom, &QLineEdit::textChanged, this, [this] { e_NomChange(); });
    connect(e_Prenom, &QLineEdit::textChanged, this, [this] { e_NomChange(); });
    connect(e_Duree, &QLineEdit::textChanged, this, [this] { e_DureeChange(); });
    connect(b_AddPicture, &QPushButton::clicked, this, [this] { b_AddPictureClick(); });
    connect(b_DelPicture, &QPushButton::clicked, this, [this] { b_DelPictureClick(); });
    connect(bc_Ajouter, &QPushButton::clicked, this, [this] { bc_AjouterClick(); });
    connect(bc_Effacer, &QPushButton::clicked, this, [this] { bc_EffacerClick(); });
    connect(pc_FicheJoueur, &QTabWidget::currentChanged, this, [this] { pc_FicheJoueurChange(); });
    connect(cb_ChoixChampStat, &QComboBox::currentIndexChanged, this, [this] { cb_ChoixChampStatChange(); });
    connect(b_ChoixChampStat, &QPushButton::clicked, this, [this] { b_ChoixChampStatClick(); });
    for (int k = 0; k < StatFicheJoueur::NbFigures; ++k)
        connect(BoutonsSaison[k], &QPushButton::clicked, this, [this, k] { s1Click(k + 1); });
    connect(sb_Detail, &QPushButton::clicked, this, [this] { sb_DetailClick(); });
    connect(b_aide, &QPushButton::clicked, this, [this] { b_aideClick(); });
    for (QLineEdit* e : {e_Age, e_Anciennete, e_NumMaillot, e_Taille, e_Poids, e_Duree})
        e->installEventFilter(this);
    Traduit();
    pc_FicheJoueurChange();
}

Tf_FicheJoueur::~Tf_FicheJoueur() = default;

void Tf_FicheJoueur::AjouteChamp(QWidget* page, int ligne, int colonne, int idTexte, QWidget* champ)
{
    auto* label = new QLabel(page);
    FLabels.push_back({label, idTexte});
    auto* grille = static_cast<QGridLayout*>(page->layout());
    grille->addWidget(label, ligne, colonne);
    grille->addWidget(champ, ligne, colonne + 1);
}

void Tf_FicheJoueur::Traduit()
{
    for (const TLabel& l : FLabels)
        l.Label->setText(Q(::Traduit(l.Id)));
    b_RetourFiche->setText(Q(::Traduit(786)));
    b_Valider->setText(Q(::Traduit(29)));
    b_Annuler->setText(Q(::Traduit(125)));
    b_aide->setText(Q(::Traduit(787)));
    sb_Detail->setText(Q(::Traduit(2740)));
    pc_FicheJoueur->setTabText(0, Q(::Traduit(1066)));
    pc_FicheJoueur->setTabText(1, Q(::Traduit(1067)));
    pc_FicheJoueur->setTabText(2, Q(::Traduit(69)));
    bc_Ajouter->setText(Q(::Traduit(932)));
    bc_Effacer->setText(Q(::Traduit(1070)));
    QStringList entetes;
    for (int id : {350, 176, 604, 67, 68, 632, 68})
        entetes << Q(::Traduit(id));
    sg_Historique->setHorizontalHeaderLabels(entetes);
    const int choisi = cb_Poste->currentIndex();
    cb_Poste->clear();
    for (int id : {791, 792, 793, 794})
        cb_Poste->addItem(Q(::Traduit(id)));
    cb_Poste->setCurrentIndex(choisi);
}

bool Tf_FicheJoueur::International() const
{
    return Saison && Saison->ChampCourantInternational();
}

void Tf_FicheJoueur::FormShow()
{
    if (!Saison)
        return;
    FChargement = true;
    FHistoriqueModifie = false;
    FNomModifie = false;
    FJoueurDeplace = false;
    FTrouve = nullptr;
    b_RetourFicheClick();
    PrepareGrilleDetail(*sg_Match, StatFicheJoueur::ColonneDates(*Saison), StatFicheJoueur::ListeMatchs);

    RemplitClubsPrec();
    cb_Nationalite->clear();
    for (int code = 0; code < Saison->Pays().Nombre(); ++code)
        if (!Saison->Pays().GetNom(code).empty())
            cb_Nationalite->addItem(Q(Saison->Pays().GetNom(code)), code);

    FondCopie3->setVisible((Tag & 0x10000) != 0);
    const bool international = International();
    Label29->setVisible(international);
    cb_Actuel->setVisible(international);
    cb_Actuel->clear();
    if (international)
        for (int i = 0; i < Saison->NbEquipe(); ++i)
            cb_Actuel->addItem(Q(Saison->GetNomEquipeIndex(i)), Saison->GetIdEquipe(i));

    if (Joueur) {
        Saison->RecalculeJoueurs();
        AfficheJoueur(*Joueur);
    } else {
        FAffiche = nullptr;
        FTitre = ::Traduit(88);
        setWindowTitle(Q(FTitre));
        e_Nom->clear();
        e_Prenom->clear();
        e_Age->setText(Q(::Traduit(84)));
        AfficheSaisonVide();
        e_NumMaillot->setText("-");
        e_Anciennete->setText((Tag & 0x80000) ? Q(::Traduit(84)) : QString::number(PremiereAnnee(Saison) + 1900));
        e_Duree->setText(Q(::Traduit(84)));
        cb_ClubPrec->setCurrentIndex(-1);
        cb_ClubPrec->setEditText(QString());
        cb_Nationalite->setCurrentIndex(-1);
        cb_Nationalite->setEditText(QString());
        cb_Poste->setCurrentIndex(PosteDefaut >= 0 && PosteDefaut < cb_Poste->count() ? PosteDefaut : -1);
        FLibelleEquipe->setText(Q(Saison->GetNomEquipe(EquipeCarte())));
    }
    pc_FicheJoueur->setCurrentIndex(0);
    pc_FicheJoueurChange();
    e_Nom->setFocus();
    FChargement = false;
}

void Tf_FicheJoueur::RemplitClubsPrec()
{
    cb_ClubPrec->clear();
    for (int i = 0; i < Saison->NbClubPrec(); ++i)
        cb_ClubPrec->addItem(Q(Saison->GetClubPrec(i)), i);
}

void Tf_FicheJoueur::AfficheJoueur(TJoueur& J)
{
    const bool chargement = FChargement;
    FChargement = true;
    FAffiche = &J;
    FLibelleClubs = J.GetLibelleClubs();
    FTitre = TraduitFmt(83, {J.Prenom, J.Nom, FLibelleClubs});
    setWindowTitle(Q(FTitre));
    FLibelleEquipe->setText(Q(FLibelleClubs));
    e_Nom->setText(Q(J.Nom));
    e_Prenom->setText(Q(J.Prenom));
    e_Age->setText(J.Age == 0 ? Q(::Traduit(84)) : QString::number(J.Age));
    const int maillot = International() ? J.MaillotNational : J.Maillot;
    e_NumMaillot->setText(maillot == 0 ? QString("-") : QString::number(maillot));
    const int poste = J.GetNumeroPoste();
    cb_Poste->setCurrentIndex(poste >= 1 && poste <= cb_Poste->count() ? poste - 1 : -1);
    const int pays = IndexObjet(cb_Nationalite, J.CodePays);
    cb_Nationalite->setCurrentIndex(pays);
    if (pays < 0)
        cb_Nationalite->setEditText(QString());
    e_Anciennete->setText(J.Duree == 0 ? Q(::Traduit(84)) : QString::number(J.Duree + 1900));
    if (J.Contrat == 0 || J.Contrat == 99)
        e_Duree->setText("I");
    else if (J.Contrat == 98)
        e_Duree->setText("S");
    else if (J.Contrat <= 90)
        e_Duree->setText(QString::number(J.Contrat));
    else
        e_Duree->clear();
    e_DureeChange();
    // A player taken from another club may have brought a new former club.
    if (cb_ClubPrec->count() != Saison->NbClubPrec())
        RemplitClubsPrec();
    const int club = J.ClubPrec < Saison->NbClubPrec() ? J.ClubPrec : -1;
    cb_ClubPrec->setCurrentIndex(club);
    if (club < 0)
        cb_ClubPrec->setEditText(QString());
    if (International()) {
        const int actuel = IndexObjet(cb_Actuel, J.EquipeClub);
        cb_Actuel->setCurrentIndex(actuel);
        if (actuel < 0)
            cb_Actuel->setEditText(QString());
    }
    e_Taille->setText(J.Taille == 0 ? QString() : QString::number(J.Taille));
    e_Poids->setText(J.Poids == 0 ? QString() : QString::number(J.Poids));
    e_DateComplete->setText(Q(TexteDate(J.DateNaissance)));
    e_SelectionNat->setText(Q(J.SelectionNationale));
    ud_nSelection->setValue(J.nSelectionNationale);
    FLignes.clear();
    const int n = J.NbHistorique();
    sg_Historique->setRowCount(std::max(n, 1));
    FLignes.resize(std::max(n, 1));
    for (int c = 0; c < 7; ++c)
        sg_Historique->setItem(0, c, new QTableWidgetItem);
    for (int i = 0; i < n; ++i)
        AfficheLigneHistorique(i, *J.GetHistorique(i));
    FRetires.clear();
    FImage = J.Image;
    AfficheImage();
    FChargement = chargement;
}

void Tf_FicheJoueur::AfficheLigneHistorique(int Ligne, const TStatHistorique& H)
{
    if (Ligne >= static_cast<int>(FLignes.size()))
        FLignes.resize(Ligne + 1);
    if (sg_Historique->rowCount() <= Ligne)
        sg_Historique->setRowCount(Ligne + 1);
    FLignes[Ligne] = std::make_unique<TStatHistorique>(H);
    const TLectureParam* catalogue = LectureParam();
    const std::string textes[7] = {TexteSaison(H.StatAnnee),
                                   Saison ? Saison->GetClubPrec(H.Equipe) : std::string(),
                                   catalogue ? catalogue->GetNomComplet(H.Division) : std::string(),
                                   std::to_string(H.StatMatch),
                                   std::to_string(H.StatBut),
                                   std::to_string(H.StatMatchInter),
                                   std::to_string(H.StatButInter)};
    TColor fond = 0;
    CouleurLigne(Ligne + 1, fond);
    for (int c = 0; c < 7; ++c) {
        auto* item = new QTableWidgetItem(Q(textes[c]));
        item->setBackground(VersQColor(fond));
        sg_Historique->setItem(Ligne, c, item);
    }
}

const TStatHistorique* Tf_FicheJoueur::HistoriqueLigne(int Ligne) const
{
    return Ligne >= 0 && Ligne < static_cast<int>(FLignes.size()) ? FLignes[Ligne].get() : nullptr;
}

void Tf_FicheJoueur::AfficheImage()
{
    // A missing or undecodable photograph leaves the frame empty; the id stays.
    const TImageManager* images = ImageManager();
    if (FImage > 0 && images) {
        const auto photo = images->ChargeImage(TImageManager::Joueur, FImage);
        LogoJoueur->SetImage(VersGraphique(photo.get(), TGraphique::TGenre::Jpeg));
    } else
        LogoJoueur->SetImage(nullptr);
}

void Tf_FicheJoueur::ConstruitPanneauSaison()
{
    using namespace StatFicheJoueur;
    FondCopie3 = new QWidget(this);
    auto* panneau = new QHBoxLayout(FondCopie3);
    auto* saison = new QGridLayout;
    auto titre = [this](int id) {
        auto* label = new QLabel(FondCopie3);
        QFont gras = label->font();
        gras.setBold(true);
        label->setFont(gras);
        FLabels.push_back({label, id});
        return label;
    };
    Label20 = titre(80);
    saison->addWidget(Label20, 0, 0, 1, 3);
    // Label6 to Label9 and Label22: matches, goals, cautions, sendings-off, assists.
    const int textes[NbFigures] = {67, 68, 103, 104, 299};
    for (int k = 0; k < NbFigures; ++k) {
        auto* legende = new QLabel(FondCopie3);
        FLabels.push_back({legende, textes[k]});
        LabelsSaison[k] = new QLabel("0", FondCopie3);
        BoutonsSaison[k] = new QPushButton("...", FondCopie3);
        BoutonsSaison[k]->setFixedWidth(28);
        saison->addWidget(legende, k + 1, 0);
        saison->addWidget(LabelsSaison[k], k + 1, 1);
        saison->addWidget(BoutonsSaison[k], k + 1, 2);
    }
    sb_Detail = new QPushButton(FondCopie3);
    saison->addWidget(sb_Detail, NbFigures + 1, 0, 1, 3);
    saison->setRowStretch(NbFigures + 2, 1);

    auto* buts = new QGridLayout;
    buts->setVerticalSpacing(2);
    buts->addWidget(titre(1185), 0, 0, 1, 3);
    // First half, second half, home, away, hat-tricks, own goals, penalties
    // scored and missed, best match.
    const int legendes[NbLignesButs] = {1181, 1182, 671, 672, 1183, 816, 981, 301, 1184};
    for (int i = 0; i < NbLignesButs; ++i) {
        auto* legende = new QLabel(FondCopie3);
        FLabels.push_back({legende, legendes[i]});
        auto* place = new QWidget(FondCopie3);
        place->setFixedWidth(62);
        auto* dans = new QHBoxLayout(place);
        dans->setContentsMargins(0, 0, 0, 0);
        Shapes[i] = new QWidget(place);
        Shapes[i]->setAutoFillBackground(true);
        QPalette palette = Shapes[i]->palette();
        palette.setColor(QPalette::Window, VersQColor(static_cast<TColor>(CouleurLigneButs(i))));
        Shapes[i]->setPalette(palette);
        Shapes[i]->setFixedSize(0, 12);
        dans->addWidget(Shapes[i]);
        dans->addStretch();
        LabelsButs[i] = new QLabel("0", FondCopie3);
        buts->addWidget(legende, i + 1, 0);
        buts->addWidget(place, i + 1, 1);
        buts->addWidget(LabelsButs[i], i + 1, 2);
    }
    buts->setRowStretch(NbLignesButs + 1, 1);
    panneau->addLayout(saison);
    panneau->addSpacing(24);
    panneau->addLayout(buts);
    panneau->addStretch();
}

void Tf_FicheJoueur::ConstruitTotauxCarriere(QWidget* page)
{
    auto* ligne = new QHBoxLayout;
    cb_ChoixChampStat = new QComboBox(page);
    cb_ChoixChampStat->setMinimumWidth(200);
    e_Match = new QLineEdit(page);
    e_Buts = new QLineEdit(page);
    for (QLineEdit* e : {e_Match, e_Buts})
        e->setFixedWidth(50);
    UpDown1 = HautBas(page, e_Match, 5000);
    UpDown2 = HautBas(page, e_Buts, 1000);
    b_ChoixChampStat = new QPushButton("+", page);
    b_ChoixChampStat->setFixedWidth(28);
    auto legende = [this, page](int id) {
        auto* label = new QLabel(page);
        FLabels.push_back({label, id});
        return label;
    };
    ligne->addWidget(cb_ChoixChampStat);
    ligne->addWidget(legende(67)); // Label4
    ligne->addWidget(e_Match);
    ligne->addWidget(UpDown1);
    ligne->addWidget(legende(68)); // Label5
    ligne->addWidget(e_Buts);
    ligne->addWidget(UpDown2);
    ligne->addWidget(b_ChoixChampStat);
    ligne->addStretch();
    static_cast<QVBoxLayout*>(page->layout())->addLayout(ligne);
}

void Tf_FicheJoueur::AfficheSaisonVide()
{
    for (QLabel* l : LabelsSaison)
        l->setText("0");
    for (QPushButton* b : BoutonsSaison)
        b->hide();
    sb_Detail->hide();
    for (int i = 0; i < StatFicheJoueur::NbLignesButs; ++i) {
        LabelsButs[i]->setText("0");
        Shapes[i]->setFixedWidth(0);
    }
    const QSignalBlocker bloque(cb_ChoixChampStat);
    cb_ChoixChampStat->clear();
    e_Match->setText("0");
    e_Buts->setText("0");
}

void Tf_FicheJoueur::AfficheVueDetail(QWidget* vue)
{
    b_Valider->hide();
    b_Annuler->hide();
    b_RetourFiche->show();
    FondCopie3->hide();
    pc_FicheJoueur->hide();
    fs_Match->setVisible(vue == fs_Match);
    fs_DetailJoueur->setVisible(vue == fs_DetailJoueur);
}

void Tf_FicheJoueur::cb_ChoixChampStatChange()
{
    const int i = cb_ChoixChampStat->currentIndex();
    if (i >= 0)
        ChangeChampionnatStat(i);
}

void Tf_FicheJoueur::s1Click(int Genre)
{
    if (!Saison || !FAffiche)
        return;
    AfficheVueDetail(fs_Match);
    std::string titre;
    AfficheStatChampionnats(Genre, titre);
    setWindowTitle(Q(titre));
}

void Tf_FicheJoueur::sb_DetailClick()
{
    const TDonneesChampionnat* champ = Saison ? Saison->GetChampCourant() : nullptr;
    if (!champ || !FAffiche)
        return;
    AfficheVueDetail(fs_DetailJoueur);
    Graphe->Remplit(*Saison, *champ, FAffiche->GetEquipe(), FAffiche->Numero);
}

void Tf_FicheJoueur::AfficheStatistiques(int Genre, int NumChamp, int& Ligne, int& Zebre,
                                         const StatFicheJoueur::TFournisseurListe& Fournisseur)
{
    if (!Saison || !FAffiche)
        return;
    std::vector<StatFicheJoueur::TLigneDetail> lignes;
    StatFicheJoueur::AfficheStatistiques(*Saison, *FAffiche, Genre, NumChamp, lignes, Zebre, Fournisseur);
    AjouteLignesDetail(*sg_Match, Ligne, lignes);
}

void Tf_FicheJoueur::b_aideClick()
{
    OuvreSujetAide(DossierAide, "::/html/menueff.htm");
}

void Tf_FicheJoueur::reject()
{
    if (FJoueurDeplace)
        b_ValiderClick();
    else
        TDialogue::reject();
}

void Tf_FicheJoueur::b_RetourFicheClick()
{
    fs_Match->hide();
    fs_DetailJoueur->hide();
    FondCopie3->setVisible((Tag & 0x10000) != 0);
    pc_FicheJoueur->show();
    b_Valider->show();
    b_Annuler->setVisible(!FJoueurDeplace);
    b_RetourFiche->hide();
    setWindowTitle(Q(FTitre));
}

void Tf_FicheJoueur::pc_FicheJoueurChange()
{
    pc_FicheJoueur->setFixedHeight(pc_FicheJoueur->currentWidget() == ts_Carriere ? 401 : 215);
}

void Tf_FicheJoueur::e_DureeChange()
{
    const std::string texte = S(e_Duree->text());
    std::string nouveau = texte;
    if (texte == "s" || texte == "S")
        nouveau = ::Traduit(89);
    else if (texte == "i" || texte == "I")
        nouveau = ::Traduit(84);
    else if (!texte.empty() && texte.find_first_not_of("0123456789") == std::string::npos) {
        const int n = StrToIntDef(texte, -1);
        if (n == 0)
            nouveau = ::Traduit(89);
        else if (n == 1)
            nouveau = ::Traduit(90);
        else if (n >= 2 && n <= 90)
            nouveau = TraduitFmt(91, {n});
    }
    if (nouveau != texte) {
        const QSignalBlocker bloque(e_Duree);
        e_Duree->setText(Q(nouveau));
    }
    e_Duree->selectAll();
}

bool Tf_FicheJoueur::eventFilter(QObject* objet, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(objet);
    if (!edit)
        return TDialogue::eventFilter(objet, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonRelease) {
        if (edit == e_Duree)
            e_Duree->selectAll();
        else if (edit == e_Anciennete) {
            if (e_Anciennete->text() == Q(::Traduit(84)))
                e_Anciennete->selectAll();
            else
                e_Anciennete->setCursorPosition(std::min<int>(4, e_Anciennete->text().size()));
        }
        return TDialogue::eventFilter(objet, event);
    }
    if (event->type() != QEvent::KeyPress)
        return TDialogue::eventFilter(objet, event);
    auto* touche = static_cast<QKeyEvent*>(event);
    const QString t = touche->text();
    const bool retour = touche->key() == Qt::Key_Backspace;
    const bool chiffre = t.size() == 1 && t[0].isDigit();
    // Navigation and editing keys that type nothing go through.
    if (!retour && (t.isEmpty() || !t[0].isPrint()))
        return false;
    if (edit == e_Duree) {
        if (chiffre || t == "i" || t == "I" || t == "s" || t == "S")
            e_Duree->setText(t); // the change handler gives its display form
        return true;
    }
    if (edit == e_Age || edit == e_Anciennete) {
        const bool inconnu = t == "i" || t == "I";
        if (!retour && !chiffre && !inconnu)
            return true;
        if (edit->text() == Q(::Traduit(84)))
            edit->clear();
        if (inconnu) {
            edit->setText(Q(::Traduit(84)));
            return true;
        }
        const int max = edit == e_Age ? 2 : 4;
        return chiffre && edit->text().size() >= max && !edit->hasSelectedText();
    }
    if (edit == e_NumMaillot) {
        if (edit->text() == "-")
            edit->clear();
        if (!retour && !chiffre)
            return true;
        return chiffre && edit->text().size() >= 3 && !edit->hasSelectedText();
    }
    // Height and weight.
    if (!retour && !chiffre)
        return true;
    return chiffre && edit->text().size() >= 4 && !edit->hasSelectedText();
}

void Tf_FicheJoueur::FixeEquipes(TJoueur& J) const
{
    if (International()) {
        J.EquipeNationale = EquipeCarte();
        J.EquipeClub = 65535;
    } else {
        J.EquipeClub = EquipeCarte();
        J.EquipeNationale = 65535;
    }
}

void Tf_FicheJoueur::e_NomChange()
{
    if (FChargement || Joueur || !Saison)
        return;
    TJoueur* ancien = FTrouve;
    FTrouve = nullptr;
    const std::string nom = Trim(S(e_Nom->text())), prenom = Trim(S(e_Prenom->text()));
    if (nom.empty() && prenom.empty())
        return;
    TJoueurs& registre = Saison->Joueurs();
    TJoueur* trouve = registre.ChercheNom(Majuscules(nom), Majuscules(prenom));
    if (!trouve)
        return;
    if (International()) {
        registre.SetEquipeNationale(trouve, EquipeCarte());
        FJoueurDeplace = true;
        b_Annuler->hide();
        Joueur = trouve;
        AfficheJoueur(*trouve);
        return;
    }
    const uint16_t equipe = trouve->EquipeClub;
    if (equipe < 65535 && equipe != EquipeCarte()) {
        const std::string question = TraduitFmt(99, {Saison->GetNomEquipe(equipe)});
        if (MessageUtil(question, BoutonsMessage::Oui | BoutonsMessage::Non) != ReponseMessage::Oui)
            return;
        std::unique_ptr<TJoueur> pris = registre.Retire(trouve);
        if (!pris)
            return;
        const int club = Saison->ChercheClubPrec(Saison->GetNomEquipe(equipe), true);
        pris->ClubPrec = static_cast<uint16_t>(club >= 0 ? club : 65535);
        pris->EquipeClub = EquipeCarte();
        pris->Duree = static_cast<uint8_t>(PremiereAnnee(Saison));
        TListeRenumerotation renum;
        TJoueur* remis = registre.Ajoute(std::move(pris), &renum);
        Saison->AppliqueRenumJoueurs(renum);
        FJoueurDeplace = true;
        b_Annuler->hide();
        Joueur = remis;
        AfficheJoueur(*remis);
        return;
    }
    // Same club or none: he is taken on OK; his data are shown meanwhile.
    if (trouve != ancien)
        AfficheJoueur(*trouve);
    FTrouve = trouve;
}

void Tf_FicheJoueur::b_ValiderClick()
{
    SetModalResult(ResultatModal::Ok);
    if (!Saison)
        return;
    TJoueurs& registre = Saison->Joueurs();
    // A player moved here by the name match is already a change to the season.
    bool change = FJoueurDeplace;
    std::unique_ptr<TJoueur> nouveau;
    TJoueur* J = Joueur;
    // Names as a reopened season gives them back.
    const std::string nom = TexteRelu(S(e_Nom->text())), prenom = TexteRelu(S(e_Prenom->text()));

    if (J) {
        if (cb_Poste->currentIndex() >= 0 && J->GetNumeroPoste() != cb_Poste->currentIndex() + 1)
            change = true;
    } else if (FTrouve) {
        std::unique_ptr<TJoueur> pris = registre.Retire(FTrouve);
        FTrouve = nullptr;
        if (pris) {
            FixeEquipes(*pris);
            TListeRenumerotation renum;
            J = registre.Ajoute(std::move(pris), &renum);
            Saison->AppliqueRenumJoueurs(renum);
            change = true;
        }
    }
    if (!J) {
        if (nom.empty()) {
            Tag = 0;
            return;
        }
        nouveau = Saison->CreeJoueur(nom, prenom, -1, EquipeCarte());
        FixeEquipes(*nouveau);
        nouveau->SetNumeroPoste(PosteDefaut + 1);
        nouveau->Numero = -1;
        J = nouveau.get();
        change = true;
    }

    // A change of names or of club team moves the player in the registry's order.
    bool ordre = false;
    auto ecrit = [&change](auto& champ, auto valeur) {
        using T = std::remove_reference_t<decltype(champ)>;
        if (champ != static_cast<T>(valeur)) {
            champ = static_cast<T>(valeur);
            change = true;
        }
    };
    // A surname left blank keeps the former one: a player without one is
    // dropped when the season is read again.
    if (J->Nom != nom && !nom.empty()) {
        J->Nom = nom;
        FNomModifie = true;
        ordre = true;
        change = true;
    }
    if (J->Prenom != prenom) {
        J->Prenom = prenom;
        ordre = true;
        change = true;
    }
    const std::string inconnu = ::Traduit(84);
    const std::string age = Trim(S(e_Age->text()));
    const int valeurAge = age.empty() || age == inconnu ? 0 : Nombre(age);
    ecrit(J->Age, valeurAge >= 0 && valeurAge <= 255 ? valeurAge : 0);
    const std::string maillotTexte = Trim(S(e_NumMaillot->text()));
    int maillot = maillotTexte == "-" ? 0 : Nombre(maillotTexte);
    if (maillot < 0 || maillot > 255)
        maillot = 0;
    if (International())
        ecrit(J->MaillotNational, maillot);
    else
        ecrit(J->Maillot, maillot);

    cb_ChoixChampStatChange();
    change = EnregistreStatistiques(*J) || change;

    // Arrival year: a four-digit year is stored from 1900; a year the byte
    // cannot hold is unknown.
    const std::string anciennete = Trim(S(e_Anciennete->text()));
    int duree = anciennete.empty() || anciennete == inconnu ? 0 : Nombre(anciennete);
    if (duree >= 1000)
        duree -= 1900;
    if (duree < 0 || duree > 255)
        duree = 0;
    ecrit(J->Duree, duree);

    const std::string clubPrec = NormaliseNom(Trim(S(cb_ClubPrec->currentText())));
    const int club = clubPrec.empty() ? 65535 : Saison->ChercheClubPrec(clubPrec, true);
    ecrit(J->ClubPrec, club >= 0 ? club : 65535);

    if (International()) {
        const std::string actuel = Trim(S(cb_Actuel->currentText()));
        int id = 65535;
        const int i = cb_Actuel->findText(Q(actuel), Qt::MatchFixedString);
        if (i >= 0)
            id = cb_Actuel->itemData(i).toInt();
        else if (!actuel.empty()) {
            id = Saison->AjouteEquipe(actuel, -1, true);
            if (id < 0 || id > 65535)
                id = 65535;
        }
        if (J->EquipeClub != id) {
            J->EquipeClub = static_cast<uint16_t>(id);
            ordre = true;
            change = true;
        }
    }

    const std::string pays = Trim(S(cb_Nationalite->currentText()));
    ecrit(J->CodePays, pays.empty() ? 65535 : Saison->Pays().IndexNom(pays));

    const std::string contrat = Trim(S(e_Duree->text()));
    int valeurContrat = J->Contrat;
    if (contrat.empty() || contrat == inconnu)
        valeurContrat = 99;
    else if (contrat == ::Traduit(89))
        valeurContrat = 98;
    else if (contrat[0] >= '0' && contrat[0] <= '9') {
        valeurContrat = Nombre(contrat.substr(0, contrat.find_first_not_of("0123456789")));
        if (valeurContrat > 90)
            valeurContrat = J->Contrat;
    }
    ecrit(J->Contrat, valeurContrat);

    if (cb_Poste->currentIndex() >= 0 && J->GetNumeroPoste() != cb_Poste->currentIndex() + 1) {
        J->SetNumeroPoste(cb_Poste->currentIndex() + 1);
        ordre = true;
        change = true;
    }
    const int taille = Nombre(S(e_Taille->text())), poids = Nombre(S(e_Poids->text()));
    ecrit(J->Taille, taille >= 0 && taille <= 65535 ? taille : 0);
    ecrit(J->Poids, poids >= 0 && poids <= 65535 ? poids : 0);
    const int date = LitDate(S(e_DateComplete->text()));
    if (J->DateNaissance != date && !(date == 0 && J->DateNaissance == 2)) {
        J->DateNaissance = date;
        change = true;
    }
    change = StockeTexte(J->SelectionNationale, S(e_SelectionNat->text())) || change;
    ecrit(J->nSelectionNationale, ud_nSelection->value());
    ecrit(J->Image, FImage);

    if (FHistoriqueModifie) {
        J->VideHistorique();
        for (const auto& ligne : FLignes)
            if (ligne)
                J->AjouteHistorique(*ligne);
        FRetires.clear();
        change = true;
    }

    TListeRenumerotation renum;
    if (nouveau)
        J = registre.Ajoute(std::move(nouveau), &renum);
    else if (ordre)
        J = registre.ChangeEquipe(J, &renum);
    Saison->AppliqueRenumJoueurs(renum);
    Joueur = J;
    Tag = change ? 1 : 0;
}

void Tf_FicheJoueur::bc_AjouterClick()
{
    if (!Saison)
        return;
    Tf_ajouthist dialogue(this);
    int division = -1;
    if (Joueur) {
        for (int n = 1; n <= Saison->NbChampionnat(); ++n) {
            const TDonneesChampionnat* champ = Saison->GetChampionnat(n);
            if (champ && champ->IndexEquipe(Joueur->GetEquipe()) >= 0) {
                division = champ->GetCode();
                break;
            }
        }
    }
    dialogue.Execute(*Saison, division);
    if (Joueur)
        dialogue.cb_Actuel->setEditText(Q(Saison->GetNomEquipe(Joueur->GetEquipe())));
    for (;;) {
        dialogue.ReinitCompteurs();
        if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
            return;
        int ligne = static_cast<int>(FLignes.size());
        if (FLignes.size() == 1 && !FLignes[0])
            ligne = 0;
        AfficheLigneHistorique(ligne, dialogue.Ligne());
        FHistoriqueModifie = true;
        if (!dialogue.cb_InsereAutre->isChecked())
            return;
        dialogue.ud_Saison->setValue(dialogue.ud_Saison->value() - 1);
    }
}

void Tf_FicheJoueur::bc_EffacerClick()
{
    const int ligne = sg_Historique->currentRow();
    if (!HistoriqueLigne(ligne))
        return;
    FHistoriqueModifie = true;
    FRetires.push_back(*FLignes[ligne]);
    if (FLignes.size() > 1) {
        FLignes.erase(FLignes.begin() + ligne);
        sg_Historique->removeRow(ligne);
        // Rows keep the zebra colour of their place.
        for (int r = ligne; r < static_cast<int>(FLignes.size()); ++r)
            if (FLignes[r])
                AfficheLigneHistorique(r, TStatHistorique(*FLignes[r]));
    } else {
        FLignes[0].reset();
        for (int c = 0; c < 7; ++c)
            sg_Historique->setItem(0, c, new QTableWidgetItem);
    }
}

void Tf_FicheJoueur::b_AddPictureClick()
{
    TImageManager* images = ImageManager();
    if (!images)
        return;
    Tf_ImageManager dialogue(*images, this);
    dialogue.Initialise(TImageManager::Joueur, FImage);
    if (Dialogues().ExecuteModal(dialogue) == ResultatModal::Ok && dialogue.Choisi() > 0) {
        FImage = dialogue.Choisi();
        AfficheImage();
    }
}

void Tf_FicheJoueur::b_DelPictureClick()
{
    FImage = 0;
    AfficheImage();
}

// ---------------------------------------------------------------------------

// ---------------------------------------------------------------------------
// The card's statistics

void Tf_FicheJoueurEx::AfficheJoueur(TJoueur& J)
{
    Tf_FicheJoueur::AfficheJoueur(J);
    if (!Saison)
        return;
    FEntrees = StatFicheJoueur::EntreesCarriere(*Saison, J);
    {
        const QSignalBlocker bloque(cb_ChoixChampStat);
        cb_ChoixChampStat->clear();
        for (const auto& e : FEntrees)
            cb_ChoixChampStat->addItem(Q(e.Nom.empty() ? std::to_string(e.Id) : e.Nom));
        cb_ChoixChampStat->setCurrentIndex(FEntrees.empty() ? -1 : 0);
    }
    FPrecedent = -1;
    e_Match->setText("0");
    e_Buts->setText("0");
    if (!FEntrees.empty())
        ChangeChampionnatStat(0);

    const auto panneau = StatFicheJoueur::CalculePanneau(*Saison, J, NumChampionnat);
    for (int k = 0; k < StatFicheJoueur::NbFigures; ++k) {
        LabelsSaison[k]->setText(Q(panneau.Textes[k]));
        BoutonsSaison[k]->setVisible(panneau.Boutons[k]);
    }
    sb_Detail->setVisible(panneau.Detail);
    const auto buts = StatFicheJoueur::CalculeButs(*Saison, J, NumChampionnat);
    for (int i = 0; i < StatFicheJoueur::NbLignesButs; ++i) {
        Shapes[i]->setFixedWidth(buts.Largeurs[i]);
        LabelsButs[i]->setText(Q(buts.Libelles[i]));
    }
}

void Tf_FicheJoueurEx::ChangeChampionnatStat(int Nouveau)
{
    const int nombre = static_cast<int>(FEntrees.size());
    if (FPrecedent >= 0 && FPrecedent < nombre) {
        FEntrees[FPrecedent].Matchs = Nombre(S(e_Match->text()));
        FEntrees[FPrecedent].Buts = Nombre(S(e_Buts->text()));
    }
    if (Nouveau < 0 || Nouveau >= nombre)
        return;
    e_Match->setText(QString::number(FEntrees[Nouveau].Matchs));
    e_Buts->setText(QString::number(FEntrees[Nouveau].Buts));
    FPrecedent = Nouveau;
}

bool Tf_FicheJoueurEx::EnregistreStatistiques(TJoueur& J)
{
    return Saison && StatFicheJoueur::EnregistreCarriere(*Saison, J, FEntrees);
}

void Tf_FicheJoueurEx::AjouteEntree(const StatFicheJoueur::TEntreeCarriere& Entree)
{
    FEntrees.push_back(Entree);
    const int dernier = static_cast<int>(FEntrees.size()) - 1;
    {
        const QSignalBlocker bloque(cb_ChoixChampStat);
        cb_ChoixChampStat->addItem(Q(Entree.Nom.empty() ? std::to_string(Entree.Id) : Entree.Nom));
    }
    if (cb_ChoixChampStat->currentIndex() == dernier)
        ChangeChampionnatStat(dernier);
    else
        cb_ChoixChampStat->setCurrentIndex(dernier);
}

void Tf_FicheJoueurEx::b_ChoixChampStatClick()
{
    if (!Saison)
        return;
    Tf_ChoixNoeud choix(this);
    choix.RemplitListe(true);
    choix.Reinitialise();
    if (Dialogues().ExecuteModal(choix) != ResultatModal::Ok || choix.Choix < 0)
        return;
    const int id = Saison->GetIdStatChamp(choix.Choix);
    if (id <= 0)
        return;
    // A competition already listed is shown rather than listed twice: two
    // entries of one id would store over each other.
    for (std::size_t i = 0; i < FEntrees.size(); ++i)
        if (FEntrees[i].Id == id) {
            cb_ChoixChampStat->setCurrentIndex(static_cast<int>(i));
            return;
        }
    // A competition of the season shows its computed figures, so an untouched
    // entry stores no correction.
    AjouteEntree(FAffiche ? StatFicheJoueur::EntreeCarriere(*Saison, *FAffiche, id)
                          : StatFicheJoueur::TEntreeCarriere{id, 0, 0, Saison->GetNomStatChamp(id)});
}

void Tf_FicheJoueurEx::AfficheStatChampionnats(int Genre, std::string& Titre)
{
    const TJoueur* J = FAffiche;
    if (!Saison || !J)
        return;
    PrepareGrilleDetail(*sg_Match, StatFicheJoueur::ColonneDates(*Saison), Genre);
    static const int titres[5] = {93, 94, 95, 96, 308};
    Titre = TraduitFmt(titres[std::clamp(Genre, 1, 5) - 1], {J->Prenom, J->Nom, FLibelleClubs});
    sg_Match->SetRowCount(1);
    int ligne = 1, zebre = 0;
    const auto fournisseur = StatFicheJoueur::FournisseurSaison(*Saison);
    for (int n = 1; n <= Saison->NbChampionnat(); ++n)
        if (StatFicheJoueur::AFigures(*J, n))
            AfficheStatistiques(Genre, n, ligne, zebre, fournisseur);
    int largeur = 6;
    for (int c = 0; c < sg_Match->GetColCount(); ++c)
        largeur += sg_Match->GetLargeurColonne(c);
    sg_Match->setFixedSize(largeur, HauteurGrilleDetail(*sg_Match));
}

// ---------------------------------------------------------------------------

bool ExecuteFicheJoueur(TSaison& Saison, int NumChampionnat, TJoueur*& Joueur, int Mode, bool* Change, int PosteDefaut,
                        QWidget* parent)
{
    Tf_FicheJoueurEx fiche(parent);
    fiche.Saison = &Saison;
    fiche.NumChampionnat = NumChampionnat;
    fiche.Tag = Mode;
    fiche.Joueur = Joueur;
    fiche.PosteDefaut = PosteDefaut;
    fiche.DossierAide = DossierAideFiches();
    fiche.FormShow();
    const bool ok = Dialogues().ExecuteModal(fiche) == ResultatModal::Ok;
    if (ok)
        Joueur = fiche.Joueur;
    if (Change)
        *Change = ok && fiche.Tag == 1;
    return ok;
}

void EnregistrePagesFiches()
{
    EnregistreFicheJoueur([](TSaison& saison, int numChampionnat, TJoueur*& joueur, int mode, bool* change) {
        // An opener may ask for a new player's position in the mode's high bits.
        const int poste = (mode >> DecalagePosteDefaut) & 0xF;
        mode &= (1 << DecalagePosteDefaut) - 1;
        if (poste > 0)
            return ExecuteFicheJoueur(saison, numChampionnat, joueur, mode, change, poste - 1);
        return ExecuteFicheJoueur(saison, numChampionnat, joueur, mode, change);
    });
}
