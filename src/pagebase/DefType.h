#pragma once

// The page base class, what pages and dialogs see of the main window, the
// registry of page factories by command code and the one registry of the
// template keywords, with the small routines every page shares: zebra row
// colours, template parameter readers, the player-card shortcut and the
// run-time team chooser.

#include "base/Utilities.h"
#include "controls/Graphe.h" // SauveGraphePng
#include "platform/Dialogues.h"
#include "presentation/ModeleGraphe.h" // TCouleurs, CouleursPoint, CouleursPointEx
#include "presentation/ModeleGrille.h" // CouleurLigne, CouleurLigneSelection

#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <typeindex>
#include <vector>

class QImage;

class TBarreEtat;
class TBoutonCopie;
class TCarreCoche;
class TColorStringGrid;
class TFondCopie;
class TDonneesChampionnat;
struct TEtatMenu;
class TFootForm;
class TEntraineur;
class TJoueur;
class TPersonnelStat;
class TSaison;
class TStade;
class TStats;

// How the main window makes a page: the page's class, to know whether the
// shown page can be reused, and its factory.
struct TClassePage {
    std::type_index Type;
    std::function<TFootForm*(QWidget* parent)> Cree;
};

template <class P> TClassePage ClassePage()
{
    return TClassePage{std::type_index(typeid(P)), [](QWidget* parent) -> TFootForm* { return new P(parent); }};
}

// What pages and dialogs need of the main window.
class TPrincipale {
public:
    virtual ~TPrincipale() = default;

    virtual TSaison* GetSaison() = 0;              // the open season or nullptr (not owned)
    virtual std::string GetFichierIni() const = 0; // AppDir + "brevalune.ini"
    virtual void SignaleModification() = 0;        // marks the document modified
    virtual void RemplitChampionnats() = 0;
    virtual void Navigue(int code, int param, int param2) = 0; // a command run as a navigation
    virtual TStats* GetStats() = 0;                            // past-seasons archive, may be nullptr
    virtual void AfficheCommandeImprimer() = 0;
    virtual void ReinitAutoSave() = 0;
    virtual TBarreEtat* GetBarreEtat() = 0; // may be nullptr
    virtual TFootForm* GetPageCourante() = 0;
    virtual TFootForm* AfficheFenetre(const TClassePage& classe) = 0;
    // Opens a season file through the window's open road; false when it failed.
    virtual bool OuvreFichier(const std::string& nom) = 0;
    virtual const std::string& GetDossierAide() const = 0; // the help pages of the language
    virtual const TEtatMenu& GetEtatMenu() const = 0;      // favourites, shown commands, menu kinds
    // The remembered selections of the team-statistics (0), general-information
    // (1) and history (2) pages: -1 for none, and for any other family.
    virtual int Selection(int famille) const = 0;
    virtual void SetSelection(int famille, int valeur) = 0; // other families: nothing
    // Shows the current command's page again, refilled from the season.
    virtual void ReafficheCommande() {}
};

// Template keyword parameters: "name=value" lines are parameters, lines
// without "=" the words of the keyword's body.
using TLignesParam = std::vector<std::string>;
using TArrayResult = std::vector<std::string>;

// A page class's keyword dispatcher (its static ExecuteFonction).
using TExecuteFonction = void (*)(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                  const std::string& Args, TSaison* Saison);

// Base of every page the main window shows in its page area.
class TFootForm : public QWidget {
    Q_OBJECT
public:
    explicit TFootForm(QWidget* parent = nullptr);
    ~TFootForm() override;

    TSaison* Saison = nullptr;         // not owned
    TPrincipale* Principale = nullptr; // not owned
    std::string AppDir;
    int Tag = 0;
    std::function<void()> OnModification;
    std::function<void(int code, int param, int param2)> OnNavigation;

    // Printing and HTML export: a grid page names its grid (SetGrillePage) and
    // the grid is printed and exported as a whole HTML page; other pages that
    // print override them. Nothing by default. ExporteHtml answers whether it
    // wrote the page; a file it could not write is told to the user, with the
    // reason (SignaleEchecExport). Both title what they make TitreDocument().
    virtual void Imprime();
    virtual bool ExporteHtml(const std::string& NomFichier);
    virtual bool Imprimable() const { return FGrillePage != nullptr; }
    // Whether ExporteHtml writes something of what the page shows; a page
    // that prints has an HTML rendering unless it says otherwise.
    virtual bool ExportableHtml() const { return Imprimable(); }
    void SetGrillePage(TColorStringGrid* grille) { FGrillePage = grille; }

    // The print command's road: Imprime under the page's title.
    void ImprimeDocument();
    // The view as the main window names it (the command that shows the page).
    void SetVue(const std::string& Vue) { FVue = Vue; }
    const std::string& Vue() const { return FVue; }
    // What a printout or an exported page is titled: the championship, the
    // view, for a page of one team the team and, for a page of one day's
    // figures, the day, dash-separated.
    std::string TitreDocument() const;
    // The team of a page of one team's figures; empty for others.
    virtual std::string EquipeDocument() const { return {}; }
    // The day of a page of one day's figures ("Journée 12"); empty for others.
    virtual std::string JourneeDocument() const { return {}; }
    // "Journée" and the day's number.
    static std::string TexteJournee(int Jour);
    // Commits an entry the user has half typed, before the page is left.
    virtual void ValideSaisieEnCours() {}
    // Asked after the commit by every road that leaves or replaces the page:
    // false keeps the user on it, told why (a value it cannot write).
    virtual bool PeutEtreQuittee() { return true; }
    // Asked instead by the roads that leave the whole season (quit, close,
    // open, new): a value the page cannot write may be given up there. The
    // user is asked: true (Yes) leaves the page without it, what the season
    // held in its place staying; false (No) keeps him on it.
    bool PeutEtreAbandonnee();
    // The message naming a typed value the page cannot write (kept on screen,
    // written nowhere), empty when none.
    virtual std::string SaisieRefusee() const { return {}; }

    // Fires OnModification; pages call it after every change to the season.
    void Modifie();
    // Fires OnNavigation when assigned.
    void Navigue(int code, int param = 0, int param2 = 0);

    // The base keywords "inclure" and "AddSuffixeNomFic"; anything else goes
    // to Ecrire. A page class hides it with its own static ExecuteFonction,
    // falling back to this one. Args is "output file|template file".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);
    // How a page's ExecuteFonction begins: true, with Resultat cleared, when
    // Nom is one of the page's keywords (any case); otherwise this base
    // answers Nom and false is returned.
    static bool MotDeLaPage(std::initializer_list<const char*> Mots, const std::string& Nom, const TLignesParam& Params,
                            std::string& Resultat, const std::string& Args, TSaison* Saison);
    // The keyword "ecrire": words of Liste when given, else of Params.
    static void Ecrire(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                       const TLignesParam* Liste, const std::string& Args, TSaison* Saison);

private:
    TColorStringGrid* FGrillePage = nullptr; // a child of the page
    std::string FVue;
};

// A page that could not be written under NomFichier: the name and why.
void SignaleEchecExport(const std::string& NomFichier);

// A chart's page (see EcritPageImage): Image saved as PNG beside the page,
// under the page's name and Suffixe. A file that cannot be written, the
// picture or the page, is told by its own name.
bool ExportePageImage(const std::string& NomFichier, const std::string& Titre, const QImage& Image,
                      const std::string& Suffixe);

// What a page command answers: whether it showed a view (a cancelled chooser
// shows none: the history and the tree selection stay as they were) and,
// when it showed something else than the parameters it was given (the team or
// day chosen), those parameters: they are what the history records and what
// back and forward replay.
struct TReponsePage {
    bool Montre = true;
    std::optional<int> Param;
    std::optional<int> Param2;

    static TReponsePage Aucun() { return TReponsePage{false, std::nullopt, std::nullopt}; }
    static TReponsePage Avec(int param) { return TReponsePage{true, param, std::nullopt}; }
};

// Page factories by command code: the command table reaches the pages through it.
using TCommandePage = std::function<TReponsePage(TPrincipale& principale, int code, int param, int param2)>;
void EnregistreCommandePage(int code, TCommandePage f); // the last registration wins
const TCommandePage* CommandePage(int code);            // nullptr when no page for that code

// A command's own answer as a TReponsePage: nothing (shown), a bool (shown or
// not) or a TReponsePage.
template <class F, class... A> TReponsePage ReponseCommande(F& f, A&&... args)
{
    using R = std::invoke_result_t<F&, A...>;
    if constexpr (std::is_void_v<R>) {
        f(std::forward<A>(args)...);
        return {};
    } else if constexpr (std::is_same_v<R, bool>) {
        return f(std::forward<A>(args)...) ? TReponsePage{} : TReponsePage::Aucun();
    } else {
        return f(std::forward<A>(args)...);
    }
}

// Commands that answer nothing or a bool.
template <class F>
requires(!std::is_same_v<std::invoke_result_t<F&, TPrincipale&, int, int, int>,
                         TReponsePage>) void EnregistreCommandePage(int code, F f)
{
    EnregistreCommandePage(
        code, TCommandePage([f = std::move(f)](TPrincipale& principale, int code, int param, int param2) mutable {
            return ReponseCommande(f, principale, code, param, param2);
        }));
}

// The page of class P for a command: with Reutilise the shown page when it
// already is a P, else a new one; nullptr when none could be shown.
template <class P> P* PageCommande(TPrincipale& principale, bool reutilise = false)
{
    if (reutilise)
        if (auto* page = dynamic_cast<P*>(principale.GetPageCourante()))
            return page;
    return dynamic_cast<P*>(principale.AfficheFenetre(ClassePage<P>()));
}

// Registers page class P for the codes in one line: the page is found as
// PageCommande does, then Affiche(page, principale, code) or
// Affiche(page, principale, code, param) shows the command on it and answers
// as ReponseCommande reads it.
template <class P, class F> void EnregistrePage(std::initializer_list<int> codes, F affiche, bool reutilise = false)
{
    for (int code : codes)
        EnregistreCommandePage(code, TCommandePage([affiche, reutilise](TPrincipale& principale, int code, int param,
                                                                        int /*param2*/) mutable {
                                   P* page = PageCommande<P>(principale, reutilise);
                                   if (page == nullptr)
                                       return TReponsePage::Aucun();
                                   if constexpr (std::is_invocable_v<F&, P&, TPrincipale&, int, int>)
                                       return ReponseCommande(affiche, *page, principale, code, param);
                                   else
                                       return ReponseCommande(affiche, *page, principale, code);
                               }));
}

// Keyword groups.
namespace CodeFonction {
constexpr uint8_t Journee = 0;
constexpr uint8_t Championnat = 1;
constexpr uint8_t Equipe = 2;
constexpr uint8_t Listes = 3;
constexpr uint8_t Match = 4;
constexpr uint8_t Base = 5;
} // namespace CodeFonction

// Which page class answers which template keyword.
class TGestionFonction {
public:
    struct TEntree {
        std::string Nom;
        TExecuteFonction Classe = nullptr;
        uint8_t Code = 0;
    };

    // A name may be registered twice.
    void Ajoute(const std::string& Nom, TExecuteFonction Classe, uint8_t Code);
    template <class P> void Ajoute(const std::string& Nom, uint8_t Code) { Ajoute(Nom, &P::ExecuteFonction, Code); }

    int Count() const { return static_cast<int>(FListe.size()); }
    const TEntree* Get(int i) const;
    // The first entry of that name (case ignored), nullptr when none.
    const TEntree* Cherche(const std::string& Nom) const;

private:
    std::vector<TEntree> FListe;
};

// The one registry; holds the base keywords from its first use on.
TGestionFonction& GestionFonction();

// Template parameter readers; names are compared without regard to case.
void LitParametre(const std::string& Nom, const TLignesParam& Params, std::string& Valeur, const std::string& Defaut);
std::string LitParametre(const std::string& Nom, const TLignesParam& Params, const std::string& Defaut = "");
int LitParametreEntier(const std::string& Nom, const TLignesParam& Params, int Defaut);
void LitParametreListe(const std::string& Nom, const TLignesParam& Params, TArrayResult& Liste,
                       const std::string& Defaut);
// The championship of parameter "Division" (not an integer: id 1), the
// current one when it is missing or empty; nullptr when there is none.
TDonneesChampionnat* ChampionnatParametre(const TLignesParam& Params, TSaison* Saison);

// The championship of a keyword call, made current for the call: "Division"
// empty or missing means the current one, a value that is not a number id 1,
// an id naming no championship leaves the current one. The championship that
// was current before is current again when the guard goes, whatever the path
// out of the keyword.
class TGardeChampionnat {
public:
    TGardeChampionnat(const TLignesParam& Params, TSaison* Saison);
    ~TGardeChampionnat();
    TGardeChampionnat(const TGardeChampionnat&) = delete;
    TGardeChampionnat& operator=(const TGardeChampionnat&) = delete;

    // The championship of the call, nullptr when there is none.
    TDonneesChampionnat* Get() const;

private:
    TSaison* Saison_;
    int Precedent_ = 0;
};

// The five colours of a keyword's table ("CouleurTitre", "CouleurLigne1",
// "CouleurLigne2", "FonteTitre", "FonteLigne"), with their defaults, in the
// order the grid's HTML takes them.
std::vector<std::string> CouleursTableParam(const TLignesParam& Params);

// The cards of people and places. Each card's unit registers its card here
// and pages open them through the openers below, never through the card's
// unit. A card runs modally on the entry (nullptr: a new one); it answers
// true when it closed with OK, hands the entry back (the one it created, or
// nullptr when it made none) and sets *Change when it changed the season.
// Without a registered card an opener shows nothing and answers false.
using TFicheJoueur = std::function<bool(TSaison& saison, int numChampionnat, TJoueur*& joueur, int mode, bool* change)>;
using TFicheArbitre = std::function<bool(TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, bool* change)>;
using TFicheStade = std::function<bool(TSaison& saison, TStade*& stade, bool* change)>;
using TFicheEntraineur = std::function<bool(TSaison& saison, TEntraineur*& entraineur, bool* change)>;
void EnregistreFicheJoueur(TFicheJoueur fiche); // nullptr: none
void EnregistreFicheArbitre(TFicheArbitre fiche);
void EnregistreFicheStade(TFicheStade fiche);
void EnregistreFicheEntraineur(TFicheEntraineur fiche);
bool OuvreFicheJoueur(TSaison& saison, int numChampionnat, TJoueur*& joueur, int mode, bool* change = nullptr);
// The same for a new player who starts at that position (an index of the
// card's position list); the position travels in the mode's bits 20 to 23.
bool OuvreFicheJoueur(TSaison& saison, int numChampionnat, TJoueur*& joueur, int mode, bool* change, int posteDefaut);
constexpr int DecalagePosteDefaut = 20;
bool OuvreFicheArbitre(TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, bool* change = nullptr);
bool OuvreFicheStade(TSaison& saison, TStade*& stade, bool* change = nullptr);
bool OuvreFicheEntraineur(TSaison& saison, TEntraineur*& entraineur, bool* change = nullptr);
// Opens the card on the player of that id; the player when accepted, else
// nullptr. *Change tells whether the card changed the season (an untouched OK
// changes nothing).
TJoueur* AfficheFicheJoueur(int Id, TSaison* Saison, bool* Change = nullptr);

// The help pages of the user's language, for the cards: their openers reach
// them without the main window, which sets this when it learns its language.
const std::string& DossierAideFiches();
void SetDossierAideFiches(const std::string& dossier);

// Runs a card form modally, the way the cards answer: true on OK, the form's
// entry (Entree of the form) then handed back, and *Change set when the form
// reports a change (its Tag at 1).
template <class Forme, class E> bool ExecuteFiche(Forme& fiche, E* Forme::*entreeFiche, E*& entree, bool* change)
{
    const bool ok = Dialogues().ExecuteModal(fiche) == ResultatModal::Ok;
    if (ok)
        entree = fiche.*entreeFiche;
    if (change)
        *change = ok && fiche.Tag == 1;
    return ok;
}

// Makes a page a borderless child filling the panel, and shows it.
void IncrusteFiche(QWidget* Fiche, QWidget* Parent);

// The team chooser, built at run time.
class Tf_ChoixEquipe : public TDialogue {
    Q_OBJECT
public:
    // Equipe: 0-based position in and out; Exclue: 1-based position shown
    // disabled (0 none). True when a team was chosen.
    static bool Choisir(TSaison* Saison, const std::string& Titre, int Exclue, int& Equipe, QWidget* parent = nullptr);

    explicit Tf_ChoixEquipe(QWidget* parent = nullptr);

    // Lays the dialog out for the current championship's teams.
    void Prepare(TSaison& Saison, const std::string& Titre, int Exclue, int Equipe);
    // The first ticked box, -1 when none.
    int EquipeChoisie() const;

    TFondCopie* Fond;
    std::vector<TCarreCoche*> Cases; // one per team, in championship order
    TBoutonCopie* BoutonValider;
};
