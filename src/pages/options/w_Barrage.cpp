#include "pages/options/w_Barrage.h"

#include "controls/BoutonCoche.h"
#include "controls/Dessin.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

enum : int {
    TexteChampionnat = 8,
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteCoupe = 266,
    TexteVerification = 741,
    TexteRole = 888,
    TextePromotion = 889,
    TexteRelegation = 890,
    TexteElimination = 891,
    TexteRepartition = 892,
    TexteGroupes = 893,
    TexteFenetre = 894,
};

constexpr int Largeur = 490;

QString Qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

QLabel* Etiquette(QWidget* parent, int id, const char* defaut, int x, int y)
{
    auto* label = new QLabel(Qs(id > 0 ? TexteOuDefaut(id, defaut) : std::string(defaut)), parent);
    StyleTexteJaune(label);
    label->move(x, y);
    label->adjustSize();
    return label;
}

TRondCoche* Rond(QWidget* parent, int id, const char* defaut, int groupe, int x, int y)
{
    auto* r = new TRondCoche(parent);
    r->SetGroupe(groupe);
    r->SetCaption(id > 0 ? TexteOuDefaut(id, defaut) : std::string(defaut));
    r->setGeometry(x, y, 150, 17);
    r->SetAutoSize(true);
    TexteClair(r);
    return r;
}

} // namespace

Tf_Barrage::Tf_Barrage(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(Qs(TexteOuDefaut(TexteFenetre, "Parametre de la division Barrage")));
    Fond = new TFondCopie(this);
    if (Dessin())
        Fond->SetModele(Dessin()->FondToutBleu);

    Label1 = Etiquette(this, TexteRole, "Rôle de la division", 8, 10);
    rc_Promotion = Rond(this, TextePromotion, "Division Promotion", 0, 170, 10);
    rc_Relegation = Rond(this, TexteRelegation, "Division Relégation", 0, 320, 10);
    rc_Promotion->SetChecked(true);

    Label3 = Etiquette(this, TexteElimination, "Type d'elimination", 8, 36);
    rc_Coupe = Rond(this, TexteCoupe, "Coupe", 1, 170, 36);
    rc_Championnat = Rond(this, TexteChampionnat, "Championnat", 1, 320, 36);
    rc_Coupe->SetChecked(true);

    Label4 = Etiquette(this, TexteGroupes, "Groupe(s)", 8, 62);
    e_nGroupe = new QSpinBox(this);
    e_nGroupe->setRange(1, 99);
    e_nGroupe->setValue(1);
    e_nGroupe->setGeometry(170, 59, 52, 22);

    Label5 = Etiquette(this, 0, "Redémarrer le championnat", 240, 62);
    rc_AucunPoint = Rond(this, 0, "avec aucun point", 2, 8, 88);
    rc_MoitiePoint = Rond(this, 0, "avec la moitié des points", 2, 148, 88);
    rc_ToutPoint = Rond(this, 0, "avec tous les points", 2, 330, 88);
    rc_AucunPoint->SetChecked(true);

    Label2 = Etiquette(this, TexteRepartition, "Répartition des équipes", 150, 118);
    Label2->hide(); // shown over the rows once they are built

    b_Verification = CreeBouton(this, TexteVerification, "Vérification");
    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    for (TBoutonCopie* b : {b_Verification, b_Valider, b_Annuler})
        b->setFixedWidth(140);

    rc_Promotion->OnClick = [this] { rc_PromotionClick(); };
    rc_Relegation->OnClick = [this] { rc_PromotionClick(); };
    rc_Coupe->OnClick = [this] { rc_CoupeClick(); };
    rc_Championnat->OnClick = [this] { rc_CoupeClick(); };
    b_Verification->OnClick = [this] { b_VerificationClick(); };
    b_Valider->OnClick = [this] { b_ValiderClick(); };

    FParametre = std::make_unique<TParametreBarrage>(std::vector<TCandidatBarrage>{});
    MajType();
    AfficheLignes();
}

Tf_Barrage::~Tf_Barrage() = default;

void Tf_Barrage::Nouveau(std::vector<TCandidatBarrage> candidats)
{
    FParametre = std::make_unique<TParametreBarrage>(std::move(candidats));
    rc_Promotion->SetChecked(true);
    rc_Promotion->setEnabled(true);
    rc_Relegation->setEnabled(true);
    AfficheLignes();
}

void Tf_Barrage::Edite(TDonneesBarrage& barrage, const std::function<std::string(int)>& nomSource)
{
    FChargement = true;
    FParametre = std::make_unique<TParametreBarrage>(barrage, nomSource);
    rc_Promotion->setEnabled(false);
    rc_Relegation->setEnabled(false);
    const TParametreBarrage& p = *FParametre;
    (p.Redemarrage == TParametreBarrage::MoitiePoint ? rc_MoitiePoint
     : p.Redemarrage == TParametreBarrage::ToutPoint ? rc_ToutPoint
                                                     : rc_AucunPoint)
        ->SetChecked(true);
    (p.Coupe ? rc_Coupe : rc_Championnat)->SetChecked(true);
    e_nGroupe->setValue(p.NbGroupe);
    MajType();
    AfficheLignes();
    FChargement = false;
    MajComptes();
}

bool Tf_Barrage::Promotion() const
{
    return rc_Promotion->Checked();
}

void Tf_Barrage::AfficheLignes()
{
    for (auto* w : Noms)
        delete w;
    for (auto* w : Repartitions)
        delete w;
    for (auto* w : Comptes)
        delete w;
    Noms.clear();
    Repartitions.clear();
    Comptes.clear();
    const auto& lignes = FParametre->Lignes();
    const bool ancien = FChargement;
    FChargement = true;
    for (int i = 0; i < static_cast<int>(lignes.size()); ++i) {
        auto* nom = new QLabel(Qs(lignes[i].Nom), this);
        nom->setStyleSheet("QLabel { color: white; font-weight: bold; background: transparent; }");
        nom->setGeometry(24, 140 + 26 * i, 124, 18);
        auto* edit = new QLineEdit(Qs(lignes[i].Repartition), this);
        edit->setGeometry(150, 136 + 26 * i, 120, 22);
        edit->setProperty("Tag", lignes[i].Tag);
        auto* compte = new QLabel(Qs(lignes[i].Compte), this);
        StyleTexteJaune(compte);
        compte->setGeometry(290, 140 + 26 * i, Largeur - 298, 18);
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString& texte) {
            if (FChargement)
                return;
            FParametre->ChangeRepartition(i, texte.toStdString());
            Comptes[i]->setText(Qs(FParametre->Lignes()[i].Compte));
        });
        for (QWidget* w : std::initializer_list<QWidget*>{nom, edit, compte})
            w->show();
        Noms.push_back(nom);
        Repartitions.push_back(edit);
        Comptes.push_back(compte);
    }
    FChargement = ancien;
    const int hauteur = FParametre->Hauteur();
    Label2->setVisible(!lignes.empty());
    Label2->move(150, 114);
    const int bas = hauteur - 40;
    b_Verification->move(8, bas);
    b_Valider->move(Largeur - 2 * 148, bas);
    b_Annuler->move(Largeur - 148, bas);
    setFixedSize(Largeur, hauteur);
    Fond->setGeometry(0, 0, Largeur, hauteur);
    Fond->lower();
}

void Tf_Barrage::MajComptes()
{
    for (size_t i = 0; i < Comptes.size() && i < FParametre->Lignes().size(); ++i)
        Comptes[i]->setText(Qs(FParametre->Lignes()[i].Compte));
}

void Tf_Barrage::MajType()
{
    const bool championnat = rc_Championnat->Checked();
    for (QWidget* w : std::initializer_list<QWidget*>{e_nGroupe, rc_AucunPoint, rc_MoitiePoint, rc_ToutPoint})
        w->setEnabled(championnat);
}

void Tf_Barrage::LitControles()
{
    TParametreBarrage& p = *FParametre;
    p.Coupe = rc_Coupe->Checked();
    p.NbGroupe = e_nGroupe->value();
    p.Redemarrage = rc_MoitiePoint->Checked() ? TParametreBarrage::MoitiePoint
                    : rc_ToutPoint->Checked() ? TParametreBarrage::ToutPoint
                                              : TParametreBarrage::AucunPoint;
    for (size_t i = 0; i < Repartitions.size(); ++i)
        p.ChangeRepartition(static_cast<int>(i), Repartitions[i]->text().toStdString());
}

void Tf_Barrage::rc_PromotionClick()
{
    if (FParametre->Edition())
        return;
    LitControles();
    FParametre->ChoisitRole(rc_Promotion->Checked());
    AfficheLignes();
}

void Tf_Barrage::rc_CoupeClick()
{
    MajType();
}

void Tf_Barrage::b_VerificationClick()
{
    LitControles();
    FParametre->Verifie();
    MajComptes();
}

void Tf_Barrage::b_ValiderClick()
{
    LitControles();
    const bool valide = FParametre->Valide();
    MajComptes();
    if (valide)
        SetModalResult(ResultatModal::Ok);
}
