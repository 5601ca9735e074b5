#include "CrewWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "kit/WindowKit.h"

namespace quorvex::ui {

CrewWindow::CrewWindow(QWidget* parent) : GameWindow(ScreenId::Crew, parent) {
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button3")});  // Continue
}

}  // namespace quorvex::ui
