// A first turn played through the real windows: new game, two players, the hub, the travel map,
// and the ranking handing the turn to the second company.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <fstream>

#include "journal/Replay.h"
#include "kit/ClickableLabel.h"
#include "services/TTravelscr.h"
#include "support/BoundGame.h"

using namespace quorvex;
using namespace quorvex::testing;

class TurnSmokeTest : public QObject {
    Q_OBJECT
private slots:
    void twoPlayersPlayTheFirstTurn() {
        BoundGame t;
        t.start();
        QVERIFY(t.window(ScreenId::GameMenu)->isVisible());
        QCOMPARE(t.window(ScreenId::GameMenu)->windowTitle(), QString("Quorvex"));

        t.click(ScreenId::GameMenu, "Button2");  // New Game
        QVERIFY(t.window(ScreenId::NGScreen)->isVisible());
        QVERIFY(t.window(ScreenId::GameMenu)->isVisible());  // stays open behind
        auto* name2 = t.widget<QLineEdit>(ScreenId::NGScreen, "N2");
        QVERIFY(!name2->isEnabled());

        t.choose(ScreenId::NGScreen, "NOP", 1);  // "2 Players"
        QVERIFY(name2->isEnabled());
        QVERIFY(!t.widget<QLineEdit>(ScreenId::NGScreen, "N3")->isEnabled());

        // A name that looks like markup is kept and shown as typed.
        auto* name1 = t.widget<QLineEdit>(ScreenId::NGScreen, "N1");
        name1->selectAll();
        QTest::keyClicks(name1, "<b>Ajax</b>");

        t.window(ScreenId::NGScreen)->setGeometry(140, 90, 1000, 700);
        const QRect newGameFrame = t.window(ScreenId::NGScreen)->geometry();
        t.click(ScreenId::NGScreen, "Button1");  // Start
        auto* ranking = t.window(ScreenId::RankingScreen);
        QVERIFY(ranking->isVisible());
        QVERIFY(!t.window(ScreenId::NGScreen)->isVisible());
        QCOMPARE(ranking->geometry(), newGameFrame);  // one window all turn long
        auto* player = t.widget<QLabel>(ScreenId::RankingScreen, "PlyrnameL");
        QCOMPARE(player->text(), QString("<b>Ajax</b>"));
        QCOMPARE(player->textFormat(), Qt::PlainText);
        auto* ranks = t.widget<QListWidget>(ScreenId::RankingScreen, "Ranks");
        QCOMPARE(ranks->count(), 2);
        QCOMPARE(t.widget<QLabel>(ScreenId::RankingScreen, "TurnL")->text(), QString("Turn: 1"));

        t.dialogs.answerConfirm(false);  // no first-turn help
        t.click(ScreenId::RankingScreen, "BeginTurn");
        QVERIFY(t.window(ScreenId::PlanetScreen)->isVisible());
        QVERIFY(!ranking->isVisible());
        QCOMPARE(t.window(ScreenId::PlanetScreen)->geometry(), newGameFrame);
        QCOMPARE(t.dialogs.confirms(),
                 std::vector<std::string>{"Would you like some help as this is your first turn?"});
        auto* cash = t.widget<QLineEdit>(ScreenId::PlanetScreen, "CashL");
        QCOMPARE(cash->text(), QString("100000"));
        QVERIFY(cash->isReadOnly());
        QCOMPARE(t.window(ScreenId::PlanetScreen)->windowTitle(), QString("Planet- "));

        t.click(ScreenId::PlanetScreen, "Button1");  // GO
        QVERIFY(t.window(ScreenId::Travelscr)->isVisible());
        QVERIFY(!t.window(ScreenId::PlanetScreen)->isVisible());
        // White names, the declared destination in yellow.
        const int destination = t.game.state.PlayerDestination[1].get();
        for (int p = 1; p <= 12; ++p) {
            const QString name = QStringLiteral("PLanet%1").arg(p);
            auto* label = t.widget<ui::ClickableLabel>(ScreenId::Travelscr, qPrintable(name));
            QCOMPARE(label->text(), QString::fromStdString(t.game.state.PlanetName[p]));
            const QColor expected = p == destination ? QColor(Qt::yellow) : QColor(Qt::white);
            QCOMPARE(label->palette().color(QPalette::WindowText), expected);
        }

        const int target = destination == 3 ? 4 : 3;
        auto* planet = t.widget<ui::ClickableLabel>(
            ScreenId::Travelscr, qPrintable(QStringLiteral("PLanet%1").arg(target)));
        QTest::mouseClick(planet, Qt::LeftButton);
        QVERIFY(ranking->isVisible());
        QVERIFY(!t.window(ScreenId::Travelscr)->isVisible());
        QCOMPARE(player->text(), QString("Player 2"));
        QCOMPARE(t.game.state.PlayerPlanet[1].get(), target);  // the first company flew there
        QCOMPARE(t.game.state.CurrentPlayer.get(), 2);
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
        QCOMPARE(t.dialogs.unanswered(), std::size_t{0});
    }

    // What the person did in the windows, journalled, plays again without them to the same store:
    // typed names, choices, a question, an input box with a mistake, grid clicks, the end of turn.
    void aJournalOfTheWindowsReplaysToTheSameStore() {
        const QString path = QDir::temp().filePath(QStringLiteral("quorvex-windows.journal"));
        BoundGame t;
        {
            JournalWriter writer(path.toStdString());
            t.game.setJournal([&writer](const Record& r) { writer.write(r); });
            t.start();
            t.click(ScreenId::GameMenu, "Button2");
            t.choose(ScreenId::NGScreen, "NOP", 1);
            auto* name2 = t.widget<QLineEdit>(ScreenId::NGScreen, "N2");
            name2->selectAll();
            QTest::keyClicks(name2, "Ajax Freight");
            t.click(ScreenId::NGScreen, "Button1");
            t.dialogs.answerConfirm(false);
            t.click(ScreenId::RankingScreen, "BeginTurn");
            t.click(ScreenId::PlanetScreen, "Button456");  // Passengers
            auto* grid = t.widget<QTableWidget>(ScreenId::Psngrs, "Passengers");
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                              grid->visualItemRect(grid->item(4, 2)).center());
            t.dialogs.answerInput("20OO");
            t.click(ScreenId::Psngrs, "Button3");  // Change Price, mistyped
            t.dialogs.answerInput("2000");
            t.click(ScreenId::Psngrs, "Button3");
            t.dialogs.answerConfirm(false);  // asked again on coming back to the hub
            t.click(ScreenId::Psngrs, "Button4");
            t.click(ScreenId::PlanetScreen, "Button1");  // GO
            QTest::mouseClick(t.widget<ui::ClickableLabel>(ScreenId::Travelscr, "PLanet5"),
                              Qt::LeftButton);
            t.game.setJournal(nullptr);
        }
        QCOMPARE(t.game.state.PlayerName[2], std::string("Ajax Freight"));
        QCOMPARE(t.game.state.TicketPrice[1].get(), 2000);
        QCOMPARE(t.dialogs.errors(),
                 std::vector<std::string>{"'20OO' is not a valid integer value"});

        std::ifstream in(path.toStdString());
        Replay replay(readJournal(in));
        Game again(replay.person());
        QCOMPARE(replay.run(again), std::string());
        QVERIFY(again.state == t.game.state);
        QVERIFY(again.isVisible(ScreenId::RankingScreen));
        QFile::remove(path);
    }
};

QTEST_MAIN(TurnSmokeTest)
#include "TurnSmokeTest.moc"
