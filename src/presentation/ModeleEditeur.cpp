#include "presentation/ModeleEditeur.h"

#include "base/Texte.h"
#include "presentation/ModeleGrille.h"
#include "presentation/PageHtml.h"

#include <algorithm>
#include <fstream>

TColor CouleurCodeEditeur(uint8_t Code)
{
    static const TColor Palette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x0000FF, 0x800080, 0x000080, 0xC0C0C0,
                                       0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x8080FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return Code < 16 ? Palette[Code] : 0x800000;
}

TModeleEditeur::TModeleEditeur() = default;
TModeleEditeur::~TModeleEditeur() = default;

void TModeleEditeur::SetNbLigne(int N)
{
    N = std::max(N, 0);
    while (GetNbLigne() < N)
        Lignes_.push_back(std::make_unique<TLigneEditeur>());
    Lignes_.resize(static_cast<size_t>(N));
    Repeint();
}

TLigneEditeur* TModeleEditeur::GetLigne(int N)
{
    return N >= 1 && N <= GetNbLigne() ? Lignes_[static_cast<size_t>(N - 1)].get() : nullptr;
}

const TLigneEditeur* TModeleEditeur::GetLigne(int N) const
{
    return N >= 1 && N <= GetNbLigne() ? Lignes_[static_cast<size_t>(N - 1)].get() : nullptr;
}

void TModeleEditeur::SetTaille(int Largeur, int Hauteur)
{
    Largeur_ = Largeur;
    Hauteur_ = Hauteur;
    AppliqueTaille(Largeur, Hauteur);
    Repeint();
}

void TModeleEditeur::SetVisible(bool Visible)
{
    Visible_ = Visible;
    AppliqueVisible(Visible);
}

void TModeleEditeur::SetPosition(int Gauche, int Haut)
{
    Gauche_ = Gauche;
    Haut_ = Haut;
    AppliquePosition(Gauche, Haut);
}

uint8_t TModeleEditeur::SetLigne(int N, std::string_view Texte, bool SansControle, bool Ajoute, uint8_t Couleur)
{
    TLigneEditeur* L = GetLigne(N);
    if (!L)
        return 255;
    std::string Nouveau = Ajoute ? L->Texte + std::string(Texte) : std::string(Texte);
    if (!SansControle) {
        if (!Defilant && Mesure_->HauteurTexte(Nouveau) + (N - 1) * HauteurLigne > GetHauteur())
            return 2;
        int Largeur = L->Fixe ? 8 * static_cast<int>(LongueurCaracteres(Nouveau)) : Mesure_->LargeurTexte(Nouveau);
        if (Largeur > GetLargeur())
            return 1;
    }
    if (!Ajoute) {
        L->Couleurs.clear();
        L->Balises.clear();
    }
    L->Couleurs.insert(L->Couleurs.end(), LongueurCaracteres(Texte), Couleur);
    L->Texte = std::move(Nouveau);
    Repeint();
    return 0;
}

void TModeleEditeur::Vide()
{
    SetNbLigne(1);
    EffaceLigne(1);
    NbOmis_ = 0;
}

void TModeleEditeur::EffaceLigne(int N)
{
    if (TLigneEditeur* L = GetLigne(N)) {
        L->Texte.clear();
        L->Couleurs.clear();
        L->Balises.clear();
    }
}

void TModeleEditeur::AjouteBalise(int N, std::string_view Balise)
{
    if (TLigneEditeur* L = GetLigne(N))
        L->Balises.emplace_back(LongueurCaracteres(L->Texte), std::string(Balise));
}

// --- HTML --------------------------------------------------------------------------

std::string TModeleEditeur::GetTexteHtml() const
{
    std::string Html;
    for (const auto& L : Lignes_) {
        std::u32string Caracteres = VersCaracteres(L->Texte);
        bool Ouvert = false;
        TColor Courante = -1; // matches no colour, so the first character opens a run
        std::string Run;
        auto Ferme = [&] {
            Html += EchappeHtml(Run);
            Run.clear();
            if (Ouvert)
                Html += "</FONT>";
            Ouvert = false;
            Courante = -1;
        };
        // Markup stands between coloured runs, so that it nests with them.
        size_t Balise = 0;
        auto Balises = [&](size_t Position) {
            if (Balise >= L->Balises.size() || L->Balises[Balise].first > Position)
                return;
            Ferme();
            for (; Balise < L->Balises.size() && L->Balises[Balise].first <= Position; ++Balise)
                Html += L->Balises[Balise].second;
        };
        for (size_t I = 0; I < Caracteres.size(); ++I) {
            Balises(I);
            TColor Couleur = CouleurCodeEditeur(I < L->Couleurs.size() ? L->Couleurs[I] : 0);
            if (Couleur != Courante) {
                Ferme();
                Html += "<FONT COLOR=" + CouleurVersHtml(Couleur) + ">";
                Ouvert = true;
                Courante = Couleur;
            }
            AjouteCaractere(Run, Caracteres[I]);
        }
        Ferme();
        Balises(Caracteres.size());
        Html += "<BR>";
    }
    return Html;
}

bool TModeleEditeur::ExporteHtml(const std::string& NomFichier, bool Creer, const std::string& Titre) const
{
    // The report's runs are coloured for this dark background: so is the heading.
    std::string Html = Creer ? DebutPageHtml(Titre, "#00306F", "#FFFFFF") : std::string();
    Html += GetTexteHtml() + "\r\n";
    if (Creer)
        Html += FinPageHtml();
    return EcritHtml(NomFichier, Html, Creer);
}

// --- Layout and drawing ---------------------------------------------------------------

namespace {

struct TMorceau {
    std::u32string Texte;
    std::vector<uint8_t> Couleurs;
};

class TMiseEnPage {
public:
    TMiseEnPage(TCanevas& Canevas, bool Fixe, int Largeur, int PasFixe)
        : Canevas_(Canevas), Fixe_(Fixe), Largeur_(Largeur), PasFixe_(PasFixe)
    {
    }

    int LargeurDe(std::u32string_view T)
    {
        if (Fixe_)
            return PasFixe_ * static_cast<int>(T.size());
        return Canevas_.LargeurTexte(DepuisCaracteres(T));
    }

    // Cuts the line into pieces no wider than the control where a blank allows it.
    std::vector<TMorceau> Coupe(std::u32string Reste, std::vector<uint8_t> Couleurs)
    {
        std::vector<TMorceau> Morceaux;
        int Total = LargeurDe(Reste);
        if (Total > Largeur_ && Largeur_ > 0) {
            int Estimation = (Total + Largeur_ - 1) / Largeur_;
            while (Reste.size() > 1 && LargeurDe(Reste) > Largeur_) {
                size_t Coupure = ChoisitCoupure(Reste, std::max(Estimation, 1));
                bool SurBlanc = Coupure < Reste.size() && Reste[Coupure] == U' ';
                Morceaux.push_back(TMorceau{
                    Reste.substr(0, Coupure),
                    std::vector<uint8_t>(Couleurs.begin(),
                                         Couleurs.begin() + static_cast<long>(std::min(Coupure, Couleurs.size())))});
                size_t Suite = SurBlanc ? Coupure + 1 : Coupure;
                Reste.erase(0, Suite);
                Couleurs.erase(Couleurs.begin(),
                               Couleurs.begin() + static_cast<long>(std::min(Suite, Couleurs.size())));
                if (Estimation > 2)
                    --Estimation;
            }
        }
        Morceaux.push_back(TMorceau{std::move(Reste), std::move(Couleurs)});
        return Morceaux;
    }

private:
    size_t ChoisitCoupure(const std::u32string& T, int Estimation)
    {
        std::vector<size_t> Blancs;
        for (size_t I = 1; I < T.size(); ++I)
            if (T[I] == U' ')
                Blancs.push_back(I);
        auto Tient = [&](size_t Coupure) { return LargeurDe(std::u32string_view(T).substr(0, Coupure)) <= Largeur_; };
        if (!Blancs.empty()) {
            // The blank nearest to an even share of the text, then word by word.
            size_t Cible = T.size() / static_cast<size_t>(Estimation);
            size_t K = 0;
            for (size_t I = 0; I < Blancs.size(); ++I)
                if (Blancs[I] <= Cible)
                    K = I;
            while (K > 0 && !Tient(Blancs[K]))
                --K;
            while (K + 1 < Blancs.size() && Tient(Blancs[K]) && Tient(Blancs[K + 1]))
                ++K;
            if (Tient(Blancs[K]))
                return Blancs[K];
        }
        // A single word wider than the control: cut inside it, keeping at least one character.
        size_t Coupure = 1;
        while (Coupure + 1 < T.size() && Tient(Coupure + 1))
            ++Coupure;
        return Coupure;
    }

    TCanevas& Canevas_;
    bool Fixe_;
    int Largeur_;
    int PasFixe_;
};

// Characters below this code are measured once and remembered in a table
// indexed by their code; the rare ones above it (whole scripts of thousands
// of signs) are measured each time rather than grow the table.
constexpr char32_t FinCaracteresRetenus = 0x3000;

// The pitch of fixed-pitch lines: 8 pixels a character on screen; on paper,
// whose font is larger, the widest of their characters, so that none runs
// into the next.
int PasFixe(TCanevas& Canevas, const std::vector<std::unique_ptr<TLigneEditeur>>& Lignes, bool Impression)
{
    int Pas = 8;
    if (!Impression)
        return Pas;
    std::vector<bool> Vus;
    for (const auto& L : Lignes) {
        if (!L->Fixe)
            continue;
        for (char32_t C : VersCaracteres(L->Texte)) {
            if (C < Vus.size() && Vus[C])
                continue;
            if (C < FinCaracteresRetenus) {
                Vus.resize(std::max<size_t>(Vus.size(), C + 1));
                Vus[C] = true;
            }
            Pas = std::max(Pas, Canevas.LargeurTexte(CaractereVersTexte(C)));
        }
    }
    return Pas;
}

// Two words or more: a blank stands between two other characters.
bool PlusieursMots(std::u32string_view T)
{
    const size_t Debut = T.find_first_not_of(U' ');
    const size_t Fin = T.find_last_not_of(U' ');
    return Debut != std::u32string_view::npos &&
           T.substr(Debut, Fin - Debut + 1).find(U' ') != std::u32string_view::npos;
}

} // namespace

int TModeleEditeur::HauteurRangee(TCanevas& Canevas, bool Impression) const
{
    // On paper the font is larger than on screen: rows never overlap there.
    if (Impression)
        return std::max<int>(HauteurLigne, Canevas.HauteurTexte("Ág") + 2);
    return HauteurLigne;
}

int TModeleEditeur::Dessine(TCanevas& Canevas, const TRect& R, bool Impression, int Premiere, int NbRangees)
{
    int Largeur = R.Width();
    TPolice Police = Canevas.GetPolice();
    Police.Gras = Police.Souligne = false;
    Canevas.SetPolice(Police);
    const int PasRangee = HauteurRangee(Canevas, Impression);
    const int PasCaractere = PasFixe(Canevas, Lignes_, Impression);
    auto Dessinee = [&](int Rang) { return NbRangees < 0 || (Rang >= Premiere && Rang < Premiere + NbRangees); };
    int Rangee = 0;
    for (const auto& L : Lignes_) {
        if (L->Texte.empty()) {
            ++Rangee;
            continue;
        }
        std::u32string Texte = VersCaracteres(L->Texte);
        std::vector<uint8_t> Couleurs = L->Couleurs;
        Couleurs.resize(Texte.size(), 0);
        bool RetourFinal = !Texte.empty() && Texte.back() == U'\r';
        if (RetourFinal) {
            Texte.pop_back();
            Couleurs.pop_back();
        }
        // The margins and the line's offset are room the text may not take.
        TMiseEnPage Page(Canevas, L->Fixe, Largeur - 2 * Marge - L->Decalage, PasCaractere);
        std::vector<TMorceau> Morceaux = Page.Coupe(std::move(Texte), std::move(Couleurs));
        for (size_t P = 0; P < Morceaux.size(); ++P) {
            if (!Dessinee(Rangee + static_cast<int>(P)))
                continue;
            const TMorceau& M = Morceaux[P];
            int Lm = Page.LargeurDe(M.Texte);
            int Y = R.Top + (Rangee + static_cast<int>(P) - (NbRangees < 0 ? 0 : Premiere)) * PasRangee + MargeHaut;
            int X;
            if (L->Alignement == 1)
                X = (Largeur - Lm) / 2;
            else if (L->Alignement == 2)
                X = Largeur - Lm - Marge;
            else
                X = Marge;
            X += L->Decalage + R.Left;
            // The last line of a paragraph (a line ending with a return, or the
            // last piece of one cut in several) and a lone word keep their
            // natural spacing: spread, their letters would stand apart.
            const bool FinParagraphe = P + 1 == Morceaux.size() && (RetourFinal || Morceaux.size() > 1);
            bool Justifie = JustifyDoc && !FinParagraphe && PlusieursMots(M.Texte);
            int Libre = Largeur - Lm - L->Decalage - 2 * Marge;
            int N = static_cast<int>(M.Texte.size());
            int Cumul = 0;
            const int Depart = X;
            int Etale = 0; // justification space laid so far
            for (int I = 0; I < N; ++I) {
                std::string C = CaractereVersTexte(M.Texte[static_cast<size_t>(I)]);
                if (L->Fixe && I > 0 && M.Texte[static_cast<size_t>(I - 1)] == U' ')
                    X = R.Left + Marge + PasCaractere * I;
                Police.Couleur = Impression ? 0 : CouleurCodeEditeur(M.Couleurs[static_cast<size_t>(I)]);
                Canevas.SetPolice(Police);
                Canevas.Texte(X, Y, C);
                int Ecart = 0;
                if (Justifie && Libre > 0) {
                    // Spread the free space over the characters, carrying the remainder.
                    Cumul += Libre;
                    Ecart = Cumul / N;
                    Cumul %= N;
                }
                Etale += Ecart;
                // Characters measured one by one add up wider than the text they
                // make (rounding, kerning): each goes where the text before it ends.
                X = L->Fixe ? X + PasCaractere + Ecart
                            : Depart + Page.LargeurDe(std::u32string_view(M.Texte).substr(0, I + 1)) + Etale;
            }
        }
        Rangee += static_cast<int>(Morceaux.size());
    }
    if (AutoHauteur && !Impression) {
        Hauteur_ = HauteurLigne * Rangee + MargeHaut;
        AppliqueHauteur(Hauteur_);
    }
    return Rangee;
}
