#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "form/Dialogs.h"

class QWidget;

namespace quorvex::ui {

// The game's dialogs as modal boxes. Every text is shown as plain text, exactly as the game
// wrote it.
class QtDialogs final : public Dialogs {
public:
    // Runs before every box, so the windows behind it show the game as it stands.
    std::function<void()> beforeBox;
    // The window a box opens over; none centres it on the screen.
    std::function<QWidget*()> parentWindow;
    // The answer of the next open dialog, given in advance (a game named on the command line):
    // that dialog is not shown.
    std::optional<std::string> nextOpenFile;

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override;
    void error(const std::string& text) override;
    std::optional<std::string> saveFileName(const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> openFileName(const std::string& folder,
                                            const std::string& filter) override;

    // The save name the person settles on. The game writes the chosen name with ".Game" made
    // sure of, so the question about replacing a file is asked about that file: when it exists,
    // the name is kept only if `replace` agrees, otherwise `pick` asks again. No name on Cancel.
    using PickName = std::function<std::optional<std::string>()>;
    using AgreeToReplace = std::function<bool(const std::string& written)>;
    static std::optional<std::string> settleSaveName(const PickName& pick,
                                                     const AgreeToReplace& replace);

    // The game writes file filters as "Description|Pattern|..." pairs; Qt wants
    // "Description (Pattern);;...". Patterns separated by ';' become space-separated.
    static QString qtFilter(const std::string& filter);

private:
    QWidget* prepare();
};

}  // namespace quorvex::ui
