#include "ResultatsReels.h"

#include "Json.h"

#include "base/Texte.h"
#include "files/Fichiers.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

namespace {

// A results file of a whole league season is under 200 KB; the bound keeps
// the parsed tree of any file small.
constexpr uintmax_t MaxTailleFichier = 2u << 20;
constexpr int MaxJournee = 999;
constexpr int MaxButs = 200;

// "Matchday 12" or "Regular, Matchday 12" gives 12; any other round 0.
int JourneeDuTour(std::string_view tour)
{
    static constexpr std::string_view Motif = "Matchday ";
    const size_t p = tour.rfind(Motif);
    if (p == std::string_view::npos || (p != 0 && (p < 2 || tour.substr(p - 2, 2) != ", ")))
        return 0;
    const std::string_view chiffres = tour.substr(p + Motif.size());
    int n = 0;
    const auto [fin, ec] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), n);
    if (ec != std::errc() || fin != chiffres.data() + chiffres.size() || n < 1 || n > MaxJournee)
        return 0;
    return n;
}

bool LitDate(std::string_view texte, TMatchReel& m)
{
    return LitDateIso(texte, m.Annee, m.Mois, m.Jour);
}

bool NomEquipe(const TJson* v, std::string& nom)
{
    if (!v || v->Type != TJson::Texte)
        return false;
    nom = Trim(v->Chaine);
    return !nom.empty() &&
           std::none_of(nom.begin(), nom.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool LitScore(const TJson* score, TMatchReel& m)
{
    const TJson* ft = score && score->Type == TJson::Objet ? score->Membre("ft") : nullptr;
    if (!ft)
        return score == nullptr || score->Type == TJson::Objet;
    if (ft->Type != TJson::Tableau || ft->Elements.size() != 2)
        return false;
    int buts[2];
    for (int i = 0; i < 2; ++i) {
        const TJson& b = ft->Elements[i];
        if (b.Type != TJson::Nombre || b.Valeur < 0 || b.Valeur > MaxButs || b.Valeur != static_cast<int>(b.Valeur))
            return false;
        buts[i] = static_cast<int>(b.Valeur);
    }
    m.Joue = true;
    m.But1 = buts[0];
    m.But2 = buts[1];
    return true;
}

bool LitMatch(const TJson& v, TMatchReel& m, bool& garde)
{
    garde = false;
    if (v.Type != TJson::Objet)
        return false;
    const TJson* tour = v.Membre("round");
    if (!tour || tour->Type != TJson::Texte)
        return false;
    m.Journee = JourneeDuTour(tour->Chaine);
    if (m.Journee == 0)
        return true;
    const TJson* date = v.Membre("date");
    if (!date || date->Type != TJson::Texte || !LitDate(date->Chaine, m))
        return false;
    if (!NomEquipe(v.Membre("team1"), m.Equipe1) || !NomEquipe(v.Membre("team2"), m.Equipe2) || m.Equipe1 == m.Equipe2)
        return false;
    garde = true;
    return LitScore(v.Membre("score"), m);
}

} // namespace

std::vector<std::string> TResultatsReels::Equipes() const
{
    std::set<std::string> noms;
    for (const TMatchReel& m : Matchs) {
        noms.insert(m.Equipe1);
        noms.insert(m.Equipe2);
    }
    std::vector<std::string> liste(noms.begin(), noms.end());
    std::stable_sort(liste.begin(), liste.end(),
                     [](const std::string& a, const std::string& b) { return CompareTexteSansAccent(a, b) < 0; });
    return liste;
}

int TResultatsReels::NbJournees() const
{
    int n = 0;
    for (const TMatchReel& m : Matchs)
        n = std::max(n, m.Journee);
    return n;
}

int TResultatsReels::PremiereAnnee() const
{
    int annee = 0;
    for (const TMatchReel& m : Matchs)
        if (annee == 0 || m.Annee < annee)
            annee = m.Annee;
    return annee;
}

bool LitResultatsReels(std::string_view json, TResultatsReels& resultats, std::string& erreur)
{
    resultats = {};
    TJson racine;
    if (!LitJson(json, racine, erreur))
        return false;
    const TJson* matchs = racine.Type == TJson::Objet ? racine.Membre("matches") : nullptr;
    if (!matchs || matchs->Type != TJson::Tableau) {
        erreur = "no \"matches\" list";
        return false;
    }
    if (const TJson* nom = racine.Membre("name"); nom && nom->Type == TJson::Texte)
        resultats.Nom = nom->Chaine;
    for (size_t i = 0; i < matchs->Elements.size(); ++i) {
        TMatchReel m;
        bool garde = false;
        if (!LitMatch(matchs->Elements[i], m, garde)) {
            erreur = "match " + std::to_string(i + 1) + " is malformed";
            resultats = {};
            return false;
        }
        if (garde)
            resultats.Matchs.push_back(std::move(m));
    }
    return true;
}

bool ChargeResultatsReels(const std::string& fichier, TResultatsReels& resultats, std::string& erreur)
{
    std::string octets;
    if (!LitFichierBorne(fichier, MaxTailleFichier, octets)) {
        erreur = fichier + ": cannot be read";
        return false;
    }
    if (!LitResultatsReels(octets, resultats, erreur)) {
        erreur = fichier + ": " + erreur;
        return false;
    }
    return true;
}
