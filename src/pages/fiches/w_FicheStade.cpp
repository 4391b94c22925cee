#include "pages/fiches/w_FicheStade.h"

#include "base/ServiceMessage.h"
#include "base/Texte.h"
#include "base/oTraducteur.h"
#include "controls/ColorStringGrid.h"
#include "controls/ComboBox.h"
#include "controls/ImageFond.h"
#include "controls/ImageQt.h"
#include "files/ImageManager.h"
#include "model/Championnat.h"
#include "model/ClubStade.h"
#include "model/SaisonFoot.h"
#include "model/TexteSaisi.h"
#include "pagebase/DefType.h"
#include "pagebase/w_ImageManager.h"
#include "pages/fiches/w_FicheArbitre.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>

namespace {

constexpr TColor FondEntete = 0xB4FF64;
constexpr TColor TexteTitreChamp = 0x800080;

QString Q(const std::string& texte)
{
    return QString::fromStdString(texte);
}

QLineEdit* Saisie(QWidget* parent, QLabel*& etiquette, int y)
{
    etiquette = new QLabel(parent);
    etiquette->setGeometry(10, y + 2, 150, 20);
    auto* e = new QLineEdit(parent);
    e->setGeometry(165, y, 220, 22);
    return e;
}

TBoutonCopie* Bouton(QWidget* parent, const std::string& texte, int x, int y, int largeur)
{
    auto* b = new TBoutonCopie(parent);
    b->SetCaption(texte);
    b->setGeometry(x, y, largeur, 28);
    return b;
}

bool ParDate(const TSaison& saison)
{
    const TDonneesChampionnat* champ = saison.GetChampCourant();
    return champ != nullptr && (champ->GetOption(11) & 8) != 0;
}

// The stored score without the qualified bit; empty while not played.
std::string TexteScore(const TInfoComp& match)
{
    if (!match.Joue())
        return {};
    return std::to_string(match.GetScore(0) & 0x7FFF) + " - " + std::to_string(match.GetScore(1) & 0x7FFF);
}

} // namespace

Tf_FicheStade::Tf_FicheStade(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    PageControl1 = new QTabWidget(this);
    PageControl1->setGeometry(0, 0, 540, 330);
    ts_Fiche = new QWidget;
    ts_Matchs = new QWidget;
    PageControl1->addTab(ts_Fiche, Q(Traduit(1027)));
    PageControl1->addTab(ts_Matchs, Q(Traduit(67)));

    e_NomStade = Saisie(ts_Fiche, Label4, 10);
    e_Ville = Saisie(ts_Fiche, Label5, 38);
    e_Capacite = Saisie(ts_Fiche, Label46, 66);
    e_Construit = Saisie(ts_Fiche, Label1, 94);
    e_AffluenceRecord = Saisie(ts_Fiche, Label2, 122);
    Label9 = new QLabel(ts_Fiche);
    Label9->setGeometry(10, 152, 150, 20);
    auto* pays = new TComboBox98(ts_Fiche);
    pays->setEditable(true);
    cb_Pays = pays;
    cb_Pays->setGeometry(165, 150, 220, 22);
    Label10 = new QLabel(ts_Fiche);
    Label10->setGeometry(10, 180, 150, 20);
    m_Remarque = new QPlainTextEdit(ts_Fiche);
    m_Remarque->setGeometry(165, 178, 220, 70);
    LogoStade = new TLogo(ts_Fiche);
    LogoStade->setGeometry(395, 10, 130, 110);
    b_Ajouter = Bouton(ts_Fiche, Traduit(932), 395, 125, 62);
    b_Effacer = Bouton(ts_Fiche, Traduit(1070), 463, 125, 62);

    fs_Match = new QScrollArea(ts_Matchs);
    fs_Match->setGeometry(5, 5, 525, 290);
    sg_Match = new TColorStringGrid;
    fs_Match->setWidget(sg_Match);

    b_Valider = Bouton(this, Traduit(29), 320, 338, 100);
    b_Valider->SetDefault(true);
    b_Annuler = Bouton(this, Traduit(125), 430, 338, 100);
    b_Annuler->SetCancel(true);
    b_Annuler->SetModalResult(ResultatModal::Annuler);

    Label4->setText(Q(Traduit(1020)));
    Label5->setText(Q(Traduit(1021)));
    Label46->setText(Q(Traduit(1022)));
    Label1->setText(Q(Traduit(1023)));
    Label2->setText(Q(Traduit(1024)));
    Label9->setText(Q(Traduit(1025)));
    Label10->setText(Q(Traduit(1026)));
    setWindowTitle(Q(Traduit(1027)));

    b_Valider->OnClick = [this] { b_ValiderClick(); };
    b_Ajouter->OnClick = [this] { b_AjouterClick(); };
    b_Effacer->OnClick = [this] { b_EffacerClick(); };
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    setFixedSize(540, 375);
}

void Tf_FicheStade::showEvent(QShowEvent* event)
{
    if (!FMontre) {
        FMontre = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

void Tf_FicheStade::FormShow()
{
    if (Saison == nullptr)
        return;
    RemplitComboPays(*cb_Pays, Saison->Pays(), Stade ? Stade->CodePays : 65535);
    e_NomStade->setText(Stade ? Q(Stade->NomStade) : QString());
    e_Ville->setText(Stade ? Q(Stade->Ville) : QString());
    e_Capacite->setText(QString::number(Stade ? Stade->Capacite : 0));
    e_Construit->setText(QString::number(Stade ? Stade->DateConstruction : 0));
    e_AffluenceRecord->setText(Stade ? Q(Stade->RecordAffluence) : QString());
    m_Remarque->setPlainText(Stade ? Q(Stade->Remarque) : QString());
    FImage = Stade ? Stade->Image : 0;
    AfficheImage();

    TColorStringGrid& g = *sg_Match;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetFixedRows(1);
    const int largeurs[3] = {ParDate(*Saison) ? 70 : 40, 200, 80};
    const int textes[3] = {85, 309, 223};
    for (int c = 0; c < 3; ++c) {
        g.SetLargeurColonne(c, largeurs[c]);
        g.SetCellule(c, 0, nullptr, false, FondEntete, 0, 1, 1, Traduit(textes[c]));
        g.SetTexte(c, 1, "");
    }
    g.setFixedSize(largeurs[0] + largeurs[1] + largeurs[2] + 1, 21 * g.GetRowCount() + 1);
}

void Tf_FicheStade::AfficheImage()
{
    const TImageManager* images = ImageManager();
    if (FImage > 0 && images != nullptr) {
        const auto photo = images->ChargeImage(TImageManager::Stade, FImage);
        LogoStade->SetImage(VersGraphique(photo.get(), TGraphique::TGenre::Jpeg));
    } else {
        LogoStade->SetImage(nullptr);
    }
}

void Tf_FicheStade::PageControl1Change()
{
    if (PageControl1->currentWidget() != ts_Matchs || !FMatchsAFaire)
        return;
    FMatchsAFaire = false;
    if (Stade != nullptr && Saison != nullptr)
        RemplitMatchs();
}

void Tf_FicheStade::RemplitMatchs()
{
    TColorStringGrid& g = *sg_Match;
    const bool parDate = ParDate(*Saison);
    const bool multi = Saison->NbChampionnat() > 1;
    int ligne = 0;
    for (int k = 1; k <= Saison->NbChampionnat(); ++k) {
        const TDonneesChampionnat& champ = *Saison->GetChampionnat(k);
        bool premier = true;
        int zebre = 0;
        for (int jour = 1; jour <= champ.GetNbJour(); ++jour) {
            const TInfoCompJour* j = champ.GetJournee(jour);
            for (int i = 0; j != nullptr && i < j->NbMatch(); ++i) {
                const TInfoComp* match = j->GetMatch(i);
                if (match->GetStade() != Stade->Code)
                    continue;
                if (premier) {
                    premier = false;
                    if (multi) {
                        ++ligne;
                        g.SetRowCount(std::max(g.GetRowCount(), ligne + 1));
                        for (int c = 0; c < 3; ++c)
                            g.SetCellule(c, ligne, nullptr, false, 0xFFFFFF, TexteTitreChamp, 1, 0,
                                         c == 1 ? Saison->GetNomChampDesc(champ.CodeChamp) : std::string());
                    }
                }
                ++ligne;
                ++zebre;
                g.SetRowCount(std::max(g.GetRowCount(), ligne + 1));
                TColor fond = 0xFFFFFF;
                CouleurLigne(zebre, fond);
                const std::string textes[3] = {
                    parDate ? (match->GetDate() != 0 ? DateMatchToStr(match->GetDate()) : std::string())
                            : std::to_string(jour),
                    Saison->GetNomEquipe(match->GetEquipe(0)) + " - " + Saison->GetNomEquipe(match->GetEquipe(1)),
                    TexteScore(*match)};
                for (int c = 0; c < 3; ++c)
                    g.SetCellule(c, ligne, nullptr, false, fond, 0, 1, c == 1 ? 0 : 1, textes[c]);
            }
        }
    }
    g.setFixedHeight(21 * g.GetRowCount() + 1);
}

void Tf_FicheStade::b_AjouterClick()
{
    TImageManager* images = ImageManager();
    if (images == nullptr)
        return;
    Tf_ImageManager choix(*images, this);
    choix.Initialise(TImageManager::Stade, FImage);
    if (Dialogues().ExecuteModal(choix) == ResultatModal::Ok && choix.Choisi() >= 0) {
        FImage = choix.Choisi();
        AfficheImage();
    }
}

void Tf_FicheStade::b_EffacerClick()
{
    FImage = 0;
    AfficheImage();
}

void Tf_FicheStade::b_ValiderClick()
{
    if (Saison == nullptr)
        return;
    const std::string nom = TexteRelu(e_NomStade->text().trimmed().toStdString());
    const std::string ville = TexteRelu(e_Ville->text().trimmed().toStdString());
    if (nom.empty() || ville.empty()) {
        MessageUtil(Traduit(1028), BoutonsMessage::Ok);
        return;
    }
    TStades& stades = Saison->Stades();
    if (Stade != nullptr) {
        bool deplace = false;
        if (Stade->NomStade != nom) {
            Stade->NomStade = nom;
            Change = NomChange = deplace = true;
        }
        if (Stade->Ville != ville) {
            Stade->Ville = ville;
            Change = deplace = true;
        }
        // The list stays ordered by name and town; the stadium keeps its code.
        if (deplace)
            Stade = stades.Get(stades.Ajoute(stades.Retire(Stade), false));
    } else {
        Stade = stades.Get(stades.Ajoute(std::make_unique<TStade>(nom, 0, ville), false));
        Stade->CodePays = 65535;
        Change = NomChange = true;
    }
    auto ecrit = [this](auto& champ, auto valeur) {
        if (champ != valeur) {
            champ = valeur;
            Change = true;
        }
    };
    ecrit(Stade->Capacite, StrToIntDef(e_Capacite->text().trimmed().toStdString(), 0));
    // A year that does not fit its 16 bits is no year.
    const int annee = StrToIntDef(e_Construit->text().trimmed().toStdString(), 0);
    ecrit(Stade->DateConstruction, static_cast<uint16_t>(annee >= 0 && annee <= 65535 ? annee : 0));
    Change |= StockeTexte(Stade->Remarque, m_Remarque->toPlainText().toStdString());
    Change |= StockeTexte(Stade->RecordAffluence, e_AffluenceRecord->text().toStdString());
    ecrit(Stade->CodePays, CodePaysCombo(*cb_Pays, Saison->Pays()));
    ecrit(Stade->Image, FImage);
    if (Change)
        Tag = 1;
    SetModalResult(ResultatModal::Ok);
}

namespace {
bool ExecuteFicheStade(TSaison& saison, TStade*& stade, bool* change, QWidget* parent = nullptr)
{
    Tf_FicheStade fiche(parent ? parent->window() : nullptr);
    fiche.Saison = &saison;
    fiche.Stade = stade;
    return ExecuteFiche(fiche, &Tf_FicheStade::Stade, stade, change);
}
} // namespace

bool AfficheFicheStade(TSaison& saison, TStade*& stade, QWidget* parent)
{
    bool change = false;
    ExecuteFicheStade(saison, stade, &change, parent);
    return change;
}

void EnregistrePagesFicheStade()
{
    EnregistreFicheStade(
        [](TSaison& saison, TStade*& stade, bool* change) { return ExecuteFicheStade(saison, stade, change); });
}
