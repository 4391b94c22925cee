#include "ResultatsReels.h"

#include "base/Texte.h"
#include "files/Fichiers.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <set>
#include <utility>

namespace {

// A results file of a whole league season is under 200 KB; the bound keeps
// the parsed tree of any file small.
constexpr uintmax_t MaxTailleFichier = 2u << 20;
constexpr int MaxProfondeur = 32;
constexpr int MaxJournee = 999;
constexpr int MaxButs = 200;

struct TJson {
    enum Genre { Nul, Booleen, Nombre, Texte, Tableau, Objet } Type = Nul;
    double Valeur = 0;
    std::string Chaine;
    std::vector<TJson> Elements;
    // An object's members: Cles[i] names Elements[i].
    std::vector<std::string> Cles;

    const TJson* Membre(std::string_view nom) const
    {
        for (size_t i = 0; i < Cles.size() && i < Elements.size(); ++i)
            if (Cles[i] == nom)
                return &Elements[i];
        return nullptr;
    }
};

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

// "Matchday 12" or "Regular, Matchday 12" gives 12; any other round 0.
int JourneeDuTour(std::string_view tour)
{
    static constexpr std::string_view Motif = "Matchday ";
    const size_t p = tour.rfind(Motif);
    if (p == std::string_view::npos || (p != 0 && (p < 2 || tour.substr(p - 2, 2) != ", ")))
        return 0;
    const std::string_view chiffres = tour.substr(p + Motif.size());
    int n = 0;
    const auto [fin, ec] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), n);
    if (ec != std::errc() || fin != chiffres.data() + chiffres.size() || n < 1 || n > MaxJournee)
        return 0;
    return n;
}

bool LitDate(std::string_view texte, TMatchReel& m)
{
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return false;
    auto nombre = [&](size_t debut, size_t longueur, int& valeur) {
        const char* d = texte.data() + debut;
        const auto [fin, ec] = std::from_chars(d, d + longueur, valeur);
        return ec == std::errc() && fin == d + longueur;
    };
    if (!nombre(0, 4, m.Annee) || !nombre(5, 2, m.Mois) || !nombre(8, 2, m.Jour))
        return false;
    using namespace std::chrono;
    return year_month_day{year{m.Annee}, month{static_cast<unsigned>(m.Mois)}, day{static_cast<unsigned>(m.Jour)}}.ok();
}

bool NomEquipe(const TJson* v, std::string& nom)
{
    if (!v || v->Type != TJson::Texte)
        return false;
    nom = Trim(v->Chaine);
    return !nom.empty() &&
           std::none_of(nom.begin(), nom.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

bool LitScore(const TJson* score, TMatchReel& m)
{
    const TJson* ft = score && score->Type == TJson::Objet ? score->Membre("ft") : nullptr;
    if (!ft)
        return score == nullptr || score->Type == TJson::Objet;
    if (ft->Type != TJson::Tableau || ft->Elements.size() != 2)
        return false;
    int buts[2];
    for (int i = 0; i < 2; ++i) {
        const TJson& b = ft->Elements[i];
        if (b.Type != TJson::Nombre || b.Valeur < 0 || b.Valeur > MaxButs || b.Valeur != static_cast<int>(b.Valeur))
            return false;
        buts[i] = static_cast<int>(b.Valeur);
    }
    m.Joue = true;
    m.But1 = buts[0];
    m.But2 = buts[1];
    return true;
}

bool LitMatch(const TJson& v, TMatchReel& m, bool& garde)
{
    garde = false;
    if (v.Type != TJson::Objet)
        return false;
    const TJson* tour = v.Membre("round");
    if (!tour || tour->Type != TJson::Texte)
        return false;
    m.Journee = JourneeDuTour(tour->Chaine);
    if (m.Journee == 0)
        return true;
    const TJson* date = v.Membre("date");
    if (!date || date->Type != TJson::Texte || !LitDate(date->Chaine, m))
        return false;
    if (!NomEquipe(v.Membre("team1"), m.Equipe1) || !NomEquipe(v.Membre("team2"), m.Equipe2) || m.Equipe1 == m.Equipe2)
        return false;
    garde = true;
    return LitScore(v.Membre("score"), m);
}

} // namespace

std::vector<std::string> TResultatsReels::Equipes() const
{
    std::set<std::string> noms;
    for (const TMatchReel& m : Matchs) {
        noms.insert(m.Equipe1);
        noms.insert(m.Equipe2);
    }
    std::vector<std::string> liste(noms.begin(), noms.end());
    std::stable_sort(liste.begin(), liste.end(),
                     [](const std::string& a, const std::string& b) { return CompareTexteSansAccent(a, b) < 0; });
    return liste;
}

int TResultatsReels::NbJournees() const
{
    int n = 0;
    for (const TMatchReel& m : Matchs)
        n = std::max(n, m.Journee);
    return n;
}

int TResultatsReels::PremiereAnnee() const
{
    int annee = 0;
    for (const TMatchReel& m : Matchs)
        if (annee == 0 || m.Annee < annee)
            annee = m.Annee;
    return annee;
}

bool LitResultatsReels(std::string_view json, TResultatsReels& resultats, std::string& erreur)
{
    resultats = {};
    TJson racine;
    if (!TLecteurJson(json).Lit(racine, erreur))
        return false;
    const TJson* matchs = racine.Type == TJson::Objet ? racine.Membre("matches") : nullptr;
    if (!matchs || matchs->Type != TJson::Tableau) {
        erreur = "no \"matches\" list";
        return false;
    }
    if (const TJson* nom = racine.Membre("name"); nom && nom->Type == TJson::Texte)
        resultats.Nom = nom->Chaine;
    for (size_t i = 0; i < matchs->Elements.size(); ++i) {
        TMatchReel m;
        bool garde = false;
        if (!LitMatch(matchs->Elements[i], m, garde)) {
            erreur = "match " + std::to_string(i + 1) + " is malformed";
            resultats = {};
            return false;
        }
        if (garde)
            resultats.Matchs.push_back(std::move(m));
    }
    return true;
}

bool ChargeResultatsReels(const std::string& fichier, TResultatsReels& resultats, std::string& erreur)
{
    std::string octets;
    if (!LitFichierBorne(fichier, MaxTailleFichier, octets)) {
        erreur = fichier + ": cannot be read";
        return false;
    }
    if (!LitResultatsReels(octets, resultats, erreur)) {
        erreur = fichier + ": " + erreur;
        return false;
    }
    return true;
}
