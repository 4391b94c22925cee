#include <QApplication>
#include <QMainWindow>

// The program's main routine. The real start-up (settings, translator,
// catalogue, main window) replaces this placeholder window.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Brevalune"));
    window.resize(800, 600);
    window.show();
    return app.exec();
}
