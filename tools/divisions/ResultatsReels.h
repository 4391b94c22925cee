#pragma once

// The real results of one league season, as the results files kept beside the
// generator give them: a JSON document with "name" and "matches", each match
// with "round", "date" ("YYYY-MM-DD"), "team1", "team2" and "score" whose
// "ft" is the full-time score (absent for a match not played). Only the league
// rounds count ("Matchday 12", "Regular, Matchday 12"): play-off rounds are
// not part of the table and are left out.

#include <string>
#include <string_view>
#include <vector>

struct TMatchReel {
    int Journee = 0;
    int Annee = 0;
    int Mois = 0;
    int Jour = 0;
    std::string Equipe1;
    std::string Equipe2;
    bool Joue = false;
    int But1 = 0;
    int But2 = 0;
};

struct TResultatsReels {
    std::string Nom;
    std::vector<TMatchReel> Matchs;

    // Every club of the league matches, once each, in name order (accents and
    // case folded), so that the same file always gives the same order.
    std::vector<std::string> Equipes() const;
    // The last matchday, 0 without matches.
    int NbJournees() const;
    // The first year of the season (that of its earliest match), 0 without matches.
    int PremiereAnnee() const;
};

// False with a message when the text is not such a document or a match in it
// is malformed (a bad date, a team without a name, a score that is not two
// numbers). Nesting and sizes are bounded, so any text is read safely.
bool LitResultatsReels(std::string_view json, TResultatsReels& resultats, std::string& erreur);
bool ChargeResultatsReels(const std::string& fichier, TResultatsReels& resultats, std::string& erreur);
