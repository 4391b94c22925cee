#include "shell/w_AstuceJour.h"

#include "base/FichierIni.h"
#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

enum : int {
    TexteContinuer = 27,
    TexteFenetre = 1308,
    TexteSuivante = 1309,
    TexteDemarrage = 1310,
    // The tip that names the product.
    AstuceProduit = 2,
};

int Reste(int valeur, int diviseur)
{
    const int r = valeur % diviseur;
    return r < 0 ? r + diviseur : r;
}

} // namespace

Tf_AstuceJour::Tf_AstuceJour(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Astuce du jour")));
    m_Astuce = new QPlainTextEdit(this);
    m_Astuce->setReadOnly(true);
    m_Astuce->setMinimumSize(380, 140);
    cb_Demarrage = new TCarreCoche(this);
    cb_Demarrage->SetCaption(TexteOuDefaut(TexteDemarrage, "Afficher l'astuce du jour au démarrage"));
    cb_Demarrage->setMinimumSize(300, 20);
    cb_Demarrage->SetChecked(true);
    bc_Continuer = CreeBouton(this, TexteContinuer, "Continuer");
    bc_Continuer->SetModalResult(ResultatModal::Ok);
    bc_Continuer->SetDefault(true);
    bc_Continuer->SetCancel(true);
    bc_suivante = CreeBouton(this, TexteSuivante, "Astuce suivante");
    bc_suivante->OnClick = [this] { bc_suivanteClick(); };

    auto* boutons = new QHBoxLayout;
    boutons->addWidget(cb_Demarrage, 1);
    boutons->addWidget(bc_suivante);
    boutons->addWidget(bc_Continuer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(m_Astuce, 1);
    colonne->addLayout(boutons);
}

void Tf_AstuceJour::FormShow()
{
    const TFichierIni ini(FichierIni);
    Compteur = ini.ReadInteger("General", "nAstuce", 0);
    cb_Demarrage->SetChecked(ini.ReadBool("General", "ShowAstuce", true));
    AfficheAstuce();
}

void Tf_AstuceJour::showEvent(QShowEvent* event)
{
    FormShow();
    TDialogue::showEvent(event);
}

void Tf_AstuceJour::AfficheAstuce()
{
    const int n = Reste(Compteur, NbAstuces);
    std::string texte;
    if (n == AstuceProduit) {
        const std::string produit = Traducteur() != nullptr ? Traducteur()->GetNomProduit() : std::string();
        texte = TraduitFmt(PremierTexte + n, {TArgFormat(produit)});
    } else {
        texte = TraduitFmt(PremierTexte + n);
    }
    // The translator ends lines with a lone carriage return.
    for (char& c : texte)
        if (c == '\r')
            c = '\n';
    m_Astuce->setPlainText(QString::fromStdString(texte));
}

void Tf_AstuceJour::bc_suivanteClick()
{
    ++Compteur;
    AfficheAstuce();
}

void Tf_AstuceJour::FormClose()
{
    TFichierIni ini(FichierIni);
    bool ecrit = ini.WriteInteger("General", "nAstuce", Reste(Compteur + 1, NbAstuces));
    ecrit &= ini.WriteBool("General", "ShowAstuce", cb_Demarrage->Checked());
    if (!ecrit)
        SignaleEchecReglages(FichierIni);
}

void Tf_AstuceJour::done(int resultat)
{
    FormClose();
    TDialogue::done(resultat);
}
