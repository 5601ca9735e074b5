#include "SalesofficeWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

SalesofficeWindow::SalesofficeWindow(QWidget* parent) : GameWindow(ScreenId::Salesoffice, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
