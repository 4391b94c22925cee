#include "pages/saisie/w_Buteurs.h"

#include "base/oTraducteur.h"
#include "controls/Afficheur.h"
#include "controls/ComboBox.h"
#include "controls/Dessin.h"
#include "model/Championnat.h"
#include "model/SaisonFoot.h"
#include "pagebase/Commande.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpressionValidator>

namespace {

QLabel* LabelJaune(QWidget* parent, const char* texte)
{
    auto* label = new QLabel(QString::fromUtf8(texte), parent);
    StyleTexteJaune(label);
    return label;
}

void Remplit(QComboBox* boite, const std::vector<std::pair<std::string, int>>& items, int choisi)
{
    const QSignalBlocker bloque(boite);
    boite->clear();
    for (const auto& [texte, id] : items)
        boite->addItem(QString::fromStdString(texte), id);
    boite->setCurrentIndex(choisi);
}

void SetTexte(QLineEdit* edit, const std::string& texte)
{
    const QSignalBlocker bloque(edit);
    edit->setText(QString::fromStdString(texte));
}

} // namespace

Tf_Buteurs::Tf_Buteurs(QWidget* parent) : Tf_InfoMatchCadre(parent)
{
    setObjectName("f_Buteurs");
    TFondScroll** fonds[] = {&FondBut1, &FondBut2, &FondCj1, &FondCj2, &FondCr1, &FondCr2};
    const char* noms[] = {"FondBut1", "FondBut2", "FondCj1", "FondCj2", "FondCr1", "FondCr2"};
    for (int i = 0; i < 6; ++i) {
        auto* f = new TFondScroll(this);
        f->setObjectName(noms[i]);
        f->SetModele(ModeleFeuille("FondCarrebleu"));
        f->SetModeleScroll(ModeleFeuille("FondToutBleu"));
        *fonds[i] = f;
        FondsListes.push_back(f);
    }
    SetFeuille(std::make_unique<TFeuilleButeurs>(nullptr));

    Label2 = LabelJaune(this, "Spectateurs :");
    AffichageScore = new TAffichage(this);
    AffichageScore->SetNbCase(6);
    AffichageScore->SetEdition(true);
    AffichageScore->OnChange = [this] {
        if (!FEnAffichage && Buteurs())
            Buteurs()->SetAffluence(AffichageScore->Nombre());
    };
    Label1 = LabelJaune(this, "Arbitre");
    cb_Arbitre = new TComboAbrege(this);
    connect(cb_Arbitre, &QComboBox::currentIndexChanged, this, [this] { cb_ArbitreChange(); });
    pm_AjoutArbitre = new QMenu(this);
    mi_AjouterArbitre = pm_AjoutArbitre->addAction("Ajouter un arbitre");
    connect(mi_AjouterArbitre, &QAction::triggered, this, [this] { mi_AjouterArbitreClick(); });
    cb_Arbitre->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cb_Arbitre, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { pm_AjoutArbitre->popup(cb_Arbitre->mapToGlobal(p)); });
    Label3 = LabelJaune(this, "Stade");
    cb_Stade = new TComboAbrege(this);
    connect(cb_Stade, &QComboBox::currentIndexChanged, this, [this] { cb_StadeChange(); });
    Label4 = LabelJaune(this, "Note arbitre");
    e_NoteArbitre = new QLineEdit(this);
    Label5 = LabelJaune(this, "Note Match");
    e_NoteMatch = new QLineEdit(this);
    for (QLineEdit* e : {e_NoteArbitre, e_NoteMatch}) {
        e->setMaxLength(3);
        e->setFixedWidth(40);
        // Digits only: a number beyond the rating's byte is refused by the sheet.
        e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), e));
    }
    connect(e_NoteArbitre, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!FEnAffichage)
            Buteurs()->SetNoteArbitre(t.toStdString());
    });
    connect(e_NoteMatch, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!FEnAffichage)
            Buteurs()->SetNoteMatch(t.toStdString());
    });

    connect(pm_TypeBut, &QMenu::aboutToShow, this, [this] { pm_TypeButPopup(); });
    connect(mi_Penalty, &QAction::triggered, this, [this] { mi_PenaltyClick(1); });
    connect(mi_Coupfranc, &QAction::triggered, this, [this] { mi_PenaltyClick(2); });
    connect(mi_Aucun, &QAction::triggered, this, [this] { mi_PenaltyClick(0); });
    fc_InfoMatchResize();
}

void Tf_Buteurs::Traduit()
{
    mi_AjouterJoueur1->setText(QString::fromStdString(::Traduit(870)));
    mi_AjouterJoueur2->setText(QString::fromStdString(::Traduit(870)));
    Label2->setText(QString::fromStdString(::Traduit(742)));
    Label1->setText(QString::fromStdString(::Traduit(920)));
    Label3->setText(QString::fromStdString(::Traduit(1010)));
    Label4->setText(QString::fromStdString(::Traduit(1034)));
    Label5->setText(QString::fromStdString(::Traduit(1035)));
    mi_AjouterArbitre->setText(QString::fromStdString(::Traduit(346)));
    for (QLabel* l : {Label1, Label2, Label3, Label4, Label5})
        l->adjustSize();
    fc_InfoMatchResize();
}

void Tf_Buteurs::AfficheMatch()
{
    if (Feuille()->GetSaison() != Saison) {
        SetFeuille(std::make_unique<TFeuilleButeurs>(Saison));
    }
    Buteurs()->AfficheMatch();
}

void Tf_Buteurs::Affiche()
{
    AfficheMatch();
    AffichageScore->setFocus();
}

bool Tf_Buteurs::ExporteHtml(const std::string& /*NomFichier*/)
{
    return false;
}

void Tf_Buteurs::MontreFeuille()
{
    Tf_InfoMatchCadre::MontreFeuille();
    FEnAffichage = true;
    const TFeuilleButeurs& f = *Buteurs();
    AffichageScore->SetNombre(f.Affluence);
    Remplit(cb_Arbitre, f.Arbitres, f.ArbitreChoisi);
    Remplit(cb_Stade, f.Stades, f.StadeChoisi);
    SetTexte(e_NoteArbitre, f.NoteArbitre);
    SetTexte(e_NoteMatch, f.NoteMatch);
    FEnAffichage = false;
    AjusteRangees();
    PlaceCartons();
}

void Tf_Buteurs::AjusteRangees()
{
    for (int liste = 1; liste <= static_cast<int>(FondsListes.size()); ++liste) {
        // The room of the list less its vertical bar, at most a full row.
        const int largeur = std::clamp(FondsListes[liste - 1]->width() - 16, 70, 155);
        for (int ligne = 0; TCarton* carton = Carton(liste, ligne); ++ligne) {
            TEditRond* minute = Minute(liste, ligne);
            if (!minute || !carton->parentWidget())
                continue;
            carton->parentWidget()->resize(largeur, carton->parentWidget()->height());
            carton->resize(largeur - 40, carton->height());
            minute->move(largeur - 37, minute->y());
        }
    }
}

void Tf_Buteurs::fc_InfoMatchResize()
{
    Tf_InfoMatchCadre::fc_InfoMatchResize();
    if (!FondBut1)
        return;
    // The lists share the room between the squads: the away ones start just
    // right of the middle.
    const int moitie = width() / 2;
    const int gauche = 133;
    const int largeur = std::max(40, moitie - 137);
    const int h = height() - 162;
    const int hBut = std::max(40, 3 * h / 8);
    const int hJaune = std::max(40, h / 2);
    const int hRouge = std::max(30, h / 8) + 10;
    int y = 43;
    for (auto [dom, ext, hauteur] : {std::tuple{FondBut1, FondBut2, hBut}, std::tuple{FondCj1, FondCj2, hJaune},
                                     std::tuple{FondCr1, FondCr2, hRouge}}) {
        dom->setGeometry(gauche, y, largeur, hauteur);
        ext->setGeometry(moitie + 2, y, largeur, hauteur);
        y += hauteur + 2;
    }
    AjusteRangees();
    // The squads end with the lists; below them, across the page, the
    // attendance and the stadium, then the referee and the two ratings.
    for (TListeFeuille* equipe : {l_EquipeDomicile, l_EquipeExterieur})
        equipe->resize(equipe->width(), y - 2 - equipe->y());
    const int droite = width() - 4;
    const int y1 = y + 6, y2 = y1 + AffichageScore->height() + 6;
    const int xEtiquette = 4 + std::max(Label1->width(), Label2->width()) + 6;
    Label2->move(4, y1 + 4);
    AffichageScore->move(xEtiquette, y1);
    Label3->move(std::max(moitie + 2, AffichageScore->geometry().right() + 11), y1 + 4);
    const int xStade = Label3->geometry().right() + 7;
    cb_Stade->setGeometry(xStade, y1, std::clamp(droite - xStade, 80, 360), 24);
    // The referee and the two ratings follow one another on the second row.
    Label1->move(4, y2 + 4);
    const int notes = Label4->width() + 7 + e_NoteArbitre->width() + 13 + Label5->width() + 7 + e_NoteMatch->width();
    cb_Arbitre->setGeometry(xEtiquette, y2, std::clamp(droite - xEtiquette - notes - 13, 80, 320), 24);
    Label4->move(cb_Arbitre->geometry().right() + 14, y2 + 4);
    e_NoteArbitre->move(Label4->geometry().right() + 8, y2);
    Label5->move(e_NoteArbitre->geometry().right() + 14, y2 + 4);
    e_NoteMatch->move(Label5->geometry().right() + 8, y2);
    PlaceCartons();
}

// ---------------------------------------------------------------- handlers

void Tf_Buteurs::LB1DblClick(int cote)
{
    uint16_t joueur = 0;
    std::string nom;
    if (Equipe(cote)->Selection(joueur, nom))
        Buteurs()->DoubleClicEquipe(cote, joueur, nom);
}

void Tf_Buteurs::pm_TypeButPopup()
{
    const int genre = FCartonMenu ? Buteurs()->GenreCoche(FCartonMenu->Liste, FCartonMenu->Ligne) : 0;
    mi_Penalty->setChecked(genre == 1);
    mi_Coupfranc->setChecked(genre == 2);
    mi_Aucun->setChecked(genre == 0);
}

void Tf_Buteurs::mi_PenaltyClick(int genre)
{
    if (FCartonMenu)
        Buteurs()->ChoisitGenre(FCartonMenu->Liste, FCartonMenu->Ligne, genre);
    FCartonMenu = nullptr;
}

void Tf_Buteurs::cb_ArbitreChange()
{
    if (!FEnAffichage)
        Buteurs()->ChoisitArbitre(cb_Arbitre->currentIndex());
}

void Tf_Buteurs::cb_StadeChange()
{
    if (!FEnAffichage)
        Buteurs()->ChoisitStade(cb_Stade->currentIndex());
}

void Tf_Buteurs::mi_AjouterArbitreClick()
{
    if (!Saison || !Buteurs()->MatchAffiche())
        return;
    TPersonnelStat* arbitre = nullptr;
    if (OuvreFicheArbitre(*Saison, Saison->GetNumChampCourant(), arbitre) && arbitre)
        Buteurs()->AjouteArbitre(arbitre);
}

// ---------------------------------------------------------------- command

void EnregistrePagesButeurs()
{
    EnregistrePage<Tf_Buteurs>({Commande::Buteurs},
                               [](Tf_Buteurs& page, TPrincipale& principale, int, int param) -> TReponsePage {
                                   TSaison* saison = principale.GetSaison();
                                   page.Saison = saison;
                                   page.SetFichePrincipale(&principale);
                                   page.Traduit();
                                   // A match sent by another page: day shl 8 + match number.
                                   TDonneesChampionnat* c = saison ? saison->GetChampCourant() : nullptr;
                                   if (c && param > 0) {
                                       const int jour = param >> 8;
                                       if (jour >= 1 && jour <= c->GetNbJour())
                                           c->NbJournee = static_cast<uint8_t>(jour);
                                       EtatFeuilles().MatchCourant = param & 0xFF;
                                   }
                                   page.AfficheMatch();
                                   if (c && page.Buteurs()->MatchAffiche())
                                       return TReponsePage::Avec((c->NbJournee << 8) + page.Buteurs()->GetMatch());
                                   return {};
                               });
}
