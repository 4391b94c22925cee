#include "files/TraiteurFichier.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "files/Chargeur.h"
#include "files/ChargeurChamp.h"
#include "files/ChargeurSaison.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"

#include <algorithm>
#include <cctype>

int CompteurModification = 0;
std::atomic<bool> TTraiteurFichier::s_EnCours{false};
int TTraiteurFichier::s_DerniereErreur = 0;

namespace {

TServiceEtatSauve* g_ServiceEtatSauve = nullptr;

std::string Minuscules(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The extension with its dot, as typed; empty when the name has none.
std::string Extension(const std::string& nomFichier)
{
    const size_t barre = nomFichier.find_last_of('/');
    const size_t point = nomFichier.find_last_of('.');
    if (point == std::string::npos || (barre != std::string::npos && point < barre))
        return {};
    return nomFichier.substr(point);
}

// Marks a load or save as running for as long as it lives; Pris() is false
// when another one runs already, which this one must then not start.
class TGardeEnCours {
public:
    explicit TGardeEnCours(std::atomic<bool>& drapeau) : Drapeau(drapeau), Prise(!Drapeau.exchange(true)) {}
    ~TGardeEnCours()
    {
        if (Prise)
            Drapeau = false;
    }
    bool Pris() const { return Prise; }

private:
    std::atomic<bool>& Drapeau;
    const bool Prise;
};

} // namespace

TServiceEtatSauve* InstalleServiceEtatSauve(TServiceEtatSauve* service)
{
    TServiceEtatSauve* ancien = g_ServiceEtatSauve;
    g_ServiceEtatSauve = service;
    return ancien;
}

std::string TTraiteurFichier::GenreFichier(const std::string& nomFichier)
{
    std::string ext = Extension(nomFichier);
    if (!ext.empty())
        ext.pop_back();
    return Minuscules(ext);
}

bool TTraiteurFichier::ChargeXml(const std::string& nomFichier, TSaison& saison, const std::string& dllDir,
                                 const TRappelProgression& progression)
{
    TChargeurXmp chargeur(nomFichier, dllDir);
    return chargeur.ChargeSaison(saison, progression);
}

std::unique_ptr<TChargeur> TTraiteurFichier::CreeChargeur(const std::string& nomFichier, int mode)
{
    const std::string genre = GenreFichier(nomFichier);
    if (genre == ".sa")
        return std::make_unique<TChargeurSaison>(nomFichier, mode);
    if (genre == ".ch")
        return std::make_unique<TChargeurChampionnat>(nomFichier, mode);
    if (genre == ".da")
        return std::make_unique<TChargeurData>(nomFichier, mode);
    if (genre == ".df")
        return std::make_unique<TChargeurFichierEquipe>(nomFichier, mode);
    return nullptr;
}

bool TTraiteurFichier::ChargeAncien(const std::string& nomFichier, TSaison& saison,
                                    std::unique_ptr<TDonneesChampionnat>& championnat)
{
    std::unique_ptr<TChargeur> chargeur = CreeChargeur(nomFichier, 0);
    if (!chargeur || !chargeur->Charge(&saison, championnat))
        return false;
    // Success without any championship is a file that holds nothing to show.
    return championnat != nullptr || saison.NbChampionnat() > 0;
}

bool TTraiteurFichier::ChargeFichier(const std::string& nomFichier, TSaison& saison, const std::string& dllDir,
                                     const TRappelProgression& progression)
{
    try {
        const std::string genre = GenreFichier(nomFichier);
        if (genre == ".xm" || genre == ".df")
            return ChargeXml(nomFichier, saison, dllDir, progression);
        std::unique_ptr<TDonneesChampionnat> champ;
        if (!ChargeAncien(nomFichier, saison, champ))
            return false;
        if (champ)
            saison.AjouteChampionnat(std::move(champ));
        saison.SetNumChampCourant(1);
        return true;
    } catch (...) {
        return false;
    }
}

std::unique_ptr<TSaison> TTraiteurFichier::ChargeAvecEtat(const std::string& nomFichier, const std::string& dllDir,
                                                          const std::string& fichierIni,
                                                          const TRappelFichier& onFichierRecent)
{
    std::unique_ptr<TSaison> saison;
    {
        TGardeEnCours garde(s_EnCours);
        if (!garde.Pris())
            return nullptr;
        if (g_ServiceEtatSauve) {
            saison = g_ServiceEtatSauve->Charge(nomFichier, dllDir);
        } else {
            saison = std::make_unique<TSaisonFootball>();
            if (!ChargeFichier(nomFichier, *saison, dllDir))
                saison.reset();
        }
    }
    if (saison)
        MemoriseDernierFichier(nomFichier, fichierIni, onFichierRecent);
    return saison;
}

bool TTraiteurFichier::SauveAvecEtat(const std::string& nomFichier, const TSaison& saison, bool remetAZero,
                                     const std::string& dllDir, const std::string& fichierIni, TBarreEtat* barreEtat,
                                     const TRappelFichier& onFichierRecent, bool avecMessages)
{
    bool ok = false;
    int erreur = 0;
    {
        TGardeEnCours garde(s_EnCours);
        if (!garde.Pris()) {
            ok = false;
        } else if (g_ServiceEtatSauve) {
            ok = g_ServiceEtatSauve->Sauve(nomFichier, dllDir, saison);
            erreur = ok ? 0 : g_ServiceEtatSauve->DerniereErreur();
        } else {
            TChargeurXmp chargeur(nomFichier, dllDir);
            try {
                ok = chargeur.SauveSaison(saison);
            } catch (...) {
                ok = false;
            }
            erreur = chargeur.GetErreur();
        }
    }
    s_DerniereErreur = erreur;
    if (!ok) {
        if (avecMessages)
            SignaleEchecSauvegarde(nomFichier, erreur);
        return false;
    }
    if (remetAZero) {
        CompteurModification = 0;
        if (barreEtat)
            barreEtat->SetTextePanneau(1, std::string());
    }
    if (avecMessages)
        MessageUtil(Traduit(253), BoutonsMessage::Ok);
    MemoriseDernierFichier(nomFichier, fichierIni, onFichierRecent);
    return true;
}

void TTraiteurFichier::MemoriseDernierFichier(const std::string& nomFichier, const std::string& fichierIni,
                                              const TRappelFichier& onFichierRecent)
{
    if (Minuscules(Extension(nomFichier)) != ".xmc")
        return;
    if (!fichierIni.empty()) {
        try {
            TFichierIni ini(fichierIni);
            ini.WriteString("General", "LastFile", nomFichier);
        } catch (...) {
            // The file is loaded or saved all the same; only the reminder is lost.
        }
    }
    if (onFichierRecent)
        onFichierRecent(nomFichier);
}

int TTraiteurFichier::ImporteDivision(const std::string& nomFichier, const std::string& dllDir)
{
    std::string ext = Extension(nomFichier).substr(0, 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (ext == ".CHF" || ext == ".CHP" || ext == ".DAF") {
        try {
            std::unique_ptr<TChargeur> chargeur = CreeChargeur(nomFichier, 0);
            return chargeur && chargeur->EstOuvert() ? chargeur->Importe() : -1;
        } catch (...) {
            return -1;
        }
    }
    if (ext == ".XMC" || ext == ".XMD") {
        try {
            return TChargeurXmp(nomFichier, dllDir).ImporteChampionnat();
        } catch (...) {
            return -1;
        }
    }
    return 0;
}
