#include "presentation/NotesMatch.h"

#include <algorithm>

#include "base/Texte.h"
#include "base/Utilities.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"

uint8_t LitNoteSaisie(const std::string& texte)
{
    const std::string t = Trim(texte);
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 255;
    return static_cast<uint8_t>(std::min(LitEntierSaisi(t), 255));
}

TNotesMatch::TNotesMatch(TSaison* saison) : TFeuilleMatch(saison) {}

TNotesMatch::TNote* TNotesMatch::GetNote(int cote, int s)
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= 14 ? &Notes[cote - 1][s - 1] : nullptr;
}

void TNotesMatch::SetNote(int cote, int s, const std::string& texte)
{
    if (TNote* n = GetNote(cote, s)) {
        n->Note = texte;
        Touche();
    }
}

bool TNotesMatch::MatchQualifie(int jour, int n) const
{
    const TDonneesChampionnat* c = GetChampionnat();
    return c && c->GetValeurMatch(jour, 4 * n - 2) != TInfoComp::Aucun &&
           c->GetValeurMatch(jour, 4 * n) != TInfoComp::Aucun;
}

void TNotesMatch::AfficherMatch()
{
    // Every slot is reset: a slot whose player is not found shows nothing
    // of the match shown before.
    for (auto& equipe : Notes)
        equipe.fill(TNote{});
    if (!ChargeMatch()) {
        Montre();
        return;
    }
    const TDonneesChampionnat* c = GetChampionnat();
    const int jour = c->NbJournee;
    for (int cote = 1; cote <= 2; ++cote) {
        const uint16_t equipe = GetIdEquipe(cote);
        const int p = c->IndexEquipe(equipe);
        for (int s = 1; s <= 14; ++s) {
            TNote& n = Notes[cote - 1][s - 1];
            const uint16_t id = c->GetCompoMatch(jour, p, s <= 11 ? s : 2 * s - 11);
            const TJoueur* j = id != 0 ? ChercheJoueur(Saison, id, equipe) : nullptr;
            if (!j)
                continue;
            const uint8_t note = c->GetNoteJoueurMatch(jour, p, s);
            n.Joueur = id;
            n.Nom = CapitaliseNom(j->GetPrenomNom());
            n.Note = note == 255 ? std::string() : std::to_string(note);
            n.Visible = true;
        }
    }
    Montre();
}

void TNotesMatch::Enregistre(bool libereListes)
{
    TDonneesChampionnat* c = DebutEnregistre(libereListes);
    if (!c)
        return;
    const int jour = c->NbJournee;
    for (int cote = 1; cote <= 2; ++cote) {
        const int p = c->IndexEquipe(GetIdEquipe(cote));
        bool change = false;
        for (int s = 1; s <= 14; ++s) {
            const TNote& n = Notes[cote - 1][s - 1];
            if (!n.Visible)
                continue;
            const uint8_t note = LitNoteSaisie(n.Note);
            if (note != c->GetNoteJoueurMatch(jour, p, s)) {
                c->SetNoteJoueurMatch(jour, p, s, note);
                change = true;
            }
        }
        if (change) {
            c->SetNoteJoueurMatch(jour, p, 15, 1);
            Modifie();
        }
    }
}
