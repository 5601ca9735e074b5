// The game kept beside itself, through the real windows: an autosave at every ranking that waits
// for "Begin Turn" with the three before it, one message when the folder cannot be written, and
// the History window with every company's net worth for every game turn, before and after the
// game is saved, the program started again and the game loaded.

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <filesystem>
#include <fstream>

#include "history/HistoryWindow.h"
#include "keep/Autosave.h"
#include "keep/GameKeeper.h"
#include "kit/ClickableLabel.h"
#include "persist/FileAccess.h"
#include "persist/SaveCodec.h"
#include "support/BoundGame.h"

using namespace quorvex;
using namespace quorvex::testing;
namespace fs = std::filesystem;

namespace {

struct TempFolder {
    fs::path path = fs::temp_directory_path() /
                    ("quorvex-desktop-" + std::to_string(QCoreApplication::applicationPid()));
    TempFolder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempFolder() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

// The program as main() puts it together: the game, its windows, and the keeper beside them.
struct KeptGame {
    BoundGame t;
    GameKeeper keeper;
    explicit KeptGame(const std::string& folder) : keeper(t.game, folder, t.hooked) {
        ui::offerHistory(*t.window(ScreenId::RankingScreen), keeper);
    }
};

// One company's turn, as a person plays it with the mouse: "Begin Turn", "GO", a planet.
void playTurn(BoundGame& t) {
    if (t.game.state.TurnNumber <= 1 && !t.game.state.HelpOn) t.dialogs.answerConfirm(false);
    t.click(ScreenId::RankingScreen, "BeginTurn");
    t.click(ScreenId::PlanetScreen, "Button1");
    const int here = t.game.state.PlayerPlanet[t.game.state.CurrentPlayer].get();
    const QString planet = QStringLiteral("PLanet%1").arg(here == 1 ? 2 : 1);
    QTest::mouseClick(t.widget<ui::ClickableLabel>(ScreenId::Travelscr, qPrintable(planet)),
                      Qt::LeftButton);
}

// What the History window shows: each company's line as (turn, net worth) pairs, by name.
struct ShownHistory {
    QMap<QString, QList<QPointF>> lines;
    int messageRows = -1;
    QStringList tabs;
    // The net worth scale, up to the objective and fitted to the companies.
    QPointF wholeWay, fitted;
};

QPointF worthScale(const ui::HistoryWindow& window) {
    const auto* axis =
        static_cast<const QValueAxis*>(window.chart()->chart()->axes(Qt::Vertical).front());
    return {axis->min(), axis->max()};
}

ShownHistory openHistory(BoundGame& t) {
    ShownHistory shown;
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<ui::HistoryWindow*>(QApplication::activeModalWidget());
        if (window == nullptr) return;
        opened = true;
        for (int i = 0; i < window->pages()->count(); ++i)
            shown.tabs << window->pages()->tabText(i);
        for (QAbstractSeries* series : window->chart()->chart()->series())
            shown.lines[series->name()] = static_cast<QLineSeries*>(series)->points();
        shown.messageRows = window->boxes()->rowCount();
        shown.wholeWay = worthScale(*window);
        window->wholeWay()->click();
        shown.fitted = worthScale(*window);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    t.click(ScreenId::RankingScreen, "History");
    if (!opened) qWarning("the History window did not open");
    return shown;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void threeGameTurnsLeaveTheirAutosaves() {
        TempFolder folder;
        KeptGame kept(folder.path.string());
        BoundGame& t = kept.t;
        t.startTwoPlayerGame();
        std::vector<std::vector<uint8_t>> rankings{encodeGame(t.game.state)};
        for (int i = 0; i < 6; ++i) {  // two people, three game turns
            playTurn(t);
            QVERIFY(t.window(ScreenId::RankingScreen)->isVisible());
            rankings.push_back(encodeGame(t.game.state));
        }
        QCOMPARE(t.game.state.TurnNumber.get(), 4);
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});

        for (int generation = 0; generation <= 2; ++generation) {
            const std::string path = autosavePath(folder.path.string(), generation);
            const auto bytes = readFileUpTo(path, kMaxSaveFileBytes);
            QVERIFY2(bytes == rankings[rankings.size() - 1 - std::size_t(generation)],
                     path.c_str());
        }

        // The oldest of the three loads back, through "Load Game", to the store it was taken
        // from.
        t.dialogs.answerOpen(autosavePath(folder.path.string(), 2));
        t.click(ScreenId::GameMenu, "Button1");
        QVERIFY(t.window(ScreenId::RankingScreen)->isVisible());
        QVERIFY(encodeGame(t.game.state) == rankings[rankings.size() - 3]);
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }

    void aFolderThatCannotBeWrittenIsToldOnce() {
        TempFolder folder;
        const std::string taken = folder.file("taken");
        std::ofstream(taken) << "a file where the folder should be";
        KeptGame kept(taken + "/saves");
        BoundGame& t = kept.t;
        t.startTwoPlayerGame();
        for (int i = 0; i < 4; ++i)
            playTurn(t);
        QCOMPARE(t.game.state.TurnNumber.get(), 3);  // the game went on
        int told = 0;
        for (const std::string& m : t.dialogs.messages())
            if (m.find("could not be saved automatically") != std::string::npos) ++told;
        QCOMPARE(told, 1);
    }

    void theHistoryShowsEveryTurnBeforeAndAfterALoad() {
        TempFolder folder;
        const std::string save = folder.file("long game");
        std::map<int, std::map<int, int>> worth;  // company -> turn -> net worth
        const auto noteWorth = [&worth](const GameState& s) {
            for (int c : {1, 2})
                if (s.PlayerActive[c]) worth[c][s.TurnNumber.get()] = s.PlayerNetWorth[c].get();
        };
        const auto expectLines = [&worth](const ShownHistory& shown, const GameState& s) {
            QCOMPARE(shown.tabs, (QStringList{"Net worth", "Messages"}));
            QCOMPARE(shown.lines.size(), 3);  // two companies and the objective
            for (int c : {1, 2}) {
                QList<QPointF> expected;
                for (auto [turn, w] : worth[c])
                    expected << QPointF(turn, w);
                QCOMPARE(shown.lines.value(QString::fromStdString(s.PlayerName[c])), expected);
            }
            const QList<QPointF> objective = shown.lines.value("Objective: £250,000,000");
            QCOMPARE(objective.size(), 2);
            QCOMPARE(objective.front().y(), 250000000.0);
            // Up to the objective, or fitted to the companies' own sums, far below it.
            int lowest = 0, highest = 0;
            for (const auto& company : worth)
                for (auto [turn, w] : company.second) {
                    lowest = std::min(lowest, w);
                    highest = std::max(highest, w);
                }
            QVERIFY(shown.wholeWay.x() <= lowest && shown.wholeWay.y() >= 250000000.0);
            QVERIFY(shown.fitted.x() <= lowest && shown.fitted.y() >= highest);
            QVERIFY(shown.fitted.y() < 10 * std::max(highest - lowest, 1000));
            QVERIFY(shown.messageRows > 0);
        };

        {
            KeptGame kept(folder.file("autosaves"));
            BoundGame& t = kept.t;
            t.game.clockSeed = [] { return 77u; };
            t.startTwoPlayerGame();
            noteWorth(t.game.state);
            for (int i = 0; i < 5; ++i) {
                playTurn(t);
                noteWorth(t.game.state);
            }
            expectLines(openHistory(t), t.game.state);
            t.dialogs.answerSave(save);
            t.click(ScreenId::RankingScreen, "btnSave");
            QVERIFY(fs::exists(save + ".Game"));
            QVERIFY(fs::exists(save + ".history"));
        }

        // The program starts again, the game is loaded: the history is all there, and goes on.
        KeptGame again(folder.file("autosaves"));
        BoundGame& t = again.t;
        t.start();
        t.dialogs.answerOpen(save + ".Game");
        t.click(ScreenId::GameMenu, "Button1");
        QVERIFY(t.window(ScreenId::RankingScreen)->isVisible());
        expectLines(openHistory(t), t.game.state);
        playTurn(t);
        noteWorth(t.game.state);
        expectLines(openHistory(t), t.game.state);
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
