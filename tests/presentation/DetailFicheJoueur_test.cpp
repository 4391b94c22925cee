#include "presentation/DetailFicheJoueur.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "presentation/ModeleGrille.h"

#include <gtest/gtest.h>

namespace {

TEST(DetailFicheJoueur, EnteteTitresEtZebrure)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    TModeleGrille G;
    PrepareGrilleDetail(G, true, StatFicheJoueur::ListeMatchs);
    EXPECT_EQ(G.GetColCount(), 5);
    EXPECT_EQ(G.GetLargeurColonne(0), 70) << "dates";
    EXPECT_EQ(G.GetLargeurColonne(1), 180);
    EXPECT_EQ(G.GetTexte(3, 0), Traduit(68));
    EXPECT_EQ(G.GetCouleurFond(0, 0), CouleurEnteteDetail);
    PrepareGrilleDetail(G, false, StatFicheJoueur::ListeButs);
    EXPECT_EQ(G.GetLargeurColonne(0), 40);
    EXPECT_EQ(G.GetTexte(3, 0), Traduit(92));

    std::vector<StatFicheJoueur::TLigneDetail> lignes(3);
    lignes[0].Titre = true;
    lignes[0].Cellules[1] = "Ligue";
    lignes[1].Zebre = 0;
    lignes[2].Zebre = 1;
    EXPECT_EQ(RemplitGrilleDetail(G, lignes), 21 * 4 + 1);
    EXPECT_EQ(G.GetRowCount(), 4);
    EXPECT_EQ(G.GetTexte(1, 1), "Ligue");
    EXPECT_EQ(G.GetCouleurFond(0, 1), 0xFFFFFF);
    EXPECT_EQ(G.GetCouleurTexte(4, 1), CouleurTitreDetail);
    TColor pair = 0, impair = 0;
    CouleurLigne(0, pair);
    CouleurLigne(1, impair);
    EXPECT_EQ(G.GetCouleurFond(2, 2), pair);
    EXPECT_EQ(G.GetCouleurFond(2, 3), impair);
    EXPECT_EQ(G.GetCouleurTexte(2, 3), 0);
    InstalleTraducteur(nullptr);
}

} // namespace
