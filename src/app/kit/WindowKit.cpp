#include "WindowKit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <map>
#include <string_view>

#include "ClickableLabel.h"
#include "RadioGroupBox.h"

namespace quorvex::ui {
namespace {

template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// What a screen reader calls a grid or a gauge, which has no caption of its own: the game's
// names for them (RtlGoods, Plyrmines) say little to a person.
QString describedAs(const char* name) {
    static const std::map<std::string_view, const char*> kDescriptions{
        {"RtlGoods", "Retail goods"},
        {"IndGoods", "Industrial goods"},
        {"ship", "Demand for the ship's cargo"},
        {"Retail", "Retail demand"},
        {"Industrail", "Industrial demand"},
        {"Cargo", "Ship's cargo"},
        {"WareHouse", "Warehouse stock"},
        {"Passengers", "Passengers waiting"},
        {"Costs", "Landing costs"},
        {"PEngines", "Ships for sale"},
        {"Upgrades", "Hull space"},
        {"FuelBar", "Fuel tank"},
        {"Plyrmines", "Your mines"},
        {"PlntMines", "Mines for sale here"},
        {"Factory", "Factory goods"},
        {"Sales", "Sales office goods"},
        {"Good", "Goods overview"},
    };
    const auto found = kDescriptions.find(name);
    return found != kDescriptions.end() ? QString::fromUtf8(found->second)
                                        : QString::fromUtf8(name);
}

}  // namespace

QString buttonText(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* makeLabel(const char* name) {
    auto* label = named(new QLabel, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeWrappedLabel(const char* name) {
    QLabel* label = makeLabel(name);
    label->setWordWrap(true);
    return label;
}

ClickableLabel* makeClickableLabel(const char* name) {
    auto* label = named(new ClickableLabel, name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* makeEdit(const char* name) {
    return named(new QLineEdit, name);
}

QPushButton* makeButton(const char* name) {
    auto* button = named(new QPushButton, name);
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    return button;
}

QPushButton* makeMainAction(const char* name) {
    QPushButton* button = makeButton(name);
    button->setDefault(true);
    return button;
}

QListWidget* makeListBox(const char* name) {
    auto* list = named(new QListWidget, name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QComboBox* makeComboBox(const char* name) {
    auto* combo = named(new QComboBox, name);
    combo->setEditable(false);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

RadioGroupBox* makeRadioGroup(const char* name, int columns) {
    return named(new RadioGroupBox(columns), name);
}

QCheckBox* makeCheckBox(const char* name) {
    return named(new QCheckBox, name);
}

// A grid of texts as the game keeps it: no Qt headings (the heading rows are ordinary, shaded
// cells), nothing typed into it, one row or cell chosen at a time.
QTableWidget* makeGrid(const char* name) {
    auto* grid = named(new QTableWidget, name);
    grid->setAccessibleName(describedAs(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setWordWrap(false);
    grid->setCornerButtonEnabled(false);
    // As large as its cells and no larger, so a small grid does not sit in a sea of empty cells.
    grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    return grid;
}

QTabWidget* makePages(const char* name) {
    return named(new QTabWidget, name);
}

QVBoxLayout* addPage(QTabWidget* pages) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    pages->addTab(page, QString());
    return layout;
}

QProgressBar* makeProgressBar(const char* name) {
    auto* gauge = named(new QProgressBar, name);
    gauge->setAccessibleName(describedAs(name));
    return gauge;
}

QMenu* makePopupMenu(QWidget* window, const char* name) {
    return named(new QMenu(window), name);
}

QLabel* makeDecoration(const QString& text) {
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setFontSize(QWidget* widget, int pointSize, bool bold) {
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
}

Panel::Panel(QWidget* parent) : QGroupBox(parent) {}

// Drawn here rather than by the style: a darkened ground with a faint edge, and the title in
// bold inside it, where the style would leave it floating over the background picture.
void Panel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    painter.fillPath(path, QColor(8, 12, 28, 205));
    painter.setPen(QColor(140, 160, 220, 90));
    painter.drawPath(path);
    if (title().isEmpty()) return;
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    QRect label =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    label.translate(8, 6);
    label.setWidth(width() - label.left() - 8);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(isEnabled() ? QColor(159, 180, 255)
                               : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title());
}

Panel* makePanel(const QString& title) {
    auto* panel = new Panel;
    panel->setTitle(title);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(14, title.isEmpty() ? 12 : 16, 14, 12);
    return panel;
}

QVBoxLayout* panelLayout(Panel* panel) {
    return static_cast<QVBoxLayout*>(panel->layout());
}

QGridLayout* makeButtonGrid(std::initializer_list<const char*> names, int columns) {
    auto* grid = new QGridLayout;
    grid->setSpacing(8);
    int i = 0;
    for (const char* name : names) {
        QPushButton* button = makeButton(name);
        button->setMinimumHeight(32);
        grid->addWidget(button, i / columns, i % columns);
        ++i;
    }
    return grid;
}

void addFigure(QGridLayout* grid, int row, QLabel* caption, QWidget* value) {
    caption->setBuddy(value);  // a screen reader names the figure by its caption
    grid->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, row, 1);
}

void addAll(QBoxLayout* layout, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets)
        layout->addWidget(w);
}

}  // namespace quorvex::ui
