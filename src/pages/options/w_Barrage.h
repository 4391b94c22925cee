#pragma once

// The play-off definition dialog: which places of which sources take part,
// cup or championship in groups, and the share of points the teams keep.

#include "platform/Dialogues.h"
#include "presentation/ParametreBarrage.h"

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QSpinBox;
class TBoutonCopie;
class TFondCopie;
class TRondCoche;

class Tf_Barrage : public TDialogue {
    Q_OBJECT
public:
    explicit Tf_Barrage(QWidget* parent = nullptr);
    ~Tf_Barrage() override;

    // A new play-off among the candidates (rows for a promotion at once).
    void Nouveau(std::vector<TCandidatBarrage> candidats);
    // Editing that definition (written on Validate only).
    void Edite(TDonneesBarrage& barrage, const std::function<std::string(int)>& nomSource);

    TParametreBarrage& Parametre() { return *FParametre; }
    bool Promotion() const;
    // After OK on a new play-off: the definition, handed over.
    std::unique_ptr<TDonneesBarrage> PrendResultat() { return FParametre->PrendResultat(); }

    void rc_PromotionClick();
    void rc_CoupeClick();
    void b_VerificationClick();
    void b_ValiderClick();

    QLabel* Label1;
    TRondCoche* rc_Promotion;
    TRondCoche* rc_Relegation;
    QLabel* Label3;
    TRondCoche* rc_Coupe;
    TRondCoche* rc_Championnat;
    QLabel* Label4;
    QSpinBox* e_nGroupe;
    QLabel* Label5;
    TRondCoche* rc_AucunPoint;
    TRondCoche* rc_MoitiePoint;
    TRondCoche* rc_ToutPoint;
    QLabel* Label2;
    TBoutonCopie* b_Verification;
    TBoutonCopie* b_Valider;
    TBoutonCopie* b_Annuler;

    // The rows' widgets, in row order.
    std::vector<QLabel*> Noms;
    std::vector<QLineEdit*> Repartitions;
    std::vector<QLabel*> Comptes;

private:
    void AfficheLignes();
    void MajComptes();
    void MajType();
    void LitControles();

    TFondCopie* Fond;
    std::unique_ptr<TParametreBarrage> FParametre;
    bool FChargement = false;
};
