#pragma once

#include <QColor>
#include <QDialog>

class QChartView;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace quorvex {
class GameHistory;
class GameKeeper;
}  // namespace quorvex

namespace quorvex::ui {

class GameWindow;

// The history of the game in hand, in two tabs: every company's net worth by game turn as a
// chart, with the objective drawn across it, and every box shown in the game, newest last.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(const GameHistory& history, const QString& note, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    QChartView* chart() const { return chart_; }
    QTableWidget* boxes() const { return boxes_; }

private:
    QTabWidget* pages_;
    QChartView* chart_;
    QTableWidget* boxes_;
};

// Each company's own colour, the same in every chart.
QColor companyColour(int company);

// The ranking window's "History" button opens the history the keeper holds, over that window.
void offerHistory(GameWindow& ranking, const GameKeeper& keeper);

}  // namespace quorvex::ui
