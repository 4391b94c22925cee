#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "platform/Couleurs.h"
#include "platform/Dialogues.h"
#include "platform/Imprimante.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"
#include "support_ui/RenduPng.h"
#include "support_ui/VerifieDessin.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTest>

#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {

TMarge Marge(uint16_t l, uint16_t t, uint16_t r, uint16_t b)
{
    TMarge marge;
    marge.Set(l, t, r, b);
    return marge;
}

// Which source column lands on each target column of row y, from the plan.
std::vector<int> ColonnesSource(const std::vector<TCopieMotif>& plan, int largeur, int y)
{
    std::vector<int> colonnes(static_cast<std::size_t>(largeur), -1);
    for (const auto& copie : plan)
        if (y >= copie.Destination.y() && y < copie.Destination.y() + copie.Source.height())
            for (int x = 0; x < copie.Source.width(); ++x)
                colonnes[static_cast<std::size_t>(copie.Destination.x() + x)] = copie.Source.x() + x;
    return colonnes;
}

} // namespace

TEST(PlanMotif, BandeHorizontaleEtirementDUnChamp)
{
    // 300 x 25 over the 129 x 25 field with margins 15,0,15,0.
    const auto plan = PlanMotif(QSize(129, 25), Marge(15, 0, 15, 0), QSize(300, 25), false);
    const auto colonnes = ColonnesSource(plan, 300, 10);
    for (int x = 0; x < 15; ++x)
        EXPECT_EQ(colonnes[static_cast<std::size_t>(x)], x);
    for (int x = 15; x < 213; ++x)
        EXPECT_EQ(colonnes[static_cast<std::size_t>(x)], 15 + (x - 15) % 99) << x;
    for (int x = 213; x < 300; ++x)
        EXPECT_EQ(colonnes[static_cast<std::size_t>(x)], 42 + (x - 213)) << x;
    EXPECT_EQ(colonnes.back(), 128) << "the right edge is the bitmap's right edge";
    for (const auto& copie : plan) {
        EXPECT_LE(copie.Destination.x() + copie.Source.width(), 300);
        EXPECT_LE(copie.Destination.y() + copie.Source.height(), 25);
    }
}

TEST(PlanMotif, QuatreMargesCoinsBordsEtCentre)
{
    // 73 x 65 with margins 10: a 200 x 150 panel.
    const auto plan = PlanMotif(QSize(73, 65), Marge(10, 10, 10, 10), QSize(200, 150), false);
    auto source = [&](int x, int y) {
        for (const auto& c : plan) {
            const QRect place(c.Destination, c.Source.size());
            if (place.contains(x, y))
                return c.Source.topLeft() + QPoint(x, y) - c.Destination;
        }
        return QPoint(-1, -1);
    };
    EXPECT_EQ(source(0, 0), QPoint(0, 0));
    EXPECT_EQ(source(199, 0), QPoint(72, 0));
    EXPECT_EQ(source(0, 149), QPoint(0, 64));
    EXPECT_EQ(source(199, 149), QPoint(72, 64));
    EXPECT_EQ(source(100, 75).x() >= 10 && source(100, 75).x() < 63, true);
    EXPECT_EQ(source(100, 0).y(), 0);
    EXPECT_EQ(source(100, 149).y(), 64);
    // Every target pixel is covered.
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 200; x += 3)
            EXPECT_NE(source(x, y), QPoint(-1, -1)) << x << "," << y;
}

TEST(PlanMotif, PetiteCibleEtCasDegeneres)
{
    // Smaller than the margins: the corners only, clipped, no middle copy.
    const auto plan = PlanMotif(QSize(73, 65), Marge(10, 10, 10, 10), QSize(12, 8), false);
    for (const auto& copie : plan) {
        EXPECT_LE(copie.Destination.x() + copie.Source.width(), 12);
        EXPECT_LE(copie.Destination.y() + copie.Source.height(), 8);
        const bool milieu = copie.Source.left() >= 10 && copie.Source.right() < 63 && copie.Source.top() >= 10 &&
                            copie.Source.bottom() < 55;
        EXPECT_FALSE(milieu);
    }
    EXPECT_FALSE(plan.empty());
    EXPECT_TRUE(PlanMotif(QSize(0, 25), Marge(1, 0, 1, 0), QSize(100, 25), false).empty());
    EXPECT_TRUE(PlanMotif(QSize(20, 20), Marge(0, 0, 0, 0), QSize(0, 25), false).empty());
    // No middle band: the bitmap is tiled whole.
    const auto tuiles = PlanMotif(QSize(20, 20), Marge(10, 0, 10, 0), QSize(45, 20), false);
    ASSERT_EQ(tuiles.size(), 3u);
    EXPECT_EQ(tuiles[2].Destination, QPoint(40, 0));
    EXPECT_EQ(tuiles[2].Source, QRect(0, 0, 5, 20));
    // Empty margins: plain tiling.
    const auto simple = PlanMotif(QSize(81, 61), Marge(0, 0, 0, 0), QSize(100, 70), false);
    EXPECT_EQ(simple.size(), 4u);
}

TEST(PlanMotif, UnBoutonGardeUnMilieuMemeTropEtroit)
{
    // 113 x 31 with margins 15,0,15,0 over a 40-pixel-wide button.
    const auto fond = PlanMotif(QSize(113, 31), Marge(15, 0, 15, 0), QSize(40, 31), false);
    const auto bouton = PlanMotif(QSize(113, 31), Marge(15, 0, 15, 0), QSize(40, 31), true);
    auto milieux = [](const std::vector<TCopieMotif>& plan) {
        int n = 0;
        for (const auto& c : plan)
            if (c.Source.left() == 15 && c.Destination.x() == 15)
                ++n;
        return n;
    };
    EXPECT_EQ(milieux(fond), 0);
    EXPECT_EQ(milieux(bouton), 1);
}

TEST(Dessin, ModelesDuTableau)
{
    TDessin* dessin = Dessin();
    ASSERT_NE(dessin, nullptr);
    struct TLigne {
        const char* Nom;
        int L, H, Ml, Mt, Mr, Mb;
        bool Selection;
    };
    const TLigne lignes[] = {
        {"RondCreuxBleu", 25, 25, 0, 0, 0, 0, true},
        {"RondCreuxRouge", 25, 25, 0, 0, 0, 0, true},
        {"RondCreuxJaune", 25, 25, 0, 0, 0, 0, true},
        {"RondCreuxOrange", 25, 25, 0, 0, 0, 0, true},
        {"PetitRondCreuxBleu", 22, 22, 0, 0, 0, 0, true},
        {"FondCarrebleu", 73, 65, 10, 10, 10, 10, false},
        {"FondCarrebleuSimple", 73, 65, 10, 10, 10, 10, false},
        {"FondMenuBleu", 81, 65, 20, 20, 20, 20, false},
        {"FondToutBleu", 81, 61, 0, 0, 0, 0, false},
        {"FondCreuxBleu", 89, 69, 8, 8, 8, 8, false},
        {"BoutonCreuxBleu", 129, 25, 15, 0, 15, 0, false},
        {"BoutonCreuxJaune", 129, 25, 10, 0, 10, 0, false},
        {"BoutonCreuxRouge", 129, 25, 10, 0, 10, 0, false},
        {"BoutonCreuxOrange", 129, 25, 10, 0, 10, 0, false},
        {"PetitBoutonCreuxBleu", 129, 20, 10, 0, 10, 0, false},
        {"BoutonCreuxSelFushia", 129, 25, 15, 0, 15, 0, true},
        {"BoutonCreuxSelCyan", 129, 25, 15, 0, 15, 0, true},
        {"BoutonCreuxSelJaune", 129, 25, 15, 0, 15, 0, true},
    };
    for (const auto& ligne : lignes) {
        SCOPED_TRACE(ligne.Nom);
        TFond* fond = dessin->Fond(ligne.Nom);
        ASSERT_NE(fond, nullptr);
        EXPECT_EQ(fond->Bitmap().size(), QSize(ligne.L, ligne.H));
        EXPECT_EQ(fond->BitmapSelection().isNull(), !ligne.Selection);
        EXPECT_EQ(fond->MargeMotif().Left(), ligne.Ml);
        EXPECT_EQ(fond->MargeMotif().Top(), ligne.Mt);
        EXPECT_EQ(fond->MargeMotif().Right(), ligne.Mr);
        EXPECT_EQ(fond->MargeMotif().Bottom(), ligne.Mb);
        EXPECT_LT(ligne.Ml + ligne.Mr, ligne.L);
        EXPECT_LT(ligne.Mt + ligne.Mb, ligne.H);
        testsupport::SauvePng(fond->Bitmap(), std::string("modele_") + ligne.Nom);
        if (ligne.Selection)
            testsupport::SauvePng(fond->BitmapSelection(), std::string("modele_") + ligne.Nom + "_selection");
    }
    for (const char* nom : {"BoutonOrange", "Boutonorange2", "Bouton1"}) {
        SCOPED_TRACE(nom);
        TBouton* bouton = dessin->Bouton(nom);
        ASSERT_NE(bouton, nullptr);
        EXPECT_FALSE(bouton->BitmapUp().isNull());
        EXPECT_FALSE(bouton->BitmapDown().isNull());
        testsupport::SauvePng(bouton->BitmapUp(), std::string("modele_") + nom + "_up");
        testsupport::SauvePng(bouton->BitmapDown(), std::string("modele_") + nom + "_down");
    }
    // One sheet of every picture, twice enlarged, on a neutral grey, to look at them together.
    QImage planche(2 * 300, 2 * 330, QImage::Format_ARGB32);
    planche.fill(QColor(0xC8, 0xC8, 0xC8));
    {
        QPainter p(&planche);
        p.scale(2, 2);
        int x = 4, y = 4, hauteurLigne = 0;
        auto place = [&](const QImage& image) {
            if (image.isNull())
                return;
            if (x + image.width() > 296) {
                x = 4;
                y += hauteurLigne + 4;
                hauteurLigne = 0;
            }
            p.drawImage(x, y, image);
            x += image.width() + 4;
            hauteurLigne = std::max(hauteurLigne, image.height());
        };
        for (const auto& ligne : lignes) {
            place(dessin->Fond(ligne.Nom)->Bitmap());
            place(dessin->Fond(ligne.Nom)->BitmapSelection());
        }
        for (const char* nom : {"BoutonOrange", "Boutonorange2", "Bouton1"}) {
            place(dessin->Bouton(nom)->BitmapUp());
            place(dessin->Bouton(nom)->BitmapDown());
        }
    }
    testsupport::SauvePng(planche, "planche_modeles");
    EXPECT_EQ(dessin->BoutonOrange->BitmapUp().size(), QSize(113, 31));
    EXPECT_EQ(dessin->BoutonOrange->DecalX(), -1);
    EXPECT_EQ(dessin->BoutonOrange->DecalY(), -3);
    EXPECT_EQ(dessin->BoutonOrange->MargeMotif().Left(), 15);
    EXPECT_EQ(dessin->Bouton1->BitmapUp().size(), QSize(30, 30));
    EXPECT_EQ(dessin->Fond("Inconnu"), nullptr);
}

TEST(Dessin, PanneauxEtBoutonsCopiesRendus)
{
    TDessin* dessin = Dessin();
    ASSERT_NE(dessin, nullptr);
    TFondCopie page;
    page.resize(420, 300);
    page.SetModele(dessin->FondToutBleu);
    auto* cadre = new TFondCopie(&page);
    cadre->SetModele(dessin->FondCarrebleu);
    cadre->setGeometry(10, 10, 190, 130);
    auto* menu = new TFondCopie(&page);
    menu->SetModele(dessin->FondMenuBleu);
    menu->setGeometry(215, 10, 195, 130);
    auto* creux = new TFondCopie(&page);
    creux->SetModele(dessin->FondCreuxBleu);
    creux->setGeometry(10, 150, 190, 90);
    auto* simple = new TFondCopie(&page);
    simple->SetModele(dessin->FondCarrebleuSimple);
    simple->setGeometry(215, 150, 195, 90);
    auto* ok = new TBoutonCopie(&page);
    ok->SetModele(dessin->BoutonOrange);
    ok->SetDecalX(dessin->BoutonOrange->DecalX());
    ok->SetDecalY(dessin->BoutonOrange->DecalY());
    ok->SetCaption("OK");
    ok->setGeometry(20, 255, 140, 31);
    auto* annule = new TBoutonCopie(&page);
    annule->SetModele(dessin->Boutonorange2);
    annule->SetDecalY(-3);
    annule->SetCaption("Annuler");
    annule->SetDown(true);
    annule->setGeometry(170, 255, 113, 31);
    auto* carre = new TBoutonCopie(&page);
    carre->SetModele(dessin->Bouton1);
    carre->SetCaption("?");
    carre->setGeometry(300, 255, 30, 30);
    const QImage image = testsupport::RendPng(page, "panneaux_et_boutons");
    // The page blue fills where no panel lies, and a panel's middle is its own colour.
    EXPECT_EQ(image.pixelColor(205, 145), VersQColor(CouleursTheme::Fond));
    EXPECT_EQ(image.pixelColor(100, 75), VersQColor(CouleursTheme::Fond));
}

// ---------------------------------------------------------------- frames

TEST(Cadres, SelectionExclusiveEntreFreresSeulement)
{
    QWidget fenetre;
    QWidget panneauA(&fenetre);
    QWidget panneauB(&fenetre);
    auto* a1 = new TCadre(&panneauA);
    auto* a2 = new TCadre(&panneauA);
    auto* b1 = new TCadre(&panneauB);
    for (TCadre* c : {a1, a2, b1})
        c->SetSelectionnable(true);
    b1->SetSelectionne(true);
    QTest::mouseClick(a1, Qt::LeftButton);
    EXPECT_TRUE(a1->Selectionne());
    QTest::mouseClick(a2, Qt::LeftButton);
    EXPECT_FALSE(a1->Selectionne());
    EXPECT_TRUE(a2->Selectionne());
    EXPECT_TRUE(b1->Selectionne()) << "a frame on another parent keeps its state";
    // Multi: a click toggles and leaves the others alone.
    a1->SetMulti(true);
    QTest::mouseClick(a1, Qt::LeftButton);
    EXPECT_TRUE(a1->Selectionne());
    EXPECT_TRUE(a2->Selectionne());
    QTest::mouseClick(a1, Qt::LeftButton);
    EXPECT_FALSE(a1->Selectionne());
}

namespace {

// Types text of any script, one character per key event, as a keyboard would send it.
void Tape(QWidget* cible, const QString& texte)
{
    for (const char32_t c : texte.toStdU32String()) {
        const QString un = QString::fromUcs4(&c, 1);
        QKeyEvent presse(QEvent::KeyPress, c < 128 ? QChar(c).toUpper().unicode() : 0, Qt::NoModifier, un);
        QCoreApplication::sendEvent(cible, &presse);
    }
}

} // namespace

TEST(Cadres, FrappeLettresUnicodeLongueurEtRemplacement)
{
    TCadre cadre;
    cadre.SetTabStop(true);
    int changements = 0;
    cadre.OnChange = [&] { ++changements; };
    Tape(&cadre, "Zoé");
    EXPECT_EQ(cadre.Text(), "Zoé");
    Tape(&cadre, "Ł東");
    EXPECT_EQ(cadre.Text(), "ZoéŁ東") << "any letter is taken, not only 8-bit codes";
    QTest::keyClick(&cadre, Qt::Key_Backspace);
    EXPECT_EQ(cadre.Text(), "ZoéŁ");
    QTest::keyClick(&cadre, Qt::Key_Tab);
    QTest::keyClick(&cadre, 'a', Qt::ControlModifier);
    EXPECT_EQ(cadre.Text(), "ZoéŁ") << "control keys type nothing";
    EXPECT_EQ(changements, 6);
    cadre.SetMaxlength(3);
    EXPECT_EQ(cadre.Text(), "Zoé") << "cut to the length in characters";
    EXPECT_LE(cadre.Caret(), 3);
    QTest::keyClicks(&cadre, "x");
    EXPECT_EQ(cadre.Text(), "Zoé");
    // AutoSelect: a text set while the frame has no focus is replaced by the next key.
    cadre.SetMaxlength(0);
    cadre.SetAutoSelect(true);
    cadre.SetText("12");
    QTest::keyClicks(&cadre, "7");
    EXPECT_EQ(cadre.Text(), "7");
    QTest::keyClicks(&cadre, "8");
    EXPECT_EQ(cadre.Text(), "78");
    // Without TabStop a frame takes no typing.
    TCadre affichage;
    affichage.SetText("fixe");
    QTest::keyClicks(&affichage, "x");
    EXPECT_EQ(affichage.Text(), "fixe");
}

TEST(Cadres, RondNumerique)
{
    TEditRond rond;
    EXPECT_EQ(rond.size(), QSize(25, 25));
    rond.SetText("0");
    QTest::keyClicks(&rond, "4a5");
    EXPECT_EQ(rond.Text(), "45") << "a lone 0 is cleared first; only digits pass";
    std::vector<int> touches;
    rond.OnKeyPress = [&](QString& t) { touches.push_back(t.isEmpty() ? 0 : t.at(0).unicode()); };
    QTest::keyClick(&rond, Qt::Key_Return);
    EXPECT_EQ(rond.Text(), "45");
    EXPECT_EQ(touches, (std::vector<int>{13})) << "Enter reaches the form's key handler";
}

// ---------------------------------------------------------------- list and drag and drop

TEST(Liste, ElementsLusConstruitsEtTries)
{
    const TElementListe lu = LitElementListe("\x01"
                                             "0012\x04"
                                             "Dupont");
    EXPECT_EQ(lu.Numero, "0012");
    EXPECT_EQ(lu.CodeCouleur, 4);
    EXPECT_EQ(lu.Nom, "Dupont");
    EXPECT_EQ(LitElementListe("x").CodeCouleur, -1);
    EXPECT_EQ(ConstruitElementListe(18, false, "Léo"), "\x01"
                                                       "0018\x01Léo");
    EXPECT_EQ(ConstruitElementListe(0x1A, true, "Léo"), "\x01"
                                                        "001A\x01Léo");
    EXPECT_EQ(CouleurCode(4), 0x0000FF);
    EXPECT_EQ(CouleurCode(16), 0);

    TListe liste;
    liste.SetNomLong(true);
    liste.Ajoute("\x01"
                 "0001\x02Martin",
                 101);
    liste.Ajoute("\x01"
                 "0002\x01Zidane",
                 102);
    liste.Ajoute("\x01"
                 "0003\x01"
                 "Abel",
                 103);
    liste.Ajoute("\x01"
                 "0004\x02Martin",
                 104);
    liste.TrieItems();
    ASSERT_EQ(liste.Nb(), 4);
    EXPECT_EQ(LitElementListe(liste.Texte(0)).Nom, "Abel");
    EXPECT_EQ(liste.Objet(0), 103) << "each item's object moves with its text";
    EXPECT_EQ(liste.Objet(1), 104) << "equal keys come out in reverse order of arrival";
    EXPECT_EQ(liste.Objet(2), 101);
    EXPECT_EQ(liste.Objet(3), 102);
    liste.SetTriComplet(true);
    liste.TrieItems();
    EXPECT_EQ(liste.Objet(0), 103);
    EXPECT_EQ(liste.Objet(1), 102) << "colour code 1 before colour code 2";
    EXPECT_EQ(liste.Texte(9), "");
    EXPECT_EQ(liste.Objet(-1), 0);
}

TEST(Liste, GlisserDeLaListeSurUnCadreEtRetour)
{
    QWidget fenetre;
    auto* liste = new TListe(&fenetre);
    liste->SetNomLong(true);
    liste->SetGagneElement(true);
    liste->Ajoute("\x01"
                  "0012\x01Martin");
    liste->Ajoute("\x01"
                  "0013\x01"
                  "Durand");
    auto* cadre = new TCadreDrop(&fenetre);
    int changes = 0;
    struct TCompte : TCadreDrop {
        using TCadreDrop::TCadreDrop;
        int* N = nullptr;
        void Change() override { ++*N; }
    };
    (void)cadre;
    auto* suivi = new TCompte(&fenetre);
    suivi->N = &changes;
    liste->SetItemIndex(0);
    suivi->DragDrop(liste);
    EXPECT_EQ(suivi->Text(), "Martin");
    EXPECT_EQ(suivi->Numero(), 12);
    EXPECT_EQ(liste->Nb(), 1) << "the list gives its item away";
    EXPECT_EQ(changes, 1);
    // A second item on the occupied frame: the former occupant goes back.
    liste->SetItemIndex(0);
    suivi->DragDrop(liste);
    EXPECT_EQ(suivi->Text(), "Durand");
    EXPECT_EQ(suivi->Numero(), 13);
    ASSERT_EQ(liste->Nb(), 1);
    EXPECT_EQ(liste->Texte(0), "\x01"
                               "0012\x01Martin");
    // Back onto the list: the frame is emptied and the list sorted.
    EXPECT_TRUE(liste->AccepteDepot(suivi));
    liste->DragDrop(suivi);
    EXPECT_EQ(suivi->Text(), "");
    EXPECT_EQ(suivi->Numero(), 0);
    ASSERT_EQ(liste->Nb(), 2);
    EXPECT_EQ(LitElementListe(liste->Texte(0)).Nom, "Durand");
    EXPECT_EQ(changes, 3);
    // A list that keeps its items takes nothing back.
    liste->SetGagneElement(false);
    EXPECT_FALSE(liste->AccepteDepot(suivi));
}

TEST(Liste, NumerosHexadecimauxRestentHexadecimaux)
{
    TListe liste;
    liste.SetNomLong(true);
    liste.SetGagneElement(true);
    liste.Ajoute("\x01"
                 "0012\x01Martin");
    liste.Ajoute("\x01"
                 "001A\x01"
                 "Durand");
    TCadreDrop cadre;
    cadre.SetNumeroHex(true);
    liste.SetItemIndex(0);
    cadre.DragDrop(&liste);
    EXPECT_EQ(cadre.Numero(), 0x12);
    liste.SetItemIndex(0);
    cadre.DragDrop(&liste);
    EXPECT_EQ(cadre.Numero(), 0x1A);
    // The number written back reads as the same number.
    ASSERT_EQ(liste.Nb(), 1);
    EXPECT_EQ(LitElementListe(liste.Texte(0)).Numero, "0012");
    liste.SetItemIndex(0);
    cadre.DragDrop(&liste);
    EXPECT_EQ(cadre.Numero(), 0x12);
    // Without NomLong the whole item is the text and the number 0.
    TListe simple;
    simple.Ajoute("Texte entier");
    simple.SetItemIndex(0);
    TCadreDrop autre;
    autre.SetNumero(7);
    autre.DragDrop(&simple);
    EXPECT_EQ(autre.Text(), "Texte entier");
    EXPECT_EQ(autre.Numero(), 0);
    EXPECT_EQ(simple.Nb(), 1);
}

TEST(Liste, EchangeEntreDeuxCadres)
{
    QWidget fenetre;
    auto* a = new TCadreDrop(&fenetre);
    auto* b = new TCadreDrop(&fenetre);
    a->SetText("Alpha");
    a->SetNumero(1);
    b->SetText("Beta");
    b->SetNumero(2);
    EXPECT_FALSE(a->AccepteDepot(a));
    b->DragDrop(a);
    EXPECT_EQ(b->Text(), "Alpha");
    EXPECT_EQ(a->Text(), "Beta");
    EXPECT_EQ(a->Numero(), 2);
    b->SetEchange(false);
    b->DragDrop(a);
    EXPECT_EQ(b->Text(), "Beta");
    EXPECT_EQ(a->Text(), "Beta") << "without exchange the source keeps its entry";
}

// ---------------------------------------------------------------- buttons

TEST(Boutons, ResultatModalEntreeEtEchap)
{
    TDialogue forme;
    forme.setModal(true);
    auto* ok = new TBoutonCopie(&forme);
    ok->SetModalResult(ResultatModal::Ok);
    ok->SetDefault(true);
    auto* annuler = new TBoutonCopie(&forme);
    annuler->SetModalResult(ResultatModal::Annuler);
    annuler->SetCancel(true);
    int clics = 0;
    annuler->OnClick = [&] { ++clics; };
    auto* cadre = new TCadre(&forme);
    cadre->SetTabStop(true);

    forme.show();
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(forme.result(), 1);
    EXPECT_FALSE(ok->Down());

    forme.show();
    QTest::keyClick(cadre, Qt::Key_Escape);
    EXPECT_EQ(forme.result(), 2);
    EXPECT_EQ(clics, 1);

    forme.show();
    QTest::keyClick(cadre, Qt::Key_Return);
    EXPECT_EQ(forme.result(), 1);

    forme.show();
    forme.setResult(0);
    QTest::keyClick(cadre, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(forme.result(), 0) << "a shift key held: no dialog key";
    ok->setEnabled(false);
    QTest::keyClick(cadre, Qt::Key_Return);
    EXPECT_EQ(forme.result(), 0) << "a button that cannot take the focus is not pressed";
    forme.hide();
}

TEST(Boutons, EnfonceEtSurvol)
{
    TBoutonCopie bouton;
    bouton.SetModele(Dessin()->BoutonOrange);
    int peintures = 0;
    bouton.OnPaint = [&](QPainter&) { ++peintures; };
    bouton.SetCouleur(0);
    bouton.SetCouleurOver(0);
    bouton.show();
    QCoreApplication::processEvents();
    QTest::mousePress(&bouton, Qt::LeftButton);
    EXPECT_TRUE(bouton.Down());
    QTest::mouseRelease(&bouton, Qt::LeftButton);
    EXPECT_FALSE(bouton.Down());
    QCoreApplication::processEvents();
    peintures = 0;
    QEnterEvent entre(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&bouton, &entre);
    QCoreApplication::processEvents();
    EXPECT_TRUE(bouton.Survole());
    EXPECT_EQ(peintures, 0) << "nothing changes on screen: no repaint";
    QEvent sort(QEvent::Leave);
    QCoreApplication::sendEvent(&bouton, &sort);
    bouton.SetCouleurOver(0xFFFFFF);
    QCoreApplication::processEvents();
    peintures = 0;
    QCoreApplication::sendEvent(&bouton, &entre);
    QCoreApplication::processEvents();
    EXPECT_GT(peintures, 0);
}

// ---------------------------------------------------------------- logo and scrolling panel

TEST(Logo, ChargeSelonExtensionEtNAgranditJamais)
{
    testsupport::TempDir dossier;
    QImage image(80, 40, QImage::Format_RGB32);
    image.fill(QColor(0x99, 0xFF, 0xFF));
    image.setPixelColor(0, 0, Qt::red);
    const std::string png = (dossier / "blason.png").string();
    const std::string jpg = (dossier / "photo.JPG").string();
    const std::string bmp = (dossier / "image.bmp").string();
    ASSERT_TRUE(image.save(QString::fromStdString(png), "PNG"));
    ASSERT_TRUE(image.save(QString::fromStdString(jpg), "JPEG"));
    ASSERT_TRUE(image.save(QString::fromStdString(bmp), "BMP"));
    TLogo logo;
    logo.resize(40, 40);
    logo.ChargeFichier(png);
    ASSERT_NE(logo.Image(), nullptr);
    EXPECT_EQ(logo.Image()->Genre, TGraphique::TGenre::Png);
    QImage rendu(40, 40, QImage::Format_RGB32);
    {
        QPainter p(&rendu);
        logo.Dessine(p);
    }
    // 80 x 40 fitted into 40 x 40: 40 x 20, top-left; the $FFFF99 colour shows the background.
    EXPECT_EQ(rendu.pixelColor(20, 10), VersQColor(0x6F3000));
    EXPECT_EQ(rendu.pixelColor(20, 30), VersQColor(0x6F3000));
    logo.ChargeFichier(jpg);
    ASSERT_NE(logo.Image(), nullptr);
    EXPECT_EQ(logo.Image()->Genre, TGraphique::TGenre::Jpeg);
    logo.ChargeFichier(bmp);
    EXPECT_EQ(logo.Image(), nullptr) << "a bitmap file leaves the logo empty";
    logo.ChargeFichier(jpg);
    logo.ChargeFichier((dossier / "absente.jpg").string());
    EXPECT_EQ(logo.Image(), nullptr) << "a missing photograph does not leave the former one";
    testsupport::WriteWholeFile(dossier / "faux.png", "pas une image");
    logo.ChargeFichier((dossier / "faux.png").string());
    EXPECT_EQ(logo.Image(), nullptr);
    auto petite = std::make_unique<TGraphique>();
    petite->Genre = TGraphique::TGenre::Jpeg;
    petite->Image = QImage(10, 10, QImage::Format_RGB32);
    petite->Image.fill(Qt::green);
    logo.SetImage(std::move(petite));
    {
        QPainter p(&rendu);
        logo.Dessine(p);
    }
    EXPECT_EQ(rendu.pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(rendu.pixelColor(15, 15), VersQColor(0x6F3000)) << "never enlarged";
    logo.SetImage(nullptr);
    EXPECT_EQ(logo.Image(), nullptr);
}

TEST(FondScroll, BarresSelonLeContenu)
{
    TFondScroll panneau;
    panneau.resize(200, 150);
    auto* petit = new QWidget;
    petit->setGeometry(0, 0, 100, 50);
    panneau.InsereControle(petit);
    EXPECT_EQ(panneau.NbControle(), 1);
    EXPECT_EQ(panneau.GetControle(0), petit);
    EXPECT_EQ(panneau.GetControle(1), nullptr);
    EXPECT_TRUE(panneau.MyScrollv()->isHidden());
    EXPECT_TRUE(panneau.MyScrollh()->parentWidget()->isHidden());
    // The view is 150 - 2 x 8 high: a child 50 pixels below it needs the bar, Max 50.
    auto* grand = new QWidget;
    grand->setGeometry(0, 0, 100, 134 + 50);
    panneau.InsereControle(grand);
    EXPECT_FALSE(panneau.MyScrollv()->isHidden());
    EXPECT_EQ(panneau.MyScrollv()->maximum(), 50);
    EXPECT_EQ(panneau.HauteurContenu(), 184);
    panneau.MyScrollv()->setValue(20);
    EXPECT_EQ(panneau.Contenu()->y(), -20);
    panneau.SetScrollVertical(false);
    EXPECT_TRUE(panneau.MyScrollv()->isHidden());
    // Too wide: the horizontal strip shows.
    auto* large = new QWidget;
    large->setGeometry(0, 0, 400, 20);
    panneau.InsereControle(large);
    EXPECT_FALSE(panneau.MyScrollh()->parentWidget()->isHidden());
    EXPECT_GT(panneau.MyScrollh()->maximum(), 0);

    // A row that fits the whole view, after one that brought both bars:
    // neither bar stays to keep the other one shown.
    TFondScroll rangees;
    rangees.resize(125, 53);
    auto* rangee = new QWidget;
    rangee->setGeometry(0, 0, 109, 60);
    rangees.InsereControle(rangee);
    ASSERT_FALSE(rangees.MyScrollv()->isHidden());
    ASSERT_FALSE(rangees.MyScrollh()->parentWidget()->isHidden());
    rangee->resize(109, 30);
    rangees.MiseAJourScroll();
    EXPECT_TRUE(rangees.MyScrollv()->isHidden());
    EXPECT_TRUE(rangees.MyScrollh()->parentWidget()->isHidden());
}

// A name wider than the list keeps its start, cut with an ellipsis, and
// shows whole in its tip; a short one stays centred.
TEST(Liste, UnNomTropLongGardeSonDebut)
{
    TListe liste;
    liste.SetNomLong(true);
    liste.resize(170, 120);
    const std::string nom = "Association Sportive Olympique de la Ville de Saint-Quentin-en-Yvelines";
    liste.Ajoute(ConstruitElementListe(1, false, nom));
    liste.Ajoute(ConstruitElementListe(2, false, "Lens"));
    liste.show();
    QCoreApplication::processEvents();
    const int largeur = liste.viewport()->width();
    int vus = 0;
    for (const testsupport::TTracePeint& t : testsupport::ReleveDessin(liste)) {
        if (!t.Texte || t.Controle != liste.viewport())
            continue;
        ++vus;
        EXPECT_GE(t.Boite.left(), 0) << t.Libelle.toStdString();
        EXPECT_LE(t.Boite.right(), largeur) << t.Libelle.toStdString();
        if (t.Libelle == "Lens")
            EXPECT_NEAR(t.Boite.center().x(), largeur / 2, 2);
        else
            EXPECT_TRUE(t.Libelle.startsWith("Association") && t.Libelle.endsWith(QChar(0x2026)))
                << t.Libelle.toStdString();
    }
    EXPECT_EQ(vus, 2);
}

TEST(Cadres, RendusDesCadresEtDeLaListe)
{
    TDessin* dessin = Dessin();
    TFondCopie page;
    page.resize(420, 230);
    page.SetModele(dessin->FondCarrebleu);
    int y = 14;
    auto cadre = [&](TFond* modele, const char* texte, bool selection, int largeur = 150) {
        auto* c = new TCadre(&page);
        c->SetModele(modele);
        c->setGeometry(14, y, largeur, modele->height());
        c->SetText(texte);
        c->SetSelectionne(selection);
        y += modele->height() + 6;
        return c;
    };
    cadre(dessin->BoutonCreuxBleu, "Martin", false);
    cadre(dessin->BoutonCreuxJaune, "Jaune", false);
    cadre(dessin->BoutonCreuxRouge, "Rouge", false);
    cadre(dessin->BoutonCreuxOrange, "Orange", false);
    cadre(dessin->PetitBoutonCreuxBleu, "Petit", false);
    cadre(dessin->BoutonCreuxSelCyan, "Sélectionné", true, 200);
    cadre(dessin->BoutonCreuxSelFushia, "Non sélectionné", false, 200);
    // The round boxes on a panel of their own, so their selection leaves the frames' alone.
    auto* ronds = new QWidget(&page);
    ronds->setGeometry(0, 0, 420, 45);
    int x = 240;
    for (TFond* modele :
         {dessin->RondCreuxBleu, dessin->RondCreuxRouge, dessin->RondCreuxJaune, dessin->RondCreuxOrange}) {
        auto* rond = new TEditRond(ronds);
        rond->SetModele(modele);
        rond->move(x, 14);
        rond->SetText(x == 240 ? "45" : "9");
        rond->SetSelectionne(x == 270);
        x += 30;
    }
    auto* liste = new TListe(&page);
    liste->setGeometry(240, 50, 160, 120);
    liste->SetNomLong(true);
    liste->Ajoute("\x01"
                  "0001\x01Martin");
    liste->Ajoute("\x01"
                  "0002\x04"
                  "Dupont (blessé)");
    liste->Ajoute("\x01"
                  "0003\x02Zidane");
    liste->SetItemIndex(2);
    page.show();
    testsupport::RendPng(page, "cadres_et_liste");
}

TEST(Boutons, UnBoutonDeFormeRepondAuServiceScripte)
{
    testsupport::TDialoguesScriptes dialogues;
    TDialogue forme;
    auto* oui = new TBoutonCopie(&forme);
    oui->SetCaption("Oui");
    oui->SetModalResult(ResultatModal::Oui);
    dialogues.Repond([oui](QDialog&) { QTest::mouseClick(oui, Qt::LeftButton); });
    EXPECT_EQ(Dialogues().ExecuteModal(forme), ResultatModal::Oui);
}

TEST(FondCopie, ImprimeLesLabelsALEchelle)
{
    TFondCopie panneau;
    panneau.resize(200, 100);
    auto* label = new QLabel("Buts", &panneau);
    label->move(100, 50);
    QImage page(400, 200, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter p(&page);
        panneau.ImprimeLabels(p, QRect(0, 0, 400, 200));
    }
    testsupport::SauvePng(page, "etiquettes_imprimees");
    EXPECT_EQ(page.pixelColor(0, 100), QColor(Qt::black)) << "the frame round the rectangle";
    // The label lands at twice its place, at 14 points.
    bool encre = false;
    for (int y = 100; y < 100 + 30 && !encre; ++y)
        for (int x = 200; x < 260 && !encre; ++x)
            encre = page.pixelColor(x, y).lightness() < 128;
    EXPECT_TRUE(encre);
    for (int y = 20; y < 90; ++y)
        for (int x = 20; x < 190; ++x)
            ASSERT_EQ(page.pixelColor(x, y), QColor(Qt::white));

    testsupport::TempDir dossier;
    TImprimantePdf pdf((dossier / "etiquettes.pdf").string());
    panneau.ImprimeLabels(QRect(0, 0, 100, 100)); // no document begun: nothing happens
    ASSERT_TRUE(Imprimante().BeginDoc());
    panneau.ImprimeLabels(QRect(0, 0, Imprimante().PageWidth() / 2, Imprimante().PageHeight() / 4));
    Imprimante().EndDoc();
    EXPECT_EQ(testsupport::ReadWholeFile(dossier / "etiquettes.pdf").rfind("%PDF", 0), 0u);
}

// A box of captions and right-aligned values, as the information pages lay
// them out, printed at 1200 dots an inch: a value stays off its caption, a
// line off the next, a hidden label is not printed; a long caption gets
// smaller on its own, and cut rather than made unreadable.
TEST(FondCopie, ImprimeChaqueLabelDansSaPlace)
{
    TFondCopie panneau;
    auto* grille = new QGridLayout(&panneau);
    grille->setContentsMargins(8, 4, 8, 4);
    grille->setVerticalSpacing(0);
    const QString longue("Nombre de matchs joués à domicile comme à l'extérieur 2");
    for (int i = 0; i < 6; ++i) {
        grille->addWidget(new QLabel(i == 2 ? longue : QString("Nombre de matchs total %1").arg(i), &panneau), i, 0);
        auto* valeur = new QLabel(QString::number(306 + i), &panneau);
        valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grille->addWidget(valeur, i, 1);
    }
    auto* cache = new QLabel("Caché", &panneau);
    cache->hide();
    panneau.resize(320, 120);
    panneau.show();
    QCoreApplication::processEvents();
    for (QSize feuille : {QSize(4800, 6000), QSize(2400, 1200), QSize(1000, 900)}) {
        SCOPED_TRACE(std::to_string(feuille.width()) + "x" + std::to_string(feuille.height()));
        // At a printer's resolution, where 14 points are far more than a
        // screen label scaled up.
        QImage page(feuille, QImage::Format_RGB32);
        page.setDotsPerMeterX(47244);
        page.setDotsPerMeterY(47244);
        page.fill(Qt::white);
        testsupport::TReleveDessin releve;
        releve.Feuille(page);
        {
            QPainter p(&page);
            panneau.ImprimeLabels(p, page.rect());
        }
        EXPECT_EQ(std::count_if(releve.Papier.begin(), releve.Papier.end(),
                                [](const testsupport::TTracePeint& t) { return t.Texte; }),
                  12);
        std::map<QString, double> points;
        for (const testsupport::TTracePeint& t : releve.Papier)
            points[t.Libelle] = t.Points;
        if (feuille.width() == 4800) {
            EXPECT_LT(points[longue], 14.0);
            EXPECT_NEAR(points["Nombre de matchs total 1"], 14.0, 0.1) << "the neighbours keep their size";
        }
        if (feuille.width() == 1000) {
            EXPECT_EQ(points.count(longue), 0u) << "too long even at the floor";
            EXPECT_TRUE(std::any_of(points.begin(), points.end(),
                                    [](const auto& p) { return p.first.endsWith(QString::fromUtf8("\u2026")); }));
        }
        std::string defauts;
        for (const std::string& d : testsupport::VerifiePapier(releve, ""))
            defauts += d + "\n";
        EXPECT_TRUE(defauts.empty()) << defauts;
    }
}

TEST(FondScroll, RenduAvecBarresEtLogo)
{
    TDessin* dessin = Dessin();
    TFondScroll panneau;
    panneau.SetModele(dessin->FondCreuxBleu);
    panneau.resize(260, 160);
    for (int i = 0; i < 6; ++i) {
        auto* cadre = new TCadre;
        cadre->SetModele(dessin->BoutonCreuxBleu);
        cadre->setGeometry(6, 6 + i * 30, 300, 25);
        cadre->SetText("Joueur " + std::to_string(i + 1));
        panneau.InsereControle(cadre);
    }
    auto* logo = new TLogo;
    auto image = std::make_unique<TGraphique>();
    image->Image = QImage(64, 80, QImage::Format_ARGB32);
    image->Image.fill(VersQColor(TLogo::CouleurTransparente));
    {
        QPainter p(&image->Image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0xC0, 0x20, 0x20));
        p.setPen(QPen(Qt::white, 3));
        QPolygonF ecu;
        ecu << QPointF(4, 4) << QPointF(60, 4) << QPointF(60, 40) << QPointF(32, 76) << QPointF(4, 40);
        p.drawPolygon(ecu);
    }
    logo->SetImage(std::move(image));
    logo->setGeometry(200, 10, 40, 40);
    panneau.InsereControle(logo);
    panneau.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(panneau.MyScrollv()->isHidden());
    EXPECT_FALSE(panneau.MyScrollh()->parentWidget()->isHidden());
    testsupport::RendPng(panneau, "panneau_defilant_et_logo");
}

namespace {

// A frame too narrow for its text ends it with an ellipsis and carries the
// whole of it in its tooltip; a page's own tooltip is left alone.
TEST(Edition2, UnTexteTropLongEstAbregeAvecSaBulle)
{
    TCadre cadre;
    cadre.resize(60, 25);
    cadre.show();
    cadre.SetText("Paris Saint-Germain FC");
    EXPECT_TRUE(cadre.TexteAffiche().endsWith(QChar(0x2026))) << cadre.TexteAffiche().toStdString();
    EXPECT_LE(cadre.fontMetrics().horizontalAdvance(cadre.TexteAffiche()), 60 - 4);
    EXPECT_EQ(cadre.toolTip().toStdString(), "Paris Saint-Germain FC");
    cadre.resize(300, 25);
    EXPECT_EQ(cadre.TexteAffiche().toStdString(), "Paris Saint-Germain FC");
    EXPECT_TRUE(cadre.toolTip().isEmpty()) << "whole again, no tooltip";

    TCadre autre;
    autre.setToolTip("Changer de match");
    autre.SetText("Nice");
    EXPECT_EQ(autre.toolTip().toStdString(), "Changer de match");
}

// A round score box takes three digits: a score of 300 is drawn whole, in a
// smaller size, never shortened to "3…".
TEST(Edition2, UnScoreDeTroisChiffresSeLitEntier)
{
    TEditRond rond;
    QFont gras = rond.font();
    gras.setBold(true);
    rond.setFont(gras);
    rond.show();
    rond.SetText("300");
    EXPECT_EQ(rond.TexteAffiche().toStdString(), "300");
    EXPECT_TRUE(rond.toolTip().isEmpty());
    rond.SetText("4");
    EXPECT_EQ(rond.TexteAffiche().toStdString(), "4");
}

} // namespace

namespace {

// A display frame the size of a round skin: a score of three digits fits once
// drawn smaller, where a plain frame of that size shortens it.
TEST(Edition2, UnCadreRondReduitSonTroisiemeChiffre)
{
    TCadre rond;
    rond.resize(25, 25);
    rond.SetText("100");
    EXPECT_NE(rond.TexteAffiche().toStdString(), "100") << "bold digits are wider than a round box";
    rond.SetReduitPourTenir(true);
    EXPECT_EQ(rond.TexteAffiche().toStdString(), "100");
    EXPECT_TRUE(rond.toolTip().isEmpty());
}

} // namespace
