// The form kit's promises to every screen: a stopped action leaves nothing half-done, not in the
// store and not on the screen; the person's actions reach only controls that can take them; a
// pop-up menu's items only while it is open; every control does what it is declared to do.

#include <gtest/gtest.h>

#include "services/TBank.h"
#include "services/TPlanetScreen.h"
#include "services/TPsngrs.h"
#include "services/TTravelscr.h"
#include "state/Format.h"
#include "state/GameError.h"
#include "support/ScreenTest.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

using Texts = std::vector<std::string>;

// A game standing on the passengers screen of company 1, with a button of the test's own on it
// that writes everywhere and then fails as the test asks.
struct Rollback : ScreenTest {
    TPsngrs& screen = game.Psngrs();
    std::function<void()> failure;
    Button boom{screen, "Boom", "Boom", [this] {
                    s.PlayerCash[1] = 1;
                    screen.CashL.text = "half written";
                    screen.Passengers.setCell(0, 3, "X");
                    screen.Passengers.select(2, 5);
                    game.hide(ScreenId::Psngrs);
                    game.show(ScreenId::Bank);
                    failure();
                }};

    void SetUp() override {
        t.startNewGame(1, 2);
        answer(false);  // no help
        click(game.RankingScreen().BeginTurn);
        click(game.PlanetScreen().Button456);
        pick(screen.Passengers, 0, 4);
        dialogs.clear();
    }

    void expectUntouched(const GameState& before, const std::vector<std::string>& cells) {
        EXPECT_TRUE(s == before);
        EXPECT_EQ(screen.CashL.text, cat("Money: £", before.PlayerCash[1]));
        for (int col = 0; col < screen.Passengers.colCount(); ++col)
            EXPECT_EQ(screen.Passengers.cell(col, 3), cells[col]);
        EXPECT_EQ(screen.Passengers.row(), 4);
        EXPECT_TRUE(game.isVisible(ScreenId::Psngrs));
        EXPECT_FALSE(game.isVisible(ScreenId::Bank));
    }
    std::vector<std::string> rowB() const {
        std::vector<std::string> cells;
        for (int col = 0; col < screen.Passengers.colCount(); ++col)
            cells.push_back(screen.Passengers.cell(col, 3));
        return cells;
    }
};

TEST_F(Rollback, AStopPutsBackTheStoreTheScreensAndWhatTheyShow) {
    const struct {
        std::function<void()> fail;
        const char* box;
    } cases[] = {
        {[] { throw GameError(kIntegerOverflow); }, "Integer overflow"},
        {[] { throw GameError(kRangeCheckError); }, "Range check error"},
        // Not one of the game's own stops: a fault, undone all the same and shown as one.
        {[] { throw std::out_of_range("the ledger has no such page"); },
         "the ledger has no such page"},
    };
    for (const auto& c : cases) {
        const GameState before = s;
        const auto cells = rowB();
        failure = c.fail;
        expectError(c.box);
        click(boom);
        expectUntouched(before, cells);
    }
}

TEST_F(Rollback, AScriptThatCannotGoOnIsUndoneAndReachesTheTest) {
    const GameState before = s;
    const auto cells = rowB();
    failure = [] { throw ScriptError("unexpected question"); };
    EXPECT_THROW(game.act(actionClick(boom)), ScriptError);
    expectUntouched(before, cells);
    EXPECT_EQ(dialogs.allErrors(), Texts{});
}

// The person's actions reach a control only when it can take them now.
struct Acting : ScreenTest {
    std::vector<Record> journal;
    void SetUp() override {
        game.setJournal([this](const Record& r) { journal.push_back(r); });
        game.clockSeed = [] { return 77u; };
        game.start();
    }
};

TEST_F(Acting, ControlsThatCannotTakeAnActionAreLeftAlone) {
    TGameMenu& menu = game.GameMenu();
    const std::size_t recorded = journal.size();
    // A hidden screen, a disabled button, a kind of action the control does not take, a name
    // that is no control: nothing happens and nothing is written down.
    EXPECT_FALSE(game.act(actionClick(game.Bank().Button1)));
    menu.Button2.enabled = false;
    EXPECT_FALSE(game.act(actionClick(menu.Button2)));
    menu.Button2.enabled = true;
    menu.Button2.visible = false;
    EXPECT_FALSE(game.act(actionClick(menu.Button2)));
    menu.Button2.visible = true;
    EXPECT_FALSE(game.act(Action::withIndex(ScreenId::GameMenu, "Button2", ActionKind::Choose, 1)));
    EXPECT_FALSE(game.act(Action::click(ScreenId::GameMenu, "NoSuchButton")));
    EXPECT_EQ(journal.size(), recorded);
    EXPECT_FALSE(game.isVisible(ScreenId::NGScreen));
    EXPECT_TRUE(game.act(actionClick(menu.Button2)));
    EXPECT_TRUE(game.isVisible(ScreenId::NGScreen));
}

TEST_F(Acting, TheJournalHearsTheSeedTheActionsTheBoxesAndTheTypingInOrder) {
    TNGScreen& ng = game.NGScreen();
    click(game.GameMenu().Button2);  // New Game: a new world, the name boxes set by the game
    pick(ng.NOP, 0);                 // 1 player: the game enables N1
    ng.N1.text = "Ajax\tFreight";    // typed in the window: written down before the next action
    pick(ng.NOP, 0);
    click(ng.Button1);  // Start, with no computer company: refused
    Texts lines;
    for (const Record& r : journal)
        lines.push_back(formatRecord(r));
    EXPECT_EQ(
        lines,
        (Texts{"seed\t77", "action\tTGameMenu\tButton2\tclick", "action\tTNGScreen\tNOP\tchoose\t0",
               "action\tTNGScreen\tN1\ttext\tAjax\\tFreight", "action\tTNGScreen\tNOP\tchoose\t0",
               "action\tTNGScreen\tButton1\tclick", "message\tThere must be more than 1 player!"}));
}

TEST_F(Acting, APopupMenuTakesItsItemsOnlyWhileOpen) {
    Screen& bank = game.screen(ScreenId::Bank);
    std::vector<std::string> seen;
    PopupMenu menu{bank, "PopMenu", {{"Buy1", "Buy", [&] { seen.push_back("buy"); }}}};
    StringGrid grid{bank, "Goods", 3, 4};
    grid.onMouseDown = [&] {
        seen.push_back("down " + std::to_string(grid.row()));
        if (grid.row() >= 1) menu.popup();
    };
    s.CurrentPlayer = 1;  // the bank shows a company's accounts
    run([&] { game.show(ScreenId::Bank); });

    EXPECT_FALSE(game.act(actionItem(menu, "Buy1")));  // not open yet
    press(grid);                                       // no row chosen: no menu
    EXPECT_FALSE(menu.isOpen());
    pick(grid, 1, 2);
    EXPECT_TRUE(menu.isOpen() && menu.shownAfterAction);
    chooseItem(menu, "Buy1");
    EXPECT_FALSE(menu.isOpen());
    EXPECT_FALSE(game.act(actionItem(menu, "Buy1")));  // once chosen, closed

    press(grid);  // the right button keeps the row
    EXPECT_TRUE(menu.isOpen());
    pick(grid, 0, 0);  // anything else closes it: here a heading row, which chooses no row
    EXPECT_FALSE(menu.isOpen());
    EXPECT_EQ(grid.row(), -1);
    EXPECT_FALSE(game.act(actionItem(menu, "Buy1")));
    EXPECT_EQ(seen, (Texts{"down -1", "down 2", "buy", "down 2", "down -1"}));
}

// Every button, clickable label, menu item, choice, check box and tab of every screen runs a
// handler, unless it is declared as doing nothing or as read by another control's handler; and
// every screen but the ranking has a way back, which closing its window presses.
TEST(Controls, NoDeadControlsAndEveryWindowCanBeClosed) {
    TestGame t;
    std::vector<std::string> dead, noWayBack;
    for (int i = 0; i < kScreenCount; ++i) {
        const Screen& screen = t.game.screen(static_cast<ScreenId>(i));
        for (const Control* c : screen.controls())
            if (!c->wired()) dead.push_back(cat(screenClassName(screen.id()), ".", c->name()));
        if (screen.wayBack() == nullptr) noWayBack.push_back(screenClassName(screen.id()));
    }
    EXPECT_EQ(dead, Texts{});
    EXPECT_EQ(noWayBack, Texts{"TRankingScreen"});
}

}  // namespace
