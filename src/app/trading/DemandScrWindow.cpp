#include "DemandScrWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

DemandScrWindow::DemandScrWindow(QWidget* parent) : GameWindow(ScreenId::DemandScr, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
