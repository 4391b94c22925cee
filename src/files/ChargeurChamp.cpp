#include "files/ChargeurChamp.h"

#include <exception>
#include <filesystem>
#include <utility>

#include "base/Texte.h"
#include "base/Utilities.h"
#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"

namespace {

// The catalogue, or an empty one when none was loaded (tests, tools).
const TLectureParam& Catalogue()
{
    static const TLectureParam vide("");
    const TLectureParam* catalogue = LectureParam();
    return catalogue ? *catalogue : vide;
}

// Renumberings found while reading a file that holds one championship go to
// it: it is not in the season yet, so the season's appliers would miss it.
void AppliqueRenumerotations(TSaison& saison, TDonneesChampionnat* champ, TListeRenumerotation& joueurs,
                             TListeRenumerotation& arbitres, TListeRenumerotation& entraineurs)
{
    if (champ) {
        if (!joueurs.empty())
            champ->ConvertitJoueurs(joueurs);
        if (!arbitres.empty())
            champ->ConvertitArbitres(arbitres);
    }
    saison.AppliqueRenumJoueurs(joueurs);
    saison.AppliqueRenumArbitres(arbitres);
    saison.AppliqueRenumEntraineurs(entraineurs);
}

} // namespace

// --- TChargeurData ---

int TChargeurData::LitId(uint8_t premier)
{
    return premier < 255 ? premier : LitOctet();
}

int32_t TChargeurData::LitEntier()
{
    return static_cast<int32_t>(LitGrand(2));
}

int32_t TChargeurData::LitEntierMots()
{
    return LitMot();
}

int32_t TChargeurData::LitDate()
{
    const uint16_t mot = LitMot();
    return (mot >> 8) << 16 | (mot & 0xFF);
}

int TChargeurData::LitCorps(int mode, TListeRenumerotation* entraineurs, TListeRenumerotation* arbitres,
                            TListeRenumerotation* joueurs, TDonneesChampionnat& champ)
{
    try {
        const uint16_t premier = LitVersion();
        if (!VersionConnue())
            return 0;
        const int corps = mode == 0 ? premier : -1;
        const int clubPrec = mode == 0 ? LitMot() : premier;
        const int offsetJoueurs = LitMot();
        LitMot();
        const int nbEquipe = LitMot() & 0xFF;
        champ.SetNbEquipe(nbEquipe);

        int jours = 0;
        if (Version >= 4) {
            int nbTours = 0;
            if (!LitGenre(champ, LitMot(), nbTours))
                return 0;
            if (champ.EstCoupe())
                champ.SetNbJour(nbTours);
            jours = LitOctet();
            if (champ.Genre & TDonneesChampionnat::TypeChamp) {
                const int nbMatch = LitOctet();
                // In a championship file every match of every day takes six
                // bytes further on: days the rest of the file cannot hold are
                // damage, not days to make room for.
                if (mode == 0 && !Tient(static_cast<int64_t>(jours) * nbMatch, 6))
                    return 0;
                champ.SetNbJour(jours);
                champ.SetNbMatch(nbMatch);
            } else {
                LitOctet();
            }
        } else {
            champ.Genre = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational;
            jours = JoursImplicites(nbEquipe);
            if (mode == 0 && !Tient(static_cast<int64_t>(jours) * (nbEquipe / 2), 4))
                return 0;
            champ.SetNbJour(jours);
            champ.SetNbMatch(nbEquipe / 2);
        }

        std::vector<std::string> noms;
        if (Version < 7) {
            if (!LitBlocNoms(noms))
                return 0;
            for (std::string& nom : noms)
                nom = Capitalise(nom);
        } else {
            const int n = LitMot();
            if (!Tient(n, 1))
                return 0;
            for (int i = 0; i < n; ++i)
                noms.push_back(LitTexte());
        }
        for (int k = 0; k < static_cast<int>(noms.size()); ++k)
            champ.SetEquipe(k, static_cast<uint16_t>(Saison->AjouteEquipe(noms[k], k, false, 0)));

        if (clubPrec != 0 && !LitClubPrec(clubPrec))
            return 0;
        if (Version >= 13 && (!LitEntraineurs(entraineurs) || !LitStades() || !LitRensClubs()))
            return 0;
        if (Version >= 7) {
            if (!LitJoueurs(offsetJoueurs, mode, joueurs))
                return 0;
            if (Version >= 8 && (!LitArbitres(arbitres) || !LitPays()))
                return 0;
        } else if (!LitListeJoueurs(offsetJoueurs, mode, joueurs)) {
            return 0;
        }
        if (!LitStatChamps(0))
            return 0;
        if (mode == 0 && Version < 7) {
            for (int d = 0; d < jours; ++d)
                if (!LitBlocCompo(champ))
                    return 0;
        } else if (mode == 1) {
            const uint16_t annees = LitMot();
            champ.SetOption(8, static_cast<uint8_t>(annees >> 8));
            champ.SetOption(9, static_cast<uint8_t>(annees & 0xFF));
        }
        return corps;
    } catch (const std::exception&) {
        NoteException();
        return 0;
    }
}

bool TChargeurData::Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat)
{
    if (!saison || !EstOuvert())
        return false;
    Saison = saison;
    std::unique_ptr<TDonneesChampionnat> champ =
        saison->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    TListeRenumerotation joueurs, arbitres, entraineurs;
    const bool ok = LitCorps(1, &entraineurs, nullptr, nullptr, *champ) == -1;
    AppliqueRenumerotations(*saison, champ.get(), joueurs, arbitres, entraineurs);
    OublieCompos();
    if (!ok) {
        championnat.reset();
        return false;
    }
    champ->Division = Importe();
    CompleteDuCatalogue(*champ, champ->Division, Catalogue());
    championnat = std::move(champ);
    return true;
}

void TChargeurData::CompleteDuCatalogue(TDonneesChampionnat& champ, int c, const TLectureParam& catalogue)
{
    champ.SetOption(12, static_cast<uint8_t>(catalogue.GetNbChampLigue(c)));
    if (catalogue.GetNbPromu(c) > 0 && champ.GetOption(12) == 0) {
        champ.SetOption(2, static_cast<uint8_t>(catalogue.GetNbPromu(c)));
        champ.SetOption(7, 0);
    } else {
        champ.SetOption(2, static_cast<uint8_t>(catalogue.GetNbEuropeen(c)));
        champ.SetOption(7, 1);
    }
    champ.SetOption(3, static_cast<uint8_t>(catalogue.GetNbRelegue(c)));
    const TPointsCfg points = catalogue.GetPoints(c);
    champ.SetOption(4, static_cast<uint8_t>(points.Victoire));
    champ.SetOption(5, static_cast<uint8_t>(points.Nul));
    champ.SetOption(6, static_cast<uint8_t>(points.Defaite));
    champ.SetOption(13, static_cast<uint8_t>(catalogue.GetNbBarragePromu(c)));
    champ.SetOption(14, static_cast<uint8_t>(catalogue.GetNbBarrageRelegue(c)));
}

int TChargeurData::Importe()
{
    const std::string nom = MajusculesAscii(std::filesystem::path(GetNomFichier()).filename().string());
    static constexpr std::string_view Prefixe = "EQUIPE";
    if (nom.compare(0, Prefixe.size(), Prefixe) != 0)
        return 0;
    const size_t point = nom.find('.', Prefixe.size());
    return StrToIntDef(
        nom.substr(Prefixe.size(), point == std::string::npos ? std::string::npos : point - Prefixe.size()), 0);
}

std::string TChargeurData::Decrit(int code)
{
    const TLectureParam& catalogue = Catalogue();
    std::string nom = catalogue.GetNom(code);
    if (nom.empty())
        return catalogue.GetNom(0);
    return code > 0 ? nom + " : " + catalogue.GetNomCfg(code) : nom;
}

bool TChargeurData::LitEnteteDescription(int motsSautes, int& premier, TDescriptionFichier& description)
{
    Lecteur->Positionne(0);
    premier = LitVersion();
    for (int i = 0; i < motsSautes; ++i)
        LitMot();
    description.NbEquipe = LitMot() & 0xFF;
    if (Version >= 4) {
        const uint16_t drapeaux = LitMot();
        if (drapeaux == 1)
            description.Drapeau = 0;
        else if (drapeaux == 2)
            description.Drapeau = 1;
    } else {
        description.Drapeau = 0;
    }
    return true;
}

bool TChargeurData::LitDescription(TDescriptionFichier& description)
{
    if (!EstOuvert())
        return false;
    try {
        int premier = 0;
        LitEnteteDescription(2, premier, description);
        description.Description = Decrit(Importe());
        description.Journee = -1;
        Lecteur->Positionne(Lecteur->Taille() - 2);
        const uint16_t annees = LitMot();
        description.Annee = (annees >> 8) + 1900;
        description.Annee2 = annees & 0xFF;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// --- TChargeurChampionnat ---

bool TChargeurChampionnat::LitCorpsChampionnat(int64_t offset, TDonneesChampionnat& champ)
{
    try {
        Lecteur->Positionne(offset);
    } catch (const EErreurFichier&) {
        NoteException();
        return false;
    }
    return LitChampionnat(champ);
}

bool TChargeurChampionnat::Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat)
{
    if (!saison || !EstOuvert())
        return false;
    Saison = saison;
    std::unique_ptr<TDonneesChampionnat> champ =
        saison->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    TListeRenumerotation joueurs, arbitres, entraineurs;
    const int corps = LitCorps(0, &entraineurs, &arbitres, &joueurs, *champ);
    const bool ok = corps >= 1 && LitCorpsChampionnat(corps, *champ);
    AppliqueRenumerotations(*saison, champ.get(), joueurs, arbitres, entraineurs);
    OublieCompos();
    if (!ok) {
        championnat.reset();
        return false;
    }
    championnat = std::move(champ);
    return true;
}

int TChargeurChampionnat::Importe()
{
    if (!EstOuvert())
        return 0;
    try {
        Lecteur->Positionne(0);
        uint16_t corps = LitMot();
        if ((corps >> 8) == 255)
            corps = LitMot();
        Lecteur->Positionne(static_cast<int64_t>(corps) + 16);
        return LitOctet();
    } catch (const std::exception&) {
        return 0;
    }
}

bool TChargeurChampionnat::LitDescription(TDescriptionFichier& description)
{
    if (!EstOuvert())
        return false;
    try {
        int corps = 0;
        LitEnteteDescription(3, corps, description);
        Lecteur->Positionne(corps);
        uint8_t options[TDonneesChampionnat::NbOptions];
        for (uint8_t& option : options)
            option = LitOctet();
        description.Annee = options[8] + 1900;
        description.Annee2 = options[9];
        description.Journee = LitOctet();
        description.Description = Decrit(LitOctet());
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// --- TChargeurFichierEquipe ---

bool TChargeurFichierEquipe::Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>&)
{
    if (!saison || !EstOuvert())
        return false;
    Saison = saison;
    try {
        const int clubPrec = LitVersion();
        if (!VersionConnue())
            return false;
        const int offsetJoueurs = LitMot();
        const int n = LitMot();
        if (!Tient(n, 1))
            return false;
        for (int i = 0; i < n; ++i)
            saison->AjouteEquipe(LitTexte(), i, false, 0);
        if (clubPrec != 0 && !LitClubPrec(clubPrec))
            return false;
        if (Version >= 13 && (!LitEntraineurs(nullptr) || !LitStades() || !LitRensClubs()))
            return false;
        return LitJoueurs(offsetJoueurs, 1, nullptr) && LitArbitres(nullptr) && LitPays() && LitStatChamps(-1);
    } catch (const std::exception&) {
        NoteException();
        return false;
    }
}
