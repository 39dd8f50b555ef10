#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop: records what it was asked to open. Tests hand it to
// QDesktopServices::setUrlHandler with the slot "open".
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};
