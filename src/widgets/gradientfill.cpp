#include "widgets/gradientfill.h"

#include "widgets/gradient.h"

#include <QPainter>
#include <exception>

GradientFill::GradientFill(QWidget *parent) : QWidget(parent), m_gradient(new Gradient(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    connect(m_gradient, &Gradient::changed, this, &GradientFill::gradientChanged);
}

void GradientFill::paintEvent(QPaintEvent *)
{
    // A failed paint leaves the background as it was until the next one; there is nobody to
    // tell in the middle of a paint cycle.
    try {
        QPainter painter(this);
        paintGradient(painter, rect(), m_gradient->colorTable());
    } catch (const std::exception &) {
    }
}

void GradientFill::gradientChanged()
{
    if (isVisible())
        repaint();
}

void GradientFill::setColors(Color start, Color end)
{
    m_gradient->setColor(start);
    m_gradient->setEndColor(end);
}
