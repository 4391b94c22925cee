#include <gtest/gtest.h>

#include "FakeSaison.h"
#include "base/ioXml.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"

namespace {
std::string Ecrit(const TDonneesChampionnat& c)
{
    std::string flux;
    {
        TXmlMemoryStreamWriter xml(flux, false);
        c.SaveToXml(xml);
    }
    return flux;
}

// Reads a "Championnat" element into c; false when the reader refused it.
bool Lit(TDonneesChampionnat& c, const std::string& texte)
{
    TXmlStreamReader xml(texte);
    if (xml.LitNoeud() != XML_OUVRANT || xml.GetNom() != "Championnat")
        return false;
    return c.LoadFromXml(xml);
}

std::string Crlf(const std::string& lignes)
{
    std::string s;
    for (char ch : lignes)
        s += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    return s;
}

// A football league written by hand with every child the element may hold.
const char* const LigueComplete = R"(<Championnat>
  <CodeChamp>3</CodeChamp>
  <Type TypeChamp="1" TypeNational="1">
  </Type>
  <NbEquipe>4</NbEquipe>
  <NbJour>2</NbJour>
  <NbMatch>2</NbMatch>
  <Conversion>10-11-12-13</Conversion>
  <Options>
    <Option>1</Option>
    <Option>0</Option>
    <Option>5</Option>
    <Option>3</Option>
    <Option>3</Option>
    <Option>1</Option>
    <Option>0</Option>
    <Option>1</Option>
    <Option>107</Option>
    <Option>8</Option>
    <Option>2</Option>
    <Option>1</Option>
    <Option>3</Option>
    <Option>0</Option>
    <Option>0</Option>
    <Option>0</Option>
    <Option>4</Option>
    <Option>2</Option>
    <Option>2</Option>
    <BonusBut>4</BonusBut>
    <PointBonusBut>1</PointBonusBut>
    <BonusEcart>7</BonusEcart>
    <PetiteFinale>0</PetiteFinale>
  </Options>
  <GroupeEquipe NomGroupe="Poule #1#A#2#">
    <Equipe>10</Equipe>
    <Equipe>12</Equipe>
  </GroupeEquipe>
  <OptionsArbitre>
    <Option>1</Option>
    <Option>1</Option>
    <Option>6</Option>
    <Option>6</Option>
    <Option>50</Option>
  </OptionsArbitre>
  <NbJournee>2</NbJournee>
  <Division>1001</Division>
  <CodePerso>0</CodePerso>
  <OrdreClassement>adc</OrdreClassement>
  <Journee Numero="1" Date="4/8/2007">
    <Match>
      <e1>10</e1>
      <e2>11</e2>
      <s1>2</s1>
      <s2>1</s2>
      <Affluence>35000</Affluence>
      <Comment>Match #1#tendu#2#</Comment>
      <NoteMatch>7</NoteMatch>
      <Arbitre>-1</Arbitre>
      <NoteArbitre>0</NoteArbitre>
      <Arbitre>4</Arbitre>
      <NoteArbitre>6</NoteArbitre>
      <Stade>0</Stade>
      <DateMatch>5/8/2007</DateMatch>
      <Buteur Equipe="1">
        <Joueur>1</Joueur>
        <Minute>268</Minute>
      </Buteur>
      <Buteur Equipe="1">
        <Joueur>2</Joueur>
        <Minute>80</Minute>
      </Buteur>
      <Buteur Equipe="2">
        <Joueur>5</Joueur>
        <Minute>51</Minute>
      </Buteur>
      <Averti Equipe="2">
        <Joueur>5</Joueur>
        <Minute>30</Minute>
      </Averti>
      <Exclus Equipe="1">
        <Joueur>2</Joueur>
        <Minute>30</Minute>
      </Exclus>
      <Passeur Equipe="1">
        <Joueur>3</Joueur>
        <Minute>12</Minute>
      </Passeur>
      <Compo Equipe="1">
        <Tit ID="1" Note="6">
        </Tit>
        <Tit ID="2">
        </Tit>
        <Rempl ID="3" IdRemp="1">
          <Note>5</Note>
          <Minute>60</Minute>
        </Rempl>
        <Capitaine>2</Capitaine>
      </Compo>
    </Match>
    <Match>
      <e1>12</e1>
      <e2>13</e2>
      <NoteMatch>0</NoteMatch>
      <DateMatch>4/8/2007</DateMatch>
    </Match>
  </Journee>
  <Journee Numero="2">
  </Journee>
  <Penalite>
    <e1>13</e1>
    <e2>0</e2>
    <s1>2</s1>
    <s2>0</s2>
    <Journee>0</Journee>
    <Type>3</Type>
  </Penalite>
  <Penalite>
    <e1>12</e1>
    <e2>13</e2>
    <s1>3</s1>
    <s2>0</s2>
    <Journee>1</Journee>
    <Type>1</Type>
  </Penalite>
</Championnat>
)";

void Peuple(FakeSaison& saison)
{
    saison.AjouteJoueur(1, "Martin", "Paul", 10);
    saison.AjouteJoueur(2, "Durand", "Luc", 10);
    saison.AjouteJoueur(3, "Petit", "Jean", 10);
    saison.AjouteJoueur(5, "Roux", "Marc", 11);
    saison.AjouteStade("Beaujoire");
    saison.Equipes = {{10, "Nantes"}, {11, "Brest"}, {12, "Lens"}, {13, "Metz"}};
}
} // namespace

TEST(ChampionnatXml, HandWrittenLeagueLoadsAndRewritesTheSameBytes)
{
    FakeSaison saison;
    Peuple(saison);
    TDonneesChampionnatFootball c(&saison);
    const std::string texte = Crlf(LigueComplete);
    ASSERT_TRUE(Lit(c, texte));

    EXPECT_EQ(c.CodeChamp, 3);
    EXPECT_EQ(c.Genre, TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational);
    EXPECT_EQ(c.GetNbEquipe(), 4);
    EXPECT_EQ(c.GetEquipe(3), 13);
    EXPECT_EQ(c.GetNbJour(), 2);
    EXPECT_EQ(c.GetOption(8), 107);
    EXPECT_EQ(c.BonusEcart, 7);
    EXPECT_EQ(c.GetOptionArbitre(4), 50);
    ASSERT_EQ(c.NbGroupe(), 1);
    EXPECT_EQ(c.GetGroupe(0)->NomGroupe, "Poule <A>");
    EXPECT_EQ(c.GetCode(), 1001);
    EXPECT_EQ(c.OrdreClassement, "adc");
    EXPECT_EQ(c.NbJournee, 2);
    EXPECT_EQ(c.JourneeJouee, 1);

    EXPECT_EQ(c.GetDateJournee(1), EncodeDateMatch(4, 8, 2007));
    const TInfoComp* m = c.GetMatch(1, 1);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->GetLibelle(saison), "Nantes - Brest : 2 - 1");
    EXPECT_EQ(m->GetAffluence(), 35000);
    EXPECT_EQ(m->GetComment(), "Match <tendu>");
    EXPECT_EQ(m->GetNoteMatch(), 7);
    EXPECT_EQ(m->GetArbitre(1), -1);
    EXPECT_EQ(m->GetArbitre(2), 4);
    EXPECT_EQ(m->GetNoteArbitreN(2), 6);
    EXPECT_EQ(m->GetStade(), 0);
    EXPECT_EQ(m->GetDate(), EncodeDateMatch(5, 8, 2007));
    ASSERT_EQ(c.GetButeursJournee(1)->Nombre(), 3);
    EXPECT_EQ(c.GetButeursJournee(1)->Get(0)->GetMot(), 0x100 | 12);
    EXPECT_EQ(c.GetButeursJournee(1)->Get(2)->GetEquipe(), 11);
    ASSERT_EQ(c.GetCartonsJournee(1)->Nombre(), 2);
    EXPECT_EQ(c.GetCartonsJournee(1)->Get(1)->GetMot(), 0x80 + 30);
    EXPECT_EQ(c.GetPasseursJournee(1)->Get(0)->GetJoueur(), 3);
    EXPECT_EQ(m->GetCompo(10, 1), 1);
    EXPECT_EQ(m->GetCompo(10, 12), 1);
    EXPECT_EQ(m->GetCompo(10, 13), 3);
    EXPECT_EQ(m->GetCompo(10, 18), 60); // minute of substitution 1
    EXPECT_EQ(m->GetCompo(10, 20), 0xFF00);
    EXPECT_EQ(m->GetCompo(10, 21), 2);
    EXPECT_EQ(m->GetNoteJoueur(10, 1), 6);
    EXPECT_EQ(m->GetNoteJoueur(10, 2), 255);
    EXPECT_EQ(m->GetNoteJoueur(10, 12), 5);
    EXPECT_EQ(m->GetNoteJoueur(10, 15), 1);
    EXPECT_EQ(c.GetMatch(1, 2)->GetScore(0), 65535);
    ASSERT_EQ(c.GetPenalites().Nombre(), 2);
    EXPECT_EQ(c.GetPenalites().Get(0)->Type, 3);
    EXPECT_EQ(c.GetPenalites().Get(1)->Equipe2, 13);

    const std::string ecrit = Ecrit(c);
    EXPECT_EQ(ecrit, texte);
    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, ecrit));
    EXPECT_EQ(Ecrit(relu), ecrit);
}

TEST(ChampionnatXml, QualifiedSideAndShootOutSurviveARoundTrip)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison, 0, TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    c.AjouteEquipe(10);
    c.AjouteEquipe(11);
    c.CreeToursCoupe({{1, 1, 2}});
    c.AjouteMatchSuiv(2, 65535, 11);
    c.AjouteMatch(2, 10, 11, -1, 1, 1);
    c.SetQualifie(2, 10, 11, 1);
    c.AjoutePenaltys(2, 10, 11, 3, 4);
    const std::string texte = Ecrit(c);
    EXPECT_NE(texte.find("<Qualifie>2</Qualifie>"), std::string::npos);

    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, texte));
    EXPECT_TRUE(relu.EstCoupe());
    EXPECT_EQ(relu.GetQualifie(2, 10, 11), 1);
    EXPECT_EQ(relu.GetValeurMatch(2, 4), 1);
    ASSERT_NE(relu.CherchePenaltys(2, 10, 11), nullptr);
    EXPECT_EQ(relu.CherchePenaltys(2, 10, 11)->But2, 4);
    ASSERT_EQ(relu.GetNbTourCoupe(), 2);
    EXPECT_EQ(relu.GetTourCoupe(1)->TypeMatch, 0x82u);
    EXPECT_EQ(relu.GetMatchSuiv(1), 11);
    EXPECT_EQ(Ecrit(relu), texte);
}

TEST(ChampionnatXml, OlderCupRoundsAndShortOptions)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison);
    const std::string texte = Crlf(R"(<Championnat>
  <Type>
  </Type>
  <ToursCoupe>
    <TourCoupe>
      <nTour>1</nTour>
      <TypeMatch>66</TypeMatch>
      <NbMatch>4</NbMatch>
    </TourCoupe>
    <TourCoupe>
      <nTour>1</nTour>
      <TypeMatch>194</TypeMatch>
      <NbMatch>4</NbMatch>
    </TourCoupe>
    <TourCoupe>
      <nTour>0</nTour>
      <TypeMatch>1</TypeMatch>
    </TourCoupe>
  </ToursCoupe>
  <Options>
    <Option>1</Option>
    <Option>0</Option>
    <Option>5</Option>
    <Option>3</Option>
    <Option>3</Option>
    <Option>1</Option>
    <Option>0</Option>
    <Option>1</Option>
    <Option>107</Option>
    <Option>8</Option>
    <Option>2</Option>
    <Option>1</Option>
    <Option>3</Option>
    <Option>0</Option>
    <Option>0</Option>
    <Option>0</Option>
    <Option>9</Option>
  </Options>
  <OrdreClassement></OrdreClassement>
</Championnat>
)");
    c.SetOption(17, 77);
    ASSERT_TRUE(Lit(c, texte));
    EXPECT_EQ(c.Genre, 5); // neither attribute: a national league
    ASSERT_EQ(c.GetNbTourCoupe(), 2);
    EXPECT_EQ(c.GetTourCoupe(0)->TypeMatch, 0x42u);
    EXPECT_EQ(c.GetTourCoupe(1)->TypeMatch, 0x82u);
    EXPECT_EQ(c.GetOption(16), 9);
    EXPECT_EQ(c.GetOption(17), 2);
    EXPECT_EQ(c.GetOption(18), 2);
    EXPECT_EQ(c.OrdreClassement, "ac");
}

TEST(ChampionnatXml, RefereeSlotsKeepTheirPlaces)
{
    FakeSaison saison;
    saison.MaxIdArbitre = 50;
    TDonneesChampionnatFootball c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbJour(1);
    c.AjouteMatch(1, 1, 2, -1, 0, 0);
    c.SetArbitre(1, 1, 2, 40);
    c.SetNoteArbitre(1, 1, 2, 7);
    c.SetArbitre(1, 1, 3, 45);
    std::string texte = Ecrit(c);
    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, texte));
    EXPECT_EQ(relu.GetArbitre(1, 1, 1), -1);
    EXPECT_EQ(relu.GetArbitre(1, 1, 2), 40);
    EXPECT_EQ(relu.GetNoteArbitre(1, 1, 2), 7);
    EXPECT_EQ(relu.GetArbitre(1, 1, 3), 45);
    EXPECT_EQ(Ecrit(relu), texte);

    // A referee the registry does not hold is dropped; the next keeps its slot.
    saison.MaxIdArbitre = 42;
    TDonneesChampionnatFootball borne(&saison);
    ASSERT_TRUE(Lit(borne, texte));
    EXPECT_EQ(borne.GetArbitre(1, 1, 2), 40);
    EXPECT_EQ(borne.GetArbitre(1, 1, 3), -1);
}

TEST(ChampionnatXml, UnplayedMatchesWriteNoEventsAndEmptyDaysKeepTheirDate)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbJour(3);
    c.AjouteMatch(1, 1, 2, -1, 65535, 65535);
    c.GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(9, 1, 10));
    c.SetDateJournee(3, EncodeDateMatch(9, 12, 2026));
    const std::string texte = Ecrit(c);
    EXPECT_EQ(texte.find("Buteur"), std::string::npos);
    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, texte));
    EXPECT_EQ(relu.GetDateJournee(3), EncodeDateMatch(9, 12, 2026));
    EXPECT_EQ(relu.GetMatch(1, 1)->GetScore(0), 65535);
    EXPECT_EQ(relu.JourneeJouee, 0);
}

// What the reader cannot give back is not kept either: the blanks before a
// comment, a CR LF inside it, a dated day's match without the day's date.
// Written, read and written again, the document stays the same.
TEST(ChampionnatXml, CommentsAndMatchesAddedLaterReadBackAsTheyAreKept)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbJour(2);
    c.SetDateJournee(2, EncodeDateMatch(9, 12, 2026));
    c.AjouteMatch(1, 1, 2, -1, 3, 300);
    c.AjouteMatch(2, 2, 1, -1, 65535, 65535);
    EXPECT_EQ(c.GetMatch(2, 1)->GetDate(), EncodeDateMatch(9, 12, 2026));
    EXPECT_EQ(c.GetMatch(1, 1)->GetDate(), 0u) << "an undated day adds undated matches";
    c.SetCommentaireMatch(1, 1, 2, " \t\r\n  Match <tendu>\r\nà revoir\n  ");
    EXPECT_EQ(c.GetCommentaireMatch(1, 1, 2), "Match <tendu> à revoir\n  ");
    c.SetCommentaireMatch(2, 2, 1, "   ");
    EXPECT_EQ(c.GetCommentaireMatch(2, 2, 1), "");

    const std::string texte = Ecrit(c);
    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, texte));
    EXPECT_EQ(relu.GetCommentaireMatch(1, 1, 2), c.GetCommentaireMatch(1, 1, 2));
    EXPECT_EQ(relu.GetMatch(2, 1)->GetDate(), c.GetMatch(2, 1)->GetDate());
    EXPECT_EQ(relu.GetValeurMatch(1, 4), 300);
    EXPECT_EQ(Ecrit(relu), texte);
}

// A match date that cannot be read leaves the match on its day's date at the
// first reading already, where a save and the next reading would put it.
TEST(ChampionnatXml, AnUnreadableMatchDateGivesTheDaysDate)
{
    FakeSaison saison;
    TDonneesChampionnatFootball c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbJour(1);
    c.SetDateJournee(1, EncodeDateMatch(4, 8, 2007));
    c.AjouteMatch(1, 1, 2, -1, 65535, 65535);
    c.DeplaceMatchDate(1, 1, EncodeDateMatch(15, 8, 2007));
    const std::string texte = Ecrit(c);
    ASSERT_NE(texte.find("<DateMatch>15/8/2007</DateMatch>"), std::string::npos);

    for (const char* date : {"15 août", "abc/8/2007", "0/8/2007", "15/8", "15/8/20x7", ""}) {
        std::string abime = texte;
        abime.replace(abime.find("15/8/2007"), 9, date);
        TDonneesChampionnatFootball relu(&saison);
        ASSERT_TRUE(Lit(relu, abime)) << date;
        EXPECT_EQ(relu.GetMatch(1, 1)->GetDate(), EncodeDateMatch(4, 8, 2007)) << date;
        TDonneesChampionnatFootball encore(&saison);
        ASSERT_TRUE(Lit(encore, Ecrit(relu))) << date;
        EXPECT_EQ(Ecrit(encore), Ecrit(relu)) << date;
    }
    // Blanks around the figures are read as the writer's own dates are.
    std::string blancs = texte;
    blancs.replace(blancs.find("15/8/2007"), 9, "15 / 8 / 2007 ");
    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, blancs));
    EXPECT_EQ(relu.GetMatch(1, 1)->GetDate(), EncodeDateMatch(15, 8, 2007));
}

TEST(ChampionnatXml, ImpossibleCountsFailTheLoad)
{
    FakeSaison saison;
    for (const char* mauvais : {"<NbJour>2000000</NbJour>", "<NbJour>-1</NbJour>", "<NbEquipe>300</NbEquipe>",
                                "<Journee Numero=\"5000000\">\r\n</Journee>", "<NbMatch>999</NbMatch>"}) {
        TDonneesChampionnatFootball c(&saison);
        EXPECT_FALSE(Lit(c, std::string("<Championnat>\r\n") + mauvais + "\r\n</Championnat>\r\n")) << mauvais;
        EXPECT_LE(c.GetNbJour(), TDonneesChampionnat::MaxJours);
    }
    // Cut short: what was read stays, nothing crashes.
    TDonneesChampionnatFootball c(&saison);
    std::string texte = Crlf(LigueComplete);
    EXPECT_TRUE(Lit(c, texte.substr(0, texte.size() / 2)));
}

TEST(ChampionnatXml, RugbyDayCheckAndRoundTrip)
{
    FakeSaison saison;
    TDonneesChampionnatRugby c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbMatch(1);
    c.SetNbJour(1);
    c.AjouteMatch(1, 1, 2, -1, 13, 0);
    c.GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(4, 1, 10)); // try
    c.GetTransfosJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(5, 1, 11));
    c.GetPenalitesJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(5, 1, 30));
    c.GetPenalitesJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(5, 1, 70));
    int nombre = 0;
    std::vector<uint8_t> f = c.ControleJournee(1, nombre);
    EXPECT_EQ(nombre, 1);
    EXPECT_EQ(f[1], 1); // 5 + 2 + 3 + 3
    EXPECT_EQ(f[2], 1);
    c.GetDropsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(6, 1, 0));
    f = c.ControleJournee(1, nombre);
    EXPECT_EQ(f[1], 0);
    EXPECT_EQ(f[2], 0);

    const std::string texte = Ecrit(c);
    TDonneesChampionnatRugby relu(&saison);
    ASSERT_TRUE(Lit(relu, texte));
    EXPECT_EQ(relu.GetPenalitesJournee(1)->Nombre(), 2);
    EXPECT_EQ(relu.GetDropsJournee(1)->Nombre(), 1);
    EXPECT_EQ(relu.GetTransfosJournee(1)->Get(0)->GetMot(), 11);
    EXPECT_EQ(Ecrit(relu), texte);
    relu.ConvertitJoueurs({{5, 8}});
    EXPECT_EQ(relu.GetPenalitesJournee(1)->Get(1)->GetJoueur(), 8);
}

TEST(ChampionnatXml, BasketBoxScoresChecksAndRoundTrip)
{
    InstalleTraducteur(std::make_unique<TTraducteur>("texte/Textefr.txt"));
    FakeSaison saison;
    saison.Equipes = {{1, "Asvel"}, {2, "Pau"}};
    saison.AjouteJoueur(7, "Parker", "Tony", 1);
    TDonneesChampionnatBasket c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbMatch(1);
    c.SetNbJour(1);
    c.AjouteMatch(1, 1, 2, -1, 12, 0);
    c.SetAffluence(1, 1, 4000);
    c.SetScorePeriode(1, 1, 0, 1, 12);
    auto stat = [&](int k, uint16_t v) { c.GetStatJournee(1, k)->Ajoute(std::make_unique<TDonneesEvt>(7, 1, v)); };
    stat(1, 12);           // points
    stat(2, (5 << 8) | 9); // 2-point shots: 5 of 9
    stat(4, (2 << 8) | 2); // free throws: 2 of 2
    stat(5, (3 << 8) | 4); // rebounds
    stat(11, 1);           // fouls drawn
    c.SetOptionSaisie(3, 0);
    c.SetValeurEval(12, -2);
    int nombre = 0;
    EXPECT_TRUE(c.VerifieJournee(1, nombre).empty());
    EXPECT_EQ(nombre, 1);
    TListeStatTir tir(&saison);
    tir.Calcule(1, c, 1, 2);
    ASSERT_EQ(tir.Nombre(), 1);
    EXPECT_EQ(tir.Get(0)->Valeurs[2], 5);
    EXPECT_EQ(tir.Get(0)->Valeurs[3], 9);
    EXPECT_EQ(tir.Get(0)->Valeurs[15], 1);
    // 2*5 - 1*4 + 1*2 + 1*3 + 1*4
    EXPECT_EQ(c.Evaluation(*tir.Get(0)), 15);

    const std::string texte = Ecrit(c);
    EXPECT_NE(texte.find("<Tir2Pts>5/9</Tir2Pts>"), std::string::npos);
    EXPECT_EQ(texte.find("<Buteur"), std::string::npos);
    TDonneesChampionnatBasket relu(&saison);
    ASSERT_TRUE(Lit(relu, texte));
    EXPECT_EQ(relu.GetStatJournee(1, 2)->Get(0)->GetMot(), (5 << 8) | 9);
    EXPECT_EQ(relu.GetStatJournee(1, 0)->Nombre(), 0); // a value of 0 adds no event
    EXPECT_EQ(relu.GetScorePeriode(1, 1, 0, 1), 12);
    EXPECT_EQ(relu.GetScorePeriode(1, 2, 0, 1), -1);
    EXPECT_EQ(relu.GetOptionSaisie(3), 0);
    EXPECT_EQ(relu.GetOptionSaisie(4), 1);
    EXPECT_EQ(relu.GetOptionSaisie(0), 0);
    EXPECT_EQ(relu.GetOptionSaisie(12), 0);
    EXPECT_EQ(relu.GetValeurEval(12), -2);
    EXPECT_EQ(Ecrit(relu), texte);

    // Points that do not add up, more made than attempted, a wrong team total.
    c.GetStatJournee(1, 1)->Get(0)->SetMot(14);
    c.GetStatJournee(1, 4)->Get(0)->SetMot((3 << 8) | 2);
    c.SetAffluence(1, 1, 0);
    const auto problemes = c.VerifieJournee(1, nombre);
    ASSERT_EQ(problemes.size(), 4u);
    EXPECT_EQ(problemes[0], "Asvel - Pau : Affluence non renseignée");
    EXPECT_NE(problemes[1].find("Parker Tony"), std::string::npos);
    EXPECT_NE(problemes[3].find("Asvel"), std::string::npos);

    c.GetPenalites().AjouteMatch(1, 2, 20, 0, 1);
    EXPECT_TRUE(c.VerifieJournee(1, nombre).empty());
    EXPECT_EQ(nombre, 0);
    InstalleTraducteur(nullptr);
}

TEST(ChampionnatXml, ThirdSubstitutionMinuteSitsUnderTheEnteredFlag)
{
    FakeSaison saison;
    for (int id = 1; id <= 6; ++id)
        saison.AjouteJoueur(id, "J" + std::to_string(id), "", 1);
    TDonneesChampionnatFootball c(&saison);
    c.AjouteEquipe(1);
    c.AjouteEquipe(2);
    c.SetNbJour(1);
    c.AjouteMatch(1, 1, 2, -1, 0, 0);
    for (int k = 1; k <= 3; ++k) {
        c.SetCompoMatch(1, 0, 10 + 2 * k, static_cast<uint16_t>(k));
        c.SetCompoMatch(1, 0, 11 + 2 * k, static_cast<uint16_t>(3 + k));
        c.SetCompoMatch(1, 0, 17 + k, static_cast<uint16_t>(60 + k));
    }
    c.SetCompoMatch(1, 0, 20, 0xFF00 | 63);
    TDonneesChampionnatFootball relu(&saison);
    ASSERT_TRUE(Lit(relu, Ecrit(c)));
    EXPECT_EQ(relu.GetCompoMatch(1, 0, 20), 0xFF00 | 63);
    EXPECT_EQ(relu.GetCompoMatch(1, 0, 19), 62);
    EXPECT_EQ(relu.GetCompoMatch(1, 0, 17), 6);
    EXPECT_EQ(relu.GetCompoMatch(1, 0, 16), 3);
    EXPECT_TRUE(relu.CompoSaisie(1, 0));
    EXPECT_FALSE(relu.CompoSaisie(1, 1));
}

TEST(ChampionnatXml, DamagedDocumentsNeverCrash)
{
    FakeSaison saison;
    Peuple(saison);
    const std::string texte = Crlf(LigueComplete);
    for (std::size_t n = 0; n < texte.size(); n += 7) {
        TDonneesChampionnatBasket c(&saison); // reads the football children too, through its own hooks
        Lit(c, texte.substr(0, n));
        TDonneesChampionnatFootball f(&saison);
        std::string abime = texte;
        abime[n] = "<>/\"9-"[n % 6];
        Lit(f, abime);
        Ecrit(f);
    }
}
