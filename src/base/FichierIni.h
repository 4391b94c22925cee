#pragma once

// A Windows-style settings file: "[Section]" headers and "Key=Value" lines.
// Sections and keys are found without regard to case; values are texts, read
// without their surrounding blanks (and without one pair of enclosing quotes).
// Integers and Booleans read as the platform's ini functions read them: an
// integer is a decimal or "$"/"0x" hexadecimal number, anything else gives the
// default; a Boolean is an integer other than 0 and is written "1" or "0".
//
// Each write goes to the file at once (replaced as a whole, so an interrupted
// write leaves the previous file), and keeps every other section, key, comment
// and line as it was. Reads and writes see what another object or program has
// written to the file meanwhile, as the platform's functions do, so a dialog
// may write a key that its caller then reads. A missing or unreadable file
// reads as empty: every read gives its default.

#include <string>
#include <string_view>
#include <vector>

class TFichierIni {
public:
    explicit TFichierIni(std::string NomFichier);

    const std::string& GetNomFichier() const { return NomFichier; }

    std::string ReadString(std::string_view Section, std::string_view Cle, std::string_view Defaut) const;
    int ReadInteger(std::string_view Section, std::string_view Cle, int Defaut) const;
    bool ReadBool(std::string_view Section, std::string_view Cle, bool Defaut) const;

    // False when the file could not be written (the value is kept in memory).
    bool WriteString(std::string_view Section, std::string_view Cle, std::string_view Valeur);
    bool WriteInteger(std::string_view Section, std::string_view Cle, int Valeur);
    bool WriteBool(std::string_view Section, std::string_view Cle, bool Valeur);

    bool SectionExists(std::string_view Section) const;
    bool ValueExists(std::string_view Section, std::string_view Cle) const;
    // The keys of a section, in file order, and the sections of the file.
    std::vector<std::string> ReadSection(std::string_view Section) const;
    std::vector<std::string> ReadSections() const;

    bool EraseSection(std::string_view Section);
    bool DeleteKey(std::string_view Section, std::string_view Cle);

    // Reads the file again, dropping what memory holds.
    void Relit();
    // Writes the file; false on failure.
    bool UpdateFile();

private:
    struct TLigne {
        std::string Brute; // the line as read, for lines we never rewrite
        std::string Cle;   // empty for a comment, a blank line or a line without "="
        std::string Valeur;
    };
    struct TSection {
        std::string Nom;    // empty for the lines before the first header
        std::string EnTete; // the header line as read
        std::vector<TLigne> Lignes;
    };

    // The file's identity, size and time: a change means someone else wrote it.
    struct TEmpreinte {
        bool Existe = false;
        unsigned long long Inode = 0;
        long long Taille = 0;
        long long Temps = 0;
        bool operator==(const TEmpreinte&) const = default;
    };
    TEmpreinte Empreinte() const;
    void Charge() const;
    // Reloads when the file changed since it was read or written.
    void Actualise() const;

    const TSection* Trouve(std::string_view Section) const;
    TSection* Trouve(std::string_view Section);
    static const TLigne* TrouveCle(const TSection& S, std::string_view Cle);

    std::string NomFichier;
    mutable std::vector<TSection> Sections;
    mutable std::string FinDeLigne = "\n";
    mutable TEmpreinte Lue;
};
