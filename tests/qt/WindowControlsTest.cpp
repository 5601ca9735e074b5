// Every control of every screen has its widget: the same name, the right kind, one of it.

#include <QLabel>
#include <QMenu>
#include <QTableWidget>
#include <QTest>

#include "form/Screen.h"
#include "kit/ClickableLabel.h"
#include "support/BoundGame.h"

using namespace quorvex;
using namespace quorvex::testing;

namespace {

// Written out again here rather than taken from the binder, so a wrong mapping there shows.
const char* expectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "QLabel";
        case ControlKind::Edit:
            return "QLineEdit";
        case ControlKind::Button:
            return "QPushButton";
        case ControlKind::ListBox:
            return "QListWidget";
        case ControlKind::ComboBox:
            return "QComboBox";
        case ControlKind::RadioGroup:
            return "quorvex::ui::RadioGroupBox";
        case ControlKind::CheckBox:
            return "QCheckBox";
        case ControlKind::StringGrid:
            return "QTableWidget";
        case ControlKind::PageControl:
            return "QTabWidget";
        case ControlKind::ProgressBar:
            return "QProgressBar";
        case ControlKind::PopupMenu:
            return "QMenu";
    }
    return "?";
}

}  // namespace

class WindowControlsTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasItsWidget() {
        BoundGame t;
        QStringList faults;
        for (int i = 0; i < kScreenCount; ++i) {
            const auto id = static_cast<ScreenId>(i);
            Screen& screen = t.game.screen(id);
            ui::GameWindow* window = t.window(id);
            if (window->screenId() != id)
                faults << QStringLiteral("window %1 is for screen %2")
                              .arg(i)
                              .arg(int(window->screenId()));
            for (Control* c : screen.controls()) {
                const QString name = QString::fromStdString(c->name());
                const auto found = window->findChildren<QWidget*>(name);
                const QString where = QString::fromStdString(screen.caption) + ": " + name;
                if (found.size() != 1) {
                    faults << QStringLiteral("%1: %2 widgets").arg(where).arg(found.size());
                    continue;
                }
                if (!found[0]->inherits(expectedClass(c->kind())))
                    faults << QStringLiteral("%1 is a %2, not a %3")
                                  .arg(where, found[0]->metaObject()->className(),
                                       expectedClass(c->kind()));
                // A label the game lets the person click must be clickable on screen too.
                if (c->kind() == ControlKind::Label && static_cast<Label*>(c)->onClick &&
                    qobject_cast<ui::ClickableLabel*>(found[0]) == nullptr)
                    faults << where + " cannot be clicked";
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY2(t.binder->unbound().isEmpty(), qPrintable(t.binder->unbound().join('\n')));
    }

    void windowsShowCaptionsGridShapesAndPlainText() {
        BoundGame t;
        t.binder->sync();
        for (int i = 0; i < kScreenCount; ++i) {
            const auto id = static_cast<ScreenId>(i);
            Screen& screen = t.game.screen(id);
            QCOMPARE(t.window(id)->windowTitle(), QString::fromStdString(screen.caption));
            for (Control* c : screen.controls()) {
                const QString name = QString::fromStdString(c->name());
                if (c->kind() == ControlKind::StringGrid) {
                    auto* grid = static_cast<StringGrid*>(c);
                    auto* table = t.window(id)->findChild<QTableWidget*>(name);
                    QCOMPARE(table->rowCount(), grid->rowCount());
                    QCOMPARE(table->columnCount(), grid->colCount());
                }
                if (c->kind() == ControlKind::Label)
                    QCOMPARE(t.window(id)->findChild<QLabel*>(name)->textFormat(), Qt::PlainText);
            }
        }
    }
};

QTEST_MAIN(WindowControlsTest)
#include "WindowControlsTest.moc"
