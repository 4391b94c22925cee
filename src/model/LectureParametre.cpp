#include "model/LectureParametre.h"

#include <algorithm>

#include "base/Texte.h"
#include "base/ioXml.h"
#include "model/LectureFeuilles.h"

namespace {

int Reduit(int id)
{
    return id % 10000;
}

void LitDivision(TXmlReader& lecteur, TDivisionCfg& d)
{
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT && genre != XML_FIN; genre = lecteur.LitNoeud()) {
        const std::string nom = lecteur.GetNom();
        uint8_t* octet = nom == "nEquipe"           ? &d.nEquipe
                         : nom == "PtsVictoire"     ? &d.PtsVictoire
                         : nom == "PtsNul"          ? &d.PtsNul
                         : nom == "PtsDefaite"      ? &d.PtsDefaite
                         : nom == "nChampLigue"     ? &d.nChampLigue
                         : nom == "nEuropeen"       ? &d.nEuropeen
                         : nom == "nPromu"          ? &d.nPromu
                         : nom == "nRelegue"        ? &d.nRelegue
                         : nom == "nBarragePromu"   ? &d.nBarragePromu
                         : nom == "nBarrageRelegue" ? &d.nBarrageRelegue
                                                    : nullptr;
        std::string* texte = nom == "NomFichier"  ? &d.NomFichier
                             : nom == "NomGroupe" ? &d.NomGroupe
                             : nom == "nom"       ? &d.nom
                             : nom == "playoff"   ? &d.playoff
                                                  : nullptr;
        if (octet)
            *octet = static_cast<uint8_t>(LitFeuilleEntier(lecteur, genre));
        else if (texte)
            *texte = LitFeuilleTexte(lecteur, genre);
        else if (nom == "nGroupe")
            d.nGroupe = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
        else if (nom == "typejournee")
            d.TypeJournee = EgalSansAccent(Trim(LitFeuilleTexte(lecteur, genre)), "date") ? 1 : 0;
        else if (nom == "division") {
            const std::string id = lecteur.GetAttribut("Id");
            d.Divisions.push_back({id, StrToIntDef(id, 0)});
            lecteur.SauteElement(genre);
        } else
            lecteur.SauteElement(genre);
    }
}

std::unique_ptr<TCfgChampionnat> LitEntree(TXmlReader& lecteur, int genre)
{
    auto cfg = std::make_unique<TCfgChampionnat>("", StrToIntDef(lecteur.GetAttribut("Id"), 0));
    bool nomme = false;
    if (genre != XML_OUVRANT)
        return nullptr;
    for (int g = lecteur.LitNoeud(); g != XML_FERMANT && g != XML_FIN; g = lecteur.LitNoeud()) {
        const std::string& nom = lecteur.GetNom();
        if (nom == "nom") {
            cfg->nom = LitFeuilleTexte(lecteur, g);
            nomme = true;
        } else if (nom == "divis") {
            TDivisionCfg d;
            d.Id = static_cast<uint16_t>(StrToIntDef(lecteur.GetAttribut("Id"), 0));
            if (g == XML_OUVRANT)
                LitDivision(lecteur, d);
            cfg->AjouteDivision(std::move(d));
        } else
            lecteur.SauteElement(g);
    }
    return nomme ? std::move(cfg) : nullptr;
}

} // namespace

// --- TCfgChampionnat ---

TCfgChampionnat::TCfgChampionnat(std::string nomEntree, int id) : nom(std::move(nomEntree)), Id(id) {}

void TCfgChampionnat::AjouteDivision(TDivisionCfg division)
{
    const int reduit = Reduit(division.Id);
    auto it = std::find_if(m_Divisions.begin(), m_Divisions.end(),
                           [&](const TDivisionCfg& d) { return d.Id >= division.Id; });
    m_Divisions.insert(it, std::move(division));
    m_IdMin = std::min(m_IdMin, reduit);
    m_IdMax = std::max(m_IdMax, reduit);
}

const TDivisionCfg* TCfgChampionnat::GetDivision(int i) const
{
    return i >= 0 && i < NbDivisions() ? &m_Divisions[i] : nullptr;
}

const TDivisionCfg* TCfgChampionnat::ChercheDivision(int id) const
{
    for (const auto& d : m_Divisions)
        if (d.Id == id)
            return &d;
    return nullptr;
}

// --- TLectureParam ---

TLectureParam::TLectureParam(const std::string& nomFichier)
{
    TXmlReader lecteur(nomFichier);
    int genre = lecteur.LitNoeud();
    // The declaration and a DOCTYPE line come before the root.
    while (genre == XML_COMPLET)
        genre = lecteur.LitNoeud();
    if (genre != XML_OUVRANT || lecteur.GetNom() != "config")
        return;
    for (genre = lecteur.LitNoeud(); genre != XML_FERMANT && genre != XML_FIN; genre = lecteur.LitNoeud()) {
        if (lecteur.GetNom() != "championnat") {
            lecteur.SauteElement(genre);
            continue;
        }
        if (auto cfg = LitEntree(lecteur, genre))
            m_Cfg.push_back(std::move(cfg));
    }
}

const TCfgChampionnat* TLectureParam::GetCfg(int i) const
{
    return i >= 0 && i < NbCfg() ? m_Cfg[i].get() : nullptr;
}

int TLectureParam::IndexDivision(int code, const TDivisionCfg** division) const
{
    const int reduit = Reduit(code);
    for (int i = 0; i < NbCfg(); ++i) {
        const TCfgChampionnat& cfg = *m_Cfg[i];
        if (reduit < cfg.GetIdMin() || reduit > cfg.GetIdMax())
            continue;
        if (const TDivisionCfg* d = cfg.ChercheDivision(code)) {
            if (division)
                *division = d;
            return i;
        }
    }
    if (division)
        *division = nullptr;
    return -1;
}

const TDivisionCfg* TLectureParam::ChercheDivision(int code) const
{
    const TDivisionCfg* d = nullptr;
    IndexDivision(code, &d);
    return d;
}

int TLectureParam::GetValeur(int code, int champ, int defaut) const
{
    const TDivisionCfg* d = ChercheDivision(code);
    if (!d)
        return defaut;
    switch (champ) {
    case 0:
        return d->nEquipe;
    case 1:
        return d->nPromu;
    case 2:
        return d->nRelegue;
    case 3:
        return d->nChampLigue;
    case 4:
        return d->nEuropeen;
    case 5:
        return d->nBarragePromu;
    case 6:
        return d->nBarrageRelegue;
    case 7:
        return d->nGroupe;
    default:
        return 0;
    }
}

TPointsCfg TLectureParam::GetPoints(int code) const
{
    const TDivisionCfg* d = ChercheDivision(code);
    return d ? TPointsCfg{d->PtsVictoire, d->PtsNul, d->PtsDefaite} : TPointsCfg{};
}

std::string TLectureParam::GetNom(int code) const
{
    const TDivisionCfg* d = ChercheDivision(code);
    return d ? d->nom : std::string();
}

std::string TLectureParam::GetNomFichier(int code) const
{
    const TDivisionCfg* d = ChercheDivision(code);
    return d ? d->NomFichier : std::string();
}

std::string TLectureParam::GetNomDivision(int code) const
{
    const TDivisionCfg* d = ChercheDivision(code);
    if (!d)
        return {};
    return d->nGroupe > 0 ? d->NomGroupe : d->nom;
}

std::string TLectureParam::GetNomComplet(int code) const
{
    const TDivisionCfg* d = nullptr;
    const int i = IndexDivision(code, &d);
    return i < 0 ? std::string() : m_Cfg[i]->nom + " : " + d->nom;
}

int TLectureParam::IndexCfg(int code) const
{
    return IndexDivision(code, nullptr);
}

std::string TLectureParam::GetNomCfg(int code) const
{
    const int i = IndexCfg(code);
    return i < 0 ? std::string() : m_Cfg[i]->nom;
}

const TCfgChampionnat* TLectureParam::GetCfgId(int id) const
{
    for (const auto& cfg : m_Cfg)
        if (cfg->Id == id)
            return cfg.get();
    return nullptr;
}

std::string TLectureParam::GetNomEntree(int id) const
{
    const TCfgChampionnat* cfg = GetCfgId(id);
    if (!cfg)
        cfg = GetCfgId(0);
    return cfg ? cfg->nom : std::string();
}

const TCfgChampionnat* TLectureParam::ChercheCfg(int valeur) const
{
    for (const auto& cfg : m_Cfg)
        if (valeur >= cfg->GetIdMin() && valeur <= cfg->GetIdMax())
            return cfg.get();
    return nullptr;
}

void TLectureParam::RemplitListe(TListeTextes& liste) const
{
    for (const auto& cfg : m_Cfg)
        liste.push_back({cfg->nom, cfg->Id});
}

void TLectureParam::RemplitListeDivisions(TListeTextes& liste) const
{
    for (const auto& cfg : m_Cfg)
        for (int i = 0; i < cfg->NbDivisions(); ++i) {
            const TDivisionCfg& d = *cfg->GetDivision(i);
            if (!d.nom.empty())
                liste.push_back({cfg->nom + " : " + d.nom, d.Id});
        }
}

void TLectureParam::RemplitListeDivisionsCfg(int id, TListeTextes& liste) const
{
    const TCfgChampionnat* cfg = GetCfgId(id);
    if (!cfg)
        return;
    for (int i = 0; i < cfg->NbDivisions(); ++i) {
        const TDivisionCfg& d = *cfg->GetDivision(i);
        if (!d.nom.empty())
            liste.push_back({d.nom, d.Id});
    }
}

// --- The program's catalogue ---

namespace {
std::unique_ptr<TLectureParam>& Catalogue()
{
    static std::unique_ptr<TLectureParam> catalogue;
    return catalogue;
}
} // namespace

const TLectureParam* LectureParam()
{
    return Catalogue().get();
}

void DefinitLectureParam(std::unique_ptr<TLectureParam> catalogue)
{
    Catalogue() = std::move(catalogue);
}
