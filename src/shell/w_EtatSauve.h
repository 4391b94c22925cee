#pragma once

// The modal progress form of a load or a save. The form's timer starts the
// one worker thread, which reads or writes the season while the form is
// modal; the worker posts its progress to the user-interface thread and, when
// it ends, the form closes itself with OK (the season was read or written) or
// Cancel. The worker is the only thread the program starts.

#include "files/TraiteurFichier.h"
#include "platform/Dialogues.h"

#include <QPointer>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;
class QTimer;
class QWidget;
class Tf_EtatSauve;

// One load or save on its own thread. The season and the form are only
// referred to: the form owns the worker and a loaded season, the caller a
// saved one.
class TIOThread {
public:
    TIOThread(std::string nomFichier, std::string dllDir, Tf_EtatSauve* forme);
    virtual ~TIOThread();
    TIOThread(const TIOThread&) = delete;
    TIOThread& operator=(const TIOThread&) = delete;

    // Starts the thread: Execute, then the form's FinThread on the
    // user-interface thread.
    void Demarre();
    // Waits for the thread to be done.
    void Attend();

    // Called by the worker: stores the value and hands it to the form's
    // progress bar on the user-interface thread.
    void Progression(int valeur);
    // True when the load or save succeeded (read once the thread ended).
    bool Reussi() const { return m_Reussi; }
    // After a failure: the system's error number, 0 when unknown (read once the thread ended).
    int Erreur() const { return m_Erreur; }
    // After a failed load: why (read once the thread ended).
    const TEchecChargement& Echec() const { return m_Echec; }
    std::thread::id IdFil() const { return m_IdFil; }

protected:
    // The work itself, on the worker thread; true on success.
    virtual bool Execute() = 0;

    std::string m_NomFichier;
    std::string m_DllDir;
    int m_Erreur = 0;
    TEchecChargement m_Echec;

private:
    void MajProgression(int valeur);

    QPointer<Tf_EtatSauve> m_Forme;
    std::atomic<int> m_Progression{-1};
    bool m_Reussi = false;
    std::thread::id m_IdFil;
    std::thread m_Fil;
};

// Reads a file into the season the form created; on failure the form frees it.
class TChargeThread : public TIOThread {
public:
    TChargeThread(std::string nomFichier, std::string dllDir, Tf_EtatSauve* forme, TSaison& saison);

protected:
    bool Execute() override;

private:
    TSaison& m_Saison;
};

// Writes the season as an archive; the season is never changed.
class TSauveThread : public TIOThread {
public:
    TSauveThread(std::string nomFichier, std::string dllDir, Tf_EtatSauve* forme, const TSaison& saison);

protected:
    bool Execute() override;

private:
    const TSaison& m_Saison;
};

class Tf_EtatSauve : public TDialogue {
    Q_OBJECT
public:
    static constexpr int ModeChargement = 0;
    static constexpr int ModeSauvegarde = 1;

    explicit Tf_EtatSauve(QWidget* parent = nullptr);
    ~Tf_EtatSauve() override;

    // Load mode: creates the empty season the load fills and returns it (the
    // form keeps it; after OK the caller takes it with PrendSaison).
    TSaison* PrepareChargement(const std::string& nomFichier, const std::string& dllDir);
    // Save mode: the season is only read, and stays the caller's.
    void PrepareSauvegarde(const std::string& nomFichier, const std::string& dllDir, const TSaison& saison);
    // Shows the form modally until the worker ends: OK or Cancel.
    int Execute();
    // After OK in load mode: the loaded season; null otherwise.
    std::unique_ptr<TSaison> PrendSaison();

    bool EnCours() const { return m_Fil != nullptr; }
    // The progress bar's position, 0..100.
    int Position() const;
    // Every position the bar took, in order (what a test watches).
    const std::vector<int>& Positions() const { return m_Positions; }
    // The id of the thread the last worker ran on.
    std::thread::id IdFilTravail() const { return m_IdFilTravail; }
    // Why the last worker failed: the system's error number, 0 when unknown.
    int Erreur() const { return m_Erreur; }
    // Why the last load failed.
    const TEchecChargement& EchecChargement() const { return m_Echec; }

    QLabel* Label2 = nullptr;
    QProgressBar* pb_Progression = nullptr;
    QTimer* t_Declenche = nullptr;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class TIOThread;
    void t_DeclencheTimer();
    void MajProgression(int valeur);
    void FinThread();

    int m_Mode = ModeChargement;
    std::string m_NomFichier;
    std::string m_DllDir;
    std::unique_ptr<TSaison> m_Nouvelle; // the season a load fills
    const TSaison* m_ASauver = nullptr;
    std::unique_ptr<TIOThread> m_Fil;
    std::vector<int> m_Positions;
    std::thread::id m_IdFilTravail;
    int m_Erreur = 0;
    TEchecChargement m_Echec;
};

// The progress form as the file dispatcher's service: installed for its
// lifetime (the program's start-up creates one), the former service back
// afterwards.
class TEtatSauveQt : public TServiceEtatSauve {
public:
    TEtatSauveQt();
    ~TEtatSauveQt() override;
    TEtatSauveQt(const TEtatSauveQt&) = delete;
    TEtatSauveQt& operator=(const TEtatSauveQt&) = delete;

    std::unique_ptr<TSaison> Charge(const std::string& nomFichier, const std::string& dllDir) override;
    bool Sauve(const std::string& nomFichier, const std::string& dllDir, const TSaison& saison) override;
    int DerniereErreur() const override { return m_Erreur; }
    TEchecChargement DernierEchecChargement() const override { return m_Echec; }

    // The bar positions of the last load or save, in order.
    const std::vector<int>& DernieresPositions() const { return m_Positions; }
    // True when the last one ran its worker on another thread than the caller's.
    bool DernierSurAutreFil() const { return m_AutreFil; }

private:
    int Execute(Tf_EtatSauve& forme);

    TServiceEtatSauve* m_Ancien;
    std::vector<int> m_Positions;
    bool m_AutreFil = false;
    int m_Erreur = 0;
    TEchecChargement m_Echec;
};
