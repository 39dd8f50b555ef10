#include "widgets/kitfill.h"

#include "widgets/kitgradient.h"

#include <QPainter>
#include <exception>

TKitFill::TKitFill(QWidget *parent) : QWidget(parent), m_gradient(new TKitGradient(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(m_gradient, &TKitGradient::changed, this, &TKitFill::gradientChanged);
}

void TKitFill::paintEvent(QPaintEvent *)
{
    // A failed paint leaves the background as it was until the next one; there is nobody to
    // tell in the middle of a paint cycle.
    try {
        QPainter painter(this);
        PaintGradient(painter, rect(), m_gradient->ColorTable());
    } catch (const std::exception &) {
    }
}

void TKitFill::gradientChanged()
{
    if (isVisible())
        repaint();
}

void TKitFill::setColors(TColor start, TColor end)
{
    m_gradient->setColor(start);
    m_gradient->setEndColor(end);
}
