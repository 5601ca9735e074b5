#pragma once

class QListWidget;
class QTableWidget;

// Widgets the factories and sales office windows share: their wide grids need the window's
// whole width and height.
namespace quorvex::ui {

// The twelve planets as a list in one row, to stand beside the figures above a grid.
QListWidget* makePlanetStrip(const char* name);

// A grid in a smaller face with tighter rows, so that more of its columns and rows show.
QTableWidget* makeCompactGrid(const char* name);

}  // namespace quorvex::ui
