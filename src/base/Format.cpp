#include "base/Format.h"

#include "base/Texte.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

char Separateur = ',';
std::string Milliers = "\xC2\xA0";

// Widths and precisions beyond this are refused rather than allocated.
constexpr int LargeurMax = 4096;

// The 15 significant digits of a finite non-negative value, and the decimal
// exponent of the first one (Valeur = D.DDD... x 10^Exposant). Zero gives
// fifteen zeros and exponent 0.
constexpr int Precision = 15;

struct TChiffres {
    std::string D;
    int Exposant = 0;
};

TChiffres Chiffres(double Valeur)
{
    TChiffres R;
    if (Valeur == 0.0) {
        R.D.assign(Precision, '0');
        return R;
    }
    char Tampon[64];
    std::snprintf(Tampon, sizeof Tampon, "%.*e", Precision - 1, Valeur);
    // "d.dddddddddddddde+XX"
    R.D.push_back(Tampon[0]);
    R.D.append(Tampon + 2, Precision - 1);
    R.Exposant = std::atoi(Tampon + Precision + 2);
    return R;
}

// Keeps the first Garde digits, rounding half away from zero; a carry out of the
// first digit raises the exponent. A negative Garde keeps nothing.
void Arrondit(TChiffres& C, int Garde)
{
    if (Garde >= static_cast<int>(C.D.size()))
        return;
    if (Garde >= 0) {
        const bool Monte = C.D[static_cast<size_t>(Garde)] >= '5';
        C.D.resize(static_cast<size_t>(Garde));
        if (Monte) {
            int I = Garde - 1;
            while (I >= 0 && C.D[static_cast<size_t>(I)] == '9') {
                C.D[static_cast<size_t>(I)] = '0';
                --I;
            }
            if (I >= 0) {
                ++C.D[static_cast<size_t>(I)];
            } else {
                C.D.insert(C.D.begin(), '1');
                ++C.Exposant;
            }
        }
    } else {
        C.D.clear();
    }
    if (C.D.find_first_not_of('0') == std::string::npos) {
        C.D.assign(Precision, '0');
        C.Exposant = 0;
    }
}

char Chiffre(const TChiffres& C, int I)
{
    return I >= 0 && I < static_cast<int>(C.D.size()) ? C.D[I] : '0';
}

bool EstNul(const TChiffres& C)
{
    return C.D.find_first_not_of('0') == std::string::npos;
}

std::string NonFini(double Valeur)
{
    if (std::isnan(Valeur))
        return "NAN";
    return Valeur < 0 ? "-INF" : "INF";
}

// Fixed notation; Groupes inserts the thousands separator.
std::string Fixe(double Valeur, int Decimales, bool Groupes)
{
    if (!std::isfinite(Valeur))
        return NonFini(Valeur);
    TChiffres C = Chiffres(std::fabs(Valeur));
    Arrondit(C, C.Exposant + 1 + Decimales);
    std::string Entiere;
    if (EstNul(C) || C.Exposant < 0) {
        Entiere = "0";
    } else {
        for (int I = 0; I <= C.Exposant; ++I)
            Entiere.push_back(Chiffre(C, I));
    }
    std::string R;
    if (Valeur < 0 && !EstNul(C))
        R = "-";
    if (Groupes) {
        for (size_t I = 0; I < Entiere.size(); ++I) {
            if (I > 0 && (Entiere.size() - I) % 3 == 0)
                R += Milliers;
            R.push_back(Entiere[I]);
        }
    } else {
        R += Entiere;
    }
    if (Decimales > 0) {
        R.push_back(Separateur);
        for (int I = 1; I <= Decimales; ++I)
            R.push_back(EstNul(C) ? '0' : Chiffre(C, C.Exposant + I));
    }
    return R;
}

// "E", the sign ("+" only with a minimum number of digits, as the platform
// writes them) and the exponent's digits.
std::string Exposant(int E, int ChiffresMin)
{
    std::string S = std::to_string(std::abs(E));
    while (static_cast<int>(S.size()) < ChiffresMin)
        S.insert(S.begin(), '0');
    return std::string(E < 0 ? "E-" : (ChiffresMin > 0 ? "E+" : "E")) + S;
}

std::string Scientifique(double Valeur, int Significatifs)
{
    if (!std::isfinite(Valeur))
        return NonFini(Valeur);
    Significatifs = std::max(1, std::min(Significatifs, Precision));
    TChiffres C = Chiffres(std::fabs(Valeur));
    Arrondit(C, Significatifs);
    std::string R = Valeur < 0 && !EstNul(C) ? "-" : "";
    R.push_back(Chiffre(C, 0));
    if (Significatifs > 1) {
        R.push_back(Separateur);
        for (int I = 1; I < Significatifs; ++I)
            R.push_back(Chiffre(C, I));
    }
    return R + Exposant(C.Exposant, 3);
}

std::string General(double Valeur, int Significatifs, int ChiffresExposant)
{
    if (!std::isfinite(Valeur))
        return NonFini(Valeur);
    Significatifs = std::max(1, std::min(Significatifs, Precision));
    TChiffres C = Chiffres(std::fabs(Valeur));
    Arrondit(C, Significatifs);
    if (EstNul(C))
        return "0";
    std::string D = C.D.substr(0, Significatifs);
    while (D.size() > 1 && D.back() == '0')
        D.pop_back();
    std::string R = Valeur < 0 ? "-" : "";
    if (C.Exposant >= Significatifs || C.Exposant < -4) {
        R.push_back(D[0]);
        if (D.size() > 1) {
            R.push_back(Separateur);
            R.append(D, 1);
        }
        return R + Exposant(C.Exposant, ChiffresExposant);
    }
    if (C.Exposant < 0) {
        R += "0";
        R.push_back(Separateur);
        R.append(static_cast<size_t>(-C.Exposant - 1), '0');
        return R + D;
    }
    const size_t Entiers = static_cast<size_t>(C.Exposant) + 1;
    if (D.size() <= Entiers)
        return R + D + std::string(Entiers - D.size(), '0');
    R.append(D, 0, Entiers);
    R.push_back(Separateur);
    return R + D.substr(Entiers);
}

std::string Hexa(uint64_t V)
{
    static const char Chiffres[] = "0123456789ABCDEF";
    std::string S;
    do {
        S.insert(S.begin(), Chiffres[V & 15]);
        V >>= 4;
    } while (V != 0);
    return S;
}

// Pads Corps to Largeur characters with blanks, on the left unless AGauche.
void Ajoute(std::string& R, const std::string& Corps, int Largeur, bool AGauche)
{
    const int Longueur = static_cast<int>(LongueurCaracteres(Corps));
    const std::string Blancs(Largeur > Longueur ? static_cast<size_t>(Largeur - Longueur) : 0u, ' ');
    if (AGauche)
        R += Corps + Blancs;
    else
        R += Blancs + Corps;
}

// Reads a decimal number or "*" (taken from the arguments). -1 when absent.
bool LitNombre(std::string_view M, size_t& I, std::span<const TArgFormat> Args, size_t& Curseur, int& Valeur)
{
    Valeur = -1;
    if (I < M.size() && M[I] == '*') {
        ++I;
        if (Curseur >= Args.size() || Args[Curseur].Genre != TArgFormat::TGenre::Entier)
            return false;
        const int64_t V = Args[Curseur++].Entier;
        if (V > LargeurMax)
            return false;
        Valeur = static_cast<int>(V < 0 ? 0 : V);
        return true;
    }
    if (I >= M.size() || M[I] < '0' || M[I] > '9')
        return true;
    int64_t V = 0;
    while (I < M.size() && M[I] >= '0' && M[I] <= '9') {
        V = V * 10 + (M[I] - '0');
        if (V > LargeurMax)
            return false;
        ++I;
    }
    Valeur = static_cast<int>(V);
    return true;
}

} // namespace

bool EssaieFormat(std::string_view M, std::span<const TArgFormat> Args, std::string& Resultat)
{
    using G = TArgFormat::TGenre;
    std::string R;
    R.reserve(M.size() + 16);
    size_t Curseur = 0;
    size_t I = 0;
    while (I < M.size()) {
        const size_t P = M.find('%', I);
        if (P == std::string_view::npos) {
            R.append(M, I);
            break;
        }
        R.append(M, I, P - I);
        I = P + 1;
        if (I < M.size() && M[I] == '%') {
            R.push_back('%');
            ++I;
            continue;
        }
        // Index, then justification, width and precision.
        int Nombre;
        if (!LitNombre(M, I, Args, Curseur, Nombre))
            return false;
        if (I < M.size() && M[I] == ':') {
            if (Nombre < 0)
                return false;
            Curseur = static_cast<size_t>(Nombre);
            ++I;
            if (!LitNombre(M, I, Args, Curseur, Nombre))
                return false;
        }
        bool AGauche = false;
        if (Nombre < 0 && I < M.size() && M[I] == '-') {
            AGauche = true;
            ++I;
            if (!LitNombre(M, I, Args, Curseur, Nombre))
                return false;
        }
        const int Largeur = Nombre;
        int Prec = -1;
        if (I < M.size() && M[I] == '.') {
            ++I;
            if (!LitNombre(M, I, Args, Curseur, Prec))
                return false;
            if (Prec < 0)
                Prec = 0;
        }
        if (I >= M.size() || Curseur >= Args.size())
            return false;
        const char Type = static_cast<char>(M[I] | 0x20);
        ++I;
        const TArgFormat& A = Args[Curseur++];
        std::string Corps;
        switch (Type) {
        case 'd':
        case 'u':
        case 'x': {
            if (A.Genre != G::Entier)
                return false;
            uint64_t Absolu;
            bool Negatif = false;
            if (Type == 'd') {
                Negatif = A.Entier < 0;
                Absolu = Negatif ? 0 - static_cast<uint64_t>(A.Entier) : static_cast<uint64_t>(A.Entier);
            } else if (A.Est32Bits) {
                Absolu = static_cast<uint32_t>(A.Entier);
            } else {
                Absolu = static_cast<uint64_t>(A.Entier);
            }
            std::string Chiffres = Type == 'x' ? Hexa(Absolu) : std::to_string(Absolu);
            if (Prec > static_cast<int>(Chiffres.size()))
                Chiffres.insert(0, static_cast<size_t>(Prec) - Chiffres.size(), '0');
            Corps = (Negatif ? "-" : "") + Chiffres;
            break;
        }
        case 'f':
        case 'n':
        case 'e':
        case 'g': {
            if (A.Genre == G::Texte)
                return false;
            const double V = A.Genre == G::Reel ? A.Reel : static_cast<double>(A.Entier);
            if (Type == 'f')
                Corps = Fixe(V, Prec < 0 ? 2 : std::min(Prec, 18), false);
            else if (Type == 'n')
                Corps = Fixe(V, Prec < 0 ? 2 : std::min(Prec, 18), true);
            else if (Type == 'e')
                Corps = Scientifique(V, Prec < 0 ? Precision : Prec);
            else
                Corps = General(V, Prec < 0 ? Precision : Prec, 3);
            break;
        }
        case 's':
            if (A.Genre != G::Texte)
                return false;
            Corps = Prec >= 0 ? PremiersCaracteres(A.Texte, static_cast<size_t>(Prec)) : A.Texte;
            break;
        default:
            return false;
        }
        Ajoute(R, Corps, Largeur, AGauche);
    }
    Resultat = std::move(R);
    return true;
}

std::string Format(std::string_view Modele, std::span<const TArgFormat> Args)
{
    std::string R;
    if (!EssaieFormat(Modele, Args, R))
        return std::string(Modele);
    return R;
}

std::string Format(std::string_view Modele, std::initializer_list<TArgFormat> Args)
{
    return Format(Modele, std::span<const TArgFormat>(Args.begin(), Args.size()));
}

char SeparateurDecimal()
{
    return Separateur;
}

std::string SeparateurMilliers()
{
    return Milliers;
}

void ChoisitLangueNombres(std::string_view Langue)
{
    if (MinusculesAscii(Langue) == "en") {
        Separateur = '.';
        Milliers = ",";
    } else {
        Separateur = ',';
        Milliers = "\xC2\xA0";
    }
}

std::string FormatReel(double Valeur, int Decimales)
{
    return Fixe(Valeur, std::max(0, std::min(Decimales, 18)), false);
}

std::string FormatChiffres(double Valeur, int Significatifs, int Decimales)
{
    if (!std::isfinite(Valeur))
        return NonFini(Valeur);
    TChiffres C = Chiffres(std::fabs(Valeur));
    // A value with more integer digits than asked for keeps them: the exponent
    // form is never written.
    if (!EstNul(C))
        Arrondit(C, std::max(std::max(Significatifs, 1), C.Exposant + 1));
    const double Arrondie =
        std::strtod((C.D.substr(0, 1) + "." + C.D.substr(1) + "e" + std::to_string(C.Exposant)).c_str(), nullptr);
    return FormatReel(Valeur < 0 ? -Arrondie : Arrondie, Decimales);
}

std::string FloatToStr(double Valeur)
{
    return General(Valeur, Precision, 0);
}
