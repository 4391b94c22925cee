#pragma once

// A small writer of the older binary files (season, championship, data and
// team files), so that the readers can be tested on files built here from the
// layouts rather than on files of unknown origin. It writes what it is given,
// version by version, without checking it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Bytes in the encodings of those files.
class EcrivainAncien {
public:
    std::vector<uint8_t> bytes;

    size_t Position() const { return bytes.size(); }
    void Octet(int v) { bytes.push_back(static_cast<uint8_t>(v)); }
    void Mot(int v);      // little-endian
    void Long(int32_t v); // little-endian
    // `n` bytes, most significant first.
    void Grand(uint32_t v, int n);
    // UTF-8 in, Windows-1252 out, then the terminator.
    void Texte(const std::string& utf8, uint8_t fin = 0);
    // One block of packed names (upper-case letters, ".-' "), always closed by
    // a code 31.
    void BlocNoms(const std::vector<std::string>& noms);
    // Blocks of 200 names, then the last block with fewer (maybe none).
    void ListeNoms(const std::vector<std::string>& noms);
    void Version(int version); // the announcement, nothing below 4
    void PatchMot(size_t position, int v);
    void PatchGrand(size_t position, uint32_t v, int n);
};

struct JoueurAncien {
    std::string Nom, Prenom;
    int Age = 0, Duree = 0, Contrat = 0;
    int Club = 65535;
    int Nationale = 65535, MaillotNational = 0;
    // (code, matches, goals); before version 5 only the first one's matches
    // and goals are kept.
    std::vector<std::array<int, 3>> Histoire;
    char Lettre = 'M';
    int Maillot = 0;
    int ClubPrec = 0, Pays = 0;
    int Numero = 0;
};

struct PersonneAncienne {
    std::string Nom, Prenom;
    int Age = 0, Pays = 0, Numero = 0, ClubActuel = 65535, ClubPrec = 65535;
};

struct StadeAncien {
    std::string Nom, Ville;
    int Capacite = 0, Construction = 0;
    std::string Remarque, Record;
    int Code = 0, Pays = 0;
};

struct RensAncien {
    int Club = 0;
    std::string Creation, Maillot, Rechange, Palmares, Site;
    int Budget = 0;
    std::string Remarque, President;
    int Stade = 65535, Entraineur = 65535, Code = 0;
};

struct EvenementAncien {
    int Mot = 0, Equipe = 0, Joueur = 0;
};

struct MatchAncien {
    int Dom = 0, Score1 = 255, Ext = 0, Score2 = 255;
    int Affluence = 0, Arbitre = 0, Stade = 65535;
    uint32_t Date = 0;
};

struct CompoAncienne {
    int Position = 0;
    std::array<int, 20> Mots{};
};

struct TirsAncien {
    int Buts1 = 0, Buts2 = 0, Equipe1 = 0, Equipe2 = 0;
};

struct AjustementAncien {
    int Equipe1 = 0, Equipe2 = 0, Valeur1 = 0, Valeur2 = 0, Journee = 0;
};

struct CommentaireAncien {
    int Id1 = 0, Id2 = 0;
    std::string Texte;
};

struct NotesAnciennes {
    int Position = 0;
    std::array<int, 15> Notes{};
};

struct JourAncien {
    std::vector<MatchAncien> Matchs;
    uint32_t Date = 0;
    std::vector<EvenementAncien> Buteurs, Cartons, Passeurs;
    std::vector<CommentaireAncien> Commentaires;
    std::vector<CompoAncienne> Compos;
    std::vector<NotesAnciennes> Notes;
    std::vector<TirsAncien> Tirs;
};

struct TourAncien {
    int nTour = 0, Type = 0, NbMatch = 0;
};

struct ChampAncien {
    int Code = 0;
    int Drapeaux = 1; // 1 league, 2 cup, + 8 international
    std::vector<int> Equipes;
    int NbJour = 0, NbMatch = 0;
    std::vector<TourAncien> Tours;
    std::array<uint8_t, 19> Options{};
    int NbJournee = 0, Division = 0, CodePerso = 0;
    std::vector<JourAncien> Jours; // one per day
    std::vector<AjustementAncien> Ajustements;
};

struct PlaceAncienne {
    int Min = 0, Max = 0;
};

struct BarrageAncien {
    int Code = 0, TypeGroupe = 0;
    std::vector<std::pair<int, std::vector<PlaceAncienne>>> Divisions;
    struct Tour {
        int NbMatch = 0, Type = 0;
        std::vector<std::array<int, 4>> Appariements;
    };
    std::vector<Tour> Tours;
    std::array<uint8_t, 19> Options{};
};

struct SaisonAncienne {
    std::vector<std::string> Equipes;    // from version 4: ids 0, 1, ...
    std::vector<std::string> Nationales; // before version 4: ids from 200
    std::vector<std::string> ClubsPrec;
    std::vector<PersonneAncienne> Entraineurs;
    std::vector<StadeAncien> Stades;
    std::vector<RensAncien> Rens;
    std::vector<JoueurAncien> Joueurs;
    std::vector<PersonneAncienne> Arbitres;
    std::vector<std::string> Pays;
    std::vector<std::string> Groupes;
    std::vector<std::pair<int, std::string>> Desc; // (value * 16 + level, text)
    std::vector<ChampAncien> Championnats;
    std::vector<BarrageAncien> Barrages;
    int Annees = 0; // data files: (year - 1900) * 256 + second year byte
};

std::vector<uint8_t> EcritSaison(const SaisonAncienne& s, int version);
// Championship file: the season's teams, people and its first championship.
std::vector<uint8_t> EcritChampionnat(const SaisonAncienne& s, int version);
// Data file: the same without the body, then the years word.
std::vector<uint8_t> EcritData(const SaisonAncienne& s, int version);
std::vector<uint8_t> EcritFichierEquipe(const SaisonAncienne& s, int version);

} // namespace testsupport

namespace testsupport {

// A season of every record kind, as a file of `version` can hold it: four
// teams ("Lyon", "Nantes", "Evian"/"Évian", "Metz"), a six-day league between
// them with results, events, line-ups and comments on day 1, a one-round
// international cup from version 4, a play-off, and four players of whom the
// last merges into the first (same names and team) with id 10.
SaisonAncienne ExempleSaison(int version);

} // namespace testsupport
