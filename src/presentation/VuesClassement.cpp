#include "presentation/VuesClassement.h"

#include "base/Texte.h"
#include "engine/CalculClassement.h"
#include "engine/ClassJoueur.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

namespace VuesClassement {

namespace {

constexpr std::array<std::pair<int, int>, 16> CommandesClassement{{
    {40, 0},
    {41, 1},
    {42, 2},
    {43, 3},
    {44, 4},
    {45, 5},
    {62, 6},
    {63, 7},
    {64, 29},
    {65, 30},
    {137, 99},
    {138, 102},
    {139, 105},
    {140, 108},
    {141, 111},
    {142, 114},
}};

constexpr std::array<std::pair<int, int>, 13> CommandesJoueur{{
    {66, 0},
    {67, 1},
    {68, 2},
    {69, 3},
    {70, 4},
    {71, 5},
    {73, 6},
    {72, 7},
    {33, 8},
    {116, 11},
    {117, 12},
    {118, 13},
    {119, 14},
}};

template <size_t N> int Cherche(const std::array<std::pair<int, int>, N>& table, int code)
{
    for (const auto& [commande, index] : table)
        if (commande == code)
            return index;
    return -1;
}

bool EstAttaqueDefense(int index)
{
    return index + 1 == TCalculClassement::Attaque || index + 1 == TCalculClassement::Defense;
}

bool EstSituation(int index)
{
    return index >= TCalculClassement::PremiereSituation - 1 && index <= TCalculClassement::DerniereSituation - 1;
}

// A whole number of at least 1 written with digits only; values past any
// possible day are kept at a bound, as they are limited to the last day anyway.
bool LitJour(const std::string& texte, int& jour)
{
    const std::string t = Trim(texte);
    if (t.empty())
        return false;
    long valeur = 0;
    for (char c : t) {
        if (c < '0' || c > '9')
            return false;
        valeur = std::min(valeur * 10 + (c - '0'), 100000L);
    }
    if (valeur < 1)
        return false;
    jour = static_cast<int>(valeur);
    return true;
}

using TMot = std::pair<const char*, int>;

int ChercheMot(std::span<const TMot> table, const std::string& mot, int defaut)
{
    const std::string cle = MinusculesAscii(mot);
    for (const auto& [nom, genre] : table)
        if (cle == MinusculesAscii(nom))
            return genre;
    return defaut;
}

} // namespace

int IndexCommandeClassement(int code)
{
    return Cherche(CommandesClassement, code);
}

int IndexCommandeJoueur(int code)
{
    return Cherche(CommandesJoueur, code);
}

bool TerrainNeutre(int option11)
{
    return (option11 & 2) != 0;
}

int GenreClassement(int index, int option11, TLieu lieu)
{
    int genre = index + 1;
    if (genre == TCalculClassement::General && !TerrainNeutre(option11))
        genre = TCalculClassement::GeneralDetaille;
    if (MenuClassement(index, option11) != TMenuClassement::Lieu)
        return genre;
    if (lieu == TLieu::Domicile)
        genre = EstSituation(index) ? index + 2 : index + 6;
    else if (lieu == TLieu::Exterieur)
        genre = EstSituation(index) ? index + 3 : index + 8;
    return genre;
}

TMenuClassement MenuClassement(int index, int option11)
{
    if ((EstAttaqueDefense(index) || EstSituation(index)) && !TerrainNeutre(option11))
        return TMenuClassement::Lieu;
    if (index >= 0 && index <= 2)
        return TMenuClassement::Journees;
    return TMenuClassement::Aucun;
}

int CodeLieu(TLieu lieu)
{
    switch (lieu) {
    case TLieu::Domicile:
        return 2;
    case TLieu::Exterieur:
        return 3;
    default:
        return 1;
    }
}

bool LitEtendue(const std::string& de, const std::string& a, int derniereJournee, int& tag)
{
    int premier = 0;
    int dernier = 0;
    if (!LitJour(de, premier) || !LitJour(a, dernier))
        return false;
    dernier = std::min({dernier, derniereJournee, 255});
    if (dernier < 1)
        return false;
    premier = std::min(premier, dernier);
    tag = dernier + (premier << 8);
    return true;
}

void EtendueTotale(int derniereJournee, int& de, int& a)
{
    de = 1;
    a = derniereJournee;
}

void EtendueSixDernieres(int derniereJournee, int& de, int& a)
{
    de = derniereJournee < 7 ? 1 : derniereJournee - 5;
    a = derniereJournee;
}

void EtendueAller(int nbEquipe, int& de, int& a)
{
    de = 1;
    a = nbEquipe - 1;
}

void EtendueRetour(int nbEquipe, int& de, int& a)
{
    de = nbEquipe;
    a = 2 * (nbEquipe - 1);
}

int GenreMotCleEquipe(const std::string& type)
{
    static constexpr TMot Types[] = {
        {"general", TCalculClassement::General},
        {"generalcomplet", TCalculClassement::GeneralDetaille},
        {"domicile", TCalculClassement::Domicile},
        {"exterieur", TCalculClassement::Exterieur},
        {"moyenneanglaise", TCalculClassement::Anglais},
        {"attaque", TCalculClassement::Attaque},
        {"defense", TCalculClassement::Defense},
        {"attaqueessai", TCalculClassement::EvenementsMarques},
        {"defenseessai", TCalculClassement::EvenementsEncaisses},
        {"penalitemarque", TCalculClassement::PenalitesMarquees},
        {"penaliteconcede", TCalculClassement::PenalitesEncaissees},
        {"dropmarque", TCalculClassement::DropsMarques},
        {"dropconcede", TCalculClassement::DropsEncaisses},
        {"discipline", TCalculClassement::Discipline},
        {"affluence", TCalculClassement::Affluence},
    };
    return ChercheMot(Types, type, TCalculClassement::General);
}

int GenreMotCleJoueur(const std::string& type, const std::string& statMatch)
{
    static constexpr TMot Types[] = {
        {"buteur", 0},
        {"essai", 0},
        {"averti", 1},
        {"exclus", 2},
        {"doublet", 3},
        {"triplet", 4},
        {"passeur", 5},
        {"realisateur", 10},
        {"transformation", 11},
        {"penalite", 12},
        {"drop", 13},
        {"point", 14},
        {"tir2pts", 15},
        {"tir3pts", 16},
        {"lancerfranc", 17},
        {"efficacite2pts", 18},
        {"efficacite3pt", 19},
        {"efficaciteLf", 20},
        {"rebondOff", 21},
        {"rebondDef", 22},
        {"interception", 23},
        {"contre", 24},
        {"passeurs", 25},
        {"balleperdu", 26},
        {"tempsjeu", 27},
        {"rebond", 28},
        {"evaluation", 29},
        {"fautes", 30},
        {"fautesprovoquees", 31},
    };
    int genre = ChercheMot(Types, type, GenreClassement::Buteurs);
    if (genre >= GenreClassement::PremierBasket && MinusculesAscii(Trim(statMatch)) == "oui")
        genre += genre <= 26 ? 18 : 21;
    return genre;
}

int GenreMotCleArbitre(const std::string& type)
{
    static constexpr TMot Types[] = {
        {"penalty", 0},
        {"jaune", 1},
        {"rouge", 2},
    };
    return ChercheMot(Types, type, 3);
}

bool EstIndexArbitre(int index)
{
    return index >= 11 && index <= 28;
}

int GenreIndexJoueur(int index)
{
    return index >= 29 ? index - 20 : index;
}

} // namespace VuesClassement
