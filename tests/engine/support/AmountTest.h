#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ScreenTest.h"

namespace quorvex::testing {

// An amount a careless or hostile person types into the box a button opens, and what the game
// must answer: its refusals in order, or the conversion error for the text as typed.
struct BadAmount {
    const Button& button;
    std::optional<std::string> typed;  // none: Cancel
    std::vector<std::string> messages;
    bool notANumber = false;
};

// For BadAmount::notANumber: "'<typed>' is not a valid integer value" is the answer.
inline constexpr bool kNotANumber = true;

// The fixture of screens with input boxes.
class AmountTest : public ScreenTest {
protected:
    // The box opens once, the answer is exactly the expected one, and the store is untouched.
    void expectRefused(const BadAmount& bad) {
        const std::string what = bad.button.caption + " " + bad.typed.value_or("(Cancel)");
        const GameState before = s;
        if (bad.typed)
            answerInput(*bad.typed);
        else
            cancelInput();
        const std::string error =
            bad.notANumber ? "'" + *bad.typed + "' is not a valid integer value" : "";
        if (!error.empty()) expectError(error);
        click(bad.button);
        EXPECT_EQ(dialogs.inputs().size(), 1u) << what;
        EXPECT_EQ(dialogs.errors(),
                  error.empty() ? std::vector<std::string>{} : std::vector<std::string>{error})
            << what;
        EXPECT_EQ(takeMessages(), bad.messages) << what;
        EXPECT_TRUE(s == before) << what;
    }
};

}  // namespace quorvex::testing
