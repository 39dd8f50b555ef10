#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>
#include <memory>
#include <vector>

// One picture as designed and, where the art tools drew them, again at two and three times its
// size for scaled screens. It gives the picture for a device pixel ratio at the device's own
// resolution: the version drawn for that scale where there is one, otherwise the next larger
// (or the largest) resized smoothly, and never one enlarged pixel by pixel.
class ScaledPicture
{
public:
    ScaledPicture() = default;
    // A picture with its designed version only.
    ScaledPicture(const QImage &designed) : m_designed(designed) { }
    // Reads the designed picture from path; the larger versions, PNG files beside it named with
    // "@2x" and "@3x" before the extension, are read the first time a screen needs them.
    static ScaledPicture fromFiles(const QString &path);

    bool isNull() const { return m_designed.isNull(); }
    const QImage &designed() const { return m_designed; }

    // Makes the pixmap for ratio from the chosen version, after prepare has made that version
    // into a pixmap; the result has ratio as its device pixel ratio and the designed size.
    QPixmap pixmapFor(qreal ratio, QPixmap (*prepare)(const QImage &) = plainPixmap) const;

    static QPixmap plainPixmap(const QImage &version) { return QPixmap::fromImage(version); }

private:
    struct LargerVersion
    {
        int scale;
        QString path;
        QImage image;
        bool read = false;
    };

    const QImage &versionFor(qreal ratio) const;

    QImage m_designed;
    // Shared by the copies of a picture, so that each file is read once.
    std::shared_ptr<std::vector<LargerVersion>> m_larger;
};
