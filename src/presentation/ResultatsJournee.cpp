#include "presentation/ResultatsJournee.h"

#include <algorithm>
#include <limits>
#include <tuple>

#include "base/Horloge.h"
#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "engine/CalculClassement.h"
#include "engine/DecisionCoupe.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"

namespace {

constexpr uint16_t Aucun = TInfoComp::Aucun;
constexpr int TexteEquipeInconnue = 2210;
constexpr int TexteEffacerJournee = 3290;
constexpr int TexteEffacerJourneeEtFeuilles = 3550;

int LitNombre(const std::string& texte, size_t debut, size_t longueur)
{
    if (debut >= texte.size())
        return 0;
    const std::string morceau = Trim(texte.substr(debut, longueur));
    if (morceau.empty() || !std::all_of(morceau.begin(), morceau.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    // Digits only: the one failure left is a number too large for an int.
    int valeur = 0;
    return EssaieStrToInt(morceau, valeur) ? valeur : std::numeric_limits<int>::max();
}

using TRecord = std::tuple<uint16_t, uint16_t, uint8_t, uint8_t, uint8_t>;

std::vector<TRecord> RecordsJour(const TDonneesChampionnat& c, int jour)
{
    std::vector<TRecord> records;
    for (const TPenalite* p : c.GetPenalites().GetJournee(jour))
        records.emplace_back(p->Equipe1, p->Equipe2, p->Valeur1, p->Valeur2, p->Type);
    std::sort(records.begin(), records.end());
    return records;
}

std::vector<const TInfoComp*> MatchsJour(const TDonneesChampionnat& c, int jour)
{
    std::vector<const TInfoComp*> matchs;
    if (const TInfoCompJour* j = c.GetJournee(jour))
        for (int i = 0; i < j->NbMatch(); ++i)
            matchs.push_back(j->GetMatch(i));
    return matchs;
}

int QualifieBrut(const TInfoComp& m)
{
    if (m.GetScore(0) != Aucun && (m.GetScore(0) & 0x8000))
        return 0;
    if (m.GetScore(1) != Aucun && (m.GetScore(1) & 0x8000))
        return 1;
    return 2;
}

void SupprimeEquipes(const std::vector<TListeDonnees*>& listes, uint16_t id)
{
    for (TListeDonnees* l : listes)
        if (l)
            l->SupprimeEquipes({id});
}

} // namespace

TDateMatch LitDateSaisie(const std::string& texte)
{
    return EncodeDateMatch(LitNombre(texte, 0, 2), LitNombre(texte, 3, 2), LitNombre(texte, 6, 4));
}

int LitScoreSaisi(const std::string& texte)
{
    // A stored score keeps bit 15 for the qualified side, and 32767 with that
    // bit set would read as "not played".
    return std::min(LitNombre(texte, 0, texte.size()), 0x7FFE);
}

void TLigneResultat::SetTirsAuBut(int buts1, int buts2)
{
    buts1 = std::clamp(buts1, 0, 255);
    buts2 = std::clamp(buts2, 0, 255);
    TirsAuBut = (static_cast<uint32_t>(buts1) << 16) + static_cast<uint32_t>(buts2);
    Info = TirsAuBut == 0 ? std::string() : TraduitFmt(286, {buts1, buts2});
}

TResultatsJournee::TResultatsJournee(TSaison* saison, const THorloge* horloge) : Saison(saison), Horloge(horloge) {}

TResultatsJournee::~TResultatsJournee() = default;

// ---------------------------------------------------------------- state

TDonneesChampionnat* TResultatsJournee::ChampionnatValide() const
{
    // The rows belong to one championship: it may have left the season since.
    if (!Saison || !Champ)
        return nullptr;
    for (int n = 1; n <= Saison->NbChampionnat(); ++n)
        if (Saison->GetChampionnat(n) == Champ)
            return Champ;
    return nullptr;
}

bool TResultatsJournee::DatesParMatch() const
{
    return Champ && (Champ->GetOption(11) & 4);
}

bool TResultatsJournee::EstCoupe() const
{
    return Champ && Champ->EstCoupe();
}

bool TResultatsJournee::DateJourVisible() const
{
    return ModeParDate || (Champ && (Champ->GetOption(11) & 1));
}

int TResultatsJournee::MaxPiste() const
{
    if (ModeParDate)
        return 999;
    return Champ ? Champ->GetNbJour() : 0;
}

int TResultatsJournee::PositionPiste() const
{
    return Champ ? std::min<int>(Champ->NbJournee, Champ->GetNbJour()) : 0;
}

bool TResultatsJournee::FinalesVisibles() const
{
    return Champ && NbLignes() == 2 && Jour == Champ->GetNbJour() && Champ->PetiteFinale;
}

bool TResultatsJournee::PlacementManuel() const
{
    if (!Champ)
        return false;
    if (!Champ->EstCoupe())
        return true;
    const int jambes = DecisionCoupe::TypeJour(*Champ, Jour) & 0xF0;
    return jambes == 0x00 || jambes == 0x10 || jambes == 0x40;
}

bool TResultatsJournee::GlissementPermis() const
{
    return PlacementManuel() || (Champ && (DecisionCoupe::TypeJour(*Champ, Jour) & 0xF0) == 0xC0);
}

TDateMatch TResultatsJournee::Aujourdhui() const
{
    const TDateHeure d = Horloge ? Horloge->Aujourdhui() : ::Horloge().Aujourdhui();
    return EncodeDateMatch(d.Jour, d.Mois, d.Annee);
}

int TResultatsJournee::IdEquipe(const std::string& nom) const
{
    // The same lookup as the cup decision, so a row never resolves one way
    // when its score is left and another when the day is saved.
    if (!Champ || !Saison || nom.empty())
        return -1;
    return DecisionCoupe::IdEquipeNom(*Champ, *Saison, nom);
}

void TResultatsJournee::Modifie()
{
    if (OnModification)
        OnModification();
}

void TResultatsJournee::Affiche()
{
    if (SurAffichage)
        SurAffichage();
}

void TResultatsJournee::Message(const std::string& nom) const
{
    MessageUtil(TraduitFmt(TexteEquipeInconnue, {nom}), BoutonsMessage::Ok);
}

// ---------------------------------------------------------------- life of the page

void TResultatsJournee::Initialiser()
{
    ChangementPicker = false;
    Champ = Saison ? Saison->GetChampCourant() : nullptr;
    if (!Champ)
        return;
    ModeParDate = (Champ->GetOption(11) & 8) != 0;
    if (Champ->NbJournee == 0)
        Champ->NbJournee = 1;
    Jour = Champ->NbJournee;
    if (!Champ->EstCoupe() && Champ->NbJournee <= Champ->JourneeJouee)
        TrierMatchsSelonClassement();
}

int TResultatsJournee::NbLignesJournee() const
{
    const TInfoCompJour* j = Champ->GetJournee(Jour);
    // Never fewer rows than stored matches: a match without a row would be lost at the save.
    return std::max(Champ->GetNbMatchJournee(Jour), j ? j->NbMatch() : 0);
}

void TResultatsJournee::NouvelleLigne()
{
    auto ligne = std::make_unique<TLigneResultat>();
    ligne->AvecDate = DatesParMatch();
    ligne->AvecInfo = EstCoupe();
    Lignes.push_back(std::move(ligne));
}

void TResultatsJournee::CreerLignes()
{
    VideLignes();
    Champ = Saison ? Saison->GetChampCourant() : nullptr;
    if (Champ) {
        ModeParDate = (Champ->GetOption(11) & 8) != 0;
        Jour = std::max<int>(Champ->NbJournee, 1);
        const int n = NbLignesJournee();
        for (int i = 0; i < n; ++i)
            NouvelleLigne();
        if (ModeParDate)
            NouvelleLigne();
    } else {
        Jour = 0;
    }
    if (SurLignesCreees)
        SurLignesCreees();
    AfficherJournee(false);
}

void TResultatsJournee::AfficherJournee(bool depuisCompletion)
{
    TDonneesChampionnat* c = ChampionnatValide();
    Libres.clear();
    if (!c) {
        Affiche();
        return;
    }
    Jour = std::max<int>(c->NbJournee, 1);

    if (ChangementPicker) {
        DateJour = DatePicker;
    } else {
        const TDateMatch stockee = c->GetDateJournee(Jour);
        if (c->GetOption(11) & 1)
            DatePicker = JourDateMatch(stockee) != 0 ? stockee : Aujourdhui();
        if (JourDateMatch(stockee) != 0) {
            DatePicker = DateJour = stockee;
        } else {
            DatePicker = DateJour = Aujourdhui();
            ValideDateJour(DatePicker);
        }
    }

    bool score = false;
    for (int i = 0; i < NbLignes(); ++i) {
        TLigneResultat& l = *Lignes[i];
        const int base = 4 * i;
        if (l.AvecDate) {
            const TDateMatch d = c->GetDateMatch(Jour, i + 1);
            if (JourDateMatch(d) != 0) {
                l.Date = DateMatchToStr(d);
            } else {
                l.Date = DateMatchToStr(DatePicker);
                ValideDateMatch(i);
            }
        }
        const uint16_t id[2] = {c->GetValeurMatch(Jour, base + 1), c->GetValeurMatch(Jour, base + 3)};
        for (int cote = 0; cote < 2; ++cote) {
            l.Equipe[cote] = id[cote] != Aucun ? Saison->GetNomEquipe(id[cote]) : std::string();
            // Every score the edit takes is shown back: an edit left empty would
            // make the next save erase the match.
            const uint16_t s = c->GetValeurMatch(Jour, base + 2 + 2 * cote);
            l.Score[cote] = s != Aucun ? std::to_string(s) : std::string();
            score = score || s != Aucun;
        }
        l.Qualifie = static_cast<uint8_t>(c->GetQualifie(Jour, id[0], id[1]));
        // Only a record of this very day marks the row.
        const TPenalite* p = c->GetPenalites().Cherche(id[0], id[1], Jour);
        l.TypeResultat = p && (p->Type == TPenalite::ResultatManuel || p->Type == TPenalite::ResultatAttribue)
                             ? p->Type
                             : TLigneResultat::Normal;
        if (l.AvecInfo) {
            const TPenaltys* t = c->CherchePenaltys(Jour, id[0], id[1]);
            l.SetTirsAuBut(t ? t->But1 : 0, t ? t->But2 : 0);
        }
        l.ScoreDecide.reset();
    }

    if (c->EstCoupe() && !score && !depuisCompletion && SurCompletion)
        SurCompletion(true);

    Libres.clear();
    if (PlacementManuel()) {
        std::vector<bool> utilise(c->GetNbEquipe(), false);
        for (const auto& l : Lignes)
            for (const std::string& nom : l->Equipe)
                if (const int p = c->IndexEquipe(IdEquipe(nom)); p >= 0)
                    utilise[p] = true;
        for (int p = 0; p < c->GetNbEquipe(); ++p) {
            const int id = c->GetEquipe(p);
            if (!utilise[p] && id >= 0 && id != Aucun)
                AjouteLibre(Saison->GetNomEquipe(static_cast<uint16_t>(id)));
        }
    }
    Modifiee = false;
    Affiche();
}

void TResultatsJournee::RetirerEvenementsEquipe(int id, bool avecCompo, std::vector<uint8_t>& retires)
{
    const int p = Champ->IndexEquipe(id);
    if (p < 0)
        return;
    if (p < static_cast<int>(retires.size()) && !retires[p]) {
        retires[p] = 1;
        SupprimeEquipes(Champ->GetListesJournee(Jour), static_cast<uint16_t>(id));
    }
    if (avecCompo)
        Champ->VideCompos(Jour, {p});
}

void TResultatsJournee::EnregistrerJournee()
{
    TDonneesChampionnat* c = ChampionnatValide();
    if (!c || Jour < 1) {
        Modifiee = false;
        return;
    }
    const int d = Jour;
    TJournees& calendrier = c->GetJournees();
    const std::vector<const TInfoComp*> avant = MatchsJour(*c, d);
    const std::vector<TRecord> recordsAvant = RecordsJour(*c, d);
    const TDateMatch dateAvant = c->GetDateJournee(d);

    // The day's matches wait here, in their order, until a row claims them.
    TInfoCompJour attente(true);
    for (auto& m : calendrier.RetireMatchsJournee(d)) {
        const int ordinal = attente.NbMatch();
        attente.InsereMatch(m.release(), ordinal);
    }
    std::vector<uint8_t> retires(c->GetNbEquipe(), 0);
    c->GetPenalites().SupprimeJournee(d);
    bool change = false;

    for (const auto& ligne : Lignes) {
        const TLigneResultat& l = *ligne;
        if (!l.Complete())
            continue;
        const int id1 = IdEquipe(l.Equipe[0]);
        const int id2 = IdEquipe(l.Equipe[1]);
        if (id1 < 0 || id2 < 0) {
            Message(id1 < 0 ? l.Equipe[0] : l.Equipe[1]);
            continue;
        }
        const uint16_t e1 = static_cast<uint16_t>(id1), e2 = static_cast<uint16_t>(id2);
        // Without a date edit the day's date: an undated match would take the day's date away.
        const TDateMatch saisie = l.AvecDate ? LitDateSaisie(l.Date) : 0;
        const TDateMatch date = DateMatchToDateTime(saisie) ? saisie : DateJour;

        TInfoComp* m = nullptr;
        int qualifieAvant = 2;
        if (const int k = attente.IndexEquipes(e1, e2); k >= 0) {
            m = attente.RetireMatchIndex(k);
            qualifieAvant = QualifieBrut(*m);
            calendrier.AjouteMatch(d, std::unique_ptr<TInfoComp>(m), date, m->GetOrdinal());
        } else {
            RetirerEvenementsEquipe(id1, true, retires);
            RetirerEvenementsEquipe(id2, true, retires);
            if (TInfoComp* deja = c->GetJournee(d) ? c->GetJournee(d)->GetMatchEquipes(e1, e2) : nullptr) {
                deja->SetAffluence(0);
                for (int a = 1; a <= 3; ++a)
                    deja->SetArbitre(a, -1);
                deja->SetStade(Aucun);
            }
            m = c->ChercheMatchEquipesDate(d, e1, e2, true, date);
            change = true;
            if (!m)
                continue;
        }

        if (l.Score[0].empty() || l.Score[1].empty()) {
            if (m->GetScore(0) != Aucun || m->GetScore(1) != Aucun)
                change = true;
            m->SetScore(0, Aucun);
            m->SetScore(1, Aucun);
            RetirerEvenementsEquipe(id1, false, retires);
            RetirerEvenementsEquipe(id2, false, retires);
        } else {
            for (int cote = 0; cote < 2; ++cote) {
                const uint16_t stocke = m->GetScore(cote);
                const int v = LitScoreSaisi(l.Score[cote]);
                if (stocke == Aucun) {
                    m->SetScore(cote, static_cast<uint16_t>(v));
                    change = true;
                    continue;
                }
                const int s = stocke & 0x7FFF;
                // Fewer goals than recorded: which scorers to keep is not known.
                if (s > v)
                    if (TListeDonnees* buteurs = c->GetButeursJournee(d))
                        buteurs->SupprimeEquipes({cote == 0 ? e1 : e2});
                if (s != v) {
                    m->SetScore(cote, static_cast<uint16_t>(v));
                    change = true;
                }
            }
        }

        // The record holds a byte per side and tells the loser by comparing
        // them: a larger score stops at 255 rather than wrap past the other.
        const auto octet = [](uint16_t score) { return static_cast<uint8_t>(std::min(score & 0x7FFF, 255)); };
        const uint8_t v1 = octet(m->GetScore(0));
        const uint8_t v2 = octet(m->GetScore(1));
        if (l.TypeResultat == TLigneResultat::TapisVert)
            c->GetPenalites().Ajoute(e1, e2, v1, v2, static_cast<uint8_t>(d), TPenalite::ResultatAttribue);
        else if (l.TypeResultat == TLigneResultat::Forfait)
            c->GetPenalites().AjouteMatch(e1, e2, v1, v2, static_cast<uint8_t>(d));

        const TPenaltys* tirs = c->CherchePenaltys(d, e1, e2);
        if (l.AvecInfo && l.TirsAuBut != 0) {
            const uint8_t b1 = static_cast<uint8_t>((l.TirsAuBut >> 16) & 0xFF);
            const uint8_t b2 = static_cast<uint8_t>(l.TirsAuBut & 0xFF);
            // One record per pairing: a second save must not pile them up.
            if (!tirs || tirs->But1 != b1 || tirs->But2 != b2) {
                c->SupprimePenaltys(d, e1, e2);
                c->AjoutePenaltys(d, e1, e2, b1, b2);
                change = true;
            }
        } else if (tirs) {
            c->SupprimePenaltys(d, e1, e2);
            change = true;
        }

        if (l.Qualifie == 0 || l.Qualifie == 1)
            c->SetQualifie(d, e1, e2, l.Qualifie);
        if (QualifieBrut(*m) != qualifieAvant)
            change = true;
    }

    // Pairings no longer entered, a new order, other records or another date
    // are changes too.
    change = change || attente.NbMatch() > 0 || MatchsJour(*c, d) != avant || RecordsJour(*c, d) != recordsAvant ||
             c->GetDateJournee(d) != dateAvant;

    if (change) {
        Modifie();
        int jouee = 0;
        for (int n = 1; n <= c->GetNbJour(); ++n)
            for (const TInfoComp* m : MatchsJour(*c, n))
                if (m->GetScore(0) != Aucun || m->GetScore(1) != Aucun) {
                    jouee = n;
                    break;
                }
        c->JourneeJouee = static_cast<uint8_t>(std::min(jouee, 255));
        for (const std::string& nom : Libres)
            if (const int id = IdEquipe(nom); id >= 0)
                RetirerEvenementsEquipe(id, true, retires);
    }
    Modifiee = false;
    // `attente` frees the matches no row claimed, with everything recorded on them.
}

void TResultatsJournee::ValideSaisieEnCours()
{
    if (Modifiee)
        EnregistrerJournee();
}

void TResultatsJournee::Quitte()
{
    if (Modifiee) {
        EnregistrerJournee();
        TDonneesChampionnat* c = ChampionnatValide();
        if (c && !c->EstCoupe() && c->NbJournee <= c->JourneeJouee)
            TrierMatchsSelonClassement();
    }
    VideLignes();
    Libres.clear();
}

void TResultatsJournee::Rafraichit()
{
    if (!Modifiee)
        CreerLignes();
}

void TResultatsJournee::TrierMatchsSelonClassement()
{
    TDonneesChampionnat* c = ChampionnatValide();
    if (!c || c->EstCoupe())
        return;
    const int jour = c->NbJournee;
    TInfoCompJour* j = c->GetJournee(jour);
    if (!j)
        return;
    TCalculClassement calcul(c, Saison);
    calcul.Calcule(TCalculClassement::General, 1, nullptr, jour);
    // Only the order in which the day is shown changes: showing a page never
    // marks the document, so no modification notice here.
    int place = 0;
    for (int r = 0; r < calcul.GetNbEquipe() && place < j->NbMatch(); ++r) {
        const int id = c->GetEquipe(calcul.GetClassement(r, 1));
        if (id < 0)
            continue;
        for (int i = place; i < j->NbMatch(); ++i) {
            const TInfoComp* m = j->GetMatch(i);
            if (m->GetEquipe(0) == id || m->GetEquipe(1) == id) {
                if (i != place)
                    j->DeplaceMatch(i, place);
                ++place;
                break;
            }
        }
    }
}

std::string TResultatsJournee::GetTitreJournee(const TSaison& saison)
{
    const TDonneesChampionnat* c = saison.GetChampCourant();
    if (!c)
        return {};
    const int jour = c->NbJournee;
    if (!c->EstCoupe())
        return TraduitFmt(151, {jour});
    const TTourCoupeJour* t = c->GetTourCoupe(jour - 1);
    const TTourCoupeJour* premier = c->GetTourCoupe(0);
    const int tour = t ? t->nTour & 0x3F : 0;
    std::string titre;
    if (tour >= 1 && tour <= 6)
        titre = Traduit(270 + tour);
    else
        titre = TraduitFmt(277, {(premier ? premier->nTour & 0x3F : 0) - tour + 1});
    const uint32_t type = t ? t->TypeMatch : 0;
    if (type & 0x10)
        return titre + " - " + TraduitFmt(621, {static_cast<int>(type >> 5) + 1});
    switch ((type >> 6) & 3) {
    case 1:
        return titre + " - " + Traduit(283);
    case 2:
        return titre + " - " + Traduit(285);
    case 3:
        return titre + " - " + Traduit(284);
    default:
        return titre;
    }
}

// ---------------------------------------------------------------- rows and dates

void TResultatsJournee::SetEquipe(int ligne, int cote, const std::string& nom)
{
    if (TLigneResultat* l = GetLigne(ligne); l && (cote == 0 || cote == 1)) {
        l->Equipe[cote] = nom;
        Modifiee = true;
    }
}

void TResultatsJournee::SetScore(int ligne, int cote, const std::string& texte)
{
    if (TLigneResultat* l = GetLigne(ligne); l && (cote == 0 || cote == 1) && l->Score[cote] != texte) {
        l->Score[cote] = texte;
        Modifiee = true;
    }
}

void TResultatsJournee::SetDate(int ligne, const std::string& texte)
{
    if (TLigneResultat* l = GetLigne(ligne); l && l->Date != texte) {
        l->Date = texte;
        Modifiee = true;
    }
}

void TResultatsJournee::SortieScore(int ligne, int cote)
{
    if (GetLigne(ligne) && SurSortieScore)
        SurSortieScore(ligne, cote);
}

bool TResultatsJournee::ScoreEditable(int ligne) const
{
    const TLigneResultat* l = GetLigne(ligne);
    return l && l->Complete();
}

bool TResultatsJournee::ValideDateMatch(int ligne)
{
    TDonneesChampionnat* c = ChampionnatValide();
    const TLigneResultat* l = GetLigne(ligne);
    if (!c || !l || !l->AvecDate)
        return false;
    TInfoComp* m = c->GetMatch(Jour, ligne + 1);
    if (!m)
        return false;
    const TDateMatch lue = LitDateSaisie(l->Date);
    // A date that is not in the calendar (31/02, a blank edit) is not taken:
    // the edit shows the match's date again.
    if (!DateMatchToDateTime(lue)) {
        GetLigne(ligne)->Date = DateMatchToStr(m->GetDate());
        Affiche();
        return false;
    }
    if (lue == m->GetDate())
        return false;
    c->GetJournees().DeplaceMatchDate(m, lue);
    Modifie();
    return true;
}

void TResultatsJournee::ValideDateJour(TDateMatch date)
{
    DatePicker = date;
    TDonneesChampionnat* c = ChampionnatValide();
    if (ModeParDate || !c || Jour < 1 || date == c->GetDateJournee(Jour))
        return;
    c->SetDateJournee(Jour, date);
    DateJour = date;
    Modifie();
    for (const auto& l : Lignes)
        if (l->AvecDate)
            l->Date = DateMatchToStr(date);
    Affiche();
}

void TResultatsJournee::ChangeDateJour(TDateMatch date)
{
    ChangementPicker = true;
    DatePicker = date;
    TDonneesChampionnat* c = ChampionnatValide();
    if (ModeParDate && c && date != c->GetDateJournee(Jour)) {
        EnregistrerJournee();
        const int jour = c->GetJournees().NumeroJourneeDate(date);
        // The current day is a byte.
        if (jour <= 255) {
            c->NbJournee = static_cast<uint8_t>(jour);
            CreerLignes();
            Modifie();
        }
    }
    ChangementPicker = false;
}

void TResultatsJournee::ChangeJournee(int jour)
{
    TDonneesChampionnat* c = ChampionnatValide();
    if (!c || jour < 1 || jour > 255 || jour == c->NbJournee)
        return;
    EnregistrerJournee();
    c->NbJournee = static_cast<uint8_t>(jour);
    if (!c->EstCoupe() && jour <= c->JourneeJouee)
        TrierMatchsSelonClassement();
    const int avant = NbLignes();
    Jour = jour;
    if (c->EstCoupe() || ModeParDate || NbLignesJournee() != avant)
        CreerLignes();
    else
        AfficherJournee(false);
}

// ---------------------------------------------------------------- placing teams

void TResultatsJournee::AjouteLibre(const std::string& nom)
{
    if (nom.empty())
        return;
    auto it = std::find_if(Libres.begin(), Libres.end(),
                           [&nom](const std::string& x) { return CompareTexteSansAccent(x, nom) > 0; });
    Libres.insert(it, nom);
}

void TResultatsJournee::RetireLibre(const std::string& nom)
{
    if (auto it = std::find(Libres.begin(), Libres.end(), nom); it != Libres.end())
        Libres.erase(it);
}

bool TResultatsJournee::PlaceDans(const std::string& nom, int ligne, int cote)
{
    TLigneResultat* l = GetLigne(ligne);
    if (!l || (cote != 0 && cote != 1))
        return false;
    AjouteLibre(l->Equipe[cote]);
    l->Equipe[cote] = nom;
    RetireLibre(nom);
    Modifiee = true;
    return true;
}

bool TResultatsJournee::PlaceEquipe(const std::string& nom)
{
    if (!PlacementManuel())
        return false;
    if (!nom.empty() && IdEquipe(nom) < 0) {
        Message(nom);
        return false;
    }
    if (!nom.empty()) {
        bool place = false;
        for (int i = 0; i < NbLignes() && !place; ++i)
            for (int cote = 0; cote < 2 && !place; ++cote)
                if (Lignes[i]->Equipe[cote].empty()) {
                    PlaceDans(nom, i, cote);
                    AjouterLigneSiDerniere(i);
                    place = true;
                }
    }
    Modifie();
    Affiche();
    return true;
}

void TResultatsJournee::RendEquipe(int ligne, int cote)
{
    TLigneResultat* l = GetLigne(ligne);
    if (!l || (cote != 0 && cote != 1) || l->Equipe[cote].empty())
        return;
    AjouteLibre(l->Equipe[cote]);
    l->Equipe[cote].clear();
    Modifiee = true;
    Affiche();
}

void TResultatsJournee::DeposeEquipe(const std::string& nom, int ligne, int cote)
{
    if (!GlissementPermis() || !GetLigne(ligne))
        return;
    if (IdEquipe(nom) < 0) {
        Message(nom);
        return;
    }
    PlaceDans(nom, ligne, cote);
    Modifie();
    AjouterLigneSiDerniere(ligne);
    Affiche();
}

void TResultatsJournee::EchangeEquipes(int ligne1, int cote1, int ligne2, int cote2)
{
    TLigneResultat* source = GetLigne(ligne1);
    TLigneResultat* cible = GetLigne(ligne2);
    if (!source || !cible || cote1 < 0 || cote1 > 1 || cote2 < 0 || cote2 > 1 || (ligne1 == ligne2 && cote1 == cote2))
        return;
    std::swap(source->Equipe[cote1], cible->Equipe[cote2]);
    Modifiee = true;
    Modifie();
    AjouterLigneSiDerniere(ligne2);
    Affiche();
}

void TResultatsJournee::RendEquipeDeposee(int ligne, int cote)
{
    if (!PlacementManuel())
        return;
    RendEquipe(ligne, cote);
    Modifie();
}

void TResultatsJournee::AjouterLigneSiDerniere(int ligne)
{
    if (!ModeParDate || ligne != NbLignes() - 1)
        return;
    NouvelleLigne();
    if (SurLigneAjoutee)
        SurLigneAjoutee();
}

void TResultatsJournee::ToutEffacer()
{
    for (const auto& l : Lignes) {
        for (int cote = 0; cote < 2; ++cote) {
            AjouteLibre(l->Equipe[cote]);
            l->Equipe[cote].clear();
            l->Score[cote].clear();
        }
    }
    Modifiee = true;
    Affiche();
}

bool TResultatsJournee::JourneeVide() const
{
    for (const auto& l : Lignes)
        for (int cote = 0; cote < 2; ++cote)
            if (!l->Equipe[cote].empty() || !l->Score[cote].empty())
                return false;
    return true;
}

bool TResultatsJournee::FeuillesRemplies() const
{
    const TDonneesChampionnat* c = ChampionnatValide();
    if (!c || Jour < 1)
        return false;
    for (const TListeDonnees* l : c->GetListesJournee(Jour))
        if (l->Nombre() > 0)
            return true;
    for (const TInfoComp* m : MatchsJour(*c, Jour))
        if (m->GetAffluence() > 0 || m->GetStade() != Aucun || m->GetNoteMatch() != 0 || m->GetArbitre(1) >= 0 ||
            m->GetArbitre(2) >= 0 || m->GetArbitre(3) >= 0)
            return true;
    for (int p = 0; p < c->GetNbEquipe(); ++p)
        if (c->CompoSaisie(Jour, p) || c->NotesSaisies(Jour, p))
            return true;
    return false;
}

bool TResultatsJournee::EffaceJourneeSiConfirme()
{
    if (JourneeVide()) {
        ToutEffacer();
        return true;
    }
    // The day's match sheets go with its pairings: the question says so when they hold something.
    const int question = FeuillesRemplies() ? TexteEffacerJourneeEtFeuilles : TexteEffacerJournee;
    if (MessageUtil(Traduit(question), BoutonsMessage::Oui | BoutonsMessage::Non) != ReponseMessage::Oui)
        return false;
    ToutEffacer();
    // Told at once, as every other row edit is, rather than when the day is written back.
    Modifie();
    return true;
}

// ---------------------------------------------------------------- result kind

void TResultatsJournee::RetireEvenementsMatch(uint16_t id1, uint16_t id2)
{
    TDonneesChampionnat* c = ChampionnatValide();
    if (!c)
        return;
    const std::vector<TListeDonnees*> listes = c->GetListesJournee(Jour);
    SupprimeEquipes(listes, id1);
    SupprimeEquipes(listes, id2);
    // The match of these two teams, wherever its row stands in the day.
    if (TInfoComp* m = c->GetJournee(Jour) ? c->GetJournee(Jour)->GetMatchEquipes(id1, id2) : nullptr) {
        m->SetAffluence(0);
        for (int a = 1; a <= 3; ++a)
            m->SetArbitre(a, -1);
    }
    const std::vector<int> positions = {c->IndexEquipe(id1), c->IndexEquipe(id2)};
    c->VideCompos(Jour, positions);
    c->VideNotes(Jour, positions);
}

void TResultatsJournee::Forfait(int ligne)
{
    TLigneResultat* l = GetLigne(ligne);
    if (!l)
        return;
    l->TypeResultat = TLigneResultat::Forfait;
    // The home side is the winner whichever frame was clicked.
    l->Score = {"3", "0"};
    Modifiee = true;
    const int id1 = IdEquipe(l->Equipe[0]), id2 = IdEquipe(l->Equipe[1]);
    if (id1 >= 0 && id2 >= 0)
        RetireEvenementsMatch(static_cast<uint16_t>(id1), static_cast<uint16_t>(id2));
    Affiche();
}

void TResultatsJournee::TapisVert(int ligne)
{
    if (TLigneResultat* l = GetLigne(ligne)) {
        l->TypeResultat = TLigneResultat::TapisVert;
        Modifiee = true;
        Affiche();
    }
}

void TResultatsJournee::MatchNormal(int ligne)
{
    if (TLigneResultat* l = GetLigne(ligne)) {
        l->TypeResultat = TLigneResultat::Normal;
        Modifiee = true;
        Affiche();
    }
}

void TResultatsJournee::Completer()
{
    if (SurCompletion)
        SurCompletion(false);
}

void TResultatsJournee::Verifier()
{
    if (SurVerification)
        SurVerification();
}

// ---------------------------------------------------------------- teams added to a cup

std::vector<std::pair<std::string, int>> TResultatsJournee::CandidatsCoupe() const
{
    std::vector<std::pair<std::string, int>> candidats;
    if (!Saison || !Champ)
        return candidats;
    for (int i = 0; i < Saison->NbEquipe(); ++i) {
        const int id = Saison->GetIdEquipe(i);
        if (id >= 0 && Champ->IndexEquipe(id) < 0)
            candidats.emplace_back(Saison->GetNomEquipeIndex(i), id);
    }
    return candidats;
}

std::vector<std::string> TResultatsJournee::EquipesPresentes() const
{
    std::vector<std::string> noms;
    if (!Saison || !Champ)
        return noms;
    for (int p = 0; p < Champ->GetNbEquipe(); ++p)
        if (const int id = Champ->GetEquipe(p); id >= 0 && id != Aucun)
            noms.push_back(Saison->GetNomEquipe(static_cast<uint16_t>(id)));
    return noms;
}

int TResultatsJournee::AjouteEquipesCoupe(const std::vector<std::pair<std::string, int>>& choisies)
{
    TDonneesChampionnat* c = ChampionnatValide();
    if (!c)
        return 0;
    int ajoutees = 0;
    for (const auto& [nom, objet] : choisies) {
        if (Trim(nom).empty())
            continue;
        const int id = objet >= 0 ? objet : Saison->AjouteEquipe(Trim(nom), -1, true);
        if (id < 0 || id == Aucun || c->IndexEquipe(id) >= 0)
            continue;
        if (!c->AjouteEquipe(static_cast<uint16_t>(id)))
            continue;
        AjouteLibre(Saison->GetNomEquipe(static_cast<uint16_t>(id)));
        ++ajoutees;
    }
    if (ajoutees > 0) {
        Modifie();
        Affiche();
    }
    return ajoutees;
}
