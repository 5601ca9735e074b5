#include "GameEnd.h"

namespace quorvex {

bool gameHasEnded(const GameState& s) {
    int active = 0;
    int humans = 0;
    int leader = 1;
    for (int i = 1; i <= kCompanies; ++i) {
        if (s.PlayerActive[i]) {
            ++active;
            if (isHuman(i)) ++humans;
        }
        if (s.PlayerNetWorth[i] > s.PlayerNetWorth[leader]) leader = i;
    }
    if (active < 2 || humans == 0) return true;
    return s.PlayerActive[leader] && s.PlayerNetWorth[leader] > kWinningWorth;
}

}  // namespace quorvex
