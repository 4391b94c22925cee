#include "pages/vues/w_EquipeHistorique.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>

namespace {

enum : int {
    TexteValider = 29,
    TexteAnnuler = 125,
    TexteAnnee = 350,
    TexteNombre = 640,
    TexteFenetre = 1268,
    TexteListe = 1269,
};

} // namespace

Tf_EquipeHistorique::Tf_EquipeHistorique(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "Nouvelle saison")));
    auto* Label4 = new QLabel(QString::fromStdString(TexteOuDefaut(TexteAnnee, "Année")), this);
    Label4->setGeometry(8, 8, 60, 22);
    ud_Annee = new QSpinBox(this);
    ud_Annee->setRange(0, 5000);
    ud_Annee->setValue(2003);
    ud_Annee->setGeometry(72, 8, 80, 22);
    auto* Label2 = new QLabel(QString::fromStdString(TexteOuDefaut(TexteListe, "Liste d'équipes")), this);
    Label2->setGeometry(8, 38, 180, 20);
    lb_Equipe = new QListWidget(this);
    lb_Equipe->setGeometry(8, 60, 180, 240);
    lb_Equipe->setDragEnabled(true);
    connect(lb_Equipe, &QListWidget::itemDoubleClicked, this, [this] { lb_EquipeDblClick(); });
    Label1 = new QLabel(this);
    Label1->setGeometry(200, 38, 200, 20);
    m_Equipe = new QPlainTextEdit(this);
    m_Equipe->setGeometry(200, 60, 200, 240);
    m_Equipe->setAcceptDrops(true);
    m_Equipe->viewport()->installEventFilter(this);
    connect(m_Equipe, &QPlainTextEdit::textChanged, this, [this] { m_EquipeChange(); });
    b_Valider = CreeBoutonValider(this, TexteValider, "Valider");
    b_Annuler = CreeBoutonAnnuler(this, TexteAnnuler, "Annuler");
    b_Valider->move(75, 316);
    b_Annuler->move(215, 316);
    setFixedSize(410, 350);
    m_EquipeChange();
}

void Tf_EquipeHistorique::RemplitEquipes(const std::vector<std::string>& Noms)
{
    lb_Equipe->clear();
    for (const std::string& Nom : Noms)
        lb_Equipe->addItem(QString::fromStdString(Nom));
}

void Tf_EquipeHistorique::lb_EquipeDblClick()
{
    const QListWidgetItem* Ligne = lb_Equipe->currentItem();
    if (Ligne == nullptr)
        return;
    m_Equipe->appendPlainText(Ligne->text());
}

std::vector<std::string> Tf_EquipeHistorique::Lignes() const
{
    std::vector<std::string> Resultat;
    for (const QString& Ligne : m_Equipe->toPlainText().split('\n'))
        Resultat.push_back(Ligne.toStdString());
    if (!Resultat.empty() && Resultat.back().empty())
        Resultat.pop_back();
    return Resultat;
}

int Tf_EquipeHistorique::Annee() const
{
    return ud_Annee->value();
}

void Tf_EquipeHistorique::m_EquipeChange()
{
    const int N = m_Equipe->toPlainText().isEmpty() ? 0 : static_cast<int>(Lignes().size());
    Label1->setText(QString::fromStdString(TraduitFmt(TexteNombre, {N})));
}

bool Tf_EquipeHistorique::eventFilter(QObject* objet, QEvent* event)
{
    // Only a name of the list may be dropped, and it comes as a line of its own.
    if (objet == m_Equipe->viewport() && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
        auto* Glisse = static_cast<QDropEvent*>(event);
        if (Glisse->source() == lb_Equipe && lb_Equipe->currentItem() != nullptr)
            Glisse->acceptProposedAction();
        else
            Glisse->ignore();
        return true;
    }
    if (objet == m_Equipe->viewport() && event->type() == QEvent::Drop) {
        auto* Depot = static_cast<QDropEvent*>(event);
        if (Depot->source() == lb_Equipe)
            lb_EquipeDblClick();
        Depot->acceptProposedAction();
        return true;
    }
    return TDialogue::eventFilter(objet, event);
}
