#include "controls/Dessin.h"
#include "controls/message2.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"

#include <QApplication>

// The program's entry routine. The hidden skin form is made before the main
// window so that the window's skinned panels find their models; the message
// box and the progress form of loads and saves serve the whole run. The main window's creation runs the start-up: when
// one of its checks fails the program ends without a window.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Brevalune 7.56"));
    TMessagesFenetre messages;
    TEtatSauveQt etatSauve;
    TDessin dessin;
    Tf_Principale principale;
    if (principale.TagApplication != 0)
        return 0;
    principale.show();
    return app.exec();
}
