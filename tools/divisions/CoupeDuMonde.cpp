#include "CoupeDuMonde.h"

#include "LectureJson.h"

#include "base/Texte.h"
#include "files/Blasons.h"
#include "files/ChargeurXmp.h"
#include "files/Fichiers.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "presentation/ResultatsJournee.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr uintmax_t MaxTailleFichier = 2u << 20;
constexpr int MaxButs = 99;
// The minute word holds 1..127.
constexpr int MaxMinute = 127;
constexpr uint8_t DatesParMatch = 4;
constexpr int MinutesReglementaires = 90;
// Every stadium of the tournament lies in the host country, which the
// stadiums file does not name.
constexpr const char* PaysHote = "Qatar";

// Names the source spells two ways or misspells, with the one kept; short
// names of players whose full name the source gives elsewhere or not at all.
const std::map<std::string, std::string>& Alias()
{
    static const std::map<std::string, std::string> Table = {
        {"USA", "United States"},
        {"Mbappé", "Kylian Mbappé"},
        {"Rashford", "Marcus Rashford"},
        {"Foden", "Phil Foden"},
        {"Ritsu Doan", "Ritsu Dōan"},
        {"Salem Al Dawasari", "Salem Al Dawsari"},
        {"Wout Werghost", "Wout Weghorst"},
        {"Hakim Zyiech", "Hakim Ziyech"},
        {"Aurelién Tchouaméni", "Aurélien Tchouaméni"},
        {"Piotr Zielinski", "Piotr Zieliński"},
        {"Kai Lukas Havertz", "Kai Havertz"},
        {"Koulibaly", "Kalidou Koulibaly"},
        {"Pulisic", "Christian Pulisic"},
        {"Freuler", "Remo Freuler"},
        {"Kolo Muani", "Randal Kolo Muani"},
        {"Mac Allister", "Alexis Mac Allister"},
        {"Lusail Iconic Stadium", "Lusail Stadium"},
    };
    return Table;
}

// The names of the crest catalogue for the countries it holds.
const std::map<std::string, std::string>& Pays()
{
    static const std::map<std::string, std::string> Table = {
        {"Argentina", "Argentine"},
        {"Australia", "Australie"},
        {"Belgium", "Belgique"},
        {"Brazil", "Brésil"},
        {"Cameroon", "Cameroun"},
        {"Canada", "Canada"},
        {"Costa Rica", "Costa Rica"},
        {"Croatia", "Croatie"},
        {"Denmark", "Danemark"},
        {"Ecuador", "Équateur"},
        {"England", "Angleterre"},
        {"France", "France"},
        {"Germany", "Allemagne"},
        {"Ghana", "Ghana"},
        {"Iran", "Iran"},
        {"Japan", "Japon"},
        {"Mexico", "Mexique"},
        {"Morocco", "Maroc"},
        {"Netherlands", "Pays-Bas"},
        {"Poland", "Pologne"},
        {"Portugal", "Portugal"},
        {"Qatar", "Qatar"},
        {"Saudi Arabia", "Arabie saoudite"},
        {"Senegal", "Sénégal"},
        {"Serbia", "Serbie"},
        {"South Korea", "Corée du Sud"},
        {"Spain", "Espagne"},
        {"Switzerland", "Suisse"},
        {"Tunisia", "Tunisie"},
        {"United States", "États-Unis"},
        {"Uruguay", "Uruguay"},
        {"Wales", "Pays de Galles"},
    };
    return Table;
}

// The knock-out rounds in their order; the third-place match is played on the
// final's day.
constexpr const char* ToursElimination[] = {"Round of 32", "Round of 16", "Quarter-finals", "Semi-finals", "Final"};
constexpr std::string_view PetiteFinale = "Match for third place";

using Json = nlohmann::json;

bool Vrai(const Json* v)
{
    return v && v->is_boolean() && v->get<bool>();
}

// Absent: true, `present` false.
bool Paire(const Json& score, const char* nom, int (&valeurs)[2], bool& present)
{
    const Json* p = Membre(score, nom);
    present = p != nullptr;
    if (!p)
        return true;
    return p->is_array() && p->size() == 2 && EntierJson(&(*p)[0], 0, MaxButs, valeurs[0]) &&
           EntierJson(&(*p)[1], 0, MaxButs, valeurs[1]);
}

bool LitButs(const Json* liste, std::vector<TButCoupe>& buts)
{
    if (!liste)
        return true;
    if (!liste->is_array() || liste->size() > MaxButs)
        return false;
    for (const Json& b : *liste) {
        TButCoupe but;
        if (!b.is_object() || !TexteJson(Membre(b, "name"), but.Joueur) ||
            !EntierJson(Membre(b, "minute"), 1, MaxMinute, but.Minute))
            return false;
        if (const Json* o = Membre(b, "offset"); o && !o->is_number())
            return false;
        but.Joueur = NomCanonique(but.Joueur);
        but.Penalty = Vrai(Membre(b, "penalty"));
        but.ContreSonCamp = Vrai(Membre(b, "owngoal"));
        buts.push_back(std::move(but));
    }
    return true;
}

bool LitMatch(const Json& v, TMatchCoupe& m)
{
    if (!TexteJson(Membre(v, "round"), m.Tour) || !TexteJson(Membre(v, "team1"), m.Equipe1) ||
        !TexteJson(Membre(v, "team2"), m.Equipe2))
        return false;
    m.Equipe1 = NomCanonique(m.Equipe1);
    m.Equipe2 = NomCanonique(m.Equipe2);
    std::string date, terrain;
    if (!TexteJson(Membre(v, "date"), date) || !LitDateIso(date, m.Annee, m.Mois, m.Jour) || m.Equipe1 == m.Equipe2)
        return false;
    if (const Json* g = Membre(v, "group"); g && !TexteJson(g, m.Groupe))
        return false;
    // "stadium, town": the town is the stadium list's business.
    if (!TexteJson(Membre(v, "ground"), terrain))
        return false;
    m.Stade = NomCanonique(Trim(terrain.substr(0, terrain.rfind(','))));
    const Json* score = Membre(v, "score");
    // The half-time score is the goals' minutes' business: the source's own is
    // missing for some matches and wrong for a few.
    bool ft = false, ht = false;
    int mitemps[2] = {0, 0};
    if (!score || !score->is_object() || !Paire(*score, "ft", m.TempsReglementaire, ft) || !ft ||
        !Paire(*score, "ht", mitemps, ht) || !Paire(*score, "p", m.Tirs, m.TirsAuBut))
        return false;
    int apres[2] = {0, 0};
    if (!Paire(*score, "et", apres, m.Prolongation))
        return false;
    const int* fin = m.Prolongation ? apres : m.TempsReglementaire;
    m.Score[0] = fin[0];
    m.Score[1] = fin[1];
    return LitButs(Membre(v, "goals1"), m.Buts[0]) && LitButs(Membre(v, "goals2"), m.Buts[1]);
}

bool LitDocument(std::string_view texte, const char* quoi, const char* liste, Json& racine, const Json*& elements,
                 std::string& erreur)
{
    if (!LitJson(texte, racine, erreur)) {
        erreur = std::string(quoi) + ": " + erreur;
        return false;
    }
    elements = Membre(racine, liste);
    if (!elements || !elements->is_array()) {
        erreur = std::string(quoi) + ": no \"" + liste + "\" list";
        return false;
    }
    return true;
}

// "Al Rayyan (2)": the list numbers the stadiums of one town.
std::string Ville(const std::string& ville)
{
    const size_t p = ville.rfind(" (");
    return p != std::string::npos && ville.back() == ')' ? ville.substr(0, p) : ville;
}

// First name, then the rest; a single name is a surname.
void SepareNom(const std::string& complet, std::string& prenom, std::string& nom)
{
    const size_t p = complet.find(' ');
    if (p == std::string::npos) {
        prenom.clear();
        nom = complet;
    } else {
        prenom = complet.substr(0, p);
        nom = Trim(complet.substr(p + 1));
    }
}

std::string Date(const TMatchCoupe& m)
{
    auto deux = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return std::to_string(m.Annee) + "-" + deux(m.Mois) + "-" + deux(m.Jour);
}

// 0 the home side went through, 1 the away side, -1 neither.
int Vainqueur(const TMatchCoupe& m)
{
    const int* s = m.TirsAuBut ? m.Tirs : m.Score;
    return s[0] > s[1] ? 0 : s[1] > s[0] ? 1 : -1;
}

class TConstructeur {
public:
    TConstructeur(const TCoupeReelle& coupe, const TBlasons* blasons, std::string& erreur)
        : Coupe(coupe), Blasons(blasons), Erreur(erreur)
    {
    }

    std::unique_ptr<TSaison> Construit()
    {
        if (!Equipes() || !Verifie() || !Stades())
            return nullptr;
        Saison->AjouteDesc(TitreCoupe, 1, 0);
        if (!Groupes() || !Elimination())
            return nullptr;
        // The results page shows a played current day in standings order and
        // takes a new order for a change: stored so, the season opens unchanged.
        for (int n = Saison->NbChampionnat(); n >= 1; --n) {
            Saison->SetNumChampCourant(n);
            TResultatsJournee(Saison.get()).Initialiser();
        }
        return std::move(Saison);
    }

private:
    struct TEquipe {
        uint16_t Id;
        size_t Groupe;
        uint16_t Pays;
    };

    bool Refuse(const std::string& message)
    {
        Erreur = message;
        return false;
    }

    bool Equipes()
    {
        for (size_t g = 0; g < Coupe.Groupes.size(); ++g)
            for (const std::string& e : Coupe.Groupes[g].Equipes) {
                if (Equipe.count(e))
                    return Refuse("team " + e + " is in two groups");
                const std::string pays = NomPays(e);
                const int id = Saison->AjouteEquipe(pays, -1, false, Blason(pays));
                if (id < 0)
                    return Refuse("team " + e + " refused");
                Equipe[e] = {static_cast<uint16_t>(id), g, static_cast<uint16_t>(Saison->Pays().Cherche(pays))};
            }
        return true;
    }

    int Blason(const std::string& pays) const
    {
        uint16_t id = 0, parent = 0;
        std::string nom;
        for (int i = 0; Blasons && Blasons->GetElement(i, id, nom, parent); ++i)
            if (parent == 0 && nom == pays)
                return id;
        return 0;
    }

    bool Verifie()
    {
        for (const TMatchCoupe& m : Coupe.Matchs) {
            for (const std::string* e : {&m.Equipe1, &m.Equipe2})
                if (!Equipe.count(*e))
                    return Refuse(m.Libelle() + ": team " + *e + " is not in the groups file");
            if (static_cast<int>(m.Buts[0].size()) != m.Score[0] || static_cast<int>(m.Buts[1].size()) != m.Score[1])
                return Refuse(m.Libelle() + ": the goals listed (" + std::to_string(m.Buts[0].size()) + " - " +
                              std::to_string(m.Buts[1].size()) + ") do not add up to the score " +
                              std::to_string(m.Score[0]) + " - " + std::to_string(m.Score[1]));
            if (!m.Groupe.empty()) {
                const size_t g1 = Equipe[m.Equipe1].Groupe, g2 = Equipe[m.Equipe2].Groupe;
                if (g1 != g2 || Coupe.Groupes[g1].Nom != m.Groupe)
                    return Refuse(m.Libelle() + ": the teams are not both of " + m.Groupe);
                if (m.TirsAuBut)
                    return Refuse(m.Libelle() + ": a group match has no shoot-out");
                if (m.Prolongation)
                    return Refuse(m.Libelle() + ": a group match has no extra time");
            } else if (m.Prolongation && m.TempsReglementaire[0] != m.TempsReglementaire[1]) {
                return Refuse(m.Libelle() + ": extra time after a full time that was not level");
            } else if (m.Prolongation &&
                       (m.Score[0] < m.TempsReglementaire[0] || m.Score[1] < m.TempsReglementaire[1])) {
                return Refuse(m.Libelle() + ": the score after extra time is below the full time's");
            } else if (m.TirsAuBut && m.Score[0] != m.Score[1]) {
                return Refuse(m.Libelle() + ": a shoot-out after a tie that was not level");
            } else if (m.TirsAuBut && m.Tirs[0] == m.Tirs[1]) {
                return Refuse(m.Libelle() + ": the shoot-out is level");
            } else if (Vainqueur(m) < 0) {
                return Refuse(m.Libelle() + ": a knock-out tie level without a shoot-out");
            }
            for (const auto& buts : m.Buts)
                for (const TButCoupe& b : buts)
                    if (!m.Prolongation && b.Minute > MinutesReglementaires)
                        return Refuse(m.Libelle() + ": a goal in minute " + std::to_string(b.Minute) +
                                      " without extra time");
        }
        return true;
    }

    bool Stades()
    {
        const uint16_t hote = static_cast<uint16_t>(Saison->Pays().Cherche(PaysHote));
        for (const TStadeCoupe& s : Coupe.Stades) {
            // Listed twice, a match there would be in either of them.
            if (Stade.count(s.Nom)) {
                const auto m = std::find_if(Coupe.Matchs.begin(), Coupe.Matchs.end(),
                                            [&](const TMatchCoupe& m) { return m.Stade == s.Nom; });
                return Refuse((m != Coupe.Matchs.end() ? m->Libelle() + ": stadium " : "stadium ") + s.Nom +
                              " is twice in the stadiums file");
            }
            auto stade = std::make_unique<TStade>(s.Nom, s.Capacite, Ville(s.Ville));
            stade->CodePays = hote;
            TStades& stades = Saison->Stades();
            Stade[s.Nom] = stades.Get(stades.Ajoute(std::move(stade), false))->Code;
        }
        for (const TMatchCoupe& m : Coupe.Matchs)
            if (!Stade.count(m.Stade))
                return Refuse(m.Libelle() + ": stadium " + m.Stade + " is not in the stadiums file");
        return true;
    }

    void Communs(TDonneesChampionnat& c, int code, int annee)
    {
        c.CodeChamp = code;
        c.SetCode(1000 + code);
        c.SetOption(11, DatesParMatch);
        // The scorers of both stages are ranked together.
        c.SetOption(0, 3);
        c.SetOption(2, 0);
        c.SetOption(3, 0);
        c.SetOption(12, 0);
        c.SetOption(8, static_cast<uint8_t>(annee - 1900));
        c.SetOption(9, static_cast<uint8_t>(annee % 100));
    }

    bool Groupes()
    {
        std::unique_ptr<TDonneesChampionnat> champ =
            Saison->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeInternational);
        TDonneesChampionnat& c = *champ;
        Communs(c, 1, Annee());
        // Points, goal difference, goals for, then the matches between the teams level.
        c.OrdreClassement = "acu";
        int nbEquipes = 0, nbMatchs = 0, nbJours = 0;
        for (const TGroupeCoupe& g : Coupe.Groupes) {
            const int n = static_cast<int>(g.Equipes.size());
            nbEquipes += n;
            nbMatchs += n / 2;
            nbJours = std::max(nbJours, n - 1 + n % 2);
        }
        if (nbEquipes > TDonneesChampionnat::MaxEquipes)
            return Refuse("too many teams in the groups");
        c.SetNbEquipe(nbEquipes);
        c.SetNbMatch(nbMatchs);
        c.SetNbJour(nbJours);
        int p = 0;
        for (const TGroupeCoupe& g : Coupe.Groupes) {
            auto groupe = std::make_unique<TGroupeEquipe>("Groupe " + g.Nom.substr(g.Nom.rfind(' ') + 1));
            for (const std::string& e : g.Equipes) {
                c.SetEquipe(p++, Equipe[e].Id);
                groupe->AjouteEquipe(Equipe[e].Id);
            }
            c.AjouteGroupe(std::move(groupe));
        }
        Saison->AjouteChampionnat(std::move(champ));
        Saison->SetNumChampCourant(Saison->NbChampionnat());
        Saison->AjouteDesc("Phase de groupes", 3, c.CodeChamp);

        // A team's first, second and third match, whatever the source's numbering.
        std::map<std::string, int> joues;
        std::vector<int> parJour(static_cast<size_t>(nbJours) + 1, 0);
        for (const TMatchCoupe& m : Coupe.Matchs) {
            if (m.Groupe.empty())
                continue;
            const int jour = std::max(joues[m.Equipe1], joues[m.Equipe2]) + 1;
            ++joues[m.Equipe1];
            ++joues[m.Equipe2];
            if (jour > nbJours)
                return Refuse(m.Libelle() + ": a team plays more group matches than its group allows");
            if (!AjouteMatch(c, jour, -1, m))
                return false;
            ++parJour[static_cast<size_t>(jour)];
        }
        for (int n = 1; n <= nbJours; ++n)
            if ((c.GetJournee(n) ? c.GetJournee(n)->NbMatch() : 0) != parJour[static_cast<size_t>(n)])
                return Refuse("group matchday " + std::to_string(n) + " holds a team twice");
        c.NbJournee = c.JourneeJouee = static_cast<uint8_t>(nbJours);
        return true;
    }

    bool Elimination()
    {
        std::vector<std::vector<const TMatchCoupe*>> tours;
        std::vector<const TMatchCoupe*> petiteFinale;
        for (const char* nom : ToursElimination) {
            std::vector<const TMatchCoupe*> tour;
            for (const TMatchCoupe& m : Coupe.Matchs)
                if (m.Groupe.empty() && m.Tour == nom)
                    tour.push_back(&m);
            if (!tour.empty())
                tours.push_back(std::move(tour));
        }
        for (const TMatchCoupe& m : Coupe.Matchs)
            if (m.Groupe.empty() && m.Tour == PetiteFinale)
                petiteFinale.push_back(&m);
            else if (m.Groupe.empty() && std::none_of(std::begin(ToursElimination), std::end(ToursElimination),
                                                      [&](const char* t) { return m.Tour == t; }))
                return Refuse(m.Libelle() + ": round " + m.Tour + " is neither a group nor a knock-out round");
        if (tours.empty())
            return true;
        if (tours.back().size() != 1 || tours.back().front()->Tour != std::string("Final"))
            return Refuse("the knock-out has no final, or more than one");
        if (petiteFinale.size() > 1)
            return Refuse(petiteFinale[1]->Libelle() + ": a second third-place match");
        // Each round in the order of the next one's pairs: the ties of match k
        // of a round lead to match k / 2 of the next.
        for (size_t r = tours.size() - 1; r-- > 0;) {
            std::vector<const TMatchCoupe*> ordre;
            std::set<const TMatchCoupe*> pris;
            for (const TMatchCoupe* suivant : tours[r + 1])
                for (const std::string* e : {&suivant->Equipe1, &suivant->Equipe2}) {
                    auto it = std::find_if(tours[r].begin(), tours[r].end(), [&](const TMatchCoupe* m) {
                        return !pris.count(m) && (m->Equipe1 == *e || m->Equipe2 == *e);
                    });
                    if (it == tours[r].end())
                        return Refuse(suivant->Libelle() + ": " + *e + " played no tie of the round before");
                    const TMatchCoupe& m = **it;
                    if ((Vainqueur(m) == 0 ? m.Equipe1 : m.Equipe2) != *e)
                        return Refuse(m.Libelle() + ": " + *e + " lost it, yet plays " + suivant->Libelle());
                    pris.insert(&m);
                    ordre.push_back(&m);
                }
            if (ordre.size() != tours[r].size())
                return Refuse(tours[r].front()->Libelle() + ": its round does not lead to the next one");
            tours[r] = std::move(ordre);
        }
        if (!PremiersDesGroupes(tours.front()) || (!petiteFinale.empty() && !Perdants(tours, *petiteFinale.front())))
            return false;

        std::unique_ptr<TDonneesChampionnat> champ =
            Saison->CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeInternational);
        TDonneesChampionnat& c = *champ;
        Communs(c, 2, Annee());
        c.SetNbEquipe(static_cast<int>(tours.front().size() * 2));
        int p = 0;
        for (const TMatchCoupe* m : tours.front()) {
            c.SetEquipe(p++, Equipe[m->Equipe1].Id);
            c.SetEquipe(p++, Equipe[m->Equipe2].Id);
        }
        // Rounds are numbered back from the final (1), the semi-finals (2)...
        std::vector<TTourCoupeJour> jours;
        for (size_t r = 0; r < tours.size(); ++r)
            jours.push_back({static_cast<uint16_t>(tours.size() - r), static_cast<uint16_t>(tours[r].size()), 1});
        c.CreeToursCoupe(jours);
        c.PetiteFinale = !petiteFinale.empty();
        Saison->AjouteChampionnat(std::move(champ));
        Saison->SetNumChampCourant(Saison->NbChampionnat());
        Saison->AjouteDesc("Phase finale", 3, c.CodeChamp);
        if (!petiteFinale.empty())
            tours.back().push_back(petiteFinale.front());
        for (size_t r = 0; r < tours.size(); ++r)
            for (size_t i = 0; i < tours[r].size(); ++i) {
                const TMatchCoupe& m = *tours[r][i];
                const int jour = static_cast<int>(r + 1);
                if (!AjouteMatch(c, jour, static_cast<int>(i), m))
                    return false;
                const uint16_t id1 = Equipe[m.Equipe1].Id, id2 = Equipe[m.Equipe2].Id;
                c.SetQualifie(jour, id1, id2, Vainqueur(m));
                if (m.TirsAuBut)
                    c.AjoutePenaltys(jour, id1, id2, static_cast<uint8_t>(m.Tirs[0]), static_cast<uint8_t>(m.Tirs[1]));
            }
        c.NbJournee = c.JourneeJouee = static_cast<uint8_t>(tours.size());
        return true;
    }

    // The knock-out starts with the first two of each group: a team that two
    // others of its group passed on points, goal difference and goals is
    // refused. The criteria after those (the matches between the teams level,
    // and beyond) are not counted, so a team level on all three passes.
    bool PremiersDesGroupes(const std::vector<const TMatchCoupe*>& tour)
    {
        std::map<std::string, std::array<int, 3>> table;
        for (const TMatchCoupe& m : Coupe.Matchs) {
            if (m.Groupe.empty())
                continue;
            const std::string* equipes[2] = {&m.Equipe1, &m.Equipe2};
            for (int cote = 0; cote < 2; ++cote) {
                const int pour = m.Score[cote], contre = m.Score[1 - cote];
                std::array<int, 3>& ligne = table[*equipes[cote]];
                ligne[0] += pour > contre ? 3 : pour == contre ? 1 : 0;
                ligne[1] += pour - contre;
                ligne[2] += pour;
            }
        }
        if (table.empty())
            return true;
        for (const TMatchCoupe* m : tour)
            for (const std::string* e : {&m->Equipe1, &m->Equipe2}) {
                const TGroupeCoupe& groupe = Coupe.Groupes[Equipe[*e].Groupe];
                const int devant =
                    static_cast<int>(std::count_if(groupe.Equipes.begin(), groupe.Equipes.end(),
                                                   [&](const std::string& autre) { return table[autre] > table[*e]; }));
                if (devant >= 2)
                    return Refuse(m->Libelle() + ": " + *e + " is not among the first two of " + groupe.Nom);
            }
        return true;
    }

    bool Perdants(const std::vector<std::vector<const TMatchCoupe*>>& tours, const TMatchCoupe& petiteFinale)
    {
        std::set<std::string> perdants;
        if (tours.size() >= 2)
            for (const TMatchCoupe* m : tours[tours.size() - 2])
                perdants.insert(Vainqueur(*m) == 0 ? m->Equipe2 : m->Equipe1);
        if (perdants != std::set<std::string>{petiteFinale.Equipe1, petiteFinale.Equipe2})
            return Refuse(petiteFinale.Libelle() + ": the third-place match is not between the semi-finals' losers");
        return true;
    }

    int Annee() const
    {
        int annee = 0;
        for (const TMatchCoupe& m : Coupe.Matchs)
            if (annee == 0 || m.Annee < annee)
                annee = m.Annee;
        return std::clamp(annee, 1900, 1900 + 255);
    }

    // The match with its score, stadium and goals.
    bool AjouteMatch(TDonneesChampionnat& c, int jour, int index, const TMatchCoupe& m)
    {
        const uint16_t id[2] = {Equipe[m.Equipe1].Id, Equipe[m.Equipe2].Id};
        const int i = c.AjouteMatchDate(jour, id[0], id[1], EncodeDateMatch(m.Jour, m.Mois, m.Annee), index,
                                        static_cast<uint16_t>(m.Score[0]), static_cast<uint16_t>(m.Score[1]));
        TInfoComp* match = i >= 0 ? c.GetMatch(jour, i + 1) : nullptr;
        if (!match)
            return Refuse(m.Libelle() + ": does not fit its day");
        match->SetStade(Stade[m.Stade]);
        TListeDonnees* buteurs = c.GetButeursJournee(jour);
        for (int cote = 0; cote < 2; ++cote)
            for (const TButCoupe& b : m.Buts[cote]) {
                const uint16_t mot = static_cast<uint16_t>(b.Minute | (b.Penalty ? Evt::Penalty : 0) |
                                                           (b.ContreSonCamp ? Evt::ContreCamp : 0));
                buteurs->Ajoute(std::make_unique<TDonneesEvt>(Joueur(b.Joueur, id[b.ContreSonCamp ? 1 - cote : cote]),
                                                              id[cote], mot));
            }
        return true;
    }

    // The player of that national team, created on the first goal.
    int Joueur(const std::string& complet, uint16_t equipe)
    {
        auto [it, nouveau] = Joueurs.try_emplace({equipe, complet}, 0);
        if (!nouveau)
            return it->second;
        std::string prenom, nom;
        SepareNom(complet, prenom, nom);
        std::unique_ptr<TJoueur> j = Saison->CreeJoueurComplet(nom, prenom, -1, 0, 'M', 0, 65535, equipe, 65535, 0, 0);
        for (const auto& [source, e] : Equipe)
            if (e.Id == equipe)
                j->CodePays = e.Pays;
        it->second = Saison->Joueurs().AjouteSimple(std::move(j))->Numero;
        return it->second;
    }

    const TCoupeReelle& Coupe;
    const TBlasons* Blasons;
    std::string& Erreur;
    std::unique_ptr<TSaison> Saison = std::make_unique<TSaisonFootball>();
    std::map<std::string, TEquipe> Equipe;
    std::map<std::string, uint16_t> Stade;
    std::map<std::pair<uint16_t, std::string>, int> Joueurs;
};

} // namespace

std::string TMatchCoupe::Libelle() const
{
    return "match " + Equipe1 + " - " + Equipe2 + " of " + Date(*this);
}

std::string NomCanonique(const std::string& nom)
{
    const auto it = Alias().find(nom);
    return it != Alias().end() ? it->second : nom;
}

std::string NomPays(const std::string& equipe)
{
    const auto it = Pays().find(equipe);
    return it != Pays().end() ? it->second : equipe;
}

bool LitCoupeReelle(std::string_view matchs, std::string_view groupes, std::string_view stades, TCoupeReelle& coupe,
                    std::string& erreur)
{
    coupe = {};
    Json racine;
    const Json* liste = nullptr;
    if (!LitDocument(groupes, "groups", "groups", racine, liste, erreur))
        return false;
    for (size_t i = 0; i < liste->size(); ++i) {
        const Json& g = (*liste)[i];
        TGroupeCoupe groupe;
        const Json* equipes = Membre(g, "teams");
        if (!equipes || !TexteJson(Membre(g, "name"), groupe.Nom) || !equipes->is_array()) {
            erreur = "groups: group " + std::to_string(i + 1) + " is malformed";
            return false;
        }
        for (const Json& e : *equipes) {
            std::string nom;
            if (!TexteJson(&e, nom)) {
                erreur = "groups: " + groupe.Nom + " is malformed";
                return false;
            }
            groupe.Equipes.push_back(NomCanonique(nom));
        }
        coupe.Groupes.push_back(std::move(groupe));
    }
    if (!LitDocument(stades, "stadiums", "stadiums", racine, liste, erreur))
        return false;
    for (size_t i = 0; i < liste->size(); ++i) {
        const Json& s = (*liste)[i];
        TStadeCoupe stade;
        if (!TexteJson(Membre(s, "name"), stade.Nom) || !TexteJson(Membre(s, "city"), stade.Ville) ||
            (Membre(s, "capacity") && !EntierJson(Membre(s, "capacity"), 0, 1 << 30, stade.Capacite))) {
            erreur = "stadiums: stadium " + std::to_string(i + 1) + " is malformed";
            return false;
        }
        stade.Nom = NomCanonique(stade.Nom);
        coupe.Stades.push_back(std::move(stade));
    }
    if (!LitDocument(matchs, "matches", "matches", racine, liste, erreur))
        return false;
    for (size_t i = 0; i < liste->size(); ++i) {
        TMatchCoupe m;
        if (!LitMatch((*liste)[i], m)) {
            erreur = "matches: match " + std::to_string(i + 1) + " is malformed";
            coupe = {};
            return false;
        }
        coupe.Matchs.push_back(std::move(m));
    }
    return true;
}

bool ChargeCoupeReelle(const std::string& dossier, TCoupeReelle& coupe, std::string& erreur)
{
    std::string textes[3];
    const char* fichiers[3] = {"worldcup.json", "worldcup.groups.json", "worldcup.stadiums.json"};
    for (int i = 0; i < 3; ++i)
        if (!LitFichierBorne(dossier + fichiers[i], MaxTailleFichier, textes[i])) {
            erreur = dossier + fichiers[i] + ": cannot be read";
            return false;
        }
    if (!LitCoupeReelle(textes[0], textes[1], textes[2], coupe, erreur)) {
        erreur = dossier + ": " + erreur;
        return false;
    }
    return true;
}

std::unique_ptr<TSaison> CreeSaisonCoupe(const TCoupeReelle& coupe, const TBlasons* blasons, std::string& erreur)
{
    return TConstructeur(coupe, blasons, erreur).Construit();
}

bool GenereCoupe(const std::string& dossierCoupe, const std::string& dossierProgramme, std::string& erreur)
{
    const std::string fichier = dossierProgramme + NomCoupe;
    std::error_code e;
    fs::remove(fichier, e);
    TCoupeReelle coupe;
    if (!ChargeCoupeReelle(dossierCoupe, coupe, erreur))
        return false;
    const TBlasons blasons(dossierProgramme);
    const std::unique_ptr<TSaison> saison = CreeSaisonCoupe(coupe, &blasons, erreur);
    if (!saison)
        return false;
    fs::create_directories(fs::path(fichier).parent_path(), e);
    if (!TChargeurXmp(fichier).SauveSaison(*saison)) {
        fs::remove(fichier, e);
        erreur = fichier + ": cannot be written";
        return false;
    }
    return true;
}
