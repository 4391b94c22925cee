#pragma once

// The main window's command codes by name: every command of the menu table,
// plus the print and HTML export commands the window adds while a page that
// prints or exports is shown.
// Pages register and navigate with these names, never with bare numbers.

#include <array>

namespace Commande {
// File
constexpr int Nouveau = 5;
constexpr int Ouvrir = 6;
constexpr int Enregistrer = 7;
constexpr int EnregistrerSous = 8;
constexpr int Fermer = 9;
constexpr int Importer = 10;
constexpr int MiseAJour = 11;
constexpr int Quitter = 12;
// Match entry
constexpr int Resultats = 13;
constexpr int Buteurs = 14;
constexpr int Compositions = 15;
constexpr int Passeurs = 16;
constexpr int Notes = 18;
constexpr int FicheMatch = 19;
constexpr int Prevision = 20;
constexpr int Calendrier = 21;
constexpr int RechercheMatch = 22;
constexpr int Minute = 23;
constexpr int ListeMatchs = 24;
constexpr int ControleCalendrier = 25;
// Match-day pages
constexpr int JourneeDetail = 26;
constexpr int JourneeResultats = 27;
constexpr int JourneeSpectateurs = 28;
constexpr int JourneeButeurs = 29;
constexpr int JourneeJaunes = 30;
constexpr int JourneeRouges = 31;
constexpr int JourneePasseurs = 32;
constexpr int JourneeMeilleursJoueurs = 34;
// Standings
constexpr int ClassementGeneral = 40;
constexpr int ClassementDomicile = 41;
constexpr int ClassementExterieur = 42;
constexpr int ClassementAnglais = 43;
constexpr int MeilleureAttaque = 44;
constexpr int MeilleureDefense = 45;
constexpr int ClassementDiscipline = 62;
constexpr int ClassementSpectateurs = 63;
constexpr int PenaltysMarques = 64;
constexpr int PenaltysConcedes = 65;
constexpr int MarqueEnPremier = 137;
constexpr int EncaisseEnPremier = 138;
constexpr int MeneMiTemps = 139;
constexpr int EgaliteMiTemps = 140;
constexpr int MeneeMiTemps = 141;
constexpr int AgeEquipes = 142;
// Player rankings
constexpr int ClassButeurs = 66;
constexpr int ClassPasseurs = 67;
constexpr int ClassJaunes = 68;
constexpr int ClassRouges = 69;
constexpr int ClassTempsJeu = 70;
constexpr int ClassPassesDecisives = 71;
constexpr int ClassNotesJoueurs = 72;
constexpr int ClassNotesGardiens = 73;
constexpr int ClassButsContreSonCamp = 33;
// Referee rankings
constexpr int ArbitresMatchs = 116;
constexpr int ArbitresCartons = 117;
constexpr int ArbitresExpulsions = 118;
constexpr int ArbitresNotes = 119;
// Team statistics
constexpr int StatEquipe = 121;
constexpr int StatEquipePointsPris = 122;
constexpr int StatEquipeStatistiques = 123;
constexpr int StatEquipeButs = 124;
constexpr int StatEquipeJoueurs = 125;
constexpr int StatEquipeAffluence = 128;
constexpr int StatEquipeComposition = 129;
constexpr int StatEquipeSituations = 130;
constexpr int StatEquipeClub = 131;
// Team information
constexpr int InfoButeurs = 132;
constexpr int InfoAffluenceMoyenne = 134;
constexpr int InfoStades = 135;
constexpr int InfoEntraineurs = 136;
constexpr int InfoSerieEnCours = 217;
constexpr int InfoRecords = 218;
// Settings and editors
constexpr int Penalites = 143;
constexpr int EditionEquipes = 144;
constexpr int Blasons = 145;
constexpr int Nationalites = 146;
constexpr int Effectifs = 147;
constexpr int Arbitres = 148;
constexpr int Entraineurs = 149;
constexpr int Recherche = 150;
constexpr int ListeJoueurs = 151;
constexpr int Stades = 152;
// Comparison
constexpr int ComparaisonTous = 153;
constexpr int ComparaisonDeux = 154;
constexpr int Confrontations = 155;
constexpr int FicheMatchComparaison = 156;
// Miscellaneous statistics
constexpr int FormeEquipe = 157;
constexpr int Particularites = 158;
constexpr int SeriesEnCours = 159;
constexpr int MeilleuresSeries = 160;
constexpr int FourchetteClassement = 161;
constexpr int ComportementDomicile = 162;
constexpr int PlacesOccupees = 163;
constexpr int StatParJournee = 164;
constexpr int ButsParJournee = 165;
constexpr int Recapitulatif = 170;
constexpr int ScoresFrequents = 171;
// Championship information
constexpr int InfoGenerale = 172;
constexpr int RepartitionButs = 173;
constexpr int AffluenceChampionnat = 174;
constexpr int AffluenceMoyenne = 175;
// Options
constexpr int OptionsChampionnat = 176;
constexpr int Personnalisation = 177;
constexpr int OptionsSauvegarde = 178;
constexpr int Langue = 179;
constexpr int Affichage = 180;
constexpr int Imprimer = 181;
constexpr int ExportePageHtml = 182;
constexpr int Favoris = 215;
// Publishing and exchange
constexpr int PublieDivision = 183;
constexpr int PublieSaison = 184;
constexpr int ReglagesPublication = 185;
constexpr int ImporteChampionnat = 187;
constexpr int FusionneSaison = 188;
constexpr int ExporteChampionnat = 189;
constexpr int ExporteSaison = 190;
// Seasons and history
constexpr int HistoriqueSaisons = 191;
constexpr int ArchiveDivision = 192;
constexpr int CreationSaison = 193;
constexpr int CreeBarrage = 194;
constexpr int SaisonPrecedente = 195;
constexpr int SaisonSuivante = 196;
constexpr int APropos = 197;
constexpr int Aide = 198;
// The history of past seasons: head-to-head, results table, standings, entry.
constexpr int HistoriqueConfrontations = 199;
constexpr int HistoriqueTableau = 200;
constexpr int HistoriqueClassement = 201;
constexpr int HistoriqueSaisie = 202;

// Every code above, in increasing order.
inline constexpr std::array Toutes{Nouveau,
                                   Ouvrir,
                                   Enregistrer,
                                   EnregistrerSous,
                                   Fermer,
                                   Importer,
                                   MiseAJour,
                                   Quitter,
                                   Resultats,
                                   Buteurs,
                                   Compositions,
                                   Passeurs,
                                   Notes,
                                   FicheMatch,
                                   Prevision,
                                   Calendrier,
                                   RechercheMatch,
                                   Minute,
                                   ListeMatchs,
                                   ControleCalendrier,
                                   JourneeDetail,
                                   JourneeResultats,
                                   JourneeSpectateurs,
                                   JourneeButeurs,
                                   JourneeJaunes,
                                   JourneeRouges,
                                   JourneePasseurs,
                                   ClassButsContreSonCamp,
                                   JourneeMeilleursJoueurs,
                                   ClassementGeneral,
                                   ClassementDomicile,
                                   ClassementExterieur,
                                   ClassementAnglais,
                                   MeilleureAttaque,
                                   MeilleureDefense,
                                   ClassementDiscipline,
                                   ClassementSpectateurs,
                                   PenaltysMarques,
                                   PenaltysConcedes,
                                   ClassButeurs,
                                   ClassPasseurs,
                                   ClassJaunes,
                                   ClassRouges,
                                   ClassTempsJeu,
                                   ClassPassesDecisives,
                                   ClassNotesJoueurs,
                                   ClassNotesGardiens,
                                   ArbitresMatchs,
                                   ArbitresCartons,
                                   ArbitresExpulsions,
                                   ArbitresNotes,
                                   StatEquipe,
                                   StatEquipePointsPris,
                                   StatEquipeStatistiques,
                                   StatEquipeButs,
                                   StatEquipeJoueurs,
                                   StatEquipeAffluence,
                                   StatEquipeComposition,
                                   StatEquipeSituations,
                                   StatEquipeClub,
                                   InfoButeurs,
                                   InfoAffluenceMoyenne,
                                   InfoStades,
                                   InfoEntraineurs,
                                   MarqueEnPremier,
                                   EncaisseEnPremier,
                                   MeneMiTemps,
                                   EgaliteMiTemps,
                                   MeneeMiTemps,
                                   AgeEquipes,
                                   Penalites,
                                   EditionEquipes,
                                   Blasons,
                                   Nationalites,
                                   Effectifs,
                                   Arbitres,
                                   Entraineurs,
                                   Recherche,
                                   ListeJoueurs,
                                   Stades,
                                   ComparaisonTous,
                                   ComparaisonDeux,
                                   Confrontations,
                                   FicheMatchComparaison,
                                   FormeEquipe,
                                   Particularites,
                                   SeriesEnCours,
                                   MeilleuresSeries,
                                   FourchetteClassement,
                                   ComportementDomicile,
                                   PlacesOccupees,
                                   StatParJournee,
                                   ButsParJournee,
                                   Recapitulatif,
                                   ScoresFrequents,
                                   InfoGenerale,
                                   RepartitionButs,
                                   AffluenceChampionnat,
                                   AffluenceMoyenne,
                                   OptionsChampionnat,
                                   Personnalisation,
                                   OptionsSauvegarde,
                                   Langue,
                                   Affichage,
                                   Imprimer,
                                   ExportePageHtml,
                                   PublieDivision,
                                   PublieSaison,
                                   ReglagesPublication,
                                   ImporteChampionnat,
                                   FusionneSaison,
                                   ExporteChampionnat,
                                   ExporteSaison,
                                   HistoriqueSaisons,
                                   ArchiveDivision,
                                   CreationSaison,
                                   CreeBarrage,
                                   SaisonPrecedente,
                                   SaisonSuivante,
                                   APropos,
                                   Aide,
                                   HistoriqueConfrontations,
                                   HistoriqueTableau,
                                   HistoriqueClassement,
                                   HistoriqueSaisie,
                                   Favoris,
                                   InfoSerieEnCours,
                                   InfoRecords};
} // namespace Commande
