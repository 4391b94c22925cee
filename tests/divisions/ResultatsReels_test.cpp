#include "ResultatsReels.h"

#include "support/ClassementReel.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

std::string Match(const std::string& tour, const std::string& date, const std::string& equipe1,
                  const std::string& equipe2, const std::string& score)
{
    return R"({"round": ")" + tour + R"(", "date": ")" + date + R"(", "team1": )" + equipe1 + R"(, "team2": )" +
           equipe2 + (score.empty() ? "" : R"(, "score": )" + score) + "}";
}

std::string Document(const std::vector<std::string>& matchs)
{
    std::string json = R"({"name": "Ligue test", "matches": [)";
    for (size_t i = 0; i < matchs.size(); ++i)
        json += (i ? ",\n" : "\n") + matchs[i];
    return json + "\n]}";
}

const std::string Valide = Document({
    Match("Matchday 1", "2024-08-16", R"("Le Havre")", R"("Paris")", R"({"ht": [0, 1], "ft": [1, 4]})"),
    Match("Regular, Matchday 2", "2024-08-24", R"("\u00c9vian")", R"("Dijon \"FCO\"")", R"({"ft": [0, 0]})"),
    // Not played yet: no score, or a score without a full-time value.
    Match("Matchday 2", "2024-08-25", R"("Paris")", R"("Caen\/Ornano")", ""),
    Match("Matchday 3", "2025-01-05", R"("Le Havre")", R"("\ud83d\ude00 Club")", "{}"),
    // A play-off is not part of the league.
    Match("Playoff, Final", "2025-06-01", R"("Paris")", R"("Le Havre")", R"({"ft": [2, 2]})"),
});

} // namespace

TEST(ResultatsReels, LitLesMatchsDeLaLigueEtSesClubs)
{
    TResultatsReels r;
    std::string erreur;
    ASSERT_TRUE(LitResultatsReels(Valide, r, erreur)) << erreur;
    EXPECT_EQ(r.Nom, "Ligue test");
    ASSERT_EQ(r.Matchs.size(), 4u);

    const TMatchReel& premier = r.Matchs[0];
    EXPECT_EQ(premier.Journee, 1);
    EXPECT_EQ(premier.Annee, 2024);
    EXPECT_EQ(premier.Mois, 8);
    EXPECT_EQ(premier.Jour, 16);
    EXPECT_TRUE(premier.Joue);
    EXPECT_EQ(premier.But1, 1);
    EXPECT_EQ(premier.But2, 4);

    EXPECT_EQ(r.Matchs[1].Journee, 2);
    EXPECT_EQ(r.Matchs[1].Equipe1, "Évian");
    EXPECT_EQ(r.Matchs[1].Equipe2, "Dijon \"FCO\"");
    EXPECT_TRUE(r.Matchs[1].Joue);
    EXPECT_EQ(r.Matchs[2].Equipe2, "Caen/Ornano");
    EXPECT_FALSE(r.Matchs[2].Joue);
    EXPECT_FALSE(r.Matchs[3].Joue);
    EXPECT_EQ(r.Matchs[3].Equipe2, "\xF0\x9F\x98\x80 Club");

    EXPECT_EQ(r.NbJournees(), 3);
    EXPECT_EQ(r.PremiereAnnee(), 2024);
    // Accents do not push a club to the end of the list.
    EXPECT_EQ(r.Equipes(), (std::vector<std::string>{"Caen/Ornano", "Dijon \"FCO\"", "Évian", "Le Havre", "Paris",
                                                     "\xF0\x9F\x98\x80 Club"}));
}

TEST(ResultatsReels, RefuseCeQuiNEstPasUnFichierDeResultats)
{
    const std::string ok = R"("A")", ok2 = R"("B")", score = R"({"ft": [1, 0]})";
    const std::vector<std::pair<const char*, std::string>> cas = {
        {"empty", ""},
        {"not an object", "[1, 2]"},
        {"no match list", R"({"name": "x"})"},
        {"trailing text", Document({}) + " x"},
        {"deep nesting", std::string(100000, '[') + std::string(100000, ']')},
        {"number beyond a double", Document({Match("Matchday 1", "2024-08-16", ok, ok2, R"({"ft": [1e999, 0]})")})},
        {"impossible date", Document({Match("Matchday 1", "2024-02-30", ok, ok2, score)})},
        {"short date", Document({Match("Matchday 1", "2024-2-3", ok, ok2, score)})},
        {"team without name", Document({Match("Matchday 1", "2024-08-16", R"("  ")", ok2, score)})},
        {"team that is a number", Document({Match("Matchday 1", "2024-08-16", "12", ok2, score)})},
        {"a team against itself", Document({Match("Matchday 1", "2024-08-16", ok, ok, score)})},
        {"three goals values", Document({Match("Matchday 1", "2024-08-16", ok, ok2, R"({"ft": [1, 0, 2]})")})},
        {"negative goals", Document({Match("Matchday 1", "2024-08-16", ok, ok2, R"({"ft": [-1, 0]})")})},
        {"half a goal", Document({Match("Matchday 1", "2024-08-16", ok, ok2, R"({"ft": [1.5, 0]})")})},
        {"goals as text", Document({Match("Matchday 1", "2024-08-16", ok, ok2, R"({"ft": ["1", "0"]})")})},
        {"score not an object", Document({Match("Matchday 1", "2024-08-16", ok, ok2, "[1, 0]")})},
    };
    for (const auto& [nom, json] : cas) {
        TResultatsReels r;
        r.Nom = "before";
        std::string erreur;
        EXPECT_FALSE(LitResultatsReels(json, r, erreur)) << nom;
        EXPECT_FALSE(erreur.empty()) << nom;
        EXPECT_TRUE(r.Matchs.empty() && r.Nom.empty()) << nom;
    }
}

TEST(ResultatsReels, LesToursHorsDeLaLigueSontLaissesDeCote)
{
    // Rounds that are not a numbered league matchday, however close.
    for (const char* tour : {"Matchday 0", "Matchday 1000", "Matchday x", "Matchday 3b", "Matchday", "Xmatchday 2",
                             "Regular,Matchday 2", "Finals, Semifinals"}) {
        TResultatsReels r;
        std::string erreur;
        ASSERT_TRUE(LitResultatsReels(Document({Match(tour, "bad", "1", "2", "[]")}), r, erreur)) << tour;
        EXPECT_TRUE(r.Matchs.empty()) << tour;
    }
}

TEST(ResultatsReels, LesFichiersGardesSeLisent)
{
    TResultatsReels r;
    std::string erreur;
    EXPECT_FALSE(ChargeResultatsReels(testsupport::DossierResultats() + "absent.json", r, erreur));
    EXPECT_NE(erreur.find("absent.json"), std::string::npos);

    // The Championship holds its play-offs after the 46 matchdays of its 24 clubs.
    ASSERT_TRUE(ChargeResultatsReels(testsupport::DossierResultats() + "en.2.json", r, erreur)) << erreur;
    EXPECT_EQ(r.Equipes().size(), 24u);
    EXPECT_EQ(r.NbJournees(), 46);
    EXPECT_EQ(r.Matchs.size(), 46u * 12);
    EXPECT_EQ(r.PremiereAnnee(), 2024);
}
