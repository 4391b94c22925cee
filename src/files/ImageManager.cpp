#include "files/ImageManager.h"

#include "base/Texte.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<TImageManager>& ImageManagerProgramme()
{
    static std::unique_ptr<TImageManager> Instance;
    return Instance;
}

constexpr const char* NomsSortes[TImageManager::NbSortes] = {"stade", "arbitre", "joueur"};

} // namespace

TImageManager::TImageManager(std::string Dossier) : Dossier_(std::move(Dossier))
{
    Indexe();
}

void TImageManager::Indexe()
{
    std::vector<std::string> Fichiers;
    std::error_code Erreur;
    for (fs::directory_iterator It(Dossier_, Erreur), Fin; !Erreur && It != Fin; It.increment(Erreur)) {
        std::error_code E;
        if (It->is_regular_file(E))
            Fichiers.push_back(It->path().filename().string());
    }
    // The folder's order is the file system's; a sorted one is the same on every machine.
    std::sort(Fichiers.begin(), Fichiers.end());

    for (const std::string& Fichier : Fichiers) {
        const size_t Point = Fichier.find('.');
        if (Point == std::string::npos || MinusculesAscii(std::string_view(Fichier).substr(Point + 1)) != "jpg")
            continue;
        const std::string_view Base = std::string_view(Fichier).substr(0, Point);
        const size_t Tiret1 = Base.find('_');
        if (Tiret1 == std::string_view::npos)
            continue;
        const size_t Tiret2 = Base.find('_', Tiret1 + 1);
        if (Tiret2 == std::string_view::npos || Tiret2 + 1 == Base.size())
            continue;
        const std::string Sorte = MinusculesAscii(Base.substr(0, Tiret1));
        const auto Trouve = std::find(std::begin(NomsSortes), std::end(NomsSortes), Sorte);
        if (Trouve == std::end(NomsSortes))
            continue;
        const size_t K = static_cast<size_t>(Trouve - std::begin(NomsSortes));
        const int Id = StrToIntDef(Base.substr(Tiret1 + 1, Tiret2 - Tiret1 - 1), 0);
        Listes_[K].push_back(TEntree{std::string(Base.substr(Tiret2 + 1)), Id, Fichier});
        MaxIds_[K] = std::max(MaxIds_[K], Id);
    }
}

bool TImageManager::NomAdmis(std::string_view Nom)
{
    if (Trim(Nom).empty())
        return false;
    for (const char C : Nom) {
        const auto U = static_cast<unsigned char>(C);
        if (U < 0x20 || U == 0x7F || C == '/' || C == '\\' || C == '.')
            return false;
    }
    return true;
}

int TImageManager::Ajoute(int Sorte, const TImage& Image, const std::string& Nom)
{
    if (!SorteValide(Sorte) || !NomAdmis(Nom))
        return NomRefuse;
    const int Id = MaxIds_[static_cast<size_t>(Sorte)] + 1;
    const std::string Fichier = std::string(NomsSortes[Sorte]) + "_" + std::to_string(Id) + "_" + Nom + ".jpg";
    if (!EnregistreJpeg(Image, Dossier_ + "/" + Fichier))
        return ImageNonEnregistree;
    Listes_[static_cast<size_t>(Sorte)].push_back(TEntree{Nom, Id, Fichier});
    MaxIds_[static_cast<size_t>(Sorte)] = Id;
    return Id;
}

void TImageManager::Supprime(int Sorte, int Id)
{
    if (!SorteValide(Sorte))
        return;
    auto& Liste = Listes_[static_cast<size_t>(Sorte)];
    const int Index = IndexDe(Sorte, Id);
    if (Index < static_cast<int>(Liste.size()))
        Liste.erase(Liste.begin() + Index);
}

int TImageManager::IndexDe(int Sorte, int Id) const
{
    if (!SorteValide(Sorte))
        return 0;
    const auto& Liste = Listes_[static_cast<size_t>(Sorte)];
    for (size_t I = 0; I < Liste.size(); ++I)
        if (Liste[I].Id == Id)
            return static_cast<int>(I);
    return static_cast<int>(Liste.size());
}

const TImageManager::TEntree* TImageManager::Cherche(int Sorte, int Id) const
{
    if (!SorteValide(Sorte))
        return nullptr;
    const auto& Liste = Listes_[static_cast<size_t>(Sorte)];
    const size_t Index = static_cast<size_t>(IndexDe(Sorte, Id));
    return Index < Liste.size() ? &Liste[Index] : nullptr;
}

bool TImageManager::GetEntree(int Sorte, int Index, std::string& Nom, int& Id) const
{
    if (!SorteValide(Sorte) || Index < 0 || Index >= Nombre(Sorte))
        return false;
    const TEntree& E = Listes_[static_cast<size_t>(Sorte)][static_cast<size_t>(Index)];
    Nom = E.Nom;
    Id = E.Id;
    return true;
}

std::string TImageManager::NomDe(int Sorte, int Id) const
{
    const TEntree* E = Cherche(Sorte, Id);
    return E != nullptr ? E->Nom : std::string();
}

bool TImageManager::Renomme(int Sorte, int Id, const std::string& NouveauNom)
{
    if (!SorteValide(Sorte) || !NomAdmis(NouveauNom))
        return false;
    const size_t Index = static_cast<size_t>(IndexDe(Sorte, Id));
    auto& Liste = Listes_[static_cast<size_t>(Sorte)];
    if (Index >= Liste.size())
        return false;
    TEntree& E = Liste[Index];
    if (E.Nom == NouveauNom)
        return true;
    // The kind and id parts and the extension stay as the file has them.
    const size_t Tiret1 = E.Fichier.find('_');
    const size_t Tiret2 = E.Fichier.find('_', Tiret1 + 1);
    const size_t Point = E.Fichier.find('.');
    const std::string Nouveau = E.Fichier.substr(0, Tiret2 + 1) + NouveauNom + E.Fichier.substr(Point);
    const fs::path Ancien = fs::path(Dossier_) / E.Fichier;
    const fs::path Cible = fs::path(Dossier_) / Nouveau;
    std::error_code Erreur;
    // A rename over another photo would lose it.
    if (fs::exists(Cible, Erreur) || Erreur)
        return false;
    fs::rename(Ancien, Cible, Erreur);
    if (Erreur)
        return false;
    E.Nom = NouveauNom;
    E.Fichier = Nouveau;
    return true;
}

std::string TImageManager::NomFichier(int Sorte, int Id) const
{
    const TEntree* E = Cherche(Sorte, Id);
    return E != nullptr ? Dossier_ + "/" + E->Fichier : std::string();
}

std::unique_ptr<TImage> TImageManager::ChargeImage(int Sorte, int Id) const
{
    const std::string Fichier = NomFichier(Sorte, Id);
    if (Fichier.empty())
        return nullptr;
    return ChargeJpeg(Fichier);
}

int TImageManager::Nombre(int Sorte) const
{
    return SorteValide(Sorte) ? static_cast<int>(Listes_[static_cast<size_t>(Sorte)].size()) : 0;
}

int TImageManager::MaxId(int Sorte) const
{
    return SorteValide(Sorte) ? MaxIds_[static_cast<size_t>(Sorte)] : 0;
}

TImageManager* ImageManager()
{
    return ImageManagerProgramme().get();
}

void InstalleImageManager(std::unique_ptr<TImageManager> Nouveau)
{
    ImageManagerProgramme() = std::move(Nouveau);
}
