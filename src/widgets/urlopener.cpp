#include "widgets/urlopener.h"

#include <QDesktopServices>
#include <QUrl>

bool openUrl(const QString &target)
{
    // Accept what a user would type into a browser or a shell: "www.example.com" and plain
    // file paths as well as full addresses.
    return QDesktopServices::openUrl(QUrl::fromUserInput(target));
}
