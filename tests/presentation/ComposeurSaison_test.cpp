#include "presentation/ComposeurSaison.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/LectureParametre.h"
#include "model/Penalites.h"
#include "model/SaisonFoot.h"
#include "support/MessagesScriptes.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testsupport::TempDir;
using testsupport::TMessagesScriptes;

// Entry 5 comes before entry 1 in the file: positions and ids differ.
constexpr const char* Catalogue = R"(<?xml version="1.0" encoding="UTF-8"?>
<config>
  <championnat Id="0"><nom>Championnats personnels</nom></championnat>
  <championnat Id="5"><nom>Angleterre</nom>
    <divis Id="501"><nom>Premier League</nom></divis>
  </championnat>
  <championnat Id="1"><nom>France</nom>
    <divis Id="101"><nom>Ligue 1</nom></divis>
    <divis Id="102"><nom>Ligue 2</nom></divis>
    <divis Id="171"><nom>National 2 A</nom><nGroupe>170</nGroupe><NomGroupe>National 2</NomGroupe></divis>
    <divis Id="172"><nom>National 2 B</nom><nGroupe>170</nGroupe><NomGroupe>National 2</NomGroupe></divis>
  </championnat>
</config>
)";

class Composeur : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::WriteWholeFile(dir / "Championnat.fr", Catalogue);
        DefinitLectureParam(std::make_unique<TLectureParam>((dir / "Championnat.fr").string()));
        InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    }
    void TearDown() override
    {
        DefinitLectureParam(nullptr);
        InstalleTraducteur(nullptr);
    }

    // An offered entry (mode 4) of the season's championship `code`.
    static void Offre(TComposeurSaison& c, const std::string& texte, int code, int id)
    {
        c.AjouteFichier(texte, code, id);
    }

    // A one-championship data file of that division, its teams named after `prefixe`.
    std::string FichierDivision(const std::string& nom, int division, const std::string& prefixe)
    {
        auto s = testsupport::CreeLigueQuatreEquipes();
        for (int i = 0; i < 4; ++i)
            s->SetNomEquipe(i, prefixe + std::to_string(i));
        s->GetChampionnat(1)->SetCode(division);
        const std::string chemin = dir.str() + nom;
        EXPECT_TRUE(TTraiteurFichier::ExtraitChampionnat(chemin, *s, false, "", "", nullptr, {}));
        // The extraction says it saved.
        messages.Messages.clear();
        return chemin;
    }

    TempDir dir;
    TMessagesScriptes messages;
};

// A season of championships (code, division, teams) described by `desc`.
struct TChamp {
    int Code;
    int Division;
    std::vector<int> Equipes;
};
std::unique_ptr<TSaisonFootball> Saison(const std::vector<TChamp>& champs, const TLignesComposeur& desc)
{
    auto s = std::make_unique<TSaisonFootball>();
    for (int i = 0; i < 6; ++i)
        s->AjouteEquipe("E" + std::to_string(i));
    for (const TChamp& t : champs) {
        auto c = s->CreeChampionnat(TDonneesChampionnat::TypeChamp);
        c->SetCode(t.Division);
        c->CodeChamp = t.Code;
        c->SetNbEquipe(static_cast<int>(t.Equipes.size()));
        for (size_t p = 0; p < t.Equipes.size(); ++p)
            c->SetEquipe(static_cast<int>(p), static_cast<uint16_t>(t.Equipes[p]));
        s->AjouteChampionnat(std::move(c));
    }
    for (const TLigneComposeur& l : desc)
        s->AjouteDesc(l.Texte, l.Niveau, l.Niveau == 3 ? l.CodeChamp : 0);
    return s;
}

TNoeudComposeur& Noeud(TNoeudComposeur& parent, int niveau, int donnee, const std::string& texte,
                       std::unique_ptr<TEntreeComposeur> entree = nullptr)
{
    auto n = std::make_unique<TNoeudComposeur>();
    n->Niveau = niveau;
    n->Donnee = donnee;
    n->Texte = texte;
    n->Parent = &parent;
    n->Entree = std::move(entree);
    parent.Enfants.push_back(std::move(n));
    return *parent.Enfants.back();
}

std::unique_ptr<TEntreeComposeur> Entree(int id, int existant, int code, const std::string& fichier = "")
{
    auto e = std::make_unique<TEntreeComposeur>();
    e->IdCatalogue = id;
    e->IndexExistant = existant;
    e->CodeChamp = code;
    e->NomFichier = fichier;
    return e;
}

std::vector<std::string> Textes(const TLignesComposeur& lignes)
{
    std::vector<std::string> t;
    for (const auto& l : lignes)
        t.push_back(l.Texte + (l.Niveau < 3 ? " (" + std::to_string(l.Niveau) + ")" : ""));
    return t;
}

std::unique_ptr<TDonneesBarrage> Barrage(int code)
{
    auto b = std::make_unique<TDonneesBarrage>();
    b->Code = code;
    return b;
}

TEST_F(Composeur, LaDescriptionDonneLArbreEtSAplatitALIdentique)
{
    const TLignesComposeur desc{{"#1", 1},
                                {"#101", 2},
                                {"#101", 3, 0, 1},
                                {"#102", 2},
                                {"#102", 3, 0, 2},
                                {"Séparateur", 2},
                                {"#32769#Barrage (Coupe)", 2},
                                {"Amis", 1},
                                {"Poule", 2},
                                {"Tournoi", 3, 0, 3}};
    auto s = Saison({{1, 101, {0, 1}}, {2, 102, {2, 3}}, {3, 1001, {4, 5}}}, desc);
    TComposeurSaison c(s.get());
    c.Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
    c.Initialise();

    TNoeudComposeur& r = c.Racine();
    ASSERT_EQ(r.Enfants.size(), 2u);
    TNoeudComposeur& france = *r.Enfants[0];
    EXPECT_EQ(france.Niveau, 1);
    EXPECT_EQ(france.Donnee, 1);
    EXPECT_EQ(france.Texte, "France");
    ASSERT_EQ(france.Enfants.size(), 4u);
    EXPECT_EQ(france.Enfants[1]->Donnee, 102);
    EXPECT_EQ(france.Enfants[1]->Texte, "Ligue 2");
    const TNoeudComposeur& l2 = *france.Enfants[1]->Enfants[0];
    EXPECT_EQ(l2.Niveau, 3);
    EXPECT_EQ(l2.Texte, "Ligue 2");
    EXPECT_EQ(l2.Entree->IdCatalogue, 102);
    EXPECT_EQ(l2.Entree->IndexExistant, 1);
    EXPECT_EQ(l2.Entree->CodeChamp, 2);
    EXPECT_EQ(france.Enfants[3]->Donnee, 32769);
    EXPECT_EQ(france.Enfants[3]->Texte, "Barrage (Coupe)");
    EXPECT_TRUE(france.Enfants[3]->EstBarrage());
    const TNoeudComposeur& tournoi = *r.Enfants[1]->Enfants[0]->Enfants[0];
    EXPECT_EQ(r.Enfants[1]->Donnee, 0);
    EXPECT_EQ(tournoi.Texte, "Tournoi");
    EXPECT_EQ(tournoi.Entree->IdCatalogue, 0);
    EXPECT_EQ(tournoi.Entree->CodeChamp, 3);
    EXPECT_TRUE(c.Disponibles().empty());

    const TLignesComposeur lignes = c.Aplatit();
    ASSERT_EQ(lignes.size(), desc.size());
    for (size_t i = 0; i < desc.size(); ++i) {
        EXPECT_EQ(lignes[i].Texte.substr(lignes[i].Niveau < 3 ? 1 : 0), desc[i].Texte) << i;
        EXPECT_EQ(lignes[i].Niveau, desc[i].Niveau) << i;
    }
    // A separator made here is written with its text.
    TNoeudComposeur* sep = c.AjouteSeparateur(france);
    ASSERT_NE(sep, nullptr);
    EXPECT_EQ(sep->Donnee, -1);
    EXPECT_EQ(c.Aplatit()[7].Texte, "$Séparateur");
    EXPECT_EQ(c.AjouteSeparateur(*france.Enfants[0]), nullptr);
}

TEST_F(Composeur, PlacementSurLaRacineEtSurUneSection)
{
    TComposeurSaison c(nullptr);
    c.Mode = TComposeurSaison::ModeOffre;
    Offre(c, "PL", 10, 501);
    Offre(c, "L2", 11, 102);
    Offre(c, "L1", 12, 101);
    c.Initialise();
    ASSERT_EQ(c.Disponibles().size(), 3u);

    // Sections by ascending entry id (France 1 before Angleterre 5), whatever
    // their order in the catalogue.
    ASSERT_NE(c.Place(0, c.Racine()), nullptr);
    TNoeudComposeur* l2 = c.Place(0, c.Racine());
    ASSERT_NE(l2, nullptr);
    EXPECT_EQ(l2->Entree->CodeChamp, 11);
    ASSERT_EQ(c.Racine().Enfants.size(), 2u);
    TNoeudComposeur& france = *c.Racine().Enfants[0];
    EXPECT_EQ(france.Donnee, 1);
    EXPECT_EQ(france.Texte, "France");
    EXPECT_EQ(c.Racine().Enfants[1]->Donnee, 5);

    // On the section: a new division in ascending id.
    ASSERT_NE(c.Place(0, france), nullptr);
    ASSERT_EQ(france.Enfants.size(), 2u);
    EXPECT_EQ(france.Enfants[0]->Donnee, 101);
    EXPECT_EQ(france.Enfants[0]->Texte, "Ligue 1");
    EXPECT_EQ(france.Enfants[1]->Donnee, 102);
    EXPECT_TRUE(c.Disponibles().empty());

    // Nothing on a championship node.
    TComposeurSaison d(nullptr);
    d.Mode = TComposeurSaison::ModeOffre;
    Offre(d, "L1", 1, 101);
    Offre(d, "L1 bis", 2, 101);
    d.Initialise();
    TNoeudComposeur* premier = d.Place(0, d.Racine());
    ASSERT_NE(premier, nullptr);
    EXPECT_EQ(d.Place(0, *premier), nullptr);
    EXPECT_EQ(d.Disponibles().size(), 1u);
}

TEST_F(Composeur, UnSecondChampionnatDeLaMemeDivisionDemandeAvantDeRemplacer)
{
    TComposeurSaison c(nullptr);
    c.Mode = TComposeurSaison::ModeOffre;
    Offre(c, "L1", 1, 101);
    Offre(c, "L1 bis", 2, 101);
    Offre(c, "N2 A", 3, 171);
    Offre(c, "N2 B", 4, 172);
    Offre(c, "N2 A bis", 5, 171);
    c.Initialise();
    c.Place(0, c.Racine());
    TNoeudComposeur& france = *c.Racine().Enfants[0];
    const auto avant = Textes(c.Aplatit());

    messages.Repond(ReponseMessage::Non);
    EXPECT_EQ(c.Place(0, france), nullptr);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(256));
    EXPECT_EQ(Textes(c.Aplatit()), avant);
    EXPECT_EQ(c.Disponibles().size(), 4u);
    EXPECT_EQ(c.Disponibles()[0]->Texte, "L1 bis");

    // Yes: the new one takes the division's place; the old one goes back to the list.
    messages.Repond(ReponseMessage::Oui);
    TNoeudComposeur* bis = c.Place(0, france);
    ASSERT_NE(bis, nullptr);
    ASSERT_EQ(france.Enfants.size(), 1u);
    EXPECT_EQ(france.Enfants[0]->Enfants[0]->Texte, "L1 bis");
    EXPECT_EQ(c.Disponibles().back()->Texte, "L1");

    // Pools of one division share one division node of their grouping code.
    messages.Messages.clear();
    c.Place(0, france);
    c.Place(0, france);
    ASSERT_EQ(france.Enfants.size(), 2u);
    TNoeudComposeur& n2 = *france.Enfants[1];
    EXPECT_EQ(n2.Donnee, 170);
    EXPECT_EQ(n2.Texte, "National 2");
    ASSERT_EQ(n2.Enfants.size(), 2u);
    EXPECT_EQ(n2.Enfants[0]->Texte, "N2 A");
    EXPECT_TRUE(messages.Messages.empty());
    messages.Repond(ReponseMessage::Oui);
    c.Place(0, france);
    ASSERT_EQ(n2.Enfants.size(), 2u);
    EXPECT_EQ(n2.Enfants[0]->Texte, "N2 A bis");
    EXPECT_EQ(c.Disponibles().back()->Texte, "N2 A");
}

TEST_F(Composeur, UnChampionnatHorsCatalogueVaDansUneSectionLibre)
{
    TComposeurSaison c(nullptr);
    c.Mode = TComposeurSaison::ModeOffre;
    Offre(c, "L1", 1, 101);
    Offre(c, "Tournoi", 2, 0);
    Offre(c, "Inconnu", 3, 999);
    c.Initialise();
    c.Place(0, c.Racine());
    TNoeudComposeur* tournoi = c.Place(0, c.Racine());
    ASSERT_NE(tournoi, nullptr);
    c.Place(0, c.Racine());
    ASSERT_EQ(c.Racine().Enfants.size(), 2u);
    TNoeudComposeur& libre = *c.Racine().Enfants[0];
    EXPECT_EQ(libre.Donnee, 0);
    EXPECT_EQ(libre.Texte, "Championnats personnels");
    ASSERT_EQ(libre.Enfants.size(), 2u);
    EXPECT_EQ(libre.Enfants[0]->Donnee, 0);
    EXPECT_EQ(libre.Enfants[0]->Texte, "Tournoi");
    EXPECT_EQ(libre.Enfants[1]->Texte, "Inconnu");
    EXPECT_TRUE(c.EditionPermise(*tournoi));
    EXPECT_TRUE(c.Renomme(*tournoi, "Tournoi d'été"));
    EXPECT_EQ(tournoi->Entree->Texte, "Tournoi d'été");
    EXPECT_FALSE(c.Renomme(*c.Racine().Enfants[1]->Enfants[0], "Autre"));
    EXPECT_FALSE(c.Renomme(libre, " "));
}

TEST_F(Composeur, ReglesDuDeposer)
{
    TComposeurSaison c(nullptr);
    c.Mode = TComposeurSaison::ModeOffre;
    Offre(c, "L1", 1, 101);
    Offre(c, "L2", 2, 102);
    Offre(c, "PL", 3, 501);
    Offre(c, "Libre", 4, 0);
    c.Initialise();
    TNoeudComposeur* l1 = c.Place(0, c.Racine());
    TNoeudComposeur& france = *c.Racine().Enfants[0];
    TNoeudComposeur& libre = *c.AjouteSection(0);
    TNoeudComposeur& division = *l1->Parent;
    TNoeudComposeur& divisionLibre = Noeud(libre, 2, 0, "Poule");
    // Indexes now: 0 L2, 1 PL, 2 Libre.
    EXPECT_TRUE(c.AccepteDepot(0, c.Racine()));
    EXPECT_TRUE(c.AccepteDepot(0, france));
    EXPECT_FALSE(c.AccepteDepot(1, france));
    EXPECT_TRUE(c.AccepteDepot(2, france));
    EXPECT_FALSE(c.AccepteDepot(0, libre));
    EXPECT_TRUE(c.AccepteDepot(2, libre));
    EXPECT_FALSE(c.AccepteDepot(0, division));
    EXPECT_TRUE(c.AccepteDepot(0, divisionLibre));
    EXPECT_FALSE(c.AccepteDepot(0, *l1));
    EXPECT_FALSE(c.AccepteDepot(3, c.Racine()));
}

TEST_F(Composeur, ConversionAvecUnChampionnatHorsCatalogue)
{
    auto s = Saison({{1, 101, {0, 1}}, {2, 1001, {2, 3}}}, {});
    TComposeurSaison c(s.get());
    c.Mode = TComposeurSaison::ModeOffre | TComposeurSaison::ModePlace;
    Offre(c, "Ligue 1", 1, 101);
    Offre(c, "Coupe du club", 2, 0);
    c.Initialise();
    ASSERT_EQ(c.Disponibles().size(), 1u);
    EXPECT_EQ(c.Disponibles()[0]->IndexExistant, 1);

    EXPECT_EQ(c.Valide(), TComposeurSaison::TResultat::Reste);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(257));
    EXPECT_EQ(s->NbDesc(), 0);

    ASSERT_NE(c.Place(0, *c.AjouteSection(0)), nullptr);
    EXPECT_EQ(c.Valide(), TComposeurSaison::TResultat::Ok);
    ASSERT_EQ(s->NbChampionnat(), 2);
    EXPECT_EQ(s->GetChampionnat(1)->CodeChamp, 2);
    ASSERT_EQ(s->NbDesc(), 6);
    EXPECT_EQ(s->GetDesc(0).Texte, "Championnats personnels");
    EXPECT_EQ(s->GetDesc(2).Texte, "Coupe du club");
    EXPECT_EQ(s->GetDesc(2).Valeur, 2);
}

TEST_F(Composeur, UnArbreSansChampionnatNeChangeRien)
{
    auto s = Saison({{1, 101, {0, 1}}}, {{"#1", 1}, {"#101", 2}, {"#101", 3, 0, 1}});
    TComposeurSaison c(s.get());
    c.Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
    c.Initialise();
    c.Retire(*c.Racine().Enfants[0]);
    c.AjouteSection(1);
    EXPECT_EQ(c.Valide(), TComposeurSaison::TResultat::Reste);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, Traduit(128));
    EXPECT_EQ(s->NbChampionnat(), 1);
    EXPECT_EQ(s->NbDesc(), 3);
}

TEST_F(Composeur, AplatissementEtDefinitionsDeBarrage)
{
    auto s = Saison({{1, 101, {0, 1}}}, {{"#1", 1}, {"#101", 2}, {"#101", 3, 0, 1}});
    s->AjouteBarrage(Barrage(1));
    s->AjouteBarrage(Barrage(2));
    TComposeurSaison c(s.get());
    c.Mode = TComposeurSaison::ModeAjout;
    c.InitNomFichier("", dir.str());
    c.Initialise();
    TNoeudComposeur& groupe = Noeud(c.Racine(), 1, 1, "France");
    Noeud(Noeud(groupe, 2, 101, "Ligue 1"), 3, 0, "Ligue 1", Entree(101, 0, 1));
    Noeud(Noeud(groupe, 2, 102, "Ligue 2"), 3, 0, "Ligue 2", Entree(102, -1, 7, "/x/l2.xmd"));
    Noeud(groupe, 2, 32769, "Barrage (Coupe)");
    Noeud(Noeud(Noeud(c.Racine(), 1, 0, "Amis"), 2, 0, "Poule"), 3, 0, "Tournoi", Entree(0, 1, 3));

    const TLignesComposeur lignes = c.Aplatit();
    EXPECT_EQ(Textes(lignes),
              (std::vector<std::string>{"$#1 (1)", "$#101 (2)", "#101", "$#102 (2)", "/x/l2.xmd|#102",
                                        "$#32769#Barrage (Coupe) (2)", "$Amis (1)", "$Poule (2)", "Tournoi"}));
    EXPECT_EQ(lignes[4].IdSaison, -1);
    EXPECT_EQ(lignes[4].CodeChamp, 7);
    EXPECT_EQ(lignes[8].IdSaison, 1);
    EXPECT_EQ(lignes[8].CodeChamp, 3);
    {
        auto copie = Saison({{1, 101, {0, 1}}}, {});
        std::string barrages;
        TTraiteurFichier::ImporteListe(*copie, lignes, "", barrages);
        EXPECT_EQ(barrages, "1-");
    }

    // A play-off made here and then taken out of the tree is not kept.
    const int code = c.AjouteBarrage(Barrage(0));
    EXPECT_EQ(code, 3);
    TNoeudComposeur* nouveau = c.InsereDivisionBarrage(groupe, 0, code, "Barrage");
    ASSERT_NE(nouveau, nullptr);
    EXPECT_EQ(c.ChercheBarrage(3), c.NouveauxBarrages()[0].get());
    EXPECT_EQ(c.ChercheBarrage(2), s->GetBarrage(1));
    c.Retire(*nouveau);
    EXPECT_TRUE(c.NouveauxBarrages().empty());

    EXPECT_EQ(c.Valide(), TComposeurSaison::TResultat::Ok);
    ASSERT_EQ(s->NbBarrage(), 1);
    EXPECT_EQ(s->GetBarrage(0)->Code, 1);
    // The file that could not be read is named.
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2440, {"l2.xmd"}));
}

// Three divisions of one section, read from the season's description.
class ComposeurBarrage : public Composeur {
protected:
    void SetUp() override
    {
        Composeur::SetUp();
        s = Saison({{1, 101, {0, 1}}, {2, 102, {2, 3}}, {3, 171, {4, 5}}}, {{"#1", 1},
                                                                            {"#101", 2},
                                                                            {"#101", 3, 0, 1},
                                                                            {"#102", 2},
                                                                            {"#102", 3, 0, 2},
                                                                            {"#170", 2},
                                                                            {"#171", 3, 0, 3}});
        c = std::make_unique<TComposeurSaison>(s.get());
        c->Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
        c->InitNomFichier("", dir.str());
        c->Initialise();
    }
    TNoeudComposeur& Section() { return *c->Racine().Enfants[0]; }
    TNoeudComposeur& Division(int i) { return *Section().Enfants[i]; }
    static std::vector<std::pair<std::string, int>> Lignes(const std::vector<TCandidatBarrage>& v)
    {
        std::vector<std::pair<std::string, int>> r;
        for (const auto& x : v)
            r.emplace_back(x.Texte, x.Objet);
        return r;
    }
    static std::unique_ptr<TDonneesBarrage> Groupes(int n)
    {
        auto b = std::make_unique<TDonneesBarrage>();
        b->TypeGroupe = n;
        return b;
    }

    std::unique_ptr<TSaisonFootball> s;
    std::unique_ptr<TComposeurSaison> c;
};

TEST_F(ComposeurBarrage, CandidatsEtPlacementDesDivisionsDeBarrage)
{
    using V = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(Lignes(c->CandidatsBarrage(Division(1))),
              (V{{"Ligue 1", (1 << 4) + 1}, {"Ligue 2", (2 << 4) + 2}, {"National 2 A", (3 << 4) + 3}}));
    EXPECT_TRUE(TComposeurSaison::PeutCreerBarrage(Division(1)));
    EXPECT_FALSE(TComposeurSaison::PeutCreerBarrage(Section()));
    EXPECT_FALSE(TComposeurSaison::PeutCreerBarrage(*Division(1).Enfants[0]));

    // A promotion play-off sits directly before its division.
    TNoeudComposeur* montee = c->CreeBarrage(Division(1), Groupes(2), true);
    ASSERT_NE(montee, nullptr);
    EXPECT_EQ(montee->Index(), 1);
    EXPECT_EQ(montee->Donnee, 32768 + 1);
    EXPECT_EQ(montee->Texte, Traduit(263) + " (" + TraduitFmt(265, {2}) + ")");
    EXPECT_EQ(TComposeurSaison::NomDivisionBarrage(0), Traduit(263) + " (" + Traduit(266) + ")");
    EXPECT_EQ(TComposeurSaison::NomDivisionBarrage(1), Traduit(263) + " (" + Traduit(264) + ")");

    // The play-off in 2 groups is a source by group, with k shl 20.
    const int barrage = (32768 + 1) << 4;
    EXPECT_EQ(Lignes(c->CandidatsBarrage(Division(2))), (V{{montee->Texte + " - 1", barrage + 1 + (1 << 20)},
                                                           {montee->Texte + " - 2", barrage + 1 + (2 << 20)},
                                                           {"Ligue 1", (1 << 4) + 1},
                                                           {"Ligue 2", (2 << 4) + 2},
                                                           {"National 2 A", (3 << 4) + 3}}));
    EXPECT_EQ(Lignes(c->CandidatsBarrage(*montee)), (V{{"Ligue 1", (1 << 4) + 1},
                                                       {montee->Texte + " - 1", barrage + 2 + (1 << 20)},
                                                       {montee->Texte + " - 2", barrage + 2 + (2 << 20)},
                                                       {"Ligue 2", (2 << 4) + 3}}));

    // A relegation play-off goes before the next ordinary division, or ends the section.
    TNoeudComposeur* descente = c->CreeBarrage(Division(0), Groupes(0), false);
    ASSERT_NE(descente, nullptr);
    EXPECT_EQ(descente->Index(), 2);
    EXPECT_EQ(Division(3).Donnee, 102);
    TNoeudComposeur* fin = c->CreeBarrage(Division(4), Groupes(1), false);
    ASSERT_NE(fin, nullptr);
    EXPECT_EQ(fin->Index(), static_cast<int>(Section().Enfants.size()) - 1);
    EXPECT_EQ(fin->Donnee, 32768 + 3);
    EXPECT_EQ(c->NouveauxBarrages().size(), 3u);

    // Validated: the definitions join the season with their description lines.
    EXPECT_EQ(c->Valide(), TComposeurSaison::TResultat::Ok);
    ASSERT_EQ(s->NbBarrage(), 3);
    std::string nom;
    EXPECT_GE(s->GetTexteDescCode(3, nom), 0);
    EXPECT_EQ(nom, fin->Texte);
}

TEST_F(ComposeurBarrage, LEditionPorteSurUneCopieRemplaceeALaValidation)
{
    auto b = std::make_unique<TDonneesBarrage>();
    b->Code = 1;
    b->AjouteDivision({{16, 16}}, 1);
    b->AjouteDivision({{3, 3}}, 2);
    s->AjouteBarrage(std::move(b));
    s->InsereDesc("#32769#Barrage L1", 2, 0, 2);
    c = std::make_unique<TComposeurSaison>(s.get());
    c->Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
    c->InitNomFichier("", dir.str());
    c->Initialise();
    ASSERT_TRUE(Division(1).EstBarrage());

    // Sources named through the tree.
    EXPECT_EQ(c->NomSource(1), "Ligue 1");
    EXPECT_EQ(c->NomSource(32769), "Barrage L1");
    EXPECT_EQ(c->NomSource(32769 + (2 << 16)), "Barrage L1 - 2");

    auto copie = c->CopieBarrage(1);
    ASSERT_NE(copie, nullptr);
    copie->GetDivision(0)->Places = {{17, 18}};
    // Not applied yet: a cancelled composer leaves the season's as it was.
    c->RemplaceBarrage(std::move(copie));
    EXPECT_EQ(s->GetBarrage(0)->GetDivision(0)->Places[0].Min, 16);
    EXPECT_EQ(c->ChercheBarrage(1)->GetDivision(0)->Places[0].Min, 17);

    EXPECT_EQ(c->Valide(), TComposeurSaison::TResultat::Ok);
    ASSERT_EQ(s->NbBarrage(), 1);
    EXPECT_EQ(s->GetBarrage(0)->GetDivision(0)->Places[0].Min, 17);
    EXPECT_EQ(s->GetBarrage(0)->GetDivision(1)->Places[0].Min, 3);
}

TEST_F(Composeur, RetirerLaSeuleDivisionRetireLaSection)
{
    TComposeurSaison c(nullptr);
    c.Mode = TComposeurSaison::ModeOffre;
    Offre(c, "L1", 1, 101);
    Offre(c, "L1 bis", 2, 101);
    Offre(c, "PL", 3, 501);
    c.Initialise();
    TNoeudComposeur* l1 = c.Place(0, c.Racine());
    c.Place(1, c.Racine());
    // The second L1 goes into the same division by hand.
    c.Place(0, *l1->Parent);
    ASSERT_EQ(l1->Parent->Enfants.size(), 2u);
    EXPECT_TRUE(c.Disponibles().empty());

    // Same id: the newcomer goes first.
    EXPECT_EQ(l1->Index(), 1);
    EXPECT_FALSE(c.PeutMonter(*c.Racine().Enfants[1]));
    EXPECT_FALSE(c.PeutDescendre(*l1));
    EXPECT_TRUE(c.Monte(*l1));
    EXPECT_EQ(l1->Index(), 0);
    EXPECT_FALSE(c.Monte(*l1));
    EXPECT_TRUE(c.PeutDescendre(*l1));
    EXPECT_FALSE(c.Retire(c.Racine()));

    c.Retire(*l1->Parent);
    ASSERT_EQ(c.Racine().Enfants.size(), 1u);
    EXPECT_EQ(c.Racine().Enfants[0]->Donnee, 5);
    ASSERT_EQ(c.Disponibles().size(), 2u);
    EXPECT_EQ(c.Disponibles()[0]->Texte, "L1");
    EXPECT_EQ(c.Disponibles()[0]->CodeChamp, 1);
    EXPECT_EQ(c.Disponibles()[1]->Texte, "L1 bis");
}

class RetraitChampionnats : public Composeur {
protected:
    void SetUp() override
    {
        Composeur::SetUp();
        // Championship 1 of teams 0 and 1, championship 2 of teams 1 and 2;
        // team 3 plays nowhere: the club of a national-team player of team 0.
        s = Saison({{1, 101, {0, 1}}, {2, 102, {1, 2}}},
                   {{"#1", 1}, {"#101", 2}, {"#101", 3, 0, 1}, {"#102", 2}, {"#102", 3, 0, 2}});
        for (int e : {0, 1, 2})
            s->Joueurs().AjouteSimple(s->CreeJoueur("Joueur", std::to_string(e), 10 + e, static_cast<uint16_t>(e)));
        international = s->Joueurs().AjouteSimple(s->CreeJoueur("Inter", "Ivo", 20, 3));
        s->Joueurs().SetEquipeNationale(international, 0);
    }

    // The composer with championship 1 taken out of the tree.
    std::unique_ptr<TComposeurSaison> SansLePremier(bool accepte, std::vector<int>* proposes)
    {
        auto c = std::make_unique<TComposeurSaison>(s.get());
        c->Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
        c->Retrait = [=](const std::vector<int>& codes, std::vector<int>& coches) {
            *proposes = codes;
            coches = codes;
            return accepte;
        };
        c->Initialise();
        c->Retire(*c->Racine().Enfants[0]->Enfants[0]);
        return c;
    }

    std::unique_ptr<TSaisonFootball> s;
    TJoueur* international = nullptr;
};

TEST_F(RetraitChampionnats, LesChampionnatsCochesPartentAvecLeursEquipesEtJoueurs)
{
    std::vector<int> proposes;
    auto c = SansLePremier(true, &proposes);
    EXPECT_EQ(c->Valide(), TComposeurSaison::TResultat::Ok);
    EXPECT_EQ(proposes, std::vector<int>{1});
    ASSERT_EQ(s->NbChampionnat(), 1);
    EXPECT_EQ(s->GetChampionnat(1)->CodeChamp, 2);
    EXPECT_EQ(s->GetNomEquipe(0), "");
    EXPECT_EQ(s->GetNomEquipe(1), "E1");
    EXPECT_EQ(s->GetNomEquipe(3), "E3");
    EXPECT_EQ(s->Joueurs().ChercheNom("Joueur", "0"), nullptr);
    EXPECT_NE(s->Joueurs().ChercheNom("Joueur", "1"), nullptr);
    EXPECT_NE(s->Joueurs().ChercheNom("Inter", "Ivo"), nullptr);
    EXPECT_EQ(s->NbDesc(), 3);
}

TEST_F(RetraitChampionnats, AnnulerRevientAuComposeurSansRienChanger)
{
    std::vector<int> proposes;
    auto c = SansLePremier(false, &proposes);
    EXPECT_EQ(c->Valide(), TComposeurSaison::TResultat::Reste);
    EXPECT_EQ(proposes, std::vector<int>{1});
    EXPECT_EQ(s->NbChampionnat(), 2);
    EXPECT_EQ(s->NbEquipe(), 6);
    EXPECT_EQ(s->Joueurs().Nombre(), 4);
    EXPECT_EQ(s->NbDesc(), 5);
    EXPECT_EQ(c->Disponibles().size(), 1u);
}

TEST_F(Composeur, UnFichierEndommageEstNommeEtLesAutresSontImportes)
{
    const std::string bon = FichierDivision("l2.xmd", 102, "B");
    const std::string abime = dir.str() + "abime.xmd";
    testsupport::WriteWholeFile(abime, "PK\x03\x04 pas une archive");
    auto s = Saison({{1, 101, {0, 1}}}, {{"#1", 1}, {"#101", 2}, {"#101", 3, 0, 1}});
    TComposeurSaison c(s.get());
    c.Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
    c.InitNomFichier("", dir.str());
    c.Initialise();
    TNoeudComposeur& france = *c.Racine().Enfants[0];
    Noeud(Noeud(france, 2, 102, "Ligue 2"), 3, 0, "Ligue 2", Entree(102, -1, 7, bon));
    Noeud(Noeud(france, 2, 0, "Autre"), 3, 0, "Autre", Entree(0, -1, 8, abime));

    EXPECT_EQ(c.Valide(), TComposeurSaison::TResultat::Ok);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2440, {"abime.xmd"}));
    ASSERT_EQ(s->NbChampionnat(), 2);
    EXPECT_EQ(s->GetChampionnat(1)->CodeChamp, 1);
    EXPECT_EQ(s->GetChampionnat(2)->CodeChamp, 7);
    EXPECT_GE(s->ChercheEquipe("B0"), 0);
}

TEST_F(Composeur, AjoutDeFichiers)
{
    const std::string l1 = FichierDivision("l1.XMD", 101, "A");
    const std::string l2 = FichierDivision("l2.xmd", 102, "B");
    const std::string abime = dir.str() + "abime.xmd";
    testsupport::WriteWholeFile(abime, "rien");
    const std::string saison = dir.str() + "saison.xmc";
    ASSERT_TRUE(TTraiteurFichier::SauveAvecEtat(saison, *Saison({{1, 101, {0, 1}}, {2, 102, {2, 3}}}, {}), false, "",
                                                "", nullptr, {}, false));

    TComposeurSaison c(nullptr);
    c.Mode = TComposeurSaison::ModeConstruit | TComposeurSaison::ModeAjout;
    c.InitNomFichier("", dir.str());
    c.Initialise();
    EXPECT_EQ(c.AjouteFichiers({l1, abime, saison, l2}), 2);
    ASSERT_EQ(c.Disponibles().size(), 2u);
    EXPECT_EQ(c.Disponibles()[0]->Texte, "l1.XMD");
    EXPECT_EQ(c.Disponibles()[0]->IdCatalogue, 101);
    EXPECT_EQ(c.Disponibles()[0]->IndexExistant, -1);
    EXPECT_EQ(c.Disponibles()[1]->IdCatalogue, 102);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2442, {"abime.xmd, saison.xmc"}));
}

TEST_F(Composeur, LaNouvelleSaisonEstConstruiteEtEnregistree)
{
    const std::string l1 = FichierDivision("l1.xmd", 101, "A");
    const std::string l2 = FichierDivision("l2.xmd", 102, "B");
    auto compose = [&](const std::string& nom) {
        auto c = std::make_unique<TComposeurSaison>(nullptr);
        c->Mode = TComposeurSaison::ModeConstruit | TComposeurSaison::ModeAjout;
        c->InitNomFichier("", dir.str());
        c->Initialise();
        if (!nom.empty())
            c->NomFichierSauve = nom;
        c->AjouteFichiers({l2, l1});
        c->Place(0, c->Racine());
        c->Place(0, c->Racine());
        return c;
    };
    auto c = compose("");
    EXPECT_EQ(c->NomFichierSauve, dir.str() + "sauvegarde/personnel.xmc");
    ASSERT_EQ(c->Valide(), TComposeurSaison::TResultat::Ok);
    EXPECT_EQ(c->FichierCree(), dir.str() + "sauvegarde/personnel.xmc");
    TSaisonFootball relue;
    ASSERT_TRUE(TTraiteurFichier::ChargeXml(c->FichierCree(), relue, ""));
    ASSERT_EQ(relue.NbChampionnat(), 2);
    EXPECT_EQ(relue.GetChampionnat(1)->Division, 101);
    EXPECT_EQ(relue.GetChampionnat(2)->Division, 102);
    EXPECT_EQ(relue.NbEquipe(), 8);
    EXPECT_TRUE(messages.Messages.empty());

    // An existing file is replaced only after Yes.
    const auto date = std::filesystem::last_write_time(c->FichierCree());
    auto d = compose("");
    d->Retire(*d->Racine().Enfants[0]->Enfants[1]);
    messages.Repond(ReponseMessage::Non);
    EXPECT_EQ(d->Valide(), TComposeurSaison::TResultat::Reste);
    EXPECT_EQ(std::filesystem::last_write_time(c->FichierCree()), date);
    messages.Repond(ReponseMessage::Oui);
    EXPECT_EQ(d->Valide(), TComposeurSaison::TResultat::Ok);
    ASSERT_EQ(messages.Messages.size(), 2u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2441, {c->FichierCree()}));
    TSaisonFootball remplacee;
    ASSERT_TRUE(TTraiteurFichier::ChargeXml(c->FichierCree(), remplacee, ""));
    EXPECT_EQ(remplacee.NbChampionnat(), 1);

    // A name without extension gets ".xmc"; a file that cannot be imported
    // leaves nothing written.
    messages.Messages.clear();
    auto e = compose(dir.str() + "autre");
    std::filesystem::remove(l1);
    EXPECT_EQ(e->Valide(), TComposeurSaison::TResultat::Reste);
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(2440, {"l1.xmd"}));
    EXPECT_FALSE(std::filesystem::exists(dir.str() + "autre.xmc"));
    EXPECT_EQ(e->Racine().Enfants.size(), 1u);
    auto f = compose(dir.str() + "autre");
    EXPECT_EQ(f->Valide(), TComposeurSaison::TResultat::Ok);
    EXPECT_TRUE(std::filesystem::exists(dir.str() + "autre.xmc"));
}

TEST_F(Composeur, SeulLeNomProposeEstEnMinuscules)
{
    TComposeurSaison c(nullptr);
    c.InitNomFichier("x.ini", "/Programme/Brevalune/");
    EXPECT_EQ(c.NomFichierSauve, "/Programme/Brevalune/sauvegarde/personnel.xmc");
}

} // namespace
