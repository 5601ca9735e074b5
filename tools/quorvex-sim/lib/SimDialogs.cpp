#include "SimDialogs.h"

namespace quorvex::sim {

void SimDialogs::log(const std::string& line) {
    if (log_) *log_ << "  " << line << '\n';
}

void SimDialogs::message(const std::string& text) {
    ++messages_;
    lastMessage_ = text;
    log("message: " + text);
    if (onMessage) onMessage(text);
}

bool SimDialogs::confirm(const std::string& text) {
    ++questions_;
    const bool yes = answerConfirm ? answerConfirm(text) : true;
    log("question: " + text + (yes ? " -> Yes" : " -> No"));
    return yes;
}

std::optional<std::string> SimDialogs::input(const std::string& caption, const std::string& prompt,
                                             const std::string& defaultText) {
    ++questions_;
    auto typed = answerInput ? answerInput(caption, prompt, defaultText)
                             : std::optional<std::string>(defaultText);
    log("input: " + caption + " / " + prompt + " [" + defaultText + "] -> " +
        (typed ? "'" + *typed + "'" : "cancelled"));
    return typed;
}

void SimDialogs::error(const std::string& text) {
    errors_.push_back(text);
    log("error: " + text);
}

std::optional<std::string> SimDialogs::saveFileName(const std::string& folder,
                                                    const std::string& filter) {
    ++saveDialogs_;
    const auto name = answerSave ? answerSave() : saveName_;
    log("save dialog (" + folder + ", " + filter + ") -> " + name.value_or("cancelled"));
    return name;
}

std::optional<std::string> SimDialogs::openFileName(const std::string& folder,
                                                    const std::string& filter) {
    log("open dialog (" + folder + ", " + filter + ") -> " + openName_.value_or("cancelled"));
    return openName_;
}

}  // namespace quorvex::sim
