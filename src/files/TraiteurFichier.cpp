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
#include <string_view>

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

namespace {

enum : int {
    TexteEchecOuverture = 3100,
    TexteCausePasUneArchive = 3101,
    TexteCauseTronque = 3102,
    TexteCausePasUneSaison = 3103,
    TexteCauseEndommage = 3104,
    TexteCauseOccupe = 3105,
};

std::string TexteCause(const TEchecChargement& echec)
{
    switch (echec.Cause) {
    case TCauseChargement::PasUneArchive:
        return Traduit(TexteCausePasUneArchive);
    case TCauseChargement::Tronque:
        return Traduit(TexteCauseTronque);
    case TCauseChargement::PasUneSaison:
        return Traduit(TexteCausePasUneSaison);
    case TCauseChargement::Endommage:
        return Traduit(TexteCauseEndommage);
    case TCauseChargement::Occupe:
        return Traduit(TexteCauseOccupe);
    case TCauseChargement::Aucune:
    case TCauseChargement::Illisible:
        break;
    }
    return TexteErreurSysteme(echec.Erreur, TAccesFichier::Lecture);
}

} // namespace

std::string TTraiteurFichier::TexteEchecChargement(const std::string& nomFichier, const TEchecChargement& echec)
{
    return TraduitFmt(TexteEchecOuverture, {nomFichier, TexteCause(echec)});
}

bool TTraiteurFichier::ChargeAncien(const std::string& nomFichier, TSaison& saison,
                                    std::unique_ptr<TDonneesChampionnat>& championnat, TEchecChargement* echec)
{
    std::unique_ptr<TChargeur> chargeur = CreeChargeur(nomFichier, 0);
    // No reader takes the kind, or one that reads without any championship:
    // the file holds nothing to show.
    TEchecChargement cause{TCauseChargement::PasUneSaison, 0};
    bool ok = false;
    if (!chargeur || !chargeur->EstOuvert()) {
        // A file the system will not read says so first, whatever its kind.
        char octet = 0;
        std::size_t lus = 0;
        if (const TEchecChargement systeme = LitDebutFichier(nomFichier, &octet, 1, lus);
            systeme.Cause != TCauseChargement::Aucune)
            cause = systeme;
        else if (chargeur)
            cause = {TCauseChargement::Illisible, 0};
    } else if (!chargeur->Charge(&saison, championnat)) {
        cause = chargeur->GetEchec();
    } else {
        ok = championnat != nullptr || saison.NbChampionnat() > 0;
    }
    if (echec != nullptr)
        *echec = ok ? TEchecChargement{} : cause;
    return ok;
}

bool TTraiteurFichier::ChargeFichier(const std::string& nomFichier, TSaison& saison, const std::string& dllDir,
                                     const TRappelProgression& progression, TEchecChargement* echec)
{
    TEchecChargement cause;
    bool ok = false;
    try {
        const std::string genre = GenreFichier(nomFichier);
        if (genre == ".xm" || genre == ".df") {
            TChargeurXmp chargeur(nomFichier, dllDir);
            ok = chargeur.ChargeSaison(saison, progression);
            cause = chargeur.GetEchec();
        } else {
            std::unique_ptr<TDonneesChampionnat> champ;
            ok = ChargeAncien(nomFichier, saison, champ, &cause);
            if (ok) {
                if (champ)
                    saison.AjouteChampionnat(std::move(champ));
                saison.SetNumChampCourant(1);
            }
        }
    } catch (...) {
        ok = false;
        cause = EchecDeException(std::current_exception());
    }
    if (echec != nullptr)
        *echec = ok ? TEchecChargement{} : cause;
    return ok;
}

std::unique_ptr<TSaison> TTraiteurFichier::ChargeAvecEtat(const std::string& nomFichier, const std::string& dllDir,
                                                          const std::string& fichierIni,
                                                          const TRappelFichier& onFichierRecent,
                                                          TEchecChargement* echec)
{
    std::unique_ptr<TSaison> saison;
    TEchecChargement cause;
    {
        TGardeEnCours garde(s_EnCours);
        if (!garde.Pris()) {
            cause = {TCauseChargement::Occupe, 0};
        } else if (g_ServiceEtatSauve) {
            saison = g_ServiceEtatSauve->Charge(nomFichier, dllDir);
            if (!saison)
                cause = g_ServiceEtatSauve->DernierEchecChargement();
        } else {
            saison = std::make_unique<TSaisonFootball>();
            if (!ChargeFichier(nomFichier, *saison, dllDir, {}, &cause))
                saison.reset();
        }
    }
    if (!saison && cause.Cause == TCauseChargement::Aucune)
        cause = {TCauseChargement::Illisible, 0};
    if (echec != nullptr)
        *echec = saison ? TEchecChargement{} : cause;
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

namespace {

// The document without the time it was written at, which differs at every save.
std::string_view SansDateEcriture(std::string_view document, std::string& reste)
{
    static constexpr std::string_view Debut = "<LastModif>";
    static constexpr std::string_view Fin = "</LastModif>";
    const size_t debut = document.find(Debut);
    const size_t fin = debut == std::string_view::npos ? debut : document.find(Fin, debut);
    if (fin == std::string_view::npos)
        return document;
    reste = std::string(document.substr(0, debut));
    reste += document.substr(fin + Fin.size());
    return reste;
}

} // namespace

bool TTraiteurFichier::FichierAJour(const std::string& nomFichier, const TSaison& saison)
{
    try {
        std::string surDisque;
        if (!TChargeurXmp::LitEntreeFichier(nomFichier, surDisque))
            return false;
        TProgression progression;
        const std::string aEcrire = TChargeurXmp::EcritDocument(saison, progression);
        std::string reste1;
        std::string reste2;
        return SansDateEcriture(surDisque, reste1) == SansDateEcriture(aEcrire, reste2);
    } catch (...) {
        // Unknown: the save writes.
        return false;
    }
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
