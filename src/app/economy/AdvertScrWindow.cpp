#include "AdvertScrWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

AdvertScrWindow::AdvertScrWindow(QWidget* parent) : GameWindow(ScreenId::AdvertScr, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button4")});  // Continue
}

}  // namespace quorvex::ui
