#include "SimDialogs.h"

namespace quorvex::sim {

void SimDialogs::log(const std::string& line) {
    if (log_) *log_ << "  " << line << '\n';
}

void SimDialogs::message(const std::string& text) {
    ++messages_;
    lastMessage_ = text;
    log("message: " + text);
}

bool SimDialogs::confirm(const std::string& text) {
    ++questions_;
    log("question: " + text + " -> Yes");
    return true;
}

std::optional<std::string> SimDialogs::input(const std::string& caption, const std::string& prompt,
                                             const std::string& defaultText) {
    ++questions_;
    log("input: " + caption + " / " + prompt + " -> " + defaultText);
    return defaultText;
}

void SimDialogs::error(const std::string& text) {
    errors_.push_back(text);
    log("error: " + text);
}

std::optional<std::string> SimDialogs::saveFileName(const std::string& folder,
                                                    const std::string& filter) {
    ++saveDialogs_;
    log("save dialog (" + folder + ", " + filter + ") -> " + saveName_.value_or("cancelled"));
    return saveName_;
}

std::optional<std::string> SimDialogs::openFileName(const std::string& folder,
                                                    const std::string& filter) {
    log("open dialog (" + folder + ", " + filter + ") -> cancelled");
    return std::nullopt;
}

}  // namespace quorvex::sim
