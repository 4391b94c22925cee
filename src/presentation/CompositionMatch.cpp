#include "presentation/CompositionMatch.h"

#include <algorithm>

#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"

namespace {

const std::string Cap = " (cap.)";
constexpr int TexteRemplacementGarde = 3507;

std::string SansCapitaine(const std::string& texte)
{
    const size_t i = texte.find("(cap.)");
    return i == std::string::npos ? texte : Trim(texte.substr(0, i));
}

} // namespace

TCompositionMatch::TCompositionMatch(TSaison* saison) : TFeuilleMatch(saison) {}

bool TCompositionMatch::UnJoueurPlace() const
{
    for (const auto& cote : Places)
        for (const TPlace& p : cote)
            if (!p.Vide() || p.Inconnu != 0)
                return true;
    return false;
}

TCompositionMatch::TPlace* TCompositionMatch::GetPlace(int cote, int s)
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= NbPlaces ? &Places[cote - 1][s - 1] : nullptr;
}

const TCompositionMatch::TPlace* TCompositionMatch::GetPlace(int cote, int s) const
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= NbPlaces ? &Places[cote - 1][s - 1] : nullptr;
}

const std::string& TCompositionMatch::GetMinute(int cote, int k) const
{
    static const std::string vide;
    return (cote == 1 || cote == 2) && k >= 1 && k <= 3 ? Minutes[cote - 1][k - 1] : vide;
}

int TCompositionMatch::Position(int cote) const
{
    const TDonneesChampionnat* c = GetChampionnat();
    return c ? c->IndexEquipe(GetIdEquipe(cote)) : -1;
}

TChoixJoueur* TCompositionMatch::Entree(int cote, uint16_t joueur)
{
    TListeJoueur* liste = GetEquipe(cote);
    if (!liste || joueur == 0)
        return nullptr;
    if (TChoixJoueur* e = liste->ChercheNumero(joueur))
        return e;
    // A player who left the team still shows in the line-ups he played in.
    const TJoueur* j = ChercheJoueur(Saison, joueur, GetIdEquipe(cote));
    return j ? liste->Ajoute(std::make_unique<TChoixJoueur>(j, 0), false) : nullptr;
}

void TCompositionMatch::PlaceEntree(int cote, int s, TChoixJoueur* entree)
{
    TPlace& p = Places[cote - 1][s - 1];
    p = TPlace{};
    if (!entree)
        return;
    entree->Drapeau = 1;
    const TJoueur* j = entree->GetJoueur();
    p.Joueur = static_cast<uint16_t>(entree->GetNumero());
    p.Texte = CapitaliseNom(j ? j->Nom : entree->Libelle);
    const int maillot = entree->GetMaillot();
    if (!EstSortant(s) && maillot > 0)
        p.Boite = std::to_string(maillot);
}

void TCompositionMatch::PlaceJoueur(int cote, int s, uint16_t joueur, uint16_t capitaine)
{
    TChoixJoueur* entree = Entree(cote, joueur);
    PlaceEntree(cote, s, entree);
    TPlace& p = Places[cote - 1][s - 1];
    if (!entree) {
        p.Inconnu = joueur;
        return;
    }
    if (EstTitulaire(s) && capitaine != 0 && joueur == capitaine) {
        p.Texte += Cap;
        Capitaine[cote - 1] = s;
    }
}

void TCompositionMatch::AfficheMatch()
{
    for (auto& equipe : Places)
        equipe.fill(TPlace{});
    for (auto& m : Minutes)
        m.fill(std::string());
    Capitaine = {0, 0};
    DernierSortant = 0;
    if (!ChargeMatch()) {
        Montre();
        return;
    }
    const TDonneesChampionnat* c = GetChampionnat();
    const int jour = c->NbJournee;
    for (int cote = 1; cote <= 2; ++cote) {
        const int p = Position(cote);
        // A line-up not entered yet is proposed from the team's latest entered one.
        int source = jour;
        while (source > 1 && !c->CompoSaisie(source, p))
            --source;
        const uint16_t capitaine = c->GetCompoMatch(source, p, 21);
        for (int s = 1; s <= NbPlaces; ++s)
            PlaceJoueur(cote, s, c->GetCompoMatch(s <= 11 ? source : jour, p, s), capitaine);
        for (int k = 1; k <= 3; ++k)
            Minutes[cote - 1][k - 1] = std::to_string(c->GetCompoMatch(jour, p, 17 + k) & 0xFF);
    }
    Montre();
}

void TCompositionMatch::Enregistre(bool libereListes)
{
    TDonneesChampionnat* c = DebutEnregistre(libereListes);
    if (!c)
        return;
    const int jour = c->NbJournee;
    bool change = false;
    for (int cote = 1; cote <= 2; ++cote) {
        const int p = Position(cote);
        for (int s = 1; s <= NbPlaces; ++s) {
            const TPlace& place = Places[cote - 1][s - 1];
            const uint16_t v = place.Vide() ? place.Inconnu : place.Joueur;
            if (v != c->GetCompoMatch(jour, p, s)) {
                c->SetCompoMatch(jour, p, s, v);
                change = true;
            }
        }
        for (int k = 1; k <= 3; ++k) {
            const bool paireVide =
                c->GetCompoMatch(jour, p, 10 + 2 * k) == 0 && c->GetCompoMatch(jour, p, 11 + 2 * k) == 0;
            // The minute has the low byte: the high one of word 20 flags the
            // entered line-up. One beyond it stays on screen, written nowhere.
            const int minute = paireVide ? 0 : LitEntierBorne(Minutes[cote - 1][k - 1], MinuteRemplacementMax);
            if (minute < 0)
                continue;
            const uint16_t mot = c->GetCompoMatch(jour, p, 17 + k);
            if (minute != (mot & 0xFF)) {
                c->SetCompoMatch(jour, p, 17 + k, static_cast<uint16_t>((mot & 0xFF00) | minute));
                change = true;
            }
        }
    }
    if (!change)
        return;
    for (int cote = 1; cote <= 2; ++cote) {
        const int p = Position(cote);
        // Only a line-up with a player in it counts as entered.
        bool joueur = false;
        for (int s = 1; s <= NbPlaces; ++s)
            joueur = joueur || c->GetCompoMatch(jour, p, s) != 0;
        if (!joueur)
            continue;
        c->SetCompoMatch(jour, p, 20, c->GetCompoMatch(jour, p, 20) | 0xFF00);
        const int cap = Capitaine[cote - 1];
        const uint16_t id = cap != 0 ? Places[cote - 1][cap - 1].Joueur : 0;
        if (c->GetCompoMatch(jour, p, 21) != id)
            c->SetCompoMatch(jour, p, 21, id);
    }
    Modifie();
}

bool TCompositionMatch::SetMinute(int cote, int k, const std::string& texte)
{
    if ((cote != 1 && cote != 2) || k < 1 || k > 3)
        return true;
    const bool paireVide = Places[cote - 1][10 + 2 * k - 1].Vide() && Places[cote - 1][11 + 2 * k - 1].Vide();
    std::string& minute = Minutes[cote - 1][k - 1];
    const std::string garde = paireVide ? "0" : texte;
    if (minute == garde)
        return LitEntierBorne(minute, MinuteRemplacementMax) >= 0;
    minute = garde;
    Touche();
    return Admise(RefusPaire(cote, k));
}

std::string TCompositionMatch::RefusPaire(int cote, int k) const
{
    const std::string& minute = Minutes[cote - 1][k - 1];
    if (LitEntierBorne(minute, MinuteRemplacementMax) >= 0)
        return {};
    const std::string refus = TexteMinuteRefusee(minute, MinuteRemplacementMax);
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c || !MatchAffiche())
        return refus;
    // The line-up is written all the same, with the minute the season held.
    const int garde = c->GetCompoMatch(c->NbJournee, Position(cote), 17 + k) & 0xFF;
    return refus + "\n" + TraduitFmt(TexteRemplacementGarde, {garde});
}

bool TCompositionMatch::PaireVide(int cote, int k) const
{
    const TPlace& sortant = Places[cote - 1][10 + 2 * k - 1];
    const TPlace& entrant = Places[cote - 1][11 + 2 * k - 1];
    return sortant.Vide() && sortant.Inconnu == 0 && entrant.Vide() && entrant.Inconnu == 0;
}

std::string TCompositionMatch::SaisieRefusee() const
{
    // A pair emptied after its minute was typed drops that minute.
    for (int cote = 1; cote <= 2; ++cote)
        for (int k = 1; k <= 3; ++k)
            if (!PaireVide(cote, k))
                if (std::string refus = RefusPaire(cote, k); !refus.empty())
                    return refus;
    return {};
}

// ---------------------------------------------------------------- placing

int TCompositionMatch::PremiereLibre(int cote, std::initializer_list<int> places) const
{
    for (int s : places)
        if (Places[cote - 1][s - 1].Vide())
            return s;
    return 0;
}

void TCompositionMatch::Libere(int cote, int s)
{
    TPlace& p = Places[cote - 1][s - 1];
    // An off slot names a starter, who keeps his own slot.
    if (!EstSortant(s) && !p.Vide())
        if (TListeJoueur* l = GetEquipe(cote))
            if (TChoixJoueur* e = l->ChercheNumero(p.Joueur))
                e->Drapeau = 0;
    if (Capitaine[cote - 1] == s)
        Capitaine[cote - 1] = 0;
    p = TPlace{};
}

bool TCompositionMatch::DoubleClicEquipe(int cote, uint16_t joueur)
{
    if (!MatchAffiche() || (cote != 1 && cote != 2))
        return false;
    TChoixJoueur* e = Entree(cote, joueur);
    if (!e || e->Drapeau != 0)
        return false;
    const int s = PremiereLibre(cote, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17});
    if (s == 0)
        return false;
    PlaceEntree(cote, s, e);
    Montre();
    Modifie();
    return true;
}

bool TCompositionMatch::DoubleClicPlace(int cote, int s)
{
    const TPlace* p = GetPlace(cote, s);
    if (!p || p->Vide() || !EstTitulaire(s))
        return false;
    const int sortant = PremiereLibre(cote, {12, 14, 16});
    if (sortant == 0)
        return false;
    TPlace& cible = Places[cote - 1][sortant - 1];
    cible = TPlace{};
    cible.Joueur = p->Joueur;
    cible.Texte = SansCapitaine(p->Texte);
    DernierSortant = sortant;
    Montre();
    Modifie();
    return true;
}

void TCompositionMatch::VidePlace(int cote, int s)
{
    if (!GetPlace(cote, s) || !EstSortant(s))
        return;
    Places[cote - 1][s - 1] = TPlace{};
    Montre();
    Modifie();
}

bool TCompositionMatch::AccepteEquipe(int cote, int s, int coteEquipe) const
{
    return MatchAffiche() && GetPlace(cote, s) && cote == coteEquipe && !EstSortant(s);
}

void TCompositionMatch::OteCapitaine(int cote)
{
    const int cap = Capitaine[cote - 1];
    if (cap == 0)
        return;
    TPlace& p = Places[cote - 1][cap - 1];
    p.Texte = SansCapitaine(p.Texte);
    Capitaine[cote - 1] = 0;
}

void TCompositionMatch::EcritCapitaine(int cote, uint16_t joueur)
{
    TDonneesChampionnat* c = GetChampionnat();
    const int jour = c->NbJournee;
    const int p = Position(cote);
    c->SetCompoMatch(jour, p, 20, c->GetCompoMatch(jour, p, 20) | 0xFF00);
    c->SetCompoMatch(jour, p, 21, joueur);
}

bool TCompositionMatch::DeposeEquipe(int cote, int s, int coteEquipe, uint16_t joueur)
{
    if (!AccepteEquipe(cote, s, coteEquipe))
        return false;
    TChoixJoueur* e = Entree(cote, joueur);
    if (!e || e->Drapeau != 0)
        return false;
    if (EstTitulaire(s) && Capitaine[cote - 1] == s) {
        // The captain left the pitch: the model hears of it at once.
        Capitaine[cote - 1] = 0;
        TDonneesChampionnat* c = GetChampionnat();
        c->SetCompoMatch(c->NbJournee, Position(cote), 21, 0);
    }
    Libere(cote, s);
    PlaceEntree(cote, s, e);
    Montre();
    Modifie();
    return true;
}

bool TCompositionMatch::AccepteEchange(int cote, int s, int coteSource, int source) const
{
    const TPlace* cible = GetPlace(cote, s);
    const TPlace* depart = GetPlace(coteSource, source);
    if (!MatchAffiche() || !cible || !depart || depart->Vide() || cote != coteSource || s == source)
        return false;
    if (EstTitulaire(s))
        return EstTitulaire(source);
    if (EstSortant(s))
        return EstTitulaire(source) || (EstEntrant(source) && source != s + 1);
    return false;
}

bool TCompositionMatch::Echange(int cote, int s, int coteSource, int source)
{
    if (!AccepteEchange(cote, s, coteSource, source))
        return false;
    TPlace& cible = Places[cote - 1][s - 1];
    TPlace& depart = Places[cote - 1][source - 1];
    if (EstSortant(s)) {
        // The off slot names him; he keeps his own slot.
        cible = TPlace{};
        cible.Joueur = depart.Joueur;
        cible.Texte = SansCapitaine(depart.Texte);
    } else {
        // The captain's label follows its player.
        int& cap = Capitaine[cote - 1];
        const bool capCible = cap == s, capDepart = cap == source;
        std::swap(cible, depart);
        if (capCible)
            cap = source;
        else if (capDepart)
            cap = s;
    }
    Montre();
    Modifie();
    return true;
}

bool TCompositionMatch::AccepteRetourPlace(int coteEquipe, int cote, int s) const
{
    const TPlace* p = GetPlace(cote, s);
    return MatchAffiche() && p && !p->Vide() && cote == coteEquipe;
}

bool TCompositionMatch::RendPlace(int coteEquipe, int cote, int s)
{
    if (!AccepteRetourPlace(coteEquipe, cote, s))
        return false;
    Libere(cote, s);
    Montre();
    Modifie();
    return true;
}

void TCompositionMatch::ValideNumero(int cote, int s, const std::string& texte)
{
    TPlace* p = GetPlace(cote, s);
    if (!p || !MatchAffiche() || EstSortant(s))
        return;
    const int numero = LitEntierSaisi(texte);
    if (numero == LitEntierSaisi(p->Boite)) {
        Montre();
        return;
    }
    TListeJoueur* liste = GetEquipe(cote);
    TChoixJoueur* e = liste ? liste->ChercheMaillot(numero) : nullptr;
    if (numero <= 0 || !e) {
        Montre(); // the old number comes back
        return;
    }
    if (e->Drapeau != 0) {
        for (int autre : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17})
            if (autre != s && !Places[cote - 1][autre - 1].Vide() &&
                Places[cote - 1][autre - 1].Joueur == e->GetNumero()) {
                // The player moves here; whoever was here goes there.
                int& cap = Capitaine[cote - 1];
                const bool capIci = cap == s, capLa = cap == autre;
                std::swap(Places[cote - 1][s - 1], Places[cote - 1][autre - 1]);
                if (capIci)
                    cap = autre;
                else if (capLa)
                    cap = s;
                Modifie();
                break;
            }
        Montre();
        return;
    }
    DeposeEquipe(cote, s, cote, static_cast<uint16_t>(e->GetNumero()));
}

void TCompositionMatch::ValideNumeroEntree(int cote, int s, const std::string& texte)
{
    if (!EstTitulaire(s))
        return;
    ValideNumero(cote, s, texte);
    const TPlace* p = GetPlace(cote, s);
    if (p && !p->Boite.empty())
        DoubleClicPlace(cote, s);
}

// ---------------------------------------------------------------- captain

void TCompositionMatch::ChoisitCapitaine(int cote, int s)
{
    TPlace* p = GetPlace(cote, s);
    if (!p || p->Vide() || !EstTitulaire(s) || Capitaine[cote - 1] == s)
        return;
    OteCapitaine(cote);
    p->Texte += Cap;
    Capitaine[cote - 1] = s;
    EcritCapitaine(cote, p->Joueur);
    Montre();
    Modifie();
}

void TCompositionMatch::AucunCapitaine(int cote, int s)
{
    if (!GetPlace(cote, s) || Capitaine[cote - 1] != s)
        return;
    OteCapitaine(cote);
    EcritCapitaine(cote, 0);
    Montre();
    Modifie();
}
