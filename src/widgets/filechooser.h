#pragma once

class QString;
class QWidget;

// The one place where the program asks the user where to save a file: the desktop's file
// dialog, opened modally at the suggested path. Gives an empty path when the user cancels.
QString chooseFileToSave(QWidget *parent, const QString &caption, const QString &suggestedPath,
                         const QString &filter);
