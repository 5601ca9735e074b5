#include "BankWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "Backgrounds.h"
#include "kit/WindowKit.h"

namespace quorvex::ui {
namespace {

// One side of the bank: its figures above, its four buttons two to a row below.
Panel* account(const QString& title, std::initializer_list<const char*> figures,
               std::initializer_list<const char*> buttons) {
    Panel* panel = makePanel(title);
    for (const char* name : figures) {
        QLabel* label = makeLabel(name);
        setFontSize(label, 12);
        panelLayout(panel)->addWidget(label);
    }
    panelLayout(panel)->addSpacing(10);
    panelLayout(panel)->addLayout(makeButtonGrid(buttons));
    panelLayout(panel)->addStretch(1);
    return panel;
}

}  // namespace

BankWindow::BankWindow(QWidget* parent) : GameWindow(ScreenId::Bank, parent) {
    setBackground(kHubBackground);
    QLabel* cash = makeLabel("CashL");
    setFontSize(cash, 16, true);
    content()->addWidget(cash, 0, Qt::AlignHCenter);

    auto* sides = new QHBoxLayout;
    sides->setSpacing(20);
    // Borrow, Borrow Max, Repay, Repay Max
    sides->addWidget(account(QStringLiteral("Loan"), {"BalenceL", "IntRL", "INTL", "CrdlmtL"},
                             {"Button2", "Button3", "Button6", "Button7"}));
    // Deposit, Deposit Max, Withdraw, Withdraw Max
    sides->addWidget(account(QStringLiteral("Savings"), {"BalenceS", "INTRS", "INTS"},
                             {"Button4", "Button5", "Button8", "Button9"}));
    content()->addLayout(sides);
    content()->addStretch(1);
    addAll(buttonRow(), {makeButton("Button10"), makeButton("Button1")});  // HELP!, Continue
}

}  // namespace quorvex::ui
