#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "form/Dialogs.h"

namespace quorvex::sim {

// The person at the machine when nobody is there. Unless a player answers otherwise, every
// Yes/No is Yes, every input box keeps its default, and the save and open dialogs are given the
// chosen names (or cancelled without one). Messages and questions go to the log when there is
// one; errors are kept.
class SimDialogs final : public Dialogs {
public:
    explicit SimDialogs(std::ostream* log = nullptr) : log_(log) {}

    void setLog(std::ostream* log) { log_ = log; }
    void setSaveName(std::optional<std::string> name) { saveName_ = std::move(name); }
    void setOpenName(std::optional<std::string> name) { openName_ = std::move(name); }

    // A player's own answers, in place of the defaults above.
    std::function<bool(const std::string& text)> answerConfirm;
    std::function<std::optional<std::string>(const std::string& caption, const std::string& prompt,
                                             const std::string& defaultText)>
        answerInput;
    std::function<std::optional<std::string>()> answerSave;
    // Hears every message as it is shown.
    std::function<void(const std::string& text)> onMessage;

    void message(const std::string& text) override;
    bool confirm(const std::string& text) override;
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override;
    void error(const std::string& text) override;
    std::optional<std::string> saveFileName(const std::string& folder,
                                            const std::string& filter) override;
    std::optional<std::string> openFileName(const std::string& folder,
                                            const std::string& filter) override;

    const std::vector<std::string>& errors() const { return errors_; }
    const std::string& lastMessage() const { return lastMessage_; }
    std::size_t messageCount() const { return messages_; }
    std::size_t questionCount() const { return questions_; }
    std::size_t saveDialogs() const { return saveDialogs_; }

private:
    void log(const std::string& line);

    std::ostream* log_;
    std::optional<std::string> saveName_;
    std::optional<std::string> openName_;
    std::vector<std::string> errors_;
    std::string lastMessage_;
    std::size_t messages_ = 0;
    std::size_t questions_ = 0;
    std::size_t saveDialogs_ = 0;
};

}  // namespace quorvex::sim
