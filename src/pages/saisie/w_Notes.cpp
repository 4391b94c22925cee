#include "pages/saisie/w_Notes.h"

#include "controls/Dessin.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"
#include "pages/saisie/w_InfoMatchCadre.h"
#include "presentation/SansDonnees.h"

#include <QLabel>
#include <QToolButton>

Tf_Notes::Tf_Notes(QWidget* parent) : TFootForm(parent)
{
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(0x2B, 0x4C, 0x9B));
    setPalette(fond);
    c_EqDomicile = new TCadre(this);
    c_ScDomicile = new TCadre(this);
    c_ScExterieur = new TCadre(this);
    c_EqExterieur = new TCadre(this);
    for (TCadre* c : {c_EqDomicile, c_EqExterieur}) {
        c->resize(136, 25);
        c->SetModele(ModeleFeuille("BoutonCreuxBleu"));
    }
    for (TCadre* c : {c_ScDomicile, c_ScExterieur})
        PrepareScore(*c);
    UpDown1 = new QWidget(this);
    UpDown1->resize(16, 29);
    UpDown1->setToolTip("Changer de match");
    auto* haut = new QToolButton(UpDown1);
    auto* bas = new QToolButton(UpDown1);
    haut->setArrowType(Qt::UpArrow);
    bas->setArrowType(Qt::DownArrow);
    haut->setGeometry(0, 0, 16, 14);
    bas->setGeometry(0, 15, 16, 14);
    connect(haut, &QToolButton::clicked, this, [this] { UpDown1Click(1); });
    connect(bas, &QToolButton::clicked, this, [this] { UpDown1Click(-1); });
    for (TFondScroll** f : {&FondEquipeDomicile, &FondEquipeExterieur}) {
        *f = new TFondScroll(this);
        (*f)->SetModele(ModeleFeuille("FondCarrebleu"));
        (*f)->SetModeleScroll(ModeleFeuille("FondToutBleu"));
    }
    FondEquipeDomicile->OnResize = [this] { FondEquipeDomicileresize(); };
    FondEquipeExterieur->OnResize = [this] { FondEquipeExterieurresize(); };
    l_SansNote = new QLabel(this);
    StyleTexteJaune(l_SansNote);
    l_SansNote->setWordWrap(true);
    l_SansNote->hide();
    resize(640, 440);
}

Tf_Notes::~Tf_Notes()
{
    if (FNotes) {
        FNotes->SurAffichage = nullptr;
        if (Saison)
            FNotes->Quitte();
    }
}

TCadre* Tf_Notes::Nom(int cote, int s) const
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= 14 ? FNoms[cote - 1][s - 1] : nullptr;
}

TEditRond* Tf_Notes::Note(int cote, int s) const
{
    return (cote == 1 || cote == 2) && s >= 1 && s <= 14 ? FBoites[cote - 1][s - 1] : nullptr;
}

void Tf_Notes::Initialiser(TPrincipale* principale)
{
    Principale = principale;
    FNotes = std::make_unique<TNotesMatch>(Saison);
    FNotes->OnModification = [this] { Modifie(); };
    FNotes->SurAffichage = [this] { Montre(); };
    if (FNoms[0][0])
        return;
    for (int cote = 1; cote <= 2; ++cote) {
        TFondScroll* fond = cote == 1 ? FondEquipeDomicile : FondEquipeExterieur;
        for (int s = 1; s <= 14; ++s) {
            auto* nom = new TCadre(fond->Contenu());
            nom->setGeometry(15, (s - 1) * 24 + 4, 140, 20);
            nom->SetModele(ModeleFeuille("PetitBoutonCreuxBleu"));
            auto* note = new TEditRond(fond->Contenu());
            note->setGeometry(170, (s - 1) * 24 + 3, 22, 22);
            note->SetDecalX(1);
            note->SetDecalY(1);
            note->SetMaxlength(2);
            note->SetTabStop(true);
            note->SetModele(ModeleFeuille("PetitRondCreuxBleu"));
            note->OnChange = [this, cote, s, note] {
                if (!FEnAffichage && FNotes)
                    FNotes->SetNote(cote, s, note->Text());
            };
            FNoms[cote - 1][s - 1] = nom;
            FBoites[cote - 1][s - 1] = note;
        }
    }
    fc_NotesResize();
}

void Tf_Notes::AfficherMatch()
{
    if (FNotes)
        FNotes->AfficherMatch();
}

void Tf_Notes::EnregistrerNotes()
{
    if (FNotes)
        FNotes->EnregistrerNotes();
}

void Tf_Notes::ValideSaisieEnCours()
{
    if (FNotes)
        FNotes->ValideSaisieEnCours();
}

void Tf_Notes::UpDown1Click(int sens)
{
    if (FNotes)
        FNotes->ChangeMatch(sens);
}

void Tf_Notes::showEvent(QShowEvent* event)
{
    TFootForm::showEvent(event);
    // Shown again after being kept hidden: what it shows may be old.
    if (FMontree && FNotes)
        FNotes->Rafraichit();
    FMontree = true;
}

void Tf_Notes::resizeEvent(QResizeEvent* event)
{
    TFootForm::resizeEvent(event);
    fc_NotesResize();
}

void Tf_Notes::Montre()
{
    FEnAffichage = true;
    const TNotesMatch& f = *FNotes;
    c_EqDomicile->SetText(f.GetNomEquipe(1));
    c_EqExterieur->SetText(f.GetNomEquipe(2));
    c_ScDomicile->SetText(f.GetScore(1));
    c_ScExterieur->SetText(f.GetScore(2));
    // The team frames grow with the championship's longest name.
    std::vector<std::string> noms{f.GetNomEquipe(1), f.GetNomEquipe(2)};
    if (const TDonneesChampionnat* c = Saison ? Saison->GetChampCourant() : nullptr)
        for (int p = 0; p < c->GetNbEquipe(); ++p)
            noms.push_back(Saison->GetNomEquipeChamp(p));
    const int largeur = LargeurCadrePour(*c_EqDomicile, noms, 136);
    for (TCadre* c : {c_EqDomicile, c_EqExterieur})
        c->resize(largeur, 25);
    const std::string vide = Saison ? SansDonnees::LigneNotes(*Saison) : std::string();
    l_SansNote->setText(QString::fromStdString(vide));
    l_SansNote->setVisible(!vide.empty());
    fc_NotesResize();
    for (int cote = 1; cote <= 2; ++cote)
        for (int s = 1; s <= 14; ++s) {
            const TNotesMatch::TNote* n = FNotes->GetNote(cote, s);
            TCadre* nom = FNoms[cote - 1][s - 1];
            TEditRond* note = FBoites[cote - 1][s - 1];
            if (!nom)
                continue;
            nom->SetText(n->Nom);
            note->SetText(n->Note);
            nom->setVisible(n->Visible);
            note->setVisible(n->Visible);
        }
    FEnAffichage = false;
}

void Tf_Notes::fc_NotesResize()
{
    const int moitie = width() / 2;
    const int cadre = c_EqDomicile->width();
    c_EqDomicile->move(moitie - 50 - cadre, 6);
    c_ScDomicile->move(moitie - 35, 6);
    c_ScExterieur->move(moitie + 6, 6);
    c_EqExterieur->move(moitie + 46, 6);
    UpDown1->move(moitie + 50 + cadre, 4);
    const int largeur = std::max(40, moitie - 20);
    // The line that says the season has no rating takes a strip under them.
    const int large = std::max(40, width() - 20);
    const int ligne = l_SansNote->text().isEmpty() ? 0 : l_SansNote->heightForWidth(large) + 4;
    const int hauteur = std::max(40, height() - 60 - ligne);
    FondEquipeDomicile->setGeometry(10, 40, largeur, hauteur);
    FondEquipeExterieur->setGeometry(moitie + 10, 40, largeur, hauteur);
    l_SansNote->setGeometry(10, 40 + hauteur + 4, large, std::max(ligne - 4, 0));
    PlaceSlots(1);
    PlaceSlots(2);
}

void Tf_Notes::PlaceSlots(int cote)
{
    TFondScroll* fond = cote == 1 ? FondEquipeDomicile : FondEquipeExterieur;
    if (!fond || !FNoms[cote - 1][0])
        return;
    const int gauche = std::max(0, (fond->width() - 215) / 2);
    const int h = fond->height();
    const int g = h > 336 ? (h - 336) / 15 : 5;
    for (int s = 1; s <= 14; ++s) {
        const int y = (g + 20) * (s - 1) + g;
        FNoms[cote - 1][s - 1]->setGeometry(gauche, y, 180, 20);
        FBoites[cote - 1][s - 1]->move(gauche + 190, y - 1);
    }
    fond->MiseAJourScroll();
}

void Tf_Notes::FondEquipeDomicileresize()
{
    PlaceSlots(1);
}

void Tf_Notes::FondEquipeExterieurresize()
{
    PlaceSlots(2);
}

void EnregistrePagesNotes()
{
    EnregistrePage<Tf_Notes>({Commande::Notes}, [](Tf_Notes& page, TPrincipale& principale, int) {
        page.Saison = principale.GetSaison();
        page.Initialiser(&principale);
        page.AfficherMatch();
    });
}
