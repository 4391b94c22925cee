#include "base/Texte.h"

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>

namespace {

constexpr char32_t Remplacement = 0xFFFD;

// Base letters of U+00C0..U+00FF and U+0100..U+017F, in the letter's own case.
// '*' marks a letter spelt with two base letters (see Ligature), '-' the two
// signs of Latin-1 that are not letters.
constexpr std::string_view BasesLatin1 = "AAAAAA*CEEEEIIIIDNOOOOO-OUUUUY**"
                                         "aaaaaa*ceeeeiiiidnooooo-ouuuuy*y";
constexpr std::string_view BasesEtenduA = "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGg"
                                          "GgGgHhHhIiIiIiIiIi**JjKkkLlLlLlL"
                                          "lLlNnNnNnnNnOoOoOo**RrRrRrSsSsSs"
                                          "SsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

static_assert(BasesLatin1.size() == 64 && BasesEtenduA.size() == 128);

char BaseBrute(char32_t C)
{
    if (C >= 0xC0 && C <= 0xFF)
        return BasesLatin1[C - 0xC0];
    if (C >= 0x100 && C <= 0x17F)
        return BasesEtenduA[C - 0x100];
    return 0;
}

std::string_view Ligature(char32_t C)
{
    switch (C) {
    case 0xC6:
        return "AE";
    case 0xE6:
        return "ae";
    case 0xDE:
        return "TH";
    case 0xFE:
        return "th";
    case 0xDF:
        return "ss";
    case 0x132:
        return "IJ";
    case 0x133:
        return "ij";
    case 0x152:
        return "OE";
    case 0x153:
        return "oe";
    default:
        return {};
    }
}

// The 32 code points of bytes 0x80..0x9F; the undefined bytes keep their value.
constexpr char32_t Windows1252Haut[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool EstSuite(unsigned char O)
{
    return (O & 0xC0) == 0x80;
}

template <typename F> std::string Transforme(std::string_view Texte, F Fonction)
{
    std::string Resultat;
    Resultat.reserve(Texte.size());
    size_t Pos = 0;
    while (Pos < Texte.size())
        AjouteCaractere(Resultat, Fonction(LitCaractere(Texte, Pos)));
    return Resultat;
}

int Signe(int V)
{
    return (V > 0) - (V < 0);
}

} // namespace

char32_t LitCaractere(std::string_view Texte, size_t& Pos)
{
    if (Pos >= Texte.size()) {
        Pos = Texte.size();
        return 0;
    }
    const auto* P = reinterpret_cast<const unsigned char*>(Texte.data());
    const size_t Reste = Texte.size() - Pos;
    const unsigned char O = P[Pos];
    if (O < 0x80) {
        ++Pos;
        return O;
    }
    size_t Longueur;
    char32_t C;
    char32_t Minimum;
    if (O >= 0xC2 && O <= 0xDF) {
        Longueur = 2;
        C = O & 0x1F;
        Minimum = 0x80;
    } else if (O >= 0xE0 && O <= 0xEF) {
        Longueur = 3;
        C = O & 0x0F;
        Minimum = 0x800;
    } else if (O >= 0xF0 && O <= 0xF4) {
        Longueur = 4;
        C = O & 0x07;
        Minimum = 0x10000;
    } else {
        ++Pos;
        return Remplacement;
    }
    if (Reste < Longueur) {
        ++Pos;
        return Remplacement;
    }
    for (size_t I = 1; I < Longueur; ++I) {
        if (!EstSuite(P[Pos + I])) {
            ++Pos;
            return Remplacement;
        }
        C = (C << 6) | (P[Pos + I] & 0x3F);
    }
    if (C < Minimum || C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF)) {
        ++Pos;
        return Remplacement;
    }
    Pos += Longueur;
    return C;
}

void AjouteCaractere(std::string& Texte, char32_t C)
{
    if (C > 0x10FFFF || (C >= 0xD800 && C <= 0xDFFF))
        C = Remplacement;
    if (C < 0x80) {
        Texte.push_back(static_cast<char>(C));
    } else if (C < 0x800) {
        Texte.push_back(static_cast<char>(0xC0 | (C >> 6)));
        Texte.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    } else if (C < 0x10000) {
        Texte.push_back(static_cast<char>(0xE0 | (C >> 12)));
        Texte.push_back(static_cast<char>(0x80 | ((C >> 6) & 0x3F)));
        Texte.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    } else {
        Texte.push_back(static_cast<char>(0xF0 | (C >> 18)));
        Texte.push_back(static_cast<char>(0x80 | ((C >> 12) & 0x3F)));
        Texte.push_back(static_cast<char>(0x80 | ((C >> 6) & 0x3F)));
        Texte.push_back(static_cast<char>(0x80 | (C & 0x3F)));
    }
}

std::string CaractereVersTexte(char32_t C)
{
    std::string S;
    AjouteCaractere(S, C);
    return S;
}

std::u32string VersCaracteres(std::string_view Texte)
{
    std::u32string Resultat;
    Resultat.reserve(Texte.size());
    size_t Pos = 0;
    while (Pos < Texte.size())
        Resultat.push_back(LitCaractere(Texte, Pos));
    return Resultat;
}

std::string DepuisCaracteres(std::u32string_view Caracteres)
{
    std::string Resultat;
    Resultat.reserve(Caracteres.size());
    for (char32_t C : Caracteres)
        AjouteCaractere(Resultat, C);
    return Resultat;
}

bool EstUtf8Valide(std::string_view Octets)
{
    size_t Pos = 0;
    while (Pos < Octets.size()) {
        // Fast path over ASCII; a real U+FFFD in the text is three bytes, the
        // replacement for an invalid byte advances by one.
        if (static_cast<unsigned char>(Octets[Pos]) < 0x80) {
            ++Pos;
            // Whole documents go through here: skip ASCII eight bytes at a time.
            uint64_t Huit;
            while (Pos + 8 <= Octets.size() &&
                   (std::memcpy(&Huit, Octets.data() + Pos, 8), (Huit & 0x8080808080808080ull) == 0))
                Pos += 8;
            continue;
        }
        const size_t Avant = Pos;
        if (LitCaractere(Octets, Pos) == Remplacement && Pos - Avant != 3)
            return false;
    }
    return true;
}

size_t LongueurCaracteres(std::string_view Texte)
{
    size_t N = 0;
    size_t Pos = 0;
    while (Pos < Texte.size()) {
        LitCaractere(Texte, Pos);
        ++N;
    }
    return N;
}

size_t OctetDuCaractere(std::string_view Texte, size_t Index)
{
    size_t Pos = 0;
    while (Index > 0 && Pos < Texte.size()) {
        LitCaractere(Texte, Pos);
        --Index;
    }
    return Pos;
}

std::string PremiersCaracteres(std::string_view Texte, size_t N)
{
    return std::string(Texte.substr(0, OctetDuCaractere(Texte, N)));
}

std::string SousChaineCaracteres(std::string_view Texte, size_t Debut, size_t N)
{
    const size_t A = OctetDuCaractere(Texte, Debut);
    std::string_view Reste = Texte.substr(A);
    if (N == std::string_view::npos)
        return std::string(Reste);
    return std::string(Reste.substr(0, OctetDuCaractere(Reste, N)));
}

std::string CopieCaracteres(std::string_view Texte, int Index, int Nombre)
{
    if (Nombre <= 0)
        return {};
    if (Index < 1)
        Index = 1;
    return SousChaineCaracteres(Texte, static_cast<size_t>(Index - 1), static_cast<size_t>(Nombre));
}

bool EstLettreLatine(char32_t C)
{
    if ((C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'))
        return true;
    const char B = BaseBrute(C);
    return B != 0 && B != '-';
}

bool EstMajuscule(char32_t C)
{
    if (C >= 'A' && C <= 'Z')
        return true;
    const char B = BaseBrute(C);
    if (B == '*')
        return C == 0xC6 || C == 0xDE || C == 0x132 || C == 0x152;
    return B >= 'A' && B <= 'Z';
}

bool EstMinuscule(char32_t C)
{
    if (C >= 'a' && C <= 'z')
        return true;
    return EstLettreLatine(C) && !EstMajuscule(C);
}

char32_t MajusculeCaractere(char32_t C)
{
    if (C >= 'a' && C <= 'z')
        return C - 32;
    if (C < 0xC0 || C > 0x17F || !EstMinuscule(C))
        return C;
    switch (C) {
    case 0xDF: // ß has no single capital
    case 0x138:
    case 0x149:
        return C;
    case 0xFF:
        return 0x178;
    case 0x131:
        return 'I';
    case 0x17F:
        return 'S';
    default:
        return C < 0x100 ? C - 0x20 : C - 1;
    }
}

char32_t MinusculeCaractere(char32_t C)
{
    if (C >= 'A' && C <= 'Z')
        return C + 32;
    if (C < 0xC0 || C > 0x17F || !EstMajuscule(C))
        return C;
    switch (C) {
    case 0x130:
        return 'i';
    case 0x178:
        return 0xFF;
    default:
        return C < 0x100 ? C + 0x20 : C + 1;
    }
}

std::string Majuscules(std::string_view Texte)
{
    return Transforme(Texte, MajusculeCaractere);
}

std::string Minuscules(std::string_view Texte)
{
    return Transforme(Texte, MinusculeCaractere);
}

std::string MajusculesAscii(std::string_view Texte)
{
    std::string R(Texte);
    for (char& C : R)
        if (C >= 'a' && C <= 'z')
            C = static_cast<char>(C - 32);
    return R;
}

std::string MinusculesAscii(std::string_view Texte)
{
    std::string R(Texte);
    for (char& C : R)
        if (C >= 'A' && C <= 'Z')
            C = static_cast<char>(C + 32);
    return R;
}

char32_t LettreDeBase(char32_t C)
{
    const char B = BaseBrute(C);
    if (B == 0 || B == '-')
        return C;
    if (B == '*')
        return 0;
    return static_cast<char32_t>(B);
}

std::string SansAccent(std::string_view Texte)
{
    std::string Resultat;
    Resultat.reserve(Texte.size());
    size_t Pos = 0;
    while (Pos < Texte.size()) {
        const char32_t C = LitCaractere(Texte, Pos);
        const char32_t B = LettreDeBase(C);
        if (B == 0)
            Resultat += Ligature(C);
        else
            AjouteCaractere(Resultat, B);
    }
    return Resultat;
}

std::string CleSansAccent(std::string_view Texte)
{
    return Minuscules(SansAccent(Texte));
}

int CompareTexteSansAccent(std::string_view A, std::string_view B)
{
    const int Plie = CleSansAccent(A).compare(CleSansAccent(B));
    if (Plie != 0)
        return Signe(Plie);
    return Signe(A.compare(B));
}

bool EgalSansAccent(std::string_view A, std::string_view B)
{
    return CleSansAccent(A) == CleSansAccent(B);
}

int AnsiCompareText(std::string_view A, std::string_view B)
{
    const int Plie = CleSansAccent(A).compare(CleSansAccent(B));
    if (Plie != 0)
        return Signe(Plie);
    return Signe(Minuscules(A).compare(Minuscules(B)));
}

namespace {
bool EstBlanc(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}
} // namespace

std::string Trim(std::string_view Texte)
{
    return TrimRight(TrimLeft(Texte));
}

std::string TrimLeft(std::string_view Texte)
{
    size_t I = 0;
    while (I < Texte.size() && EstBlanc(Texte[I]))
        ++I;
    return std::string(Texte.substr(I));
}

std::string TrimRight(std::string_view Texte)
{
    size_t N = Texte.size();
    while (N > 0 && EstBlanc(Texte[N - 1]))
        --N;
    return std::string(Texte.substr(0, N));
}

bool EssaieStrToInt(std::string_view Texte, int& Valeur)
{
    size_t I = 0;
    while (I < Texte.size() && Texte[I] == ' ')
        ++I;
    bool Negatif = false;
    if (I < Texte.size() && (Texte[I] == '-' || Texte[I] == '+')) {
        Negatif = Texte[I] == '-';
        ++I;
    }
    int Base = 10;
    if (I < Texte.size() && Texte[I] == '$') {
        Base = 16;
        ++I;
    } else if (I + 1 < Texte.size() && Texte[I] == '0' && (Texte[I + 1] == 'x' || Texte[I + 1] == 'X')) {
        Base = 16;
        I += 2;
    }
    if (I >= Texte.size())
        return false;
    long long V = 0;
    for (; I < Texte.size(); ++I) {
        const char C = Texte[I];
        int Chiffre;
        if (C >= '0' && C <= '9')
            Chiffre = C - '0';
        else if (Base == 16 && C >= 'a' && C <= 'f')
            Chiffre = C - 'a' + 10;
        else if (Base == 16 && C >= 'A' && C <= 'F')
            Chiffre = C - 'A' + 10;
        else
            return false;
        V = V * Base + Chiffre;
        // Hexadecimal runs up to 32 bits and wraps like the platform's (FFFFFFFF = -1).
        if (V > (Base == 16 ? 0xFFFFFFFFLL : static_cast<long long>(INT_MAX) + 1))
            return false;
    }
    if (Base == 16) {
        V = static_cast<int32_t>(static_cast<uint32_t>(V));
    } else if (!Negatif && V > INT_MAX) {
        return false;
    }
    Valeur = static_cast<int>(Negatif ? -V : V);
    return true;
}

int StrToIntDef(std::string_view Texte, int Defaut)
{
    int V;
    return EssaieStrToInt(Texte, V) ? V : Defaut;
}

char32_t CaractereWindows1252(uint8_t Octet)
{
    if (Octet >= 0x80 && Octet <= 0x9F)
        return Windows1252Haut[Octet - 0x80];
    return Octet;
}

int OctetWindows1252(char32_t C)
{
    if (C < 0x80 || (C >= 0xA0 && C <= 0xFF))
        return static_cast<int>(C);
    for (int I = 0; I < 32; ++I)
        if (Windows1252Haut[I] == C)
            return 0x80 + I;
    return -1;
}

namespace {

// The UTF-8 form of each byte above 0x7F: length, then up to three bytes.
struct TTable1252 {
    std::array<std::array<char, 4>, 128> Formes{};
    constexpr TTable1252()
    {
        for (int I = 0; I < 128; ++I) {
            const char32_t C = I < 32 ? Windows1252Haut[I] : static_cast<char32_t>(0x80 + I);
            auto& F = Formes[I];
            if (C < 0x800) {
                F = {2, static_cast<char>(0xC0 | (C >> 6)), static_cast<char>(0x80 | (C & 0x3F)), 0};
            } else {
                F = {3, static_cast<char>(0xE0 | (C >> 12)), static_cast<char>(0x80 | ((C >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (C & 0x3F))};
            }
        }
    }
};
constexpr TTable1252 Table1252;

} // namespace

std::string DecodeWindows1252(std::string_view Octets)
{
    // Sized for the worst case once, then trimmed: no growth in the loop.
    std::string Resultat(Octets.size() * 3, '\0');
    char* Sortie = Resultat.data();
    const char* P = Octets.data();
    const char* const Fin = P + Octets.size();
    while (P < Fin) {
        // Runs of ASCII are copied eight bytes at a time.
        uint64_t Huit;
        while (Fin - P >= 8 && (std::memcpy(&Huit, P, 8), (Huit & 0x8080808080808080ull) == 0)) {
            std::memcpy(Sortie, P, 8);
            P += 8;
            Sortie += 8;
        }
        if (P >= Fin)
            break;
        const auto O = static_cast<unsigned char>(*P++);
        if (O < 0x80) {
            *Sortie++ = static_cast<char>(O);
            continue;
        }
        const auto& F = Table1252.Formes[O - 0x80];
        std::memcpy(Sortie, &F[1], 3);
        Sortie += F[0];
    }
    Resultat.resize(static_cast<size_t>(Sortie - Resultat.data()));
    return Resultat;
}

std::string DecodeTexteStocke(std::string_view Octets)
{
    if (Octets.size() >= 3 && Octets.substr(0, 3) == "\xEF\xBB\xBF")
        Octets.remove_prefix(3);
    if (EstUtf8Valide(Octets))
        return std::string(Octets);
    return DecodeWindows1252(Octets);
}

void DecodeTexteStockeEnPlace(std::string& Texte)
{
    if (Texte.size() >= 3 && Texte.compare(0, 3, "\xEF\xBB\xBF") == 0)
        Texte.erase(0, 3);
    if (!EstUtf8Valide(Texte))
        Texte = DecodeWindows1252(Texte);
}
