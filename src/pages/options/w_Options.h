#pragma once

// The championship options dialog: points, places, season years, calendar
// system, followed team, type, division code, groups, referee rules,
// tie-break criteria and player-ranking scope of the current championship,
// over the headless TOptionsChampionnat.

#include "platform/Dialogues.h"

#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;
class TBoutonCopie;
class TCarreCoche;
class TOptionsChampionnat;
class TPrincipale;
class TRondCoche;
class TSaison;

class Tf_Option : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Option(TSaison& saison, QWidget* parent = nullptr);
    ~Tf_Option() override;

    TOptionsChampionnat& Options() { return *FOptions; }

    void FormShow();
    void b_ValiderClick();
    void b_AideClick();
    void cc_GestionArbitreClick();
    void rc_journeeClick();
    void rc_dateClick();
    void cb_CodeDivChange();
    void clb_ClassementClick();
    void sb_UpClick();
    void sb_DownClick();
    void Edit12Change();
    void bc_AjouterClick();
    void bc_RetirerClick();
    void Button1Click();
    void Button2Click();

    int Tag = 0;
    std::string DossierAide;

    QTabWidget* PageControl;
    QWidget* ts_General;
    QWidget* ts_Avance;
    QWidget* ts_Groupes;
    QWidget* ts_Arbitres;
    QWidget* ts_Criteres;
    QWidget* ts_Joueurs;

    QWidget* FondPoint;
    QSpinBox* Edit1;
    QSpinBox* Edit2;
    QSpinBox* Edit3;
    QSpinBox* Edit13;
    QWidget* FondParam;
    QLabel* Label4;
    QSpinBox* Edit4;
    QSpinBox* Edit5;
    QLabel* l_LigueChampions;
    QSpinBox* Edit6;
    QLabel* l_Promotion;
    QSpinBox* Edit7;
    QLabel* l_Barragistes;
    QSpinBox* Edit8;
    QSpinBox* Edit9;
    QSpinBox* Edit10;
    TCarreCoche* cc_PetiteFinale;
    QLineEdit* MaskEdit1;
    QComboBox* ComboBox1;
    TRondCoche* rc_National;
    TRondCoche* rc_International;

    TRondCoche* rc_journee;
    TRondCoche* rc_date;
    TCarreCoche* cc_SaisieDateJour;
    TCarreCoche* cc_SaisieDateMatch;
    TRondCoche* rc_Oui;
    TRondCoche* rc_Non;
    QComboBox* cb_CodeDiv;
    QLineEdit* e_CodePerso;
    QLineEdit* e_nButBonus;
    QLineEdit* e_PointBonus;
    QLineEdit* e_nPointEcart;

    QTreeWidget* tv_Groupe;
    QListWidget* lb_Equipe;
    TBoutonCopie* bc_Ajouter;
    TBoutonCopie* bc_Retirer;
    TBoutonCopie* Button1;
    TBoutonCopie* Button2;

    TCarreCoche* cc_GestionArbitre;
    TCarreCoche* cc_ArbitreMemeMatch;
    TCarreCoche* cc_ArbitreEquipeMatchs;
    QSpinBox* e_ArbitreMatch;
    TCarreCoche* cc_ArbitreEquipeMois;
    QSpinBox* e_ArbitreMois;
    QSpinBox* Edit11;

    QListWidget* clb_Classement;
    QToolButton* sb_Up;
    QToolButton* sb_Down;
    QLineEdit* Edit12;

    TRondCoche* RondCoche1;
    TRondCoche* RondCoche2;
    TRondCoche* RondCoche3;
    QWidget* p_NbTir;

    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;
    TBoutonCopie* b_Aide;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void AfficheCriteres(int selection);
    void AfficheGroupes(int groupe, int equipe);
    void LitControles();
    // The group and the team (-1 for a group node) of a tree item.
    void Position(const QTreeWidgetItem* item, int& groupe, int& equipe) const;

    std::unique_ptr<TOptionsChampionnat> FOptions;
    bool FSaisie = true; // the letter box's changes come from the user
    bool FRemplissage = false;
    bool FAffiche = false;
};

// Command 176: the dialog on the current championship; on a change the
// document is modified and the page shown again. True when something changed.
bool AfficheOptionsChampionnat(TPrincipale& principale);

void EnregistrePagesOptionsChampionnat();
