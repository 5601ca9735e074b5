#include "WarescrWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

WarescrWindow::WarescrWindow(QWidget* parent) : GameWindow(ScreenId::Warescr, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button5")});  // Continue
}

}  // namespace quorvex::ui
