#include "presentation/ModeleGraphe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

TCouleurs CouleursPoint(TColor Couleur)
{
    return TCouleurs{Couleur, Couleur};
}
TCouleurs CouleursPointEx(TColor Couleur1, TColor Couleur2)
{
    return TCouleurs{Couleur1, Couleur2};
}

// --- TCourbe ---------------------------------------------------------------------

int TCourbe::MaxX() const
{
    return Points_.empty() ? 0 : Points_.back().X;
}

int TCourbe::MaxY() const
{
    if (Points_.empty())
        return 0;
    int Max = Points_.front().Y;
    for (const TPointCourbe& P : Points_)
        Max = std::max(Max, P.Y);
    return Max;
}

const TPointCourbe* TCourbe::TrouvePoint(int X) const
{
    auto It = std::lower_bound(Points_.begin(), Points_.end(), X, [](const TPointCourbe& P, int V) { return P.X < V; });
    return It != Points_.end() && It->X == X ? &*It : nullptr;
}

int TCourbe::GetY(int X) const
{
    const TPointCourbe* P = TrouvePoint(X);
    return P ? P->Y : -1;
}

TCouleurs TCourbe::GetCouleurs(int X) const
{
    const TPointCourbe* P = TrouvePoint(X);
    return P && P->Couleurs.Couleur1 != 0 ? P->Couleurs : CouleursDefaut;
}

void TCourbe::SetPointEx(int X, int Y, TCouleurs Couleurs)
{
    auto It = std::lower_bound(Points_.begin(), Points_.end(), X, [](const TPointCourbe& P, int V) { return P.X < V; });
    if (It != Points_.end() && It->X == X) {
        if (Y != -1)
            It->Y = Y;
        if (Couleurs.Couleur1 != 0)
            It->Couleurs = Couleurs;
        return;
    }
    Points_.insert(It, TPointCourbe{X, Y, Couleurs});
}

void TCourbe::SetPoint(int X, int Y)
{
    SetPointEx(X, Y, TCouleurs{});
}
void TCourbe::SetCouleurs(int X, TCouleurs Couleurs)
{
    SetPointEx(X, -1, Couleurs);
}
void TCourbe::SetPointCouleur(int X, int Y, TColor Couleur)
{
    SetPointEx(X, Y, CouleursPoint(Couleur));
}

// --- TLegendeRemplace ---------------------------------------------------------------

std::string TLegendeRemplace::GetLegende(int X) const
{
    auto It = std::lower_bound(Entrees_.begin(), Entrees_.end(), X,
                               [](const std::pair<int, std::string>& E, int V) { return E.first < V; });
    return It != Entrees_.end() && It->first == X ? It->second : std::string();
}

void TLegendeRemplace::SetLegende(int X, const std::string& Legende)
{
    auto It = std::lower_bound(Entrees_.begin(), Entrees_.end(), X,
                               [](const std::pair<int, std::string>& E, int V) { return E.first < V; });
    if (It != Entrees_.end() && It->first == X)
        It->second = Legende;
    else
        Entrees_.insert(It, {X, Legende});
}

// --- DessineDegrade -------------------------------------------------------------------

namespace {

int Canal(TColor C, int Decalage)
{
    return static_cast<int>((C >> Decalage) & 0xFF);
}

// One channel walking from its start toward its target by error diffusion over
// Pas lines, so the last line lands on (or next to) the target.
struct TCanalDegrade {
    int Valeur;
    int Cible;
    int Ecart;
    int Cumul = 0;

    void Avance(int Pas)
    {
        Cumul += Ecart;
        if (Cumul > Pas) {
            int Delta = Cumul / Pas;
            Cumul %= Pas;
            Valeur += Cible > Valeur ? Delta : -Delta;
            Valeur = std::clamp(Valeur, 0, 255);
        }
    }
};

} // namespace

void DessineDegrade(TCanevas& Canevas, const TRect& R, const std::array<int, 4>& Marges, bool Vertical, TColor CouleurA,
                    TColor CouleurB, int Valeur, int Maximum)
{
    if (Maximum <= 0 || Valeur <= 0)
        return;
    // A rectangle given upside down is walked from its lower edge all the same.
    TRect Zone{std::min(R.Left, R.Right) + Marges[0], std::min(R.Top, R.Bottom) + Marges[1],
               std::max(R.Left, R.Right) - Marges[2], std::max(R.Top, R.Bottom) - Marges[3]};
    if (Zone.Width() <= 0 || Zone.Height() <= 0)
        return;
    int64_t Etendue = Vertical ? Zone.Height() : Zone.Width();
    int Nombre = static_cast<int>(Etendue * std::min(Valeur, Maximum) / Maximum);
    if (Nombre <= 0)
        return;
    TCanalDegrade Canaux[3];
    for (int I = 0; I < 3; ++I) {
        int Debut = Canal(CouleurB, 8 * I);
        int Fin = Canal(CouleurA, 8 * I);
        Canaux[I] = TCanalDegrade{Debut, Fin, std::abs(Fin - Debut)};
    }
    for (int N = 0; N < Nombre; ++N) {
        TColor Couleur = static_cast<TColor>(Canaux[0].Valeur | (Canaux[1].Valeur << 8) | (Canaux[2].Valeur << 16));
        Canevas.SetCrayon(Couleur);
        if (Vertical) {
            int Y = Zone.Bottom - 1 - N;
            Canevas.Ligne(Zone.Left, Y, Zone.Right, Y);
        } else {
            int X = Zone.Left + N;
            Canevas.Ligne(X, Zone.Top, X, Zone.Bottom);
        }
        for (TCanalDegrade& C : Canaux)
            C.Avance(Nombre);
    }
}

// --- TModeleGraphe -----------------------------------------------------------------------

TModeleGraphe::TModeleGraphe() = default;
TModeleGraphe::~TModeleGraphe() = default;

void TModeleGraphe::AjouteCourbes(int N)
{
    for (int I = 0; I < N; ++I)
        Courbes_.push_back(std::make_unique<TCourbe>());
    Repeint();
}

void TModeleGraphe::SetNbCourbes(int N)
{
    Courbes_.clear();
    AjouteCourbes(std::max(N, 0));
}

TCourbe* TModeleGraphe::GetCourbe(int I)
{
    return I >= 0 && I < NbCourbes() ? Courbes_[static_cast<size_t>(I)].get() : nullptr;
}

const TCourbe* TModeleGraphe::GetCourbe(int I) const
{
    return I >= 0 && I < NbCourbes() ? Courbes_[static_cast<size_t>(I)].get() : nullptr;
}

void TModeleGraphe::VideCourbe(int I)
{
    if (TCourbe* C = GetCourbe(I)) {
        C->Vide();
        Repeint();
    }
}

void TModeleGraphe::VideCourbes()
{
    for (auto& C : Courbes_)
        C->Vide();
    Repeint();
}

void TModeleGraphe::SetCourbeVisible(int I, bool Visible)
{
    if (TCourbe* C = GetCourbe(I)) {
        C->Visible = Visible;
        Repeint();
    }
}

void TModeleGraphe::SetPoint(int I, int X, int Y)
{
    if (TCourbe* C = GetCourbe(I)) {
        C->SetPoint(X, Y);
        Repeint();
    }
}

int TModeleGraphe::GetPoint(int I, int X) const
{
    const TCourbe* C = GetCourbe(I);
    return C ? C->GetY(X) : -1;
}

void TModeleGraphe::SetCouleursPoint(int I, int X, TCouleurs Couleurs)
{
    if (TCourbe* C = GetCourbe(I)) {
        C->SetCouleurs(X, Couleurs);
        Repeint();
    }
}

TColor TModeleGraphe::GetCouleurPoint(int I, int X) const
{
    const TCourbe* C = GetCourbe(I);
    return C ? C->GetCouleurs(X).Couleur1 : 0;
}

void TModeleGraphe::SetCouleurCourbe(int I, TColor Couleur)
{
    if (TCourbe* C = GetCourbe(I)) {
        C->CouleursDefaut = CouleursPoint(Couleur);
        Repeint();
    }
}

int TModeleGraphe::MaxX() const
{
    int Max = 0;
    for (const auto& C : Courbes_)
        if (C->Visible)
            Max = std::max(Max, C->MaxX());
    return Max;
}

int TModeleGraphe::MaxY() const
{
    int Max = 0;
    for (const auto& C : Courbes_)
        if (C->Visible)
            Max = std::max(Max, C->MaxY());
    return Max;
}

int TModeleGraphe::CalculPas(int Range, int N)
{
    int64_t Q = N <= 0 ? Range : (static_cast<int64_t>(Range) + N - 1) / N;
    if (Q < 2)
        return 1;
    if (Q < 10)
        return static_cast<int>(Q);
    int64_t K = 1;
    while (Q >= 10) {
        Q = (Q + 9) / 10;
        K *= 10;
    }
    return static_cast<int>(std::min<int64_t>(Q * K, 1'000'000'000));
}

TModeleGraphe::TDimensions TModeleGraphe::CalculDimensions() const
{
    TDimensions D;
    D.Largeur = XFin_ - X0_;
    D.Hauteur = std::abs(Y0_ - YFin_);
    if (!Grille_) {
        D.Largeur -= 10;
        D.Hauteur -= 10;
    }
    D.MaxYr = CalculPas(MaxY(), NbPointY_) * NbPointY_;
    D.MaxXr = CalculPas(MaxX(), NbPointX_) * NbPointX_;
    return D;
}

void TModeleGraphe::SetTaille(int Largeur, int Hauteur)
{
    Largeur_ = Largeur;
    Hauteur_ = Hauteur;
    Repeint();
}

TLegendeRemplace& TModeleGraphe::LegendeRemplaceX()
{
    if (!RemplaceX_)
        RemplaceX_ = std::make_unique<TLegendeRemplace>();
    return *RemplaceX_;
}

TLegendeRemplace& TModeleGraphe::LegendeRemplaceY()
{
    if (!RemplaceY_)
        RemplaceY_ = std::make_unique<TLegendeRemplace>();
    return *RemplaceY_;
}

std::string TModeleGraphe::LibelleGraduation(const TLegendeRemplace* Table, int K, double Echelle, int Pas) const
{
    long Valeur = Echelle != 0 ? std::lround(K / Echelle) : K;
    if (Table) {
        std::string Libelle = Table->GetLegende(static_cast<int>(Valeur));
        if (!Libelle.empty())
            return Libelle;
    }
    return std::to_string(static_cast<long long>(Valeur) * Pas);
}

namespace {

// True when graduation K of N carries a label, one every Espace (scaled).
bool GraduationEcrite(int K, int N, int Espace, double Echelle)
{
    long Tous = std::lround(Espace * Echelle);
    if (Tous <= 0)
        Tous = 1;
    return K % Tous == 0 || K == N;
}

} // namespace

bool TModeleGraphe::DessineAxes(TCanevas& Canevas)
{
    int Largeur = GetLargeur(), Hauteur = GetHauteur();
    if (Hauteur < 31 || Largeur < 36)
        return false;
    if (AutoGraduationY_)
        NbPointY_ = MaxY();

    TPolice Police{8, false, false, CouleurContours_};
    Canevas.SetPolice(Police);
    // The left margin takes the widest Y label, so large values are not cut off.
    int PasY = CalculPas(MaxY(), NbPointY_);
    int LargeurLibelles = Canevas.LargeurTexte(std::to_string(PasY));
    if (EcrireY_ && EspaceGraduerY_ > 0)
        for (int K = 1; K <= NbPointY_; ++K)
            if (GraduationEcrite(K, NbPointY_, EspaceGraduerY_, EchelleY_))
                LargeurLibelles = std::max(
                    LargeurLibelles, Canevas.LargeurTexte(LibelleGraduation(RemplaceY_.get(), K, EchelleY_, PasY)));
    X0_ = LargeurLibelles + 12;
    // The X legend stands past the arrow, on the axis line: under it, the
    // last graduations would run into it.
    const int LargeurLegendeX = LegendeX_.empty() ? 0 : Canevas.LargeurTexte(LegendeX_) + 6;
    XFin_ = std::max(X0_ + 20, Largeur - 8 - LargeurLegendeX);
    int Th = Canevas.HauteurTexte("1") + 8;
    if (Inverse_) {
        Y0_ = Th;
        YFin_ = Hauteur - Th;
        Direction_ = 1;
    } else {
        Y0_ = Hauteur - Th;
        YFin_ = Th;
        Direction_ = -1;
    }

    Canevas.SetCrayon(CouleurContours_);
    Canevas.Ligne(X0_, Y0_, XFin_, Y0_);
    if (!Grille_) {
        Canevas.Ligne(XFin_, Y0_, XFin_ - 5, Y0_ - 4);
        Canevas.Ligne(XFin_, Y0_, XFin_ - 5, Y0_ + 4);
    }
    Canevas.Ligne(X0_, Y0_, X0_, YFin_);
    if (!Grille_) {
        Canevas.Ligne(X0_, YFin_, X0_ - 4, YFin_ - Direction_ * 5);
        Canevas.Ligne(X0_, YFin_, X0_ + 4, YFin_ - Direction_ * 5);
    }

    int HauteurZero = Canevas.HauteurTexte("0");
    Canevas.Texte(X0_ - 4 - Canevas.LargeurTexte("0"), Inverse_ ? Y0_ - 2 - HauteurZero : Y0_ + 2, "0");

    Police.Couleur = EcritureContours_;
    Canevas.SetPolice(Police);
    if (!LegendeX_.empty())
        Canevas.Texte(XFin_ + 6, Y0_ - Canevas.HauteurTexte(LegendeX_) / 2, LegendeX_);
    if (!LegendeY_.empty())
        Canevas.Texte(3, YFin_ - 13, LegendeY_);

    if (EcrireY_)
        GraduationsY(Canevas);
    if (EcrireX_)
        GraduationsX(Canevas);
    return true;
}

void TModeleGraphe::Dessine(TCanevas& Canevas)
{
    DessineAxes(Canevas);
}

void TModeleGraphe::GraduationsY(TCanevas& Canevas)
{
    if (NbPointY_ <= 0)
        return;
    int L = CalculDimensions().Hauteur;
    int Pas = CalculPas(MaxY(), NbPointY_);
    for (int K = 1; K <= NbPointY_; ++K) {
        int Y = Y0_ + Direction_ * static_cast<int>(static_cast<int64_t>(L) * K / NbPointY_);
        if (Grille_) {
            Canevas.SetCrayon(K == NbPointY_ ? CouleurContours_ : CouleurGrille);
            Canevas.Ligne(X0_ + 1, Y, XFin_, Y);
        } else {
            Canevas.SetCrayon(CouleurContours_);
            Canevas.Ligne(X0_ + 1, Y, X0_ + 3, Y);
        }
        if (EspaceGraduerY_ > 0 && GraduationEcrite(K, NbPointY_, EspaceGraduerY_, EchelleY_)) {
            std::string Texte = LibelleGraduation(RemplaceY_.get(), K, EchelleY_, Pas);
            Canevas.Texte(X0_ - 2 - Canevas.LargeurTexte(Texte), Y - Canevas.HauteurTexte(Texte) / 2, Texte);
        }
    }
}

void TModeleGraphe::GraduationsX(TCanevas& Canevas)
{
    if (NbPointX_ <= 0)
        return;
    int L = CalculDimensions().Largeur;
    int Pas = CalculPas(MaxX(), NbPointX_);
    for (int K = 1; K <= NbPointX_; ++K) {
        int X = X0_ + static_cast<int>(static_cast<int64_t>(L) * K / NbPointX_);
        if (Grille_) {
            Canevas.SetCrayon(K == NbPointX_ ? CouleurContours_ : CouleurGrille);
            Canevas.Ligne(X, Y0_ + Direction_, X, YFin_);
        } else {
            Canevas.SetCrayon(CouleurContours_);
            Canevas.Ligne(X, Y0_ + Direction_, X, Y0_ + 3 * Direction_);
        }
        if (EspaceGraduerX_ >= 1 && GraduationEcrite(K, NbPointX_, EspaceGraduerX_, EchelleX_)) {
            std::string Texte = LibelleGraduation(RemplaceX_.get(), K, EchelleX_, Pas);
            int Tw = Canevas.LargeurTexte(Texte);
            int Xt = LegendeCentree_ ? X - (Tw + L / NbPointX_) / 2 : X - Tw / 2;
            int Yt = Inverse_ ? Y0_ - (Canevas.HauteurTexte(Texte) + 2) : Y0_ + 2;
            Canevas.Texte(Xt, Yt, Texte);
        }
    }
}

// --- Line chart -------------------------------------------------------------------------

void TModeleGraphLigne::SetOptionCourbe(int I, bool Relie)
{
    if (TCourbe* C = GetCourbe(I)) {
        C->Relie = Relie;
        Repeint();
    }
}

void TModeleGraphLigne::Dessine(TCanevas& Canevas)
{
    if (!DessineAxes(Canevas))
        return;
    TDimensions D = CalculDimensions();
    if (D.MaxXr <= 0 || D.MaxYr <= 0)
        return;
    for (int I = 0; I < NbCourbes(); ++I) {
        const TCourbe& C = *GetCourbe(I);
        if (!C.Visible)
            continue;
        bool Premier = true;
        int Xp = 0, Yp = 0;
        for (const TPointCourbe& P : C.Points()) {
            if (P.X < 0 || P.Y < 0)
                continue;
            int Px = static_cast<int>(static_cast<int64_t>(D.Largeur) * P.X / D.MaxXr);
            int Py = static_cast<int>(static_cast<int64_t>(D.Hauteur) * P.Y / D.MaxYr);
            int X = GetX0() + Px;
            int Y = GetY0() + GetDirection() * Py;
            if (Carre || GetGrille())
                Canevas.Remplit(Rect(X - 2, Y - 2, X + 3, Y + 3), C.GetCouleurs(P.X).Couleur1);
            if (C.Relie) {
                if (!Premier) {
                    Canevas.SetCrayon(C.CouleursDefaut.Couleur1);
                    Canevas.Ligne(Xp, Yp, X, Y);
                }
                Xp = X;
                Yp = Y;
            }
            Premier = false;
        }
    }
}

const TPointCourbe* TModeleGraphLigne::PointA(int X, int Y, int& Serie) const
{
    TDimensions D = CalculDimensions();
    if (D.Largeur <= 0 || D.MaxXr <= 0 || D.MaxYr <= 0)
        return nullptr;
    int Mx = X - GetX0() + 1;
    int My = (Y - GetY0()) * GetDirection();
    int Premiere = 0, Derniere = NbCourbes() - 1;
    if (Serie >= 0 && Serie < NbCourbes())
        Premiere = Derniere = Serie;
    for (int I = Premiere; I <= Derniere; ++I) {
        const TCourbe& C = *GetCourbe(I);
        if (!C.Visible)
            continue;
        int Vx = static_cast<int>(static_cast<int64_t>(Mx) * D.MaxXr / D.Largeur);
        for (int V = Vx; V <= Vx + 1; ++V) {
            const TPointCourbe* P = C.TrouvePoint(V);
            if (!P || P->Y < 0)
                continue;
            int Px = static_cast<int>(static_cast<int64_t>(D.Largeur) * P->X / D.MaxXr);
            int Py = static_cast<int>(static_cast<int64_t>(D.Hauteur) * P->Y / D.MaxYr);
            if (std::abs(Px - Mx) <= 3 && std::abs(Py - My) <= 3) {
                Serie = I;
                return P;
            }
        }
    }
    return nullptr;
}

// --- Bar chart ----------------------------------------------------------------------------

TModeleGraphBarre::TModeleGraphBarre()
{
    SetLegendeCentree(true);
    SetCouleurContours(0);
}

void TModeleGraphBarre::Dessine(TCanevas& Canevas)
{
    if (!DessineAxes(Canevas))
        return;
    TDimensions D = CalculDimensions();
    if (D.MaxXr <= 0 || D.MaxYr <= 0)
        return;
    int X0 = GetX0(), Y0 = GetY0(), Dir = GetDirection();
    for (int X = 1; X <= MaxX(); ++X) {
        int Gauche = static_cast<int>(static_cast<int64_t>(D.Largeur) * (X - 1) / D.MaxXr);
        int Droite = static_cast<int>(static_cast<int64_t>(D.Largeur) * X / D.MaxXr);
        int64_t Total = 0;
        for (int I = 0; I < NbCourbes(); ++I) {
            const TCourbe& C = *GetCourbe(I);
            if (!C.Visible)
                continue;
            int Y = C.GetY(X);
            if (Y <= 0)
                continue;
            int Base = static_cast<int>(D.Hauteur * Total / D.MaxYr);
            int Haut = static_cast<int>(D.Hauteur * (Total + Y) / D.MaxYr);
            TCouleurs Couleurs = C.GetCouleurs(X);
            DessineDegrade(Canevas, Rect(X0 + Gauche + 1, Y0 + Dir * Base, X0 + Droite, Y0 + Dir * Haut), {0, 0, 0, 0},
                           true, Couleurs.Couleur2, Couleurs.Couleur1, 1, 1);
            Canevas.SetCrayon(ContoursBarre);
            if (X != 1)
                Canevas.Ligne(X0 + Gauche, Y0 + Dir * Base, X0 + Gauche, Y0 + Dir * Haut);
            Canevas.Ligne(X0 + Gauche, Y0 + Dir * Haut, X0 + Droite, Y0 + Dir * Haut);
            Canevas.Ligne(X0 + Droite, Y0 + Dir * Haut, X0 + Droite, Y0 + Dir * Base);
            if (Textin) {
                TPolice Police = Canevas.GetPolice();
                Police.Couleur = CouleurText;
                Canevas.SetPolice(Police);
                std::string Texte = std::to_string(Y);
                int Largeur = GetNbPointX() > 0 ? D.Largeur / GetNbPointX() : 0;
                int Xt = X0 + Gauche + (Largeur - Canevas.LargeurTexte(Texte)) / 2;
                int Yt = Y0 + Dir * (Base + Haut) / 2 - Canevas.HauteurTexte(Texte) / 2;
                Canevas.Texte(Xt, Yt, Texte);
            }
            Total += Y;
        }
    }
}

const TPointCourbe* TModeleGraphBarre::BarreA(int X, int Y, int Serie) const
{
    TDimensions D = CalculDimensions();
    const TCourbe* C = GetCourbe(Serie);
    if (!C || D.Largeur <= 0 || D.MaxXr <= 0 || D.MaxYr <= 0)
        return nullptr;
    int Mx = X - GetX0() + 1;
    int My = (Y - GetY0()) * GetDirection();
    if (Mx < 1 || My < 1)
        return nullptr;
    int Vx = static_cast<int>(static_cast<int64_t>(Mx) * D.MaxXr / D.Largeur) + 1;
    const TPointCourbe* P = C->TrouvePoint(Vx);
    if (!P)
        return nullptr;
    int Hauteur = static_cast<int>(static_cast<int64_t>(D.Hauteur) * P->Y / D.MaxYr);
    return Hauteur >= My ? P : nullptr;
}
