#include "widgets/accessiblerole.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

namespace {

QHash<QString, QAccessible::Role> &rolesByClass()
{
    static QHash<QString, QAccessible::Role> roles;
    return roles;
}

QAccessibleInterface *roleFactory(const QString &className, QObject *object)
{
    const auto role = rolesByClass().constFind(className);
    if (role == rolesByClass().cend() || !object || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), *role);
}

} // namespace

void setAccessibleRole(const QMetaObject &widgetClass, QAccessible::Role role)
{
    if (rolesByClass().isEmpty())
        QAccessible::installFactory(roleFactory);
    rolesByClass().insert(QString::fromLatin1(widgetClass.className()), role);
}
