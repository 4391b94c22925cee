#include "files/Blasons.h"

#include "base/Texte.h"
#include "files/Fichiers.h"

#include <algorithm>

namespace {

std::unique_ptr<TBlasons>& BlasonsProgramme()
{
    static std::unique_ptr<TBlasons> Instance;
    return Instance;
}

// The catalogue lists a few thousand names at most.
constexpr uintmax_t MaxTailleCatalogue = 16u << 20;

// A decimal id of 0 to 65535; false for anything else.
bool LitId(std::string_view Texte, uint16_t& Id)
{
    int Valeur = 0;
    if (!EssaieStrToInt(Texte, Valeur) || Valeur < 0 || Valeur > 0xFFFF)
        return false;
    Id = static_cast<uint16_t>(Valeur);
    return true;
}

} // namespace

TBlasons::TBlasons(std::string Dossier) : Dossier_(std::move(Dossier))
{
    std::string Octets;
    if (LitFichierBorne(NomFichierCatalogue(), MaxTailleCatalogue, Octets))
        Lit(DecodeTexteStocke(Octets));
}

std::string TBlasons::NomFichierCatalogue() const
{
    return Dossier_ + "blasons/blasons.txt";
}

void TBlasons::Lit(std::string_view Contenu)
{
    size_t Debut = 0;
    while (Debut < Contenu.size()) {
        size_t FinLigne = Contenu.find('\n', Debut);
        if (FinLigne == std::string_view::npos)
            FinLigne = Contenu.size();
        std::string_view Ligne = Contenu.substr(Debut, FinLigne - Debut);
        if (!Ligne.empty() && Ligne.back() == '\r')
            Ligne.remove_suffix(1);
        if (Ligne.empty())
            break;
        size_t Pos = 0;
        for (size_t Diese = Ligne.find('#'); Diese != std::string_view::npos; Diese = Ligne.find('#', Pos)) {
            const std::string_view Record = Ligne.substr(Pos, Diese - Pos);
            Pos = Diese + 1;
            const size_t Tiret1 = Record.find('-');
            const size_t Tiret2 = Tiret1 == std::string_view::npos ? Tiret1 : Record.find('-', Tiret1 + 1);
            uint16_t Id = 0, Parent = 0;
            // A damaged record is skipped; the ones after it are still good.
            if (Tiret2 == std::string_view::npos || !LitId(Record.substr(0, Tiret1), Id) ||
                !LitId(Record.substr(Tiret1 + 1, Tiret2 - Tiret1 - 1), Parent))
                continue;
            AjouteElement(Id, Parent, std::string(Record.substr(Tiret2 + 1)));
        }
        Debut = FinLigne + 1;
    }
}

void TBlasons::AjouteElement(uint16_t Id, uint16_t Parent, std::string Nom)
{
    Elements_.push_back(TElement{Id, Parent, std::move(Nom)});
    if (Parent == 0)
        MaxPays_ = std::max(MaxPays_, static_cast<int>(Id));
    else
        MaxEquipe_ = std::max(MaxEquipe_, static_cast<int>(Id));
}

bool TBlasons::GetElement(int Index, uint16_t& Id, std::string& Nom, uint16_t& Parent) const
{
    if (Index < 0 || Index >= Count())
        return false;
    const TElement& E = Elements_[static_cast<size_t>(Index)];
    Id = E.Id;
    Nom = E.Nom;
    Parent = E.Parent;
    return true;
}

int TBlasons::IndexDe(uint16_t Id) const
{
    for (size_t I = 0; I < Elements_.size(); ++I)
        if (Elements_[I].Id == Id)
            return static_cast<int>(I);
    return -1;
}

std::string TBlasons::NomFichierBlason(uint16_t Id) const
{
    if (IndexDe(Id) < 0)
        return {};
    return Dossier_ + "blasons/" + std::to_string(Id) + ".png";
}

std::unique_ptr<TImage> TBlasons::GetImage(uint16_t Id) const
{
    const std::string Fichier = NomFichierBlason(Id);
    if (Fichier.empty())
        return nullptr;
    return ChargePng(Fichier);
}

bool TBlasons::EnregistreImage(uint16_t Id, const TImage& Image) const
{
    const std::string Fichier = NomFichierBlason(Id);
    return !Fichier.empty() && EnregistrePng(Image, Fichier);
}

bool TBlasons::NomAdmis(std::string_view Nom)
{
    return !Trim(Nom).empty() && Nom.find_first_of("#\r\n") == std::string_view::npos;
}

int TBlasons::Ajoute(int Id, uint16_t Parent, const std::string& Nom, const TImage& Image)
{
    if (!NomAdmis(Nom))
        return NomRefuse;
    // The picture first: an entry without its picture would show nothing.
    if (!EnregistrePng(Image, Dossier_ + "blasons/" + std::to_string(Id) + ".png"))
        return ImageNonEnregistree;
    AjouteElement(static_cast<uint16_t>(Id), Parent, Nom);
    return Id;
}

int TBlasons::AjoutePays(const std::string& Nom, const TImage& Image)
{
    if (MaxPays_ >= MaxNbPays)
        return PlusDePlace;
    return Ajoute(MaxPays_ + 1, 0, Nom, Image);
}

int TBlasons::AjouteEquipe(const std::string& Nom, uint16_t Pays, const TImage& Image)
{
    if (MaxEquipe_ >= 0xFFFF)
        return PlusDePlace;
    // A team under parent 0 would read back as a country.
    const int Index = IndexDe(Pays);
    if (Pays == 0 || Index < 0 || Elements_[static_cast<size_t>(Index)].Parent != 0)
        return PaysInconnu;
    return Ajoute(MaxEquipe_ + 1, Pays, Nom, Image);
}

std::string TBlasons::Texte() const
{
    std::string Contenu;
    for (const TElement& E : Elements_)
        Contenu += std::to_string(E.Id) + "-" + std::to_string(E.Parent) + "-" + E.Nom + "#";
    return Contenu;
}

bool TBlasons::Enregistre() const
{
    return EcritFichierRemplace(NomFichierCatalogue(), Texte());
}

TBlasons* Blasons()
{
    return BlasonsProgramme().get();
}

void InstalleBlasons(std::unique_ptr<TBlasons> Nouveau)
{
    BlasonsProgramme() = std::move(Nouveau);
}
