#include "engine/CalculClassement.h"

#include <algorithm>
#include <cstdlib>

#include "base/oTraducteur.h"
#include "engine/Statistique.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

namespace {

constexpr uint16_t Aucun = 65535;

// Cells are 16-bit words: values wrap as the stored standings always did.
int16_t Mot(int v)
{
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}
void Ajoute(int16_t& cellule, int v)
{
    cellule = Mot(cellule + v);
}

// Column headings, value headings and kind titles the grid display shows.
constexpr int IdsLibelles[] = {40,  41,  42,  43,  44,  45,  46,  47,   48,   49,   50,   51,   52,   53,   54,   55,
                               56,  57,  58,  59,  60,  61,  62,  63,   64,   65,   66,   577,  578,  580,  591,  607,
                               608, 650, 673, 974, 975, 981, 982, 1089, 1090, 1093, 1094, 1096, 1120, 1121, 1122, 1292};

bool EstRugby(const TDonneesChampionnat& c)
{
    return dynamic_cast<const TDonneesChampionnatRugby*>(&c) != nullptr;
}

// Column and direction of a tie-break letter, and whether it reads the
// head-to-head table.
struct TCritere {
    int Colonne;
    int Sens; // 1 greater first, -1 smaller first
    bool Tete;
};

TCritere Critere(char lettre)
{
    static constexpr int Colonnes[10] = {3, 13, 4, 8, 9, 10, 5, 6, 6, 7};
    static constexpr int Sens[10] = {1, 1, 1, -1, 1, -1, 1, 1, -1, -1};
    const auto c = static_cast<unsigned char>(lettre);
    if (c >= 'a' && c <= 'j')
        return {Colonnes[c - 'a'], Sens[c - 'a'], false};
    if (c >= 'k' && c <= 't')
        return {Colonnes[c - 'k'], Sens[c - 'k'], true};
    if (c == 'u')
        return {2, 1, true};
    return {1, 1, c > 'j'};
}

} // namespace

TCalculClassement::TCalculClassement(const TDonneesChampionnat* championnat, const TContexteSaison* saison)
    : NbEquipe(championnat ? championnat->GetNbEquipe() : 0), Classement(NbEquipe), Totaux(NbEquipe), Brut(NbEquipe),
      Championnat(championnat), Saison(saison)
{
    Libelles.reserve(std::size(IdsLibelles));
    for (int id : IdsLibelles)
        Libelles.emplace_back(id, Traduit(id));
}

const std::string& TCalculClassement::GetLibelle(int id) const
{
    static const std::string vide;
    for (const auto& [i, texte] : Libelles)
        if (i == id)
            return texte;
    return vide;
}

// --- Cells ---

int16_t TCalculClassement::GetBrut(int equipe, int colonne) const
{
    return equipe >= 0 && equipe < NbEquipe && colonne >= 1 && colonne <= NbColBrut ? Brut[equipe][colonne - 1] : 0;
}

void TCalculClassement::SetBrut(int equipe, int colonne, int16_t valeur)
{
    if (equipe >= 0 && equipe < NbEquipe && colonne >= 1 && colonne <= NbColBrut)
        Brut[equipe][colonne - 1] = valeur;
}

int16_t TCalculClassement::GetTotal(int equipe, int colonne) const
{
    return equipe >= 0 && equipe < NbEquipe && colonne >= 1 && colonne <= NbColTotal ? Totaux[equipe][colonne - 1] : 0;
}

void TCalculClassement::SetTotal(int equipe, int colonne, int16_t valeur)
{
    if (equipe >= 0 && equipe < NbEquipe && colonne >= 1 && colonne <= NbColTotal)
        Totaux[equipe][colonne - 1] = valeur;
}

int16_t TCalculClassement::GetClassement(int ligne, int colonne) const
{
    return ligne >= 0 && ligne < NbEquipe && colonne >= 1 && colonne <= NbColClassement ? Classement[ligne][colonne - 1]
                                                                                        : 0;
}

void TCalculClassement::SetClassement(int ligne, int colonne, int16_t valeur)
{
    if (ligne >= 0 && ligne < NbEquipe && colonne >= 1 && colonne <= NbColClassement)
        Classement[ligne][colonne - 1] = valeur;
}

uint32_t TCalculClassement::GetAffluenceMoyenne(int ligne) const
{
    return static_cast<uint16_t>(GetClassement(ligne, 2)) |
           (static_cast<uint32_t>(static_cast<uint16_t>(GetClassement(ligne, 3))) << 16);
}

void TCalculClassement::EchangeLignes(int ligne1, int ligne2)
{
    if (ligne1 >= 0 && ligne1 < NbEquipe && ligne2 >= 0 && ligne2 < NbEquipe)
        std::swap(Classement[ligne1], Classement[ligne2]);
}

bool TCalculClassement::DansListe(int equipe1, int equipe2, const std::vector<int>& liste)
{
    return std::find(liste.begin(), liste.end(), equipe1) != liste.end() &&
           std::find(liste.begin(), liste.end(), equipe2) != liste.end();
}

std::string TCalculClassement::GetNomEquipe(int equipe) const
{
    if (!Saison || !Championnat || equipe < 0 || equipe >= Championnat->GetNbEquipe())
        return {};
    return Saison->GetNomEquipe(static_cast<uint16_t>(Championnat->GetEquipe(equipe)));
}

void TCalculClassement::ChargeNoms()
{
    Noms.resize(NbEquipe);
    for (int t = 0; t < NbEquipe; ++t)
        Noms[t] = GetNomEquipe(t);
}

int TCalculClassement::Index(int id) const
{
    return id >= 0 && id < static_cast<int>(IndexParId.size()) ? IndexParId[id] : -1;
}

// The team ids may have changed since the last computation; the lookup is
// rebuilt each time, and a slot added after creation stays outside.
void TCalculClassement::PrepareIndex()
{
    IndexParId.clear();
    for (int t = NbEquipe - 1; t >= 0; --t) {
        const int id = Championnat->GetEquipe(t);
        if (id < 0 || id >= Aucun)
            continue;
        if (id >= static_cast<int>(IndexParId.size()))
            IndexParId.resize(id + 1, -1);
        IndexParId[id] = static_cast<int16_t>(t);
    }
}

// --- Raw count ---

void TCalculClassement::VideBrut()
{
    for (LigneBrut& l : Brut)
        l.fill(0);
    JoursComptes.clear();
    MatchsComptes.clear();
}

void TCalculClassement::CalculeBrut(int premierJour, int dernierJour, const std::vector<int>* filtre)
{
    if (!Championnat)
        return;
    PrepareIndex();
    if (premierJour == 1)
        VideBrut();
    const bool bonus = Championnat->BonusBut > 0;
    for (int jour = premierJour; jour <= dernierJour; ++jour)
        CompteJour(jour, filtre, bonus);
}

void TCalculClassement::CompteJour(int jour, const std::vector<int>* filtre, bool bonus)
{
    if (jour < 1 || jour > Championnat->GetNbJour())
        return;
    if (static_cast<int>(JoursComptes.size()) <= jour)
        JoursComptes.resize(jour + 1, false);
    const bool dejaCompte = JoursComptes[jour];
    JoursComptes[jour] = true;

    const int nb = Championnat->GetNbMatchJournee(jour);
    for (int m = 0; m < nb; ++m) {
        const uint16_t id1 = Championnat->GetValeurMatch(jour, 4 * m + 1);
        const uint16_t s1 = Championnat->GetValeurMatch(jour, 4 * m + 2);
        const uint16_t id2 = Championnat->GetValeurMatch(jour, 4 * m + 3);
        const uint16_t s2 = Championnat->GetValeurMatch(jour, 4 * m + 4);
        if (id1 == Aucun || s1 == Aucun || id2 == Aucun || s2 == Aucun)
            continue;
        const int e1 = Index(id1), e2 = Index(id2);
        if (e1 < 0 || e2 < 0)
            continue;
        // A day counted again adds to the raw table again, but the
        // head-to-head tables hold each day once.
        if (!dejaCompte)
            MatchsComptes.push_back({static_cast<int16_t>(e1), static_cast<int16_t>(e2), s1, s2});
        if (!filtre || DansListe(e1, e2, *filtre))
            CompteMatch(Brut, e1, e2, s1, s2, bonus);
    }
}

void TCalculClassement::CompteMatch(std::vector<LigneBrut>& brut, int e1, int e2, int s1, int s2, bool bonus) const
{
    LigneBrut& dom = brut[e1];
    LigneBrut& ext = brut[e2];
    int ecart = 0;
    if (bonus) {
        ecart = std::abs(s1 - s2) <= Championnat->BonusEcart ? 1 : 0;
        // A side earns the score bonus by scoring at least BonusBut.
        if (s1 >= Championnat->BonusBut)
            Ajoute(dom[10], 1);
        if (s2 >= Championnat->BonusBut)
            Ajoute(ext[11], 1);
    }
    // The margin bonus goes to the side that lost by little.
    if (s1 > s2) {
        Ajoute(dom[0], 1);
        Ajoute(ext[7], 1);
        Ajoute(ext[11], ecart);
    } else if (s1 == s2) {
        Ajoute(dom[1], 1);
        Ajoute(ext[6], 1);
    } else {
        Ajoute(dom[2], 1);
        Ajoute(ext[5], 1);
        Ajoute(dom[10], ecart);
    }
    Ajoute(dom[3], s1);
    Ajoute(dom[4], s2);
    Ajoute(ext[8], s2);
    Ajoute(ext[9], s1);
}

// --- Calcule ---

void TCalculClassement::Calcule(int genre, int premierJour, const std::vector<int>* filtre, int dernierJour)
{
    if (!Championnat)
        return;
    PrepareIndex();
    const bool sansBrut = genre == Discipline || genre == Affluence || genre == PenaltysMarques ||
                          genre == PenaltysEncaisses || (genre >= 40 && genre <= 75) || (genre >= 100 && genre <= 120);
    if (!sansBrut)
        CalculeBrut(premierJour, dernierJour, filtre);

    switch (genre) {
    case General:
    case Domicile:
    case Exterieur:
    case Anglais:
    case GeneralDetaille:
    case PointsPerdusDomicile:
        TotauxGeneraux(genre);
        Points(genre);
        break;
    case Attaque:
    case AttaqueDomicile:
    case AttaqueExterieur:
        for (int t = 0; t < NbEquipe; ++t) {
            const LigneBrut& b = Brut[t];
            Totaux[t][4] = genre == Attaque ? Mot(b[3] + b[8]) : genre == AttaqueDomicile ? b[3] : b[8];
        }
        break;
    case Defense:
    case DefenseDomicile:
    case DefenseExterieur:
        for (int t = 0; t < NbEquipe; ++t) {
            const LigneBrut& b = Brut[t];
            Totaux[t][5] = genre == Defense ? Mot(b[4] + b[9]) : genre == DefenseDomicile ? b[4] : b[9];
        }
        break;
    case Discipline:
        CalculeDiscipline();
        break;
    case Affluence:
        CalculeAffluence();
        break;
    case PenaltysMarques:
    case EvenementsMarques:
    case PenalitesMarquees:
    case DropsMarques:
        EvenementsPour(genre, 6);
        break;
    case PenaltysEncaisses:
    case EvenementsEncaisses:
    case PenalitesEncaissees:
    case DropsEncaisses:
        EvenementsContre(genre, 6);
        break;
    case AgeEquipe:
        CalculeAge();
        break;
    default:
        if (genre >= PremierBasket && genre <= DernierBasket && genre % 2 == 0)
            CalculeBasket(genre);
        else if (genre >= PremiereSituation && genre <= DerniereSituation)
            CalculeSituations(genre);
        break;
    }
    Trie(genre);
}

void TCalculClassement::TotauxGeneraux(int genre)
{
    for (int t = 0; t < NbEquipe; ++t) {
        const LigneBrut& b = Brut[t];
        LigneTotal& l = Totaux[t];
        for (int c = 0; c < 5; ++c) {
            if (genre == Domicile || genre == PointsPerdusDomicile)
                l[1 + c] = b[c];
            else if (genre == Exterieur)
                l[1 + c] = b[5 + c];
            else
                l[1 + c] = Mot(b[c] + b[5 + c]);
        }
        l[9] = genre == Domicile || genre == PointsPerdusDomicile ? b[10]
               : genre == Exterieur                               ? b[11]
                                                                  : Mot(b[10] + b[11]);
    }
    if (genre == General || genre == Anglais || genre == GeneralDetaille) {
        EvenementsPour(EvenementsMarques, 8);
        EvenementsContre(EvenementsEncaisses, 9);
    }
}

void TCalculClassement::Points(int genre)
{
    const bool basket = Championnat->EstBasket();
    const bool rugby = EstRugby(*Championnat);
    const int victoire = Championnat->GetOption(4), nul = Championnat->GetOption(5),
              defaite = Championnat->GetOption(6);
    const int bonus = static_cast<int16_t>(Championnat->PointBonusBut);
    for (int t = 0; t < NbEquipe; ++t) {
        const LigneBrut& b = Brut[t];
        LigneTotal& l = Totaux[t];
        const int v = l[1], n = l[2], d = l[3];
        if (genre == Anglais)
            l[0] = rugby ? Mot(2 * b[5] + b[6] - b[1] - 2 * b[2]) : Mot(3 * b[5] + b[6] - 2 * b[1] - 3 * b[2]);
        else if (genre == GeneralDetaille)
            l[0] = Mot(2 * v + n);
        else
            l[0] = Mot(v * victoire + (basket ? 0 : n * nul) + d * defaite + l[9] * bonus);
        l[6] = Mot(l[4] - l[5]);
    }
    if (genre == General)
        Penalites();
    for (int t = 0; t < NbEquipe; ++t) {
        LigneTotal& l = Totaux[t];
        const int v = l[1], n = l[2], d = l[3];
        if (genre == PointsPerdusDomicile) {
            // The most points the club could have taken at home, and the share lost.
            l[1] = Mot((v + n + d) * victoire);
            l[5] = l[1] > 0 ? Mot(100 - l[0] * 100 / l[1]) : 0;
        }
        if (basket)
            l[2] = v + d != 0 ? Mot(v * 1000 / (v + d)) : 0;
    }
}

void TCalculClassement::Penalites()
{
    const TPenalites& penalites = Championnat->GetPenalites();
    // Option 15 runs from -9 to 9.
    const int forfait = static_cast<int8_t>(Championnat->GetOption(15));
    const int defaite = Championnat->GetOption(6);
    for (int i = 0; i < penalites.Nombre(); ++i) {
        const TPenalite* p = penalites.Get(i);
        if (p->Journee == 0) {
            const int t = Index(p->Equipe1);
            if (t >= 0)
                Ajoute(Totaux[t][0], p->Type == TPenalite::Ajout ? p->Valeur1 : -p->Valeur1);
            continue;
        }
        // An awarded result counts on every day the raw table holds, however
        // it was built up (one range, or day by day).
        if (p->Journee >= JoursComptes.size() || !JoursComptes[p->Journee] || p->Valeur1 == p->Valeur2)
            continue;
        const int t = Index(p->Valeur1 < p->Valeur2 ? p->Equipe1 : p->Equipe2);
        if (t >= 0)
            Ajoute(Totaux[t][0], forfait - defaite);
    }
}

// --- Values read from the event lists over the whole championship ---

const TListeDonnees* TCalculClassement::ListeEvenements(int genre, int jour) const
{
    if (genre == PenalitesMarquees || genre == PenalitesEncaissees || genre == DropsMarques ||
        genre == DropsEncaisses) {
        const auto* rugby = dynamic_cast<const TDonneesChampionnatRugby*>(Championnat);
        if (!rugby)
            return nullptr;
        return genre == PenalitesMarquees || genre == PenalitesEncaissees ? rugby->GetPenalitesJournee(jour)
                                                                          : rugby->GetDropsJournee(jour);
    }
    return Championnat->GetButeursJournee(jour);
}

bool TCalculClassement::EvenementCompte(int genre, const TDonneesEvt& e)
{
    const bool buteurs = !(genre == PenalitesMarquees || genre == PenalitesEncaissees || genre == DropsMarques ||
                           genre == DropsEncaisses);
    // A missed penalty sits in the scorers list but is no goal.
    if (buteurs && (e.GetMot() & Evt::PenaltyManque))
        return false;
    if ((genre == PenaltysMarques || genre == PenaltysEncaisses) && !(e.GetMot() & Evt::Penalty))
        return false;
    return true;
}

void TCalculClassement::EvenementsPour(int genre, int colonne)
{
    for (LigneTotal& l : Totaux)
        l[colonne - 1] = 0;
    for (int jour = 1; jour <= Championnat->GetNbJour(); ++jour) {
        const TListeDonnees* liste = ListeEvenements(genre, jour);
        if (!liste)
            continue;
        for (int i = 0; i < liste->Nombre(); ++i) {
            const TDonneesEvt& e = *liste->Get(i);
            const int t = EvenementCompte(genre, e) ? Index(e.GetEquipe()) : -1;
            if (t >= 0)
                Ajoute(Totaux[t][colonne - 1], 1);
        }
    }
}

void TCalculClassement::EvenementsContre(int genre, int colonne)
{
    for (LigneTotal& l : Totaux)
        l[colonne - 1] = 0;
    std::vector<int> adversaire(NbEquipe);
    for (int jour = 1; jour <= Championnat->GetNbJour(); ++jour) {
        const TListeDonnees* liste = ListeEvenements(genre, jour);
        const TInfoCompJour* matchs = Championnat->GetJournee(jour);
        if (!liste || !matchs || liste->Nombre() == 0)
            continue;
        // The opponent of each club in its first match of the day.
        std::fill(adversaire.begin(), adversaire.end(), -2);
        for (int m = 0; m < matchs->NbMatch(); ++m) {
            const TInfoComp* x = matchs->GetMatch(m);
            const int e1 = Index(x->GetEquipe(0)), e2 = Index(x->GetEquipe(1));
            if (e1 >= 0 && adversaire[e1] == -2)
                adversaire[e1] = e2;
            if (e2 >= 0 && adversaire[e2] == -2)
                adversaire[e2] = e1;
        }
        for (int i = 0; i < liste->Nombre(); ++i) {
            const TDonneesEvt& e = *liste->Get(i);
            const int t = EvenementCompte(genre, e) ? Index(e.GetEquipe()) : -1;
            if (t >= 0 && adversaire[t] >= 0)
                Ajoute(Totaux[adversaire[t]][colonne - 1], 1);
        }
    }
}

void TCalculClassement::CalculeDiscipline()
{
    for (LigneTotal& l : Totaux)
        l[3] = l[4] = l[5] = 0;
    for (int jour = 1; jour <= Championnat->GetNbJour(); ++jour) {
        const TListeDonnees* cartons = Championnat->GetCartonsJournee(jour);
        for (int i = 0; cartons && i < cartons->Nombre(); ++i) {
            const TDonneesEvt& e = *cartons->Get(i);
            const int t = Index(e.GetEquipe());
            if (t < 0)
                continue;
            if (e.GetMot() & Evt::ContreCamp) {
                Ajoute(Totaux[t][4], 1);
                Ajoute(Totaux[t][5], 3);
            } else {
                Ajoute(Totaux[t][3], 1);
                Ajoute(Totaux[t][5], 1);
            }
        }
    }
}

void TCalculClassement::CalculeAffluence()
{
    struct TMoyenne {
        int64_t Valeur = 0; // the sum, then the average
        int Nombre = 0;     // the count, then the team index
    };
    std::vector<TMoyenne> moyennes(NbEquipe);
    for (int jour = 1; jour <= Championnat->GetNbJour(); ++jour) {
        const int nb = Championnat->GetNbMatchJournee(jour);
        for (int m = 1; m <= nb; ++m) {
            const TInfoComp* x = Championnat->GetMatch(jour, m);
            const int t = x && x->GetAffluence() > 0 ? Index(x->GetEquipe(0)) : -1;
            if (t >= 0) {
                moyennes[t].Valeur += x->GetAffluence();
                ++moyennes[t].Nombre;
            }
        }
    }
    for (int t = 0; t < NbEquipe; ++t) {
        if (moyennes[t].Nombre > 0)
            moyennes[t].Valeur /= moyennes[t].Nombre;
        moyennes[t].Nombre = t;
    }
    for (int i = 0; i + 1 < NbEquipe; ++i)
        for (int j = i + 1; j < NbEquipe; ++j)
            if (moyennes[j].Valeur > moyennes[i].Valeur)
                std::swap(moyennes[i], moyennes[j]);
    for (int r = 0; r < NbEquipe; ++r) {
        const auto moyenne = static_cast<uint32_t>(moyennes[r].Valeur);
        Classement[r][0] = Mot(moyennes[r].Nombre);
        Classement[r][1] = Mot(moyenne & 0xFFFF);
        Classement[r][2] = Mot(moyenne >> 16);
    }
}

void TCalculClassement::CalculeBasket(int genre)
{
    for (LigneTotal& l : Totaux)
        l[5] = l[6] = 0;
    const auto* basket = dynamic_cast<const TDonneesChampionnatBasket*>(Championnat);
    if (!basket)
        return;
    static constexpr int Listes[10] = {2, 3, 4, 5, 5, 7, 8, 9, 10, 11};
    const int liste = Listes[(genre - PremierBasket) / 2];
    for (int jour = 1; jour <= Championnat->GetNbJour(); ++jour) {
        const TListeDonnees* stats = basket->GetStatJournee(jour, liste);
        for (int i = 0; stats && i < stats->Nombre(); ++i) {
            const TDonneesEvt& e = *stats->Get(i);
            const int t = Index(e.GetEquipe());
            if (t < 0)
                continue;
            const int reussis = e.GetMot() >> 8, tentes = e.GetMot() & 0xFF;
            if (genre < 55) {
                Ajoute(Totaux[t][5], reussis);
                Ajoute(Totaux[t][6], tentes);
            } else {
                Ajoute(Totaux[t][5], genre == 56 ? reussis : genre == 58 ? tentes : e.GetMot());
            }
        }
    }
    for (int t = 0; t < NbEquipe; ++t) {
        LigneTotal& l = Totaux[t];
        if (genre < 55) {
            l[5] = l[6] != 0 ? Mot(l[5] * 10000 / l[6]) : 0; // a percentage with two decimals
        } else {
            const int joues = Championnat->NbMatchJoue(static_cast<uint16_t>(Championnat->GetEquipe(t)));
            l[5] = joues > 0 ? Mot(l[5] * 100 / joues) : 0; // an average per match with two decimals
        }
    }
}

void TCalculClassement::CalculeSituations(int genre)
{
    const int k = genre - PremiereSituation;
    const int situation = k / 3 + 1;
    const int lieu = k % 3; // 0 home and away, 1 home, 2 away
    const int victoire = Championnat->GetOption(4), nul = Championnat->GetOption(5),
              defaite = Championnat->GetOption(6);
    TTableSituation table;
    for (int t = 0; t < NbEquipe; ++t) {
        LigneTotal& l = Totaux[t];
        const int id = Championnat->GetEquipe(t);
        int joues = 0;
        if (id >= 0 && id != Aucun)
            TStatistique::CalculEquipe(*Championnat, static_cast<uint16_t>(id), table, joues);
        else
            table.Vide();
        auto compte = [&](int resultat) {
            return lieu == 0 ? table.Get(resultat, situation, 1) + table.Get(resultat, situation, 2)
                             : table.Get(resultat, situation, lieu);
        };
        const int v = compte(TTableSituation::Victoire), n = compte(TTableSituation::Nul),
                  d = compte(TTableSituation::Defaite);
        l[1] = Mot(v);
        l[2] = Mot(n);
        l[3] = Mot(d);
        l[4] = Mot(v + n + d);
        l[0] = Mot(v * victoire + n * nul + d * defaite);
        l[5] = l[4] != 0 ? Mot(l[0] * 100 / l[4]) : 0; // points per match with two decimals
    }
}

void TCalculClassement::CalculeAge()
{
    const TJoueurs* joueurs = Saison ? Saison->GetJoueurs() : nullptr;
    const int annee = Championnat->GetOption(8);
    for (int t = 0; t < NbEquipe; ++t) {
        LigneTotal& l = Totaux[t];
        const int id = Championnat->GetEquipe(t);
        const std::vector<TJoueur*>* liste = joueurs && id >= 0 && id != Aucun ? joueurs->GetListeEquipe(id) : nullptr;
        int somme = 0, nombre = 0, minimum = 255, maximum = 0;
        for (const TJoueur* j : liste ? *liste : std::vector<TJoueur*>{}) {
            const int age = annee - j->Age;
            // Players without a birth year stay out of the average as well.
            if (j->Age == 0 || age <= 0)
                continue;
            somme += age;
            ++nombre;
            minimum = std::min(minimum, age);
            maximum = std::max(maximum, age);
        }
        l[0] = nombre > 0 ? Mot(somme * 10 / nombre) : 0;
        l[1] = Mot(minimum);
        l[2] = Mot(maximum);
    }
}

// --- Sorts ---

void TCalculClassement::Trie(int genre)
{
    switch (genre) {
    case General:
    case Domicile:
    case Exterieur:
    case Anglais:
    case GeneralDetaille:
        TriGeneral(genre);
        return;
    case Attaque:
    case AttaqueDomicile:
    case AttaqueExterieur:
        TriSimple(5);
        return;
    case AgeEquipe:
        TriSimple(1);
        return;
    case Discipline:
        TriDiscipline();
        return;
    case Affluence: // sorted as it was computed
        return;
    default:
        if (genre == Defense || genre == DefenseDomicile || genre == DefenseExterieur ||
            genre == PointsPerdusDomicile || genre == PenaltysMarques || genre == PenaltysEncaisses ||
            (genre >= 40 && genre <= 70) || (genre >= PremiereSituation && genre <= DerniereSituation))
            TriSimple(6);
        return;
    }
}

// Every sort of the standings is this exchange sort, and stays so: it is not
// stable, and the order it leaves among fully level teams is the order users
// have always seen.
void TCalculClassement::TriSimple(int colonne)
{
    ChargeNoms();
    for (int t = 0; t < NbEquipe; ++t) {
        Classement[t][0] = Mot(t);
        Classement[t][1] = Totaux[t][colonne - 1];
    }
    // Names compare by code point, which is the byte order of UTF-8 text.
    for (int i = 0; i + 1 < NbEquipe; ++i)
        for (int j = i + 1; j < NbEquipe; ++j) {
            const LigneClassement& a = Classement[i];
            const LigneClassement& b = Classement[j];
            bool avant = b[1] > a[1];
            if (b[1] == a[1]) {
                const std::string& na = Noms[a[0]];
                const std::string& nb = Noms[b[0]];
                avant = colonne == 6 ? na < nb : na > nb;
            }
            if (avant)
                EchangeLignes(i, j);
        }
}

void TCalculClassement::TriDiscipline()
{
    ChargeNoms();
    for (int t = 0; t < NbEquipe; ++t) {
        Classement[t][0] = Mot(t);
        Classement[t][1] = Totaux[t][5];
        Classement[t][2] = Totaux[t][3];
        Classement[t][3] = Totaux[t][4];
    }
    for (int i = 0; i + 1 < NbEquipe; ++i)
        for (int j = i + 1; j < NbEquipe; ++j) {
            const LigneClassement& a = Classement[i];
            const LigneClassement& b = Classement[j];
            bool avant = b[1] > a[1];
            if (b[1] == a[1])
                avant = b[3] > a[3] || (b[3] == a[3] && Noms[a[0]] < Noms[b[0]]);
            if (avant)
                EchangeLignes(i, j);
        }
}

namespace {

// Equal rows share a tie number: the one either already has, else the next.
void Numerote(int16_t& ni, int16_t& nj, int& compteur)
{
    if (ni < 1) {
        if (nj < 1) {
            ni = nj = Mot(compteur);
            ++compteur;
        } else {
            ni = nj;
        }
    } else {
        nj = ni;
    }
}

} // namespace

void TCalculClassement::TriLignes(std::vector<LigneClassement>& table, int debut, int fin, int colonne, int sens,
                                  int& compteur)
{
    for (int i = debut; i < fin; ++i)
        for (int j = i + 1; j <= fin; ++j) {
            const int a = table[i][colonne - 1], b = table[j][colonne - 1];
            if (a == b)
                Numerote(table[i][10], table[j][10], compteur);
            else if (sens > 0 ? b > a : b < a)
                std::swap(table[i], table[j]);
        }
}

void TCalculClassement::TriGeneral(int genre)
{
    const bool parRatio = Championnat->EstBasket() && (Championnat->GetOption(11) & 8);
    for (int t = 0; t < NbEquipe; ++t) {
        const LigneTotal& l = Totaux[t];
        Classement[t] = {Mot(t), parRatio ? l[2] : l[0], l[6], l[4], l[1], l[2], l[3], l[5], l[7], l[8], 0,
                         0,      Mot(l[7] - l[8])};
    }
    int compteur = 1;
    TriLignes(Classement, 0, NbEquipe - 1, 2, 1, compteur);
    for (LigneClassement& r : Classement) {
        r[11] = r[10];
        r[10] = 0;
    }
    const std::string& ordre = Championnat->OrdreClassement;
    bool egalites = true;
    for (size_t p = 0; egalites && p < ordre.size(); ++p)
        egalites = PasseLettre(genre, ordre[p]);
}

bool TCalculClassement::PasseLettre(int genre, char lettre)
{
    const TCritere critere = Critere(lettre);
    int compteur = 1;
    bool egalites = false;
    for (int s = 0; s < NbEquipe - 1;) {
        int e = s;
        while (e + 1 < NbEquipe && Classement[e + 1][11] == Classement[e][11])
            ++e;
        if (Classement[e][11] >= 1 && e != s) {
            egalites = true;
            if (critere.Tete)
                TriTete(genre, s, e, critere.Colonne, critere.Sens, compteur);
            else
                TriLignes(Classement, s, e, critere.Colonne, critere.Sens, compteur);
        }
        s = e + 1;
    }
    // Each group carries its own numbers into the next letter.
    for (LigneClassement& r : Classement) {
        r[11] = r[10];
        r[10] = 0;
    }
    return egalites;
}

// The head-to-head table of a tie group reads the matches already counted
// between the group's teams, over the same days as this one's raw table.
void TCalculClassement::TriTete(int genre, int debut, int fin, int colonne, int sens, int& compteur)
{
    DansGroupe.assign(NbEquipe, 0);
    for (int r = debut; r <= fin; ++r)
        DansGroupe[Classement[r][0]] = 1;
    TeteBrut.assign(NbEquipe, LigneBrut{});
    TeteTotaux.resize(NbEquipe);
    TeteClassement.resize(NbEquipe);
    for (const TMatchCompte& m : MatchsComptes)
        if (DansGroupe[m.Dom] && DansGroupe[m.Ext])
            CompteMatch(TeteBrut, m.Dom, m.Ext, m.Buts1, m.Buts2, false);
    TableTete(genre, compteur, colonne * sens, TeteBrut, TeteTotaux, TeteClassement);

    // The letter decides only when the group's teams have met.
    bool rencontre = false;
    for (int r = debut; r <= fin && !rencontre; ++r) {
        const LigneTotal& l = TeteTotaux[Classement[r][0]];
        rencontre = l[1] + l[2] + l[3] > 0;
    }
    if (!rencontre) {
        for (int r = debut; r <= fin; ++r)
            Classement[r][10] = Mot(compteur);
        ++compteur;
        return;
    }
    // The group's teams in head-to-head order; the other clubs do not decide.
    int place = debut;
    for (int r = 0; r < NbEquipe && place <= fin; ++r) {
        const int t = TeteClassement[r][0];
        if (!DansGroupe[t])
            continue;
        for (int q = place; q <= fin; ++q)
            if (Classement[q][0] == t) {
                Classement[q][10] = TeteClassement[r][10];
                EchangeLignes(q, place);
                ++place;
                break;
            }
    }
}

void TCalculClassement::CalculeSimple(int genre, int premierJour, int& compteur, int cle,
                                      const std::vector<int>* filtre, int dernierJour)
{
    if (!Championnat)
        return;
    CalculeBrut(premierJour, dernierJour, filtre);
    TableTete(genre, compteur, cle, Brut, Totaux, Classement);
}

// Plain points (2 / 1 / 0 for the general kind with blocks), then every row
// sorted on column |cle| (cle < 0: smaller first), equal rows numbered in
// column 11.
void TCalculClassement::TableTete(int genre, int& compteur, int cle, const std::vector<LigneBrut>& brut,
                                  std::vector<LigneTotal>& totaux, std::vector<LigneClassement>& classement) const
{
    const int victoire = Championnat->GetOption(4), nul = Championnat->GetOption(5),
              defaite = Championnat->GetOption(6);
    const int colonne = std::abs(cle);
    for (int t = 0; t < NbEquipe; ++t) {
        const LigneBrut& b = brut[t];
        LigneTotal& l = totaux[t];
        for (int c = 0; c < 5; ++c)
            l[1 + c] = Mot(b[c] + b[5 + c]);
        const int v = l[1], n = l[2], d = l[3];
        l[0] = genre == GeneralDetaille ? Mot(2 * v + n) : Mot(v * victoire + n * nul + d * defaite);
        l[6] = Mot(l[4] - l[5]);
        classement[t] = {Mot(t), l[0], l[6], l[4], l[1], l[2], l[3], l[5], 0, 0, 0, 0, 0};
        // A club without a match in the table is marked; the team index in
        // column 1 is never overwritten, it is how the rows are read back.
        if (v + n + d == 0 && l[0] == 0 && colonne >= 2 && colonne <= NbColClassement)
            classement[t][colonne - 1] = -1;
    }
    if (colonne >= 1 && colonne <= NbColClassement)
        TriLignes(classement, 0, NbEquipe - 1, colonne, cle > 0 ? 1 : -1, compteur);
}
