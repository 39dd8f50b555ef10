#include "windows/dicedisplay.h"

#include "game/random.h"
#include "widgets/diefaceimages.h"
#include "widgets/transparentimage.h"
#include "windows/rollpacing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace {

constexpr int StepsPerPhase = 30;

} // namespace

DiceDisplay::DiceDisplay(const Images &faces, const Images &heldMarkers,
                         const DieFaceImages &faceBitmaps)
    : m_faces(faces), m_heldMarkers(heldMarkers), m_faceBitmaps(faceBitmaps)
{
    for (int die = 0; die < DieCount; ++die) {
        m_faces[std::size_t(die)]->setAccessibleDescription(QStringLiteral("Click to HOLD"));
        updateAccessibleName(die);
    }
}

void DiceDisplay::setHeldMarkerVisible(int die, bool visible)
{
    m_heldMarkers[std::size_t(die)]->setVisible(visible);
    updateAccessibleName(die);
}

void DiceDisplay::hideHeldMarkers()
{
    for (int die = 0; die < DieCount; ++die)
        setHeldMarkerVisible(die, false);
}

// What a screen reader says of a die: "Die 3: 5, held".
void DiceDisplay::updateAccessibleName(int die)
{
    const std::size_t index = std::size_t(die);
    QString name = QStringLiteral("Die %1").arg(die + 1);
    if (m_shownValues[index] != 0)
        name += QStringLiteral(": %1").arg(m_shownValues[index]);
    if (!m_heldMarkers[index]->isHidden())
        name += QStringLiteral(", held");
    m_faces[index]->setAccessibleName(name);
}

void DiceDisplay::repaint()
{
    for (TransparentImage *face : m_faces)
        face->repaint();
    for (TransparentImage *marker : m_heldMarkers)
        marker->repaint();
}

void DiceDisplay::setFace(int die, qint32 value)
{
    m_faces[std::size_t(die)]->setPicture(m_faceBitmaps.Picture(value - 1));
    m_shownValues[std::size_t(die)] = value;
    ++m_faceChanges;
}

void DiceDisplay::showDice(const Dice &dice)
{
    for (int die = 0; die < DieCount; ++die)
        setFace(die, dice[std::size_t(die)]);
    updateAccessibleNames();
}

Dice DiceDisplay::animatedRoll(const Dice &dice, const HeldDice &held, const QWidget *window)
{
    Dice rolled = dice;
    for (int first = 0; first < DieCount; ++first) {
        if (held[std::size_t(first)])
            continue;
        int steps = 0;
        do {
            QElapsedTimer passStart;
            passStart.start();
            for (int die = first; die < DieCount; ++die) {
                if (!held[std::size_t(die)]) {
                    const qint32 value = randomBelow(6) + 1;
                    rolled[std::size_t(die)] = value;
                    setFace(die, value);
                    m_faces[std::size_t(die)]->repaint();
                    QThread::yieldCurrentThread();
                    QCoreApplication::processEvents();
                }
                ++steps;
            }
            RollPacing::waitForRefresh(passStart, window);
        } while (steps < StepsPerPhase);
    }
    updateAccessibleNames();
    return rolled;
}

// Screen readers hear a die's value once it has settled, never the animation's frames.
void DiceDisplay::updateAccessibleNames()
{
    for (int die = 0; die < DieCount; ++die)
        updateAccessibleName(die);
}
