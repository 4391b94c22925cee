#include "support_ui/DialoguesScriptes.h"

namespace testsupport {

TDialoguesScriptes::TDialoguesScriptes() : FAncien(InstalleDialogues(this)) {}

TDialoguesScriptes::~TDialoguesScriptes()
{
    InstalleDialogues(FAncien);
}

void TDialoguesScriptes::RepondResultat(int resultat)
{
    Repond([resultat](QDialog& dialogue) { dialogue.done(resultat); });
}

void TDialoguesScriptes::RepondFichier(const std::string& nomFichier, int indexFiltre)
{
    FFichiers.push_back({true, nomFichier, indexFiltre});
}

void TDialoguesScriptes::RefuseFichier()
{
    FFichiers.push_back({});
}

int TDialoguesScriptes::ExecuteModal(QDialog& dialogue)
{
    TitresFormes.push_back(dialogue.windowTitle().toStdString());
    dialogue.setResult(0);
    // Modal as exec() makes it, so buttons with a modal result end it.
    dialogue.setModal(true);
    dialogue.show();
    if (Inspecte)
        Inspecte(dialogue);
    if (FReponses.empty()) {
        dialogue.done(ResultatModal::Annuler);
    } else {
        TReponse reponse = std::move(FReponses.front());
        FReponses.pop_front();
        reponse(dialogue);
    }
    dialogue.hide();
    return dialogue.result();
}

TReponseFichier TDialoguesScriptes::ReponseFichier()
{
    if (FFichiers.empty())
        return {};
    TReponseFichier reponse = FFichiers.front();
    FFichiers.pop_front();
    return reponse;
}

TReponseFichier TDialoguesScriptes::OuvreFichier(const TDemandeFichier& demande)
{
    DemandesOuverture.push_back(demande);
    return ReponseFichier();
}

std::vector<std::string> TDialoguesScriptes::OuvreFichiers(const TDemandeFichier& demande)
{
    DemandesOuverture.push_back(demande);
    if (FListes.empty())
        return {};
    std::vector<std::string> noms = std::move(FListes.front());
    FListes.pop_front();
    return noms;
}

TReponseFichier TDialoguesScriptes::EnregistreFichier(const TDemandeFichier& demande)
{
    DemandesEnregistrement.push_back(demande);
    return ReponseFichier();
}

bool TDialoguesScriptes::ChoisitImprimante(QPrinter&)
{
    ++NbChoixImprimante;
    return ImprimanteChoisie;
}

TBureauEnregistre::TBureauEnregistre() : FAncien(InstalleBureau(this)) {}

TBureauEnregistre::~TBureauEnregistre()
{
    InstalleBureau(FAncien);
}

bool TBureauEnregistre::OuvreUrl(const std::string& url)
{
    Urls.push_back(url);
    return Reussit;
}

} // namespace testsupport
