#include "widgets/scaledpicture.h"

#include <QFileInfo>

ScaledPicture ScaledPicture::fromFiles(const QString &path)
{
    ScaledPicture picture {QImage(path)};
    const QFileInfo file(path);
    const QString stem = file.path() + QLatin1Char('/') + file.completeBaseName();
    picture.m_larger = std::make_shared<std::vector<LargerVersion>>();
    for (int scale : {2, 3})
        picture.m_larger->push_back({scale, stem + QStringLiteral("@%1x.png").arg(scale), {}});
    return picture;
}

const QImage &ScaledPicture::versionFor(qreal ratio) const
{
    const QImage *best = &m_designed;
    if (ratio <= 1.0 || !m_larger)
        return *best;
    for (LargerVersion &larger : *m_larger) {
        if (!larger.read) {
            larger.image = QImage(larger.path);
            larger.read = true;
        }
        if (!larger.image.isNull())
            best = &larger.image;
        if (larger.scale >= ratio)
            break;
    }
    return *best;
}

QPixmap ScaledPicture::pixmapFor(qreal ratio, QPixmap (*prepare)(const QImage &)) const
{
    if (isNull())
        return QPixmap();
    const QSize deviceSize = (QSizeF(m_designed.size()) * ratio).toSize();
    QPixmap pixmap = prepare(versionFor(ratio));
    if (pixmap.size() != deviceSize)
        pixmap = pixmap.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}
