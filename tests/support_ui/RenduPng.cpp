#include "support_ui/RenduPng.h"

#include <QCoreApplication>
#include <QPainter>

#include <filesystem>

namespace testsupport {

std::string DossierRendus()
{
    // Test programs live in build/bin: the pictures go beside it, out of the
    // program folder, whatever folder the test has made current.
    const std::filesystem::path dossier =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "rendus";
    std::filesystem::create_directories(dossier);
    return dossier.string();
}

void SauvePng(const QImage& image, const std::string& nom)
{
    image.save(QString::fromStdString(DossierRendus() + "/" + nom + ".png"), "PNG");
}

QImage RendPng(QWidget& widget, const std::string& nom)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(QColor(0xE4, 0xE8, 0xF0));
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    SauvePng(image, nom);
    return image;
}

} // namespace testsupport
