#pragma once

#include <initializer_list>

class QTabWidget;

namespace quorvex::ui {

class Panel;

// Pieces the market, cargo and demand windows share.

// The company's figures (cash, hold) side by side on a dark panel above the lists.
Panel* makeFigureRow(std::initializer_list<const char*> labels);

// A page control with one grid on each page, in the order given; a point size above 0 sets the
// grids' font (a smaller one lets a wide grid fit the window).
QTabWidget* makeGridPages(const char* name, std::initializer_list<const char*> grids,
                          int pointSize = 0);

}  // namespace quorvex::ui
