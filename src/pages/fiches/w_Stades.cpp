#include "pages/fiches/w_Stades.h"

#include "base/Texte.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"

using namespace ListesPersonnes;

Tf_Stades::Tf_Stades(QWidget* parent) : TPageListe(TGenre::Stades, 460, parent) {}

bool Tf_Stades::OuvreFiche(int& Entree)
{
    TStade* stade = Entree == AucuneEntree ? nullptr : Saison->Stades().ChercheCode(Entree);
    bool change = false;
    OuvreFicheStade(*Saison, stade, &change);
    if (stade)
        Entree = stade->Code;
    return change;
}

int Tf_Stades::PaysEntree(int Entree) const
{
    const TStade* stade = Saison->Stades().ChercheCode(Entree);
    return stade ? stade->CodePays : FPays;
}

bool Tf_Stades::SupprimeEntree(int Entree)
{
    const TStade* stade = Saison->Stades().ChercheCode(Entree);
    if (!stade)
        return false;
    SupprimeStade(*Saison, stade);
    return true;
}

void Tf_Stades::ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison)
{
    if (!MotDeLaPage({"effectifstade", "listesalle"}, Nom, Params, Resultat, Args, Saison))
        return;
    Resultat = Saison ? TableMotCle(TGenre::Stades, Params, *Saison) : std::string();
}

void EnregistrePagesStades()
{
    EnregistrePage<Tf_Stades>({Commande::Stades}, [](Tf_Stades& Page, TPrincipale& Principale, int) {
        Page.Saison = Principale.GetSaison();
        Page.Initialise(TousLesPays);
    });
    static const bool MotCle = [] {
        GestionFonction().Ajoute<Tf_Stades>("EffectifStade", CodeFonction::Listes);
        GestionFonction().Ajoute<Tf_Stades>("ListeSalle", CodeFonction::Listes);
        return true;
    }();
    (void)MotCle;
}
