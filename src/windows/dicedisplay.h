#pragma once

#include "game/gamelog.h"

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

    // Sets all five faces, held dice included, as a plain roll does.
    void showDice(const Dice &dice);

    // Rolls the free dice as an animation and returns where they settle. For each free die i,
    // passes over dice i..5 until 30 steps have been counted, each change drawn from the random
    // generator, painted at once and followed by a yield and the handling of all pending events;
    // a die settles on the last value drawn for it. Locking the window's controls meanwhile is
    // the caller's job.
    Dice animatedRoll(const Dice &dice, const HeldDice &held, const QWidget *window);

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
