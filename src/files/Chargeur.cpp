#include "files/Chargeur.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "base/Texte.h"
#include "base/Utilities.h"
#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"

namespace {

// Scores are kept in one byte; 255 is a match not played.
uint16_t Score(uint8_t octet)
{
    return octet == 255 ? TInfoComp::Aucun : octet;
}

// The list an event of kind `liste` (0 scorers, 1 cards, 2 assists) joins.
TListeDonnees* ListeEvenements(const TDonneesChampionnat& champ, int liste, int jour)
{
    switch (liste) {
    case 0:
        return champ.GetButeursJournee(jour);
    case 1:
        return champ.GetCartonsJournee(jour);
    default:
        if (const auto* foot = dynamic_cast<const TDonneesChampionnatFootball*>(&champ))
            return foot->GetPasseursJournee(jour);
        return nullptr;
    }
}

// Matches of a day as the file stores them, whatever the calendar holds: a
// championship played by calendar date has no matches yet for its days.
int NbCasesJournee(const TDonneesChampionnat& champ, int jour)
{
    if (!champ.EstCoupe())
        return champ.GetNbMatch();
    const TTourCoupeJour* tour = champ.GetTourCoupe(jour - 1);
    return tour ? tour->NbMatch : 0;
}

} // namespace

TChargeur::TChargeur(const std::string& nomFichier, int mode) : NomFichier(nomFichier)
{
    if (mode != 0)
        return;
    try {
        Lecteur = std::make_unique<TLecteurFichier>(nomFichier);
        TailleFichier = Lecteur->Taille();
    } catch (const EErreurFichier&) {
        Lecteur.reset();
    }
}

TChargeur::TChargeur(std::unique_ptr<TSourceOctets> source, std::string nomFichier) : NomFichier(std::move(nomFichier))
{
    try {
        Lecteur = std::make_unique<TLecteurFichier>(std::move(source));
        TailleFichier = Lecteur->Taille();
    } catch (const EErreurFichier&) {
        Lecteur.reset();
    }
}

TChargeur::~TChargeur() = default;

// --- Bytes ---

uint8_t TChargeur::LitOctet()
{
    return Lecteur->LitOctet();
}

uint16_t TChargeur::LitMot()
{
    return Lecteur->LitMot();
}

int32_t TChargeur::LitLong()
{
    return Lecteur->LitEntier();
}

uint32_t TChargeur::LitGrand(int octets)
{
    uint32_t valeur = 0;
    for (int i = 0; i < octets; ++i)
        valeur = (valeur << 8) | Lecteur->LitOctet();
    return valeur;
}

std::string TChargeur::LitTexte(uint8_t fin)
{
    return DecodeWindows1252(Lecteur->LitChaine(fin));
}

int64_t TChargeur::Reste() const
{
    return std::max<int64_t>(TailleFichier - Lecteur->Position(), 0);
}

bool TChargeur::Tient(int64_t nombre, int64_t taille, int64_t maximum)
{
    if (nombre < 0 || nombre > maximum) {
        NoteEchec(TCauseChargement::Endommage);
        return false;
    }
    if (nombre * taille > Reste()) {
        NoteEchec(TCauseChargement::Tronque);
        return false;
    }
    return true;
}

void TChargeur::NoteEchec(TEchecChargement echec)
{
    if (Echec.Cause == TCauseChargement::Aucune)
        Echec = echec;
}

TEchecChargement TChargeur::GetEchec() const
{
    return Echec.Cause != TCauseChargement::Aucune ? Echec : TEchecChargement{TCauseChargement::Endommage, 0};
}

bool TChargeur::VersionConnue()
{
    if (Version >= 3 && Version <= 13)
        return true;
    NoteEchec(TCauseChargement::PasUneSaison);
    return false;
}

uint16_t TChargeur::LitVersion()
{
    const uint16_t premier = LitMot();
    if ((premier >> 8) != 255) {
        Version = 3;
        return premier;
    }
    Version = premier & 0xFF;
    return LitMot();
}

void TChargeur::PositionneMot(int mot)
{
    if (mot >= 0)
        Lecteur->Positionne(2 * static_cast<int64_t>(mot));
}

// --- Packed names ---

bool TChargeur::LitBlocNoms(std::vector<std::string>& noms)
{
    static constexpr char Signes[] = ".-' ";
    noms.clear();
    std::string courant;
    bool fin = false;
    while (!fin) {
        const uint16_t mot = LitMot();
        for (int k = 0; k < 3; ++k) {
            const int code = (mot >> (10 - 5 * k)) & 31;
            if (code < 26) {
                courant += static_cast<char>('A' + code);
            } else if (code < 30) {
                courant += Signes[code - 26];
            } else if (code == 30) {
                // A writer never puts more in one block; a file that does is damaged.
                if (static_cast<int>(noms.size()) == MaxNomsBloc)
                    return false;
                noms.push_back(std::move(courant));
                courant.clear();
            } else {
                fin = true;
            }
        }
    }
    return true;
}

bool TChargeur::LitListeNoms(std::vector<std::string>& noms, int maximum)
{
    noms.clear();
    std::vector<std::string> bloc;
    do {
        if (!LitBlocNoms(bloc))
            return false;
        if (static_cast<int>(noms.size() + bloc.size()) > maximum)
            return false;
        for (std::string& nom : bloc)
            noms.push_back(std::move(nom));
    } while (static_cast<int>(bloc.size()) == MaxNomsBloc);
    return true;
}

// --- Teams, countries, former clubs ---

bool TChargeur::LitEquipes()
{
    if (Version >= 7) {
        const int n = LitMot();
        if (!Tient(n, 1))
            return false;
        for (int i = 0; i < n; ++i)
            Saison->AjouteEquipe(LitTexte(), i, false, 0);
        return true;
    }
    std::vector<std::string> noms;
    if (Version < 4) {
        // Two fixed blocks: the clubs, then the national teams from id 200.
        if (!LitBlocNoms(noms))
            return false;
        for (int i = 0; i < static_cast<int>(noms.size()); ++i)
            Saison->AjouteEquipe(Capitalise(noms[i]), i, false, 0);
        if (!LitBlocNoms(noms))
            return false;
        for (int i = 0; i < static_cast<int>(noms.size()); ++i)
            Saison->AjouteEquipe(noms[i], 200 + i, false, 0);
        return true;
    }
    if (!LitListeNoms(noms, MaxElements))
        return false;
    for (int i = 0; i < static_cast<int>(noms.size()); ++i)
        Saison->AjouteEquipe(Capitalise(noms[i]), i, false, 0);
    return true;
}

bool TChargeur::LitPays()
{
    const int n = LitMot();
    if (!Tient(n, 1))
        return false;
    for (int i = 0; i < n; ++i)
        Saison->AjoutePays(LitTexte());
    return true;
}

bool TChargeur::LitClubPrec(int mot)
{
    PositionneMot(mot);
    const int n = LitMot();
    if (Version >= 7) {
        if (!Tient(n, 1))
            return false;
        for (int i = 0; i < n; ++i)
            Saison->AjouteClubPrec(LitTexte());
        return true;
    }
    std::vector<std::string> noms;
    for (int blocs = 0; n > 0 && blocs * MaxNomsBloc <= n; ++blocs) {
        if (!LitBlocNoms(noms))
            return false;
        for (const std::string& nom : noms)
            Saison->AjouteClubPrec(nom);
    }
    return true;
}

// --- People, stadiums, club records ---

bool TChargeur::LitArbitres(TListeRenumerotation* renum)
{
    const int32_t n = LitLong();
    if (!Tient(n, 6))
        return false;
    for (int32_t i = 0; i < n; ++i) {
        std::string nom = LitTexte();
        std::string prenom = LitTexte();
        auto arbitre = std::make_unique<TPersonnelStat>(std::move(nom), std::move(prenom), 0, 0);
        arbitre->CodePays = LitMot();
        arbitre->Numero = LitMot();
        Saison->Arbitres().Ajoute(std::move(arbitre), renum);
    }
    return true;
}

bool TChargeur::LitEntraineurs(TListeRenumerotation* renum)
{
    const int32_t n = LitLong();
    if (!Tient(n, 12))
        return false;
    for (int32_t i = 0; i < n; ++i) {
        std::string nom = LitTexte();
        std::string prenom = LitTexte();
        auto entraineur = std::make_unique<TEntraineur>(std::move(nom), std::move(prenom), 0, 0);
        entraineur->Age = static_cast<uint8_t>(LitMot() & 0xFF);
        entraineur->CodePays = LitMot();
        entraineur->Numero = LitMot();
        entraineur->ClubActuel = LitMot();
        entraineur->ClubPrec = LitMot();
        Saison->Entraineurs().Ajoute(std::move(entraineur), renum);
    }
    return true;
}

bool TChargeur::LitStades()
{
    const int32_t n = LitLong();
    if (!Tient(n, 16))
        return false;
    for (int32_t i = 0; i < n; ++i) {
        auto stade = std::make_unique<TStade>();
        stade->NomStade = LitTexte();
        stade->Ville = LitTexte();
        stade->Capacite = LitLong();
        stade->DateConstruction = LitMot();
        stade->Remarque = LitTexte();
        stade->RecordAffluence = LitTexte();
        stade->Code = LitMot();
        stade->CodePays = LitMot();
        Saison->Stades().Ajoute(std::move(stade), false);
    }
    return true;
}

bool TChargeur::LitRensClubs()
{
    const int32_t n = LitLong();
    if (!Tient(n, 21))
        return false;
    for (int32_t i = 0; i < n; ++i) {
        auto rens = std::make_unique<TRensClub>(LitLong());
        rens->Creation = LitTexte();
        rens->CouleurMaillot = LitTexte();
        rens->CouleurRechange = LitTexte();
        rens->Palmares = LitTexte();
        rens->SiteInternet = LitTexte();
        rens->Budget = LitLong();
        rens->Remarque = LitTexte();
        rens->President = LitTexte();
        const uint16_t stade = LitMot();
        rens->SetStade(stade < 65535 ? Saison->Stades().ChercheCode(stade) : nullptr);
        const uint16_t entraineur = LitMot();
        rens->SetEntraineur(entraineur < 65535 ? Saison->Entraineurs().ChercheId(entraineur) : nullptr);
        rens->Code = LitMot();
        Saison->RensClubs().Ajoute(std::move(rens));
    }
    return true;
}

// --- Players ---

std::unique_ptr<TJoueur> TChargeur::LitFicheJoueur(const std::string& nom, const std::string& prenom, bool ancien)
{
    const uint16_t ageDuree = LitMot();
    const int32_t date = LitDate();
    uint16_t club = static_cast<uint16_t>(date & 0xFFFF);
    uint16_t nationale = 65535;
    uint8_t maillotNational = 0;
    if (Version >= 12) {
        nationale = LitMot();
        maillotNational = LitOctet();
    }
    // Such values stood for "no club" in these files.
    if (club > 98)
        club = 65535;
    std::unique_ptr<TJoueur> joueur = Saison->CreeJoueur(nom, prenom, 0, club);
    joueur->Age = static_cast<uint8_t>(ageDuree >> 8);
    joueur->Duree = static_cast<uint8_t>(ageDuree & 0xFF);
    joueur->Contrat = static_cast<uint8_t>((date >> 16) & 0xFF);
    joueur->EquipeNationale = nationale;
    joueur->MaillotNational = maillotNational;
    if (ancien && Version < 5) {
        const uint16_t matchs = LitMot();
        const uint16_t buts = LitMot();
        joueur->AjouteStatHist(1, matchs);
        joueur->SetStatHist(1, 1, buts);
    } else {
        const int nbHistoire = LitOctet();
        for (int k = 0; k < nbHistoire; ++k) {
            const uint16_t code = LitMot();
            const uint16_t matchs = LitMot();
            const uint16_t buts = LitMot();
            joueur->AjouteStatHist(code, matchs);
            joueur->SetStatHist(code, 1, buts);
        }
    }
    const uint16_t poste = LitMot();
    joueur->SetLettrePoste(static_cast<char>(poste & 0xFF));
    joueur->Maillot = static_cast<uint8_t>(poste >> 8);
    return joueur;
}

bool TChargeur::LitJoueurs(int mot, int mode, TListeRenumerotation* renum)
{
    PositionneMot(mot);
    const int32_t n = LitLong();
    if (!Tient(n, 13))
        return false;
    for (int32_t i = 0; i < n; ++i) {
        std::string nom = LitTexte();
        std::string prenom = LitTexte();
        std::unique_ptr<TJoueur> joueur = LitFicheJoueur(nom, prenom, false);
        joueur->ClubPrec = LitMot();
        joueur->CodePays = LitMot();
        joueur->Numero = mode == 1 ? i + 1 : LitEntierMots();
        if (!joueur->Nom.empty())
            Saison->Joueurs().Ajoute(std::move(joueur), renum);
    }
    return true;
}

bool TChargeur::LitListeJoueurs(int mot, int mode, TListeRenumerotation* renum)
{
    PositionneMot(mot);
    std::vector<std::string> noms;
    if (!LitListeNoms(noms, MaxElements))
        return false;
    std::vector<std::string> prenoms;
    if (!noms.empty() && !LitListeNoms(prenoms, MaxElements))
        return false;
    for (int i = 0; i < static_cast<int>(noms.size()); ++i) {
        std::string nom = Capitalise(noms[i]);
        if (nom.empty())
            nom = " ";
        const std::string prenom = i < static_cast<int>(prenoms.size()) ? Capitalise(prenoms[i]) : std::string();
        std::unique_ptr<TJoueur> joueur = LitFicheJoueur(nom, prenom, true);
        joueur->ClubPrec = LitMot();
        // The running number starts at 1: an id of 0 would be taken for "none".
        joueur->Numero = mode == 1 ? i + 1 : LitEntierMots();
        Saison->Joueurs().Ajoute(std::move(joueur), renum);
    }
    return true;
}

bool TChargeur::LitStatChamps(int entree)
{
    if (Version < 5 && entree >= 0) {
        const TLectureParam* catalogue = LectureParam();
        Saison->AjouteStatChamp(catalogue ? catalogue->GetNomEntree(entree) : std::string(), 1);
        return true;
    }
    const int n = LitMot();
    if (!Tient(n, 1))
        return false;
    for (int i = 0; i < n; ++i)
        Saison->AjouteStatChamp(LitTexte(255), i + 1);
    return true;
}

// --- Championship headers ---

int TChargeur::JoursImplicites(int nbEquipe)
{
    return nbEquipe <= 0 ? 0 : 4 * ((nbEquipe - 1) / 2) + 2;
}

bool TChargeur::LitGenre(TDonneesChampionnat& champ, uint16_t drapeaux, int& nbTours)
{
    nbTours = 0;
    uint8_t genre = TDonneesChampionnat::TypeChamp;
    if (drapeaux & 2) {
        genre = TDonneesChampionnat::TypeCoupe;
        nbTours = LitMot();
        if (!Tient(nbTours, 4, TDonneesChampionnat::MaxJours))
            return false;
        for (int i = 0; i < nbTours; ++i) {
            TTourCoupeJour tour;
            tour.nTour = LitOctet();
            tour.TypeMatch = LitOctet();
            tour.NbMatch = LitMot();
            // More matches in a round than 255 teams can play is a damaged file.
            if (tour.NbMatch > TDonneesChampionnat::MaxEquipes)
                return false;
            champ.AjouteTourCoupe(tour);
        }
    }
    genre |= (drapeaux & 8) ? TDonneesChampionnat::TypeInternational : TDonneesChampionnat::TypeNational;
    champ.Genre = genre;
    return true;
}

bool TChargeur::LitBlocCompo(const TDonneesChampionnat& champ)
{
    TBlocCompo bloc;
    if (Version < 4) {
        const int n = champ.GetNbEquipe();
        if (!Tient(n, 2 * NbMotsCompo))
            return false;
        bloc.resize(static_cast<size_t>(n));
        for (int p = 0; p < n; ++p) {
            bloc[p].Position = static_cast<uint8_t>(p);
            for (uint16_t& mot : bloc[p].Mots)
                mot = LitMot();
        }
    } else {
        const int n = LitOctet();
        if (!Tient(n, 1 + 2 * NbMotsCompo))
            return false;
        bloc.resize(static_cast<size_t>(n));
        for (TEntreeCompo& entree : bloc) {
            entree.Position = LitOctet();
            for (uint16_t& mot : entree.Mots)
                mot = LitMot();
        }
    }
    Compos[&champ].push_back(std::move(bloc));
    return true;
}

// --- Championship body ---

bool TChargeur::LitChampionnat(TDonneesChampionnat& champ)
{
    std::deque<TBlocCompo> blocs;
    if (auto it = Compos.find(&champ); it != Compos.end()) {
        blocs = std::move(it->second);
        Compos.erase(it);
    }
    try {
        return LitCorpsChampionnat(champ, blocs);
    } catch (const std::exception&) {
        NoteException();
        return false;
    }
}

bool TChargeur::LitCorpsChampionnat(TDonneesChampionnat& champ, std::deque<TBlocCompo>& blocs)
{
    for (int i = 0; i < TDonneesChampionnat::NbOptions; ++i)
        champ.SetOption(i, LitOctet());
    champ.NbJournee = LitOctet();
    champ.Division = LitOctet();
    if (Version >= 13)
        champ.CodePerso = LitMot();

    const int nbJour = champ.GetNbJour();
    // The match each slot of the file became (null when the calendar refused
    // it): later steps address matches by slot, and adding a match may
    // replace an earlier one of the same teams.
    std::vector<std::vector<TInfoComp*>> matchs(static_cast<size_t>(nbJour));
    const int tailleId = Version >= 4 ? 2 : 1;
    for (int d = 1; d <= nbJour; ++d) {
        const int n = NbCasesJournee(champ, d);
        if (!Tient(n, 2 * tailleId + 2))
            return false;
        std::vector<std::pair<int, int>> equipes(static_cast<size_t>(n));
        for (auto& [dom, ext] : equipes) {
            dom = tailleId == 2 ? LitMot() : LitOctet();
            const uint16_t score1 = Score(LitOctet());
            ext = tailleId == 2 ? LitMot() : LitOctet();
            const uint16_t score2 = Score(LitOctet());
            champ.AjouteMatch(d, dom, ext, -1, score1, score2);
        }
        const TInfoCompJour* journee = champ.GetJournee(d);
        for (const auto& [dom, ext] : equipes)
            matchs[d - 1].push_back(
                journee ? journee->GetMatchEquipes(static_cast<uint16_t>(dom), static_cast<uint16_t>(ext)) : nullptr);
    }

    if (Version < 7)
        for (int d = 1; d <= nbJour && !blocs.empty(); ++d) {
            for (const TEntreeCompo& entree : blocs.front())
                for (int i = 1; i <= NbMotsCompo; ++i)
                    champ.SetCompoMatch(d, entree.Position, i, entree.Mots[i - 1]);
            blocs.pop_front();
        }
    if (Version < 12)
        LitOctet();

    for (auto& jour : matchs)
        for (TInfoComp* m : jour) {
            const int affluence = static_cast<int>(LitGrand(Version < 7 ? 2 : 3));
            if (m)
                m->SetAffluence(m->Joue() ? affluence : 0);
        }
    if (Version >= 8)
        for (auto& jour : matchs)
            for (TInfoComp* m : jour) {
                const uint16_t arbitre = LitMot();
                if (m)
                    m->SetArbitrePrincipal(arbitre == 0 ? -1 : arbitre);
            }
    const uint8_t saisie = champ.GetOption(11);
    std::vector<std::pair<TInfoComp*, TDateMatch>> datesMatchs;
    if (Version >= 13) {
        const TStades* stades = champ.GetSaison() ? champ.GetSaison()->GetStades() : nullptr;
        for (auto& jour : matchs)
            for (TInfoComp* m : jour) {
                const uint16_t code = LitMot();
                const TStade* stade = stades ? stades->ChercheCode(code) : nullptr;
                if (m)
                    m->SetStade(stade ? stade->Code : TInfoComp::Aucun);
            }
        if (saisie & 4)
            for (auto& jour : matchs)
                for (TInfoComp* m : jour) {
                    const TDateMatch date = Lecteur->LitEntier();
                    // A match without a date of its own keeps its day's.
                    if (m && date != 0)
                        datesMatchs.emplace_back(m, date);
                }
    }
    if (!(saisie & 1) && (Version >= 13 || saisie == 0)) {
        for (int d = 1; d <= nbJour; ++d)
            champ.SetDateJournee(d, 0);
    } else {
        for (int d = 1; d <= nbJour; ++d)
            for (int k = 1; k <= 4; ++k)
                champ.SetOctetDateJournee(d, k, LitOctet());
    }
    // Dating a day moves all its matches to that date: the matches' own dates
    // go in once the days have theirs.
    for (const auto& [m, date] : datesMatchs)
        champ.GetJournees().DeplaceMatchDate(m, date);

    for (int liste = 0; liste < (Version >= 7 ? 3 : 2); ++liste)
        LitEvenements(champ, liste);

    if (Version >= 7) {
        for (int d = 1; d <= nbJour; ++d) {
            const int n = LitOctet();
            for (int i = 0; i < n; ++i) {
                const uint16_t id1 = LitMot();
                const uint16_t id2 = LitMot();
                champ.SetCommentaireMatch(d, id1, id2, LitTexte());
            }
        }
        for (int d = 1; d <= nbJour; ++d) {
            const int n = LitOctet();
            for (int i = 0; i < n; ++i) {
                const int p = LitOctet();
                for (int k = 1; k <= NbMotsCompo; ++k)
                    champ.SetCompoMatch(d, p, k, LitMot());
            }
        }
        for (int d = 1; d <= nbJour; ++d) {
            const int n = LitOctet();
            for (int i = 0; i < n; ++i) {
                const int p = LitOctet();
                for (int k = 1; k <= NbNotes; ++k)
                    champ.SetNoteJoueurMatch(d, p, k, static_cast<uint8_t>(LitMot()));
            }
        }
    }

    if (Version >= 4 && champ.EstCoupe())
        for (int d = 1; d <= nbJour; ++d)
            for (uint8_t premier = LitOctet(); premier != 255; premier = LitOctet()) {
                TPenaltys tirs;
                tirs.But1 = premier;
                tirs.But2 = LitOctet();
                tirs.Equipe1 = LitMot();
                tirs.Equipe2 = LitMot();
                champ.AjoutePenaltysRecord(d, tirs);
            }

    if (Version >= 9) {
        const int n = LitMot();
        if (!Tient(n, 8))
            return false;
        for (int i = 0; i < n; ++i) {
            const uint16_t equipe1 = LitMot();
            const uint16_t equipe2 = LitMot();
            const uint8_t valeur1 = LitOctet();
            const uint8_t valeur2 = LitOctet();
            const uint8_t journee = LitOctet();
            LitOctet();
            champ.GetPenalites().Ajoute(equipe1, equipe2, valeur1, valeur2, journee, TPenalite::ResultatAttribue);
        }
    }

    champ.JourneeJouee = 0;
    for (int d = nbJour; d >= 1 && champ.JourneeJouee == 0; --d)
        for (int k = 1; k <= champ.GetNbEquipe(); ++k)
            if (champ.GetValeurMatch(d, 2 * k) < TInfoComp::Aucun) {
                champ.JourneeJouee = static_cast<uint8_t>(std::min(d, 255));
                break;
            }
    return true;
}

void TChargeur::LitEvenements(TDonneesChampionnat& champ, int liste)
{
    for (int d = 1; d <= champ.GetNbJour(); ++d) {
        TListeDonnees* evenements = ListeEvenements(champ, liste, d);
        for (uint8_t premier = LitOctet(); premier != 255; premier = LitOctet()) {
            uint16_t mot = 0;
            int equipe = 0;
            if (liste == 2) {
                equipe = LitId(premier);
            } else {
                mot = premier;
                if (liste == 0 && Version >= 7)
                    mot = static_cast<uint16_t>(premier << 8 | LitOctet());
                equipe = LitId(255);
            }
            const int32_t joueur = LitEntier();
            if (evenements && joueur != 0 && equipe >= 0 && equipe <= 65534)
                evenements->Ajoute(std::make_unique<TDonneesEvt>(joueur, static_cast<uint16_t>(equipe), mot));
        }
    }
}
