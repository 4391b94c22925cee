#include "engine/StatFicheJoueur.h"

#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"

#include <algorithm>
#include <limits>

namespace StatFicheJoueur {

namespace {

constexpr int PasJoue = 127;
constexpr int AucuneNote = 255;

// The player's part in the match of the team at position p on day Jour.
struct TPresence {
    int Debut = PasJoue;
    int Fin = PasJoue;
    bool Titulaire = false;
    int Note = AucuneNote;
    bool Joue() const { return Debut != PasJoue; }
    int Minutes() const { return Fin - Debut; }
};

int MinuteRemplacement(const TDonneesChampionnat& C, int Jour, int p, int j)
{
    return C.GetCompoMatch(Jour, p, 17 + j) & 0xFF;
}

TPresence Presence(const TDonneesChampionnat& C, int Jour, int p, int Joueur)
{
    TPresence r;
    if (Joueur <= 0 || Joueur >= 65535)
        return r;
    for (int i = 1; i <= 11 && !r.Joue(); ++i)
        if (C.GetCompoMatch(Jour, p, i) == Joueur) {
            r.Debut = 0;
            r.Fin = 90;
            r.Titulaire = true;
            r.Note = C.GetNoteJoueurMatch(Jour, p, i);
        }
    // Substitution j: word 10 + 2j the player going off, 11 + 2j the one coming on.
    for (int j = 1; j <= 3 && !r.Joue(); ++j)
        if (C.GetCompoMatch(Jour, p, 11 + 2 * j) == Joueur) {
            r.Debut = MinuteRemplacement(C, Jour, p, j);
            r.Fin = 90;
            r.Note = C.GetNoteJoueurMatch(Jour, p, 11 + j);
        }
    // Going off counts only for a player who was on the pitch.
    for (int j = 1; j <= 3 && r.Joue(); ++j)
        if (C.GetCompoMatch(Jour, p, 10 + 2 * j) == Joueur) {
            r.Fin = MinuteRemplacement(C, Jour, p, j);
            break;
        }
    return r;
}

// The player's events of a day list, in list order.
std::vector<const TDonneesEvt*> EvenementsJoueur(const TListeDonnees* Liste, int Joueur)
{
    std::vector<const TDonneesEvt*> r;
    for (int i = 0; Liste && i < Liste->Nombre(); ++i)
        if (Liste->Get(i)->GetJoueur() == Joueur)
            r.push_back(Liste->Get(i));
    return r;
}

bool EstManque(uint16_t Mot)
{
    return (Mot & Evt::PenaltyManque) != 0;
}

std::array<int, NbFigures> Figures(const TJoueur& J, uint16_t Cle)
{
    const auto* foot = dynamic_cast<const TJoueurFootball*>(&J);
    return {J.GetMatchs(Cle), J.GetStat(Cle, 1), J.GetAvertissements(Cle), J.GetExpulsions(Cle),
            foot ? foot->GetPasses(Cle) : 0};
}

uint16_t Cle(int NumChampionnat)
{
    return NumChampionnat >= 1 && NumChampionnat < 65536 ? static_cast<uint16_t>(NumChampionnat) : 0;
}

std::string LibelleMatch(const TSaison& Saison, const TInfoComp& M)
{
    return Saison.GetNomEquipe(M.GetEquipe(0)) + " - " + Saison.GetNomEquipe(M.GetEquipe(1));
}

} // namespace

std::string TexteSaison(int X, int T)
{
    return X == T ? std::to_string(X) : std::to_string(X) + "(" + std::to_string(T) + ")";
}

TPanneauSaison CalculePanneau(const TSaison& Saison, const TJoueur& J, int NumChampionnat)
{
    TPanneauSaison P;
    const auto* foot = dynamic_cast<const TJoueurFootball*>(&J);
    P.Total = {J.TotalMatchs(), J.TotalStat(1), J.TotalAvertissements(), J.TotalExpulsions(),
               foot ? foot->TotalPasses() : 0};
    const bool champ = Cle(NumChampionnat) != 0;
    if (champ)
        P.Champ = Figures(J, Cle(NumChampionnat));
    const bool forme = champ && Saison.NbChampionnat() > 1;
    for (int i = 0; i < NbFigures; ++i) {
        P.Textes[i] = forme ? TexteSaison(P.Champ[i], P.Total[i]) : std::to_string(P.Total[i]);
        P.Boutons[i] = P.Total[i] != 0;
    }
    const auto courant = Figures(J, Cle(Saison.GetNumChampCourant()));
    P.Detail = courant[Matchs] || courant[Buts] || courant[Avertissements] || courant[Expulsions];
    return P;
}

// --- Career totals ---

int ValeurCalculee(const TSaison& Saison, const TJoueur& J, int Id, int Valeur)
{
    const int n = Saison.ChercheNumChampCode(Id);
    return n > 0 ? J.GetStat(Cle(n), Valeur) : 0;
}

TEntreeCarriere EntreeCarriere(const TSaison& Saison, const TJoueur& J, int Id)
{
    TEntreeCarriere e;
    e.Id = Id;
    e.Matchs = J.GetNbMatchHist(Id, 0) + ValeurCalculee(Saison, J, Id, 0);
    e.Buts = J.GetNbMatchHist(Id, 1) + ValeurCalculee(Saison, J, Id, 1);
    e.Nom = Saison.GetNomStatChamp(Id);
    return e;
}

std::vector<TEntreeCarriere> EntreesCarriere(const TSaison& Saison, const TJoueur& J)
{
    std::vector<TEntreeCarriere> r;
    for (int i = 0; i < J.NbStatHist(); ++i) {
        const TStatCarriere s = J.GetStatCarriere(i);
        TEntreeCarriere e;
        e.Id = s.Code;
        e.Matchs = s.Matchs + ValeurCalculee(Saison, J, s.Code, 0);
        e.Buts = s.Buts + ValeurCalculee(Saison, J, s.Code, 1);
        e.Nom = Saison.GetNomStatChamp(s.Code);
        r.push_back(std::move(e));
    }
    return r;
}

bool EnregistreCarriere(const TSaison& Saison, TJoueur& J, const std::vector<TEntreeCarriere>& Entrees)
{
    bool change = false;
    for (const TEntreeCarriere& e : Entrees)
        for (int v = 0; v < 2; ++v) {
            const int calcule = ValeurCalculee(Saison, J, e.Id, v);
            const int affiche = v == 0 ? e.Matchs : e.Buts;
            if (J.GetNbMatchHist(e.Id, v) + calcule == affiche)
                continue;
            // What a 16-bit signed record can hold; a wild typed total is cut there.
            const int correction = std::clamp(affiche - calcule, int{std::numeric_limits<int16_t>::min()},
                                              int{std::numeric_limits<int16_t>::max()});
            J.SetStatHist(e.Id, v, correction);
            change = true;
        }
    return change;
}

// --- Goal statistics ---

uint32_t CouleurLigneButs(int Ligne)
{
    // Rows 3, 4, 7 and 8 light cyan, the others light yellow.
    return Ligne == 2 || Ligne == 3 || Ligne == 6 || Ligne == 7 ? 0xFFFF80 : 0x80FFFF;
}

TStatButs CalculeButs(const TSaison& Saison, const TJoueur& J, int NumChampionnat)
{
    enum { MiTemps1, MiTemps2, Domicile, Exterieur, Triples, ContreCamp, PenaltyMarque, PenaltyManque, Meilleur };
    TStatButs S;
    auto& c = S.Compteurs;
    for (int n = 1; n <= Saison.NbChampionnat(); ++n) {
        const TDonneesChampionnat* C = Saison.GetChampionnat(n);
        const int k = n == NumChampionnat ? 0 : 1;
        for (int d = 1; C && d <= C->GetNbJour(); ++d) {
            int entrees = 0;
            for (const TDonneesEvt* e : EvenementsJoueur(C->GetButeursJournee(d), J.Numero)) {
                const uint16_t w = e->GetMot();
                // A missed penalty is no goal: it counts in its own row alone.
                if (EstManque(w)) {
                    ++c[PenaltyManque][k];
                    continue;
                }
                ++entrees;
                const int minute = w & Evt::MasqueMinute;
                if (minute != 0 && !(w & Evt::ContreCamp))
                    ++c[minute < 46 ? MiTemps1 : MiTemps2][k];
                if (w & Evt::ContreCamp)
                    ++c[ContreCamp][k];
                else if (w & Evt::Penalty)
                    ++c[PenaltyMarque][k];
                if (const TInfoComp* m = C->GetMatchEquipe(d, e->GetEquipe())) {
                    if (m->GetEquipe(0) == e->GetEquipe())
                        ++c[Domicile][k];
                    else if (m->GetEquipe(1) == e->GetEquipe())
                        ++c[Exterieur][k];
                }
            }
            if (entrees > 2)
                ++c[Triples][k];
            c[Meilleur][k] = std::max(c[Meilleur][k], entrees);
        }
    }
    const int g = Cle(NumChampionnat) ? J.GetStat(Cle(NumChampionnat), 1) : 0;
    for (int i = 0; i < NbLignesButs; ++i) {
        const int a = c[i][0], b = c[i][1];
        if (b == 0)
            S.Libelles[i] = std::to_string(a);
        else
            S.Libelles[i] = std::to_string(a) + "(" + std::to_string(i == Meilleur ? b : a + b) + ")";
        S.Largeurs[i] = g > 0 ? a * (6000 / g) / 100 : 0;
    }
    return S;
}

// --- Detail lists ---

TFournisseurListe FournisseurSaison(const TSaison& Saison)
{
    return [&Saison](int Genre, int NumChampionnat, int Jour) -> const TListeDonnees* {
        const TDonneesChampionnat* C = Saison.GetChampionnat(NumChampionnat);
        if (!C)
            return nullptr;
        if (Genre == ListeButs)
            return C->GetButeursJournee(Jour);
        if (Genre == ListeAvertissements || Genre == ListeExpulsions)
            return C->GetCartonsJournee(Jour);
        return nullptr;
    };
}

bool ColonneDates(const TSaison& Saison)
{
    const TDonneesChampionnat* C = Saison.GetChampCourant();
    return C && (C->GetOption(11) & 8) != 0;
}

void AfficheStatistiques(const TSaison& Saison, const TJoueur& J, int Genre, int NumChampionnat,
                         std::vector<TLigneDetail>& Lignes, int& Zebre, const TFournisseurListe& Fournisseur)
{
    const TDonneesChampionnat* C = Saison.GetChampionnat(NumChampionnat);
    if (!C)
        return;
    if (Saison.NbChampionnat() > 1) {
        TLigneDetail titre;
        titre.Titre = true;
        titre.Cellules[1] = Saison.GetNomChampDesc(C->CodeChamp);
        Lignes.push_back(std::move(titre));
        Zebre = 0;
    }
    const bool dates = ColonneDates(Saison);
    const auto* foot = dynamic_cast<const TDonneesChampionnatFootball*>(C);
    const std::string titulaire = Traduit(97), remplacant = Traduit(98);
    for (int d = 1; d <= C->GetNbJour(); ++d) {
        const auto buts = EvenementsJoueur(C->GetButeursJournee(d), J.Numero);
        const TListeDonnees* liste = nullptr;
        if (Genre >= ListeButs && Genre <= ListeExpulsions && Fournisseur)
            liste = Fournisseur(Genre, NumChampionnat, d);
        else if (Genre == ListePasses && foot)
            liste = foot->GetPasseursJournee(d);
        const auto evenements = EvenementsJoueur(liste, J.Numero);
        if (Genre != ListeMatchs && evenements.empty())
            continue;
        for (int p = 0; p < C->GetNbEquipe(); ++p) {
            const TInfoComp* m = C->GetMatchPosition(d, p);
            if (!m)
                continue;
            const TPresence presence = Presence(*C, d, p, J.Numero);
            if (Genre == ListeMatchs && !presence.Joue())
                continue;
            const auto equipe = static_cast<uint16_t>(C->GetEquipe(p));
            TLigneDetail ligne;
            ligne.Zebre = Zebre;
            ligne.Cellules[0] = !dates                        ? std::to_string(d)
                                : JourDateMatch(m->GetDate()) ? DateMatchToStr(m->GetDate())
                                                              : "";
            ligne.Cellules[1] = LibelleMatch(Saison, *m);
            ligne.Cellules[2] = presence.Joue()
                                    ? std::to_string(presence.Minutes()) + (presence.Titulaire ? titulaire : remplacant)
                                    : "-";
            ligne.Cellules[4] = presence.Note == AucuneNote ? "-" : std::to_string(presence.Note);
            if (Genre == ListeMatchs || Genre == ListePasses) {
                int nombre = 0;
                bool pourEquipe = false;
                if (Genre == ListeMatchs) {
                    for (const TDonneesEvt* e : buts)
                        nombre += (e->GetMot() & (Evt::ContreCamp | Evt::PenaltyManque)) == 0;
                } else {
                    nombre = static_cast<int>(evenements.size());
                    for (const TDonneesEvt* e : evenements)
                        pourEquipe = pourEquipe || e->GetEquipe() == equipe;
                    if (!pourEquipe)
                        continue;
                }
                ligne.Cellules[3] = std::to_string(nombre);
                Lignes.push_back(std::move(ligne));
                ++Zebre;
                continue;
            }
            bool premiere = true;
            for (const TDonneesEvt* e : evenements) {
                const uint16_t w = e->GetMot();
                if (e->GetEquipe() != equipe)
                    continue;
                const bool retenu = Genre == ListeButs         ? !EstManque(w)
                                    : Genre == ListeExpulsions ? (w & Evt::ContreCamp) != 0
                                                               : (w & Evt::ContreCamp) == 0;
                if (!retenu)
                    continue;
                TLigneDetail l;
                l.Zebre = Zebre;
                if (premiere)
                    l = ligne;
                premiere = false;
                std::string minute = std::to_string(w & Evt::MasqueMinute);
                if (Genre == ListeButs) {
                    if (w & Evt::Penalty)
                        minute += " " + Traduit(314);
                    else if (w & Evt::CoupFranc)
                        minute += " " + Traduit(315);
                    else if (w & Evt::ContreCamp)
                        minute += " " + Traduit(225);
                }
                l.Cellules[3] = std::move(minute);
                Lignes.push_back(std::move(l));
            }
            if (!premiere)
                ++Zebre;
        }
    }
}

bool AFigures(const TJoueur& J, int NumChampionnat)
{
    const auto f = Figures(J, Cle(NumChampionnat));
    return std::any_of(f.begin(), f.end(), [](int v) { return v != 0; });
}

std::vector<TLigneDetail> DetailChampionnats(const TSaison& Saison, const TJoueur& J, int Genre)
{
    std::vector<TLigneDetail> lignes;
    int zebre = 0;
    const TFournisseurListe fournisseur = FournisseurSaison(Saison);
    for (int n = 1; n <= Saison.NbChampionnat(); ++n)
        if (AFigures(J, n))
            AfficheStatistiques(Saison, J, Genre, n, lignes, zebre, fournisseur);
    return lignes;
}

// --- Match-history graph ---

std::vector<TDonneesLigne> LignesGraphe(const TSaison& Saison, const TDonneesChampionnat& Champ, uint16_t Equipe,
                                        int Joueur)
{
    std::vector<TDonneesLigne> lignes;
    auto adversaire = [&](const TInfoComp& m, uint16_t equipe, TDonneesLigne& l) {
        l.Domicile = m.GetEquipe(0) == equipe;
        l.Libelle = Saison.GetNomEquipe(m.GetEquipe(l.Domicile ? 1 : 0));
    };
    for (int d = 1; d <= Champ.GetNbJour(); ++d) {
        TDonneesLigne l;
        l.Jour = d;
        bool faite = false;
        for (int p = 0; p < Champ.GetNbEquipe() && !faite; ++p) {
            const TPresence presence = Presence(Champ, d, p, Joueur);
            const TInfoComp* m = Champ.GetMatchPosition(d, p);
            if (!presence.Joue() || !m)
                continue;
            adversaire(*m, static_cast<uint16_t>(Champ.GetEquipe(p)), l);
            l.Debut = presence.Debut;
            l.Fin = presence.Fin;
            faite = true;
        }
        if (!faite) {
            const TInfoComp* m = Champ.GetMatchEquipe(d, Equipe);
            if (!m)
                continue;
            adversaire(*m, Equipe, l);
            l.Debut = l.Fin = 0;
        }
        for (const TDonneesEvt* e : EvenementsJoueur(Champ.GetButeursJournee(d), Joueur))
            if (!EstManque(e->GetMot()))
                l.Valeurs.push_back(e->GetMot());
        for (const TDonneesEvt* e : EvenementsJoueur(Champ.GetCartonsJournee(d), Joueur)) {
            const uint16_t w = e->GetMot();
            l.Marques.push_back(w >= Evt::ContreCamp ? 1000 + (w & Evt::MasqueMinute) : w);
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

} // namespace StatFicheJoueur
