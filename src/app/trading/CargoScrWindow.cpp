#include "CargoScrWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

CargoScrWindow::CargoScrWindow(QWidget* parent) : GameWindow(ScreenId::CargoScr, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
