#pragma once

#include "widgets/scaledpicture.h"

#include <QImage>
#include <QList>

// The six die faces, item 0 showing one pip up to item 5 showing six, each with its versions
// for scaled screens. The pictures are loaded once and never change; callers copy the one they
// need.
class DieFaceImages
{
public:
    DieFaceImages();

    int count() const { return int(m_faceImages.size()); }
    // Throws TovikError for an index outside the list.
    const QImage &faceImage(int index) const { return Picture(index).designed(); }
    const ScaledPicture &Picture(int index) const;

private:
    QList<ScaledPicture> m_faceImages;
};

// The HELD marker shown under a held die: red letters on a green ground that is left undrawn.
ScaledPicture heldMarkerPicture();
