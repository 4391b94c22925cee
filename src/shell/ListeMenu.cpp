#include "shell/ListeMenu.h"

#include "base/FichierIni.h"
#include "base/oTraducteur.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "platform/Couleurs.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <charconv>

namespace {

struct TLigneTable {
    int Groupe;
    int Niveau;
    int Texte;
    int Code;
    std::array<int32_t, 7> Conditions;
};

// Every command of the main window, in menu order.
constexpr TLigneTable Table[] = {
    {0, 0, 652, 0, {2, 2, 2, 2, 2, 2, 2}},    {1, 1, 653, 5, {0, 2, 2, 2, 2, 2, 2}},
    {1, 1, 654, 6, {0, 2, 2, 2, 2, 2, 2}},    {1, 1, 655, 7, {2, 1, 2, 2, 2, 2, 2}},
    {1, 1, 656, 8, {2, 1, 2, 2, 2, 2, 2}},    {1, 1, 657, 9, {0, 1, 2, 2, 2, 2, 2}},
    {1, 1, 658, 10, {0, 2, 2, 2, 2, 2, 2}},   {1, 1, 983, 11, {0, 2, 2, 2, 2, 2, 2}},
    {97, 97, 0, 0, {2, 2, 2, 2, 2, 2, 2}},    {1, 1, 659, 12, {2, 2, 2, 2, 2, 2, 2}},
    {98, 98, 0, 0, {2, 2, 2, 2, 2, 2, 2}},    {0, 255, 664, 0, {2, 2, 1, 1, 2, 2, 2}},
    {1, 0, 1260, 0, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 923, 13, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 924, 14, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 866, 15, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 925, 16, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 922, 18, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 472, 147, {2, 2, 2, 1, 2, 2, 2}},  {2, 1, 937, 148, {2, 2, 2, 1, 2, 2, 2}},
    {2, 1, 1009, 152, {2, 2, 2, 1, 2, 2, 2}}, {1, 0, 664, 0, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 700, 19, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 1046, 20, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 969, 0, {2, 2, 1, 1, 2, 2, 2}},    {3, 2, 971, 27, {2, 2, 1, 1, 2, 2, 2}},
    {3, 2, 970, 26, {2, 2, 1, 1, 2, 2, 2}},   {3, 2, 972, 28, {2, 2, 1, 1, 2, 2, 2}},
    {3, 2, 498, 29, {2, 2, 1, 1, 2, 2, 2}},   {3, 2, 974, 30, {2, 2, 1, 1, 2, 2, 2}},
    {3, 2, 975, 31, {2, 2, 1, 1, 2, 2, 2}},   {3, 2, 918, 32, {2, 2, 1, 1, 2, 2, 2}},
    {3, 2, 976, 34, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 666, 22, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 667, 23, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 978, 24, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 1076, 25, {0, 2, 1, 1, 2, 2, 2}},  {2, 1, 664, 21, {2, 2, 1, 1, 2, 2, 2}},
    {0, 0, 669, 0, {2, 2, 1, 1, 2, 2, 2}},    {1, 1, 682, 0, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 670, 40, {2, 2, 1, 1, 0, 2, 2}},   {2, 2, 671, 41, {2, 2, 1, 1, 0, 0, 2}},
    {2, 2, 672, 42, {2, 2, 1, 1, 0, 0, 2}},   {2, 2, 673, 43, {2, 2, 1, 1, 0, 0, 2}},
    {2, 2, 674, 44, {2, 2, 1, 1, 0, 2, 2}},   {2, 2, 675, 45, {2, 2, 1, 1, 0, 2, 2}},
    {2, 2, 981, 64, {2, 2, 1, 1, 2, 2, 2}},   {2, 2, 982, 65, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 676, 62, {2, 2, 1, 1, 2, 2, 2}},   {2, 2, 677, 63, {2, 2, 1, 1, 2, 0, 2}},
    {1, 1, 692, 0, {2, 2, 1, 1, 2, 2, 2}},    {2, 2, 678, 66, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 679, 67, {2, 2, 1, 1, 2, 2, 2}},   {2, 2, 680, 68, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 681, 69, {2, 2, 1, 1, 2, 2, 2}},   {2, 2, 778, 70, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 816, 33, {2, 2, 1, 1, 2, 2, 2}},   {2, 2, 299, 71, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 922, 0, {2, 2, 1, 1, 2, 2, 2}},    {3, 3, 791, 73, {2, 2, 1, 1, 2, 2, 2}},
    {3, 3, 692, 72, {2, 2, 1, 1, 2, 2, 2}},   {1, 1, 937, 0, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 940, 116, {2, 2, 1, 1, 2, 2, 2}},  {2, 2, 850, 117, {2, 2, 1, 1, 2, 2, 2}},
    {2, 2, 104, 118, {2, 2, 1, 1, 2, 2, 2}},  {2, 2, 939, 119, {2, 2, 1, 1, 2, 2, 2}},
    {0, 0, 682, 0, {2, 2, 2, 1, 2, 2, 2}},    {1, 1, 963, 144, {2, 2, 2, 1, 2, 2, 2}},
    {1, 1, 1230, 145, {2, 2, 2, 1, 2, 2, 2}}, {1, 1, 683, 121, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 684, 123, {2, 2, 1, 1, 2, 2, 2}},  {1, 1, 961, 130, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 685, 124, {2, 2, 1, 1, 2, 2, 2}},  {1, 1, 686, 125, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 687, 128, {2, 2, 1, 1, 2, 2, 2}},  {1, 1, 688, 129, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 979, 122, {2, 2, 1, 1, 2, 2, 2}},  {1, 1, 1007, 131, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 934, 143, {2, 2, 1, 1, 2, 2, 2}},  {0, 0, 692, 0, {2, 2, 2, 1, 2, 2, 2}},
    {1, 1, 472, 147, {2, 2, 2, 1, 2, 2, 2}},  {1, 1, 694, 149, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 695, 150, {2, 2, 2, 1, 2, 2, 2}},  {1, 1, 696, 151, {2, 2, 2, 1, 2, 2, 2}},
    {1, 1, 1068, 146, {2, 2, 2, 1, 2, 2, 2}}, {0, 255, 684, 0, {2, 2, 1, 1, 2, 2, 2}},
    {1, 0, 697, 0, {2, 2, 1, 1, 2, 2, 2}},    {2, 1, 779, 154, {2, 2, 1, 1, 0, 2, 1}},
    {2, 1, 780, 153, {2, 2, 1, 1, 0, 2, 1}},  {2, 1, 699, 155, {2, 2, 1, 1, 0, 2, 2}},
    {2, 1, 700, 156, {2, 2, 1, 1, 2, 2, 2}},  {2, 1, 701, 157, {2, 2, 1, 1, 2, 2, 2}},
    {1, 0, 1261, 0, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 197, 158, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 703, 159, {2, 2, 1, 1, 2, 2, 2}},  {2, 1, 207, 160, {2, 2, 1, 1, 2, 2, 2}},
    {1, 0, 473, 0, {2, 2, 1, 1, 2, 2, 2}},    {2, 1, 1224, 137, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 1225, 138, {2, 2, 1, 1, 2, 2, 2}}, {2, 1, 1226, 139, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 1227, 140, {2, 2, 1, 1, 2, 2, 2}}, {2, 1, 1228, 141, {2, 2, 1, 1, 2, 2, 2}},
    {1, 0, 1263, 0, {2, 2, 1, 1, 2, 2, 2}},   {2, 1, 678, 132, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 690, 135, {2, 2, 1, 1, 2, 2, 2}},  {2, 1, 691, 136, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 1229, 142, {2, 2, 1, 1, 2, 2, 2}}, {1, 0, 1264, 0, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 1312, 217, {2, 2, 1, 1, 2, 2, 1}}, {2, 1, 1313, 218, {2, 2, 1, 1, 2, 2, 1}},
    {2, 1, 986, 161, {2, 2, 1, 1, 2, 2, 1}},  {2, 1, 705, 162, {2, 2, 1, 1, 2, 0, 2}},
    {2, 1, 706, 163, {2, 2, 1, 1, 0, 2, 1}},  {2, 1, 707, 164, {2, 2, 1, 1, 2, 2, 1}},
    {2, 1, 708, 165, {2, 2, 1, 1, 2, 2, 1}},  {2, 1, 3000, 134, {2, 2, 1, 1, 2, 2, 2}},
    {1, 0, 946, 0, {2, 2, 1, 1, 2, 2, 2}},    {2, 1, 709, 172, {2, 2, 1, 2, 2, 2, 2}},
    {2, 1, 950, 170, {2, 2, 1, 1, 2, 2, 1}},  {2, 1, 327, 171, {2, 2, 1, 1, 2, 2, 2}},
    {2, 1, 989, 173, {2, 2, 1, 2, 2, 2, 1}},  {2, 1, 947, 174, {2, 2, 1, 2, 2, 2, 2}},
    {2, 1, 3001, 175, {2, 2, 1, 2, 2, 2, 2}}, {1, 0, 1030, 0, {0, 2, 2, 2, 2, 2, 2}},
    {2, 1, 1266, 202, {0, 2, 2, 2, 2, 2, 2}}, {2, 1, 1031, 199, {0, 2, 2, 2, 2, 2, 2}},
    {2, 1, 1032, 200, {0, 2, 2, 2, 2, 2, 2}}, {2, 1, 1033, 201, {0, 2, 2, 2, 2, 2, 2}},
    {0, 0, 716, 0, {2, 2, 1, 1, 2, 2, 2}},    {1, 1, 1003, 191, {2, 2, 1, 1, 2, 2, 2}},
    {1, 1, 453, 192, {0, 1, 1, 1, 2, 2, 2}},  {1, 1, 623, 0, {0, 1, 1, 1, 2, 2, 2}},
    {2, 2, 717, 183, {0, 1, 1, 1, 2, 2, 2}},  {2, 2, 718, 184, {0, 1, 1, 1, 2, 2, 2}},
    {2, 2, 624, 185, {2, 2, 1, 1, 2, 2, 2}},  {1, 1, 717, 183, {1, 1, 1, 1, 2, 2, 2}},
    {1, 1, 719, 0, {2, 1, 1, 1, 2, 2, 2}},    {2, 2, 720, 187, {2, 1, 1, 1, 2, 2, 2}},
    {2, 2, 721, 188, {2, 1, 1, 1, 2, 2, 2}},  {1, 1, 722, 0, {0, 2, 1, 1, 2, 2, 2}},
    {2, 2, 723, 189, {0, 2, 1, 1, 2, 2, 2}},  {2, 2, 724, 190, {0, 2, 1, 1, 2, 2, 2}},
    {0, 0, 10, 1, {2, 2, 1, 2, 2, 2, 2}},     {1, 1, 872, 193, {0, 2, 1, 2, 2, 2, 2}},
    {1, 1, 902, 194, {2, 2, 1, 2, 2, 2, 2}},  {1, 1, 1000, 0, {2, 2, 1, 2, 2, 2, 2}},
    {2, 2, 530, 195, {2, 2, 1, 2, 2, 2, 2}},  {2, 2, 531, 196, {2, 2, 1, 2, 2, 2, 2}},
    {99, 99, 0, 0, {2, 2, 2, 2, 2, 2, 2}},    {0, 0, 712, 2, {2, 2, 2, 2, 2, 2, 2}},
    {1, 1, 713, 176, {2, 2, 2, 1, 2, 2, 2}},  {1, 1, 1188, 215, {2, 2, 2, 2, 2, 2, 2}},
    {1, 1, 1243, 177, {2, 2, 2, 2, 2, 2, 2}}, {1, 1, 1045, 178, {2, 2, 2, 1, 2, 2, 2}},
    {1, 1, 917, 179, {2, 2, 2, 2, 2, 2, 2}},  {1, 1, 913, 180, {2, 2, 2, 2, 2, 2, 2}},
    {0, 0, 729, 3, {2, 2, 2, 2, 2, 2, 2}},    {1, 1, 730, 197, {2, 2, 2, 2, 2, 2, 2}},
    {1, 1, 642, 198, {2, 2, 2, 2, 2, 2, 2}},
};

constexpr int TexteAPropos = 642;
constexpr int RoleDonnee = Qt::UserRole;
constexpr int RoleFavoris = Qt::UserRole + 1;

bool Teste(int32_t condition, bool test)
{
    if (condition == 1)
        return test;
    if (condition == 0)
        return !test;
    return true;
}

std::string SansDossier(const std::string& nom)
{
    const auto p = nom.find_last_of("\\/");
    return p == std::string::npos ? nom : nom.substr(p + 1);
}

std::string LibelleFavori(const std::string& libelle, size_t j)
{
    if (j < 9)
        return libelle + " (ctrl+" + std::to_string(j + 1) + ")";
    if (j == 9)
        return libelle + " (ctrl+0)";
    return libelle;
}

const TRetourMenu* PremiereVisible(const TListeMenu& liste, const TEtatMenu& etat, int code)
{
    if (code < CodeMenu::PremiereCommande)
        return nullptr;
    for (const auto& e : liste)
        if (e->Code == code && EntreeVisible(*e, etat))
            return e.get();
    return nullptr;
}

// One view under construction: the nodes kept at each depth, a heading
// removed when it is closed without a child.
class TVue {
public:
    explicit TVue(std::vector<std::unique_ptr<TNoeudMenu>>& racine) : FRacine(racine) {}

    // Adds at Profondeur under the node kept one level up (nullptr when that
    // level holds none) and keeps the new node there.
    TNoeudMenu* Ajoute(int profondeur, std::string libelle, int32_t donnee, bool titre)
    {
        Ferme(profondeur);
        std::vector<std::unique_ptr<TNoeudMenu>>* parent = &FRacine;
        if (profondeur > 0) {
            if (static_cast<int>(FGardes.size()) < profondeur || FGardes[profondeur - 1].Noeud == nullptr)
                return nullptr;
            parent = &FGardes[profondeur - 1].Noeud->Enfants;
        }
        auto noeud = std::make_unique<TNoeudMenu>();
        noeud->Libelle = std::move(libelle);
        noeud->Donnee = donnee;
        TNoeudMenu* brut = noeud.get();
        parent->push_back(std::move(noeud));
        if (static_cast<int>(FGardes.size()) <= profondeur)
            FGardes.resize(profondeur + 1);
        FGardes[profondeur] = {brut, parent, titre};
        FProfondeur = profondeur;
        return brut;
    }

    // Closes every kept node at Profondeur or deeper.
    void Ferme(int profondeur)
    {
        for (int d = static_cast<int>(FGardes.size()) - 1; d >= std::max(profondeur, 0); --d) {
            TGarde& g = FGardes[d];
            if (g.Noeud != nullptr && g.Titre && g.Noeud->Enfants.empty()) {
                auto& freres = *g.Parent;
                const auto it = std::find_if(freres.begin(), freres.end(),
                                             [&](const std::unique_ptr<TNoeudMenu>& n) { return n.get() == g.Noeud; });
                if (it != freres.end())
                    freres.erase(it);
            }
            g = {};
        }
        if (static_cast<int>(FGardes.size()) > std::max(profondeur, 0))
            FGardes.resize(std::max(profondeur, 0));
    }

    // Adds a generated block at the top level; the kept nodes stay open.
    void AjouteRacine(std::unique_ptr<TNoeudMenu> noeud) { FRacine.push_back(std::move(noeud)); }

    // Depth of the last node added.
    int Profondeur() const { return FProfondeur; }

private:
    struct TGarde {
        TNoeudMenu* Noeud = nullptr;
        std::vector<std::unique_ptr<TNoeudMenu>>* Parent = nullptr;
        bool Titre = false;
    };
    std::vector<std::unique_ptr<TNoeudMenu>>& FRacine;
    std::vector<TGarde> FGardes;
    int FProfondeur = 0;
};

std::unique_ptr<TNoeudMenu> CopieNoeud(const TNoeudMenu& n)
{
    auto c = std::make_unique<TNoeudMenu>();
    c->Libelle = n.Libelle;
    c->Donnee = n.Donnee;
    c->Couleur = n.Couleur;
    c->Indice = n.Indice;
    for (const auto& e : n.Enfants)
        c->Enfants.push_back(CopieNoeud(*e));
    return c;
}

bool EstRecent(int32_t donnee)
{
    return (donnee & 0xFF) == CodeMenu::Recent && donnee > CodeMenu::Recent;
}

void Colore(TNoeudMenu& noeud, const TNoeudMenu* parent)
{
    const int32_t d = noeud.Donnee;
    if (EstRecent(d) || (d >= 0 && d < CodeMenu::TitreGenere))
        noeud.Couleur = CouleurMenu::Titre;
    else if (d == CodeMenu::TitreGenere)
        noeud.Couleur = CouleurMenu::TitreGenere;
    else if (d < CodeMenu::Recent && parent != nullptr && parent->Donnee >= 0 && parent->Donnee < CodeMenu::TitreGenere)
        noeud.Couleur = CouleurMenu::Commande;
    else if (d < CodeMenu::Recent && parent != nullptr && parent->Donnee == CodeMenu::TitreGenere)
        noeud.Couleur = CouleurMenu::Favori;
    for (auto& e : noeud.Enfants)
        Colore(*e, &noeud);
}

} // namespace

TNoeudMenu* TNoeudMenu::Ajoute(std::string libelle, int32_t donnee)
{
    auto n = std::make_unique<TNoeudMenu>();
    n->Libelle = std::move(libelle);
    n->Donnee = donnee;
    Enfants.push_back(std::move(n));
    return Enfants.back().get();
}

TListeMenu ConstruitListeMenu()
{
    TListeMenu liste;
    liste.reserve(std::size(Table));
    for (const TLigneTable& ligne : Table) {
        auto e = std::make_unique<TRetourMenu>();
        e->Cle = (static_cast<uint32_t>(ligne.Groupe) << 8) + static_cast<uint32_t>(ligne.Niveau);
        e->Code = static_cast<uint8_t>(ligne.Code);
        e->IdTexte = ligne.Texte;
        std::copy(ligne.Conditions.begin(), ligne.Conditions.end(), e->Conditions);
        if (ligne.Texte == TexteAPropos) {
            const TTraducteur* t = Traducteur();
            e->Libelle = TraduitFmt(ligne.Texte, {t != nullptr ? t->GetNomProduit() : std::string()});
        } else if (ligne.Texte != 0) {
            e->Libelle = Traduit(ligne.Texte);
        }
        liste.push_back(std::move(e));
    }
    return liste;
}

bool EntreeVisible(const TRetourMenu& entree, const TEtatMenu& etat)
{
    const int32_t* c = entree.Conditions;
    if (!Teste(c[0], etat.FlagPrincipale) || !Teste(c[1], etat.EtatB) || !Teste(c[2], etat.EtatA) ||
        !Teste(c[3], etat.EtatA || etat.EtatB))
        return false;
    const TDonneesChampionnat* champ = etat.Saison != nullptr ? etat.Saison->GetChampCourant() : nullptr;
    if (champ == nullptr)
        return true;
    const uint8_t option11 = champ->GetOption(11);
    return Teste(c[4], champ->EstCoupe()) && Teste(c[5], (option11 & 2) != 0) && Teste(c[6], (option11 & 8) == 0);
}

const std::vector<int>& CodesVerrouilles()
{
    static const std::vector<int> codes = {5, 6, 7, 8, 9, 12, 177, 197, 198, 215};
    return codes;
}

bool CodeVerrouille(int code)
{
    const auto& codes = CodesVerrouilles();
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::vector<int> DecoupeCodes(std::string_view texte)
{
    std::vector<int> codes;
    if (texte.empty())
        return codes;
    size_t debut = 0;
    while (true) {
        const size_t fin = texte.find('-', debut);
        std::string_view piece =
            texte.substr(debut, fin == std::string_view::npos ? std::string_view::npos : fin - debut);
        while (!piece.empty() && piece.front() == ' ')
            piece.remove_prefix(1);
        while (!piece.empty() && piece.back() == ' ')
            piece.remove_suffix(1);
        int valeur = 0;
        const auto r = std::from_chars(piece.data(), piece.data() + piece.size(), valeur);
        if (r.ec != std::errc() || r.ptr != piece.data() + piece.size())
            valeur = 0;
        codes.push_back(valeur);
        if (fin == std::string_view::npos)
            break;
        debut = fin + 1;
    }
    return codes;
}

std::string JointCodes(const std::vector<int>& codes)
{
    std::string texte;
    for (size_t i = 0; i < codes.size(); ++i) {
        if (i > 0)
            texte += '-';
        texte += std::to_string(codes[i]);
    }
    return texte;
}

std::vector<int> LitFavoris(const TFichierIni& ini, bool Ex)
{
    return DecoupeCodes(ini.ReadString("General", Ex ? "FavorisEx" : "Favoris", ""));
}

void LitReglagesMenu(const TFichierIni& ini, TEtatMenu& etat)
{
    etat.Favoris = LitFavoris(ini, false);
    etat.Filtre = LitFavoris(ini, true);
    etat.MenuHaut = ini.ReadBool("General", "MenuHaut", false);
    etat.MenuGauche = ini.ReadBool("General", "MenuGauche", true);
}

int CodeFavori(const TListeMenu& liste, const TEtatMenu& etat, int n)
{
    if (n < 1 || n > static_cast<int>(etat.Favoris.size()))
        return 0;
    const int code = etat.Favoris[static_cast<size_t>(n - 1)];
    return PremiereVisible(liste, etat, code) != nullptr ? code : 0;
}

TChampionnatsMenu ListeChampionnats(const TSaison& saison)
{
    TChampionnatsMenu r;
    TNoeudMenu* groupe = nullptr;
    TNoeudMenu* sousGroupe = nullptr;
    std::string texteGroupe;
    for (int i = 0; i < saison.NbDesc(); ++i) {
        const TDesc d = saison.GetDesc(i);
        if (d.Niveau == 1) {
            r.Noeuds.push_back(std::make_unique<TNoeudMenu>());
            groupe = r.Noeuds.back().get();
            groupe->Libelle = d.Texte;
            groupe->Donnee = 255;
            sousGroupe = nullptr;
            texteGroupe = d.Texte;
        } else if (d.Niveau == 2) {
            sousGroupe = nullptr;
            if (saison.NbDescNiveau3Suivants(i) >= 2) {
                if (groupe != nullptr) {
                    sousGroupe = groupe->Ajoute(d.Texte, 255);
                } else {
                    r.Noeuds.push_back(std::make_unique<TNoeudMenu>());
                    sousGroupe = r.Noeuds.back().get();
                    sousGroupe->Libelle = d.Texte;
                    sousGroupe->Donnee = 255;
                }
            }
        } else if (d.Niveau == 3) {
            // A line that names no championship of the season would switch to nothing.
            if (saison.GetChampionnatId(d.Valeur) == nullptr)
                continue;
            const int32_t donnee = static_cast<int32_t>(d.Valeur) << 8;
            TNoeudMenu* parent = sousGroupe != nullptr ? sousGroupe : groupe;
            if (parent != nullptr) {
                parent->Ajoute(d.Texte, donnee);
            } else {
                r.Noeuds.push_back(std::make_unique<TNoeudMenu>());
                r.Noeuds.back()->Libelle = d.Texte;
                r.Noeuds.back()->Donnee = donnee;
            }
            std::string titre;
            if (sousGroupe != nullptr)
                titre = texteGroupe + " : " + sousGroupe->Libelle + " - " + d.Texte;
            else if (!texteGroupe.empty())
                titre = texteGroupe + " : " + d.Texte;
            else
                titre = d.Texte;
            r.Titres.emplace_back(std::move(titre), d.Valeur);
        }
    }
    return r;
}

TModeleMenus ConstruitModeleMenus(const TListeMenu& liste, const TEtatMenu& etat)
{
    TModeleMenus modele;
    TVue arbre(modele.Arbre);
    TVue barre(modele.Barre);
    const auto filtre = [&](int code) {
        return code >= CodeMenu::PremiereCommande && !etat.Filtre.empty() && !CodeVerrouille(code) &&
               std::find(etat.Filtre.begin(), etat.Filtre.end(), code) == etat.Filtre.end();
    };

    for (const auto& e : liste) {
        const int niveau = e->Niveau();
        if (niveau == NiveauMenu::AncreChampionnats) {
            if (etat.Saison == nullptr)
                continue;
            if (etat.MenuGauche)
                for (auto& n : ListeChampionnats(*etat.Saison).Noeuds)
                    arbre.AjouteRacine(std::move(n));
            if (etat.MenuHaut)
                for (auto& n : ListeChampionnats(*etat.Saison).Noeuds)
                    barre.AjouteRacine(std::move(n));
        } else if (niveau == NiveauMenu::AncreRecents) {
            if (etat.FichiersRecents.empty())
                continue;
            const std::string titre = Traduit(TexteMenu::Recents);
            if (etat.MenuGauche) {
                if (TNoeudMenu* t = arbre.Ajoute(arbre.Profondeur(), titre, CodeMenu::TitreGenere, true))
                    for (size_t n = 1; n <= etat.FichiersRecents.size(); ++n) {
                        const std::string& nom = etat.FichiersRecents[n - 1];
                        TNoeudMenu* f = t->Ajoute(SansDossier(nom), static_cast<int32_t>(n << 8) + CodeMenu::Recent);
                        f->Indice = nom;
                    }
            }
            if (etat.MenuHaut) {
                if (TNoeudMenu* t = barre.Ajoute(barre.Profondeur(), titre, CodeMenu::TitreGenere, true))
                    for (size_t n = 1; n <= etat.FichiersRecents.size(); ++n)
                        t->Ajoute(etat.FichiersRecents[n - 1], static_cast<int32_t>(n << 8) + CodeMenu::Recent);
            }
        } else if (niveau == NiveauMenu::AncreFavoris) {
            if (etat.Favoris.empty())
                continue;
            auto titre = std::make_unique<TNoeudMenu>();
            titre->Libelle = Traduit(TexteMenu::Favoris);
            titre->Donnee = CodeMenu::TitreGenere;
            for (size_t j = 0; j < etat.Favoris.size(); ++j)
                if (const TRetourMenu* def = PremiereVisible(liste, etat, etat.Favoris[j]))
                    titre->Ajoute(LibelleFavori(def->Libelle, j), def->Code);
            if (titre->Enfants.empty())
                continue;
            if (etat.MenuGauche)
                arbre.AjouteRacine(CopieNoeud(*titre));
            if (etat.MenuHaut)
                barre.AjouteRacine(std::move(titre));
        } else {
            if (filtre(e->Code) || !EntreeVisible(*e, etat))
                continue;
            const bool titre = e->Code < CodeMenu::PremiereCommande;
            if (etat.MenuGauche && niveau < NiveauMenu::BarreSeule)
                arbre.Ajoute(niveau, e->Libelle, e->Code, titre);
            if (etat.MenuHaut)
                barre.Ajoute(e->Groupe(), e->Libelle, e->Code, titre);
        }
    }
    arbre.Ferme(0);
    barre.Ferme(0);
    for (auto& n : modele.Arbre)
        Colore(*n, nullptr);
    return modele;
}

std::vector<TEntreeListeMenu> GetListeMenu(const TListeMenu& liste)
{
    std::vector<TEntreeListeMenu> r;
    for (const auto& e : liste) {
        if (e->Niveau() >= NiveauMenu::AncreRecents)
            continue;
        TEntreeListeMenu l;
        l.Libelle = e->Libelle;
        l.Objet = ((e->Niveau() + 1) << 16) + (e->Code >= CodeMenu::PremiereCommande ? (e->Code & 0xFF) : 0);
        r.push_back(std::move(l));
    }
    return r;
}

// --- Qt ---

namespace {

QString TexteQt(const std::string& texte)
{
    return QString::fromStdString(texte);
}

// The menu bar reads '&' as a mnemonic: a caption keeps its own.
QString TexteMenuQt(const std::string& texte)
{
    return TexteQt(texte).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void AjouteNoeudArbre(QTreeWidget* arbre, QTreeWidgetItem* parent, const TNoeudMenu& n)
{
    auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(arbre);
    item->setText(0, TexteQt(n.Libelle));
    item->setData(0, RoleDonnee, n.Donnee);
    if (n.Couleur != CouleurMenu::Defaut)
        item->setForeground(0, VersQColor(n.Couleur));
    if (!n.Indice.empty())
        item->setToolTip(0, TexteQt(n.Indice));
    if (parent == nullptr && n.Donnee == CodeMenu::TitreGenere && n.Libelle == Traduit(TexteMenu::Favoris))
        item->setData(0, RoleFavoris, true);
    for (const auto& e : n.Enfants)
        AjouteNoeudArbre(arbre, item, *e);
}

void AjouteElementMenu(QMenu* menu, const TNoeudMenu& n, const TExecuteMenu& execute)
{
    if (!n.Enfants.empty()) {
        QMenu* sous = menu->addMenu(TexteMenuQt(n.Libelle));
        sous->menuAction()->setData(n.Donnee);
        for (const auto& e : n.Enfants)
            AjouteElementMenu(sous, *e, execute);
        return;
    }
    QAction* action = menu->addAction(TexteMenuQt(n.Libelle));
    action->setData(n.Donnee);
    const int code = n.Donnee;
    const std::string libelle = n.Libelle;
    QObject::connect(action, &QAction::triggered, action, [execute, code, libelle] {
        if (execute)
            execute(code, -1, libelle);
    });
}

const char* const ProprieteMenu = "brevaluneMenu";

// Nodes taken out of a tree, freed when the event loop gets control back.
class TNoeudsALiberer : public QObject {
public:
    TNoeudsALiberer(QObject* parent, QList<QTreeWidgetItem*> noeuds) : QObject(parent), FNoeuds(std::move(noeuds)) {}
    ~TNoeudsALiberer() override { qDeleteAll(FNoeuds); }

private:
    QList<QTreeWidgetItem*> FNoeuds;
};

QMenu* ChercheDansMenu(QMenu* menu, int donnee)
{
    if (menu == nullptr)
        return nullptr;
    if (menu->menuAction()->data().toInt() == donnee)
        return menu;
    for (QAction* a : menu->actions())
        if (QMenu* r = ChercheDansMenu(a->menu(), donnee))
            return r;
    return nullptr;
}

// The favourites' children repeat commands found elsewhere: they are skipped.
QTreeWidgetItem* ChercheDansNoeud(QTreeWidgetItem* item, int donnee)
{
    if (item->data(0, RoleDonnee).toInt() == donnee)
        return item;
    if (item->data(0, RoleFavoris).toBool())
        return nullptr;
    for (int i = 0; i < item->childCount(); ++i)
        if (QTreeWidgetItem* r = ChercheDansNoeud(item->child(i), donnee))
            return r;
    return nullptr;
}

} // namespace

void LibereNoeudsPlusTard(QTreeWidget* arbre, QList<QTreeWidgetItem*> noeuds)
{
    if (noeuds.isEmpty())
        return;
    // Never at once: the tree is rebuilt by commands chosen in it, and Qt
    // still uses the chosen node when the command returns.
    (new TNoeudsALiberer(arbre, std::move(noeuds)))->deleteLater();
}

void RemplitArbreMenu(QTreeWidget* arbre, const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds)
{
    if (arbre == nullptr)
        return;
    const QSignalBlocker bloque(arbre);
    LibereNoeudsPlusTard(arbre, arbre->invisibleRootItem()->takeChildren());
    for (const auto& n : noeuds)
        AjouteNoeudArbre(arbre, nullptr, *n);
}

void RemplitBarreMenu(QMenuBar* barre, const std::vector<std::unique_ptr<TNoeudMenu>>& noeuds,
                      const TExecuteMenu& execute)
{
    if (barre == nullptr)
        return;
    // Every item built before goes, with its sub-menus, once the event loop
    // has them back: the bar is rebuilt by commands chosen in it, and Qt still
    // uses the chosen item and its menu when the command returns.
    for (QAction* a : barre->actions()) {
        barre->removeAction(a);
        if (a->parent() == barre)
            a->deleteLater();
    }
    for (QMenu* m : barre->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        if (m->property(ProprieteMenu).toBool()) {
            m->setProperty(ProprieteMenu, false);
            m->deleteLater();
        }
    for (const auto& n : noeuds) {
        if (n->Enfants.empty()) {
            auto* action = new QAction(TexteMenuQt(n->Libelle), barre);
            action->setData(n->Donnee);
            const int code = n->Donnee;
            const std::string libelle = n->Libelle;
            QObject::connect(action, &QAction::triggered, action, [execute, code, libelle] {
                if (execute)
                    execute(code, -1, libelle);
            });
            barre->addAction(action);
            continue;
        }
        auto* menu = new QMenu(TexteMenuQt(n->Libelle), barre);
        menu->setProperty(ProprieteMenu, true);
        menu->menuAction()->setData(n->Donnee);
        for (const auto& e : n->Enfants)
            AjouteElementMenu(menu, *e, execute);
        barre->addMenu(menu);
    }
}

void ConstruitMenus(const TListeMenu& liste, const TEtatMenu& etat, QTreeWidget* arbre, QMenuBar* barre,
                    const TExecuteMenu& execute)
{
    const TModeleMenus modele = ConstruitModeleMenus(liste, etat);
    RemplitArbreMenu(arbre, modele.Arbre);
    RemplitBarreMenu(barre, modele.Barre, execute);
}

int DonneeNoeud(const QTreeWidgetItem* noeud)
{
    return noeud != nullptr ? noeud->data(0, RoleDonnee).toInt() : 0;
}

QTreeWidgetItem* ChercheNoeud(QTreeWidget* arbre, int donnee)
{
    if (arbre == nullptr)
        return nullptr;
    for (int i = 0; i < arbre->topLevelItemCount(); ++i)
        if (QTreeWidgetItem* r = ChercheDansNoeud(arbre->topLevelItem(i), donnee))
            return r;
    return nullptr;
}

QMenu* ChercheMenu(QMenuBar* barre, int donnee)
{
    if (barre == nullptr)
        return nullptr;
    for (QAction* a : barre->actions())
        if (QMenu* r = ChercheDansMenu(a->menu(), donnee))
            return r;
    return nullptr;
}

void InstalleRaccourcisFavoris(QWidget* fenetre, const std::function<void(int n)>& lance)
{
    if (fenetre == nullptr)
        return;
    for (QAction* a : fenetre->actions())
        if (a->objectName().startsWith(QStringLiteral("ActionFavori")))
            delete a;
    static constexpr Qt::Key Touches[CodeMenu::NbRaccourcis] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5,
                                                                Qt::Key_6, Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_0};
    for (int n = 1; n <= CodeMenu::NbRaccourcis; ++n) {
        auto* action = new QAction(fenetre);
        action->setObjectName(QStringLiteral("ActionFavori%1").arg(n));
        action->setShortcut(QKeySequence(Qt::CTRL | Touches[n - 1]));
        action->setShortcutContext(Qt::WindowShortcut);
        QObject::connect(action, &QAction::triggered, action, [lance, n] {
            if (lance)
                lance(n);
        });
        fenetre->addAction(action);
    }
}
