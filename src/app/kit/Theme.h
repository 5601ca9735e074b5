#pragma once

class QApplication;

namespace quorvex::ui {

// The game's look: light text on deep-space blue, so labels stay readable over the star-field
// backgrounds and every window looks of one piece.
void applyTheme(QApplication& app);

}  // namespace quorvex::ui
