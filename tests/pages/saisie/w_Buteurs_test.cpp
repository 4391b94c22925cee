// The scorers and assists sheets through the real main window, on a season
// archive: what command 14 shows, a scorer entered with his minute, the
// assists page on the same match, a save and the archive read again.

#include "pages/saisie/w_Buteurs.h"

#include "base/oTraducteur.h"
#include "controls/Afficheur.h"
#include "files/ChargeurXmp.h"
#include "files/Stats.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/Pages.h"
#include "pages/saisie/w_ChoixJournee.h"
#include "pages/saisie/w_Composition.h"
#include "pages/saisie/w_Notes.h"
#include "pages/saisie/w_Passeurs.h"
#include "platform/Imprimante.h"
#include "shell/w_Principale.h"
#include "support/SaisonExemple.h"
#include "support_ui/FaussePrincipale.h"
#include "support_ui/FenetreSurArchive.h"
#include "support_ui/RenduPng.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The four-team league with Arles 2-1 Brest on day 1, two players each and a referee.
class FeuillesPrincipale : public testsupport::FenetreSurArchive {
protected:
    std::unique_ptr<TSaisonFootball> SaisonArchivee() const override
    {
        auto s = testsupport::CreeLigueQuatreEquipes();
        TDonneesChampionnat* c = s->GetChampionnat(1);
        c->SetScoreMatch(1, 0, 0, 2);
        c->SetScoreMatch(1, 0, 1, 1);
        int id = 11;
        for (uint16_t equipe : {0, 1})
            for (const char* nom : {"Martin", "Petit"})
                s->Joueurs().AjouteSimple(s->CreeJoueur(nom, "Jean", id++, equipe));
        s->Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Collina", "Pierluigi", 0, 4));
        return s;
    }
    void SetUp() override
    {
        FenetreSurArchive::SetUp();
        EtatFeuilles() = TEtatFeuilles{};
    }
    void TearDown() override
    {
        EnregistreFicheJoueur(nullptr);
        EnregistreFicheArbitre(nullptr);
        FenetreSurArchive::TearDown();
    }
};

TEST_F(FeuillesPrincipale, ScorerEnteredThenAssistsThenSavedAndReadAgain)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Buteurs>(14);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->c_EqDomicile->Text(), "Arles");
    EXPECT_EQ(page->c_ScDomicile->Text(), "2");
    EXPECT_EQ(page->c_ScExterieur->Text(), "1");
    EXPECT_EQ(page->c_EqExterieur->Text(), "Brest");
    EXPECT_EQ(page->Panel1->x(), (page->width() - page->Panel1->width()) / 2);
    EXPECT_LT(page->l_EquipeDomicile->x(), 10);
    EXPECT_EQ(page->l_EquipeExterieur->geometry().right(), page->width() - 5);
    EXPECT_EQ(page->l_EquipeDomicile->Nb(), 2);
    ASSERT_NE(page->Carton(1, 1), nullptr);
    EXPECT_EQ(page->Carton(1, 2), nullptr) << "one goal row per goal";
    ASSERT_NE(page->Carton(2, 0), nullptr);
    for (int liste = 3; liste <= 6; ++liste) {
        ASSERT_NE(page->Carton(liste, 0), nullptr);
        EXPECT_TRUE(page->Carton(liste, 0)->Text().empty());
    }
    EXPECT_EQ(page->cb_Arbitre->count(), 1);
    EXPECT_EQ(CompteurModification, 0) << "showing is no change";

    page->l_EquipeDomicile->SetItemIndex(0);
    page->LB1DblClick(1);
    EXPECT_EQ(page->Carton(1, 0)->Text(), "Martin");
    ASSERT_NE(page->Minute(1, 0), nullptr);
    EXPECT_TRUE(page->Minute(1, 0)->hasFocus() || !page->isActiveWindow());
    QTest::keyClicks(page->Minute(1, 0), "23");

    // The assists page commits the scorers page and opens on the same match.
    auto* passes = PageDe<Tf_Passeurs>(16);
    ASSERT_NE(passes, nullptr);
    EXPECT_EQ(passes->c_EqDomicile->Text(), "Arles");
    passes->l_EquipeDomicile->SetItemIndex(1);
    passes->LB1DblClick(1);
    EXPECT_EQ(passes->Carton(1, 0)->Text(), "Petit");
    passes->m_Commentaire->setPlainText("Beau match");

    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const auto* c = dynamic_cast<const TDonneesChampionnatFootball*>(Fenetre->GetSaison()->GetChampionnat(1));
    ASSERT_NE(c, nullptr);
    const TListeDonnees* buts = c->GetButeursJournee(1);
    ASSERT_EQ(buts->Nombre(), 1);
    EXPECT_EQ(buts->Get(0)->GetJoueur(), 11);
    EXPECT_EQ(buts->Get(0)->GetMot(), 23);
    ASSERT_EQ(c->GetPasseursJournee(1)->Nombre(), 1);
    EXPECT_EQ(c->GetPasseursJournee(1)->Get(0)->GetJoueur(), 12);
    EXPECT_EQ(c->GetCommentaireMatch(1, 0, 1), "Beau match");
}

// Clears a round box as the user would, then types `texte` into it.
void Retape(TEditRond* boite, const char* texte)
{
    while (!boite->Text().empty())
        QTest::keyClick(boite, Qt::Key_Backspace);
    QTest::keyClicks(boite, texte);
}

TEST_F(FeuillesPrincipale, MinutesBeyondTheFieldAreRefusedAsTypedAndTheSeasonKeepsWhatWasTyped)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Buteurs>(14);
    ASSERT_NE(page, nullptr);
    for (int joueur : {0, 1, 0}) {
        page->l_EquipeDomicile->SetItemIndex(joueur);
        page->LB1DblClick(1); // two goal rows, then a yellow card
    }
    page->l_EquipeExterieur->SetItemIndex(0);
    page->LB1DblClick(2);
    TEditRond* minute = page->Minute(1, 0);
    ASSERT_NE(minute, nullptr);
    for (const char* refusee : {"128", "255", "353"}) {
        Messages.Messages.clear();
        Retape(minute, refusee);
        EXPECT_EQ(minute->Text(), refusee) << "kept for correction";
        ASSERT_EQ(Messages.Messages.size(), 1u) << refusee;
        EXPECT_NE(Messages.Messages[0].Texte.find(std::string("Minute ") + refusee), std::string::npos);
        EXPECT_NE(Messages.Messages[0].Texte.find("de 0 à 127"), std::string::npos) << Messages.Messages[0].Texte;
    }
    Retape(page->Minute(1, 1), "127");
    Retape(page->Minute(2, 0), "1");
    Retape(page->Minute(3, 0), "45");
    Messages.Messages.clear();
    QTest::keyClicks(page->e_NoteMatch, "300");
    EXPECT_EQ(page->e_NoteMatch->text(), "300");
    ASSERT_EQ(Messages.Messages.size(), 1u);
    EXPECT_NE(Messages.Messages[0].Texte.find("de 0 à 255"), std::string::npos) << Messages.Messages[0].Texte;
    QTest::keyClicks(page->e_NoteMatch, "x");
    EXPECT_EQ(page->e_NoteMatch->text(), "300") << "digits only";

    // Saved while values are refused: the rest of the match is written, the
    // refused values stay on screen, and the user is told before the writing.
    Messages.Messages.clear();
    Fenetre->ExecuteCommande(7);
    ASSERT_EQ(Messages.Messages.size(), 2u);
    EXPECT_NE(Messages.Messages[0].Texte.find("Minute 353"), std::string::npos);
    EXPECT_NE(Messages.Messages[0].Texte.find(Traduit(3520)), std::string::npos);
    EXPECT_EQ(Messages.Messages[1].Texte, Traduit(253));
    const TDonneesChampionnat* avant = Fenetre->GetSaison()->GetChampionnat(1);
    EXPECT_EQ(avant->GetButeursJournee(1)->Nombre(), 2);
    EXPECT_EQ(avant->GetCartonsJournee(1)->Nombre(), 1);
    EXPECT_EQ(avant->GetNoteMatch(1, 1), 0);
    EXPECT_EQ(minute->Text(), "353");
    EXPECT_EQ(page->e_NoteMatch->text(), "300");

    Retape(minute, "90");
    page->e_NoteMatch->setText("12");
    Fenetre->ExecuteCommande(7);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampionnat(1);
    auto mots = [](const TListeDonnees* l) {
        std::vector<std::pair<int, int>> v;
        for (int i = 0; i < l->Nombre(); ++i)
            v.emplace_back(l->Get(i)->GetJoueur(), l->Get(i)->GetMot());
        return v;
    };
    EXPECT_EQ(mots(c->GetButeursJournee(1)), (std::vector<std::pair<int, int>>{{11, 90}, {12, 127}, {13, 1}}));
    EXPECT_EQ(mots(c->GetCartonsJournee(1)), (std::vector<std::pair<int, int>>{{11, 45}}));
    EXPECT_EQ(c->GetNoteMatch(1, 1), 12);
}

// The goals and cards of day 1 and the rating of match 1, as a season holds them.
struct TDansFichier {
    std::vector<std::pair<int, int>> Buts;
    std::vector<std::pair<int, int>> Cartons;
    int Note = -1;
};
TDansFichier LitSaison(const TSaison* s)
{
    TDansFichier d;
    const TDonneesChampionnat* c = s ? s->GetChampionnat(1) : nullptr;
    if (!c)
        return d;
    for (int i = 0; i < c->GetButeursJournee(1)->Nombre(); ++i)
        d.Buts.emplace_back(c->GetButeursJournee(1)->Get(i)->GetJoueur(), c->GetButeursJournee(1)->Get(i)->GetMot());
    for (int i = 0; i < c->GetCartonsJournee(1)->Nombre(); ++i)
        d.Cartons.emplace_back(c->GetCartonsJournee(1)->Get(i)->GetJoueur(), c->GetCartonsJournee(1)->Get(i)->GetMot());
    d.Note = c->GetNoteMatch(1, 1);
    return d;
}
// The same as the file on disk holds them.
TDansFichier LitFichier(const Tf_Principale& fenetre, const std::string& fichier)
{
    return LitSaison(
        TTraiteurFichier::ChargeAvecEtat(fichier, fenetre.GetAppDir() + "Dll/", fenetre.GetFichierIni(), {}).get());
}

// A stored away card and, from the second road on, a stored goal, each
// retyped with a refused minute beside a good goal and rating, then each
// road. Roads to another page keep the user on the sheet, told of the minute
// and its range. Roads out of the season ask whether to leave without it:
// No stays, Yes goes on to the save question. Roads that write say first
// what they leave out (but the timer), and write the good entries with the
// stored goal and card as they were. Corrected, the road goes on and the file
// holds everything typed.
TEST_F(FeuillesPrincipale, RefusedMinuteHoldsEveryRoadOutOfTheSheetAndLosesNothing)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    TSaison& saison = *Fenetre->GetSaison();
    saison.SetOptionSauvegarde(1, 1); // the previous save kept beside the file
    saison.GetChampionnat(1)->SetOption(8, 124);
    const int division = saison.GetChampionnat(1)->GetCode();
    saison.GetChampionnat(1)->GetCartonsJournee(1)->Ajoute(std::make_unique<TDonneesEvt>(13, 1, 30));
    Fenetre->SignaleModification();
    Fenetre->ExecuteCommande(Commande::Enregistrer);

    enum class TGenre {
        Retient,   // another page: the user stays on the sheet
        Demande,   // out of the season: leave without the value?
        Ecrit,     // writes, and the page stays
        EcritSeul, // the timer: writes without a word
    };
    struct TRoute {
        const char* Nom;
        std::function<void(Tf_Principale&)> Prend;
        TGenre Genre;
        std::string Ecrit = {};    // the file the road writes, when it writes one
        bool SiImprimable = false; // a road only for a page that prints
    };
    const std::string fichier = Fichier;
    const std::string sous = (Dossier / "sous.xmc").string();
    const std::string copie = (Dossier / "copie.xmc").string();
    const std::string donnees = (Dossier / "ligue.xmd").string();
    const std::string pdf = (Dossier / "feuille.pdf").string();
    const std::string sauvegarde = TChargeurXmp::NomSauvegarde(Fichier);
    auto& dialogues = Dialogues;
    auto& messages = Messages;
    const auto commande = [](int code) { return [code](Tf_Principale& f) { f.ExecuteCommande(code); }; };
    // A command whose save dialog is answered with that file.
    const auto vers = [&dialogues](int code, const std::string& nom) {
        return [&dialogues, code, nom](Tf_Principale& f) {
            dialogues.RepondFichier(nom);
            f.ExecuteCommande(code);
        };
    };
    const TRoute routes[] = {
        {"another page", commande(Commande::ClassementGeneral), TGenre::Retient},
        {"another championship",
         [](Tf_Principale& f) {
             f.SelectionneChampionnat(f.GetSaison()->GetChampCourant()->CodeChamp, nullptr, true, false);
         },
         TGenre::Retient},
        {"back", [](Tf_Principale& f) { f.sb_BackClick(); }, TGenre::Retient},
        {"save", commande(Commande::Enregistrer), TGenre::Ecrit, fichier},
        {"save as", vers(Commande::EnregistrerSous, sous), TGenre::Ecrit, sous},
        {"another page then save",
         [](Tf_Principale& f) {
             f.ExecuteCommande(Commande::ClassementGeneral);
             f.ExecuteCommande(Commande::Enregistrer);
         },
         TGenre::Ecrit, fichier},
        {"auto-save, three ticks",
         [](Tf_Principale& f) {
             for (int tic = 0; tic < 3; ++tic)
                 f.OnAutoSave();
         },
         TGenre::EcritSeul, fichier},
        {"export season", vers(Commande::ExporteSaison, copie), TGenre::Ecrit, copie},
        {"export championship", vers(Commande::ExporteChampionnat, donnees), TGenre::Ecrit, donnees},
        {"archive",
         [&messages](Tf_Principale& f) {
             messages.ReponseParDefaut = ReponseMessage::Oui; // the archive is created
             f.ExecuteCommande(Commande::ArchiveDivision);
             messages.ReponseParDefaut = ReponseMessage::Ok;
         },
         TGenre::Ecrit},
        {"print to PDF",
         [pdf](Tf_Principale& f) {
             TImprimantePdf imprimante(pdf);
             f.ExecuteCommande(CodeMenu::Imprimer);
         },
         TGenre::Ecrit, "", true},
        {"open", [fichier](Tf_Principale& f) { f.OuvreFichier(fichier); }, TGenre::Demande},
        {"recent file", commande((1 << 8) | 255), TGenre::Demande},
        {"new", commande(Commande::Nouveau), TGenre::Demande},
        {"close", commande(Commande::Fermer), TGenre::Demande},
        {"quit", commande(Commande::Quitter), TGenre::Demande},
        {"close button",
         [](Tf_Principale& f) {
             QCloseEvent fermeture; // as the window system sends it
             QCoreApplication::sendEvent(&f, &fermeture);
         },
         TGenre::Demande},
    };
    int n = 0;
    bool imprimable = false;
    for (const TRoute& route : routes) {
        SCOPED_TRACE(route.Nom);
        ++n;
        if (!Fenetre->GetSaison() || Fenetre->FichierCourant != Fichier) {
            Messages.Messages.clear();
            ASSERT_TRUE(Fenetre->OuvreFichier(Fichier))
                << (Messages.Messages.empty() ? "" : Messages.Messages[0].Texte);
        }
        ASSERT_TRUE(Fenetre->ExecuteCommande(Commande::ClassementGeneral)); // a step for back
        auto* page = PageDe<Tf_Buteurs>(14);
        ASSERT_NE(page, nullptr);
        imprimable = page->Imprimable();
        for (int ligne : {0, 1})
            if (page->Carton(1, ligne)->Text().empty()) {
                page->l_EquipeDomicile->SetItemIndex(ligne);
                page->LB1DblClick(1);
            }
        ASSERT_NE(page->Minute(4, 0), nullptr);
        EXPECT_EQ(page->Minute(4, 0)->Text(), "30");
        const int bonne = 20 + n;
        // The first road finds Petit's goal new, the others stored at 90.
        const std::vector<std::pair<int, int>> gardes = n == 1
                                                            ? std::vector<std::pair<int, int>>{{11, bonne}}
                                                            : std::vector<std::pair<int, int>>{{11, bonne}, {12, 90}};
        const std::vector<std::pair<int, int>> cartons{{13, 30}};
        Messages.Messages.clear();
        Retape(page->Minute(1, 0), std::to_string(bonne).c_str());
        page->e_NoteMatch->setText(QString::number(bonne));
        Retape(page->Minute(1, 1), "135");
        Retape(page->Minute(4, 0), "140");
        ASSERT_EQ(Messages.Messages.size(), 2u);

        Messages.Messages.clear();
        if (route.Genre == TGenre::Demande)
            Messages.Repond(ReponseMessage::Non);
        route.Prend(*Fenetre);
        ASSERT_EQ(Fenetre->GetPageCourante(), page);
        EXPECT_EQ(page->Minute(1, 1)->Text(), "135");
        EXPECT_EQ(page->Minute(4, 0)->Text(), "140");
        const auto dit = [&](int texte) {
            return std::any_of(Messages.Messages.begin(), Messages.Messages.end(), [texte](const auto& m) {
                return m.Texte.find("Minute 135") != std::string::npos &&
                       m.Texte.find(Traduit(texte)) != std::string::npos;
            });
        };
        switch (route.Genre) {
        case TGenre::Retient:
            ASSERT_EQ(Messages.Messages.size(), 1u);
            EXPECT_NE(Messages.Messages[0].Texte.find("Minute 135"), std::string::npos);
            EXPECT_NE(Messages.Messages[0].Texte.find("de 0 à 127"), std::string::npos);
            EXPECT_EQ(Fenetre->GetCommandeCourante(), 14);
            break;
        case TGenre::Demande: {
            ASSERT_EQ(Messages.Messages.size(), 1u);
            EXPECT_TRUE(dit(3521)) << Messages.Messages[0].Texte;
            EXPECT_EQ(Fenetre->GetCommandeCourante(), 14);
            // Yes leaves the value out and goes on to the save question.
            Messages.Messages.clear();
            Messages.Repond(ReponseMessage::Oui);
            Messages.Repond(ReponseMessage::Oui);
            route.Prend(*Fenetre);
            ASSERT_GE(Messages.Messages.size(), 2u);
            EXPECT_TRUE(dit(3521)) << Messages.Messages[0].Texte;
            EXPECT_EQ(Messages.Messages[1].Texte, TraduitFmt(2, {"saison"}));
            const TDansFichier d = LitFichier(*Fenetre, Fichier);
            EXPECT_EQ(d.Buts, gardes);
            EXPECT_EQ(d.Cartons, cartons);
            EXPECT_EQ(d.Note, bonne);
            // "New" writes, then its composer is cancelled: the sheet stays.
            if (Fenetre->GetPageCourante() == page) {
                Retape(page->Minute(1, 1), "90");
                Retape(page->Minute(4, 0), "30");
            }
            continue;
        }
        case TGenre::Ecrit:
        case TGenre::EcritSeul: {
            // A page that does not print has no print command: nothing is written.
            if (route.SiImprimable && !imprimable) {
                EXPECT_TRUE(Messages.Messages.empty());
                break;
            }
            if (route.Genre == TGenre::Ecrit)
                EXPECT_TRUE(dit(3520)) << (Messages.Messages.empty() ? "" : Messages.Messages[0].Texte);
            else
                EXPECT_TRUE(Messages.Messages.empty());
            const TDansFichier memoire = LitSaison(Fenetre->GetSaison());
            EXPECT_EQ(memoire.Buts, gardes);
            EXPECT_EQ(memoire.Cartons, cartons);
            if (!route.Ecrit.empty()) {
                const TDansFichier d = LitFichier(*Fenetre, route.Ecrit);
                EXPECT_EQ(d.Buts, gardes);
                EXPECT_EQ(d.Cartons, cartons);
                EXPECT_EQ(d.Note, bonne);
            }
            break;
        }
        }
        if (route.Genre == TGenre::EcritSeul) {
            // The first tick wrote the good entries; the two others had
            // nothing new: the previous save is the last different one.
            TSaisonFootball lue;
            ASSERT_TRUE(TChargeurXmp(sauvegarde).ChargeSaison(lue));
            const TDansFichier precedente = LitSaison(&lue);
            EXPECT_EQ(precedente.Cartons, cartons);
            EXPECT_NE(precedente.Note, bonne);
        }

        Retape(page->Minute(1, 1), "90");
        Retape(page->Minute(4, 0), "30");
        route.Prend(*Fenetre);
        int note = bonne;
        if (route.Genre == TGenre::Retient) {
            EXPECT_NE(Fenetre->GetPageCourante(), page);
            // What another page changes once the sheet is left stays, however
            // the sheet (kept for back and forward or not) goes.
            note = bonne + 100;
            Fenetre->GetSaison()->GetChampionnat(1)->SetNoteMatch(1, 1, static_cast<uint8_t>(note));
            Fenetre->ExecuteCommande(Commande::ClassementGeneral);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Fenetre->ExecuteCommande(Commande::Enregistrer);
        } else {
            Fenetre->ExecuteCommande(Commande::Enregistrer);
        }
        const std::vector<std::pair<int, int>> tous{{11, bonne}, {12, 90}};
        const TDansFichier d = LitFichier(*Fenetre, route.Ecrit.empty() ? Fenetre->FichierCourant : route.Ecrit);
        EXPECT_EQ(d.Buts, tous);
        EXPECT_EQ(d.Cartons, cartons);
        EXPECT_EQ(d.Note, note);
    }
    EXPECT_EQ(std::filesystem::exists(pdf), imprimable);
    ASSERT_NE(Fenetre->GetStats(), nullptr);
    const TStat* archive = Fenetre->GetStats()->ChercheId(division);
    ASSERT_NE(archive, nullptr);
    EXPECT_EQ(archive->NbSaisons(), 1);
}

// The shipped World Cup, Wales 0-3 England, with a yellow card for Foden at
// 30' saved beside Rashford's goal at 50': both minutes retyped 135 and
// saved, the file keeps the goal and the card as they were and the user is
// told so; committed again with nothing new, nothing is marked changed;
// corrected, the file holds the new minutes.
TEST_F(FeuillesPrincipale, RefusedMinutesOverAStoredWorldCupGoalAndCardKeepThemInTheFile)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    const std::string coupe = Dossier.str() + "sauvegarde/coupe-du-monde-2022.xmc";
    ASSERT_TRUE(Fenetre->OuvreFichier(coupe));
    const testsupport::TOuMatch ou = testsupport::MontreMatch(*Fenetre->GetSaison(), "Pays de Galles", "Angleterre");
    ASSERT_NE(ou.Jour, 0);
    TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampCourant();
    const TListeDonnees* butsJour = c->GetButeursJournee(ou.Jour);
    const uint16_t angleterre = c->GetValeurMatch(ou.Jour, 4 * ou.Match - 1);
    int foden = 0, rashford = 0;
    for (int i = 0; i < butsJour->Nombre(); ++i)
        if (const TDonneesEvt* e = butsJour->Get(i); e->GetEquipe() == angleterre && e->GetMinute() <= 51)
            (e->GetMinute() == 50 ? rashford : foden) = e->GetJoueur();
    ASSERT_NE(foden, 0);
    auto* page = PageDe<Tf_Buteurs>(14, (ou.Jour << 8) + ou.Match);
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Minute(2, 0)->Text(), "50");
    ASSERT_TRUE(page->Buteurs()->DoubleClicEquipe(2, static_cast<uint16_t>(foden), "Foden"));
    Retape(page->Minute(4, 0), "30");
    Fenetre->ExecuteCommande(Commande::Enregistrer);
    // England's goals and cards of that day in the file: player and word.
    using TMots = std::vector<std::pair<int, int>>;
    const auto dansFichier = [&](bool buts) {
        TMots mots;
        const std::unique_ptr<TSaison> s =
            TTraiteurFichier::ChargeAvecEtat(coupe, Fenetre->GetAppDir() + "Dll/", Fenetre->GetFichierIni(), {});
        const TDonneesChampionnat* lu = s ? s->GetChampionnat(ou.Championnat) : nullptr;
        const TListeDonnees* l = !lu ? nullptr : buts ? lu->GetButeursJournee(ou.Jour) : lu->GetCartonsJournee(ou.Jour);
        for (int i = 0; l && i < l->Nombre(); ++i)
            if (l->Get(i)->GetEquipe() == angleterre)
                mots.emplace_back(l->Get(i)->GetJoueur(), l->Get(i)->GetMot());
        std::ranges::sort(mots);
        return mots;
    };

    ASSERT_EQ(dansFichier(false), (TMots{{foden, 30}}));
    Retape(page->Minute(2, 0), "135");
    Retape(page->Minute(4, 0), "135");
    Messages.Messages.clear();
    Fenetre->ExecuteCommande(Commande::Enregistrer);
    ASSERT_FALSE(Messages.Messages.empty());
    EXPECT_NE(Messages.Messages[0].Texte.find("reste enregistré à la minute 50"), std::string::npos)
        << Messages.Messages[0].Texte;
    const TMots butsAvant = dansFichier(true);
    ASSERT_EQ(butsAvant.size(), 3u);
    EXPECT_NE(std::ranges::find(butsAvant, std::pair(rashford, 50)), butsAvant.end());
    EXPECT_EQ(dansFichier(false), (TMots{{foden, 30}}));
    EXPECT_EQ(page->Minute(2, 0)->Text(), "135");
    EXPECT_EQ(CompteurModification, 0);
    Retape(page->Minute(2, 0), "136");
    page->ValideSaisieEnCours();
    EXPECT_EQ(CompteurModification, 0) << "a commit that changes nothing marks nothing";

    Retape(page->Minute(2, 0), "52");
    Retape(page->Minute(4, 0), "31");
    Fenetre->ExecuteCommande(Commande::Enregistrer);
    const TMots butsApres = dansFichier(true);
    EXPECT_EQ(butsApres.size(), 3u);
    EXPECT_NE(std::ranges::find(butsApres, std::pair(rashford, 52)), butsApres.end());
    EXPECT_EQ(dansFichier(false), (TMots{{foden, 31}}));
}

TEST_F(FeuillesPrincipale, MatchSentByAnotherPage)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Buteurs>(14, (2 << 8) + 2);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampCourant()->NbJournee, 2);
    EXPECT_EQ(page->c_EqDomicile->Text(), "Brest");
}

TEST_F(FeuillesPrincipale, LayoutAt800AndRenders)
{
    EnregistrePages();
    InstalleTraducteur(std::make_unique<TTraducteur>((Dossier / "texte" / "Textefr.txt").string()));
    testsupport::TFaussePrincipale principale(SaisonArchivee());
    principale.Fond.resize(800, 500);
    for (int code : {14, 16}) {
        (*CommandePage(code))(principale, code, 0, 0);
        auto* page = dynamic_cast<Tf_InfoMatchCadre*>(principale.GetPageCourante());
        ASSERT_NE(page, nullptr);
        ASSERT_EQ(page->width(), 800);
        page->fc_InfoMatchResize();
        EXPECT_EQ(page->l_EquipeExterieur->x(), 671);
        if (auto* buteurs = dynamic_cast<Tf_Buteurs*>(page)) {
            EXPECT_EQ(buteurs->FondBut2->x(), 402);
            EXPECT_LT(buteurs->FondBut1->geometry().right(), buteurs->FondBut2->x());
            EXPECT_LT(buteurs->FondBut2->geometry().right(), page->l_EquipeExterieur->x());
            buteurs->l_EquipeDomicile->SetItemIndex(0);
            buteurs->LB1DblClick(1);
            buteurs->l_EquipeDomicile->SetItemIndex(1);
            buteurs->LB1DblClick(1);
            buteurs->LB1DblClick(1);
        } else if (auto* passes = dynamic_cast<Tf_Passeurs*>(page)) {
            EXPECT_LT(passes->FondPasseur2->geometry().right(), page->l_EquipeExterieur->x());
            passes->l_EquipeExterieur->SetItemIndex(0);
            passes->LB1DblClick(2);
        }
        testsupport::RendPng(*page, code == 14 ? "feuille_buteurs" : "feuille_passeurs");
    }
    InstalleTraducteur(nullptr);
}

TEST_F(FeuillesPrincipale, NarrowPageKeepsEveryMinuteBoxInSight)
{
    EnregistrePages();
    testsupport::TFaussePrincipale principale(SaisonArchivee());
    principale.Fond.resize(520, 500);
    (*CommandePage(14))(principale, 14, 0, 0);
    auto* page = dynamic_cast<Tf_Buteurs*>(principale.GetPageCourante());
    ASSERT_NE(page, nullptr);
    page->fc_InfoMatchResize();
    const std::pair<TFondScroll*, int> listes[] = {{page->FondBut1, 1}, {page->FondBut2, 2}, {page->FondCj1, 3}};
    for (const auto& [fond, liste] : listes) {
        TEditRond* minute = page->Minute(liste, 0);
        ASSERT_NE(minute, nullptr) << liste;
        const QRect boite(minute->mapTo(fond, QPoint(0, 0)), minute->size());
        EXPECT_GE(boite.left(), 0) << liste;
        EXPECT_LE(boite.right(), fond->width() - 16) << "list " << liste << " " << fond->width();
        EXPECT_GT(page->Carton(liste, 0)->width(), 40);
    }
}

TEST_F(FeuillesPrincipale, CardsOpenedThroughThePageBaseInCreateMode)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    int mode = 0;
    bool accepte = true;
    EnregistreFicheJoueur([&](TSaison& saison, int, TJoueur*& joueur, int m, bool* change) {
        mode = m;
        if (!accepte)
            return false;
        joueur = saison.Joueurs().AjouteSimple(saison.CreeJoueur("Abidal", "Eric", 30, 1));
        if (change)
            *change = true;
        return true;
    });
    auto* page = PageDe<Tf_Buteurs>(14);
    ASSERT_NE(page, nullptr);
    accepte = false;
    page->AjouteJoueur(2);
    EXPECT_EQ(page->l_EquipeExterieur->Nb(), 2);
    EXPECT_EQ(mode, 0xB0000 + 1);
    accepte = true;
    page->AjouteJoueur(2);
    ASSERT_EQ(page->l_EquipeExterieur->Nb(), 3);
    EXPECT_EQ(IdElementJoueur(page->l_EquipeExterieur->Texte(0)), 30) << "at his sorted place";
    EXPECT_EQ(CompteurModification, 1);

    EnregistreFicheArbitre([](TSaison& saison, int, TPersonnelStat*& arbitre, bool*) {
        saison.Arbitres().Ajoute(std::make_unique<TPersonnelStat>("Webb", "Howard", 0, 9));
        arbitre = static_cast<TPersonnelStat*>(saison.Arbitres().ChercheId(9));
        return true;
    });
    page->mi_AjouterArbitreClick();
    ASSERT_EQ(page->cb_Arbitre->count(), 2);
    EXPECT_EQ(page->cb_Arbitre->currentData().toInt(), 9);
}

TEST_F(FeuillesPrincipale, LineUpThenRatingsThroughTheMainWindow)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Composition>(15);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->c_EqDomicile->Text(), "Arles");
    EXPECT_EQ(page->l_EquipeDomicile->Nb(), 2);
    ASSERT_NE(page->Cadre(2, 11), nullptr);
    EXPECT_TRUE(page->Cadre(1, 1)->Text().empty());
    page->l_EquipeDomicile->SetItemIndex(0);
    page->ListeDblClickEquipe(1);
    EXPECT_EQ(page->Cadre(1, 1)->Text(), "Martin");
    EXPECT_EQ(page->l_EquipeDomicile->Nb(), 1) << "a placed player leaves the squad box";

    auto* notes = PageDe<Tf_Notes>(18);
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->c_EqDomicile->Text(), "Arles");
    ASSERT_TRUE(notes->Nom(1, 1)->isVisibleTo(notes));
    EXPECT_EQ(notes->Nom(1, 1)->Text(), "Jean Martin");
    EXPECT_FALSE(notes->Nom(1, 2)->isVisibleTo(notes));
    QTest::keyClicks(notes->Note(1, 1), "8");

    Fenetre->ExecuteCommande(7);
    EXPECT_EQ(CompteurModification, 0);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampionnat(1);
    EXPECT_EQ(c->GetCompoMatch(1, 0, 1), 11);
    EXPECT_TRUE(c->CompoSaisie(1, 0));
    EXPECT_FALSE(c->CompoSaisie(1, 1)) << "no player in Brest's line-up";
    EXPECT_EQ(c->GetNoteJoueurMatch(1, 0, 1), 8);
}

TEST_F(FeuillesPrincipale, SubstitutionMinutesBeyondTheirByteAreRefusedAsTypedAndTheSeasonKeepsWhatWasTyped)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Composition>(15);
    ASSERT_NE(page, nullptr);
    for (int cote : {1, 2}) {
        (cote == 1 ? page->l_EquipeDomicile : page->l_EquipeExterieur)->SetItemIndex(0);
        page->ListeDblClickEquipe(cote);
        page->Cadre(cote, 1)->OnDblClick(); // the starter also goes off in pair 1
        ASSERT_EQ(page->Cadre(cote, 12)->Text(), "Martin") << cote;
        // Petit comes on: only a pair with its on player is kept in the file.
        ASSERT_TRUE(page->Composition()->DeposeEquipe(cote, 13, cote, static_cast<uint16_t>(cote == 1 ? 12 : 14)));
        ASSERT_EQ(page->Cadre(cote, 13)->Text(), "Petit") << cote;
    }
    TEditRond* minute = page->Boite(1, 12);
    ASSERT_NE(minute, nullptr);
    for (const char* refusee : {"256", "300", "999"}) {
        Messages.Messages.clear();
        Retape(minute, refusee);
        EXPECT_EQ(minute->Text(), refusee) << "kept for correction";
        ASSERT_EQ(Messages.Messages.size(), 1u) << refusee;
        EXPECT_NE(Messages.Messages[0].Texte.find(std::string("Minute ") + refusee), std::string::npos);
        EXPECT_NE(Messages.Messages[0].Texte.find("de 0 à 255"), std::string::npos) << Messages.Messages[0].Texte;
        EXPECT_NE(Messages.Messages[0].Texte.find("Ce remplacement est enregistré à la minute 0"), std::string::npos)
            << Messages.Messages[0].Texte;
    }
    Retape(page->Boite(2, 12), "255");

    // Saved while a minute is refused: the rest of the line-ups is written,
    // the user is told.
    Messages.Messages.clear();
    Fenetre->ExecuteCommande(7);
    ASSERT_FALSE(Messages.Messages.empty());
    EXPECT_NE(Messages.Messages[0].Texte.find(Traduit(3520)), std::string::npos);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampionnat(1)->GetCompoMatch(1, 0, 12), 11);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampionnat(1)->GetCompoMatch(1, 0, 18), 0);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampionnat(1)->GetCompoMatch(1, 1, 18), 255);
    EXPECT_EQ(minute->Text(), "999");

    Retape(minute, "200");
    Fenetre->ExecuteCommande(7);
    ASSERT_TRUE(Fenetre->OuvreFichier(Fichier));
    const TDonneesChampionnat* c = Fenetre->GetSaison()->GetChampionnat(1);
    EXPECT_EQ(c->GetCompoMatch(1, 0, 12), 11);
    EXPECT_EQ(c->GetCompoMatch(1, 0, 13), 12);
    EXPECT_EQ(c->GetCompoMatch(1, 0, 18), 200);
    EXPECT_EQ(c->GetCompoMatch(1, 1, 12), 13);
    EXPECT_EQ(c->GetCompoMatch(1, 1, 18), 255);
    auto* rouvert = PageDe<Tf_Composition>(15);
    ASSERT_NE(rouvert, nullptr);
    EXPECT_EQ(rouvert->Boite(1, 12)->Text(), "200");
    EXPECT_EQ(rouvert->Boite(2, 12)->Text(), "255");
}

TEST_F(FeuillesPrincipale, LineUpAndRatingsLayoutAt800AndRenders)
{
    EnregistrePages();
    InstalleTraducteur(std::make_unique<TTraducteur>((Dossier / "texte" / "Textefr.txt").string()));
    auto saison = SaisonArchivee();
    TDonneesChampionnat* c = saison->GetChampionnat(1);
    for (int s = 1; s <= 2; ++s) {
        c->SetCompoMatch(1, 0, s, static_cast<uint16_t>(10 + s));
        c->SetCompoMatch(1, 1, s, static_cast<uint16_t>(12 + s));
    }
    c->SetCompoMatch(1, 0, 21, 11);
    testsupport::TFaussePrincipale principale(std::move(saison));
    principale.Fond.resize(800, 500);
    (*CommandePage(15))(principale, 15, 0, 0);
    auto* page = dynamic_cast<Tf_Composition*>(principale.GetPageCourante());
    ASSERT_NE(page, nullptr);
    page->fc_InfoMatchResize();
    EXPECT_EQ(page->FondEquipeExterieur->x(), 405);
    EXPECT_LT(page->FondEquipeExterieur->geometry().right(), page->l_EquipeExterieur->x());
    EXPECT_GT(page->FondRemp1->y(), page->FondEquipeDomicile->geometry().bottom());
    EXPECT_LE(page->FondRemp1->geometry().bottom(), page->height());
    EXPECT_EQ(page->Cadre(1, 1)->Text(), "Martin (cap.)");
    testsupport::RendPng(*page, "feuille_compositions");

    (*CommandePage(18))(principale, 18, 0, 0);
    auto* notes = dynamic_cast<Tf_Notes*>(principale.GetPageCourante());
    ASSERT_NE(notes, nullptr);
    notes->fc_NotesResize();
    EXPECT_EQ(notes->c_EqDomicile->x(), 214);
    testsupport::RendPng(*notes, "feuille_notes");
    InstalleTraducteur(nullptr);
}

TEST_F(FeuillesPrincipale, MatchMenuAndDayChooser)
{
    DemarreSurArchive();
    if (HasFatalFailure())
        return;
    auto* page = PageDe<Tf_Buteurs>(14);
    ASSERT_NE(page, nullptr);
    page->pm_ListeMatchPopup();
    const QList<QAction*> items = page->pm_ListeMatch->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Arles-Brest");
    EXPECT_EQ(items[1]->text(), "Caen-Dijon");
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[3]->text().toStdString(), "Changer de journée");
    page->MenuMatchClick(items[1]);
    EXPECT_EQ(page->c_EqDomicile->Text(), "Caen");

    auto repond = [this](int jour) {
        Dialogues.Repond([jour](QDialog& d) {
            auto& choix = dynamic_cast<Tf_ChoixJournee&>(d);
            choix.ScrollBar1->setValue(jour);
            choix.BoutonCopie1Click();
            d.done(QDialog::Accepted);
        });
    };
    repond(1);
    page->pm_ListeMatchPopup();
    page->MenuMatchClick(page->mi_ChangeJournee);
    EXPECT_EQ(page->c_EqDomicile->Text(), "Caen") << "the same day keeps the match";
    repond(2);
    page->pm_ListeMatchPopup();
    page->MenuMatchClick(page->mi_ChangeJournee);
    EXPECT_EQ(Fenetre->GetSaison()->GetChampCourant()->NbJournee, 2);
    EXPECT_EQ(page->c_EqDomicile->Text(), "Dijon") << "another day opens on its first match";
}

} // namespace
