#pragma once

#include <optional>
#include <string>

namespace quorvex {

// The engine's only window onto the person at the machine. The Qt layer shows modal boxes;
// tests script the answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // An information box with an OK button.
    virtual void message(const std::string& text) = 0;
    // A Yes/No box; true for Yes.
    virtual bool confirm(const std::string& text) = 0;
    // A one-line input box; no value when the person cancels.
    virtual std::optional<std::string> input(const std::string& caption, const std::string& prompt,
                                             const std::string& defaultText) = 0;
    // The error box of a stopped action ("Integer overflow", a file that cannot be read ...).
    virtual void error(const std::string& text) = 0;
    // File dialogs; no value when the person cancels. filter is "*.Game|*.Game" style.
    virtual std::optional<std::string> saveFileName(const std::string& folder,
                                                    const std::string& filter) = 0;
    virtual std::optional<std::string> openFileName(const std::string& folder,
                                                    const std::string& filter) = 0;
};

}  // namespace quorvex
