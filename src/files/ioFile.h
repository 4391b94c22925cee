#pragma once

// Buffered reading and writing of the program's own binary files: bytes,
// little-endian 16- and 32-bit values and terminated strings, taken from and
// sent to a 4096-byte buffer so that byte-by-byte parsing touches the file
// once per block.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// A file that cannot be opened, read, positioned or written.
class EErreurFichier : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that could not be written, with the system's error number that says
// why (0 when the system gave none).
class EErreurEcriture : public EErreurFichier {
public:
    EErreurEcriture(const std::string& Message, int Cause) : EErreurFichier(Message), Erreur(Cause) {}
    int Erreur;
};

// A read past the last byte: the file is shorter than its content claims.
// Readers of a format catch it (or its base) and report a failed load.
class EFinFichier : public EErreurFichier {
public:
    using EErreurFichier::EErreurFichier;
};

// Where a TLecteurFichier takes its bytes. Files in the program; tests use
// sources that end early or fail on purpose.
class TSourceOctets {
public:
    virtual ~TSourceOctets() = default;
    // Up to Nombre bytes; fewer only at the end of the data. Throws
    // EErreurFichier when the device fails.
    virtual std::size_t Lit(uint8_t* Destination, std::size_t Nombre) = 0;
    // Throws EErreurFichier for an offset the device refuses.
    virtual void Positionne(int64_t Decalage) = 0;
    virtual int64_t Taille() = 0;
};

// Bytes held in memory (a copy), read as a file would be.
class TSourceMemoire : public TSourceOctets {
public:
    explicit TSourceMemoire(std::vector<uint8_t> Octets) : Octets_(std::move(Octets)) {}
    TSourceMemoire(const uint8_t* Donnees, std::size_t Taille) : Octets_(Donnees, Donnees + Taille) {}
    std::size_t Lit(uint8_t* Destination, std::size_t Nombre) override;
    void Positionne(int64_t Decalage) override;
    int64_t Taille() override { return static_cast<int64_t>(Octets_.size()); }

private:
    std::vector<uint8_t> Octets_;
    std::size_t Position_ = 0;
};

// Where a TRedacteurFichier sends its bytes.
class TDestinationOctets {
public:
    virtual ~TDestinationOctets() = default;
    // Writes every byte or throws EErreurFichier.
    virtual void Ecrit(const uint8_t* Source, std::size_t Nombre) = 0;
    // Makes the bytes durable and releases the device; throws EErreurFichier
    // when that fails. Called once.
    virtual void Ferme() = 0;
};

class TLecteurFichier {
public:
    static constexpr int TailleTampon = 4096;

    // Opens an existing file; throws EErreurFichier when it cannot be opened or read.
    explicit TLecteurFichier(const std::string& NomFichier);
    explicit TLecteurFichier(std::unique_ptr<TSourceOctets> Source);
    ~TLecteurFichier();
    TLecteurFichier(const TLecteurFichier&) = delete;
    TLecteurFichier& operator=(const TLecteurFichier&) = delete;

    // Keeps the Garde unread bytes that follow the read position (fewer when
    // fewer are unread), moves them to the front and reads the rest of the
    // block behind them. Returns the bytes now available; the read position is 0.
    int Remplit(int Garde);

    // Every reader throws EFinFichier when the file ends before the value does.
    uint8_t LitOctet();
    uint16_t LitMot();
    int32_t LitEntier();
    // The bytes up to the next Terminateur byte, which is consumed and left out.
    std::string LitChaine(uint8_t Terminateur = 0);

    // Moves to an offset from the start of the file and refills the buffer.
    void Positionne(int64_t Decalage);
    int64_t Taille();
    // Offset of the next byte to be read.
    int64_t Position() const { return PositionFichier_ - Disponible_ + Lecture_; }

private:
    // Makes at least Nombre unread bytes available, or throws EFinFichier.
    void Assure(int Nombre);

    std::unique_ptr<TSourceOctets> Source_;
    uint8_t Tampon_[TailleTampon];
    int Lecture_ = 0;
    int Disponible_ = 0;
    // Offset in the file just behind the last byte in the buffer.
    int64_t PositionFichier_ = 0;
};

class TRedacteurFichier {
public:
    static constexpr int TailleTampon = 4096;

    // With Cree set the file is created (an existing one is emptied), otherwise
    // an existing file is opened and written from its start. Throws
    // EErreurFichier when the file cannot be opened.
    TRedacteurFichier(const std::string& NomFichier, bool Cree);
    explicit TRedacteurFichier(std::unique_ptr<TDestinationOctets> Destination);
    // Writes what is buffered and closes, silently: call Ferme to learn of a failure.
    ~TRedacteurFichier();
    TRedacteurFichier(const TRedacteurFichier&) = delete;
    TRedacteurFichier& operator=(const TRedacteurFichier&) = delete;

    void EcritOctet(uint8_t Valeur);
    void EcritOctets(const uint8_t* Source, std::size_t Nombre);
    void EcritMot(uint16_t Valeur);
    void EcritEntier(int32_t Valeur);

    // Writes the buffered bytes to the file and empties the buffer.
    void Vide();
    // Vide, then closes the file; throws EErreurFichier when any byte could not
    // be written. Nothing may be written afterwards.
    void Ferme();

private:
    std::unique_ptr<TDestinationOctets> Destination_;
    uint8_t Tampon_[TailleTampon];
    int Compte_ = 0;
};
