#pragma once

#include <functional>

#include "form/Controls.h"

class QObject;
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

// Hands what the person does in the widget to act, as the action it is on the control (a click,
// a choice, a tab ...), for as long as context lives. Typing only changes an edit's text, which
// a handler reads; a grid's mouse presses are the binder's to watch.
void forwardActions(Control& control, QWidget* widget, QObject* context,
                    std::function<void(const Action&)> act);

}  // namespace quorvex::ui
