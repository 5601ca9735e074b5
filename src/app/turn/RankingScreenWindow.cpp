#include "RankingScreenWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {

RankingScreenWindow::RankingScreenWindow(QWidget* parent)
    : GameWindow(ScreenId::RankingScreen, parent) {
    setBackground(kRankingBackground);

    // The company about to play, large, with its figures beneath.
    Panel* company = makePanel();
    QLabel* name = makeWrappedLabel("PlyrnameL");
    setFontSize(name, 22, true);
    panelLayout(company)->addWidget(name);
    for (const char* figure : {"TurnL", "RankL", "NetWorthL", "ChangeL"}) {
        QLabel* label = makeLabel(figure);
        setFontSize(label, 13);
        panelLayout(company)->addWidget(label);
    }

    Panel* table = makePanel();
    QLabel* objective = makeWrappedLabel("Label1");
    setFontSize(objective, 11);
    panelLayout(table)->addWidget(objective);
    QListWidget* ranks = makeListBox("Ranks");
    setFontSize(ranks, 12);
    panelLayout(table)->addWidget(ranks, 1);

    // The company's panel stays compact at the top, leaving the planet below in view.
    auto* left = new QVBoxLayout;
    left->addWidget(company);
    left->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addLayout(left, 2);
    row->addSpacing(12);
    row->addWidget(table, 3);
    content()->addLayout(row, 1);

    QPushButton* save = makeButton("btnSave");
    save->setMinimumSize(130, 40);
    setFontSize(save, 11);
    // The program's own button, beside the game's: it opens the game's history and changes
    // nothing in the game.
    QPushButton* history = makeButton("History");
    history->setText(QStringLiteral("History"));
    history->setMinimumSize(130, 40);
    setFontSize(history, 11);
    QPushButton* begin = makeMainAction("BeginTurn");  // Enter, wherever the focus is
    begin->setMinimumSize(160, 40);
    setFontSize(begin, 12, true);
    addAll(buttonRow(), {save, history, begin});
    begin->setFocus();  // the list is not focused with a false highlight
}

}  // namespace quorvex::ui
