#include "support_ui/FaussePrincipale.h"

#include "base/Utilities.h"
#include "model/SaisonFoot.h"
#include "shell/ListeMenu.h"
#include "support/SaisonExemple.h"

#include <typeinfo>

namespace testsupport {

TFaussePrincipale::TFaussePrincipale() : EtatMenu(std::make_unique<TEtatMenu>())
{
    Fond.resize(800, 600);
}

TFaussePrincipale::TFaussePrincipale(std::unique_ptr<TSaison> saison) : TFaussePrincipale()
{
    FSaison = std::move(saison);
}

bool TFaussePrincipale::ChargeSaisonLivree(const std::string& nom)
{
    auto saison = ChargeParDispatcheur(::AppDir() + "sauvegarde/" + nom);
    if (saison == nullptr)
        return false;
    SetSaison(std::move(saison));
    Fond.show();
    return true;
}

TFaussePrincipale::~TFaussePrincipale()
{
    // The page goes before the season it shows.
    FPage.reset();
}

int TFaussePrincipale::Selection(int famille) const
{
    return famille >= 0 && famille < static_cast<int>(Selections.size()) ? Selections[famille] : -1;
}

void TFaussePrincipale::SetSelection(int famille, int valeur)
{
    if (famille >= 0 && famille < static_cast<int>(Selections.size()))
        Selections[famille] = valeur;
}

void TFaussePrincipale::SetSaison(std::unique_ptr<TSaison> saison)
{
    FPage.reset();
    FSaisonExterne = nullptr;
    FSaison = std::move(saison);
}

void TFaussePrincipale::SetSaisonExterne(TSaison* saison)
{
    FPage.reset();
    FSaisonExterne = saison;
}

TFootForm* TFaussePrincipale::AfficheFenetre(const TClassePage& classe)
{
    return AfficheFenetre(classe, false);
}

TFootForm* TFaussePrincipale::AfficheFenetre(const TClassePage& classe, bool reutilise)
{
    if (reutilise && FPage && std::type_index(typeid(*FPage)) == classe.Type)
        return FPage.get();
    FPage.reset();
    if (!classe.Cree)
        return nullptr;
    FPage.reset(classe.Cree(&Fond));
    if (!FPage)
        return nullptr;
    FPage->Saison = GetSaison();
    FPage->Principale = this;
    FPage->AppDir = AppDir;
    FPage->OnModification = [this] { SignaleModification(); };
    FPage->OnNavigation = [this](int code, int param, int param2) { Navigue(code, param, param2); };
    IncrusteFiche(FPage.get(), &Fond);
    AfficheCommandeImprimer();
    return FPage.get();
}

} // namespace testsupport
