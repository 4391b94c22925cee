#include "pages/Pages.h"

#include "pages/fiches/w_Arbitres.h"
#include "pages/fiches/w_FicheArbitre.h"
#include "pages/fiches/w_FicheEntraineur.h"
#include "pages/fiches/w_FicheJoueur.h"
#include "pages/fiches/w_FicheStade.h"
#include "pages/fiches/w_ModifierEquipe.h"
#include "pages/fiches/w_Recherche.h"
#include "pages/fiches/w_Stades.h"
#include "pages/options/w_CreationSaison.h"
#include "pages/options/w_Options.h"
#include "pages/options/w_OptionsSauve.h"
#include "pages/reglages/w_CreationBarrage.h"
#include "pages/reglages/w_Penalite.h"
#include "pages/saisie/w_Buteurs.h"
#include "pages/saisie/w_Composition.h"
#include "pages/saisie/w_Minute.h"
#include "pages/saisie/w_Notes.h"
#include "pages/saisie/w_Passeurs.h"
#include "pages/saisie/w_RechercheMatch.h"
#include "pages/saisie/w_Resultats.h"
#include "pages/vues/w_ClassJoueur.h"
#include "pages/vues/w_Classement.h"
#include "pages/vues/w_Comparaison.h"
#include "pages/vues/w_DiversStat.h"
#include "pages/vues/w_FicheMatch.h"
#include "pages/vues/w_Historique.h"
#include "pages/vues/w_InfoEquipes.h"
#include "pages/vues/w_InfoGeneral.h"
#include "pages/vues/w_Prevision.h"
#include "pages/vues/w_StatEquipe.h"
#include "pages/vues/w_Statistique.h"
#include "pages/vues/w_recap.h"

void EnregistrePages()
{
    // Once per run: the keyword registry keeps every registration it is given.
    static bool enregistre = false;
    if (enregistre)
        return;
    enregistre = true;
    // One line per page unit: each registers its own pages, cards and keywords.
    EnregistrePagesSaisie();
    EnregistrePagesButeurs();
    EnregistrePagesPasseurs();
    EnregistrePagesComposition();
    EnregistrePagesNotes();
    EnregistrePagesRechercheMatch();
    EnregistrePagesMinute();
    EnregistrePagesVues();
    EnregistrePagesClassJoueur();
    EnregistrePagesRecap();
    EnregistrePagesStatistique();
    EnregistrePagesComparaison();
    EnregistrePagesInfoGeneral();
    EnregistrePagesDiversStat();
    EnregistrePagesInfoEquipes();
    EnregistrePagesStatEquipe();
    EnregistrePagesOptions();
    EnregistrePagesOptionsChampionnat();
    EnregistrePagesComposeur();
    EnregistrePagesReglages();
    EnregistrePagesCreationBarrage();
    EnregistrePagesFiches();
    EnregistrePagesFichesAutres();
    EnregistrePagesFicheStade();
    EnregistrePagesFicheEntraineur();
    EnregistrePagesArbitres();
    EnregistrePagesStades();
    EnregistrePagesRecherche();
    EnregistrePagesHistorique();
    EnregistrePagesEditeurs();
    EnregistrePagesFicheMatch();
    EnregistrePagesPrevision();
}
