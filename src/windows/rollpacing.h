#pragma once

class QElapsedTimer;
class QWidget;

// How fast the animated roll runs. The roll changes faces as fast as the window can paint them;
// on today's machines that is far too fast to see, so after each pass over the dice the window
// goes on handling events until one display refresh has passed since the pass began. This is
// the roll's only wait on the clock; tests switch it off.
namespace RollPacing {

void setEnabled(bool enabled);
bool isEnabled();

// Handles events, waiting for them rather than spinning, until one refresh of the screen that
// shows the window has passed since passStart.
void waitForRefresh(const QElapsedTimer &passStart, const QWidget *window);

} // namespace RollPacing
