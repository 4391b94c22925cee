#include "shell/MiseAJour.h"

#include "base/ServiceMessage.h"
#include "base/Utilities.h"
#include "base/Version.h"
#include "base/oTraducteur.h"
#include "platform/Bureau.h"
#include "platform/Dialogues.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

std::string NomProduit()
{
    return Traducteur() ? Traducteur()->GetNomProduit() : std::string();
}

// The update message: the announcement, a button to the site's download page
// and OK.
int AfficheMessage(QWidget* proprietaire, const std::string& site, const std::string& texte)
{
    TDialogue forme(proprietaire);
    forme.setWindowTitle(QString::fromStdString(NomProduit()));
    auto* disposition = new QVBoxLayout(&forme);
    auto* label1 = new QLabel(QString::fromStdString(texte), &forme);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    disposition->addWidget(label1);
    auto* boutons = new QHBoxLayout;
    auto* bcSite = new QPushButton(QString::fromStdString(Traduit(984)), &forme);
    bcSite->setObjectName(QStringLiteral("bc_Site"));
    auto* bOk = new QPushButton(QString::fromStdString(Traduit(123)), &forme);
    bOk->setObjectName(QStringLiteral("b_Ok"));
    boutons->addWidget(bcSite);
    boutons->addStretch();
    boutons->addWidget(bOk);
    disposition->addLayout(boutons);
    QObject::connect(bOk, &QPushButton::clicked, &forme, [&forme] { forme.SetModalResult(ResultatModal::Ok); });
    // The dialog stays open while the page shows in the browser.
    QObject::connect(bcSite, &QPushButton::clicked, &forme, [site] { OuvrePageWeb(site + "redir.php"); });
    return Dialogues().ExecuteModal(forme);
}

} // namespace

std::string UrlMiseAJour(const std::string& site)
{
    return site + "/checkver.php?ver=" + VersionProgramme();
}

std::string TexteMiseAJour(const std::string& reponse)
{
    if (reponse.find("Failed :") != std::string::npos)
        return {};
    if (reponse.find("#maj") == std::string::npos)
        return Traduit(985);
    const size_t saut = reponse.find('\n');
    std::string texte = saut == std::string::npos ? reponse : reponse.substr(saut + 1);
    return texte + TraduitFmt(646, {NomProduit()});
}

void VerifieMiseAJour(const std::string& site, const TAfficheMessageMaj& affiche)
{
    try {
        const std::string texte = TexteMiseAJour(HttpGetTexte(UrlMiseAJour(site)));
        if (!texte.empty() && affiche)
            affiche(texte);
    } catch (...) {
        MessageUtil(TraduitFmt(1990, {site}), BoutonsMessage::Ok);
    }
}

void VerifieMiseAJour(const std::string& site, QWidget* proprietaire)
{
    VerifieMiseAJour(site, [&](const std::string& texte) { return AfficheMessage(proprietaire, site, texte); });
}
