#include "files/ChargeurXmp.h"

#include <zip.h>
#include <zlib.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

#include "base/Disque.h"
#include "base/Horloge.h"
#include "base/Texte.h"
#include "base/ioXml.h"
#include "model/SaisonFoot.h"

namespace {
struct FermeArchive {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct FermeFichierZip {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};
struct LibereSource {
    void operator()(zip_source_t* s) const { zip_source_free(s); }
};
using TArchive = std::unique_ptr<zip_t, FermeArchive>;

// The entry is stamped with the program's clock, not the system's: a fixed
// clock then gives the same archive bytes at every run. The ZIP time is the
// local time's fields, taken as the clock gives them.
void DateEntreeDos(std::uint16_t& heure, std::uint16_t& date)
{
    const TDateHeure m = Horloge().Maintenant();
    if (m.Annee < 1980 || m.Annee > 2107) {
        heure = 0;
        date = (1 << 5) | 1; // 1 January 1980, the format's first day
        return;
    }
    heure = static_cast<std::uint16_t>((m.Heure << 11) | (m.Minute << 5) | (m.Seconde / 2));
    date = static_cast<std::uint16_t>(((m.Annee - 1980) << 9) | (m.Mois << 5) | m.Jour);
}

void Ecrit16(std::string& s, std::uint32_t v)
{
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Ecrit32(std::string& s, std::uint32_t v)
{
    Ecrit16(s, v & 0xFFFF);
    Ecrit16(s, v >> 16);
}

// The one deflated entry of an archive built in memory. The text comes in
// pieces, so that saving never holds the season's whole document: its pages
// are never touched, and the pieces stay in the cache while they are packed.
class TEntreeDeflate {
public:
    explicit TEntreeDeflate(std::string& archive) : Archive(archive)
    {
        Archive.clear();
        // The local header is written last, once the sizes and the check sum are known.
        Archive.resize(TailleEnTete());
        Pret = deflateInit2(&Flux, 6, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) == Z_OK;
    }
    ~TEntreeDeflate()
    {
        if (Pret)
            deflateEnd(&Flux);
    }
    TEntreeDeflate(const TEntreeDeflate&) = delete;
    TEntreeDeflate& operator=(const TEntreeDeflate&) = delete;

    bool Ajoute(std::string_view texte) { return Deflate(texte, Z_NO_FLUSH); }

    // Ends the stream and writes the headers; false when the text could not
    // be packed or is beyond what a ZIP archive without extensions holds.
    bool Termine()
    {
        if (!Deflate({}, Z_FINISH))
            return false;
        const std::uint64_t taillePaquet = Archive.size() - TailleEnTete();
        if (Taille > 0xFFFFFFFFu || taillePaquet > 0xFFFFFFFFu)
            return false;
        std::uint16_t heure = 0, date = 0;
        DateEntreeDos(heure, date);
        const auto champs = [&](std::string& s) {
            Ecrit16(s, 20); // version needed: deflate
            Ecrit16(s, 0);  // flags
            Ecrit16(s, 8);  // deflate
            Ecrit16(s, heure);
            Ecrit16(s, date);
            Ecrit32(s, static_cast<std::uint32_t>(Crc));
            Ecrit32(s, static_cast<std::uint32_t>(taillePaquet));
            Ecrit32(s, static_cast<std::uint32_t>(Taille));
            Ecrit16(s, static_cast<std::uint32_t>(Nom().size()));
            Ecrit16(s, 0); // no extra field
        };
        std::string entete;
        Ecrit32(entete, 0x04034b50);
        champs(entete);
        entete.append(Nom());
        Archive.replace(0, entete.size(), entete);

        const std::size_t debutRepertoire = Archive.size();
        if (debutRepertoire > 0xFFFFFFFFu)
            return false;
        Ecrit32(Archive, 0x02014b50);
        Ecrit16(Archive, 20); // made by: version 2.0
        champs(Archive);
        Ecrit16(Archive, 0); // no comment
        Ecrit16(Archive, 0); // disk 0
        Ecrit16(Archive, 0); // internal attributes
        Ecrit32(Archive, 0); // external attributes
        Ecrit32(Archive, 0); // the local header's offset
        Archive.append(Nom());
        const std::size_t tailleRepertoire = Archive.size() - debutRepertoire;

        Ecrit32(Archive, 0x06054b50);
        Ecrit16(Archive, 0);
        Ecrit16(Archive, 0);
        Ecrit16(Archive, 1);
        Ecrit16(Archive, 1);
        Ecrit32(Archive, static_cast<std::uint32_t>(tailleRepertoire));
        Ecrit32(Archive, static_cast<std::uint32_t>(debutRepertoire));
        Ecrit16(Archive, 0); // no comment
        return true;
    }

private:
    static std::string_view Nom() { return TChargeurXmp::NomEntree; }
    static std::size_t TailleEnTete() { return 30 + Nom().size(); }

    bool Deflate(std::string_view texte, int vidage)
    {
        if (!Pret)
            return false;
        Taille += texte.size();
        // A null buffer would restart the check sum.
        if (!texte.empty())
            Crc = crc32_z(Crc, reinterpret_cast<const Bytef*>(texte.data()), texte.size());
        Flux.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(texte.data()));
        Flux.avail_in = static_cast<uInt>(texte.size());
        for (;;) {
            Flux.next_out = Sortie;
            Flux.avail_out = sizeof Sortie;
            const int r = deflate(&Flux, vidage);
            if (r == Z_STREAM_ERROR) {
                Pret = false;
                return false;
            }
            Archive.append(reinterpret_cast<const char*>(Sortie), sizeof Sortie - Flux.avail_out);
            if (vidage == Z_FINISH ? r == Z_STREAM_END : (Flux.avail_in == 0 && Flux.avail_out != 0))
                return true;
        }
    }

    std::string& Archive;
    z_stream Flux{};
    bool Pret = false;
    uLong Crc = crc32_z(0, nullptr, 0);
    std::uint64_t Taille = 0;
    Bytef Sortie[1 << 16];
};

// The season's XML sent to the archive piece by piece.
class TXmlVersArchive : public TXmlWriter {
public:
    explicit TXmlVersArchive(TEntreeDeflate& entree) : TXmlWriter(Tampon, TailleTampon), Entree(entree)
    {
        Tampon.reserve(TailleTampon + 4096);
        EcritDeclaration();
    }
    ~TXmlVersArchive() override { FermeJusqua(0); }

    bool Ferme() override
    {
        FermeJusqua(0);
        Vide();
        return Ok;
    }

protected:
    void LigneTerminee() override { Vide(); }

private:
    static constexpr std::size_t TailleTampon = std::size_t(32) << 10;
    void Vide()
    {
        Ok = Entree.Ajoute(Tampon) && Ok;
        Tampon.clear();
    }

    // The base keeps only its address until this body has built it.
    std::string Tampon;
    TEntreeDeflate& Entree;
    bool Ok = true;
};

void EcritDocumentXml(const TSaison& saison, TXmlWriter& xml, TProgression& progression)
{
    xml.EcritLigne("<!DOCTYPE Brevalune>");
    xml.OuvreElement("Brevalune");
    if (saison.EstSaisonMulti()) {
        xml.AjouteAttribut("Type", "Saison");
    } else {
        xml.AjouteAttribut("Type", "Simple");
        if (const TDonneesChampionnat* c = saison.GetChampionnat(1))
            xml.AjouteAttributInt("Division", c->Division);
    }
    progression.Fixe(2);
    progression.Fixe(5);
    saison.EcritSaisonDataXml(xml, progression);
    saison.EcritChampionnatsXml(xml, progression);
    xml.FermeElement("Brevalune");
}

void Echoue(TEchecChargement* echec, TCauseChargement cause, int erreur = 0)
{
    if (echec != nullptr)
        *echec = {cause, erreur};
}

// The named entry, read whole; its size is checked while reading, so a
// central directory that lies about it cannot make us read or reserve more.
bool LitEntreeArchive(zip_t* z, std::string& contenu, TEchecChargement* echec = nullptr)
{
    const zip_int64_t index = zip_name_locate(z, TChargeurXmp::NomEntree, 0);
    if (index < 0) {
        // Some other archive.
        Echoue(echec, TCauseChargement::PasUneSaison);
        return false;
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(z, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        ((stat.valid & ZIP_STAT_SIZE) && stat.size > TChargeurXmp::TailleMaxEntree)) {
        Echoue(echec, TCauseChargement::Endommage);
        return false;
    }
    std::unique_ptr<zip_file_t, FermeFichierZip> f(zip_fopen_index(z, static_cast<zip_uint64_t>(index), 0));
    if (!f) {
        Echoue(echec, TCauseChargement::Endommage);
        return false;
    }
    contenu.clear();
    if (stat.valid & ZIP_STAT_SIZE)
        contenu.reserve(static_cast<std::size_t>(stat.size));
    char tampon[1 << 16];
    for (;;) {
        const zip_int64_t lus = zip_fread(f.get(), tampon, sizeof tampon);
        if (lus < 0) {
            zip_error_t* erreur = zip_file_get_error(f.get());
            if (zip_error_code_zip(erreur) == ZIP_ER_READ)
                Echoue(echec, TCauseChargement::Illisible, zip_error_code_system(erreur));
            else
                Echoue(echec, TCauseChargement::Endommage);
            return false;
        }
        if (lus == 0)
            break;
        if (contenu.size() + static_cast<std::size_t>(lus) > TChargeurXmp::TailleMaxEntree) {
            Echoue(echec, TCauseChargement::Endommage);
            return false;
        }
        contenu.append(tampon, static_cast<std::size_t>(lus));
    }
    return true;
}

// Reads the nodes before the root and leaves the reader inside the root. The
// declaration may only be preceded by blank lines and comments.
bool OuvreRacine(TXmlReader& lecteur)
{
    int genre = lecteur.LitNoeud();
    while (genre == XML_COMPLET && lecteur.GetNom().empty())
        genre = lecteur.LitNoeud();
    if (genre != XML_COMPLET || MajusculesAscii(lecteur.GetNom()) != "XML")
        return false;
    if (lecteur.LitNoeud() != XML_COMPLET || lecteur.GetNom() != "Brevalune")
        return false;
    return lecteur.LitNoeud() == XML_OUVRANT && lecteur.GetNom() == "Brevalune";
}

// True when the bytes begin as an archive does, as far as they go: the
// signature of a first entry, or of the directory of an empty archive. An
// empty file tells nothing of what it was meant to be.
bool DebutArchive(std::string_view debut)
{
    constexpr std::string_view Entree("PK\x03\x04", 4);
    constexpr std::string_view Repertoire("PK\x05\x06", 4);
    debut = debut.substr(0, 4);
    return !debut.empty() && (Entree.starts_with(debut) || Repertoire.starts_with(debut));
}

// True when the document ends with the root's end tag: a document without it
// was cut short, whatever the reader met first.
bool FinRacine(std::string_view document)
{
    const std::size_t fin = document.find_last_not_of(" \t\r\n");
    constexpr std::string_view Fermant = "</Brevalune>";
    return fin != std::string_view::npos && document.substr(0, fin + 1).ends_with(Fermant);
}

} // namespace

TChargeurXmp::TChargeurXmp(std::string nomFichier, std::string dossierMoteur)
    : m_DossierMoteur(std::move(dossierMoteur)), m_NomFichier(std::move(nomFichier))
{
}

std::string TChargeurXmp::NomSauvegarde(const std::string& nomFichier)
{
    const std::size_t barre = nomFichier.find_last_of('/');
    const std::size_t point = nomFichier.find_last_of('.');
    if (point == std::string::npos || (barre != std::string::npos && point < barre))
        return nomFichier + ".~";
    return nomFichier.substr(0, point + 1) + "~" + nomFichier.substr(point + 1);
}

bool TChargeurXmp::LitEntree(std::string_view archive, std::string& contenu)
{
    zip_error_t erreur;
    zip_error_init(&erreur);
    std::unique_ptr<zip_source_t, LibereSource> source(
        zip_source_buffer_create(archive.data(), archive.size(), 0, &erreur));
    zip_error_fini(&erreur);
    if (!source)
        return false;
    zip_error_init(&erreur);
    TArchive z(zip_open_from_source(source.get(), ZIP_RDONLY, &erreur));
    zip_error_fini(&erreur);
    if (!z)
        return false;
    // The archive owns its source from now on.
    source.release();
    return LitEntreeArchive(z.get(), contenu);
}

bool TChargeurXmp::LitEntreeFichier(const std::string& nomFichier, std::string& contenu)
{
    int code = 0;
    TArchive z(zip_open(nomFichier.c_str(), ZIP_RDONLY, &code));
    return z && LitEntreeArchive(z.get(), contenu);
}

bool TChargeurXmp::LitEntreeFichier(const std::string& nomFichier, std::string& contenu, TEchecChargement& echec)
{
    echec = {};
    // The first bytes tell a file that is no archive at all from one whose end is missing.
    char debut[4] = {};
    std::size_t lus = 0;
    echec = LitDebutFichier(nomFichier, debut, sizeof debut, lus);
    if (echec.Cause != TCauseChargement::Aucune)
        return false;
    if (!DebutArchive(std::string_view(debut, lus))) {
        echec = {TCauseChargement::PasUneArchive, 0};
        return false;
    }
    if (lus < sizeof debut) {
        // What there is begins as an archive does: the rest is missing.
        echec = {TCauseChargement::Tronque, 0};
        return false;
    }
    int code = 0;
    TArchive z(zip_open(nomFichier.c_str(), ZIP_RDONLY, &code));
    if (!z) {
        switch (code) {
        case ZIP_ER_NOZIP:
        case ZIP_ER_EOF:
            // It begins as an archive, and its directory, written last, is not there.
            echec = {TCauseChargement::Tronque, 0};
            break;
        case ZIP_ER_NOENT:
            echec = {TCauseChargement::Illisible, ENOENT};
            break;
        case ZIP_ER_OPEN:
        case ZIP_ER_READ:
        case ZIP_ER_SEEK:
        case ZIP_ER_TELL:
        case ZIP_ER_MEMORY:
            echec = {TCauseChargement::Illisible, 0};
            break;
        default:
            echec = {TCauseChargement::Endommage, 0};
            break;
        }
        return false;
    }
    return LitEntreeArchive(z.get(), contenu, &echec);
}

bool TChargeurXmp::CreeArchive(std::string_view contenu, std::string& archive)
{
    TEntreeDeflate entree(archive);
    return entree.Ajoute(contenu) && entree.Termine();
}

std::string TChargeurXmp::EcritDocument(const TSaison& saison, TProgression& progression)
{
    // Sized from the season, so that large seasons do not grow the text again and again.
    std::size_t taille = 0;
    for (int n = 1; n <= saison.NbChampionnat(); ++n) {
        const TDonneesChampionnat* c = saison.GetChampionnat(n);
        taille += static_cast<std::size_t>(c->GetNbJour()) * c->GetNbMatch() * 3500 + 1000;
    }
    taille += static_cast<std::size_t>(saison.NbEquipe() + saison.NbClubPrec()) * 100;
    taille += static_cast<std::size_t>(saison.Joueurs().Nombre()) * 1000;

    std::string document;
    document.reserve(taille);
    {
        TXmlMemoryStreamWriter xml(document, true);
        EcritDocumentXml(saison, xml, progression);
        xml.Ferme();
    }
    progression.Fixe(90);
    return document;
}

bool TChargeurXmp::EcritArchive(const TSaison& saison, std::string& archive, TProgression& progression)
{
    TEntreeDeflate entree(archive);
    TXmlVersArchive xml(entree);
    EcritDocumentXml(saison, xml, progression);
    if (!xml.Ferme() || !entree.Termine())
        return false;
    progression.Fixe(90);
    return true;
}

bool TChargeurXmp::LitDocument(TSaison& saison, std::string_view document, TProgression& progression,
                               TCauseChargement* cause)
{
    TXmlStreamReader lecteur(document);
    if (!OuvreRacine(lecteur)) {
        if (cause != nullptr)
            *cause = TCauseChargement::PasUneSaison;
        return false;
    }
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT; genre = lecteur.LitNoeud()) {
        // Cut short before the root's end: loading half a season would let the
        // next save write it over the whole one.
        if (genre == XML_FIN) {
            if (cause != nullptr)
                *cause = TCauseChargement::Tronque;
            return false;
        }
        if (lecteur.GetNom() == "SaisonData") {
            saison.LitSaisonDataXml(lecteur, genre, progression);
        } else if (lecteur.GetNom() == "Championnats") {
            if (!saison.LitChampionnatsXml(lecteur, genre, progression)) {
                if (cause != nullptr)
                    *cause = FinRacine(document) ? TCauseChargement::Endommage : TCauseChargement::Tronque;
                return false;
            }
        } else {
            lecteur.SauteElement(genre);
        }
    }
    saison.TermineLecture();
    return true;
}

bool TChargeurXmp::ChargeSaison(TSaison& saison, const TRappelProgression& rappel)
{
    TProgression progression(rappel);
    progression.Fixe(0);
    std::string document;
    if (!LitEntreeFichier(m_NomFichier, document, m_Echec))
        return false;
    progression.Fixe(10);
    TCauseChargement cause = TCauseChargement::Endommage;
    if (!LitDocument(saison, document, progression, &cause)) {
        m_Echec = {cause, 0};
        return false;
    }
    progression.Fixe(100);
    return true;
}

bool TChargeurXmp::SauveSaison(const TSaison& saison, const TRappelProgression& rappel)
{
    TProgression progression(rappel);
    m_Erreur = 0;
    std::string archive;
    if (!EcritArchive(saison, archive, progression))
        return false;

    const std::string sauvegarde = saison.GetOptionSauvegarde(1) != 0 ? NomSauvegarde(m_NomFichier) : std::string();
    if (!RemplaceFichier(m_NomFichier, archive, sauvegarde)) {
        m_Erreur = errno;
        return false;
    }
    progression.Fixe(100);
    return true;
}

int TChargeurXmp::ImporteChampionnat() const
{
    std::string document;
    if (!LitEntreeFichier(m_NomFichier, document))
        return -1;
    TXmlStreamReader lecteur(document);
    if (!OuvreRacine(lecteur))
        return -1;
    int division = -1;
    return EssaieStrToInt(Trim(lecteur.GetAttribut("Division")), division) ? division : -1;
}

bool TChargeurXmp::LitTypeFichier() const
{
    std::string document;
    if (!LitEntreeFichier(m_NomFichier, document))
        return false;
    TXmlStreamReader lecteur(document);
    return OuvreRacine(lecteur) && MajusculesAscii(lecteur.GetAttribut("Type")) == "SAISON";
}
