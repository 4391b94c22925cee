#include "Json.h"

#include "base/Texte.h"

#include <charconv>
#include <chrono>

namespace {

constexpr int MaxProfondeur = 32;

// One pass over the text; every failure ends the read with a message.
class TLecteurJson {
public:
    explicit TLecteurJson(std::string_view texte) : Texte(texte) {}

    bool Lit(TJson& racine, std::string& erreur)
    {
        if (!LitValeur(racine, 0) || (Blancs(), Pos != Texte.size())) {
            erreur = "not JSON (byte " + std::to_string(Pos) + ")";
            return false;
        }
        return true;
    }

private:
    void Blancs()
    {
        while (Pos < Texte.size() &&
               (Texte[Pos] == ' ' || Texte[Pos] == '\t' || Texte[Pos] == '\n' || Texte[Pos] == '\r'))
            ++Pos;
    }
    bool Suit(char c)
    {
        Blancs();
        if (Pos < Texte.size() && Texte[Pos] == c) {
            ++Pos;
            return true;
        }
        return false;
    }
    bool Mot(std::string_view mot)
    {
        if (Texte.substr(Pos, mot.size()) != mot)
            return false;
        Pos += mot.size();
        return true;
    }

    bool LitValeur(TJson& v, int profondeur)
    {
        if (profondeur > MaxProfondeur)
            return false;
        Blancs();
        if (Pos >= Texte.size())
            return false;
        switch (Texte[Pos]) {
        case '{':
            ++Pos;
            v.Type = TJson::Objet;
            if (Suit('}'))
                return true;
            do {
                std::string cle;
                Blancs();
                if (!LitChaine(cle) || !Suit(':'))
                    return false;
                v.Cles.push_back(std::move(cle));
                v.Elements.emplace_back();
                if (!LitValeur(v.Elements.back(), profondeur + 1))
                    return false;
            } while (Suit(','));
            return Suit('}');
        case '[':
            ++Pos;
            v.Type = TJson::Tableau;
            if (Suit(']'))
                return true;
            do {
                v.Elements.emplace_back();
                if (!LitValeur(v.Elements.back(), profondeur + 1))
                    return false;
            } while (Suit(','));
            return Suit(']');
        case '"':
            v.Type = TJson::Texte;
            return LitChaine(v.Chaine);
        case 't':
            v.Type = TJson::Booleen;
            v.Valeur = 1;
            return Mot("true");
        case 'f':
            v.Type = TJson::Booleen;
            return Mot("false");
        case 'n':
            return Mot("null");
        default:
            v.Type = TJson::Nombre;
            return LitNombre(v.Valeur);
        }
    }

    bool LitNombre(double& valeur)
    {
        const char* debut = Texte.data() + Pos;
        const auto [fin, ec] = std::from_chars(debut, Texte.data() + Texte.size(), valeur);
        if (ec != std::errc() || fin == debut)
            return false;
        Pos += static_cast<size_t>(fin - debut);
        return true;
    }

    bool LitHex4(char32_t& c)
    {
        if (Pos + 4 > Texte.size())
            return false;
        unsigned valeur = 0;
        const auto [fin, ec] = std::from_chars(Texte.data() + Pos, Texte.data() + Pos + 4, valeur, 16);
        if (ec != std::errc() || fin != Texte.data() + Pos + 4)
            return false;
        Pos += 4;
        c = valeur;
        return true;
    }

    bool LitChaine(std::string& chaine)
    {
        if (Pos >= Texte.size() || Texte[Pos] != '"')
            return false;
        ++Pos;
        while (Pos < Texte.size()) {
            const char c = Texte[Pos++];
            if (c == '"')
                return EstUtf8Valide(chaine);
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                chaine += c;
                continue;
            }
            if (Pos >= Texte.size())
                return false;
            const char e = Texte[Pos++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                chaine += e;
                break;
            case 'b':
                chaine += '\b';
                break;
            case 'f':
                chaine += '\f';
                break;
            case 'n':
                chaine += '\n';
                break;
            case 'r':
                chaine += '\r';
                break;
            case 't':
                chaine += '\t';
                break;
            case 'u': {
                char32_t u = 0;
                if (!LitHex4(u))
                    return false;
                // A character beyond the first plane comes as a surrogate pair.
                if (u >= 0xD800 && u <= 0xDBFF) {
                    char32_t bas = 0;
                    if (!Mot("\\u") || !LitHex4(bas) || bas < 0xDC00 || bas > 0xDFFF)
                        return false;
                    u = 0x10000 + ((u - 0xD800) << 10) + (bas - 0xDC00);
                } else if (u >= 0xDC00 && u <= 0xDFFF) {
                    return false;
                }
                AjouteCaractere(chaine, u);
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }

    std::string_view Texte;
    size_t Pos = 0;
};

} // namespace

bool LitJson(std::string_view texte, TJson& racine, std::string& erreur)
{
    racine = {};
    return TLecteurJson(texte).Lit(racine, erreur);
}

bool LitDateIso(std::string_view texte, int& annee, int& mois, int& jour)
{
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return false;
    auto nombre = [&](size_t debut, size_t longueur, int& valeur) {
        const char* d = texte.data() + debut;
        const auto [fin, ec] = std::from_chars(d, d + longueur, valeur);
        return ec == std::errc() && fin == d + longueur;
    };
    if (!nombre(0, 4, annee) || !nombre(5, 2, mois) || !nombre(8, 2, jour))
        return false;
    using namespace std::chrono;
    return year_month_day{year{annee}, month{static_cast<unsigned>(mois)}, day{static_cast<unsigned>(jour)}}.ok();
}
