#include "support_ui/PagesHtml.h"

#include "base/Contraste.h"
#include "base/Utilities.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QString>
#include <QUrl>

#include <regex>
#include <sstream>

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

std::vector<std::string> DefautsDeStructure(const std::string& fichierHtml)
{
    QProcess tidy;
    tidy.start("tidy", {"-e", "-q", "-utf8", QString::fromStdString(fichierHtml)});
    if (!tidy.waitForFinished(30000))
        return {"tidy could not be run on " + fichierHtml};
    // Tidy also names attributes and elements older than HTML5: the pages
    // keep those on purpose.
    const std::regex structure("missing </|discarding unexpected|replacing unexpected|inserting implicit|"
                               "isn't allowed in|unexpected </|missing '>'|end of file");
    std::vector<std::string> defauts;
    std::istringstream lignes(tidy.readAllStandardError().toStdString() + tidy.readAllStandardOutput().toStdString());
    for (std::string ligne; std::getline(lignes, ligne);)
        if (std::regex_search(ligne, structure))
            defauts.push_back(ligne);
    return defauts;
}

std::vector<std::string> EncresIllisibles(const std::string& fichierHtml)
{
    const std::string html = ReadWholeFile(fichierHtml);
    const std::regex couleur("(bgcolor|font color)\\s*=\\s*\"?(#[0-9a-f]{6})", std::regex::icase);
    std::string fond;
    std::vector<std::string> illisibles;
    for (auto i = std::sregex_iterator(html.begin(), html.end(), couleur); i != std::sregex_iterator(); ++i) {
        const std::string genre = (*i)[1].str();
        const std::string valeur = (*i)[2].str();
        if (genre.front() == 'b' || genre.front() == 'B')
            fond = valeur;
        else if (!fond.empty() && Contraste(HtmlVersCouleur(valeur), HtmlVersCouleur(fond)) < 3.0)
            illisibles.push_back(valeur + " on " + fond);
    }
    return illisibles;
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
