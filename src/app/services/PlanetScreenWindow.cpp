#include "PlanetScreenWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

// A panel of door buttons, two to a row.
Panel* doors(const QString& title, std::initializer_list<const char*> names) {
    Panel* panel = makePanel(title);
    panelLayout(panel)->addLayout(makeButtonGrid(names));
    panelLayout(panel)->addStretch(1);
    return panel;
}

}  // namespace

PlanetScreenWindow::PlanetScreenWindow(QWidget* parent)
    : GameWindow(ScreenId::PlanetScreen, parent) {
    setBackground(kHubBackground);
    heading()->hide();  // the hub's own title shows the game's name

    QLabel* title = makeLabel("TitleL");
    setFontSize(title, 30, true);
    QLabel* planet = makeLabel("PLanetL");
    setFontSize(planet, 16, true);
    auto* top = new QVBoxLayout;
    top->setSpacing(2);
    top->addWidget(title, 0, Qt::AlignHCenter);
    top->addWidget(planet, 0, Qt::AlignHCenter);
    content()->addLayout(top);

    Panel* figures = makePanel(QStringLiteral("Company"));
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(8);
    const std::pair<const char*, const char*> rows[] = {
        {"Label1", "CashL"}, {"Label2", "LoanL"}, {"Label3", "CreditL"},
        {"Label4", "SAvsL"}, {"Label5", "PassL"},
    };
    int row = 0;
    for (const auto& [caption, value] : rows) {
        QLineEdit* edit = makeEdit(value);
        edit->setMinimumWidth(140);
        addFigure(grid, row++, makeLabel(caption), edit);
    }
    QLabel* destination = makeLabel("DestL");
    setFontSize(destination, 12, true);
    addFigure(grid, row++, makeLabel("Label6"), destination);
    grid->setRowStretch(row, 1);
    panelLayout(figures)->addLayout(grid);

    auto* screens = new QVBoxLayout;
    auto* upper = new QHBoxLayout;
    upper->addWidget(
        doors(QStringLiteral("Trade"), {"Button9", "Button15", "Button18", "Button5"}));
    upper->addWidget(doors(QStringLiteral("Ship and services"),
                           {"Button7", "Button2", "Button3", "Button10", "Button456", "Button16"}));
    screens->addLayout(upper);
    screens->addWidget(doors(QStringLiteral("Industry"), {"Button6", "Button8", "Button12",
                                                          "Button14", "Button11", "Button17"}));

    auto* middle = new QHBoxLayout;
    middle->addWidget(figures, 2);
    middle->addSpacing(12);
    middle->addLayout(screens, 5);
    content()->addLayout(middle);
    content()->addStretch(1);

    QPushButton* go = makeMainAction("Button1");  // Enter ends the turn: off to the travel screen
    go->setMinimumSize(150, 44);
    setFontSize(go, 14, true);
    addAll(buttonRow(), {makeButton("Button4"), makeButton("Button13"), go});  // Help, Close, GO
    go->setFocus();  // rather than the first figure, which would show a cursor
}

}  // namespace quorvex::ui
