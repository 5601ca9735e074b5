#include "ShpUpgWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

ShpUpgWindow::ShpUpgWindow(QWidget* parent) : GameWindow(ScreenId::ShpUpg, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
