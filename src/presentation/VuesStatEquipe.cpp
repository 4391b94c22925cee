#include "presentation/VuesStatEquipe.h"

#include "base/Contraste.h"
#include "base/Texte.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "engine/StatEquipe.h"
#include "files/Image.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/ContexteSaison.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <algorithm>
#include <array>

namespace VuesStatEquipe {

namespace {

std::string Couleur(const TCouleursTable& C, size_t I, const char* Defaut)
{
    return I < C.size() ? EchappeHtml(C[I]) : std::string(Defaut);
}

// The HTML colour of a $00BBGGRR value.
std::string HtmlCouleur(TColor C)
{
    char Texte[8];
    std::snprintf(Texte, sizeof Texte, "#%02X%02X%02X", static_cast<unsigned>(C & 0xFF),
                  static_cast<unsigned>((C >> 8) & 0xFF), static_cast<unsigned>((C >> 16) & 0xFF));
    return Texte;
}

std::string Police(const std::string& Texte, const std::string& Couleur)
{
    return "<font color=\"" + Couleur + "\">" + Texte + "</font>";
}

// A label and value table: the title row, then the rows in turn in the two row colours.
std::string TableLibelles(const std::string& Ouverture, const std::string& Titre,
                          const std::vector<std::pair<std::string, std::string>>& Lignes,
                          const TCouleursTable& Couleurs, const std::string& AttributValeur = "")
{
    std::string Html = Ouverture + "\r\n  <tr bgcolor=\"" + Couleur(Couleurs, 0, "#000080") +
                       "\">\r\n    <td colspan=\"2\" align=\"center\"><b>" +
                       Police(Titre, Couleur(Couleurs, 3, "#F0E020")) + "</b></td>\r\n  </tr>\r\n";
    for (size_t I = 0; I < Lignes.size(); ++I) {
        const std::string Fond = Couleur(Couleurs, I % 2 == 0 ? 1 : 2, I % 2 == 0 ? "#C0C0C0" : "#FFFFFF");
        const std::string Fonte = Couleur(Couleurs, 4, "#000000");
        Html += "  <tr bgcolor=\"" + Fond + "\">\r\n    <td>" + Police(Lignes[I].first, Fonte) + "</td>\r\n    <td" +
                AttributValeur + ">" + Police(Lignes[I].second, Fonte) + "</td>\r\n  </tr>\r\n";
    }
    return Html + "</table>\r\n";
}

int DernierJour(const TDonneesChampionnat& Champ)
{
    return std::min<int>(Champ.JourneeJouee, Champ.GetNbJour());
}

} // namespace

void RemplitPointsPris(TModeleGrille& Grille, const TDonneesChampionnat& Champ, const TContexteSaison& Saison,
                       int Equipe, const StatEquipe::TParcours& P)
{
    const auto Points = StatEquipe::PointsParAdversaire(Champ, P, Equipe);
    Grille.SetColCount(2);
    Grille.SetRowCount(static_cast<int>(Points.size()) + 1);
    Grille.SetFixedRows(1);
    Grille.SetLargeurColonne(0, 200);
    Grille.SetLargeurColonne(1, 60);
    Grille.SetTexte(0, 0, Traduit(176));
    Grille.SetTexte(1, 0, Traduit(219));
    for (int C = 0; C < 2; ++C) {
        Grille.SetCouleurFond(C, 0, 0xB4FF64);
        Grille.SetCouleurTexte(C, 0, 0);
    }
    int Ligne = 1;
    for (const auto& [Adversaire, Texte] : Points) {
        TColor Fond = 0xFFFFFF;
        CouleurLigne(Ligne, Fond);
        Grille.SetTexte(0, Ligne, Saison.GetNomEquipe(static_cast<uint16_t>(Champ.GetEquipe(Adversaire))));
        Grille.SetTexte(1, Ligne, Texte);
        Grille.SetAlignementH(1, Ligne, 1);
        Grille.SetCouleurLigne(Ligne, Fond);
        ++Ligne;
    }
}

std::string HtmlParcours(const StatEquipe::TParcours& P, const std::string& Titre)
{
    std::string Html = DebutPageHtml(Titre, "#80CCFE") +
                       "<table width=\"400\" border=\"1\" cellspacing=\"0\" cellpadding=\"0\">\r\n"
                       "  <tr bgcolor=\"#4020A0\">\r\n";
    for (int Texte : {64, 65})
        Html += "    <td align=\"center\" width=\"50%\"><b>" + Police(EchappeHtml(Traduit(Texte)), "#F0E020") +
                "</b></td>\r\n";
    Html += "  </tr>\r\n";
    const size_t NbExt = P.SansLieu ? 0 : P.Exterieur.size();
    for (size_t L = 0; L < std::max(P.Domicile.size(), NbExt); ++L) {
        TColor Fond = 0xFFFFFF;
        CouleurLigne(static_cast<int>(L) + 1, Fond);
        Html += "  <tr bgcolor=\"" + HtmlCouleur(Fond) + "\">\r\n";
        for (const auto* Liste : {&P.Domicile, &P.Exterieur}) {
            const size_t N = Liste == &P.Domicile ? P.Domicile.size() : NbExt;
            // The result's colour, as dark as the row's ground needs to read it.
            Html +=
                "    <td>" +
                (L < N ? Police(EchappeHtml((*Liste)[L].Texte), HtmlCouleur(EncreLisible((*Liste)[L].Couleur, Fond)))
                       : "&nbsp;") +
                "</td>\r\n";
        }
        Html += "  </tr>\r\n";
    }
    return Html + "</table>\r\n" + FinPageHtml();
}

std::string ResultatEquipe(const TDonneesChampionnat& Champ, const TContexteSaison& Saison, int Equipe, int Type,
                           bool Separe, const std::string& FonteDom, const std::string& FonteExt)
{
    const auto Id = static_cast<uint16_t>(Champ.GetEquipe(Equipe));
    std::vector<std::string> Domicile, Exterieur, Tous;
    for (int Jour = 1; Jour <= DernierJour(Champ); ++Jour) {
        const TInfoComp* M = Champ.GetMatchEquipe(Jour, Id);
        if (M == nullptr || M->GetScore(0) == 65535 || M->GetScore(1) == 65535)
            continue;
        const int S1 = M->GetScore(0) & 0x7FFF;
        const int S2 = M->GetScore(1) & 0x7FFF;
        const bool AuDomicile = M->GetEquipe(0) == Id;
        const int Pour = AuDomicile ? S1 : S2;
        const int Contre = AuDomicile ? S2 : S1;
        const int Bit = Pour > Contre ? 1 : (Pour == Contre ? 2 : 4);
        if ((Type & Bit) == 0)
            continue;
        const std::string Fonte = EchappeHtml(AuDomicile ? FonteDom : FonteExt);
        std::string Cellules;
        for (const std::string& Texte : {EchappeHtml(Saison.GetNomEquipe(M->GetEquipe(0))), std::string("-"),
                                         EchappeHtml(Saison.GetNomEquipe(M->GetEquipe(1))), std::string(":"),
                                         std::to_string(S1), std::string("-"), std::to_string(S2)})
            Cellules += "<td>" + Police(Texte, Fonte) + "</td>";
        (AuDomicile ? Domicile : Exterieur).push_back(Cellules);
        Tous.push_back(Cellules);
    }
    std::string Html = "<table>\r\n";
    if (!Separe) {
        for (const std::string& L : Tous)
            Html += "  <tr>" + L + "</tr>\r\n";
        return Html + "</table>\r\n";
    }
    std::string Vide;
    for (int I = 0; I < 7; ++I)
        Vide += "<td>&nbsp;</td>";
    for (size_t L = 0; L < std::max(Domicile.size(), Exterieur.size()); ++L)
        Html += "  <tr>" + (L < Domicile.size() ? Domicile[L] : Vide) + "<td width=\"50\"></td>" +
                (L < Exterieur.size() ? Exterieur[L] : Vide) + "</tr>\r\n";
    return Html + "</table>\r\n";
}

std::string AdminEquipe(const TSaison& Saison, uint16_t Id, const TCouleursTable& Couleurs)
{
    const TRensClub* R = Saison.RensClubs().ChercheEquipe(Id);
    const TRensClub Vide;
    const TRensClub& C = R != nullptr ? *R : Vide;
    std::string Site = EchappeHtml(C.SiteInternet);
    if (!C.SiteInternet.empty()) {
        const std::string Adresse =
            MinusculesAscii(C.SiteInternet).rfind("http://", 0) == 0 ? C.SiteInternet : "http://" + C.SiteInternet;
        Site = "<a href=\"" + EchappeHtml(Adresse) + "\">" + Site + "</a>";
    }
    const TStade* Stade = C.GetStade(&Saison.Stades());
    const TEntraineur* Entraineur = C.GetEntraineur(&Saison.Entraineurs());
    const std::vector<std::pair<int, std::string>> Valeurs{
        {1011, EchappeHtml(C.Creation)},
        {1012, EchappeHtml(C.CouleurMaillot)},
        {1013, EchappeHtml(C.CouleurRechange)},
        {1017, Site},
        {1018, std::to_string(C.Budget)},
        {1071, EchappeHtml(C.Statut)},
        {1010, Stade != nullptr ? EchappeHtml(Stade->NomStade + "(" + Stade->Ville + ")") : std::string()},
        {1016, EchappeHtml(C.President)},
        {1015, Entraineur != nullptr ? EchappeHtml(Entraineur->GetNomComplet()) : std::string()},
        {1014, EchappeHtml(C.Palmares)},
        {2660, EchappeHtml(C.Remarque)}};
    std::vector<std::pair<std::string, std::string>> Lignes;
    for (const auto& [Texte, Valeur] : Valeurs)
        Lignes.emplace_back(EchappeHtml(Traduit(Texte)), Valeur + "&nbsp;");
    return TableLibelles("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">",
                         "Information sur le club de " + EchappeHtml(Saison.GetNomEquipe(Id)), Lignes, Couleurs,
                         " width=\"300\"");
}

std::string StatClassementEquipe(const TDonneesChampionnat& Champ, const TSaison& Saison, int Equipe, int Lieu,
                                 const TCouleursTable& Couleurs)
{
    Lieu = std::clamp(Lieu, 1, 3);
    const StatEquipe::TClassementEquipe C = StatEquipe::RemplitClassement(Champ, Saison, Equipe);
    const StatEquipe::TBoiteClassement& B = C.Boites[static_cast<size_t>(Lieu - 1)];
    std::vector<std::pair<std::string, std::string>> Lignes{
        {Traduit(856), EchappeHtml(B.Place)},   {Traduit(852), std::to_string(B.Victoires)},
        {Traduit(853), std::to_string(B.Nuls)}, {Traduit(854), std::to_string(B.Defaites)},
        {Traduit(857), std::to_string(B.Pour)}, {Traduit(858), std::to_string(B.Contre)}};
    if (Lieu == 2) {
        // Only recorded attendances count: an unknown one would lower the average.
        const StatEquipe::TParcours P = StatEquipe::CalculeParcours(Champ, Saison, Equipe);
        if (P.NbSpect > 0)
            Lignes.emplace_back(Traduit(51), std::to_string(P.SommeSpect / P.NbSpect));
    }
    constexpr std::array<int, 3> Titres{855, 759, 763};
    return TableLibelles("<table cellspacing=\"0\" cellpadding=\"3\">",
                         EchappeHtml(Traduit(Titres[static_cast<size_t>(Lieu - 1)])), Lignes, Couleurs);
}

std::string EvolutionScoreEquipe(const std::array<std::string, 26>& Textes, const std::string& TypeEvol,
                                 const std::string& Couleur)
{
    const std::string Fonte = EchappeHtml(Couleur);
    auto Bloc = [&](int K) {
        const size_t Debut = K < 3 ? static_cast<size_t>(4 * K) : static_cast<size_t>(16 + 4 * (K - 3));
        std::string Html =
            "<table>\r\n  <tr><td colspan=\"2\">" + Police(EchappeHtml(Textes[Debut]), Fonte) + "</td></tr>\r\n";
        for (size_t L = 1; L <= 3; ++L)
            Html += "  <tr><td></td><td>" + Police(EchappeHtml(Textes[Debut + L]), Fonte) + "</td></tr>\r\n";
        return Html + "</table>\r\n";
    };
    const std::string Resume =
        Police(EchappeHtml(Textes[24]), Fonte) + "<br>\r\n" + Police(EchappeHtml(Textes[25]), Fonte) + "<br>\r\n";
    static const std::array<std::string, 5> Noms{"ouvrescore", "advouvrescore", "mènemitemps", "nulmitemps",
                                                 "menémitemps"};
    const std::string Type = MinusculesAscii(Trim(TypeEvol));
    if (Type == "resume")
        return Resume;
    for (size_t K = 0; K < Noms.size(); ++K)
        if (Type == Noms[K])
            return Bloc(static_cast<int>(K));
    std::string Html = "<table>\r\n";
    for (int R = 0; R < 3; ++R)
        Html += "  <tr><td>" + Bloc(2 * R) + "</td><td width=\"40\"></td><td>" + (R < 2 ? Bloc(2 * R + 1) : "") +
                "</td></tr>\r\n";
    return Html + "</table>\r\n<br>\r\n" + Resume;
}

int GenreTypeJoueur(const std::string& Type)
{
    static const std::pair<const char*, int> Genres[] = {
        {"buteur", 0},          {"essai", 0},           {"averti", 1},        {"exclus", 2},        {"passeur", 5},
        {"realisateur", 10},    {"transformation", 11}, {"penalite", 12},     {"drop", 13},         {"point", 14},
        {"efficacite2pts", 18}, {"efficacite3pt", 19},  {"efficacitelf", 20}, {"interception", 23}, {"contre", 24},
        {"passeurs", 25},       {"balleperdu", 26},     {"rebond", 28},       {"fautes", 30}};
    const std::string Cle = MinusculesAscii(Trim(Type));
    for (const auto& [Nom, Genre] : Genres)
        if (Cle == Nom)
            return Genre;
    return 0;
}

bool AfficheTempsJeu(TSaison& Saison, int Equipe, TModeleGrille& Grille)
{
    const std::unique_ptr<TListeTemps> Liste = StatEquipe::CalculeTempsJeu(Saison, Equipe);
    constexpr std::array<int, 9> Largeurs{30, 120, 120, 80, 70, 70, 70, 70, 70};
    constexpr std::array<int, 9> Titres{74, 71, 72, 171, 68, 172, 173, 87, 174};
    Grille.SetColCount(9);
    Grille.SetRowCount(2);
    Grille.VideLigne(1);
    Grille.SetFixedRows(1);
    for (int C = 0; C < 9; ++C) {
        const auto I = static_cast<size_t>(C);
        Grille.SetLargeurColonne(C, Largeurs[I]);
        Grille.SetCellule(C, 0, nullptr, false, 0xB4FF64, 0, 1, C == 1 || C == 2 ? 0 : 1, Traduit(Titres[I]));
    }
    Liste->Trie();
    const TDonneesChampionnat* Champ = Saison.GetChampCourant();
    const uint16_t Id = Champ != nullptr ? static_cast<uint16_t>(Champ->GetEquipe(Equipe)) : 65535;
    const auto Cle = static_cast<uint16_t>(Saison.GetNumChampCourant());
    int Ligne = 0;
    for (int Rang = 0; Rang < Liste->Nombre(); ++Rang) {
        const TTempsJoueur& T = *Liste->Get(Rang);
        const TJoueur* J = Saison.Joueurs().ChercheId(T.Joueur, Id);
        if (T.Matchs < 1 || J == nullptr)
            continue;
        ++Ligne;
        Grille.SetRowCount(Ligne + 1);
        TColor Fond = 0xFFFFFF;
        CouleurLigne(Rang + 1, Fond);
        const std::array<std::string, 9> Textes{std::string(1, J->GetLettrePoste()),
                                                J->Nom,
                                                J->Prenom,
                                                std::to_string(T.Matchs),
                                                std::to_string(J->GetNbMatch(Cle)),
                                                std::to_string(T.Sorties),
                                                std::to_string(T.Entrees),
                                                std::to_string(T.Minutes),
                                                std::to_string(T.Minutes / T.Matchs)};
        for (int C = 0; C < 9; ++C)
            Grille.SetCellule(C, Ligne, nullptr, false, Fond, 0, 1, C == 1 || C == 2 ? 0 : 1,
                              Textes[static_cast<size_t>(C)]);
    }
    if (Ligne == 0)
        Grille.SetRowCount(2);
    return Liste->Nombre() > 0;
}

} // namespace VuesStatEquipe
