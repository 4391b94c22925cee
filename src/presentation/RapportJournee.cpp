#include "presentation/RapportJournee.h"

#include "base/Canevas.h"
#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/SaisonFoot.h"
#include "model/infocomp.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <algorithm>
#include <vector>

namespace RapportJournee {

namespace {

constexpr const char* Crlf = "\r\n";
constexpr int TexteJournee = 85;
constexpr int TexteSpectateurs = 51;
constexpr int TexteFicheMatch = 700;
constexpr int TexteArbitre = 920;
constexpr int TexteStade = 1010;
constexpr int TexteButeurs = 498;
constexpr int TexteJaunes = 974;
constexpr int TexteRouges = 975;

// Option 11: the day's date is shown (1), dates per match (4), calendar by date (8).
bool DateJourAffichee(const TDonneesChampionnat& c)
{
    return (c.GetOption(11) & 1) != 0;
}
bool DatesParMatch(const TDonneesChampionnat& c)
{
    return (c.GetOption(11) & 4) != 0;
}
bool CalendrierParDate(const TDonneesChampionnat& c)
{
    return (c.GetOption(11) & 8) != 0;
}

bool JourValide(const TDonneesChampionnat& c, int jour)
{
    return jour >= 1 && jour <= c.GetNbJour();
}

std::string Date(TDateMatch d)
{
    return d == 0 ? std::string() : DateMatchToStr(d);
}

// The two sides of match k of the day: team ids and scores without the
// cup's qualified flag (65535 when unset).
struct TMatchJour {
    uint16_t Equipe[2];
    uint16_t Score[2];
    bool Joue() const { return Score[0] != TInfoComp::Aucun && Score[1] != TInfoComp::Aucun; }
};

TMatchJour MatchJour(const TDonneesChampionnat& c, int jour, int k)
{
    const int base = 4 * (k - 1);
    return TMatchJour{{c.GetValeurMatch(jour, base + 1), c.GetValeurMatch(jour, base + 3)},
                      {c.GetValeurMatch(jour, base + 2), c.GetValeurMatch(jour, base + 4)}};
}

std::string Nom(const TSaison& s, uint16_t id)
{
    return id == TInfoComp::Aucun ? std::string() : s.GetNomEquipe(id);
}

std::string NomHtml(const TSaison& s, uint16_t id)
{
    return EchappeHtml(Nom(s, id));
}

void Remplace(std::string& texte, const std::string& motif, const std::string& par)
{
    for (size_t p = texte.find(motif); p != std::string::npos; p = texte.find(motif, p + par.size()))
        texte.replace(p, motif.size(), par);
}

} // namespace

// ------------------------------------------------------------------ printing

void Dessine(TCanevas& canevas, const TSaison& saison, const TDonneesChampionnat& champ, int jour, int hauteurPage,
             const std::function<void()>& nouvellePage)
{
    canevas.SetPolice(TPolice{14, false, false, 0});
    std::string titre = Traduit(TexteJournee) + " " + std::to_string(jour);
    if (DateJourAffichee(champ))
        titre += " (" + DateMatchToStr(champ.GetDateJournee(jour)) + ")";
    canevas.Texte(10, 10, titre);

    const int w = canevas.LargeurTexte("AAAAAMMMMMAAAAAMMM");
    const int h = 2 * canevas.HauteurTexte("A");
    const bool dates = DatesParMatch(champ);
    const int x0 = dates ? 120 : 10;
    const int tiret = canevas.LargeurTexte("-");
    const int x2 = x0 + w + 15 + tiret;
    int rang = 0; // the line's place on its page
    for (int k = 1; k <= champ.GetNbMatchJournee(jour); ++k) {
        ++rang;
        int y = h * rang + 10;
        // A day longer than the page goes on over the next pages.
        if (y + h > hauteurPage && rang > 1) {
            if (nouvellePage)
                nouvellePage();
            rang = 0;
            y = 10;
        }
        const TMatchJour m = MatchJour(champ, jour, k);
        if (dates)
            canevas.Texte(10, y, Date(champ.GetDateMatch(jour, k)));
        const std::string dom = Nom(saison, m.Equipe[0]);
        const std::string ext = Nom(saison, m.Equipe[1]);
        canevas.Texte(x0 + (w - canevas.LargeurTexte(dom)) / 2, y, dom);
        canevas.Texte(x0 + w + 10, y, "-");
        canevas.Texte(x2 + (w - canevas.LargeurTexte(ext)) / 2, y, ext);
        if (m.Joue()) {
            canevas.Texte(x2 + w + 10, y, ":");
            canevas.Texte(x2 + w + 30, y, std::to_string(m.Score[0]));
            canevas.Texte(x2 + w + 30 + canevas.LargeurTexte("00"), y, "-");
            canevas.Texte(x2 + w + 30 + canevas.LargeurTexte("000") + tiret, y, std::to_string(m.Score[1]));
        }
    }
}

// ------------------------------------------------------------------ the page's HTML

std::string PageHtml(const TSaison& saison, const TDonneesChampionnat& champ, int jour, const std::string& titre)
{
    const std::string t = "    \t";
    std::string html = DebutPageHtml(titre, "#80CCFE");
    auto ligne = [&html](const std::string& l) { html += l + Crlf; };
    ligne("    <TABLE Width = 300 Border=1 CellSpacing=0 CellPadding = 0>");
    ligne(t + "<tr>");
    ligne(t + "  <td align=center colspan=3 BGCOLOR=\"#4020A0\"><B>");
    ligne("    \t\t<Font Color=#F0E020> " + EchappeHtml(Traduit(TexteJournee)) + " " + std::to_string(jour) +
          "</Font></B>");
    ligne(t + "  </td>");
    ligne(t + "</tr>");
    for (int k = 1; k <= champ.GetNbMatchJournee(jour); ++k) {
        const TMatchJour m = MatchJour(champ, jour, k);
        TColor fond = 0;
        CouleurLigne(k, fond);
        ligne(t + "<tr BGCOLOR=" + CouleurVersHtml(fond) + ">");
        ligne(t + "<td align=center width=40%>" + NomHtml(saison, m.Equipe[0]) + "</td>");
        if (m.Joue())
            ligne("      <td align=center width=20%>" + std::to_string(m.Score[0]) + " - " +
                  std::to_string(m.Score[1]) + "</td>");
        else
            ligne("      <td align=center width=20%> - </td>");
        ligne(t + "<td align=center width=40%>" + NomHtml(saison, m.Equipe[1]) + "</td>");
        ligne(t + "</tr>");
    }
    ligne("    </TABLE>");
    return html + FinPageHtml();
}

// ------------------------------------------------------------------ "Score"

std::string FormatLigneDefaut()
{
    const std::string cellule = "<font color=\"$CouleurFonte$\">";
    return std::string("<tr bgcolor=\"$couleur$\">") + Crlf + "  <td align=\"center\" width=\"40%\">" + cellule +
           "$equipe1$</font></td>" + Crlf + "  <td align=\"center\" width=\"20%\">" + cellule +
           "$score1$ - $score2$</font></td>" + Crlf + "  <td align=\"center\" width=\"40%\">" + cellule +
           "$equipe2$</font></td>" + Crlf + "</tr>";
}

namespace {

// The report page's name of match k: the number and the extra text go
// before the first "." of the template's name (at its end without one).
std::string NomFiche(const std::string& fiche, int k, const std::string& extra)
{
    const std::string insere = std::to_string(k) + extra;
    const size_t point = fiche.find('.');
    return point == std::string::npos ? fiche + insere : fiche.substr(0, point) + insere + fiche.substr(point);
}

} // namespace

std::string Score(const TSaison& saison, const TDonneesChampionnat& champ, const TParamScore& p)
{
    const int jour = p.Journee;
    if (!JourValide(champ, jour))
        return {};
    std::string resultat = std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") + Crlf;
    resultat += "<tr BGCOLOR=" + p.CouleurTitre + ">" + Crlf;
    resultat += "  <td align=center colspan=" + p.NbColonne + "><B>";
    resultat += "<Font Color=" + p.FonteTitre + "> " + EchappeHtml(Traduit(TexteJournee));
    if (CalendrierParDate(champ))
        resultat += " du " + DateMatchToStr(champ.GetDateJournee(jour));
    else
        resultat += " " + std::to_string(jour);
    resultat += std::string("</Font></B>") + "</td>" + Crlf + "</tr>" + Crlf;

    const std::string format = p.FormatLigne.empty() ? FormatLigneDefaut() : p.FormatLigne;
    // A link goes round the score only when the row holds it whole and in order.
    const size_t s1 = format.find("$score1$");
    const size_t s2 = format.find("$score2$");
    const bool lien = !p.FicheDetail.empty() && s1 != std::string::npos && s2 != std::string::npos && s1 < s2;
    const std::string dateJour = Date(champ.GetDateJournee(jour));
    for (int k = 1; k <= champ.GetNbMatchJournee(jour); ++k) {
        const TMatchJour m = MatchJour(champ, jour, k);
        std::string l = format;
        if (lien) {
            const std::string fiche = NomFiche(p.FicheDetail, k, p.ExtraExt);
            const std::string parametres = p.ParametreLien.empty() ? std::string() : "?" + p.ParametreLien;
            l.insert(s2 + 8, "</a>");
            l.insert(s1, "<a href=" + fiche + parametres + ">");
            const std::string note = "$" + fiche + "-" + p.FicheDetail + "-Match=" + std::to_string(k);
            if (k == 1 || resultat.empty() || resultat[0] != '#')
                resultat = "#" + note + "#" + resultat;
            else
                resultat.insert(1, note);
        }
        Remplace(l, "$couleur$", k % 2 == 1 ? p.CouleurLigne2 : p.CouleurLigne1);
        Remplace(l, "$CouleurFonte$", p.FonteLigne);
        Remplace(l, "$equipe1$", NomHtml(saison, m.Equipe[0]));
        Remplace(l, "$equipe2$", NomHtml(saison, m.Equipe[1]));
        Remplace(l, "$score1$", m.Joue() ? std::to_string(m.Score[0]) : std::string());
        Remplace(l, "$score2$", m.Joue() ? std::to_string(m.Score[1]) : std::string());
        std::string date = Date(champ.GetDateMatch(jour, k));
        if (date.empty())
            date = dateJour.empty() ? "-" : dateJour;
        Remplace(l, "$date$", date);
        resultat += l + Crlf;
    }
    return resultat + "</TABLE>";
}

// ------------------------------------------------------------------ "RapportMatch"

namespace {

class TRapport {
public:
    TRapport(const TSaison& saison, const TParamRapport& p, const TInfoComp& match) : Saison(saison), P(p), Match(match)
    {
    }

    std::string Corps(const TDonneesChampionnat& champ, int jour);

private:
    // A row of two cells of two columns each: a label and its value.
    void LigneValeur(const std::string& libelle, const std::string& valeur)
    {
        Ligne("<td colspan=\"2\">" + Police(libelle) + "</td><td colspan=\"2\">" + Police(valeur) + "</td>");
    }
    void Titre(const std::string& texte)
    {
        Html += "<tr bgcolor=\"" + P.CouleurTitre + "\"><td align=center colspan=\"4\"><b><font color=\"" +
                P.FonteTitre + "\">" + texte + "</font></b></td></tr>" + Crlf;
    }
    void Ligne(const std::string& cellules)
    {
        ++Rang;
        Html +=
            "<tr bgcolor=\"" + (Rang % 2 == 1 ? P.CouleurLigne1 : P.CouleurLigne2) + "\">" + cellules + "</tr>" + Crlf;
    }
    std::string Police(const std::string& texte) const
    {
        return "<font color=\"" + P.FonteLigne + "\">" + texte + "</font>";
    }
    std::string NomJoueur(int id, uint16_t equipe) const
    {
        const TJoueur* j = ChercheJoueur(&Saison, id, equipe);
        return j != nullptr ? EchappeHtml(j->GetNomComplet()) : std::string();
    }
    // Minute and player of an event, for the half of a row of its side.
    std::string CellulesEvenement(const TDonneesEvt* e, bool avecGenre) const;
    void Evenements(int titre, const TListeResultat& dom, const TListeResultat& ext, bool avecGenre);
    void Effectifs();

    const TSaison& Saison;
    const TParamRapport& P;
    const TInfoComp& Match;
    std::string Html;
    int Rang = 0;
};

std::string TRapport::CellulesEvenement(const TDonneesEvt* e, bool avecGenre) const
{
    if (e == nullptr)
        return "<td width=\"10%\"></td><td width=\"40%\"></td>";
    std::string nom = NomJoueur(e->GetJoueur(), e->GetEquipe());
    if (avecGenre) {
        // The penalty and free-kick labels carry their own brackets.
        const std::string genre = LibelleGenre(e->GetGenre());
        if (!genre.empty())
            nom += " " + EchappeHtml(genre);
    }
    return "<td width=\"10%\">" + Police(std::to_string(e->GetMinute()) + "°") + "</td><td width=\"40%\">" +
           Police(nom) + "</td>";
}

void TRapport::Evenements(int titre, const TListeResultat& dom, const TListeResultat& ext, bool avecGenre)
{
    Titre(Traduit(titre));
    for (int i = 0; i < std::max(dom.Nombre(), ext.Nombre()); ++i)
        Ligne(CellulesEvenement(dom.Get(i), avecGenre) + CellulesEvenement(ext.Get(i), avecGenre));
}

void TRapport::Effectifs()
{
    auto cellules = [this](int cote, int mot, const std::string& suite) {
        const uint16_t id = Match.GetCompoCote(cote, mot);
        const TJoueur* j = id != 0 ? ChercheJoueur(&Saison, id, Match.GetEquipe(cote)) : nullptr;
        if (j == nullptr)
            return std::string("<td width=\"10%\"></td><td width=\"40%\"></td>");
        const std::string maillot = j->Maillot != 0 ? std::to_string(j->Maillot) : std::string();
        return "<td width=\"10%\">" + Police(maillot) + "</td><td width=\"40%\">" +
               Police(EchappeHtml(j->GetNomComplet()) + suite) + "</td>";
    };
    // The minute of the pair in which a starter went off, 0 when he stayed on.
    auto sortie = [this](int cote, uint16_t id) {
        for (int paire = 0; paire < 3; ++paire)
            if (id != 0 && Match.GetCompoCote(cote, 12 + 2 * paire) == id)
                return (Match.GetCompoCote(cote, 18 + paire) & 0xFF);
        return -1;
    };
    Titre("Titulaires");
    for (int s = 1; s <= 11; ++s) {
        std::string ligne;
        for (int cote = 0; cote < 2; ++cote) {
            const int minute = sortie(cote, Match.GetCompoCote(cote, s));
            ligne += cellules(cote, s, minute >= 0 ? " (sorti à la " + std::to_string(minute) + "°)" : "");
        }
        Ligne(ligne);
    }
    Titre("Remplaçants");
    for (int paire = 0; paire < 3; ++paire) {
        const int mot = 13 + 2 * paire;
        if (Match.GetCompoCote(0, mot) == 0 && Match.GetCompoCote(1, mot) == 0)
            continue;
        std::string ligne;
        for (int cote = 0; cote < 2; ++cote) {
            const int minute = Match.GetCompoCote(cote, 18 + paire) & 0xFF;
            ligne += cellules(cote, mot, " (entré à la " + std::to_string(minute) + "°)");
        }
        Ligne(ligne);
    }
}

std::string TRapport::Corps(const TDonneesChampionnat& champ, int jour)
{
    if (P.Affluence && Match.GetAffluence() > 0)
        LigneValeur(Traduit(TexteSpectateurs), std::to_string(Match.GetAffluence()));
    if (P.Arbitre)
        for (int i = 1; i <= 3; ++i)
            if (const TPersonnel* a =
                    Match.GetArbitre(i) >= 0 ? Saison.Arbitres().ChercheId(Match.GetArbitre(i)) : nullptr)
                LigneValeur(Traduit(TexteArbitre), EchappeHtml(a->GetNomComplet()));
    if (P.Stade && Saison.GetStades() != nullptr)
        if (const TStade* s = Saison.GetStades()->ChercheCode(Match.GetStade()))
            LigneValeur(Traduit(TexteStade), EchappeHtml(s->NomStade));
    const uint16_t dom = Match.GetEquipe(0);
    const uint16_t ext = Match.GetEquipe(1);
    if (P.Buteur)
        if (const TListeDonnees* buteurs = champ.GetButeursJournee(jour)) {
            const std::vector<TListeResultat> v = buteurs->ResultatsEquipeParType(dom, ext, false, false);
            Evenements(TexteButeurs, v[0], v[1], true);
        }
    if (P.Carton)
        if (const TListeDonnees* cartons = champ.GetCartonsJournee(jour)) {
            // The card lists' flag marks a red card: no kind label there.
            const std::vector<TListeResultat> v = cartons->ResultatsEquipeParType(dom, ext, true, false);
            Evenements(TexteJaunes, v[0], v[1], false);
            Evenements(TexteRouges, v[2], v[3], false);
        }
    if (P.Effectif)
        Effectifs();
    return Html;
}

} // namespace

std::string RapportMatch(const TSaison& saison, const TDonneesChampionnat& champ, const TParamRapport& p)
{
    if (!JourValide(champ, p.Journee))
        return {};
    const TInfoComp* match = champ.GetMatch(p.Journee, p.Match);
    if (match == nullptr || match->GetEquipe(0) == TInfoComp::Aucun || match->GetEquipe(1) == TInfoComp::Aucun)
        return {};
    const TMatchJour m = MatchJour(champ, p.Journee, p.Match);
    std::string titre =
        Traduit(TexteFicheMatch) + " " + NomHtml(saison, m.Equipe[0]) + "-" + NomHtml(saison, m.Equipe[1]);
    if (m.Joue())
        titre += " (" + std::to_string(m.Score[0]) + " - " + std::to_string(m.Score[1]) + ")";
    std::string resultat = std::string("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">") + Crlf;
    resultat += "<tr bgcolor=\"" + p.CouleurTitre + "\"><td align=center colspan=4><b><font color=" + p.FonteTitre +
                "> " + titre + "</font></b></td>" + Crlf + "</tr>" + Crlf;
    TRapport rapport(saison, p, *match);
    return resultat + rapport.Corps(champ, p.Journee) + "</table>";
}

} // namespace RapportJournee
