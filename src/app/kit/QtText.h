#pragma once

#include <QString>
#include <string>
#include <vector>

namespace quorvex::ui {

// The game's texts are UTF-8.
inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace quorvex::ui
