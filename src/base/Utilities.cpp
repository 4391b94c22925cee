#include "base/Utilities.h"

#include "base/Texte.h"

#include <curl/curl.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

std::string AppDir()
{
    std::error_code Erreur;
    fs::path Exe = fs::read_symlink("/proc/self/exe", Erreur);
    fs::path Dossier = Erreur ? fs::current_path(Erreur) : Exe.parent_path();
    std::string S = Dossier.string();
    if (S.empty() || S.back() != '/')
        S.push_back('/');
    return S;
}

// --- HTTP --------------------------------------------------------------------

namespace {

// An update reply is a few bytes; anything past this is not what we asked for.
constexpr size_t TailleReponseMax = 4 * 1024 * 1024;

struct TReception {
    std::string Corps;
    bool Trop = false;
};

size_t Recoit(char* Donnees, size_t Taille, size_t Nombre, void* Contexte)
{
    auto* R = static_cast<TReception*>(Contexte);
    const size_t N = Taille * Nombre;
    if (R->Corps.size() + N > TailleReponseMax) {
        R->Trop = true;
        return 0; // makes the transfer fail
    }
    R->Corps.append(Donnees, N);
    return N;
}

struct TLibereCurl {
    void operator()(CURL* C) const { curl_easy_cleanup(C); }
};

// Splits on CR LF, LF or CR, as a string list loads a stream; a final line
// break adds no empty line.
std::vector<std::string> Lignes(const std::string& Texte)
{
    std::vector<std::string> R;
    size_t Debut = 0;
    size_t I = 0;
    while (I < Texte.size()) {
        const char C = Texte[I];
        if (C == '\r' || C == '\n') {
            R.emplace_back(Texte, Debut, I - Debut);
            if (C == '\r' && I + 1 < Texte.size() && Texte[I + 1] == '\n')
                ++I;
            Debut = I + 1;
        }
        ++I;
    }
    if (Debut < Texte.size())
        R.emplace_back(Texte, Debut);
    return R;
}

} // namespace

std::vector<std::string> HttpGet(const std::string& Url)
{
    static std::once_flag Initialise;
    std::call_once(Initialise, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    std::string Adresse;
    for (char C : Url) {
        if (C == ' ')
            Adresse += "%20";
        else
            Adresse.push_back(C);
    }

    std::unique_ptr<CURL, TLibereCurl> Client(curl_easy_init());
    if (!Client)
        return {"Failed : cannot start the HTTP client"};
    CURL* C = Client.get();
    TReception Reception;
    char Raison[CURL_ERROR_SIZE] = {0};
    curl_easy_setopt(C, CURLOPT_URL, Adresse.c_str());
    curl_easy_setopt(C, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(C, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(C, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(C, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(C, CURLOPT_TIMEOUT, 10L);
    curl_easy_setopt(C, CURLOPT_CONNECTTIMEOUT, 10L);
    curl_easy_setopt(C, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(C, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(C, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(C, CURLOPT_ERRORBUFFER, Raison);
    curl_easy_setopt(C, CURLOPT_WRITEFUNCTION, Recoit);
    curl_easy_setopt(C, CURLOPT_WRITEDATA, &Reception);
    const CURLcode Code = curl_easy_perform(C);
    if (Code != CURLE_OK) {
        std::string Motif = Reception.Trop ? "reply too large" : (Raison[0] ? Raison : curl_easy_strerror(Code));
        return {"Failed : " + Motif};
    }
    return Lignes(DecodeTexteStocke(Reception.Corps));
}

void HttpGetTexte(const std::string& Url, std::string& Texte)
{
    std::string Tout;
    const std::vector<std::string> L = HttpGet(Url);
    for (const std::string& Ligne : L) {
        Tout += Ligne;
        Tout += "\r\n";
    }
    Texte = Trim(Tout);
}

std::string HttpGetTexte(const std::string& Url)
{
    std::string T;
    HttpGetTexte(Url, T);
    return T;
}

// --- Files -------------------------------------------------------------------

bool CopieFichier(const std::string& Source, const std::string& Destination)
{
    std::error_code Erreur;
    if (!fs::is_regular_file(Source, Erreur))
        return false;
    // Opening the destination for writing first would empty the source.
    if (fs::exists(Destination, Erreur) && fs::equivalent(Source, Destination, Erreur))
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> Entree(std::fopen(Source.c_str(), "rb"), &std::fclose);
    if (!Entree)
        return false;
    std::unique_ptr<FILE, int (*)(FILE*)> Sortie(std::fopen(Destination.c_str(), "wb"), &std::fclose);
    if (!Sortie)
        return false;
    char Bloc[4096];
    bool Complet = true;
    for (;;) {
        const size_t Lus = std::fread(Bloc, 1, sizeof Bloc, Entree.get());
        if (Lus == 0) {
            Complet = !std::ferror(Entree.get());
            break;
        }
        if (std::fwrite(Bloc, 1, Lus, Sortie.get()) < Lus) {
            Complet = false;
            break;
        }
    }
    return std::fclose(Sortie.release()) == 0 && Complet;
}

// --- Names -------------------------------------------------------------------

std::string Capitalise(std::string_view Texte)
{
    std::string R;
    R.reserve(Texte.size());
    size_t Pos = 0;
    bool Premier = true;
    while (Pos < Texte.size()) {
        const char32_t C = LitCaractere(Texte, Pos);
        AjouteCaractere(R, Premier ? MajusculeCaractere(C) : MinusculeCaractere(C));
        Premier = false;
    }
    return R;
}

void CapitaliseNom(std::string_view Texte, std::string& Resultat)
{
    std::u32string C = VersCaracteres(Texte);
    if (C.empty()) {
        Resultat.clear();
        return;
    }
    C[0] = MajusculeCaractere(C[0]);
    // The next letter starts a new part; a name opening with a quote or a
    // bracket still gets its capital.
    bool Debut = !EstLettreLatine(C[0]);
    for (size_t I = 1; I < C.size(); ++I) {
        if (EstLettreLatine(C[I])) {
            C[I] = Debut ? MajusculeCaractere(C[I]) : MinusculeCaractere(C[I]);
            Debut = false;
        } else if (C[I] != U'`' && C[I] != U'{') {
            Debut = true;
        }
    }
    const size_t Point = C.find(U'.');
    if (Point != std::u32string::npos) {
        const size_t Blanc = C.rfind(U' ', Point);
        const size_t Cible = Blanc == std::u32string::npos ? 0 : Blanc + 1;
        C[Cible] = MajusculeCaractere(C[Cible]);
    }
    Resultat = DepuisCaracteres(C);
}

std::string CapitaliseNom(std::string_view Texte)
{
    std::string R;
    CapitaliseNom(Texte, R);
    return R;
}

void NormaliseNom(std::string_view Texte, std::string& Resultat)
{
    std::string R;
    R.reserve(Texte.size());
    size_t Pos = 0;
    while (Pos < Texte.size()) {
        const char32_t C = LitCaractere(Texte, Pos);
        char Cle = ' ';
        if ((C >= '0' && C <= '9') || C == ' ' || C == '-' || C == '.' || C == '\'') {
            Cle = static_cast<char>(C);
        } else if (EstLettreLatine(C)) {
            // Letters without a single base letter (æ, œ, ß, þ) stay blanks, so
            // that the key keeps the name's length.
            const char32_t Base = MajusculeCaractere(LettreDeBase(C));
            if (Base >= 'A' && Base <= 'Z')
                Cle = static_cast<char>(Base);
        }
        R.push_back(Cle);
    }
    Resultat = std::move(R);
}

std::string NormaliseNom(std::string_view Texte)
{
    std::string R;
    NormaliseNom(Texte, R);
    return R;
}

// --- Numbers and positions -----------------------------------------------------

namespace {

// "1,250" with the digits grouped by three gives "1250"; commas anywhere else
// make the text no number (false). Only for the "." separator, where a comma
// can only group thousands.
bool RetireGroupes(std::string_view Entiere, std::string& Chiffres)
{
    Chiffres.clear();
    const size_t Premiere = Entiere.find(',');
    if (Premiere == std::string_view::npos) {
        Chiffres = Entiere;
        return true;
    }
    if (Premiere == 0 || Premiere > 3)
        return false;
    for (size_t I = 0; I < Entiere.size(); ++I) {
        if (Entiere[I] != ',') {
            Chiffres += Entiere[I];
            continue;
        }
        if (I + 4 > Entiere.size() || Entiere.substr(I + 1, 3).find(',') != std::string_view::npos ||
            (I + 4 < Entiere.size() && Entiere[I + 4] != ','))
            return false;
    }
    return true;
}

} // namespace

int LitMontant(std::string_view Texte, int Defaut)
{
    const char Sep = SeparateurDecimal();
    // With the "." separator the commas are read too, so that "12,5" is not
    // taken for 12.
    auto DansLeNombre = [Sep](char C) { return (C >= '0' && C <= '9') || C == Sep || (Sep == '.' && C == ','); };
    size_t Fin = 0;
    while (Fin < Texte.size() && DansLeNombre(Texte[Fin]))
        ++Fin;
    const std::string_view Run = Texte.substr(0, Fin);
    const size_t Virgule = Run.find(Sep);
    if (Run.empty() || Run == std::string_view(&Sep, 1))
        return Defaut;
    if (Virgule != std::string_view::npos && Run.find(Sep, Virgule + 1) != std::string_view::npos)
        return Defaut;
    // Worked out in decimal, so that 0,285 gives 29 and not the 28 of its binary value.
    std::string Entiere;
    if (!RetireGroupes(Run.substr(0, Virgule), Entiere))
        return Defaut;
    const std::string_view Fraction = Virgule == std::string_view::npos ? std::string_view() : Run.substr(Virgule + 1);
    if (Fraction.find(',') != std::string_view::npos)
        return Defaut;
    long long V = 0;
    for (char C : Entiere) {
        V = V * 10 + (C - '0');
        if (V > INT_MAX / 100)
            return Defaut;
    }
    V *= 100;
    if (Fraction.size() >= 1)
        V += (Fraction[0] - '0') * 10;
    if (Fraction.size() >= 2)
        V += Fraction[1] - '0';
    if (Fraction.size() >= 3 && Fraction[2] >= '5')
        ++V;
    return V > INT_MAX ? Defaut : static_cast<int>(V);
}

int PosNieme(std::string_view Motif, std::string_view Texte, int N)
{
    if (N < 1 || Motif.empty())
        return 0;
    size_t Depart = 0;
    for (;;) {
        const size_t P = Texte.find(Motif, Depart);
        if (P == std::string_view::npos)
            return 0;
        if (--N == 0)
            return static_cast<int>(LongueurCaracteres(Texte.substr(0, P))) + 1;
        // One character on, not one byte: a match never starts inside a character.
        size_t Suivant = P;
        LitCaractere(Texte, Suivant);
        Depart = Suivant;
    }
}

int PosHorsDelimiteurs(std::string_view Texte, std::string_view Arret, std::string_view Delimiteurs)
{
    const std::u32string C = VersCaracteres(Texte);
    auto Dans = [](std::string_view Ensemble, char32_t Car) {
        return Car < 0x80 && Ensemble.find(static_cast<char>(Car)) != std::string_view::npos;
    };
    const size_t N = C.size();
    size_t I = 0; // 0-based index of position I + 1
    while (I + 1 < N) {
        if (Dans(Arret, C[I]))
            return static_cast<int>(I) + 1;
        if (Dans(Delimiteurs, C[I])) {
            const char32_t Fermant = C[I] == U'[' ? U']' : C[I];
            ++I;
            while (I < N && C[I] != Fermant)
                ++I;
        }
        ++I;
    }
    return static_cast<int>(N);
}

// --- Colours -----------------------------------------------------------------

void CouleurVersHtml(TColor Couleur, std::string& Html)
{
    const auto V = static_cast<uint32_t>(Couleur);
    char Tampon[8];
    std::snprintf(Tampon, sizeof Tampon, "#%02X%02X%02X", V & 0xFF, (V >> 8) & 0xFF, (V >> 16) & 0xFF);
    Html = Tampon;
}

std::string CouleurVersHtml(TColor Couleur)
{
    std::string H;
    CouleurVersHtml(Couleur, H);
    return H;
}

TColor HtmlVersCouleur(std::string_view Html)
{
    if (Html.size() == 7)
        Html.remove_prefix(1);
    if (Html.size() != 6)
        return 0;
    uint32_t RGB = 0;
    for (char C : Html) {
        int Chiffre;
        if (C >= '0' && C <= '9')
            Chiffre = C - '0';
        else if (C >= 'a' && C <= 'f')
            Chiffre = C - 'a' + 10;
        else if (C >= 'A' && C <= 'F')
            Chiffre = C - 'A' + 10;
        else
            return 0;
        RGB = RGB << 4 | static_cast<uint32_t>(Chiffre);
    }
    return static_cast<TColor>(((RGB & 0xFF) << 16) | (RGB & 0xFF00) | (RGB >> 16));
}

std::string IntToHex4(int Valeur)
{
    char Tampon[8];
    std::snprintf(Tampon, sizeof Tampon, "%04X", static_cast<unsigned>(Valeur) & 0xFFFF);
    return Tampon;
}

void CopieChaine(std::string_view Texte, std::string& Resultat)
{
    Resultat = std::string(Texte);
}
