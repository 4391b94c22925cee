#include "controls/ComboBox.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QTest>
#include <gtest/gtest.h>

TEST(ComboBox98, PliageDesAccents)
{
    EXPECT_EQ(NormaliseTexte("éèêëàâäùûüîïôö"), "EEEEAAAUUUIIOO");
    EXPECT_EQ(NormaliseTexte("abc XYZ-9"), "ABC XYZ-9");
    EXPECT_EQ(NormaliseTexte("ÉçÀ"), "ÉçÀ") << "upper-case accents and ç stay";
}

TEST(ComboBox98, CompletionDuPremierElementPossible)
{
    TComboBox98 combo;
    // In folded order: an upper-case accent folds to nothing and sorts last.
    combo.addItems({"Arsenal", "éverton", "Lens", "Lille", "Lorient", "Étoile"});
    QLineEdit* edit = combo.lineEdit();
    edit->clear();
    // The first item completes: the search is a lower bound.
    QTest::keyClicks(edit, "a");
    EXPECT_EQ(combo.IndexComplete(), 0);
    EXPECT_EQ(edit->text().toStdString(), "arsenal") << "the typed letters stay as typed";
    EXPECT_EQ(edit->selectedText().toStdString(), "rsenal");

    edit->clear();
    QTest::keyClicks(edit, "ev");
    EXPECT_EQ(combo.IndexComplete(), 1);
    EXPECT_EQ(edit->text().toStdString(), "everton");

    edit->clear();
    QTest::keyClicks(edit, "li");
    EXPECT_EQ(edit->text().toStdString(), "lille");
    EXPECT_EQ(combo.TexteTape(), "li");

    // After Backspace or Delete nothing is completed.
    edit->setText("lo");
    edit->setCursorPosition(2);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text().toStdString(), "l");
    EXPECT_EQ(combo.IndexComplete(), -1);

    // An item that starts with an upper-case accent never completes from a plain letter.
    edit->clear();
    QTest::keyClicks(edit, "et");
    EXPECT_EQ(combo.IndexComplete(), -1);
    EXPECT_EQ(edit->text().toStdString(), "et");
    edit->clear();
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(combo.IndexComplete(), -1);
}

TEST(ComboBox98, RefusLongueurMinimaleEtCompletionModifiee)
{
    TComboBox98 combo;
    combo.addItems({"Marseille", "Metz", "Monaco"});
    QLineEdit* edit = combo.lineEdit();
    edit->clear();
    combo.SetMinLengthComplete(2);
    QTest::keyClicks(edit, "m");
    EXPECT_EQ(edit->text().toStdString(), "m");
    QTest::keyClicks(edit, "o");
    EXPECT_EQ(edit->text().toStdString(), "monaco");
    edit->clear();
    combo.OnComplete = [](TComboBox98*, uint16_t touche, std::string& complement, bool& faire) {
        EXPECT_EQ(touche, 'e');
        if (complement == "tz")
            faire = false;
        else
            complement = "!";
    };
    QTest::keyClicks(edit, "me");
    EXPECT_EQ(edit->text().toStdString(), "me");
    EXPECT_EQ(combo.IndexComplete(), 1);
    combo.SetComplete(false);
    edit->clear();
    QTest::keyClicks(edit, "ma");
    EXPECT_EQ(edit->text().toStdString(), "ma");
}

// A choice too long for the box is drawn with an ellipsis, and the tooltip
// holds it whole even when the list was filled with its signals blocked.
TEST(ComboAbrege, UnChoixTropLongEstAbregeAvecSaBulle)
{
    TComboAbrege boite;
    boite.resize(90, 24);
    {
        const QSignalBlocker bloque(&boite);
        boite.addItem("Nice");
        boite.addItem("Stade de Gerland (Lyon)");
        boite.setCurrentIndex(1);
    }
    boite.show();
    EXPECT_TRUE(boite.TexteAffiche().endsWith(QChar(0x2026))) << boite.TexteAffiche().toStdString();
    EXPECT_EQ(boite.toolTip().toStdString(), "Stade de Gerland (Lyon)");
    boite.setCurrentIndex(0);
    EXPECT_EQ(boite.TexteAffiche().toStdString(), "Nice");
    EXPECT_TRUE(boite.toolTip().isEmpty());
}
