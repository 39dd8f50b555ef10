#include "base/messageboxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

// An error can arise anywhere; its box belongs to the window the player was using, so that the
// desktop keeps it above that window.
QWidget *windowInUse()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

namespace MessageBoxes {

namespace {

// Messages may quote a player's name or a line of the settings file: they are shown as they
// are, never read as markup.
void setMessage(QMessageBox &box, const QString &text)
{
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
}

} // namespace

void error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromUtf16(ApplicationTitle), QString(),
                    QMessageBox::NoButton, windowInUse());
    setMessage(box, text);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

bool askYesNo(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::NoButton, parent);
    setMessage(box, text);
    QAbstractButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QAbstractButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(static_cast<QPushButton *>(yes));
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, QString(), QMessageBox::NoButton, parent);
    setMessage(box, text);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

void notice(const QString &text)
{
    warn(windowInUse(), QString::fromUtf16(ApplicationTitle), text);
}

} // namespace MessageBoxes
