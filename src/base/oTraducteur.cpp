#include "base/oTraducteur.h"

#include "base/Texte.h"

#include <fstream>
#include <sstream>

TTraducteur::TTraducteur(std::string NomFichier) : NomFichier(std::move(NomFichier))
{
    Charge();
}

bool TTraducteur::Charge()
{
    Table.clear();
    Index.clear();
    std::ifstream Entree(NomFichier, std::ios::binary);
    if (!Entree)
        return false;
    std::ostringstream Tampon;
    Tampon << Entree.rdbuf();
    if (Entree.bad())
        return false;
    const std::string Contenu = DecodeTexteStocke(Tampon.str());

    size_t Debut = 0;
    while (Debut < Contenu.size()) {
        size_t Fin = Contenu.find('\n', Debut);
        if (Fin == std::string::npos)
            Fin = Contenu.size();
        std::string_view Ligne(Contenu.data() + Debut, Fin - Debut);
        if (!Ligne.empty() && Ligne.back() == '\r')
            Ligne.remove_suffix(1);
        Debut = Fin + 1;

        const size_t Tab = Ligne.find('\t');
        int Id = 0;
        const bool BienFormee = Tab != std::string_view::npos && EssaieStrToInt(Ligne.substr(0, Tab), Id) && Id >= 0;
        if (!BienFormee)
            Id = 0;
        Table.emplace_back(Id, std::string(Tab == std::string_view::npos ? Ligne : Ligne.substr(Tab + 1)));
        if (BienFormee)
            Index.try_emplace(Id, Table.size() - 1);
    }
    return true;
}

std::string TTraducteur::Traduit(int Id) const
{
    const auto Trouve = Index.find(Id);
    return Trouve == Index.end() ? std::string() : Table[Trouve->second].second;
}

std::string ResoutRetoursLigne(std::string_view Texte)
{
    static constexpr std::string_view Marque = "%rc";
    if (Texte.find(Marque) == std::string_view::npos)
        return std::string(Texte);
    std::string R;
    size_t Debut = 0;
    for (;;) {
        const size_t P = Texte.find(Marque, Debut);
        if (P == std::string_view::npos) {
            R += Trim(Texte.substr(Debut));
            return R;
        }
        R += Trim(Texte.substr(Debut, P - Debut));
        R.push_back('\r');
        Debut = P + Marque.size();
    }
}

std::string TTraducteur::TraduitFmt(int Id, std::span<const TArgFormat> Args) const
{
    return Format(ResoutRetoursLigne(Traduit(Id)), Args);
}

std::string TTraducteur::TraduitFmt(int Id, std::initializer_list<TArgFormat> Args) const
{
    return TraduitFmt(Id, std::span<const TArgFormat>(Args.begin(), Args.size()));
}

namespace {
std::unique_ptr<TTraducteur>& Global()
{
    static std::unique_ptr<TTraducteur> Instance;
    return Instance;
}
} // namespace

TTraducteur* Traducteur()
{
    return Global().get();
}

void InstalleTraducteur(std::unique_ptr<TTraducteur> Nouveau)
{
    Global() = std::move(Nouveau);
}

std::string Traduit(int Id)
{
    const TTraducteur* T = Traducteur();
    return T ? T->Traduit(Id) : std::string();
}

std::string TraduitFmt(int Id, std::initializer_list<TArgFormat> Args)
{
    const TTraducteur* T = Traducteur();
    return T ? T->TraduitFmt(Id, Args) : std::string();
}

int IdAccorde(int IdSingulier, int IdPluriel, long long N)
{
    const TTraducteur* T = Traducteur();
    const std::string& Nom = T != nullptr ? T->GetNomFichier() : std::string();
    const bool Anglais = Nom.size() >= 6 && Nom.compare(Nom.size() - 6, 6, "en.txt") == 0;
    const bool Singulier = Anglais ? N == 1 : (N == 0 || N == 1);
    return Singulier ? IdSingulier : IdPluriel;
}
