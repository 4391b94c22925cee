#pragma once

#include <memory>
#include <string>

class QPainter;
class QPrinter;

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
    bool NewPage();
    void EndDoc();
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
    // canvas's transformation; the height it took in printer pixels, 0
    // without a title or a document.
    int ImprimeTitre();

    QPrinter& Printer() { return *FPrinter; }

protected:
    // Readies the printer for a document (asks the user for the real one).
    virtual bool Prepare(QPrinter& printer);

private:
    void SignaleEchec() const;

    std::unique_ptr<QPrinter> FPrinter;
    std::unique_ptr<QPainter> FCanvas;
    std::string FTitre;
    TOrientation FOrientation = TOrientation::Portrait;
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
// cut to Largeur pixels; the height it takes with the space under it (0 for
// an empty title).
int DessineTitreDocument(QPainter& p, const std::string& titre, int largeur);

// A title as a document name: the characters a file name cannot hold (":",
// "/", "\\", "*", "?", quotes, "<", ">", "|") become dashes.
std::string NomDocument(const std::string& titre);
