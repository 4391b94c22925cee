#include <gtest/gtest.h>

#include "base/Horloge.h"
#include "base/ioXml.h"
#include "model/SaisonFoot.h"

namespace {

// Reads `xml` (one SaisonData or Championnats element) into the season.
bool Lit(TSaison& s, const std::string& xml, int* progression = nullptr)
{
    TXmlStreamReader lecteur(xml);
    const int genre = lecteur.LitNoeud();
    TProgression p({}, 10);
    bool ok = true;
    if (lecteur.GetNom() == "SaisonData")
        s.LitSaisonDataXml(lecteur, genre, p);
    else
        ok = s.LitChampionnatsXml(lecteur, genre, p);
    s.TermineLecture();
    if (progression)
        *progression = p.Valeur();
    return ok;
}

struct HorlogeInstallee {
    explicit HorlogeInstallee(TDateHeure d) { Ancienne = InstalleHorloge(std::make_shared<THorlogeFixe>(d)); }
    ~HorlogeInstallee() { InstalleHorloge(Ancienne); }
    std::shared_ptr<THorloge> Ancienne;
};

} // namespace

TEST(TSaisonXml, SaisonDataEdgeCases)
{
    HorlogeInstallee horloge({2026, 3, 4, 5, 6, 7});
    TSaisonFootball s;
    s.AjouteEquipe("Avant", 40);
    const std::string xml = "<SaisonData>\n"
                            "  <ListePays />\n"
                            "  <Equipes>\n"
                            "    <Equipe><ID>0</ID><Nom>Zéro</Nom></Equipe>\n"
                            "    <Equipe><ID>5</ID><Nom>Cinq</Nom><Logo>12</Logo><Autre>x</Autre></Equipe>\n"
                            "    <Equipe><Nom>Sans id</Nom></Equipe>\n"
                            "    <Equipe><ID>6</ID></Equipe>\n"
                            "  </Equipes>\n"
                            "  <ClubPrec>\n"
                            "    <Equipe><Nom>Sans id</Nom></Equipe>\n"
                            "    <Equipe><ID>4</ID></Equipe>\n"
                            "    <Equipe><ID>9</ID><Nom>Ajax</Nom></Equipe>\n"
                            "  </ClubPrec>\n"
                            "  <Joueurs />\n"
                            "  <StatChamps>\n"
                            "    <StatChampNom Id=\"65637\">  France : Ligue 1  </StatChampNom>\n"
                            "  </StatChamps>\n"
                            "  <OptionsSauvegarde><Option>15</Option><Option>1</Option><Option>0</Option>"
                            "</OptionsSauvegarde>\n"
                            "  <LastModif>31/12/2025 23:59:58</LastModif>\n"
                            "</SaisonData>\n";
    int progression = 0;
    Lit(s, xml, &progression);
    // The table read replaces the one held; id 0 is a team like any other.
    EXPECT_EQ(s.NbEquipe(), 2);
    EXPECT_EQ(s.GetNomEquipe(0), "Zéro");
    EXPECT_EQ(s.GetLogoEquipe(5), 12);
    EXPECT_EQ(s.NbClubPrec(), 2);
    EXPECT_EQ(s.GetClubPrec(0), "");
    EXPECT_EQ(s.GetClubPrec(1), "Ajax");
    ASSERT_EQ(s.NbStatChamp(), 1);
    EXPECT_EQ(s.GetStatChamp(0)->Objet, 65637);
    EXPECT_EQ(s.GetNomStatChamp(101), "France : Ligue 1");
    EXPECT_EQ(s.GetOptionSauvegarde(0), 15);
    EXPECT_EQ(s.GetOptionSauvegarde(1), 0) << "a third option overwrites the second";
    EXPECT_EQ(s.GetDerniereModif(), (TDateHeure{2025, 12, 31, 23, 59, 58}));
    // Self-closing lists count nothing; the others add their share.
    EXPECT_EQ(progression, 10 + 3 + 5 + 1 + 1);

    TSaisonFootball t;
    Lit(t, "<SaisonData><LastModif>hier soir</LastModif></SaisonData>");
    EXPECT_EQ(t.GetDerniereModif(), (TDateHeure{2026, 3, 4, 5, 6, 7}));
}

TEST(TSaisonXml, PlayOffsAndTreeInAnyOrder)
{
    const std::string xml = "<Championnats>\n"
                            "  <Barrage>\n"
                            "    <Code>32770</Code><TypeGroupe>2</TypeGroupe>\n"
                            "    <ListDiv><Division>101</Division>\n"
                            "      <ListPlace><Min>3</Min><Max>4</Max></ListPlace>\n"
                            "      <ListPlace><Max>9</Max></ListPlace>\n"
                            "    </ListDiv>\n"
                            "    <TourCoupe>\n"
                            "      <RencontreCoupe>1-2-3-4</RencontreCoupe>\n"
                            "      <nMatch>1</nMatch><nMatchTotal>3</nMatchTotal><nTypeTour>2</nTypeTour>\n"
                            "      <RencontreCoupe>3-7-2-1</RencontreCoupe>\n"
                            "      <RencontreCoupe>3-7-2</RencontreCoupe>\n"
                            "      <RencontreCoupe>1-1-1-1-8</RencontreCoupe>\n"
                            "    </TourCoupe>\n"
                            "    <Options><Option>1</Option></Options>\n"
                            "  </Barrage>\n"
                            "  <DescSaison>\n"
                            "    <Desc><Level>35</Level><Valeur>Ma ligue</Valeur></Desc>\n"
                            "    <Desc><Level>0</Level><Valeur>Ignorée</Valeur></Desc>\n"
                            "  </DescSaison>\n"
                            "</Championnats>\n";
    TSaisonFootball s;
    EXPECT_TRUE(Lit(s, xml));
    ASSERT_EQ(s.NbBarrage(), 1);
    const TDonneesBarrage* b = s.GetBarrageCode(2);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->TypeGroupe, 2);
    ASSERT_EQ(b->NbDivision(), 1);
    EXPECT_EQ(b->GetDivision(0)->Places.size(), 1u);
    ASSERT_EQ(b->NbTour(), 1);
    const TTourCoupe* t = b->GetTour(1);
    EXPECT_EQ(t->GetType(), 2);
    EXPECT_EQ(t->GetNbMatch(), 3);
    ASSERT_EQ(t->GetNbRemplis(), 2);
    EXPECT_EQ(t->GetMatchs()[0].Premier, 3);
    EXPECT_EQ(t->GetMatchs()[0].Second, 7);
    EXPECT_EQ(t->GetMatchs()[0].Valeur3, 2);
    EXPECT_EQ(t->GetMatchs()[0].Valeur4, 1);
    EXPECT_EQ(t->GetMatchs()[1].Valeur4, 8);
    EXPECT_EQ(b->GetOption(0), 1);
    ASSERT_EQ(s.NbDesc(), 1);
    EXPECT_EQ(s.GetDesc(0).Niveau, 3);
    EXPECT_EQ(s.GetDesc(0).Valeur, 2);
}

TEST(TSaisonXml, ChampionshipThatCannotBeReadFailsTheLoad)
{
    TSaisonFootball s;
    EXPECT_FALSE(Lit(s, "<Championnats><Championnat><NbEquipe>900</NbEquipe></Championnat></Championnats>"));
    EXPECT_EQ(s.NbChampionnat(), 0);
    TSaisonFootball t;
    EXPECT_TRUE(Lit(t, "<Championnats><Championnat><CodeChamp>7</CodeChamp></Championnat>"
                       "<Championnat><CodeChamp>9</CodeChamp></Championnat></Championnats>"));
    EXPECT_EQ(t.NbChampionnat(), 2);
    EXPECT_EQ(t.GetIdChampMax(), 9);
    EXPECT_TRUE(t.EstSaisonMulti());
}

TEST(TSaisonXml, MergedPlayersAreRenumberedInTheChampionships)
{
    // Two entries of one player: the second merges into the first, and the
    // championship read afterwards must refer to the one kept.
    const std::string data = "<SaisonData><Equipes><Equipe><ID>0</ID><Nom>A</Nom></Equipe>"
                             "<Equipe><ID>1</ID><Nom>B</Nom></Equipe></Equipes>"
                             "<Joueurs>"
                             "<Joueur ID=\"3\"><Nom>Martin</Nom><Numero>3</Numero><ClubActuel>0</ClubActuel></Joueur>"
                             "<Joueur ID=\"8\"><Nom>Martin</Nom><Numero>8</Numero><ClubActuel>0</ClubActuel></Joueur>"
                             "</Joueurs></SaisonData>";
    TSaisonFootball s;
    {
        TXmlStreamReader lecteur(data);
        TProgression p;
        s.LitSaisonDataXml(lecteur, lecteur.LitNoeud(), p);
    }
    auto c = s.CreeChampionnat(5);
    c->AjouteEquipe(0);
    c->AjouteEquipe(1);
    c->SetNbJour(1);
    c->SetNbMatch(1);
    c->AjouteMatch(1, 0, 1, -1, 1, 0);
    c->GetButeursJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(8, 0, 10));
    s.AjouteChampionnat(std::move(c));
    s.TermineLecture();
    EXPECT_EQ(s.Joueurs().Nombre(), 1);
    EXPECT_EQ(s.GetChampionnat(1)->GetButeursJournee(1)->Get(0)->GetJoueur(), 3);
}
