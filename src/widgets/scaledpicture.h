#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QStringList>

// One picture as designed and, where the art tools drew them, again at whole multiples of its
// size for scaled screens. It gives the picture for a device pixel ratio at the device's own
// resolution: the version drawn for that scale where there is one, otherwise the next larger
// (or the largest) resized smoothly, and never one enlarged pixel by pixel.
class ScaledPicture
{
public:
    ScaledPicture() = default;
    // A picture with its designed version only.
    ScaledPicture(const QImage &designed) : ScaledPicture(QList<QImage> {designed}) { }
    // The versions from the designed size up; empty or unreadable ones are left out.
    explicit ScaledPicture(const QList<QImage> &versions);
    // Loads the designed picture from path and the versions beside it named with "@2x" and
    // "@3x" before the extension, in PNG.
    static ScaledPicture fromFiles(const QString &path);

    bool isNull() const { return m_versions.isEmpty(); }
    const QImage &designed() const;

    // Makes the pixmap for ratio from the chosen version, after prepare has made that version
    // into a pixmap; the result has ratio as its device pixel ratio and the designed size.
    QPixmap pixmapFor(qreal ratio, QPixmap (*prepare)(const QImage &) = plainPixmap) const;

    static QPixmap plainPixmap(const QImage &version) { return QPixmap::fromImage(version); }

private:
    QList<QImage> m_versions;
};
