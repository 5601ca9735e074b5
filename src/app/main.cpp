#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStandardPaths>
#include <memory>

#include "Windows.h"
#include "form/Game.h"
#include "history/HistoryWindow.h"
#include "journal/Journal.h"
#include "keep/GameKeeper.h"
#include "kit/FormBinder.h"
#include "kit/QtDialogs.h"
#include "kit/Theme.h"

using namespace quorvex;

namespace {

std::string localName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// The game's own folder in the person's home: the autosaves live there, and Load Game and Save
// Game open there (the program's own folder is no place for saves once it is installed).
QString gameFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);  // a folder that cannot be made is told of at the first autosave
    return folder;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvex"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon/quorvex.png")));
    // The game decides when it ends: when its main menu goes, not when some window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    ui::applyTheme(app);

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Quorvex, a trading game for up to six companies at one machine."));
    options.addHelpOption();
    const QCommandLineOption journalOption(
        QStringLiteral("journal"),
        QStringLiteral("Record everything played to <file>, so the game can be replayed."),
        QStringLiteral("file"));
    options.addOption(journalOption);
    options.addPositionalArgument(
        QStringLiteral("game"),
        QStringLiteral("A saved game (*.Game) to open, as Load Game would."),
        QStringLiteral("[game]"));
    options.process(app);

    ui::QtDialogs dialogs;
    Game game(dialogs);
    const QString folder = gameFolder();
    game.state.GameDir = localName(folder + QLatin1Char('/'));
    // Told of a failed autosave straight, so the message never enters the game's journal.
    GameKeeper keeper(game, localName(folder), dialogs);

    std::unique_ptr<JournalWriter> journal;
    if (options.isSet(journalOption)) {
        const QString path = options.value(journalOption);
        try {
            journal = std::make_unique<JournalWriter>(QFile::encodeName(path).toStdString());
        } catch (const std::exception& e) {
            QMessageBox::critical(nullptr, QStringLiteral("Quorvex"),
                                  QString::fromStdString(e.what()));
            return 1;
        }
        // A journal that can no longer be written stops being written; the game goes on.
        game.setJournal([&journal, &dialogs](const Record& record) {
            if (!journal) return;
            try {
                journal->write(record);
            } catch (const std::exception& e) {
                journal.reset();
                dialogs.error(e.what());
            }
        });
    }

    const ui::WindowSet windows = ui::createWindows();
    ui::FormBinder::Windows bound{};
    for (std::size_t i = 0; i < windows.size(); ++i)
        bound[i] = windows[i].get();
    ui::FormBinder binder(game, bound);
    dialogs.beforeBox = [&binder] { binder.sync(); };
    dialogs.parentWindow = [&binder] { return binder.frontWindow(); };
    binder.onMainMenuClosed = [] { QCoreApplication::exit(0); };
    ui::offerHistory(*windows[static_cast<std::size_t>(ScreenId::RankingScreen)], keeper);

    binder.start();
    // A game named on the command line (a desktop opening a saved game) is loaded as the
    // person would: "Load Game", that file chosen.
    if (const QStringList games = options.positionalArguments(); !games.isEmpty()) {
        dialogs.nextOpenFile = localName(QFileInfo(games.front()).absoluteFilePath());
        binder.act(Action::click(ScreenId::GameMenu, "Button1"));
        dialogs.nextOpenFile.reset();
    }
    return QApplication::exec();
}
