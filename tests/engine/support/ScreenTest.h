#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestGame.h"
#include "form/Screen.h"

namespace quorvex::testing {

// The fixture of every screen test: a game with scripted dialogs, driven the way a person drives
// it (each click, pick and typed text is one journalled action of the game). At the end of each
// test it fails the test when an answer was scripted that no box asked for, or when an error box
// appeared that the test did not expect with expectError.
class ScreenTest : public ::testing::Test {
protected:
    TestGame t;
    Game& game = t.game;
    GameState& s = t.s;
    ScriptedDialogs& dialogs = t.dialogs;

    // A step of the game that is not a person's action (a turn step, a world update).
    void run(const std::function<void()>& step) { game.perform(step); }
    void show(ScreenId id) {
        run([&] { game.show(id); });
    }

    // The person's actions; each fails the test when the control cannot take it now (hidden,
    // disabled, on a screen that is not shown).
    void click(const Control& control) { act(actionClick(control)); }
    void chooseItem(const PopupMenu& menu, const std::string& item) { act(actionItem(menu, item)); }
    void pick(const Choice& choice, int index) { act(actionChoose(choice, index)); }
    void pick(const StringGrid& grid, int col, int row) { act(actionCell(grid, col, row)); }
    void press(const StringGrid& grid) { act(actionPress(grid)); }
    void type(const Edit& edit, const std::string& text) { act(actionText(edit, text)); }
    void tick(const CheckBox& box, bool on) { act(actionCheck(box, on)); }
    void page(const PageControl& pages, int index) { act(actionPage(pages, index)); }
    void act(const Action& action) {
        EXPECT_TRUE(game.act(action))
            << "cannot " << actionWord(action.kind) << " " << action.control << " on "
            << screenClassName(action.screen) << " now";
    }

    // Answers for the boxes the next action will show, in order.
    void answerInput(const std::string& typed) { dialogs.answerInput(typed); }
    void cancelInput() { dialogs.cancelInput(); }
    void answer(bool yes) { dialogs.answerConfirm(yes); }

    // The messages shown since the last call, and forget them.
    std::vector<std::string> takeMessages() {
        std::vector<std::string> shown = dialogs.messages();
        dialogs.clear();
        return shown;
    }
    // An error box the test expects; checked at the end like the unexpected ones.
    void expectError(const std::string& text) { expectedErrors_.push_back(text); }

    void TearDown() override {
        EXPECT_EQ(dialogs.unanswered(), 0u) << "scripted answers that no box asked for";
        EXPECT_EQ(dialogs.allErrors(), expectedErrors_) << "error boxes";
    }

private:
    std::vector<std::string> expectedErrors_;
};

}  // namespace quorvex::testing
