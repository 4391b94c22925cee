// Import, merge and extraction of championships: the operations of the file
// dispatcher that move a championship and everything it refers to from one
// season into another.

#include "files/TraiteurFichier.h"

#include "files/Chargeur.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

namespace {

constexpr uint16_t Aucun = 65535;

// Team ids of one season to those of another; an id not in the map is none.
class TCarteEquipes {
public:
    void Ajoute(int ancien, int nouveau) { Carte[ancien] = nouveau < 0 ? Aucun : static_cast<uint16_t>(nouveau); }
    bool Contient(int ancien) const { return Carte.count(ancien) != 0; }
    uint16_t operator()(int ancien) const
    {
        auto it = Carte.find(ancien);
        return it == Carte.end() ? Aucun : it->second;
    }

private:
    std::map<int, uint16_t> Carte;
};

// Rebinds every team reference the championship holds outside its matches.
void RemappeEquipesChampionnat(TDonneesChampionnat& champ, const TCarteEquipes& carte)
{
    TPenalites& penalites = champ.GetPenalites();
    for (int i = 0; i < penalites.Nombre(); ++i) {
        TPenalite* p = penalites.Get(i);
        p->Equipe1 = carte(p->Equipe1);
        // A points adjustment (day 0) keeps 0 as its second team.
        if (p->Journee != 0)
            p->Equipe2 = carte(p->Equipe2);
    }
    std::vector<std::unique_ptr<TGroupeEquipe>> groupes;
    for (int g = 0; g < champ.NbGroupe(); ++g) {
        const TGroupeEquipe* ancien = champ.GetGroupe(g);
        auto groupe = std::make_unique<TGroupeEquipe>(ancien->NomGroupe);
        for (int i = 0; i < ancien->NbEquipe(); ++i)
            groupe->AjouteEquipe(carte(ancien->GetEquipe(i)));
        groupes.push_back(std::move(groupe));
    }
    champ.VideGroupes();
    for (auto& g : groupes)
        champ.AjouteGroupe(std::move(g));
    champ.RenumeroteMatchsSuiv(carte);
}

uint16_t DecaleStade(uint16_t code, int decalage)
{
    return code == Aucun ? Aucun : static_cast<uint16_t>(code + decalage);
}

// The ids inside one merged championship's days, moved past the target's.
void RenumeroteChampionnat(TDonneesChampionnat& champ, const TCarteEquipes& equipes, uint16_t decalage,
                           int decalageArbitres, int decalageStades, const TListeRenumerotation& pairesJoueurs,
                           const TListeRenumerotation& pairesArbitres)
{
    const auto stade = [&](uint16_t code) { return DecaleStade(code, decalageStades); };
    // Matches, shoot-outs, events and line-ups.
    for (int n = 1; n <= champ.GetNbJour(); ++n) {
        const TInfoCompJour* jour = champ.GetJournee(n);
        // Shoot-outs are found by the source ids of their match, all of the day
        // before any is remapped, so that none is found and remapped twice.
        std::vector<TPenaltys*> tirs;
        for (int i = 0; jour && i < jour->NbMatch(); ++i) {
            const uint16_t dom = jour->GetMatch(i)->GetEquipe(0), ext = jour->GetMatch(i)->GetEquipe(1);
            for (TPenaltys* tab : {champ.CherchePenaltys(n, dom, ext), champ.CherchePenaltys(n, ext, dom)})
                if (tab && std::find(tirs.begin(), tirs.end(), tab) == tirs.end())
                    tirs.push_back(tab);
        }
        for (TPenaltys* tab : tirs) {
            tab->Equipe1 = equipes(tab->Equipe1);
            tab->Equipe2 = equipes(tab->Equipe2);
        }
        if (jour)
            for (int i = 0; i < jour->NbMatch(); ++i) {
                TInfoComp* m = jour->GetMatch(i);
                const uint16_t dom = m->GetEquipe(0), ext = m->GetEquipe(1);
                m->SetEquipe(0, equipes(dom));
                m->SetEquipe(1, equipes(ext));
                for (int a = 1; a <= 3; ++a)
                    if (m->GetArbitre(a) != -1)
                        m->SetArbitre(a, m->GetArbitre(a) + decalageArbitres);
                m->SetStade(stade(m->GetStade()));
                for (int cote = 0; cote < 2; ++cote)
                    for (int k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 21})
                        if (const uint16_t mot = m->GetCompoCote(cote, k); mot != 0)
                            m->SetCompoCote(cote, k, static_cast<uint16_t>(mot + decalage));
            }
        for (TListeDonnees* liste : champ.GetListesJournee(n))
            for (int i = 0; i < liste->Nombre(); ++i) {
                TDonneesEvt* e = liste->Get(i);
                if (e->GetJoueur() > 0 && e->GetJoueur() != Aucun)
                    e->SetJoueur(e->GetJoueur() + decalage);
                e->SetEquipe(equipes(e->GetEquipe()));
            }
    }
    RemappeEquipesChampionnat(champ, equipes);

    champ.ConvertitJoueurs(pairesJoueurs);
    champ.ConvertitArbitres(pairesArbitres);
}

// Reads one file into a new season; its first championship comes back with
// the personal code cleared. Null when the file gives no championship, and
// then `cause`, when given, says why.
std::unique_ptr<TSaison> LitFichierTemporaire(const std::string& nomFichier, const std::string& dllDir,
                                              TDonneesChampionnat*& champ, TEchecChargement* cause = nullptr)
{
    TEchecChargement sansCause;
    TEchecChargement& echec = cause != nullptr ? *cause : sansCause;
    auto temporaire = std::make_unique<TSaisonFootball>();
    champ = nullptr;
    echec = {TCauseChargement::PasUneSaison, 0};
    if (TTraiteurFichier::GenreFichier(nomFichier) == ".xm") {
        TChargeurXmp chargeur(nomFichier, dllDir);
        if (!chargeur.ChargeSaison(*temporaire)) {
            echec = chargeur.GetEchec();
            return nullptr;
        }
        if (temporaire->NbChampionnat() < 1)
            return nullptr;
        champ = temporaire->GetChampionnat(1);
        champ->CodePerso = 0;
        echec = {};
        return temporaire;
    }
    std::unique_ptr<TDonneesChampionnat> lu;
    if (!TTraiteurFichier::ChargeAncien(nomFichier, *temporaire, lu, &echec))
        return nullptr;
    if (lu)
        temporaire->AjouteChampionnat(std::move(lu));
    champ = temporaire->GetChampionnat(1);
    if (!champ) {
        echec = {TCauseChargement::PasUneSaison, 0};
        return nullptr;
    }
    // The older files keep team positions in their matches.
    for (int n = 1; n <= champ->GetNbJour(); ++n)
        champ->ConvertitPositionsJournee(n);
    std::unique_ptr<TChargeur> chargeur = TTraiteurFichier::CreeChargeur(nomFichier, 0);
    champ->Division = chargeur ? chargeur->Importe() : 0;
    champ->CodePerso = 0;
    return temporaire;
}

// Reads, merges and adds one file's championship; null on failure.
TDonneesChampionnat* ImporteDans(TSaison& cible, const std::string& nomFichier, const std::string& dllDir,
                                 uint16_t& decalage)
{
    TDonneesChampionnat* champ = nullptr;
    std::unique_ptr<TSaison> source;
    try {
        source = LitFichierTemporaire(nomFichier, dllDir, champ);
    } catch (...) {
        return nullptr;
    }
    if (!source)
        return nullptr;
    TTraiteurFichier::FusionneChampionnat(cible, *source, decalage, *champ);
    std::unique_ptr<TDonneesChampionnat> detache = source->DetacheChampionnat(1);
    TDonneesChampionnat* ajoute = detache.get();
    cible.AjouteChampionnat(std::move(detache));
    return ajoute;
}

// The file name of a championship line, before its first "|"; empty when none.
std::string NomFichierLigne(const std::string& texte, std::string& titre)
{
    const size_t barre = texte.find('|');
    if (barre == std::string::npos || barre == 0)
        return {};
    titre = texte.substr(barre + 1);
    return texte.substr(0, barre);
}

} // namespace

void TTraiteurFichier::FusionneChampionnat(TSaison& cible, TSaison& source, uint16_t& decalage,
                                           TDonneesChampionnat& champ)
{
    FusionneChampionnats(cible, source, decalage, {&champ});
}

void TTraiteurFichier::FusionneChampionnats(TSaison& cible, TSaison& source, uint16_t& decalage,
                                            const std::vector<TDonneesChampionnat*>& champs)
{
    // Former clubs and countries by name; a country the target lacks is added.
    std::vector<uint16_t> clubsPrec;
    for (int i = 0; i < source.NbClubPrec(); ++i)
        clubsPrec.push_back(static_cast<uint16_t>(cible.ChercheClubPrec(source.GetClubPrec(i), true)));
    auto clubPrec = [&](int i) { return i >= 0 && i < static_cast<int>(clubsPrec.size()) ? clubsPrec[i] : Aucun; };
    std::vector<uint16_t> paysCarte;
    for (int i = 0; i < source.Pays().Nombre(); ++i)
        paysCarte.push_back(static_cast<uint16_t>(cible.Pays().Cherche(source.Pays().GetNom(i))));
    auto pays = [&](int c) { return c >= 0 && c < static_cast<int>(paysCarte.size()) ? paysCarte[c] : Aucun; };

    // Teams: the team at each position is known by its id in the source.
    // A team several championships share is added once.
    TCarteEquipes equipes;
    for (TDonneesChampionnat* champ : champs)
        for (int p = 0; p < champ->GetNbEquipe(); ++p) {
            const int ancien = champ->GetEquipe(p);
            if (!equipes.Contient(ancien))
                equipes.Ajoute(ancien, ancien < 0 || ancien >= Aucun
                                           ? -1
                                           : cible.AjouteEquipe(source.GetNomEquipe(static_cast<uint16_t>(ancien)), -1,
                                                                true, source.GetLogoEquipe(ancien)));
            champ->SetEquipe(p, equipes(ancien));
        }

    // Referees.
    const int decalageArbitres = cible.Arbitres().GetMaxId() + 1;
    TListeRenumerotation pairesArbitres;
    while (source.Arbitres().Nombre() > 0) {
        std::unique_ptr<TPersonnel> a = source.Arbitres().Retire(source.Arbitres().Get(0));
        if (a->Numero >= 0 && a->Numero != Aucun)
            a->Numero += decalageArbitres;
        if (a->CodePays != Aucun)
            a->CodePays = pays(a->CodePays);
        cible.Arbitres().Ajoute(std::move(a), &pairesArbitres);
    }

    // Players.
    const int maxJoueursSource = source.Joueurs().GetMaxId();
    TListeRenumerotation pairesJoueurs;
    for (std::unique_ptr<TJoueur>& j : source.Joueurs().Detache()) {
        if (j->Numero != Aucun)
            j->Numero += decalage;
        j->EquipeClub = equipes(j->EquipeClub);
        j->EquipeNationale = equipes(j->EquipeNationale);
        j->ClubPrec = clubPrec(j->ClubPrec);
        if (j->CodePays != Aucun)
            j->CodePays = pays(j->CodePays);
        j->SetSaison(&cible);
        cible.Joueurs().Ajoute(std::move(j), &pairesJoueurs);
    }

    // Stadiums keep their codes, shifted past the target's.
    const int decalageStades = cible.Stades().GetMaxCode() + 1;
    const auto stade = [&](uint16_t code) { return DecaleStade(code, decalageStades); };
    for (std::unique_ptr<TStade>& s : source.Stades().Detache()) {
        s->Code = stade(s->Code);
        if (s->CodePays != Aucun)
            s->CodePays = pays(s->CodePays);
        cible.Stades().Ajoute(std::move(s), false);
    }

    // Club records, each with its coach; coaches get fresh ids.
    const int decalageRens = cible.RensClubs().GetMaxCode() + 1;
    for (std::unique_ptr<TRensClub>& r : source.RensClubs().Detache()) {
        if (r->Code != Aucun)
            r->Code = static_cast<uint16_t>(r->Code + decalageRens);
        const uint16_t club = equipes(r->Club);
        r->Club = club == Aucun ? -1 : club;
        r->CodeStade = stade(r->CodeStade);
        TEntraineur* entraineur = r->GetEntraineur(&source.Entraineurs());
        r->NumeroEntraineur = -1;
        if (entraineur) {
            std::unique_ptr<TPersonnel> e = source.Entraineurs().Retire(entraineur);
            if (auto* coach = dynamic_cast<TEntraineur*>(e.get())) {
                coach->Numero = -1;
                coach->ClubActuel = equipes(coach->ClubActuel);
                coach->ClubPrec = clubPrec(coach->ClubPrec);
                if (coach->CodePays != Aucun)
                    coach->CodePays = pays(coach->CodePays);
            }
            const int position = cible.Entraineurs().Ajoute(std::move(e));
            r->SetEntraineur(cible.Entraineurs().Get(position));
        }
        cible.RensClubs().Ajoute(std::move(r));
    }

    for (TDonneesChampionnat* champ : champs)
        RenumeroteChampionnat(*champ, equipes, decalage, decalageArbitres, decalageStades, pairesJoueurs,
                              pairesArbitres);
    decalage = static_cast<uint16_t>(decalage + maxJoueursSource);
}

TDonneesChampionnat* TTraiteurFichier::ImporteFichier(TSaison& saison, const std::string& nomFichier,
                                                      const std::string& dllDir)
{
    uint16_t decalage = static_cast<uint16_t>(saison.Joueurs().GetMaxId());
    return ImporteDans(saison, nomFichier, dllDir, decalage);
}

std::vector<TDonneesChampionnat*> TTraiteurFichier::FusionneFichier(TSaison& saison, const std::string& nomFichier,
                                                                    const std::string& dllDir, bool premierSeulement,
                                                                    TEchecChargement* echec)
{
    TDonneesChampionnat* premier = nullptr;
    std::unique_ptr<TSaison> source;
    TEchecChargement cause;
    try {
        source = LitFichierTemporaire(nomFichier, dllDir, premier, &cause);
    } catch (...) {
        source.reset();
        cause = EchecDeException(std::current_exception());
    }
    if (echec != nullptr)
        *echec = cause;
    if (!source)
        return {};
    const int nb = premierSeulement ? 1 : source->NbChampionnat();
    std::vector<TDonneesChampionnat*> champs;
    std::vector<std::string> titres;
    for (int n = 1; n <= nb; ++n) {
        TDonneesChampionnat* c = source->GetChampionnat(n);
        c->CodePerso = 0;
        champs.push_back(c);
        // Named as the file names it, before its id changes.
        titres.push_back(source->GetNomCompletChamp(c->CodeChamp));
    }
    // Without a description only the current championship could be reached:
    // every one gets its line before the newcomers.
    if (saison.NbDesc() == 0)
        for (int n = 1; n <= saison.NbChampionnat(); ++n) {
            const TDonneesChampionnat* c = saison.GetChampionnat(n);
            saison.AjouteDesc(saison.GetNomCompletChamp(c->CodeChamp), 3, c->CodeChamp);
        }
    uint16_t decalage = static_cast<uint16_t>(saison.Joueurs().GetMaxId());
    FusionneChampionnats(saison, *source, decalage, champs);
    for (size_t i = 0; i < champs.size(); ++i) {
        int id = saison.GetIdChampMax();
        for (int n = 1; n <= saison.NbChampionnat(); ++n)
            id = std::max(id, saison.GetChampionnat(n)->CodeChamp);
        std::unique_ptr<TDonneesChampionnat> c = source->DetacheChampionnat(1);
        c->CodeChamp = id + 1;
        saison.AjouteDesc(titres[i].empty() ? std::to_string(id + 1) : titres[i], 3, id + 1);
        saison.AjouteChampionnat(std::move(c));
    }
    saison.RecalculeJoueurs();
    saison.RecalculeArbitres();
    return champs;
}

bool TTraiteurFichier::ConstruitSaison(TSaison& saison, const TLignesComposeur& lignes, const std::string& dllDir,
                                       std::vector<std::string>* echecs)
{
    bool resultat = true;
    uint16_t decalage = 0;
    for (const TLigneComposeur& ligne : lignes) {
        if (!ligne.Texte.empty() && ligne.Texte[0] == '$') {
            saison.AjouteDesc(ligne.Texte.substr(1), ligne.Niveau, 0);
            continue;
        }
        std::string titre;
        const std::string nom = NomFichierLigne(ligne.Texte, titre);
        if (nom.empty()) {
            saison.AjouteDesc(ligne.Texte, 3, ligne.CodeChamp);
            continue;
        }
        TDonneesChampionnat* champ = ImporteDans(saison, nom, dllDir, decalage);
        if (!champ) {
            resultat = false; // the line is dropped
            if (echecs)
                echecs->push_back(nom);
            continue;
        }
        champ->CodeChamp = ligne.CodeChamp;
        saison.AjouteDesc(titre, 3, ligne.CodeChamp);
    }
    saison.SetNumChampCourant(1);
    saison.RecalculeJoueurs();
    saison.RecalculeArbitres();
    return resultat;
}

void TTraiteurFichier::ImporteListe(TSaison& saison, const TLignesComposeur& lignes, const std::string& dllDir,
                                    std::string& barrages, std::vector<std::string>* echecs)
{
    barrages.clear();
    saison.VideDesc();
    std::vector<const TDonneesChampionnat*> gardes;
    for (const TLigneComposeur& ligne : lignes) {
        if (!ligne.Texte.empty() && ligne.Texte[0] == '$') {
            const std::string texte = ligne.Texte.substr(1);
            const size_t second = texte.find('#', 1);
            if (ligne.Niveau == 2 && second != std::string::npos) {
                try {
                    const int n = std::stoi(texte.substr(1, second - 1));
                    if (n & 0x8000)
                        barrages += std::to_string(n & 0x7FFF) + "-";
                } catch (...) {
                    // Not a numbered entry: a plain heading.
                }
            }
            saison.AjouteDesc(texte, ligne.Niveau, 0);
            continue;
        }
        if (ligne.IdSaison != -1) {
            if (const TDonneesChampionnat* c = saison.GetChampionnatId(ligne.CodeChamp)) {
                gardes.push_back(c);
                saison.AjouteDesc(ligne.Texte, 3, ligne.CodeChamp);
            } else {
                saison.AjouteDesc(ligne.Texte, 3, 0);
            }
            continue;
        }
        std::string titre;
        const std::string nom = NomFichierLigne(ligne.Texte, titre);
        TDonneesChampionnat* champ = nom.empty() ? nullptr : ImporteFichier(saison, nom, dllDir);
        if (!champ) {
            // The line is dropped; the caller tells the user.
            if (echecs && !nom.empty())
                echecs->push_back(nom);
            continue;
        }
        champ->CodeChamp = ligne.CodeChamp;
        gardes.push_back(champ);
        saison.AjouteDesc(titre, 3, ligne.CodeChamp);
    }
    std::vector<std::unique_ptr<TDonneesChampionnat>> tous = saison.VideChampionnats();
    for (const TDonneesChampionnat* g : gardes)
        for (auto& c : tous)
            if (c.get() == g) {
                saison.AjouteChampionnat(std::move(c));
                break;
            }
    saison.SetNumChampCourant(1);
    saison.RecalculeJoueurs();
    saison.RecalculeArbitres();
}

std::unique_ptr<TSaison> TTraiteurFichier::CreeSaisonSimple(int nbEquipe, int code, uint8_t typeChamp, uint8_t sport)
{
    auto saison = std::make_unique<TSaisonFootball>();
    std::unique_ptr<TDonneesChampionnat> champ = saison->CreeChampionnat(typeChamp, sport);
    champ->SetCode(code);
    champ->SetNbEquipe(nbEquipe);
    champ->SetNbMatch(nbEquipe / 2);
    const int jours = (2 * ((nbEquipe + 1) / 2) - 1) * 2;
    champ->SetNbJour(jours < 1 ? 0 : jours);
    saison->AjouteChampionnat(std::move(champ));
    return saison;
}

TStade* TTraiteurFichier::CopieStade(TSaison& saison, const TStade* stade)
{
    if (!stade)
        return nullptr;
    if (TStade* ici = saison.Stades().ChercheCode(stade->Code))
        return ici;
    std::unique_ptr<TStade> copie = stade->CreeCopie();
    copie->Code = stade->Code;
    return saison.Stades().Get(saison.Stades().Ajoute(std::move(copie), false));
}

bool TTraiteurFichier::ExtraitChampionnat(const std::string& nomFichier, TSaison& saison, bool sansResultats,
                                          const std::string& dllDir, const std::string& fichierIni,
                                          TBarreEtat* barreEtat, const TRappelFichier& onFichierRecent,
                                          bool avecMessages)
{
    const TDonneesChampionnat* c = saison.GetChampCourant();
    if (!c)
        return false;
    saison.RecalculeJoueurs();
    saison.RecalculeArbitres();
    const auto cle = static_cast<uint16_t>(saison.GetNumChampCourant());
    const int nb = c->GetNbEquipe();

    std::unique_ptr<TSaison> nouvelle = CreeSaisonSimple(nb, c->GetCode(), c->Genre, c->Sport);
    TDonneesChampionnat& d = *nouvelle->GetChampionnat(1);
    d.CodeChamp = c->CodeChamp;
    d.SetNbJour(c->GetNbJour());
    d.SetNbMatch(c->GetNbMatch());
    for (int i = 0; i < TDonneesChampionnat::NbOptions; ++i)
        d.SetOption(i, c->GetOption(i));
    for (int i = 0; i < TDonneesChampionnat::NbOptionsArbitre; ++i)
        d.SetOptionArbitre(i, c->GetOptionArbitre(i));
    d.OrdreClassement = c->OrdreClassement;
    d.BonusBut = c->BonusBut;
    d.PointBonusBut = c->PointBonusBut;
    d.BonusEcart = c->BonusEcart;
    d.PetiteFinale = c->PetiteFinale;
    for (int i = 0; i < c->GetNbTourCoupe(); ++i)
        d.AjouteTourCoupe(*c->GetTourCoupe(i));

    // Countries first and in order, so that every country code stays valid.
    for (int i = 0; i < saison.Pays().Nombre(); ++i)
        nouvelle->Pays().Ajoute(saison.Pays().GetNom(i).empty() ? std::string("?") : saison.Pays().GetNom(i));

    TCarteEquipes equipes;
    for (int p = 0; p < nb; ++p) {
        const int id = c->GetEquipe(p);
        const std::string nom = saison.GetNomEquipe(static_cast<uint16_t>(id));
        const int nouveau =
            nouvelle->AjouteEquipe(nom.empty() ? std::string("?") : nom, -1, false, saison.GetLogoEquipe(id));
        d.SetEquipe(p, static_cast<uint16_t>(nouveau));
        equipes.Ajoute(id, nouveau);
    }
    auto clubPrec = [&](uint16_t i) {
        return i < saison.NbClubPrec() ? static_cast<uint16_t>(nouvelle->ChercheClubPrec(saison.GetClubPrec(i), true))
                                       : Aucun;
    };

    TListeRenumerotation pairesJoueurs, pairesArbitres;
    for (int i = 0; i < saison.Joueurs().Nombre(); ++i) {
        const TJoueur* j = saison.Joueurs().Get(i);
        if (j->GetNbMatch(cle) == 0 && c->IndexEquipe(j->EquipeClub) < 0)
            continue;
        std::unique_ptr<TJoueur> copie = nouvelle->CreeJoueurCopie(*j);
        if (!copie)
            continue;
        copie->EquipeClub = equipes(j->EquipeClub);
        copie->EquipeNationale = equipes(j->EquipeNationale);
        copie->ClubPrec = clubPrec(j->ClubPrec);
        for (int k = 0; k < copie->NbStatHist(); ++k) {
            const int code = copie->GetStatCarriere(k).Code;
            if (nouvelle->GetNomStatChamp(code).empty() && !saison.GetNomStatChamp(code).empty())
                nouvelle->AjouteStatChamp(saison.GetNomStatChamp(code), code);
        }
        nouvelle->Joueurs().Ajoute(std::move(copie), &pairesJoueurs);
    }
    for (int i = 0; i < saison.Arbitres().Nombre(); ++i) {
        const auto* a = dynamic_cast<const TPersonnelStat*>(saison.Arbitres().Get(i));
        if (a && a->GetNbMatch(cle) > 0)
            nouvelle->Arbitres().Ajoute(a->CreeCopie(), &pairesArbitres);
    }
    for (int i = 0; i < saison.Entraineurs().Nombre(); ++i) {
        const auto* e = dynamic_cast<const TEntraineur*>(saison.Entraineurs().Get(i));
        if (!e || c->IndexEquipe(e->ClubActuel) < 0)
            continue;
        std::unique_ptr<TPersonnel> copie = e->CreeCopie();
        if (auto* coach = dynamic_cast<TEntraineur*>(copie.get())) {
            coach->ClubActuel = equipes(e->ClubActuel);
            coach->ClubPrec = clubPrec(e->ClubPrec);
        }
        nouvelle->Entraineurs().Ajoute(std::move(copie));
    }
    for (int i = 0; i < saison.RensClubs().Nombre(); ++i) {
        const TRensClub* r = saison.RensClubs().Get(i);
        if (c->IndexEquipe(r->Club) < 0)
            continue;
        std::unique_ptr<TRensClub> copie = r->CreeCopie();
        copie->Club = equipes(r->Club);
        copie->SetStade(CopieStade(*nouvelle, r->GetStade(&saison.Stades())));
        copie->SetEntraineur(nouvelle->Entraineurs().ChercheId(r->NumeroEntraineur));
        nouvelle->RensClubs().Ajoute(std::move(copie));
    }

    // Team references outside the matches.
    for (int g = 0; g < c->NbGroupe(); ++g) {
        auto groupe = std::make_unique<TGroupeEquipe>(c->GetGroupe(g)->NomGroupe);
        for (int i = 0; i < c->GetGroupe(g)->NbEquipe(); ++i)
            groupe->AjouteEquipe(equipes(c->GetGroupe(g)->GetEquipe(i)));
        d.AjouteGroupe(std::move(groupe));
    }
    for (int e : c->GetMatchsSuiv())
        d.AjouteMatchSuiv((e & 0xFF) << 1, equipes(e >> 8), Aucun);
    for (int i = 0; i < c->GetPenalites().Nombre(); ++i) {
        TPenalite p = *c->GetPenalites().Get(i);
        if (sansResultats && p.Journee != 0)
            continue;
        p.Equipe1 = equipes(p.Equipe1);
        if (p.Journee != 0)
            p.Equipe2 = equipes(p.Equipe2);
        d.GetPenalites().AjouteFin(p);
    }

    if (!sansResultats) {
        d.CopieResultats(*c);
        d.JourneeJouee = c->JourneeJouee;
        // What the copy of the results leaves: ratings, captains, shoot-outs.
        for (int n = 1; n <= c->GetNbJour(); ++n) {
            const TInfoCompJour* jour = c->GetJournee(n);
            for (int i = 0; jour && i < jour->NbMatch(); ++i) {
                const TInfoComp* m = jour->GetMatch(i);
                const uint16_t dom = equipes(m->GetEquipe(0)), ext = equipes(m->GetEquipe(1));
                TInfoComp* copie = d.GetJournee(n) ? d.GetJournee(n)->GetMatchEquipes(dom, ext) : nullptr;
                if (!copie)
                    continue;
                for (int a = 1; a <= 3; ++a)
                    copie->SetNoteArbitreN(a, m->GetNoteArbitreN(a));
                copie->SetNoteMatch(m->GetNoteMatch());
                for (int cote = 0; cote < 2; ++cote)
                    copie->SetCompoCote(cote, 21, m->GetCompoCote(cote, 21));
                if (const TPenaltys* t = c->CherchePenaltys(n, m->GetEquipe(0), m->GetEquipe(1)))
                    d.AjoutePenaltys(n, dom, ext, t->But1, t->But2);
                else if (const TPenaltys* r = c->CherchePenaltys(n, m->GetEquipe(1), m->GetEquipe(0)))
                    d.AjoutePenaltys(n, ext, dom, r->But1, r->But2);
            }
        }
        d.ConvertitJoueurs(pairesJoueurs);
        d.ConvertitArbitres(pairesArbitres);
    }
    return SauveAvecEtat(nomFichier, *nouvelle, false, dllDir, fichierIni, barreEtat, onFichierRecent, avecMessages);
}

bool TTraiteurFichier::CopieRepertoire(const std::string& source, const std::string& cible)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    if (source == cible || fs::equivalent(source, cible, ec))
        return true;
    fs::create_directories(cible, ec);
    for (fs::directory_iterator it(cible, ec), fin; !ec && it != fin; it.increment(ec))
        if (it->is_regular_file(ec))
            fs::remove(it->path(), ec);
    for (fs::directory_iterator it(source, ec), fin; !ec && it != fin; it.increment(ec)) {
        std::error_code ecCopie;
        if (it->is_regular_file(ecCopie))
            fs::copy_file(it->path(), fs::path(cible) / it->path().filename(), fs::copy_options::overwrite_existing,
                          ecCopie);
    }
    return true;
}
