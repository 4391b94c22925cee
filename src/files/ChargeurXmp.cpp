#include "files/ChargeurXmp.h"

#include <zip.h>

#include <cerrno>
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
// clock then gives the same archive bytes at every run. The ZIP time is a
// local time, so the clock's local fields go through mktime unchanged.
std::time_t DateEntree()
{
    const TDateHeure maintenant = Horloge().Maintenant();
    std::tm tm{};
    tm.tm_year = maintenant.Annee - 1900;
    tm.tm_mon = maintenant.Mois - 1;
    tm.tm_mday = maintenant.Jour;
    tm.tm_hour = maintenant.Heure;
    tm.tm_min = maintenant.Minute;
    tm.tm_sec = maintenant.Seconde;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

// The named entry, read whole; its size is checked while reading, so a
// central directory that lies about it cannot make us read or reserve more.
bool LitEntreeArchive(zip_t* z, std::string& contenu)
{
    const zip_int64_t index = zip_name_locate(z, TChargeurXmp::NomEntree, 0);
    if (index < 0)
        return false;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(z, static_cast<zip_uint64_t>(index), 0, &stat) != 0)
        return false;
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > TChargeurXmp::TailleMaxEntree)
        return false;
    std::unique_ptr<zip_file_t, FermeFichierZip> f(zip_fopen_index(z, static_cast<zip_uint64_t>(index), 0));
    if (!f)
        return false;
    contenu.clear();
    if (stat.valid & ZIP_STAT_SIZE)
        contenu.reserve(static_cast<std::size_t>(stat.size));
    char tampon[1 << 16];
    for (;;) {
        const zip_int64_t lus = zip_fread(f.get(), tampon, sizeof tampon);
        if (lus < 0)
            return false;
        if (lus == 0)
            break;
        if (contenu.size() + static_cast<std::size_t>(lus) > TChargeurXmp::TailleMaxEntree)
            return false;
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

bool TChargeurXmp::CreeArchive(std::string_view contenu, std::string& archive)
{
    zip_error_t erreur;
    zip_error_init(&erreur);
    std::unique_ptr<zip_source_t, LibereSource> memoire(zip_source_buffer_create(nullptr, 0, 0, &erreur));
    zip_error_fini(&erreur);
    if (!memoire)
        return false;
    // Kept alive past zip_close, which writes the archive into it.
    zip_source_keep(memoire.get());
    zip_error_init(&erreur);
    zip_t* z = zip_open_from_source(memoire.get(), ZIP_TRUNCATE, &erreur);
    zip_error_fini(&erreur);
    if (!z) {
        zip_source_free(memoire.get());
        return false;
    }
    zip_source_t* entree = zip_source_buffer(z, contenu.data(), contenu.size(), 0);
    const zip_int64_t index =
        entree ? zip_file_add(z, NomEntree, entree, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) : zip_int64_t(-1);
    if (index < 0) {
        if (entree)
            zip_source_free(entree);
        zip_discard(z);
        return false;
    }
    zip_set_file_compression(z, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 6);
    if (const std::time_t date = DateEntree(); date != static_cast<std::time_t>(-1))
        zip_file_set_mtime(z, static_cast<zip_uint64_t>(index), date, 0);
    if (zip_close(z) != 0) {
        zip_discard(z);
        return false;
    }

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(memoire.get(), &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(memoire.get()) != 0)
        return false;
    archive.resize(static_cast<std::size_t>(stat.size));
    const zip_int64_t lus = zip_source_read(memoire.get(), archive.data(), stat.size);
    zip_source_close(memoire.get());
    return lus == static_cast<zip_int64_t>(stat.size);
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
        xml.Ferme();
    }
    progression.Fixe(90);
    return document;
}

bool TChargeurXmp::LitDocument(TSaison& saison, std::string_view document, TProgression& progression)
{
    TXmlStreamReader lecteur(document);
    if (!OuvreRacine(lecteur))
        return false;
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT; genre = lecteur.LitNoeud()) {
        // Cut short before the root's end: loading half a season would let the
        // next save write it over the whole one.
        if (genre == XML_FIN)
            return false;
        if (lecteur.GetNom() == "SaisonData") {
            saison.LitSaisonDataXml(lecteur, genre, progression);
        } else if (lecteur.GetNom() == "Championnats") {
            if (!saison.LitChampionnatsXml(lecteur, genre, progression))
                return false;
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
    if (!LitEntreeFichier(m_NomFichier, document))
        return false;
    progression.Fixe(10);
    if (!LitDocument(saison, document, progression))
        return false;
    progression.Fixe(100);
    return true;
}

bool TChargeurXmp::SauveSaison(const TSaison& saison, const TRappelProgression& rappel)
{
    TProgression progression(rappel);
    m_Erreur = 0;
    const std::string document = EcritDocument(saison, progression);
    std::string archive;
    if (!CreeArchive(document, archive))
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
