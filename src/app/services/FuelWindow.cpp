#include "FuelWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

FuelWindow::FuelWindow(QWidget* parent) : GameWindow(ScreenId::Fuel, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button3")});  // Continue
}

}  // namespace quorvex::ui
