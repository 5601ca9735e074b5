#include <QApplication>
#include <QFile>

#include "Windows.h"
#include "form/Game.h"
#include "kit/FormBinder.h"
#include "kit/QtDialogs.h"
#include "kit/Theme.h"

using namespace quorvex;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvex"));
    // The game decides when it ends: when its main menu goes, not when some window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::applyTheme(app);

    ui::QtDialogs dialogs;
    Game game(dialogs);
    // Saves are offered next to the program file.
    game.state.GameDir =
        QFile::encodeName(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();

    const ui::WindowSet windows = ui::createWindows();
    ui::FormBinder::Windows bound{};
    for (std::size_t i = 0; i < windows.size(); ++i)
        bound[i] = windows[i].get();
    ui::FormBinder binder(game, bound);
    dialogs.beforeBox = [&binder] { binder.sync(); };
    dialogs.parentWindow = [&binder] { return binder.frontWindow(); };
    binder.onMainMenuClosed = [] { QCoreApplication::exit(0); };

    binder.start();
    return QApplication::exec();
}
