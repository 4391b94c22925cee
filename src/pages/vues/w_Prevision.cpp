#include "pages/vues/w_Prevision.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/vues/w_FicheMatch.h"
#include "platform/Couleurs.h"
#include "presentation/ResultatsJournee.h"
#include "presentation/VuesPrevision.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {

enum : int {
    TexteVoirFiche = 1051,
    TexteInfluence = 1052,
    TexteFormeSur = 1053,
    TexteDerniersMatchs = 1054,
    TextePerformanceSur = 1055,
    TexteDerniersLieu = 1056,
    TexteHistoriqueSur = 1057,
    TexteDernieresAnnees = 1058,
    TexteVisualiser = 1059,
    TexteVoir = 1060,
};

constexpr const char* Section = "General";

// The settings: key, default and range, in the file's order.
struct TCleReglage {
    const char* Cle;
    int Defaut;
    int Min;
    int Max;
};
constexpr std::array<TCleReglage, 6> Cles{{{"Prevision1", 40, 0, 100},
                                           {"Prevision2", 5, 1, 50},
                                           {"Prevision3", 40, 0, 100},
                                           {"Prevision4", 5, 1, 50},
                                           {"Prevision5", 20, 0, 100},
                                           {"Prevision6", 10, 1, 100}}};

QString Q(const std::string& S)
{
    return QString::fromStdString(S);
}

QLabel* Etiquette(QWidget* Parent, int Texte)
{
    auto* L = new QLabel(Q(Traduit(Texte)), Parent);
    TexteClair(L);
    return L;
}

} // namespace

Tf_Prevision::Tf_Prevision(QWidget* parent) : TFootForm(parent)
{
    QVBoxLayout* Page = PageDefilante(*this);
    QWidget* Contenu = Page->parentWidget();

    // The day.
    auto* Jour = new QHBoxLayout;
    Label7 = new QLabel(Contenu);
    StyleTexteJaune(Label7);
    TrackBar1 = new QSlider(Qt::Horizontal, Contenu);
    TrackBar1->setMinimum(1);
    TrackBar1->setMinimumWidth(160);
    connect(TrackBar1, &QSlider::valueChanged, this, [this] { TrackBar1Change(); });
    Jour->addWidget(Label7);
    Jour->addStretch(1);
    Jour->addWidget(TrackBar1, 1);
    Page->addLayout(Jour);

    sg_Classement = new TColorStringGrid(Contenu);
    sg_Classement->SetAutoResize(false);
    sg_Classement->SetSelectionVisible(false);
    sg_Classement->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sg_Classement->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetGrillePage(sg_Classement);
    Page->addWidget(sg_Classement, 0, Qt::AlignLeft);

    // The pre-match sheet of a fixture.
    auto* Fiche = new QHBoxLayout;
    Label9 = Etiquette(Contenu, TexteVoirFiche);
    cb_Matchs = new QComboBox(Contenu);
    cb_Matchs->setMinimumContentsLength(14);
    // Long club names must not widen the page: the list drops down wider.
    cb_Matchs->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    bc_Voir = BoutonTexte(Contenu, TexteVoir);
    bc_Voir->OnClick = [this] { bc_VoirClick(); };
    Fiche->addWidget(Label9);
    Fiche->addWidget(cb_Matchs, 1);
    Fiche->addWidget(bc_Voir);
    Page->addLayout(Fiche);

    // The settings.
    FondCopie1 = new TFondCopie(Contenu);
    FondCopie1->SetModele(Dessin() ? Dessin()->Fond("FondCarrebleu") : nullptr);
    auto* Reglages = new QGridLayout(FondCopie1);
    Reglages->setContentsMargins(10, 8, 10, 8);
    Label2 = new QLabel(Q(Traduit(TexteInfluence)), FondCopie1);
    StyleTexteJaune(Label2);
    Reglages->addWidget(Label2, 0, 0, 1, 5);
    const auto NouvelleBoite = [this](int Index) {
        auto* S = new QSpinBox(FondCopie1);
        const TCleReglage& C = Cles[static_cast<size_t>(Index)];
        S->setRange(C.Min, C.Max);
        S->setValue(C.Defaut);
        return S;
    };
    ud_PourcForme = NouvelleBoite(0);
    ud_nMatchForme = NouvelleBoite(1);
    ud_PourcPerf = NouvelleBoite(2);
    ud_nbrenc = NouvelleBoite(3);
    ud_PourcHist = NouvelleBoite(4);
    ud_nRenc = NouvelleBoite(5);
    const std::array<std::array<QWidget*, 4>, 3> Lignes{{
        {ud_PourcForme, Etiquette(FondCopie1, TexteFormeSur), ud_nMatchForme,
         Etiquette(FondCopie1, TexteDerniersMatchs)},
        {ud_PourcPerf, Etiquette(FondCopie1, TextePerformanceSur), ud_nbrenc, Etiquette(FondCopie1, TexteDerniersLieu)},
        {ud_PourcHist, Etiquette(FondCopie1, TexteHistoriqueSur), ud_nRenc,
         Etiquette(FondCopie1, TexteDernieresAnnees)},
    }};
    for (int R = 0; R < 3; ++R)
        for (int C = 0; C < 4; ++C)
            Reglages->addWidget(Lignes[static_cast<size_t>(R)][static_cast<size_t>(C)], R + 1, C);
    // The long ends of the lines wrap on a narrow page rather than widen the panel past it.
    for (const auto& Ligne : Lignes)
        static_cast<QLabel*>(Ligne[3])->setWordWrap(true);
    Reglages->setColumnStretch(4, 1);
    bc_Visualiser = BoutonTexte(FondCopie1, TexteVisualiser);
    bc_Visualiser->OnClick = [this] { bc_VisualiserClick(); };
    Reglages->addWidget(bc_Visualiser, 4, 0, 1, 5, Qt::AlignRight);
    Page->addWidget(FondCopie1);
    Page->addStretch(1);
}

Tf_Prevision::~Tf_Prevision()
{
    EcritReglages();
    delete FFiche;
    FFiche = nullptr;
    RestaureJournee();
}

TDonneesChampionnat* Tf_Prevision::Championnat() const
{
    if (Saison == nullptr || FChamp == nullptr)
        return nullptr;
    for (int N = 1; N <= Saison->NbChampionnat(); ++N)
        if (Saison->GetChampionnat(N) == FChamp)
            return FChamp;
    return nullptr;
}

Prevision::TReglages Tf_Prevision::Reglages() const
{
    Prevision::TReglages R;
    R.PoidsForme = ud_PourcForme->value();
    R.NbMatchForme = ud_nMatchForme->value();
    R.PoidsPerf = ud_PourcPerf->value();
    R.NbMatchPerf = ud_nbrenc->value();
    R.PoidsHistorique = ud_PourcHist->value();
    R.NbRencontres = ud_nRenc->value();
    return R;
}

void Tf_Prevision::Initialise(TStat* Archive, const std::string& FichierIni)
{
    FArchive = Archive;
    FFichierIni = FichierIni;
    FChamp = Saison != nullptr ? Saison->GetChampCourant() : nullptr;
    if (FChamp == nullptr)
        return;
    FJourInitial = FChamp->NbJournee;
    const TFichierIni Ini(FichierIni);
    QSpinBox* const Boites[] = {ud_PourcForme, ud_nMatchForme, ud_PourcPerf, ud_nbrenc, ud_PourcHist, ud_nRenc};
    for (size_t I = 0; I < Cles.size(); ++I)
        Boites[I]->setValue(Ini.ReadInteger(Section, Cles[I].Cle, Cles[I].Defaut));
    const int NbJour = std::max(FChamp->GetNbJour(), 1);
    const int Jour = std::clamp(FJourInitial + 1, 1, NbJour);
    FChamp->NbJournee = static_cast<uint8_t>(std::min(Jour, 255));
    FJourRestaure = false;
    {
        const QSignalBlocker Bloque(TrackBar1);
        TrackBar1->setMaximum(NbJour);
        TrackBar1->setValue(Jour);
    }
    Label7->setText(Q(TResultatsJournee::GetTitreJournee(*Saison)));
    CalculePrevision(FChamp->NbJournee);
}

void Tf_Prevision::CalculePrevision(int Jour)
{
    const TDonneesChampionnat* Champ = Championnat();
    if (Champ == nullptr)
        return;
    std::vector<VuesPrevision::TMatchListe> Matchs;
    VuesPrevision::RemplitPrevision(*sg_Classement, *Saison, *Champ, Jour, Reglages(), FArchive, &Matchs);
    cb_Matchs->clear();
    for (const VuesPrevision::TMatchListe& M : Matchs)
        cb_Matchs->addItem(Q(M.Texte), M.Index);
    if (cb_Matchs->count() > 0)
        cb_Matchs->setCurrentIndex(0);
    PlaceGrille();
}

void Tf_Prevision::PlaceGrille()
{
    sg_Classement->AjusteColonnesAuTexte();
    sg_Classement->setFixedSize(sg_Classement->LargeurContenu() + 2, sg_Classement->HauteurContenu() + 2);
    sg_Classement->Redimensionne();
}

void Tf_Prevision::bc_VisualiserClick()
{
    if (const TDonneesChampionnat* Champ = Championnat())
        CalculePrevision(Champ->NbJournee);
}

void Tf_Prevision::TrackBar1Change()
{
    TDonneesChampionnat* Champ = Championnat();
    if (Champ == nullptr || TrackBar1->value() == Champ->NbJournee)
        return;
    Champ->NbJournee = static_cast<uint8_t>(std::clamp(TrackBar1->value(), 1, 255));
    Label7->setText(Q(TResultatsJournee::GetTitreJournee(*Saison)));
    CalculePrevision(Champ->NbJournee);
}

void Tf_Prevision::bc_VoirClick()
{
    if (cb_Matchs->currentIndex() < 0 || Championnat() == nullptr)
        return;
    if (FFiche == nullptr) {
        FFiche = new Tf_FicheMatch(this);
        FFiche->setWindowFlag(Qt::Window);
        FFiche->resize(640, 560);
        FFiche->Principale = Principale;
        FFiche->AppDir = AppDir;
        FFiche->OnNavigation = OnNavigation;
    }
    FFiche->Saison = Saison;
    FFiche->Afficher(FArchive, 3, cb_Matchs->currentData().toInt() + 1);
    FFiche->show();
}

void Tf_Prevision::closeEvent(QCloseEvent* event)
{
    if (FFiche != nullptr && FFiche->isVisible()) {
        event->ignore();
        return;
    }
    TFootForm::closeEvent(event);
}

void Tf_Prevision::hideEvent(QHideEvent* event)
{
    TFootForm::hideEvent(event);
    if (!event->spontaneous())
        RestaureJournee();
}

void Tf_Prevision::showEvent(QShowEvent* event)
{
    TFootForm::showEvent(event);
    // Shown again (back in the history): the day of the track bar is current again.
    if (!event->spontaneous() && FJourRestaure && FChamp != nullptr) {
        if (TDonneesChampionnat* Champ = Championnat()) {
            Champ->NbJournee = static_cast<uint8_t>(std::clamp(TrackBar1->value(), 1, 255));
            FJourRestaure = false;
        }
    }
}

void Tf_Prevision::RestaureJournee()
{
    if (FJourRestaure)
        return;
    FJourRestaure = true;
    if (TDonneesChampionnat* Champ = Championnat())
        Champ->NbJournee = static_cast<uint8_t>(FJourInitial);
}

void Tf_Prevision::EcritReglages()
{
    if (FFichierIni.empty())
        return;
    TFichierIni Ini(FFichierIni);
    const QSpinBox* const Boites[] = {ud_PourcForme, ud_nMatchForme, ud_PourcPerf, ud_nbrenc, ud_PourcHist, ud_nRenc};
    bool Ecrit = true;
    for (size_t I = 0; I < Cles.size(); ++I)
        Ecrit = Ini.WriteInteger(Section, Cles[I].Cle, Boites[I]->value()) && Ecrit;
    if (!Ecrit)
        SignaleEchecReglages(FFichierIni);
}

// ------------------------------------------------------------------ keyword

void Tf_Prevision::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                   const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"prevision"}, Nom, Params, Resultat, Args, Saison))
        return;
    TGardeChampionnat Garde(Params, Saison);
    const TDonneesChampionnat* Champ = Garde.Get();
    if (Champ == nullptr)
        return;
    const int Jour = LitParametreEntier("Journee", Params, 1) + 1;
    if (Jour < 1 || Jour > Champ->GetNbJour())
        return;
    TModeleGrille Grille;
    VuesPrevision::RemplitPrevision(Grille, *Saison, *Champ, Jour, Prevision::TReglages{}, nullptr);
    Grille.SetFixedCols(0);
    Resultat = Grille.GetTableHtml(CouleursTableParam(Params));
}

void EnregistrePagesPrevision()
{
    EnregistreCommandePage(Commande::Prevision,
                           TCommandePage([](TPrincipale& Principale, int, int, int) -> TReponsePage {
                               TDonneesChampionnat* Champ = ChampionnatFicheMatch(Principale);
                               if (Champ == nullptr)
                                   return TReponsePage::Aucun();
                               TStat* Archive = ArchiveChampionnat(Principale, *Champ);
                               auto* Page = PageCommande<Tf_Prevision>(Principale);
                               if (Page == nullptr)
                                   return TReponsePage::Aucun();
                               Page->Initialise(Archive, Principale.GetFichierIni());
                               return {};
                           }));
    static const bool MotCle = [] {
        GestionFonction().Ajoute<Tf_Prevision>("Prevision", CodeFonction::Championnat);
        return true;
    }();
    (void)MotCle;
}
