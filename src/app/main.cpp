#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QMessageBox>
#include <memory>

#include "Windows.h"
#include "form/Game.h"
#include "journal/Journal.h"
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

    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Quorvex, a trading game for up to six companies at one machine."));
    options.addHelpOption();
    const QCommandLineOption journalOption(
        QStringLiteral("journal"),
        QStringLiteral("Record everything played to <file>, so the game can be replayed."),
        QStringLiteral("file"));
    options.addOption(journalOption);
    options.process(app);

    ui::QtDialogs dialogs;
    Game game(dialogs);
    // Saves are offered next to the program file.
    game.state.GameDir =
        QFile::encodeName(QCoreApplication::applicationDirPath() + QLatin1Char('/')).toStdString();

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

    binder.start();
    return QApplication::exec();
}
