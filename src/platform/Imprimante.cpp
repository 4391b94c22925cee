#include "platform/Imprimante.h"

#include "base/Disque.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "platform/Dialogues.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <string_view>

namespace {

TImprimante* ImprimanteInstallee = nullptr;

constexpr int TexteImprimanteRefuse = 3320;
constexpr int TexteAucuneImprimante = 3321;
constexpr int TexteFichierImpression = 3322;

} // namespace

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
    FPrinter->setDocName(QString::fromStdString(NomDocument(FTitre)));
    if (!Prepare(*FPrinter))
        return false;
    // The choice may have changed the orientation; the document asked for one.
    SetOrientation(FOrientation);
    auto canvas = std::make_unique<QPainter>();
    if (!canvas->begin(FPrinter.get())) {
        SignaleEchec();
        return false;
    }
    FCanvas = std::move(canvas);
    return true;
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
    return FCanvas && FPrinter->newPage();
}

void TImprimante::EndDoc()
{
    if (FCanvas) {
        FCanvas->end();
        FCanvas.reset();
    }
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
    p.setFont(police);
    p.setPen(Qt::black);
    const QFontMetrics mesure(police, p.device());
    p.drawText(0, mesure.ascent(), mesure.elidedText(QString::fromStdString(titre), Qt::ElideRight, largeur));
    p.restore();
    // A blank line's worth between the title and what it heads.
    return mesure.height() * 2;
}

std::string NomDocument(const std::string& titre)
{
    std::string nom = titre;
    for (char& c : nom)
        if (std::string_view(":/\\*?\"<>|").find(c) != std::string_view::npos)
            c = '-';
    return nom;
}
