// The file commands of the main window: opening, saving, closing, exports,
// the division history, auto-save, help and the update check.
#include "shell/w_PrincipaleFichiers.h"

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "engine/ControleCalendrier.h"
#include "files/Fichiers.h"
#include "files/Stats.h"
#include "files/ioFile.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "pagebase/DefType.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/saisie/w_Validation.h"
#include "platform/Bureau.h"
#include "platform/Dialogues.h"
#include "presentation/Historique.h"
#include "shell/MiseAJour.h"
#include "shell/w_MessageMAJ.h"
#include "shell/w_Principale.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

constexpr int TexteModifie = 18;
constexpr int TexteFichierOuvert = 12;
constexpr int TexteImporterChampionnat = 720;
constexpr int TexteFusionnerSaison = 721;
constexpr int TexteChampionnatsAjoutes = 2340;
constexpr int TexteHistoriqueImpossible = 2342;
constexpr int TexteCreerHistorique = 3270;
constexpr int TexteExporteHtml = 949;
constexpr int TextePageEcrite = 3002;
constexpr int TexteRienAExporter = 3003;
constexpr int TextePageHtml = 3004;
constexpr int TexteCalendrierVide = 3005;
constexpr int TexteVerificationCalendrier = 3011;
constexpr int TexteExportEcrit = 3522;
constexpr int TexteOuvrir = 7;
constexpr int TexteQuestionSauvegarde = 2;
constexpr int TexteChampionnats = 8;
constexpr int TexteChampionnatsAnciens = 9;
constexpr int TexteSaisons = 10;
constexpr int TexteTousFichiers = 11;
constexpr int TexteEnregistrerSous = 13;
constexpr int TexteDonnees = 21;
constexpr int TexteExporter = 38;

// Passes every message on and counts them: what a command reports by itself
// is not told a second time.
class TCompteMessages : public TServiceMessage {
public:
    TCompteMessages() : FAncien(InstalleServiceMessage(this)) {}
    ~TCompteMessages() override { InstalleServiceMessage(FAncien); }
    TCompteMessages(const TCompteMessages&) = delete;
    TCompteMessages& operator=(const TCompteMessages&) = delete;

    uint16_t Affiche(const std::string& texte, uint16_t flags) override
    {
        ++Nombre;
        return FAncien != nullptr ? FAncien->Affiche(texte, flags) : ReponseMessage::Annuler;
    }

    int Nombre = 0;

private:
    TServiceMessage* FAncien;
};

std::string SansDossier(const std::string& nomFichier)
{
    const size_t barre = nomFichier.find_last_of("/\\");
    return barre == std::string::npos ? nomFichier : nomFichier.substr(barre + 1);
}

bool EstArchiveSaison(const std::string& nomFichier)
{
    std::string nom = SansDossier(nomFichier);
    if (nom.size() < 4)
        return false;
    std::string ext = nom.substr(nom.size() - 4);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".xmc";
}

} // namespace

// ------------------------------------------------------------- helpers

std::string NomFichierQuestion(const std::string& nomFichier)
{
    std::string nom = SansDossier(nomFichier);
    const size_t point = nom.find('.');
    if (point != std::string::npos)
        nom.erase(point, 6);
    return nom;
}

int IntervalleAutoSave(const TSaison* saison)
{
    return saison ? saison->GetOptionSauvegarde(0) * 60000 : 0;
}

std::string NomArchiveSaison(const std::string& nomFichier)
{
    const size_t barre = nomFichier.find_last_of("/\\");
    const size_t point = nomFichier.find_last_of('.');
    if (point == std::string::npos || (barre != std::string::npos && point < barre))
        return nomFichier + ".xmc";
    return nomFichier.substr(0, point) + ".xmc";
}

std::string DossierImagesFichier(const std::string& appDir, const std::string& nomFichier)
{
    return appDir + "pict/" + SansDossier(nomFichier) + "/";
}

std::string DossierFichiersUtilisateur(const std::string& appDir)
{
    return appDir + "sauvegarde/";
}

namespace {

// One kind of file a dialog lists: its name's text and its patterns.
struct TGenreFichier {
    int Texte;
    const char* Motifs; // "*.sai;*.xmc"
};

constexpr TGenreFichier GenreChampionnats{TexteChampionnats, "*.chf"};
constexpr TGenreFichier GenreChampionnatsAnciens{TexteChampionnatsAnciens, "*.chp"};
constexpr TGenreFichier GenreSaisons{TexteSaisons, "*.sai;*.xmc"};
constexpr TGenreFichier GenreDonnees{TexteDonnees, "*.xmd"};

// "Saisons (*.sai; *.xmc)|*.sai;*.xmc".
std::string FiltreGenre(const TGenreFichier& genre)
{
    std::string montre = genre.Motifs;
    for (size_t i = montre.find(';'); i != std::string::npos; i = montre.find(';', i + 2))
        montre.insert(i + 1, " ");
    return Traduit(genre.Texte) + " (" + montre + ")|" + genre.Motifs;
}

// Each kind, then every file of them all.
std::string FiltreGenres(std::initializer_list<TGenreFichier> genres)
{
    std::string filtre;
    std::string tous;
    for (const TGenreFichier& genre : genres) {
        filtre += FiltreGenre(genre) + "|";
        tous += (tous.empty() ? "" : ";") + std::string(genre.Motifs);
    }
    return filtre + TraduitFmt(TexteTousFichiers, {Traducteur() ? Traducteur()->GetNomProduit() : std::string()}) +
           "|" + tous;
}

} // namespace

std::string FiltreOuverture()
{
    return FiltreGenres({GenreChampionnats, GenreChampionnatsAnciens, GenreSaisons});
}

std::string FiltreSaison()
{
    return Traduit(TexteSaisons) + " (*.xmc)|*.xmc";
}

std::string FiltreDonnees()
{
    return Traduit(TexteDonnees) + " (*.xmd)|*.xmd";
}

std::string FiltreImport()
{
    return FiltreGenres({GenreSaisons, GenreDonnees, GenreChampionnats, GenreChampionnatsAnciens});
}

bool PeutEntrerHistorique(const TDonneesChampionnat& championnat)
{
    return championnat.GetOption(8) != 0 && championnat.GetNbEquipe() > 0;
}

bool AjouteSaisonHistorique(TStat& stat, const TDonneesChampionnat& championnat, const TSaison& saison)
{
    if (!PeutEntrerHistorique(championnat))
        return false;
    const int annee = championnat.GetOption(8);
    const int n = championnat.GetNbEquipe();
    auto record = std::make_unique<TSaisonStat>(n, annee);
    for (int p = 0; p < n; ++p)
        record->AjouteEquipe(stat.NumeroEquipe(saison.GetNomEquipe(static_cast<uint16_t>(championnat.GetEquipe(p)))));
    for (int jour = 1; jour <= championnat.GetNbJour(); ++jour) {
        for (int m = 0; m < championnat.GetNbMatchJournee(jour); ++m) {
            const int domicile = championnat.IndexEquipe(championnat.GetValeurMatch(jour, 4 * m + 1));
            const int exterieur = championnat.IndexEquipe(championnat.GetValeurMatch(jour, 4 * m + 3));
            const uint16_t butsDomicile = championnat.GetValeurMatch(jour, 4 * m + 2);
            const uint16_t butsExterieur = championnat.GetValeurMatch(jour, 4 * m + 4);
            if (domicile < 0 || exterieur < 0 || butsDomicile == TInfoComp::Aucun || butsExterieur == TInfoComp::Aucun)
                continue;
            // The archive keeps a score in a byte, 255 meaning not played.
            record->SetScore(domicile, exterieur, static_cast<uint8_t>(std::min<int>(butsDomicile, 254)),
                             static_cast<uint8_t>(std::min<int>(butsExterieur, 254)));
        }
    }
    stat.AjouteSaison(std::move(record));
    return true;
}

// ------------------------------------------------------------- opening

bool Tf_Principale::OuvreFichier(const std::string& nom)
{
    std::string fichier = nom;
    if (fichier.empty()) {
        TDemandeFichier demande;
        demande.Titre = Traduit(TexteOuvrir);
        demande.Filtre = FiltreOuverture();
        demande.IndexFiltre = 3;
        demande.ExtensionDefaut = "xmc";
        demande.DossierInitial = DossierFichiersUtilisateur(FAppDir);
        const TReponseFichier reponse = Dialogues().OuvreFichier(demande);
        if (!reponse.Ok || reponse.NomFichier.empty())
            return false;
        fichier = reponse.NomFichier;
    }
    if (!DemandeSauvegarde())
        return false;
    return ChargeEnPlace(fichier);
}

bool Tf_Principale::ChargeEnPlace(const std::string& fichier)
{
    // The season on screen stays until the new one has loaded: a file that
    // cannot be read leaves it open, with its page and its unsaved changes.
    TEchecChargement echec;
    std::unique_ptr<TSaison> saison = TTraiteurFichier::ChargeAvecEtat(
        fichier, FAppDir + "Dll/", GetFichierIni(), [this](const std::string& f) { AjouteFichierRecent(f); }, &echec);
    if (!saison) {
        MessageUtil(TTraiteurFichier::TexteEchecChargement(fichier, echec),
                    BoutonsMessage::Ok | BoutonsMessage::Avertissement);
        return false;
    }
    RemplaceSaison(std::move(saison));
    CompteurModification = 0;
    Statut->SetTextePanneau(1, "");
    FichierCourant = fichier;
    ApresOuverture();
    // The season is open all the same; only its pictures have nowhere to go.
    CreeDossierSignale(DossierImagesFichier(FAppDir, FichierCourant));
    return true;
}

void Tf_Principale::ApresOuverture()
{
    // An older file of several championships has no tree yet: the composer makes one.
    if (FSaison->NbDesc() == 0 && FSaison->NbChampionnat() > 1 &&
        ConvertitEnSaison(*FSaison, GetFichierIni(), FAppDir, Statut, this)) {
        CompteurModification = 1;
        Statut->SetTextePanneau(1, Traduit(TexteModifie));
    }
    SetEtatFichier(true, true);
    Statut->SetTextePanneau(2, TraduitFmt(TexteFichierOuvert, {FichierCourant}));
    ChangeChampionnat();
}

bool Tf_Principale::DemandeSauvegarde()
{
    // What the page holds half-typed is part of what may be lost: it goes into
    // the season, and counts as a change, before the question; a value it
    // cannot write is given up first, or the user stays on it.
    if (!PeutQuitterPage(TDepartPage::Saison))
        return false;
    if (CompteurModification <= 0)
        return true;
    const uint16_t reponse = MessageUtil(TraduitFmt(TexteQuestionSauvegarde, {NomFichierQuestion(FichierCourant)}),
                                         BoutonsMessage::Oui | BoutonsMessage::Non | BoutonsMessage::Annuler);
    if (reponse == ReponseMessage::Oui)
        return SauveSaison(false); // a failed save counts as Cancel
    return reponse == ReponseMessage::Non;
}

// ------------------------------------------------------------- import and merge

bool Tf_Principale::ImporteChampionnats(bool saisonEntiere)
{
    // The first championship added replaces the page shown.
    if (!FSaison || !PeutQuitterPage())
        return false;
    TDemandeFichier demande;
    std::string titre = Traduit(saisonEntiere ? TexteFusionnerSaison : TexteImporterChampionnat);
    if (const size_t points = titre.find("..."); points != std::string::npos)
        titre.erase(points);
    demande.Titre = titre;
    demande.Filtre = saisonEntiere ? FiltreGenre(GenreSaisons) : FiltreImport();
    demande.IndexFiltre = saisonEntiere ? 1 : 5;
    demande.ExtensionDefaut = "xmc";
    demande.DossierInitial = DossierFichiersUtilisateur(FAppDir);
    const TReponseFichier reponse = Dialogues().OuvreFichier(demande);
    if (!reponse.Ok || reponse.NomFichier.empty())
        return false;

    // The page shown may hold what was typed in the championship it shows.
    ValideSaisieEnCours();
    TEchecChargement echec;
    const std::vector<TDonneesChampionnat*> ajoutes =
        TTraiteurFichier::FusionneFichier(*FSaison, reponse.NomFichier, FAppDir + "Dll/", !saisonEntiere, &echec);
    if (ajoutes.empty()) {
        MessageUtil(TTraiteurFichier::TexteEchecChargement(reponse.NomFichier, echec),
                    BoutonsMessage::Ok | BoutonsMessage::Avertissement);
        return false;
    }
    SignaleModification();
    std::string noms;
    for (const TDonneesChampionnat* c : ajoutes)
        noms += "\n" + FSaison->GetNomCompletChamp(c->CodeChamp);
    MessageUtil(TraduitFmt(TexteChampionnatsAjoutes, {noms}), BoutonsMessage::Ok);
    // The menus list the newcomers, and the first of them becomes current.
    RemplitChampionnats();
    SelectionneChampionnat(ajoutes.front()->CodeChamp, nullptr, true, false);
    return true;
}

// ------------------------------------------------------------- saving

bool Tf_Principale::SauveSaison()
{
    return SauveSaison(false);
}

bool Tf_Principale::SauveSaison(bool automatique)
{
    // Nothing open: nothing to write, and nothing lost.
    if (!FSaison)
        return true;
    // A season that never had a name gets one first (never from the timer).
    if (FichierCourant.empty())
        return automatique ? false : SauveSaisonSous();
    if (!EstArchiveSaison(FichierCourant)) {
        // An older file is written as an archive beside it, even unmodified.
        FichierCourant = NomArchiveSaison(FichierCourant);
        if (CompteurModification == 0)
            CompteurModification = 1;
        Statut->SetTextePanneau(2, TraduitFmt(TexteFichierOuvert, {FichierCourant}));
    }
    if (CompteurModification == 0)
        return true;
    // The timer writes only what is new: a rewrite of the same season would
    // put the previous save kept beside the file out of reach.
    if (automatique && TTraiteurFichier::FichierAJour(FichierCourant, *FSaison)) {
        CompteurModification = 0;
        Statut->SetTextePanneau(1, "");
        return true;
    }
    return TTraiteurFichier::SauveAvecEtat(
        FichierCourant, *FSaison, true, FAppDir + "Dll/", GetFichierIni(), Statut,
        [this](const std::string& f) { AjouteFichierRecent(f); }, !automatique);
}

bool Tf_Principale::SauveSaisonSous()
{
    if (!FSaison)
        return false;
    TDemandeFichier demande;
    demande.Titre = Traduit(TexteEnregistrerSous);
    demande.Filtre = FiltreSaison();
    demande.ExtensionDefaut = "xmc";
    demande.DossierInitial = DossierFichiersUtilisateur(FAppDir);
    demande.NomFichier = FichierCourant;
    const TReponseFichier reponse = Dialogues().EnregistreFichier(demande);
    if (!reponse.Ok || reponse.NomFichier.empty())
        return false;

    const std::string ancien = FichierCourant;
    const int ancienCompteur = CompteurModification;
    CompteurModification = 1;
    const bool ok = TTraiteurFichier::SauveAvecEtat(
        reponse.NomFichier, *FSaison, true, FAppDir + "Dll/", GetFichierIni(), Statut,
        [this](const std::string& f) { AjouteFichierRecent(f); }, true);
    if (!ok) {
        // The season is still the old file's, as it was.
        CompteurModification = ancienCompteur;
        return false;
    }
    FichierCourant = reponse.NomFichier;
    Statut->SetTextePanneau(2, TraduitFmt(TexteFichierOuvert, {FichierCourant}));
    if (!ancien.empty())
        TTraiteurFichier::CopieRepertoire(DossierImagesFichier(FAppDir, ancien),
                                          DossierImagesFichier(FAppDir, FichierCourant));
    return true;
}

bool Tf_Principale::SauveAuto(bool automatique)
{
    if (automatique)
        ValideSaisieEnCours();
    else
        ValideAvantEcriture();
    return SauveSaison(automatique);
}

// ------------------------------------------------------------- auto-save

void Tf_Principale::InitAutoSave()
{
    const int intervalle = IntervalleAutoSave(FSaison.get());
    t_AutoSave->stop();
    if (intervalle > 0) {
        t_AutoSave->setInterval(intervalle);
        t_AutoSave->start();
    }
}

void Tf_Principale::OnAutoSave()
{
    if (!FSaison) {
        t_AutoSave->stop();
        return;
    }
    // Never inside another load, save or question: the next tick will do.
    if (TTraiteurFichier::EnCours() || QApplication::activeModalWidget() != nullptr)
        return;
    t_AutoSave->stop();
    SauveAuto(true);
    InitAutoSave();
}

// ------------------------------------------------------------- closing

bool Tf_Principale::FermeFichier()
{
    if (!DemandeSauvegarde())
        return false;
    RemplaceSaison(nullptr);
    AfficheAucuneFenetre(true);
    CompteurModification = 0;
    Statut->SetTextePanneau(1, "");
    Statut->SetTextePanneau(2, "");
    ChangeChampionnat();
    SetEtatFichier(false, false);
    return true;
}

bool Tf_Principale::FormClose()
{
    const bool ferme = DemandeSauvegarde();
    if (ferme) {
        AfficheAucuneFenetre(true);
        RemplaceSaison(nullptr);
        // What the page wrote as it went belonged to the season gone with it.
        CompteurModification = 0;
        Statut->SetTextePanneau(1, "");
        t_AutoSave->stop();
    } else {
        // The user stays on the page: leaving it later asks again.
        FPageAccordee = nullptr;
    }
    FermeAides();
    return ferme;
}

void Tf_Principale::AjouteFichierRecent(const std::string& nom)
{
    FFichiersRecents.erase(std::remove(FFichiersRecents.begin(), FFichiersRecents.end(), nom), FFichiersRecents.end());
    FFichiersRecents.insert(FFichiersRecents.begin(), nom);
    ConstruitMenus();
}

// ------------------------------------------------------------- exports

namespace {

// The export save dialog; empty when cancelled.
std::string DemandeNomExport(const std::string& filtre, const std::string& extension, const std::string& dossier)
{
    TDemandeFichier demande;
    demande.Titre = Traduit(TexteExporter);
    demande.Filtre = filtre;
    demande.ExtensionDefaut = extension;
    demande.DossierInitial = dossier;
    const TReponseFichier reponse = Dialogues().EnregistreFichier(demande);
    return reponse.Ok ? reponse.NomFichier : std::string();
}

// How an export ends: where it was written, or why it could not be.
void SignaleExport(bool ecrit, const std::string& nom)
{
    if (ecrit)
        MessageUtil(TraduitFmt(TexteExportEcrit, {nom}), BoutonsMessage::Ok);
    else
        SignaleEchecSauvegarde(nom, TTraiteurFichier::DerniereErreur());
}

} // namespace

void Tf_Principale::ExporteChampionnat()
{
    if (!FSaison || !FSaison->GetChampCourant())
        return;
    ValideAvantEcriture();
    // Beside the user's seasons: in "Data/" one click would replace a division file of the program.
    const std::string nom = DemandeNomExport(FiltreDonnees(), "xmd", DossierFichiersUtilisateur(FAppDir));
    if (!nom.empty())
        SignaleExport(
            TTraiteurFichier::ExtraitChampionnat(nom, *FSaison, false, FAppDir + "Dll/", "", Statut, {}, false), nom);
}

void Tf_Principale::ExporteSaison()
{
    if (!FSaison)
        return;
    ValideAvantEcriture();
    const std::string nom = DemandeNomExport(FiltreSaison(), "xmc", DossierFichiersUtilisateur(FAppDir));
    // A copy of the whole season: the open file keeps its name and its state.
    if (!nom.empty())
        SignaleExport(TTraiteurFichier::SauveAvecEtat(nom, *FSaison, false, FAppDir + "Dll/", "", nullptr, {}, false),
                      nom);
}

void Tf_Principale::CreeHistoriqueDivision()
{
    TDonneesChampionnat* championnat = FSaison ? FSaison->GetChampCourant() : nullptr;
    if (!championnat)
        return;
    ValideAvantEcriture();
    if (!PeutEntrerHistorique(*championnat)) {
        MessageUtil(Traduit(TexteHistoriqueImpossible), BoutonsMessage::Ok);
        return;
    }
    if (!FStats)
        FStats = std::make_unique<TStats>();
    const std::string dossier = FAppDir + "stats/";
    TStat* stat = FStats->ChercheId(championnat->GetCode());
    if (!stat) {
        if (MessageUtil(Traduit(TexteCreerHistorique), BoutonsMessage::Oui | BoutonsMessage::Non) !=
            ReponseMessage::Oui)
            return;
        if (!CreeDossierSignale(dossier))
            return;
        stat = FStats->Ajoute(dossier, championnat->GetCode());
    }
    if (!AjouteSaisonHistorique(*stat, *championnat, *FSaison))
        return;
    try {
        stat->Sauve();
    } catch (const EErreurEcriture& e) {
        SignaleEchecSauvegarde(stat->GetNomFichier(), e.Erreur);
        return;
    } catch (const std::exception&) {
        SignaleEchecSauvegarde(stat->GetNomFichier(), 0);
        return;
    }
    MessageUtil(Historique::TexteArchive(*stat, championnat->GetOption(8), FSaison.get()), BoutonsMessage::Ok);
}

// ------------------------------------------------------------- help and update

void Tf_Principale::OuvreAide()
{
    OuvreSujetAide(GetDossierAide(), "");
}

void Tf_Principale::VerifieMiseAJour()
{
    ::VerifieMiseAJour(FSite, [this](const std::string& texte) { return AfficheMessageMaj(texte, FSite, this); });
}

// ------------------------------------------------------- new season, checks, HTML

bool Tf_Principale::NouvelleSaison()
{
    if (!DemandeSauvegarde())
        return false;
    const std::string fichier = ComposeNouvelleSaison(GetFichierIni(), GetBarreEtat(), this);
    if (fichier.empty())
        return false;
    // The changes of the season on screen were saved or given up at the
    // question: opening the new one must not ask again. Should it not load,
    // the season on screen stays as it is, changes and all.
    return ChargeEnPlace(fichier);
}

void Tf_Principale::VerifieCalendrier()
{
    const TDonneesChampionnat* champ = FSaison ? FSaison->GetChampCourant() : nullptr;
    if (champ == nullptr)
        return;
    ValideSaisieEnCours();
    if (champ->GetNbJour() < 1) {
        MessageUtil(Traduit(TexteCalendrierVide), BoutonsMessage::Ok);
        return;
    }
    AfficheVerification(ControleCalendrier::VerifieChampionnat(*champ, *FSaison), this,
                        Traduit(TexteVerificationCalendrier));
}

bool Tf_Principale::ExportePageHtml()
{
    if (!FPageCourante || !FPageCourante->ExportableHtml())
        return false;
    ValideAvantEcriture();
    TDemandeFichier demande;
    demande.Titre = Traduit(TexteExporteHtml);
    if (const size_t points = demande.Titre.find("..."); points != std::string::npos)
        demande.Titre.erase(points);
    demande.Filtre = Traduit(TextePageHtml) + " (*.html; *.htm)|*.html;*.htm";
    demande.ExtensionDefaut = "html";
    const TReponseFichier reponse = Dialogues().EnregistreFichier(demande);
    if (!reponse.Ok || reponse.NomFichier.empty())
        return false;
    const std::string& nom = reponse.NomFichier;
    TCompteMessages messages;
    const bool ecrit = FPageCourante->ExporteHtml(nom);
    if (ecrit)
        MessageUtil(TraduitFmt(TextePageEcrite, {nom}), BoutonsMessage::Ok);
    else if (messages.Nombre == 0)
        MessageUtil(TraduitFmt(TexteRienAExporter, {nom}), BoutonsMessage::Ok | BoutonsMessage::Avertissement);
    return ecrit;
}
