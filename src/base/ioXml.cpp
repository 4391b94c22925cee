#include "base/ioXml.h"

#include "base/Texte.h"

#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

// Blanks and control characters, as the Pascal Trim family treats them: line
// breaks have become blanks by now, but tabs and stray control bytes must not
// stop the reader either.
inline bool EstBlanc(char C)
{
    return static_cast<unsigned char>(C) <= ' ';
}

std::string_view SansBlancsDevant(std::string_view T)
{
    size_t I = 0;
    while (I < T.size() && EstBlanc(T[I]))
        ++I;
    return T.substr(I);
}

std::string_view SansBlancs(std::string_view T)
{
    T = SansBlancsDevant(T);
    size_t N = T.size();
    while (N > 0 && EstBlanc(T[N - 1]))
        --N;
    return T.substr(0, N);
}

bool EgalSansCasseAscii(std::string_view A, std::string_view B)
{
    if (A.size() != B.size())
        return false;
    for (size_t I = 0; I < A.size(); ++I) {
        char X = A[I], Y = B[I];
        if (X >= 'A' && X <= 'Z')
            X = static_cast<char>(X - 'A' + 'a');
        if (Y >= 'A' && Y <= 'Z')
            Y = static_cast<char>(Y - 'A' + 'a');
        if (X != Y)
            return false;
    }
    return true;
}

// Characters whose escaped form begins with "#": a "#" of the text followed by
// a digit 0-4 and one of these would read back as an escape sequence.
inline bool DebutEchappe(char C, bool EchappeGuillemets)
{
    return C == '#' || C == '&' || C == '<' || C == '>' || (EchappeGuillemets && C == '"');
}

void AjouteEncode(std::string& Sortie, std::string_view T, bool EchappeGuillemets)
{
    size_t Debut = 0;
    for (size_t I = 0; I < T.size(); ++I) {
        const char* Remplace;
        switch (T[I]) {
        case '&':
            Remplace = "#0#";
            break;
        case '<':
            Remplace = "#1#";
            break;
        case '>':
            Remplace = "#2#";
            break;
        case '"':
            if (!EchappeGuillemets)
                continue;
            Remplace = "#3#";
            break;
        case '#':
            if (I + 2 < T.size() && T[I + 1] >= '0' && T[I + 1] <= '4' && DebutEchappe(T[I + 2], EchappeGuillemets))
                Remplace = "#4#";
            else
                continue;
            break;
        default:
            continue;
        }
        Sortie.append(T.data() + Debut, I - Debut);
        Sortie.append(Remplace, 3);
        Debut = I + 1;
    }
    Sortie.append(T.data() + Debut, T.size() - Debut);
}

void AjouteEntier(std::string& Sortie, long long N)
{
    char Tampon[24];
    auto Res = std::to_chars(Tampon, Tampon + sizeof Tampon, N);
    Sortie.append(Tampon, Res.ptr);
}

} // namespace

std::string EncodeXml(std::string_view Texte, bool EchappeGuillemets)
{
    std::string R;
    R.reserve(Texte.size());
    AjouteEncode(R, Texte, EchappeGuillemets);
    return R;
}

std::string DecodeXml(std::string_view Texte)
{
    std::string R;
    R.reserve(Texte.size());
    static const char Decode[5] = {'&', '<', '>', '"', '#'};
    size_t Debut = 0;
    size_t I = 0;
    while (I + 2 < Texte.size()) {
        const void* Diese = std::memchr(Texte.data() + I, '#', Texte.size() - I - 2);
        if (!Diese)
            break;
        I = static_cast<size_t>(static_cast<const char*>(Diese) - Texte.data());
        char Chiffre = Texte[I + 1];
        if (Chiffre >= '0' && Chiffre <= '4' && Texte[I + 2] == '#') {
            R.append(Texte.data() + Debut, I - Debut);
            R += Decode[Chiffre - '0'];
            I += 3;
            Debut = I;
        } else {
            ++I;
        }
    }
    R.append(Texte.data() + Debut, Texte.size() - Debut);
    return R;
}

// --- Writer -----------------------------------------------------------------

namespace {
// A file's lines are gathered and written out in blocks of about this size.
constexpr size_t BlocFichier = size_t(64) << 10;
} // namespace

TXmlWriter::TXmlWriter(std::string& Destination, size_t Bloc) : Sortie(&Destination), Bloc(Bloc) {}

TXmlWriter::TXmlWriter(const std::string& NomFichier) : Sortie(&TamponFichier), Bloc(BlocFichier)
{
    Fichier = std::fopen(NomFichier.c_str(), "wb");
    if (Fichier) {
        TamponFichier.reserve(BlocFichier + 4096);
        EcritDeclaration();
    } else {
        Erreur = true;
    }
}

TXmlWriter::~TXmlWriter()
{
    if (Fichier) {
        FermeJusqua(0);
        VideFichier();
        std::fclose(Fichier);
    }
}

void TXmlWriter::EcritDeclaration()
{
    EcritLigne("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
}

void TXmlWriter::LigneTerminee()
{
    VideFichier();
}

void TXmlWriter::VideFichier()
{
    if (!Fichier) {
        // Nowhere to go: the failure is already known, the text is dropped.
        if (!TamponFichier.empty())
            Erreur = true;
        TamponFichier.clear();
        return;
    }
    if (std::fwrite(TamponFichier.data(), 1, TamponFichier.size(), Fichier) != TamponFichier.size())
        Erreur = true;
    TamponFichier.clear();
}

void TXmlWriter::EcritLigne(std::string_view Ligne)
{
    Sortie->append(Ligne).append("\r\n", 2);
    FinLigne();
}

bool TXmlWriter::Ferme()
{
    if (Fichier) {
        FermeJusqua(0);
        VideFichier();
        if (std::fflush(Fichier) != 0 || std::ferror(Fichier))
            Erreur = true;
        if (std::fclose(Fichier) != 0)
            Erreur = true;
        Fichier = nullptr;
    }
    return !Erreur;
}

void TXmlWriter::OuvreElement(std::string_view Nom, std::string_view Texte)
{
    TermineBalise();
    if (NbOuverts == Pile.size())
        Pile.emplace_back();
    TElementOuvert& E = Pile[NbOuverts++];
    E.Nom.assign(Nom);
    E.Texte.clear();
    AjouteEncode(E.Texte, Texte, false);
    // The start tag goes straight to the output, its attributes after it: a
    // line is handed on only once whole, so an unfinished tag stays with us.
    Sortie->append(Indentation).append("<").append(Nom);
    BaliseEnAttente = true;
}

void TXmlWriter::AjouteAttribut(std::string_view Nom, std::string_view Valeur, bool Force)
{
    if ((Valeur.empty() && !Force) || !BaliseEnAttente)
        return;
    // A value holding double quotes goes between single quotes; one holding
    // both kinds keeps double quotes and escapes its own.
    const bool Double = Valeur.find('"') != std::string_view::npos;
    const bool Simple = Valeur.find('\'') != std::string_view::npos;
    const char Guillemet = (Double && !Simple) ? '\'' : '"';
    std::string& B = *Sortie;
    B.append(" ").append(Nom).append("=");
    B += Guillemet;
    AjouteEncode(B, Valeur, Double && Simple);
    B += Guillemet;
}

void TXmlWriter::AjouteAttributInt(std::string_view Nom, long long N)
{
    if (!BaliseEnAttente)
        return;
    // Digits need neither escaping nor a choice of quotes.
    char Tampon[24];
    auto Res = std::to_chars(Tampon, Tampon + sizeof Tampon, N);
    Sortie->append(" ").append(Nom).append("=\"").append(Tampon, Res.ptr).append("\"");
}

void TXmlWriter::TermineBalise()
{
    if (!BaliseEnAttente)
        return;
    const TElementOuvert& E = Pile[NbOuverts - 1];
    Sortie->append(">").append(E.Texte).append("\r\n", 2);
    FinLigne();
    BaliseEnAttente = false;
    Indentation.append("  ");
}

void TXmlWriter::EcritElement(std::string_view Nom, std::string_view Valeur, bool Force)
{
    if (Valeur.empty() && !Force)
        return;
    TermineBalise();
    std::string& L = *Sortie;
    L.append(Indentation).append("<").append(Nom);
    if (Valeur.empty()) {
        L.append(" />\r\n");
    } else {
        L.append(">");
        AjouteEncode(L, Valeur, false);
        L.append("</").append(Nom).append(">\r\n");
    }
    FinLigne();
}

void TXmlWriter::EcritElementInt(std::string_view Nom, long long N)
{
    TermineBalise();
    std::string& L = *Sortie;
    L.append(Indentation).append("<").append(Nom).append(">");
    AjouteEntier(L, N);
    L.append("</").append(Nom).append(">\r\n");
    FinLigne();
}

void TXmlWriter::EcritElementBool(std::string_view Nom, bool B)
{
    EcritElement(Nom, B ? "1" : "0");
}

void TXmlWriter::FermeElement(std::string_view Nom)
{
    TermineBalise();
    for (size_t I = 0; I < NbOuverts; ++I) {
        if (Pile[I].Nom == Nom) {
            FermeJusqua(I);
            return;
        }
    }
}

void TXmlWriter::FermeJusqua(size_t Niveau)
{
    if (NbOuverts <= Niveau)
        return;
    // A start tag still waiting for attributes is written first, so that no
    // end tag is ever written without its start tag.
    TermineBalise();
    while (NbOuverts > Niveau) {
        Indentation.resize(Indentation.size() >= 2 ? Indentation.size() - 2 : 0);
        --NbOuverts;
        Sortie->append(Indentation).append("</").append(Pile[NbOuverts].Nom).append(">\r\n", 3);
        FinLigne();
    }
}

TXmlMemoryStreamWriter::TXmlMemoryStreamWriter(std::string& Flux, bool Declaration) : TXmlWriter(Flux)
{
    if (Declaration)
        EcritDeclaration();
}

TXmlMemoryStreamWriter::~TXmlMemoryStreamWriter()
{
    FermeJusqua(0);
}

bool TXmlMemoryStreamWriter::Ferme()
{
    FermeJusqua(0);
    return true;
}

// --- Reader -----------------------------------------------------------------

TXmlReader::TXmlReader(const std::string& NomFichier)
{
    std::FILE* F = std::fopen(NomFichier.c_str(), "rb");
    if (!F)
        return;
    char Tampon[65536];
    size_t Lu;
    while ((Lu = std::fread(Tampon, 1, sizeof Tampon, F)) > 0)
        Possede.append(Tampon, Lu);
    const bool Ok = !std::ferror(F);
    std::fclose(F);
    if (!Ok) {
        Possede.clear();
        return;
    }
    ChargeDonnees(Possede, false);
}

TXmlReader::~TXmlReader() = default;

void TXmlReader::ChargeDonnees(std::string_view Octets, bool LignesCrLf)
{
    if (!EstUtf8Valide(Octets)) {
        std::string Decode = DecodeWindows1252(Octets);
        Possede = std::move(Decode);
        Octets = Possede;
    } else if (Octets.substr(0, 3) == "\xEF\xBB\xBF") {
        Octets.remove_prefix(3);
    }
    Donnees = Octets;
    CrLfSeul = LignesCrLf;
    Pos = 0;
    FermantConnu = std::string::npos;
    Termine = false;
    Ouvert = true;
}

// Markup treats every line end as a blank already; values get theirs here.
std::string TXmlReader::JoindLignes(std::string_view Brut) const
{
    std::string Joint;
    Joint.reserve(Brut.size());
    const size_t N = Brut.size();
    for (size_t I = 0; I < N; ++I) {
        char C = Brut[I];
        if (C == '\r' && I + 1 < N && Brut[I + 1] == '\n') {
            ++I;
            C = ' ';
        } else if (!CrLfSeul && (C == '\r' || C == '\n')) {
            C = ' ';
        }
        Joint += C;
    }
    return Joint;
}

int TXmlReader::Fin()
{
    Termine = true;
    Nom.clear();
    NomVue = {};
    Texte = {};
    Attributs.clear();
    return XML_FIN;
}

size_t TXmlReader::ChercheFermant(size_t Depuis)
{
    // Searches only move forward; remembering the last ">" found keeps a node
    // whose text runs far from rescanning it on the next call.
    const size_t N = Donnees.size();
    if (FermantConnu != std::string::npos && FermantConnu >= Depuis && FermantDepuis <= Depuis)
        return FermantConnu < N ? FermantConnu : std::string::npos;
    FermantDepuis = Depuis;
    const void* Gt = Depuis < N ? std::memchr(Donnees.data() + Depuis, '>', N - Depuis) : nullptr;
    FermantConnu = Gt ? static_cast<size_t>(static_cast<const char*>(Gt) - Donnees.data()) : N;
    return FermantConnu < N ? FermantConnu : std::string::npos;
}

int TXmlReader::LitNoeud()
{
    if (Termine)
        return XML_FIN;
    Texte = {};
    Attributs.clear();
    const char* D = Donnees.data();
    const size_t N = Donnees.size();

    while (Pos < N && EstBlanc(D[Pos]))
        ++Pos;
    if (Pos >= N || D[Pos] != '<')
        return Fin();
    const size_t Gt = ChercheFermant(Pos + 1);
    if (Gt == std::string::npos)
        return Fin();
    const std::string_view Balise(D + Pos + 1, Gt - Pos - 1);
    Pos = Gt + 1;

    if (!Balise.empty() && Balise[0] == '/') {
        Nom.clear();
        NomVue = {};
        return XML_FERMANT;
    }
    if (!Balise.empty() && Balise[0] == '?') {
        Nom = NomVue = "xml";
        return XML_COMPLET;
    }
    if (!Balise.empty() && Balise[0] == '!') {
        Nom.clear();
        NomVue = {};
        size_t K = Balise.find("DOCTYPE");
        if (K != std::string_view::npos) {
            std::string_view Reste = SansBlancsDevant(Balise.substr(K + 7));
            size_t Fin = 0;
            while (Fin < Reste.size() && !EstBlanc(Reste[Fin]))
                ++Fin;
            NomVue = Reste.substr(0, Fin);
            Nom.assign(NomVue);
        }
        return XML_COMPLET;
    }

    size_t FinNom = 0;
    while (FinNom < Balise.size() && !EstBlanc(Balise[FinNom]) && Balise[FinNom] != '/')
        ++FinNom;
    NomVue = Balise.substr(0, FinNom);
    Nom.assign(NomVue);
    // A self-closing tag is whole by itself, whatever follows it.
    const std::string_view Reste = LitAttributs(SansBlancs(Balise.substr(FinNom)));
    if (!Reste.empty() && Reste[0] == '/')
        return XML_COMPLET;

    if (ChercheFermant(Pos) == std::string::npos)
        return Fin();
    while (Pos < N && EstBlanc(D[Pos]))
        ++Pos;
    if (N - Pos <= 1)
        return Fin();
    if (D[Pos] != '<') {
        const void* Lt = std::memchr(D + Pos, '<', N - Pos);
        const size_t FinTexte = Lt ? static_cast<size_t>(static_cast<const char*>(Lt) - D) : N;
        Texte = std::string_view(D + Pos, FinTexte - Pos);
        Pos = FinTexte;
    }
    if (Pos + 1 < N && D[Pos] == '<' && D[Pos + 1] == '/') {
        const size_t FinBalise = ChercheFermant(Pos + 2);
        if (FinBalise == std::string::npos)
            return Fin();
        Pos = FinBalise + 1;
        return XML_COMPLET;
    }
    return XML_OUVRANT;
}

std::string_view TXmlReader::LitAttributs(std::string_view Reste)
{
    // Reste comes trimmed at both ends; each turn consumes at least one
    // character, so the loop ends on any input.
    for (;;) {
        if (Reste.empty() || Reste[0] == '/')
            return Reste;
        const size_t Egal = Reste.find('=');
        if (Egal == std::string_view::npos)
            return Reste;
        const std::string_view NomAttribut = SansBlancs(Reste.substr(0, Egal));
        std::string_view Suite = SansBlancsDevant(Reste.substr(Egal + 1));
        if (Suite.empty())
            return Suite;
        std::string_view Valeur;
        const char Guillemet = Suite[0];
        if (Guillemet == '"' || Guillemet == '\'') {
            const size_t Fermant = Suite.find(Guillemet, 1);
            if (Fermant == std::string_view::npos)
                return Reste;
            Valeur = Suite.substr(1, Fermant - 1);
            Suite.remove_prefix(Fermant + 1);
        } else {
            size_t Fin = 0;
            while (Fin < Suite.size() && !EstBlanc(Suite[Fin]))
                ++Fin;
            Valeur = Suite.substr(0, Fin);
            Suite.remove_prefix(Fin);
        }
        Attributs.emplace_back(NomAttribut, Valeur);
        Reste = SansBlancsDevant(Suite);
    }
}

namespace {

bool ALignes(std::string_view Brut)
{
    for (char C : Brut)
        if (C == '\r' || C == '\n')
            return true;
    return false;
}

} // namespace

std::string TXmlReader::GetTexte() const
{
    return ALignes(Texte) ? DecodeXml(JoindLignes(Texte)) : DecodeXml(Texte);
}

int TXmlReader::GetTexteInt() const
{
    return StrToIntDef(Texte, 0);
}

const std::string_view* TXmlReader::ChercheAttribut(std::string_view NomAttribut) const
{
    for (const auto& A : Attributs)
        if (EgalSansCasseAscii(A.first, NomAttribut))
            return &A.second;
    return nullptr;
}

std::string TXmlReader::GetAttribut(std::string_view NomAttribut) const
{
    const std::string_view* V = ChercheAttribut(NomAttribut);
    if (!V)
        return {};
    return ALignes(*V) ? DecodeXml(JoindLignes(*V)) : DecodeXml(*V);
}

std::string TXmlReader::GetAttributBrut(std::string_view NomAttribut) const
{
    const std::string_view* V = ChercheAttribut(NomAttribut);
    if (!V)
        return {};
    return ALignes(*V) ? JoindLignes(*V) : std::string(*V);
}

void TXmlReader::SauteElement(int Genre)
{
    if (Genre != XML_OUVRANT)
        return;
    size_t Profondeur = 1;
    while (Profondeur > 0) {
        switch (LitNoeud()) {
        case XML_OUVRANT:
            ++Profondeur;
            break;
        case XML_FERMANT:
            --Profondeur;
            break;
        case XML_FIN:
            return;
        default:
            break;
        }
    }
}

TXmlStreamReader::TXmlStreamReader(std::string_view Flux)
{
    ChargeDonnees(Flux, true);
}
