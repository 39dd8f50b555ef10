#include "windows/welcomeplacement.h"

#include "windows/welcomewindow.h"
#include "windows/windowplacement.h"

void centerOverWelcomeWindow(QWidget *window)
{
    if (theWelcomeWindow)
        centerOver(window, theWelcomeWindow->frameGeometry());
    else
        centerOnScreen(window);
}
