#include "shell/w_EtatSauve.h"

#include "base/oTraducteur.h"
#include "files/ChargeurXmp.h"
#include "model/SaisonFoot.h"
#include "platform/FilUI.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include <system_error>

// --- TIOThread ---------------------------------------------------------------

TIOThread::TIOThread(std::string nomFichier, std::string dllDir, Tf_EtatSauve* forme)
    : m_NomFichier(std::move(nomFichier)), m_DllDir(std::move(dllDir)), m_Forme(forme)
{
}

TIOThread::~TIOThread()
{
    Attend();
}

void TIOThread::Demarre()
{
    m_Fil = std::thread([this] {
        m_IdFil = std::this_thread::get_id();
        bool ok = false;
        try {
            ok = Execute();
        } catch (...) {
            ok = false;
            m_Echec = EchecDeException(std::current_exception());
        }
        m_Reussi = ok;
        // The end is posted after every progress value, so the form sees them all first.
        QPointer<Tf_EtatSauve> forme = m_Forme;
        PosteSurFilUI([forme] {
            if (forme)
                forme->FinThread();
        });
    });
}

void TIOThread::Attend()
{
    if (m_Fil.joinable())
        m_Fil.join();
}

void TIOThread::Progression(int valeur)
{
    // Only a change is worth a trip to the interface thread.
    if (m_Progression.exchange(valeur) == valeur)
        return;
    QPointer<Tf_EtatSauve> forme = m_Forme;
    PosteSurFilUI([forme, valeur] {
        if (forme)
            forme->MajProgression(valeur);
    });
}

TChargeThread::TChargeThread(std::string nomFichier, std::string dllDir, Tf_EtatSauve* forme, TSaison& saison)
    : TIOThread(std::move(nomFichier), std::move(dllDir), forme), m_Saison(saison)
{
}

bool TChargeThread::Execute()
{
    return TTraiteurFichier::ChargeFichier(
        m_NomFichier, m_Saison, m_DllDir, [this](int valeur) { Progression(valeur); }, &m_Echec);
}

TSauveThread::TSauveThread(std::string nomFichier, std::string dllDir, Tf_EtatSauve* forme, const TSaison& saison)
    : TIOThread(std::move(nomFichier), std::move(dllDir), forme), m_Saison(saison)
{
}

bool TSauveThread::Execute()
{
    TChargeurXmp chargeur(m_NomFichier, m_DllDir);
    const bool ok = chargeur.SauveSaison(m_Saison, [this](int valeur) { Progression(valeur); });
    m_Erreur = chargeur.GetErreur();
    return ok;
}

// --- Tf_EtatSauve ------------------------------------------------------------

Tf_EtatSauve::Tf_EtatSauve(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QStringLiteral("Chargement / Sauvegarde"));
    setWindowFlags(windowFlags() & ~Qt::WindowCloseButtonHint & ~Qt::WindowContextHelpButtonHint);
    auto* disposition = new QVBoxLayout(this);
    Label2 = new QLabel(QStringLiteral("Chargement du fichier"), this);
    disposition->addWidget(Label2);
    auto* panel1 = new QFrame(this);
    panel1->setFrameShape(QFrame::StyledPanel);
    auto* dispositionPanel = new QVBoxLayout(panel1);
    pb_Progression = new QProgressBar(panel1);
    pb_Progression->setRange(0, 100);
    pb_Progression->setValue(0);
    dispositionPanel->addWidget(pb_Progression);
    disposition->addWidget(panel1);
    t_Declenche = new QTimer(this);
    t_Declenche->setInterval(100);
    t_Declenche->setSingleShot(true);
    connect(t_Declenche, &QTimer::timeout, this, [this] { t_DeclencheTimer(); });
    resize(320, 90);
}

Tf_EtatSauve::~Tf_EtatSauve()
{
    // The worker may not outlive what it reads or writes.
    if (m_Fil)
        m_Fil->Attend();
}

TSaison* Tf_EtatSauve::PrepareChargement(const std::string& nomFichier, const std::string& dllDir)
{
    m_Mode = ModeChargement;
    m_NomFichier = nomFichier;
    m_DllDir = dllDir;
    m_ASauver = nullptr;
    m_Nouvelle = std::make_unique<TSaisonFootball>();
    if (Traducteur()) {
        Label2->setText(QString::fromStdString(Traduit(449)));
        setWindowTitle(QString::fromStdString(Traduit(450)));
    }
    t_Declenche->start();
    return m_Nouvelle.get();
}

void Tf_EtatSauve::PrepareSauvegarde(const std::string& nomFichier, const std::string& dllDir, const TSaison& saison)
{
    m_Mode = ModeSauvegarde;
    m_NomFichier = nomFichier;
    m_DllDir = dllDir;
    m_ASauver = &saison;
    m_Nouvelle.reset();
    if (Traducteur()) {
        Label2->setText(QString::fromStdString(Traduit(451)));
        setWindowTitle(QString::fromStdString(Traduit(452)));
    }
    t_Declenche->start();
}

int Tf_EtatSauve::Execute()
{
    // Not a question to the user: the worker decides how the form ends.
    return exec();
}

std::unique_ptr<TSaison> Tf_EtatSauve::PrendSaison()
{
    if (result() != ResultatModal::Ok)
        return nullptr;
    return std::move(m_Nouvelle);
}

int Tf_EtatSauve::Position() const
{
    return pb_Progression->value();
}

void Tf_EtatSauve::t_DeclencheTimer()
{
    t_Declenche->stop();
    MajProgression(0);
    if (m_Fil)
        return;
    if (m_Mode == ModeChargement && m_Nouvelle)
        m_Fil = std::make_unique<TChargeThread>(m_NomFichier, m_DllDir, this, *m_Nouvelle);
    else if (m_Mode == ModeSauvegarde && m_ASauver)
        m_Fil = std::make_unique<TSauveThread>(m_NomFichier, m_DllDir, this, *m_ASauver);
    if (!m_Fil) {
        done(ResultatModal::Annuler);
        return;
    }
    try {
        m_Fil->Demarre();
    } catch (const std::system_error&) {
        // No thread to be had: the load or save did not happen.
        m_Fil.reset();
        m_Nouvelle.reset();
        done(ResultatModal::Annuler);
    }
}

void Tf_EtatSauve::MajProgression(int valeur)
{
    pb_Progression->setValue(valeur);
    m_Positions.push_back(pb_Progression->value());
}

void Tf_EtatSauve::FinThread()
{
    if (!m_Fil)
        return;
    m_Fil->Attend();
    const bool ok = m_Fil->Reussi();
    m_Erreur = ok ? 0 : m_Fil->Erreur();
    m_Echec = ok ? TEchecChargement{} : m_Fil->Echec();
    m_IdFilTravail = m_Fil->IdFil();
    m_Fil.reset();
    if (!ok)
        m_Nouvelle.reset();
    done(ok ? ResultatModal::Ok : ResultatModal::Annuler);
}

void Tf_EtatSauve::reject()
{
    // Escape or the title bar cannot stop a worker half way.
    if (!m_Fil)
        TDialogue::reject();
}

void Tf_EtatSauve::closeEvent(QCloseEvent* event)
{
    if (m_Fil)
        event->ignore();
    else
        TDialogue::closeEvent(event);
}

// --- TEtatSauveQt ------------------------------------------------------------

TEtatSauveQt::TEtatSauveQt() : m_Ancien(InstalleServiceEtatSauve(this)) {}

TEtatSauveQt::~TEtatSauveQt()
{
    InstalleServiceEtatSauve(m_Ancien);
}

int TEtatSauveQt::Execute(Tf_EtatSauve& forme)
{
    const int resultat = forme.Execute();
    m_Positions = forme.Positions();
    m_AutreFil = forme.IdFilTravail() != std::thread::id() && forme.IdFilTravail() != std::this_thread::get_id();
    m_Erreur = resultat == ResultatModal::Ok ? 0 : forme.Erreur();
    m_Echec = resultat == ResultatModal::Ok ? TEchecChargement{} : forme.EchecChargement();
    return resultat;
}

namespace {

// The window the progress form is shown over: the top of the active window's
// parents, the main window. A window of a page (the match sheet a forecast
// opens in its own window) is freed with its page while a load runs, and
// would free the form, which lives on the caller's stack, with it.
QWidget* FenetreDeBase()
{
    QWidget* fenetre = QApplication::activeWindow();
    while (fenetre != nullptr && fenetre->parentWidget() != nullptr)
        fenetre = fenetre->parentWidget();
    return fenetre;
}

} // namespace

std::unique_ptr<TSaison> TEtatSauveQt::Charge(const std::string& nomFichier, const std::string& dllDir)
{
    Tf_EtatSauve forme(FenetreDeBase());
    forme.PrepareChargement(nomFichier, dllDir);
    if (Execute(forme) != ResultatModal::Ok)
        return nullptr;
    return forme.PrendSaison();
}

bool TEtatSauveQt::Sauve(const std::string& nomFichier, const std::string& dllDir, const TSaison& saison)
{
    Tf_EtatSauve forme(FenetreDeBase());
    forme.PrepareSauvegarde(nomFichier, dllDir, saison);
    return Execute(forme) == ResultatModal::Ok;
}
