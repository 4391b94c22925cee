#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "controls/RemplitListeJoueurs.h"
#include "model/FauxContexte.h"
#include "model/Joueurs.h"

#include <gtest/gtest.h>

TEST(RemplitListeJoueurs, EntetesJoueursEtPlaces)
{
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    TFauxContexte saison;
    TJoueurs joueurs(&saison);
    joueurs.AjouteEquipe(1);
    TJoueur* martin = joueurs.AjouteSimple(saison.CreeJoueur("Martin", "Jean", 26, 1));
    TJoueur* abel = joueurs.AjouteSimple(saison.CreeJoueur("Abel", "Paul", 300, 1));
    TListeJoueur liste(1, &joueurs);
    liste.Ajoute(std::make_unique<TChoixJoueur>(martin, 0), false);
    liste.Ajoute(std::make_unique<TChoixJoueur>(abel, 1), false);

    TListe boite;
    boite.Ajoute("ancien");
    RemplitListeJoueurs(liste, boite, true, false);
    ASSERT_EQ(boite.Nb(), 5);
    EXPECT_EQ(boite.Texte(0), "\x01"
                              "FFFE\x04"
                              "Penalty");
    EXPECT_EQ(boite.Texte(1), "\x01"
                              "FFFD\x04"
                              "Coup franc");
    EXPECT_EQ(boite.Texte(2), "\x01"
                              "FFFF\x04-------------------");
    EXPECT_EQ(boite.Texte(3), "\x01"
                              "012C\x01"
                              "Abel");
    EXPECT_EQ(boite.Texte(4), "\x01"
                              "001A\x01Martin");

    // Dropped on a frame that reads hexadecimal numbers, an item gives back the player's id.
    boite.SetNomLong(true);
    boite.SetItemIndex(3);
    TCadreDrop cadre;
    cadre.SetNumeroHex(true);
    cadre.DragDrop(&boite);
    EXPECT_EQ(cadre.Numero(), 300);
    EXPECT_EQ(cadre.Text(), "Abel");

    RemplitListeJoueurs(liste, boite, false, true);
    ASSERT_EQ(boite.Nb(), 1) << "the placed player is left out";
    EXPECT_EQ(LitElementListe(boite.Texte(0)).Nom, "Martin");
    InstalleTraducteur(nullptr);
}
