#include "widgets/scaledpicture.h"

#include <QFileInfo>

ScaledPicture::ScaledPicture(const QList<QImage> &versions)
{
    for (const QImage &version : versions) {
        if (!version.isNull())
            m_versions.append(version);
    }
}

ScaledPicture ScaledPicture::fromFiles(const QString &path)
{
    const QFileInfo file(path);
    const QString stem = file.path() + QLatin1Char('/') + file.completeBaseName();
    return ScaledPicture({QImage(path), QImage(stem + QStringLiteral("@2x.png")),
                          QImage(stem + QStringLiteral("@3x.png"))});
}

const QImage &ScaledPicture::designed() const
{
    static const QImage none;
    return isNull() ? none : m_versions.first();
}

QPixmap ScaledPicture::pixmapFor(qreal ratio, QPixmap (*prepare)(const QImage &)) const
{
    if (isNull())
        return QPixmap();
    const QSize deviceSize = (QSizeF(designed().size()) * ratio).toSize();
    auto version = m_versions.cbegin();
    while (version->width() < deviceSize.width() && version + 1 != m_versions.cend())
        ++version;
    QPixmap pixmap = prepare(*version);
    if (pixmap.size() != deviceSize)
        pixmap = pixmap.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}
