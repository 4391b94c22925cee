#pragma once

// The stadiums of the season by country and their cards. Also answers the
// "EffectifStade" and "ListeSalle" keywords.

#include "pages/fiches/PageListe.h"

class Tf_Stades : public TPageListe {
    Q_OBJECT
public:
    explicit Tf_Stades(QWidget* parent = nullptr);

    static void ExecuteFonction(const std::string& Nom, const TLignesParam& Params, std::string& Resultat,
                                const std::string& Args, TSaison* Saison);

protected:
    bool OuvreFiche(int& Entree) override;
    int PaysEntree(int Entree) const override;
    bool SupprimeEntree(int Entree) override;
};

// Command 152 and the "EffectifStade" and "ListeSalle" keywords.
void EnregistrePagesStades();
