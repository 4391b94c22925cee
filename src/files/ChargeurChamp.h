#pragma once

// The older files that hold one championship or one club's data rather than
// a season: data files (".daf"), championship files (".chf", ".chp") and team
// files. They share one header layout, one reader of what follows it and the
// number readers below (big-endian 16-bit numbers, one-byte ids).

#include <cstdint>
#include <memory>
#include <string>

#include "files/Chargeur.h"

class TLectureParam;

class TChargeurData : public TChargeur {
public:
    using TChargeur::TChargeur;

    // Hands back the file's championship (teams, days, players; no matches),
    // completed from the catalogue entry of the division its name declares.
    bool Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat) override;
    bool LitDescription(TDescriptionFichier& description) override;
    // The number after "EQUIPE" in the file name ("EQUIPE12.DAF" gives 12); 0
    // when the name does not begin so or no number stands there.
    int Importe() override;

    // The places, points and level a division of the catalogue gives a data
    // file's championship (options 2 to 7 and 12 to 14).
    static void CompleteDuCatalogue(TDonneesChampionnat& champ, int code, const TLectureParam& catalogue);

protected:
    int LitId(uint8_t premier) override;
    int32_t LitEntier() override;
    int32_t LitEntierMots() override;
    int32_t LitDate() override;

    // Header, teams, people and statistics groups. Mode 0 (championship file)
    // returns the body's byte offset, mode 1 (data file) -1; 0 on failure.
    int LitCorps(int mode, TListeRenumerotation* entraineurs, TListeRenumerotation* arbitres,
                 TListeRenumerotation* joueurs, TDonneesChampionnat& champ);
    // The header words a description reads, from the start: the first word
    // after the version in `premier`, then team count and league or cup.
    bool LitEnteteDescription(int motsSautes, int& premier, TDescriptionFichier& description);
    static std::string Decrit(int code);
};

class TChargeurChampionnat : public TChargeurData {
public:
    using TChargeurData::TChargeurData;

    // Hands back the file's championship with its body; a header whose body
    // offset is 0 fails the load.
    bool Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat) override;
    bool LitDescription(TDescriptionFichier& description) override;
    // The body's byte at offset 16 (the division as the file was saved).
    int Importe() override;

    bool LitCorpsChampionnat(int64_t offset, TDonneesChampionnat& champ);
};

class TChargeurFichierEquipe : public TChargeurData {
public:
    using TChargeurData::TChargeurData;

    // Teams, people and statistics groups into the season; no championship.
    bool Charge(TSaison* saison, std::unique_ptr<TDonneesChampionnat>& championnat) override;
    bool LitDescription(TDescriptionFichier&) override { return false; }
    int Importe() override { return 0; }
};
