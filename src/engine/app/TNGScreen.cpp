#include "TNGScreen.h"

#include "../form/Game.h"
#include "WorldGeneration.h"

namespace quorvex {
namespace {

constexpr int kIntelligence[] = {20, 40, 60, 80};
constexpr int kEventRate[] = {40, 60, 80, 100};
constexpr int kNoIntelligence = 0;
constexpr int kNoEventRate = 20;  // below "Few"

}  // namespace

TNGScreen::TNGScreen(Game& game) : Screen(game, ScreenId::NGScreen, "New Game") {
    for (int i = 1; i <= kHumanCompanies; ++i)
        nameField(i)->enabled = false;
    NOP.hint = "Chose the No of Human Player";
}

Edit* TNGScreen::nameField(int i) {
    Edit* fields[] = {&N1, &N2, &N3, &N4, &N5, &N6};
    return fields[i - 1];
}

// Every showing draws a new world, so going back and returning replaces the one drawn before.
void TNGScreen::FormShow() {
    Compint.itemIndex = 1;  // "40%"
    generateWorld(game.world());
}

void TNGScreen::NOPChange() {
    const int humans = NOP.itemIndex + 1;  // 0 when nothing is chosen
    for (int i = 1; i <= kHumanCompanies; ++i)
        nameField(i)->enabled = i <= humans;
}

void TNGScreen::Button1Click() {
    GameState& st = s();
    st.ComputerIntelligence =
        Compint.itemIndex >= 0 ? kIntelligence[Compint.itemIndex] : kNoIntelligence;
    st.RandomEventRate = Events.itemIndex >= 0 ? kEventRate[Events.itemIndex] : kNoEventRate;
    for (int i = 1; i <= kCompanies; ++i)
        st.PlayerIntelligence[i] = game.random(20) + st.ComputerIntelligence;

    const int humans = NOP.itemIndex + 1;
    const int computers = Comps.itemIndex + 1;
    st.PlayerCount = 0;
    for (int i = 1; i <= kCompanies; ++i) {
        const bool human = i <= kHumanCompanies;
        st.PlayerActive[i] = human ? i <= humans : i - kHumanCompanies <= computers;
        if (st.PlayerActive[i]) st.PlayerCount += 1;
    }

    Refusals no = refusals();
    no.refuseIf(st.PlayerCount < 2, "There must be more than 1 player!");
    no.refuseIf(NOP.itemIndex < 0, "There must be at least 1 human player!");
    if (no.any()) return;

    for (int i = 1; i <= kHumanCompanies; ++i)
        st.PlayerName[i] = nameField(i)->text;
    for (int i = kHumanCompanies + 1; i <= kCompanies; ++i)
        st.PlayerName[i] = std::string(1, static_cast<char>('A' + i - kHumanCompanies - 1));
    for (int i = 1; i <= kCompanies; ++i)
        if (!st.PlayerActive[i]) st.PlayerNetWorth[i] = kNotPlaying;

    handOver(ScreenId::RankingScreen);
}

void TNGScreen::Button2Click() {
    handOver(ScreenId::GameMenu);
}

}  // namespace quorvex
