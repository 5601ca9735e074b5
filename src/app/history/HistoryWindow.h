#pragma once

#include <QColor>
#include <QDialog>
#include <optional>

class QChartView;
class QCheckBox;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace quorvex {
class GameHistory;
class GameKeeper;
}  // namespace quorvex

namespace quorvex::ui {

class GameWindow;

// The lowest and highest net worth any company had; none before the first ranking.
struct WorthRange {
    std::optional<double> low, high;
};

// The history of the game in hand, in two tabs: every company's net worth by game turn as a
// chart, with the objective drawn across it, and every box shown in the game, newest last.
class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(const GameHistory& history, const QString& note, QWidget* parent = nullptr);

    QTabWidget* pages() const { return pages_; }
    QChartView* chart() const { return chart_; }
    QTableWidget* boxes() const { return boxes_; }
    // Checked: the scale runs up to the objective; cleared: to the companies' highest.
    QCheckBox* wholeWay() const { return wholeWay_; }

private:
    void scaleWorth();

    QTabWidget* pages_;
    QChartView* chart_;
    QTableWidget* boxes_;
    QCheckBox* wholeWay_;
    WorthRange companies_;
};

// Each company's own colour, the same in every chart.
QColor companyColour(int company);

// The ranking window's "History" button opens the history the keeper holds, over that window.
void offerHistory(GameWindow& ranking, const GameKeeper& keeper);

}  // namespace quorvex::ui
