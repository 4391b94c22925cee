#include "shell/DefType.h"

#include "model/Championnat.h"
#include "model/SaisonFoot.h"

#include <map>

// ---------------------------------------------------------------- TFootForm

TFootForm::TFootForm(QWidget* parent) : QWidget(parent) {}

TFootForm::~TFootForm() = default;

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

void TFootForm::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison)
{
    Resultat.clear();
    Ecrire(Nom, Params, Resultat, nullptr, Args, Saison);
}

void TFootForm::Ecrire(const std::string&, const TLignesParam&, std::string&, const TLignesParam*, const std::string&,
                       TSaison*)
{
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
        if (e.Nom == Nom)
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

void LitParametre(const std::string&, const TLignesParam&, std::string& Valeur, const std::string& Defaut)
{
    Valeur = Defaut;
}

std::string LitParametre(const std::string& Nom, const TLignesParam& Params, const std::string& Defaut)
{
    std::string valeur;
    LitParametre(Nom, Params, valeur, Defaut);
    return valeur;
}

int LitParametreEntier(const std::string&, const TLignesParam&, int Defaut)
{
    return Defaut;
}

void LitParametreListe(const std::string&, const TLignesParam&, TArrayResult& Liste, const std::string& Defaut)
{
    Liste = {Defaut};
}

TDonneesChampionnat* ChampionnatParametre(const TLignesParam&, TSaison* Saison)
{
    return Saison ? Saison->GetChampCourant() : nullptr;
}

namespace {
TFicheJoueur& FicheJoueur()
{
    static TFicheJoueur fiche;
    return fiche;
}
} // namespace

void EnregistreFicheJoueur(TFicheJoueur fiche)
{
    FicheJoueur() = std::move(fiche);
}

TJoueur* AfficheFicheJoueur(int, TSaison*)
{
    return nullptr;
}

void IncrusteFiche(QWidget* Fiche, QWidget* Parent)
{
    if (!Fiche || !Parent)
        return;
    Fiche->setParent(Parent);
    Fiche->setWindowFlags(Qt::Widget);
    Fiche->setGeometry(Parent->rect());
    Fiche->show();
}

// ----------------------------------------------------------- Tf_ChoixEquipe

Tf_ChoixEquipe::Tf_ChoixEquipe(QWidget* parent) : TDialogue(parent) {}

bool Tf_ChoixEquipe::Choisir(TSaison*, const std::string&, int, int&, QWidget*)
{
    return false;
}
