#include "NGScreenWindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "app/TNGScreen.h"
#include "kit/RadioGroupBox.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

NGScreenWindow::NGScreenWindow(QWidget* parent) : GameWindow(ScreenId::NGScreen, parent) {
    setBackground(kMenuBackground);

    Panel* players = makePanel(QString::fromUtf8(kPlayersGroup));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->addWidget(makeLabel("Label1"), 0, 0);  // Company Names
    grid->addWidget(makeLabel("Label2"), 0, 1);  // No of Players
    const char* names[] = {"N1", "N2", "N3", "N4", "N5", "N6"};
    for (int i = 0; i < 6; ++i) {
        QLineEdit* name = makeEdit(names[i]);
        name->setMinimumWidth(220);
        // Far inside the longest text a save file can hold back, whatever the characters.
        name->setMaxLength(64);
        grid->addWidget(name, i + 1, 0);
    }
    QComboBox* count = makeComboBox("NOP");
    count->setMinimumWidth(140);
    grid->addWidget(count, 1, 1, Qt::AlignTop);
    panelLayout(players)->addLayout(grid);
    panelLayout(players)->addStretch(1);

    auto* settings = new QVBoxLayout;
    settings->addWidget(makeRadioGroup("Comps", 4));
    settings->addWidget(makeRadioGroup("Compint", 2));
    settings->addWidget(makeRadioGroup("Events", 2));

    auto* row = new QHBoxLayout;
    row->addWidget(players, 3);
    row->addSpacing(12);
    row->addLayout(settings, 2);
    content()->addLayout(row);
    content()->addStretch(1);

    // Back, Start: Enter starts the game once the names are typed.
    addAll(buttonRow(), {makeButton("Button2"), makeMainAction("Button1")});
}

}  // namespace quorvex::ui
