#include "presentation/ComposeurSaison.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "files/ChargeurXmp.h"
#include "model/LectureParametre.h"
#include "model/Penalites.h"
#include "model/SaisonFoot.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace {

enum : int {
    TexteNonPlaces = 257,
    TexteArbreVide = 128,
    TexteRemplacer = 256,
    TexteSeparateur = 262,
    TexteBarrage = 263,
    TexteUnGroupe = 264,
    TexteGroupes = 265,
    TexteCoupe = 266,
    TexteNonImportes = 2440,
    TexteFichierExiste = 2441,
    TexteNonAjoutes = 2442,
};

constexpr const char* NomPropose = "sauvegarde/personnel.xmc";

std::string Liste(const std::vector<std::string>& noms)
{
    std::string texte;
    for (const std::string& nom : noms)
        texte += (texte.empty() ? "" : ", ") + std::filesystem::path(nom).filename().string();
    return texte;
}

// The id a division is ordered by: its data without the play-off bit.
int IdDivision(const TNoeudComposeur& n)
{
    return n.Donnee == TNoeudComposeur::Separateur ? -1 : n.Donnee & ~TNoeudComposeur::BitBarrage;
}

bool EstArchiveSaison(const std::string& nom)
{
    try {
        return TChargeurXmp(nom).LitTypeFichier();
    } catch (...) {
        return false; // the division read that follows refuses it
    }
}

bool Demande(int texte)
{
    return MessageUtil(Traduit(texte), BoutonsMessage::Oui | BoutonsMessage::Non) == ReponseMessage::Oui;
}

} // namespace

int TNoeudComposeur::Index() const
{
    if (!Parent)
        return -1;
    for (size_t i = 0; i < Parent->Enfants.size(); ++i)
        if (Parent->Enfants[i].get() == this)
            return static_cast<int>(i);
    return -1;
}

TComposeurSaison::TComposeurSaison(TSaison* saison) : FSaison(saison), FRacine(std::make_unique<TNoeudComposeur>()) {}

TComposeurSaison::~TComposeurSaison() = default;

void TComposeurSaison::InitNomFichier(const std::string& fichierIni, const std::string& appDir)
{
    FFichierIni = fichierIni;
    FAppDir = appDir;
    // Only the proposed name is lower-cased: the program folder keeps its case.
    NomFichierSauve = appDir + Minuscules(NomPropose);
}

void TComposeurSaison::AjouteFichier(const std::string& texte, int codeChamp, int idCatalogue)
{
    auto entree = std::make_unique<TEntreeComposeur>();
    entree->Texte = texte;
    entree->CodeChamp = codeChamp;
    entree->IdCatalogue = idCatalogue;
    FOfferts.push_back(std::move(entree));
}

void TComposeurSaison::Initialise()
{
    const TLectureParam* catalogue = LectureParam();
    auto groupement = [&](int id) { return catalogue && id > 0 ? catalogue->GetNbGroupe(id) : 0; };
    FDisponibles.clear();
    FCodeBarrage = FSaison ? FSaison->GetMaxCodeBarrage() : 0;
    FCodeProvisoire = FSaison ? FSaison->GetMaxIdChamp() : 0;
    if ((Mode & ModeDescription) && FSaison) {
        TNoeudComposeur* dernier = FRacine.get();
        int existant = 0;
        for (int i = 0; i < FSaison->NbDesc(); ++i) {
            const TDesc d = FSaison->GetDesc(i);
            if (d.Niveau < 1 || d.Niveau > 3)
                continue;
            while (dernier->Parent && dernier->Niveau >= d.Niveau)
                dernier = dernier->Parent;
            if (d.Niveau < 3) {
                // A numbered division below 1 is a separator.
                const bool separateur = d.Niveau == 2 && d.NumeroCatalogue < 0;
                dernier = Ajoute(*dernier, -1, d.Niveau, separateur ? TNoeudComposeur::Separateur : d.NumeroCatalogue,
                                 separateur ? Traduit(TexteSeparateur) : d.Texte);
                continue;
            }
            auto entree = std::make_unique<TEntreeComposeur>();
            entree->Texte = d.Texte;
            entree->IdCatalogue = d.NumeroCatalogue;
            entree->Groupement = groupement(d.NumeroCatalogue);
            entree->IndexExistant = existant++;
            entree->CodeChamp = d.Valeur;
            TNoeudComposeur* champ = Ajoute(*dernier, -1, 3, 0, d.Texte);
            champ->Entree = std::move(entree);
            dernier = champ;
        }
    }
    if (Mode & ModeOffre) {
        for (size_t i = 0; i < FOfferts.size(); ++i) {
            auto entree = std::make_unique<TEntreeComposeur>(*FOfferts[i]);
            entree->Groupement = groupement(entree->IdCatalogue);
            entree->IndexExistant = static_cast<int>(i);
            FDisponibles.push_back(std::move(entree));
        }
    }
    if (Mode & ModePlace) {
        // Each offered entry once: a replaced one comes back to the list and stays there.
        std::vector<const TEntreeComposeur*> aPlacer;
        for (const auto& e : FDisponibles)
            if (e->IdCatalogue >= 1)
                aPlacer.push_back(e.get());
        for (const TEntreeComposeur* e : aPlacer) {
            auto it = std::find_if(FDisponibles.begin(), FDisponibles.end(), [&](auto& d) { return d.get() == e; });
            if (it != FDisponibles.end())
                Place(static_cast<int>(it - FDisponibles.begin()), *FRacine);
        }
    }
}

int TComposeurSaison::AjouteFichiers(const std::vector<std::string>& noms)
{
    std::vector<std::string> refuses;
    int ajoutes = 0;
    for (const std::string& nom : noms) {
        // A season archive holds several championships: it is not one to place.
        if (TTraiteurFichier::GenreFichier(nom) == ".xm" && EstArchiveSaison(nom)) {
            refuses.push_back(nom);
            continue;
        }
        const int division = TTraiteurFichier::ImporteDivision(nom, FAppDir + "Dll/");
        if (division < 0) {
            refuses.push_back(nom);
            continue;
        }
        auto entree = std::make_unique<TEntreeComposeur>();
        entree->Texte = std::filesystem::path(nom).filename().string();
        entree->NomFichier = nom;
        entree->IdCatalogue = division;
        entree->Groupement = LectureParam() && division > 0 ? LectureParam()->GetNbGroupe(division) : 0;
        FDisponibles.push_back(std::move(entree));
        ++ajoutes;
    }
    if (!refuses.empty())
        MessageUtil(TraduitFmt(TexteNonAjoutes, {Liste(refuses)}), BoutonsMessage::Ok);
    return ajoutes;
}

// --- Tree ---

TNoeudComposeur* TComposeurSaison::Ajoute(TNoeudComposeur& parent, int position, int niveau, int donnee,
                                          const std::string& texte)
{
    auto noeud = std::make_unique<TNoeudComposeur>();
    noeud->Niveau = niveau;
    noeud->Donnee = donnee;
    noeud->Texte = texte;
    noeud->Parent = &parent;
    TNoeudComposeur* n = noeud.get();
    const int nombre = static_cast<int>(parent.Enfants.size());
    position = position < 0 || position > nombre ? nombre : position;
    parent.Enfants.insert(parent.Enfants.begin() + position, std::move(noeud));
    return n;
}

std::unique_ptr<TEntreeComposeur> TComposeurSaison::PrendDisponible(int index)
{
    auto entree = std::move(FDisponibles[index]);
    FDisponibles.erase(FDisponibles.begin() + index);
    if (entree->CodeChamp == -1)
        entree->CodeChamp = ++FCodeProvisoire;
    return entree;
}

int TComposeurSaison::GroupeEntree(const TEntreeComposeur& entree) const
{
    // The entry's id, not its position: a user's catalogue may not list them in order.
    const TLectureParam* catalogue = LectureParam();
    if (!catalogue || entree.IdCatalogue <= 0)
        return 0;
    const TCfgChampionnat* cfg = catalogue->GetCfg(catalogue->IndexCfg(entree.IdCatalogue));
    return cfg ? cfg->Id : 0;
}

TNoeudComposeur* TComposeurSaison::SectionGroupe(int groupe)
{
    int position = 0;
    for (auto& s : FRacine->Enfants) {
        if (s->Donnee == groupe)
            return s.get();
        if (s->Donnee > groupe)
            break;
        ++position;
    }
    const TLectureParam* catalogue = LectureParam();
    return Ajoute(*FRacine, position, 1, groupe, catalogue ? catalogue->GetNomGroupe(groupe) : std::string());
}

TNoeudComposeur* TComposeurSaison::SectionLibre()
{
    const TLectureParam* catalogue = LectureParam();
    const std::string nom = catalogue ? catalogue->GetNomGroupe(0) : std::string();
    for (auto& s : FRacine->Enfants)
        if (s->Donnee == 0 && s->Texte == nom)
            return s.get();
    return Ajoute(*FRacine, 0, 1, 0, nom);
}

TNoeudComposeur* TComposeurSaison::Place(int index, TNoeudComposeur& cible)
{
    if (index < 0 || index >= static_cast<int>(FDisponibles.size()))
        return nullptr;
    switch (cible.Niveau) {
    case 0: {
        const int groupe = GroupeEntree(*FDisponibles[index]);
        if (groupe == 0) {
            TNoeudComposeur* section = SectionLibre();
            TNoeudComposeur* division = Ajoute(*section, -1, 2, 0, FDisponibles[index]->Texte);
            return PlaceDansDivision(*division, index);
        }
        TNoeudComposeur* section = SectionGroupe(groupe);
        TNoeudComposeur* place = PlaceDansSection(*section, index);
        if (!place && section->Enfants.empty())
            Supprime(*section);
        return place;
    }
    case 1:
        return PlaceDansSection(cible, index);
    case 2:
        return PlaceDansDivision(cible, index);
    default:
        return nullptr;
    }
}

TNoeudComposeur* TComposeurSaison::PlaceDansDivision(TNoeudComposeur& division, int index)
{
    const int id = FDisponibles[index]->IdCatalogue;
    int position = 0;
    while (position < static_cast<int>(division.Enfants.size()) && division.Enfants[position]->IdCatalogue() < id)
        ++position;
    std::unique_ptr<TEntreeComposeur> entree = PrendDisponible(index);
    TNoeudComposeur* noeud = Ajoute(division, position, 3, 0, entree->Texte);
    noeud->Entree = std::move(entree);
    return noeud;
}

TNoeudComposeur* TComposeurSaison::PlaceDansSection(TNoeudComposeur& section, int index)
{
    const TEntreeComposeur& entree = *FDisponibles[index];
    const int id = entree.IdCatalogue;
    auto& enfants = section.Enfants;
    const int nombre = static_cast<int>(enfants.size());
    int position = 0;
    while (position < nombre && (enfants[position]->EstBarrage() || IdDivision(*enfants[position]) < id))
        ++position;

    if (entree.Groupement != 0) {
        for (int p : {position, position - 1}) {
            if (p < 0 || p >= nombre || enfants[p]->Donnee != entree.Groupement || enfants[p]->EstBarrage())
                continue;
            TNoeudComposeur& division = *enfants[p];
            TNoeudComposeur* ancien = nullptr;
            for (auto& c : division.Enfants)
                if (c->IdCatalogue() == id)
                    ancien = c.get();
            if (ancien) {
                if (!Demande(TexteRemplacer))
                    return nullptr;
                // The replaced championship goes back to the list, not out of the season.
                Rend(*ancien);
                Supprime(*ancien);
            }
            return PlaceDansDivision(division, index);
        }
    }

    const TLectureParam* catalogue = LectureParam();
    std::string nom = catalogue ? catalogue->GetNomDivision(id) : std::string();
    if (nom.empty())
        nom = entree.Texte;
    const int donnee = entree.Groupement != 0 ? entree.Groupement : id;
    if (position < nombre && id != 0 && IdDivision(*enfants[position]) == id && !enfants[position]->EstBarrage()) {
        if (!Demande(TexteRemplacer))
            return nullptr;
        Rend(*enfants[position]);
        Supprime(*enfants[position]);
    }
    TNoeudComposeur* division = Ajoute(section, position, 2, donnee, nom);
    return PlaceDansDivision(*division, index);
}

bool TComposeurSaison::AccepteDepot(int index, const TNoeudComposeur& cible) const
{
    if (index < 0 || index >= static_cast<int>(FDisponibles.size()))
        return false;
    const TEntreeComposeur& entree = *FDisponibles[index];
    switch (cible.Niveau) {
    case 0:
        return true;
    case 1:
        return entree.IdCatalogue == 0 || cible.Donnee == GroupeEntree(entree);
    case 2:
        return cible.Donnee == 0;
    default:
        return false;
    }
}

TNoeudComposeur* TComposeurSaison::AjouteSection(int groupe)
{
    if (groupe != 0)
        return SectionGroupe(groupe);
    int position = 0;
    while (position < static_cast<int>(FRacine->Enfants.size()) && FRacine->Enfants[position]->Donnee <= 0)
        ++position;
    const TLectureParam* catalogue = LectureParam();
    return Ajoute(*FRacine, position, 1, 0, catalogue ? catalogue->GetNomGroupe(0) : std::string());
}

TNoeudComposeur* TComposeurSaison::AjouteSeparateur(TNoeudComposeur& section)
{
    if (section.Niveau != 1)
        return nullptr;
    return Ajoute(section, -1, 2, TNoeudComposeur::Separateur, Traduit(TexteSeparateur));
}

void TComposeurSaison::Rend(TNoeudComposeur& noeud)
{
    if (noeud.Entree)
        FDisponibles.push_back(std::move(noeud.Entree));
    if (noeud.EstBarrage()) {
        const int code = noeud.Donnee & ~TNoeudComposeur::BitBarrage;
        std::erase_if(FBarrages, [&](const auto& b) { return (b->Code & 0x7FFF) == code; });
        std::erase_if(FModifies, [&](const auto& b) { return (b->Code & 0x7FFF) == code; });
    }
    for (auto& enfant : noeud.Enfants)
        Rend(*enfant);
}

void TComposeurSaison::Supprime(TNoeudComposeur& noeud)
{
    if (TNoeudComposeur* parent = noeud.Parent)
        parent->Enfants.erase(parent->Enfants.begin() + noeud.Index());
}

bool TComposeurSaison::Retire(TNoeudComposeur& noeud)
{
    if (noeud.Niveau < 1 || !noeud.Parent)
        return false;
    Rend(noeud);
    TNoeudComposeur* parent = noeud.Parent;
    Supprime(noeud);
    while (parent && parent->Niveau >= 1 && parent->Enfants.empty()) {
        TNoeudComposeur* suivant = parent->Parent;
        Rend(*parent);
        Supprime(*parent);
        parent = suivant;
    }
    return true;
}

bool TComposeurSaison::PeutMonter(const TNoeudComposeur& noeud) const
{
    return noeud.Niveau >= 2 && noeud.Index() > 0;
}

bool TComposeurSaison::PeutDescendre(const TNoeudComposeur& noeud) const
{
    return noeud.Niveau >= 2 && noeud.Parent && noeud.Index() + 1 < static_cast<int>(noeud.Parent->Enfants.size());
}

bool TComposeurSaison::Monte(TNoeudComposeur& noeud)
{
    if (!PeutMonter(noeud))
        return false;
    const int i = noeud.Index();
    std::swap(noeud.Parent->Enfants[i], noeud.Parent->Enfants[i - 1]);
    return true;
}

bool TComposeurSaison::Descend(TNoeudComposeur& noeud)
{
    if (!PeutDescendre(noeud))
        return false;
    const int i = noeud.Index();
    std::swap(noeud.Parent->Enfants[i], noeud.Parent->Enfants[i + 1]);
    return true;
}

bool TComposeurSaison::EditionPermise(const TNoeudComposeur& noeud) const
{
    switch (noeud.Niveau) {
    case 1:
        return noeud.Donnee == 0;
    case 2:
        return noeud.Donnee == 0 || noeud.EstBarrage();
    case 3:
        return noeud.IdCatalogue() == 0;
    default:
        return false;
    }
}

bool TComposeurSaison::Renomme(TNoeudComposeur& noeud, const std::string& texte)
{
    if (!EditionPermise(noeud) || Trim(texte).empty())
        return false;
    noeud.Texte = texte;
    if (noeud.Entree)
        noeud.Entree->Texte = texte;
    return true;
}

// --- Play-offs ---

int TComposeurSaison::AjouteBarrage(std::unique_ptr<TDonneesBarrage> barrage)
{
    if (!barrage)
        return -1;
    barrage->Code = ++FCodeBarrage;
    FBarrages.push_back(std::move(barrage));
    return FCodeBarrage;
}

TNoeudComposeur* TComposeurSaison::InsereDivisionBarrage(TNoeudComposeur& section, int position, int code,
                                                         const std::string& texte)
{
    if (section.Niveau != 1)
        return nullptr;
    return Ajoute(section, position, 2, TNoeudComposeur::BitBarrage + code, texte);
}

TDonneesBarrage* TComposeurSaison::ChercheBarrage(int code) const
{
    for (const auto* liste : {&FBarrages, &FModifies})
        for (const auto& b : *liste)
            if ((b->Code & 0x7FFF) == code)
                return b.get();
    return FSaison ? FSaison->GetBarrageCode(code) : nullptr;
}

bool TComposeurSaison::PeutCreerBarrage(const TNoeudComposeur& noeud)
{
    return noeud.Niveau == 2 && noeud.Donnee != TNoeudComposeur::Separateur && noeud.Parent;
}

void TComposeurSaison::AjouteCandidats(const TNoeudComposeur& division, int role,
                                       std::vector<TCandidatBarrage>& lignes) const
{
    if (!division.EstBarrage()) {
        for (const auto& c : division.Enfants)
            if (c->Entree)
                lignes.push_back({c->Texte, (c->Entree->CodeChamp << 4) + role});
        return;
    }
    // A play-off division is a source by the code its championships will take:
    // 32768 + its code, and the group number shl 16 when it is played in groups.
    const int code = division.Donnee & ~TNoeudComposeur::BitBarrage;
    const TDonneesBarrage* b = ChercheBarrage(code);
    const int groupes = b ? b->TypeGroupe : 0;
    if (groupes < 2) {
        lignes.push_back({division.Texte, (division.Donnee << 4) + role});
        return;
    }
    for (int k = 1; k <= groupes; ++k)
        lignes.push_back({division.Texte + " - " + std::to_string(k), (division.Donnee << 4) + role + (k << 20)});
}

std::vector<TCandidatBarrage> TComposeurSaison::CandidatsBarrage(const TNoeudComposeur& division) const
{
    std::vector<TCandidatBarrage> lignes;
    if (!PeutCreerBarrage(division))
        return lignes;
    const auto& freres = division.Parent->Enfants;
    const int i = division.Index();
    const int nombre = static_cast<int>(freres.size());
    // The play-off divisions next to it, then the first ordinary division.
    auto voisins = [&](int debut, int pas, int role) {
        for (int j = debut; j >= 0 && j < nombre; j += pas) {
            const TNoeudComposeur& d = *freres[j];
            if (d.Donnee == TNoeudComposeur::Separateur)
                continue;
            AjouteCandidats(d, role, lignes);
            if (!d.EstBarrage())
                break;
        }
    };
    voisins(i - 1, -1, 1);
    AjouteCandidats(division, 2, lignes);
    voisins(i + 1, 1, 3);
    return lignes;
}

std::string TComposeurSaison::NomDivisionBarrage(int nbGroupes)
{
    const std::string genre = nbGroupes <= 0   ? Traduit(TexteCoupe)
                              : nbGroupes == 1 ? Traduit(TexteUnGroupe)
                                               : TraduitFmt(TexteGroupes, {nbGroupes});
    return Traduit(TexteBarrage) + " (" + genre + ")";
}

TNoeudComposeur* TComposeurSaison::CreeBarrage(TNoeudComposeur& division, std::unique_ptr<TDonneesBarrage> barrage,
                                               bool promotion)
{
    if (!PeutCreerBarrage(division) || !barrage)
        return nullptr;
    TNoeudComposeur& section = *division.Parent;
    int position = division.Index();
    if (!promotion) {
        position = static_cast<int>(section.Enfants.size());
        for (int j = division.Index() + 1; j < static_cast<int>(section.Enfants.size()); ++j)
            if (!section.Enfants[j]->EstBarrage()) {
                position = j;
                break;
            }
    }
    const std::string nom = NomDivisionBarrage(barrage->TypeGroupe);
    const int code = AjouteBarrage(std::move(barrage));
    return InsereDivisionBarrage(section, position, code, nom);
}

std::unique_ptr<TDonneesBarrage> TComposeurSaison::CopieBarrage(int code) const
{
    const TDonneesBarrage* b = ChercheBarrage(code);
    return b ? b->Copie() : nullptr;
}

void TComposeurSaison::RemplaceBarrage(std::unique_ptr<TDonneesBarrage> copie)
{
    if (!copie)
        return;
    const int code = copie->Code & 0x7FFF;
    for (auto* liste : {&FBarrages, &FModifies})
        for (auto& b : *liste)
            if ((b->Code & 0x7FFF) == code) {
                b = std::move(copie);
                return;
            }
    if (FSaison && FSaison->GetBarrageCode(code))
        FModifies.push_back(std::move(copie));
}

const TNoeudComposeur* TComposeurSaison::ChercheNoeud(const std::function<bool(const TNoeudComposeur&)>& test) const
{
    std::function<const TNoeudComposeur*(const TNoeudComposeur&)> cherche =
        [&](const TNoeudComposeur& n) -> const TNoeudComposeur* {
        if (test(n))
            return &n;
        for (const auto& e : n.Enfants)
            if (const TNoeudComposeur* trouve = cherche(*e))
                return trouve;
        return nullptr;
    };
    return cherche(*FRacine);
}

std::string TComposeurSaison::NomSource(int code) const
{
    const bool barrage = (code & TNoeudComposeur::BitBarrage) != 0;
    const int groupe = barrage ? (code >> 16) & 0xFF : 0;
    const int donnee = code & 0xFFFF;
    const TNoeudComposeur* n = ChercheNoeud([&](const TNoeudComposeur& x) {
        return barrage ? x.EstBarrage() && x.Donnee == donnee
                       : x.Niveau == 3 && x.Entree && x.Entree->CodeChamp == code;
    });
    std::string nom;
    if (n) {
        nom = n->Texte;
    } else if (FSaison) {
        if (barrage)
            FSaison->GetTexteDescCode(donnee & 0x7FFF, nom);
        else
            nom = FSaison->GetNomChampDesc(code);
    }
    if (barrage && groupe > 0)
        nom += " - " + std::to_string(groupe);
    return nom;
}

// --- Validation ---

TLignesComposeur TComposeurSaison::Aplatit() const
{
    TLignesComposeur lignes;
    std::function<void(const TNoeudComposeur&)> parcours = [&](const TNoeudComposeur& n) {
        if (n.Niveau == 1 || n.Niveau == 2) {
            std::string nom;
            if (n.EstBarrage())
                nom = "#" + std::to_string(n.Donnee) + "#" + n.Texte;
            else if (n.Donnee != 0 && n.Donnee != TNoeudComposeur::Separateur)
                nom = "#" + std::to_string(n.Donnee);
            else
                nom = n.Texte;
            lignes.push_back({"$" + nom, n.Niveau});
        } else if (n.Niveau == 3 && n.Entree) {
            const TEntreeComposeur& e = *n.Entree;
            std::string texte = e.IdCatalogue != 0 ? "#" + std::to_string(e.IdCatalogue) : n.Texte;
            if (e.IndexExistant == -1)
                texte = e.NomFichier + "|" + texte;
            lignes.push_back({texte, 3, e.IndexExistant, e.CodeChamp});
        }
        for (const auto& enfant : n.Enfants)
            parcours(*enfant);
    };
    parcours(*FRacine);
    return lignes;
}

TComposeurSaison::TResultat TComposeurSaison::Valide()
{
    if (!(Mode & ModeAjout) && !FDisponibles.empty()) {
        MessageUtil(Traduit(TexteNonPlaces), BoutonsMessage::Ok);
        return TResultat::Reste;
    }
    const TLignesComposeur lignes = Aplatit();
    if (lignes.size() < 2) {
        MessageUtil(Traduit(TexteArbreVide), BoutonsMessage::Ok);
        return TResultat::Reste;
    }
    return (Mode & ModeConstruit) == ModeConstruit || !FSaison ? ValideConstruction(lignes)
                                                               : ValideModification(lignes);
}

TComposeurSaison::TResultat TComposeurSaison::ValideModification(const TLignesComposeur& lignes)
{
    if (Mode & ModeAjout) {
        std::vector<int> codes;
        for (const auto& e : FDisponibles)
            if (e->IndexExistant != -1 && FSaison->GetChampionnatId(e->CodeChamp))
                codes.push_back(e->CodeChamp);
        if (!codes.empty() && Retrait) {
            std::vector<int> coches;
            // Cancel goes back to the composer: nothing of the season is touched.
            if (!Retrait(codes, coches))
                return TResultat::Reste;
            RetireChampionnats(*FSaison, coches);
        }
    }
    std::string barrages;
    std::vector<std::string> echecs;
    TTraiteurFichier::ImporteListe(*FSaison, lignes, FAppDir + "Dll/", barrages, &echecs);
    for (auto& copie : FModifies)
        if (TDonneesBarrage* b = FSaison->GetBarrageCode(copie->Code & 0x7FFF))
            *b = std::move(*copie);
    FModifies.clear();
    for (auto& b : FBarrages)
        FSaison->AjouteBarrage(std::move(b));
    FBarrages.clear();
    std::set<int> gardes;
    for (size_t debut = 0; debut < barrages.size();) {
        const size_t tiret = barrages.find('-', debut);
        gardes.insert(StrToIntDef(barrages.substr(debut, tiret - debut), -1));
        debut = tiret == std::string::npos ? barrages.size() : tiret + 1;
    }
    for (int i = FSaison->NbBarrage() - 1; i >= 0; --i)
        if (!gardes.count(FSaison->GetBarrage(i)->Code & 0x7FFF))
            FSaison->SupprimeBarrage(i);
    if (!echecs.empty())
        MessageUtil(TraduitFmt(TexteNonImportes, {Liste(echecs)}), BoutonsMessage::Ok);
    return TResultat::Ok;
}

TComposeurSaison::TResultat TComposeurSaison::ValideConstruction(const TLignesComposeur& lignes)
{
    std::string nom = Trim(NomFichierSauve);
    if (nom.empty()) {
        MessageUtil(Traduit(TexteArbreVide), BoutonsMessage::Ok);
        return TResultat::Reste;
    }
    if (std::filesystem::path(nom).extension().empty())
        nom += ".xmc";
    std::error_code ec;
    if (std::filesystem::exists(nom, ec) &&
        MessageUtil(TraduitFmt(TexteFichierExiste, {nom}), BoutonsMessage::Oui | BoutonsMessage::Non) !=
            ReponseMessage::Oui)
        return TResultat::Reste;

    auto saison = std::make_unique<TSaisonFootball>();
    std::vector<std::string> echecs;
    TTraiteurFichier::ConstruitSaison(*saison, lignes, FAppDir + "Dll/", &echecs);
    if (!echecs.empty()) {
        MessageUtil(TraduitFmt(TexteNonImportes, {Liste(echecs)}), BoutonsMessage::Ok);
        return TResultat::Reste;
    }
    for (auto& b : FBarrages)
        saison->AjouteBarrage(std::move(b));
    FBarrages.clear();
    std::filesystem::create_directories(std::filesystem::path(nom).parent_path(), ec);
    if (!TTraiteurFichier::SauveAvecEtat(nom, *saison, false, FAppDir + "Dll/", FFichierIni, BarreEtat, FichierRecent,
                                         false)) {
        SignaleEchecSauvegarde(nom, TTraiteurFichier::DerniereErreur());
        // The composer stays open: its play-off definitions come back to it.
        while (saison->NbBarrage() > 0)
            FBarrages.push_back(saison->DetacheBarrage(0));
        return TResultat::Reste;
    }
    FFichierCree = nom;
    NomFichierSauve = nom;
    return TResultat::Ok;
}

void TComposeurSaison::RetireChampionnats(TSaison& saison, const std::vector<int>& codes)
{
    if (codes.empty())
        return;
    saison.RecalculeJoueurs();
    auto retire = [&](int n) {
        const TDonneesChampionnat* c = saison.GetChampionnat(n);
        return c && std::find(codes.begin(), codes.end(), c->CodeChamp) != codes.end();
    };
    // Only teams of a removed championship that play in no remaining one go:
    // teams kept for national-team players' clubs or for clubs outside the
    // championships stay with their players.
    std::vector<std::pair<int, int>> equipes; // team id, number of its first removed championship
    for (int n = 1; n <= saison.NbChampionnat(); ++n) {
        if (!retire(n))
            continue;
        const TDonneesChampionnat* c = saison.GetChampionnat(n);
        for (int p = 0; p < c->GetNbEquipe(); ++p) {
            const int e = c->GetEquipe(p);
            if (e < 0 || e >= 65535 ||
                std::any_of(equipes.begin(), equipes.end(), [&](auto& x) { return x.first == e; }))
                continue;
            bool ailleurs = false;
            for (int m = 1; m <= saison.NbChampionnat() && !ailleurs; ++m)
                ailleurs = !retire(m) && saison.GetChampionnat(m)->IndexEquipe(e) >= 0;
            if (!ailleurs)
                equipes.emplace_back(e, n);
        }
    }
    TListeRenumerotation renum;
    for (const auto& [equipe, n] : equipes) {
        saison.Joueurs().SupprimeEquipe(equipe, n, &renum);
        saison.SupprimeEquipe(equipe);
    }
    saison.AppliqueRenumJoueurs(renum);
}
