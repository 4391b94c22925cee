#include "pages/saisie/w_Passeurs.h"

#include "base/oTraducteur.h"
#include "controls/Dessin.h"
#include "pagebase/Commande.h"

#include <QLabel>
#include <QPlainTextEdit>

Tf_Passeurs::Tf_Passeurs(QWidget* parent) : Tf_InfoMatchCadre(parent)
{
    setObjectName("f_Passeurs");
    TFondScroll** fonds[] = {&FondPasseur1, &FondPasseur2, &FondPenalty1, &FondPenalty2};
    const char* noms[] = {"FondPasseur1", "FondPasseur2", "FondPenalty1", "FondPenalty2"};
    for (int i = 0; i < 4; ++i) {
        auto* f = new TFondScroll(this);
        f->setObjectName(noms[i]);
        f->SetModele(ModeleFeuille("FondCarrebleu"));
        f->SetModeleScroll(ModeleFeuille("FondToutBleu"));
        *fonds[i] = f;
        FondsListes.push_back(f);
    }
    SetFeuille(std::make_unique<TFeuillePasseurs>(nullptr));
    Label11 = new QLabel("Passeurs", this);
    Label1 = new QLabel(QString::fromUtf8("Penaltys manqués"), this);
    Label12 = new QLabel("Commentaires sur le match", this);
    for (QLabel* l : {Label11, Label1, Label12}) {
        StyleTexteJaune(l);
        l->adjustSize();
    }
    m_Commentaire = new QPlainTextEdit(this);
    connect(m_Commentaire, &QPlainTextEdit::textChanged, this, [this] {
        if (!FEnAffichage)
            Passeurs()->SetCommentaire(m_Commentaire->toPlainText().toStdString());
    });
    fc_InfoMatchResize();
}

void Tf_Passeurs::Traduit()
{
    mi_AjouterJoueur1->setText(QString::fromStdString(::Traduit(870)));
    mi_AjouterJoueur2->setText(QString::fromStdString(::Traduit(870)));
    Label1->setText(QString::fromStdString(::Traduit(301)));
    Label11->setText(QString::fromStdString(::Traduit(918)));
    Label12->setText(QString::fromStdString(::Traduit(919)));
    for (QLabel* l : {Label11, Label1, Label12})
        l->adjustSize();
    fc_InfoMatchResize();
}

void Tf_Passeurs::AfficheMatch()
{
    if (Feuille()->GetSaison() != Saison)
        SetFeuille(std::make_unique<TFeuillePasseurs>(Saison));
    Passeurs()->AfficheMatch();
}

void Tf_Passeurs::MontreFeuille()
{
    Tf_InfoMatchCadre::MontreFeuille();
    FEnAffichage = true;
    const QString texte = QString::fromStdString(Passeurs()->Commentaire);
    if (m_Commentaire->toPlainText() != texte)
        m_Commentaire->setPlainText(texte);
    FEnAffichage = false;
}

void Tf_Passeurs::fc_InfoMatchResize()
{
    Tf_InfoMatchCadre::fc_InfoMatchResize();
    if (!FondPasseur1)
        return;
    const int moitie = (width() - 8) / 2;
    const int gauche = 133;
    // The lists share the room between the squads.
    const int largeur = std::max(40, moitie - 130);
    const int u = (height() - 200) / 5;
    const int haut = 43 + Label11->height() + 2;
    Label11->move(moitie - Label11->width() / 2, 43);
    FondPasseur1->setGeometry(gauche, haut, largeur, std::max(30, 3 * u - 25));
    FondPasseur2->setGeometry(moitie + 7, haut, largeur, std::max(30, 3 * u - 25));
    const int yLabel = FondPasseur1->geometry().bottom() + 1 + 5;
    Label1->move(moitie - Label1->width() / 2, yLabel);
    FondPenalty1->setGeometry(gauche, yLabel + 22, largeur, std::max(30, 2 * u - 25));
    FondPenalty2->setGeometry(moitie + 7, yLabel + 22, largeur, std::max(30, 2 * u - 25));
    const int yMemo = height() - 132;
    m_Commentaire->setGeometry(gauche, yMemo, std::max(40, width() - 2 * gauche), 120);
    Label12->move(gauche, yMemo - 18);
    PlaceCartons();
}

void Tf_Passeurs::LB1DblClick(int cote)
{
    uint16_t joueur = 0;
    std::string nom;
    if (Equipe(cote)->Selection(joueur, nom))
        Passeurs()->DoubleClicEquipe(cote, joueur, nom);
}

void EnregistrePagesPasseurs()
{
    EnregistrePage<Tf_Passeurs>({Commande::Passeurs}, [](Tf_Passeurs& page, TPrincipale& principale, int) {
        page.Saison = principale.GetSaison();
        page.SetFichePrincipale(&principale);
        page.Traduit();
        page.AfficheMatch();
    });
}
