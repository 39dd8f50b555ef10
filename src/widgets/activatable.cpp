#include "widgets/activatable.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

namespace {

// Exposes an Activatable widget with its own role and its action beside the focus action
// that every focusable widget has.
class ActivatableAccessible : public QAccessibleWidget
{
public:
    ActivatableAccessible(QWidget *widget, Activatable *control)
        : QAccessibleWidget(widget, control->accessibleRole()), m_control(control)
    {
    }

    // A control may change what it is, as a label does when it becomes a link.
    QAccessible::Role role() const override { return m_control->accessibleRole(); }

    // A control that takes no focus, as a label that is not a link, offers no action either.
    bool offersAction() const { return widget()->focusPolicy() != Qt::NoFocus; }

    QStringList actionNames() const override
    {
        if (!offersAction())
            return QAccessibleWidget::actionNames();
        return QStringList {m_control->actionName()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != m_control->actionName()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // As with a click: nothing happens on a control the user could not click.
        if (offersAction() && widget()->isEnabled() && widget()->isVisible())
            m_control->activate();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        if (action == m_control->actionName())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

private:
    Activatable *m_control;
};

QAccessibleInterface *activatableFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (auto *control = dynamic_cast<Activatable *>(object))
        return new ActivatableAccessible(static_cast<QWidget *>(object), control);
    return nullptr;
}

} // namespace

QString Activatable::actionName() const
{
    return QAccessibleActionInterface::pressAction();
}

void Activatable::makeActivatable(QWidget *widget)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(activatableFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    widget->setFocusPolicy(Qt::StrongFocus);
}

void Activatable::drawFocusFrame(QWidget *widget, QPainter &painter)
{
    if (!widget->hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, widget);
}

bool Activatable::isActivationKey(const QKeyEvent *event)
{
    if (event->modifiers() & ~Qt::KeypadModifier)
        return false;
    return event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
            || event->key() == Qt::Key_Enter;
}
