#include "GameMenuWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "app/TGameMenu.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

GameMenuWindow::GameMenuWindow(QWidget* parent) : GameWindow(ScreenId::GameMenu, parent) {
    keepOwnPlace();  // the main window
    setBackground(kMenuBackground);
    setFontSize(heading(), 34, true);
    resize(880, 580);

    // The mission and the three choices on the left, leaving the planet in view on the right.
    auto* left = new QVBoxLayout;
    Panel* mission = makePanel(QString::fromUtf8(kMissionGroup));
    mission->setMaximumWidth(430);
    QLabel* text = makeWrappedLabel("Mission");
    setFontSize(text, 11);
    panelLayout(mission)->addWidget(text);
    left->addWidget(mission);

    auto* choices = new QVBoxLayout;
    choices->setSpacing(8);
    for (const char* name : {"Button2", "Button1", "Button3"}) {  // New Game, Load Game, Close
        QPushButton* button = makeButton(name);
        button->setMinimumSize(200, 36);
        setFontSize(button, 11, true);
        choices->addWidget(button, 0, Qt::AlignLeft);
    }
    left->addSpacing(10);
    left->addLayout(choices);
    left->addStretch(1);

    auto* row = new QHBoxLayout;
    row->addLayout(left);
    row->addStretch(1);
    content()->addLayout(row, 1);

    QLabel* credits = makeWrappedLabel("Credits");
    credits->setMaximumWidth(520);
    setFontSize(credits, 9);
    buttonRow()->insertWidget(0, credits, 0, Qt::AlignBottom);
}

}  // namespace quorvex::ui
