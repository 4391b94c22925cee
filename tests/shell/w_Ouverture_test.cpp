// The opening dialog as the main window fills it: the last file's name added
// to its option after the dialog is made, every caption whole, in both
// languages.

#include "shell/w_Ouverture.h"

#include "base/Utilities.h"
#include "base/oTraducteur.h"
#include "controls/BoutonCoche.h"
#include "support_ui/RenduPng.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

class Ouverture : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { InstalleTraducteur(std::make_unique<TTraducteur>(AppDir() + "texte/" + GetParam())); }
    void TearDown() override { InstalleTraducteur(nullptr); }
};

TEST_P(Ouverture, LeDernierFichierSeLitJusquASaParenthese)
{
    Tf_Ouverture ouverture;
    ouverture.rb_Last->SetCaption(ouverture.rb_Last->Caption() + " (coupe-du-monde-2022.xmc)");
    ouverture.show();
    QApplication::processEvents();
    for (const TRondCoche* option : {ouverture.rb_Last, ouverture.rb_Ouvrir, ouverture.rb_Nouveau}) {
        const std::string caption = option->Caption();
        // The caption starts right of the round box.
        const int texte = QFontMetrics(option->font()).horizontalAdvance(QString::fromStdString(caption));
        EXPECT_LE(25 + texte, option->width()) << GetParam() << " \"" << caption << "\"";
        const QRect dansDialogue(option->mapTo(&ouverture, QPoint(0, 0)), option->size());
        EXPECT_TRUE(ouverture.rect().contains(dansDialogue)) << GetParam() << " \"" << caption << "\"";
    }
    testsupport::RendPng(ouverture, std::string("ouverture_") + GetParam());
}

INSTANTIATE_TEST_SUITE_P(Langues, Ouverture, ::testing::Values("Textefr.txt", "Texteen.txt"));

} // namespace
