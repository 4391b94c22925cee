#include "model/ListeDonnees.h"

#include <algorithm>

#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"

const TJoueur* ChercheJoueur(const TContexteSaison* saison, int id, int equipe)
{
    const TJoueurs* joueurs = saison ? saison->GetJoueurs() : nullptr;
    return joueurs ? joueurs->ChercheId(id, equipe) : nullptr;
}

int TDonneesEvt::GetGenre() const
{
    if (Mot & Evt::ContreCamp)
        return 4;
    if (Mot & Evt::Penalty)
        return 1;
    if (Mot & Evt::CoupFranc)
        return 2;
    if (Mot & Evt::PenaltyManque)
        return 5;
    return 3;
}

std::string LibelleTypeBut(uint16_t mot)
{
    if (mot & Evt::Penalty)
        return Traduit(532);
    if (mot & Evt::CoupFranc)
        return Traduit(533);
    return {};
}

std::string LibelleGenre(int genre)
{
    return genre == 4 ? "(" + Traduit(225) + ")" : LibelleGenreCourt(genre);
}

std::string LibelleGenreCourt(int genre)
{
    switch (genre) {
    case 1:
        return Traduit(314);
    case 2:
        return Traduit(315);
    case 4:
        return Traduit(225);
    default:
        return {};
    }
}

// --- TListeDonnees ---

TDonneesEvt* TListeDonnees::Ajoute(std::unique_ptr<TDonneesEvt> evt)
{
    if (!evt)
        return nullptr;
    Items.push_back(std::move(evt));
    return Items.back().get();
}

TDonneesEvt* TListeDonnees::Insere(int i, std::unique_ptr<TDonneesEvt> evt)
{
    if (!evt)
        return nullptr;
    i = std::clamp(i, 0, Nombre());
    return Items.insert(Items.begin() + i, std::move(evt))->get();
}

std::unique_ptr<TDonneesEvt> TListeDonnees::Retire(int i)
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    std::unique_ptr<TDonneesEvt> evt = std::move(Items[i]);
    Items.erase(Items.begin() + i);
    return evt;
}

std::string TListeDonnees::NomEquipe(uint16_t id) const
{
    return Saison ? Saison->GetNomEquipe(id) : std::string();
}

namespace {
int ParMinute(const TDonneesEvt& nouveau, const TDonneesEvt& existant)
{
    return existant.GetMinute() - nouveau.GetMinute();
}

bool Contient(const std::vector<uint16_t>& equipes, uint16_t id)
{
    return std::find(equipes.begin(), equipes.end(), id) != equipes.end();
}
} // namespace

TListeResultat TListeDonnees::ResultatsJoueur(int joueur, bool sansContreCamp) const
{
    TListeResultat vue;
    for (const auto& evt : Items)
        if (evt->GetJoueur() == joueur && !(sansContreCamp && (evt->GetMot() & Evt::ContreCamp)))
            vue.Ajoute(evt.get());
    return vue;
}

TListeResultat TListeDonnees::ResultatsEquipe(uint16_t equipe, int genre, bool manquesSeuls) const
{
    const TContexteSaison* saison = Saison;
    TListeResultat vue([saison](const TDonneesEvt& nouveau, const TDonneesEvt& existant) {
        const TJoueur* a = ChercheJoueur(saison, existant.GetJoueur(), existant.GetEquipe());
        const TJoueur* b = ChercheJoueur(saison, nouveau.GetJoueur(), nouveau.GetEquipe());
        if (a && b) {
            if (int c = AnsiCompareText(a->Nom, b->Nom); c != 0)
                return c;
            if (int c = AnsiCompareText(a->Prenom, b->Prenom); c != 0)
                return c;
        }
        return ParMinute(nouveau, existant);
    });
    if (genre < 1 || genre > 3)
        return vue;
    for (const auto& evt : Items) {
        if (evt->GetEquipe() != equipe)
            continue;
        const uint16_t mot = evt->GetMot();
        const bool pris = genre == 1   ? (!manquesSeuls || (mot & Evt::PenaltyManque))
                          : genre == 2 ? !(mot & Evt::ContreCamp)
                                       : (mot & Evt::ContreCamp) != 0;
        if (pris)
            vue.Ajoute(evt.get());
    }
    return vue;
}

std::vector<TListeResultat> TListeDonnees::ResultatsEquipeParType(uint16_t dom, uint16_t ext, bool quatre,
                                                                  bool manques) const
{
    std::vector<TListeResultat> vues(quatre ? 4 : 2, TListeResultat(ParMinute));
    for (const auto& evt : Items) {
        const int cote = evt->GetEquipe() == dom ? 0 : evt->GetEquipe() == ext ? 1 : -1;
        if (cote < 0)
            continue;
        const uint16_t mot = evt->GetMot();
        if (quatre && (mot & Evt::ContreCamp))
            vues[2 + cote].Ajoute(evt.get());
        else if (((mot & Evt::PenaltyManque) != 0) == manques)
            vues[cote].Ajoute(evt.get());
    }
    return vues;
}

template <class Garde> void TListeDonnees::SupprimeSi(Garde garde)
{
    std::erase_if(Items, [&](const std::unique_ptr<TDonneesEvt>& evt) { return garde(*evt); });
    Items.shrink_to_fit();
}

void TListeDonnees::SupprimePenaltysManques(const std::vector<uint16_t>& equipes)
{
    SupprimeSi(
        [&](const TDonneesEvt& e) { return e.GetMot() == Evt::PenaltyManque && Contient(equipes, e.GetEquipe()); });
}

void TListeDonnees::SupprimeEquipes(const std::vector<uint16_t>& equipes)
{
    SupprimeSi([&](const TDonneesEvt& e) { return Contient(equipes, e.GetEquipe()); });
}

TListeResultat TListeDonnees::ListeParJoueur() const
{
    TListeResultat vue([this](const TDonneesEvt& nouveau, const TDonneesEvt& existant) {
        if (int c = AnsiCompareText(NomEquipe(existant.GetEquipe()), NomEquipe(nouveau.GetEquipe())); c != 0)
            return c;
        return nouveau.GetJoueur() - existant.GetJoueur();
    });
    for (const auto& evt : Items)
        vue.Ajoute(evt.get());
    return vue;
}

TListeResultat TListeDonnees::ListeParMinute() const
{
    TListeResultat vue([this](const TDonneesEvt& nouveau, const TDonneesEvt& existant) {
        if (int c = AnsiCompareText(NomEquipe(existant.GetEquipe()), NomEquipe(nouveau.GetEquipe())); c != 0)
            return c;
        return ParMinute(nouveau, existant);
    });
    for (const auto& evt : Items)
        vue.Ajoute(evt.get());
    return vue;
}

// --- TListeTemps ---

TTempsJoueur* TListeTemps::Ajoute(std::unique_ptr<TTempsJoueur> temps)
{
    if (!temps)
        return nullptr;
    Items.push_back(std::move(temps));
    return Items.back().get();
}

TTempsJoueur* TListeTemps::ChercheNumero(int id) const
{
    for (const auto& t : Items)
        if (t->GetNumero() == id)
            return t.get();
    return nullptr;
}

void TListeTemps::VideEntrees()
{
    for (auto& t : Items)
        t->MinuteEntree = 0;
}

void TListeTemps::Trie()
{
    std::stable_sort(Items.begin(), Items.end(), [](const auto& a, const auto& b) {
        if (a->Minutes != b->Minutes)
            return a->Minutes > b->Minutes;
        return a->Matchs > b->Matchs;
    });
}

// --- TListeNotes ---

void TListeNotes::AjouteNote(int joueur, int note, int filtre)
{
    auto it = std::find_if(Items.begin(), Items.end(), [joueur](const auto& n) { return n->Joueur >= joueur; });
    if (it != Items.end() && (*it)->Joueur == joueur) {
        ++(*it)->Nombre;
        (*it)->Somme += note;
        return;
    }
    const TJoueur* j = ChercheJoueur(Saison, joueur, 65535);
    if (!j)
        return;
    if ((filtre == 0 && j->GetPoste() != 0) || (filtre == 1 && j->GetPoste() == 0))
        return;
    auto entree = std::make_unique<TNoteJoueur>();
    entree->Joueur = joueur;
    entree->Nombre = 1;
    entree->Somme = note;
    Items.insert(it, std::move(entree));
}

void TListeNotes::CalculeMoyennes()
{
    for (auto& n : Items)
        n->Moyenne = n->Nombre > 0 ? static_cast<double>(n->Somme) / n->Nombre : 0.0;
}

void TListeNotes::Trie()
{
    CalculeMoyennes();
    struct Cle {
        std::string Equipe;
        std::string Nom;
    };
    auto cle = [this](const TNoteJoueur& n) {
        if (const TJoueur* j = ChercheJoueur(Saison, n.Joueur, 65535))
            return Cle{Saison->GetNomEquipe(j->GetEquipe()), j->Nom};
        return Cle{};
    };
    std::vector<std::pair<Cle, std::unique_ptr<TNoteJoueur>>> tri;
    for (auto& n : Items)
        tri.emplace_back(cle(*n), std::move(n));
    std::stable_sort(tri.begin(), tri.end(), [](const auto& a, const auto& b) {
        if (a.second->Moyenne != b.second->Moyenne)
            return a.second->Moyenne > b.second->Moyenne;
        if (a.first.Equipe != b.first.Equipe)
            return a.first.Equipe < b.first.Equipe;
        return a.first.Nom < b.first.Nom;
    });
    Items.clear();
    for (auto& [c, n] : tri)
        Items.push_back(std::move(n));
}

std::unique_ptr<TNoteJoueur> TListeNotes::Supprime(int i)
{
    if (i < 0 || i >= Nombre())
        return nullptr;
    std::unique_ptr<TNoteJoueur> n = std::move(Items[i]);
    Items.erase(Items.begin() + i);
    return n;
}

// --- TListeStatTir ---

TStatTir& TListeStatTir::Entree(int joueur, uint16_t equipe)
{
    for (auto& e : Items)
        if (e->Joueur == joueur)
            return *e;
    auto e = std::make_unique<TStatTir>();
    e->Joueur = joueur;
    if (const TJoueur* j = ChercheJoueur(Saison, joueur, equipe))
        e->NomComplet = j->GetNomComplet();
    auto it = std::find_if(Items.begin(), Items.end(), [&](const auto& x) {
        return x->NomComplet > e->NomComplet || (x->NomComplet == e->NomComplet && x->Joueur > joueur);
    });
    return **Items.insert(it, std::move(e));
}

void TListeStatTir::Stocke(int joueur, uint16_t equipe, int genre, uint16_t mot)
{
    if (genre < 0 || genre > 11)
        return;
    TStatTir& e = Entree(joueur, equipe);
    if (genre <= 1) {
        e.Valeurs[genre] = mot;
    } else if (genre <= 5) {
        e.Valeurs[2 * genre - 2] = mot >> 8;
        e.Valeurs[2 * genre - 1] = mot & 0xFF;
    } else {
        e.Valeurs[genre + 4] = mot;
    }
}
