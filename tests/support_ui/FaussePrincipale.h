#pragma once

#include "pagebase/DefType.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class TSaison;

namespace testsupport {

// Stands in for the main window in page and dialog tests: holds a season,
// records the modifications and navigations it is told of, and shows pages
// in its own page area as the main window does (one page at a time).
class TFaussePrincipale : public TPrincipale {
public:
    struct TNavigation {
        int Code = 0;
        int Param = 0;
        int Param2 = 0;
        bool operator==(const TNavigation&) const = default;
    };

    TFaussePrincipale();
    explicit TFaussePrincipale(std::unique_ptr<TSaison> saison);
    ~TFaussePrincipale() override;

    void SetSaison(std::unique_ptr<TSaison> saison);
    // Loads a season of the program folder's "sauvegarde" as the program
    // does, holds it and shows the page area; false when it cannot be read.
    bool ChargeSaisonLivree(const std::string& nom);
    // A season owned elsewhere (nullptr: none).
    void SetSaisonExterne(TSaison* saison);

    TSaison* GetSaison() override { return FSaisonExterne ? FSaisonExterne : FSaison.get(); }
    std::string GetFichierIni() const override { return FichierIni; }
    void SignaleModification() override { ++NbModifications; }
    void RemplitChampionnats() override { ++NbRemplitChampionnats; }
    void Navigue(int code, int param, int param2) override { Navigations.push_back({code, param, param2}); }
    TStats* GetStats() override { return Stats; }
    void AfficheCommandeImprimer() override { ++NbAfficheCommandeImprimer; }
    void ReinitAutoSave() override { ++NbReinitAutoSave; }
    TBarreEtat* GetBarreEtat() override { return BarreEtat; }
    TFootForm* GetPageCourante() override { return FPage.get(); }
    // Creates the page (reusing the shown one of the same class), hands it
    // the season and this window, and embeds it in Fond.
    TFootForm* AfficheFenetre(const TClassePage& classe) override;
    TFootForm* AfficheFenetre(const TClassePage& classe, bool reutilise);
    bool OuvreFichier(const std::string& nom) override
    {
        FichiersOuverts.push_back(nom);
        return true;
    }
    const std::string& GetDossierAide() const override { return DossierAide; }
    const TEtatMenu& GetEtatMenu() const override { return *EtatMenu; }
    int Selection(int famille) const override;
    void SetSelection(int famille, int valeur) override;

    QWidget Fond; // the page area
    std::string FichierIni;
    std::string AppDir;
    std::string DossierAide;
    std::unique_ptr<TEtatMenu> EtatMenu;
    std::array<int, 3> Selections{-1, -1, -1};
    TStats* Stats = nullptr;
    TBarreEtat* BarreEtat = nullptr;

    int NbModifications = 0;
    int NbRemplitChampionnats = 0;
    int NbAfficheCommandeImprimer = 0;
    int NbReinitAutoSave = 0;
    std::vector<TNavigation> Navigations;
    std::vector<std::string> FichiersOuverts;

private:
    std::unique_ptr<TSaison> FSaison;
    TSaison* FSaisonExterne = nullptr;
    std::unique_ptr<TFootForm> FPage;
};

} // namespace testsupport
