#include "presentation/CreationBarrage.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ComposeurSaison.h"

#include <algorithm>
#include <set>

namespace {

enum : int {
    TexteAutreDivision = 269,
    TexteIncomplet = 287,
    TexteGroupe = 288,
    TexteCree = 290,
};

constexpr uint16_t Vide = 65535;
constexpr int BitCree = 0x8000;

// One pair of the first round: per side its source number and its value (a
// place, then the team id once placed).
struct TPaire {
    uint16_t Source[2] = {Vide, Vide};
    uint16_t Valeur[2] = {Vide, Vide};
    bool Place[2] = {false, false};
    bool Ouverte = false; // a slot for one team: opened no further
};

// The team ids of a league in the order of its kind-1 standings over every
// day, with their points; a cup gives its teams in array order, no points.
std::vector<std::pair<int, int>> Classement(const TDonneesChampionnat& c, const TSaison& saison)
{
    std::vector<std::pair<int, int>> rangs;
    if (c.EstCoupe() || !(c.Genre & TDonneesChampionnat::TypeChamp)) {
        for (int p = 0; p < c.GetNbEquipe(); ++p)
            rangs.emplace_back(c.GetEquipe(p), 0);
        return rangs;
    }
    TCalculClassement calcul(&c, &saison);
    calcul.Calcule(TCalculClassement::General, 1, nullptr, std::max(c.GetNbJour(), 1));
    for (int r = 0; r < calcul.GetNbEquipe(); ++r)
        rangs.emplace_back(c.GetEquipe(calcul.GetClassement(r, 1)), calcul.GetClassement(r, 2));
    return rangs;
}

bool EstLigue(const TDonneesChampionnat* c)
{
    return c && !c->EstCoupe() && (c->Genre & TDonneesChampionnat::TypeChamp);
}

// The first round's pairs, opened from the last round that has pairings down
// to the first round played. A value refers to a pairing of the round before
// only when it is one of that round's; any other value is a slot for one team
// (source number in the high byte, place in the low byte).
std::vector<TPaire> TableAppariements(const TDonneesBarrage& b)
{
    int dernier = b.NbTour();
    while (dernier >= 1 && b.GetTour(dernier)->GetNbMatch() == 0)
        --dernier;
    std::vector<TPaire> table;
    if (dernier < 1)
        return table;
    auto paire = [](const TTourCoupe::TAppariement& a) {
        TPaire p;
        p.Source[0] = a.Premier;
        p.Source[1] = a.Second;
        p.Valeur[0] = a.Valeur3;
        p.Valeur[1] = a.Valeur4;
        return p;
    };
    for (const auto& a : b.GetTour(dernier)->GetMatchs())
        table.push_back(paire(a));
    for (int r = dernier - 1; r >= 1; --r) {
        const auto& precedents = b.GetTour(r)->GetMatchs();
        std::vector<TPaire> ouverte;
        for (const TPaire& p : table) {
            if (p.Ouverte) {
                // Already a team's slot: it goes through this round on a bye.
                ouverte.push_back(p);
                ouverte.push_back(TPaire{});
                continue;
            }
            for (int cote = 0; cote < 2; ++cote) {
                const uint16_t v = p.Valeur[cote];
                if (v >= 1 && v - 1 < static_cast<int>(precedents.size())) {
                    ouverte.push_back(paire(precedents[v - 1]));
                } else if (v == Vide) {
                    ouverte.push_back(TPaire{});
                } else {
                    TPaire slot;
                    slot.Source[0] = static_cast<uint16_t>((v & 0x7F00) >> 8);
                    slot.Valeur[0] = static_cast<uint16_t>(v & 0xFF);
                    slot.Ouverte = true;
                    ouverte.push_back(slot);
                }
            }
        }
        table = std::move(ouverte);
    }
    return table;
}

} // namespace

TCreationBarrage::TCreationBarrage(TSaison& saison) : FSaison(saison)
{
    for (int i = 0; i < saison.NbBarrage(); ++i) {
        const TDonneesBarrage* b = saison.GetBarrage(i);
        if (b->Code & BitCree)
            continue;
        std::string nom;
        const int ligne = saison.GetTexteDescCode(b->Code & 0x7FFF, nom);
        if (ligne >= 0)
            FEntrees.push_back({nom, i, ligne});
    }
}

bool TCreationBarrage::SansDefinition() const
{
    return FSaison.NbBarrage() == 0;
}

std::string TCreationBarrage::TexteSansDefinition(TSaison& saison)
{
    enum : int {
        TexteSaison = 10,
        TexteComposer = 872,
        TexteBoutonBarrage = 883,
        TexteSansBarrage = 3260,
        TexteSansDivision = 3294,
    };
    const std::string saisonTexte = Traduit(TexteSaison), composer = Traduit(TexteComposer),
                      bouton = Traduit(TexteBoutonBarrage);
    // The composer opened on this season, as the menu entry opens it: the
    // button shows on one of its divisions, or on none.
    TComposeurSaison composeur(&saison);
    composeur.Mode = TComposeurSaison::ModeDescription | TComposeurSaison::ModeAjout;
    composeur.Initialise();
    if (!composeur.OffreBarrage())
        return TraduitFmt(TexteSansDivision, {bouton, saisonTexte, composer});
    return TraduitFmt(TexteSansBarrage, {saisonTexte, composer, bouton});
}

TDonneesBarrage* TCreationBarrage::Definition() const
{
    return FSelection >= 0 && FSelection < static_cast<int>(FEntrees.size())
               ? FSaison.GetBarrage(FEntrees[FSelection].Index)
               : nullptr;
}

void TCreationBarrage::Selectionne(int i)
{
    FSources.clear();
    FSelection = i >= 0 && i < static_cast<int>(FEntrees.size()) ? i : -1;
    const TDonneesBarrage* b = Definition();
    for (int d = 0; b && d < b->NbDivision(); ++d) {
        const TDonneesBarrage::TDivision& div = *b->GetDivision(d);
        TSource s;
        s.Code = div.Code;
        for (const auto& p : div.Places)
            for (int place = p.Min; place <= p.Max && s.Places.size() < 255; ++place)
                s.Places.push_back(place);
        if (s.Places.empty())
            continue;
        s.Nom = FSaison.GetNomChampDesc(div.Code);
        if (s.Nom.empty() && (div.Code & BitCree)) {
            FSaison.GetTexteDescCode(div.Code & 0x7FFF, s.Nom);
            if (const int k = (div.Code >> 16) & 0xFF)
                s.Nom += " - " + std::to_string(k);
        }
        if (div.Code == 0)
            s.Nom = Traduit(TexteAutreDivision);
        s.Championnat = div.Code != 0 ? FSaison.GetChampionnatId(div.Code) : nullptr;
        if (s.Championnat) {
            const auto rangs = Classement(*s.Championnat, FSaison);
            const bool ligue = EstLigue(s.Championnat);
            for (int place : s.Places) {
                const int rang = ligue ? place - 1 : 0;
                s.Choix.push_back(rang < static_cast<int>(rangs.size()) ? rangs[rang].first : -1);
            }
        } else {
            s.Textes.assign(s.Places.size(), std::string());
        }
        FSources.push_back(std::move(s));
    }
}

bool TCreationBarrage::VerifieSources() const
{
    for (const TSource& s : FSources) {
        if (s.Championnat) {
            std::set<int> vus;
            for (int id : s.Choix)
                if (id < 0 || s.Championnat->IndexEquipe(id) < 0 || !vus.insert(id).second)
                    return false;
        } else if (std::any_of(s.Textes.begin(), s.Textes.end(), [](auto& t) { return Trim(t).empty(); })) {
            return false;
        }
    }
    return true;
}

TCreationBarrage::TEtape TCreationBarrage::Continue()
{
    if (!VerifieSources()) {
        MessageUtil(Traduit(TexteIncomplet), BoutonsMessage::Ok);
        return TEtape::Erreur;
    }
    TDonneesBarrage* b = Definition();
    if (!b)
        return TEtape::Annule;
    FChoisis.clear();
    for (const TSource& s : FSources)
        for (size_t k = 0; k < s.Places.size(); ++k) {
            TChoisi c;
            c.Source = s.Code;
            c.Picker = static_cast<int>(k);
            if (s.Championnat) {
                c.Id = s.Choix[k];
                c.Nom = FSaison.GetNomEquipe(static_cast<uint16_t>(c.Id));
            } else {
                c.Nom = Trim(s.Textes[k]);
            }
            FChoisis.push_back(std::move(c));
        }
    FSources.clear();
    if (b->TypeGroupe < 2) {
        std::vector<int> tous(FChoisis.size());
        for (size_t i = 0; i < tous.size(); ++i)
            tous[i] = static_cast<int>(i);
        if (!CreeChampionnat(tous, FEntrees[FSelection].Nom, 0))
            return TEtape::Annule;
        Termine();
        return TEtape::Cree;
    }
    const int n = static_cast<int>(FChoisis.size());
    const int groupes = b->TypeGroupe;
    FGroupes.clear();
    int suivant = 0;
    for (int g = 0; g < groupes; ++g) {
        const int taille = g + 1 < groupes ? n / groupes : n - (n / groupes) * (groupes - 1);
        TGroupe groupe{TraduitFmt(TexteGroupe, {g + 1}), {}};
        // Proposed in the order chosen; the user may pick others.
        for (int k = 0; k < taille; ++k)
            groupe.Membres.push_back(suivant < n ? suivant++ : -1);
        FGroupes.push_back(std::move(groupe));
    }
    return TEtape::Groupes;
}

void TCreationBarrage::SetTailleGroupe(int g, int taille)
{
    if (g >= 0 && g < static_cast<int>(FGroupes.size()))
        FGroupes[g].Membres.resize(static_cast<size_t>(std::clamp(taille, 0, 255)), -1);
}

TCreationBarrage::TEtape TCreationBarrage::CreeGroupes()
{
    std::set<int> utilises;
    bool complet = true;
    for (const TGroupe& g : FGroupes)
        for (int m : g.Membres)
            complet = complet && m >= 0 && m < static_cast<int>(FChoisis.size()) && utilises.insert(m).second;
    if (!complet || utilises.size() != FChoisis.size()) {
        MessageUtil(Traduit(TexteIncomplet), BoutonsMessage::Ok);
        return TEtape::Erreur;
    }
    // From the last group: each line goes right after the play-off's, so they end in group order.
    for (int g = static_cast<int>(FGroupes.size()) - 1; g >= 0; --g)
        CreeChampionnat(FGroupes[g].Membres, FGroupes[g].Nom, g + 1);
    Termine();
    return TEtape::Cree;
}

void TCreationBarrage::Termine()
{
    if (TDonneesBarrage* b = Definition())
        b->Code |= BitCree;
    MessageUtil(Traduit(TexteCree), BoutonsMessage::Ok);
}

bool TCreationBarrage::CreeChampionnat(const std::vector<int>& membres, const std::string& nom, int groupe)
{
    TDonneesBarrage& b = *Definition();
    const bool ligue = b.TypeGroupe >= 1;
    std::vector<TTourCoupeJour> tours;
    if (!ligue && b.NbTour() == 0 && (!DemandeTours || !DemandeTours(tours) || tours.empty()))
        return false;

    auto c = FSaison.CreeChampionnat(ligue ? TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational
                                           : TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational);
    bool sansOptions = true;
    for (int i = 0; i < TDonneesBarrage::NbOptions; ++i)
        sansOptions = sansOptions && b.GetOption(i) == 0;
    if (sansOptions) {
        // A definition without options of its own: a new championship's, in the sources' season.
        for (const TChoisi& m : FChoisis)
            if (const TDonneesChampionnat* source = FSaison.GetChampionnatId(m.Source); source && m.Source != 0) {
                c->SetOption(8, source->GetOption(8));
                c->SetOption(9, source->GetOption(9));
                break;
            }
    } else {
        for (int i = 0; i < TDonneesBarrage::NbOptions; ++i)
            c->SetOption(i, b.GetOption(i));
    }

    const int n = static_cast<int>(membres.size());
    std::vector<TPaire> table;
    if (ligue) {
        c->SetNbMatch(n / 2);
        c->SetNbJour((2 * ((n + 1) / 2) - 1) * 2);
    } else if (b.NbTour() > 0) {
        const int nt = b.NbTour();
        for (int r = 1; r <= nt; ++r) {
            const TTourCoupe* t = b.GetTour(r);
            tours.push_back({static_cast<uint16_t>(nt - r + 1), static_cast<uint16_t>(t->GetNbMatch()),
                             static_cast<uint32_t>(t->GetType())});
        }
        table = TableAppariements(b);
    }
    if (!ligue) {
        c->CreeToursCoupe(tours);
        c->SetOption(1, static_cast<uint8_t>(tours.size()));
    }

    for (int m : membres) {
        const TChoisi& choisi = FChoisis[m];
        const int id = FSaison.AjouteEquipe(choisi.Nom, -1, true);
        if (id < 0)
            continue;
        c->AjouteEquipe(static_cast<uint16_t>(id));
        // Only a side still waiting for its team takes one.
        bool place = false;
        for (TPaire& p : table)
            for (int cote = 0; cote < 2 && !place; ++cote)
                if (!p.Place[cote] && p.Source[cote] == (choisi.Source & 0xFF) && p.Valeur[cote] == choisi.Picker + 1) {
                    p.Place[cote] = true;
                    p.Source[cote] = 0;
                    p.Valeur[cote] = static_cast<uint16_t>(id);
                    place = true;
                }
    }
    for (size_t k = 0; k < table.size(); ++k) {
        TPaire& p = table[k];
        for (int cote = 0; cote < 2; ++cote)
            if (!p.Place[cote])
                p.Valeur[cote] = Vide;
        if (p.Valeur[0] != Vide && p.Valeur[1] != Vide)
            c->AjouteMatch(1, p.Valeur[0], p.Valeur[1], -1, TInfoComp::Aucun, TInfoComp::Aucun);
        else if (p.Valeur[0] != Vide || p.Valeur[1] != Vide)
            c->AjouteMatchSuiv(static_cast<int>(k), p.Valeur[0], p.Valeur[1]);
    }

    if (ligue && (b.MoitiePoint == 1 || b.MoitiePoint == 2)) {
        for (int m : membres) {
            const TChoisi& choisi = FChoisis[m];
            const TDonneesChampionnat* source = choisi.Source != 0 ? FSaison.GetChampionnatId(choisi.Source) : nullptr;
            if (!EstLigue(source) || choisi.Id < 0)
                continue;
            for (const auto& [id, points] : Classement(*source, FSaison))
                if (id == choisi.Id) {
                    const int equipe = FSaison.ChercheEquipe(choisi.Nom);
                    if (equipe >= 0 && points / (3 - b.MoitiePoint) != 0)
                        c->GetPenalites().AjoutePoints(static_cast<uint16_t>(equipe), points / (3 - b.MoitiePoint));
                }
        }
    }

    const int code = (b.Code & 0x7FFF) + BitCree + (groupe << 16);
    c->CodeChamp = code;
    c->CodePerso = b.CodePerso;
    FSaison.AjouteChampionnat(std::move(c));
    FCrees.push_back(code);
    FSaison.InsereDesc(nom, 3, code, FEntrees[FSelection].Ligne);
    return true;
}
