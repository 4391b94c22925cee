#include "controls/Dessin.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// main() of the interface tests: one QApplication for the whole run, offscreen
// unless the caller chose another platform, and the hidden skin form the
// skinned controls paint from, as the program creates them at start-up.
int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    TDessin dessin;
    return RUN_ALL_TESTS();
}
