#include "files/ioFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Raison(const std::string& Quoi, const std::string& NomFichier)
{
    return Quoi + " \"" + NomFichier + "\": " + std::strerror(errno);
}

class TSourceFichier : public TSourceOctets {
public:
    explicit TSourceFichier(const std::string& NomFichier) : Nom_(NomFichier)
    {
        Fichier_ = std::fopen(NomFichier.c_str(), "rb");
        if (!Fichier_)
            throw EErreurFichier(Raison("cannot open", NomFichier));
        // fopen accepts a folder on Linux; reading it would fail later with a
        // less helpful message.
        struct stat Infos {};
        if (::fstat(::fileno(Fichier_), &Infos) != 0 || !S_ISREG(Infos.st_mode)) {
            std::fclose(Fichier_);
            throw EErreurFichier("not a file: \"" + NomFichier + "\"");
        }
    }
    ~TSourceFichier() override { std::fclose(Fichier_); }

    std::size_t Lit(uint8_t* Destination, std::size_t Nombre) override
    {
        std::size_t Lus = std::fread(Destination, 1, Nombre, Fichier_);
        if (Lus < Nombre && std::ferror(Fichier_))
            throw EErreurFichier(Raison("cannot read", Nom_));
        return Lus;
    }

    void Positionne(int64_t Decalage) override
    {
        if (Decalage < 0 || ::fseeko(Fichier_, static_cast<off_t>(Decalage), SEEK_SET) != 0)
            throw EErreurFichier("cannot move to offset " + std::to_string(Decalage) + " in \"" + Nom_ + "\"");
    }

    int64_t Taille() override
    {
        struct stat Infos {};
        if (::fstat(::fileno(Fichier_), &Infos) != 0)
            throw EErreurFichier(Raison("cannot read the size of", Nom_));
        return static_cast<int64_t>(Infos.st_size);
    }

private:
    std::string Nom_;
    std::FILE* Fichier_ = nullptr;
};

class TDestinationFichier : public TDestinationOctets {
public:
    TDestinationFichier(const std::string& NomFichier, bool Cree) : Nom_(NomFichier)
    {
        Fichier_ = std::fopen(NomFichier.c_str(), Cree ? "wb" : "r+b");
        if (!Fichier_)
            throw EErreurFichier(Raison("cannot open for writing", NomFichier));
    }
    ~TDestinationFichier() override
    {
        if (Fichier_)
            std::fclose(Fichier_);
    }

    void Ecrit(const uint8_t* Source, std::size_t Nombre) override
    {
        if (!Fichier_ || std::fwrite(Source, 1, Nombre, Fichier_) != Nombre)
            throw EErreurFichier(Raison("cannot write", Nom_));
    }

    void Ferme() override
    {
        if (!Fichier_)
            return;
        std::FILE* Fichier = Fichier_;
        Fichier_ = nullptr;
        // A full disk often shows only when the last block goes out or when the
        // system writes the file back: both must fail the save, not pass it.
        bool Ok = std::fflush(Fichier) == 0 && ::fsync(::fileno(Fichier)) == 0;
        Ok = std::fclose(Fichier) == 0 && Ok;
        if (!Ok)
            throw EErreurFichier(Raison("cannot write", Nom_));
    }

private:
    std::string Nom_;
    std::FILE* Fichier_ = nullptr;
};

} // namespace

// --- TSourceMemoire ---

std::size_t TSourceMemoire::Lit(uint8_t* Destination, std::size_t Nombre)
{
    std::size_t Lus = std::min(Nombre, Octets_.size() - std::min(Position_, Octets_.size()));
    if (Lus > 0)
        std::memcpy(Destination, Octets_.data() + Position_, Lus);
    Position_ += Lus;
    return Lus;
}

void TSourceMemoire::Positionne(int64_t Decalage)
{
    if (Decalage < 0)
        throw EErreurFichier("cannot move to offset " + std::to_string(Decalage));
    Position_ = static_cast<std::size_t>(Decalage);
}

// --- TLecteurFichier ---

TLecteurFichier::TLecteurFichier(const std::string& NomFichier)
    : TLecteurFichier(std::make_unique<TSourceFichier>(NomFichier))
{
}

TLecteurFichier::TLecteurFichier(std::unique_ptr<TSourceOctets> Source) : Source_(std::move(Source))
{
    Remplit(0);
}

TLecteurFichier::~TLecteurFichier() = default;

int TLecteurFichier::Remplit(int Garde)
{
    Garde = std::clamp(Garde, 0, Disponible_ - Lecture_);
    if (Garde > 0)
        std::memmove(Tampon_, Tampon_ + Lecture_, static_cast<std::size_t>(Garde));
    Lecture_ = 0;
    Disponible_ = Garde;
    // A source may deliver a block in several pieces; only an empty piece is the end.
    while (Disponible_ < TailleTampon) {
        std::size_t Lus = Source_->Lit(Tampon_ + Disponible_, static_cast<std::size_t>(TailleTampon - Disponible_));
        if (Lus == 0)
            break;
        Disponible_ += static_cast<int>(Lus);
        PositionFichier_ += static_cast<int64_t>(Lus);
    }
    return Disponible_;
}

void TLecteurFichier::Assure(int Nombre)
{
    if (Disponible_ - Lecture_ >= Nombre)
        return;
    Remplit(Disponible_ - Lecture_);
    if (Disponible_ < Nombre)
        throw EFinFichier("unexpected end of file at offset " + std::to_string(Position()));
}

uint8_t TLecteurFichier::LitOctet()
{
    Assure(1);
    return Tampon_[Lecture_++];
}

uint16_t TLecteurFichier::LitMot()
{
    Assure(2);
    uint16_t Valeur = static_cast<uint16_t>(Tampon_[Lecture_] | (Tampon_[Lecture_ + 1] << 8));
    Lecture_ += 2;
    return Valeur;
}

int32_t TLecteurFichier::LitEntier()
{
    Assure(4);
    uint32_t Valeur = static_cast<uint32_t>(Tampon_[Lecture_]) | (static_cast<uint32_t>(Tampon_[Lecture_ + 1]) << 8) |
                      (static_cast<uint32_t>(Tampon_[Lecture_ + 2]) << 16) |
                      (static_cast<uint32_t>(Tampon_[Lecture_ + 3]) << 24);
    Lecture_ += 4;
    return static_cast<int32_t>(Valeur);
}

std::string TLecteurFichier::LitChaine(uint8_t Terminateur)
{
    std::string Chaine;
    for (;;) {
        Assure(1);
        const uint8_t* Debut = Tampon_ + Lecture_;
        const auto* Fin = static_cast<const uint8_t*>(
            std::memchr(Debut, Terminateur, static_cast<std::size_t>(Disponible_ - Lecture_)));
        if (Fin) {
            Chaine.append(reinterpret_cast<const char*>(Debut), static_cast<std::size_t>(Fin - Debut));
            Lecture_ += static_cast<int>(Fin - Debut) + 1;
            return Chaine;
        }
        Chaine.append(reinterpret_cast<const char*>(Debut), static_cast<std::size_t>(Disponible_ - Lecture_));
        Lecture_ = Disponible_;
    }
}

void TLecteurFichier::Positionne(int64_t Decalage)
{
    Source_->Positionne(Decalage);
    PositionFichier_ = Decalage;
    Lecture_ = 0;
    Disponible_ = 0;
    Remplit(0);
}

int64_t TLecteurFichier::Taille()
{
    return Source_->Taille();
}

// --- TRedacteurFichier ---

TRedacteurFichier::TRedacteurFichier(const std::string& NomFichier, bool Cree)
    : TRedacteurFichier(std::make_unique<TDestinationFichier>(NomFichier, Cree))
{
}

TRedacteurFichier::TRedacteurFichier(std::unique_ptr<TDestinationOctets> Destination)
    : Destination_(std::move(Destination))
{
}

TRedacteurFichier::~TRedacteurFichier()
{
    try {
        Ferme();
    } catch (const EErreurFichier&) {
    }
}

void TRedacteurFichier::EcritOctets(const uint8_t* Source, std::size_t Nombre)
{
    while (Nombre > 0) {
        if (Compte_ == TailleTampon)
            Vide();
        std::size_t Morceau = std::min(Nombre, static_cast<std::size_t>(TailleTampon - Compte_));
        std::memcpy(Tampon_ + Compte_, Source, Morceau);
        Compte_ += static_cast<int>(Morceau);
        Source += Morceau;
        Nombre -= Morceau;
    }
}

void TRedacteurFichier::EcritOctet(uint8_t Valeur)
{
    EcritOctets(&Valeur, 1);
}

void TRedacteurFichier::EcritMot(uint16_t Valeur)
{
    const uint8_t Octets[2] = {static_cast<uint8_t>(Valeur & 0xFF), static_cast<uint8_t>(Valeur >> 8)};
    EcritOctets(Octets, 2);
}

void TRedacteurFichier::EcritEntier(int32_t Valeur)
{
    uint32_t V = static_cast<uint32_t>(Valeur);
    const uint8_t Octets[4] = {static_cast<uint8_t>(V & 0xFF), static_cast<uint8_t>((V >> 8) & 0xFF),
                               static_cast<uint8_t>((V >> 16) & 0xFF), static_cast<uint8_t>(V >> 24)};
    EcritOctets(Octets, 4);
}

void TRedacteurFichier::Vide()
{
    if (Compte_ == 0)
        return;
    if (!Destination_)
        throw EErreurFichier("write after the file was closed");
    // Emptied first: a failed write must not be retried by the destructor.
    int Compte = Compte_;
    Compte_ = 0;
    Destination_->Ecrit(Tampon_, static_cast<std::size_t>(Compte));
}

void TRedacteurFichier::Ferme()
{
    if (!Destination_)
        return;
    // The file is closed whatever happens; the first failure is the one reported.
    std::exception_ptr Erreur;
    try {
        Vide();
    } catch (const EErreurFichier&) {
        Erreur = std::current_exception();
    }
    std::unique_ptr<TDestinationOctets> Destination = std::move(Destination_);
    try {
        Destination->Ferme();
    } catch (const EErreurFichier&) {
        if (!Erreur)
            Erreur = std::current_exception();
    }
    if (Erreur)
        std::rethrow_exception(Erreur);
}
