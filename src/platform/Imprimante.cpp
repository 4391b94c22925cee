#include "platform/Imprimante.h"

#include "platform/Dialogues.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace {

TImprimante* ImprimanteInstallee = nullptr;

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
    FPrinter->setDocName(QString::fromStdString(FTitre));
    if (!Prepare(*FPrinter))
        return false;
    // The choice may have changed the orientation; the document asked for one.
    SetOrientation(FOrientation);
    auto canvas = std::make_unique<QPainter>();
    if (!canvas->begin(FPrinter.get()))
        return false;
    FCanvas = std::move(canvas);
    return true;
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
