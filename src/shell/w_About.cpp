#include "shell/w_About.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

enum : int {
    TexteContinuer = 27,
    TexteVersion = 254,
    TexteCommentaire = 733,
    TexteFenetre = 735,
};

constexpr const char* NomProduit = "Brevalune";
constexpr const char* Credit = "Brevalune - suivi des championnats de football.";
constexpr const char* Contact1 = "Brevalune";
constexpr const char* Contact2 = "https://brevalune.example.org/";
constexpr const char* LigneCopyright = "Copyright \u00A9 2026 Brevalune";

QLabel* Ligne(QWidget* parent, bool gras = false)
{
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    if (gras) {
        QFont police = label->font();
        police.setBold(true);
        police.setPointSize(police.pointSize() + 4);
        label->setFont(police);
    }
    return label;
}

} // namespace

Tf_AboutBox::Tf_AboutBox(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QString::fromStdString(TexteOuDefaut(TexteFenetre, "A propos")));
    ProductName = Ligne(this, true);
    VersionLabel = Ligne(this);
    Copyright = Ligne(this);
    Copyright->setText(QString::fromUtf8(LigneCopyright));
    Comments = Ligne(this);
    Comments->setText(QString::fromStdString(Traduit(TexteCommentaire) + "\n" + Credit));
    Label1 = Ligne(this);
    Label2 = Ligne(this);
    BoutonCopie1 = CreeBouton(this, TexteContinuer, "Continuer");
    BoutonCopie1->SetModalResult(ResultatModal::Ok);
    BoutonCopie1->SetDefault(true);
    BoutonCopie1->SetCancel(true);

    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(ProductName);
    colonne->addWidget(VersionLabel);
    colonne->addWidget(Copyright);
    colonne->addWidget(Comments);
    colonne->addWidget(Label1);
    colonne->addWidget(Label2);
    colonne->addWidget(BoutonCopie1, 0, Qt::AlignCenter);
    setMinimumWidth(320);
}

void Tf_AboutBox::FormActivate()
{
    VersionLabel->setText(QString::fromStdString(Traduit(TexteVersion) + " " + Version));
    ProductName->setText(QString::fromStdString(std::string(NomProduit) + " " + Version));
    Label1->setText(QString::fromUtf8(Contact1));
    Label2->setText(QString::fromUtf8(Contact2));
}

void Tf_AboutBox::showEvent(QShowEvent* event)
{
    FormActivate();
    TDialogue::showEvent(event);
}
