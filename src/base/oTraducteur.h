#pragma once

// The translator: every text the program shows is a numbered text of the
// language file "texte/Texte<language>.txt", one line per text: decimal id, a
// TAB, the text up to the end of the line (kept as it stands). The file is
// UTF-8; an older Windows-1252 file is read too.

#include "base/Format.h"

#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class TTraducteur {
public:
    // Stores the path and loads the table; a missing file leaves it empty.
    explicit TTraducteur(std::string NomFichier);

    // (Re)reads the file; false when it could not be read (the table is then empty).
    bool Charge();

    // The text of an id; the empty text for an unknown or negative id.
    std::string Traduit(int Id) const;
    void Traduit(int Id, std::string& Texte) const { Texte = Traduit(Id); }

    // The text with each "%rc" made a line break (character 13; the pieces
    // around it trimmed) and the arguments formatted in. Never throws: a text
    // whose placeholders do not fit the arguments is returned unformatted.
    std::string TraduitFmt(int Id, std::initializer_list<TArgFormat> Args = {}) const;
    std::string TraduitFmt(int Id, std::span<const TArgFormat> Args) const;
    void TraduitFmt(int Id, std::initializer_list<TArgFormat> Args, std::string& Texte) const
    {
        Texte = TraduitFmt(Id, Args);
    }

    const std::string& GetNomFichier() const { return NomFichier; }
    // Number of lines read, well-formed or not.
    int Nombre() const { return static_cast<int>(Table.size()); }

    const std::string& GetNomProduit() const { return NomProduit; }
    void SetNomProduit(std::string Nom) { NomProduit = std::move(Nom); }

private:
    std::string NomFichier;
    std::string NomProduit;
    // The file's lines in order: id (0 for a malformed line) and text.
    std::vector<std::pair<int, std::string>> Table;
    // Well-formed lines by id, first occurrence first: a blank or malformed line
    // shadows nothing.
    std::unordered_map<int, size_t> Index;
};

// Line breaks of a translated text: each "%rc" becomes character 13 and the
// pieces around it lose their leading and trailing blanks; a text without
// "%rc" is returned as it stands.
std::string ResoutRetoursLigne(std::string_view Texte);

// The program's one translator (owned here; none until the main window installs it).
TTraducteur* Traducteur();
void InstalleTraducteur(std::unique_ptr<TTraducteur> Nouveau);
// Shortcuts to the program's translator: the empty text while there is none.
std::string Traduit(int Id);
std::string TraduitFmt(int Id, std::initializer_list<TArgFormat> Args = {});
// Of two texts that put a count before its noun, the one that agrees with N:
// the singular for one, and for none as well in French ("0 match", but
// "0 matches"). The English rule holds when the installed texts are English.
int IdAccorde(int IdSingulier, int IdPluriel, long long N);
