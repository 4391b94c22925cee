#include "shell/w_MessageMAJ.h"

#include "base/oTraducteur.h"
#include "controls/ImageFond.h"
#include "pagebase/w_blasons.h"
#include "platform/Bureau.h"

#include <QLabel>

namespace {

enum : int {
    TexteOk = 123,
    TexteSite = 984,
};

constexpr int Marge = 12;
constexpr int Largeur = 420;

} // namespace

std::string AdresseSite(const std::string& base, const std::string& chemin)
{
    std::string debut = base;
    while (!debut.empty() && debut.back() == '/')
        debut.pop_back();
    std::string::size_type i = 0;
    while (i < chemin.size() && chemin[i] == '/')
        ++i;
    return debut + "/" + chemin.substr(i);
}

Tf_MessageMAJ::Tf_MessageMAJ(QWidget* parent) : TDialogue(parent)
{
    setWindowTitle(QStringLiteral("Brevalune"));
    Label1 = new QLabel(this);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    b_Ok = CreeBouton(this, TexteOk, "OK");
    b_Ok->SetDefault(true);
    b_Ok->SetCancel(true);
    bc_Site = CreeBouton(this, TexteSite, "Aller sur le site");
    b_Ok->OnClick = [this] { b_OkClick(); };
    bc_Site->OnClick = [this] { bc_SiteClick(); };
}

int Tf_MessageMAJ::Affiche(const std::string& texte)
{
    Label1->setText(QString::fromStdString(texte));
    bc_Site->SetCaption(TexteOuDefaut(TexteSite, "Aller sur le site"));
    b_Ok->SetCaption(TexteOuDefaut(TexteOk, "OK"));
    // The label takes the height its text needs; the buttons go below it.
    const int largeurTexte = Largeur - 2 * Marge;
    const int hauteurTexte =
        Label1->heightForWidth(largeurTexte) > 0 ? Label1->heightForWidth(largeurTexte) : Label1->sizeHint().height();
    Label1->setGeometry(Marge, Marge, largeurTexte, hauteurTexte);
    const int yBoutons = Marge + hauteurTexte + 30;
    bc_Site->move(Marge, yBoutons);
    b_Ok->move(Largeur - Marge - b_Ok->width(), yBoutons);
    setFixedSize(Largeur, hauteurTexte + 127);
    return Dialogues().ExecuteModal(*this);
}

void Tf_MessageMAJ::b_OkClick()
{
    SetModalResult(ResultatModal::Ok);
}

void Tf_MessageMAJ::bc_SiteClick()
{
    OuvrePageWeb(AdresseSite(Site, "redir.php"));
}

int AfficheMessageMaj(const std::string& texte, const std::string& site, QWidget* parent)
{
    Tf_MessageMAJ forme(parent);
    forme.Site = site;
    return forme.Affiche(texte);
}
