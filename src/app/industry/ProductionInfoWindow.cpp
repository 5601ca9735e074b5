#include "ProductionInfoWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

ProductionInfoWindow::ProductionInfoWindow(QWidget* parent)
    : GameWindow(ScreenId::ProductionInfo, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button5")});  // Continue
}

}  // namespace quorvex::ui
