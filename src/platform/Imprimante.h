#pragma once

#include <memory>
#include <string>

class QPainter;
class QPrinter;
class QRectF;
class QSize;
class QString;

// The printer the pages, grids, charts and reports print on. A document is
// BeginDoc, drawing on Canvas() (page coordinates in printer pixels, origin at
// the printable area's top-left), NewPage between pages, EndDoc. Printing code
// gets it from Imprimante(): the printer the user chooses, or, in tests, a PDF
// file (TImprimantePdf installs itself for its lifetime).
class TImprimante {
public:
    enum class TOrientation { Portrait, Paysage };

    TImprimante();
    virtual ~TImprimante();
    TImprimante(const TImprimante&) = delete;
    TImprimante& operator=(const TImprimante&) = delete;

    // The title of the next document: the heading ImprimeTitre draws, and the
    // document's name, which the print dialog makes a file name of (without
    // the characters a file name cannot hold).
    void SetTitre(const std::string& titre);
    const std::string& Titre() const { return FTitre; }
    void SetOrientation(TOrientation orientation);
    TOrientation Orientation() const { return FOrientation; }

    // False when the user cancelled the printer choice or the printer cannot
    // be opened: then there is no canvas and nothing is printed. A printer
    // that cannot be opened is told to the user, with the reason.
    bool BeginDoc();
    // False when the printer refuses another page (the canvas stays, so that
    // the drawing under way ends safely) or stopped before.
    bool NewPage();
    // False when the document could not be printed whole. A printer that
    // stopped, a file left unfinished (a full disk) is told to the user once,
    // with the reason, whichever of NewPage and EndDoc met it.
    bool EndDoc();
    // Drops the document being printed.
    void Abort();
    bool Printing() const;

    // The canvas of the document being printed, nullptr outside one.
    QPainter* Canvas() const { return FCanvas.get(); }
    // Size of the printable area in printer pixels.
    int PageWidth() const;
    int PageHeight() const;
    int Resolution() const;
    // Draws the title at the top of the page being printed, whatever the
    // canvas's transformation, whole (see DessineTitreDocument); the height it
    // took in printer pixels, 0 without a title or a document.
    int ImprimeTitre();

    QPrinter& Printer() { return *FPrinter; }

protected:
    // Readies the printer for a document (asks the user for the real one).
    virtual bool Prepare(QPrinter& printer);

private:
    void SignaleEchec() const;
    void SignaleEchecEnCours();
    void AnnoncePage();

    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<QPainter> FCanvas;
    std::string FTitre;
    TOrientation FOrientation = TOrientation::Portrait;
    int FPage = 0;
    // The document under way has failed and the user was told.
    bool FEchoue = false;
};

// Prints into a PDF file without asking anything; installed as Imprimante()
// while it lives.
class TImprimantePdf : public TImprimante {
public:
    explicit TImprimantePdf(const std::string& fichierPdf);
    ~TImprimantePdf() override;

    const std::string& Fichier() const { return FFichier; }

protected:
    bool Prepare(QPrinter& printer) override;

private:
    std::string FFichier;
    TImprimante* FAncienne;
};

TImprimante& Imprimante();
// Installs a printer target (nullptr: the user's printer again); returns the former one.
TImprimante* InstalleImprimante(TImprimante* imprimante);

// Draws a document's title in bold at the top left of the painter's device,
// within Largeur pixels and whole: wrapped at blanks onto further lines, and
// smaller where a word alone is wider than the page; the height it takes with
// the space under it (0 for an empty title).
int DessineTitreDocument(QPainter& p, const std::string& titre, int largeur);

// Told of each page the printer starts and of the title it draws there, for
// the tests that read the paper; the controls tell their own drawing through
// their painting witness. Unset in the program.
class TTemoinImpression {
public:
    virtual ~TTemoinImpression() = default;
    // Page Numero (from 1) of a document begins; Taille: its printable area.
    virtual void Page(const QPainter& p, int numero, const QSize& taille) = 0;
    virtual void Titre(const QPainter& p, const QRectF& boite, const QString& texte) = 0;
};

extern TTemoinImpression* TemoinImpression;

// A title as a document name: the characters a file name cannot hold (":",
// "/", "\\", "*", "?", quotes, "<", ">", "|") become dashes.
std::string NomDocument(const std::string& titre);
