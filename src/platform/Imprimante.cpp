#include "platform/Imprimante.h"

#include "base/Ajustement.h"
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

// The size of a document's title when the page has room for its words.
constexpr int TailleTitre = 16;

// A PDF whose last bytes are not its end marker was cut while being written.
bool PdfEntier(const std::string& fichier)
{
    std::error_code err;
    if (!std::filesystem::is_regular_file(fichier, err))
        return true; // a device or a pipe: nothing to read back
    std::ifstream f(fichier, std::ios::binary);
    f.seekg(0, std::ios::end);
    const std::streamoff taille = f.tellg();
    const std::streamoff lu = std::min<std::streamoff>(taille, 64);
    std::string fin(static_cast<size_t>(std::max<std::streamoff>(lu, 0)), '\0');
    f.seekg(taille - lu);
    f.read(fin.data(), lu);
    return f && fin.find("%%EOF") != std::string::npos;
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
        entier = PdfEntier(fichier);
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
    police.setBold(true);
    const QString texte = QString::fromStdString(titre);
    const QStringList mots = texte.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Lines break at blanks; a word alone wider than the page makes the whole
    // title smaller, and breaks between its letters when it is still too wide.
    auto motsTiennent = [&](int taille) {
        police.setPointSize(taille);
        const QFontMetrics m(police, p.device());
        return std::all_of(mots.begin(), mots.end(),
                           [&](const QString& mot) { return m.horizontalAdvance(mot) <= largeur; });
    };
    const TTailleAjustee taille = AjusteTaille(TailleTitre, motsTiennent);
    police.setPointSize(taille.Taille);
    p.setFont(police);
    p.setPen(Qt::black);
    const QFontMetrics mesure(police, p.device());
    const int drapeaux = Qt::AlignLeft | Qt::AlignTop | (taille.Tient ? Qt::TextWordWrap : Qt::TextWrapAnywhere);
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
