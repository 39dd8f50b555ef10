#include "players/welcomeplacement.h"

#include "app/windowplacement.h"
#include "players/welcomewindow.h"

void centerOverWelcomeWindow(QWidget *window)
{
    if (theWelcomeWindow)
        centerOver(window, theWelcomeWindow->frameGeometry());
    else
        centerOnScreen(window);
}
