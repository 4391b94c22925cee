#include "pages/options/w_Creation.h"

#include "base/ServiceMessage.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "controls/ImageFond.h"
#include "files/Fichiers.h"
#include "files/TraiteurFichier.h"
#include "model/Championnat.h"
#include "model/LectureParametre.h"
#include "model/SaisonFoot.h"
#include "pagebase/w_blasons.h"
#include "platform/Couleurs.h"

#include <QComboBox>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

enum : int {
    TexteEnregistreDonnees = 16,
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteEchecSauvegarde = 529,
    TexteFenetre = 781,
};

constexpr int HauteurDivisions = 250;
constexpr int LargeurFenetre = 257;
constexpr int LargeurDivision = 215;
// The opener's mark above the division code in Tag.
constexpr int MarqueOuverture = 0x20000;

} // namespace

std::string FichierDivision(const std::string& appDir, int division)
{
    const TLectureParam* catalogue = LectureParam();
    if (!catalogue || division <= 0 || !catalogue->ChercheDivision(division))
        return {};
    const std::string nom = catalogue->GetNomFichier(division);
    if (nom.empty())
        return {};
    // The catalogue's names mostly carry the extension already.
    std::string fin = nom.size() >= 4 ? nom.substr(nom.size() - 4) : std::string();
    std::transform(fin.begin(), fin.end(), fin.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return appDir + "Data/" + nom + (fin == ".xmd" ? "" : ".xmd");
}

Tf_Creation::Tf_Creation(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Creation d'un nouveau championnat")));
    setFixedSize(LargeurFenetre, HauteurDivisions + 80);

    cb_Championnat = new QComboBox(this);
    cb_Championnat->setGeometry(8, 8, LargeurFenetre - 16, 22);
    if (const TLectureParam* catalogue = LectureParam()) {
        TListeTextes configurations;
        catalogue->RemplitListe(configurations);
        // The first configuration (the user's own championships) has no data file.
        for (size_t i = 1; i < configurations.size(); ++i)
            cb_Championnat->addItem(QString::fromStdString(configurations[i].Texte), configurations[i].Objet);
    }
    cb_Championnat->setCurrentIndex(-1);

    FondDivisions = new TFondCopie(this);
    FondDivisions->setGeometry(8, 38, LargeurFenetre - 16, HauteurDivisions);

    b_Valider = CreeBouton(this, TexteValider, "Valider");
    b_Valider->SetDefault(true);
    b_Annuler = CreeBouton(this, TexteAnnuler, "Annuler");
    b_Annuler->SetModalResult(ResultatModal::Annuler);
    b_Annuler->SetCancel(true);
    const int hautBoutons = 38 + HauteurDivisions + 10;
    b_Valider->setFixedWidth(115);
    b_Annuler->setFixedWidth(115);
    b_Valider->move(8, hautBoutons);
    b_Annuler->move(LargeurFenetre - 8 - 115, hautBoutons);
    b_Valider->setEnabled(false);

    b_Valider->OnClick = [this] { b_ValiderClick(); };
    connect(cb_Championnat, &QComboBox::activated, this, [this] { cb_ChampionnatChange(); });
}

void Tf_Creation::showEvent(QShowEvent* event)
{
    // Shown once: activating the form again keeps the user's choice.
    if (!FAffiche) {
        FAffiche = true;
        FormShow();
    }
    TDialogue::showEvent(event);
}

void Tf_Creation::FormShow()
{
    const int code = Tag & 0xFFFF;
    const TLectureParam* catalogue = LectureParam();
    const TDivisionCfg* division = catalogue ? catalogue->ChercheDivision(code) : nullptr;
    // The list leaves the catalogue's first configuration out.
    const int index = division ? catalogue->IndexCfg(code) - 1 : -1;
    cb_Championnat->setCurrentIndex(index >= 0 && index < cb_Championnat->count() ? index : -1);
    CreeDivisions(cb_Championnat->currentIndex() >= 0 && division ? division->Id : 0);
}

void Tf_Creation::cb_ChampionnatChange()
{
    CreeDivisions(-1);
}

void Tf_Creation::CreeDivisions(int coche)
{
    for (TRondCoche* bouton : Divisions)
        delete bouton;
    Divisions.clear();
    SetDivision(0);

    const TLectureParam* catalogue = LectureParam();
    if (!catalogue || cb_Championnat->currentIndex() < 0)
        return;
    TListeTextes liste;
    catalogue->RemplitListeDivisionsCfg(cb_Championnat->currentData().toInt(), liste);
    const int n = static_cast<int>(liste.size());
    if (n == 0)
        return;
    const int pas = (FondDivisions->height() - 32) / (n >= 3 ? n - 1 : n);
    QFont police = font();
    police.setBold(true);
    QPalette couleurs = palette();
    couleurs.setColor(QPalette::WindowText, VersQColor(0x00FFFF));
    for (int i = 0; i < n; ++i) {
        auto* bouton = new TRondCoche(FondDivisions);
        bouton->setFont(police);
        bouton->setPalette(couleurs);
        bouton->setGeometry(4, 4 + pas * i, LargeurDivision, 17);
        bouton->setProperty("Tag", liste[i].Objet);
        bouton->SetCaption(liste[i].Texte);
        bouton->OnClick = [this, bouton] { DivisionClick(bouton); };
        bouton->show();
        Divisions.push_back(bouton);
    }
    // A new configuration starts on its first division.
    TRondCoche* choisi = Divisions.front();
    if (coche >= 0) {
        choisi = nullptr;
        for (TRondCoche* bouton : Divisions)
            if (bouton->property("Tag").toInt() == coche)
                choisi = bouton;
    }
    if (choisi) {
        choisi->SetChecked(true);
        SetDivision(choisi->property("Tag").toInt());
    }
}

void Tf_Creation::DivisionClick(TRondCoche* bouton)
{
    SetDivision(bouton->property("Tag").toInt());
}

void Tf_Creation::SetDivision(int code)
{
    Division = code;
    // A division the catalogue gives no file cannot receive the save.
    b_Valider->setEnabled(!FichierDivision(AppDir, code).empty());
}

void Tf_Creation::b_ValiderClick()
{
    const std::string nom = FichierDivision(AppDir, Division);
    if (nom.empty())
        return;
    NomFichier = nom;
    SetModalResult(ResultatModal::Ok);
}

bool SauveFichierDivision(TSaison& saison, const std::string& appDir, TBarreEtat* barreEtat)
{
    const TDonneesChampionnat* championnat = saison.GetChampCourant();
    if (!championnat || championnat->Division == 0 || FichierDivision(appDir, championnat->Division).empty())
        return false;

    Tf_Creation dialogue;
    dialogue.AppDir = appDir;
    dialogue.Tag = championnat->Division + MarqueOuverture;
    dialogue.setWindowTitle(QString::fromStdString(
        TexteOuDefaut(TexteEnregistreDonnees, "Enregistrer le fichier de données de la division")));
    if (Dialogues().ExecuteModal(dialogue) != ResultatModal::Ok || dialogue.NomFichier.empty())
        return true;

    // The file the save replaces is kept as ".old"; without that copy the
    // file is left alone.
    namespace fs = std::filesystem;
    const fs::path cible = fs::u8path(dialogue.NomFichier);
    std::error_code erreur;
    if (fs::exists(cible, erreur)) {
        fs::path ancien = cible;
        ancien.replace_extension(".old");
        fs::copy_file(cible, ancien, fs::copy_options::overwrite_existing, erreur);
        if (erreur) {
            MessageUtil(Traduit(TexteEchecSauvegarde), BoutonsMessage::Ok);
            return true;
        }
    } else {
        if (!CreeDossierSignale(cible.parent_path().string()))
            return true;
    }
    TTraiteurFichier::ExtraitChampionnat(dialogue.NomFichier, saison, false, appDir + "Dll/", "", barreEtat, {});
    return true;
}
