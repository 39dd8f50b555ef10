#include "windows/mnemonicbutton.h"

#include <QShortcutEvent>

MnemonicButton::MnemonicButton(const QString &text, QWidget *parent) : QPushButton(text, parent) { }

// An ambiguous Alt+letter only moves the focus, as Qt's button does.
bool MnemonicButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}
