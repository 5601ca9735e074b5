#include "CrewWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

CrewWindow::CrewWindow(QWidget* parent) : GameWindow(ScreenId::Crew, parent) {
    setBackground(kHubBackground);
    Panel* wages = makePanel(QStringLiteral("Crew"));
    for (const char* figure : {"CashL", "CrewL", "DebtL", "TotalL"}) {
        QLabel* label = makeLabel(figure);
        setFontSize(label, 12);
        panelLayout(wages)->addWidget(label);
    }
    auto* figures = new QGridLayout;
    QLabel* wageCaption = makeDecoration(QStringLiteral("Wage per crew member:"));
    QLabel* wage = makeLabel("WageL");
    QLabel* moodCaption = makeDecoration(QStringLiteral("Crew mood:"));
    QLabel* mood = makeLabel("SentL");
    for (QLabel* label : {wageCaption, wage, moodCaption})
        setFontSize(label, 12);
    setFontSize(mood, 14, true);
    addFigure(figures, 0, wageCaption, wage);
    addFigure(figures, 1, moodCaption, mood);
    figures->setColumnStretch(2, 1);
    panelLayout(wages)->addLayout(figures);
    panelLayout(wages)->addSpacing(10);
    panelLayout(wages)->addLayout(makeButtonGrid({"Button1", "Button4"}));  // Pay Crew, Pay Max

    auto* row = new QHBoxLayout;
    row->addWidget(wages, 2);
    row->addStretch(3);
    content()->addLayout(row);
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button2"), makeButton("Button3")});  // HELP, Continue
}

}  // namespace quorvex::ui
