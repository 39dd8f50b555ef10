#include "widgets/windowcontrols.h"

#include "widgets/fontline.h"
#include "widgets/gradient.h"
#include "widgets/gradientfill.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int PanelBevelWidth = 1;

} // namespace

void setTextColor(QWidget *widget, Color color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    widget->setPalette(palette);
}

// Buttons fill their background from the button role, other widgets from the window role.
void setBackgroundColor(QWidget *widget, Color color)
{
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFrame *newPanel(QWidget *parent, const QRect &geometry, Color color)
{
    auto *panel = new QFrame(parent);
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(PanelBevelWidth);
    setBackgroundColor(panel, color);
    return panel;
}

QLabel *newLabel(const QString &text, QWidget *parent, const QPoint &position, int layoutHeight,
                 const QFont &font, Color color)
{
    auto *label = new QLabel(parent);
    // Names typed by players are shown as typed, never read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    setTextOnFullLines(label);
    label->setMinimumHeight(layoutHeight);
    setTextColor(label, color);
    label->move(position);
    setLabelText(label, text);
    return label;
}

void setTextOnFullLines(QLabel *label)
{
    const QFontMetrics metrics(label->font());
    const FontLine line = fullFontLine(label->font());
    label->setContentsMargins(0, line.ascent - metrics.ascent(), 0,
                              line.descent - metrics.descent());
}

void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    label->adjustSize();
}

bool canBePressed(const QWidget *button)
{
    return button->isVisible() && button->isEnabled();
}

QPushButton *newButton(const QString &caption, QWidget *parent, const QRect &geometry,
                       const QFont &font)
{
    auto *button = new QPushButton(caption, parent);
    setUpButton(button, geometry, font);
    return button;
}

void setUpButton(QPushButton *button, const QRect &geometry, const QFont &font)
{
    // No window makes a button its default, so Enter in a text box or on a radio button presses
    // nothing; in a dialog Qt would otherwise press the first button.
    button->setAutoDefault(false);
    button->setGeometry(geometry);
    button->setFont(font);
}

GradientFill *newBackgroundFill(QWidget *parent, const QRect &geometry, int colorCount)
{
    auto *fill = new GradientFill(parent);
    fill->setGeometry(geometry);
    fill->gradient()->setColor(Colors::Aqua);
    fill->gradient()->setEndColor(Colors::Blue);
    fill->gradient()->setColorCount(colorCount);
    fill->lower();
    return fill;
}
