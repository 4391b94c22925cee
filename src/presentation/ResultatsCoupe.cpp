#include "presentation/ResultatsCoupe.h"

#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "presentation/ResultatsJournee.h"

bool SortieScoreCoupe(TResultatsJournee& page, int ligne, const DecisionCoupe::TDemandeTirsAuBut& demande)
{
    TDonneesChampionnat* c = page.GetChampionnat();
    TLigneResultat* r = page.GetLigne(ligne);
    if (!c || !r || !page.GetSaison() || !c->EstCoupe() || c->NbJournee != page.GetJournee())
        return false;
    // The shoot-out question takes the focus from the edit, and a window
    // manager may hand it back and take it again: none of that is a new score.
    if (r->ScoreDecide == r->Score)
        return false;
    r->ScoreDecide = r->Score;
    DecisionCoupe::TLigneCoupe l;
    l.Equipe1 = r->Equipe[0], l.Equipe2 = r->Equipe[1];
    l.Score1 = r->Score[0], l.Score2 = r->Score[1];
    l.TirsAuBut = static_cast<int>(r->TirsAuBut);
    l.Info = r->Info;
    l.Qualifie = r->Qualifie;
    auto qualifieLigne = [&page](int i) {
        const TLigneResultat* autre = page.GetLigne(i);
        return autre ? static_cast<int>(autre->Qualifie) : 2;
    };
    const bool calendrier = DecisionCoupe::ScoreExit(*c, *page.GetSaison(), ligne, l, demande, qualifieLigne);
    const bool ligneChangee =
        l.TirsAuBut != static_cast<int>(r->TirsAuBut) || l.Info != r->Info || l.Qualifie != r->Qualifie;
    r->TirsAuBut = static_cast<uint32_t>(l.TirsAuBut);
    r->Info = l.Info;
    r->Qualifie = static_cast<uint8_t>(l.Qualifie);
    if (ligneChangee)
        page.MarqueModifiee();
    if (calendrier && page.OnModification)
        page.OnModification();
    if ((ligneChangee || calendrier) && page.SurAffichage)
        page.SurAffichage();
    return ligneChangee || calendrier;
}

bool CompleterResultats(TResultatsJournee& page, bool automatique)
{
    TDonneesChampionnat* c = page.GetChampionnat();
    if (!c)
        return false;
    ControleCalendrier::TActionsCompletion actions;
    actions.Enregistre = [&page] { page.EnregistrerJournee(); };
    actions.ChangeJournee = [&page](int jour) { page.ChangeJournee(jour); };
    actions.Modifie = [&page] {
        if (page.OnModification)
            page.OnModification();
    };
    actions.RechargeJournee = [&page] { page.AfficherJournee(true); };
    return ControleCalendrier::CompleterCalendrier(*c, !automatique, actions);
}

ControleCalendrier::TVerification VerifierResultats(TResultatsJournee& page)
{
    page.EnregistrerJournee();
    TDonneesChampionnat* c = page.GetChampionnat();
    if (!c || !page.GetSaison())
        return {};
    return ControleCalendrier::VerifieJournee(*c, *page.GetSaison(), c->NbJournee);
}

void BrancheResultatsCoupe(TResultatsJournee& page, TServicesResultats services)
{
    page.SurSortieScore = [&page, demande = services.DemandeTirsAuBut](int ligne, int) {
        SortieScoreCoupe(page, ligne, demande);
    };
    page.SurCompletion = [&page](bool automatique) { CompleterResultats(page, automatique); };
    page.SurVerification = [&page, services] {
        const ControleCalendrier::TVerification v = VerifierResultats(page);
        if (services.AfficheVerification)
            services.AfficheVerification(v);
        if (services.ApresVerification)
            services.ApresVerification();
    };
}
