#pragma once

#include <initializer_list>

#include "kit/WindowKit.h"

namespace quorvex::ui {

// The parts the buy and sell windows share.

// The good traded: its name large, the list it came from and the cash on one line, then the
// window's own figures of the good.
Panel* makeGoodPanel(std::initializer_list<const char*> figures);

// The amount box with its caption before it, and the quote's figures below.
Panel* makeAmountPanel(const char* caption, const char* edit,
                       std::initializer_list<const char*> quote);

}  // namespace quorvex::ui
