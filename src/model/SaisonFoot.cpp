#include "model/SaisonFoot.h"

#include <algorithm>
#include <map>

#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/LectureParametre.h"

namespace {
constexpr int Aucune = 65535;

int Niveau(const TTexteObjet& ligne)
{
    return ligne.Objet & 0x0F;
}

int Valeur(const TTexteObjet& ligne)
{
    return static_cast<int>(static_cast<uint32_t>(ligne.Objet) >> 4);
}

int ObjetDesc(int valeur, int niveau)
{
    return static_cast<int>((static_cast<uint32_t>(valeur) << 4) | (static_cast<uint32_t>(niveau) & 0x0F));
}

// "#n" and "#n#text": the number n and, after a second "#", the text. False
// when the text does not begin with "#".
bool LitReferenceCatalogue(const std::string& texte, int& numero, std::string* suite)
{
    if (texte.empty() || texte[0] != '#')
        return false;
    const std::size_t diese = texte.find('#', 1);
    numero =
        StrToIntDef(std::string_view(texte).substr(1, diese == std::string::npos ? std::string::npos : diese - 1), 0);
    if (suite) {
        if (diese == std::string::npos)
            suite->clear();
        else
            *suite = texte.substr(diese + 1);
    }
    return diese != std::string::npos;
}

// A player id that names nobody on purpose: events and line-up words holding
// it are kept by the recounts.
bool JoueurInconnu(int id)
{
    return id == -1 || id == Aucune;
}

bool JoueDans(const TJoueur& joueur, uint16_t equipe)
{
    return joueur.EquipeClub == equipe || joueur.EquipeNationale == equipe;
}

// Calls `compte` for every event of `liste` that `retenu` accepts and whose
// player is known. Without a given player the events that name a player the
// registry no longer holds are removed; with one, only that player's events of
// his own teams count.
template <class R, class C>
void ParcourtEvenements(const TJoueurs& registre, TListeDonnees& liste, TJoueur* joueur, R retenu, C compte)
{
    for (int i = 0; i < liste.Nombre();) {
        TDonneesEvt* e = liste.Get(i);
        if (!retenu(*e)) {
            ++i;
            continue;
        }
        if (joueur) {
            if (e->GetJoueur() == joueur->Numero && JoueDans(*joueur, e->GetEquipe()))
                compte(*joueur, *e);
            ++i;
            continue;
        }
        if (TJoueur* j = registre.ChercheId(e->GetJoueur(), e->GetEquipe())) {
            compte(*j, *e);
            ++i;
        } else if (JoueurInconnu(e->GetJoueur())) {
            ++i;
        } else {
            liste.Retire(i);
        }
    }
}

void Incremente(TPersonnelStat& p, uint16_t k, int i)
{
    p.SetStat(k, i, p.GetStat(k, i) + 1);
}

} // namespace

// --- TProgression ---

TProgression::TProgression(TRappel rappel, int depart)
    : m_Rappel(std::move(rappel)), m_Valeur(std::clamp(depart, 0, 100))
{
}

void TProgression::Fixe(int valeur)
{
    valeur = std::clamp(valeur, 0, 100);
    if (valeur < m_Valeur)
        return;
    m_Valeur = valeur;
    if (m_Rappel)
        m_Rappel(m_Valeur);
}

void TProgression::AvancePartage(int total, int nombre)
{
    if (nombre < 1)
        nombre = 1;
    const int somme = m_Reste + total;
    m_Reste = somme % nombre;
    Avance(somme / nombre);
}

// --- TSaison ---

TSaison::TSaison() : m_Joueurs(std::make_unique<TJoueurs>(this))
{
    m_DerniereModif = Horloge().Maintenant();
}

TSaison::~TSaison()
{
    // Championships and players refer to the season through its context: free
    // them while the season is still whole.
    m_Championnats.clear();
    m_Joueurs.reset();
}

// --- Team table ---

void TSaison::IndexeEquipes() const
{
    if (m_IndexEquipesValide)
        return;
    m_IndexIds.clear();
    m_IndexNoms.clear();
    // The first line wins, as a scan of the table in order would find it.
    for (int i = 0; i < NbEquipe(); ++i) {
        m_IndexIds.emplace(m_Equipes[i].Objet & 0xFFFF, i);
        m_IndexNoms.emplace(NormaliseNom(m_Equipes[i].Texte), i);
    }
    m_IndexEquipesValide = true;
}

int TSaison::IndexEquipeId(int id) const
{
    if (id < 0 || id >= Aucune)
        return -1;
    IndexeEquipes();
    const auto it = m_IndexIds.find(id);
    return it == m_IndexIds.end() ? -1 : it->second;
}

int TSaison::AjouteEquipe(const std::string& nom, int id, bool reutilise, int logo)
{
    if (nom.empty() || id < -1 || id >= Aucune)
        return -1;
    if (reutilise)
        if (int existant = ChercheEquipe(nom); existant >= 0)
            return existant;
    if (id == -1) {
        if (m_ProchainIdEquipe >= Aucune)
            return -1;
        id = m_ProchainIdEquipe++;
    } else if (id >= m_ProchainIdEquipe) {
        m_ProchainIdEquipe = id + 1;
    }
    m_Equipes.push_back({nom, static_cast<int>(static_cast<uint32_t>(id) | (static_cast<uint32_t>(logo) << 16))});
    ModifieEquipes();
    m_Joueurs->AjouteEquipe(id);
    return id;
}

int TSaison::ChercheEquipe(const std::string& nom) const
{
    IndexeEquipes();
    const auto it = m_IndexNoms.find(NormaliseNom(nom));
    return it == m_IndexNoms.end() ? -1 : m_Equipes[it->second].Objet & 0xFFFF;
}

void TSaison::SupprimeEquipe(int id)
{
    if (int i = IndexEquipeId(id); i >= 0) {
        m_Equipes.erase(m_Equipes.begin() + i);
        ModifieEquipes();
    }
}

void TSaison::VideEquipes()
{
    m_Equipes.clear();
    ModifieEquipes();
}

int TSaison::GetIdEquipe(int index) const
{
    return index >= 0 && index < NbEquipe() ? m_Equipes[index].Objet & 0xFFFF : -1;
}

std::string TSaison::GetNomEquipeIndex(int index) const
{
    return index >= 0 && index < NbEquipe() ? m_Equipes[index].Texte : std::string();
}

std::string TSaison::GetNomEquipe(uint16_t id) const
{
    const int i = IndexEquipeId(id);
    return i >= 0 ? m_Equipes[i].Texte : std::string();
}

void TSaison::SetNomEquipe(int id, const std::string& nom)
{
    if (int i = IndexEquipeId(id); i >= 0) {
        m_Equipes[i].Texte = nom;
        ModifieEquipes();
    }
}

int TSaison::GetLogoEquipe(int id) const
{
    const int i = IndexEquipeId(id);
    return i >= 0 ? static_cast<int>(static_cast<uint32_t>(m_Equipes[i].Objet) >> 16) : 0;
}

void TSaison::SetLogoEquipe(int id, int logo)
{
    if (int i = IndexEquipeId(id); i >= 0)
        m_Equipes[i].Objet = static_cast<int>((static_cast<uint32_t>(m_Equipes[i].Objet) & 0xFFFF) |
                                              (static_cast<uint32_t>(logo) << 16));
}

std::string TSaison::GetNomEquipeChamp(int i) const
{
    const TDonneesChampionnat* c = GetChampCourant();
    const int id = c ? c->GetEquipe(i) : -1;
    return id >= 0 ? GetNomEquipe(static_cast<uint16_t>(id)) : std::string();
}

int TSaison::GetLogoEquipeChamp(int i) const
{
    const TDonneesChampionnat* c = GetChampCourant();
    return c ? GetLogoEquipe(c->GetEquipe(i)) : 0;
}

// --- Former clubs ---

int TSaison::AjouteClubPrec(const std::string& nom)
{
    m_ClubPrec.push_back(nom);
    return NbClubPrec() - 1;
}

int TSaison::ChercheClubPrec(const std::string& nom, bool ajoute)
{
    // Index 0 is a real former club: an empty name must not be taken for it.
    if (nom.empty())
        return Aucune;
    // Folded on both sides: the cards store names folded, the name match the
    // team name as it is, and "Évian" and "EVIAN" must be one club.
    const std::string cle = NormaliseNom(nom);
    for (int i = 0; i < NbClubPrec(); ++i)
        if (NormaliseNom(m_ClubPrec[i]) == cle)
            return i;
    return ajoute ? AjouteClubPrec(nom) : -1;
}

std::string TSaison::GetClubPrec(int index) const
{
    return index >= 0 && index < NbClubPrec() ? m_ClubPrec[index] : std::string();
}

void TSaison::SetClubPrec(int index, const std::string& nom)
{
    if (index >= 0 && index < NbClubPrec())
        m_ClubPrec[index] = nom;
}

// --- Championships ---

int TSaison::AjouteChampionnat(std::unique_ptr<TDonneesChampionnat> champ)
{
    if (!champ)
        return -1;
    champ->SetSaison(this);
    m_IdChampMax = std::max(m_IdChampMax, champ->CodeChamp);
    m_Championnats.push_back(std::move(champ));
    return NbChampionnat() - 1;
}

TDonneesChampionnat* TSaison::GetChampionnat(int n) const
{
    return n >= 1 && n <= NbChampionnat() ? m_Championnats[n - 1].get() : nullptr;
}

TDonneesChampionnat* TSaison::GetChampionnatId(int id) const
{
    return GetChampionnat(GetNumChampionnatId(id));
}

int TSaison::GetNumChampionnatId(int id) const
{
    for (int i = 0; i < NbChampionnat(); ++i)
        if (m_Championnats[i]->CodeChamp == id)
            return i + 1;
    return -1;
}

int TSaison::GetNumChampionnatCode(int code) const
{
    for (int i = 0; i < NbChampionnat(); ++i)
        if (m_Championnats[i]->GetCode() == code)
            return i + 1;
    return -1;
}

int TSaison::ChercheNumChampCode(int code) const
{
    return code < 1 ? 0 : std::max(GetNumChampionnatCode(code), 0);
}

TDonneesChampionnat* TSaison::GetChampCourant() const
{
    return GetChampionnat(m_ChampCourant + 1);
}

bool TSaison::SetNumChampCourant(int n)
{
    if (n < 1 || n > NbChampionnat())
        return false;
    m_ChampCourant = n - 1;
    return true;
}

bool TSaison::SelectChampionnat(int id)
{
    return SetNumChampCourant(GetNumChampionnatId(id));
}

int TSaison::GetMaxIdChamp() const
{
    int maxi = 0;
    for (const auto& c : m_Championnats)
        if ((c->CodeChamp & 0x8000) == 0)
            maxi = std::max(maxi, c->CodeChamp);
    return maxi;
}

std::vector<int> TSaison::ListeChampEquipe(int equipe) const
{
    std::vector<int> numeros;
    for (int i = 0; i < NbChampionnat(); ++i)
        if (m_Championnats[i]->IndexEquipe(equipe) >= 0)
            numeros.push_back(i + 1);
    return numeros;
}

std::vector<int> TSaison::ListeGroupesEquipe(int equipe) const
{
    std::vector<int> codes = ListeChampEquipe(equipe);
    for (int& c : codes)
        c = GetChampionnat(c)->GetCode();
    return codes;
}

std::vector<std::unique_ptr<TDonneesChampionnat>> TSaison::VideChampionnats()
{
    std::vector<std::unique_ptr<TDonneesChampionnat>> liste = std::move(m_Championnats);
    m_Championnats.clear();
    m_Multi = false;
    return liste;
}

std::unique_ptr<TDonneesChampionnat> TSaison::DetacheChampionnat(int n)
{
    if (n < 1 || n > NbChampionnat())
        return nullptr;
    std::unique_ptr<TDonneesChampionnat> c = std::move(m_Championnats[n - 1]);
    m_Championnats.erase(m_Championnats.begin() + (n - 1));
    if (m_ChampCourant >= NbChampionnat())
        m_ChampCourant = std::max(NbChampionnat() - 1, 0);
    return c;
}

void TSaison::RetireChampionnat(int id)
{
    const int n = GetNumChampionnatId(id);
    const TDonneesChampionnat* champ = GetChampionnat(n);
    if (!champ)
        return;
    TListeRenumerotation renum;
    for (int p = 0; p < champ->GetNbEquipe(); ++p) {
        const int equipe = champ->GetEquipe(p);
        if (equipe < 0 || equipe >= Aucune)
            continue;
        bool ailleurs = false;
        for (int i = 1; i <= NbChampionnat() && !ailleurs; ++i)
            ailleurs = i != n && GetChampionnat(i)->IndexEquipe(equipe) >= 0;
        if (ailleurs)
            continue;
        m_Joueurs->SupprimeEquipe(equipe, n, &renum);
        SupprimeEquipe(equipe);
    }
    AppliqueRenumJoueurs(renum);
}

void TSaison::RenumeroteEquipesChamp(int n)
{
    TDonneesChampionnat* champ = GetChampionnat(n);
    if (!champ)
        return;
    const int nb = champ->GetNbEquipe();

    // The whole map first: applied team by team, a team whose new id is the old
    // id of a team not yet moved would merge into it.
    std::map<int, int> nouvelId;
    std::vector<std::string> noms(nb);
    std::vector<int> logos(nb);
    for (int p = 0; p < nb; ++p) {
        const int ancien = champ->GetEquipe(p);
        noms[p] = ancien >= 0 ? GetNomEquipe(static_cast<uint16_t>(ancien)) : std::string();
        logos[p] = GetLogoEquipe(ancien);
        if (ancien >= 0 && ancien < Aucune)
            nouvelId.emplace(ancien, p);
    }
    auto convertit = [&](int id) {
        auto it = nouvelId.find(id);
        return it == nouvelId.end() ? id : it->second;
    };

    for (int p = 0; p < nb; ++p)
        m_Joueurs->AjouteEquipe(p);
    TListeRenumerotation renum;
    for (std::unique_ptr<TJoueur>& j : m_Joueurs->Detache()) {
        j->EquipeClub = static_cast<uint16_t>(convertit(j->EquipeClub));
        j->EquipeNationale = static_cast<uint16_t>(convertit(j->EquipeNationale));
        m_Joueurs->Ajoute(std::move(j), &renum);
    }

    for (int p = 0; p < nb; ++p) {
        if (IndexEquipeId(p) >= 0) {
            SetNomEquipe(p, noms[p]);
            SetLogoEquipe(p, logos[p]);
        } else {
            AjouteEquipe(noms[p], p, false, logos[p]);
        }
    }

    for (int jour = 1; jour <= champ->GetNbJour(); ++jour) {
        if (const TInfoCompJour* j = champ->GetJournee(jour))
            for (int i = 0; i < j->NbMatch(); ++i) {
                TInfoComp* m = j->GetMatch(i);
                if (TPenaltys* tab = champ->CherchePenaltys(jour, m->GetEquipe(0), m->GetEquipe(1))) {
                    tab->Equipe1 = static_cast<uint16_t>(convertit(tab->Equipe1));
                    tab->Equipe2 = static_cast<uint16_t>(convertit(tab->Equipe2));
                }
                for (int cote = 0; cote < 2; ++cote)
                    m->SetEquipe(cote, static_cast<uint16_t>(convertit(m->GetEquipe(cote))));
            }
        for (TListeDonnees* liste : champ->GetListesJournee(jour))
            for (int i = 0; i < liste->Nombre(); ++i)
                liste->Get(i)->SetEquipe(static_cast<uint16_t>(convertit(liste->Get(i)->GetEquipe())));
    }
    TPenalites& penalites = champ->GetPenalites();
    for (int i = 0; i < penalites.Nombre(); ++i) {
        TPenalite* pen = penalites.Get(i);
        pen->Equipe1 = static_cast<uint16_t>(convertit(pen->Equipe1));
        if (pen->Journee != 0)
            pen->Equipe2 = static_cast<uint16_t>(convertit(pen->Equipe2));
    }
    std::vector<std::unique_ptr<TGroupeEquipe>> groupes;
    for (int g = 0; g < champ->NbGroupe(); ++g) {
        const TGroupeEquipe* ancien = champ->GetGroupe(g);
        auto groupe = std::make_unique<TGroupeEquipe>(ancien->NomGroupe);
        for (int i = 0; i < ancien->NbEquipe(); ++i)
            groupe->AjouteEquipe(convertit(ancien->GetEquipe(i)));
        groupes.push_back(std::move(groupe));
    }
    champ->VideGroupes();
    for (auto& g : groupes)
        champ->AjouteGroupe(std::move(g));
    champ->RenumeroteMatchsSuiv([&](uint16_t id) { return static_cast<uint16_t>(convertit(id)); });
    for (int p = 0; p < nb; ++p)
        champ->SetEquipe(p, static_cast<uint16_t>(p));

    AppliqueRenumJoueurs(renum);
}

// --- Play-offs ---

TDonneesBarrage* TSaison::GetBarrage(int i) const
{
    return i >= 0 && i < NbBarrage() ? m_Barrages[i].get() : nullptr;
}

TDonneesBarrage* TSaison::GetBarrageCode(int code) const
{
    for (const auto& b : m_Barrages)
        if ((b->Code & 0x7FFF) == code)
            return b.get();
    return nullptr;
}

int TSaison::GetMaxCodeBarrage() const
{
    int maxi = 0;
    for (const auto& b : m_Barrages)
        maxi = std::max(maxi, b->Code & 0x7FFF);
    return maxi;
}

TDonneesBarrage* TSaison::AjouteBarrage(std::unique_ptr<TDonneesBarrage> barrage)
{
    if (!barrage)
        return nullptr;
    m_Barrages.push_back(std::move(barrage));
    return m_Barrages.back().get();
}

std::unique_ptr<TDonneesBarrage> TSaison::DetacheBarrage(int i)
{
    if (i < 0 || i >= NbBarrage())
        return nullptr;
    std::unique_ptr<TDonneesBarrage> b = std::move(m_Barrages[i]);
    m_Barrages.erase(m_Barrages.begin() + i);
    return b;
}

bool TSaison::SupprimeBarrage(int i)
{
    if (i < 0 || i >= NbBarrage())
        return false;
    m_Barrages.erase(m_Barrages.begin() + i);
    return true;
}

// --- Season tree ---

void TSaison::AjouteDesc(const std::string& texte, int niveau, int valeur)
{
    m_Desc.push_back({texte, ObjetDesc(valeur, niveau)});
}

void TSaison::InsereDesc(const std::string& texte, int niveau, int valeur, int apres)
{
    const int position = std::clamp(apres + 1, 0, NbDesc());
    m_Desc.insert(m_Desc.begin() + position, {texte, ObjetDesc(valeur, niveau)});
}

void TSaison::ModifieDesc(int i, const std::string& texte, int valeur, int niveau)
{
    if (i >= 0 && i < NbDesc())
        m_Desc[i] = {texte, ObjetDesc(valeur, niveau)};
}

TTexteObjet TSaison::GetDescBrut(int i) const
{
    return i >= 0 && i < NbDesc() ? m_Desc[i] : TTexteObjet{};
}

TDesc TSaison::GetDesc(int i) const
{
    TDesc d;
    if (i < 0 || i >= NbDesc())
        return d;
    const TTexteObjet& ligne = m_Desc[i];
    d.Niveau = Niveau(ligne);
    d.Valeur = Valeur(ligne);
    d.Texte = ligne.Texte;
    int n = 0;
    std::string suite;
    if (LitReferenceCatalogue(ligne.Texte, n, &suite)) {
        d.NumeroCatalogue = n;
        d.Texte = suite;
        return d;
    }
    const TLectureParam* catalogue = LectureParam();
    if (!catalogue || ligne.Texte.empty() || ligne.Texte[0] != '#')
        return d;
    d.NumeroCatalogue = n;
    switch (d.Niveau) {
    case 1:
        d.Texte = catalogue->GetNomGroupe(n);
        break;
    case 2:
        if (n < 1)
            d.Texte = "Separateur";
        else if (n & 0x8000)
            d.Texte.clear();
        else
            d.Texte = catalogue->GetNomDivision(n);
        break;
    case 3:
        d.Texte = catalogue->GetNom(n);
        break;
    default:
        d.Texte = ligne.Texte.substr(1);
    }
    return d;
}

int TSaison::NbDescNiveau3Suivants(int i) const
{
    int nombre = 0;
    for (int j = i + 1; j >= 1 && j < NbDesc() && Niveau(m_Desc[j]) == 3; ++j)
        ++nombre;
    return nombre;
}

int TSaison::ChercheDesc(int valeur, int niveau) const
{
    int dernier = -1;
    for (int i = 0; i < NbDesc(); ++i) {
        const int n = Niveau(m_Desc[i]);
        if (n == niveau)
            dernier = i;
        if (n >= niveau && Valeur(m_Desc[i]) == valeur)
            return dernier;
    }
    return -1;
}

int TSaison::GetTexteDescCode(int code, std::string& nom) const
{
    for (int i = 0; i < NbDesc(); ++i) {
        const TTexteObjet& ligne = m_Desc[i];
        int k = 0;
        std::string suite;
        if (Niveau(ligne) != 2 || Valeur(ligne) != 0 || !LitReferenceCatalogue(ligne.Texte, k, &suite))
            continue;
        if (k == code || k == (code | 0x8000)) {
            nom = suite;
            return i;
        }
    }
    nom.clear();
    return -1;
}

std::string TSaison::GetNomChampDesc(int id) const
{
    for (int i = 0; i < NbDesc(); ++i)
        if (Niveau(m_Desc[i]) == 3 && Valeur(m_Desc[i]) == id)
            return GetDesc(i).Texte;
    return {};
}

TNomsChamp TSaison::GetNomsChamp(int id) const
{
    TNomsChamp noms;
    const TLectureParam* catalogue = LectureParam();
    for (int i = 0; i < NbDesc(); ++i) {
        if (Niveau(m_Desc[i]) != 3 || Valeur(m_Desc[i]) != id)
            continue;
        int n = 0;
        const std::string& texte = m_Desc[i].Texte;
        if (catalogue && !texte.empty() && texte[0] == '#' && !LitReferenceCatalogue(texte, n, nullptr)) {
            noms.Nom = catalogue->GetNom(n);
            noms.Groupe = catalogue->GetNomCfg(n);
            return noms;
        }
        noms.Nom = GetDesc(i).Texte;
        for (int j = i - 1; j >= 0; --j)
            if (Niveau(m_Desc[j]) == 1) {
                noms.Groupe = GetDesc(j).Texte;
                break;
            }
        return noms;
    }
    if (const TDonneesChampionnat* c = GetChampionnatId(id); c && catalogue) {
        noms.Nom = catalogue->GetNom(c->Division);
        noms.Groupe = catalogue->GetNomCfg(c->Division);
    }
    return noms;
}

std::string TSaison::GetNomCompletChamp(int id) const
{
    const TNomsChamp noms = GetNomsChamp(id);
    return noms.Nom.empty() ? noms.Groupe : noms.Groupe + " : " + noms.Nom;
}

// --- Statistics filing ---

void TSaison::AjouteStatChamp(const std::string& nom, int id)
{
    const TLectureParam* catalogue = LectureParam();
    const uint32_t champ = catalogue ? static_cast<uint32_t>(catalogue->GetNbGroupe(id & 0xFFFF)) : 0;
    m_StatChamps.push_back({nom, static_cast<int>(static_cast<uint32_t>(id) | (champ << 16))});
}

std::string TSaison::GetNomStatChamp(int id) const
{
    if (id >= 1 && id <= NbStatChamp() && (m_StatChamps[id - 1].Objet & 0xFFFF) == id)
        return m_StatChamps[id - 1].Texte;
    for (const TTexteObjet& s : m_StatChamps)
        if ((s.Objet & 0xFFFF) == id)
            return s.Texte;
    return {};
}

const TTexteObjet* TSaison::GetStatChamp(int i) const
{
    return i >= 0 && i < NbStatChamp() ? &m_StatChamps[i] : nullptr;
}

int TSaison::GetIdStatChamp(int code, int nommeApres)
{
    int cle = code;
    std::string entete;
    const TDonneesChampionnat* champ = GetChampionnat(GetNumChampionnatCode(code));
    const int portee = champ ? champ->GetOption(0) & 0x0F : 0;
    if (champ && portee > 1) {
        const int ligne = ChercheDesc(champ->CodeChamp, 3);
        if (ligne >= 0) {
            int premier = Valeur(m_Desc[ligne]);
            const int niveauEntete = 4 - portee;
            for (int i = ligne - 1; i >= 0; --i) {
                const int n = Niveau(m_Desc[i]);
                if (n == 3) {
                    premier = Valeur(m_Desc[i]);
                } else if (n <= niveauEntete) {
                    // A heading above the wanted level also closes the walk.
                    if (n == niveauEntete)
                        entete = m_Desc[i].Texte;
                    break;
                }
            }
            if (const TDonneesChampionnat* c = GetChampionnatId(premier))
                cle = c->GetCode();
        }
    }
    const TLectureParam* catalogue = LectureParam();
    if (!catalogue)
        return 0;
    cle &= 0xFFFF;
    for (const TTexteObjet& s : m_StatChamps)
        if ((s.Objet & 0xFFFF) == cle)
            return cle;
    std::string nom;
    if (entete.empty() || entete[0] == '#')
        nom = nommeApres < 0 ? catalogue->GetNomComplet(cle) : GetNomCompletChamp(nommeApres);
    else
        nom = entete;
    AjouteStatChamp(nom, cle);
    return cle;
}

// --- Save options ---

uint8_t TSaison::GetOptionSauvegarde(int i) const
{
    return i >= 0 && i < NbOptionsSauvegarde ? m_OptionsSauvegarde[i] : 0;
}

void TSaison::SetOptionSauvegarde(int i, uint8_t v)
{
    if (i >= 0 && i < NbOptionsSauvegarde)
        m_OptionsSauvegarde[i] = v;
}

// --- Context of the season's parts ---

int TSaison::ImporteStade(const TContexteSaison& origine, int code)
{
    const TStade* s = origine.GetStades() ? origine.GetStades()->ChercheCode(code) : nullptr;
    if (!s)
        return Aucune;
    if (const TStade* ici = m_Stades.ChercheNomVille(s->NomStade, s->Ville))
        return ici->Code;
    const int position = m_Stades.Ajoute(s->CreeCopie(), true);
    const TStade* ajoute = m_Stades.Get(position);
    return ajoute ? ajoute->Code : Aucune;
}

bool TSaison::ChampCourantInternational() const
{
    const TDonneesChampionnat* c = GetChampCourant();
    return c && c->EstInternational();
}

// --- Recounts ---

void TSaison::CompteEvenementsJoueurs(TListeDonnees& liste, int genre, TJoueur* joueur, int k)
{
    ParcourtEvenements(
        *m_Joueurs, liste, joueur,
        [](const TDonneesEvt& e) { return (e.GetMot() & (Evt::ContreCamp | Evt::PenaltyManque)) == 0; },
        [&](TJoueur& j, const TDonneesEvt&) { Incremente(j, static_cast<uint16_t>(k), genre); });
}

void TSaison::ComptePresences(TDonneesChampionnat& champ, int k, int jour, TJoueur* joueur)
{
    static constexpr int Mots[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17};
    for (int p = 0; p < champ.GetNbEquipe(); ++p) {
        const int equipe = champ.GetEquipe(p);
        TInfoComp* m = champ.GetMatchPosition(jour, p);
        const int cote = m ? m->CoteEquipe(static_cast<uint16_t>(equipe)) : -1;
        if (cote < 0 || (joueur && !JoueDans(*joueur, static_cast<uint16_t>(equipe))))
            continue;
        for (int w : Mots) {
            const uint16_t id = m->GetCompoCote(cote, w);
            if (id == 0)
                continue;
            if (joueur) {
                if (id == joueur->Numero)
                    Incremente(*joueur, static_cast<uint16_t>(k), 0);
            } else if (TJoueur* j = m_Joueurs->ChercheId(id, equipe)) {
                Incremente(*j, static_cast<uint16_t>(k), 0);
            } else if (!JoueurInconnu(id)) {
                m->SetCompoCote(cote, w, 0);
            }
        }
    }
}

void TSaison::RecalculeJour(TDonneesChampionnat& champ, int k, int jour, TJoueur* joueur)
{
    const auto cle = static_cast<uint16_t>(k);
    if (TListeDonnees* buteurs = champ.GetButeursJournee(jour))
        CompteEvenementsJoueurs(*buteurs, 1, joueur, k);
    if (TListeDonnees* cartons = champ.GetCartonsJournee(jour))
        ParcourtEvenements(
            *m_Joueurs, *cartons, joueur, [](const TDonneesEvt&) { return true; },
            [cle](TJoueur& j, const TDonneesEvt& e) {
                if (e.GetMot() < Evt::ContreCamp)
                    j.SetAvertissements(cle, j.GetAvertissements(cle) + 1);
                else
                    j.SetExpulsions(cle, j.GetExpulsions(cle) + 1);
            });
    ComptePresences(champ, k, jour, joueur);
    RecalculeJourSport(champ, k, jour, joueur);
}

void TSaison::RecalculeJoueurs()
{
    m_Joueurs->VideStats(true);
    for (int k = 1; k <= NbChampionnat(); ++k) {
        TDonneesChampionnat& champ = *GetChampionnat(k);
        for (int jour = champ.GetNbJour(); jour >= 1; --jour)
            RecalculeJour(champ, k, jour, nullptr);
    }
}

void TSaison::RecalculeJoueur(int id, int equipe)
{
    TJoueur* joueur = m_Joueurs->ChercheId(id, equipe);
    if (!joueur)
        return;
    joueur->VideStats(true);
    for (int k = 1; k <= NbChampionnat(); ++k) {
        TDonneesChampionnat& champ = *GetChampionnat(k);
        if (champ.IndexEquipe(equipe) < 0)
            continue;
        for (int jour = champ.GetNbJour(); jour >= 1; --jour)
            RecalculeJour(champ, k, jour, joueur);
    }
}

void TSaison::RecalculeArbitres()
{
    m_Arbitres.VideStats(true);
    for (int k = 1; k <= NbChampionnat(); ++k) {
        const TDonneesChampionnat& champ = *GetChampionnat(k);
        const auto cle = static_cast<uint16_t>(k);
        const int nb = champ.GetNbEquipe();
        for (int jour = 1; jour <= champ.GetNbJour(); ++jour) {
            std::vector<int> penaltys(nb), jaunes(nb), rouges(nb);
            if (const TListeDonnees* l = champ.GetButeursJournee(jour))
                for (int i = 0; i < l->Nombre(); ++i) {
                    const int p = champ.IndexEquipe(l->Get(i)->GetEquipe());
                    if (p >= 0 && (l->Get(i)->GetMot() & (Evt::Penalty | Evt::PenaltyManque)))
                        ++penaltys[p];
                }
            if (const TListeDonnees* l = champ.GetCartonsJournee(jour))
                for (int i = 0; i < l->Nombre(); ++i) {
                    const int p = champ.IndexEquipe(l->Get(i)->GetEquipe());
                    if (p >= 0)
                        ++(l->Get(i)->GetMot() < Evt::ContreCamp ? jaunes : rouges)[p];
                }
            const TInfoCompJour* j = champ.GetJournee(jour);
            for (int m = 0; j && m < j->NbMatch(); ++m) {
                const TInfoComp* match = j->GetMatch(m);
                for (int a = 1; a <= 3; ++a) {
                    auto* arbitre = dynamic_cast<TPersonnelStat*>(m_Arbitres.ChercheId(match->GetArbitre(a)));
                    if (!arbitre || match->GetArbitre(a) <= 0)
                        continue;
                    arbitre->SetMatchs(cle, arbitre->GetMatchs(cle) + 1);
                    for (int cote = 0; cote < 2; ++cote) {
                        const int p = champ.IndexEquipe(match->GetEquipe(cote));
                        if (p < 0)
                            continue;
                        arbitre->SetStat(cle, 1, arbitre->GetStat(cle, 1) + penaltys[p]);
                        arbitre->SetAvertissements(cle, arbitre->GetAvertissements(cle) + jaunes[p]);
                        arbitre->SetExpulsions(cle, arbitre->GetExpulsions(cle) + rouges[p]);
                    }
                }
            }
        }
    }
}

void TSaison::AppliqueRenumJoueurs(TListeRenumerotation& paires)
{
    if (!paires.empty())
        for (auto& c : m_Championnats)
            c->ConvertitJoueurs(paires);
    paires.clear();
}

void TSaison::AppliqueRenumArbitres(TListeRenumerotation& paires)
{
    if (!paires.empty())
        for (auto& c : m_Championnats)
            c->ConvertitArbitres(paires);
    paires.clear();
}

void TSaison::AppliqueRenumEntraineurs(TListeRenumerotation& paires)
{
    if (!paires.empty())
        m_RensClubs.ConvertitEntraineurs(paires);
    paires.clear();
}

// --- TSaisonFootball ---

std::unique_ptr<TDonneesChampionnat> TSaisonFootball::CreeChampionnat(uint8_t genre, uint8_t sport)
{
    return std::make_unique<TDonneesChampionnatFootball>(this, sport, genre);
}

std::unique_ptr<TJoueur> TSaisonFootball::CreeJoueur(const std::string& nom, const std::string& prenom, int id,
                                                     uint16_t equipe) const
{
    return std::make_unique<TJoueurFootball>(this, nom, prenom, id, 0, 'M', 0, equipe);
}

std::unique_ptr<TJoueur> TSaisonFootball::CreeJoueurCopie(const TJoueur& joueur) const
{
    std::unique_ptr<TPersonnel> copie = joueur.CreeCopie();
    auto* j = dynamic_cast<TJoueur*>(copie.get());
    if (!j)
        return nullptr;
    copie.release();
    std::unique_ptr<TJoueur> resultat(j);
    resultat->SetSaison(this);
    return resultat;
}

std::unique_ptr<TJoueur> TSaisonFootball::CreeJoueurComplet(const std::string& nom, const std::string& prenom, int id,
                                                            uint8_t age, char lettrePoste, uint8_t maillot,
                                                            uint16_t equipeClub, uint16_t equipeNationale,
                                                            uint16_t clubPrec, uint8_t duree, uint8_t contrat) const
{
    return std::make_unique<TJoueurFootball>(this, nom, prenom, id, age, lettrePoste, maillot, equipeClub,
                                             equipeNationale, clubPrec, duree, contrat);
}

TListeTextes TSaisonFootball::ListePostes() const
{
    TListeTextes postes;
    for (int i = 0; i < 4; ++i)
        postes.push_back({Traduit(791 + i), i});
    return postes;
}

void TSaisonFootball::RecalculeJourSport(TDonneesChampionnat& champ, int k, int jour, TJoueur* joueur)
{
    auto* foot = dynamic_cast<TDonneesChampionnatFootball*>(&champ);
    TListeDonnees* passeurs = foot ? foot->GetPasseursJournee(jour) : nullptr;
    if (!passeurs)
        return;
    const auto cle = static_cast<uint16_t>(k);
    ParcourtEvenements(
        Joueurs(), *passeurs, joueur, [](const TDonneesEvt&) { return true; },
        [cle](TJoueur& j, const TDonneesEvt&) {
            if (auto* f = dynamic_cast<TJoueurFootball*>(&j))
                f->SetPasses(cle, f->GetPasses(cle) + 1);
        });
}
