#include "model/Personnels.h"

#include <algorithm>
#include <map>

#include "base/ioXml.h"
#include "model/ComparaisonNoms.h"
#include "model/ContexteSaison.h"
#include "model/LectureFeuilles.h"
#include "model/Numerotation.h"

// --- TRenumeroteur ---

TRenumeroteur::TRenumeroteur(const TListeRenumerotation& paires, bool zero)
{
    // From the last pair back: the pair (a, b) sends a wherever the pairs
    // after it send b.
    std::map<int, int> suite;
    for (auto p = paires.rbegin(); p != paires.rend(); ++p) {
        if (p->Ancien == 0 && !zero)
            continue;
        const auto apres = suite.find(p->Nouveau);
        suite[p->Ancien] = apres != suite.end() ? apres->second : p->Nouveau;
    }
    Table.reserve(suite.size());
    for (const auto& [ancien, nouveau] : suite)
        Table.push_back({ancien, nouveau});
}

int TRenumeroteur::Applique(int id) const
{
    const auto p =
        std::lower_bound(Table.begin(), Table.end(), id, [](const TRenumerotation& r, int v) { return r.Ancien < v; });
    return p != Table.end() && p->Ancien == id ? p->Nouveau : id;
}

// --- TPersonnel ---

TPersonnel::TPersonnel(std::string nom, std::string prenom, uint8_t age, int numero)
    : Nom(std::move(nom)), Prenom(std::move(prenom)), Age(age), Numero(numero)
{
}

std::unique_ptr<TPersonnel> TPersonnel::CreeCopie() const
{
    auto copie = std::make_unique<TPersonnel>(Nom, Prenom, Age, Numero);
    copie->CodePays = CodePays;
    return copie;
}

std::string TPersonnel::GetNomComplet() const
{
    return Prenom.empty() ? Nom : Nom + " " + Prenom;
}

std::string TPersonnel::GetPrenomNom() const
{
    return Prenom.empty() ? Nom : Prenom + " " + Nom;
}

std::string TPersonnel::GetPays(const TListePays* pays) const
{
    return pays ? pays->GetNom(CodePays) : std::string();
}

std::string TPersonnel::GetLibelle(const TListePays* pays, bool nomDabord) const
{
    std::string libelle = nomDabord ? GetNomComplet() : GetPrenomNom();
    const std::string nomPays = GetPays(pays);
    if (!nomPays.empty())
        libelle += " (" + nomPays + ")";
    return libelle;
}

void TPersonnel::Reinitialise()
{
    Nom.clear();
    Prenom.clear();
    Age = 0;
    CodePays = 65535;
    Numero = -1;
    Image = 0;
}

void TPersonnel::EcritIdentiteXml(TXmlWriter& ecrivain, const TContexteSaison* saison, bool complet) const
{
    ecrivain.EcritElement("Nom", Nom);
    ecrivain.EcritElement("Prenom", Prenom);
    if (complet || Age != 0)
        ecrivain.EcritElementInt("Age", Age);
    if (saison)
        ecrivain.EcritElement("CodePays2", GetPays(saison->GetListePays()));
    else
        ecrivain.EcritElementInt("CodePays", CodePays);
    ecrivain.EcritElementInt("Numero", Numero);
}

void TPersonnel::SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("Personnel");
    if (id != 65535)
        ecrivain.AjouteAttributInt("ID", id);
    EcritIdentiteXml(ecrivain, saison, true);
    ecrivain.EcritElementInt("Image", Image);
    ecrivain.FermeElement("Personnel");
}

void TPersonnel::LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    Reinitialise();
    LitEnfantsXml(lecteur, saison);
}

void TPersonnel::LitEnfantsXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    for (;;) {
        const int genre = lecteur.LitNoeud();
        if (genre == 1 || genre == 3)
            return;
        if (!LitEnfantXml(lecteur, genre, saison))
            lecteur.SauteElement(genre);
    }
}

bool TPersonnel::LitEnfantXml(TXmlReader& lecteur, int genre, const TContexteSaison* saison)
{
    const std::string_view nom = lecteur.GetNomVue();
    if (nom == "Nom")
        Nom = LitFeuilleTexte(lecteur, genre);
    else if (nom == "Prenom")
        Prenom = LitFeuilleTexte(lecteur, genre);
    else if (nom == "Age")
        Age = static_cast<uint8_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "CodePays") {
        const int code = LitFeuilleEntier(lecteur, genre);
        // A code the season's list has no name for would show as a blank country.
        const TListePays* pays = saison ? saison->GetListePays() : nullptr;
        if (pays && pays->GetNom(code).empty())
            CodePays = 65535;
        else
            CodePays = static_cast<uint16_t>(code);
    } else if (nom == "CodePays2") {
        const std::string texte = LitFeuilleTexte(lecteur, genre);
        const TListePays* pays = saison ? saison->GetListePays() : nullptr;
        if (pays)
            CodePays = static_cast<uint16_t>(pays->IndexNom(texte));
    } else if (nom == "Numero")
        Numero = LitFeuilleEntier(lecteur, genre);
    else if (nom == "Image")
        Image = LitFeuilleEntier(lecteur, genre);
    else
        return false;
    return true;
}

// --- TListeStatFootball ---

int TListeStatFootball::GetValeur(int i) const
{
    return i >= 0 && i < 2 ? m_Valeurs[i] : 0;
}

void TListeStatFootball::SetValeur(int i, int valeur)
{
    if (i >= 0 && i < 2)
        m_Valeurs[i] = static_cast<uint16_t>(valeur);
}

std::unique_ptr<TListeStat> TListeStatFootball::Copie() const
{
    return std::make_unique<TListeStatFootball>(*this);
}

// --- TPersonnelStat ---

TPersonnelStat::~TPersonnelStat() = default;

TPersonnelStat::TPersonnelStat(const TPersonnelStat& autre) : TPersonnel(autre), m_Cartons(autre.m_Cartons)
{
    for (const auto& s : autre.m_Stats)
        m_Stats.push_back(s->Copie());
}

std::unique_ptr<TPersonnel> TPersonnelStat::CreeCopie() const
{
    auto copie = std::make_unique<TPersonnelStat>(Nom, Prenom, Age, Numero);
    copie->CodePays = CodePays;
    return copie;
}

std::unique_ptr<TListeStat> TPersonnelStat::CreeListeStat(uint16_t cle) const
{
    return std::make_unique<TListeStatFootball>(cle);
}

const TListeStat* TPersonnelStat::GetListeStat(int i) const
{
    return i >= 0 && i < NbListesStat() ? m_Stats[i].get() : nullptr;
}

int TPersonnelStat::GetStat(uint16_t cle, int i) const
{
    for (const auto& s : m_Stats)
        if (s->Cle == cle)
            return s->GetValeur(i);
    return 0;
}

void TPersonnelStat::SetStat(uint16_t cle, int i, int valeur)
{
    for (auto& s : m_Stats)
        if (s->Cle == cle) {
            s->SetValeur(i, valeur);
            return;
        }
    m_Stats.push_back(CreeListeStat(cle));
    m_Stats.back()->SetValeur(i, valeur);
}

int TPersonnelStat::TotalStat(int i) const
{
    int total = 0;
    for (const auto& s : m_Stats)
        total += s->GetValeur(i);
    return total;
}

const TCartonsStat* TPersonnelStat::ChercheCartons(uint16_t cle) const
{
    for (const auto& c : m_Cartons)
        if (c.Cle == cle)
            return &c;
    return nullptr;
}

TCartonsStat& TPersonnelStat::CartonsPour(uint16_t cle)
{
    for (auto& c : m_Cartons)
        if (c.Cle == cle)
            return c;
    m_Cartons.push_back(TCartonsStat{0, 0, 0, cle});
    return m_Cartons.back();
}

int TPersonnelStat::TotalCartons(uint16_t TCartonsStat::*champ) const
{
    int total = 0;
    for (const auto& c : m_Cartons)
        total += c.*champ;
    return total;
}

int TPersonnelStat::GetAvertissements(uint16_t cle) const
{
    const TCartonsStat* c = ChercheCartons(cle);
    return c ? c->Avertissements : 0;
}

void TPersonnelStat::SetAvertissements(uint16_t cle, int valeur)
{
    CartonsPour(cle).Avertissements = static_cast<uint16_t>(valeur);
}

int TPersonnelStat::TotalAvertissements() const
{
    return TotalCartons(&TCartonsStat::Avertissements);
}

int TPersonnelStat::GetExpulsions(uint16_t cle) const
{
    const TCartonsStat* c = ChercheCartons(cle);
    return c ? c->Expulsions : 0;
}

void TPersonnelStat::SetExpulsions(uint16_t cle, int valeur)
{
    CartonsPour(cle).Expulsions = static_cast<uint16_t>(valeur);
}

int TPersonnelStat::TotalExpulsions() const
{
    return TotalCartons(&TCartonsStat::Expulsions);
}

void TPersonnelStat::VideStats(bool tout)
{
    m_Cartons.clear();
    if (tout) {
        m_Stats.clear();
        return;
    }
    for (auto& s : m_Stats)
        for (int i = 1; i <= 4; ++i)
            s->SetValeur(i, 0);
}

// --- TEntraineur ---

std::unique_ptr<TPersonnel> TEntraineur::CreeCopie() const
{
    return std::unique_ptr<TPersonnel>(new TEntraineur(*this));
}

void TEntraineur::Reinitialise()
{
    TPersonnel::Reinitialise();
    ClubActuel = 65535;
    ClubPrec = 65535;
}

void TEntraineur::SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("Entraineur");
    if (id != 65535)
        ecrivain.AjouteAttributInt("ID", id);
    EcritIdentiteXml(ecrivain, saison, true);
    if (saison)
        ecrivain.EcritElement("ClubActuel2", saison->GetNomEquipe(ClubActuel));
    else
        ecrivain.EcritElementInt("ClubActuel", ClubActuel);
    ecrivain.EcritElementInt("ClubPrec", ClubPrec);
    ecrivain.FermeElement("Entraineur");
}

bool TEntraineur::LitEnfantXml(TXmlReader& lecteur, int genre, const TContexteSaison* saison)
{
    const std::string_view nom = lecteur.GetNomVue();
    if (nom == "ClubActuel")
        ClubActuel = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "ClubActuel2") {
        const std::string texte = LitFeuilleTexte(lecteur, genre);
        const int equipe = saison ? saison->ChercheEquipe(texte) : -1;
        if (equipe >= 0)
            ClubActuel = static_cast<uint16_t>(equipe);
    } else if (nom == "ClubPrec")
        ClubPrec = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else
        return TPersonnel::LitEnfantXml(lecteur, genre, saison);
    return true;
}

// --- TPersonnels ---

namespace {

// Persons are kept in the order of their folded names, so that the namesakes a
// duplicate test looks for are neighbours; raw names settle the rest.
bool AvantPersonne(const TPersonnel& a, const TPersonnel& b)
{
    int c = CompareNomsPlies(a.Nom, b.Nom);
    if (c == 0)
        c = CompareNomsPlies(a.Prenom, b.Prenom);
    if (c == 0)
        c = a.Nom.compare(b.Nom);
    if (c == 0)
        c = a.Prenom.compare(b.Prenom);
    return c < 0;
}

bool MemesNoms(const TPersonnel& a, const TPersonnel& b)
{
    return CompareNomsPlies(a.Nom, b.Nom) == 0 && CompareNomsPlies(a.Prenom, b.Prenom) == 0;
}

} // namespace

void TPersonnels::Vide()
{
    m_Liste.clear();
}

TPersonnel* TPersonnels::Get(int i) const
{
    return i >= 0 && i < Nombre() ? m_Liste[i].get() : nullptr;
}

int TPersonnels::Ajoute(std::unique_ptr<TPersonnel> personne, TListeRenumerotation* renum)
{
    if (!personne)
        return -1;
    // First person not smaller in folded names: the namesake, when there is one.
    auto it = std::lower_bound(
        m_Liste.begin(), m_Liste.end(), personne.get(), [](const std::unique_ptr<TPersonnel>& p, const TPersonnel* n) {
            return CompareNomsPlies(p->Nom, n->Nom) < 0 ||
                   (CompareNomsPlies(p->Nom, n->Nom) == 0 && CompareNomsPlies(p->Prenom, n->Prenom) < 0);
        });
    if (it != m_Liste.end() && MemesNoms(**it, *personne)) {
        // An id of 0 or less names nobody; a pair with it would point every
        // empty referee slot of the championships at the kept person.
        if (renum && personne->Numero > 0)
            renum->push_back({personne->Numero, (*it)->Numero});
        return static_cast<int>(it - m_Liste.begin());
    }
    if (personne->Numero == -1 || personne->Numero >= LimiteIds)
        personne->Numero = NouvelId(m_MaxId, LimiteIds, 1, m_Liste, [](const auto& p) { return p->Numero; });
    else
        NoteId(m_MaxId, personne->Numero, LimiteIds);
    it = std::upper_bound(
        m_Liste.begin(), m_Liste.end(), personne.get(),
        [](const TPersonnel* n, const std::unique_ptr<TPersonnel>& p) { return AvantPersonne(*n, *p); });
    it = m_Liste.insert(it, std::move(personne));
    return static_cast<int>(it - m_Liste.begin());
}

std::unique_ptr<TPersonnel> TPersonnels::Retire(const TPersonnel* personne)
{
    for (auto it = m_Liste.begin(); it != m_Liste.end(); ++it)
        if (it->get() == personne) {
            std::unique_ptr<TPersonnel> retire = std::move(*it);
            m_Liste.erase(it);
            return retire;
        }
    return nullptr;
}

TPersonnel* TPersonnels::ChercheId(int id) const
{
    for (const auto& p : m_Liste)
        if (p->Numero == id)
            return p.get();
    return nullptr;
}

TPersonnel* TPersonnels::ChercheNom(const std::string& nomNormalise, const std::string& prenom) const
{
    for (const auto& p : m_Liste)
        if (CompareNomsPlies(NormaliseNom(p->Nom), nomNormalise) == 0 && CompareNomsPlies(p->Prenom, prenom) == 0)
            return p.get();
    return nullptr;
}

std::vector<TPersonnel*> TPersonnels::ListePays(uint16_t code) const
{
    std::vector<TPersonnel*> liste;
    for (const auto& p : m_Liste)
        if (p->CodePays == code)
            liste.push_back(p.get());
    return liste;
}

std::vector<TPersonnel*> TPersonnels::Liste() const
{
    std::vector<TPersonnel*> liste;
    liste.reserve(m_Liste.size());
    for (const auto& p : m_Liste)
        liste.push_back(p.get());
    return liste;
}

bool TPersonnels::PaysUtilise(uint16_t code) const
{
    return std::any_of(m_Liste.begin(), m_Liste.end(), [code](const auto& p) { return p->CodePays == code; });
}

void TPersonnels::VideStats(bool tout)
{
    for (auto& p : m_Liste)
        if (auto* stat = dynamic_cast<TPersonnelStat*>(p.get()))
            stat->VideStats(tout);
}

void TPersonnels::SaveToXml(TXmlWriter& ecrivain, const std::string& element, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement(element);
    for (const auto& p : m_Liste)
        p->SaveToXml(ecrivain, 65535, saison);
    ecrivain.FermeElement(element);
}

TListeRenumerotation TPersonnels::LoadFromXml(TXmlReader& lecteur, const std::string& enfant,
                                              const TContexteSaison* saison)
{
    TListeRenumerotation renum;
    for (;;) {
        const int genre = lecteur.LitNoeud();
        if (genre == 1 || genre == 3)
            break;
        if (lecteur.GetNom() != enfant || genre != 0) {
            lecteur.SauteElement(genre);
            continue;
        }
        std::unique_ptr<TPersonnel> personne;
        if (enfant == "Entraineur")
            personne = std::make_unique<TEntraineur>();
        else
            personne = std::make_unique<TPersonnelStat>();
        personne->LoadFromXml(lecteur, saison);
        if (!personne->Nom.empty())
            Ajoute(std::move(personne), &renum);
    }
    return renum;
}

// --- TListePays ---

std::string TListePays::GetNom(int code) const
{
    return code >= 0 && code < Nombre() ? m_Noms[code] : std::string();
}

void TListePays::SetNom(int code, const std::string& nom)
{
    if (code >= 0 && code < Nombre())
        m_Noms[code] = nom;
}

int TListePays::Ajoute(const std::string& nom)
{
    if (nom.empty())
        return -1;
    m_Noms.push_back(nom);
    return Nombre() - 1;
}

int TListePays::IndexNom(const std::string& nom) const
{
    if (nom.empty())
        return 65535;
    for (int i = Nombre() - 1; i >= 0; --i)
        if (m_Noms[i] == nom)
            return i;
    return 65535;
}

int TListePays::Cherche(const std::string& nom)
{
    if (nom.empty())
        return 65535;
    const std::string cle = NormaliseNom(nom);
    for (int i = 0; i < Nombre(); ++i)
        if (NormaliseNom(m_Noms[i]) == cle)
            return i;
    return Ajoute(nom);
}

void TListePays::RemplitListe(TListeTextes& liste) const
{
    liste.clear();
    for (int i = 0; i < Nombre(); ++i)
        liste.push_back({m_Noms[i], i});
}

void TListePays::SaveToXml(TXmlWriter& ecrivain) const
{
    ecrivain.OuvreElement("ListePays");
    // Empty names are written too: a country's code is its position.
    for (const auto& nom : m_Noms)
        ecrivain.EcritElement("Nom", nom, true);
    ecrivain.FermeElement("ListePays");
}

void TListePays::LoadFromXml(TXmlReader& lecteur)
{
    m_Noms.clear();
    for (;;) {
        const int genre = lecteur.LitNoeud();
        if (genre == 1 || genre == 3)
            return;
        if (lecteur.GetNom() == "Nom")
            m_Noms.push_back(LitFeuilleTexte(lecteur, genre));
        else
            lecteur.SauteElement(genre);
    }
}
