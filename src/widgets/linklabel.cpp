#include "widgets/linklabel.h"

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

LinkLabel::LinkLabel(QWidget *parent) : QWidget(parent)
{
    makeActivatable(this);
    setFocusPolicy(Qt::NoFocus); // until it becomes a link
    adjustBounds();
}

void LinkLabel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    setAccessibleName(caption);
    adjustBounds();
    update();
}

void LinkLabel::setTarget(const QString &jump)
{
    m_target = jump;
}

void LinkLabel::setVisitedColor(Color color)
{
    m_visitedColor = color;
}

// The colour a link shows now stays until its mode changes or it is pressed.
void LinkLabel::setLinkColor(Color color)
{
    m_linkColor = color;
}

void LinkLabel::setLinkMode(LinkMode mode)
{
    if (mode == m_linkMode)
        return;
    m_linkMode = mode;
    if (isLink()) {
        m_visitCount = 0;
        setFontColor(m_linkColor);
        setUnderline(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
    } else if (mode == LinkMode::None) {
        unsetCursor();
        setFocusPolicy(Qt::NoFocus);
        setFontColor(Colors::Black);
        setUnderline(false);
    }
}

bool LinkLabel::isLink() const
{
    return m_linkMode != LinkMode::None;
}

void LinkLabel::setFontColor(Color color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
}

void LinkLabel::setUnderline(bool underline)
{
    QFont underlined = font();
    underlined.setUnderline(underline);
    setFont(underlined);
}

void LinkLabel::adjustBounds()
{
    resize(fontMetrics().size(TextFlags, m_caption));
}

void LinkLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        adjustBounds();
    QWidget::changeEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(toQColor(isEnabled() ? m_fontColor : Colors::GrayText));
    painter.drawText(rect(), TextFlags, m_caption);
    drawFocusFrame(this, painter);
}

QAccessible::Role LinkLabel::accessibleRole() const
{
    return isLink() ? QAccessible::Link : QAccessible::StaticText;
}

void LinkLabel::activate()
{
    if (!isLink())
        return;
    visit();
    click();
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    if (isLink() && isActivationKey(event))
        activate();
    else
        QWidget::keyPressEvent(event);
}

void LinkLabel::visit()
{
    ++m_visitCount;
    setFontColor(m_visitedColor);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_leftPressed = true;
    if (isLink())
        visit();
}

// The second press of a double click marks the link as any press does, but only a press and
// its release open the target, so a double click opens it once.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && isLink())
        visit();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool completed = m_leftPressed && rect().contains(event->position().toPoint());
    m_leftPressed = false;
    if (completed)
        click();
}

void LinkLabel::click()
{
    Q_EMIT clicked();
    switch (m_linkMode) {
    case LinkMode::Internet:
        // A target nobody can open turns the link into plain, disabled text for good.
        if (!openUrl(jumpTarget(true))) {
            m_linkMode = LinkMode::None;
            setEnabled(false);
        }
        break;
    case LinkMode::Application:
        openUrl(jumpTarget(false));
        break;
    case LinkMode::None:
    case LinkMode::Custom:
        break;
    }
}

QString LinkLabel::jumpTarget(bool mailtoForAddresses) const
{
    if (!isBlank(m_target))
        return m_target;
    if (mailtoForAddresses && m_caption.contains(u'@'))
        return QStringLiteral("mailto:") + m_caption;
    return m_caption;
}
