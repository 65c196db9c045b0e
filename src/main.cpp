// The program: creates the main window, shows it and runs until the player leaves.
#include <QApplication>

#include "forms/Translations.h"
#include "forms/frmMain.h"

int main(int argc, char* argv[]) {
    // The game draws its own look. A desktop theme plugin (GTK's, which Qt picks on GNOME and its
    // kin) would cost more than the whole game: 14 to 68 MiB and nearly twice the start-up. So the
    // program takes the toolkit's plain theme, unless the player names one in QT_QPA_PLATFORMTHEME.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME")) {
        QApplication::setDesktopSettingsAware(false);
    }
    // On an X display, a window drawn through shared memory hears back from the X server after
    // every update, which wakes the program twice more in each second of a game, for an update
    // of a few kilobytes. The game's window sends its pixels over the connection instead. The
    // setting is the X plugin's, read once as it connects; it is taken back at once so that
    // programs the game starts (System Info, the browser) do not inherit it.
    const bool playersOwnSetting = qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (!playersOwnSetting) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication app(argc, argv);
    if (!playersOwnSetting) {
        qunsetenv("QT_XCB_NO_MITSHM");
    }
    // Names the player's own data folder (~/.local/share/fitzel), where an installed copy keeps its
    // scores.
    QApplication::setApplicationName(QStringLiteral("fitzel"));
    fitzel::speakLanguageOf(QLocale());
    fitzel::frmMain window;
    QObject::connect(&window, &fitzel::frmMain::programEnded, &app, &QCoreApplication::quit);
    window.show();
    return app.exec();
}
