// Playing without a mouse, through the real windows: Tab reaches every control of every screen
// of a turn in reading order, Enter presses the screen's main action, Escape its way back, the
// arrow keys move through a grid, and every control is named by its caption.

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "form/Screen.h"
#include "industry/TProduction.h"
#include "kit/KeyboardPlay.h"
#include "kit/RadioGroupBox.h"
#include "services/TPlanetScreen.h"
#include "support/BoundGame.h"
#include "trading/TBuy.h"
#include "trading/TMarketScr.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

bool canTakeFocus(const QWidget* w) {
    return w->isVisible() && w->isEnabled();
}

// The controls of a screen a person uses, each with its widget: all but plain labels, progress
// bars and menus (which pop up), as the screen shows them now.
QList<QWidget*> usableControls(BoundGame& t, ScreenId id) {
    QList<QWidget*> usable;
    for (Control* c : t.game.screen(id).controls()) {
        const ControlKind kind = c->kind();
        if (kind == ControlKind::ProgressBar || kind == ControlKind::PopupMenu) continue;
        if (kind == ControlKind::Label && !static_cast<Label*>(c)->clickable()) continue;
        auto* w = t.window(id)->findChild<QWidget*>(QString::fromStdString(c->name()));
        if (w != nullptr && canTakeFocus(w)) usable << w;
    }
    return usable;
}

// The innermost of `stops` that is or holds the focus widget (a radio group for its buttons, a
// tab widget for its tabs, but a grid on a tab page for itself).
QWidget* stopOf(QWidget* focus, const QList<QWidget*>& stops) {
    for (QWidget* w = focus; w != nullptr; w = w->parentWidget())
        if (stops.contains(w)) return w;
    return focus;
}

QList<QWidget*> withoutRepeats(const QList<QWidget*>& list) {
    QList<QWidget*> out;
    for (QWidget* w : list)
        if (out.isEmpty() || out.back() != w) out << w;
    return out;
}

// The stops Tab is expected to make: the window's reading order, as far as it can take the
// focus now, a control's inner widgets (a group's radio buttons) counted as the control.
QList<QWidget*> expectedStops(BoundGame& t, ScreenId id) {
    const QList<QWidget*> controls = usableControls(t, id);
    QList<QWidget*> stops;
    for (QWidget* w : ui::readingOrder(t.window(id)))
        if (canTakeFocus(w)) stops << stopOf(w, controls);
    return withoutRepeats(stops);
}

// Presses Tab from the first stop round the window: every stop reached, in order.
QList<QWidget*> tabRound(BoundGame& t, ScreenId id, const QList<QWidget*>& stops) {
    ui::GameWindow* window = t.window(id);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return {};
    stops.front()->setFocus(Qt::TabFocusReason);
    QList<QWidget*> reached{stopOf(QApplication::focusWidget(), stops)};
    for (int i = 0; i < 3 * stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = stopOf(QApplication::focusWidget(), stops);
        if (now == reached.front() && reached.size() > 1) break;
        reached << now;
    }
    return withoutRepeats(reached);
}

QStringList names(const QList<QWidget*>& widgets) {
    QStringList out;
    for (const QWidget* w : widgets)
        out << w->objectName();
    return out;
}

void press(BoundGame& t, ScreenId id, Qt::Key key, QWidget* focus = nullptr) {
    ui::GameWindow* window = t.window(id);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (focus != nullptr) focus->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, key);
}

// Market, the arrow keys onto a good, Enter on the grid pops its menu up, and its first item
// (Buy) opens the buy window, its second (Sell) the sell window.
void openTradeWindowByKeyboard(BoundGame& t, ScreenId tradeWindow = ScreenId::Buy) {
    t.startTwoPlayerGame();
    t.dialogs.answerConfirm(false);
    t.click(ScreenId::RankingScreen, "BeginTurn");
    t.click(ScreenId::PlanetScreen, "Button9");  // Market
    QVERIFY(t.game.isVisible(ScreenId::MarketScr));
    auto* goods = t.widget<QTableWidget>(ScreenId::MarketScr, "RtlGoods");
    press(t, ScreenId::MarketScr, Qt::Key_Down, goods);
    QTest::keyClick(goods, Qt::Key_Down);
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    const int row = goods->currentRow();
    QCOMPARE(t.game.MarketScr().RtlGoods.row(), row);

    QString offered;
    QTimer::singleShot(0, [&offered, tradeWindow] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (QAction* item : menu->actions())
            offered += item->text() + ";";
        QTest::keyClick(menu, Qt::Key_Down);  // onto its first item, Buy
        if (tradeWindow == ScreenId::Sell) QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(goods, Qt::Key_Return);
    QCOMPARE(offered, QString("Buy;;Sell;"));  // a separator between them
    QVERIFY(t.game.isVisible(tradeWindow));
    QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
}

}  // namespace

// A failed round stops the test there.
#define CHECK_TAB_ROUND(t, id)                  \
    do {                                        \
        checkTabRound(t, id);                   \
        if (QTest::currentTestFailed()) return; \
    } while (false)

class KeyboardTest : public QObject {
    Q_OBJECT

    // Tab goes round every usable control of the screen as shown, in reading order.
    static void checkTabRound(BoundGame& t, ScreenId id) {
        const QList<QWidget*> stops = expectedStops(t, id);
        const QString screen = QString::fromStdString(t.game.screen(id).caption);
        QVERIFY2(!stops.isEmpty(), qPrintable(screen));
        for (QWidget* control : usableControls(t, id))
            QVERIFY2(stops.contains(control),
                     qPrintable(screen + ": Tab never reaches " + control->objectName()));
        const QStringList reached = names(tabRound(t, id, stops));
        if (reached != names(stops)) qWarning() << screen << reached << names(stops);
        QCOMPARE(reached, names(stops));
    }

private slots:
    void everyScreenOfATurnIsReachedWithTabInReadingOrder() {
        BoundGame t;
        t.start();
        CHECK_TAB_ROUND(t, ScreenId::GameMenu);
        t.click(ScreenId::GameMenu, "Button2");
        t.choose(ScreenId::NGScreen, "NOP", 1);
        CHECK_TAB_ROUND(t, ScreenId::NGScreen);
        t.click(ScreenId::NGScreen, "Button1");

        CHECK_TAB_ROUND(t, ScreenId::RankingScreen);
        // The buttons are read last, left to right, the main action at the end.
        const QStringList ranking = names(expectedStops(t, ScreenId::RankingScreen));
        QCOMPARE(ranking.mid(ranking.size() - 3), (QStringList{"btnSave", "History", "BeginTurn"}));

        t.dialogs.answerConfirm(false);  // no help on the first turn
        t.click(ScreenId::RankingScreen, "BeginTurn");
        CHECK_TAB_ROUND(t, ScreenId::PlanetScreen);
        const QStringList hub = names(expectedStops(t, ScreenId::PlanetScreen));
        QCOMPARE(hub.mid(hub.size() - 3), (QStringList{"Button4", "Button13", "Button1"}));

        // Every screen the hub opens, each left again with Escape.
        for (Control* c : t.game.PlanetScreen().controls()) {
            auto* button = t.window(ScreenId::PlanetScreen)
                               ->findChild<QPushButton*>(QString::fromStdString(c->name()));
            if (button == nullptr || !button->isEnabled() || c->name() == "Button13" ||
                c->name() == "Button4")
                continue;
            button->click();
            const ScreenId opened =
                t.binder->frontWindow() != nullptr
                    ? static_cast<ui::GameWindow*>(t.binder->frontWindow())->screenId()
                    : ScreenId::PlanetScreen;
            if (opened == ScreenId::PlanetScreen) continue;  // refused with a message
            CHECK_TAB_ROUND(t, opened);
            t.dialogs.answerConfirm(false);    // the hub asks again in the first game turn
            press(t, opened, Qt::Key_Escape);  // "Continue", or the travel screen's "Back"
            QCOMPARE(t.dialogs.unanswered(), std::size_t{0});
            QVERIFY2(!t.game.isVisible(opened), c->name().c_str());
            QVERIFY(t.game.isVisible(ScreenId::PlanetScreen));
        }
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }

    void aWholeTurnIsPlayedWithTheKeyboardAlone() {
        BoundGame t;
        t.startTwoPlayerGame();
        const Int first = t.game.state.CurrentPlayer;
        // Enter on the ranking, wherever the focus is: "Begin Turn".
        t.dialogs.answerConfirm(false);
        press(t, ScreenId::RankingScreen, Qt::Key_Return,
              t.widget<QListWidget>(ScreenId::RankingScreen, "Ranks"));
        QVERIFY(t.game.isVisible(ScreenId::PlanetScreen));
        // Enter on the hub: "GO", even with the focus on a figure.
        press(t, ScreenId::PlanetScreen, Qt::Key_Enter);
        QVERIFY(t.game.isVisible(ScreenId::Travelscr));
        // Tab to the first planet that is not the ship's own, Space flies there.
        const int here = t.game.state.PlayerPlanet[first].get();
        const QString target = QStringLiteral("PLanet%1").arg(here == 1 ? 2 : 1);
        press(t, ScreenId::Travelscr, Qt::Key_Tab);
        for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != target; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), target);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(t.game.isVisible(ScreenId::RankingScreen));
        QVERIFY(t.game.state.CurrentPlayer != first);
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }

    // The travel screen starts on the declared destination, shown in yellow: Enter flies there.
    void theTravelScreenStartsOnTheDestination() {
        BoundGame t;
        t.startTwoPlayerGame();
        const Int first = t.game.state.CurrentPlayer;
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        const int destination = t.game.state.PlayerDestination[first].get();
        QVERIFY(destination != t.game.state.PlayerPlanet[first].get());
        press(t, ScreenId::PlanetScreen, Qt::Key_Enter);  // GO
        QVERIFY(t.game.isVisible(ScreenId::Travelscr));
        ui::GameWindow* travel = t.window(ScreenId::Travelscr);
        QVERIFY(QTest::qWaitForWindowActive(travel));
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QStringLiteral("PLanet%1").arg(destination));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(t.game.isVisible(ScreenId::RankingScreen));
        QCOMPARE(t.game.state.PlayerPlanet[first].get(), destination);
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }

    void enterAndEscapeLeadAsTheScreenSays() {
        BoundGame t;
        t.startTwoPlayerGame();
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");

        // A screen without a main action: Enter leads back ("Continue").
        t.click(ScreenId::PlanetScreen, "Button7");  // Bank
        QVERIFY(t.game.isVisible(ScreenId::Bank));
        t.dialogs.answerConfirm(false);  // the hub asks again in the first game turn
        press(t, ScreenId::Bank, Qt::Key_Return, t.window(ScreenId::Bank));
        QVERIFY(!t.game.isVisible(ScreenId::Bank));

        // Enter in an edit box of a screen without a main action leaves nothing unused: the
        // screen stays.
        t.click(ScreenId::PlanetScreen, "Button8");  // Manufacturing
        QVERIFY(t.game.isVisible(ScreenId::Manufacturing));
        press(t, ScreenId::Manufacturing, Qt::Key_Return,
              t.widget<QLineEdit>(ScreenId::Manufacturing, "BuyAmount"));
        QVERIFY(t.game.isVisible(ScreenId::Manufacturing));
        t.dialogs.answerConfirm(false);
        press(t, ScreenId::Manufacturing, Qt::Key_Escape);
        QVERIFY(!t.game.isVisible(ScreenId::Manufacturing));

        // Enter on a focused button presses that button, not the main action.
        press(t, ScreenId::PlanetScreen, Qt::Key_Return,
              t.widget<QPushButton>(ScreenId::PlanetScreen, "Button7"));
        QVERIFY(t.game.isVisible(ScreenId::Bank));
        t.dialogs.answerConfirm(false);
        press(t, ScreenId::Bank, Qt::Key_Escape);
        QVERIFY(!t.game.isVisible(ScreenId::Bank));

        // Escape on the hub and on the main menu does nothing: a slip of the finger never puts
        // the game in hand aside or ends the program. Their "Close" still does, with Enter.
        press(t, ScreenId::PlanetScreen, Qt::Key_Escape, t.window(ScreenId::PlanetScreen));
        QVERIFY(t.game.isVisible(ScreenId::PlanetScreen));
        press(t, ScreenId::PlanetScreen, Qt::Key_Return,
              t.widget<QPushButton>(ScreenId::PlanetScreen, "Button13"));
        QVERIFY(!t.game.isVisible(ScreenId::PlanetScreen));
        QVERIFY(t.game.isVisible(ScreenId::GameMenu));
        press(t, ScreenId::GameMenu, Qt::Key_Escape, t.window(ScreenId::GameMenu));
        QVERIFY(t.game.isVisible(ScreenId::GameMenu));
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }

    void theArrowKeysMoveThroughAGrid() {
        BoundGame t;
        t.startTwoPlayerGame();
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        t.click(ScreenId::PlanetScreen, "Button6");  // Production
        QVERIFY(t.game.isVisible(ScreenId::Production));
        const StringGrid& mines = t.game.Production().PlntMines;
        auto* grid = t.widget<QTableWidget>(ScreenId::Production, "PlntMines");
        QCOMPARE(mines.row(), -1);  // nothing chosen on showing
        press(t, ScreenId::Production, Qt::Key_Down, grid);
        const int firstRow = mines.row();
        QVERIFY(firstRow >= mines.fixedRows());
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(mines.row(), firstRow + 1);
        QCOMPARE(grid->currentRow(), firstRow + 1);
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(mines.row(), firstRow);
    }

    // A grid whose click pops up a menu (the market's Buy and Sell): the arrow keys choose the
    // good without a menu in the way, Enter pops it up, and its Buy opens the buy screen.
    void aGridsMenuWaitsForEnter() {
        BoundGame t;
        openTradeWindowByKeyboard(t);
    }

    // Tab goes round the buy and sell windows too, which the market opens beside itself.
    void theTradeWindowsAreReachedWithTab() {
        for (ScreenId id : {ScreenId::Buy, ScreenId::Sell}) {
            BoundGame t;
            openTradeWindowByKeyboard(t, id);
            if (QTest::currentTestFailed()) return;
            CHECK_TAB_ROUND(t, id);
        }
    }

    // In the buy window Enter quotes the amount typed, wherever the focus is, and buys nothing:
    // only the Buy button trades.
    void enterInTheBuyWindowQuotesAndBuysNothing() {
        BoundGame t;
        openTradeWindowByKeyboard(t);
        if (QTest::currentTestFailed()) return;
        GameState& st = t.game.state;
        const Int c = st.CurrentPlayer;
        st.CargoSpace[c] = 100;  // a hold with room, as bought on the hull screen
        const int cash = st.PlayerCash[c].get();
        QTest::mouseClick(t.widget<ui::RadioGroupBox>(ScreenId::Buy, "Storein")->button(1),
                          Qt::LeftButton, {}, QPoint(6, 8));  // the ship
        auto* amount = t.widget<QLineEdit>(ScreenId::Buy, "Buybox");
        press(t, ScreenId::Buy, Qt::Key_End, amount);
        QTest::keyClicks(amount, "2");
        QTest::keyClick(amount, Qt::Key_Return);
        const TBuy& buy = t.game.Buy();
        QVERIFY2(buy.CostL.text != "Cost: £", buy.CostL.text.c_str());
        QVERIFY(t.game.isVisible(ScreenId::Buy));
        QCOMPARE(st.PlayerCash[c].get(), cash);
        QCOMPARE(st.CargoUsed[c].get(), 0);
        QCOMPARE(t.dialogs.messages(), std::vector<std::string>{});
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{});
    }

    void everyControlIsNamedByItsCaption() {
        BoundGame t;
        t.startTwoPlayerGame();
        int named = 0;
        for (int i = 0; i < kScreenCount; ++i) {
            const auto id = static_cast<ScreenId>(i);
            for (Control* c : t.game.screen(id).controls()) {
                std::string caption;
                if (c->kind() == ControlKind::Button)
                    caption = static_cast<Button*>(c)->caption;
                else if (c->kind() == ControlKind::CheckBox)
                    caption = static_cast<CheckBox*>(c)->caption;
                else if (c->kind() == ControlKind::RadioGroup ||
                         c->kind() == ControlKind::ComboBox || c->kind() == ControlKind::ListBox)
                    caption = static_cast<Choice*>(c)->caption;
                else
                    continue;
                auto* w = t.window(id)->findChild<QWidget*>(QString::fromStdString(c->name()));
                QVERIFY(w != nullptr);
                QCOMPARE(w->accessibleName(), QString::fromStdString(caption).trimmed());
                ++named;
            }
        }
        QVERIFY(named > 100);
    }

    // A grid or a gauge has no caption: a screen reader reads a description, never the game's
    // own name for it.
    void everyGridAndGaugeIsDescribed() {
        BoundGame t;
        QSet<QString> descriptions;
        int described = 0;
        for (int i = 0; i < kScreenCount; ++i) {
            const auto id = static_cast<ScreenId>(i);
            for (Control* c : t.game.screen(id).controls()) {
                if (c->kind() != ControlKind::StringGrid && c->kind() != ControlKind::ProgressBar)
                    continue;
                auto* w = t.window(id)->findChild<QWidget*>(QString::fromStdString(c->name()));
                QVERIFY(w != nullptr);
                QVERIFY2(!w->accessibleName().isEmpty() && w->accessibleName() != w->objectName(),
                         c->name().c_str());
                descriptions << w->accessibleName();
                ++described;
            }
        }
        QCOMPARE(described, 18);
        QCOMPARE(descriptions.size(), 17);  // the two mine grids of one company read alike
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
