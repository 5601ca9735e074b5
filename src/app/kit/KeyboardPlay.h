#pragma once

#include <QList>

class QPushButton;
class QWidget;

// Playing without a mouse: the order Tab moves in, and the button Enter presses.
namespace quorvex::ui {

// The widgets Tab reaches in a window, in reading order: as the window's layouts place them, top
// to bottom and left to right (a grid row by row), a tab page's widgets after its tabs, widgets
// placed without a layout in the order they were made. A control is one stop; what lies inside
// it (a combo box's list, a grid's cells) is its own to move in.
QList<QWidget*> readingOrder(QWidget* window);

// Makes Tab follow readingOrder; widgets no layout places follow, in the order they had.
void orderTabs(QWidget* window);

// The window's main action, pressed by Enter wherever the focus is: its default button when
// that can be pressed now; none otherwise.
QPushButton* mainAction(QWidget* window);

}  // namespace quorvex::ui
