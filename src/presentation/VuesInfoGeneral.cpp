#include "presentation/VuesInfoGeneral.h"

#include "base/TriEchange.h"
#include "base/oTraducteur.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ContexteSaison.h"
#include "model/ListeDonnees.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <algorithm>

namespace VuesInfoGeneral {

namespace {

enum : int {
    TexteSpectateurs = 51,
    TexteJourneeNumero = 151,
    TexteGardiens = 791,
    TexteMatchs = 800,
    TexteJaunes = 807,
    TexteMoyenne = 808,
    TexteRouges = 809,
    TexteVictoiresDomicile = 810,
    TexteRepartitionButeurs = 815,
    TexteContreSonCamp = 816,
    TexteNombreButs = 817,
    TexteSpectateursJournee = 972,
    TexteNombreCartons = 990,
    TexteEssais = 1089,
};

constexpr TColor Jaune = 0x00FFFF;
constexpr TColor Rouge = 0x0000FF;
constexpr const char* FinLigne = "\r\n";

void Repartition(const InfoGeneral::TRepartition& R, TModeleGraphBarre& G, int NbBarres, int Largeur,
                 TCouleurs Couleurs, const std::string& LegendeY)
{
    G.SetLegendeY(LegendeY);
    G.SetNbCourbes(1);
    if (Couleurs.Couleur1 == 0)
        Couleurs = CouleursRepartition();
    int Max = 0;
    for (int B = 1; B <= NbBarres; ++B) {
        int Valeur = 0;
        // A 15-minute bar gathers three slices, a 5-minute bar one.
        for (int S = (B - 1) * Largeur; S < B * Largeur; ++S)
            Valeur += R[static_cast<size_t>(S)];
        G.SetPoint(0, B, Valeur);
        G.SetCouleursPoint(0, B, Couleurs);
        Max = std::max(Max, Valeur);
    }
    G.SetAutoGraduationY(true);
    G.SetNbPointX(NbBarres);
    G.SetEspaceGraduerX(5 * Largeur);
    G.SetEchelleX(1.0 / (5 * Largeur));
    G.SetEspaceGraduerY(InfoGeneral::ArrondiEchelle(Max > 20 ? Max / 4 : Max));
    G.Textin = true;
}

// One cell of the attendance table: centred, black on the row's colour.
void Cellule(TModeleGrille& G, int Col, int Ligne, TColor Fond, const std::string& Texte)
{
    G.SetCellule(Col, Ligne, nullptr, false, Fond, 0, 1, 1, Texte);
}

std::string LigneHtmlInfo(const std::vector<std::string>& C, int Texte, const std::string& Valeur,
                          const std::string& Fonte = "")
{
    std::string L = std::string("  <tr>") + FinLigne + "    <td BGCOLOR=" + C[2] + ">";
    L += Fonte.empty() ? EchappeHtml(Traduit(Texte))
                       : "<FONT COLOR=" + EncreLisibleHtml(Fonte, C[2]) + ">" + EchappeHtml(Traduit(Texte)) + "</FONT>";
    L += std::string("</td>") + FinLigne + "    <td BGCOLOR=" + C[3] + ">" + Valeur + "</td>" + FinLigne + "  </tr>" +
         FinLigne;
    return L;
}

std::string LigneTitreHtml(const std::vector<std::string>& C, const std::string& Texte)
{
    return std::string("  <tr>") + FinLigne + "    <td colspan=2 BGCOLOR=" + C[0] + "><FONT COLOR=" + C[1] + "><b>" +
           Texte + "</b></FONT></td>" + FinLigne + "  </tr>" + FinLigne;
}

std::string LigneVideHtml()
{
    return std::string("  <tr>") + FinLigne + "    <td>&nbsp;</td>" + FinLigne + "    <td>&nbsp;</td>" + FinLigne +
           "  </tr>" + FinLigne;
}

} // namespace

TCouleurs CouleursRepartition()
{
    return CouleursPointEx(0x80FFFF, 0x1C8DFF); // #FFFF80, #FF8D1C
}

TCouleurs CouleursJourImpair()
{
    return CouleursPointEx(0xFFCAED, 0xE00090); // #EDCAFF, #9000E0
}

TCouleurs CouleursJourPair()
{
    return CouleursPointEx(0xE9CAFF, 0x8000E0); // #FFCAE9, #E00080
}

void AfficheGrapheRepartition(const InfoGeneral::TRepartition& R, TModeleGraphBarre& Quart, TModeleGraphBarre& Cinq,
                              TCouleurs Couleur1, TCouleurs Couleur2, const std::string& LegendeY)
{
    Repartition(R, Quart, 7, 3, Couleur1, LegendeY);
    Repartition(R, Cinq, 19, 1, Couleur2, LegendeY);
}

void RemplitGrapheJours(TModeleGraphe& Graphe, const std::vector<int64_t>& Valeurs, TCouleurs Impair, TCouleurs Pair)
{
    Graphe.SetNbCourbes(1);
    for (size_t D = 1; D <= Valeurs.size(); ++D) {
        const int X = static_cast<int>(D);
        Graphe.SetPoint(0, X, static_cast<int>(std::min<int64_t>(Valeurs[D - 1], INT32_MAX)));
        Graphe.SetCouleursPoint(0, X, D % 2 == 1 ? Impair : Pair);
    }
}

void RemplitGrapheCartons(TModeleGraphe& Graphe, const std::vector<int>& Jaunes, const std::vector<int>& Rouges)
{
    Graphe.SetNbCourbes(2);
    Graphe.SetCouleurCourbe(0, Jaune);
    Graphe.SetCouleurCourbe(1, Rouge);
    for (size_t D = 1; D <= std::min(Jaunes.size(), Rouges.size()); ++D) {
        Graphe.SetPoint(0, static_cast<int>(D), Jaunes[D - 1]);
        Graphe.SetPoint(1, static_cast<int>(D), Rouges[D - 1]);
    }
}

void AfficheGrapheEvolution(const TContexteSaison& Saison, const TDonneesChampionnat& Champ, TModeleGraphe* Buts,
                            TModeleGraphe* Cartons, TModeleGraphe* Affluence, TCouleurs Couleur1, TCouleurs Couleur2,
                            bool Essais)
{
    const InfoGeneral::TInfo I = InfoGeneral::CalculeInfo(Saison, Champ, 0);
    const size_t L = static_cast<size_t>(std::clamp<int>(Champ.JourneeJouee, 0, Champ.GetNbJour()));
    std::vector<int64_t> ValeursButs(L, 0);
    std::vector<int64_t> ValeursAffluence(L, 0);
    for (size_t D = 0; D < L; ++D) {
        if (Essais) {
            const TListeDonnees* Liste = Champ.GetButeursJournee(static_cast<int>(D + 1));
            ValeursButs[D] = Liste != nullptr ? Liste->Nombre() : 0;
        } else {
            ValeursButs[D] = I.ButsJournee[D];
            ValeursAffluence[D] = I.AffluenceJournee[D];
        }
    }
    const int NbJour = Champ.GetNbJour();
    if (Buts != nullptr) {
        Buts->SetLegendeY(Traduit(Essais ? TexteEssais : TexteNombreButs));
        Buts->SetNbPointX(NbJour);
        Buts->SetNbPointY(15);
        RemplitGrapheJours(*Buts, ValeursButs, Couleur1, Couleur2);
    }
    if (Cartons != nullptr) {
        Cartons->SetLegendeY(Traduit(TexteNombreCartons));
        Cartons->SetNbPointX(NbJour);
        Cartons->SetNbPointY(15);
        RemplitGrapheCartons(*Cartons, std::vector<int>(I.JaunesJournee.begin(), I.JaunesJournee.begin() + L),
                             std::vector<int>(I.RougesJournee.begin(), I.RougesJournee.begin() + L));
    }
    if (Affluence != nullptr) {
        Affluence->SetLegendeY(Traduit(TexteSpectateursJournee));
        Affluence->SetNbPointX(NbJour);
        Affluence->SetNbPointY(15);
        RemplitGrapheJours(*Affluence, ValeursAffluence, Couleur1, Couleur2);
    }
}

void RemplitAffluences(TModeleGrille& Grille, const TContexteSaison& Saison, const TDonneesChampionnat& Champ,
                       int MaxLignes)
{
    struct TAffluence {
        int Spectateurs = 0;
        int Jour = 0;
        int Match = 0; // 0-based
    };
    std::vector<TAffluence> Liste;
    const int L = std::clamp<int>(Champ.JourneeJouee, 0, Champ.GetNbJour());
    for (int J = 1; J <= L; ++J)
        for (int K = 0; K < Champ.GetNbMatchJournee(J); ++K)
            if (const int A = Champ.GetAffluence(J, K + 1); A != -1)
                Liste.push_back({A, J, K});
    TriEchange(Liste, [](const TAffluence& a, const TAffluence& b) { return a.Spectateurs > b.Spectateurs; });
    int Lignes = std::min<int>(static_cast<int>(Liste.size()), 20);
    int Hauteur = 24;
    if (Lignes > 10) {
        Lignes = std::min(Lignes, std::max(MaxLignes, 0));
        Hauteur = 21;
    }
    // The rows keep the heights the table is laid out with.
    Grille.SetAutoResize(false);
    Grille.SetFixedRows(0);
    Grille.SetFixedCols(0);
    Grille.SetColCount(8);
    Grille.SetRowCount(Lignes);
    Grille.SetDefaultRowHeight(Hauteur);
    const int Largeurs[8] = {25, 130, 20, 10, 20, 130, 120, 100};
    for (int C = 0; C < 8; ++C) {
        Grille.SetLargeurColonne(C, Largeurs[C]);
        Grille.SetTraitColonne(C, C > 4);
    }
    Grille.ReinitColonnes();
    Grille.SetCouleursBarre(6, 0x80FFFF, 0x1C8DFF); // #FFFF80 to #FF8D1C
    const bool ParDate = (Champ.GetOption(11) & 8) != 0;
    int Remplies = 0;
    for (; Remplies < Lignes; ++Remplies) {
        const TAffluence& A = Liste[static_cast<size_t>(Remplies)];
        if (A.Spectateurs == 0)
            break;
        const int R = Remplies;
        Grille.SetHauteurLigne(R, Hauteur);
        TColor Fond = 0;
        CouleurLigne(R, Fond);
        auto Score = [&](int Code) {
            const uint16_t S = Champ.GetValeurMatch(A.Jour, 4 * A.Match + Code);
            return S == TInfoComp::Aucun ? std::string() : std::to_string(S);
        };
        auto Nom = [&](int Code) { return Saison.GetNomEquipe(Champ.GetValeurMatch(A.Jour, 4 * A.Match + Code)); };
        Cellule(Grille, 0, R, 0x802090, std::to_string(R + 1)); // #902080
        Cellule(Grille, 1, R, Fond, Nom(1));
        Cellule(Grille, 2, R, Fond, Score(2));
        Cellule(Grille, 3, R, Fond, "-");
        Cellule(Grille, 4, R, Fond, Score(4));
        Cellule(Grille, 5, R, Fond, Nom(3));
        Cellule(Grille, 6, R, Fond, std::to_string(A.Spectateurs) + " " + Traduit(TexteSpectateurs));
        std::string Date;
        if (ParDate) {
            if (const TDateMatch D = Champ.GetDateJournee(A.Jour); D != 0)
                Date = DateMatchToStr(D);
        } else {
            Date = TraduitFmt(TexteJourneeNumero, {A.Jour});
        }
        Cellule(Grille, 7, R, Fond, Date);
    }
    Grille.SetRowCount(Remplies);
}

int HauteurAffluences(const TModeleGrille& Grille)
{
    int H = 0;
    for (int R = 0; R < Grille.GetRowCount(); ++R)
        H += Grille.GetHauteurLigne(R) + 1;
    return H + 2;
}

std::vector<std::string> LignesHtmlInfo(const InfoGeneral::TTextes& T)
{
    std::vector<std::string> L;
    const std::pair<int, const std::string*> Totaux[] = {
        {800, &T.Matchs},   {801, &T.Nuls}, {802, &T.AffluenceMoyenne}, {803, &T.Buts}, {804, &T.ButsParMatch},
        {805, &T.Meilleur}, {806, &T.Pire}};
    for (const auto& [Id, Valeur] : Totaux)
        L.push_back(Traduit(Id) + " : " + *Valeur + ((Id == 802 || Id == 806) ? "<BR><BR>" : "<BR>"));
    L.push_back("      <table> <tr> <td width=\"250\">" + Traduit(TexteJaunes) +
                "</td><td align=\"right\" width=\"40\">" + T.Jaunes + "</td></tr>");
    L.push_back("      <tr> <td> " + Traduit(TexteMoyenne) + "</td> <td align=\"right\"> " + T.JaunesParMatch +
                "</td></tr>");
    L.push_back("      <tr> <td> " + Traduit(TexteRouges) + "</td> <td align=\"right\"> " + T.Rouges + "</td></tr>");
    L.push_back("      <tr> <td> " + Traduit(TexteMoyenne) + "</td> <td align=\"right\"> " + T.RougesParMatch +
                "</td></tr> </table><BR>");
    L.push_back("      <table> <tr> <td width=\"200\"> " + Traduit(TexteVictoiresDomicile) + "</td><td width=\"50\">" +
                T.VictoiresDomicile + "</td></tr>");
    const std::pair<int, const std::string*> Domicile[] = {
        {811, &T.NulsDomicile}, {812, &T.DefaitesDomicile}, {813, &T.ButsDomicile}, {814, &T.ButsExterieur}};
    for (const auto& [Id, Valeur] : Domicile)
        L.push_back("      <tr> <td>" + Traduit(Id) + "</td> <td>" + *Valeur +
                    (Id == 814 ? "</td></tr></table><br/>" : "</td></tr>"));
    L.push_back("      " + Traduit(TexteRepartitionButeurs) + " <table>");
    for (int P = 0; P < 5; ++P) {
        const int Id = P < 4 ? TexteGardiens + P : TexteContreSonCamp;
        L.push_back("      <tr> <td Width=200>" + Traduit(Id) + "</td> <td align=\"right\">" +
                    T.Buteurs[static_cast<size_t>(P)] + (P == 0 ? "</td> </tr>" : "</td></tr>"));
    }
    L.push_back("      </table>");
    return L;
}

std::string GetHtmlInfo(const InfoGeneral::TInfo& Info, const std::string& Titre,
                        const std::vector<std::string>& Couleurs)
{
    std::vector<std::string> C = Couleurs;
    C.resize(5);
    const InfoGeneral::TTextes T = InfoGeneral::Textes(Info);
    const std::string Ouverture = std::string("<table cellspacing=\"0\" cellpadding=\"3\">") + FinLigne;
    std::string H = Ouverture + LigneTitreHtml(C, " " + EchappeHtml(Titre));
    H += LigneHtmlInfo(C, TexteMatchs, T.Matchs);
    if (Info.Matchs > 0) {
        H += LigneHtmlInfo(C, 801, T.Nuls);
        H += LigneHtmlInfo(C, 802, T.AffluenceMoyenne);
        H += LigneHtmlInfo(C, 803, T.Buts);
        H += LigneHtmlInfo(C, 804, T.ButsParMatch);
        H += LigneHtmlInfo(C, 805, T.Meilleur);
        H += LigneHtmlInfo(C, 806, T.Pire);
        H += LigneHtmlInfo(C, TexteJaunes, T.Jaunes, "#F0E020");
        H += LigneHtmlInfo(C, TexteMoyenne, T.JaunesParMatch, "#F0E020");
        H += LigneHtmlInfo(C, TexteRouges, T.Rouges, "#800000");
        H += LigneHtmlInfo(C, TexteMoyenne, T.RougesParMatch, "#800000");
        H += LigneVideHtml();
        H += LigneTitreHtml(C, "Pourcentage");
        H += LigneHtmlInfo(C, TexteVictoiresDomicile, T.VictoiresDomicile);
        H += LigneHtmlInfo(C, 811, T.NulsDomicile);
        H += LigneHtmlInfo(C, 812, T.DefaitesDomicile);
        if (Info.Buts > 0) {
            H += LigneHtmlInfo(C, 813, T.ButsDomicile);
            H += LigneHtmlInfo(C, 814, T.ButsExterieur);
        }
    }
    H += std::string("</table><br/>") + FinLigne;
    H += Ouverture + LigneTitreHtml(C, EchappeHtml(Traduit(TexteRepartitionButeurs)));
    for (int P = 0; P < 5; ++P)
        H += LigneHtmlInfo(C, P < 4 ? TexteGardiens + P : TexteContreSonCamp, T.Buteurs[static_cast<size_t>(P)]);
    return H + "</table>" + FinLigne;
}

} // namespace VuesInfoGeneral
