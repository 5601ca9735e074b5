#include "QtDialogs.h"

#include <utility>

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include "QtText.h"
#include "persist/SaveFile.h"

namespace quorvex::ui {
namespace {

// A box whose text is shown exactly as the game wrote it.
int showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton preferred) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), qs(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(preferred);
    return box.exec();
}

std::optional<std::string> fileName(const QString& chosen) {
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();  // the bytes the file system knows it by
}

}  // namespace

QWidget* QtDialogs::prepare() {
    if (beforeBox) beforeBox();
    return parentWindow ? parentWindow() : nullptr;
}

void QtDialogs::message(const std::string& text) {
    QWidget* parent = prepare();
    showBox(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::confirm(const std::string& text) {
    QWidget* parent = prepare();
    return showBox(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::input(const std::string& caption, const std::string& prompt,
                                            const std::string& defaultText) {
    QInputDialog dialog(prepare());
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(qs(caption));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(defaultText));
    for (QLabel* label : dialog.findChildren<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    // The suggested amount is selected, so typing replaces it.
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->selectAll();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtDialogs::error(const std::string& text) {
    QWidget* parent = prepare();
    showBox(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

std::optional<std::string> QtDialogs::saveFileName(const std::string& folder,
                                                   const std::string& filter) {
    QWidget* parent = prepare();
    // Qt's own question would name the file as typed ("save"), not the one written
    // ("save.Game"); it is asked below instead.
    const auto pick = [&] {
        return fileName(QFileDialog::getSaveFileName(
            parent, QStringLiteral("Save Game"), QFile::decodeName(folder.c_str()),
            qtFilter(filter), nullptr, QFileDialog::DontConfirmOverwrite));
    };
    const auto replace = [&](const std::string& written) {
        const QString shown = QFileInfo(QFile::decodeName(written.c_str())).fileName();
        return showBox(parent, QMessageBox::Warning,
                       (shown + QStringLiteral(" already exists.\nDo you want to replace it?"))
                           .toStdString(),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    return settleSaveName(pick, replace);
}

std::optional<std::string> QtDialogs::settleSaveName(const PickName& pick,
                                                     const AgreeToReplace& replace) {
    for (;;) {
        const auto chosen = pick();
        if (!chosen) return std::nullopt;
        const std::string written = adjustSaveName(*chosen);
        if (!QFileInfo::exists(QFile::decodeName(written.c_str())) || replace(written))
            return chosen;
    }
}

std::optional<std::string> QtDialogs::openFileName(const std::string& folder,
                                                   const std::string& filter) {
    if (nextOpenFile) return std::exchange(nextOpenFile, std::nullopt);
    QWidget* parent = prepare();
    return fileName(QFileDialog::getOpenFileName(
        parent, QStringLiteral("Load Game"), QFile::decodeName(folder.c_str()), qtFilter(filter)));
}

QString QtDialogs::qtFilter(const std::string& filter) {
    const QStringList parts = qs(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        // A description without its pattern is taken as the pattern.
        QString patterns = i + 1 < parts.size() ? parts[i + 1].trimmed() : description;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (description.isEmpty() && patterns.isEmpty()) continue;
        filters << (description == patterns || description.isEmpty()
                        ? patterns
                        : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace quorvex::ui
