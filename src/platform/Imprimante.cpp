#include "platform/Imprimante.h"

#include "base/Disque.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "platform/Dialogues.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace {

TImprimante* ImprimanteInstallee = nullptr;

constexpr int TexteImprimanteRefuse = 3320;
constexpr int TexteAucuneImprimante = 3321;
constexpr int TexteFichierImpression = 3322;
constexpr int TexteFichierInacheve = 3323;
constexpr int TexteImprimanteArretee = 3324;

// How much of a PDF's end is read back to find its end marker: the marker and
// the line ends a writer may put after it, with room to spare.
constexpr std::streamoff FinPdfRelue = 64;

// A PDF whose last bytes, read back, are not its end marker was cut while
// being written. Only what was read tells: a file that cannot be read back (a
// device, a pipe, a folder the program may write but not read) is taken as
// written.
bool PdfCoupe(const std::string& fichier)
{
    std::error_code err;
    if (!std::filesystem::is_regular_file(fichier, err))
        return false;
    std::ifstream f(fichier, std::ios::binary);
    if (!f.seekg(0, std::ios::end))
        return false;
    const std::streamoff taille = f.tellg();
    if (taille < 0)
        return false;
    const std::streamoff lu = std::min(taille, FinPdfRelue);
    std::string fin(static_cast<size_t>(lu), '\0');
    if (!f.seekg(taille - lu) || !f.read(fin.data(), lu))
        return false;
    return fin.find("%%EOF") == std::string::npos;
}

// The file the print dialog proposes for a document after an earlier one went
// to Precedent: the dialog offers the file the printer last wrote, so a second
// document would be offered the first one's file, and a hasty Yes would
// replace it. Each document is offered its own name, in the folder chosen
// last; a document without a name is offered none.
std::string FichierPropose(const std::string& precedent, const std::string& nomDocument)
{
    if (nomDocument.empty())
        return {};
    return (std::filesystem::path(precedent).parent_path() / (nomDocument + ".pdf")).string();
}

// Why a file was left unfinished: what its place tells, else a disk with no room left.
int CauseFichierInacheve(const std::string& fichier)
{
    if (const int cause = CauseEchecEcriture(fichier); cause != 0)
        return cause;
    std::error_code err;
    const std::filesystem::path dossier = std::filesystem::absolute(fichier, err).parent_path();
    const std::filesystem::space_info place = std::filesystem::space(dossier, err);
    return !err && place.available == 0 ? ENOSPC : 0;
}

} // namespace

TTemoinImpression* TemoinImpression = nullptr;

TImprimante::TImprimante() : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TImprimante::~TImprimante()
{
    Abort();
}

void TImprimante::SetTitre(const std::string& titre)
{
    FTitre = titre;
}

void TImprimante::SetOrientation(TOrientation orientation)
{
    FOrientation = orientation;
    FPrinter->setPageOrientation(orientation == TOrientation::Paysage ? QPageLayout::Landscape : QPageLayout::Portrait);
}

bool TImprimante::BeginDoc()
{
    if (FCanvas)
        return false;
    const std::string nom = NomDocument(FTitre);
    FPrinter->setDocName(QString::fromStdString(nom));
    // Before any file was chosen the dialog makes one of the document's name itself.
    if (const QString precedent = FPrinter->outputFileName(); !precedent.isEmpty())
        FPrinter->setOutputFileName(QString::fromStdString(FichierPropose(precedent.toStdString(), nom)));
    if (!Prepare(*FPrinter))
        return false;
    // The choice may have changed the orientation; the document asked for one.
    SetOrientation(FOrientation);
    auto canvas = std::make_unique<QPainter>();
    if (!canvas->begin(FPrinter.get())) {
        SignaleEchec();
        // A printer that could not begin may stay busy for good, refusing
        // every later choice (another printer, a file, the next document's
        // name): the next document gets a fresh one.
        FPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        SetOrientation(FOrientation);
        return false;
    }
    FCanvas = std::move(canvas);
    FEchoue = false;
    FPage = 0;
    AnnoncePage();
    return true;
}

void TImprimante::AnnoncePage()
{
    ++FPage;
    if (TemoinImpression != nullptr && FCanvas)
        TemoinImpression->Page(*FCanvas, FPage, QSize(PageWidth(), PageHeight()));
}

// Told once per document: the drawing goes on to its end after a refused page.
void TImprimante::SignaleEchecEnCours()
{
    if (FEchoue)
        return;
    FEchoue = true;
    const std::string fichier = FPrinter->outputFileName().toStdString();
    std::string texte;
    if (!fichier.empty())
        texte = TraduitFmt(TexteFichierInacheve, {fichier, TexteErreurSysteme(CauseFichierInacheve(fichier))});
    else
        texte = TraduitFmt(TexteImprimanteArretee, {FPrinter->printerName().toStdString()});
    MessageUtil(texte, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
}

// The printer says nothing of why it refused; a file target tells by its folder.
void TImprimante::SignaleEchec() const
{
    const std::string fichier = FPrinter->outputFileName().toStdString();
    const std::string imprimante = FPrinter->printerName().toStdString();
    std::string texte;
    if (!fichier.empty())
        texte = TraduitFmt(TexteFichierImpression, {fichier, TexteErreurSysteme(CauseEchecEcriture(fichier))});
    else if (imprimante.empty())
        texte = Traduit(TexteAucuneImprimante);
    else
        texte = TraduitFmt(TexteImprimanteRefuse, {imprimante});
    MessageUtil(texte, BoutonsMessage::Ok | BoutonsMessage::Avertissement);
}

bool TImprimante::NewPage()
{
    if (!FCanvas || FEchoue)
        return false;
    if (!FPrinter->newPage() || FPrinter->printerState() == QPrinter::Error) {
        SignaleEchecEnCours();
        return false;
    }
    AnnoncePage();
    return true;
}

bool TImprimante::EndDoc()
{
    if (!FCanvas)
        return false;
    bool entier = FCanvas->end() && FPrinter->printerState() != QPrinter::Error;
    FCanvas.reset();
    const std::string fichier = FPrinter->outputFileName().toStdString();
    if (entier && !fichier.empty() && FPrinter->outputFormat() == QPrinter::PdfFormat)
        entier = !PdfCoupe(fichier);
    if (!entier)
        SignaleEchecEnCours();
    entier = entier && !FEchoue;
    FEchoue = false;
    return entier;
}

void TImprimante::Abort()
{
    if (FCanvas) {
        FPrinter->abort();
        FCanvas->end();
        FCanvas.reset();
    }
}

bool TImprimante::Printing() const
{
    return FCanvas != nullptr;
}

int TImprimante::PageWidth() const
{
    return FPrinter->pageLayout().paintRectPixels(FPrinter->resolution()).width();
}

int TImprimante::PageHeight() const
{
    return FPrinter->pageLayout().paintRectPixels(FPrinter->resolution()).height();
}

int TImprimante::Resolution() const
{
    return FPrinter->resolution();
}

int TImprimante::ImprimeTitre()
{
    if (!FCanvas || FTitre.empty())
        return 0;
    return DessineTitreDocument(*FCanvas, FTitre, PageWidth());
}

bool TImprimante::Prepare(QPrinter& printer)
{
    return Dialogues().ChoisitImprimante(printer);
}

TImprimantePdf::TImprimantePdf(const std::string& fichierPdf) : FFichier(fichierPdf)
{
    FAncienne = InstalleImprimante(this);
}

TImprimantePdf::~TImprimantePdf()
{
    EndDoc();
    InstalleImprimante(FAncienne);
}

bool TImprimantePdf::Prepare(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(FFichier));
    return true;
}

TImprimante& Imprimante()
{
    if (ImprimanteInstallee != nullptr)
        return *ImprimanteInstallee;
    // Kept to the end of the process: printer back-ends dislike being torn down
    // after the application object.
    static TImprimante* imprimante = new TImprimante;
    return *imprimante;
}

TImprimante* InstalleImprimante(TImprimante* imprimante)
{
    TImprimante* ancienne = ImprimanteInstallee;
    ImprimanteInstallee = imprimante;
    return ancienne;
}

int DessineTitreDocument(QPainter& p, const std::string& titre, int largeur)
{
    if (titre.empty())
        return 0;
    p.save();
    // At the page's top whatever the drawing under way has moved or scaled.
    p.resetTransform();
    p.setClipping(false);
    QFont police = p.font();
    police.setPointSize(16);
    police.setBold(true);
    const QString texte = QString::fromStdString(titre);
    const QStringList mots = texte.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Lines break at blanks; a word alone wider than the page makes the whole title smaller.
    auto plusLarge = [&](const QFontMetrics& m) {
        int l = 0;
        for (const QString& mot : mots)
            l = std::max(l, m.horizontalAdvance(mot));
        return l;
    };
    while (police.pointSize() > 6 && plusLarge(QFontMetrics(police, p.device())) > largeur)
        police.setPointSize(police.pointSize() - 1);
    p.setFont(police);
    p.setPen(Qt::black);
    const QFontMetrics mesure(police, p.device());
    const int drapeaux =
        Qt::AlignLeft | Qt::AlignTop | (plusLarge(mesure) > largeur ? Qt::TextWrapAnywhere : Qt::TextWordWrap);
    const QRect boite = mesure.boundingRect(QRect(0, 0, std::max(largeur, 1), 1 << 20), drapeaux, texte);
    p.drawText(QRect(0, 0, std::max(largeur, 1), boite.height()), drapeaux, texte);
    if (TemoinImpression != nullptr)
        TemoinImpression->Titre(p, QRectF(boite), texte);
    p.restore();
    // A blank line's worth between the title and what it heads.
    return boite.height() + mesure.height();
}

std::string NomDocument(const std::string& titre)
{
    std::string nom = titre;
    for (char& c : nom)
        if (std::string_view(":/\\*?\"<>|").find(c) != std::string_view::npos)
            c = '-';
    return nom;
}
