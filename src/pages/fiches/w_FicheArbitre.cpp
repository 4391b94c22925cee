#include "pages/fiches/w_FicheArbitre.h"

#include "base/Format.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ComboBox.h"
#include "controls/ImageFond.h"
#include "controls/ImageQt.h"
#include "files/ImageManager.h"
#include "model/Championnat.h"
#include "model/Personnels.h"
#include "model/SaisonFoot.h"
#include "model/TexteSaisi.h"
#include "pagebase/w_ImageManager.h"
#include "pages/vues/w_ClassJoueur.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

#include <algorithm>

namespace {

constexpr TColor FondEntete = 0xB4FF64;
constexpr TColor TexteTitreChamp = 0x800080;
constexpr int TexteMatchsArbitres = 2361; // the button that opens the list of his matches

QString Q(const std::string& texte)
{
    return QString::fromStdString(texte);
}

QLabel* Etiquette(QWidget* parent, int x, int y, int largeur)
{
    auto* l = new QLabel(parent);
    l->setGeometry(x, y, largeur, 20);
    return l;
}

TBoutonCopie* Bouton(QWidget* parent, const std::string& texte, int x, int y, int largeur)
{
    auto* b = new TBoutonCopie(parent);
    b->SetCaption(texte);
    b->setGeometry(x, y, largeur, 28);
    return b;
}

// Cautions, sendings-off and penalties of the match of `domicile` and
// `exterieur` on that day: the day's events of either team.
void CompteMatch(const TDonneesChampionnat& champ, int jour, uint16_t domicile, uint16_t exterieur, int& jaunes,
                 int& rouges, int& penaltys)
{
    jaunes = rouges = penaltys = 0;
    auto equipeDuMatch = [&](const TDonneesEvt& e) { return e.GetEquipe() == domicile || e.GetEquipe() == exterieur; };
    if (const TListeDonnees* l = champ.GetCartonsJournee(jour))
        for (int i = 0; i < l->Nombre(); ++i)
            if (equipeDuMatch(*l->Get(i)))
                ++((l->Get(i)->GetMot() & Evt::ContreCamp) ? rouges : jaunes);
    if (const TListeDonnees* l = champ.GetButeursJournee(jour))
        for (int i = 0; i < l->Nombre(); ++i)
            if (equipeDuMatch(*l->Get(i)) && (l->Get(i)->GetMot() & (Evt::Penalty | Evt::PenaltyManque)))
                ++penaltys;
}

void Entete(TColorStringGrid& grille, const std::vector<std::pair<int, int>>& colonnes)
{
    grille.SetColCount(static_cast<int>(colonnes.size()));
    grille.SetRowCount(2);
    grille.SetFixedRows(1);
    for (int c = 0; c < static_cast<int>(colonnes.size()); ++c) {
        grille.SetLargeurColonne(c, colonnes[c].second);
        grille.SetCellule(c, 0, nullptr, false, FondEntete, 0, 1, 1, Traduit(colonnes[c].first));
        grille.SetTexte(c, 1, "");
    }
}

} // namespace

void RemplitComboPays(QComboBox& combo, const TListePays& pays, int code)
{
    struct TPays {
        std::string Cle, Nom;
        int Code;
    };
    std::vector<TPays> liste;
    for (int i = 0; i < pays.Nombre(); ++i)
        if (!pays.GetNom(i).empty())
            liste.push_back({NormaliseTexte(pays.GetNom(i)), pays.GetNom(i), i});
    std::stable_sort(liste.begin(), liste.end(), [](const TPays& a, const TPays& b) { return a.Cle < b.Cle; });
    combo.clear();
    for (const TPays& p : liste)
        combo.addItem(Q(p.Nom), p.Code);
    combo.setCurrentIndex(combo.findData(code));
    if (combo.currentIndex() < 0)
        combo.setEditText(QString());
}

uint16_t CodePaysCombo(const QComboBox& combo, const TListePays& pays)
{
    const int code = pays.IndexNom(combo.currentText().trimmed().toStdString());
    return code >= 0 && code < 65535 ? static_cast<uint16_t>(code) : 65535;
}

Tf_FicheArbitre::Tf_FicheArbitre(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    Label1 = Etiquette(this, 10, 12, 110);
    e_Nom = new QLineEdit(this);
    e_Nom->setGeometry(125, 10, 200, 22);
    Label2 = Etiquette(this, 10, 42, 110);
    e_Prenom = new QLineEdit(this);
    e_Prenom->setGeometry(125, 40, 200, 22);
    Label11 = Etiquette(this, 10, 72, 110);
    auto* pays = new TComboBox98(this);
    pays->setEditable(true);
    cb_Pays = pays;
    cb_Pays->setGeometry(125, 70, 200, 22);

    LogoJoueur = new TLogo(this);
    LogoJoueur->setGeometry(340, 10, 110, 130);
    b_AddPicture = Bouton(this, "+", 340, 145, 52);
    b_DelPicture = Bouton(this, "-", 398, 145, 52);

    Label20 = Etiquette(this, 10, 105, 300);
    Label6 = Etiquette(this, 10, 130, 180);
    l_Matchs = Etiquette(this, 200, 130, 120);
    Label7 = Etiquette(this, 10, 152, 180);
    l_Cj = Etiquette(this, 200, 152, 120);
    Label8 = Etiquette(this, 10, 174, 180);
    l_Cr = Etiquette(this, 200, 174, 120);
    Label3 = Etiquette(this, 10, 196, 180);
    l_Penalty = Etiquette(this, 200, 196, 120);
    s1 = Bouton(this, Traduit(TexteMatchsArbitres), 10, 225, 150);

    b_Valider = Bouton(this, Traduit(29), 240, 265, 100);
    b_Valider->SetDefault(true);
    b_Annuler = Bouton(this, Traduit(125), 350, 265, 100);
    b_Annuler->SetCancel(true);
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_RetourFiche = Bouton(this, Traduit(786), 350, 265, 100);

    // The match list covers the card while it is shown.
    fs_Match = new QScrollArea(this);
    fs_Match->setGeometry(0, 0, 460, 258);
    sg_Match = new TColorStringGrid;
    fs_Match->setWidget(sg_Match);
    fs_Match->hide();

    Label1->setText(Q(Traduit(71)));
    Label2->setText(Q(Traduit(72)));
    Label11->setText(Q(Traduit(304)));
    Label6->setText(Q(Traduit(67)));
    Label20->setText(Q(Traduit(80)));
    Label7->setText(Q(Traduit(305)));
    Label8->setText(Q(Traduit(306)));
    Label3->setText(Q(Traduit(940)));

    b_Valider->OnClick = [this] { b_ValiderClick(); };
    b_RetourFiche->OnClick = [this] { b_RetourFicheClick(); };
    s1->OnClick = [this] { s1Click(); };
    b_AddPicture->OnClick = [this] { b_AddPictureClick(); };
    b_DelPicture->OnClick = [this] { b_DelPictureClick(); };
    setFixedSize(460, 300);
}

void Tf_FicheArbitre::showEvent(QShowEvent* event)
{
    if (!FMontre) {
        FMontre = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

void Tf_FicheArbitre::FormShow()
{
    // Figures as the matches stand now, whoever opened the card.
    if (Saison != nullptr && Arbitre != nullptr)
        Saison->RecalculeArbitres();
    Entete(*sg_Match, {{85, 40}, {309, 200}, {310, 65}, {311, 65}, {302, 65}});
    b_RetourFicheClick();
    RemplitFiche();
}

void Tf_FicheArbitre::RemplitFiche()
{
    if (Saison == nullptr)
        return;
    RemplitComboPays(*cb_Pays, Saison->Pays(), Arbitre ? Arbitre->CodePays : 65535);
    if (Arbitre == nullptr) {
        e_Nom->clear();
        e_Prenom->clear();
        setWindowTitle(Q(TraduitFmt(312, {std::string(), std::string()})));
        for (QLabel* l : {l_Matchs, l_Penalty, l_Cj, l_Cr})
            l->setText("-");
        s1->hide();
        FImage = 0;
        AfficheImage();
        return;
    }
    e_Nom->setText(Q(Arbitre->Nom));
    e_Prenom->setText(Q(Arbitre->Prenom));
    setWindowTitle(Q(TraduitFmt(312, {Arbitre->Prenom, Arbitre->Nom})));

    const int m = Arbitre->TotalMatchs(), p = Arbitre->TotalBut();
    const int y = Arbitre->TotalAvertissements(), r = Arbitre->TotalExpulsions();
    if (NumChampionnat < 1 || Saison->NbChampionnat() == 1) {
        l_Matchs->setText(QString::number(m));
        l_Penalty->setText(QString::number(p));
        l_Cj->setText(m != 0 ? Q(FormatReel(static_cast<double>(y) / m, 2)) : "0");
        l_Cr->setText(m != 0 ? Q(FormatReel(static_cast<double>(r) / m, 2)) : "0");
    } else {
        const auto cle = static_cast<uint16_t>(NumChampionnat);
        const int mc = Arbitre->GetMatchs(cle), pc = Arbitre->GetNbBut(cle);
        const int yc = Arbitre->GetAvertissements(cle), rc = Arbitre->GetExpulsions(cle);
        l_Matchs->setText(Q(std::to_string(mc) + "(" + std::to_string(m) + ")"));
        l_Penalty->setText(Q(std::to_string(pc) + "(" + std::to_string(p) + ")"));
        auto moyenne = [&](int champ, int total) -> std::string {
            if (m == 0)
                return "0";
            const std::string partiel = mc != 0 ? FormatReel(static_cast<double>(champ) / mc, 1) : "0";
            return partiel + "(" + FormatReel(static_cast<double>(total) / m, 1) + ")";
        };
        l_Cj->setText(Q(moyenne(yc, y)));
        l_Cr->setText(Q(moyenne(rc, r)));
    }
    s1->setVisible(m != 0);
    FImage = Arbitre->Image;
    AfficheImage();
}

void Tf_FicheArbitre::AfficheImage()
{
    const TImageManager* images = ImageManager();
    if (FImage > 0 && images != nullptr) {
        const auto photo = images->ChargeImage(TImageManager::Arbitre, FImage);
        LogoJoueur->SetImage(VersGraphique(photo.get(), TGraphique::TGenre::Jpeg));
    } else {
        LogoJoueur->SetImage(nullptr);
    }
}

void Tf_FicheArbitre::AfficheVueFiche(bool fiche)
{
    b_Valider->setVisible(fiche);
    b_Annuler->setVisible(fiche);
    b_RetourFiche->setVisible(!fiche);
    fs_Match->setVisible(!fiche);
}

void Tf_FicheArbitre::s1Click()
{
    if (Saison == nullptr || Arbitre == nullptr)
        return;
    AfficheVueFiche(false);
    TColorStringGrid& g = *sg_Match;
    g.SetRowCount(2);
    for (int c = 0; c < g.GetColCount(); ++c)
        g.SetCellule(c, 1, nullptr, false, 0xFFFFFF, 0, 1, 0, "");
    int ligne = 0;
    auto nouvelleLigne = [&] {
        ++ligne;
        if (ligne >= g.GetRowCount())
            g.SetRowCount(ligne + 1);
    };
    const int id = Arbitre->Numero;
    for (int k = 1; k <= Saison->NbChampionnat(); ++k) {
        if (Arbitre->GetMatchs(static_cast<uint16_t>(k)) == 0)
            continue;
        const TDonneesChampionnat& champ = *Saison->GetChampionnat(k);
        if (Saison->NbChampionnat() > 1) {
            nouvelleLigne();
            for (int c = 0; c < g.GetColCount(); ++c)
                g.SetCellule(c, ligne, nullptr, false, 0xFFFFFF, TexteTitreChamp, 1, 0,
                             c == 1 ? Saison->GetNomChampDesc(champ.CodeChamp) : std::string());
        }
        for (int jour = 1; jour <= champ.GetNbJour(); ++jour) {
            const TInfoCompJour* j = champ.GetJournee(jour);
            for (int i = 0; j != nullptr && i < j->NbMatch(); ++i) {
                const TInfoComp* match = j->GetMatch(i);
                if (id <= 0 || (match->GetArbitre(1) != id && match->GetArbitre(2) != id && match->GetArbitre(3) != id))
                    continue;
                int jaunes = 0, rouges = 0, penaltys = 0;
                CompteMatch(champ, jour, match->GetEquipe(0), match->GetEquipe(1), jaunes, rouges, penaltys);
                nouvelleLigne();
                TColor fond = 0xFFFFFF;
                CouleurLigne(ligne, fond);
                const std::string textes[5] = {
                    std::to_string(jour),
                    Saison->GetNomEquipe(match->GetEquipe(0)) + " - " + Saison->GetNomEquipe(match->GetEquipe(1)),
                    std::to_string(jaunes), std::to_string(rouges), std::to_string(penaltys)};
                for (int c = 0; c < 5; ++c)
                    g.SetCellule(c, ligne, nullptr, false, fond, 0, 1, c == 1 ? 0 : 1, textes[c]);
            }
        }
    }
    g.setFixedHeight(21 * g.GetRowCount() + 1);
    int largeur = 0;
    for (int c = 0; c < g.GetColCount(); ++c)
        largeur += g.GetLargeurColonne(c);
    g.setFixedWidth(largeur + 1);
    fs_Match->show();
    fs_Match->raise();
}

void Tf_FicheArbitre::b_RetourFicheClick()
{
    AfficheVueFiche(true);
}

void Tf_FicheArbitre::b_AddPictureClick()
{
    TImageManager* images = ImageManager();
    if (images == nullptr)
        return;
    Tf_ImageManager choix(*images, this);
    choix.Initialise(TImageManager::Arbitre, FImage);
    if (Dialogues().ExecuteModal(choix) == ResultatModal::Ok && choix.Choisi() >= 0) {
        FImage = choix.Choisi();
        AfficheImage();
    }
}

void Tf_FicheArbitre::b_DelPictureClick()
{
    FImage = 0;
    AfficheImage();
}

void Tf_FicheArbitre::b_ValiderClick()
{
    if (Saison == nullptr)
        return;
    // A new referee needs a surname: a nameless one would head the sorted registry.
    if (Arbitre == nullptr && Trim(e_Nom->text().toStdString()).empty()) {
        SetModalResult(ResultatModal::Ok);
        return;
    }
    std::unique_ptr<TPersonnel> nouveau;
    TPersonnelStat* arbitre = Arbitre;
    if (arbitre == nullptr) {
        auto cree = std::make_unique<TPersonnelStat>();
        arbitre = cree.get();
        nouveau = std::move(cree);
    }
    // Names are stored as a reopened season reads them back; a surname left
    // blank keeps the former one, as a nameless referee is not read again.
    if (const std::string nom = TexteRelu(e_Nom->text().toStdString()); !nom.empty() && StockeTexte(arbitre->Nom, nom))
        Change = NomChange = true;
    if (StockeTexte(arbitre->Prenom, e_Prenom->text().toStdString()))
        Change = true;
    const uint16_t code = CodePaysCombo(*cb_Pays, Saison->Pays());
    if (arbitre->CodePays != code) {
        arbitre->CodePays = code;
        Change = true;
    }
    if (arbitre->Image != FImage) {
        arbitre->Image = FImage;
        Change = true;
    }
    if (Change) {
        TPersonnels& registre = Saison->Arbitres();
        if (nouveau == nullptr)
            nouveau = registre.Retire(arbitre);
        // A referee renamed after another one merges into him: his matches
        // then point at the one kept, whose figures are counted again.
        TListeRenumerotation renum;
        Position = registre.Ajoute(std::move(nouveau), &renum);
        Arbitre = dynamic_cast<TPersonnelStat*>(registre.Get(Position));
        if (!renum.empty()) {
            Saison->AppliqueRenumArbitres(renum);
            Saison->RecalculeArbitres();
        }
        Tag = 1;
    }
    SetModalResult(ResultatModal::Ok);
}

namespace {
bool ExecuteFicheArbitre(TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, bool* change,
                         QWidget* parent = nullptr)
{
    Tf_FicheArbitre fiche(parent ? parent->window() : nullptr);
    fiche.Saison = &saison;
    fiche.Arbitre = arbitre;
    fiche.NumChampionnat = numChampionnat;
    return ExecuteFiche(fiche, &Tf_FicheArbitre::Arbitre, arbitre, change);
}
} // namespace

bool AfficheFicheArbitre(TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, QWidget* parent)
{
    bool change = false;
    ExecuteFicheArbitre(saison, numChampionnat, arbitre, &change, parent);
    return change;
}

void EnregistrePagesFichesAutres()
{
    EnregistreFicheArbitre([](TSaison& saison, int numChampionnat, TPersonnelStat*& arbitre, bool* change) {
        return ExecuteFicheArbitre(saison, numChampionnat, arbitre, change);
    });
}
