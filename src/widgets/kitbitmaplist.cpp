#include "widgets/kitbitmaplist.h"

#include "app/errors.h"

namespace {
constexpr int FaceCount = 6;
}

TKitBitmapList::TKitBitmapList()
{
    m_bitmaps.reserve(FaceCount);
    for (int face = 1; face <= FaceCount; ++face)
        m_bitmaps.append(ScaledPicture::fromFiles(QStringLiteral(":/dice/face%1.bmp").arg(face)));
}

const ScaledPicture &TKitBitmapList::Picture(int index) const
{
    if (index < 0 || index >= count())
        throw TovikError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return m_bitmaps.at(index);
}

ScaledPicture heldMarkerPicture()
{
    return ScaledPicture::fromFiles(QStringLiteral(":/dice/held.bmp"));
}
