#include "support/SaisonExemple.h"

#include "base/Utilities.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "presentation/FeuilleMatch.h"

#include <array>
#include <functional>

namespace testsupport {

CatalogueInstalle::CatalogueInstalle()
{
    DefinitLectureParam(std::make_unique<TLectureParam>(AppDir() + "config/Championnat.fr"));
}

CatalogueInstalle::~CatalogueInstalle()
{
    DefinitLectureParam(nullptr);
}

namespace {

void AjouteEvt(TListeDonnees* liste, int joueur, uint16_t equipe, uint16_t mot)
{
    liste->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, mot));
}

void CompleteLigue(TSaisonFootball& s, TDonneesChampionnatFootball& c, int arbitre, int stade)
{
    c.CodeChamp = 1;
    c.SetCode(101);
    for (uint16_t id = 0; id < 4; ++id)
        c.AjouteEquipe(id);
    c.SetNbJour(2);
    c.SetNbMatch(2);
    c.SetOption(0, 2);
    c.SetOption(4, 3);
    c.SetOption(5, 1);
    c.SetOptionArbitre(0, 1);
    c.OrdreClassement = "abc";
    c.BonusBut = 1;
    c.AjouteMatch(1, 0, 1, -1, 2, 1);
    c.AjouteMatch(1, 2, 3, -1, 0, 0);
    c.AjouteMatch(2, 1, 2, -1, 1, 3);
    c.AjouteMatch(2, 3, 0, -1, 65535, 65535);
    c.SetDateJournee(1, EncodeDateMatch(10, 8, 2025));
    c.SetAffluence(1, 1, 30000);
    c.SetArbitre(1, 1, 1, arbitre);
    c.SetNoteArbitre(1, 1, 1, 7);
    c.SetStadeMatch(1, 1, static_cast<uint16_t>(stade));
    c.SetCommentaireMatch(1, 0, 1, "Beau match & <fin>");

    // Day 1, Lyon 2 - 1 Nice: a goal, a penalty, an own goal, a missed penalty, cards, an assist.
    AjouteEvt(c.GetButeursJournee(1), 1, 0, 10);
    AjouteEvt(c.GetButeursJournee(1), 2, 0, Evt::Penalty | 55);
    AjouteEvt(c.GetButeursJournee(1), 2, 0, Evt::PenaltyManque | 60);
    AjouteEvt(c.GetButeursJournee(1), 1, 1, Evt::ContreCamp | 70);
    AjouteEvt(c.GetCartonsJournee(1), 3, 1, 30);
    AjouteEvt(c.GetCartonsJournee(1), 4, 1, Evt::ContreCamp | 80);
    AjouteEvt(c.GetPasseursJournee(1), 2, 0, 10);
    // Day 2, Nice 1 - 3 Paris.
    AjouteEvt(c.GetButeursJournee(2), 3, 1, 5);
    AjouteEvt(c.GetButeursJournee(2), 5, 2, 15);
    AjouteEvt(c.GetCartonsJournee(2), 3, 1, 44);

    // Lyon's line-up of day 1: two starters, one substitution, captain, ratings.
    c.SetCompoMatch(1, 0, 1, 1);
    c.SetCompoMatch(1, 0, 2, 2);
    c.SetCompoMatch(1, 0, 12, 2);
    c.SetCompoMatch(1, 0, 13, 7);
    c.SetCompoMatch(1, 0, 18, 75);
    c.SetCompoMatch(1, 0, 20, 0xFF00);
    c.SetCompoMatch(1, 0, 21, 1);
    c.SetNoteJoueurMatch(1, 0, 1, 6);
    c.SetNoteJoueurMatch(1, 0, 12, 5);
    c.SetNoteJoueurMatch(1, 0, 15, 1);
    // Nice's line-up.
    c.SetCompoMatch(1, 1, 1, 3);
    c.SetCompoMatch(1, 1, 2, 4);
    c.SetCompoMatch(1, 1, 20, 0xFF00);

    c.GetPenalites().AjoutePoints(3, -2);
    c.GetPenalites().AjouteMatch(2, 3, 3, 0, 1);
    auto groupe = std::make_unique<TGroupeEquipe>("Groupe A");
    groupe->AjouteEquipe(0);
    groupe->AjouteEquipe(1);
    c.AjouteGroupe(std::move(groupe));
    (void)s;
}

void CompleteCoupe(TDonneesChampionnatFootball& c)
{
    c.CodeChamp = 2;
    c.SetCode(1005);
    for (uint16_t id = 2; id < 6; ++id)
        c.AjouteEquipe(id);
    // Semi-finals (round 2) on day 1, the final (round 1) on day 2.
    c.CreeToursCoupe({{2, 2, 1}, {1, 1, 1}});
    c.SetOption(1, 2);
    c.SetNbJour(2);
    c.PetiteFinale = true;
    // Paris 1 - 1 Lens, Lens through on penalties; Brest 2 - 0 Metz.
    c.AjouteMatch(1, 2, 3, -1, 1, 1);
    c.SetQualifie(1, 2, 3, 1);
    c.AjoutePenaltys(1, 2, 3, 3, 4);
    c.AjouteMatch(1, 4, 5, -1, 2, 0);
    c.SetQualifie(1, 4, 5, 0);
    c.AjouteMatch(2, 3, 4, -1, 65535, 65535);
    c.SetDateJournee(1, EncodeDateMatch(5, 3, 2026));
    c.SetDateJournee(2, EncodeDateMatch(19, 3, 2026));
    AjouteEvt(c.GetButeursJournee(1), 5, 2, 33);
}

} // namespace

std::unique_ptr<TSaisonFootball> CreeSaisonComplete()
{
    auto s = std::make_unique<TSaisonFootball>();
    s->Pays().Ajoute("France");
    s->Pays().Ajoute("Italie");
    const char* equipes[] = {"Lyon", "Nice", "Paris", "Lens", "Brest", "Metz"};
    for (int i = 0; i < 6; ++i)
        s->AjouteEquipe(equipes[i], -1, false, 100 + i);
    s->AjouteClubPrec("Ancien Club");
    s->AjouteClubPrec("Autre & Cie");

    auto coach = std::make_unique<TEntraineur>("Dupont", "Jean", 60, -1);
    coach->ClubActuel = 0;
    coach->ClubPrec = 1;
    s->Entraineurs().Ajoute(std::move(coach));
    auto stade = std::make_unique<TStade>("Stade de Gerland", 40000, "Lyon");
    stade->CodePays = 0;
    s->Stades().Ajoute(std::move(stade), false);
    const TStade* gerland = s->Stades().Get(0);
    TRensClub* club = s->RensClubs().Cree(0);
    club->President = "Le président";
    club->Budget = 120;
    club->SetStade(gerland);
    club->SetEntraineur(s->Entraineurs().Get(0));

    // Two players per team of the league; player 7 is Lyon's substitute.
    struct J {
        const char* nom;
        const char* prenom;
        char poste;
        uint16_t equipe;
    } joueurs[] = {{"Alpha", "Ali", 'A', 0}, {"Bravo", "Bob", 'M', 0}, {"Charlie", "Carl", 'D', 1},
                   {"Delta", "Dan", 'G', 1}, {"Echo", "Eric", 'A', 2}, {"Fox", "Fred", 'M', 3},
                   {"Golf", "Gus", 'D', 0}};
    for (int i = 0; i < 7; ++i) {
        auto j = s->CreeJoueurComplet(joueurs[i].nom, joueurs[i].prenom, i + 1, 95, joueurs[i].poste,
                                      static_cast<uint8_t>(i + 1), joueurs[i].equipe, 65535, 0, 120, 3);
        j->CodePays = static_cast<uint16_t>(i % 2);
        s->Joueurs().AjouteSimple(std::move(j));
    }
    s->Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Arbitre", "Paul", 70, 1));

    s->AjouteStatChamp("France : Ligue 1", 101);
    s->SetOptionSauvegarde(0, 10);
    s->SetOptionSauvegarde(1, 1);
    s->AjouteDesc("#1", 1, 0);
    s->AjouteDesc("#101", 3, 1);
    s->AjouteDesc("Coupes", 2, 0);
    s->AjouteDesc("Ma coupe", 3, 2);
    s->AjouteDesc("#32769#Barrage & montée", 2, 0);

    auto ligue = std::make_unique<TDonneesChampionnatFootball>(
        s.get(), 0, TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    CompleteLigue(*s, *ligue, s->Arbitres().Get(0)->Numero, gerland->Code);
    s->AjouteChampionnat(std::move(ligue));
    auto coupe = std::make_unique<TDonneesChampionnatFootball>(
        s.get(), 0, TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    CompleteCoupe(*coupe);
    s->AjouteChampionnat(std::move(coupe));

    auto barrage = std::make_unique<TDonneesBarrage>();
    barrage->Code = 1 | 0x8000;
    barrage->TypeGroupe = 0;
    barrage->MoitiePoint = 1;
    barrage->AjouteDivision({{16, 16}}, 101);
    barrage->AjouteDivision({{3, 5}, {7, 7}}, 102);
    TTourCoupe* tour = barrage->AjouteTour(2, 1);
    tour->AjouteMatch(3, 7, 2, 1);
    barrage->SetOption(0, 4);
    barrage->SetOption(18, 9);
    s->AjouteBarrage(std::move(barrage));
    return s;
}

namespace {

// Four teams (ids and positions 0-3) in a league of `nbJour` days of two
// matches at 3/1/0 points; `preparer` schedules it before it joins the season.
std::unique_ptr<TSaisonFootball> LigueQuatre(const std::array<const char*, 4>& noms, int nbJour,
                                             const std::function<void(TDonneesChampionnat&)>& preparer)
{
    auto saison = std::make_unique<TSaisonFootball>();
    for (const char* nom : noms)
        saison->AjouteEquipe(nom);
    auto c = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    c->SetNbEquipe(4);
    for (int p = 0; p < 4; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(p));
    c->SetNbMatch(2);
    c->SetNbJour(nbJour);
    c->SetOption(4, 3);
    c->SetOption(5, 1);
    c->SetOption(6, 0);
    if (preparer)
        preparer(*c);
    saison->AjouteChampionnat(std::move(c));
    return saison;
}

} // namespace

TDonneesChampionnatFootball& AjouteChampionnatQuatre(TSaisonFootball& Saison, int Code, int NbJour,
                                                     const std::string& Nom)
{
    auto c = std::make_unique<TDonneesChampionnatFootball>(&Saison);
    c->CodeChamp = Saison.NbChampionnat() + 1;
    c->SetCode(Code);
    c->SetNbEquipe(4);
    for (int p = 0; p < 4; ++p)
        c->SetEquipe(p, static_cast<uint16_t>(p));
    c->SetNbMatch(2);
    c->SetNbJour(NbJour);
    for (int d = 1; d <= NbJour; ++d) {
        c->AjouteMatch(d, d % 2 ? 0 : 1, d % 2 ? 1 : 0, -1, 1, 0);
        c->AjouteMatch(d, 2, 3, -1, 0, 0);
    }
    Saison.AjouteDesc(Nom, 3, c->CodeChamp);
    auto& r = *c;
    Saison.AjouteChampionnat(std::move(c));
    return r;
}

std::unique_ptr<TSaisonFootball> CreeLigueQuatreEquipes()
{
    constexpr uint16_t X = TInfoComp::Aucun;
    return LigueQuatre({"Arles", "Brest", "Caen", "Dijon"}, 2, [](TDonneesChampionnat& c) {
        c.AjouteMatch(1, 0, 1, -1, X, X);
        c.AjouteMatch(1, 2, 3, -1, X, X);
        c.AjouteMatch(2, 3, 0, -1, X, X);
        c.AjouteMatch(2, 1, 2, -1, X, X);
        for (int n = 1; n <= 2; ++n)
            c.SetDateJournee(n, EncodeDateMatch(7 * n, 9, 2024));
    });
}

std::unique_ptr<TSaisonFootball> CreeLigueABCD(int nbJour)
{
    auto saison = LigueQuatre({"A", "B", "C", "D"}, nbJour, nullptr);
    saison->SetNumChampCourant(1);
    return saison;
}

std::unique_ptr<TSaisonFootball> CreeDeuxDivisions(int jours)
{
    auto s = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < 8; ++i)
        s->AjouteEquipe("Equipe " + std::to_string(i));
    for (int n = 0; n < 2; ++n) {
        auto c = s->CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        c->SetCode(101 + n);
        c->CodeChamp = n + 1;
        c->SetNbEquipe(4);
        for (int p = 0; p < 4; ++p)
            c->SetEquipe(p, static_cast<uint16_t>(4 * n + p));
        c->SetNbMatch(2);
        c->SetNbJour(jours);
        s->AjouteChampionnat(std::move(c));
    }
    s->AjouteDesc("#1", 1, 0);
    s->AjouteDesc("#101", 2, 0);
    s->AjouteDesc("#101", 3, 1);
    s->AjouteDesc("#102", 2, 0);
    s->AjouteDesc("#102", 3, 2);
    return s;
}

std::unique_ptr<TSaison> ChargeParDispatcheur(const std::string& fichier)
{
    auto saison = std::make_unique<TSaisonFootball>();
    if (!TTraiteurFichier::ChargeFichier(fichier, *saison, ""))
        return nullptr;
    return saison;
}

TOuMatch MontreMatch(TSaison& saison, const std::string& domicile, const std::string& exterieur)
{
    for (int n = 1; n <= saison.NbChampionnat(); ++n) {
        TDonneesChampionnat* c = saison.GetChampionnat(n);
        for (int j = 1; j <= c->GetNbJour(); ++j)
            for (int m = 1; m <= c->GetNbMatchJournee(j); ++m)
                if (saison.GetNomEquipe(c->GetValeurMatch(j, 4 * m - 3)) == domicile &&
                    saison.GetNomEquipe(c->GetValeurMatch(j, 4 * m - 1)) == exterieur) {
                    saison.SetNumChampCourant(n);
                    c->NbJournee = static_cast<uint8_t>(j);
                    EtatFeuilles().MatchCourant = m;
                    return {n, j, m};
                }
    }
    return {};
}

std::unique_ptr<TSaisonFootball> CreeLigueDivision(int division, int code, const std::string& prefixe)
{
    auto s = CreeLigueQuatreEquipes();
    for (int i = 0; i < 4; ++i)
        s->SetNomEquipe(i, prefixe + std::to_string(i));
    s->GetChampionnat(1)->SetCode(division);
    s->GetChampionnat(1)->CodeChamp = code;
    return s;
}

} // namespace testsupport
