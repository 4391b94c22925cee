// The tournament season: built from small made-up inputs to see what it keeps
// and what it refuses, then the shipped one read back as the program opens it
// and checked against the real tournament's figures.

#include "CoupeDuMonde.h"

#include "base/Utilities.h"
#include "engine/CalculClassement.h"
#include "engine/ClassJoueur.h"
#include "engine/Statistique.h"
#include "files/Blasons.h"
#include "files/ChargeurXmp.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "support/ClassementReel.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <tuple>

namespace fs = std::filesystem;

namespace {

const char* const Groupes = R"({"name": "Mini", "groups": [
  {"name": "Group A", "teams": ["France", "Qatar"]},
  {"name": "Group B", "teams": ["Argentina", "United States"]}]})";

const char* const Stades = R"j({"stadiums": [
  {"name": "Lusail Stadium", "city": "Lusail", "capacity": 88966},
  {"name": "Stadium 974", "city": "Doha (2)", "capacity": 44089}]})j";

// Two groups of two, then a final after extra time and a shoot-out.
std::string Matchs(const std::string& finale = R"("score": {"p": [4, 2], "et": [3, 3], "ft": [2, 2], "ht": [2, 0]},
    "goals1": [{"name": "Lionel Messi", "minute": 23, "penalty": true}, {"name": "Lionel Messi", "minute": 108},
               {"name": "Ángel Di María", "minute": 36}],
    "goals2": [{"name": "Kylian Mbappé", "minute": 80, "penalty": true}, {"name": "Mbappé", "minute": 81},
               {"name": "Kylian Mbappé", "minute": 118, "penalty": true}])",
                   const std::string& equipe = "Qatar")
{
    return R"({"matches": [
  {"round": "Matchday 1", "date": "2022-11-20", "team1": ")" +
           equipe + R"(", "team2": "France", "group": "Group A",
   "ground": "Stadium 974, Doha", "score": {"ft": [1, 2]},
   "goals1": [{"name": "Kylian Mbappé", "minute": 45, "offset": 2, "owngoal": true}],
   "goals2": [{"name": "Olivier Giroud", "minute": 12}, {"name": "Mbappé", "minute": 90, "offset": 4}]},
  {"round": "Matchday 2", "date": "2022-11-21", "team1": "Argentina", "team2": "USA", "group": "Group B",
   "ground": "Lusail Iconic Stadium, Lusail", "score": {"ft": [0, 0]}},
  {"round": "Final", "date": "2022-12-18", "team1": "Argentina", "team2": "France",
   "ground": "Lusail Iconic Stadium, Lusail", )" +
           finale + "}]}";
}

std::unique_ptr<TSaison> Construit(const std::string& matchs, std::string& erreur, const char* stades = Stades)
{
    TCoupeReelle coupe;
    if (!LitCoupeReelle(matchs, Groupes, stades, coupe, erreur))
        return nullptr;
    return CreeSaisonCoupe(coupe, nullptr, erreur);
}

// The season as the program finds it: written to its file and opened again.
std::unique_ptr<TSaison> Rouvre(const TSaison& saison)
{
    testsupport::TempDir dossier;
    const std::string fichier = dossier.str() + "coupe.xmc";
    EXPECT_TRUE(TChargeurXmp(fichier).SauveSaison(saison));
    return testsupport::ChargeParDispatcheur(fichier);
}

std::string Remplace(std::string texte, const std::string& avant, const std::string& apres)
{
    const size_t p = texte.find(avant);
    EXPECT_NE(p, std::string::npos) << avant;
    return p == std::string::npos ? texte : texte.replace(p, avant.size(), apres);
}

// The match-situation table of a team in championship `championnat`.
TTableSituation Situations(const TSaison& saison, int championnat, const char* equipe)
{
    TTableSituation table;
    int nombre = 0;
    TStatistique::CalculEquipe(*saison.GetChampionnat(championnat), static_cast<uint16_t>(saison.ChercheEquipe(equipe)),
                               table, nombre);
    return table;
}

// A match of made-up teams whose goals are scored in minutes 10, 11...
TMatchCoupe Rencontre(const char* tour, const char* groupe, int mois, int jour, const char* equipe1,
                      const char* equipe2, int buts1, int buts2)
{
    TMatchCoupe m;
    m.Tour = tour;
    m.Groupe = groupe;
    m.Annee = 2022;
    m.Mois = mois;
    m.Jour = jour;
    m.Equipe1 = equipe1;
    m.Equipe2 = equipe2;
    m.Stade = "Lusail Stadium";
    m.Score[0] = m.TempsReglementaire[0] = buts1;
    m.Score[1] = m.TempsReglementaire[1] = buts2;
    for (int cote = 0; cote < 2; ++cote)
        for (int i = 0; i < m.Score[cote]; ++i)
            m.Buts[cote].push_back({std::string("Scorer of ") + (cote == 0 ? equipe1 : equipe2), 10 + i, false, false});
    return m;
}

// Two groups of four, each team's first beating the three others 1-0 and
// its second the last two; the semi-finals cross them.
TCoupeReelle DeuxGroupesDeQuatre()
{
    TCoupeReelle coupe;
    coupe.Groupes = {{"Group A", {"France", "Denmark", "Qatar", "Tunisia"}},
                     {"Group B", {"Argentina", "Mexico", "Poland", "Saudi Arabia"}}};
    coupe.Stades = {{"Lusail Stadium", "Lusail", 88966}};
    for (const TGroupeCoupe& g : coupe.Groupes) {
        const auto& e = g.Equipes;
        const char* nom = g.Nom.c_str();
        for (const auto& [jour, a, b, c, d] : {std::tuple{20, 0, 1, 2, 3}, {24, 0, 2, 1, 3}, {28, 0, 3, 1, 2}}) {
            coupe.Matchs.push_back(Rencontre("Matchday", nom, 11, jour, e[a].c_str(), e[b].c_str(), 1, 0));
            coupe.Matchs.push_back(Rencontre("Matchday", nom, 11, jour, e[c].c_str(), e[d].c_str(), c == 1 ? 1 : 0, 0));
        }
    }
    coupe.Matchs.push_back(Rencontre("Semi-finals", "", 12, 13, "Argentina", "Denmark", 1, 0));
    coupe.Matchs.push_back(Rencontre("Semi-finals", "", 12, 14, "France", "Mexico", 1, 0));
    coupe.Matchs.push_back(Rencontre("Match for third place", "", 12, 17, "Mexico", "Denmark", 1, 0));
    coupe.Matchs.push_back(Rencontre("Final", "", 12, 18, "Argentina", "France", 1, 0));
    return coupe;
}

const TJoueur* JoueurEvt(const TSaison& saison, const TDonneesEvt* e)
{
    return e ? saison.Joueurs().ChercheId(e->GetJoueur()) : nullptr;
}

} // namespace

TEST(SaisonCoupe, LesGroupesLaFinaleEtChaqueButTiennentDansLeModele)
{
    std::string erreur;
    const std::unique_ptr<TSaison> construite = Construit(Matchs(), erreur);
    ASSERT_NE(construite, nullptr) << erreur;
    const std::unique_ptr<TSaison> saison = Rouvre(*construite);
    ASSERT_NE(saison, nullptr);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    const TDonneesChampionnat& groupes = *saison->GetChampionnat(1);
    const TDonneesChampionnat& finale = *saison->GetChampionnat(2);
    EXPECT_FALSE(groupes.EstCoupe());
    EXPECT_TRUE(finale.EstCoupe());
    EXPECT_TRUE(groupes.EstInternational());
    ASSERT_EQ(groupes.NbGroupe(), 2);
    EXPECT_EQ(groupes.GetGroupe(1)->NomGroupe, "Groupe B");
    // The team of "USA" in the matches is the groups' "United States", named as its country.
    const int usa = saison->ChercheEquipe("États-Unis");
    ASSERT_GE(usa, 0);
    EXPECT_EQ(groupes.GetGroupe(1)->GetEquipe(1), usa);
    EXPECT_EQ(groupes.GetNbJour(), 1);
    EXPECT_EQ(groupes.GetNbMatchJournee(1), 2);

    // Both source spellings of one stadium are the list's one stadium.
    ASSERT_EQ(saison->Stades().Nombre(), 2);
    const TStade* lusail = saison->Stades().ChercheNomVille("Lusail Stadium", "Lusail");
    ASSERT_NE(lusail, nullptr);
    EXPECT_EQ(lusail->Capacite, 88966);
    EXPECT_EQ(lusail->GetNomPays(&saison->Pays()), "Qatar");
    EXPECT_EQ(groupes.GetStadeMatch(1, 2), lusail->Code);
    EXPECT_NE(saison->Stades().ChercheNomVille("Stadium 974", "Doha"), nullptr);

    // Qatar 1 - 2 France: an own goal of a French player counts for Qatar;
    // the goal of added time keeps minute 90, the first half's at 45.
    const TInfoComp* m = groupes.GetMatch(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetLibelle(*saison), "Qatar - France : 1 - 2");
    EXPECT_EQ(m->GetDate(), EncodeDateMatch(20, 11, 2022));
    // The minutes give the half-time score: level, one goal each.
    using T = TTableSituation;
    EXPECT_EQ(Situations(*saison, 1, "Qatar").Get(T::Defaite, T::EgaliteMiTemps, T::Domicile), 1);
    EXPECT_EQ(Situations(*saison, 1, "France").Get(T::Victoire, T::EgaliteMiTemps, T::Exterieur), 1);
    const TListeDonnees& buts = *groupes.GetButeursJournee(1);
    ASSERT_EQ(buts.Nombre(), 3);
    const int qatar = saison->ChercheEquipe("Qatar"), france = saison->ChercheEquipe("France");
    EXPECT_EQ(buts.Get(0)->GetEquipe(), qatar);
    EXPECT_EQ(buts.Get(0)->GetMot(), Evt::ContreCamp | 45);
    const TJoueur* mbappe = JoueurEvt(*saison, buts.Get(0));
    ASSERT_NE(mbappe, nullptr);
    EXPECT_EQ(mbappe->Nom, "Mbappé");
    EXPECT_EQ(mbappe->Prenom, "Kylian");
    EXPECT_EQ(mbappe->GetEquipe(), france);
    EXPECT_EQ(saison->Pays().GetNom(mbappe->CodePays), "France");
    EXPECT_EQ(buts.Get(2)->GetMot(), 90);
    // "Mbappé" and "Kylian Mbappé" are one player.
    EXPECT_EQ(JoueurEvt(*saison, buts.Get(2)), mbappe);

    // The final: the score after extra time, the shoot-out's winner through.
    EXPECT_TRUE(finale.PetiteFinale == false);
    ASSERT_EQ(finale.GetNbJour(), 1);
    ASSERT_EQ(finale.GetNbTourCoupe(), 1);
    EXPECT_EQ(finale.GetTourCoupe(0)->NbMatch, 1);
    EXPECT_EQ(finale.GetTourCoupe(0)->nTour, 1);
    const int argentine = saison->ChercheEquipe("Argentine");
    const TInfoComp* f = finale.GetMatch(1, 1);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->GetLibelle(*saison), "Argentine - France : 3 - 3");
    EXPECT_EQ(finale.GetQualifie(1, argentine, france), 0);
    const TPenaltys* tirs = finale.CherchePenaltys(1, argentine, france);
    ASSERT_NE(tirs, nullptr);
    EXPECT_EQ(tirs->But1, 4);
    EXPECT_EQ(tirs->But2, 2);
    EXPECT_EQ(Situations(*saison, 2, "Argentine").Get(T::Nul, T::MeneMiTemps, T::Domicile), 1);
    // Argentina - France, "ht": [2, 0], yet no goal before the pause: the
    // minutes tell, as they do on the match sheet.
    const std::unique_ptr<TSaison> autre = Construit(Matchs(R"("score": {"ft": [1, 0], "ht": [2, 0]},
        "goals1": [{"name": "Lionel Messi", "minute": 70}])"),
                                                     erreur);
    ASSERT_NE(autre, nullptr) << erreur;
    EXPECT_EQ(Situations(*Rouvre(*autre), 2, "Argentine").Get(T::Victoire, T::EgaliteMiTemps, T::Domicile), 1);
    const TListeDonnees& butsFinale = *finale.GetButeursJournee(1);
    ASSERT_EQ(butsFinale.Nombre(), 6);
    EXPECT_EQ(butsFinale.Get(0)->GetMot(), Evt::Penalty | 23);
    EXPECT_EQ(butsFinale.Get(1)->GetMot(), 108);
    EXPECT_EQ(JoueurEvt(*saison, butsFinale.Get(5)), mbappe);
    EXPECT_EQ(butsFinale.Get(5)->GetMot(), Evt::Penalty | 118);

    // Each scorer once, in his national team's squad.
    std::set<std::string> noms;
    for (int i = 0; i < saison->Joueurs().Nombre(); ++i)
        noms.insert(saison->Joueurs().Get(i)->GetNomComplet());
    EXPECT_EQ(noms, (std::set<std::string>{"Mbappé Kylian", "Giroud Olivier", "Messi Lionel", "Di María Ángel"}));
}

TEST(SaisonCoupe, UneEntreeFausseEstRefuseeEnNommantLeMatch)
{
    const std::string finale = "match Argentina - France of 2022-12-18";
    struct TCas {
        std::string Matchs;
        std::string Attendu;
    };
    const TCas cas[] = {
        // A goal missing from the list of the score after extra time.
        {Matchs(R"("score": {"p": [4, 2], "et": [3, 3], "ft": [2, 2]},
            "goals1": [{"name": "Lionel Messi", "minute": 23}, {"name": "Lionel Messi", "minute": 108},
                       {"name": "Ángel Di María", "minute": 36}],
            "goals2": [{"name": "Kylian Mbappé", "minute": 80}, {"name": "Kylian Mbappé", "minute": 81}])"),
         finale + ": the goals listed (3 - 2) do not add up to the score 3 - 3"},
        // A level shoot-out leaves the tie without a winner.
        {Matchs(R"("score": {"p": [3, 3], "ft": [0, 0]})"), finale + ": the shoot-out is level"},
        {Matchs(R"("score": {"ft": [0, 0]})"), finale + ": a knock-out tie level without a shoot-out"},
        {Matchs(R"("score": {"p": [4, 2], "ft": [0, 1]}, "goals2": [{"name": "Olivier Giroud", "minute": 3}])"),
         finale + ": a shoot-out after a tie that was not level"},
        // A team the groups do not hold.
        {Matchs(R"("score": {"ft": [1, 0]}, "goals1": [{"name": "Lionel Messi", "minute": 23}])", "Wales"),
         "match Wales - France of 2022-11-20: team Wales is not in the groups file"},
        {Remplace(Matchs(), "Stadium 974, Doha", "Al Bayt Stadium, Al Khor"),
         "match Qatar - France of 2022-11-20: stadium Al Bayt Stadium is not in the stadiums file"},
        // Extra time only follows a level full time, and adds goals.
        {Matchs(R"("score": {"p": [4, 2], "et": [3, 3], "ft": [2, 1]},
            "goals1": [{"name": "Lionel Messi", "minute": 23}, {"name": "Lionel Messi", "minute": 108},
                       {"name": "Ángel Di María", "minute": 36}],
            "goals2": [{"name": "Kylian Mbappé", "minute": 80}, {"name": "Kylian Mbappé", "minute": 81},
                       {"name": "Kylian Mbappé", "minute": 118}])"),
         finale + ": extra time after a full time that was not level"},
        {Matchs(R"("score": {"et": [1, 2], "ft": [2, 2]},
            "goals1": [{"name": "Lionel Messi", "minute": 23}],
            "goals2": [{"name": "Kylian Mbappé", "minute": 80}, {"name": "Kylian Mbappé", "minute": 81}])"),
         finale + ": the score after extra time is below the full time's"},
        {Remplace(Matchs(), R"({"ft": [0, 0]})", R"({"ft": [0, 0], "et": [0, 0]})"),
         "match Argentina - United States of 2022-11-21: a group match has no extra time"},
        // Minute 93 is extra time: added time keeps minute 90.
        {Matchs(R"("score": {"ft": [1, 0]}, "goals1": [{"name": "Lionel Messi", "minute": 93}])"),
         finale + ": a goal in minute 93 without extra time"},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.Attendu);
        std::string erreur;
        EXPECT_EQ(Construit(c.Matchs, erreur), nullptr);
        EXPECT_EQ(erreur, c.Attendu);
    }
    // The source's two names of the Lusail stadium are one: listed under both,
    // a match there could be in either.
    std::string erreur;
    const std::string deuxFois =
        Remplace(Stades, "]}", R"j(, {"name": "Lusail Iconic Stadium", "city": "Lusail", "capacity": 80000}]})j");
    EXPECT_EQ(Construit(Matchs(), erreur, deuxFois.c_str()), nullptr);
    EXPECT_EQ(erreur,
              "match Argentina - United States of 2022-11-21: stadium Lusail Stadium is twice in the stadiums file");

    // The winner of a tie must be the one playing the next round.
    TCoupeReelle coupe;
    ASSERT_TRUE(LitCoupeReelle(Matchs(), Groupes, Stades, coupe, erreur)) << erreur;
    TMatchCoupe demi = coupe.Matchs[1];
    demi.Groupe.clear();
    demi.Tour = "Semi-finals";
    demi.Score[1] = 1;
    demi.Buts[1].push_back({"Christian Pulisic", 10, false, false});
    TMatchCoupe autre = demi;
    autre.Equipe1 = "France";
    autre.Equipe2 = "Qatar";
    autre.Score[1] = 0;
    autre.Buts[1].clear();
    autre.Score[0] = 1;
    autre.Buts[0].push_back({"Olivier Giroud", 10, false, false});
    coupe.Matchs.insert(coupe.Matchs.begin() + 2, {demi, autre});
    EXPECT_EQ(CreeSaisonCoupe(coupe, nullptr, erreur), nullptr);
    EXPECT_EQ(erreur, "match Argentina - United States of 2022-11-21: Argentina lost it, yet plays " + finale);

    // Text that is not the document.
    EXPECT_FALSE(LitCoupeReelle("{\"matches\": [{\"round\": 1}]}", Groupes, Stades, coupe, erreur));
    EXPECT_EQ(erreur, "matches: match 1 is malformed");
    EXPECT_FALSE(LitCoupeReelle(Matchs(), "[", Stades, coupe, erreur));
    EXPECT_FALSE(LitCoupeReelle(Matchs(), Groupes, "{}", coupe, erreur));
}

TEST(SaisonCoupe, LeTableauFinalSuitLesGroupesEtLesDemiFinales)
{
    std::string erreur;
    const std::unique_ptr<TSaison> saison = CreeSaisonCoupe(DeuxGroupesDeQuatre(), nullptr, erreur);
    ASSERT_NE(saison, nullptr) << erreur;
    EXPECT_TRUE(saison->GetChampionnat(2)->PetiteFinale);

    // Qatar, third of group A, in Denmark's place.
    TCoupeReelle coupe = DeuxGroupesDeQuatre();
    for (TMatchCoupe& m : coupe.Matchs)
        if (m.Groupe.empty())
            for (std::string* e : {&m.Equipe1, &m.Equipe2})
                if (*e == "Denmark")
                    *e = "Qatar";
    EXPECT_EQ(CreeSaisonCoupe(coupe, nullptr, erreur), nullptr);
    EXPECT_EQ(erreur, "match Argentina - Qatar of 2022-12-13: Qatar is not among the first two of Group A");

    // Level with the second on points, goal difference and goals, the third
    // may have gone through on what follows those.
    coupe.Matchs[1] = Rencontre("Matchday", "Group A", 11, 20, "Qatar", "Tunisia", 1, 0);
    coupe.Matchs[5] = Rencontre("Matchday", "Group A", 11, 28, "Denmark", "Qatar", 0, 0);
    EXPECT_NE(CreeSaisonCoupe(coupe, nullptr, erreur), nullptr) << erreur;

    // The third-place match is the semi-finals' losers'.
    coupe = DeuxGroupesDeQuatre();
    coupe.Matchs[coupe.Matchs.size() - 2].Equipe2 = "Tunisia";
    EXPECT_EQ(CreeSaisonCoupe(coupe, nullptr, erreur), nullptr);
    EXPECT_EQ(erreur,
              "match Mexico - Tunisia of 2022-12-17: the third-place match is not between the semi-finals' losers");
}

TEST(SaisonCoupe, UneEntreeRefuseeNeLaissePasDeSaison)
{
    testsupport::TempDir programme, source;
    auto ecrit = [](const fs::path& f, const std::string& texte) { std::ofstream(f, std::ios::binary) << texte; };
    ecrit(source.path() / "worldcup.groups.json", Groupes);
    ecrit(source.path() / "worldcup.stadiums.json", Stades);
    ecrit(source.path() / "worldcup.json", Matchs());
    std::string erreur;
    ASSERT_TRUE(GenereCoupe(source.str(), programme.str(), erreur)) << erreur;
    const std::string fichier = programme.str() + NomCoupe;
    const std::unique_ptr<TSaison> lue = testsupport::ChargeParDispatcheur(fichier);
    ASSERT_NE(lue, nullptr);
    EXPECT_EQ(lue->NbChampionnat(), 2);

    // The season of an earlier run goes with a refused input.
    ecrit(source.path() / "worldcup.json", Matchs(R"("score": {"p": [3, 3], "ft": [0, 0]})"));
    EXPECT_FALSE(GenereCoupe(source.str(), programme.str(), erreur));
    EXPECT_EQ(erreur, "match Argentina - France of 2022-12-18: the shoot-out is level");
    EXPECT_FALSE(fs::exists(fichier));
}

// --- The shipped season ---

namespace {

struct TLigneGroupe {
    const char* Equipe;
    int Points;
    int Difference;
};

class CoupeLivree : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Saison = testsupport::ChargeParDispatcheur(AppDir() + NomCoupe).release(); }
    static void TearDownTestSuite()
    {
        delete Saison;
        Saison = nullptr;
    }
    void SetUp() override { ASSERT_NE(Saison, nullptr); }

    static uint16_t Id(const char* nom) { return static_cast<uint16_t>(Saison->ChercheEquipe(nom)); }
    // The side that went through in each tie of a knock-out day.
    static std::set<std::string> Qualifies(int jour, int premier, int dernier)
    {
        const TDonneesChampionnat& c = *Saison->GetChampionnat(2);
        std::set<std::string> q;
        for (int i = premier; i <= dernier; ++i) {
            const TInfoComp* m = c.GetMatch(jour, i);
            if (!m)
                continue;
            const int cote = c.GetQualifie(jour, m->GetEquipe(0), m->GetEquipe(1));
            q.insert(cote < 2 ? Saison->GetNomEquipe(m->GetEquipe(cote)) : "?");
        }
        return q;
    }

    static inline TSaison* Saison = nullptr;
    testsupport::CatalogueInstalle Installe;
};

} // namespace

TEST_F(CoupeLivree, ChaqueGroupeFinitDansSonOrdreReel)
{
    const std::map<std::string, std::vector<TLigneGroupe>> reel = {
        {"Groupe A", {{"Pays-Bas", 7, 4}, {"Sénégal", 6, 1}, {"Équateur", 4, 1}, {"Qatar", 0, -6}}},
        {"Groupe B", {{"Angleterre", 7, 7}, {"États-Unis", 5, 1}, {"Iran", 3, -3}, {"Pays de Galles", 1, -5}}},
        {"Groupe C", {{"Argentine", 6, 3}, {"Pologne", 4, 0}, {"Mexique", 4, -1}, {"Arabie saoudite", 3, -2}}},
        {"Groupe D", {{"France", 6, 3}, {"Australie", 6, -1}, {"Tunisie", 4, 0}, {"Danemark", 1, -2}}},
        {"Groupe E", {{"Japon", 6, 1}, {"Espagne", 4, 6}, {"Allemagne", 4, 1}, {"Costa Rica", 3, -8}}},
        {"Groupe F", {{"Maroc", 7, 3}, {"Croatie", 5, 3}, {"Belgique", 4, -1}, {"Canada", 0, -5}}},
        {"Groupe G", {{"Brésil", 6, 2}, {"Suisse", 6, 1}, {"Cameroun", 4, 0}, {"Serbie", 1, -3}}},
        {"Groupe H", {{"Portugal", 6, 2}, {"Corée du Sud", 4, 0}, {"Uruguay", 4, 0}, {"Ghana", 3, -2}}},
    };
    TDonneesChampionnat& c = *Saison->GetChampionnat(1);
    EXPECT_EQ(Saison->GetNomChampDesc(c.CodeChamp), "Phase de groupes");
    EXPECT_EQ(c.GetNbEquipe(), 32);
    EXPECT_EQ(c.GetNbJour(), 3);
    for (int jour = 1; jour <= 3; ++jour)
        EXPECT_EQ(c.GetJournee(jour)->NbMatch(), 16) << "day " << jour;
    ASSERT_EQ(c.NbGroupe(), 8);
    for (int g = 0; g < c.NbGroupe(); ++g) {
        const TGroupeEquipe& groupe = *c.GetGroupe(g);
        SCOPED_TRACE(groupe.NomGroupe);
        ASSERT_TRUE(reel.count(groupe.NomGroupe));
        std::vector<int> filtre;
        for (int i = 0; i < groupe.NbEquipe(); ++i)
            filtre.push_back(c.IndexEquipe(groupe.GetEquipe(i)));
        TCalculClassement calcul(&c, Saison);
        calcul.Calcule(TCalculClassement::General, 1, &filtre, 3);
        const std::vector<TLigneGroupe>& lignes = reel.at(groupe.NomGroupe);
        // The table holds every team; the group's own come in their order.
        std::vector<int> rangs;
        for (int ligne = 0; ligne < c.GetNbEquipe(); ++ligne)
            if (std::find(filtre.begin(), filtre.end(), calcul.GetClassement(ligne, 1)) != filtre.end())
                rangs.push_back(ligne);
        ASSERT_EQ(rangs.size(), 4u);
        for (int place = 0; place < 4; ++place) {
            const int ligne = rangs[static_cast<size_t>(place)];
            EXPECT_EQ(calcul.GetNomEquipe(calcul.GetClassement(ligne, 1)), lignes[place].Equipe) << place + 1;
            EXPECT_EQ(calcul.GetClassement(ligne, 2), lignes[place].Points) << place + 1;
            EXPECT_EQ(calcul.GetClassement(ligne, 3), lignes[place].Difference) << place + 1;
        }
    }
}

TEST_F(CoupeLivree, ChaqueTourQualifieLesVraisVainqueurs)
{
    const TDonneesChampionnat& c = *Saison->GetChampionnat(2);
    EXPECT_EQ(Saison->GetNomChampDesc(c.CodeChamp), "Phase finale");
    ASSERT_TRUE(c.EstCoupe());
    EXPECT_TRUE(c.PetiteFinale);
    ASSERT_EQ(c.GetNbJour(), 4);
    const int matchs[] = {8, 4, 2, 1};
    for (int jour = 1; jour <= 4; ++jour) {
        EXPECT_EQ(c.GetTourCoupe(jour - 1)->NbMatch, matchs[jour - 1]);
        // Numbered back from the final: 4 the round of 16, 1 the final.
        EXPECT_EQ(c.GetTourCoupe(jour - 1)->nTour, 5 - jour);
        EXPECT_EQ(c.GetTourCoupe(jour - 1)->TypeTour(), 1);
    }
    EXPECT_EQ(c.GetNbMatchJournee(4), 2);
    EXPECT_EQ(Qualifies(1, 1, 8), (std::set<std::string>{"Pays-Bas", "Argentine", "France", "Angleterre", "Croatie",
                                                         "Brésil", "Maroc", "Portugal"}));
    EXPECT_EQ(Qualifies(2, 1, 4), (std::set<std::string>{"Croatie", "Argentine", "Maroc", "France"}));
    EXPECT_EQ(Qualifies(3, 1, 2), (std::set<std::string>{"Argentine", "France"}));
    // The final first, then the third-place match.
    EXPECT_EQ(Qualifies(4, 1, 1), std::set<std::string>{"Argentine"});
    EXPECT_EQ(Qualifies(4, 2, 2), std::set<std::string>{"Croatie"});
    const TInfoComp* finale = c.GetMatch(4, 1);
    ASSERT_NE(finale, nullptr);
    EXPECT_EQ(finale->GetLibelle(*Saison), "Argentine - France : 3 - 3");
    EXPECT_EQ(finale->GetDate(), EncodeDateMatch(18, 12, 2022));
    EXPECT_EQ(Saison->Stades().ChercheCode(finale->GetStade())->NomStade, "Lusail Stadium");

    // Winners of ties 2k - 1 and 2k meet in tie k of the next round.
    for (int jour = 1; jour < 4; ++jour)
        for (int i = 1; i <= matchs[jour - 1]; ++i) {
            const TInfoComp* m = c.GetMatch(jour, i);
            const uint16_t gagnant = m->GetEquipe(c.GetQualifie(jour, m->GetEquipe(0), m->GetEquipe(1)));
            const TInfoComp* suivant = c.GetMatch(jour + 1, (i + 1) / 2);
            EXPECT_EQ(suivant->GetEquipe((i - 1) % 2), gagnant) << "day " << jour << " tie " << i;
        }

    // The five shoot-outs: home, away, their kicks.
    struct TTirs {
        int Jour;
        const char *Equipe1, *Equipe2;
        int But1, But2;
    };
    const TTirs tirs[] = {{1, "Japon", "Croatie", 1, 3},
                          {1, "Maroc", "Espagne", 3, 0},
                          {2, "Croatie", "Brésil", 4, 2},
                          {2, "Pays-Bas", "Argentine", 3, 4},
                          {4, "Argentine", "France", 4, 2}};
    int nombre = 0;
    for (int jour = 1; jour <= 4; ++jour)
        for (int i = 1; i <= c.GetNbMatchJournee(jour); ++i) {
            const TInfoComp* m = c.GetMatch(jour, i);
            nombre += c.CherchePenaltys(jour, m->GetEquipe(0), m->GetEquipe(1)) != nullptr;
        }
    EXPECT_EQ(nombre, 5);
    for (const TTirs& t : tirs) {
        SCOPED_TRACE(t.Equipe1);
        const TPenaltys* p = c.CherchePenaltys(t.Jour, Id(t.Equipe1), Id(t.Equipe2));
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->But1, t.But1);
        EXPECT_EQ(p->But2, t.But2);
        EXPECT_EQ(c.GetQualifie(t.Jour, Id(t.Equipe1), Id(t.Equipe2)), t.But1 > t.But2 ? 0 : 1);
    }
}

TEST_F(CoupeLivree, LesButeursEtLesButsDeLaProlongation)
{
    Saison->SetNumChampCourant(2);
    const TListeClassement buteurs = TClassJoueur::Calcule(*Saison, 65535, true, GenreClassement::Buteurs);
    ASSERT_GE(buteurs.Nombre(), 2);
    const TJoueur* premier = Saison->Joueurs().ChercheId(buteurs.Get(0)->Joueur);
    const TJoueur* second = Saison->Joueurs().ChercheId(buteurs.Get(1)->Joueur);
    ASSERT_NE(premier, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(premier->GetPrenomNom(), "Kylian Mbappé");
    EXPECT_EQ(buteurs.Get(0)->Valeur, 8);
    EXPECT_EQ(second->GetPrenomNom(), "Lionel Messi");
    EXPECT_EQ(buteurs.Get(1)->Valeur, 7);
    EXPECT_EQ(buteurs.Get(2)->Valeur, 4);

    // 172 goals in the 64 matches, 4 of them in extra time (two in each of
    // Croatia - Brazil and the final), 2 own goals.
    int total = 0, prolongation = 0, contreSonCamp = 0, penalties = 0;
    for (int n = 1; n <= 2; ++n) {
        const TDonneesChampionnat& c = *Saison->GetChampionnat(n);
        for (int jour = 1; jour <= c.GetNbJour(); ++jour) {
            const TListeDonnees& liste = *c.GetButeursJournee(jour);
            for (int i = 0; i < liste.Nombre(); ++i) {
                ++total;
                prolongation += liste.Get(i)->GetMinute() > 90;
                contreSonCamp += (liste.Get(i)->GetMot() & Evt::ContreCamp) != 0;
                penalties += (liste.Get(i)->GetMot() & Evt::Penalty) != 0;
            }
        }
    }
    EXPECT_EQ(total, 172);
    EXPECT_EQ(prolongation, 4);
    EXPECT_EQ(contreSonCamp, 2);
    EXPECT_EQ(penalties, 17);
    EXPECT_EQ(Saison->Stades().Nombre(), 8);
}

namespace {

// What the tournament's source says of a team's matches in one stage,
// counted plainly: the goals of each side in the order of the clock (minute,
// then added time), the half-time score from the goals up to minute 45.
struct TSituationsSource {
    int Mene = 0, Egalite = 0, Menee = 0;
    // Won after trailing, lost after leading.
    int Remontee = 0, Renverse = 0;
};

TSituationsSource SituationsSource(const nlohmann::json& matchs, const std::string& equipe, bool groupes)
{
    TSituationsSource s;
    for (const nlohmann::json& m : matchs) {
        if (m.contains("group") != groupes || (m["team1"] != equipe && m["team2"] != equipe))
            continue;
        const int cote = m["team1"] == equipe ? 0 : 1;
        // (minute, added time, side)
        std::vector<std::tuple<int, int, int>> buts;
        for (int c = 0; c < 2; ++c)
            for (const nlohmann::json& b : m.value(c == 0 ? "goals1" : "goals2", nlohmann::json::array()))
                buts.emplace_back(b["minute"].get<int>(), b.value("offset", 0), c);
        std::sort(buts.begin(), buts.end());
        int miTemps[2] = {0, 0}, courant[2] = {0, 0};
        bool aMene = false, aEteMene = false;
        for (const auto& [minute, ajout, c] : buts) {
            miTemps[c] += minute <= 45;
            ++courant[c];
            aMene |= courant[cote] > courant[1 - cote];
            aEteMene |= courant[cote] < courant[1 - cote];
        }
        const int pour = courant[cote], contre = courant[1 - cote];
        s.Mene += miTemps[cote] > miTemps[1 - cote];
        s.Egalite += miTemps[cote] == miTemps[1 - cote];
        s.Menee += miTemps[cote] < miTemps[1 - cote];
        s.Remontee += pour > contre && aEteMene;
        s.Renverse += pour < contre && aMene;
    }
    return s;
}

} // namespace

TEST_F(CoupeLivree, LesSituationsDeMatchSontCellesDesButsDeLaSource)
{
    const nlohmann::json source =
        nlohmann::json::parse(testsupport::ReadWholeFile(testsupport::DossierCoupe() + "worldcup.json"))["matches"];
    // Japan came from behind twice in its group; Saudi Arabia and South
    // Korea once, against Argentina and Portugal, who had led.
    const std::pair<const char*, const char*> equipes[] = {
        {"Japan", "Japon"},         {"Saudi Arabia", "Arabie saoudite"},
        {"Argentina", "Argentine"}, {"South Korea", "Corée du Sud"},
        {"Germany", "Allemagne"},   {"Croatia", "Croatie"},
        {"Morocco", "Maroc"}};
    using T = TTableSituation;
    auto somme = [](const TTableSituation& t, int resultat, int situation) {
        return t.Get(resultat, situation, T::Domicile) + t.Get(resultat, situation, T::Exterieur);
    };
    auto toutes = [&](const TTableSituation& t, int situation) {
        return somme(t, T::Victoire, situation) + somme(t, T::Nul, situation) + somme(t, T::Defaite, situation);
    };
    for (const auto& [nom, pays] : equipes)
        for (int championnat : {1, 2}) {
            SCOPED_TRACE(std::string(nom) + (championnat == 1 ? " groups" : " knock-out"));
            const TSituationsSource attendu = SituationsSource(source, nom, championnat == 1);
            TTableSituation table;
            int joues = 0;
            TStatistique::CalculEquipe(*Saison->GetChampionnat(championnat), Id(pays), table, joues);
            EXPECT_EQ(toutes(table, T::MeneMiTemps), attendu.Mene);
            EXPECT_EQ(toutes(table, T::EgaliteMiTemps), attendu.Egalite);
            EXPECT_EQ(toutes(table, T::MeneeMiTemps), attendu.Menee);
            EXPECT_EQ(somme(table, T::Victoire, T::Renversement), attendu.Remontee);
            EXPECT_EQ(somme(table, T::Defaite, T::Renversement), attendu.Renverse);
        }
    const TSituationsSource japon = SituationsSource(source, "Japan", true);
    EXPECT_EQ(japon.Remontee, 2);
    EXPECT_EQ(japon.Menee, 2);
}

TEST_F(CoupeLivree, LesEquipesOntLeBlasonDeLeurPays)
{
    const TBlasons blasons(AppDir());
    for (const char* pays : {"France", "Angleterre", "Espagne", "Allemagne"}) {
        const int logo = Saison->GetLogoEquipe(Id(pays));
        EXPECT_GT(logo, 0) << pays;
        const int i = blasons.IndexDe(static_cast<uint16_t>(logo));
        uint16_t id = 0, parent = 0;
        std::string nom;
        ASSERT_TRUE(blasons.GetElement(i, id, nom, parent)) << pays;
        EXPECT_EQ(nom, pays);
    }
    EXPECT_EQ(Saison->GetLogoEquipe(Id("Maroc")), 0);
}
