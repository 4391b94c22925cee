#include "model/infocomp.h"

#include <algorithm>

#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/TexteSaisi.h"

using namespace std::chrono;

// --- Packed dates ---

TDateMatch EncodeDateMatch(int jour, int mois, int annee)
{
    const unsigned a = static_cast<unsigned>(annee) & 0xFFFF;
    return (static_cast<unsigned>(jour) & 0xFF) | ((static_cast<unsigned>(mois) & 0xFF) << 8) |
           (((a / 100) & 0xFF) << 16) | ((a % 100) << 24);
}

uint8_t OctetDateMatch(TDateMatch d, int k)
{
    return k >= 1 && k <= 4 ? static_cast<uint8_t>(d >> (8 * (k - 1))) : 0;
}

TDateMatch SetOctetDateMatch(TDateMatch d, int k, uint8_t b)
{
    if (k < 1 || k > 4)
        return d;
    const int decalage = 8 * (k - 1);
    return (d & ~(0xFFu << decalage)) | (static_cast<TDateMatch>(b) << decalage);
}

TDateMatch DateTimeToDateMatch(sys_days t)
{
    const year_month_day ymd{t};
    return EncodeDateMatch(static_cast<int>(static_cast<unsigned>(ymd.day())),
                           static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year()));
}

std::optional<sys_days> DateMatchToDateTime(TDateMatch d)
{
    const year_month_day ymd{year{AnneeDateMatch(d)}, month{static_cast<unsigned>(MoisDateMatch(d))},
                             day{static_cast<unsigned>(JourDateMatch(d))}};
    if (d == 0 || !ymd.ok())
        return std::nullopt;
    return sys_days{ymd};
}

int CompareDateMatch(TDateMatch a, TDateMatch b)
{
    if (AnneeDateMatch(a) != AnneeDateMatch(b))
        return AnneeDateMatch(b) - AnneeDateMatch(a);
    if (MoisDateMatch(a) != MoisDateMatch(b))
        return MoisDateMatch(b) - MoisDateMatch(a);
    return JourDateMatch(b) - JourDateMatch(a);
}

int MoisEntre(TDateMatch a, TDateMatch b)
{
    int mois = (MoisDateMatch(b) - MoisDateMatch(a)) + 12 * (AnneeDateMatch(b) - AnneeDateMatch(a));
    if (JourDateMatch(b) < JourDateMatch(a))
        --mois;
    return mois;
}

namespace {
std::string DeuxChiffres(int v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}
} // namespace

std::string DateMatchToStr(TDateMatch d, bool court)
{
    std::string s = DeuxChiffres(JourDateMatch(d)) + "/" + DeuxChiffres(MoisDateMatch(d)) + "/";
    if (!court)
        s += std::to_string((d >> 16) & 0xFF);
    return s + DeuxChiffres((d >> 24) & 0xFF);
}

bool DateCorrespond(int jour, int mois, int annee, sys_days t)
{
    const year_month_day ymd{t};
    return (jour == -1 || static_cast<unsigned>(ymd.day()) == static_cast<unsigned>(jour)) &&
           (mois == -1 || static_cast<unsigned>(ymd.month()) == static_cast<unsigned>(mois)) &&
           (annee == -1 || static_cast<int>(ymd.year()) == annee);
}

// --- TInfoComp ---

std::string TInfoComp::TexteCommentaire(std::string texte)
{
    return TexteRelu(std::move(texte));
}

void TInfoComp::SetComment(std::string texte)
{
    Comment = TexteCommentaire(std::move(texte));
}

TInfoComp::TInfoComp(uint16_t equipe1, uint16_t equipe2) : Equipe{equipe1, equipe2}
{
    for (auto& cote : Periode)
        cote.fill(255);
    for (auto& cote : Notes) {
        cote.fill(255);
        cote[NbNotes - 1] = 0;
    }
}

int TInfoComp::CoteEquipe(uint16_t equipe) const
{
    if (equipe == Equipe[0])
        return 0;
    if (equipe == Equipe[1])
        return 1;
    return -1;
}

uint16_t TInfoComp::GetCompoCote(int cote, int i) const
{
    return Valide(cote) && i >= 1 && i <= NbMotsCompo ? Compo[cote][i - 1] : 0;
}

void TInfoComp::SetCompoCote(int cote, int i, uint16_t v)
{
    if (Valide(cote) && i >= 1 && i <= NbMotsCompo)
        Compo[cote][i - 1] = v;
}

uint8_t TInfoComp::GetNoteCote(int cote, int i) const
{
    return Valide(cote) && i >= 1 && i <= NbNotes ? Notes[cote][i - 1] : 0;
}

void TInfoComp::SetNoteCote(int cote, int i, uint8_t v)
{
    if (Valide(cote) && i >= 1 && i <= NbNotes)
        Notes[cote][i - 1] = v;
}

uint16_t TInfoComp::GetCompo(uint16_t equipe, int i) const
{
    return GetCompoCote(CoteEquipe(equipe), i);
}

void TInfoComp::SetCompo(uint16_t equipe, int i, uint16_t v)
{
    SetCompoCote(CoteEquipe(equipe), i, v);
}

uint8_t TInfoComp::GetNoteJoueur(uint16_t equipe, int i) const
{
    return GetNoteCote(CoteEquipe(equipe), i);
}

void TInfoComp::SetNoteJoueur(uint16_t equipe, int i, uint8_t v)
{
    SetNoteCote(CoteEquipe(equipe), i, v);
}

std::string TInfoComp::GetLibelle(const TContexteSaison& saison) const
{
    std::string s = saison.GetNomEquipe(Equipe[0]) + " - " + saison.GetNomEquipe(Equipe[1]);
    if (Joue())
        s += " : " + std::to_string(Score[0] & 0x7FFF) + " - " + std::to_string(Score[1] & 0x7FFF);
    return s;
}

std::string TInfoComp::GetTexteCompo(uint16_t equipe, const TContexteSaison& saison) const
{
    const int cote = CoteEquipe(equipe);
    if (cote < 0)
        return {};
    std::vector<const TJoueur*> titulaires;
    for (int i = 1; i <= 11; ++i)
        if (const uint16_t id = Compo[cote][i - 1]; id != 0)
            if (const TJoueur* j = ChercheJoueur(&saison, id, equipe))
                titulaires.push_back(j);
    std::stable_sort(titulaires.begin(), titulaires.end(),
                     [](const TJoueur* a, const TJoueur* b) { return a->GetNumeroPoste() < b->GetNumeroPoste(); });
    std::string texte;
    for (std::size_t t = 0; t < titulaires.size(); ++t) {
        const TJoueur& j = *titulaires[t];
        if (t > 0)
            texte += titulaires[t - 1]->GetNumeroPoste() == j.GetNumeroPoste() ? " , " : " - ";
        texte += j.GetPrenomNom();
        for (int k = 1; k <= 3; ++k) {
            if (Compo[cote][10 + 2 * k - 1] != j.Numero)
                continue;
            const uint16_t idEntrant = Compo[cote][11 + 2 * k - 1];
            if (const TJoueur* entrant = idEntrant ? ChercheJoueur(&saison, idEntrant, equipe) : nullptr)
                texte += " (" + entrant->GetPrenomNom() + " " + std::to_string(Compo[cote][17 + k - 1] & 0xFF) + "°)";
            break;
        }
    }
    return texte;
}

// --- TInfoCompJour ---

TInfoCompJour::~TInfoCompJour()
{
    if (Possede)
        Vide();
}

int TInfoCompJour::InsereMatch(TInfoComp* m, int ordinal)
{
    if (ordinal == -1) {
        Matchs.push_back(m);
        return NbMatch() - 1;
    }
    m->SetOrdinal(ordinal);
    auto it = std::find_if(Matchs.begin(), Matchs.end(),
                           [ordinal](const TInfoComp* x) { return x->GetOrdinal() >= ordinal; });
    const auto place = Matchs.insert(it, m);
    return static_cast<int>(place - Matchs.begin());
}

bool TInfoCompJour::RetireMatch(const TInfoComp* m)
{
    auto it = std::find(Matchs.begin(), Matchs.end(), m);
    if (it == Matchs.end())
        return false;
    Matchs.erase(it);
    return true;
}

TInfoComp* TInfoCompJour::RetireMatchIndex(int i)
{
    TInfoComp* m = GetMatch(i);
    if (m)
        Matchs.erase(Matchs.begin() + i);
    return m;
}

void TInfoCompJour::DeplaceMatch(int de, int vers)
{
    if (de < 0 || de >= NbMatch() || vers < 0 || vers >= NbMatch() || de == vers)
        return;
    TInfoComp* m = Matchs[de];
    Matchs.erase(Matchs.begin() + de);
    Matchs.insert(Matchs.begin() + vers, m);
}

void TInfoCompJour::Vide()
{
    for (TInfoComp* m : Matchs)
        delete m;
    Matchs.clear();
}

int TInfoCompJour::IndexMatch(const TInfoComp* m) const
{
    auto it = std::find(Matchs.begin(), Matchs.end(), m);
    return it == Matchs.end() ? -1 : static_cast<int>(it - Matchs.begin());
}

int TInfoCompJour::IndexEquipe(uint16_t equipe) const
{
    for (int i = 0; i < NbMatch(); ++i)
        if (Matchs[i]->GetEquipe(0) == equipe || Matchs[i]->GetEquipe(1) == equipe)
            return i;
    return -1;
}

int TInfoCompJour::IndexEquipes(uint16_t dom, uint16_t ext) const
{
    for (int i = 0; i < NbMatch(); ++i)
        if (Matchs[i]->GetEquipe(0) == dom && Matchs[i]->GetEquipe(1) == ext)
            return i;
    return -1;
}

// --- TJournees ---

TJournees::~TJournees()
{
    Vide(0);
}

TInfoCompJour* TJournees::ChercheDate(TDateMatch d) const
{
    for (const auto& liste : Dates)
        if (liste->GetDate() == d)
            return liste.get();
    return nullptr;
}

int TJournees::NumeroJourneeDate(TDateMatch d) const
{
    for (int n = 1; n <= NbJournees(); ++n)
        if (Journees[n - 1]->GetDate() == d)
            return n;
    return NbJournees() + 1;
}

TInfoCompJour* TJournees::CreeJournee(int n)
{
    if (n < 1)
        return nullptr;
    // The owner's per-day lists must cover every round, or the round's events
    // would have nowhere to live and its matches would be lost on save.
    if (Proprietaire && n > Proprietaire->GetNbJour())
        Proprietaire->SetNbJour(n);
    while (NbJournees() < n)
        Journees.push_back(std::make_unique<TInfoCompJour>(true));
    return Journees[n - 1].get();
}

TInfoCompJour* TJournees::AjouteDate(TDateMatch d)
{
    auto it = std::find_if(Dates.begin(), Dates.end(),
                           [d](const auto& liste) { return CompareDateMatch(liste->GetDate(), d) <= 0; });
    return Dates.insert(it, std::make_unique<TInfoCompJour>(false, d))->get();
}

void TJournees::PlaceDansDate(TInfoComp* m, TDateMatch d)
{
    RetireMatchDate(m);
    m->Date = d;
    TInfoCompJour* liste = ChercheDate(d);
    if (!liste)
        liste = AjouteDate(d);
    liste->InsereMatch(m, -1);
}

int TJournees::AjouteMatch(int n, std::unique_ptr<TInfoComp> m, TDateMatch dateJournee, int ordinal)
{
    TInfoCompJour* journee = CreeJournee(n);
    if (!journee || !m)
        return -1;
    TInfoComp* match = m.release();
    const int index = journee->InsereMatch(match, ordinal);
    TInfoCompJour* liste = ChercheDate(match->Date);
    if (!liste) {
        liste = AjouteDate(match->Date);
        journee->SetDate(dateJournee);
    }
    liste->InsereMatch(match, -1);
    return index;
}

TInfoComp* TJournees::CherchOuCreeMatch(int n, uint16_t dom, int ordinal, bool creer, TDateMatch date, uint16_t ext)
{
    TInfoCompJour* journee = GetJournee(n);
    if (!journee) {
        journee = CreeJournee(n);
        if (!journee)
            return nullptr;
        journee->SetDate(date);
    }
    if (TInfoComp* m = journee->GetMatchEquipes(dom, ext))
        return m;
    if (!creer)
        return nullptr;
    auto m = std::make_unique<TInfoComp>(dom, ext);
    m->Date = date;
    TInfoComp* match = m.get();
    AjouteMatch(n, std::move(m), date, ordinal);
    return match;
}

TDateMatch TJournees::GetDateJournee(int n) const
{
    const TInfoCompJour* journee = GetJournee(n);
    return journee ? journee->GetDate() : 0;
}

void TJournees::SetDateJournee(int n, TDateMatch d)
{
    TInfoCompJour* journee = CreeJournee(n);
    if (!journee)
        return;
    journee->SetDate(d);
    for (int i = 0; i < journee->NbMatch(); ++i)
        PlaceDansDate(journee->GetMatch(i), d);
}

void TJournees::SetDateMatch(int n, int i, TDateMatch d)
{
    const TInfoCompJour* journee = GetJournee(n);
    if (TInfoComp* m = journee ? journee->GetMatch(i - 1) : nullptr)
        PlaceDansDate(m, d);
}

void TJournees::DeplaceMatchDate(TInfoComp* m, TDateMatch d)
{
    if (m && ChercheMatch(m).first != 0)
        PlaceDansDate(m, d);
}

bool TJournees::RetireMatchDate(const TInfoComp* m)
{
    if (TInfoCompJour* liste = ChercheDate(m->Date); liste && liste->RetireMatch(m))
        return true;
    // The date may have been changed behind the calendar's back: look everywhere.
    for (auto& liste : Dates)
        if (liste->RetireMatch(m))
            return true;
    return false;
}

void TJournees::SupprimeMatchIndex(TInfoCompJour& journee, int i)
{
    TInfoComp* m = journee.RetireMatchIndex(i);
    RetireMatchDate(m);
    delete m;
}

int TJournees::SupprimeMatchsEquipe(int n, uint16_t equipe)
{
    TInfoCompJour* journee = GetJournee(n);
    if (!journee)
        return -1;
    int premier = -1;
    for (int i = journee->NbMatch() - 1; i >= 0; --i) {
        const TInfoComp* m = journee->GetMatch(i);
        if (m->GetEquipe(0) == equipe || m->GetEquipe(1) == equipe) {
            SupprimeMatchIndex(*journee, i);
            premier = i;
        }
    }
    return premier;
}

int TJournees::SupprimeMatch(int n, uint16_t a, uint16_t b)
{
    TInfoCompJour* journee = GetJournee(n);
    if (!journee)
        return -1;
    int premier = -1;
    for (int i = journee->NbMatch() - 1; i >= 0; --i) {
        const TInfoComp* m = journee->GetMatch(i);
        if ((m->GetEquipe(0) == a && m->GetEquipe(1) == b) || (m->GetEquipe(0) == b && m->GetEquipe(1) == a)) {
            SupprimeMatchIndex(*journee, i);
            premier = i;
        }
    }
    return premier;
}

void TJournees::SupprimeMatchsJournee(int n)
{
    if (TInfoCompJour* journee = GetJournee(n))
        while (journee->NbMatch() > 0)
            SupprimeMatchIndex(*journee, journee->NbMatch() - 1);
}

std::vector<std::unique_ptr<TInfoComp>> TJournees::RetireMatchsJournee(int n)
{
    std::vector<std::unique_ptr<TInfoComp>> matchs;
    if (TInfoCompJour* journee = GetJournee(n)) {
        while (journee->NbMatch() > 0) {
            TInfoComp* m = journee->RetireMatchIndex(0);
            RetireMatchDate(m);
            matchs.emplace_back(m);
        }
    }
    return matchs;
}

void TJournees::TronqueJournees(int n)
{
    while (NbJournees() > std::max(n, 0)) {
        SupprimeMatchsJournee(NbJournees());
        Journees.pop_back();
    }
}

void TJournees::RenumeroteEquipes(int n, int nombre, const std::vector<uint16_t>& table)
{
    const TInfoCompJour* journee = GetJournee(n);
    if (!journee)
        return;
    for (int i = 0; i < journee->NbMatch(); ++i) {
        TInfoComp* m = journee->GetMatch(i);
        for (int cote = 0; cote < 2; ++cote) {
            const uint16_t id = m->GetEquipe(cote);
            if (id == TInfoComp::Aucun)
                continue;
            const bool connu = id < nombre && id < table.size();
            m->SetEquipe(cote, connu ? table[id] : TInfoComp::Aucun);
        }
    }
}

std::pair<int, int> TJournees::ChercheMatch(const TInfoComp* m) const
{
    for (int n = 1; n <= NbJournees(); ++n)
        if (const int i = Journees[n - 1]->IndexMatch(m); i >= 0)
            return {n, i};
    return {0, -1};
}

void TJournees::Vide(int n)
{
    if (n >= 1) {
        SupprimeMatchsJournee(n);
        return;
    }
    for (auto& journee : Journees)
        journee->Vide();
    Journees.clear();
    Dates.clear();
}
