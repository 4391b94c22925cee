#include "presentation/OptionsChampionnat.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/Penalites.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"

#include <algorithm>

namespace {

constexpr int TexteReductionJours = 2600;

// A typed number: 0 when the text is not one.
int Nombre(const std::string& texte)
{
    return StrToIntDef(Trim(texte), 0);
}

uint8_t Octet(int valeur)
{
    return static_cast<uint8_t>(valeur & 0xFF);
}

} // namespace

TOptionsChampionnat::TOptionsChampionnat(TSaison& saison) : FSaison(saison)
{
    for (int numero : Numeros)
        FCriteres.push_back({numero, false});
}

TDonneesChampionnat* TOptionsChampionnat::Championnat() const
{
    return FSaison.GetChampCourant();
}

void TOptionsChampionnat::Charge()
{
    const TDonneesChampionnat* c = Championnat();
    if (!c)
        return;
    Ligue = (c->Genre & TDonneesChampionnat::TypeChamp) != 0;
    Coupe = c->EstCoupe();
    International = c->EstInternational();
    Niveau = c->GetOption(7);

    Europeens = c->GetOption(2);
    Relegues = c->GetOption(3);
    LigueChampions = c->GetOption(12);
    Promotion = c->GetOption(13);
    Barragistes = c->GetOption(14);
    MatchsParJour = c->GetNbMatchCourant();
    NbJours = c->GetNbJour();
    const int portee = c->GetOption(0) & 0x0F;
    Portee = portee == 2 || portee == 3 ? portee : 1;
    const uint8_t dates = c->GetOption(11);
    SaisieDateJour = (dates & 1) != 0;
    TerrainsNeutres = (dates & 2) != 0;
    SaisieDateMatch = (dates & 4) != 0;
    SystemeDate = (dates & 8) != 0;
    Victoire = c->GetOption(4);
    Nul = c->GetOption(5);
    Defaite = c->GetOption(6);
    // Stored as the byte's two's complement.
    Forfait = static_cast<int8_t>(c->GetOption(15));
    const int second = c->GetOption(9) % 100;
    Annees = std::to_string(c->GetOption(8) + 1900) + "/" + (second < 10 ? "0" : "") + std::to_string(second);
    EquipeSuivie = c->GetOption(10) < 255 ? c->GetOption(10) + 1 : 0;
    for (int i = 0; i < 3; ++i)
        Basket[i] = c->GetOption(16 + i);
    PourcentageArbitre = c->GetOptionArbitre(4);
    GestionArbitre = c->GetOptionArbitre(0) != 0;
    ArbitreMemeMatch = c->GetOptionArbitre(1) != 0;
    ArbitreMatchs = c->GetOptionArbitre(2) != 0;
    if (ArbitreMatchs)
        NbMatchsArbitre = c->GetOptionArbitre(2);
    ArbitreMois = c->GetOptionArbitre(3) != 0;
    if (ArbitreMois)
        NbMoisArbitre = c->GetOptionArbitre(3);

    Equipes.clear();
    for (int p = 0; p < c->GetNbEquipe(); ++p)
        Equipes.push_back({c->GetEquipe(p), FSaison.GetNomEquipe(static_cast<uint16_t>(c->GetEquipe(p)))});

    for (TCritere& k : FCriteres)
        k.Coche = false;
    AppliqueLettres(c->OrdreClassement);

    BonusBut = std::to_string(c->BonusBut);
    PointBonusBut = std::to_string(c->PointBonusBut);
    BonusEcart = std::to_string(c->BonusEcart);
    PetiteFinale = c->PetiteFinale;

    FGroupes.clear();
    for (int g = 0; g < c->NbGroupe(); ++g) {
        const TGroupeEquipe* groupe = c->GetGroupe(g);
        TGroupe copie{groupe->NomGroupe, {}};
        for (int i = 0; i < groupe->NbEquipe(); ++i)
            copie.Equipes.push_back(groupe->GetEquipe(i));
        FGroupes.push_back(std::move(copie));
    }
    FGroupesModifies = false;

    // The user's own championships first: the catalogue's entry 0 lists no division.
    Divisions.clear();
    const TLectureParam* catalogue = LectureParam();
    Divisions.emplace_back(catalogue ? catalogue->GetNomGroupe(0) : std::string(), 0);
    if (catalogue)
        for (int i = 0; i < catalogue->NbCfg(); ++i) {
            const TCfgChampionnat* cfg = catalogue->GetCfg(i);
            for (int d = 0; cfg && d < cfg->NbDivisions(); ++d) {
                const TDivisionCfg* div = cfg->GetDivision(d);
                Divisions.emplace_back(cfg->nom + " : " + div->nom + "(" + std::to_string(div->Id) + ")", div->Id);
            }
        }
    IndexDivision = 0;
    for (size_t i = 1; i < Divisions.size(); ++i)
        if (Divisions[i].second == c->Division) {
            IndexDivision = static_cast<int>(i);
            break;
        }
    FDivisionChoisie = false;
    CodePerso = std::to_string(c->CodePerso);
}

void TOptionsChampionnat::ChoisitDivision(int index)
{
    if (index < 0 || index >= static_cast<int>(Divisions.size()))
        return;
    IndexDivision = index;
    FDivisionChoisie = true;
}

void TOptionsChampionnat::ChoisitSystemeDate(bool parDate)
{
    SystemeDate = parDate;
    if (parDate) {
        SaisieDateJour = false;
        SaisieDateMatch = false;
    }
}

// --- Criteria ---

void TOptionsChampionnat::AppliqueLettres(const std::string& lettres)
{
    const int n = static_cast<int>(FCriteres.size());
    for (int p = 0; p < static_cast<int>(lettres.size()) && p < n; ++p) {
        const int numero = static_cast<unsigned char>(lettres[p]) - 96;
        for (int j = p; j < n; ++j)
            if (FCriteres[j].Numero == numero) {
                TCritere k = FCriteres[j];
                FCriteres.erase(FCriteres.begin() + j);
                k.Coche = true;
                FCriteres.insert(FCriteres.begin() + p, k);
                break;
            }
    }
    for (int j = static_cast<int>(lettres.size()); j < n; ++j)
        FCriteres[j].Coche = false;
}

std::string TOptionsChampionnat::Lettres() const
{
    std::string lettres;
    for (const TCritere& k : FCriteres)
        if (k.Coche)
            lettres += static_cast<char>(96 + k.Numero);
    return lettres;
}

void TOptionsChampionnat::CocheCritere(int i, bool coche)
{
    if (i >= 0 && i < static_cast<int>(FCriteres.size()))
        FCriteres[i].Coche = coche;
}

int TOptionsChampionnat::MonteCritere(int i)
{
    if (i <= 0 || i >= static_cast<int>(FCriteres.size()))
        return i;
    std::swap(FCriteres[i], FCriteres[i - 1]);
    return i - 1;
}

int TOptionsChampionnat::DescendCritere(int i)
{
    if (i < 0 || i + 1 >= static_cast<int>(FCriteres.size()))
        return i;
    std::swap(FCriteres[i], FCriteres[i + 1]);
    return i + 1;
}

// --- Groups ---

int TOptionsChampionnat::AjouteGroupe()
{
    FGroupesModifies = true;
    FGroupes.push_back({NomGroupeNouveau, {}});
    return static_cast<int>(FGroupes.size()) - 1;
}

void TOptionsChampionnat::RenommeGroupe(int g, const std::string& nom)
{
    if (g < 0 || g >= static_cast<int>(FGroupes.size()) || FGroupes[g].Nom == nom)
        return;
    FGroupes[g].Nom = nom;
    FGroupesModifies = true;
}

bool TOptionsChampionnat::RetireGroupe(int g)
{
    if (g < 0 || g >= static_cast<int>(FGroupes.size()))
        return false;
    FGroupes.erase(FGroupes.begin() + g);
    FGroupesModifies = true;
    return true;
}

bool TOptionsChampionnat::RetireEquipeGroupe(int g, int i)
{
    if (g < 0 || g >= static_cast<int>(FGroupes.size()) || i < 0 || i >= static_cast<int>(FGroupes[g].Equipes.size()))
        return false;
    FGroupes[g].Equipes.erase(FGroupes[g].Equipes.begin() + i);
    FGroupesModifies = true;
    return true;
}

int TOptionsChampionnat::AjouteEquipeGroupe(int g, int id)
{
    if (std::none_of(Equipes.begin(), Equipes.end(), [&](const TEquipe& e) { return e.Id == id; }))
        return -1;
    if (FGroupes.empty())
        g = AjouteGroupe();
    else if (g < 0 || g >= static_cast<int>(FGroupes.size()))
        g = 0;
    FGroupes[g].Equipes.push_back(id);
    FGroupesModifies = true;
    return g;
}

// --- Write-back ---

bool TOptionsChampionnat::JoursAvecResultats(int apres, int& premier) const
{
    const TDonneesChampionnat* c = Championnat();
    for (int n = apres + 1; c && n <= c->GetNbJour(); ++n)
        for (int m = 1; m <= c->GetNbMatchJournee(n); ++m) {
            const TInfoComp* match = c->GetMatch(n, m);
            if (match && (match->GetScore(0) != TInfoComp::Aucun || match->GetScore(1) != TInfoComp::Aucun)) {
                premier = n;
                return true;
            }
        }
    return false;
}

int TOptionsChampionnat::Valide()
{
    TDonneesChampionnat* c = Championnat();
    if (!c)
        return 0;
    bool change = false;
    auto option = [&](int i, int valeur) {
        if (c->GetOption(i) != Octet(valeur)) {
            c->SetOption(i, Octet(valeur));
            change = true;
        }
    };
    auto arbitre = [&](int i, int valeur) {
        if (c->GetOptionArbitre(i) != Octet(valeur)) {
            c->SetOptionArbitre(i, Octet(valeur));
            change = true;
        }
    };
    auto entier = [&](int& champ, const std::string& texte) {
        const int valeur = Nombre(texte);
        if (champ != valeur) {
            champ = valeur;
            change = true;
        }
    };

    option(2, Europeens);
    option(13, Promotion);
    option(3, Relegues);
    option(14, Barragistes);
    if (Niveau == 1)
        option(12, LigueChampions);
    option(11,
           (SaisieDateJour ? 1 : 0) + (TerrainsNeutres ? 2 : 0) + (SaisieDateMatch ? 4 : 0) + (SystemeDate ? 8 : 0));
    option(0, std::clamp(Portee, 1, 3));
    option(4, Victoire);
    option(5, Nul);
    option(6, Defaite);
    option(15, std::clamp(Forfait, -9, 9));

    if (!c->EstCoupe()) {
        const int matchs = std::clamp(MatchsParJour, 0, 99);
        if (matchs != c->GetNbMatch()) {
            c->SetNbMatch(matchs);
            change = true;
        }
        const int jours = std::clamp(NbJours, 0, TDonneesChampionnat::MaxJours);
        int premier = 0;
        // Dropped days take their matches and events with them: asked first.
        const bool garde =
            jours < c->GetNbJour() && JoursAvecResultats(jours, premier) &&
            !(ConfirmeReduction ? ConfirmeReduction(premier)
                                : MessageUtil(TraduitFmt(TexteReductionJours, {jours, premier}),
                                              BoutonsMessage::Oui | BoutonsMessage::Non) == ReponseMessage::Oui);
        if (jours != c->GetNbJour() && !garde) {
            c->SetNbJour(jours);
            change = true;
        }
    }

    // "yyyy/yy": the first year less 1900, then the second year's two digits.
    const std::string annees = Annees + "       ";
    option(8, (StrToIntDef(Trim(annees.substr(0, 4)), 1900) - 1900) % 256);
    option(9, StrToIntDef(Trim(annees.substr(5, 2)), 0));
    option(10, EquipeSuivie > 0 ? EquipeSuivie - 1 : 255);

    const uint8_t genre =
        International ? (c->Genre | TDonneesChampionnat::TypeInternational) & ~TDonneesChampionnat::TypeNational
                      : (c->Genre | TDonneesChampionnat::TypeNational) & ~TDonneesChampionnat::TypeInternational;
    if (genre != c->Genre) {
        c->Genre = genre;
        change = true;
    }

    if (CodePersoVisible()) {
        const std::string t = Trim(CodePerso);
        int code = -1;
        // Only a 16-bit number: a wrapped one would name another championship's data.
        if (!t.empty() && t.size() <= 5 && std::all_of(t.begin(), t.end(), [](char x) { return x >= '0' && x <= '9'; }))
            code = std::stoi(t);
        if (code >= 0 && code <= 65535 && code != c->CodePerso) {
            c->CodePerso = static_cast<uint16_t>(code);
            change = true;
        }
    }
    if (FDivisionChoisie && IndexDivision >= 0 && IndexDivision < static_cast<int>(Divisions.size()) &&
        Divisions[IndexDivision].second != c->Division) {
        c->Division = Divisions[IndexDivision].second;
        change = true;
    }

    arbitre(4, PourcentageArbitre);
    for (int i = 0; i < 3; ++i)
        option(16 + i, Basket[i]);
    arbitre(0, GestionArbitre ? 1 : 0);
    arbitre(1, ArbitreMemeMatch ? 1 : 0);
    arbitre(3, ArbitreMois ? NbMoisArbitre : 0);
    arbitre(2, ArbitreMatchs ? NbMatchsArbitre : 0);

    const std::string lettres = Lettres();
    if (lettres != c->OrdreClassement) {
        c->OrdreClassement = lettres;
        change = true;
    }
    entier(c->BonusBut, BonusBut);
    entier(c->PointBonusBut, PointBonusBut);
    entier(c->BonusEcart, BonusEcart);
    if (PetiteFinale != c->PetiteFinale) {
        c->PetiteFinale = PetiteFinale;
        change = true;
    }

    c->VideGroupes();
    for (const TGroupe& g : FGroupes) {
        auto groupe = std::make_unique<TGroupeEquipe>(g.Nom);
        for (int id : g.Equipes)
            groupe->AjouteEquipe(id);
        c->AjouteGroupe(std::move(groupe));
    }
    return change || FGroupesModifies ? 1 : 0;
}
