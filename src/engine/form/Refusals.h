#pragma once

#include <string>

#include "Dialogs.h"

namespace quorvex {

// The checks of an action, made one after another: each one that fails shows its own message,
// and if any failed the action changes nothing.
//
//     Refusals no = refusals();
//     no.refuseIf(amount < 1, "You can not ...");
//     no.refuseIf(cost > cash, "You can not afford ...");
//     if (no.any()) return;
class Refusals {
public:
    explicit Refusals(Dialogs& dialogs) : dialogs_(dialogs) {}

    // Refuses the action with this message when the condition holds.
    void refuseIf(bool condition, const std::string& text) {
        if (!condition) return;
        dialogs_.message(text);
        refused_ = true;
    }
    bool any() const { return refused_; }

private:
    Dialogs& dialogs_;
    bool refused_ = false;
};

}  // namespace quorvex
