#include "BankWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

BankWindow::BankWindow(QWidget* parent) : GameWindow(ScreenId::Bank, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button1")});  // Continue
}

}  // namespace quorvex::ui
