// Starts the program as its entry routine does, on the program folder beside
// the executable, and ends as soon as the main window is shown and its first
// activation has run. It prints the milliseconds from the process's start to
// that moment; tools/demarrage.sh runs it several times.

#include "controls/Dessin.h"
#include "controls/message2.h"
#include "shell/w_EtatSauve.h"
#include "shell/w_Principale.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

// Seconds since boot at which this process started, from /proc.
double DebutProcessus()
{
    std::ifstream stat("/proc/self/stat");
    std::string texte((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command's name may hold blanks: the fields are counted after its ")".
    std::istringstream champs(texte.substr(texte.rfind(')') + 2));
    std::string champ;
    for (int i = 3; i <= 22 && champs >> champ; ++i) {
    }
    return std::stod(champ) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double Maintenant()
{
    timespec t{};
    clock_gettime(CLOCK_BOOTTIME, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Brevalune 7.56"));
    TMessagesFenetre messages;
    TEtatSauveQt etatSauve;
    TDessin dessin;
    Tf_Principale principale;
    if (principale.TagApplication != 0) {
        std::fprintf(stderr, "the start-up stopped\n");
        return 1;
    }
    principale.show();
    // Queued after the first activation, which showing the window queues.
    QTimer::singleShot(0, &app, [&] {
        std::printf("%.0f\n", (Maintenant() - DebutProcessus()) * 1e3);
        app.quit();
    });
    return app.exec();
}
