#include "ManufacturingWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

ManufacturingWindow::ManufacturingWindow(QWidget* parent)
    : GameWindow(ScreenId::Manufacturing, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
