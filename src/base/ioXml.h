#pragma once

// The program's own line-oriented XML: every XML document it writes or reads
// (season and data archives, the championship catalogue, the other XML files)
// goes through these classes.
//
// Writing: one element per line, two-blank indentation, CR LF line ends, and
// "&", "<", ">" escaped as "#0#", "#1#", "#2#" (see EncodeXml). A persistent
// class writes itself like this:
//
//     void TStade::Ecrit(TXmlWriter& Xml) const
//     {
//         Xml.OuvreElement("Stade");           // start tag stays open for attributes
//         Xml.AjouteAttributInt("ID", Id);
//         Xml.EcritElement("Nom", Nom);        // <Nom>...</Nom>, nothing when empty
//         Xml.EcritElementInt("Capacite", Capacite);
//         Xml.FermeElement("Stade");           // </Stade>
//     }
//
// Reading: LitNoeud returns one node at a time with its kind (XML_OUVRANT,
// XML_FERMANT, XML_COMPLET, XML_FIN). A reader is called once LitNoeud has
// returned the element's own start tag; it takes the element's attributes
// first (they belong to the current node only), then loops over the children
// until the end tag or the end of data, dispatches on the exact name and skips
// everything else whole:
//
//     void TStade::Lit(TXmlReader& Xml, int Genre)   // Genre: what LitNoeud gave for <Stade>
//     {
//         Id = StrToIntDef(Xml.GetAttribut("ID"), 65535);
//         if (Genre != XML_OUVRANT)                   // <Stade /> or <Stade></Stade>: no children
//             return;
//         for (int G = Xml.LitNoeud(); G != XML_FERMANT && G != XML_FIN; G = Xml.LitNoeud()) {
//             if (Xml.GetNom() == "Nom")
//                 Nom = Xml.GetTexte();
//             else if (Xml.GetNom() == "Capacite")
//                 Capacite = Xml.GetTexteInt();
//             else
//                 Xml.SauteElement(G);                // skips an unknown element with its children
//         }
//     }
//
// An element opened with OuvreElement and closed without children reads back
// as XML_COMPLET, so a list reader must accept both kinds for its own start.
//
// Readers take the whole document at once; a document that is not valid UTF-8
// is decoded as Windows-1252. The reader is one pass over the bytes and never
// fails on malformed input: it reports XML_FIN and keeps reporting it. A line
// end inside a text or an attribute value reads as one blank.

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Kinds of node returned by TXmlReader::LitNoeud.
constexpr int XML_OUVRANT = 0; // start tag of an element that has child elements
constexpr int XML_FERMANT = 1; // end tag
constexpr int XML_COMPLET = 2; // a whole element (self-closing, with text, or empty), the declaration, a DOCTYPE
constexpr int XML_FIN = 3;     // end of data or malformed input

// "&" -> "#0#", "<" -> "#1#", ">" -> "#2#"; with EchappeGuillemets a double
// quote -> "#3#". A "#" that would read back as the start of an escape is
// written "#4#"; every other character, "#" included, is written as it is.
std::string EncodeXml(std::string_view Texte, bool EchappeGuillemets = false);
// The reverse, in one left-to-right pass: "#0#".."#4#" -> & < > " #.
std::string DecodeXml(std::string_view Texte);

class TXmlWriter {
public:
    // Creates the file and writes the declaration line. EstOuvert tells
    // whether the file could be created.
    explicit TXmlWriter(const std::string& NomFichier);
    virtual ~TXmlWriter();
    TXmlWriter(const TXmlWriter&) = delete;
    TXmlWriter& operator=(const TXmlWriter&) = delete;

    bool EstOuvert() const { return Fichier != nullptr; }

    // Writes one line as it stands, followed by CR LF (used for the DOCTYPE line).
    void EcritLigne(std::string_view Ligne);

    void OuvreElement(std::string_view Nom, std::string_view Texte = {});
    void AjouteAttribut(std::string_view Nom, std::string_view Valeur, bool Force = false);
    void AjouteAttributInt(std::string_view Nom, long long N);
    void TermineBalise();
    void EcritElement(std::string_view Nom, std::string_view Valeur, bool Force = false);
    void EcritElementInt(std::string_view Nom, long long N);
    void EcritElementBool(std::string_view Nom, bool B);
    // Closes the outermost open element of that name and everything opened after it.
    void FermeElement(std::string_view Nom);
    void FermeJusqua(size_t Niveau);
    size_t Profondeur() const { return NbOuverts; }

    // Closes every open element and, for a file, flushes and closes it. True
    // when every byte reached its destination. The destructor does it too, but
    // cannot report a failure.
    virtual bool Ferme();

protected:
    // For writers that send their lines elsewhere than to a file: each line
    // is built straight at the end of `Destination`; once a whole line leaves
    // it holding `Bloc` bytes or more, LigneTerminee runs.
    explicit TXmlWriter(std::string& Destination, size_t Bloc = SIZE_MAX);
    void EcritDeclaration();
    // A file's writer writes its block out here.
    virtual void LigneTerminee();

private:
    struct TElementOuvert {
        std::string Nom;
        std::string Texte; // already escaped
    };

    void VideFichier();
    void FinLigne()
    {
        if (Sortie->size() >= Bloc)
            LigneTerminee();
    }

    std::FILE* Fichier = nullptr;
    std::string TamponFichier;
    std::string* Sortie;
    size_t Bloc;
    bool Erreur = false;
    std::string Indentation;
    std::vector<TElementOuvert> Pile; // entries beyond NbOuverts are kept for reuse
    size_t NbOuverts = 0;
    bool BaliseEnAttente = false;
};

// Writes into a byte string given by the caller (which may presize it); the
// text is complete once the writer is closed or destroyed.
class TXmlMemoryStreamWriter : public TXmlWriter {
public:
    TXmlMemoryStreamWriter(std::string& Flux, bool Declaration);
    ~TXmlMemoryStreamWriter() override;

    bool Ferme() override;
};

class TXmlReader {
public:
    // Reads the whole file; a missing or unreadable file gives no data
    // (EstOuvert false, LitNoeud returns XML_FIN).
    explicit TXmlReader(const std::string& NomFichier);
    virtual ~TXmlReader();
    TXmlReader(const TXmlReader&) = delete;
    TXmlReader& operator=(const TXmlReader&) = delete;

    bool EstOuvert() const { return Ouvert; }

    int LitNoeud();
    // "xml" for the declaration, the declared name for a DOCTYPE, empty after an end tag.
    const std::string& GetNom() const { return Nom; }
    // The same, pointing into the document: it stays as it is while the
    // element's children are read.
    std::string_view GetNomVue() const { return NomVue; }
    std::string GetTexte() const;
    // The raw text as an integer, 0 when it is not one.
    int GetTexteInt() const;
    // The attribute of that name (ASCII case ignored), decoded; empty when absent.
    std::string GetAttribut(std::string_view NomAttribut) const;
    // The same, as stored in the document (escapes not decoded).
    std::string GetAttributBrut(std::string_view NomAttribut) const;
    // After a start tag (kind XML_OUVRANT), reads up to its matching end tag.
    void SauteElement(int Genre);

protected:
    TXmlReader() = default;
    // Takes the document's bytes, which must outlive the reader unless they
    // are the reader's own (Possede); with LignesCrLf only CR LF ends a line (a
    // lone LF stays in the text), else CR LF, LF and CR all do.
    void ChargeDonnees(std::string_view Octets, bool LignesCrLf);
    std::string Possede; // the document's bytes when the reader holds them

private:
    int Fin();
    size_t ChercheFermant(size_t Depuis);
    std::string_view LitAttributs(std::string_view Reste);
    const std::string_view* ChercheAttribut(std::string_view NomAttribut) const;
    std::string JoindLignes(std::string_view Brut) const;

    // The document, read where it stands: decoding and joining lines happen
    // only for the values asked for, so loading never copies the whole text.
    std::string_view Donnees;
    bool CrLfSeul = true;
    size_t Pos = 0;
    size_t FermantConnu = std::string::npos; // the first ">" at or after FermantDepuis (size() when none)
    size_t FermantDepuis = 0;
    bool Termine = false;
    bool Ouvert = false;
    std::string Nom;
    std::string_view NomVue;
    std::string_view Texte;
    std::vector<std::pair<std::string_view, std::string_view>> Attributs;
};

// Reads a document held in memory (an archive entry), without copying it: the
// bytes must outlive the reader.
class TXmlStreamReader : public TXmlReader {
public:
    explicit TXmlStreamReader(std::string_view Flux);
    explicit TXmlStreamReader(const char* Flux) : TXmlStreamReader(std::string_view(Flux)) {}
    // A temporary would be gone before the first node is read.
    explicit TXmlStreamReader(std::string&&) = delete;
};
