// Helpers of the main window's file commands (w_PrincipaleFichiers.h).
#include "shell/w_PrincipaleFichiers.h"

#include "base/oTraducteur.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

std::string SansDossier(const std::string& nomFichier)
{
    const size_t barre = nomFichier.find_last_of("/\\");
    return barre == std::string::npos ? nomFichier : nomFichier.substr(barre + 1);
}

} // namespace

std::string NomFichierQuestion(const std::string& nomFichier)
{
    std::string nom = SansDossier(nomFichier);
    const size_t point = nom.find('.');
    if (point != std::string::npos)
        nom.erase(point, 6);
    return nom;
}

int IntervalleAutoSave(const TSaison* saison)
{
    return saison ? saison->GetOptionSauvegarde(0) * 60000 : 0;
}

std::string NomArchiveSaison(const std::string& nomFichier)
{
    const size_t barre = nomFichier.find_last_of("/\\");
    const size_t point = nomFichier.find_last_of('.');
    if (point == std::string::npos || (barre != std::string::npos && point < barre))
        return nomFichier + ".xmc";
    return nomFichier.substr(0, point) + ".xmc";
}

std::string DossierImagesFichier(const std::string& appDir, const std::string& nomFichier)
{
    return appDir + "pict/" + SansDossier(nomFichier) + "/";
}

std::string FiltreOuverture()
{
    return Traduit(8) + " (*.chf)|*.chf|" + Traduit(9) + " (*.chp)|*.chp|" + Traduit(10) +
           " (*.sai; *.xmc)|*.sai;*.xmc|" +
           TraduitFmt(11, {Traducteur() ? Traducteur()->GetNomProduit() : std::string()}) + "|*.chp;*.chf;*.sai;*.xmc";
}

std::string FiltreSaison()
{
    return Traduit(10) + " (*.xmc)|*.xmc";
}

std::string FiltreDonnees()
{
    return Traduit(21) + " (*.xmd)|*.xmd";
}

bool AjouteSaisonHistorique(TStat& stat, const TDonneesChampionnat& championnat, const TSaison& saison)
{
    const int annee = championnat.GetOption(8);
    const int n = championnat.GetNbEquipe();
    if (annee == 0 || n <= 0)
        return false;
    auto record = std::make_unique<TSaisonStat>(n, annee);
    for (int p = 0; p < n; ++p)
        record->AjouteEquipe(stat.NumeroEquipe(saison.GetNomEquipe(static_cast<uint16_t>(championnat.GetEquipe(p)))));
    for (int jour = 1; jour <= championnat.GetNbJour(); ++jour) {
        for (int m = 0; m < championnat.GetNbMatchJournee(jour); ++m) {
            const int domicile = championnat.IndexEquipe(championnat.GetValeurMatch(jour, 4 * m + 1));
            const int exterieur = championnat.IndexEquipe(championnat.GetValeurMatch(jour, 4 * m + 3));
            const uint16_t butsDomicile = championnat.GetValeurMatch(jour, 4 * m + 2);
            const uint16_t butsExterieur = championnat.GetValeurMatch(jour, 4 * m + 4);
            if (domicile < 0 || exterieur < 0 || butsDomicile == TInfoComp::Aucun || butsExterieur == TInfoComp::Aucun)
                continue;
            // The archive keeps a score in a byte, 255 meaning not played.
            record->SetScore(domicile, exterieur, static_cast<uint8_t>(std::min<int>(butsDomicile, 254)),
                             static_cast<uint8_t>(std::min<int>(butsExterieur, 254)));
        }
    }
    stat.AjouteSaison(std::move(record));
    return true;
}
