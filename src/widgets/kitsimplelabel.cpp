#include "widgets/kitsimplelabel.h"

#include "widgets/urlopener.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

// Blanks and control characters do not make a jump target.
bool isBlank(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= u' '; });
}

} // namespace

TKitSimpleLabel::TKitSimpleLabel(QWidget *parent) : QWidget(parent)
{
    makeActivatable(this);
    setFocusPolicy(Qt::NoFocus); // until it becomes a link
    adjustBounds();
}

void TKitSimpleLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(caption);
    adjustBounds();
    update();
}

void TKitSimpleLabel::setJump(const QString &jump)
{
    m_jump = jump;
}

void TKitSimpleLabel::setActiveColor(TColor color)
{
    m_activeColor = color;
}

// The colour a link shows now stays until its mode changes or it is pressed.
void TKitSimpleLabel::setInActiveColor(TColor color)
{
    m_inActiveColor = color;
}

void TKitSimpleLabel::setJumpMode(TKitJumpMode mode)
{
    if (mode == m_jumpMode)
        return;
    m_jumpMode = mode;
    if (isLink()) {
        m_visitCount = 0;
        setFontColor(m_inActiveColor);
        setUnderline(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    } else if (mode == TKitJumpMode::jmNone) {
        unsetCursor();
        setFocusPolicy(Qt::NoFocus);
        setFontColor(clBlack);
        setUnderline(false);
    }
}

bool TKitSimpleLabel::isLink() const
{
    return m_jumpMode != TKitJumpMode::jmNone;
}

void TKitSimpleLabel::setFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void TKitSimpleLabel::setUnderline(bool underline)
{
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
}

void TKitSimpleLabel::adjustBounds()
{
    resize(fontMetrics().size(TextFlags, m_caption));
}

void TKitSimpleLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        adjustBounds();
    QWidget::changeEvent(event);
}

void TKitSimpleLabel::paintEvent(QPaintEvent *)
{
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(toQColor(isEnabled() ? m_fontColor : clGrayText));
    painter.drawText(rect(), TextFlags, m_caption);
    drawFocusFrame(this, painter);
}

QAccessible::Role TKitSimpleLabel::accessibleRole() const
{
    return isLink() ? QAccessible::Link : QAccessible::StaticText;
}

void TKitSimpleLabel::activate()
{
    if (!isLink())
        return;
    visit();
    click();
}

void TKitSimpleLabel::keyPressEvent(QKeyEvent *event)
{
    if (isLink() && isActivationKey(event))
        activate();
    else
        QWidget::keyPressEvent(event);
}

void TKitSimpleLabel::visit()
{
    ++m_visitCount;
    setFontColor(m_activeColor);
}

void TKitSimpleLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = true;
    if (isLink())
        visit();
}

// The second press of a double click marks the link as any press does, but only a press and
// its release open the target, so a double click opens it once.
void TKitSimpleLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isLink())
        visit();
}

void TKitSimpleLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool completed = m_leftPressed && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (completed)
        click();
}

void TKitSimpleLabel::click()
{
    Q_EMIT clicked();
    switch (m_jumpMode) {
    case TKitJumpMode::jmInternet:
        // A target nobody can open turns the link into plain, disabled text for good.
        if (!openUrl(jumpTarget(true))) {
            m_jumpMode = TKitJumpMode::jmNone;
            setEnabled(false);
        }
        break;
    case TKitJumpMode::jmApplication:
        openUrl(jumpTarget(false));
        break;
    case TKitJumpMode::jmNone:
    case TKitJumpMode::jmCustom:
        break;
    }
}

QString TKitSimpleLabel::jumpTarget(bool mailtoForAddresses) const
{
    if (!isBlank(m_jump))
        return m_jump;
    if (mailtoForAddresses && m_caption.contains(u'@'))
        return QStringLiteral("mailto:") + m_caption;
    return m_caption;
}
