#include "app/messageboxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace MessageBoxes {

void error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf16(ApplicationTitle), text);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    QAbstractButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QAbstractButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(static_cast<QPushButton *>(yes));
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

} // namespace MessageBoxes
