#include "pages/saisie/w_RechercheMatch.h"

#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pagebase/DefType.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace {

constexpr int TexteVoir = 1060;

} // namespace

Tf_RechercheMatch::Tf_RechercheMatch(QWidget* parent) : TDialogue(parent)
{
    setModal(true);
    setWindowTitle(QString::fromStdString(Traduit(844)));
    Label1 = new QLabel(QString::fromStdString(Traduit(842)), this);
    Label1->setGeometry(16, 8, 180, 18);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setGeometry(16, 28, 180, 24);
    Label2 = new QLabel(QString::fromStdString(Traduit(843)), this);
    Label2->setGeometry(212, 8, 180, 18);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setGeometry(212, 28, 180, 24);
    TBoutonModele* modele = Dessin() ? Dessin()->BoutonOrange : nullptr;
    BoutonCopie1 = new TBoutonCopie(this);
    BoutonCopie2 = new TBoutonCopie(this);
    b_Voir1 = new TBoutonCopie(this);
    b_Voir2 = new TBoutonCopie(this);
    for (TBoutonCopie* b : {BoutonCopie1, BoutonCopie2, b_Voir1, b_Voir2}) {
        b->SetModele(modele);
        b->resize(113, 31);
    }
    BoutonCopie1->move(60, 64);
    BoutonCopie2->move(220, 64);
    BoutonCopie1->SetCaption(Traduit(841));
    BoutonCopie2->SetCaption(Traduit(125));
    BoutonCopie1->SetDefault(true);
    BoutonCopie2->SetCancel(true);
    BoutonCopie2->SetModalResult(ResultatModal::Annuler);
    BoutonCopie1->OnClick = [this] { BoutonCopie1Click(); };
    Label3 = new QLabel(QString::fromStdString(Traduit(967)), this);
    Label3->setGeometry(16, 108, 180, 18);
    Label4 = new QLabel(QString::fromStdString(Traduit(968)), this);
    Label4->setGeometry(16, 168, 180, 18);
    Label5 = new QLabel(this);
    Label5->setGeometry(16, 130, 260, 18);
    Label6 = new QLabel(this);
    Label6->setGeometry(16, 190, 260, 18);
    b_Voir1->move(286, 122);
    b_Voir2->move(286, 182);
    for (TBoutonCopie* b : {b_Voir1, b_Voir2}) {
        b->SetCaption(Traduit(TexteVoir));
        b->OnClick = [this, b] { b_Voir1Click(b); };
    }
    resize(410, 226);
}

void Tf_RechercheMatch::showEvent(QShowEvent* event)
{
    TDialogue::showEvent(event);
    FormActivate();
}

void Tf_RechercheMatch::FormActivate()
{
    Label5->clear();
    Label6->clear();
    b_Voir1->setEnabled(false);
    b_Voir2->setEnabled(false);
    ComboBox1->clear();
    ComboBox2->clear();
    const TDonneesChampionnat* c = Saison ? Saison->GetChampCourant() : nullptr;
    if (!c)
        return;
    std::vector<std::string> noms;
    for (int p = 0; p < c->GetNbEquipe(); ++p) {
        noms.push_back(Saison->GetNomEquipeChamp(p));
        const QString nom = QString::fromStdString(noms.back());
        ComboBox1->addItem(nom);
        ComboBox2->addItem(nom);
    }
    ComboBox1->setCurrentIndex(-1);
    ComboBox2->setCurrentIndex(-1);
    Dispose(noms, c->GetNbJour());
}

void Tf_RechercheMatch::Dispose(const std::vector<std::string>& noms, int nbJour)
{
    // The found match reads "Day n : home - away": the labels take the longest
    // such line (the two widest names on the last day), the lists the widest
    // name, and the dialog widens with them.
    std::vector<std::pair<int, std::string>> larges;
    for (const std::string& nom : noms)
        larges.emplace_back(LargeurTextes(*Label5, {nom}), nom);
    std::sort(larges.begin(), larges.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    int largeurLabel = 260;
    if (larges.size() >= 2) {
        const std::string ligne = TraduitFmt(339, {nbJour, larges[0].second, larges[1].second});
        largeurLabel = std::max(largeurLabel, LargeurTextes(*Label5, {ligne}) + 4);
    }
    QStyleOptionComboBox option;
    option.initFrom(ComboBox1);
    const QRect champ =
        ComboBox1->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, ComboBox1);
    const int largeurListe =
        std::max(180, LargeurTextes(*ComboBox1, noms) + ComboBox1->width() - champ.width() + 2 * 2 + 2);
    ComboBox1->resize(largeurListe, ComboBox1->height());
    Label1->resize(largeurListe, Label1->height());
    const int gaucheListe2 = 16 + largeurListe + 16;
    ComboBox2->setGeometry(gaucheListe2, ComboBox2->y(), largeurListe, ComboBox2->height());
    Label2->setGeometry(gaucheListe2, Label2->y(), largeurListe, Label2->height());
    for (QLabel* l : {Label5, Label6})
        l->resize(largeurLabel, l->height());
    for (TBoutonCopie* b : {b_Voir1, b_Voir2})
        b->move(Label5->x() + largeurLabel + 10, b->y());
    const int largeur = std::max({410, b_Voir1->geometry().right() + 1 + 11, ComboBox2->geometry().right() + 1 + 18});
    resize(largeur, height());
}

void Tf_RechercheMatch::BoutonCopie1Click()
{
    Tag = 0;
    Label5->clear();
    Label6->clear();
    b_Voir1->setEnabled(false);
    b_Voir2->setEnabled(false);
    const TDonneesChampionnat* c = Saison ? Saison->GetChampCourant() : nullptr;
    if (!c || ComboBox1->currentIndex() < 0 || ComboBox2->currentIndex() < 0)
        return;
    const int a = c->GetEquipe(ComboBox1->currentIndex());
    const int b = c->GetEquipe(ComboBox2->currentIndex());
    if (a < 0 || b < 0 || a == b)
        return;
    for (int d = 1; d <= c->GetNbJour(); ++d) {
        const TInfoCompJour* j = c->GetJournee(d);
        const TInfoComp* m = j ? j->GetMatchEquipes(static_cast<uint16_t>(a), static_cast<uint16_t>(b)) : nullptr;
        if (!m && j)
            m = j->GetMatchEquipes(static_cast<uint16_t>(b), static_cast<uint16_t>(a));
        if (!m)
            continue;
        const QString texte = QString::fromStdString(
            TraduitFmt(339, {d, Saison->GetNomEquipe(m->GetEquipe(0)), Saison->GetNomEquipe(m->GetEquipe(1))}));
        const bool retour = d > c->GetNbJour() / 2;
        (retour ? Label6 : Label5)->setText(texte);
        TBoutonCopie* voir = retour ? b_Voir2 : b_Voir1;
        voir->Tag = d;
        voir->setEnabled(true);
    }
}

void Tf_RechercheMatch::b_Voir1Click(TBoutonCopie* bouton)
{
    Tag = bouton->Tag;
    SetModalResult(QDialog::Accepted);
}

void EnregistrePagesRechercheMatch()
{
    EnregistreCommandePage(Commande::RechercheMatch, [](TPrincipale& principale, int, int, int) {
        TSaison* saison = principale.GetSaison();
        TDonneesChampionnat* c = saison ? saison->GetChampCourant() : nullptr;
        if (!c)
            return false;
        Tf_RechercheMatch dialogue;
        dialogue.Saison = saison;
        if (Dialogues().ExecuteModal(dialogue) != QDialog::Accepted || dialogue.Tag < 1 || dialogue.Tag > 255)
            return false;
        c->NbJournee = static_cast<uint8_t>(dialogue.Tag);
        // The results page is the step the history keeps and the tree shows:
        // the search itself is no view to come back to.
        principale.Navigue(Commande::Resultats, 0, 0);
        return false;
    });
}
