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
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

class TBarreEtat;
class TBoutonCopie;
class TCarreCoche;
class TFondCopie;
class TDonneesChampionnat;
class TFootForm;
class TJoueur;
class TSaison;
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

    // Printing and HTML export: nothing by default, pages that print override them.
    virtual void Imprime() {}
    virtual void ExporteHtml(const std::string& /*NomFichier*/) {}
    virtual bool Imprimable() const { return false; }
    // Commits an entry the user has half typed, before the page is left.
    virtual void ValideSaisieEnCours() {}

    // Fires OnModification; pages call it after every change to the season.
    void Modifie();
    // Fires OnNavigation when assigned.
    void Navigue(int code, int param = 0, int param2 = 0);

    // The base keywords "inclure" and "AddSuffixeNomFic"; anything else goes
    // to Ecrire. A page class hides it with its own static ExecuteFonction,
    // falling back to this one. Args is "output file|template file".
    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);
    // The keyword "ecrire": words of Liste when given, else of Params.
    static void Ecrire(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                       const TLignesParam* Liste, const std::string& Args, TSaison* Saison);
};

// Page factories by command code: the command table reaches the pages through it.
using TCommandePage = std::function<void(TPrincipale& principale, int code, int param, int param2)>;
void EnregistreCommandePage(int code, TCommandePage f); // the last registration wins
const TCommandePage* CommandePage(int code);            // nullptr when no page for that code

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

// The player card, registered by its unit: runs the card modally on the
// player and returns true when it closed with OK.
using TFicheJoueur = std::function<bool(TSaison& saison, int numChampionnat, TJoueur& joueur, int mode)>;
void EnregistreFicheJoueur(TFicheJoueur fiche);
// Opens the card on the player of that id; the player when accepted, else nullptr.
TJoueur* AfficheFicheJoueur(int Id, TSaison* Saison);

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
