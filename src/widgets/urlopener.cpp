#include "widgets/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

bool openUrl(const QString &target)
{
    // The target goes to the desktop as it stands: no scheme is guessed for it.
    return QDesktopServices::openUrl(QUrl(target));
}
