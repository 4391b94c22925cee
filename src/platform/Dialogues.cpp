#include "platform/Dialogues.h"

#include <QFileDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

#include <filesystem>
#include <utility>

TDialogue::TDialogue(QWidget* parent) : QDialog(parent) {}

void TDialogue::SetModalResult(int resultat)
{
    if (resultat == ResultatModal::Aucun)
        return;
    // QDialog::exec() shows the form before it starts its loop: ended now, the
    // hidden form would leave that loop waiting for ever.
    if (FEnAffichage) {
        FResultatEnAttente = resultat;
        setResult(resultat);
        return;
    }
    done(resultat);
}

int TDialogue::exec()
{
    const QPointer<TDialogue> garde(this);
    FDansExec = true;
    const int resultat = QDialog::exec();
    if (garde)
        FDansExec = false;
    return resultat;
}

void TDialogue::setVisible(bool visible)
{
    if (!visible || !FDansExec || isVisible()) {
        QDialog::setVisible(visible);
        return;
    }
    const QPointer<TDialogue> garde(this);
    FEnAffichage = true;
    FResultatEnAttente = ResultatModal::Aucun;
    QDialog::setVisible(true);
    if (!garde)
        return;
    FEnAffichage = false;
    const int resultat = std::exchange(FResultatEnAttente, ResultatModal::Aucun);
    // Nothing runs between the showing and the loop: the first event the
    // loop handles is this one.
    if (resultat != ResultatModal::Aucun)
        QMetaObject::invokeMethod(
            this, [this, resultat] { done(resultat); }, Qt::QueuedConnection);
}

void TDialogue::reject()
{
    done(ResultatModal::Annuler);
}

namespace {

std::vector<std::string> Coupe(const std::string& texte, char separateur)
{
    std::vector<std::string> parties;
    std::string::size_type debut = 0;
    for (;;) {
        const auto fin = texte.find(separateur, debut);
        parties.push_back(texte.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
        if (fin == std::string::npos)
            return parties;
        debut = fin + 1;
    }
}

std::string Rogne(const std::string& texte)
{
    const auto debut = texte.find_first_not_of(' ');
    if (debut == std::string::npos)
        return {};
    return texte.substr(debut, texte.find_last_not_of(' ') - debut + 1);
}

QString Qs(const std::string& texte)
{
    return QString::fromStdString(texte);
}

QStringList FiltresQt(const std::vector<TFiltreFichier>& filtres)
{
    QStringList liste;
    for (const std::string& filtre : FiltresPourQt(filtres))
        liste << Qs(filtre);
    return liste;
}

void PrepareDialogue(QFileDialog& dialogue, const TDemandeFichier& demande, const QStringList& filtres)
{
    dialogue.setWindowTitle(Qs(demande.Titre));
    if (!filtres.isEmpty()) {
        dialogue.setNameFilters(filtres);
        const int index = demande.IndexFiltre >= 1 && demande.IndexFiltre <= filtres.size() ? demande.IndexFiltre : 1;
        dialogue.selectNameFilter(filtres[index - 1]);
    }
    if (!demande.ExtensionDefaut.empty())
        dialogue.setDefaultSuffix(Qs(demande.ExtensionDefaut));
    if (!demande.DossierInitial.empty())
        dialogue.setDirectory(Qs(demande.DossierInitial));
    if (!demande.NomFichier.empty())
        dialogue.selectFile(Qs(demande.NomFichier));
}

TReponseFichier ExecuteDialogueFichier(const TDemandeFichier& demande, bool enregistre)
{
    const QStringList filtres = FiltresQt(LitFiltres(demande.Filtre));
    QFileDialog dialogue;
    PrepareDialogue(dialogue, demande, filtres);
    dialogue.setAcceptMode(enregistre ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(enregistre ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    TReponseFichier reponse;
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return reponse;
    reponse.Ok = true;
    reponse.NomFichier = AjouteExtensionDefaut(dialogue.selectedFiles().first().toStdString(), demande.ExtensionDefaut);
    const auto index = filtres.indexOf(dialogue.selectedNameFilter());
    reponse.IndexFiltre = index >= 0 ? static_cast<int>(index) + 1 : 1;
    return reponse;
}

TDialoguesBureau& ServiceBureau()
{
    static TDialoguesBureau service;
    return service;
}

TServiceDialogues* ServiceInstalle = nullptr;

} // namespace

std::vector<TFiltreFichier> LitFiltres(const std::string& filtre)
{
    std::vector<TFiltreFichier> filtres;
    if (filtre.empty())
        return filtres;
    const auto parties = Coupe(filtre, '|');
    for (std::size_t i = 0; i < parties.size(); i += 2) {
        TFiltreFichier f;
        f.Description = parties[i];
        if (i + 1 < parties.size())
            for (const auto& motif : Coupe(parties[i + 1], ';'))
                if (!Rogne(motif).empty())
                    f.Motifs.push_back(Rogne(motif));
        if (f.Motifs.empty())
            f.Motifs.push_back("*");
        filtres.push_back(std::move(f));
    }
    return filtres;
}

std::vector<std::string> FiltresPourQt(const std::vector<TFiltreFichier>& filtres)
{
    std::vector<std::string> liste;
    for (const auto& filtre : filtres) {
        // The descriptions show their patterns already ("Saison (*.sai; *.xmc)"):
        // Qt reads the patterns out of the last parenthesised group, separated
        // by blanks, so that group is written again in its form.
        std::string description = Rogne(filtre.Description);
        if (!description.empty() && description.back() == ')') {
            const auto ouvrante = description.rfind('(');
            if (ouvrante != std::string::npos)
                description = Rogne(description.substr(0, ouvrante));
        }
        std::string motifs;
        for (const auto& motif : filtre.Motifs)
            motifs += (motifs.empty() ? "" : " ") + motif;
        liste.push_back((description.empty() ? std::string() : description + " ") + "(" + motifs + ")");
    }
    return liste;
}

std::string AjouteExtensionDefaut(const std::string& nomFichier, const std::string& extension)
{
    if (nomFichier.empty() || extension.empty())
        return nomFichier;
    if (std::filesystem::path(nomFichier).has_extension())
        return nomFichier;
    return nomFichier + "." + extension;
}

int TDialoguesBureau::ExecuteModal(QDialog& dialogue)
{
    return dialogue.exec();
}

TReponseFichier TDialoguesBureau::OuvreFichier(const TDemandeFichier& demande)
{
    return ExecuteDialogueFichier(demande, false);
}

std::vector<std::string> TDialoguesBureau::OuvreFichiers(const TDemandeFichier& demande)
{
    const QStringList filtres = FiltresQt(LitFiltres(demande.Filtre));
    QFileDialog dialogue;
    PrepareDialogue(dialogue, demande, filtres);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFiles);
    std::vector<std::string> noms;
    if (dialogue.exec() == QDialog::Accepted)
        for (const QString& nom : dialogue.selectedFiles())
            noms.push_back(nom.toStdString());
    return noms;
}

TReponseFichier TDialoguesBureau::EnregistreFichier(const TDemandeFichier& demande)
{
    return ExecuteDialogueFichier(demande, true);
}

bool TDialoguesBureau::ChoisitImprimante(QPrinter& imprimante)
{
    QPrintDialog dialogue(&imprimante);
    return dialogue.exec() == QDialog::Accepted;
}

TServiceDialogues& Dialogues()
{
    return ServiceInstalle != nullptr ? *ServiceInstalle : ServiceBureau();
}

TServiceDialogues* InstalleDialogues(TServiceDialogues* service)
{
    TServiceDialogues* ancien = ServiceInstalle;
    ServiceInstalle = service;
    return ancien;
}
