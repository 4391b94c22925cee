#pragma once

#include <QImage>
#include <QWidget>

#include <string>

namespace testsupport {

// Folder under the build folder where the interface tests leave the pictures
// of what they paint, to be looked at (not compared); created on demand.
std::string DossierRendus();

// Renders a widget (and its children) on a plain background and saves it as
// DossierRendus()/nom.png; returns the picture.
QImage RendPng(QWidget& widget, const std::string& nom);

// Saves a picture there as nom.png.
void SauvePng(const QImage& image, const std::string& nom);

} // namespace testsupport
