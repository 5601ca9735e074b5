#pragma once

#include <array>
#include <string>
#include <vector>

#include "../journal/Record.h"
#include "../state/GameState.h"

namespace quorvex {

// A company's net worth as the ranking of one game turn showed it.
struct WorthPoint {
    int turn = 0;
    int netWorth = 0;
    bool operator==(const WorthPoint&) const = default;
};

// A box the game showed: an information or error box, a Yes/No question or an input box, with
// the answer given, in the journal's own words.
struct ShownBox {
    int turn = 0;     // the game turn it was shown in
    int company = 0;  // the company it was for: the one told, else the one at the machine; 0: none
    Record record;    // a Message, Error, Confirm or Input record
    bool operator==(const ShownBox&) const = default;
};

// The boxes worth keeping: the ones a person reads (file dialogs are not news).
bool isShownBox(const Record& record);

// A box as one line of the messages list: what kind of box, its text and the answer given.
struct BoxText {
    std::string kind;    // "Message", "Error", "Question", "Input"
    std::string text;    // the message, the question, or the input box's prompt
    std::string answer;  // "Yes", "No", what was typed, "(cancelled)"; empty for messages
};
BoxText describeBox(const Record& record);

// What a game has been so far: every company's net worth at each game turn and every box shown.
// It starts with a new game, or at the turn of a save that came without its history.
class GameHistory {
public:
    GameHistory() = default;
    using Names = std::array<std::string, kCompanies + 1>;  // [0] stays empty

    // A history starting at the game turn the store stands at, with its companies' names.
    explicit GameHistory(const GameState& s);
    GameHistory(int firstTurn, const Names& names);

    // The ranking as it stands: each company still in the game has its net worth at the store's
    // game turn. The latest ranking of a game turn stands for the turn, so a company that goes
    // out keeps the point of the last ranking it was in, and its line ends there.
    void noteRanking(const GameState& s);
    // One company's net worth at a game turn: it stands for the turn until a later one of the
    // same turn replaces it. False, and nothing noted, for a company outside 1..18 or a turn
    // before the history's start or before the company's last point.
    bool noteWorth(int company, int turn, int netWorth);
    // A box shown in this game. False, and nothing noted, for a record that is no box (see
    // isShownBox) or a company outside 0..18.
    bool noteBox(int turn, int company, const Record& record);

    int firstTurn() const { return firstTurn_; }
    // The last game turn with a net worth; firstTurn() when there is none yet.
    int lastTurn() const;
    // The company's name as the game knows it; empty for 0.
    const std::string& companyName(int company) const;
    // The company's net worth by game turn, oldest first; empty for a company never in the game.
    const std::vector<WorthPoint>& worth(int company) const;
    // Every box shown, oldest first.
    const std::vector<ShownBox>& boxes() const { return boxes_; }

    bool operator==(const GameHistory&) const = default;

private:
    int firstTurn_ = 0;
    Names names_{};
    std::array<std::vector<WorthPoint>, kCompanies + 1> worth_{};
    std::vector<ShownBox> boxes_;
};

}  // namespace quorvex
