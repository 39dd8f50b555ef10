#include "widgets/filechooser.h"

#include <QFileDialog>

QString chooseFileToSave(QWidget *parent, const QString &caption, const QString &suggestedPath,
                         const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}
