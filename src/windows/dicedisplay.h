#pragma once

#include "game/gamestate.h"

#include <array>

class DieFaceImages;
class QWidget;
class TransparentImage;

// The five dice on the main window: their face pictures, the HELD markers under them, and the
// roll itself, either at once or as an animation in which the dice tumble and settle one after
// another from left to right while the window goes on handling events.
class DiceDisplay
{
public:
    using Images = std::array<TransparentImage *, 5>;

    DiceDisplay(const Images &faces, const Images &heldMarkers, const DieFaceImages &faceBitmaps);

    void setHeldMarkerVisible(int die, bool visible);
    void hideHeldMarkers();

    // Paints every face and then every marker at once, so that their transparent parts show a
    // background that has just changed.
    void repaint();

    // Every free die gets a new value; then all five faces are set, held dice included.
    void plainRoll(GameState &game);

    // The animation's passes: for each free die i, passes over dice i..5 until 30 steps have
    // been counted, each change painted at once and followed by a yield and the handling of all
    // pending events. Locking the window's controls meanwhile is the caller's job.
    void animatedRoll(GameState &game, const QWidget *window);

    // Changes made by the roll so far; benchmarks and tests count frames with it.
    int faceChanges() const { return m_faceChanges; }

private:
    void setFace(int die, qint32 value);
    void updateAccessibleName(int die);
    void updateAccessibleNames();

    Images m_faces;
    Images m_heldMarkers;
    const DieFaceImages &m_faceBitmaps;
    Dice m_shownValues {};
    int m_faceChanges = 0;
};
