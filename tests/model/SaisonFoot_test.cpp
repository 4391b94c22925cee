#include <gtest/gtest.h>

#include "model/SaisonFoot.h"
#include "support/SaisonExemple.h"

namespace {

std::unique_ptr<TDonneesChampionnat> Ligue(TSaison& s, int id, int code, std::vector<uint16_t> equipes)
{
    auto c = s.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    c->CodeChamp = id;
    c->SetCode(code);
    for (uint16_t e : equipes)
        c->AjouteEquipe(e);
    c->SetNbJour(1);
    c->SetNbMatch(static_cast<int>(equipes.size() / 2));
    return c;
}

TJoueur* Joueur(TSaison& s, int id, const char* nom, uint16_t equipe)
{
    return s.Joueurs().AjouteSimple(s.CreeJoueur(nom, "X", id, equipe));
}

void AjouteEvt(TListeDonnees* l, int joueur, uint16_t equipe, uint16_t mot)
{
    l->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, mot));
}

} // namespace

TEST(TSaison, TeamTable)
{
    TSaisonFootball s;
    EXPECT_EQ(s.AjouteEquipe("", -1), -1);
    EXPECT_EQ(s.AjouteEquipe("Saint-Étienne", 7, false, 3), 7);
    EXPECT_EQ(s.GetProchainIdEquipe(), 8);
    EXPECT_EQ(s.AjouteEquipe("Lyon", -1), 8);
    EXPECT_EQ(s.AjouteEquipe("Nice", 2), 2);
    EXPECT_EQ(s.GetProchainIdEquipe(), 9);
    EXPECT_EQ(s.AjouteEquipe("SAINT-etienne", -1, true), 7);
    EXPECT_EQ(s.NbEquipe(), 3);
    EXPECT_EQ(s.ChercheEquipe("SAINT-ETIENNE"), 7);
    EXPECT_EQ(s.ChercheEquipe("Lens"), -1);

    EXPECT_EQ(s.GetLogoEquipe(7), 3);
    s.SetLogoEquipe(7, 40000);
    EXPECT_EQ(s.GetLogoEquipe(7), 40000);
    EXPECT_EQ(s.GetIdEquipe(0), 7);
    EXPECT_EQ(s.GetIdEquipe(3), -1);
    EXPECT_EQ(s.GetNomEquipeIndex(1), "Lyon");
    EXPECT_EQ(s.GetNomEquipeIndex(5), "");
    EXPECT_EQ(s.GetNomEquipe(99), "");
    EXPECT_EQ(s.GetLogoEquipe(99), 0);
    s.SetNomEquipe(8, "Olympique Lyonnais");
    EXPECT_EQ(s.GetNomEquipe(8), "Olympique Lyonnais");
    s.SupprimeEquipe(8);
    EXPECT_EQ(s.NbEquipe(), 2);
    // The players registry knows the new team.
    EXPECT_NE(s.Joueurs().GetListeEquipe(2), nullptr);
}

TEST(TSaison, FormerClubs)
{
    TSaisonFootball s;
    EXPECT_EQ(s.AjouteClubPrec("Ajax"), 0);
    // An empty name is no former club; 0 would be Ajax.
    EXPECT_EQ(s.ChercheClubPrec("", true), 65535);
    EXPECT_EQ(s.NbClubPrec(), 1);
    EXPECT_EQ(s.ChercheClubPrec("AJAX", false), 0);
    EXPECT_EQ(s.ChercheClubPrec("Benfica", false), -1);
    EXPECT_EQ(s.ChercheClubPrec("Benfica", true), 1);
    // The cards store names folded: a club first given with its accent is the same club.
    EXPECT_EQ(s.AjouteClubPrec("Évian"), 2);
    EXPECT_EQ(s.ChercheClubPrec("EVIAN", true), 2);
    EXPECT_EQ(s.ChercheClubPrec("évian", false), 2);
    EXPECT_EQ(s.NbClubPrec(), 3);
    EXPECT_EQ(s.GetClubPrec(2), "Évian") << "the list keeps its first spelling";
    s.SetClubPrec(5, "x");
    s.SetClubPrec(1, "Porto");
    EXPECT_EQ(s.GetClubPrec(1), "Porto");
    EXPECT_EQ(s.GetClubPrec(3), "");
}

TEST(TSaison, Championships)
{
    TSaisonFootball s;
    EXPECT_EQ(s.GetChampCourant(), nullptr);
    EXPECT_EQ(s.AjouteChampionnat(Ligue(s, 3, 101, {0, 1})), 0);
    EXPECT_EQ(s.AjouteChampionnat(Ligue(s, 0x8004, 1007, {1, 2})), 1);
    EXPECT_EQ(s.GetChampionnat(1)->GetSaison(), &s);
    EXPECT_EQ(s.GetIdChampMax(), 0x8004);
    EXPECT_EQ(s.GetMaxIdChamp(), 3);
    EXPECT_TRUE(s.EstSaisonMulti());
    EXPECT_EQ(s.GetChampionnat(0), nullptr);
    EXPECT_EQ(s.GetChampionnat(3), nullptr);
    EXPECT_EQ(s.GetNumChampionnatId(0x8004), 2);
    EXPECT_EQ(s.GetNumChampionnatId(9), -1);
    EXPECT_EQ(s.GetNumChampionnatCode(1007), 2);
    EXPECT_EQ(s.ChercheNumChampCode(1007), 2);
    EXPECT_EQ(s.ChercheNumChampCode(0), 0);
    EXPECT_EQ(s.ChercheNumChampCode(5), 0);
    EXPECT_FALSE(s.SetNumChampCourant(3));
    EXPECT_EQ(s.GetNumChampCourant(), 1);
    EXPECT_TRUE(s.SelectChampionnat(0x8004));
    EXPECT_EQ(s.GetChampCourant()->CodeChamp, 0x8004);
    EXPECT_FALSE(s.SelectChampionnat(77));
    EXPECT_EQ(s.GetNumChampCourant(), 2);
    EXPECT_EQ(s.ListeChampEquipe(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(s.ListeGroupesEquipe(2), (std::vector<int>{1007}));
    EXPECT_EQ(s.VideChampionnats().size(), 2u);
    EXPECT_EQ(s.NbChampionnat(), 0);
}

TEST(TSaison, PlayOffs)
{
    TSaisonFootball s;
    auto b = std::make_unique<TDonneesBarrage>();
    b->Code = 3 | 0x8000;
    s.AjouteBarrage(std::move(b));
    auto b2 = std::make_unique<TDonneesBarrage>();
    b2->Code = 1;
    s.AjouteBarrage(std::move(b2));
    EXPECT_EQ(s.GetBarrageCode(3), s.GetBarrage(0));
    EXPECT_EQ(s.GetBarrageCode(2), nullptr);
    EXPECT_EQ(s.GetMaxCodeBarrage(), 3);
    EXPECT_FALSE(s.SupprimeBarrage(2));
    EXPECT_TRUE(s.SupprimeBarrage(0));
    EXPECT_EQ(s.NbBarrage(), 1);
    EXPECT_EQ(s.GetBarrage(1), nullptr);
}

TEST(TSaison, SeasonTreeWithCatalogue)
{
    testsupport::CatalogueInstalle catalogue;
    TSaisonFootball s;
    s.AjouteDesc("#1", 1, 0);               // 0: France
    s.AjouteDesc("Poules", 2, 5);           // 1
    s.AjouteDesc("#101", 3, 11);            // 2: Ligue 1
    s.AjouteDesc("Ma ligue", 3, 12);        // 3
    s.AjouteDesc("#0", 2, 0);               // 4: separator
    s.AjouteDesc("#32769#Barrage", 2, 0);   // 5: a play-off line
    s.AjouteDesc("#12#Coupe perso", 3, 13); // 6
    s.InsereDesc("#102", 3, 14, 2);         // 3: Ligue 2, after Ligue 1

    EXPECT_EQ(s.NbDesc(), 8);
    TDesc d = s.GetDesc(0);
    EXPECT_EQ(d.Niveau, 1);
    EXPECT_EQ(d.Texte, "France");
    EXPECT_EQ(d.NumeroCatalogue, 1);
    EXPECT_EQ(s.GetDesc(2).Texte, "Ligue 1");
    EXPECT_EQ(s.GetDesc(3).Texte, "Ligue 2");
    EXPECT_EQ(s.GetDesc(3).Valeur, 14);
    EXPECT_EQ(s.GetDesc(5).Texte, "Separateur");
    d = s.GetDesc(7);
    EXPECT_EQ(d.NumeroCatalogue, 12);
    EXPECT_EQ(d.Texte, "Coupe perso");
    EXPECT_EQ(s.GetDesc(1).Texte, "Poules");
    EXPECT_EQ(s.GetDesc(8).Texte, "");
    EXPECT_EQ(s.GetDescBrut(2).Objet, 11 * 16 + 3);

    EXPECT_EQ(s.NbDescNiveau3Suivants(1), 3);
    EXPECT_EQ(s.NbDescNiveau3Suivants(5), 0);
    // The heading of level 2 above championship 12, and the championship line itself.
    EXPECT_EQ(s.ChercheDesc(12, 2), 1);
    EXPECT_EQ(s.ChercheDesc(12, 3), 4);
    EXPECT_EQ(s.ChercheDesc(99, 1), -1);

    std::string nom;
    EXPECT_EQ(s.GetTexteDescCode(1, nom), 6);
    EXPECT_EQ(nom, "Barrage");
    EXPECT_EQ(s.GetTexteDescCode(32769, nom), 6);
    EXPECT_EQ(s.GetTexteDescCode(2, nom), -1);
    EXPECT_EQ(nom, "");

    EXPECT_EQ(s.GetNomChampDesc(11), "Ligue 1");
    EXPECT_EQ(s.GetNomChampDesc(12), "Ma ligue");
    EXPECT_EQ(s.GetNomChampDesc(40), "");
    TNomsChamp noms = s.GetNomsChamp(11);
    EXPECT_EQ(noms.Nom, "Ligue 1");
    EXPECT_EQ(noms.Groupe, "France");
    EXPECT_EQ(s.GetNomCompletChamp(12), "France : Ma ligue");

    // Without a tree line the catalogue names the championship by its division.
    s.AjouteChampionnat(Ligue(s, 20, 102, {0, 1}));
    EXPECT_EQ(s.GetNomCompletChamp(20), "France : Ligue 2");
    EXPECT_EQ(s.GetNomCompletChamp(21), "");
}

TEST(TSaison, SeasonTreeWithoutHeading)
{
    TSaisonFootball s;
    s.AjouteDesc("Ma ligue", 3, 4);
    EXPECT_EQ(s.GetNomCompletChamp(4), " : Ma ligue");
    // Without a catalogue a reference stays as written, but "#n#text" is still read.
    s.AjouteDesc("#101", 3, 5);
    s.AjouteDesc("#7#Texte", 1, 0);
    EXPECT_EQ(s.GetDesc(1).Texte, "#101");
    EXPECT_EQ(s.GetDesc(2).Texte, "Texte");
    EXPECT_EQ(s.GetDesc(2).NumeroCatalogue, 7);
}

TEST(TSaison, StatisticsFilingScopes)
{
    TSaisonFootball s;
    s.AjouteDesc("Mes ligues", 1, 0);
    s.AjouteDesc("Nord", 2, 0);
    s.AjouteDesc("A", 3, 1);
    s.AjouteDesc("B", 3, 2);
    s.AjouteDesc("#3", 2, 0);
    s.AjouteDesc("C", 3, 3);
    s.AjouteChampionnat(Ligue(s, 1, 101, {0, 1}));
    s.AjouteChampionnat(Ligue(s, 2, 102, {2, 3}));
    s.AjouteChampionnat(Ligue(s, 3, 150, {4, 5}));
    EXPECT_EQ(s.GetIdStatChamp(102), 0) << "no catalogue";

    testsupport::CatalogueInstalle catalogue;
    // Scope 1: filed under its own code, named after the catalogue.
    EXPECT_EQ(s.GetIdStatChamp(102), 102);
    EXPECT_EQ(s.GetNomStatChamp(102), "France : Ligue 2");
    // Scope 2: under the first championship of its level-2 heading, named after it.
    s.GetChampionnat(2)->SetOption(0, 2);
    EXPECT_EQ(s.GetIdStatChamp(102), 101);
    EXPECT_EQ(s.GetNomStatChamp(101), "Nord");
    // A heading that refers to the catalogue lets the championship name the group.
    s.GetChampionnat(3)->SetOption(0, 2);
    EXPECT_EQ(s.GetIdStatChamp(150, 1), 150);
    EXPECT_EQ(s.GetNomStatChamp(150), "Mes ligues : A");
    // Scope 3: everything under the level-1 heading files under its first championship.
    s.GetChampionnat(3)->SetOption(0, 3);
    EXPECT_EQ(s.GetIdStatChamp(150), 101);
    EXPECT_EQ(s.NbStatChamp(), 3);
    EXPECT_EQ(s.GetNomStatChamp(999), "");
}

TEST(TSaison, RecountsCountWhatTheMatchSheetsSay)
{
    TSaisonFootball s;
    s.AjouteEquipe("A", 0);
    s.AjouteEquipe("B", 1);
    s.AjouteChampionnat(Ligue(s, 1, 101, {0, 1}));
    s.AjouteChampionnat(Ligue(s, 2, 102, {0, 1}));
    TJoueur* a = Joueur(s, 1, "Alpha", 0);
    TJoueur* b = Joueur(s, 2, "Bravo", 1);
    auto& c = dynamic_cast<TDonneesChampionnatFootball&>(*s.GetChampionnat(1));
    c.AjouteMatch(1, 0, 1, -1, 2, 1);
    AjouteEvt(c.GetButeursJournee(1), 1, 0, 10);
    AjouteEvt(c.GetButeursJournee(1), 1, 0, Evt::Penalty | 20);
    AjouteEvt(c.GetButeursJournee(1), 1, 0, Evt::PenaltyManque | 30); // missed: no goal
    AjouteEvt(c.GetButeursJournee(1), 1, 1, Evt::ContreCamp | 40);    // own goal: no goal
    AjouteEvt(c.GetButeursJournee(1), 9, 1, 50);                      // a player no longer held
    AjouteEvt(c.GetButeursJournee(1), -1, 1, 60);                     // a scorer nobody knows
    AjouteEvt(c.GetCartonsJournee(1), 1, 0, 12);
    AjouteEvt(c.GetCartonsJournee(1), 2, 1, Evt::ContreCamp | 13);
    AjouteEvt(c.GetPasseursJournee(1), 2, 1, 40);
    c.SetCompoMatch(1, 0, 1, 1);
    c.SetCompoMatch(1, 1, 1, 9);
    c.SetCompoMatch(1, 1, 12, 5); // player off: not an appearance
    c.SetCompoMatch(1, 1, 13, 2); // player on
    auto& c2 = *s.GetChampionnat(2);
    c2.AjouteMatch(1, 1, 0, -1, 0, 0);
    AjouteEvt(c2.GetCartonsJournee(1), 1, 0, 70);

    s.RecalculeJoueurs();
    EXPECT_EQ(a->GetNbBut(1), 2);
    EXPECT_EQ(a->GetMatchs(1), 1);
    EXPECT_EQ(a->GetAvertissements(1), 1);
    EXPECT_EQ(a->GetAvertissements(2), 1);
    EXPECT_EQ(b->GetExpulsions(1), 1);
    EXPECT_EQ(b->GetMatchs(1), 1);
    EXPECT_EQ(dynamic_cast<TJoueurFootball*>(b)->GetPasses(1), 1);
    EXPECT_EQ(c.GetButeursJournee(1)->Nombre(), 5) << "the vanished player's goal goes, the unknown one stays";
    EXPECT_EQ(c.GetCompoMatch(1, 1, 1), 0);

    // One player's recount gives what the full one gave, cards and assists included.
    a->VideStats(true);
    b->VideStats(true);
    s.RecalculeJoueur(1, 0);
    s.RecalculeJoueur(2, 1);
    EXPECT_EQ(a->GetNbBut(1), 2);
    EXPECT_EQ(a->GetMatchs(1), 1);
    EXPECT_EQ(a->GetAvertissements(1), 1);
    EXPECT_EQ(a->GetAvertissements(2), 1);
    EXPECT_EQ(b->GetExpulsions(1), 1);
    EXPECT_EQ(b->GetMatchs(1), 1);
    EXPECT_EQ(dynamic_cast<TJoueurFootball*>(b)->GetPasses(1), 1);
}

TEST(TSaison, RefereeRecount)
{
    TSaisonFootball s;
    s.AjouteChampionnat(Ligue(s, 1, 101, {0, 1, 2, 3}));
    s.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Arbitre", "Un", 0, 4));
    auto& c = *s.GetChampionnat(1);
    c.AjouteMatch(1, 0, 1, -1, 1, 0);
    c.AjouteMatch(1, 2, 3, -1, 1, 0);
    c.SetArbitre(1, 1, 1, 4);
    c.SetArbitre(1, 2, 2, 77); // not in the registry
    AjouteEvt(c.GetButeursJournee(1), 1, 0, Evt::Penalty | 3);
    AjouteEvt(c.GetButeursJournee(1), 1, 1, Evt::PenaltyManque | 8);
    AjouteEvt(c.GetButeursJournee(1), 1, 2, Evt::Penalty | 8);
    AjouteEvt(c.GetCartonsJournee(1), 1, 0, 5);
    AjouteEvt(c.GetCartonsJournee(1), 1, 1, Evt::ContreCamp | 6);
    s.RecalculeArbitres();
    auto* r = dynamic_cast<TPersonnelStat*>(s.Arbitres().ChercheId(4));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->GetMatchs(1), 1);
    EXPECT_EQ(r->GetNbBut(1), 2);
    EXPECT_EQ(r->GetAvertissements(1), 1);
    EXPECT_EQ(r->GetExpulsions(1), 1);
}

TEST(TSaison, RenumberingSwapsTwoTeamsWithoutMergingThem)
{
    TSaisonFootball s;
    s.AjouteEquipe("Zero", 0, false, 10);
    s.AjouteEquipe("Un", 1, false, 11);
    s.AjouteChampionnat(Ligue(s, 1, 101, {1, 0}));
    // Namesakes in the two teams: merged if both ended up in one team.
    Joueur(s, 1, "Martin", 0);
    Joueur(s, 2, "Martin", 1);
    auto& c = *s.GetChampionnat(1);
    c.AjouteMatch(1, 1, 0, -1, 1, 0);
    AjouteEvt(c.GetButeursJournee(1), 2, 1, 9);
    c.GetPenalites().AjoutePoints(0, -3);

    s.RenumeroteEquipesChamp(1);
    EXPECT_EQ(c.GetEquipe(0), 0);
    EXPECT_EQ(c.GetEquipe(1), 1);
    EXPECT_EQ(s.GetNomEquipe(0), "Un");
    EXPECT_EQ(s.GetLogoEquipe(0), 11);
    EXPECT_EQ(s.GetNomEquipe(1), "Zero");
    EXPECT_EQ(s.Joueurs().Nombre(), 2);
    EXPECT_EQ(s.Joueurs().ChercheId(2)->EquipeClub, 0);
    EXPECT_EQ(s.Joueurs().ChercheId(1)->EquipeClub, 1);
    const TInfoComp* m = c.GetMatch(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetEquipe(0), 0);
    EXPECT_EQ(m->GetEquipe(1), 1);
    EXPECT_EQ(c.GetButeursJournee(1)->Get(0)->GetEquipe(), 0);
    EXPECT_EQ(c.GetPenalites().Get(0)->Equipe1, 1);
}

TEST(TSaison, RenumberingACupMovesItsByesWithTheirTeams)
{
    TSaisonFootball s;
    for (const char* nom : {"Zero", "Un", "Deux", "Trois"})
        s.AjouteEquipe(nom);
    auto cup = Ligue(s, 1, 101, {2, 0, 3, 1});
    cup->Genre = TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational;
    cup->AjouteMatchSuiv(0, 2, TInfoComp::Aucun); // slot 0: Deux goes through
    cup->AjouteMatchSuiv(2, TInfoComp::Aucun, 1); // slot 1: Un
    s.AjouteChampionnat(std::move(cup));

    s.RenumeroteEquipesChamp(1);
    const TDonneesChampionnat& c = *s.GetChampionnat(1);
    ASSERT_EQ(s.GetNomEquipe(0), "Deux");
    ASSERT_EQ(s.GetNomEquipe(3), "Un");
    EXPECT_EQ(c.GetMatchSuiv(0), 0);
    EXPECT_EQ(c.GetMatchSuiv(1), 3);
    EXPECT_EQ(c.GetMatchsSuiv().size(), 2u);
}

TEST(TSaison, RemovingAChampionshipKeepsTeamsPlayingElsewhere)
{
    TSaisonFootball s;
    for (int i = 0; i < 3; ++i)
        s.AjouteEquipe(std::string("T") + char('0' + i), i);
    s.AjouteChampionnat(Ligue(s, 1, 101, {0, 1}));
    s.AjouteChampionnat(Ligue(s, 2, 102, {1, 2}));
    Joueur(s, 1, "Un", 0);
    Joueur(s, 2, "Deux", 1);
    Joueur(s, 3, "Trois", 2);
    s.RetireChampionnat(1);
    EXPECT_EQ(s.NbChampionnat(), 2);
    EXPECT_EQ(s.GetNomEquipe(0), "");
    EXPECT_EQ(s.GetNomEquipe(1), "T1");
    EXPECT_EQ(s.GetNomEquipe(2), "T2");
    EXPECT_EQ(s.Joueurs().ChercheId(1), nullptr);
    EXPECT_NE(s.Joueurs().ChercheId(2), nullptr);
    EXPECT_NE(s.Joueurs().ChercheId(3), nullptr);
    s.RetireChampionnat(9);
    EXPECT_EQ(s.NbEquipe(), 2);
}

TEST(TSaison, FactoriesAndOptions)
{
    TSaisonFootball s;
    auto c = s.CreeChampionnat(TDonneesChampionnat::TypeCoupe);
    EXPECT_NE(dynamic_cast<TDonneesChampionnatFootball*>(c.get()), nullptr);
    EXPECT_TRUE(c->EstCoupe());
    auto j = s.CreeJoueurComplet("Nom", "Prenom", 5, 90, 'D', 4, 1, 65535, 2, 110, 3);
    auto copie = s.CreeJoueurCopie(*j);
    ASSERT_NE(copie, nullptr);
    EXPECT_EQ(copie->Nom, "Nom");
    EXPECT_EQ(copie->GetLettrePoste(), 'D');
    EXPECT_EQ(s.ListePostes().size(), 4u);
    EXPECT_EQ(s.ListePostes()[3].Objet, 3);
    s.SetOptionSauvegarde(1, 1);
    s.SetOptionSauvegarde(4, 9);
    EXPECT_EQ(s.GetOptionSauvegarde(1), 1);
    EXPECT_EQ(s.GetOptionSauvegarde(4), 0);
}

TEST(TProgression, StaysWithinBoundsAndNeverGoesDown)
{
    std::vector<int> vus;
    TProgression p([&](int v) { vus.push_back(v); }, 10);
    p.Avance(5);
    p.Fixe(3);
    p.AvancePartage(20, 3); // 6, remainder 2
    p.AvancePartage(20, 3); // (2 + 20) / 3 = 7, remainder 1
    p.AvancePartage(20, 3); // 7
    p.Avance(200);
    EXPECT_EQ(vus, (std::vector<int>{15, 21, 28, 35, 100}));
}
