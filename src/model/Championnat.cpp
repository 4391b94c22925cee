#include "model/Championnat.h"

#include <algorithm>

#include "base/Texte.h"
#include "model/ContexteSaison.h"

// --- TListesJour ---

void TListesJour::Redimensionne(int n, const TContexteSaison* saison)
{
    n = std::max(n, 0);
    if (n < Nombre())
        Listes.resize(n);
    while (Nombre() < n)
        Listes.push_back(std::make_unique<TListeDonnees>(saison));
}

void TListesJour::VideTout()
{
    for (auto& l : Listes)
        l->Vide();
}

void TListesJour::SetSaison(const TContexteSaison* saison)
{
    for (auto& l : Listes)
        l->SetSaison(saison);
}

void TListesJour::ConvertitJoueurs(const TListeRenumerotation& paires)
{
    if (paires.empty())
        return;
    const TRenumeroteur renum(paires);
    for (auto& l : Listes)
        for (int i = 0; i < l->Nombre(); ++i) {
            TDonneesEvt* e = l->Get(i);
            const int nouveau = renum.Applique(e->GetJoueur());
            if (nouveau != e->GetJoueur())
                e->SetJoueur(nouveau);
        }
}

// --- TDonneesChampionnat ---

TDonneesChampionnat::TDonneesChampionnat(TContexteSaison* saison, uint8_t sport, uint8_t genre)
    : Genre(genre), Sport(sport), Saison(saison), Calendrier(this)
{
    // The defaults the options dialog offers.
    Options[0] = 1;
    Options[2] = 5;
    Options[3] = 3;
    Options[4] = 3;
    Options[5] = 1;
    Options[7] = 1;
    Options[10] = 255;
    Options[12] = 3;
    Options[16] = 4;
    Options[17] = 2;
    Options[18] = 2;
    OptionsArbitre[2] = 6;
    OptionsArbitre[3] = 6;
    TDonneesChampionnat::Vide(false);
}

TDonneesChampionnat::~TDonneesChampionnat() = default;

void TDonneesChampionnat::SetSaison(TContexteSaison* saison)
{
    Saison = saison;
    Buteurs.SetSaison(saison);
    Cartons.SetSaison(saison);
}

uint16_t TDonneesChampionnat::GetValeurMatch(int jour, int code) const
{
    if (jour < 1 || jour > NbJour || code < 1)
        return TInfoComp::Aucun;
    const TInfoComp* m = GetMatch(jour, (code - 1) / 4 + 1);
    if (!m)
        return TInfoComp::Aucun;
    switch ((code - 1) % 4) {
    case 0:
        return m->GetEquipe(0);
    case 2:
        return m->GetEquipe(1);
    default: {
        const uint16_t s = m->GetScore((code - 1) % 4 == 1 ? 0 : 1);
        return s == TInfoComp::Aucun ? s : static_cast<uint16_t>(s & 0x7FFF);
    }
    }
}

int TDonneesChampionnat::GetNbMatchJournee(int jour) const
{
    if (!EstCoupe()) {
        if (!(Options[11] & 8))
            return NbMatch;
        const TInfoCompJour* j = GetJournee(jour);
        return j ? j->NbMatch() : 0;
    }
    const TTourCoupeJour* t = GetTourCoupe(jour - 1);
    if (!t)
        return 0;
    return t->NbMatch + (jour == NbJour && PetiteFinale ? 1 : 0);
}

int TDonneesChampionnat::GetNbMatchCourant() const
{
    if (!EstCoupe())
        return NbMatch;
    const TTourCoupeJour* t = NbJournee == 0 ? nullptr : GetTourCoupe(NbJournee - 1);
    return t ? t->NbMatch : 0;
}

void TDonneesChampionnat::SetNbMatch(int n)
{
    if (!EstCoupe())
        NbMatch = static_cast<uint8_t>(std::clamp(n, 0, 255));
}

// --- Teams ---

int TDonneesChampionnat::IndexEquipe(int id) const
{
    if (id < 0)
        return -1;
    auto it = std::find(Equipes.begin(), Equipes.end(), id);
    return it == Equipes.end() ? -1 : static_cast<int>(it - Equipes.begin());
}

int TDonneesChampionnat::GetEquipe(int p) const
{
    return p >= 0 && p < static_cast<int>(Equipes.size()) ? Equipes[p] : -1;
}

void TDonneesChampionnat::SetEquipe(int p, uint16_t id)
{
    if (p >= 0 && p < static_cast<int>(Equipes.size()))
        Equipes[p] = id;
}

void TDonneesChampionnat::SetNbEquipe(int n)
{
    n = std::clamp(n, 0, MaxEquipes);
    Equipes.resize(n, TInfoComp::Aucun);
    NbEquipe = NbEquipePlacees = static_cast<uint8_t>(n);
}

bool TDonneesChampionnat::AjouteEquipe(uint16_t id)
{
    if (IndexEquipe(id) >= 0 && id != TInfoComp::Aucun)
        return false;
    auto libre = std::find(Equipes.begin(), Equipes.end(), TInfoComp::Aucun);
    if (libre != Equipes.end()) {
        *libre = id;
    } else {
        if (Equipes.size() >= MaxEquipes)
            return false;
        Equipes.push_back(id);
        NbEquipe = static_cast<uint8_t>(Equipes.size());
    }
    NbEquipePlacees = static_cast<uint8_t>(std::min<int>(NbEquipePlacees + 1, NbEquipe));
    return true;
}

void TDonneesChampionnat::TrieEquipes(const TContexteSaison& saison)
{
    // Option byte 10 names the followed team by its position: it must follow the team.
    const int suivie = GetOption(10) < Equipes.size() ? Equipes[GetOption(10)] : -1;
    std::stable_sort(Equipes.begin(), Equipes.end(), [&saison](uint16_t a, uint16_t b) {
        return AnsiCompareText(saison.GetNomEquipe(a), saison.GetNomEquipe(b)) < 0;
    });
    if (suivie >= 0)
        SetOption(10, static_cast<uint8_t>(IndexEquipe(suivie)));
}

// --- Days and matches ---

void TDonneesChampionnat::SetNbJour(int n)
{
    n = std::max(n, 0);
    if (n < NbJour)
        Calendrier.TronqueJournees(n);
    Buteurs.Redimensionne(n, Saison);
    Cartons.Redimensionne(n, Saison);
    Penaltys.resize(n);
    NbJour = n;
}

void TDonneesChampionnat::SetOctetDateJournee(int n, int k, uint8_t b)
{
    if (k >= 1 && k <= 4)
        SetDateJournee(n, SetOctetDateMatch(GetDateJournee(n), k, b));
}

TInfoComp* TDonneesChampionnat::GetMatch(int n, int m) const
{
    const TInfoCompJour* j = GetJournee(n);
    return j ? j->GetMatch(m - 1) : nullptr;
}

TInfoComp* TDonneesChampionnat::GetMatchEquipe(int n, int id) const
{
    const TInfoCompJour* j = GetJournee(n);
    return j && id >= 0 ? j->GetMatch(j->IndexEquipe(static_cast<uint16_t>(id))) : nullptr;
}

TInfoComp* TDonneesChampionnat::ChercheMatchEquipes(int n, uint16_t id1, uint16_t id2, bool creer)
{
    return Calendrier.CherchOuCreeMatch(n, id1, -1, creer, 0, id2);
}

TInfoComp* TDonneesChampionnat::ChercheMatchEquipesDate(int n, uint16_t id1, uint16_t id2, bool creer, TDateMatch date)
{
    return Calendrier.CherchOuCreeMatch(n, id1, -1, creer, date, id2);
}

int TDonneesChampionnat::AjouteMatch(int n, int id1, int id2, int index, uint16_t score1, uint16_t score2)
{
    return AjouteMatchDate(n, id1, id2, 0, index, score1, score2);
}

int TDonneesChampionnat::AjouteMatchDate(int n, int id1, int id2, TDateMatch date, int index, uint16_t score1,
                                         uint16_t score2)
{
    if (id1 < 0 || id1 > 65534 || id2 < 0 || id2 > 65534 || n < 1)
        return -1;
    const uint16_t e1 = static_cast<uint16_t>(id1), e2 = static_cast<uint16_t>(id2);
    if (const TInfoCompJour* j = GetJournee(n)) {
        if (const int i = j->IndexEquipes(e1, e2); i >= 0) {
            TInfoComp* m = j->GetMatch(i);
            if (score1 != TInfoComp::Aucun)
                m->SetScore(0, score1);
            if (score2 != TInfoComp::Aucun)
                m->SetScore(1, score2);
            return i;
        }
    }
    const int place1 = Calendrier.SupprimeMatchsEquipe(n, e1);
    const int place2 = Calendrier.SupprimeMatchsEquipe(n, e2);
    int place = place1 < 0 || (place2 >= 0 && place2 < place1) ? place2 : place1;
    if (index >= 0)
        place = index;
    // A match without a date of its own must not take the day's date away.
    const TDateMatch dateJour = GetJournee(n) && GetDateJournee(n) != 0 ? GetDateJournee(n) : date;
    auto m = std::make_unique<TInfoComp>(e1, e2);
    // Nor stay undated in a dated day: the file gives it the day's date when
    // read back, and a second save would differ from the first.
    m->SetDate(date != 0 ? date : dateJour);
    m->SetScore(0, score1);
    m->SetScore(1, score2);
    int i = Calendrier.AjouteMatch(n, std::move(m), dateJour, -1);
    TInfoCompJour* j = GetJournee(n);
    if (place >= 0 && place < i) {
        j->DeplaceMatch(i, place);
        i = place;
    }
    return i;
}

void TDonneesChampionnat::DeplaceMatchDate(int n, int m, TDateMatch date)
{
    Calendrier.DeplaceMatchDate(GetMatch(n, m), date);
}

// --- Per-match values ---

int TDonneesChampionnat::GetAffluence(int n, int m) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetAffluence() : -1;
}

void TDonneesChampionnat::SetAffluence(int n, int m, int v)
{
    if (TInfoComp* x = GetMatch(n, m))
        x->SetAffluence(v);
}

int TDonneesChampionnat::GetArbitre(int n, int m, int i) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetArbitre(i) : -1;
}

void TDonneesChampionnat::SetArbitre(int n, int m, int i, int id)
{
    if (TInfoComp* x = GetMatch(n, m))
        x->SetArbitre(i, id);
}

uint8_t TDonneesChampionnat::GetNoteArbitre(int n, int m, int i) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetNoteArbitreN(i) : 0;
}

void TDonneesChampionnat::SetNoteArbitre(int n, int m, int i, uint8_t note)
{
    if (TInfoComp* x = GetMatch(n, m))
        x->SetNoteArbitreN(i, note);
}

uint8_t TDonneesChampionnat::GetNoteMatch(int n, int m) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetNoteMatch() : 0;
}

void TDonneesChampionnat::SetNoteMatch(int n, int m, uint8_t note)
{
    if (TInfoComp* x = GetMatch(n, m))
        x->SetNoteMatch(note);
}

TDateMatch TDonneesChampionnat::GetDateMatch(int n, int m) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetDate() : 0;
}

int TDonneesChampionnat::GetStadeMatch(int n, int m) const
{
    const TInfoComp* x = GetMatch(n, m);
    return x ? x->GetStade() : TInfoComp::Aucun;
}

void TDonneesChampionnat::SetStadeMatch(int n, int m, uint16_t code)
{
    if (TInfoComp* x = GetMatch(n, m))
        x->SetStade(code);
}

std::string TDonneesChampionnat::GetCommentaireMatch(int n, uint16_t id1, uint16_t id2) const
{
    const TInfoCompJour* j = GetJournee(n);
    const TInfoComp* x = j ? j->GetMatchEquipes(id1, id2) : nullptr;
    return x ? x->GetComment() : std::string();
}

void TDonneesChampionnat::SetCommentaireMatch(int n, uint16_t id1, uint16_t id2, std::string texte)
{
    const TInfoCompJour* j = GetJournee(n);
    if (TInfoComp* x = j ? j->GetMatchEquipes(id1, id2) : nullptr)
        x->SetComment(std::move(texte));
}

// --- Line-ups and ratings ---

uint16_t TDonneesChampionnat::GetCompoMatch(int n, int p, int i) const
{
    const TInfoComp* m = GetMatchPosition(n, p);
    return m ? m->GetCompo(static_cast<uint16_t>(GetEquipe(p)), i) : 0;
}

void TDonneesChampionnat::SetCompoMatch(int n, int p, int i, uint16_t v)
{
    if (TInfoComp* m = GetMatchPosition(n, p))
        m->SetCompo(static_cast<uint16_t>(GetEquipe(p)), i, v);
}

uint8_t TDonneesChampionnat::GetNoteJoueurMatch(int n, int p, int i) const
{
    const TInfoComp* m = GetMatchPosition(n, p);
    return m ? m->GetNoteJoueur(static_cast<uint16_t>(GetEquipe(p)), i) : 0;
}

void TDonneesChampionnat::SetNoteJoueurMatch(int n, int p, int i, uint8_t v)
{
    if (TInfoComp* m = GetMatchPosition(n, p))
        m->SetNoteJoueur(static_cast<uint16_t>(GetEquipe(p)), i, v);
}

void TDonneesChampionnat::VideCompos(int n, const std::vector<int>& positions)
{
    for (int p : positions)
        for (int i = 1; i <= 20; ++i)
            SetCompoMatch(n, p, i, 0);
}

void TDonneesChampionnat::VideNotes(int n, const std::vector<int>& positions)
{
    for (int p : positions) {
        for (int i = 1; i <= 14; ++i)
            SetNoteJoueurMatch(n, p, i, 255);
        SetNoteJoueurMatch(n, p, 15, 0);
    }
}

std::string TDonneesChampionnat::GetTexteCompo(int n, uint16_t id) const
{
    const TInfoComp* m = GetMatchEquipe(n, id);
    return m && Saison ? m->GetTexteCompo(id, *Saison) : std::string();
}

// --- Results ---

TInfoComp* TDonneesChampionnat::SetScoreMatch(int n, int i, int cote, uint16_t v)
{
    TInfoComp* m = GetMatch(n, i + 1);
    if (m)
        m->SetScore(cote, v);
    return m;
}

void TDonneesChampionnat::SetQualifie(int n, uint16_t id1, uint16_t id2, int cote)
{
    const TInfoCompJour* j = GetJournee(n);
    TInfoComp* m = j ? j->GetMatchEquipes(id1, id2) : nullptr;
    if (!m || m->GetScore(0) == TInfoComp::Aucun)
        return;
    const int qualifie = cote == 0 ? 0 : 1;
    for (int c = 0; c < 2; ++c) {
        const uint16_t s = m->GetScore(c);
        // An unplayed score stays unplayed: only goals carry the flag.
        if (s != TInfoComp::Aucun)
            m->SetScore(c, c == qualifie ? (s | 0x8000) : (s & 0x7FFF));
    }
}

int TDonneesChampionnat::GetQualifie(int n, uint16_t id1, uint16_t id2) const
{
    const TInfoCompJour* j = GetJournee(n);
    const TInfoComp* m = j ? j->GetMatchEquipes(id1, id2) : nullptr;
    if (!m)
        return 2;
    if (m->GetScore(0) != TInfoComp::Aucun && (m->GetScore(0) & 0x8000))
        return 0;
    if (m->GetScore(1) != TInfoComp::Aucun && (m->GetScore(1) & 0x8000))
        return 1;
    return 2;
}

int TDonneesChampionnat::NbMatchJoue(uint16_t id) const
{
    int nombre = 0;
    for (int n = 1; n <= NbJour; ++n) {
        const TInfoCompJour* j = GetJournee(n);
        if (!j)
            continue;
        for (int i = 0; i < j->NbMatch(); ++i) {
            const TInfoComp* m = j->GetMatch(i);
            if ((m->GetEquipe(0) == id || m->GetEquipe(1) == id) && m->GetScore(0) != TInfoComp::Aucun) {
                ++nombre;
                break;
            }
        }
    }
    return nombre;
}

// --- Shoot-outs ---

void TDonneesChampionnat::AjoutePenaltys(int n, uint16_t id1, uint16_t id2, uint8_t buts1, uint8_t buts2)
{
    AjoutePenaltysRecord(n, TPenaltys{id1, id2, buts1, buts2});
}

void TDonneesChampionnat::AjoutePenaltysRecord(int n, const TPenaltys& p)
{
    if (n >= 1 && n <= NbJour)
        Penaltys[n - 1].push_back(std::make_unique<TPenaltys>(p));
}

std::vector<TListeDonnees*> TDonneesChampionnat::GetListesJournee(int n) const
{
    std::vector<TListeDonnees*> listes;
    for (TListeDonnees* l : {GetButeursJournee(n), GetCartonsJournee(n)})
        if (l)
            listes.push_back(l);
    return listes;
}

TPenaltys* TDonneesChampionnat::CherchePenaltys(int n, uint16_t id1, uint16_t id2) const
{
    if (n < 1 || n > NbJour)
        return nullptr;
    for (const auto& p : Penaltys[n - 1])
        if (p->Equipe1 == id1 && p->Equipe2 == id2)
            return p.get();
    return nullptr;
}

void TDonneesChampionnat::SupprimePenaltys(int n, uint16_t id1, uint16_t id2)
{
    if (n < 1 || n > NbJour)
        return;
    auto& liste = Penaltys[n - 1];
    auto it =
        std::find_if(liste.begin(), liste.end(), [&](const auto& p) { return p->Equipe1 == id1 && p->Equipe2 == id2; });
    if (it != liste.end())
        liste.erase(it);
}

// --- Options, groups, cup rounds ---

void TDonneesChampionnat::SetCode(int c)
{
    if (c < 1001) {
        Division = c;
        CodePerso = 0;
    } else {
        Division = 0;
        CodePerso = static_cast<uint16_t>(c - 1000);
    }
}

TGroupeEquipe* TDonneesChampionnat::AjouteGroupe(std::unique_ptr<TGroupeEquipe> groupe)
{
    if (!groupe)
        return nullptr;
    Groupes.push_back(std::move(groupe));
    return Groupes.back().get();
}

void TDonneesChampionnat::CreeToursCoupe(const std::vector<TTourCoupeJour>& tours)
{
    int jours = 0;
    for (const TTourCoupeJour& t : tours) {
        std::vector<uint32_t> jambes;
        switch (t.TypeTour()) {
        case 1:
            jambes = {0x00};
            break;
        case 2:
            jambes = {0x40, 0x80};
            break;
        case 3:
            jambes = {0x40, 0xC0};
            break;
        case 4:
            jambes = {0x40, 0x80, 0xC0};
            break;
        case 5:
            jambes = {0x10, 0x30, 0x50};
            break;
        case 6:
            jambes = {0x10, 0x30, 0x50, 0x70, 0x90};
            break;
        case 7:
            jambes = {0x10, 0x30, 0x50, 0x70, 0x90, 0xB0, 0xD0};
            break;
        default:
            break;
        }
        for (uint32_t jambe : jambes) {
            TTourCoupeJour jour = t;
            jour.TypeMatch = static_cast<uint32_t>(t.TypeTour()) | jambe;
            AjouteTourCoupe(jour);
            ++jours;
        }
    }
    SetNbMatch(0);
    SetNbJour(jours);
}

void TDonneesChampionnat::AjouteTourCoupe(TTourCoupeJour tour)
{
    // Older files mark the second leg of a home-and-away round 0xC2; the cup
    // pages read that leg as 0x82.
    if ((tour.TypeMatch & 0xFF) == 0xC2)
        tour.TypeMatch = (tour.TypeMatch & ~0xFFu) | 0x82;
    ToursCoupe.push_back(tour);
}

void TDonneesChampionnat::AjouteMatchSuiv(int index, uint16_t dom, uint16_t ext)
{
    const int slot = (index >> 1) & 0xFF;
    if (dom != TInfoComp::Aucun)
        MatchsSuiv.push_back(slot | (dom << 8));
    else if (ext != TInfoComp::Aucun)
        MatchsSuiv.push_back(slot | (ext << 8));
}

void TDonneesChampionnat::RenumeroteMatchsSuiv(const std::function<uint16_t(uint16_t)>& Carte)
{
    const std::vector<int> suivants = std::move(MatchsSuiv);
    MatchsSuiv.clear();
    for (int e : suivants)
        AjouteMatchSuiv((e & 0xFF) << 1, Carte(static_cast<uint16_t>(e >> 8)), TInfoComp::Aucun);
}

int TDonneesChampionnat::GetMatchSuiv(int slot) const
{
    int i = 0;
    while (i < static_cast<int>(MatchsSuiv.size()) && slot > (MatchsSuiv[i] & 0xFF))
        ++i;
    if (i < static_cast<int>(MatchsSuiv.size()) && (MatchsSuiv[i] & 0xFF) == slot)
        return MatchsSuiv[i] >> 8;
    return -(i + 1);
}

// --- Checks, renumbering, copies ---

void TDonneesChampionnat::ConvertitPositionsJournee(int n)
{
    Calendrier.RenumeroteEquipes(n, NbEquipe, Equipes);
}

TInfoComp* TDonneesChampionnat::ChercheArbitrePrecedent(int arbitre, uint16_t id1, uint16_t id2, int& jour) const
{
    auto arbitre_de = [arbitre](const TInfoComp* m) {
        return m && (m->GetArbitre(1) == arbitre || m->GetArbitre(2) == arbitre || m->GetArbitre(3) == arbitre);
    };
    for (int n = std::min(jour, NbJour + 1) - 1; n >= 1; --n) {
        for (uint16_t id : {id1, id2}) {
            TInfoComp* m = GetMatchEquipe(n, id);
            if (arbitre_de(m)) {
                jour = n;
                return m;
            }
        }
    }
    jour = 0;
    return nullptr;
}

bool TDonneesChampionnat::ResultatManuel(int n, const TInfoComp& m) const
{
    const TPenalite* p = Penalites.Cherche(m.GetEquipe(0), m.GetEquipe(1), n);
    return p && p->Type == TPenalite::ResultatManuel;
}

std::vector<uint8_t> TDonneesChampionnat::ControleJournee(int n, int& nombre) const
{
    nombre = 0;
    const int nbMatch = GetNbMatchJournee(n);
    std::vector<uint8_t> drapeaux(7 * static_cast<std::size_t>(nbMatch), 0);
    std::vector<int> buts(NbEquipe, 0);
    std::vector<uint8_t> minutes(NbEquipe, 1);
    CompteButsEquipes(n, buts, minutes);
    for (int k = 0; k < nbMatch; ++k) {
        const TInfoComp* m = GetMatch(n, k + 1);
        if (!m || !m->Joue() || ResultatManuel(n, *m))
            continue;
        ++nombre;
        uint8_t* d = &drapeaux[7 * k];
        const int p[2] = {IndexEquipe(m->GetEquipe(0)), IndexEquipe(m->GetEquipe(1))};
        auto butsDe = [&](int c) { return p[c] < 0 ? 0 : buts[p[c]]; };
        auto minutesDe = [&](int c) { return p[c] < 0 ? 1 : minutes[p[c]]; };
        d[0] = m->GetAffluence() > 0;
        d[1] = (m->GetScore(0) & 0x7FFF) == butsDe(0) && (m->GetScore(1) & 0x7FFF) == butsDe(1);
        d[2] = minutesDe(0) == 1 && minutesDe(1) == 1;
        d[3] = (m->GetCompoCote(0, 20) >> 8) != 0 && (m->GetCompoCote(1, 20) >> 8) != 0;
        d[4] = d[5] = 1;
        for (int c = 0; c < 2; ++c)
            for (int s = 1; s <= 3; ++s) {
                const bool sortant = m->GetCompoCote(c, 10 + 2 * s) != 0;
                const bool entrant = m->GetCompoCote(c, 11 + 2 * s) != 0;
                if (sortant && (m->GetCompoCote(c, 17 + s) & 0xFF) == 0)
                    d[4] = 0;
                if (sortant != entrant)
                    d[5] = 0;
            }
        d[6] = 1;
    }
    return drapeaux;
}

void TDonneesChampionnat::ConvertitJoueurs(const TListeRenumerotation& paires)
{
    Buteurs.ConvertitJoueurs(paires);
    Cartons.ConvertitJoueurs(paires);
    // Every word naming a player: the starters, the substitution pairs and
    // the captain, so no line-up keeps an id its player gave up.
    static constexpr int MotsJoueurs[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 21};
    if (paires.empty())
        return;
    const TRenumeroteur renum(paires, false);
    for (int n = 1; n <= NbJour; ++n)
        for (int p = 0; p < NbEquipe; ++p) {
            TInfoComp* m = GetMatchPosition(n, p);
            if (!m)
                continue;
            const auto equipe = static_cast<uint16_t>(GetEquipe(p));
            for (int i : MotsJoueurs) {
                const uint16_t joueur = m->GetCompo(equipe, i);
                if (joueur == 0)
                    continue;
                const int nouveau = renum.Applique(joueur);
                if (nouveau != joueur)
                    m->SetCompo(equipe, i, static_cast<uint16_t>(nouveau));
            }
        }
}

void TDonneesChampionnat::ConvertitArbitres(const TListeRenumerotation& paires)
{
    if (paires.empty())
        return;
    const TRenumeroteur renum(paires);
    for (int n = 1; n <= NbJour; ++n)
        if (const TInfoCompJour* j = GetJournee(n))
            for (int i = 0; i < j->NbMatch(); ++i)
                for (int a = 1; a <= 3; ++a) {
                    TInfoComp* m = j->GetMatch(i);
                    const int nouveau = renum.Applique(m->GetArbitre(a));
                    if (nouveau != m->GetArbitre(a))
                        m->SetArbitre(a, nouveau);
                }
}

void TDonneesChampionnat::CopieEvenements(const TDonneesChampionnat& source, const TListeDonnees* de,
                                          TListeDonnees* vers) const
{
    if (!de || !vers)
        return;
    for (int i = 0; i < de->Nombre(); ++i) {
        const TDonneesEvt* e = de->Get(i);
        const int equipe = GetEquipe(source.IndexEquipe(e->GetEquipe()));
        if (equipe >= 0)
            vers->Ajoute(std::make_unique<TDonneesEvt>(e->GetJoueur(), static_cast<uint16_t>(equipe), e->GetMot()));
    }
}

void TDonneesChampionnat::CopieResultats(const TDonneesChampionnat& source)
{
    NbJournee = source.NbJournee;
    if (source.NbJour > NbJour)
        SetNbJour(source.NbJour);
    auto convertit = [&](uint16_t id) { return GetEquipe(source.IndexEquipe(id)); };
    for (int n = 1; n <= source.NbJour; ++n) {
        const TInfoCompJour* j = source.GetJournee(n);
        for (int i = 0; j && i < j->NbMatch(); ++i) {
            const TInfoComp* m = j->GetMatch(i);
            const int index = AjouteMatch(n, convertit(m->GetEquipe(0)), convertit(m->GetEquipe(1)), -1, m->GetScore(0),
                                          m->GetScore(1));
            if (index < 0)
                continue;
            TInfoComp* copie = GetJournee(n)->GetMatch(index);
            copie->SetAffluence(m->GetAffluence());
            copie->SetComment(m->GetComment());
            for (int a = 1; a <= 3; ++a)
                copie->SetArbitre(a, m->GetArbitre(a));
            Calendrier.DeplaceMatchDate(copie, m->GetDate());
            int stade = m->GetStade();
            if (stade != TInfoComp::Aucun && Saison && source.Saison && Saison != source.Saison)
                stade = Saison->ImporteStade(*source.Saison, stade);
            copie->SetStade(static_cast<uint16_t>(stade));
        }
    }
    for (int n = 1; n <= source.NbJour; ++n) {
        for (int k = 1; k <= 4; ++k)
            SetOctetDateJournee(n, k, source.GetOctetDateJournee(n, k));
        for (int p = 0; p < NbEquipe; ++p) {
            for (int i = 1; i <= 20; ++i)
                SetCompoMatch(n, p, i, source.GetCompoMatch(n, p, i));
            for (int i = 1; i <= 15; ++i)
                SetNoteJoueurMatch(n, p, i, source.GetNoteJoueurMatch(n, p, i));
        }
        CopieEvenements(source, source.GetButeursJournee(n), GetButeursJournee(n));
        CopieEvenements(source, source.GetCartonsJournee(n), GetCartonsJournee(n));
    }
}

void TDonneesChampionnat::Vide(bool tout)
{
    Calendrier.Vide(0);
    if (tout) {
        Buteurs.VideTout();
        Cartons.VideTout();
        for (auto& jour : Penaltys)
            jour.clear();
    }
    Penalites.Vide();
}

void TDonneesChampionnat::VideJournee(int n)
{
    Calendrier.Vide(n);
    if (TListeDonnees* l = GetButeursJournee(n))
        l->Vide();
    if (TListeDonnees* l = GetCartonsJournee(n))
        l->Vide();
    if (n >= 1 && n <= NbJour)
        Penaltys[n - 1].clear();
}

int ProchainMatchValide(const TDonneesChampionnat& champ, int& numMatch)
{
    const int jour = champ.NbJournee;
    const int nbMatch = champ.GetNbMatchJournee(jour);
    numMatch = std::max(numMatch, 1);
    int essais = 0;
    while (essais <= nbMatch) {
        ++essais;
        if (numMatch > nbMatch)
            numMatch = 1;
        if (champ.GetValeurMatch(jour, 4 * (numMatch - 1) + 1) != TInfoComp::Aucun &&
            champ.GetValeurMatch(jour, 4 * (numMatch - 1) + 3) != TInfoComp::Aucun)
            return essais;
        ++numMatch;
    }
    return essais;
}
