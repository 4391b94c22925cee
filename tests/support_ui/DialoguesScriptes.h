#pragma once

#include "platform/Bureau.h"
#include "platform/Dialogues.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// Stands in for the desktop's modal services while it lives. Each modal form
// is shown (offscreen), handed to the next scripted answer, which may click
// its buttons, and the form's result is returned; a form with no answer left
// is recorded and gets Cancel. File dialogs answer from their own queue and
// record what they were asked; the printer choice answers ImprimanteChoisie.
class TDialoguesScriptes : public TServiceDialogues {
public:
    using TReponse = std::function<void(QDialog&)>;

    TDialoguesScriptes();
    ~TDialoguesScriptes() override;
    TDialoguesScriptes(const TDialoguesScriptes&) = delete;
    TDialoguesScriptes& operator=(const TDialoguesScriptes&) = delete;

    // The next form gets this treatment; its result is what the form was ended with.
    void Repond(TReponse reponse) { FReponses.push_back(std::move(reponse)); }
    // The next form ends with this result, whatever it shows.
    void RepondResultat(int resultat);
    void RepondFichier(const std::string& nomFichier, int indexFiltre = 1);
    void RefuseFichier();
    // The next multiple-selection open answers these files (none: cancelled).
    void RepondFichiers(std::vector<std::string> noms) { FListes.push_back(std::move(noms)); }

    int ExecuteModal(QDialog& dialogue) override;
    TReponseFichier OuvreFichier(const TDemandeFichier& demande) override;
    std::vector<std::string> OuvreFichiers(const TDemandeFichier& demande) override;
    TReponseFichier EnregistreFichier(const TDemandeFichier& demande) override;
    bool ChoisitImprimante(QPrinter& imprimante) override;

    // Called on every form once it shows, before its answer.
    std::function<void(QDialog&)> Inspecte;
    std::vector<std::string> TitresFormes; // window title of every modal form
    std::vector<TDemandeFichier> DemandesOuverture;
    std::vector<TDemandeFichier> DemandesEnregistrement;
    int NbChoixImprimante = 0;
    bool ImprimanteChoisie = true;

private:
    TReponseFichier ReponseFichier();

    std::deque<TReponse> FReponses;
    std::deque<TReponseFichier> FFichiers;
    std::deque<std::vector<std::string>> FListes;
    TServiceDialogues* FAncien;
};

// Records the addresses the program opens with the desktop instead of opening them.
class TBureauEnregistre : public TServiceBureau {
public:
    TBureauEnregistre();
    ~TBureauEnregistre() override;
    TBureauEnregistre(const TBureauEnregistre&) = delete;
    TBureauEnregistre& operator=(const TBureauEnregistre&) = delete;

    bool OuvreUrl(const std::string& url) override;

    std::vector<std::string> Urls;
    // False: the desktop has nothing that opens an address.
    bool Reussit = true;

private:
    TServiceBureau* FAncien;
};

} // namespace testsupport
