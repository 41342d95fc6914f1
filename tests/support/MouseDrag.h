#pragma once

#include <QPoint>

class QWidget;

// Presses the left button on `source` at `from`, moves `distance` pixels to the right with the
// button held and lets go, as a user's drag would. True when the move started a drag.
bool mouseDragStarts(QWidget *source, QPoint from, int distance);
