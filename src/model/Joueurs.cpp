#include "model/Joueurs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/ioXml.h"
#include "base/oTraducteur.h"
#include "model/ComparaisonNoms.h"
#include "model/ContexteSaison.h"
#include "model/LectureFeuilles.h"
#include "model/Numerotation.h"

namespace {

const char* const NomsPostes[NbPostes] = {"Gardien",         "Defenseur",
                                          "Milieu",          "Attaquant",
                                          "Remplacant",      "Talonneur",
                                          "Pilier",          "2Ligne",
                                          "3Ligne",          "Melee",
                                          "Ouverture",       "34centre",
                                          "34aile",          "Arriere",
                                          "RemplacantRugby", "Ailier",
                                          "ArriereB",        "AilierArriere",
                                          "Interieur",       "Meneur",
                                          "Pivot",           "RemplacementBasket"};

const char LettresFootball[] = "GDMAR";

// Birth dates are day numbers counted from 30/12/1899, the origin of the dates
// the older files hold.
constexpr int JourOrigine = 25569; // 30/12/1899 .. 01/01/1970

int JoursDepuisCivil(int a, int m, int j)
{
    a -= m <= 2;
    const int ere = (a >= 0 ? a : a - 399) / 400;
    const int ade = a - ere * 400;
    const int jda = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + j - 1;
    const int jde = ade * 365 + ade / 4 - ade / 100 + jda;
    return ere * 146097 + jde - 719468;
}

void CivilDepuisJours(int z, int& a, int& m, int& j)
{
    z += 719468;
    const int ere = (z >= 0 ? z : z - 146096) / 146097;
    const int jde = z - ere * 146097;
    const int ade = (jde - jde / 1460 + jde / 36524 - jde / 146096) / 365;
    const int jda = jde - (365 * ade + ade / 4 - ade / 100);
    const int mp = (5 * jda + 2) / 153;
    j = jda - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    a = ade + ere * 400 + (m <= 2);
}

std::string DateVersTexte(int serie)
{
    int a, m, j;
    CivilDepuisJours(serie - JourOrigine, a, m, j);
    char tampon[32];
    std::snprintf(tampon, sizeof tampon, "%02d/%02d/%04d", j, m, a);
    return tampon;
}

// "dd/mm/yyyy"; 0 for a text that is not a real date.
int TexteVersDate(const std::string& texte)
{
    int j = 0, m = 0, a = 0;
    char fin = 0;
    if (std::sscanf(texte.c_str(), "%d/%d/%d%c", &j, &m, &a, &fin) != 3)
        return 0;
    if (a < 1 || a > 9999 || m < 1 || m > 12 || j < 1 || j > 31)
        return 0;
    const int serie = JoursDepuisCivil(a, m, j) + JourOrigine;
    int a2, m2, j2;
    CivilDepuisJours(serie - JourOrigine, a2, m2, j2);
    return (a2 == a && m2 == m && j2 == j) ? serie : 0;
}

} // namespace

const char* NomPosteXml(int code)
{
    return code >= 0 && code < NbPostes ? NomsPostes[code] : "";
}

int CodePosteXml(const std::string& nom)
{
    for (int i = 0; i < NbPostes; ++i)
        if (nom == NomsPostes[i])
            return i;
    return -1;
}

// --- TJoueur ---

TJoueur::TJoueur(const TContexteSaison* saison, std::string nom, std::string prenom, int id, uint8_t age, uint8_t poste,
                 uint8_t maillot, uint16_t equipeClub, uint16_t equipeNationale, uint16_t clubPrec, uint8_t duree,
                 uint8_t contrat)
    : TPersonnelStat(std::move(nom), std::move(prenom), age, id), Poste(poste), Duree(duree), Contrat(contrat),
      ClubPrec(clubPrec), Maillot(maillot), EquipeClub(equipeClub), EquipeNationale(equipeNationale), m_Saison(saison)
{
}

TJoueur::TJoueur(const TJoueur& autre)
    : TPersonnelStat(autre), Poste(autre.Poste), Duree(autre.Duree), Contrat(autre.Contrat), ClubPrec(autre.ClubPrec),
      Taille(autre.Taille), Poids(autre.Poids), SelectionNationale(autre.SelectionNationale),
      nSelectionNationale(autre.nSelectionNationale), DateNaissance(autre.DateNaissance), Maillot(autre.Maillot),
      MaillotNational(autre.MaillotNational), EquipeClub(autre.EquipeClub), EquipeNationale(autre.EquipeNationale),
      m_Saison(autre.m_Saison), m_Historique(autre.m_Historique)
{
    for (const auto& c : autre.m_Carriere)
        m_Carriere.push_back(c->Copie());
}

TJoueur::~TJoueur() = default;

uint16_t TJoueur::GetEquipe() const
{
    return m_Saison && m_Saison->ChampCourantInternational() ? EquipeNationale : EquipeClub;
}

void TJoueur::SetEquipe(uint16_t equipe)
{
    if (m_Saison && m_Saison->ChampCourantInternational())
        EquipeNationale = equipe;
    else
        EquipeClub = equipe;
}

std::string TJoueur::GetLibelleClubs() const
{
    if (!m_Saison)
        return {};
    std::string libelle;
    if (EquipeClub < 65535)
        libelle = m_Saison->GetNomEquipe(EquipeClub);
    if (EquipeNationale < 65535) {
        if (!libelle.empty())
            libelle += ", ";
        libelle += m_Saison->GetNomEquipe(EquipeNationale);
    }
    if (EquipeClub == 65535 && EquipeNationale == 65535)
        libelle = Traduit(82);
    return libelle;
}

int TJoueur::GetNumeroPoste() const
{
    if (Poste <= 4)
        return Poste + 1;
    if (Poste <= 14)
        return Poste - 4;
    return Poste - 14;
}

void TJoueur::AjouteHistorique(const TStatHistorique& historique)
{
    auto it = std::find_if(m_Historique.begin(), m_Historique.end(),
                           [&](const TStatHistorique& h) { return h.StatAnnee >= historique.StatAnnee; });
    m_Historique.insert(it, historique);
}

const TStatHistorique* TJoueur::GetHistorique(int i) const
{
    return i >= 0 && i < NbHistorique() ? &m_Historique[i] : nullptr;
}

int TJoueur::Correction(const TListeStat& record, int i)
{
    return static_cast<int16_t>(static_cast<uint16_t>(record.GetValeur(i)));
}

int TJoueur::GetNbMatchHist(int code, int i) const
{
    for (const auto& c : m_Carriere)
        if (c->Cle == code)
            return Correction(*c, i);
    return 0;
}

void TJoueur::SetStatHist(int code, int i, int valeur)
{
    for (auto& c : m_Carriere)
        if (c->Cle == code) {
            c->SetValeur(i, valeur);
            return;
        }
    m_Carriere.push_back(CreeListeStat(static_cast<uint16_t>(code)));
    m_Carriere.back()->SetValeur(i, valeur);
}

void TJoueur::Reinitialise()
{
    TPersonnel::Reinitialise();
    Duree = 0;
    Contrat = 0;
    EquipeClub = 65535;
    EquipeNationale = 65535;
    ClubPrec = 65535;
    Maillot = 0;
    MaillotNational = 0;
    Taille = 0;
    Poids = 0;
    DateNaissance = 0;
}

void TJoueur::SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("Joueur");
    if (id != 65535)
        ecrivain.AjouteAttributInt("ID", id);
    EcritIdentiteXml(ecrivain, saison, false);
    ecrivain.EcritElement("Poste", NomPosteXml(Poste));
    if (Duree != 0)
        ecrivain.EcritElementInt("Duree", Duree);
    if (Contrat != 0 && Contrat != 99)
        ecrivain.EcritElementInt("Contrat", Contrat);
    ecrivain.EcritElementInt("ClubPrec", ClubPrec);
    if (Maillot != 0)
        ecrivain.EcritElementInt("Maillot", Maillot);
    if (saison) {
        ecrivain.EcritElement("ClubActuel2", saison->GetNomEquipe(EquipeClub));
        ecrivain.EcritElement("EquipeNational2", saison->GetNomEquipe(EquipeNationale));
    } else {
        ecrivain.EcritElementInt("ClubActuel", EquipeClub);
        ecrivain.EcritElementInt("EquipeNational", EquipeNationale);
    }
    if (MaillotNational != 0)
        ecrivain.EcritElementInt("MaillotNational", MaillotNational);
    if (Taille != 0)
        ecrivain.EcritElementInt("Taille", Taille);
    if (Poids != 0)
        ecrivain.EcritElementInt("Poids", Poids);
    ecrivain.EcritElement("SelectionNationale", SelectionNationale);
    if (nSelectionNationale != 0)
        ecrivain.EcritElementInt("nSelectionNationale", nSelectionNationale);
    const std::string date = DateVersTexte(DateNaissance);
    if (date != "01/01/1900" && date != "30/12/1899")
        ecrivain.EcritElement("DateNaissance", date);
    EcritStatCarriereXml(ecrivain);
    if (!m_Historique.empty()) {
        ecrivain.OuvreElement("StatHistoriques");
        for (const auto& h : m_Historique) {
            ecrivain.OuvreElement("StatHistorique");
            ecrivain.EcritElementInt("StatAnnee", h.StatAnnee);
            ecrivain.EcritElementInt("Division", h.Division);
            ecrivain.EcritElementInt("Equipe", h.Equipe);
            ecrivain.EcritElementInt("StatMatch", h.StatMatch);
            ecrivain.EcritElementInt("StatBut", h.StatBut);
            ecrivain.EcritElementInt("StatMatchInter", h.StatMatchInter);
            ecrivain.EcritElementInt("StatButInter", h.StatButInter);
            ecrivain.FermeElement("StatHistorique");
        }
        ecrivain.FermeElement("StatHistoriques");
    }
    ecrivain.EcritElementInt("Image", Image);
    ecrivain.FermeElement("Joueur");
}

bool TJoueur::LitEnfantXml(TXmlReader& lecteur, int genre, const TContexteSaison* saison)
{
    const std::string_view nom = lecteur.GetNomVue();
    if (nom == "Poste") {
        const int code = CodePosteXml(LitFeuilleTexte(lecteur, genre));
        if (code >= 0)
            Poste = static_cast<uint8_t>(code);
    } else if (nom == "Duree")
        Duree = static_cast<uint8_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "Contrat")
        Contrat = static_cast<uint8_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "ClubPrec")
        ClubPrec = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "Maillot")
        Maillot = static_cast<uint8_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "ClubActuel")
        EquipeClub = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "EquipeNational")
        EquipeNationale = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "ClubActuel2" || nom == "EquipeNational2") {
        const std::string texte = LitFeuilleTexte(lecteur, genre);
        const int equipe = saison ? saison->ChercheEquipe(texte) : -1;
        if (equipe >= 0)
            (nom == "ClubActuel2" ? EquipeClub : EquipeNationale) = static_cast<uint16_t>(equipe);
    } else if (nom == "MaillotNational")
        MaillotNational = static_cast<uint8_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "Taille")
        Taille = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "Poids")
        Poids = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "SelectionNationale")
        SelectionNationale = LitFeuilleTexte(lecteur, genre);
    else if (nom == "nSelectionNationale")
        nSelectionNationale = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
    else if (nom == "DateNaissance")
        DateNaissance = TexteVersDate(LitFeuilleTexte(lecteur, genre));
    else if (nom == "StatCarriere") {
        if (genre == 0)
            LitStatCarriereXml(lecteur);
    } else if (nom == "StatHistoriques") {
        if (genre == 0)
            LitStatHistoriquesXml(lecteur);
    } else
        return TPersonnel::LitEnfantXml(lecteur, genre, saison);
    return true;
}

void TJoueur::LitStatCarriereXml(TXmlReader& lecteur)
{
    int code = 0, matchs = 0, buts = 0;
    for (;;) {
        const int genre = lecteur.LitNoeud();
        if (genre == 1 || genre == 3)
            break;
        const std::string_view nom = lecteur.GetNomVue();
        if (nom == "StatChamp")
            code = LitFeuilleEntier(lecteur, genre);
        else if (nom == "StatMatch")
            matchs = LitFeuilleEntier(lecteur, genre);
        else if (nom == "StatBut")
            buts = LitFeuilleEntier(lecteur, genre);
        else
            lecteur.SauteElement(genre);
    }
    AjouteStatCarriere(code, matchs, buts);
}

void TJoueur::LitStatHistoriquesXml(TXmlReader& lecteur)
{
    for (;;) {
        const int genre = lecteur.LitNoeud();
        if (genre == 1 || genre == 3)
            return;
        if (lecteur.GetNom() != "StatHistorique" || genre != 0) {
            lecteur.SauteElement(genre);
            continue;
        }
        TStatHistorique h;
        for (;;) {
            const int g = lecteur.LitNoeud();
            if (g == 1 || g == 3)
                break;
            const std::string_view nom = lecteur.GetNomVue();
            int* champ = nom == "StatAnnee"        ? &h.StatAnnee
                         : nom == "Division"       ? &h.Division
                         : nom == "Equipe"         ? &h.Equipe
                         : nom == "StatMatch"      ? &h.StatMatch
                         : nom == "StatBut"        ? &h.StatBut
                         : nom == "StatMatchInter" ? &h.StatMatchInter
                         : nom == "StatButInter"   ? &h.StatButInter
                                                   : nullptr;
            if (champ)
                *champ = LitFeuilleEntier(lecteur, g);
            else
                lecteur.SauteElement(g);
        }
        AjouteHistorique(h);
    }
}

// --- TJoueurFootball ---

TJoueurFootball::TJoueurFootball(const TContexteSaison* saison, std::string nom, std::string prenom, int id,
                                 uint8_t age, char lettrePoste, uint8_t maillot, uint16_t equipeClub,
                                 uint16_t equipeNationale, uint16_t clubPrec, uint8_t duree, uint8_t contrat)
    : TJoueur(saison, std::move(nom), std::move(prenom), id, age, 0, maillot, equipeClub, equipeNationale, clubPrec,
              duree, contrat)
{
    if (lettrePoste != ' ')
        TJoueurFootball::SetLettrePoste(lettrePoste);
}

std::unique_ptr<TPersonnel> TJoueurFootball::CreeCopie() const
{
    auto copie = std::make_unique<TJoueurFootball>(m_Saison, Nom, Prenom, Numero, Age, ' ', Maillot, GetEquipe(),
                                                   EquipeNationale, ClubPrec, Duree, Contrat);
    copie->CodePays = CodePays;
    copie->Poste = Poste;
    copie->m_Cartons = m_Cartons;
    for (const auto& s : m_Stats)
        copie->m_Stats.push_back(s->Copie());
    for (const auto& c : m_Carriere)
        copie->m_Carriere.push_back(c->Copie());
    return copie;
}

char TJoueurFootball::GetLettrePoste() const
{
    return Poste <= 4 ? LettresFootball[Poste] : 'R';
}

void TJoueurFootball::SetLettrePoste(char lettre)
{
    const char* p = lettre ? std::strchr(LettresFootball, lettre) : nullptr;
    SetNumeroPoste(p ? static_cast<int>(p - LettresFootball) + 1 : 0);
}

void TJoueurFootball::SetNumeroPoste(int numero)
{
    Poste = static_cast<uint8_t>(numero >= 1 && numero <= 5 ? numero - 1 : 4);
}

void TJoueurFootball::EcritStatCarriereXml(TXmlWriter& ecrivain) const
{
    for (const auto& c : m_Carriere) {
        if (c->Cle == 0)
            continue;
        ecrivain.OuvreElement("StatCarriere");
        ecrivain.EcritElementInt("StatChamp", c->Cle);
        ecrivain.EcritElementInt("StatMatch", c->GetValeur(0));
        ecrivain.EcritElementInt("StatBut", c->GetValeur(1));
        ecrivain.FermeElement("StatCarriere");
    }
}

TStatCarriere TJoueurFootball::GetStatCarriere(int i) const
{
    if (i < 0 || i >= NbStatHist())
        return {};
    const TListeStat& c = *m_Carriere[i];
    return {c.Cle, Correction(c, 0), Correction(c, 1)};
}

int TJoueurFootball::ChercheStatCarriere(int code, TStatCarriere* stat) const
{
    for (int i = 0; i < NbStatHist(); ++i)
        if (m_Carriere[i]->Cle == code) {
            if (stat)
                *stat = GetStatCarriere(i);
            return i;
        }
    if (stat)
        *stat = {};
    return 65535;
}

void TJoueurFootball::SetStatCarriere(int i, int code, int matchs, int buts)
{
    if (i < 0)
        return;
    if (i >= NbStatHist()) {
        AjouteStatCarriere(code, matchs, buts);
        return;
    }
    TListeStat& c = *m_Carriere[i];
    c.Cle = static_cast<uint16_t>(code);
    c.SetValeur(0, matchs);
    c.SetValeur(1, buts);
}

void TJoueurFootball::AjouteStatCarriere(int code, int matchs, int buts)
{
    m_Carriere.push_back(CreeListeStat(static_cast<uint16_t>(code)));
    m_Carriere.back()->SetValeur(0, matchs);
    m_Carriere.back()->SetValeur(1, buts);
}

bool TJoueurFootball::StatsUniquementChamp(uint16_t cle) const
{
    return GetMatchs(cle) >= TotalMatchs() && GetStat(cle, 1) >= TotalStat(1) &&
           GetAvertissements(cle) >= TotalAvertissements() && GetExpulsions(cle) >= TotalExpulsions() &&
           GetPasses(cle) >= TotalPasses();
}

int TJoueurFootball::GetPasses(uint16_t cle) const
{
    const TCartonsStat* c = ChercheCartons(cle);
    return c ? c->Passes : 0;
}

void TJoueurFootball::SetPasses(uint16_t cle, int valeur)
{
    CartonsPour(cle).Passes = static_cast<uint16_t>(valeur);
}

int TJoueurFootball::TotalPasses() const
{
    return TotalCartons(&TCartonsStat::Passes);
}

// --- TChoixJoueur, TListeJoueur ---

TChoixJoueur::TChoixJoueur(const TJoueur* joueur, uint8_t drapeau) : Drapeau(drapeau)
{
    if (!joueur)
        return;
    m_Numero = joueur->Numero;
    m_Equipe = joueur->GetEquipe();
    m_Nom = joueur->Nom;
    m_Prenom = joueur->Prenom;
    m_NumeroPoste = joueur->GetNumeroPoste();
    Libelle = joueur->Nom;
}

TJoueur* TChoixJoueur::GetJoueur() const
{
    return m_Registre && m_Numero != 0 ? m_Registre->ChercheId(m_Numero, m_Equipe) : nullptr;
}

int TChoixJoueur::GetMaillot() const
{
    const TJoueur* joueur = GetJoueur();
    return joueur ? joueur->Maillot : 0;
}

TListeJoueur::TListeJoueur(int equipe, const TJoueurs* joueurs) : m_Equipe(equipe), m_Joueurs(joueurs) {}

TChoixJoueur* TListeJoueur::Get(int i) const
{
    return i >= 0 && i < Nombre() ? m_Liste[i].get() : nullptr;
}

namespace {

// Leading characters two first names share, case aside.
size_t LettresCommunes(std::string_view a, std::string_view b)
{
    size_t pa = 0, pb = 0, n = 0;
    while (pa < a.size() && pb < b.size()) {
        if (MinusculeCaractere(LitCaractere(a, pa)) != MinusculeCaractere(LitCaractere(b, pb)))
            break;
        ++n;
    }
    return n;
}

std::string LibelleAbrege(const std::string& nom, const std::string& prenom, size_t n)
{
    return nom + "  " + PremiersCaracteres(prenom, n) + ".";
}

} // namespace

TChoixJoueur* TListeJoueur::Ajoute(std::unique_ptr<TChoixJoueur> choix, bool parPoste)
{
    if (!choix)
        return nullptr;
    choix->m_Registre = m_Joueurs;
    choix->Libelle = choix->m_Nom;
    const std::string nom = Trim(choix->m_Nom);
    size_t n = 0;
    for (const auto& autre : m_Liste)
        if (autre->m_Nom == nom)
            n = std::max(n, LettresCommunes(autre->m_Prenom, choix->m_Prenom) + 1);
    if (n > 0) {
        choix->Libelle = LibelleAbrege(choix->m_Nom, choix->m_Prenom, n);
        for (auto& autre : m_Liste) {
            if (autre->m_Nom != nom)
                continue;
            std::string libelle = LibelleAbrege(autre->m_Nom, autre->m_Prenom, n);
            if (autre->Libelle == autre->m_Nom || libelle.size() > autre->Libelle.size())
                autre->Libelle = std::move(libelle);
        }
    }
    auto it = std::find_if(m_Liste.begin(), m_Liste.end(), [&](const std::unique_ptr<TChoixJoueur>& e) {
        if (parPoste)
            return e->m_NumeroPoste > choix->m_NumeroPoste ||
                   (e->m_NumeroPoste == choix->m_NumeroPoste && e->m_Nom >= choix->m_Nom);
        return e->m_Nom >= choix->m_Nom;
    });
    return m_Liste.insert(it, std::move(choix))->get();
}

TChoixJoueur* TListeJoueur::ChercheMaillot(int maillot) const
{
    for (const auto& e : m_Liste)
        if (e->GetMaillot() == maillot)
            return e.get();
    return nullptr;
}

TChoixJoueur* TListeJoueur::ChercheNumero(int numero) const
{
    for (const auto& e : m_Liste)
        if (e->GetNumero() == numero)
            return e.get();
    return nullptr;
}

// --- TJoueurs ---

namespace {

// Folded surname, folded first name, current team: the duplicate key. The raw
// names settle what the key leaves equal.
int CompareCle(const TJoueur& a, const std::string& nom, const std::string& prenom, uint16_t equipe)
{
    int c = CompareNomsPlies(a.Nom, nom);
    if (c == 0)
        c = CompareNomsPlies(a.Prenom, prenom);
    if (c == 0)
        c = (a.GetEquipe() > equipe) - (a.GetEquipe() < equipe);
    return c;
}

bool AvantJoueur(const TJoueur& a, const TJoueur& b)
{
    int c = CompareCle(a, b.Nom, b.Prenom, b.GetEquipe());
    if (c == 0)
        c = a.Nom.compare(b.Nom);
    if (c == 0)
        c = a.Prenom.compare(b.Prenom);
    return c < 0;
}

} // namespace

TJoueurs::TJoueurs(const TContexteSaison* saison) : m_Saison(saison)
{
    m_Equipes.push_back({65535, {}});
}

TJoueurs::~TJoueurs() = default;

void TJoueurs::Vide()
{
    for (auto& e : m_Equipes)
        e.Joueurs.clear();
    m_Liste.clear();
}

std::vector<std::unique_ptr<TJoueur>> TJoueurs::Detache()
{
    for (auto& e : m_Equipes)
        e.Joueurs.clear();
    return std::move(m_Liste);
}

TJoueur* TJoueurs::Get(int i) const
{
    return i >= 0 && i < Nombre() ? m_Liste[i].get() : nullptr;
}

std::vector<TJoueur*>* TJoueurs::ListePour(int equipe)
{
    return const_cast<std::vector<TJoueur*>*>(GetListeEquipe(equipe));
}

void TJoueurs::InsereDansListe(std::vector<TJoueur*>& liste, TJoueur* joueur)
{
    // A file lists the players in this order: most go at the end.
    if (liste.empty() || !AvantJoueur(*joueur, *liste.back())) {
        liste.push_back(joueur);
        return;
    }
    auto it = std::upper_bound(liste.begin(), liste.end(), joueur,
                               [](const TJoueur* n, const TJoueur* p) { return AvantJoueur(*n, *p); });
    liste.insert(it, joueur);
}

TJoueur* TJoueurs::Ajoute(std::unique_ptr<TJoueur> joueur, TListeRenumerotation* renum)
{
    if (!joueur)
        return nullptr;
    if (joueur->Numero == 0 || joueur->Numero == -1 || joueur->Numero >= LimiteIds)
        joueur->Numero = NouvelId(m_MaxId, LimiteIds, 1, m_Liste, [](const auto& j) { return j->Numero; });
    else
        NoteId(m_MaxId, joueur->Numero, LimiteIds);

    const uint16_t equipe = joueur->GetEquipe();
    // A file lists the players in this order: past the last key, the player is
    // new and goes at the end.
    if (m_Liste.empty() || CompareCle(*m_Liste.back(), joueur->Nom, joueur->Prenom, equipe) < 0) {
        TJoueur* ajoute = joueur.get();
        m_Liste.push_back(std::move(joueur));
        AjouteAuxListes(ajoute);
        return ajoute;
    }
    auto premier = std::lower_bound(m_Liste.begin(), m_Liste.end(), joueur.get(),
                                    [equipe](const std::unique_ptr<TJoueur>& p, const TJoueur* n) {
                                        return CompareCle(*p, n->Nom, n->Prenom, equipe) < 0;
                                    });
    if (premier != m_Liste.end() && CompareCle(**premier, joueur->Nom, joueur->Prenom, equipe) == 0) {
        if (renum)
            renum->push_back({joueur->Numero, (*premier)->Numero});
        return premier->get();
    }

    TJoueur* ajoute = joueur.get();
    auto it = std::upper_bound(m_Liste.begin(), m_Liste.end(), ajoute,
                               [](const TJoueur* n, const std::unique_ptr<TJoueur>& p) { return AvantJoueur(*n, *p); });
    m_Liste.insert(it, std::move(joueur));
    AjouteAuxListes(ajoute);
    return ajoute;
}

void TJoueurs::AjouteAuxListes(TJoueur* joueur)
{
    if (auto* liste = ListePour(joueur->EquipeClub))
        InsereDansListe(*liste, joueur);
    if (joueur->EquipeNationale < 65535 && joueur->EquipeNationale != joueur->EquipeClub)
        if (auto* liste = ListePour(joueur->EquipeNationale))
            InsereDansListe(*liste, joueur);
}

void TJoueurs::RetireDesListes(const TJoueur* joueur)
{
    // Every list is scanned: the team fields may have changed since the player
    // was sorted in, and a list must never keep a player it does not hold.
    for (auto& e : m_Equipes)
        std::erase(e.Joueurs, joueur);
}

std::unique_ptr<TJoueur> TJoueurs::Retire(const TJoueur* joueur)
{
    auto it = std::find_if(m_Liste.begin(), m_Liste.end(), [joueur](const auto& p) { return p.get() == joueur; });
    if (it == m_Liste.end())
        return nullptr;
    std::unique_ptr<TJoueur> retire = std::move(*it);
    m_Liste.erase(it);
    RetireDesListes(joueur);
    return retire;
}

TJoueur* TJoueurs::ChangeEquipe(TJoueur* joueur, TListeRenumerotation* renum)
{
    std::unique_ptr<TJoueur> retire = Retire(joueur);
    return retire ? Ajoute(std::move(retire), renum) : nullptr;
}

void TJoueurs::SetEquipeNationale(TJoueur* joueur, uint16_t equipe)
{
    if (!joueur)
        return;
    if (joueur->EquipeNationale < 65535 && joueur->EquipeNationale != joueur->EquipeClub)
        if (auto* liste = ListePour(joueur->EquipeNationale))
            std::erase(*liste, joueur);
    joueur->EquipeNationale = equipe;
    if (equipe < 65535 && equipe != joueur->EquipeClub)
        if (auto* liste = ListePour(equipe))
            InsereDansListe(*liste, joueur);
}

void TJoueurs::AjouteEquipe(int equipe)
{
    auto it = std::upper_bound(m_Equipes.begin(), m_Equipes.end(), equipe,
                               [](int id, const TListJoueurEquipe& e) { return id < e.Equipe; });
    if (it != m_Equipes.begin() && std::prev(it)->Equipe == equipe)
        return;
    m_Equipes.insert(it, TListJoueurEquipe{equipe, {}});
}

const std::vector<TJoueur*>* TJoueurs::GetListeEquipe(int equipe) const
{
    if (equipe < 0)
        return nullptr;
    auto it = std::lower_bound(m_Equipes.begin(), m_Equipes.end(), equipe,
                               [](const TListJoueurEquipe& e, int id) { return e.Equipe < id; });
    return it != m_Equipes.end() && it->Equipe == equipe ? &it->Joueurs : nullptr;
}

TJoueur* TJoueurs::ChercheId(int id, int equipe) const
{
    if (id == 0)
        return nullptr;
    if (equipe >= 0 && equipe < 65535)
        if (const auto* liste = GetListeEquipe(equipe))
            for (TJoueur* j : *liste)
                if (j->Numero == id)
                    return j;
    for (const auto& j : m_Liste)
        if (j->Numero == id)
            return j.get();
    return nullptr;
}

TJoueur* TJoueurs::ChercheNom(const std::string& nom, const std::string& prenom) const
{
    auto it = std::lower_bound(m_Liste.begin(), m_Liste.end(), 0, [&](const std::unique_ptr<TJoueur>& p, int) {
        const int c = CompareNomsPlies(p->Nom, nom);
        return c < 0 || (c == 0 && CompareNomsPlies(p->Prenom, prenom) < 0);
    });
    if (it != m_Liste.end() && CompareNomsPlies((*it)->Nom, nom) == 0 && CompareNomsPlies((*it)->Prenom, prenom) == 0)
        return it->get();
    return nullptr;
}

std::vector<TJoueur*> TJoueurs::GetListeEquipeParPoste(int equipe) const
{
    std::vector<TJoueur*> liste;
    if (const auto* joueurs = GetListeEquipe(equipe))
        liste = *joueurs;
    std::stable_sort(liste.begin(), liste.end(),
                     [](const TJoueur* a, const TJoueur* b) { return a->GetNumeroPoste() < b->GetNumeroPoste(); });
    return liste;
}

void TJoueurs::VideStats(bool tout)
{
    for (auto& j : m_Liste)
        j->VideStats(tout);
}

int TJoueurs::NbJoueursPays(uint16_t code) const
{
    return static_cast<int>(
        std::count_if(m_Liste.begin(), m_Liste.end(), [code](const auto& j) { return j->CodePays == code; }));
}

void TJoueurs::RemplacePays(uint16_t nouveau, uint16_t ancien)
{
    for (auto& j : m_Liste)
        if (j->CodePays == ancien)
            j->CodePays = nouveau;
}

void TJoueurs::SupprimeJoueursEquipe(int equipe)
{
    SupprimeEquipe(equipe, -1, nullptr);
}

void TJoueurs::SupprimeEquipe(int equipe, int cle, TListeRenumerotation* renum)
{
    std::vector<TJoueur*> concernes;
    for (const auto& j : m_Liste)
        if (j->GetEquipe() == equipe)
            concernes.push_back(j.get());
    for (TJoueur* j : concernes) {
        std::unique_ptr<TJoueur> retire = Retire(j);
        if (cle >= 0 && !retire->StatsUniquementChamp(static_cast<uint16_t>(cle))) {
            retire->SetEquipe(65535);
            Ajoute(std::move(retire), renum);
        }
    }
    if (auto* liste = ListePour(equipe))
        liste->clear();
}

std::unique_ptr<TJoueur> TJoueurs::CreeJoueur() const
{
    if (m_Saison)
        return m_Saison->CreeJoueur("", "", -1, 65535);
    return std::make_unique<TJoueurFootball>(nullptr, "", "", -1);
}

void TJoueurs::SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison, int premier, int dernier) const
{
    int debut = 0, fin = Nombre() - 1;
    if (premier >= 0 && dernier > -1) {
        debut = premier;
        fin = std::min(dernier, Nombre() - 1);
    }
    ecrivain.OuvreElement("Joueurs");
    for (int i = debut; i <= fin; ++i)
        m_Liste[i]->SaveToXml(ecrivain, 65535, saison);
    ecrivain.FermeElement("Joueurs");
}

TListeRenumerotation TJoueurs::LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    TListeRenumerotation renum;
    for (;;) {
        const int genre = lecteur.LitNoeud();
        if (genre == 1 || genre == 3)
            break;
        if (lecteur.GetNomVue() != "Joueur" || genre != 0) {
            lecteur.SauteElement(genre);
            continue;
        }
        std::unique_ptr<TJoueur> joueur = CreeJoueur();
        joueur->LoadFromXml(lecteur, saison);
        if (!joueur->Nom.empty() && joueur->Numero > 0)
            Ajoute(std::move(joueur), &renum);
    }
    return renum;
}
