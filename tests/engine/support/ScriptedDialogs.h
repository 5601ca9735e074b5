#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedRandom.h"
#include "form/Dialogs.h"

namespace quorvex::testing {

// The person at the machine, scripted: every question must have its answer queued in the order
// the game asks; messages and errors are recorded. A question nobody expected fails the test.
class ScriptedDialogs final : public Dialogs {
public:
    enum class Kind { Confirm, Input, Save, Open };

    void answerConfirm(bool yes) { answers_.push_back({Kind::Confirm, yes ? "yes" : "no", true}); }
    void answerInput(const std::string& typed) { answers_.push_back({Kind::Input, typed, true}); }
    void cancelInput() { answers_.push_back({Kind::Input, {}, false}); }
    void answerSave(const std::string& name) { answers_.push_back({Kind::Save, name, true}); }
    void cancelSave() { answers_.push_back({Kind::Save, {}, false}); }
    void answerOpen(const std::string& name) { answers_.push_back({Kind::Open, name, true}); }
    void cancelOpen() { answers_.push_back({Kind::Open, {}, false}); }

    void message(const std::string& text) override {
        messages_.push_back(text);
        log_.push_back("message: " + text);
        if (onMessage) onMessage(text);
    }
    // Sees the game as it stands behind a message box.
    std::function<void(const std::string&)> onMessage;
    bool confirm(const std::string& text) override {
        log_.push_back("confirm: " + text);
        confirms_.push_back(text);
        return take(Kind::Confirm, text).value == "yes";
    }
    std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                     const std::string& defaultText) override {
        log_.push_back("input: " + caption + " / " + prompt + " [" + defaultText + "]");
        inputs_.push_back({caption, prompt, defaultText});
        const Answer a = take(Kind::Input, caption + " / " + prompt);
        return a.given ? std::optional<std::string>(a.value) : std::nullopt;
    }
    void error(const std::string& text) override {
        errors_.push_back(text);
        allErrors_.push_back(text);
        log_.push_back("error: " + text);
    }
    std::optional<std::string> saveFileName(const std::string& folder,
                                            const std::string& filter) override {
        log_.push_back("save dialog: " + folder + " " + filter);
        const Answer a = take(Kind::Save, "save dialog");
        return a.given ? std::optional<std::string>(a.value) : std::nullopt;
    }
    std::optional<std::string> openFileName(const std::string& folder,
                                            const std::string& filter) override {
        log_.push_back("open dialog: " + folder + " " + filter);
        const Answer a = take(Kind::Open, "open dialog");
        return a.given ? std::optional<std::string>(a.value) : std::nullopt;
    }

    struct InputAsked {
        std::string caption, prompt, defaultText;
    };

    const std::vector<std::string>& messages() const { return messages_; }
    const std::vector<std::string>& errors() const { return errors_; }
    // Every error box since the start, whatever clear() forgot.
    const std::vector<std::string>& allErrors() const { return allErrors_; }
    const std::vector<std::string>& confirms() const { return confirms_; }
    const std::vector<InputAsked>& inputs() const { return inputs_; }
    const std::vector<std::string>& log() const { return log_; }
    std::size_t unanswered() const { return answers_.size(); }
    void clear() {
        messages_.clear();
        errors_.clear();
        confirms_.clear();
        inputs_.clear();
        log_.clear();
    }

private:
    struct Answer {
        Kind kind;
        std::string value;
        bool given;
    };
    Answer take(Kind kind, const std::string& what) {
        if (answers_.empty() || answers_.front().kind != kind)
            throw ScriptError("unexpected question: " + what);
        Answer a = answers_.front();
        answers_.pop_front();
        return a;
    }

    std::deque<Answer> answers_;
    std::vector<std::string> messages_, errors_, allErrors_, confirms_, log_;
    std::vector<InputAsked> inputs_;
};

}  // namespace quorvex::testing
