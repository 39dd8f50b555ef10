#include "windows/panellines.h"

#include "widgets/fonts.h"
#include "widgets/windowcontrols.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int LineFontSize = 13;
constexpr int PanelMargin = 8;
constexpr int LineSpacing = 4;

} // namespace

QFrame *newLinesPanel(QWidget *parent, QAnyStringView name)
{
    QFrame *panel = named(newPanel(parent, {}, Colors::Black), name);
    auto *lines = new QVBoxLayout(panel);
    lines->setContentsMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);
    lines->setSpacing(LineSpacing);
    return panel;
}

QLabel *addPanelLine(QFrame *panel, QAnyStringView name, Color color)
{
    auto *line = named(new QLabel(panel), name);
    line->setTextFormat(Qt::PlainText);
    line->setWordWrap(true);
    line->setFont(tahomaFont(LineFontSize));
    setTextColor(line, color);
    line->hide();
    panel->layout()->addWidget(line);
    return line;
}

void setPanelLine(QLabel *line, const QString &text)
{
    line->setText(text);
    line->setVisible(!text.isEmpty());
}
