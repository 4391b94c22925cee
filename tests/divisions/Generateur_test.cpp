// The generated data of the program folder, read back the way the program
// reads them: through the file dispatcher.

#include "Generateur.h"

#include "base/Horloge.h"
#include "base/Utilities.h"
#include "engine/CalculClassement.h"
#include "files/Blasons.h"
#include "files/TraiteurFichier.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "support/ClassementReel.h"
#include "support/SaisonExemple.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {

TResultatsReels Resultats(const std::string& fichier)
{
    TResultatsReels r;
    std::string erreur;
    EXPECT_TRUE(ChargeResultatsReels(testsupport::DossierResultats() + fichier, r, erreur)) << erreur;
    return r;
}

std::vector<std::string> NomsEquipes(const TSaison& saison, const TDonneesChampionnat& c)
{
    std::vector<std::string> noms;
    for (int p = 0; p < c.GetNbEquipe(); ++p)
        noms.push_back(saison.GetNomEquipe(static_cast<uint16_t>(c.GetEquipe(p))));
    return noms;
}

class DonneesGenerees : public ::testing::Test {
protected:
    const TLectureParam Catalogue{AppDir() + "config/Championnat.fr"};
    testsupport::CatalogueInstalle Installe;
};

} // namespace

TEST_F(DonneesGenerees, ChaqueFichierDeDivisionSeChargeAvecSaDivisionEtSesClubs)
{
    for (const TSourceDivision& s : SourcesDivisions()) {
        SCOPED_TRACE(s.Fichier);
        const std::string fichier = AppDir() + "Data/" + Catalogue.GetNomFichier(s.Code);
        EXPECT_EQ(TTraiteurFichier::ImporteDivision(fichier, ""), s.Code);
        const std::unique_ptr<TSaison> saison = testsupport::ChargeParDispatcheur(fichier);
        ASSERT_NE(saison, nullptr);
        ASSERT_EQ(saison->NbChampionnat(), 1);
        const TDonneesChampionnat& c = *saison->GetChampionnat(1);
        const int n = Catalogue.GetNbEquipe(s.Code);
        EXPECT_EQ(c.Division, s.Code);
        EXPECT_FALSE(c.EstCoupe());
        ASSERT_EQ(c.GetNbEquipe(), n);
        EXPECT_EQ(c.GetNbMatch(), n / 2);
        EXPECT_EQ(c.GetNbJour(), 2 * (n - 1));
        const TPointsCfg points = Catalogue.GetPoints(s.Code);
        EXPECT_EQ(c.GetOption(4), points.Victoire);
        EXPECT_EQ(c.GetOption(5), points.Nul);
        EXPECT_EQ(c.GetOption(6), points.Defaite);
        EXPECT_EQ(c.GetOption(3), Catalogue.GetNbRelegue(s.Code));
        EXPECT_EQ(c.GetOption(12), Catalogue.GetNbChampLigue(s.Code));
        EXPECT_EQ(c.GetOption(8), 124);
        EXPECT_EQ(c.GetOption(9), 25);
        for (int jour = 1; jour <= c.GetNbJour(); ++jour)
            EXPECT_EQ(c.GetJournee(jour) ? c.GetJournee(jour)->NbMatch() : 0, 0) << "day " << jour;

        // The clubs of that season, each once.
        std::vector<std::string> noms = NomsEquipes(*saison, c);
        EXPECT_EQ(std::set<std::string>(noms.begin(), noms.end()).size(), noms.size());
        EXPECT_EQ(noms, Resultats(s.Fichier).Equipes());
    }
}

TEST_F(DonneesGenerees, LesPlacesSuiventLaRegleDesFichiersDeDonnees)
{
    // Options 2, 3, 7, 12, 13 and 14 of the division file's league.
    auto places = [](const std::string& nom) {
        std::unique_ptr<TSaison> s = testsupport::ChargeParDispatcheur(AppDir() + "Data/" + nom);
        std::vector<int> options;
        for (int i : {2, 3, 7, 12, 13, 14})
            options.push_back(s ? s->GetChampionnat(1)->GetOption(i) : -1);
        return options;
    };
    // Ligue 1 has champions-league places: its European places and level 1.
    EXPECT_EQ(places("FranceL1.xmd"), (std::vector<int>{2, 2, 1, 4, 0, 1}));
    // Ligue 2 promotes: its promoted places and level 0.
    EXPECT_EQ(places("FranceL2.xmd"), (std::vector<int>{2, 2, 0, 0, 3, 1}));
}

TEST_F(DonneesGenerees, LExempleDonneLeVraiClassementDeLaLigue1)
{
    const std::unique_ptr<TSaison> saison = testsupport::ChargeParDispatcheur(AppDir() + NomExemple);
    ASSERT_NE(saison, nullptr);
    ASSERT_EQ(saison->NbChampionnat(), 2);
    // A France heading over its two divisions.
    ASSERT_EQ(saison->NbDesc(), 3);
    EXPECT_EQ(saison->GetDesc(0).Niveau, 1);
    EXPECT_EQ(saison->GetDesc(0).Texte, "France");
    EXPECT_EQ(saison->GetNomChampDesc(1), "Ligue 1");
    EXPECT_EQ(saison->GetNomChampDesc(2), "Ligue 2");

    const TDonneesChampionnat& l1 = *saison->GetChampionnat(1);
    EXPECT_EQ(l1.Division, 101);
    EXPECT_EQ(l1.CodeChamp, 1);
    EXPECT_EQ(l1.GetNbEquipe(), 18);
    EXPECT_EQ(l1.GetNbJour(), 34);
    EXPECT_EQ(l1.JourneeJouee, 34);
    EXPECT_EQ(l1.GetOption(8), 124);
    EXPECT_EQ(l1.GetOption(12), 4);
    for (int jour = 1; jour <= 34; ++jour)
        EXPECT_EQ(l1.GetNbMatchJournee(jour), 9) << "day " << jour;
    // The opening match, on its own date.
    const TInfoComp* ouverture = l1.GetMatch(1, 1);
    ASSERT_NE(ouverture, nullptr);
    EXPECT_EQ(ouverture->GetLibelle(*saison), "Le Havre AC - Paris Saint-Germain FC : 1 - 4");
    EXPECT_EQ(ouverture->GetDate(), EncodeDateMatch(16, 8, 2024));
    EXPECT_EQ(l1.GetMatch(1, 2)->GetDate(), EncodeDateMatch(17, 8, 2024));

    TCalculClassement calcul(&l1, saison.get());
    calcul.Calcule(TCalculClassement::General, 1, nullptr, 34);
    const std::vector<testsupport::TLigneReelle> reel = testsupport::ClassementReel("fr.1.json");
    ASSERT_EQ(reel.size(), 18u);
    EXPECT_EQ(calcul.GetNomEquipe(calcul.GetClassement(0, 1)), "Paris Saint-Germain FC");
    EXPECT_EQ(calcul.GetClassement(0, 2), 84);
    for (int place : {0, 1, 2, 15, 16, 17}) {
        EXPECT_EQ(calcul.GetNomEquipe(calcul.GetClassement(place, 1)), reel[place].Equipe) << "place " << place + 1;
        EXPECT_EQ(calcul.GetClassement(place, 2), reel[place].Points) << "place " << place + 1;
    }
}

TEST_F(DonneesGenerees, LExempleTientToutesLesRencontresDeLaLigue2)
{
    const std::unique_ptr<TSaison> saison = testsupport::ChargeParDispatcheur(AppDir() + NomExemple);
    ASSERT_NE(saison, nullptr);
    const TDonneesChampionnat& l2 = *saison->GetChampionnat(2);
    EXPECT_EQ(l2.Division, 102);
    EXPECT_EQ(l2.GetOption(13), 3);
    const TResultatsReels reels = Resultats("fr.2.json");
    EXPECT_EQ(NomsEquipes(*saison, l2), reels.Equipes());
    int joues = 0;
    for (int jour = 1; jour <= l2.GetNbJour(); ++jour)
        for (int m = 1; m <= l2.GetNbMatchJournee(jour); ++m)
            joues += l2.GetMatch(jour, m)->Joue();
    EXPECT_EQ(joues, static_cast<int>(reels.Matchs.size()));

    TCalculClassement calcul(&l2, saison.get());
    calcul.Calcule(TCalculClassement::General, 1, nullptr, l2.GetNbJour());
    const std::vector<testsupport::TLigneReelle> reel = testsupport::ClassementReel("fr.2.json");
    EXPECT_EQ(calcul.GetNomEquipe(calcul.GetClassement(0, 1)), reel[0].Equipe);
    EXPECT_EQ(calcul.GetClassement(0, 2), reel[0].Points);
}

TEST_F(DonneesGenerees, UnMatchSansScoreResteAJouer)
{
    // A division whose last match has no score: it stays on its day, unplayed.
    TResultatsReels r;
    for (const char* nom : {"Arles", "Brest"}) {
        TMatchReel m{1, 2024, 8, 10, "Caen", nom, true, 2, 1};
        r.Matchs.push_back(m);
    }
    r.Matchs[1].Journee = 2;
    r.Matchs[1].Joue = false;
    r.Matchs.push_back({3, 2024, 8, 24, "Arles", "Brest", true, 0, 0});
    testsupport::TempDir dossier;
    testsupport::WriteWholeFile(dossier / "cat.xml", R"(<config><championnat Id="7"><nom>Test</nom>
        <divis Id="701"><nom>Petite</nom><nEquipe>3</nEquipe><PtsVictoire>2</PtsVictoire></divis>
        </championnat></config>)");
    const TLectureParam catalogue((dossier / "cat.xml").string());
    std::string erreur;
    const std::unique_ptr<TSaison> saison = CreeSaisonExemple({{701, &r}}, catalogue, erreur);
    ASSERT_NE(saison, nullptr) << erreur;
    const TDonneesChampionnat& c = *saison->GetChampionnat(1);
    EXPECT_EQ(c.GetNbJour(), 4);
    ASSERT_NE(c.GetMatch(2, 1), nullptr);
    EXPECT_FALSE(c.GetMatch(2, 1)->Joue());
    EXPECT_EQ(c.GetValeurMatch(2, 2), TInfoComp::Aucun);
    EXPECT_EQ(c.GetOption(4), 2);
}

TEST_F(DonneesGenerees, DesResultatsQuiNeCorrespondentPasAuCatalogueSontRefuses)
{
    std::string erreur;
    // Ligue 1 expects 18 clubs, the Premier League holds 20.
    EXPECT_EQ(CreeSaisonDivision(101, Resultats("en.1.json"), Catalogue, erreur), nullptr);
    EXPECT_NE(erreur.find("101"), std::string::npos);

    // Two matches of one club on the same matchday.
    TResultatsReels r = Resultats("fr.1.json");
    r.Matchs[1].Equipe1 = r.Matchs[0].Equipe1;
    erreur.clear();
    EXPECT_EQ(CreeSaisonExemple({{101, &r}}, Catalogue, erreur), nullptr);
    EXPECT_FALSE(erreur.empty());

    // A matchday beyond the season's days.
    r = Resultats("fr.1.json");
    r.Matchs.back().Journee = 35;
    erreur.clear();
    EXPECT_EQ(CreeSaisonExemple({{101, &r}}, Catalogue, erreur), nullptr);
    EXPECT_FALSE(erreur.empty());

    testsupport::TempDir dossier;
    erreur.clear();
    EXPECT_FALSE(GenereDonnees(AppDir() + "config/Championnat.fr", dossier.str(), testsupport::DossierCoupe(),
                               dossier.str(), erreur));
    EXPECT_NE(erreur.find("fr.1.json"), std::string::npos);
    erreur.clear();
    EXPECT_FALSE(GenereDonnees(dossier.str() + "absent", testsupport::DossierResultats(), testsupport::DossierCoupe(),
                               dossier.str(), erreur));
    EXPECT_FALSE(erreur.empty());
}

TEST_F(DonneesGenerees, LaGenerationDonneToujoursLesMemesOctets)
{
    auto horloge = InstalleHorloge(std::make_shared<THorlogeFixe>(TDateHeure{2030, 3, 4, 5, 6, 7}));
    testsupport::TempDir a, b;
    std::string erreur;
    ASSERT_TRUE(GenereDonnees(AppDir() + "config/Championnat.fr", testsupport::DossierResultats(),
                              testsupport::DossierCoupe(), a.str(), erreur))
        << erreur;
    // The clock of the program is given back.
    EXPECT_EQ(Horloge().Maintenant().Annee, 2030);
    InstalleHorloge(horloge);
    ASSERT_TRUE(GenereDonnees(AppDir() + "config/Championnat.fr", testsupport::DossierResultats(),
                              testsupport::DossierCoupe(), b.str(), erreur))
        << erreur;

    int nombre = 0;
    for (const auto& f : fs::recursive_directory_iterator(a.path())) {
        if (!f.is_regular_file())
            continue;
        const fs::path relatif = fs::relative(f.path(), a.path());
        ++nombre;
        EXPECT_EQ(testsupport::ReadWholeFile(f.path()), testsupport::ReadWholeFile(b.path() / relatif)) << relatif;
        // The build made the same files from the same inputs.
        EXPECT_EQ(testsupport::ReadWholeFile(f.path()), testsupport::ReadWholeFile(AppDir() + relatif.string()))
            << relatif;
    }
    // Ten divisions, the two samples, the crest catalogue and five crests.
    EXPECT_EQ(nombre, 10 + 2 + 1 + 5);
}

TEST_F(DonneesGenerees, ChaquePaysDuCatalogueAUnBlason)
{
    testsupport::TempDir dossier;
    std::string erreur;
    // Twice: the second run starts the catalogue again rather than adding to it.
    ASSERT_TRUE(EcritBlasons(dossier.str(), Catalogue, erreur)) << erreur;
    ASSERT_TRUE(EcritBlasons(dossier.str(), Catalogue, erreur)) << erreur;
    const TBlasons blasons(dossier.str());
    std::vector<std::string> pays;
    for (int i = 0; i < blasons.Count(); ++i) {
        uint16_t id = 0, parent = 9;
        std::string nom;
        ASSERT_TRUE(blasons.GetElement(i, id, nom, parent));
        EXPECT_EQ(id, i + 1);
        EXPECT_EQ(parent, 0);
        pays.push_back(nom);
        const std::unique_ptr<TImage> image = blasons.GetImage(id);
        ASSERT_NE(image, nullptr) << nom;
        // A shield: see-through corners, an opaque middle.
        EXPECT_EQ(image->GetPixel(0, 0) >> 24, 0u) << nom;
        EXPECT_EQ(image->GetPixel(image->Largeur() / 2, image->Hauteur() - 1) >> 24, 0u) << nom;
        EXPECT_EQ(image->GetPixel(image->Largeur() / 2, image->Hauteur() / 2) >> 24, 255u) << nom;
    }
    EXPECT_EQ(pays, (std::vector<std::string>{"France", "Angleterre", "Espagne", "Italie", "Allemagne"}));
    // France in its colours, left to right.
    const std::unique_ptr<TImage> france = blasons.GetImage(1);
    EXPECT_EQ(france->GetPixel(12, 20), 0xFFA45500u);
    EXPECT_EQ(france->GetPixel(32, 20), 0xFFFFFFFFu);
    EXPECT_EQ(france->GetPixel(52, 20), 0xFF3541EFu);
}
