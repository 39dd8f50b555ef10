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
        const qreal ratio = devicePixelRatio();
        if (m_bands.isNull() || m_bands.devicePixelRatio() != ratio || m_bandsSize != size()) {
            m_bands = gradientBands(size(), ratio, m_gradient->colorTable());
            m_bandsSize = size();
        }
        QPainter painter(this);
        painter.drawImage(0, 0, m_bands);
    } catch (const std::exception &) {
    }
}

void GradientFill::gradientChanged()
{
    m_bands = QImage();
    if (isVisible())
        repaint();
}

void GradientFill::setColors(Color start, Color end)
{
    m_gradient->setColor(start);
    m_gradient->setEndColor(end);
}
