// The binder's own duties: grids and their selection, pop-up menus, label colours, closing
// windows, errors, placing windows, and the file filters of the dialogs.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "industry/TProduction.h"
#include "kit/QtDialogs.h"
#include "kit/RadioGroupBox.h"
#include "kit/WindowKit.h"
#include "services/TLandings.h"
#include "services/TTravelscr.h"
#include "support/BoundGame.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

QPoint cellCentre(QTableWidget* table, int row, int col) {
    return table->visualItemRect(table->item(row, col)).center();
}

// Answers the pop-up menu that is about to open: the item of that name, or none.
void answerPopup(const QString& itemName) {
    QTimer::singleShot(0, [itemName] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        if (itemName.isEmpty()) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return;
        }
        for (QAction* action : menu->actions())
            if (action->objectName() == itemName) menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
    });
}

// A grid with a pop-up menu, added to a screen that has none yet, as the market will have.
struct PopupFixture {
    std::unique_ptr<StringGrid> grid;
    std::unique_ptr<PopupMenu> menu;
    std::vector<std::string> seen;  // "down r" for every press, then the item chosen

    void extend(BoundGame& t) {
        Screen& bank = t.game.screen(ScreenId::Bank);
        grid = std::make_unique<StringGrid>(bank, "Goods", 3, 4, 1, 0);
        menu = std::make_unique<PopupMenu>(
            bank, "PopMenu",
            std::vector<PopupMenu::Item>{{"Buy1", "Buy", [this] { seen.push_back("buy"); }},
                                         {"N1", "", nullptr},
                                         {"Sell1", "Sell", [this] { seen.push_back("sell"); }}});
        grid->onMouseDown = [this] {
            seen.push_back("down " + std::to_string(grid->row()));
            menu->popup();
        };
        auto* window = t.window(ScreenId::Bank);
        QTableWidget* table = ui::makeGrid("Goods");
        table->setParent(window);
        table->setGeometry(10, 60, 300, 200);
        ui::makePopupMenu(window, "PopMenu");
    }
};

// One control of each remaining kind, added to a screen with none, as later screens will have.
struct EveryKindFixture {
    std::unique_ptr<CheckBox> check;
    std::unique_ptr<PageControl> pages;
    std::unique_ptr<ProgressBar> gauge;
    std::unique_ptr<ListBox> list;
    std::unique_ptr<RadioGroup> radio;
    std::unique_ptr<ComboBox> combo;
    std::vector<std::string> seen;

    void extend(BoundGame& t) {
        Screen& bank = t.game.screen(ScreenId::Bank);
        check = std::make_unique<CheckBox>(bank, "Tick", "A & B", [this] {
            seen.push_back(check->checked ? "ticked" : "unticked");
        });
        pages = std::make_unique<PageControl>(
            bank, "Pages", std::vector<std::string>{"First", "Second", "Third"},
            [this] { seen.push_back("page " + std::to_string(pages->activePage)); });
        gauge = std::make_unique<ProgressBar>(bank, "Gauge");
        list = std::make_unique<ListBox>(
            bank, "Planets", std::vector<std::string>{"A", "B", "C"},
            [this] { seen.push_back("list " + std::to_string(list->itemIndex)); });
        radio = std::make_unique<RadioGroup>(
            bank, "Store", "Store In", std::vector<std::string>{"Ship", "Warehouse"},
            [this] { seen.push_back("radio " + std::to_string(radio->itemIndex)); });
        combo = std::make_unique<ComboBox>(bank, "Method", std::vector<std::string>{"None"},
                                           kReadByOthers);
        combo->hint = "How to advertise";

        auto* window = t.window(ScreenId::Bank);
        int i = 0;
        for (QWidget* w : std::initializer_list<QWidget*>{
                 ui::makeCheckBox("Tick"), ui::makePages("Pages"), ui::makeProgressBar("Gauge"),
                 ui::makeListBox("Planets"), ui::makeRadioGroup("Store"),
                 ui::makeComboBox("Method")}) {
            w->setParent(window);  // side by side: a click lands on what is under the pointer
            w->setGeometry(10 + (i % 3) * 230, 10 + (i / 3) * 200, 220, 180);
            ++i;
        }
    }
};

}  // namespace

class FormBinderTest : public QObject {
    Q_OBJECT
private slots:
    void landingGridShowsCellsAndKeepsHeadingsUnselectable() {
        BoundGame t;
        t.startTwoPlayerGame();
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        t.click(ScreenId::PlanetScreen, "Button1");  // GO
        t.click(ScreenId::Travelscr, "Button3");     // Landing Cost
        QVERIFY(t.window(ScreenId::Landings)->isVisible());

        auto* table = t.widget<QTableWidget>(ScreenId::Landings, "Costs");
        const auto& costs = t.game.Landings().Costs;
        QCOMPARE(table->item(1, 0)->text(), QString("Total Cost"));
        QCOMPARE(table->item(2, 5)->text(), QString::fromStdString(costs.cell(5, 2)));
        QCOMPARE(table->item(3, 0)->text(), QString("Player 1"));
        QCOMPARE(table->columnWidth(0), 120);
        QCOMPARE(table->columnWidth(7), 80);
        QCOMPARE(table->item(0, 3)->background(), table->palette().brush(QPalette::Button));
        QVERIFY(!(table->item(0, 3)->flags() & Qt::ItemIsSelectable));

        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 0, 3));
        QCOMPARE(costs.row(), -1);
        QVERIFY(table->selectedItems().isEmpty());

        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 3, 4));
        QCOMPARE(costs.row(), 3);
        const auto selected = table->selectedItems();
        QCOMPARE(selected.size(), 12);  // the whole row but its heading cell
        for (QTableWidgetItem* item : selected)
            QCOMPARE(item->row(), 3);
    }

    void aGridTakingTheFocusChoosesNothing() {
        BoundGame t;
        t.startTwoPlayerGame();
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        t.click(ScreenId::PlanetScreen, "Button6");  // the mines: a click on a grid sets buttons
        auto* table = t.widget<QTableWidget>(ScreenId::Production, "Plyrmines");
        const auto& screen = t.game.Production();
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(table, &tabbedIn);
        QVERIFY(screen.Buy.enabled);
        QCOMPARE(screen.Plyrmines.row(), -1);
        QVERIFY(table->selectedItems().isEmpty());

        QTest::keyClick(table, Qt::Key_Down);  // the keys still choose
        QCOMPARE(screen.Plyrmines.row(), 1);
        QVERIFY(!screen.Buy.enabled);
    }

    void popupMenuFollowsThePressAndForwardsTheChoice() {
        PopupFixture f;
        BoundGame t([&f](BoundGame& g) { f.extend(g); });
        QVERIFY(t.binder->unbound().isEmpty());
        t.start();
        t.game.state.CurrentPlayer = 1;  // the bank shows a company's accounts
        t.binder->run([&t] { t.game.show(ScreenId::Bank); });
        auto* table = t.widget<QTableWidget>(ScreenId::Bank, "Goods");

        // The left button chooses the row under the pointer before the screen hears of it.
        answerPopup("Sell1");
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 2, 1));
        QCOMPARE(f.seen, (std::vector<std::string>{"down 2", "sell"}));
        QVERIFY(!f.menu->isOpen() && !f.menu->shownAfterAction);
        QCOMPARE(table->currentRow(), 2);

        // The right button keeps the row already chosen; a dismissed menu chooses nothing and
        // stays open in the game until the person does something else.
        f.seen.clear();
        answerPopup({});
        QTest::mousePress(table->viewport(), Qt::RightButton, {}, cellCentre(table, 3, 1));
        QCOMPARE(f.seen, (std::vector<std::string>{"down 2"}));
        QVERIFY(f.menu->isOpen() && !f.menu->shownAfterAction);
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, QPoint(5, 190));  // below the rows
        QVERIFY(f.menu->isOpen());
        answerPopup({});
        QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cellCentre(table, 1, 0));
        QCOMPARE(f.seen, (std::vector<std::string>{"down 2", "down 1"}));

        auto* menu = t.widget<QMenu>(ScreenId::Bank, "PopMenu");
        QCOMPARE(menu->actions().size(), 3);
        QVERIFY(menu->actions()[1]->isSeparator());
        QCOMPARE(menu->actions()[2]->text(), QString("Sell"));
    }

    void everyKindOfControlFollowsTheGameAndForwardsThePerson() {
        EveryKindFixture f;
        BoundGame t([&f](BoundGame& g) { f.extend(g); });
        QVERIFY(t.binder->unbound().isEmpty());
        f.gauge->maximum = 50;
        f.gauge->position = 20;
        f.pages->activePage = 1;
        f.radio->itemIndex = 1;
        t.start();
        t.game.state.CurrentPlayer = 1;  // the bank shows a company's accounts
        t.binder->run([&t] { t.game.show(ScreenId::Bank); });

        auto* tick = t.widget<QCheckBox>(ScreenId::Bank, "Tick");
        QCOMPARE(tick->text(), QString("A && B"));  // an ampersand, not a shortcut
        QVERIFY(!tick->isChecked());
        auto* pages = t.widget<QTabWidget>(ScreenId::Bank, "Pages");
        QCOMPARE(pages->count(), 3);
        QCOMPARE(pages->tabText(2), QString("Third"));
        QCOMPARE(pages->currentIndex(), 1);
        auto* gauge = t.widget<QProgressBar>(ScreenId::Bank, "Gauge");
        QCOMPARE(gauge->maximum(), 50);
        QCOMPARE(gauge->value(), 20);
        auto* list = t.widget<QListWidget>(ScreenId::Bank, "Planets");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentRow(), -1);
        auto* radio = t.widget<ui::RadioGroupBox>(ScreenId::Bank, "Store");
        QCOMPARE(radio->title(), QString("Store In"));
        QCOMPARE(radio->checkedIndex(), 1);
        QCOMPARE(t.widget<QComboBox>(ScreenId::Bank, "Method")->toolTip(),
                 QString("How to advertise"));

        // On the box itself: a check or radio button answers only over its mark and caption.
        QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(6, tick->height() / 2));
        pages->setCurrentIndex(2);
        list->setCurrentRow(0);
        QTest::mouseClick(radio->button(0), Qt::LeftButton, {},
                          QPoint(6, radio->button(0)->height() / 2));
        QCOMPARE(f.seen, (std::vector<std::string>{"ticked", "page 2", "list 0", "radio 0"}));
        QVERIFY(f.check->checked);
        QCOMPARE(f.pages->activePage, 2);

        // The game clears and disables; the widgets follow, and a syncing never reaches back
        // into the game as if the person had acted.
        f.seen.clear();
        f.radio->itemIndex = -1;
        f.list->itemIndex = -1;
        f.pages->activePage = 0;
        f.pages->enabled = false;
        f.check->visible = false;
        t.binder->sync();
        QCOMPARE(radio->checkedIndex(), -1);
        for (int i = 0; i < 2; ++i)
            QVERIFY(!radio->button(i)->isChecked());
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(pages->currentIndex(), 0);
        QVERIFY(!pages->isEnabled());
        QVERIFY(tick->isHidden());
        QCOMPARE(f.seen, std::vector<std::string>{});
    }

    void labelColourReturnsToTheWindowsOwn() {
        BoundGame t;
        t.startTwoPlayerGame();
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        t.click(ScreenId::PlanetScreen, "Button1");  // GO
        auto& travel = t.game.Travelscr();
        const int destination = t.game.state.PlayerDestination[1].get();
        auto* label = t.widget<QLabel>(ScreenId::Travelscr,
                                       qPrintable(QStringLiteral("PLanet%1").arg(destination)));
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        travel.planetLabel(destination).color = FontColor::Default;
        t.binder->sync();
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 t.window(ScreenId::Travelscr)->palette().color(QPalette::WindowText));
    }

    void closingAWindowTakesItsWayBack() {
        BoundGame t;
        bool ended = false;
        t.binder->onMainMenuClosed = [&ended] { ended = true; };
        t.startTwoPlayerGame();

        // The ranking has no way back: it stays.
        t.window(ScreenId::RankingScreen)->close();
        QVERIFY(t.window(ScreenId::RankingScreen)->isVisible());
        QVERIFY(t.game.isVisible(ScreenId::RankingScreen));

        // The travel map goes back to the hub, as its "Back" does.
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        t.click(ScreenId::PlanetScreen, "Button1");
        t.dialogs.answerConfirm(false);  // the hub asks again while help is refused
        t.window(ScreenId::Travelscr)->close();
        QVERIFY(t.window(ScreenId::PlanetScreen)->isVisible());
        QVERIFY(!t.window(ScreenId::Travelscr)->isVisible());
        QVERIFY(!ended);

        // Closing the main menu ends the program.
        t.window(ScreenId::GameMenu)->close();
        QVERIFY(!t.game.isVisible(ScreenId::GameMenu));
        QVERIFY(ended);
    }

    void aFailingActionLeavesTheGameAsItWas() {
        BoundGame t;
        t.startTwoPlayerGame();
        const auto cash = t.game.state.PlayerCash[1];
        t.binder->run([&t] {
            t.game.state.PlayerCash[1] = 5;
            t.game.show(ScreenId::Bank);
            throw std::logic_error("the bank's ledger is missing");
        });
        QCOMPARE(t.game.state.PlayerCash[1].get(), cash.get());
        QVERIFY(!t.window(ScreenId::Bank)->isVisible());
        QCOMPARE(t.dialogs.errors(), std::vector<std::string>{"the bank's ledger is missing"});
    }

    void aWindowOpenedBeforeABoxTakesThePlaceOfTheOneBeingLeft() {
        BoundGame t;
        t.startTwoPlayerGame();
        auto* ranking = t.window(ScreenId::RankingScreen);
        ranking->setGeometry(60, 40, 1010, 705);
        // The hub asks its question while the ranking is still open: the hub must already be in
        // front, in the ranking's place.
        QString front;
        QRect frontGeometry;
        t.hooked.beforeBox = [&] {
            t.binder->sync();
            QWidget* w = t.binder->frontWindow();
            front = w ? w->windowTitle() : QString();
            frontGeometry = w ? w->geometry() : QRect();
        };
        t.dialogs.answerConfirm(false);
        t.click(ScreenId::RankingScreen, "BeginTurn");
        QCOMPARE(front, QString("Planet- "));
        QCOMPARE(frontGeometry, QRect(60, 40, 1010, 705));
        QVERIFY(!ranking->isVisible());
    }

    void buyOpensBesideTheMarket() {
        BoundGame t;
        t.startTwoPlayerGame();
        t.game.state.TradeGood = 1;  // as if Iron's row had been picked on the market
        t.game.state.TradeIndustrial = true;
        auto* market = t.window(ScreenId::MarketScr);
        t.binder->run([&t] { t.game.show(ScreenId::MarketScr); });
        market->setGeometry(0, 20, 220, 260);  // as narrow as it goes: room beside it
        t.binder->run([&t] { t.game.show(ScreenId::Buy); });
        auto* buy = t.window(ScreenId::Buy);
        QVERIFY(buy->isVisible() && market->isVisible());
        QVERIFY(buy->x() > market->frameGeometry().right());
        QCOMPARE(buy->y(), market->y());
    }

    void gameFiltersBecomeQtFilters() {
        using ui::QtDialogs;
        QCOMPARE(QtDialogs::qtFilter("*.Game|*.Game"), QString("*.Game"));
        QCOMPARE(QtDialogs::qtFilter("*.GAME|*.GAME"), QString("*.GAME"));
        QCOMPARE(QtDialogs::qtFilter("Saved games|*.Game;*.GAME|All files|*"),
                 QString("Saved games (*.Game *.GAME);;All files (*)"));
        QCOMPARE(QtDialogs::qtFilter("*.Game"), QString("*.Game"));
    }

    // The save dialog asks about replacing the file the game will really write.
    void theReplaceQuestionNamesTheFileWritten() {
        using ui::QtDialogs;
        QTemporaryDir dir;
        const std::string folder = QFile::encodeName(dir.path()).toStdString() + "/";
        for (const char* existing : {"save.Game", "other"}) {
            QFile file(dir.filePath(existing));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        std::vector<std::string> typed;
        std::vector<std::string> asked;
        const auto pick = [&]() -> std::optional<std::string> {
            if (typed.empty()) return std::nullopt;  // Cancel
            std::string next = typed.front();
            typed.erase(typed.begin());
            return next;
        };
        const auto answering = [&](bool yes) {
            return [&asked, yes](const std::string& written) {
                asked.push_back(written);
                return yes;
            };
        };

        // "save" is written as save.Game, which exists: No opens the dialog again.
        typed = {folder + "save", folder + "fresh"};
        QCOMPARE(QtDialogs::settleSaveName(pick, answering(false)),
                 std::optional<std::string>(folder + "fresh"));
        QCOMPARE(asked, std::vector<std::string>{folder + "save.Game"});

        // Yes keeps the name as typed; the game adds ".Game" itself.
        asked.clear();
        typed = {folder + "save.sav"};
        QCOMPARE(QtDialogs::settleSaveName(pick, answering(true)),
                 std::optional<std::string>(folder + "save.sav"));
        QCOMPARE(asked, std::vector<std::string>{folder + "save.Game"});

        // "other" exists, but other.Game is what would be written: nothing to ask.
        asked.clear();
        typed = {folder + "other"};
        QCOMPARE(QtDialogs::settleSaveName(pick, answering(false)),
                 std::optional<std::string>(folder + "other"));
        QVERIFY(asked.empty());

        typed = {folder + "save"};
        QVERIFY(!QtDialogs::settleSaveName(pick, answering(false)));
        QCOMPARE(asked, std::vector<std::string>{folder + "save.Game"});
    }
};

QTEST_MAIN(FormBinderTest)
#include "FormBinderTest.moc"
