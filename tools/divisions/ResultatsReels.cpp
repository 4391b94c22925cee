#include "ResultatsReels.h"

#include "LectureJson.h"

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

bool LitScore(const nlohmann::json* score, TMatchReel& m)
{
    const nlohmann::json* ft = score ? Membre(*score, "ft") : nullptr;
    if (!ft)
        return score == nullptr || score->is_object();
    if (!ft->is_array() || ft->size() != 2)
        return false;
    int buts[2];
    for (size_t i = 0; i < 2; ++i)
        if (!EntierJson(&(*ft)[i], 0, MaxButs, buts[i]))
            return false;
    m.Joue = true;
    m.But1 = buts[0];
    m.But2 = buts[1];
    return true;
}

bool LitMatch(const nlohmann::json& v, TMatchReel& m, bool& garde)
{
    garde = false;
    const nlohmann::json* tour = Membre(v, "round");
    if (!tour || !tour->is_string())
        return false;
    m.Journee = JourneeDuTour(tour->get_ref<const std::string&>());
    if (m.Journee == 0)
        return true;
    const nlohmann::json* date = Membre(v, "date");
    if (!date || !date->is_string() || !LitDate(date->get_ref<const std::string&>(), m))
        return false;
    if (!TexteJson(Membre(v, "team1"), m.Equipe1) || !TexteJson(Membre(v, "team2"), m.Equipe2) ||
        m.Equipe1 == m.Equipe2)
        return false;
    garde = true;
    return LitScore(Membre(v, "score"), m);
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
    nlohmann::json racine;
    if (!LitJson(json, racine, erreur))
        return false;
    const nlohmann::json* matchs = Membre(racine, "matches");
    if (!matchs || !matchs->is_array()) {
        erreur = "no \"matches\" list";
        return false;
    }
    if (const nlohmann::json* nom = Membre(racine, "name"); nom && nom->is_string())
        resultats.Nom = nom->get_ref<const std::string&>();
    for (size_t i = 0; i < matchs->size(); ++i) {
        TMatchReel m;
        bool garde = false;
        if (!LitMatch((*matchs)[i], m, garde)) {
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
