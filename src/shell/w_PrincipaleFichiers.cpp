#include "shell/w_Principale.h"

#include "platform/Bureau.h"

// The file commands of the main window: opening, saving, closing, exports,
// auto-save, help and the update check.

bool Tf_Principale::OuvreFichier(const std::string& /*nom*/)
{
    return false;
}

bool Tf_Principale::SauveSaison()
{
    return true;
}

bool Tf_Principale::SauveSaisonSous()
{
    return false;
}

bool Tf_Principale::FermeFichier()
{
    if (!DemandeSauvegarde())
        return false;
    RemplaceSaison(nullptr);
    FichierCourant.clear();
    SetEtatFichier(false, false);
    return true;
}

void Tf_Principale::InitAutoSave() {}

void Tf_Principale::OnAutoSave() {}

bool Tf_Principale::FormClose()
{
    ValideSaisieEnCours();
    if (!DemandeSauvegarde())
        return false;
    AfficheAucuneFenetre(true);
    RemplaceSaison(nullptr);
    FermeAides();
    return true;
}

bool Tf_Principale::DemandeSauvegarde()
{
    return true;
}

void Tf_Principale::AjouteFichierRecent(const std::string& /*nom*/) {}

void Tf_Principale::ExporteChampionnat() {}

void Tf_Principale::ExporteSaison() {}

void Tf_Principale::CreeHistoriqueDivision() {}

void Tf_Principale::OuvreAide()
{
    OuvreSujetAide(GetDossierAide(), "");
}

void Tf_Principale::VerifieMiseAJour() {}
