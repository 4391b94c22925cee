#include "Generateur.h"

#include "CoupeDuMonde.h"

#include "base/Horloge.h"
#include "files/Blasons.h"
#include "files/ChargeurChamp.h"
#include "files/ChargeurXmp.h"
#include "files/TraiteurFichier.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "presentation/ResultatsJournee.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>
#include <tuple>

namespace fs = std::filesystem;

namespace {

constexpr uint8_t Ligue = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational;
// Option 11: every match keeps its own date, as real matchdays spread over several days.
constexpr uint8_t DatesParMatch = 4;

// Teams, catalogue options and the years of the season.
bool RemplitDivision(TSaison& saison, TDonneesChampionnat& champ, int code, const TResultatsReels& resultats,
                     const TLectureParam& catalogue, std::string& erreur)
{
    const std::vector<std::string> clubs = resultats.Equipes();
    const int attendus = catalogue.GetNbEquipe(code);
    if (!catalogue.ChercheDivision(code) || static_cast<int>(clubs.size()) != attendus) {
        erreur = "division " + std::to_string(code) + ": " + std::to_string(clubs.size()) + " clubs in " +
                 resultats.Nom + ", the catalogue expects " + std::to_string(attendus);
        return false;
    }
    for (int p = 0; p < attendus; ++p) {
        const int id = saison.AjouteEquipe(clubs[static_cast<size_t>(p)]);
        if (id < 0) {
            erreur = "division " + std::to_string(code) + ": club " + clubs[static_cast<size_t>(p)] + " refused";
            return false;
        }
        champ.SetEquipe(p, static_cast<uint16_t>(id));
    }
    TChargeurData::CompleteDuCatalogue(champ, code, catalogue);
    const int annee = resultats.PremiereAnnee();
    champ.SetOption(8, static_cast<uint8_t>(annee - 1900));
    champ.SetOption(9, static_cast<uint8_t>((annee + 1) % 100));
    return true;
}

bool AjouteMatchs(TSaison& saison, TDonneesChampionnat& champ, const TResultatsReels& resultats, std::string& erreur)
{
    for (const TMatchReel& m : resultats.Matchs) {
        const int id1 = saison.ChercheEquipe(m.Equipe1);
        const int id2 = saison.ChercheEquipe(m.Equipe2);
        const uint16_t but1 = m.Joue ? static_cast<uint16_t>(m.But1) : TInfoComp::Aucun;
        const uint16_t but2 = m.Joue ? static_cast<uint16_t>(m.But2) : TInfoComp::Aucun;
        if (m.Journee > champ.GetNbJour() ||
            champ.AjouteMatchDate(m.Journee, id1, id2, EncodeDateMatch(m.Jour, m.Mois, m.Annee), -1, but1, but2) < 0) {
            erreur = resultats.Nom + ": match " + m.Equipe1 + " - " + m.Equipe2 + " of matchday " +
                     std::to_string(m.Journee) + " does not fit the league";
            return false;
        }
    }
    // A match that another of the same day replaced would vanish in silence.
    for (int n = 1; n <= champ.GetNbJour(); ++n) {
        const int lus = static_cast<int>(std::count_if(resultats.Matchs.begin(), resultats.Matchs.end(),
                                                       [n](const TMatchReel& m) { return m.Journee == n; }));
        const TInfoCompJour* jour = champ.GetJournee(n);
        if ((jour ? jour->NbMatch() : 0) != lus || lus > champ.GetNbMatch()) {
            erreur = resultats.Nom + ": matchday " + std::to_string(n) + " holds a team twice";
            return false;
        }
    }
    return true;
}

// --- Crests ---

struct TCouleur {
    uint8_t R, G, B;
};

// Stripes across (Horizontal) or down (Vertical) the shield, with their
// widths; or a cross of the second colour on the first.
struct TMotif {
    enum { Vertical, Horizontal, Croix } Sens;
    std::vector<std::pair<TCouleur, int>> Bandes;
};

TMotif MotifPays(const std::string& nom, int index)
{
    static const std::map<std::string, TMotif> Motifs = {
        {"France", {TMotif::Vertical, {{{0, 85, 164}, 1}, {{255, 255, 255}, 1}, {{239, 65, 53}, 1}}}},
        {"Italie", {TMotif::Vertical, {{{0, 146, 70}, 1}, {{255, 255, 255}, 1}, {{206, 43, 55}, 1}}}},
        {"Allemagne", {TMotif::Horizontal, {{{0, 0, 0}, 1}, {{221, 0, 0}, 1}, {{255, 206, 0}, 1}}}},
        {"Espagne", {TMotif::Horizontal, {{{170, 21, 27}, 1}, {{241, 191, 0}, 2}, {{170, 21, 27}, 1}}}},
        {"Angleterre", {TMotif::Croix, {{{255, 255, 255}, 1}, {{206, 17, 36}, 1}}}},
    };
    if (auto it = Motifs.find(nom); it != Motifs.end())
        return it->second;
    // Any other country: a plain shield, its colour chosen by its place.
    static const TCouleur Unies[] = {{30, 90, 160}, {160, 40, 40}, {40, 130, 60}, {200, 150, 20}, {100, 60, 140}};
    return {TMotif::Vertical, {{Unies[index % std::size(Unies)], 1}}};
}

TCouleur CouleurBande(const TMotif& motif, int position, int longueur)
{
    int total = 0;
    for (const auto& b : motif.Bandes)
        total += b.second;
    int fin = 0;
    for (const auto& [couleur, largeur] : motif.Bandes) {
        fin += largeur;
        if (position * total < fin * longueur)
            return couleur;
    }
    return motif.Bandes.back().first;
}

// A shield: straight sides down to mid-height, then curving in to a point.
bool DansEcu(int x, int y, int cote)
{
    const double marge = 2;
    const double demi = cote / 2.0 - marge;
    const double dx = std::abs(x + 0.5 - cote / 2.0);
    const double haut = marge, milieu = cote * 0.5, bas = cote - marge;
    const double yc = y + 0.5;
    if (yc < haut || yc > bas)
        return false;
    if (yc <= milieu)
        return dx <= demi;
    const double t = (yc - milieu) / (bas - milieu);
    return dx <= demi * (1 - t * t);
}

TImage DessineEcu(const TMotif& motif)
{
    constexpr int Cote = 64;
    constexpr int Trait = 2;
    TImage image(Cote, Cote);
    const int centre = Cote / 2;
    for (int y = 0; y < Cote; ++y)
        for (int x = 0; x < Cote; ++x) {
            if (!DansEcu(x, y, Cote))
                continue;
            bool bord = false;
            for (int d = 1; d <= Trait && !bord; ++d)
                bord = !DansEcu(x - d, y, Cote) || !DansEcu(x + d, y, Cote) || !DansEcu(x, y - d, Cote) ||
                       !DansEcu(x, y + d, Cote);
            TCouleur c{40, 40, 40};
            if (!bord) {
                if (motif.Sens == TMotif::Croix)
                    c = std::abs(x - centre) < 6 || std::abs(y - centre + 4) < 6 ? motif.Bandes.back().first
                                                                                 : motif.Bandes.front().first;
                else
                    c = motif.Sens == TMotif::Vertical ? CouleurBande(motif, x, Cote) : CouleurBande(motif, y, Cote);
            }
            image.SetPixel(x, y, c.R, c.G, c.B);
        }
    return image;
}

bool Sauve(const TSaison& saison, const std::string& fichier, std::string& erreur)
{
    std::error_code e;
    fs::create_directories(fs::path(fichier).parent_path(), e);
    if (!TChargeurXmp(fichier).SauveSaison(saison)) {
        erreur = fichier + ": cannot be written";
        return false;
    }
    return true;
}

// The program's clock reads `moment` while the object lives.
class THorlogeFixee {
public:
    explicit THorlogeFixee(TDateHeure moment) : Ancienne(InstalleHorloge(std::make_shared<THorlogeFixe>(moment))) {}
    ~THorlogeFixee() { InstalleHorloge(Ancienne); }
    THorlogeFixee(const THorlogeFixee&) = delete;
    THorlogeFixee& operator=(const THorlogeFixee&) = delete;

private:
    std::shared_ptr<THorloge> Ancienne;
};

} // namespace

const std::vector<TSourceDivision>& SourcesDivisions()
{
    static const std::vector<TSourceDivision> Sources = {
        {101, "fr.1.json"}, {102, "fr.2.json"}, {201, "en.1.json"}, {202, "en.2.json"}, {301, "es.1.json"},
        {302, "es.2.json"}, {401, "it.1.json"}, {402, "it.2.json"}, {501, "de.1.json"}, {502, "de.2.json"},
    };
    return Sources;
}

std::unique_ptr<TSaison> CreeSaisonDivision(int code, const TResultatsReels& resultats, const TLectureParam& catalogue,
                                            std::string& erreur)
{
    const int n = catalogue.GetNbEquipe(code);
    std::unique_ptr<TSaison> saison = TTraiteurFichier::CreeSaisonSimple(n, code, Ligue);
    TDonneesChampionnat& champ = *saison->GetChampionnat(1);
    champ.CodeChamp = 1;
    if (!RemplitDivision(*saison, champ, code, resultats, catalogue, erreur))
        return nullptr;
    saison->SetNumChampCourant(1);
    return saison;
}

std::unique_ptr<TSaison> CreeSaisonExemple(const std::vector<TDivisionExemple>& divisions,
                                           const TLectureParam& catalogue, std::string& erreur)
{
    auto saison = std::make_unique<TSaisonFootball>();
    if (divisions.empty())
        return saison;
    const int entree = catalogue.IndexCfg(divisions.front().Code);
    if (entree < 0) {
        erreur = "division " + std::to_string(divisions.front().Code) + " is not in the catalogue";
        return nullptr;
    }
    saison->AjouteDesc("#" + std::to_string(catalogue.GetCfg(entree)->Id), 1, 0);
    int id = 0;
    for (const TDivisionExemple& d : divisions) {
        const int n = catalogue.GetNbEquipe(d.Code);
        std::unique_ptr<TDonneesChampionnat> champ = saison->CreeChampionnat(Ligue);
        champ->CodeChamp = ++id;
        champ->SetCode(d.Code);
        champ->SetNbEquipe(n);
        champ->SetNbMatch(n / 2);
        champ->SetNbJour(2 * (n - 1));
        champ->SetOption(11, DatesParMatch);
        TDonneesChampionnat& c = *champ;
        saison->AjouteChampionnat(std::move(champ));
        if (!RemplitDivision(*saison, c, d.Code, *d.Resultats, catalogue, erreur) ||
            !AjouteMatchs(*saison, c, *d.Resultats, erreur))
            return nullptr;
        // The season is over: it opens on its last matchday.
        c.NbJournee = c.JourneeJouee = static_cast<uint8_t>(c.GetNbJour());
        saison->AjouteDesc("#" + std::to_string(d.Code), 3, c.CodeChamp);
    }
    // The results page shows a played current day in standings order and takes
    // a new order for a change: stored so, the sample opens unchanged.
    for (int n = 1; n <= saison->NbChampionnat(); ++n) {
        saison->SetNumChampCourant(n);
        TResultatsJournee(saison.get()).Initialiser();
    }
    saison->SetNumChampCourant(1);
    return saison;
}

bool EcritBlasons(const std::string& dossierProgramme, const TLectureParam& catalogue, std::string& erreur)
{
    std::error_code e;
    fs::create_directories(dossierProgramme + "blasons", e);
    // Built anew: a catalogue left by an earlier build would be added to.
    fs::remove(dossierProgramme + "blasons/blasons.txt", e);
    TBlasons blasons(dossierProgramme);
    for (int i = 0; i < catalogue.NbCfg(); ++i) {
        const TCfgChampionnat* cfg = catalogue.GetCfg(i);
        if (cfg->NbDivisions() == 0)
            continue;
        if (blasons.AjoutePays(cfg->nom, DessineEcu(MotifPays(cfg->nom, i))) < 0) {
            erreur = "crest of " + cfg->nom + ": cannot be written";
            return false;
        }
    }
    if (!blasons.Enregistre()) {
        erreur = blasons.NomFichierCatalogue() + ": cannot be written";
        return false;
    }
    return true;
}

bool GenereDonnees(const std::string& fichierCatalogue, const std::string& dossierResultats,
                   const std::string& dossierCoupe, const std::string& dossierProgramme, std::string& erreur)
{
    const TLectureParam catalogue(fichierCatalogue);
    if (catalogue.NbCfg() == 0) {
        erreur = fichierCatalogue + ": no catalogue";
        return false;
    }
    std::map<int, TResultatsReels> resultats;
    std::tuple<int, int, int> dernier{1, 1, 1};
    for (const TSourceDivision& s : SourcesDivisions()) {
        TResultatsReels& r = resultats[s.Code];
        if (!ChargeResultatsReels(dossierResultats + s.Fichier, r, erreur))
            return false;
        for (const TMatchReel& m : r.Matchs)
            dernier = std::max(dernier, std::tuple(m.Annee, m.Mois, m.Jour));
    }
    const auto [annee, mois, jour] = dernier;
    const THorlogeFixee horloge(TDateHeure{annee, mois, jour, 12});

    for (const TSourceDivision& s : SourcesDivisions()) {
        const std::string nom = catalogue.GetNomFichier(s.Code);
        if (nom.empty()) {
            erreur = "division " + std::to_string(s.Code) + " has no file name in the catalogue";
            return false;
        }
        const std::unique_ptr<TSaison> saison = CreeSaisonDivision(s.Code, resultats[s.Code], catalogue, erreur);
        if (!saison || !Sauve(*saison, dossierProgramme + "Data/" + nom, erreur))
            return false;
    }

    std::vector<TDivisionExemple> exemple;
    for (int code : DivisionsExemple)
        exemple.push_back({code, &resultats[code]});
    const std::unique_ptr<TSaison> saison = CreeSaisonExemple(exemple, catalogue, erreur);
    if (!saison || !Sauve(*saison, dossierProgramme + NomExemple, erreur))
        return false;
    // The tournament's teams take the crests of their countries.
    return EcritBlasons(dossierProgramme, catalogue, erreur) && GenereCoupe(dossierCoupe, dossierProgramme, erreur);
}
