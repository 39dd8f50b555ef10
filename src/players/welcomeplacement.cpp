#include "players/welcomeplacement.h"

#include "app/windowplacement.h"
#include "players/welcomewindow.h"

void centerOverWelcomeWindow(QWidget *window)
{
    if (Form3)
        centerOver(window, Form3->frameGeometry());
    else
        centerOnScreen(window);
}
