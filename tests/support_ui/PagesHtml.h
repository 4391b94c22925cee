#pragma once
// Reading back the pages the program exports, as a browser would.

#include <string>
#include <vector>

namespace testsupport {

// The files the pictures of a page stand in: the address of each image
// element resolved against the page's own file, as a browser resolves it.
std::vector<std::string> ImagesDeLaPage(const std::string& fichierHtml);

// What HTML Tidy ("tidy -e") finds wrong in the structure of a page: an
// element misnested, left open, closed without being opened or standing where
// it may not; one line each. Nothing for a well-formed page. A single line
// saying so when tidy cannot be run.
std::vector<std::string> DefautsDeStructure(const std::string& fichierHtml);

// The texts of a page whose ink contrasts less than 3:1 with its ground (the
// colour of the nearest background attribute before it), as "ink on ground".
std::vector<std::string> EncresIllisibles(const std::string& fichierHtml);

// The document name a PDF file carries in its information dictionary, empty
// when it has none.
std::string TitrePdf(const std::string& fichierPdf);

} // namespace testsupport
