#include "HistoryWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "keep/GameHistory.h"
#include "keep/GameKeeper.h"
#include "kit/GameWindow.h"
#include "state/GameState.h"

namespace quorvex::ui {
namespace {

constexpr double kObjective = 250000000;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// The objective, across every turn the chart shows.
QLineSeries* objectiveLine(int firstTurn, int lastTurn) {
    auto* line = new QLineSeries;
    line->setName(QStringLiteral("Objective: £250,000,000"));
    line->append(firstTurn, kObjective);
    line->append(lastTurn, kObjective);
    QPen pen(QColor(255, 215, 90));
    pen.setWidthF(2);
    pen.setStyle(Qt::DashLine);
    line->setPen(pen);
    return line;
}

QLineSeries* companyLine(const GameHistory& history, int company, std::optional<double>& low,
                         std::optional<double>& high) {
    auto* line = new QLineSeries;
    line->setName(text(history.companyName(company)));
    for (const WorthPoint& p : history.worth(company)) {
        line->append(p.turn, p.netWorth);
        const double w = p.netWorth;
        low = std::min(low.value_or(w), w);
        high = std::max(high.value_or(w), w);
    }
    QPen pen(companyColour(company));
    pen.setWidthF(2.5);
    line->setPen(pen);
    line->setPointsVisible(true);  // a game one turn old is a dot, not nothing
    return line;
}

QChartView* netWorthChart(const GameHistory& history, WorthRange& companies) {
    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeDark);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignRight);
    // Figures as the game writes sums: 250,000,000.
    chart->setLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
    chart->setLocalizeNumbers(true);

    const int first = history.firstTurn();
    const int last = std::max(history.lastTurn(), first + 1);
    std::vector<QLineSeries*> lines;
    for (int c = 1; c <= kCompanies; ++c)
        if (!history.worth(c).empty())
            lines.push_back(companyLine(history, c, companies.low, companies.high));
    lines.push_back(objectiveLine(first, last));

    auto* turns = new QValueAxis;
    turns->setTitleText(QStringLiteral("Game turn"));
    turns->setLabelFormat(QStringLiteral("%.0f"));
    turns->setRange(first, last);
    turns->setTickType(QValueAxis::TicksDynamic);
    turns->setTickAnchor(first);
    turns->setTickInterval(std::max(1, (last - first) / 10));
    auto* worth = new QValueAxis;
    worth->setTitleText(QStringLiteral("Net worth (£)"));
    worth->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(turns, Qt::AlignBottom);
    chart->addAxis(worth, Qt::AlignLeft);
    for (QLineSeries* line : lines) {
        chart->addSeries(line);
        line->attachAxis(turns);
        line->attachAxis(worth);
    }

    auto* view = new QChartView(chart);
    view->setObjectName(QStringLiteral("NetWorth"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);  // a picture: nothing in it to do with the keyboard
    view->setAccessibleName(QStringLiteral("Net worth"));
    return view;
}

QTableWidget* boxTable(const GameHistory& history) {
    auto* table = new QTableWidget(0, 5);
    table->setObjectName(QStringLiteral("Messages"));
    table->setAccessibleName(QStringLiteral("Messages"));
    table->setHorizontalHeaderLabels({QStringLiteral("Turn"), QStringLiteral("Company"),
                                      QStringLiteral("Box"), QStringLiteral("Text"),
                                      QStringLiteral("Answer")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(true);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    const auto& boxes = history.boxes();
    table->setRowCount(static_cast<int>(boxes.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const ShownBox& box = boxes[static_cast<std::size_t>(row)];
        const BoxText shown = describeBox(box.record);
        const QStringList cells = {QString::number(box.turn),
                                   text(history.companyName(box.company)), text(shown.kind),
                                   text(shown.text), text(shown.answer)};
        for (int col = 0; col < cells.size(); ++col)
            table->setItem(row, col, new QTableWidgetItem(cells[col]));  // plain text, as typed
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    table->resizeRowsToContents();
    table->scrollToBottom();
    return table;
}

}  // namespace

QColor companyColour(int company) {
    static const std::array<QColor, kCompanies> colours = {
        QColor(86, 156, 255),  QColor(255, 140, 60),  QColor(90, 200, 110),  QColor(240, 80, 90),
        QColor(180, 130, 240), QColor(240, 200, 70),  QColor(70, 210, 220),  QColor(240, 120, 200),
        QColor(170, 220, 80),  QColor(200, 160, 120), QColor(140, 150, 255), QColor(255, 180, 160),
        QColor(120, 180, 150), QColor(220, 220, 220), QColor(190, 90, 160),  QColor(130, 110, 60),
        QColor(60, 140, 120),  QColor(160, 60, 60)};
    return colours[static_cast<std::size_t>(std::clamp(company, 1, kCompanies) - 1)];
}

HistoryWindow::HistoryWindow(const GameHistory& history, const QString& note, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("History"));
    setWindowTitle(QStringLiteral("History"));
    auto* layout = new QVBoxLayout(this);
    if (!note.isEmpty()) {
        auto* told = new QLabel(note);
        told->setObjectName(QStringLiteral("Note"));
        told->setTextFormat(Qt::PlainText);
        told->setWordWrap(true);
        layout->addWidget(told);
    }
    pages_ = new QTabWidget;
    pages_->setObjectName(QStringLiteral("Pages"));
    chart_ = netWorthChart(history, companies_);
    boxes_ = boxTable(history);
    wholeWay_ = new QCheckBox(QStringLiteral("Show the whole way to the objective"));
    wholeWay_->setObjectName(QStringLiteral("WholeWay"));
    wholeWay_->setChecked(true);
    connect(wholeWay_, &QCheckBox::toggled, this, &HistoryWindow::scaleWorth);
    auto* worthPage = new QWidget;
    auto* worthLayout = new QVBoxLayout(worthPage);
    worthLayout->addWidget(chart_, 1);
    worthLayout->addWidget(wholeWay_);
    scaleWorth();
    pages_->addTab(worthPage, QStringLiteral("Net worth"));
    pages_->addTab(boxes_, QStringLiteral("Messages"));
    layout->addWidget(pages_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(980, 620);
}

// The net worth scale: from the companies' lowest to the objective, or, a long way from it, to
// the companies' own highest, so that early turns' small sums are not one flat line.
void HistoryWindow::scaleWorth() {
    auto* worth = qobject_cast<QValueAxis*>(chart_->chart()->axes(Qt::Vertical).value(0));
    if (worth == nullptr) return;
    double low = std::min(companies_.low.value_or(0), 0.0);
    double high = companies_.high.value_or(0);
    if (wholeWay_->isChecked()) high = std::max(high, kObjective);
    if (high - low < 1000) high = low + 1000;  // a flat line gets room around it
    worth->setRange(low, high + (high - low) * 0.05);
    worth->applyNiceNumbers();
}

void offerHistory(GameWindow& ranking, const GameKeeper& keeper) {
    auto* button = ranking.findChild<QPushButton*>(QStringLiteral("History"));
    if (button == nullptr) return;
    QObject::connect(button, &QPushButton::clicked, &ranking, [&ranking, &keeper] {
        HistoryWindow window(keeper.history(), QString::fromStdString(keeper.note()), &ranking);
        window.exec();
    });
}

}  // namespace quorvex::ui
