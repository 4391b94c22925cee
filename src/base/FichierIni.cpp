#include "base/FichierIni.h"

#include "base/Disque.h"
#include "base/Texte.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

bool MemeNom(std::string_view A, std::string_view B)
{
    return Minuscules(A) == Minuscules(B);
}

bool EntreGuillemets(std::string_view V)
{
    return V.size() >= 2 && (V.front() == '"' || V.front() == '\'') && V.back() == V.front();
}

// The stored form of a value: a value that reading would change (outer blanks,
// enclosing quotes) is written between double quotes; line breaks cannot be
// stored and become blanks.
std::string Encode(std::string_view Valeur)
{
    std::string V(Valeur);
    for (char& C : V)
        if (C == '\r' || C == '\n')
            C = ' ';
    const bool Blancs =
        !V.empty() && (static_cast<unsigned char>(V.front()) <= ' ' || static_cast<unsigned char>(V.back()) <= ' ');
    if (Blancs || EntreGuillemets(V))
        return '"' + V + '"';
    return V;
}

} // namespace

TFichierIni::TFichierIni(std::string NomFichier) : NomFichier(std::move(NomFichier))
{
    Relit();
}

TFichierIni::TEmpreinte TFichierIni::Empreinte() const
{
    TEmpreinte E;
    struct stat Etat;
    if (::stat(NomFichier.c_str(), &Etat) == 0) {
        E.Existe = true;
        E.Inode = Etat.st_ino;
        E.Taille = Etat.st_size;
        E.Temps = static_cast<long long>(Etat.st_mtim.tv_sec) * 1000000000LL + Etat.st_mtim.tv_nsec;
    }
    return E;
}

void TFichierIni::Actualise() const
{
    if (Empreinte() != Lue)
        Charge();
}

void TFichierIni::Relit()
{
    Charge();
}

void TFichierIni::Charge() const
{
    Lue = Empreinte();
    Sections.clear();
    Sections.push_back(TSection{});
    FinDeLigne = "\n";
    std::ifstream Entree(NomFichier, std::ios::binary);
    if (!Entree)
        return;
    std::ostringstream Tampon;
    Tampon << Entree.rdbuf();
    const std::string Contenu = DecodeTexteStocke(Tampon.str());
    if (Contenu.find("\r\n") != std::string::npos)
        FinDeLigne = "\r\n";

    size_t Debut = 0;
    while (Debut < Contenu.size()) {
        size_t Fin = Contenu.find('\n', Debut);
        if (Fin == std::string::npos)
            Fin = Contenu.size();
        std::string Ligne = Contenu.substr(Debut, Fin - Debut);
        Debut = Fin + 1;
        if (!Ligne.empty() && Ligne.back() == '\r')
            Ligne.pop_back();

        const std::string Net = Trim(Ligne);
        if (!Net.empty() && Net.front() == '[') {
            const size_t Ferme = Net.find(']');
            if (Ferme != std::string::npos) {
                TSection S;
                S.Nom = Trim(std::string_view(Net).substr(1, Ferme - 1));
                S.EnTete = Ligne;
                Sections.push_back(std::move(S));
                continue;
            }
        }
        TLigne L;
        L.Brute = Ligne;
        const size_t Egal = Net.find('=');
        if (!Net.empty() && Net.front() != ';' && Egal != std::string::npos) {
            L.Cle = Trim(std::string_view(Net).substr(0, Egal));
            L.Valeur = Trim(std::string_view(Net).substr(Egal + 1));
        }
        Sections.back().Lignes.push_back(std::move(L));
    }
}

const TFichierIni::TSection* TFichierIni::Trouve(std::string_view Section) const
{
    // The lines before the first header belong to no section and are never found.
    for (size_t I = 1; I < Sections.size(); ++I)
        if (MemeNom(Sections[I].Nom, Section))
            return &Sections[I];
    return nullptr;
}

TFichierIni::TSection* TFichierIni::Trouve(std::string_view Section)
{
    return const_cast<TSection*>(static_cast<const TFichierIni*>(this)->Trouve(Section));
}

const TFichierIni::TLigne* TFichierIni::TrouveCle(const TSection& S, std::string_view Cle)
{
    for (const TLigne& L : S.Lignes)
        if (!L.Cle.empty() && MemeNom(L.Cle, Cle))
            return &L;
    return nullptr;
}

std::string TFichierIni::ReadString(std::string_view Section, std::string_view Cle, std::string_view Defaut) const
{
    Actualise();
    const TSection* S = Trouve(Section);
    const TLigne* L = S ? TrouveCle(*S, Cle) : nullptr;
    if (!L)
        return std::string(Defaut);
    std::string_view V = L->Valeur;
    if (EntreGuillemets(V))
        V = V.substr(1, V.size() - 2);
    return std::string(V);
}

int TFichierIni::ReadInteger(std::string_view Section, std::string_view Cle, int Defaut) const
{
    return StrToIntDef(ReadString(Section, Cle, ""), Defaut);
}

bool TFichierIni::ReadBool(std::string_view Section, std::string_view Cle, bool Defaut) const
{
    return ReadInteger(Section, Cle, Defaut ? 1 : 0) != 0;
}

bool TFichierIni::WriteString(std::string_view Section, std::string_view Cle, std::string_view Valeur)
{
    Actualise();
    TSection* S = Trouve(Section);
    if (!S) {
        // A blank line keeps the new section apart from the one before.
        TSection& Derniere = Sections.back();
        const bool Contenu = Sections.size() > 1 || !Sections[0].Lignes.empty();
        const bool FinBlanche =
            Derniere.Lignes.empty() ? Sections.size() == 1 : Trim(Derniere.Lignes.back().Brute).empty();
        if (Contenu && !FinBlanche)
            Derniere.Lignes.push_back(TLigne{});
        TSection Nouvelle;
        Nouvelle.Nom = std::string(Section);
        Nouvelle.EnTete = "[" + Nouvelle.Nom + "]";
        Sections.push_back(std::move(Nouvelle));
        S = &Sections.back();
    }
    TLigne* L = const_cast<TLigne*>(TrouveCle(*S, Cle));
    if (!L) {
        // After the section's last key, ahead of the blank lines that close it.
        size_t Position = 0;
        for (size_t I = 0; I < S->Lignes.size(); ++I)
            if (!S->Lignes[I].Cle.empty())
                Position = I + 1;
        TLigne Nouvelle;
        Nouvelle.Cle = std::string(Cle);
        L = &*S->Lignes.insert(S->Lignes.begin() + static_cast<std::ptrdiff_t>(Position), std::move(Nouvelle));
    }
    L->Valeur = Encode(Valeur);
    L->Brute = L->Cle + "=" + L->Valeur;
    return UpdateFile();
}

bool TFichierIni::WriteInteger(std::string_view Section, std::string_view Cle, int Valeur)
{
    return WriteString(Section, Cle, std::to_string(Valeur));
}

bool TFichierIni::WriteBool(std::string_view Section, std::string_view Cle, bool Valeur)
{
    return WriteString(Section, Cle, Valeur ? "1" : "0");
}

bool TFichierIni::SectionExists(std::string_view Section) const
{
    Actualise();
    return Trouve(Section) != nullptr;
}

bool TFichierIni::ValueExists(std::string_view Section, std::string_view Cle) const
{
    Actualise();
    const TSection* S = Trouve(Section);
    return S && TrouveCle(*S, Cle);
}

std::vector<std::string> TFichierIni::ReadSection(std::string_view Section) const
{
    Actualise();
    std::vector<std::string> Cles;
    const TSection* S = Trouve(Section);
    if (!S)
        return Cles;
    for (const TLigne& L : S->Lignes)
        if (!L.Cle.empty() && TrouveCle(*S, L.Cle) == &L)
            Cles.push_back(L.Cle);
    return Cles;
}

std::vector<std::string> TFichierIni::ReadSections() const
{
    Actualise();
    std::vector<std::string> Noms;
    for (size_t I = 1; I < Sections.size(); ++I)
        if (Trouve(Sections[I].Nom) == &Sections[I])
            Noms.push_back(Sections[I].Nom);
    return Noms;
}

bool TFichierIni::EraseSection(std::string_view Section)
{
    Actualise();
    bool Change = false;
    for (size_t I = Sections.size(); I-- > 1;) {
        if (MemeNom(Sections[I].Nom, Section)) {
            Sections.erase(Sections.begin() + static_cast<std::ptrdiff_t>(I));
            Change = true;
        }
    }
    return Change ? UpdateFile() : true;
}

bool TFichierIni::DeleteKey(std::string_view Section, std::string_view Cle)
{
    Actualise();
    TSection* S = Trouve(Section);
    if (!S)
        return true;
    const size_t Avant = S->Lignes.size();
    std::erase_if(S->Lignes, [&](const TLigne& L) { return !L.Cle.empty() && MemeNom(L.Cle, Cle); });
    return S->Lignes.size() == Avant ? true : UpdateFile();
}

bool TFichierIni::UpdateFile()
{
    std::string Texte;
    for (size_t I = 0; I < Sections.size(); ++I) {
        const TSection& S = Sections[I];
        if (I > 0)
            Texte += S.EnTete + FinDeLigne;
        for (const TLigne& L : S.Lignes)
            Texte += L.Brute + FinDeLigne;
    }
    if (!RemplaceFichier(NomFichier, Texte))
        return false;
    Lue = Empreinte();
    return true;
}
