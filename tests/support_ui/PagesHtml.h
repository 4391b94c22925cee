#pragma once
// Reading back the pages the program exports, as a browser would.

#include <string>
#include <vector>

namespace testsupport {

// The files the pictures of a page stand in: the address of each image
// element resolved against the page's own file, as a browser resolves it.
std::vector<std::string> ImagesDeLaPage(const std::string& fichierHtml);

// The document name a PDF file carries in its information dictionary, empty
// when it has none.
std::string TitrePdf(const std::string& fichierPdf);

} // namespace testsupport
