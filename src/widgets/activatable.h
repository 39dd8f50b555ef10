#pragma once

#include <QAccessible>
#include <QString>

class QKeyEvent;
class QPainter;
class QWidget;

// A custom-painted control that the keyboard and assistive tools can set off as a click would:
// it takes the focus, acts on Space and Enter, and shows screen readers its role and one
// action. The widget that inherits this calls makeActivatable() in its constructor.
class Activatable
{
public:
    virtual ~Activatable() = default;

    // What a click does; the widget is enabled and visible when this runs.
    virtual void activate() = 0;
    virtual QAccessible::Role accessibleRole() const = 0;
    // The name of the accessible action; the standard Press unless a control says otherwise.
    virtual QString actionName() const;

protected:
    static void makeActivatable(QWidget *widget);
    static bool isActivationKey(const QKeyEvent *event);
    // The style's focus frame around the whole widget, while it has the focus.
    static void drawFocusFrame(QWidget *widget, QPainter &painter);
};
