#include "TRankingScreen.h"

#include <algorithm>
#include <vector>

#include "../economy/WorldUpdate.h"
#include "../form/Game.h"
#include "../persist/SaveFile.h"
#include "../state/Format.h"
#include "ComputerPlayer.h"
#include "EndOfTurn.h"

namespace quorvex {
namespace {

constexpr int kObjective = 250000000;  // exactly this much does not win

int countActive(const GameState& s, int from, int to) {
    int n = 0;
    for (int i = from; i <= to; ++i)
        if (s.PlayerActive[i]) ++n;
    return n;
}

// Fewer than two companies left, or no person left among them.
bool nobodyLeftToPlay(const GameState& s) {
    return countActive(s, 1, kCompanies) < 2 || countActive(s, 1, kHumanCompanies) == 0;
}

}  // namespace

TRankingScreen::TRankingScreen(Game& game) : Screen(game, ScreenId::RankingScreen, "Rank") {}

void TRankingScreen::FormShow() {
    GameState& st = s();
    BeginTurn.enabled = true;
    if (!st.GameLoaded) {
        st.HelpOn = false;
        if (st.TurnNumber != 0) {
            Plyrfinish();
        } else {
            game.watcher().gameBegins();
            worldUpdate(game.world());  // the first display of a new game starts game turn 1
        }
        NextPlyr();
        BalanceCalcutate();
    } else {
        // A loaded game already stands at the start of CurrentPlayer's turn. One saved after
        // its end stays ended: nobody may begin a turn in it (a winner is found by the ranking).
        st.GameLoaded = false;
        if (nobodyLeftToPlay(st)) endGame();
    }
    showRanking();
    game.watcher().rankingShown();
}

void TRankingScreen::endGame() {
    message("The game has ended!");
    BeginTurn.enabled = false;
}

void TRankingScreen::BeginTurnClick() {
    handOver(ScreenId::PlanetScreen);
}

void TRankingScreen::btnSaveClick() {
    saveGame(game);
}

// Written as a loop rather than the chain NextPlyr -> Compturn -> Plyrfinish -> NextPlyr ->
// TurnChanges -> NextPlyr: the same steps in the same order, without the nesting.
void TRankingScreen::NextPlyr() {
    GameState& st = s();
    for (;;) {
        if (nobodyLeftToPlay(st)) {
            endGame();
            return;
        }
        bool wrapped = false;
        Int candidate;
        do {
            st.TurnSlot += 1;
            if (st.TurnSlot >= kCompanies + 1) {
                st.TurnSlot = 1;
                wrapped = true;
            }
            candidate = st.TurnOrder[st.TurnSlot];
        } while (!st.PlayerActive[candidate] && !wrapped);

        if (wrapped) {
            worldUpdate(
                game.world());  // a new game turn; it starts with the first company of the order
            continue;
        }
        st.CurrentPlayer = candidate;
        st.HumanTurn = isHuman(candidate);
        if (st.HumanTurn) return;
        playComputerTurn(game.world(), candidate);
        Plyrfinish();
    }
}

void TRankingScreen::BalanceCalcutate() {
    GameState& st = s();
    for (int i = 1; i <= kCompanies; ++i)
        st.PlayerNetWorth[i] = st.PlayerActive[i] ? st.PlayerCash[i] + st.PlayerSavings[i] -
                                                        (st.PlayerLoan[i] + st.CrewDebt[i])
                                                  : Int(kNotPlaying);
}

void TRankingScreen::Plyrfinish() {
    quorvex::Plyrfinish(game.world());
}

void TRankingScreen::showRanking() {
    GameState& st = s();
    std::vector<int> table;
    for (int i = 1; i <= kCompanies; ++i)
        table.push_back(i);
    // Richest first; ties keep ascending company numbers.
    std::stable_sort(table.begin(), table.end(),
                     [&](int a, int b) { return st.PlayerNetWorth[a] > st.PlayerNetWorth[b]; });

    Ranks.items.clear();
    Ranks.itemIndex = -1;
    for (int i : table)
        if (st.PlayerActive[i])
            Ranks.items.push_back(cat(st.PlayerName[i], " £", st.PlayerNetWorth[i]));

    const int leader = table.front();
    if (st.PlayerActive[leader] && st.PlayerNetWorth[leader] > kObjective) {
        BeginTurn.enabled = false;
        message(cat("Congratulations ", st.PlayerName[leader], " has won the game!!"));
    }

    TurnL.text = cat("Turn: ", st.TurnNumber);
    const Int current = st.CurrentPlayer;
    if (current < 1 || current > kCompanies) {  // nobody has played yet
        PlyrnameL.text = RankL.text = NetWorthL.text = ChangeL.text = "";
        return;
    }
    PlyrnameL.text = st.PlayerName[current];
    const int place =
        static_cast<int>(std::find(table.begin(), table.end(), current.get()) - table.begin()) + 1;
    st.PlayerRank[current] = place;
    RankL.text = cat("Rank: ", place);
    NetWorthL.text = cat("Net Worth(£): ", st.PlayerNetWorth[current]);
    const Int change = st.PlayerNetWorth[current] - st.PlayerLastNetWorth[current];
    ChangeL.text = cat("Change(£): ", change >= 0 ? "+" : "", change);
    st.PlayerLastNetWorth[current] = st.PlayerNetWorth[current];
}

}  // namespace quorvex
