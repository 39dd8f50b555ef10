#pragma once

#include <QString>

class QWidget;

// Every message box the program shows is made here, so that tests can find and answer them
// through QApplication::activeModalWidget().
namespace MessageBoxes {

inline constexpr auto ApplicationTitle = u"Tovik";

// The error box: the application's title, the error icon and one OK button, over the window
// in use.
void error(const QString &text);

// A question with "&Yes" (default) and "&No" (Escape) under a warning icon. Only "&Yes" answers
// yes: the close box answers no, as Escape does, since a box closed without an answer must
// change nothing.
bool askYesNo(QWidget *parent, const QString &title, const QString &text);

// A notice with a warning icon and a single "OK" button.
void warn(QWidget *parent, const QString &title, const QString &text);

// The same notice under the application's title, over the window in use: for news that comes
// from work in the background rather than from a window.
void notice(const QString &text);

} // namespace MessageBoxes
