#include "CrewRules.h"

namespace quorvex {

std::optional<Int> unpaidTurns(const GameState& s, Int company) {
    const Int crew = s.CrewCount[company];
    const Int wage = s.CrewWage[company];
    if (crew <= 0 || wage <= 0) return std::nullopt;
    return s.CrewDebt[company] / crew / wage;
}

Int moodAfter(std::optional<Int> unpaid, Int mood) {
    if (!unpaid || *unpaid < 0 || *unpaid > 8) return mood;
    return *unpaid / 2 + 1;  // a step for every two turns unpaid
}

const char* moodWord(Int mood) {
    static const char* const kWords[] = {"Jubilant", "Happy", "UnHappy", "Annoyed", "Angry"};
    if (mood < 1 || mood > 5) return "";
    return kWords[mood.get() - 1];
}

}  // namespace quorvex
