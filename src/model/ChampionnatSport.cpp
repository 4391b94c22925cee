// The football, rugby and basketball championships.

#include <charconv>

#include "base/oTraducteur.h"
#include "model/ChampionnatXml.h"
#include "model/ContexteSaison.h"

namespace {
bool Fin(int genre)
{
    return FinXml(genre);
}

void CompteEvenements(const TDonneesChampionnat& champ, const TListeDonnees* liste, int points, bool sansManques,
                      std::vector<int>& buts, std::vector<uint8_t>& minutes)
{
    if (!liste)
        return;
    for (int i = 0; i < liste->Nombre(); ++i) {
        const TDonneesEvt* e = liste->Get(i);
        const int p = champ.IndexEquipe(e->GetEquipe());
        if (p < 0 || p >= static_cast<int>(buts.size()))
            continue;
        if (!(sansManques && (e->GetMot() & Evt::PenaltyManque)))
            buts[p] += points;
        if (e->GetMot() == 0)
            minutes[p] = 0;
    }
}
} // namespace

// --- Football ---

TDonneesChampionnatFootball::TDonneesChampionnatFootball(TContexteSaison* saison, uint8_t sport, uint8_t genre)
    : TDonneesChampionnat(saison, sport, genre)
{
}

void TDonneesChampionnatFootball::SetSaison(TContexteSaison* saison)
{
    TDonneesChampionnat::SetSaison(saison);
    Passeurs.SetSaison(saison);
}

void TDonneesChampionnatFootball::SetNbJour(int n)
{
    Passeurs.Redimensionne(n, Saison);
    TDonneesChampionnat::SetNbJour(n);
}

void TDonneesChampionnatFootball::Vide(bool tout)
{
    TDonneesChampionnat::Vide(tout);
    if (tout)
        Passeurs.VideTout();
}

void TDonneesChampionnatFootball::ConvertitJoueurs(const TListeRenumerotation& paires)
{
    TDonneesChampionnat::ConvertitJoueurs(paires);
    Passeurs.ConvertitJoueurs(paires);
}

void TDonneesChampionnatFootball::CopieResultats(const TDonneesChampionnat& source)
{
    TDonneesChampionnat::CopieResultats(source);
    if (auto* s = dynamic_cast<const TDonneesChampionnatFootball*>(&source))
        for (int n = 1; n <= s->GetNbJour(); ++n)
            CopieEvenements(source, s->GetPasseursJournee(n), GetPasseursJournee(n));
}

std::vector<TListeDonnees*> TDonneesChampionnatFootball::GetListesJournee(int n) const
{
    std::vector<TListeDonnees*> listes = TDonneesChampionnat::GetListesJournee(n);
    if (TListeDonnees* l = GetPasseursJournee(n))
        listes.push_back(l);
    return listes;
}

void TDonneesChampionnatFootball::CompteButsEquipes(int n, std::vector<int>& buts, std::vector<uint8_t>& minutes) const
{
    CompteEvenements(*this, GetButeursJournee(n), 1, true, buts, minutes);
    CompteEvenements(*this, GetCartonsJournee(n), 0, true, buts, minutes);
}

void TDonneesChampionnatFootball::EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const
{
    EcritEvenementsXml(xml, "Passeur", GetPasseursJournee(n), m, 0, 0, false);
}

bool TDonneesChampionnatFootball::LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m)
{
    if (xml.GetNom() != "Passeur")
        return false;
    LitEvenementXml(xml, genre, GetPasseursJournee(n), m, 0);
    return true;
}

// --- Rugby ---

TDonneesChampionnatRugby::TDonneesChampionnatRugby(TContexteSaison* saison, uint8_t sport, uint8_t genre)
    : TDonneesChampionnat(saison, sport, genre)
{
}

std::vector<TListeDonnees*> TDonneesChampionnatRugby::GetListesJournee(int n) const
{
    std::vector<TListeDonnees*> listes = TDonneesChampionnat::GetListesJournee(n);
    for (TListeDonnees* l : {GetTransfosJournee(n), GetPenalitesJournee(n), GetDropsJournee(n)})
        if (l)
            listes.push_back(l);
    return listes;
}

void TDonneesChampionnatRugby::SetSaison(TContexteSaison* saison)
{
    TDonneesChampionnat::SetSaison(saison);
    for (TListesJour* l : {&Transfos, &PenalitesButs, &Drops})
        l->SetSaison(saison);
}

void TDonneesChampionnatRugby::SetNbJour(int n)
{
    for (TListesJour* l : {&Transfos, &PenalitesButs, &Drops})
        l->Redimensionne(n, Saison);
    TDonneesChampionnat::SetNbJour(n);
}

void TDonneesChampionnatRugby::Vide(bool tout)
{
    TDonneesChampionnat::Vide(tout);
    if (tout)
        for (TListesJour* l : {&Transfos, &PenalitesButs, &Drops})
            l->VideTout();
}

void TDonneesChampionnatRugby::ConvertitJoueurs(const TListeRenumerotation& paires)
{
    TDonneesChampionnat::ConvertitJoueurs(paires);
    for (TListesJour* l : {&Transfos, &PenalitesButs, &Drops})
        l->ConvertitJoueurs(paires);
}

void TDonneesChampionnatRugby::CopieResultats(const TDonneesChampionnat& source)
{
    TDonneesChampionnat::CopieResultats(source);
    if (auto* s = dynamic_cast<const TDonneesChampionnatRugby*>(&source))
        for (int n = 1; n <= s->GetNbJour(); ++n) {
            CopieEvenements(source, s->GetTransfosJournee(n), GetTransfosJournee(n));
            CopieEvenements(source, s->GetPenalitesJournee(n), GetPenalitesJournee(n));
            CopieEvenements(source, s->GetDropsJournee(n), GetDropsJournee(n));
        }
}

void TDonneesChampionnatRugby::CompteButsEquipes(int n, std::vector<int>& buts, std::vector<uint8_t>& minutes) const
{
    CompteEvenements(*this, GetButeursJournee(n), 5, false, buts, minutes);
    CompteEvenements(*this, GetCartonsJournee(n), 0, false, buts, minutes);
    CompteEvenements(*this, GetTransfosJournee(n), 2, false, buts, minutes);
    CompteEvenements(*this, GetPenalitesJournee(n), 3, false, buts, minutes);
    CompteEvenements(*this, GetDropsJournee(n), 3, false, buts, minutes);
}

void TDonneesChampionnatRugby::EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const
{
    EcritEvenementsXml(xml, "Transfo", GetTransfosJournee(n), m, 0, 0, false);
    EcritEvenementsXml(xml, "Penalite", GetPenalitesJournee(n), m, 0, 0, false);
    EcritEvenementsXml(xml, "Drop", GetDropsJournee(n), m, 0, 0, false);
}

bool TDonneesChampionnatRugby::LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m)
{
    const std::string& nom = xml.GetNom();
    TListeDonnees* liste = nom == "Transfo"    ? GetTransfosJournee(n)
                           : nom == "Penalite" ? GetPenalitesJournee(n)
                           : nom == "Drop"     ? GetDropsJournee(n)
                                               : nullptr;
    if (nom != "Transfo" && nom != "Penalite" && nom != "Drop")
        return false;
    LitEvenementXml(xml, genre, liste, m, 0);
    return true;
}

// --- Basketball ---

const char* const TDonneesChampionnatBasket::NomsStats[NbStats] = {
    "TempsJeu", "Pts",   "Tir2Pts",      "Tir3Pts", "LancerF",     "Rebond",
    "Passe",    "Faute", "Interception", "Contre",  "BallePerdue", "FauteProvoque"};

TDonneesChampionnatBasket::TDonneesChampionnatBasket(TContexteSaison* saison, uint8_t sport, uint8_t genre)
    : TDonneesChampionnat(saison, sport, genre)
{
    OptionsSaisie.fill(1);
}

std::vector<TListeDonnees*> TDonneesChampionnatBasket::GetListesJournee(int n) const
{
    std::vector<TListeDonnees*> listes = TDonneesChampionnat::GetListesJournee(n);
    for (int k = 0; k < NbStats; ++k)
        if (TListeDonnees* l = GetStatJournee(n, k))
            listes.push_back(l);
    return listes;
}

void TDonneesChampionnatBasket::SetSaison(TContexteSaison* saison)
{
    TDonneesChampionnat::SetSaison(saison);
    for (auto& l : Stats)
        l.SetSaison(saison);
}

void TDonneesChampionnatBasket::SetNbJour(int n)
{
    for (auto& l : Stats)
        l.Redimensionne(n, Saison);
    TDonneesChampionnat::SetNbJour(n);
}

void TDonneesChampionnatBasket::Vide(bool tout)
{
    TDonneesChampionnat::Vide(tout);
    if (tout)
        for (auto& l : Stats)
            l.VideTout();
}

void TDonneesChampionnatBasket::ConvertitJoueurs(const TListeRenumerotation& paires)
{
    TDonneesChampionnat::ConvertitJoueurs(paires);
    for (auto& l : Stats)
        l.ConvertitJoueurs(paires);
}

void TDonneesChampionnatBasket::CopieResultats(const TDonneesChampionnat& source)
{
    TDonneesChampionnat::CopieResultats(source);
    auto* s = dynamic_cast<const TDonneesChampionnatBasket*>(&source);
    if (!s)
        return;
    for (int n = 1; n <= s->GetNbJour(); ++n)
        for (int k = 0; k < NbStats; ++k)
            CopieEvenements(source, s->GetStatJournee(n, k), GetStatJournee(n, k));
    ValeurEval = s->ValeurEval;
    for (int i = 1; i <= 10; ++i)
        SetOptionSaisie(i, s->GetOptionSaisie(i));
}

int TDonneesChampionnatBasket::GetScorePeriode(int n, int m, int cote, int periode) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetScorePeriode(cote, periode) : -1;
}

void TDonneesChampionnatBasket::SetScorePeriode(int n, int m, int cote, int periode, uint8_t v)
{
    if (TInfoComp* x = GetMatch(n, m))
        x->SetScorePeriode(cote, periode, v);
}

int TDonneesChampionnatBasket::Evaluation(const TStatTir& s) const
{
    const auto& v = s.Valeurs;
    const int termes[NbValeursEval] = {v[2], v[3] - v[2], v[4],  v[5] - v[4], v[6],  v[7] - v[6], v[8],
                                       v[9], v[10],       v[11], v[12],       v[13], v[14]};
    int total = 0;
    for (int i = 0; i < NbValeursEval; ++i)
        total += ValeurEval[i] * termes[i];
    return total;
}

std::vector<std::string> TDonneesChampionnatBasket::VerifieJournee(int n, int& nombre) const
{
    std::vector<std::string> problemes;
    nombre = 0;
    for (int k = 1; k <= GetNbMatchJournee(n); ++k) {
        const TInfoComp* m = GetMatch(n, k);
        if (!m || !m->Joue() || ResultatManuel(n, *m))
            continue;
        ++nombre;
        auto nom = [this](uint16_t id) { return Saison ? Saison->GetNomEquipe(id) : std::string(); };
        const std::string prefixe = nom(m->GetEquipe(0)) + " - " + nom(m->GetEquipe(1)) + " : ";
        if (m->GetAffluence() <= 0)
            problemes.push_back(prefixe + Traduit(153));
        for (int cote = 0; cote < 2; ++cote) {
            TListeStatTir stats(Saison);
            stats.Calcule(m->GetEquipe(cote), *this, n, 2);
            int points = 0;
            for (int i = 0; i < stats.Nombre(); ++i) {
                const TStatTir& s = *stats.Get(i);
                const auto& v = s.Valeurs;
                const std::string joueur = s.NomComplet.empty() ? "#" + std::to_string(s.Joueur) : s.NomComplet;
                if (v[1] != v[6] + 2 * v[2] + 3 * v[4])
                    problemes.push_back(prefixe + TraduitFmt(615, {joueur}));
                if (v[6] > v[7] || v[2] > v[3] || v[4] > v[5])
                    problemes.push_back(prefixe + TraduitFmt(616, {joueur}));
                points += v[1];
            }
            if ((m->GetScore(cote) & 0x7FFF) != points)
                problemes.push_back(prefixe + TraduitFmt(617, {nom(m->GetEquipe(cote))}));
        }
    }
    return problemes;
}

void TDonneesChampionnatBasket::EcritEvenementsSportXml(TXmlWriter& xml, int n, const TInfoComp& m) const
{
    // Element order of the box score, as (first value, paired) over the totals.
    struct Colonne {
        const char* Nom;
        int Valeur;
        bool Paire;
    };
    static const Colonne colonnes[] = {{"TempsJeu", 0, false},      {"Pts", 1, false},     {"Tir2Pts", 2, true},
                                       {"Tir3Pts", 4, true},        {"LancerF", 6, true},  {"Rebond", 8, true},
                                       {"Passe", 10, false},        {"Faute", 11, false},  {"FauteProvoque", 15, false},
                                       {"Interception", 12, false}, {"Contre", 13, false}, {"BallePerdue", 14, false}};
    for (int cote = 0; cote < 2; ++cote) {
        TListeStatTir stats(Saison);
        stats.Calcule(m.GetEquipe(cote), *this, n, 2);
        for (int i = 0; i < stats.Nombre(); ++i) {
            const TStatTir& s = *stats.Get(i);
            xml.OuvreElement("StatBasket");
            xml.AjouteAttributInt("Equipe", cote + 1);
            xml.AjouteAttributInt("Joueur", s.Joueur);
            for (const Colonne& c : colonnes) {
                if (c.Paire)
                    xml.EcritElement(c.Nom, std::to_string(s.Valeurs[c.Valeur]) + "/" +
                                                std::to_string(s.Valeurs[c.Valeur + 1]));
                else
                    xml.EcritElementInt(c.Nom, s.Valeurs[c.Valeur]);
            }
            xml.FermeElement("StatBasket");
        }
    }
}

void TDonneesChampionnatBasket::LitStatBasketXml(TXmlReader& xml, int genre, int n, const TInfoComp& m)
{
    const uint16_t equipe = m.GetEquipe(xml.GetAttribut("Equipe") == "2" ? 1 : 0);
    int joueur = 0;
    {
        const std::string j = xml.GetAttribut("Joueur");
        std::from_chars(j.data(), j.data() + j.size(), joueur);
    }
    if (genre != XML_OUVRANT)
        return;
    for (int g = xml.LitNoeud(); !Fin(g); g = xml.LitNoeud()) {
        int k = 0;
        while (k < NbStats && xml.GetNom() != NomsStats[k])
            ++k;
        if (k == NbStats) {
            xml.SauteElement(g);
            continue;
        }
        const std::string texte = xml.GetTexte();
        const std::size_t barre = texte.find('/');
        int a = 0, b = 0;
        std::from_chars(texte.data(), texte.data() + texte.size(), a);
        int valeur = a;
        if (barre != std::string::npos) {
            std::from_chars(texte.data() + barre + 1, texte.data() + texte.size(), b);
            valeur = a * 256 + b;
        }
        if (valeur > 0)
            if (TListeDonnees* l = GetStatJournee(n, k))
                l->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, static_cast<uint16_t>(valeur)));
        xml.SauteElement(g);
    }
}

bool TDonneesChampionnatBasket::LitEvenementSportXml(TXmlReader& xml, int genre, int n, TInfoComp& m)
{
    if (xml.GetNom() != "StatBasket")
        return false;
    LitStatBasketXml(xml, genre, n, m);
    return true;
}

void TDonneesChampionnatBasket::EcritOptionsSaisieXml(TXmlWriter& xml) const
{
    xml.OuvreElement("OptionsSaisie");
    for (uint8_t o : OptionsSaisie)
        xml.EcritElementBool("Option", o != 0);
    xml.FermeElement("OptionsSaisie");
    xml.OuvreElement("ValeurEval");
    for (int v : ValeurEval)
        xml.EcritElementInt("Option", v);
    xml.FermeElement("ValeurEval");
}

bool TDonneesChampionnatBasket::LitOptionsSaisieXml(TXmlReader& xml, int genre)
{
    const std::string& nom = xml.GetNom();
    if (nom == "OptionsSaisie") {
        OptionsSaisie.fill(1);
        int i = 0;
        LitEnfantsInt(xml, genre, "Option", [&](int v) {
            if (i++ < NbOptionsSaisie && v == 0)
                OptionsSaisie[i - 1] = 0;
        });
        return true;
    }
    if (nom == "ValeurEval") {
        int i = 0;
        LitEnfantsInt(xml, genre, "Option", [&](int v) { ValeurEval[std::min(i++, NbValeursEval - 1)] = v; });
        return true;
    }
    return false;
}

// --- Box-score totals ---

void TListeStatTir::Calcule(uint16_t equipe, const TDonneesChampionnatBasket& champ, int jour, int mode)
{
    Vide();
    if (!Saison)
        Saison = champ.GetSaison();
    const int debut = mode == 1 ? 5 : 0;
    const int fin = mode == 0 ? 4 : TDonneesChampionnatBasket::NbStats - 1;
    for (int k = debut; k <= fin; ++k) {
        const TListeDonnees* liste = champ.GetStatJournee(jour, k);
        for (int i = 0; liste && i < liste->Nombre(); ++i) {
            const TDonneesEvt* e = liste->Get(i);
            if (e->GetEquipe() == equipe)
                Stocke(e->GetJoueur(), equipe, k, e->GetMot());
        }
    }
}
