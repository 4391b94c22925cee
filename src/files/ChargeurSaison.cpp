#include "files/ChargeurSaison.h"

#include <exception>
#include <utility>

#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/Penalites.h"
#include "model/SaisonFoot.h"

namespace {

// More than a season ever held; the table alone of a bigger count would
// have the reader allocate for a file that cannot be one.
constexpr int MaxChampionnats = 999;
constexpr uint16_t FinDesc = 0xFFFE;

} // namespace

int TChargeurSaison::LitId(uint8_t premier)
{
    const int haut = premier == 255 ? LitOctet() : premier;
    return Version < 4 ? haut : haut * 256 + LitOctet();
}

int32_t TChargeurSaison::LitEntier()
{
    return static_cast<int32_t>(LitGrand(4));
}

int32_t TChargeurSaison::LitEntierMots()
{
    const uint32_t haut = LitMot();
    return static_cast<int32_t>(haut << 16 | LitMot());
}

int32_t TChargeurSaison::LitDate()
{
    const uint16_t premier = LitMot();
    return (premier >> 8) << 16 | LitMot();
}

bool TChargeurSaison::Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>&)
{
    if (!saison || !EstOuvert())
        return false;
    Saison = saison;
    TListeRenumerotation joueurs, arbitres, entraineurs;
    bool ok = false;
    try {
        ok = LitCorps(joueurs, arbitres, entraineurs);
    } catch (const std::exception&) {
        NoteException();
        ok = false;
    }
    if (ok)
        ok = LitFin();
    if (ok) {
        Saison->AppliqueRenumJoueurs(joueurs);
        Saison->AppliqueRenumArbitres(arbitres);
        Saison->AppliqueRenumEntraineurs(entraineurs);
    }
    OublieCompos();
    Offsets.clear();
    Championnats.clear();
    return ok;
}

bool TChargeurSaison::LitCorps(TListeRenumerotation& joueurs, TListeRenumerotation& arbitres,
                               TListeRenumerotation& entraineurs)
{
    const int n = LitVersion();
    if (!VersionConnue())
        return false;
    // Without an announcement any file reads as version 3: a first count no
    // season ever had is some other file rather than a damaged season.
    if (Version == 3 && n > MaxChampionnats) {
        NoteEchec(TCauseChargement::PasUneSaison);
        return false;
    }
    if (!Tient(n, 8, MaxChampionnats))
        return false;
    Offsets.clear();
    for (int i = 0; i < n; ++i) {
        LitGrand(3);
        Offsets.push_back(LitGrand(4));
        LitOctet();
    }
    if (!LitEquipes() || !LitClubPrec(-1))
        return false;
    if (Version >= 13 && (!LitEntraineurs(&entraineurs) || !LitStades() || !LitRensClubs()))
        return false;
    if (Version >= 7) {
        if (!LitJoueurs(-1, 2, &joueurs))
            return false;
        if (Version >= 8 && (!LitArbitres(&arbitres) || !LitPays()))
            return false;
    } else if (!LitListeJoueurs(-1, 2, &joueurs)) {
        return false;
    }
    if (!LitStatChamps(1))
        return false;
    if (Version >= 4 && !LitDescSaison())
        return false;
    if (!LitEntetes())
        return false;
    return Version < 4 || LitBarrages();
}

bool TChargeurSaison::LitDescSaison()
{
    for (uint16_t objet = LitMot(); objet != FinDesc; objet = LitMot()) {
        std::string texte = LitTexte(255);
        Saison->AjouteDesc(texte, objet & 15, objet >> 4);
    }
    // The headers start on an even offset.
    if (Lecteur->Position() % 2 != 0)
        LitOctet();
    return true;
}

bool TChargeurSaison::LitEntetes()
{
    for (int i = 1; i <= static_cast<int>(Offsets.size()); ++i) {
        std::unique_ptr<TDonneesChampionnat> champ =
            Saison->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        if (Version < 4) {
            champ->CodeChamp = i;
        } else {
            champ->CodeChamp = LitMot();
            int nbTours = 0;
            if (!LitGenre(*champ, LitMot(), nbTours))
                return false;
        }
        const int nbEquipe = LitMot();
        if (!Tient(nbEquipe, 2, TDonneesChampionnat::MaxEquipes))
            return false;
        champ->SetNbEquipe(nbEquipe);
        if (Version < 4) {
            champ->SetNbJour(JoursImplicites(nbEquipe));
            champ->SetNbMatch(nbEquipe / 2);
        } else {
            champ->SetNbJour(LitOctet());
            champ->SetNbMatch(LitOctet());
        }
        for (int p = 0; p < nbEquipe; ++p)
            champ->SetEquipe(p, LitMot());
        if (Version < 7)
            for (int d = 1; d <= champ->GetNbJour(); ++d)
                if (!LitBlocCompo(*champ)) {
                    OublieCompos(champ.get());
                    return false;
                }
        Championnats.push_back(champ.get());
        Saison->AjouteChampionnat(std::move(champ));
    }
    return true;
}

bool TChargeurSaison::LitBarrages()
{
    const int n = LitMot();
    if (!Tient(n, 6))
        return false;
    for (int i = 0; i < n; ++i) {
        auto barrage = std::make_unique<TDonneesBarrage>();
        barrage->Code = LitMot();
        barrage->TypeGroupe = LitMot();
        const int nbDivisions = LitMot();
        if (!Tient(nbDivisions, 4))
            return false;
        for (int k = 0; k < nbDivisions; ++k) {
            const int code = LitMot();
            const int nbPlaces = LitMot();
            if (!Tient(nbPlaces, 4))
                return false;
            std::vector<TDonneesBarrage::TPlaces> places(static_cast<size_t>(nbPlaces));
            for (auto& place : places) {
                place.Min = LitMot();
                place.Max = LitMot();
            }
            barrage->AjouteDivision(std::move(places), code);
        }
        if (Version >= 10) {
            const int nbTours = LitMot();
            if (!Tient(nbTours, 6))
                return false;
            for (int t = 0; t < nbTours; ++t) {
                const int nbAppariements = LitMot();
                const int nbMatch = LitMot();
                const int type = LitMot();
                if (nbMatch > TDonneesChampionnat::MaxEquipes || !Tient(nbAppariements, 8))
                    return false;
                TTourCoupe* tour = barrage->AjouteTour(nbMatch, type);
                for (int k = 0; k < nbAppariements; ++k) {
                    const uint16_t premier = LitMot();
                    const uint16_t second = LitMot();
                    const uint16_t valeur3 = LitMot();
                    const uint16_t valeur4 = LitMot();
                    tour->AjouteMatch(premier, second, valeur3, valeur4);
                }
            }
            for (int k = 0; k < TDonneesBarrage::NbOptions; ++k)
                barrage->SetOption(k, LitOctet());
        }
        Saison->AjouteBarrage(std::move(barrage));
    }
    return true;
}

bool TChargeurSaison::LitFin()
{
    // A cut or damaged body would load as a season with part of its results
    // gone, and the next save would write that over the whole one.
    for (size_t i = 0; i < Championnats.size() && i < Offsets.size(); ++i) {
        try {
            Lecteur->Positionne(Offsets[i]);
        } catch (const EErreurFichier&) {
            NoteException();
            return false;
        }
        if (!LitChampionnat(*Championnats[i]))
            return false;
    }
    return true;
}
