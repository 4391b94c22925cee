#include "presentation/FeuilleMatch.h"

#include <algorithm>
#include <tuple>

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"

namespace {

constexpr uint16_t Aucun = 65535;
constexpr int TexteContreCamp = 225;
constexpr int TexteMinuteHorsChamp = 3142;
constexpr int TexteNoteHorsChamp = 3143;
constexpr int TexteCorrigerPourQuitter = 3500;
constexpr int TexteButGarde = 3501;
constexpr int TexteCartonGarde = 3502;
constexpr int TexteButNonEnregistre = 3503;
constexpr int TexteCartonNonEnregistre = 3504;
constexpr int TexteNoteGardee = 3505;
constexpr int TexteAucuneNoteGardee = 3506;

// Goal kind of an event (1 penalty, 2 free kick, 4 own goal) to the tag's flag.
uint32_t DrapeauGenre(int genre)
{
    switch (genre) {
    case 1:
        return GenreCarton::Penalty;
    case 2:
        return GenreCarton::CoupFranc;
    case 4:
        return GenreCarton::ContreCamp;
    default:
        return 0;
    }
}

using TGardeEvt = std::function<bool(const TDonneesEvt&)>;

// Puts `nouveaux` in place of the events of the day list that `duMatch`
// picks. When the list holds the same ones already, in whatever order, it is
// left as it is, order included: false, so that a commit that changes nothing
// marks nothing.
bool RemplaceEvenements(TListeDonnees* liste, const TGardeEvt& duMatch, const std::vector<TDonneesEvt>& nouveaux)
{
    if (!liste)
        return false;
    const auto cle = [](const TDonneesEvt& x) { return std::tuple(x.GetJoueur(), x.GetEquipe(), x.GetMot()); };
    std::vector<std::tuple<int, uint16_t, uint16_t>> avant, apres;
    for (int i = 0; i < liste->Nombre(); ++i)
        if (duMatch(*liste->Get(i)))
            avant.push_back(cle(*liste->Get(i)));
    for (const TDonneesEvt& x : nouveaux)
        apres.push_back(cle(x));
    std::ranges::sort(avant);
    std::ranges::sort(apres);
    if (avant == apres)
        return false;
    for (int i = liste->Nombre() - 1; i >= 0; --i)
        if (duMatch(*liste->Get(i)))
            liste->Retire(i);
    for (const TDonneesEvt& x : nouveaux)
        liste->Ajoute(std::make_unique<TDonneesEvt>(x));
    return true;
}

// The rating the season keeps while the one typed is refused.
std::string TexteNoteGarde(int note)
{
    return note != 0 ? TraduitFmt(TexteNoteGardee, {note}) : Traduit(TexteAucuneNoteGardee);
}

} // namespace

TEtatFeuilles& EtatFeuilles()
{
    static TEtatFeuilles etat;
    return etat;
}

int LitEntierSaisi(const std::string& texte)
{
    const std::string t = Trim(texte);
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    int valeur = 0;
    return EssaieStrToInt(t, valeur) ? valeur : 0;
}

int LitEntierBorne(const std::string& texte, int maximum)
{
    const std::string t = Trim(texte);
    if (t.empty() || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    const std::size_t debut = std::min(t.find_first_not_of('0'), t.size());
    int valeur = 0;
    if (t.size() - debut > 9 || !EssaieStrToInt(t, valeur) || valeur > maximum)
        return -1;
    return valeur;
}

int LitMinuteBut(const std::string& texte)
{
    // The minute has seven bits of the event word: a larger one would reach
    // the flags, and no other minute may stand for it.
    return LitEntierBorne(texte, MinuteMax);
}

std::string TexteMinuteRefusee(const std::string& texte, int maximum)
{
    return TraduitFmt(TexteMinuteHorsChamp, {Trim(texte), maximum});
}

std::string TexteNoteRefusee(const std::string& texte)
{
    return TraduitFmt(TexteNoteHorsChamp, {Trim(texte), NoteMax});
}

// ---------------------------------------------------------------- tags

TEtatCarton& TListeCartons::Ajoute(int genre, const std::string& minute, const TJoueur* joueur)
{
    TEtatCarton c;
    const int ligne = Nombre() + 1;
    if (joueur) {
        c.Texte = joueur->Nom;
        c.Joueur = static_cast<uint16_t>(joueur->Numero);
    }
    uint32_t drapeaux = 0;
    if (genre != 0) {
        c.MenuGenre = true;
        drapeaux = DrapeauGenre(genre);
        const std::string libelle = LibelleGenre(genre);
        if (!c.Texte.empty() && !libelle.empty())
            c.Texte += " " + libelle;
    }
    c.Tag = (static_cast<uint32_t>(ligne) << 16) + drapeaux + static_cast<uint32_t>(Colonne);
    c.AvecMinute = AvecMinute;
    if (AvecMinute)
        c.Minute = minute;
    Lignes.push_back(std::move(c));
    return Lignes.back();
}

void TListeCartons::Tasse()
{
    if (!AutoGrow)
        return;
    std::erase_if(Lignes, [](const TEtatCarton& c) { return c.Vide(); });
    for (int i = 0; i < Nombre(); ++i)
        Lignes[i].Tag = static_cast<uint32_t>(Colonne) + (static_cast<uint32_t>(i + 1) << 16);
    Ajoute(0, "0", nullptr);
}

// ---------------------------------------------------------------- frame

TFeuilleMatch::TFeuilleMatch(TSaison* saison) : Saison(saison) {}

TFeuilleMatch::~TFeuilleMatch() = default;

TDonneesChampionnat* TFeuilleMatch::GetChampionnat() const
{
    return Saison ? Saison->GetChampCourant() : nullptr;
}

int TFeuilleMatch::GetJournee() const
{
    const TDonneesChampionnat* c = GetChampionnat();
    return c ? c->NbJournee : 0;
}

void TFeuilleMatch::Modifie()
{
    // Changed after a commit: the page has something to write again.
    Quittee = false;
    if (OnModification)
        OnModification();
}

void TFeuilleMatch::Montre()
{
    if (SurAffichage)
        SurAffichage();
}

std::string TFeuilleMatch::Nom(uint16_t id) const
{
    return Saison ? Saison->GetNomEquipe(id) : std::string();
}

TListeDonnees* TFeuilleMatch::ListeButs() const
{
    const TDonneesChampionnat* c = GetChampionnat();
    return c ? c->GetButeursJournee(c->NbJournee) : nullptr;
}

TListeDonnees* TFeuilleMatch::ListeCartons() const
{
    const TDonneesChampionnat* c = GetChampionnat();
    return c ? c->GetCartonsJournee(c->NbJournee) : nullptr;
}

void TFeuilleMatch::ValideSaisieEnCours()
{
    // Everything is written but a refused value, for which the season keeps
    // what it held.
    Enregistre(false);
    // The refused value stays on the sheet for its correction: shown again,
    // the page must not be read back from the season, which lacks it.
    if (!SaisieRefusee().empty())
        return;
    // Kept hidden for back and forward from now on: a later destruction must
    // not write these rows over what other pages changed since.
    Quittee = true;
}

void TFeuilleMatch::Quitte()
{
    if (!Quittee)
        Enregistre(true);
    Quittee = true;
}

void TFeuilleMatch::Rafraichit()
{
    if (!Quittee)
        return;
    Quittee = false;
    Affiche();
}

bool TFeuilleMatch::AjusteMatchCourant()
{
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c)
        return false;
    int& match = EtatFeuilles().MatchCourant;
    const int essais = ProchainMatchValide(*c, match);
    return essais <= c->GetNbMatchJournee(c->NbJournee);
}

void TFeuilleMatch::LibereListes()
{
    ListeDomicile.reset();
    ListeExterieur.reset();
}

TDonneesChampionnat* TFeuilleMatch::DebutEnregistre(bool libereListes)
{
    if (libereListes)
        LibereListes();
    return MatchAffiche() ? GetChampionnat() : nullptr;
}

void TFeuilleMatch::Vide()
{
    Match = 0;
    IdDomicile = IdExterieur = 0;
    NomDomicile.clear();
    NomExterieur.clear();
    ScoreDomicile.clear();
    ScoreExterieur.clear();
    ScoreBrut[0] = ScoreBrut[1] = Aucun;
    LibereListes();
    for (TListeCartons& l : Listes)
        l.Lignes.clear();
}

bool TFeuilleMatch::ChargeMatch()
{
    Vide();
    Quittee = false;
    TDonneesChampionnat* c = GetChampionnat();
    if (!c)
        return false;
    if (c->NbJournee == 0)
        c->NbJournee = 1;
    if (!AjusteMatchCourant())
        return false;
    const int m = EtatFeuilles().MatchCourant;
    const int jour = c->NbJournee;
    Match = m;
    IdDomicile = c->GetValeurMatch(jour, 4 * m - 3);
    IdExterieur = c->GetValeurMatch(jour, 4 * m - 1);
    ScoreBrut[0] = c->GetValeurMatch(jour, 4 * m - 2);
    ScoreBrut[1] = c->GetValeurMatch(jour, 4 * m);
    NomDomicile = Nom(IdDomicile);
    NomExterieur = Nom(IdExterieur);
    ScoreDomicile = ScoreBrut[0] != Aucun ? std::to_string(ScoreBrut[0]) : std::string();
    ScoreExterieur = ScoreBrut[1] != Aucun ? std::to_string(ScoreBrut[1]) : std::string();
    for (int cote = 1; cote <= 2; ++cote) {
        const uint16_t id = GetIdEquipe(cote);
        auto liste = std::make_unique<TListeJoueur>(id, &Saison->Joueurs());
        if (const std::vector<TJoueur*>* joueurs = Saison->Joueurs().GetListeEquipe(id))
            for (const TJoueur* j : *joueurs)
                liste->Ajoute(std::make_unique<TChoixJoueur>(j, 0), false);
        (cote == 1 ? ListeDomicile : ListeExterieur) = std::move(liste);
    }
    return true;
}

bool TFeuilleMatch::ChangeMatch(int sens)
{
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c || !MatchAffiche() || !PeutQuitterMatch())
        return false;
    const int jour = c->NbJournee;
    const int nb = c->GetNbMatchJournee(jour);
    int n = EtatFeuilles().MatchCourant;
    for (int pas = 0; pas < nb - 1; ++pas) {
        n += sens < 0 ? -1 : 1;
        if (n < 1)
            n = nb;
        if (n > nb)
            n = 1;
        if (MatchQualifie(jour, n)) {
            Enregistre(true);
            EtatFeuilles().MatchCourant = n;
            Affiche();
            return true;
        }
    }
    return false;
}

bool TFeuilleMatch::MatchQualifie(int jour, int n) const
{
    const TDonneesChampionnat* c = GetChampionnat();
    return c && c->GetValeurMatch(jour, 4 * n - 3) != Aucun && c->GetValeurMatch(jour, 4 * n - 1) != Aucun;
}

std::vector<std::pair<std::string, int>> TFeuilleMatch::ListeMatchs() const
{
    std::vector<std::pair<std::string, int>> items;
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c)
        return items;
    const int jour = c->NbJournee;
    for (int i = 1; i <= c->GetNbMatchJournee(jour); ++i) {
        const uint16_t d = c->GetValeurMatch(jour, 4 * i - 3);
        const uint16_t e = c->GetValeurMatch(jour, 4 * i - 1);
        if (d != Aucun && e != Aucun)
            items.emplace_back(Capitalise(Nom(d)) + "-" + Capitalise(Nom(e)), i);
    }
    return items;
}

void TFeuilleMatch::ChoisitMatch(int numero)
{
    if (!PeutQuitterMatch())
        return;
    Enregistre(true);
    EtatFeuilles().MatchCourant = numero;
    Affiche();
}

void TFeuilleMatch::ChoisitJournee(int jour)
{
    if (!PeutQuitterMatch())
        return;
    Enregistre(true);
    TDonneesChampionnat* c = GetChampionnat();
    if (c && jour >= 1 && jour <= c->GetNbJour() && jour != c->NbJournee) {
        c->NbJournee = static_cast<uint8_t>(jour);
        EtatFeuilles().MatchCourant = 1;
    }
    Affiche();
}

int TFeuilleMatch::IdEquipeAjout(int cote) const
{
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c || !MatchAffiche())
        return -1;
    const int m = EtatFeuilles().MatchCourant;
    const uint16_t id = c->GetValeurMatch(c->NbJournee, cote == 2 ? 4 * m - 1 : 4 * m - 3);
    return id == Aucun ? -1 : id;
}

bool TFeuilleMatch::AjouteJoueur(int cote, const TJoueur* joueur)
{
    TListeJoueur* liste = GetEquipe(cote);
    if (!liste || !joueur)
        return false;
    // The card may have merged him into a namesake the squad already lists.
    if (liste->ChercheNumero(joueur->Numero))
        return false;
    liste->Ajoute(std::make_unique<TChoixJoueur>(joueur, 0), false);
    Montre();
    Modifie();
    return true;
}

// ---------------------------------------------------------------- tags of the page

TListeCartons* TFeuilleMatch::GetListe(int n)
{
    return n >= 1 && n <= NbListes() ? &Listes[n - 1] : nullptr;
}

const TListeCartons* TFeuilleMatch::GetListe(int n) const
{
    return n >= 1 && n <= NbListes() ? &Listes[n - 1] : nullptr;
}

TEtatCarton* TFeuilleMatch::GetCarton(int liste, int ligne)
{
    TListeCartons* l = GetListe(liste);
    return l ? l->Get(ligne) : nullptr;
}

void TFeuilleMatch::Change(int liste)
{
    if (TListeCartons* l = GetListe(liste))
        l->Tasse();
    EtatFeuilles().Modifie = true;
    Modifie();
}

bool TFeuilleMatch::AccepteDepot(int liste, int ligne, const TSourceGlisse& source) const
{
    const TListeCartons* cible = GetListe(liste);
    if (!cible || !cible->Get(ligne) || !MatchAffiche())
        return false;
    const TEtatCarton* carton = nullptr;
    int colonne = source.Cote;
    if (source.Liste != 0) {
        const TListeCartons* l = GetListe(source.Liste);
        carton = l ? l->Get(source.Ligne) : nullptr;
        if (!carton || (source.Liste == liste && source.Ligne == ligne))
            return false;
        colonne = carton->Colonne();
    }
    if (colonne != cible->Get(ligne)->Colonne()) {
        // Only a goal list takes the other side's player: an own goal.
        if (!cible->ListeBut || colonne == cible->Colonne)
            return false;
    }
    if (carton && (carton->Vide() || carton->EstContreCamp()))
        return false;
    return true;
}

bool TFeuilleMatch::Depose(int liste, int ligne, const TSourceGlisse& source)
{
    if (!AccepteDepot(liste, ligne, source))
        return false;
    TEtatCarton& cible = *GetCarton(liste, ligne);
    if (source.Liste != 0) {
        // Two tags swap their players; the source's list packs first.
        TEtatCarton& autre = *GetCarton(source.Liste, source.Ligne);
        std::swap(cible.Texte, autre.Texte);
        std::swap(cible.Joueur, autre.Joueur);
        cible.Tag &= GenreCarton::SansGenre;
        Change(source.Liste);
        if (source.Liste != liste)
            Change(liste);
    } else {
        cible.Texte = source.Nom;
        cible.Joueur = source.Joueur;
        const TListeCartons* l = GetListe(liste);
        if (source.Cote != l->Colonne && source.Joueur < 65533) {
            const TJoueur* j = ChercheJoueur(Saison, source.Joueur, 65535);
            cible.Texte = (j ? j->Nom : source.Nom) + "(" + Traduit(TexteContreCamp) + ")";
            const uint32_t colonne = cible.Tag & 0xFF;
            cible.Tag = ((cible.Tag & GenreCarton::SansGenre) & ~0xFFu) | GenreCarton::ContreCamp | (3u - colonne);
        } else {
            cible.Tag &= GenreCarton::SansGenre;
        }
        Change(liste);
    }
    Montre();
    return true;
}

bool TFeuilleMatch::AccepteRetour(int cote, int liste, int ligne) const
{
    const TListeCartons* l = GetListe(liste);
    const TEtatCarton* c = l ? l->Get(ligne) : nullptr;
    return c && !c->Vide() && l->Colonne == cote;
}

bool TFeuilleMatch::RendCarton(int cote, int liste, int ligne)
{
    if (!AccepteRetour(cote, liste, ligne))
        return false;
    TListeCartons& l = *GetListe(liste);
    TEtatCarton& c = l.Lignes[ligne];
    c.Texte.clear();
    c.Joueur = 0;
    // An own goal's tag belongs to its list's side again.
    c.Tag = ((c.Tag & ~GenreCarton::ContreCamp) & ~0xFFu) | static_cast<uint32_t>(l.Colonne);
    Change(liste);
    Montre();
    return true;
}

bool TFeuilleMatch::SetMinute(int liste, int ligne, const std::string& texte)
{
    TEtatCarton* c = GetCarton(liste, ligne);
    if (!c || c->Minute == texte)
        return true;
    c->Minute = texte;
    EtatFeuilles().Modifie = true;
    Touche();
    return Admise(RefusLigne(liste, ligne));
}

bool TFeuilleMatch::Admise(const std::string& refus)
{
    if (refus.empty())
        return true;
    MessageUtil(refus, BoutonsMessage::Ok);
    return false;
}

std::string TFeuilleMatch::RefusLigne(int liste, int ligne) const
{
    const TListeCartons* l = GetListe(liste);
    const TEtatCarton* t = l ? l->Get(ligne) : nullptr;
    if (!t || !t->AvecMinute || LitMinuteBut(t->Minute) >= 0)
        return {};
    const std::string refus = TexteMinuteRefusee(t->Minute);
    // An empty row writes nothing, whatever its minute.
    if (t->Vide())
        return refus;
    if (!t->Lu)
        return refus + "\n" + Traduit(l->ListeBut ? TexteButNonEnregistre : TexteCartonNonEnregistre);
    const TJoueur* j = ChercheJoueur(Saison, t->Lu->GetJoueur(), Aucun);
    return refus + "\n" +
           TraduitFmt(l->ListeBut ? TexteButGarde : TexteCartonGarde, {j ? j->Nom : t->Texte, t->Lu->GetMinute()});
}

std::string TFeuilleMatch::SaisieRefusee() const
{
    // Only rows that are written count: an empty row's minute is dropped.
    for (int n = 1; n <= NbListes(); ++n)
        for (int i = 0; i < GetListe(n)->Nombre(); ++i)
            if (!GetListe(n)->Lignes[i].Vide())
                if (std::string refus = RefusLigne(n, i); !refus.empty())
                    return refus;
    return {};
}

bool TFeuilleMatch::PeutQuitterMatch()
{
    const std::string refus = SaisieRefusee();
    if (refus.empty())
        return true;
    MessageUtil(refus + "\n" + Traduit(TexteCorrigerPourQuitter), BoutonsMessage::Ok);
    return false;
}

// ---------------------------------------------------------------- scorers and cards

TFeuilleButeurs::TFeuilleButeurs(TSaison* saison) : TFeuilleMatch(saison)
{
    for (int n = 1; n <= 6; ++n) {
        TListeCartons l;
        l.Numero = n;
        l.Colonne = n % 2 == 1 ? 1 : 2;
        l.ListeBut = n <= 2;
        l.Look = n <= 2 ? 0 : n <= 4 ? 1 : 2;
        l.AutoGrow = n > 2;
        Listes.push_back(std::move(l));
    }
}

void TFeuilleButeurs::AfficheMatch()
{
    EtatFeuilles().Modifie = false;
    EtatFeuilles().FocusListe = 0;
    Arbitres.clear();
    Stades.clear();
    ArbitreChoisi = StadeChoisi = -1;
    NoteArbitre.clear();
    NoteMatch.clear();
    Affluence = "0";
    if (!ChargeMatch()) {
        Montre();
        return;
    }
    const TDonneesChampionnat* c = GetChampionnat();
    const int jour = c->NbJournee;
    Affluence = std::to_string(std::max(0, c->GetAffluence(jour, Match)));
    RemplitArbitresStades();
    ChargeButs();
    ChargeCartons();
    Montre();
}

void TFeuilleButeurs::RemplitArbitresStades()
{
    const TDonneesChampionnat* c = GetChampionnat();
    const int jour = c->NbJournee;
    const int arbitre = c->GetArbitrePrincipal(jour, Match);
    const TPersonnels& arbitres = Saison->Arbitres();
    for (int i = 0; i < arbitres.Nombre(); ++i)
        if (const TPersonnel* p = arbitres.Get(i)) {
            if (p->Numero == arbitre)
                ArbitreChoisi = static_cast<int>(Arbitres.size());
            Arbitres.emplace_back(p->GetLibelle(&Saison->Pays()), p->Numero);
        }
    if (const uint8_t note = c->GetNoteArbitrePrincipal(jour, Match))
        NoteArbitre = std::to_string(note);
    if (const uint8_t note = c->GetNoteMatch(jour, Match))
        NoteMatch = std::to_string(note);

    int stade = c->GetStadeMatch(jour, Match);
    if (stade == Aucun && !(c->GetOption(11) & 2)) {
        // Unless grounds are neutral, the home club's ground is proposed and
        // written at the next save.
        const TRensClub* club = Saison->RensClubs().ChercheEquipe(IdDomicile);
        if (const TStade* s = club ? club->GetStade(&Saison->Stades()) : nullptr) {
            stade = s->Code;
            EtatFeuilles().Modifie = true;
        }
    }
    const TStades& stades = Saison->Stades();
    for (int i = 0; i < stades.Nombre(); ++i)
        if (const TStade* s = stades.Get(i)) {
            if (s->Code == stade)
                StadeChoisi = static_cast<int>(Stades.size());
            Stades.emplace_back(s->NomStade + " (" + s->Ville + ")", s->Code);
        }
}

void TFeuilleButeurs::ChargeButs()
{
    const TListeDonnees* buts = ListeButs();
    if (!buts)
        return;
    const std::vector<TListeResultat> vues = buts->ResultatsEquipeParType(IdDomicile, IdExterieur, false, false);
    for (int cote = 0; cote < 2; ++cote) {
        const uint16_t score = ScoreBrut[cote];
        if (score == Aucun)
            continue;
        // More events than goals: the excess goes at the next write.
        if (vues[cote].Nombre() > score)
            EtatFeuilles().Modifie = true;
        TListeCartons& l = Listes[cote];
        const uint16_t equipe = GetIdEquipe(cote + 1);
        const uint16_t adverse = GetIdEquipe(2 - cote);
        for (int i = 0; i < score && i < 255; ++i) {
            if (const TDonneesEvt* e = vues[cote].Get(i)) {
                const bool contreCamp = (e->GetMot() & Evt::ContreCamp) != 0;
                const TJoueur* j = ChercheJoueur(Saison, e->GetJoueur(), contreCamp ? adverse : equipe);
                TEtatCarton& t = l.Ajoute(e->GetGenre(), std::to_string(e->GetMinute()), j);
                if (!j)
                    t.Joueur = static_cast<uint16_t>(e->GetJoueur());
                t.Lu = *e;
            } else {
                l.Ajoute(3, "0", nullptr);
            }
        }
    }
}

void TFeuilleButeurs::ChargeCartons()
{
    if (const TListeDonnees* cartons = ListeCartons()) {
        const std::vector<TListeResultat> vues = cartons->ResultatsEquipeParType(IdDomicile, IdExterieur, true, false);
        // Views 0-1 yellow cards, 2-3 red ones; lists 3-4 and 5-6.
        for (int v = 0; v < 4; ++v) {
            TListeCartons& l = Listes[2 + v];
            const uint16_t equipe = GetIdEquipe(l.Colonne);
            for (int i = 0; i < vues[v].Nombre(); ++i) {
                const TDonneesEvt* e = vues[v].Get(i);
                const TJoueur* j = ChercheJoueur(Saison, e->GetJoueur(), equipe);
                TEtatCarton& t = l.Ajoute(0, std::to_string(e->GetMinute()), j);
                if (!j)
                    t.Joueur = static_cast<uint16_t>(e->GetJoueur());
                t.Lu = *e;
            }
        }
    }
    for (int n = 3; n <= 6; ++n)
        Listes[n - 1].Ajoute(0, "0", nullptr);
}

std::optional<TDonneesEvt> TFeuilleButeurs::EvtLigne(const TListeCartons& l, const TEtatCarton& t) const
{
    if (t.Vide())
        return std::nullopt;
    const int minute = LitMinuteBut(t.Minute);
    // A refused minute leaves the season as it was for this row: the event
    // it was read from, or none for a row filled on the sheet.
    if (minute < 0)
        return t.Lu;
    uint16_t mot = static_cast<uint16_t>(minute);
    if (l.Numero >= 5)
        mot |= Evt::ContreCamp;
    if (t.Tag & GenreCarton::Penalty)
        mot |= Evt::Penalty;
    else if (t.Tag & GenreCarton::CoupFranc)
        mot |= Evt::CoupFranc;
    else if (t.Tag & GenreCarton::ContreCamp)
        mot |= Evt::ContreCamp;
    return TDonneesEvt(t.Joueur, l.Colonne == 1 ? IdDomicile : IdExterieur, mot);
}

void TFeuilleButeurs::Enregistre(bool libereListes)
{
    TDonneesChampionnat* c = DebutEnregistre(libereListes);
    if (!c || !EtatFeuilles().Modifie)
        return;
    const int jour = c->NbJournee;
    const uint16_t d = IdDomicile, e = IdExterieur;
    std::vector<TDonneesEvt> buts, cartons;
    for (TListeCartons& l : Listes)
        for (TEtatCarton& t : l.Lignes) {
            // Written, the event is what the season holds for the row: a
            // minute refused later keeps it.
            t.Lu = EvtLigne(l, t);
            if (t.Lu)
                (l.Numero <= 2 ? buts : cartons).push_back(*t.Lu);
        }
    // Missed penalties belong to the assists page: they stay.
    bool change = RemplaceEvenements(
        ListeButs(),
        [d, e](const TDonneesEvt& x) {
            return (x.GetEquipe() == d || x.GetEquipe() == e) && !(x.GetMot() & Evt::PenaltyManque);
        },
        buts);
    change |= RemplaceEvenements(
        ListeCartons(), [d, e](const TDonneesEvt& x) { return x.GetEquipe() == d || x.GetEquipe() == e; }, cartons);

    const auto valeurs = [c, jour, m = Match] {
        return std::tuple(c->GetAffluence(jour, m), c->GetNoteMatch(jour, m), c->GetArbitrePrincipal(jour, m),
                          c->GetNoteArbitrePrincipal(jour, m), c->GetStadeMatch(jour, m));
    };
    const auto avant = valeurs();
    // An attendance never entered is shown as 0: left untouched, it stays so.
    if (const int affluence = LitEntierSaisi(Affluence); affluence != std::max(0, c->GetAffluence(jour, Match)))
        c->SetAffluence(jour, Match, affluence);
    if (const int note = LitEntierBorne(NoteMatch, NoteMax); note >= 0)
        c->SetNoteMatch(jour, Match, static_cast<uint8_t>(note));
    if (ArbitreAffiche()) {
        c->SetArbitrePrincipal(jour, Match, Arbitres[ArbitreChoisi].second);
        if (const int note = LitEntierBorne(NoteArbitre, NoteMax); note >= 0)
            c->SetNoteArbitrePrincipal(jour, Match, static_cast<uint8_t>(note));
    } else {
        c->SetArbitrePrincipal(jour, Match, -1);
        c->SetNoteArbitrePrincipal(jour, Match, 0);
    }
    if (StadeChoisi >= 0 && StadeChoisi < static_cast<int>(Stades.size()))
        c->SetStadeMatch(jour, Match, static_cast<uint16_t>(Stades[StadeChoisi].second));
    else
        c->SetStadeMatch(jour, Match, Aucun);
    change |= valeurs() != avant;
    // The season holds the rows now, a refused value excepted, for which it
    // keeps what it held: until the user changes something again, a commit
    // has nothing to write.
    EtatFeuilles().Modifie = false;
    if (change)
        Modifie();
}

bool TFeuilleButeurs::DoubleClicEquipe(int cote, uint16_t joueur, const std::string& nom)
{
    if (!MatchAffiche() || (cote != 1 && cote != 2))
        return false;
    for (int n : {cote, cote + 2, cote + 4}) {
        TListeCartons& l = Listes[n - 1];
        if (n > 2 && std::any_of(l.Lignes.begin(), l.Lignes.end(),
                                 [joueur](const TEtatCarton& t) { return !t.Vide() && t.Joueur == joueur; }))
            continue;
        for (int i = 0; i < l.Nombre(); ++i) {
            if (!l.Lignes[i].Vide())
                continue;
            l.Lignes[i].Texte = nom;
            l.Lignes[i].Joueur = joueur;
            Change(n);
            EtatFeuilles().FocusListe = n;
            EtatFeuilles().FocusLigne = i;
            Montre();
            return true;
        }
    }
    return false;
}

int TFeuilleButeurs::GenreCoche(int liste, int ligne) const
{
    const TListeCartons* l = GetListe(liste);
    const TEtatCarton* t = l ? l->Get(ligne) : nullptr;
    if (!t)
        return 0;
    return (t->Tag & GenreCarton::Penalty) ? 1 : (t->Tag & GenreCarton::CoupFranc) ? 2 : 0;
}

void TFeuilleButeurs::ChoisitGenre(int liste, int ligne, int genre)
{
    TEtatCarton* t = GetCarton(liste, ligne);
    if (!t || !t->MenuGenre)
        return;
    EtatFeuilles().Modifie = true;
    t->Tag &= GenreCarton::SansGenre;
    if (genre == 1)
        t->Tag |= GenreCarton::Penalty;
    else if (genre == 2)
        t->Tag |= GenreCarton::CoupFranc;
    if (const TJoueur* j = ChercheJoueur(Saison, t->Joueur, 65535)) {
        const std::string libelle = genre == 1 || genre == 2 ? LibelleGenre(genre) : std::string();
        t->Texte = libelle.empty() ? j->Nom : j->Nom + " " + libelle;
    }
    Montre();
}

void TFeuilleButeurs::ChangeValeur()
{
    if (!MatchAffiche())
        return;
    EtatFeuilles().Modifie = true;
    Modifie();
}

void TFeuilleButeurs::SetAffluence(const std::string& texte)
{
    Affluence = texte;
    ChangeValeur();
}

bool TFeuilleButeurs::SetNoteArbitre(const std::string& texte)
{
    NoteArbitre = texte;
    ChangeValeur();
    return Admise(RefusNoteArbitre());
}

bool TFeuilleButeurs::SetNoteMatch(const std::string& texte)
{
    NoteMatch = texte;
    ChangeValeur();
    return Admise(RefusNoteMatch());
}

std::string TFeuilleButeurs::RefusNoteArbitre() const
{
    if (LitEntierBorne(NoteArbitre, NoteMax) >= 0)
        return {};
    const std::string refus = TexteNoteRefusee(NoteArbitre);
    // Without a referee no rating is written at all.
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c || !MatchAffiche() || !ArbitreAffiche())
        return refus;
    return refus + "\n" + TexteNoteGarde(c->GetNoteArbitrePrincipal(c->NbJournee, Match));
}

std::string TFeuilleButeurs::RefusNoteMatch() const
{
    if (LitEntierBorne(NoteMatch, NoteMax) >= 0)
        return {};
    const TDonneesChampionnat* c = GetChampionnat();
    const std::string refus = TexteNoteRefusee(NoteMatch);
    return c && MatchAffiche() ? refus + "\n" + TexteNoteGarde(c->GetNoteMatch(c->NbJournee, Match)) : refus;
}

std::string TFeuilleButeurs::SaisieRefusee() const
{
    std::string refus = TFeuilleMatch::SaisieRefusee();
    // The referee's rating is written only with a referee.
    if (refus.empty() && ArbitreAffiche())
        refus = RefusNoteArbitre();
    if (refus.empty())
        refus = RefusNoteMatch();
    return refus;
}

void TFeuilleButeurs::ChoisitArbitre(int index)
{
    ArbitreChoisi = index >= 0 && index < static_cast<int>(Arbitres.size()) ? index : -1;
    ChangeValeur();
    const std::string message = AvertissementArbitre();
    if (!message.empty())
        MessageUtil(message, BoutonsMessage::Ok);
}

void TFeuilleButeurs::ChoisitStade(int index)
{
    StadeChoisi = index >= 0 && index < static_cast<int>(Stades.size()) ? index : -1;
    ChangeValeur();
    const std::string message = AvertissementArbitre();
    if (!message.empty())
        MessageUtil(message, BoutonsMessage::Ok);
}

void TFeuilleButeurs::AjouteArbitre(const TPersonnelStat* arbitre)
{
    if (!arbitre)
        return;
    const auto it = std::find_if(Arbitres.begin(), Arbitres.end(),
                                 [arbitre](const auto& a) { return a.second == arbitre->Numero; });
    if (it != Arbitres.end()) {
        ArbitreChoisi = static_cast<int>(it - Arbitres.begin());
    } else {
        ArbitreChoisi = static_cast<int>(Arbitres.size());
        Arbitres.emplace_back(arbitre->GetLibelle(&Saison->Pays()), arbitre->Numero);
    }
    EtatFeuilles().Modifie = true;
    Montre();
    Modifie();
}

std::string TFeuilleButeurs::AvertissementArbitre() const
{
    const TDonneesChampionnat* c = GetChampionnat();
    if (!c || !MatchAffiche() || c->GetOptionArbitre(0) != 1)
        return {};
    if (ArbitreChoisi < 0 || ArbitreChoisi >= static_cast<int>(Arbitres.size()))
        return {};
    const int courant = c->NbJournee;
    TDateMatch date = c->GetDateMatch(courant, Match);
    if (JourDateMatch(date) == 0)
        date = c->GetDateJournee(courant);
    const int arbitre = Arbitres[ArbitreChoisi].second;
    const int matchs = c->GetOptionArbitre(2);
    const int mois = c->GetOptionArbitre(3);
    int jour = courant;
    while (const TInfoComp* m = c->ChercheArbitrePrecedent(arbitre, IdDomicile, IdExterieur, jour)) {
        const uint16_t e0 = m->GetEquipe(0), e1 = m->GetEquipe(1);
        if (c->GetOptionArbitre(1) == 1 &&
            ((e0 == IdDomicile && e1 == IdExterieur) || (e0 == IdExterieur && e1 == IdDomicile)))
            return "Cet arbitre a déjà arbitré ces deux équipes lors d'un match cette saison";
        const bool domicile = e0 == IdDomicile || e1 == IdDomicile;
        const std::string equipe = Nom(domicile ? IdDomicile : IdExterieur);
        if (matchs + jour > courant)
            return "Cet arbitre a déjà arbitré l'équipe de " + equipe + " il y a moins de " + std::to_string(matchs) +
                   " Matchs (journée " + std::to_string(jour) + ")";
        if (JourDateMatch(date) != 0 && MoisDateMatch(date) != 0) {
            TDateMatch avant = m->GetDate();
            if (JourDateMatch(avant) == 0)
                avant = c->GetDateJournee(jour);
            int ecart =
                (MoisDateMatch(date) - MoisDateMatch(avant)) + 12 * (AnneeDateMatch(date) - AnneeDateMatch(avant));
            if (JourDateMatch(date) < JourDateMatch(avant))
                --ecart;
            if (ecart < mois)
                return "Cet arbitre a déjà arbitré l'équipe de " + equipe + " il y a moins de " + std::to_string(mois) +
                       " Mois (journée " + std::to_string(jour) + ")";
        }
    }
    return {};
}

// ---------------------------------------------------------------- assists

TFeuillePasseurs::TFeuillePasseurs(TSaison* saison) : TFeuilleMatch(saison)
{
    for (int n = 1; n <= 4; ++n) {
        TListeCartons l;
        l.Numero = n;
        l.Colonne = n % 2 == 1 ? 1 : 2;
        l.Look = 1;
        l.AutoGrow = true;
        l.AvecMinute = false;
        Listes.push_back(std::move(l));
    }
}

TListeDonnees* TFeuillePasseurs::ListePasseurs() const
{
    // Only football keeps assists.
    const auto* c = dynamic_cast<const TDonneesChampionnatFootball*>(GetChampionnat());
    return c ? c->GetPasseursJournee(c->NbJournee) : nullptr;
}

void TFeuillePasseurs::AfficheMatch()
{
    EtatFeuilles().Modifie = false;
    Commentaire.clear();
    if (!ChargeMatch()) {
        Montre();
        return;
    }
    if (const TListeDonnees* passes = ListePasseurs()) {
        const std::vector<TListeResultat> vues = passes->ResultatsEquipeParType(IdDomicile, IdExterieur, false, false);
        for (int cote = 0; cote < 2; ++cote)
            for (int i = 0; i < vues[cote].Nombre(); ++i) {
                const TDonneesEvt* e = vues[cote].Get(i);
                const TJoueur* j = ChercheJoueur(Saison, e->GetJoueur(), GetIdEquipe(cote + 1));
                TEtatCarton& t = Listes[cote].Ajoute(0, "", j);
                if (!j)
                    t.Joueur = static_cast<uint16_t>(e->GetJoueur());
            }
    }
    if (const TListeDonnees* buts = ListeButs()) {
        for (int i = 0; i < buts->Nombre(); ++i) {
            const TDonneesEvt* e = buts->Get(i);
            if (e->GetMot() != Evt::PenaltyManque)
                continue;
            const int cote = e->GetEquipe() == IdDomicile ? 1 : e->GetEquipe() == IdExterieur ? 2 : 0;
            if (cote == 0)
                continue;
            const TJoueur* j = ChercheJoueur(Saison, e->GetJoueur(), e->GetEquipe());
            TEtatCarton& t = Listes[cote + 1].Ajoute(0, "", j);
            if (!j)
                t.Joueur = static_cast<uint16_t>(e->GetJoueur());
        }
    }
    for (TListeCartons& l : Listes)
        l.Ajoute(0, "", nullptr);
    const TDonneesChampionnat* c = GetChampionnat();
    Commentaire = c->GetCommentaireMatch(c->NbJournee, IdDomicile, IdExterieur);
    Montre();
}

void TFeuillePasseurs::Enregistre(bool libereListes)
{
    TDonneesChampionnat* c = DebutEnregistre(libereListes);
    if (!c)
        return;
    const int jour = c->NbJournee;
    const uint16_t d = IdDomicile, e = IdExterieur;
    bool change = false;
    // Compared as it is kept, or a comment typed after blanks would be a change at every commit.
    if (c->GetCommentaireMatch(jour, d, e) != TInfoComp::TexteCommentaire(Commentaire)) {
        c->SetCommentaireMatch(jour, d, e, Commentaire);
        change = true;
    }
    if (EtatFeuilles().Modifie) {
        std::vector<TDonneesEvt> passes, manques;
        for (const TListeCartons& l : Listes)
            for (const TEtatCarton& t : l.Lignes)
                if (!t.Vide())
                    (l.Numero <= 2 ? passes : manques)
                        .emplace_back(t.Joueur, l.Colonne == 1 ? d : e, l.Numero <= 2 ? 0 : Evt::PenaltyManque);
        change |= RemplaceEvenements(
            ListePasseurs(), [d, e](const TDonneesEvt& x) { return x.GetEquipe() == d || x.GetEquipe() == e; }, passes);
        change |= RemplaceEvenements(
            ListeButs(),
            [d, e](const TDonneesEvt& x) {
                return (x.GetEquipe() == d || x.GetEquipe() == e) && x.GetMot() == Evt::PenaltyManque;
            },
            manques);
        EtatFeuilles().Modifie = false;
    }
    if (change)
        Modifie();
}

bool TFeuillePasseurs::DoubleClicEquipe(int cote, uint16_t joueur, const std::string& nom)
{
    TListeCartons* l = MatchAffiche() ? GetListe(cote) : nullptr;
    if (!l)
        return false;
    for (TEtatCarton& t : l->Lignes)
        if (t.Vide()) {
            t.Texte = nom;
            t.Joueur = joueur;
            Change(cote);
            Montre();
            return true;
        }
    return false;
}
