#include "model/ClubStade.h"

#include <algorithm>

#include "base/ioXml.h"
#include "model/ComparaisonNoms.h"
#include "model/ContexteSaison.h"
#include "model/LectureFeuilles.h"
#include "model/Numerotation.h"

// --- TStade ---

TStade::TStade(std::string nom, int capacite, std::string ville)
    : NomStade(std::move(nom)), Ville(std::move(ville)), Capacite(capacite)
{
}

std::unique_ptr<TStade> TStade::CreeCopie() const
{
    auto copie = std::make_unique<TStade>(*this);
    copie->Code = 65535;
    copie->Image = 0;
    return copie;
}

std::string TStade::GetNomPays(const TListePays* pays) const
{
    return pays ? pays->GetNom(CodePays) : std::string();
}

void TStade::SaveToXml(TXmlWriter& ecrivain, int id, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("Stade");
    if (id != 65535)
        ecrivain.AjouteAttributInt("ID", id);
    ecrivain.EcritElement("NomStade", NomStade);
    ecrivain.EcritElement("Ville", Ville);
    ecrivain.EcritElementInt("Capacite", Capacite);
    ecrivain.EcritElementInt("DateConstruction", DateConstruction);
    ecrivain.EcritElement("Remarque", Remarque);
    ecrivain.EcritElement("RecordAffluence", RecordAffluence);
    ecrivain.EcritElementInt("Code", Code);
    if (saison)
        ecrivain.EcritElement("CodePays2", GetNomPays(saison->GetListePays()));
    else
        ecrivain.EcritElementInt("CodePays", CodePays);
    ecrivain.EcritElementInt("Image", Image);
    ecrivain.FermeElement("Stade");
}

void TStade::LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    *this = TStade();
    Code = 0;
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT && genre != XML_FIN; genre = lecteur.LitNoeud()) {
        const std::string& nom = lecteur.GetNom();
        if (nom == "NomStade")
            NomStade = LitFeuilleTexte(lecteur, genre);
        else if (nom == "Ville")
            Ville = LitFeuilleTexte(lecteur, genre);
        else if (nom == "Capacite")
            Capacite = LitFeuilleEntier(lecteur, genre);
        else if (nom == "DateConstruction")
            DateConstruction = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
        else if (nom == "Remarque")
            Remarque = LitFeuilleTexte(lecteur, genre);
        else if (nom == "RecordAffluence")
            RecordAffluence = LitFeuilleTexte(lecteur, genre);
        else if (nom == "Code")
            Code = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
        else if (nom == "CodePays")
            CodePays = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
        else if (nom == "CodePays2") {
            const std::string pays = LitFeuilleTexte(lecteur, genre);
            const TListePays* liste = saison ? saison->GetListePays() : nullptr;
            if (saison)
                CodePays = static_cast<uint16_t>(liste ? liste->IndexNom(pays) : 65535);
        } else if (nom == "Image")
            Image = LitFeuilleEntier(lecteur, genre);
        else
            lecteur.SauteElement(genre);
    }
}

// --- TStades ---

std::vector<std::unique_ptr<TStade>> TStades::Detache()
{
    return std::move(m_Liste);
}

TStade* TStades::Get(int i) const
{
    return i >= 0 && i < Nombre() ? m_Liste[i].get() : nullptr;
}

TStade* TStades::ChercheCode(int code) const
{
    for (const auto& s : m_Liste)
        if (s->Code == code)
            return s.get();
    return nullptr;
}

TStade* TStades::ChercheNomVille(const std::string& nom, const std::string& ville) const
{
    for (const auto& s : m_Liste)
        if (EgalSansAccent(s->NomStade, nom) && (ville.empty() || EgalSansAccent(s->Ville, ville)))
            return s.get();
    return nullptr;
}

void TStades::NoteCode(int code)
{
    // 65535 means "no code yet": taking it as the highest would make the next
    // stadium's code wrap round to 0.
    NoteId(m_MaxCode, code, LimiteCodes);
}

int TStades::Ajoute(std::unique_ptr<TStade> stade, bool fusion)
{
    if (!stade)
        return -1;
    if (stade->Code == 65535)
        stade->Code =
            static_cast<uint16_t>(NouvelId(m_MaxCode, LimiteCodes, 0, m_Liste, [](const auto& s) { return s->Code; }));
    else
        NoteCode(stade->Code);
    auto it = std::lower_bound(m_Liste.begin(), m_Liste.end(), stade.get(),
                               [](const std::unique_ptr<TStade>& s, const TStade* n) {
                                   const int c = s->NomStade.compare(n->NomStade);
                                   return c < 0 || (c == 0 && s->Ville < n->Ville);
                               });
    if (fusion && it != m_Liste.end() && (*it)->NomStade == stade->NomStade && (*it)->Ville == stade->Ville)
        return static_cast<int>(it - m_Liste.begin());
    it = m_Liste.insert(it, std::move(stade));
    return static_cast<int>(it - m_Liste.begin());
}

std::unique_ptr<TStade> TStades::Retire(const TStade* stade)
{
    auto it = std::find_if(m_Liste.begin(), m_Liste.end(), [stade](const auto& s) { return s.get() == stade; });
    if (it == m_Liste.end())
        return nullptr;
    std::unique_ptr<TStade> retire = std::move(*it);
    m_Liste.erase(it);
    return retire;
}

std::vector<TStade*> TStades::ListePays(uint16_t code) const
{
    std::vector<TStade*> liste;
    for (const auto& s : m_Liste)
        if (s->CodePays == code)
            liste.push_back(s.get());
    return liste;
}

std::vector<TStade*> TStades::Liste() const
{
    std::vector<TStade*> liste;
    for (const auto& s : m_Liste)
        liste.push_back(s.get());
    return liste;
}

bool TStades::PaysUtilise(uint16_t code) const
{
    return std::any_of(m_Liste.begin(), m_Liste.end(), [code](const auto& s) { return s->CodePays == code; });
}

void TStades::SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("Stades");
    for (const auto& s : m_Liste)
        if (s->Code < 65535)
            s->SaveToXml(ecrivain, 65535, saison);
    ecrivain.FermeElement("Stades");
}

void TStades::LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT && genre != XML_FIN; genre = lecteur.LitNoeud()) {
        if (lecteur.GetNom() != "Stade" || genre != XML_OUVRANT) {
            lecteur.SauteElement(genre);
            continue;
        }
        auto stade = std::make_unique<TStade>();
        stade->LoadFromXml(lecteur, saison);
        if (stade->NomStade.empty())
            continue;
        NoteCode(stade->Code);
        m_Liste.push_back(std::move(stade));
    }
}

// --- TRensClub ---

TRensClub::TRensClub(int club) : Club(club) {}

std::unique_ptr<TRensClub> TRensClub::CreeCopie() const
{
    auto copie = std::make_unique<TRensClub>(*this);
    copie->Code = 65535;
    return copie;
}

TStade* TRensClub::GetStade(const TStades* stades) const
{
    return stades && CodeStade != 65535 ? stades->ChercheCode(CodeStade) : nullptr;
}

TEntraineur* TRensClub::GetEntraineur(const TPersonnels* entraineurs) const
{
    if (!entraineurs || NumeroEntraineur < 0)
        return nullptr;
    return dynamic_cast<TEntraineur*>(entraineurs->ChercheId(NumeroEntraineur));
}

void TRensClub::SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("RensClub");
    if (saison)
        ecrivain.EcritElement("Club2", saison->GetNomEquipe(static_cast<uint16_t>(Club)));
    else
        ecrivain.EcritElementInt("Club", Club);
    ecrivain.EcritElement("Creation", Creation);
    ecrivain.EcritElement("CouleurMaillot", CouleurMaillot);
    ecrivain.EcritElement("CouleurRechange", CouleurRechange);
    ecrivain.EcritElement("Palmares", Palmares);
    ecrivain.EcritElement("SiteInternet", SiteInternet);
    ecrivain.EcritElementInt("Budget", Budget);
    ecrivain.EcritElement("Remarque", Remarque);
    ecrivain.EcritElement("President", President);
    ecrivain.EcritElement("Statut", Statut);
    if (saison) {
        if (const TStade* stade = GetStade(saison->GetStades())) {
            ecrivain.OuvreElement("Stade");
            ecrivain.EcritElement("NomStade", stade->NomStade);
            ecrivain.EcritElement("Ville", stade->Ville);
            ecrivain.FermeElement("Stade");
        }
        if (const TEntraineur* entraineur = GetEntraineur(saison->GetEntraineurs())) {
            ecrivain.OuvreElement("Entraineur");
            ecrivain.EcritElement("Nom", entraineur->Nom);
            ecrivain.EcritElement("Prenom", entraineur->Prenom);
            ecrivain.FermeElement("Entraineur");
        }
    } else {
        if (CodeStade != 65535)
            ecrivain.EcritElementInt("StadeCode", CodeStade);
        if (NumeroEntraineur >= 0)
            ecrivain.EcritElementInt("EntraineurNumero", NumeroEntraineur);
    }
    ecrivain.EcritElementInt("Code", Code);
    ecrivain.FermeElement("RensClub");
}

namespace {

// The two leaf children of a reference by name ("Stade": "NomStade", "Ville";
// "Entraineur": "Nom", "Prenom").
void LitReferenceNom(TXmlReader& lecteur, int genre, const char* nom1, std::string& valeur1, const char* nom2,
                     std::string& valeur2)
{
    if (genre != XML_OUVRANT)
        return;
    for (int g = lecteur.LitNoeud(); g != XML_FERMANT && g != XML_FIN; g = lecteur.LitNoeud()) {
        if (lecteur.GetNom() == nom1)
            valeur1 = LitFeuilleTexte(lecteur, g);
        else if (lecteur.GetNom() == nom2)
            valeur2 = LitFeuilleTexte(lecteur, g);
        else
            lecteur.SauteElement(g);
    }
}

} // namespace

void TRensClub::LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    *this = TRensClub(-1);
    Code = 0;
    const TStades* stades = saison ? saison->GetStades() : nullptr;
    const TPersonnels* entraineurs = saison ? saison->GetEntraineurs() : nullptr;
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT && genre != XML_FIN; genre = lecteur.LitNoeud()) {
        const std::string nom = lecteur.GetNom();
        std::string* texte = nom == "Creation"          ? &Creation
                             : nom == "CouleurMaillot"  ? &CouleurMaillot
                             : nom == "CouleurRechange" ? &CouleurRechange
                             : nom == "Palmares"        ? &Palmares
                             : nom == "SiteInternet"    ? &SiteInternet
                             : nom == "Remarque"        ? &Remarque
                             : nom == "President"       ? &President
                             : nom == "Statut"          ? &Statut
                                                        : nullptr;
        if (texte)
            *texte = LitFeuilleTexte(lecteur, genre);
        else if (nom == "Club")
            Club = LitFeuilleEntier(lecteur, genre);
        else if (nom == "Club2") {
            const std::string equipe = LitFeuilleTexte(lecteur, genre);
            const int id = saison ? saison->ChercheEquipe(equipe) : -1;
            if (id >= 0)
                Club = id;
        } else if (nom == "Budget")
            Budget = LitFeuilleEntier(lecteur, genre);
        else if (nom == "Code")
            Code = static_cast<uint16_t>(LitFeuilleEntier(lecteur, genre));
        else if (nom == "StadeCode") {
            const int code = LitFeuilleEntier(lecteur, genre);
            if (!saison)
                CodeStade = static_cast<uint16_t>(code);
            else if (const TStade* stade = stades ? stades->ChercheCode(code) : nullptr)
                CodeStade = stade->Code;
        } else if (nom == "EntraineurNumero") {
            const int numero = LitFeuilleEntier(lecteur, genre);
            if (!saison)
                NumeroEntraineur = numero;
            else if (entraineurs && dynamic_cast<const TEntraineur*>(entraineurs->ChercheId(numero)))
                NumeroEntraineur = numero;
        } else if (nom == "Stade") {
            std::string nomStade, ville;
            LitReferenceNom(lecteur, genre, "NomStade", nomStade, "Ville", ville);
            if (const TStade* stade = stades && !nomStade.empty() ? stades->ChercheNomVille(nomStade, ville) : nullptr)
                CodeStade = stade->Code;
        } else if (nom == "Entraineur") {
            std::string nomEntraineur, prenom;
            LitReferenceNom(lecteur, genre, "Nom", nomEntraineur, "Prenom", prenom);
            // The registry compares with folded surnames: fold the one read too.
            const TPersonnel* p = entraineurs && !nomEntraineur.empty()
                                      ? entraineurs->ChercheNom(NormaliseNom(nomEntraineur), prenom)
                                      : nullptr;
            if (dynamic_cast<const TEntraineur*>(p))
                NumeroEntraineur = p->Numero;
        } else
            lecteur.SauteElement(genre);
    }
}

// --- TRensClubs ---

std::vector<std::unique_ptr<TRensClub>> TRensClubs::Detache()
{
    return std::move(m_Liste);
}

TRensClub* TRensClubs::Get(int i) const
{
    return i >= 0 && i < Nombre() ? m_Liste[i].get() : nullptr;
}

TRensClub* TRensClubs::ChercheEquipe(int club) const
{
    auto it = std::lower_bound(m_Liste.begin(), m_Liste.end(), club,
                               [](const std::unique_ptr<TRensClub>& r, int id) { return r->Club < id; });
    return it != m_Liste.end() && (*it)->Club == club ? it->get() : nullptr;
}

void TRensClubs::NoteCode(int code)
{
    NoteId(m_MaxCode, code, LimiteCodes);
}

int TRensClubs::NouveauCode()
{
    return NouvelId(m_MaxCode, LimiteCodes, 0, m_Liste, [](const auto& r) { return r->Code; });
}

int TRensClubs::Ajoute(std::unique_ptr<TRensClub> rens)
{
    if (!rens)
        return -1;
    if (rens->Code == 65535)
        rens->Code = static_cast<uint16_t>(NouveauCode());
    else
        NoteCode(rens->Code);
    auto it = std::lower_bound(m_Liste.begin(), m_Liste.end(), rens->Club,
                               [](const std::unique_ptr<TRensClub>& r, int id) { return r->Club < id; });
    if (it != m_Liste.end() && (*it)->Club == rens->Club)
        return static_cast<int>(it - m_Liste.begin());
    it = m_Liste.insert(it, std::move(rens));
    return static_cast<int>(it - m_Liste.begin());
}

TRensClub* TRensClubs::Cree(int club)
{
    auto rens = std::make_unique<TRensClub>(club);
    rens->Code = static_cast<uint16_t>(NouveauCode());
    return Get(Ajoute(std::move(rens)));
}

void TRensClubs::ConvertitEntraineurs(const TListeRenumerotation& renum)
{
    for (const auto& paire : renum)
        for (auto& r : m_Liste)
            if (r->NumeroEntraineur == paire.Ancien)
                r->NumeroEntraineur = paire.Nouveau;
}

void TRensClubs::SaveToXml(TXmlWriter& ecrivain, const TContexteSaison* saison) const
{
    ecrivain.OuvreElement("RensClubs");
    for (const auto& r : m_Liste)
        if (r->Code < 65535)
            r->SaveToXml(ecrivain, saison);
    ecrivain.FermeElement("RensClubs");
}

void TRensClubs::LoadFromXml(TXmlReader& lecteur, const TContexteSaison* saison)
{
    for (int genre = lecteur.LitNoeud(); genre != XML_FERMANT && genre != XML_FIN; genre = lecteur.LitNoeud()) {
        if (lecteur.GetNom() != "RensClub" || genre != XML_OUVRANT) {
            lecteur.SauteElement(genre);
            continue;
        }
        auto rens = std::make_unique<TRensClub>();
        rens->LoadFromXml(lecteur, saison);
        if (rens->Club == -1)
            continue;
        // Written in team order, so this appends; a second record for one team
        // (a hand-edited file) is dropped to keep one record per team.
        Ajoute(std::move(rens));
    }
}
