#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;
class QWidget;

// The pieces every window is built from. A widget that stands for a control of the game's
// screen takes the control's name as its objectName; the binder finds it by that name and keeps
// it up to date, so windows set no texts of their own beyond fixed decoration.
namespace quorvex::ui {

class ClickableLabel;
class RadioGroupBox;

// The size game windows open at; a window taking over from another takes that one's size.
inline constexpr QSize kGameWindowSize{1120, 680};  // wide enough for a 13-column grid

// Button and radio captions are shown as typed: an ampersand is not a keyboard shortcut.
QString buttonText(const QString& text);

QLabel* makeLabel(const char* name);
QLabel* makeWrappedLabel(const char* name);
ClickableLabel* makeClickableLabel(const char* name);
QLineEdit* makeEdit(const char* name);
QPushButton* makeButton(const char* name);
// The screen's main action: Enter presses it wherever the focus is, but on another button.
QPushButton* makeMainAction(const char* name);
QListWidget* makeListBox(const char* name);
QComboBox* makeComboBox(const char* name);
RadioGroupBox* makeRadioGroup(const char* name, int columns = 1);
QCheckBox* makeCheckBox(const char* name);
// A grid sizes itself to its cells; add it with a stretch after it.
QTableWidget* makeGrid(const char* name);
QTabWidget* makePages(const char* name);
// Adds an empty page to a tab widget and returns its layout; the binder sets the tab texts.
QVBoxLayout* addPage(QTabWidget* pages);
QProgressBar* makeProgressBar(const char* name);
QMenu* makePopupMenu(QWidget* window, const char* name);

// A label of fixed decoration, not one of the screen's controls.
QLabel* makeDecoration(const QString& text);

void setFontSize(QWidget* widget, int pointSize, bool bold = false);

// A group with a rounded, darkened ground that keeps text readable over a background picture.
class Panel : public QGroupBox {
public:
    explicit Panel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A panel with a title (none when empty) and a vertical layout of its own.
Panel* makePanel(const QString& title = {});
QVBoxLayout* panelLayout(Panel* panel);

// The screen's buttons of these names, `columns` to a row, each a comfortable click high.
QGridLayout* makeButtonGrid(std::initializer_list<const char*> names, int columns = 2);

// A figure with its caption before it, on one row of a grid: "Cash: £  [100000]".
void addFigure(QGridLayout* grid, int row, QLabel* caption, QWidget* value);

// Lays widgets side by side in a layout.
void addAll(QBoxLayout* layout, std::initializer_list<QWidget*> widgets);

}  // namespace quorvex::ui
