#include "presentation/CreationBarrage.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/Penalites.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/CreationCoupe.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TMessagesScriptes;

class CreationCoupeTours : public ::testing::Test {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    void TearDown() override { InstalleTraducteur(nullptr); }
};

TEST_F(CreationCoupeTours, LignesLibellesEtResultat)
{
    TCreationCoupe c;
    c.SetNbTours(3);
    EXPECT_EQ(c.Ligne(1).NbMatch, 1);
    EXPECT_EQ(c.Ligne(2).NbMatch, 2);
    EXPECT_EQ(c.Ligne(3).NbMatch, 4);
    EXPECT_EQ(c.Libelle(1), Traduit(271));
    EXPECT_EQ(c.Libelle(3), Traduit(273));
    ASSERT_TRUE(c.Valide());
    ASSERT_EQ(c.Resultat().size(), 3u);
    EXPECT_EQ(c.Resultat()[0].nTour, 3);
    EXPECT_EQ(c.Resultat()[0].NbMatch, 4);
    EXPECT_EQ(c.Resultat()[2].nTour, 1);

    // The preset type goes to the rows made after it.
    TCreationCoupe t;
    t.TypePreset = 2;
    t.SetNbTours(3);
    ASSERT_TRUE(t.Valide());
    EXPECT_EQ(t.Resultat()[0].TypeMatch, 2u);
    EXPECT_EQ(t.Resultat()[1].TypeMatch, 2u);
    EXPECT_EQ(t.Resultat()[2].TypeMatch, 1u);

    // Lowering keeps the rows left as they were set; a round may have 0 matches.
    TCreationCoupe b;
    b.SetNbTours(5);
    b.Ligne(2).NbMatch = 0;
    b.Ligne(1).Type = 4;
    b.SetNbTours(2);
    ASSERT_TRUE(b.Valide());
    EXPECT_EQ(b.Resultat()[0].NbMatch, 0);
    EXPECT_EQ(b.Resultat()[1].TypeMatch, 4u);

    TCreationCoupe l;
    l.SetNbTours(8);
    EXPECT_EQ(l.Libelle(7), TraduitFmt(277, {2}));
    EXPECT_EQ(l.Libelle(8), TraduitFmt(277, {1}));
    l.SetNbTours(9);
    EXPECT_EQ(l.Libelle(7), TraduitFmt(277, {3}));
    EXPECT_EQ(l.Libelle(8), TraduitFmt(277, {2}));
    l.SetNbTours(0);
    EXPECT_FALSE(l.Valide());
}

// A finished league of seven teams, code 1, with its description, and a
// play-off definition of code 3 on it.
class Remplissage : public ::testing::Test {
protected:
    void SetUp() override
    {
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
        messages.ReponseParDefaut = ReponseMessage::Ok;
        for (int i = 0; i < 7; ++i)
            s.AjouteEquipe("E" + std::to_string(i));
        auto c = s.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
        c->CodeChamp = 1;
        c->SetNbEquipe(7);
        for (int p = 0; p < 7; ++p)
            c->SetEquipe(p, static_cast<uint16_t>(p));
        c->SetNbMatch(3);
        c->SetNbJour(1);
        c->SetOption(8, 124);
        c->SetOption(9, 25);
        // E0 first with 45 points, then E1 (6 won 1-0), E2 ... in id order.
        c->AjouteMatch(1, 1, 6, -1, 1, 0);
        c->GetPenalites().AjoutePoints(0, 45);
        s.AjouteChampionnat(std::move(c));
        s.AjouteDesc("#1", 1, 0);
        s.AjouteDesc("Ligue", 2, 0);
        s.AjouteDesc("Ligue", 3, 1);
        s.AjouteDesc("#32771#Barrage", 2, 0);
        s.AjouteDesc("Autre", 2, 0);
    }
    void TearDown() override { InstalleTraducteur(nullptr); }

    TDonneesBarrage& Definition(int groupes, int redemarrage, std::vector<TDonneesBarrage::TPlaces> places)
    {
        auto b = std::make_unique<TDonneesBarrage>();
        b->Code = 3;
        b->TypeGroupe = groupes;
        b->MoitiePoint = static_cast<uint16_t>(redemarrage);
        b->AjouteDivision(std::move(places), 1);
        return *s.AjouteBarrage(std::move(b));
    }

    TMessagesScriptes messages;
    TSaisonFootball s;
};

TEST_F(Remplissage, SansDefinitionRienAFaire)
{
    TCreationBarrage c(s);
    EXPECT_TRUE(c.SansDefinition());
    Definition(0, 0, {{1, 2}}).Code |= 0x8000;
    TCreationBarrage deja(s);
    EXPECT_FALSE(deja.SansDefinition());
    EXPECT_TRUE(deja.Entrees().empty());
}

// Told there is no definition, the user is sent to the composer's play-off
// button only when the composer shows it on a division of the season.
TEST_F(Remplissage, SansDefinitionLeMessageMontreCeQueLaSaisonOffre)
{
    testsupport::CatalogueInstalle catalogue;
    const auto ligues = testsupport::ChargeParDispatcheur(AppDir() + "sauvegarde/exemple.xmc");
    const auto coupe = testsupport::ChargeParDispatcheur(AppDir() + "sauvegarde/coupe-du-monde-2022.xmc");
    ASSERT_NE(ligues, nullptr);
    ASSERT_NE(coupe, nullptr);
    const std::string bouton = TraduitFmt(3260, {Traduit(10), Traduit(872), Traduit(883)});
    const std::string sansDivision = TraduitFmt(3294, {Traduit(883), Traduit(10), Traduit(872)});
    // Neither shipped season files its championships in a division.
    EXPECT_EQ(TCreationBarrage::TexteSansDefinition(*ligues), sansDivision);
    EXPECT_EQ(TCreationBarrage::TexteSansDefinition(*coupe), sansDivision);
    TSaisonFootball saison;
    saison.AjouteDesc("France", 1, 0);
    EXPECT_EQ(TCreationBarrage::TexteSansDefinition(saison), sansDivision);
    saison.AjouteDesc("Ligue A", 2, 0);
    EXPECT_EQ(TCreationBarrage::TexteSansDefinition(saison), bouton);
}

TEST_F(Remplissage, LesPlacesPreselectionnentLeClassement)
{
    Definition(1, 0, {{1, 2}, {5, 5}});
    TCreationBarrage c(s);
    ASSERT_EQ(c.Entrees().size(), 1u);
    EXPECT_EQ(c.Entrees()[0].Nom, "Barrage");
    c.Selectionne(0);
    ASSERT_EQ(c.Sources().size(), 1u);
    EXPECT_EQ(c.Sources()[0].Nom, "Ligue");
    EXPECT_EQ(c.Sources()[0].Places, (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(c.Sources()[0].Choix[0], 0);
    EXPECT_EQ(c.Sources()[0].Choix[1], 1);
    // The same team twice in one source is refused.
    c.Sources()[0].Choix[2] = 1;
    EXPECT_EQ(c.Continue(), TCreationBarrage::TEtape::Erreur);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(287));
    EXPECT_EQ(s.NbChampionnat(), 1);
}

TEST_F(Remplissage, DeuxGroupesAvecLaMoitieDesPoints)
{
    TDonneesBarrage& b = Definition(2, 1, {{1, 7}});
    TCreationBarrage c(s);
    c.Selectionne(0);
    ASSERT_EQ(c.Continue(), TCreationBarrage::TEtape::Groupes);
    ASSERT_EQ(c.Groupes().size(), 2u);
    EXPECT_EQ(c.Groupes()[0].Membres.size(), 3u);
    EXPECT_EQ(c.Groupes()[1].Membres.size(), 4u);
    EXPECT_EQ(c.Groupes()[1].Nom, TraduitFmt(288, {2}));
    ASSERT_EQ(c.CreeGroupes(), TCreationBarrage::TEtape::Cree);

    ASSERT_EQ(s.NbChampionnat(), 3);
    const TDonneesChampionnat* g2 = s.GetChampionnatId(163843);
    const TDonneesChampionnat* g1 = s.GetChampionnatId(98307);
    ASSERT_NE(g1, nullptr);
    ASSERT_NE(g2, nullptr);
    EXPECT_EQ(g2->GetNbJour(), 6);
    EXPECT_EQ(g2->GetNbMatch(), 2);
    EXPECT_EQ(g1->GetNbJour(), 6);
    EXPECT_EQ(g1->GetNbMatch(), 1);
    EXPECT_EQ(g1->GetOption(4), 3);
    EXPECT_EQ(g1->GetOption(10), 255);
    EXPECT_EQ(g1->GetOption(8), 124);
    // The leader had 45 points: it starts with 22.
    ASSERT_EQ(g1->GetPenalites().Nombre(), 2);
    const TPenalite* p =
        g1->GetPenalites().Get(0)->Equipe1 == 0 ? g1->GetPenalites().Get(0) : g1->GetPenalites().Get(1);
    EXPECT_EQ(p->Equipe1, 0);
    EXPECT_EQ(p->Type, TPenalite::Ajout);
    EXPECT_EQ(p->Valeur1, 22);
    EXPECT_EQ(p->Journee, 0);
    // Both lines right after the play-off's, in group order.
    EXPECT_EQ(s.GetDesc(4).Valeur, 98307);
    EXPECT_EQ(s.GetDesc(4).Niveau, 3);
    EXPECT_EQ(s.GetDesc(5).Valeur, 163843);
    EXPECT_EQ(s.GetDesc(6).Texte, "Autre");
    EXPECT_EQ(b.Code, 32771);
    EXPECT_EQ(messages.Messages.back().Texte, Traduit(290));
    // Created, it is offered no more.
    EXPECT_TRUE(TCreationBarrage(s).Entrees().empty());
}

TEST_F(Remplissage, UneCoupeAvecSesAppariements)
{
    TDonneesBarrage& b = Definition(0, 0, {{1, 3}});
    // Round 1: places 1 - 2 of source 1; round 2 (the final): the winner of
    // pairing 1 against place 3, who enters then.
    b.AjouteTour(1, 1)->AjouteMatch(1, 1, 1, 2);
    b.AjouteTour(1, 1)->AjouteMatch(0, 0, 1, (1 << 8) | 3);
    TCreationBarrage c(s);
    c.Selectionne(0);
    ASSERT_EQ(c.Continue(), TCreationBarrage::TEtape::Cree);
    const TDonneesChampionnat* coupe = s.GetChampionnatId(32771);
    ASSERT_NE(coupe, nullptr);
    EXPECT_TRUE(coupe->EstCoupe());
    EXPECT_EQ(coupe->GetOption(1), 2);
    ASSERT_GE(coupe->GetNbMatchJournee(1), 1);
    const TInfoComp* m = coupe->GetMatch(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(coupe->GetValeurMatch(1, 1), 0);
    EXPECT_EQ(coupe->GetValeurMatch(1, 3), 1);
    // Place 3 goes through the first round on a bye; no match names a place.
    ASSERT_EQ(coupe->GetMatchsSuiv().size(), 1u);
    EXPECT_EQ(coupe->GetMatchSuiv(0), 2);
}

TEST_F(Remplissage, UneCoupeSansToursDemandeLesTours)
{
    Definition(0, 0, {{1, 4}});
    TCreationBarrage annule(s);
    annule.DemandeTours = [](std::vector<TTourCoupeJour>&) { return false; };
    annule.Selectionne(0);
    EXPECT_EQ(annule.Continue(), TCreationBarrage::TEtape::Annule);
    EXPECT_EQ(s.NbChampionnat(), 1);
    EXPECT_EQ(s.GetBarrage(0)->Code, 3);

    TCreationBarrage c(s);
    c.DemandeTours = [](std::vector<TTourCoupeJour>& tours) {
        TCreationCoupe dialogue;
        dialogue.SetNbTours(2);
        dialogue.Valide();
        tours = dialogue.Resultat();
        return true;
    };
    c.Selectionne(0);
    ASSERT_EQ(c.Continue(), TCreationBarrage::TEtape::Cree);
    const TDonneesChampionnat* coupe = s.GetChampionnatId(32771);
    ASSERT_NE(coupe, nullptr);
    EXPECT_EQ(coupe->GetNbTourCoupe(), 2);
    EXPECT_EQ(coupe->GetNbEquipe(), 4);
}

} // namespace
