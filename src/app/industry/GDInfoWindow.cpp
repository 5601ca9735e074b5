#include "GDInfoWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

GDInfoWindow::GDInfoWindow(QWidget* parent) : GameWindow(ScreenId::GDInfo, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
