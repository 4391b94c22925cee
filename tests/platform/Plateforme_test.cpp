#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "platform/Bureau.h"
#include "platform/Dialogues.h"
#include "platform/Ecran.h"
#include "platform/FilUI.h"
#include "platform/Imprimante.h"
#include "platform/Langue.h"
#include "support/MessagesScriptes.h"
#include "support/TestSupport.h"
#include "support_ui/DialoguesScriptes.h"

#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTest>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using testsupport::TDialoguesScriptes;

TEST(Dialogues, FiltresEnDescriptionEtMotifs)
{
    const auto filtres = LitFiltres("Saison|*.xmc;*.sai| Tous |*.*|Seul");
    ASSERT_EQ(filtres.size(), 3u);
    EXPECT_EQ(filtres[0].Description, "Saison");
    EXPECT_EQ(filtres[0].Motifs, (std::vector<std::string>{"*.xmc", "*.sai"}));
    EXPECT_EQ(filtres[1].Description, " Tous ");
    EXPECT_EQ(filtres[1].Motifs, (std::vector<std::string>{"*.*"}));
    EXPECT_EQ(filtres[2].Motifs, (std::vector<std::string>{"*"}));
    EXPECT_TRUE(LitFiltres("").empty());
}

TEST(Dialogues, FiltresALaFormeQueQtLit)
{
    // A description that shows its patterns keeps one list of them, blank-separated.
    EXPECT_EQ(FiltresPourQt(LitFiltres("Saison (*.sai; *.xmc)|*.sai;*.xmc|Brevalune|*.chp;*.xmc|Tous|")),
              (std::vector<std::string>{"Saison (*.sai *.xmc)", "Brevalune (*.chp *.xmc)", "Tous (*)"}));
    EXPECT_EQ(FiltresPourQt(LitFiltres("(*.xmc)|*.xmc")), std::vector<std::string>{"(*.xmc)"});
}

TEST(Langue, LangueProposeeSelonLeSysteme)
{
    EXPECT_EQ(LangueProposee("fr_CA.UTF-8"), "fr");
    EXPECT_EQ(LangueProposee("en-GB"), "en");
    EXPECT_EQ(LangueProposee("en"), "en");
    EXPECT_EQ(LangueProposee("de_DE"), "fr");
    EXPECT_EQ(LangueProposee("C"), "fr");
    EXPECT_EQ(LangueProposee(""), "fr");
    const std::string systeme = LangueSysteme();
    EXPECT_TRUE(systeme == "fr" || systeme == "en");
}

TEST(Langue, LesDialoguesDeQtParlentLaLangueChoisie)
{
    if (!ChargeTraductionsQt("fr"))
        GTEST_SKIP() << "Qt's translations are not installed (qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Ouvrir"));
    // Back to English: the French ones are removed.
    ChargeTraductionsQt("en");
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("&Open"));
}

TEST(Langue, LeCalendrierDeQtParleLaLangueChoisie)
{
    ChargeTraductionsQt("fr");
    EXPECT_EQ(QLocale().monthName(12), QStringLiteral("décembre"));
    ChargeTraductionsQt("en");
    EXPECT_EQ(QLocale().monthName(12), QStringLiteral("December"));
}

TEST(Dialogues, ExtensionParDefautSeulementSansExtension)
{
    EXPECT_EQ(AjouteExtensionDefaut("/tmp/saison", "xmc"), "/tmp/saison.xmc");
    EXPECT_EQ(AjouteExtensionDefaut("/tmp/saison.sai", "xmc"), "/tmp/saison.sai");
    EXPECT_EQ(AjouteExtensionDefaut("/tmp/saison", ""), "/tmp/saison");
    EXPECT_EQ(AjouteExtensionDefaut("", "xmc"), "");
}

TEST(Dialogues, FermerOuEchapSansBoutonAnnuler)
{
    TDialoguesScriptes dialogues;
    TDialogue forme;
    forme.setWindowTitle("Choix");
    dialogues.Repond([](QDialog& d) { d.close(); });
    EXPECT_EQ(Dialogues().ExecuteModal(forme), ResultatModal::Annuler);
    dialogues.Repond([](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible()) << "Escape closes a form without a Cancel button, as its title bar does";
    });
    EXPECT_EQ(Dialogues().ExecuteModal(forme), ResultatModal::Annuler);
    dialogues.TitresFormes.pop_back();
    EXPECT_EQ(dialogues.TitresFormes, (std::vector<std::string>{"Choix"}));

    dialogues.Repond([](QDialog& d) { static_cast<TDialogue&>(d).SetModalResult(ResultatModal::Aucun); });
    EXPECT_EQ(Dialogues().ExecuteModal(forme), ResultatModal::Aucun) << "0 keeps the form open";
    dialogues.RepondResultat(ResultatModal::Oui);
    EXPECT_EQ(Dialogues().ExecuteModal(forme), ResultatModal::Oui);
}

TEST(Dialogues, DoubleDesFichiersEnregistreLesDemandes)
{
    TDialoguesScriptes dialogues;
    dialogues.RepondFichier("/tmp/a.xmc", 2);
    dialogues.RefuseFichier();
    TDemandeFichier demande;
    demande.Filtre = "Saison|*.xmc|Tous|*.*";
    demande.IndexFiltre = 2;
    demande.DossierInitial = "/tmp";
    const TReponseFichier ouverte = Dialogues().OuvreFichier(demande);
    EXPECT_TRUE(ouverte.Ok);
    EXPECT_EQ(ouverte.NomFichier, "/tmp/a.xmc");
    EXPECT_EQ(ouverte.IndexFiltre, 2);
    EXPECT_FALSE(Dialogues().EnregistreFichier(demande).Ok);
    ASSERT_EQ(dialogues.DemandesOuverture.size(), 1u);
    EXPECT_EQ(dialogues.DemandesOuverture[0].DossierInitial, "/tmp");
    EXPECT_EQ(dialogues.DemandesEnregistrement.size(), 1u);
    EXPECT_FALSE(Dialogues().OuvreFichier(demande).Ok) << "no answer left: cancelled";
}

TEST(Imprimante, PdfDeDeuxPagesPaysage)
{
    testsupport::TempDir dossier;
    const std::string fichier = (dossier / "page.pdf").string();
    {
        TImprimantePdf pdf(fichier);
        EXPECT_EQ(&Imprimante(), &pdf);
        Imprimante().SetTitre("Classement");
        Imprimante().SetOrientation(TImprimante::TOrientation::Paysage);
        ASSERT_TRUE(Imprimante().BeginDoc());
        EXPECT_TRUE(Imprimante().Printing());
        EXPECT_GT(Imprimante().PageWidth(), Imprimante().PageHeight());
        Imprimante().Canvas()->drawText(100, 100, "Page 1");
        EXPECT_TRUE(Imprimante().NewPage());
        Imprimante().Canvas()->drawText(100, 100, "Page 2");
        Imprimante().EndDoc();
        EXPECT_EQ(Imprimante().Canvas(), nullptr);
    }
    EXPECT_EQ(dynamic_cast<TImprimantePdf*>(&Imprimante()), nullptr) << "the user's printer is back";
    const std::string contenu = testsupport::ReadWholeFile(fichier);
    EXPECT_EQ(contenu.rfind("%PDF", 0), 0u);
    EXPECT_NE(contenu.find("/Count 2"), std::string::npos);
}

namespace {

// A printer whose choice is made by the test, as the user would in the print
// dialog; it keeps the document name and the file the dialog was given.
class TImprimanteChoisie : public TImprimante {
public:
    explicit TImprimanteChoisie(std::function<void(QPrinter&)> choix) : FChoix(std::move(choix)) {}
    std::string NomVu;
    std::string FichierVu;

protected:
    bool Prepare(QPrinter& printer) override
    {
        NomVu = printer.docName().toStdString();
        FichierVu = printer.outputFileName().toStdString();
        FChoix(printer);
        return true;
    }

private:
    std::function<void(QPrinter&)> FChoix;
};

// The unprivileged account ("nobody") a test prints as when it must be refused a read.
constexpr uid_t CompteSansDroits = 65534;

// The messages of the test, in French.
struct TTextesFrancais {
    TTextesFrancais() { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt")); }
    ~TTextesFrancais() { InstalleTraducteur(nullptr); }
};

} // namespace

TEST(Imprimante, LeNomDuDocumentPeutNommerUnFichier)
{
    EXPECT_EQ(NomDocument("Coupe : Groupe A - 2022/2023"), "Coupe - Groupe A - 2022-2023");
    EXPECT_EQ(NomDocument("a\\b*c?d\"e<f>g|h"), "a-b-c-d-e-f-g-h");
    EXPECT_EQ(NomDocument("Ligue 1 - Journée 3"), "Ligue 1 - Journée 3");

    // The print dialog makes its default file name of the document's name.
    testsupport::TempDir dossier;
    const std::string pdf = (dossier / "p.pdf").string();
    // The user types a name the first time, then takes the one offered.
    TImprimanteChoisie imprimante([&pdf](QPrinter& p) {
        if (p.outputFileName().isEmpty())
            p.setOutputFileName(QString::fromStdString(pdf));
    });
    imprimante.SetTitre("Coupe : Groupe A - Classement");
    ASSERT_TRUE(imprimante.BeginDoc());
    imprimante.EndDoc();
    EXPECT_EQ(imprimante.NomVu, "Coupe - Groupe A - Classement");
    EXPECT_EQ(imprimante.FichierVu, "");
    EXPECT_EQ(imprimante.Titre(), "Coupe : Groupe A - Classement") << "the heading keeps the title as written";

    // Each document printed in turn is offered its own name, in the folder
    // chosen, never the file written before.
    for (const char* titre : {"Coupe : Qatar - Détail des buts", "Coupe - Liste des joueurs"}) {
        imprimante.SetTitre(titre);
        ASSERT_TRUE(imprimante.BeginDoc());
        imprimante.EndDoc();
        EXPECT_EQ(imprimante.FichierVu, (dossier / (NomDocument(titre) + ".pdf")).string());
    }
    EXPECT_TRUE(std::filesystem::exists(dossier / "Coupe - Qatar - Détail des buts.pdf"));
    EXPECT_TRUE(std::filesystem::exists(pdf)) << "the first document was not written over";
}

TEST(Imprimante, UnDocumentQuiNePeutCommencerDitPourquoi)
{
    TTextesFrancais textes;
    testsupport::TMessagesScriptes messages;
    testsupport::TempDir dossier;

    // A PDF file in a folder that is not there.
    const std::string perdu = (dossier / "absent" / "page.pdf").string();
    {
        TImprimantePdf pdf(perdu);
        EXPECT_FALSE(Imprimante().BeginDoc());
        EXPECT_EQ(Imprimante().Canvas(), nullptr);
    }
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(3322, {perdu, Traduit(2624)}));
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);

    // A printer that refuses the document.
    messages.Messages.clear();
    std::string nom;
    std::string fichier;
    TImprimanteChoisie refus([&](QPrinter& p) {
        if (!fichier.empty()) {
            p.setOutputFileName(QString::fromStdString(fichier));
            return;
        }
        p.setOutputFormat(QPrinter::NativeFormat);
        p.setPrinterName(QStringLiteral("imprimante-absente"));
        nom = p.printerName().toStdString();
    });
    refus.SetTitre("Classement");
    if (refus.BeginDoc()) {
        refus.Abort();
        GTEST_SKIP() << "this platform's printer back-end takes any document";
    }
    ASSERT_EQ(messages.Messages.size(), 1u);
    EXPECT_EQ(messages.Messages[0].Texte, nom.empty() ? Traduit(3321) : TraduitFmt(3320, {nom}));

    // The next document is printed where the user then chooses, under its own name.
    fichier = (dossier / "suite.pdf").string();
    refus.SetTitre("Buteurs");
    ASSERT_TRUE(refus.BeginDoc());
    EXPECT_TRUE(refus.EndDoc());
    EXPECT_EQ(refus.NomVu, "Buteurs");
    EXPECT_EQ(testsupport::ReadWholeFile(fichier).rfind("%PDF", 0), 0u);
}

TEST(Imprimante, LeTitreEnTeteDePage)
{
    QImage page(600, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    auto encre = [&page](int haut, int bas) {
        int n = 0;
        for (int y = haut; y < bas; ++y)
            for (int x = 0; x < page.width(); ++x)
                n += qGray(page.pixel(x, y)) < 128;
        return n;
    };
    QPainter p(&page);
    // Drawn at the top of the page whatever the drawing under way has moved.
    p.translate(50, 120);
    p.scale(2, 2);
    EXPECT_EQ(DessineTitreDocument(p, "", 600), 0);
    EXPECT_EQ(encre(0, page.height()), 0);
    const int hauteur = DessineTitreDocument(p, "Ligue 1 - Classement", 600);
    p.end();
    ASSERT_GT(hauteur, 0);
    ASSERT_LT(hauteur, page.height());
    EXPECT_GT(encre(0, hauteur / 2), 0);
    EXPECT_EQ(encre(hauteur, page.height()), 0) << "what the title heads starts below it";
}

namespace {

// The titles the printer draws, as the tests that read the paper see them.
struct TTitresVus : TTemoinImpression {
    TTitresVus() { TemoinImpression = this; }
    ~TTitresVus() override { TemoinImpression = nullptr; }
    void Page(const QPainter&, int, const QSize&) override {}
    void Titre(const QPainter&, const QRectF& boite, const QString& texte) override
    {
        Boites.push_back(boite.toRect());
        Textes.push_back(texte.toStdString());
    }
    std::vector<QRect> Boites;
    std::vector<std::string> Textes;
};

} // namespace

TEST(Imprimante, UnLongTitreSeLitEntier)
{
    QImage page(500, 400, QImage::Format_RGB32);
    page.fill(Qt::white);
    TTitresVus vus;
    QPainter p(&page);
    const int uneLigne = DessineTitreDocument(p, "Ligue 1", 500);
    // Wrapped onto a second line rather than cut: its end shows.
    const std::string long_ = "Coupe du monde 2022 : Phase finale - Détail de la journée - Journée 7";
    const int deuxLignes = DessineTitreDocument(p, long_, 500);
    EXPECT_GT(deuxLignes, uneLigne);
    // A word alone wider than the page makes the title smaller, never cut.
    const std::string mot(60, 'W');
    DessineTitreDocument(p, mot, 500);
    p.end();
    ASSERT_EQ(vus.Textes.size(), 3u);
    EXPECT_EQ(vus.Textes[1], long_);
    EXPECT_EQ(vus.Textes[2], mot);
    for (const QRect& b : vus.Boites)
        EXPECT_TRUE(page.rect().contains(b)) << b.x() << "," << b.y() << " " << b.width() << "x" << b.height();
    EXPECT_LE(vus.Boites[2].height(), vus.Boites[0].height());
}

TEST(Imprimante, UneImpressionInacheveeDitPourquoi)
{
    TTextesFrancais textes;
    testsupport::TMessagesScriptes messages;
    testsupport::TempDir dossier;
    const std::string pdf = (dossier / "long.pdf").string();
    // A disk that takes no more than a few kilobytes of the document.
    rlimit ancienne{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &ancienne), 0);
    auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = ancienne;
    petite.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &petite), 0);
    bool fin = true;
    {
        TImprimantePdf imprimante(pdf);
        if (imprimante.BeginDoc()) {
            for (int i = 0; i < 20; ++i) {
                for (int l = 0; l < 60; ++l)
                    imprimante.Canvas()->drawText(100, 100 + 40 * l, QString("Page %1, ligne %2").arg(i).arg(l));
                imprimante.NewPage();
            }
            fin = imprimante.EndDoc();
        }
    }
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, ancienSignal);
    EXPECT_FALSE(fin);
    ASSERT_EQ(messages.Messages.size(), 1u) << "told once";
    EXPECT_EQ(messages.Messages[0].Texte, TraduitFmt(3323, {pdf, Traduit(2627)}));
    EXPECT_EQ(messages.Messages[0].Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);

    // A whole document says nothing.
    messages.Messages.clear();
    {
        TImprimantePdf imprimante(pdf);
        ASSERT_TRUE(imprimante.BeginDoc());
        EXPECT_TRUE(imprimante.NewPage());
        EXPECT_TRUE(imprimante.EndDoc());
    }
    EXPECT_TRUE(messages.Messages.empty());

    // Nor does a whole document that cannot be read back, as in a folder the
    // program may write but not read: here a file only its owner may write,
    // printed over by someone who is not the system's administrator.
    const std::string muet = (dossier / "illisible.pdf").string();
    testsupport::WriteWholeFile(muet, "");
    std::filesystem::permissions(muet, std::filesystem::perms::owner_write);
    std::filesystem::permissions(dossier.path(), std::filesystem::perms::all);
    const uid_t administrateur = geteuid();
    if (administrateur == 0) {
        ASSERT_EQ(chown(muet.c_str(), CompteSansDroits, CompteSansDroits), 0);
        ASSERT_EQ(seteuid(CompteSansDroits), 0);
    }
    bool lu = true;
    {
        TImprimantePdf imprimante(muet);
        if (imprimante.BeginDoc())
            lu = imprimante.EndDoc();
    }
    if (administrateur == 0) {
        ASSERT_EQ(seteuid(0), 0);
    }
    EXPECT_TRUE(lu);
    EXPECT_TRUE(messages.Messages.empty());
    EXPECT_GT(std::filesystem::file_size(muet), 0u);
}

TEST(Imprimante, ChoixAnnuleNImprimeRien)
{
    testsupport::TMessagesScriptes messages;
    TDialoguesScriptes dialogues;
    dialogues.ImprimanteChoisie = false;
    TImprimante imprimante;
    EXPECT_FALSE(imprimante.BeginDoc());
    EXPECT_EQ(imprimante.Canvas(), nullptr);
    EXPECT_FALSE(imprimante.NewPage());
    imprimante.EndDoc();
    EXPECT_EQ(dialogues.NbChoixImprimante, 1);
    EXPECT_TRUE(messages.Messages.empty()) << "the user's own choice is not a failure";
}

TEST(Bureau, SujetsAideEtPagesWeb)
{
    testsupport::TempDir dossier;
    std::filesystem::create_directories(dossier.path() / "aide" / "fr" / "html");
    testsupport::WriteWholeFile(dossier.path() / "aide" / "fr" / "html" / "menueff.htm", "<html></html>");
    testsupport::WriteWholeFile(dossier.path() / "aide" / "fr" / "index.htm", "<html></html>");
    const std::string aide = dossier.str() + "aide/fr";
    InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/Textefr.txt"));
    testsupport::TBureauEnregistre bureau;
    testsupport::TMessagesScriptes messages;
    EXPECT_TRUE(OuvreSujetAide(aide, "::/html/menueff.htm"));
    EXPECT_TRUE(OuvreSujetAide(aide + "/", ""));
    EXPECT_TRUE(OuvrePageWeb("http://exemple.test/redir.php"));
    EXPECT_FALSE(OuvrePageWeb(""));
    EXPECT_EQ(bureau.Urls,
              (std::vector<std::string>{"file://" + aide + "/html/menueff.htm", "file://" + aide + "/index.htm",
                                        "http://exemple.test/redir.php"}));
    EXPECT_TRUE(messages.Messages.empty());

    // A page that is not there, or that nothing opens: the user is given its path or its link.
    bureau.Urls.clear();
    EXPECT_FALSE(OuvreSujetAide(aide, "::/html/absente.htm"));
    EXPECT_TRUE(bureau.Urls.empty());
    bureau.Reussit = false;
    EXPECT_FALSE(OuvreSujetAide(aide, ""));
    EXPECT_FALSE(OuvrePageWeb("http://exemple.test/redir.php"));
    ASSERT_EQ(messages.Messages.size(), 3u);
    EXPECT_NE(messages.Messages[0].Texte.find(aide + "/html/absente.htm"), std::string::npos);
    EXPECT_NE(messages.Messages[1].Texte.find(aide + "/index.htm"), std::string::npos);
    EXPECT_NE(messages.Messages[2].Texte.find("http://exemple.test/redir.php"), std::string::npos);
    for (const auto& m : messages.Messages)
        EXPECT_EQ(m.Flags, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
    InstalleTraducteur(nullptr);
}

TEST(FilUI, TravailPosteDepuisUnAutreFilTourneSurLeFilUI)
{
    std::atomic<bool> surFilUI{false};
    std::atomic<int> ordre{0};
    std::thread travailleur([&] {
        EXPECT_FALSE(EstFilUI());
        PosteSurFilUI([&] {
            surFilUI = EstFilUI();
            ordre = ordre * 10 + 1;
        });
        PosteSurFilUI([&] { ordre = ordre * 10 + 2; });
    });
    travailleur.join();
    EXPECT_TRUE(EstFilUI());
    QCoreApplication::processEvents();
    EXPECT_TRUE(surFilUI);
    EXPECT_EQ(ordre, 12) << "posted work runs in order";
}

TEST(Ecran, CouleursCompteesCommeAuDemarrage)
{
    EXPECT_EQ(NombreCouleursEcran({16, 800, 600}), 65536);
    EXPECT_EQ(NombreCouleursEcran({32, 800, 600}), 1 << 24);
    EXPECT_EQ(NombreCouleursEcran({8, 800, 600}), 256);
    struct TPetit : TServiceEcran {
        TInfoEcran Info() override { return {8, 320, 200}; }
    } petit;
    TServiceEcran* ancien = InstalleEcran(&petit);
    EXPECT_EQ(Ecran().Info().Largeur, 320);
    InstalleEcran(ancien);
    EXPECT_GT(Ecran().Info().BitsParPixel, 0);
}
