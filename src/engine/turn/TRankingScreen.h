#pragma once

#include "../form/Screen.h"

namespace quorvex {

// The hinge of the game: every display finishes the turn that has just ended, plays the computer
// companies, runs the world update between game turns and shows the ranking.
class TRankingScreen final : public Screen {
public:
    explicit TRankingScreen(Game& game);

    ListBox Ranks{*this, "Ranks", {}, kDoesNothing};
    Label PlyrnameL{*this, "PlyrnameL"};
    Label TurnL{*this, "TurnL"};
    Label RankL{*this, "RankL"};
    Label NetWorthL{*this, "NetWorthL"};
    Label ChangeL{*this, "ChangeL"};
    Label Label1{*this, "Label1",
                 "Objective:                    Achieve Net worth of £250,000,000 Here are the "
                 "remaining companies ranked in order:"};
    Button BeginTurn{*this, "BeginTurn", "Begin Turn", [this] { BeginTurnClick(); }};
    Button btnSave{*this, "btnSave", "Save Game", [this] { btnSaveClick(); }};

    void FormShow() override;
    void BeginTurnClick();
    void btnSaveClick();

    // The turn steps, in the names the game's developers use for them.
    void NextPlyr();
    void BalanceCalcutate();
    void Plyrfinish();

private:
    void showRanking();
    void endGame();
};

}  // namespace quorvex
