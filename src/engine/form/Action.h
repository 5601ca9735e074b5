#pragma once

#include <string>

#include "ScreenId.h"

namespace quorvex {

// What the person can do to a control. The journal writes each as the word in its comment.
enum class ActionKind {
    Click,   // "click": a button, a clickable label, an item of an open pop-up menu
    Text,    // "text": the text of an edit box as the person left it
    Choose,  // "choose": an entry of a list, drop-down or radio group (-1 = none)
    Check,   // "check": a check box ticked (1) or cleared (0)
    Cell,    // "cell": a left click on a grid cell
    Press,   // "press": any other mouse button pressed over a grid
    Page,    // "page": a tab of a page control
};

const char* actionWord(ActionKind kind);

// One thing the person did, named by screen and control so that it can be written down and
// done again: everything a window, a test or a tool does to a screen is one of these.
struct Action {
    Action() = default;
    Action(ScreenId screen, std::string control, ActionKind kind)
        : screen(screen), control(std::move(control)), kind(kind) {}

    ScreenId screen = ScreenId::GameMenu;
    std::string control;  // the control's name; a pop-up menu item's own name for its click
    ActionKind kind = ActionKind::Click;
    std::string text;  // Text
    int index = 0;     // Choose, Check, Page
    int col = -1;      // Cell
    int row = -1;      // Cell

    static Action click(ScreenId screen, std::string control) {
        return {screen, std::move(control), ActionKind::Click};
    }
    static Action typed(ScreenId screen, std::string control, std::string text) {
        Action a{screen, std::move(control), ActionKind::Text};
        a.text = std::move(text);
        return a;
    }
    static Action withIndex(ScreenId screen, std::string control, ActionKind kind, int index) {
        Action a{screen, std::move(control), kind};
        a.index = index;
        return a;
    }
    static Action cell(ScreenId screen, std::string control, int col, int row) {
        Action a{screen, std::move(control), ActionKind::Cell};
        a.col = col;
        a.row = row;
        return a;
    }
    bool operator==(const Action&) const = default;
};

}  // namespace quorvex
