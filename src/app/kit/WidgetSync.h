#pragma once

#include "form/Controls.h"

class QWidget;

// Copying a control of the game into its widget, one kind at a time.
namespace quorvex::ui {

// Brings the widget up to date with the control: texts, items, cells, selection, enabled,
// visible. shownColour remembers the label colour last applied (-1 at first). The caller blocks
// the widget's signals, so the copy is never taken for something the person did.
void syncWidget(Control& control, QWidget* widget, int& shownColour);

// Whether a widget is of the kind that shows a control (a QLabel for a Label, a QTableWidget
// for a StringGrid ...).
bool widgetFits(ControlKind kind, const QWidget* widget);

}  // namespace quorvex::ui
