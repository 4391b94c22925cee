#include "pagebase/DefType.h"

#include "base/Disque.h"
#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ColorStringGrid.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "platform/Imprimante.h"
#include "presentation/PageHtml.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPointer>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

// ---------------------------------------------------------------- TFootForm

namespace {
constexpr int TexteQuitterSansValeur = 3521;
} // namespace

TFootForm::TFootForm(QWidget* parent) : QWidget(parent) {}

TFootForm::~TFootForm() = default;

void TFootForm::Imprime()
{
    if (FGrillePage)
        FGrillePage->Imprime();
}

bool TFootForm::ExporteHtml(const std::string& NomFichier)
{
    if (FGrillePage == nullptr)
        return false;
    if (FGrillePage->ExporteHtml(NomFichier, true, TitreDocument()))
        return true;
    SignaleEchecExport(NomFichier);
    return false;
}

bool TFootForm::PeutEtreAbandonnee()
{
    const std::string refus = SaisieRefusee();
    if (refus.empty())
        return PeutEtreQuittee();
    return MessageUtil(refus + "\n" + Traduit(TexteQuitterSansValeur), BoutonsMessage::Oui | BoutonsMessage::Non) ==
           ReponseMessage::Oui;
}

void TFootForm::ImprimeDocument()
{
    TImprimante& imprimante = Imprimante();
    imprimante.SetTitre(TitreDocument());
    Imprime();
    // Another printout (a chart from a dialog) is not this page's.
    imprimante.SetTitre({});
}

std::string TFootForm::TitreDocument() const
{
    std::string titre;
    auto ajoute = [&titre](const std::string& partie) {
        if (!partie.empty())
            titre += (titre.empty() ? "" : " - ") + partie;
    };
    if (const TDonneesChampionnat* champ = Saison != nullptr ? Saison->GetChampCourant() : nullptr) {
        std::string nom = Saison->GetNomCompletChamp(champ->CodeChamp);
        ajoute(nom.empty() ? Saison->GetNomChampDesc(champ->CodeChamp) : nom);
    }
    ajoute(FVue);
    ajoute(EquipeDocument());
    ajoute(JourneeDocument());
    return titre;
}

std::string TFootForm::TexteJournee(int Jour)
{
    constexpr int TexteJournee = 85;
    return Traduit(TexteJournee) + " " + std::to_string(Jour);
}

void SignaleEchecExport(const std::string& NomFichier)
{
    SignaleEchecSauvegarde(NomFichier, CauseEchecEcriture(NomFichier));
}

bool ExportePageImage(const std::string& NomFichier, const std::string& Titre, const QImage& Image,
                      const std::string& Suffixe)
{
    const std::string Echec = EcritPageImage(NomFichier, Titre, Suffixe, [&Image](const std::string& Chemin) {
        return Image.save(QString::fromStdString(Chemin), "PNG");
    });
    if (Echec.empty())
        return true;
    SignaleEchecExport(Echec);
    return false;
}

void TFootForm::Modifie()
{
    if (OnModification)
        OnModification();
}

void TFootForm::Navigue(int code, int param, int param2)
{
    if (OnNavigation)
        OnNavigation(code, param, param2);
}

namespace {

bool EstNom(const std::string& a, const std::string& b)
{
    return AnsiCompareText(a, b) == 0;
}

bool EstParametre(const std::string& ligne)
{
    return ligne.find('=') != std::string::npos;
}

// Args is "output file|template file".
void DecoupeArgs(const std::string& Args, std::string& sortie, std::string& modele)
{
    const size_t barre = Args.find('|');
    sortie = Args.substr(0, barre);
    modele = barre == std::string::npos ? std::string() : Args.substr(barre + 1);
}

size_t DebutNomFichier(const std::string& chemin)
{
    const size_t sep = chemin.find_last_of("/\\");
    return sep == std::string::npos ? 0 : sep + 1;
}

std::string SansGuillemets(const std::string& nom)
{
    if (nom.size() >= 2 && (nom.front() == '"' || nom.front() == '\'') && nom.back() == nom.front())
        return nom.substr(1, nom.size() - 2);
    return nom;
}

bool LitFichierEntier(const std::string& nom, std::string& contenu)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::u8path(nom), ec))
        return false;
    std::ifstream f(std::filesystem::u8path(nom), std::ios::binary);
    if (!f)
        return false;
    std::ostringstream tampon;
    tampon << f.rdbuf();
    contenu += tampon.str();
    return true;
}

void Inclure(const TLignesParam& Params, std::string& Resultat, const std::string& Args)
{
    std::string sortie, modele;
    DecoupeArgs(Args, sortie, modele);
    const std::string dossier = modele.substr(0, DebutNomFichier(modele));
    for (const std::string& ligne : Params) {
        if (EstParametre(ligne))
            continue;
        std::string nom = ligne;
        if (nom.find_first_of("/\\") == std::string::npos)
            nom = dossier + SansGuillemets(nom);
        LitFichierEntier(nom, Resultat);
    }
    if (!Resultat.empty())
        Resultat.insert(0, "##");
}

std::string DateSuffixe(TDateMatch date)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "%02dx%02dx%04d", JourDateMatch(date), MoisDateMatch(date),
                  AnneeDateMatch(date));
    return texte;
}

void AjouteSuffixeNomFichier(const TLignesParam& Params, std::string& Resultat, const std::string& Args,
                             TSaison* Saison)
{
    std::string nom, modele;
    DecoupeArgs(Args, nom, modele);
    // Only a dot of the file name itself marks its extension.
    const size_t debut = DebutNomFichier(nom);
    if (nom.rfind('.') == std::string::npos || nom.rfind('.') < debut)
        return;
    for (const std::string& ligne : Params) {
        if (EstParametre(ligne))
            continue;
        std::string suffixe;
        if (EstNom(Trim(ligne), "NumJournee")) {
            suffixe = "_" + LitParametre("Journee", Params, "0");
        } else if (EstNom(Trim(ligne), "DateJournee")) {
            const TDonneesChampionnat* champ = ChampionnatParametre(Params, Saison);
            if (!champ)
                continue;
            suffixe = "_" + DateSuffixe(champ->GetDateJournee(LitParametreEntier("Journee", Params, 1)));
        } else {
            continue;
        }
        nom.insert(nom.rfind('.'), suffixe);
        Resultat = "#*" + suffixe + "*" + nom;
    }
}

} // namespace

bool TFootForm::MotDeLaPage(std::initializer_list<const char*> Mots, const std::string& Nom, const TLignesParam& Params,
                            std::string& Resultat, const std::string& Args, TSaison* Saison)
{
    for (const char* Mot : Mots)
        if (EstNom(Nom, Mot)) {
            Resultat.clear();
            return true;
        }
    ExecuteFonction(Nom, Params, Resultat, Args, Saison);
    return false;
}

void TFootForm::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison)
{
    Resultat.clear();
    if (EstNom(Nom, "inclure"))
        Inclure(Params, Resultat, Args);
    else if (EstNom(Nom, "AddSuffixeNomFic"))
        AjouteSuffixeNomFichier(Params, Resultat, Args, Saison);
    else
        Ecrire(Nom, Params, Resultat, nullptr, Args, Saison);
}

void TFootForm::Ecrire(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                       const TLignesParam* Liste, const std::string& /*Args*/, TSaison* Saison)
{
    if (!EstNom(Nom, "ecrire"))
        return;
    for (const std::string& ligne : Liste ? *Liste : Params) {
        if (EstParametre(ligne))
            continue;
        const std::string mot = Trim(ligne);
        if (EstNom(mot, "Division")) {
            const int code = LitParametreEntier("DivisionEx", Params, 1);
            if (Saison && Saison->GetNumChampionnatId(code) >= 1)
                Resultat += Saison->GetNomChampDesc(code);
        } else if (EstNom(mot, "NumDivision")) {
            Resultat += LitParametre("DivisionEx", Params, "1");
        } else if (EstNom(mot, "CouleurFond")) {
            Resultat += LitParametre("CouleurFondEx", Params, "");
        } else {
            Resultat += LitParametre(mot, Params, "");
        }
    }
}

// ------------------------------------------------------------ page commands

namespace {
std::map<int, TCommandePage>& CommandesPages()
{
    static std::map<int, TCommandePage> commandes;
    return commandes;
}
} // namespace

void EnregistreCommandePage(int code, TCommandePage f)
{
    if (f)
        CommandesPages()[code] = std::move(f);
    else
        CommandesPages().erase(code);
}

const TCommandePage* CommandePage(int code)
{
    const auto it = CommandesPages().find(code);
    return it == CommandesPages().end() ? nullptr : &it->second;
}

// ---------------------------------------------------------- TGestionFonction

void TGestionFonction::Ajoute(const std::string& Nom, TExecuteFonction Classe, uint8_t Code)
{
    FListe.push_back(TEntree{Nom, Classe, Code});
}

const TGestionFonction::TEntree* TGestionFonction::Get(int i) const
{
    return i >= 0 && i < Count() ? &FListe[static_cast<size_t>(i)] : nullptr;
}

const TGestionFonction::TEntree* TGestionFonction::Cherche(const std::string& Nom) const
{
    for (const auto& e : FListe)
        if (AnsiCompareText(e.Nom, Nom) == 0)
            return &e;
    return nullptr;
}

TGestionFonction& GestionFonction()
{
    static TGestionFonction gestion = [] {
        TGestionFonction g;
        g.Ajoute<TFootForm>("inclure", CodeFonction::Base);
        g.Ajoute<TFootForm>("ecrire", CodeFonction::Base);
        g.Ajoute<TFootForm>("AddSuffixeNomFic", CodeFonction::Base);
        return g;
    }();
    return gestion;
}

// ------------------------------------------------------------------- helpers

namespace {

// The first "name=value" line of that name; nullptr when none.
const std::string* LigneParametre(const std::string& Nom, const TLignesParam& Params)
{
    for (const std::string& ligne : Params) {
        const size_t egal = ligne.find('=');
        if (egal != std::string::npos && AnsiCompareText(std::string_view(ligne).substr(0, egal), Nom) == 0)
            return &ligne;
    }
    return nullptr;
}

std::string ValeurLigne(const std::string& ligne)
{
    return ligne.substr(ligne.find('=') + 1);
}

// Blanks outside quotes go; quoted runs keep theirs, without their quotes.
std::string NettoieElement(const std::string& element)
{
    std::string resultat;
    char guillemet = 0;
    for (const char c : element) {
        if (guillemet != 0) {
            if (c == guillemet)
                guillemet = 0;
            else
                resultat += c;
        } else if (c == '\'' || c == '"') {
            guillemet = c;
        } else if (c != ' ' && c != '\t') {
            resultat += c;
        }
    }
    return resultat;
}

} // namespace

void LitParametre(const std::string& Nom, const TLignesParam& Params, std::string& Valeur, const std::string& Defaut)
{
    const std::string* ligne = LigneParametre(Nom, Params);
    Valeur = ligne ? ValeurLigne(*ligne) : Defaut;
}

std::string LitParametre(const std::string& Nom, const TLignesParam& Params, const std::string& Defaut)
{
    std::string valeur;
    LitParametre(Nom, Params, valeur, Defaut);
    return valeur;
}

int LitParametreEntier(const std::string& Nom, const TLignesParam& Params, int Defaut)
{
    const std::string* ligne = LigneParametre(Nom, Params);
    return ligne ? StrToIntDef(ValeurLigne(*ligne), Defaut) : Defaut;
}

void LitParametreListe(const std::string& Nom, const TLignesParam& Params, TArrayResult& Liste,
                       const std::string& Defaut)
{
    Liste.clear();
    const std::string* ligne = LigneParametre(Nom, Params);
    if (!ligne) {
        Liste.push_back(Defaut);
        return;
    }
    const std::string valeur = ValeurLigne(*ligne);
    if (valeur.empty() || valeur.front() != '[') {
        Liste.push_back(valeur);
        return;
    }
    std::string reste = valeur.substr(1);
    while (!Trim(reste).empty()) {
        const size_t sep = reste.find_first_of(",]");
        const std::string element = Trim(reste.substr(0, sep));
        reste = sep == std::string::npos ? std::string() : reste.substr(sep + 1);
        Liste.push_back(NettoieElement(element));
    }
}

TDonneesChampionnat* ChampionnatParametre(const TLignesParam& Params, TSaison* Saison)
{
    if (!Saison)
        return nullptr;
    const std::string division = LitParametre("Division", Params, "");
    if (division.empty())
        return Saison->GetChampCourant();
    return Saison->GetChampionnatId(StrToIntDef(division, 1));
}

TGardeChampionnat::TGardeChampionnat(const TLignesParam& Params, TSaison* Saison) : Saison_(Saison)
{
    if (Saison_ == nullptr)
        return;
    Precedent_ = Saison_->GetNumChampCourant();
    const std::string Division = Trim(LitParametre("Division", Params, ""));
    if (Division.empty())
        return;
    const int Numero = Saison_->GetNumChampionnatId(StrToIntDef(Division, 1));
    if (Numero >= 1)
        Saison_->SetNumChampCourant(Numero);
}

TGardeChampionnat::~TGardeChampionnat()
{
    if (Saison_ != nullptr)
        Saison_->SetNumChampCourant(Precedent_);
}

TDonneesChampionnat* TGardeChampionnat::Get() const
{
    return Saison_ != nullptr ? Saison_->GetChampCourant() : nullptr;
}

std::vector<std::string> CouleursTableParam(const TLignesParam& Params)
{
    return {LitParametre("CouleurTitre", Params, "#000080"), LitParametre("CouleurLigne1", Params, "#C0C0C0"),
            LitParametre("CouleurLigne2", Params, "#FFFFFF"), LitParametre("FonteTitre", Params, "#F0E020"),
            LitParametre("FonteLigne", Params, "#000000")};
}

namespace {
template <class F> F& Fiche()
{
    static F fiche;
    return fiche;
}

// The card may run another modal form that registers again: the registration
// is copied so that it stays alive while it runs.
template <class F, class... A> bool OuvreFiche(bool* change, A&&... args)
{
    if (change)
        *change = false;
    const F fiche = Fiche<F>();
    return fiche && fiche(std::forward<A>(args)..., change);
}
} // namespace

void EnregistreFicheJoueur(TFicheJoueur fiche)
{
    Fiche<TFicheJoueur>() = std::move(fiche);
}

void EnregistreFicheArbitre(TFicheArbitre fiche)
{
    Fiche<TFicheArbitre>() = std::move(fiche);
}

void EnregistreFicheStade(TFicheStade fiche)
{
    Fiche<TFicheStade>() = std::move(fiche);
}

void EnregistreFicheEntraineur(TFicheEntraineur fiche)
{
    Fiche<TFicheEntraineur>() = std::move(fiche);
}

bool OuvreFicheJoueur(TSaison& saison, int numChampionnat, TJoueur*& joueur, int mode, bool* change)
{
    return OuvreFiche<TFicheJoueur>(change, saison, numChampionnat, joueur, mode);
}

bool OuvreFicheJoueur(TSaison& saison, int numChampionnat, TJoueur*& joueur, int mode, bool* change, int posteDefaut)
{
    const int poste = posteDefaut >= 0 && posteDefaut < 15 ? posteDefaut + 1 : 0;
    return OuvreFicheJoueur(saison, numChampionnat, joueur, mode | (poste << DecalagePosteDefaut), change);
}

bool OuvreFicheArbitre(TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, bool* change)
{
    return OuvreFiche<TFicheArbitre>(change, saison, numChampionnat, arbitre);
}

bool OuvreFicheStade(TSaison& saison, TStade*& stade, bool* change)
{
    return OuvreFiche<TFicheStade>(change, saison, stade);
}

bool OuvreFicheEntraineur(TSaison& saison, TEntraineur*& entraineur, bool* change)
{
    return OuvreFiche<TFicheEntraineur>(change, saison, entraineur);
}

TJoueur* AfficheFicheJoueur(int Id, TSaison* Saison, bool* Change)
{
    if (Change)
        *Change = false;
    if (Id < 1 || !Saison)
        return nullptr;
    TJoueur* joueur = Saison->Joueurs().ChercheId(Id);
    if (!joueur)
        return nullptr;
    const int mode = 0x30000 + (joueur->GetEquipe() & 0xFFFF);
    TJoueur* entree = joueur;
    // The card may move him in the registry: what it hands back is the player.
    if (!OuvreFicheJoueur(*Saison, Saison->GetNumChampCourant(), entree, mode, Change))
        return nullptr;
    return entree ? entree : joueur;
}

namespace {
std::string& DossierAide()
{
    static std::string dossier;
    return dossier;
}
} // namespace

const std::string& DossierAideFiches()
{
    return DossierAide();
}

void SetDossierAideFiches(const std::string& dossier)
{
    DossierAide() = dossier;
}

namespace {

// Keeps an embedded page over the whole of its panel as the panel is resized.
// A child of the page, so it goes with it; a filter, not a layout, so a page
// never imposes its own minimum size on the main window.
class TSuiviPanneau : public QObject {
public:
    TSuiviPanneau(QWidget* fiche, QWidget* panneau) : QObject(fiche), FFiche(fiche), FPanneau(panneau)
    {
        setObjectName(Nom);
        panneau->installEventFilter(this);
    }
    ~TSuiviPanneau() override
    {
        if (FPanneau)
            FPanneau->removeEventFilter(this);
    }

    static constexpr const char* Nom = "SuiviPanneau";
    QWidget* Panneau() const { return FPanneau; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override
    {
        if (objet == FPanneau && event->type() == QEvent::Resize && FFiche->parentWidget() == FPanneau)
            FFiche->setGeometry(FPanneau->contentsRect());
        return false;
    }

private:
    QWidget* FFiche;
    QPointer<QWidget> FPanneau;
};

} // namespace

void IncrusteFiche(QWidget* Fiche, QWidget* Parent)
{
    if (!Fiche || !Parent)
        return;
    if (Fiche->parentWidget() != Parent || Fiche->isWindow())
        Fiche->setParent(Parent, Qt::Widget);
    auto* suivi = Fiche->findChild<TSuiviPanneau*>(TSuiviPanneau::Nom, Qt::FindDirectChildrenOnly);
    if (suivi && suivi->Panneau() != Parent) {
        delete suivi;
        suivi = nullptr;
    }
    if (!suivi)
        new TSuiviPanneau(Fiche, Parent);
    Fiche->setGeometry(Parent->contentsRect());
    Fiche->show();
}

// ----------------------------------------------------------- Tf_ChoixEquipe

namespace {
constexpr int TexteValider = 29;
constexpr int TexteAucuneEquipe = 3291;
constexpr int LargeurCase = 145;
constexpr int PasColonne = 155;
constexpr int PasLigne = 20;
} // namespace

Tf_ChoixEquipe::Tf_ChoixEquipe(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    Fond = new TFondCopie(this);
    if (Dessin() != nullptr)
        Fond->SetModele(Dessin()->FondToutBleu);
    // The boxes and the button lie on the background, not beside it.
    BoutonValider = new TBoutonCopie(Fond);
    if (Dessin() != nullptr)
        BoutonValider->SetModele(Dessin()->BoutonOrange);
}

void Tf_ChoixEquipe::Prepare(TSaison& Saison, const std::string& Titre, int Exclue, int Equipe)
{
    const TDonneesChampionnat* champ = Saison.GetChampCourant();
    const int n = champ ? champ->GetNbEquipe() : 0;
    setWindowTitle(QString::fromStdString(Titre));

    if (Equipe + 1 == Exclue)
        Equipe = Exclue == 1 ? 1 : 0;
    for (TCarreCoche* c : Cases)
        delete c;
    Cases.clear();
    std::vector<std::string> noms;
    for (int i = 0; i < n; ++i)
        noms.push_back(Saison.GetNomEquipeChamp(i));
    for (int i = 0; i < n; ++i) {
        auto* c = new TCarreCoche(Fond);
        QPalette palette = c->palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        c->setPalette(palette);
        c->SetGroupe(0);
        c->SetCaption(noms[i]);
        c->SetChecked(i == Equipe);
        c->setEnabled(i + 1 != Exclue);
        Cases.push_back(c);
    }
    // Three columns as wide as the longest name asks (the box takes 25 pixels
    // before it), never narrower than 145; the dialog widens with them.
    const int largeurCase = Cases.empty() ? LargeurCase : std::max(LargeurCase, LargeurTextes(*Cases[0], noms) + 27);
    const int pas = largeurCase + PasColonne - LargeurCase;
    const int largeur = std::max(480, 3 * pas + 2 * 10 - (PasColonne - LargeurCase));
    for (int i = 0; i < n; ++i) {
        Cases[i]->setGeometry(i % 3 * pas + 10, i / 3 * PasLigne + 5, largeurCase, 17);
        Cases[i]->show();
    }
    const int hauteur = (n - 1) / 3 * PasLigne + 60;
    setFixedSize(largeur, hauteur);
    Fond->setGeometry(0, 0, largeur, hauteur);

    QFont gras = BoutonValider->font();
    gras.setBold(true);
    BoutonValider->setFont(gras);
    BoutonValider->SetCaption(Traduit(TexteValider));
    BoutonValider->SetDecalY(-3);
    BoutonValider->SetCouleur(0);
    BoutonValider->SetCouleurOver(0xFF8000);
    // Validated with no box ticked, the dialog stays: the caller would show
    // an empty page for want of a team.
    BoutonValider->OnClick = [this] {
        if (EquipeChoisie() >= 0)
            SetModalResult(ResultatModal::Ok);
        else
            MessageUtil(Traduit(TexteAucuneEquipe), BoutonsMessage::Ok);
    };
    BoutonValider->SetDefault(true);
    const int largeurBouton = LargeurCadrePour(*BoutonValider, {BoutonValider->Caption()}, 80);
    BoutonValider->setGeometry((largeur - largeurBouton) / 2 - 4, (n - 1) / 3 * PasLigne + 30, largeurBouton, 25);
    BoutonValider->raise();
}

int Tf_ChoixEquipe::EquipeChoisie() const
{
    for (size_t i = 0; i < Cases.size(); ++i)
        if (Cases[i]->Checked())
            return static_cast<int>(i);
    return -1;
}

bool Tf_ChoixEquipe::Choisir(TSaison* Saison, const std::string& Titre, int Exclue, int& Equipe, QWidget* parent)
{
    if (!Saison || !Saison->GetChampCourant())
        return false;
    Tf_ChoixEquipe dialogue(parent ? parent : QApplication::activeWindow());
    dialogue.Prepare(*Saison, Titre, Exclue, Equipe);
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok)
        return false;
    const int choisie = dialogue.EquipeChoisie();
    if (choisie < 0)
        return false;
    Equipe = choisie;
    return true;
}
