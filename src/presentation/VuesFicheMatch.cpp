#include "presentation/VuesFicheMatch.h"

#include "base/oTraducteur.h"
#include "files/Image.h"
#include "files/Stats.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <algorithm>

using FicheMatch::TCoteFiche;

namespace VuesFicheMatch {

namespace {

enum : int {
    TexteDomicile = 164,
    TexteExterieur = 165,
    TextePremier = 166,
    TexteNieme = 139,
    TexteClassement = 234,
    TexteBulleClassement = 1304,
    TexteVictoiresConfrontation = 627,
    TexteNulsConfrontation = 628,
};

// Plural then singular text of each total: wins, draws, defeats, goals for, goals against.
constexpr std::array<std::array<int, 2>, 5> TextesTotaux{{{235, 236}, {237, 238}, {239, 240}, {241, 242}, {243, 244}}};
// The current run by kind (win, draw, defeat): one match, then longer.
constexpr std::array<int, 3> TextesUnMatch{236, 238, 240};
constexpr std::array<int, 3> TextesSerie{161, 162, 163};

constexpr TColor FondTitre = 0xDFCF20;
constexpr uint8_t CouleurImpaire = 11;
constexpr uint8_t CouleurPaire = 15;

std::string Nombre(int Plurielle, int Singuliere, int Valeur, const std::string& Mot)
{
    return TraduitFmt(Valeur > 1 ? Plurielle : Singuliere, {Valeur, Mot});
}

void Cellule(TModeleGrille& Grille, int Col, int Ligne, const std::string& Texte, TColor Fond, TColor Encre)
{
    Grille.SetCellule(Col, Ligne, nullptr, false, Fond, Encre, 1, 1, Texte);
}

// One bordered table of lines in alternating colours, the first in Couleur1.
std::string TableLignes(const std::vector<std::string>& Lignes, const TOptionsHtml& O, int SansGuillemets = -1)
{
    std::string Html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">";
    for (size_t I = 0; I < Lignes.size(); ++I) {
        const std::string& Couleur = I % 2 == 0 ? O.CouleurLigne1 : O.CouleurLigne2;
        if (static_cast<int>(I) == SansGuillemets)
            Html += "<tr bgcolor=" + Couleur + "><td>";
        else
            Html += "<tr bgcolor=\"" + Couleur + "\"><td>";
        Html += EchappeHtml(Lignes[I]) + "</td></tr>";
    }
    return Html + "</table></td>";
}

} // namespace

std::string TitreCadre(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, const TCoteFiche& C)
{
    return FicheMatch::NomEquipe(Saison, Champ, C.Equipe) + " (" + std::to_string(C.PositionGenerale) + ")";
}

std::string MotLieu(int Cote, bool General)
{
    if (General)
        return {};
    return Traduit(Cote == FicheMatch::CoteDomicile ? TexteDomicile : TexteExterieur);
}

std::array<std::string, 3> LignesBilan(const FicheMatch::TBilan& Bilan, const std::string& NomDomicile,
                                       const std::string& NomExterieur)
{
    return {TraduitFmt(TexteVictoiresConfrontation, {Bilan.Victoires, NomDomicile}),
            TraduitFmt(TexteNulsConfrontation, {Bilan.Nuls}),
            TraduitFmt(TexteVictoiresConfrontation, {Bilan.Defaites, NomExterieur})};
}

void RemplitRencontres(TModeleGrille& Grille, const TStat& Archive, const std::string& NomDomicile,
                       const std::string& NomExterieur, int N)
{
    Grille.SetColCount(3);
    Grille.SetRowCount(2);
    Grille.SetFixedRows(1);
    Grille.SetFixedCols(0);
    Grille.SetLargeurColonne(0, 50);
    Grille.SetLargeurColonne(1, 140);
    Grille.SetLargeurColonne(2, 60);
    Grille.VideLigne(1);
    const char* const Titres[] = {"Année", "Vainqueur", "Score"};
    for (int Col = 0; Col < 3; ++Col)
        Cellule(Grille, Col, 0, Titres[Col], FondTitre, 0);
    const std::vector<FicheMatch::TRencontre> Liste = FicheMatch::Rencontres(Archive, NomDomicile, NomExterieur, N);
    if (Liste.empty()) {
        TColor Fond = 0;
        TColor Encre = 0;
        CouleurLigneSelection(1, Fond, Encre, false);
        for (int Col = 0; Col < 3; ++Col)
            Cellule(Grille, Col, 1, Col == 1 ? "Aucun Match" : "", Fond, Encre);
    }
    Grille.SetRowCount(std::max<int>(2, static_cast<int>(Liste.size()) + 1));
    for (size_t I = 0; I < Liste.size(); ++I) {
        const FicheMatch::TRencontre& R = Liste[I];
        const int Ligne = static_cast<int>(I) + 1;
        TColor Fond = 0;
        TColor Encre = 0;
        CouleurLigneSelection(Ligne, Fond, Encre, false);
        const std::string Vainqueur = R.ButsDomicile > R.ButsExterieur   ? NomDomicile
                                      : R.ButsDomicile < R.ButsExterieur ? NomExterieur
                                                                         : std::string("Match Nul");
        Cellule(Grille, 0, Ligne, std::to_string(R.Annee), Fond, Encre);
        Cellule(Grille, 1, Ligne, Vainqueur, Fond, Encre);
        Cellule(Grille, 2, Ligne, std::to_string(R.ButsDomicile) + "-" + std::to_string(R.ButsExterieur), Fond, Encre);
    }
    Grille.SetTailleControle(252, 21 * Grille.GetRowCount());
}

std::array<std::string, 6> LignesClassement(const TCoteFiche& C, int Cote)
{
    const std::string Mot = MotLieu(Cote, C.General);
    std::array<std::string, 6> L;
    L[0] = TraduitFmt(TexteClassement, {Mot}) +
           (C.Position == 1 ? Traduit(TextePremier) : TraduitFmt(TexteNieme, {C.Position}));
    const std::array<int, 5> Valeurs{C.Victoires, C.Nuls, C.Defaites, C.ButsPour, C.ButsContre};
    for (size_t I = 0; I < Valeurs.size(); ++I)
        L[I + 1] = Nombre(TextesTotaux[I][0], TextesTotaux[I][1], Valeurs[I], Mot);
    return L;
}

std::string BulleClassement(const TCoteFiche& C, int Cote)
{
    return TraduitFmt(TexteBulleClassement, {MotLieu(Cote, C.General)});
}

std::vector<TLigneSerie> LignesSerie(const TCoteFiche& C, int Cote)
{
    const std::string Mot = MotLieu(Cote, C.General);
    std::vector<TLigneSerie> L;
    std::string Premiere;
    if (C.GenreSerie >= 1 && C.GenreSerie <= 3 && C.LongueurSerie >= 1) {
        const size_t Genre = static_cast<size_t>(C.GenreSerie - 1);
        Premiere = TraduitFmt(C.LongueurSerie == 1 ? TextesUnMatch[Genre] : TextesSerie[Genre], {C.LongueurSerie, Mot});
    }
    L.push_back({Premiere, CouleurImpaire});
    const auto Ajoute = [&](int Texte, int Valeur) {
        const uint8_t Couleur = (L.size() + 1) % 2 == 0 ? CouleurPaire : CouleurImpaire;
        L.push_back({TraduitFmt(Texte, {Valeur, Mot}), Couleur});
    };
    if (C.Invaincu > 0)
        Ajoute(C.Invaincu == 1 ? 245 : 246, C.Invaincu);
    if (C.SansVictoire > 0)
        Ajoute(C.SansVictoire == 1 ? 247 : 248, C.SansVictoire);
    if (C.SansEncaisser > 0)
        Ajoute(C.SansEncaisser == 1 ? 249 : 250, C.SansEncaisser);
    if (C.SansMarquer >= 2)
        Ajoute(252, C.SansMarquer);
    return L;
}

std::vector<TResultatAffiche> Resultats(const TContexteSaison& Saison, const TCoteFiche& C)
{
    std::vector<TResultatAffiche> L;
    for (const FicheMatch::TMatchFiche& M : C.Derniers)
        L.push_back({Saison.GetNomEquipe(M.Domicile), Saison.GetNomEquipe(M.Exterieur), std::to_string(M.ButsDomicile),
                     std::to_string(M.ButsExterieur)});
    return L;
}

std::string FicheHtml(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, int Domicile, int Exterieur,
                      const TOptionsHtml& O)
{
    const std::array<int, 2> Equipes{Domicile, Exterieur};
    std::array<TCoteFiche, 2> Cotes;
    for (int I = 0; I < 2; ++I)
        Cotes[static_cast<size_t>(I)] =
            FicheMatch::CalculeCote(Saison, Champ, Equipes[static_cast<size_t>(I)], I + 1, false, false);
    std::string Html =
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" bgcolor=\"#ffffef\"><tr><td bgcolor=\"" +
        O.CouleurTitre + "\" align=\"center\"><Font Color=" + O.FonteTitre + ">Fiche du match " +
        EchappeHtml(FicheMatch::NomEquipe(Saison, Champ, Domicile)) + " - " +
        EchappeHtml(FicheMatch::NomEquipe(Saison, Champ, Exterieur)) + "\r\n</font></td></tr><tr><td>";
    if (O.Classement) {
        Html += "<table width=\"100%\">\r\n  <tr>\r\n";
        for (int I = 0; I < 2; ++I) {
            if (I == 1)
                Html += "<td width=\"5\">&nbsp</td>";
            const std::array<std::string, 6> L = LignesClassement(Cotes[static_cast<size_t>(I)], I + 1);
            Html += "<td width=\"49%\">" + TableLignes({L.begin(), L.end()}, O, 1);
        }
        Html += "  </tr></table><br/>";
    }
    if (O.Serie) {
        Html += "<b>Série en cours</b><br/><table width=\"100%\"><tr>";
        for (int I = 0; I < 2; ++I) {
            std::vector<std::string> L;
            for (const TLigneSerie& S : LignesSerie(Cotes[static_cast<size_t>(I)], I + 1))
                L.push_back(S.Texte);
            Html += "<td valign=\"top\" width=\"49%\">" + TableLignes(L, O);
        }
        Html += "</tr></table><br/>";
    }
    if (O.Matchs) {
        Html += "<b>Derniers résultats</b><br/><table width=\"100%\"><tr>";
        for (int I = 0; I < 2; ++I) {
            Html += "<td width=\"49%\"><table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" width=\"100%\">";
            const std::vector<TResultatAffiche> L = Resultats(Saison, Cotes[static_cast<size_t>(I)]);
            for (size_t K = 0; K < L.size(); ++K) {
                const std::string& Couleur = K % 2 == 0 ? O.CouleurLigne2 : O.CouleurLigne1;
                Html += "<tr bgcolor=\"" + Couleur + "\"><td align=\"right\" nowrap>" + EchappeHtml(L[K].Domicile) +
                        "-" + EchappeHtml(L[K].Exterieur) + "</td><td nowrap>" + L[K].ButsDomicile + "-" +
                        L[K].ButsExterieur + "</td></tr>";
            }
            Html += "</table></td>";
        }
        Html += "</tr></table>";
    }
    return Html + "</tr></table></td></tr></table>";
}

} // namespace VuesFicheMatch
