#include "widgets/diefaceimages.h"

#include "base/errors.h"

namespace {
constexpr int FaceCount = 6;
}

DieFaceImages::DieFaceImages()
{
    m_faceImages.reserve(FaceCount);
    for (int face = 1; face <= FaceCount; ++face)
        m_faceImages.append(
                ScaledPicture::fromFiles(QStringLiteral(":/dice/face%1.bmp").arg(face)));
}

const ScaledPicture &DieFaceImages::Picture(int index) const
{
    if (index < 0 || index >= count())
        throw TovikError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_faceImages.at(index);
}

ScaledPicture heldMarkerPicture()
{
    return ScaledPicture::fromFiles(QStringLiteral(":/dice/held.bmp"));
}
