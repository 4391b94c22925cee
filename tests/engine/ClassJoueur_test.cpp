#include "engine/ClassJoueur.h"

#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/SaisonFoot.h"

namespace {
namespace G = GenreClassement;

// A season of teams 1 "Lyon", 2 "Auxerre" and 3 "Brest".
struct Saison : TSaisonFootball {
    Saison()
    {
        AjouteEquipe("Lyon", 1);
        AjouteEquipe("Auxerre", 2);
        AjouteEquipe("Brest", 3);
    }
    // Position 1 goalkeeper .. 4 forward.
    void AjouteJoueur(int id, const char* nom, const char* prenom, uint16_t equipe, int numeroPoste = 3)
    {
        Joueurs().AjouteSimple(
            CreeJoueurComplet(nom, prenom, id, 0, "GDMA"[numeroPoste - 1], 0, equipe, 65535, 0, 0, 0));
    }
};

// A championship of the season's three teams over four days, day 4 not yet reached.
template <class C> C* Championnat(Saison& saison)
{
    auto c = std::make_unique<C>(&saison);
    for (uint16_t id : {1, 2, 3})
        c->AjouteEquipe(id);
    c->SetNbMatch(1);
    c->SetNbJour(4);
    c->NbJournee = 3;
    C* ici = c.get();
    saison.AjouteChampionnat(std::move(c));
    return ici;
}

void Ajoute(TListeDonnees* liste, int joueur, uint16_t equipe, uint16_t mot = 10)
{
    liste->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, mot));
}

// (player, key, second counter) of each line in order.
std::vector<std::tuple<int, int, int>> Lignes(const TListeClassement& l)
{
    std::vector<std::tuple<int, int, int>> v;
    for (int i = 0; i < l.Nombre(); ++i)
        v.emplace_back(l.Get(i)->Joueur, l.Get(i)->Valeur, l.Get(i)->Second);
    return v;
}

using V = std::vector<std::tuple<int, int, int>>;
} // namespace

TEST(ClassJoueur, ScorersCountPenaltiesApartAndOrderTiesByTeamThenFoldedName)
{
    Saison s;
    auto c = Championnat<TDonneesChampionnatFootball>(s);
    s.AjouteJoueur(11, "Martin", "Paul", 1);
    s.AjouteJoueur(12, "Eric", "Jean", 1);
    s.AjouteJoueur(13, "Élodie", "Anne", 1); // folds to ELODIE, before ERIC
    s.AjouteJoueur(21, "Zidane", "Yann", 2);
    TListeDonnees* j1 = c->GetButeursJournee(1);
    Ajoute(j1, 11, 1, 10);
    Ajoute(j1, 11, 1, 20 | Evt::Penalty);
    Ajoute(j1, 11, 1, 30 | Evt::ContreCamp);    // own goal: kind 8 only
    Ajoute(j1, 11, 1, 40 | Evt::PenaltyManque); // missed penalty: nowhere
    Ajoute(c->GetButeursJournee(2), 11, 1, 5);
    for (int id : {12, 13, 21})
        Ajoute(c->GetButeursJournee(2), id, id / 10);
    Ajoute(c->GetButeursJournee(2), 99, 1); // not in the registry
    Ajoute(c->GetButeursJournee(4), 12, 1); // after the current day

    const std::vector<const TDonneesChampionnat*> champs{c};
    // Auxerre before Lyon, then Élodie before Eric.
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Buteurs)),
              (V{{11, 3, 1}, {21, 1, 0}, {13, 1, 0}, {12, 1, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::ContreCamp)), (V{{11, 1, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 2, G::Buteurs)), (V{{21, 1, 0}}));
    EXPECT_EQ(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::NotesGardiens).Nombre(), 0);
    EXPECT_EQ(TClassJoueur::CalculeChampionnats(&s, champs, 65535, 99).Get(0), nullptr);
}

TEST(ClassJoueur, EveryPlayedDayCountsWhenTheCurrentDayIsAnEarlierOne)
{
    Saison s;
    auto c = Championnat<TDonneesChampionnatFootball>(s);
    s.AjouteJoueur(11, "Martin", "Paul", 1);
    s.AjouteJoueur(21, "Zidane", "Yann", 2);
    Ajoute(c->GetButeursJournee(1), 11, 1);
    Ajoute(c->GetButeursJournee(2), 21, 2);
    Ajoute(c->GetButeursJournee(4), 21, 2);
    // Back on day 1 after day 2 was played; day 4 is neither played nor current.
    c->NbJournee = 1;
    c->JourneeJouee = 2;
    const std::vector<const TDonneesChampionnat*> champs{c};
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Buteurs)), (V{{21, 1, 0}, {11, 1, 0}}));
    // A current day beyond the last played one counts up to itself.
    c->NbJournee = 4;
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Buteurs)), (V{{21, 2, 0}, {11, 1, 0}}));
}

TEST(ClassJoueur, BracesHatTricksCardsAndAssists)
{
    Saison s;
    auto c = Championnat<TDonneesChampionnatFootball>(s);
    s.AjouteJoueur(11, "Martin", "Paul", 1);
    s.AjouteJoueur(12, "Petit", "Luc", 1);
    for (int k = 0; k < 3; ++k)
        Ajoute(c->GetButeursJournee(1), 11, 1);
    Ajoute(c->GetButeursJournee(2), 11, 1);
    Ajoute(c->GetButeursJournee(2), 11, 1);
    // Two goals on a day, of which one own goal: no brace.
    Ajoute(c->GetButeursJournee(1), 12, 1);
    Ajoute(c->GetButeursJournee(1), 12, 1, 10 | Evt::ContreCamp);
    Ajoute(c->GetCartonsJournee(1), 12, 1, 10);
    Ajoute(c->GetCartonsJournee(2), 12, 1, 50);
    Ajoute(c->GetCartonsJournee(3), 11, 1, 80 | Evt::ContreCamp);
    Ajoute(c->GetPasseursJournee(3), 12, 1);

    const std::vector<const TDonneesChampionnat*> champs{c};
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Doublets)), (V{{11, 1, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Triplets)), (V{{11, 1, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Avertis)), (V{{12, 2, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Exclus)), (V{{11, 1, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Passeurs)), (V{{12, 1, 0}}));
}

TEST(ClassJoueur, RugbyPointsDoNotWrapPastAByte)
{
    Saison s;
    auto c = Championnat<TDonneesChampionnatRugby>(s);
    c->SetNbJour(60);
    c->NbJournee = 60;
    s.AjouteJoueur(11, "Wilkinson", "Jon", 1);
    s.AjouteJoueur(12, "Dupont", "Antoine", 2);
    for (int d = 1; d <= 60; ++d) {
        Ajoute(c->GetPenalitesJournee(d), 11, 1);
        Ajoute(c->GetTransfosJournee(d), 11, 1);
    }
    Ajoute(c->GetButeursJournee(1), 12, 2);
    Ajoute(c->GetDropsJournee(1), 12, 2);

    const std::vector<const TDonneesChampionnat*> champs{c};
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Realisateurs)),
              (V{{11, 300, 0}, {12, 8, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Transformations)), (V{{11, 60, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Drops)), (V{{12, 1, 0}}));
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Buteurs)), (V{{12, 1, 0}}));
}

TEST(ClassJoueur, BasketballAveragesPercentagesWithMinimumAttemptsAndBestMatches)
{
    Saison s;
    auto c = Championnat<TDonneesChampionnatBasket>(s);
    s.AjouteJoueur(11, "Parker", "Tony", 1);
    s.AjouteJoueur(12, "Batum", "Nicolas", 2);
    c->AjouteMatch(1, 1, 2, -1, 80, 75);
    c->AjouteMatch(2, 2, 1, -1, 90, 70);
    c->SetOption(18, 2); // at least two free throws in a match
    auto stat = [&](int jour, int k, int joueur, uint16_t equipe, uint16_t mot) {
        Ajoute(c->GetStatJournee(jour, k), joueur, equipe, mot);
    };
    stat(1, 1, 11, 1, 20); // points
    stat(2, 1, 11, 1, 31);
    stat(1, 0, 11, 1, 30); // minutes
    stat(2, 0, 11, 1, 25);
    stat(1, 4, 11, 1, 3 * 256 + 4); // free throws 3 of 4
    stat(2, 4, 11, 1, 1 * 256 + 1); // 1 of 1: under the minimum
    stat(1, 4, 12, 2, 1 * 256 + 1); // Batum only under the minimum
    stat(1, 2, 12, 2, 5 * 256 + 9); // 2-point shots, for the evaluation

    const std::vector<const TDonneesChampionnat*> champs{c};
    const TListeClassement points = TClassJoueur::CalculeChampionnats(&s, champs, 65535, 14);
    ASSERT_EQ(points.Nombre(), 1);
    EXPECT_EQ(points.Get(0)->Valeur, 2550); // 25.50 per match
    EXPECT_EQ(points.Get(0)->Total, 51);
    EXPECT_EQ(points.Get(0)->Nombre, 2);
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, 27)), (V{{11, 2750, 0}}));

    const TListeClassement lf = TClassJoueur::CalculeChampionnats(&s, champs, 65535, 20);
    ASSERT_EQ(lf.Nombre(), 1);
    EXPECT_EQ(lf.Get(0)->Joueur, 11);
    EXPECT_EQ(lf.Get(0)->Valeur, 7500); // 75.00 %
    EXPECT_EQ(lf.Get(0)->Total, 3);
    EXPECT_EQ(lf.Get(0)->Nombre, 4);

    const TListeClassement meilleur = TClassJoueur::CalculeChampionnats(&s, champs, 65535, 32);
    ASSERT_EQ(meilleur.Nombre(), 1);
    EXPECT_EQ(meilleur.Get(0)->Valeur, 31);
    EXPECT_EQ(meilleur.Get(0)->Match, "Auxerre - Lyon : 90 - 70");

    // Default weights: 2-point shots +2 made, -1 missed; free throws +1 made, -1 missed.
    // Batum 10 - 4 + 1 in one match; Parker 3 - 1, then 1.
    EXPECT_EQ(Lignes(TClassJoueur::CalculeChampionnats(&s, champs, 65535, G::Evaluation)),
              (V{{12, 700, 0}, {11, 150, 0}}));
    // A football championship has no box scores.
    auto foot = Championnat<TDonneesChampionnatFootball>(s);
    EXPECT_EQ(TClassJoueur::CalculeChampionnats(&s, {foot}, 65535, 14).Nombre(), 0);
}

TEST(ClassJoueur, RatingsFilterGoalkeepersCountSubstitutesAndApplyTheThreshold)
{
    Saison s;
    auto c = Championnat<TDonneesChampionnatFootball>(s);
    c->NbJournee = 5;
    c->SetNbJour(5);
    c->SetOptionArbitre(4, 50); // 50 % of 5 days: 2 ratings, in whole numbers
    s.AjouteJoueur(1, "Lloris", "Hugo", 1, 1);
    s.AjouteJoueur(2, "Mbappe", "Kylian", 1, 4);
    s.AjouteJoueur(3, "Giroud", "Olivier", 1, 4);
    s.AjouteJoueur(4, "Remy", "Loic", 1, 4);
    for (int jour = 1; jour <= 5; ++jour)
        c->AjouteMatch(jour, 1, 2, -1, 1, 0);
    auto note = [&](int jour, int mot, int rang, int joueur, uint8_t n) {
        c->SetCompoMatch(jour, 0, mot, static_cast<uint16_t>(joueur));
        c->SetNoteJoueurMatch(jour, 0, rang, n);
        c->SetNoteJoueurMatch(jour, 0, 15, 1);
    };
    note(1, 1, 1, 1, 6);
    note(2, 1, 1, 1, 7);
    note(1, 2, 2, 2, 8);
    note(2, 2, 2, 2, 255); // not rated
    note(3, 2, 2, 2, 6);
    note(1, 13, 12, 3, 9); // came on, rated
    note(2, 15, 13, 3, 9);
    note(1, 3, 3, 4, 9);               // one rating only: under the threshold
    c->SetNoteJoueurMatch(4, 0, 2, 9); // day 4 ratings not entered
    c->SetCompoMatch(4, 0, 2, 2);

    const std::vector<const TDonneesChampionnat*> champs{c};
    const TListeNotes gardiens = TClassJoueur::CreeListeNotesChampionnats(&s, champs, *c, 65535, 0);
    ASSERT_EQ(gardiens.Nombre(), 1);
    EXPECT_DOUBLE_EQ(gardiens.Get(0)->Moyenne, 6.5);

    const TListeNotes joueurs = TClassJoueur::CreeListeNotesChampionnats(&s, champs, *c, 65535, 1);
    ASSERT_EQ(joueurs.Nombre(), 2);
    EXPECT_EQ(joueurs.Get(0)->Joueur, 3);
    EXPECT_EQ(joueurs.Get(1)->Joueur, 2);
    EXPECT_EQ(joueurs.Get(1)->Nombre, 2); // exactly at the threshold: kept

    EXPECT_EQ(TClassJoueur::CreeListeNotesChampionnats(&s, champs, *c, 1, 2).Nombre(), 0); // Auxerre rated nobody
    EXPECT_EQ(TClassJoueur::CreeListeNotesChampionnats(&s, champs, *c, 0, 2).Nombre(), 3);
    EXPECT_EQ(TClassJoueur::CreeListeNotesChampionnats(&s, champs, *c, 9, 2).Nombre(), 0);
}

TEST(ClassJoueur, ScopeWalksTheHeadingOfTheCurrentChampionship)
{
    const std::vector<TLigneDesc> desc{{1, 0}, {2, 0}, {3, 10}, {3, 11}, {2, 0}, {3, 12}, {1, 0}, {3, 13}};
    EXPECT_EQ(TClassJoueur::Portee(desc, 11, 2), (std::vector<int>{10, 11}));
    EXPECT_EQ(TClassJoueur::Portee(desc, 10, 3), (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(TClassJoueur::Portee(desc, 12, 2), (std::vector<int>{12}));
    EXPECT_EQ(TClassJoueur::Portee(desc, 13, 3), (std::vector<int>{13}));
    EXPECT_TRUE(TClassJoueur::Portee(desc, 99, 3).empty());
    EXPECT_TRUE(TClassJoueur::Portee(desc, 0, 3).empty()); // headings carry value 0 too
}

TEST(ClassArbitre, KindsRankByRatioWithTiesInRegistryOrder)
{
    TPersonnels arbitres;
    auto ajoute = [&](const char* nom, int id, int matchs, int penaltys, int jaunes, int rouges) {
        auto a = std::make_unique<TPersonnelStat>(nom, "", 0, id);
        for (uint16_t k : {1, 2}) {
            a->SetMatchs(k, matchs);
            a->SetStat(k, 1, penaltys);
            a->SetAvertissements(k, jaunes);
            a->SetExpulsions(k, rouges);
        }
        arbitres.Ajoute(std::move(a));
    };
    ajoute("Collina", 1, 2, 1, 4, 0);
    ajoute("Atkinson", 2, 4, 0, 4, 1);
    ajoute("Busacca", 3, 1, 1, 2, 0);

    auto ids = [](const std::vector<TLigneArbitre>& l) {
        std::vector<std::pair<int, int>> v;
        for (const auto& a : l)
            v.emplace_back(a.Arbitre, a.Ratio);
        return v;
    };
    using P = std::vector<std::pair<int, int>>;
    // Over two championships: Collina 2 of 4 matches, Busacca 2 of 2.
    EXPECT_EQ(ids(TClassArbitre::CalculeNumeros(arbitres, {1, 2}, 0)), (P{{3, 100}, {1, 50}}));
    // Matches of a championship where he gave no penalty still lower his ratio.
    dynamic_cast<TPersonnelStat*>(arbitres.ChercheId(1))->SetMatchs(3, 6);
    EXPECT_EQ(ids(TClassArbitre::CalculeNumeros(arbitres, {1, 3}, 0)), (P{{3, 100}, {1, 12}}));
    // Busacca and Collina both 200: name order.
    EXPECT_EQ(ids(TClassArbitre::CalculeNumeros(arbitres, {1}, 1)), (P{{3, 200}, {1, 200}, {2, 100}}));
    EXPECT_EQ(ids(TClassArbitre::CalculeNumeros(arbitres, {1}, 2)), (P{{2, 25}}));
    EXPECT_EQ(ids(TClassArbitre::CalculeNumeros(arbitres, {1}, 3)), (P{{2, 225}, {3, 200}, {1, 200}}));
    EXPECT_TRUE(TClassArbitre::CalculeNumeros(arbitres, {1}, 4).empty());
    EXPECT_TRUE(TClassArbitre::CalculeNumeros(arbitres, {}, 1).empty());
}

namespace {
// Lyon (1) plays league A (id 5) and cup B (id 6) of one heading, and league C
// (id 7) under another; A is the current championship.
struct SaisonTrois {
    TSaisonFootball s;
    TDonneesChampionnat* A;
    TDonneesChampionnat* B;
    TDonneesChampionnat* C;

    SaisonTrois()
    {
        for (auto [id, nom] : {std::pair{1, "Lyon"}, {2, "Brest"}, {3, "Nice"}})
            s.AjouteEquipe(nom, id);
        s.Joueurs().AjouteSimple(s.CreeJoueur("Martin", "Paul", 11, 1));
        A = Ajoute(5, {1, 2});
        B = Ajoute(6, {3, 1});
        C = Ajoute(7, {1, 3});
        s.AjouteDesc("France", 1, 0);
        s.AjouteDesc("Ligue", 2, 0);
        s.AjouteDesc("A", 3, 5);
        s.AjouteDesc("B", 3, 6);
        s.AjouteDesc("Autres", 2, 0);
        s.AjouteDesc("C", 3, 7);
        s.SetNumChampCourant(1);
    }
    TDonneesChampionnat* Ajoute(int id, std::initializer_list<uint16_t> equipes)
    {
        auto c = s.CreeChampionnat(TDonneesChampionnat::TypeChamp);
        c->CodeChamp = id;
        for (uint16_t e : equipes)
            c->AjouteEquipe(e);
        c->SetNbMatch(1);
        c->SetNbJour(2);
        c->NbJournee = 2;
        c->AjouteMatch(1, *equipes.begin(), *(equipes.begin() + 1), -1, 1, 0);
        ::Ajoute(c->GetButeursJournee(1), 11, 1);
        TDonneesChampionnat* ici = c.get();
        s.AjouteChampionnat(std::move(c));
        return ici;
    }
    int Buts(bool useScope) const
    {
        const TListeClassement l = TClassJoueur::Calcule(s, 65535, useScope, G::Buteurs);
        return l.Nombre() == 1 ? l.Get(0)->Valeur : -1;
    }
};
} // namespace

TEST(ClassJoueur, ScopeOfTheSeasonCountsTheGroupsChampionships)
{
    SaisonTrois t;
    EXPECT_EQ(t.Buts(true), 1); // scope 0: the current championship alone
    t.A->SetOption(0, 0x12);    // scope 2 in the low bits
    EXPECT_EQ(TClassJoueur::CreeListe(t.s, true), (std::vector<int>{5, 6}));
    EXPECT_EQ(t.Buts(true), 2);
    EXPECT_EQ(t.Buts(false), 1);
    t.A->SetOption(0, 3);
    EXPECT_EQ(t.Buts(true), 3);
    t.s.SetNumChampCourant(3); // C's own scope is 0
    EXPECT_EQ(t.Buts(true), 1);

    // The current championship missing from the tree is ranked alone.
    t.s.SetNumChampCourant(1);
    t.s.ModifieDesc(2, "A", 9, 3);
    EXPECT_EQ(TClassJoueur::CreeListe(t.s, true), (std::vector<int>{5}));
}

TEST(ClassJoueur, RatingsOfOneClubFollowItAcrossTheScope)
{
    SaisonTrois t;
    t.A->SetOption(0, 2);
    for (TDonneesChampionnat* c : {t.A, t.B}) {
        const int p = c->IndexEquipe(1); // 0 in A, 1 in B
        c->SetCompoMatch(1, p, 1, 11);
        c->SetNoteJoueurMatch(1, p, 1, c == t.A ? 6 : 8);
        c->SetNoteJoueurMatch(1, p, 15, 1);
    }
    const TListeNotes notes = TClassJoueur::CreeListeNotes(t.s, 0, 2);
    ASSERT_EQ(notes.Nombre(), 1);
    EXPECT_EQ(notes.Get(0)->Nombre, 2);
    EXPECT_DOUBLE_EQ(notes.Get(0)->Moyenne, 7.0);
    EXPECT_EQ(TClassJoueur::CreeListeNotes(t.s, 1, 2).Nombre(), 0); // Brest
}

TEST(ClassArbitre, EachKindOverTheSeasonsRecount)
{
    SaisonTrois t;
    t.A->SetOption(0, 2);
    auto arbitre = std::make_unique<TPersonnelStat>("Collina", "Pierluigi", 0, 1);
    t.s.Arbitres().Ajoute(std::move(arbitre));
    t.s.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Busacca", "Massimo", 0, 2));
    t.A->SetArbitre(1, 1, 1, 1);
    t.B->SetArbitre(1, 1, 1, 1);
    t.C->SetArbitre(1, 1, 1, 2); // outside the scope
    ::Ajoute(t.A->GetButeursJournee(1), 11, 1, 30 | Evt::Penalty);
    ::Ajoute(t.B->GetCartonsJournee(1), 11, 1, 20);
    ::Ajoute(t.B->GetCartonsJournee(1), 11, 1, 60);
    ::Ajoute(t.B->GetCartonsJournee(1), 11, 1, 70 | Evt::ContreCamp);
    ::Ajoute(t.C->GetCartonsJournee(1), 11, 1, 20);
    t.s.RecalculeArbitres();

    auto ligne = [&](int genre) {
        const auto l = TClassArbitre::Calcule(t.s, genre);
        return l.size() == 1 ? std::tuple{l[0].Arbitre, l[0].Nombre, l[0].Matchs, l[0].Ratio} : std::tuple{0, 0, 0, 0};
    };
    // Per match over the scope: the penalty came in A, the cards in B, and
    // both his matches count for every kind.
    EXPECT_EQ(ligne(0), std::tuple(1, 1, 2, 50));
    EXPECT_EQ(ligne(1), std::tuple(1, 2, 2, 100));
    EXPECT_EQ(ligne(2), std::tuple(1, 1, 2, 50));
    EXPECT_EQ(ligne(3), std::tuple(1, 7, 2, 350)); // 2 yellow + 5 x 1 red
    EXPECT_TRUE(TClassArbitre::Calcule(t.s, 4).empty());
}
