#pragma once

#include <QAccessible>

struct QMetaObject;

// Gives every widget of one class the role screen readers see, where Qt's default is wrong for
// it (a top-level QWidget shows as a filler). Called first thing in the class's constructor.
void setAccessibleRole(const QMetaObject &widgetClass, QAccessible::Role role);
