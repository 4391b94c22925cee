#include "support_ui/PagesHtml.h"

#include "support/TestSupport.h"

#include <QString>
#include <QUrl>

#include <regex>

namespace testsupport {

namespace {

std::string SansEntites(std::string texte)
{
    for (const auto& [entite, caractere] : {std::pair<std::string, std::string>{"&quot;", "\""},
                                            {"&#39;", "'"},
                                            {"&lt;", "<"},
                                            {"&gt;", ">"},
                                            {"&amp;", "&"}})
        for (size_t p = texte.find(entite); p != std::string::npos; p = texte.find(entite, p + 1))
            texte.replace(p, entite.size(), caractere);
    return texte;
}

} // namespace

std::vector<std::string> ImagesDeLaPage(const std::string& fichierHtml)
{
    const std::string html = ReadWholeFile(fichierHtml);
    const QUrl page = QUrl::fromLocalFile(QString::fromStdString(fichierHtml));
    const std::regex image("<img[^>]*\\ssrc=\"([^\"]*)\"", std::regex::icase);
    std::vector<std::string> fichiers;
    for (auto i = std::sregex_iterator(html.begin(), html.end(), image); i != std::sregex_iterator(); ++i) {
        const QUrl lien(QString::fromStdString(SansEntites((*i)[1].str())));
        fichiers.push_back(page.resolved(lien).toLocalFile().toStdString());
    }
    return fichiers;
}

std::string TitrePdf(const std::string& fichierPdf)
{
    const std::string pdf = ReadWholeFile(fichierPdf);
    const size_t titre = pdf.find("/Title (");
    if (titre == std::string::npos)
        return {};
    // A literal string: backslash escapes, UTF-16 after a byte order mark.
    std::string octets;
    for (size_t i = titre + 8; i < pdf.size() && pdf[i] != ')'; ++i)
        octets += pdf[i] == '\\' && i + 1 < pdf.size() ? pdf[++i] : pdf[i];
    if (octets.rfind("\xFE\xFF", 0) != 0)
        return octets;
    std::u16string texte;
    for (size_t i = 2; i + 1 < octets.size(); i += 2)
        texte += static_cast<char16_t>((static_cast<unsigned char>(octets[i]) << 8) |
                                       static_cast<unsigned char>(octets[i + 1]));
    return QString::fromStdU16String(texte).toStdString();
}

} // namespace testsupport
