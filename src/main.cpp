// The program: creates the main window, shows it and runs until the player leaves.
#include <QApplication>

#include "forms/frmMain.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Names the player's own data folder (~/.local/share/fitzel), where an installed copy keeps its
    // scores.
    QApplication::setApplicationName(QStringLiteral("fitzel"));
    fitzel::frmMain window;
    QObject::connect(&window, &fitzel::frmMain::programEnded, &app, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
