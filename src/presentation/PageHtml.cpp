#include "presentation/PageHtml.h"

#include "base/Contraste.h"
#include "base/Utilities.h"

#include <filesystem>
#include <fstream>

namespace {

const char* const Crlf = "\r\n";

bool EstCouleurHtml(std::string_view Texte)
{
    if (Texte.size() != 7 || Texte[0] != '#')
        return false;
    for (char C : Texte.substr(1))
        if (!((C >= '0' && C <= '9') || (C >= 'a' && C <= 'f') || (C >= 'A' && C <= 'F')))
            return false;
    return true;
}

} // namespace

std::string EchappeHtml(std::string_view Texte)
{
    std::string R;
    R.reserve(Texte.size());
    for (char C : Texte) {
        switch (C) {
        case '&':
            R += "&amp;";
            break;
        case '<':
            R += "&lt;";
            break;
        case '>':
            R += "&gt;";
            break;
        case '"':
            R += "&quot;";
            break;
        case '\'':
            R += "&#39;";
            break;
        default:
            R += C;
        }
    }
    return R;
}

bool EcritHtml(const std::string& NomFichier, const std::string& Html, bool Creer)
{
    std::ofstream Fichier(NomFichier, std::ios::binary | (Creer ? std::ios::trunc : std::ios::app));
    if (!Fichier)
        return false;
    Fichier << Html;
    Fichier.close();
    return !Fichier.fail();
}

std::string EcritPageImage(const std::string& NomFichier, const std::string& Titre, const std::string& Suffixe,
                           const std::function<bool(const std::string& Chemin)>& Sauve)
{
    const std::filesystem::path Page(NomFichier);
    const std::string Nom = Page.stem().string() + Suffixe + ".png";
    const std::string Chemin = (Page.parent_path() / Nom).string();
    if (!Sauve(Chemin))
        return Chemin;
    const std::string Html = DebutPageHtml(Titre, "#80CCFE") + "    <img src=\"" + UrlFichier(Nom) + "\">" + Crlf;
    return EcritHtml(NomFichier, Html + FinPageHtml(), true) ? std::string() : NomFichier;
}

std::string DebutPageHtml(const std::string& Titre, const std::string& Fond, const std::string& Encre)
{
    std::string Html = std::string("<html>") + Crlf + "  <head>" + Crlf + "    <meta charset=\"utf-8\">" + Crlf +
                       "    <title>" + EchappeHtml(Titre) + "</title>" + Crlf + "  </head>" + Crlf +
                       "  <body bgcolor=\"" + Fond + "\">" + Crlf;
    if (!Titre.empty())
        Html += "    <h1><font color=\"" + EncreLisibleHtml(Encre, Fond) + "\">" + EchappeHtml(Titre) + "</font></h1>" +
                Crlf;
    return Html;
}

std::string FinPageHtml()
{
    return std::string("  </body>") + Crlf + "</html>" + Crlf;
}

std::string UrlFichier(std::string_view Nom)
{
    static const char Chiffres[] = "0123456789ABCDEF";
    std::string R;
    for (char C : Nom) {
        const auto Octet = static_cast<unsigned char>(C);
        if ((Octet >= 'a' && Octet <= 'z') || (Octet >= 'A' && Octet <= 'Z') || (Octet >= '0' && Octet <= '9') ||
            C == '-' || C == '.' || C == '_' || C == '~') {
            R += C;
        } else {
            R += '%';
            R += Chiffres[Octet >> 4];
            R += Chiffres[Octet & 15];
        }
    }
    return R;
}

std::string EncreLisibleHtml(const std::string& Encre, const std::string& Fond)
{
    if (!EstCouleurHtml(Encre) || !EstCouleurHtml(Fond))
        return Encre;
    const TColor Lisible = EncreLisible(HtmlVersCouleur(Encre), HtmlVersCouleur(Fond));
    return Lisible == HtmlVersCouleur(Encre) ? Encre : CouleurVersHtml(Lisible);
}
