#pragma once

#include <QColor>

class QApplication;
class QPainter;
class QRectF;

namespace quorvex::ui {

// The game's look: light text on deep-space blue, so labels stay readable over the star-field
// backgrounds and every window looks of one piece.
void applyTheme(QApplication& app);

// The mark around the widget that has the keyboard's focus, plain to see on the dark ground.
inline const QColor kFocusColour{255, 215, 90};
void drawFocusMark(QPainter* painter, const QRectF& rect);

}  // namespace quorvex::ui
