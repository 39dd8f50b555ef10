#include "windows/helpwindow.h"

#include "players/session.h"
#include "widgets/fonts.h"
#include "widgets/gradientfill.h"
#include "widgets/windowcontrols.h"
#include "windows/windowplacement.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize InitialClientSize(393, 297);
constexpr QRect FillGeometry(0, 0, 393, 297);
constexpr int FillColorCount = 200;
constexpr QRect MemoGeometry(8, 8, 377, 249);
constexpr QRect ButtonGeometry(304, 264, 75, 25);

constexpr int WindowFontSize = 13;
constexpr int ButtonFontSize = 11;

// Blanks at the ends of lines belong to the text.
constexpr const char16_t *RulesLines[] = {
        u"Tovik is basically a game similar to poker, except you are ",
        u"using dice! Your goal is to get as many points as possible. ",
        u"Tovik is both a strategy game and a game of luck. For each ",
        u"dice you get, they will count as points. The point system ",
        u"goes as the following:",
        u"",
        u"One-Six: total of selected dice values",
        u"3 of a Kind and 4 of a Kind: total of added dice values",
        u"Full House: 25 points",
        u"Small Straight: 30 points",
        u"Large Straight: 40 points",
        u"Chance: total of added dice values",
        u"Tovik: 50 points",
        u"",
        u"Tovik BONUS: after you get your first Tovik, each additional ",
        u"Tovik will add 100 points to your score.",
        u"",
        u"Sub Total BONUS: if your sub total score is 63 or greater, ",
        u"you will get an additional 35 points.",
};

// After the rules, for players without a mouse.
constexpr const char16_t *KeysLines[] = {
        u"",
        u"Keys:",
        u"1 to 5: hold or free a die",
        u"Alt+R: roll",
        u"Alt+U: un-select the chosen item",
        u"Alt+N: new game",
        u"F1: this help",
        u"F2: new game",
        u"F3: colours",
        u"F4: the coach",
        u"Tab moves between the dice and the buttons; Space presses them.",
};

// Last, the coach. The game's value under perfect play is the solver's, which a test compares
// with this text.
constexpr const char16_t *CoachLines[] = {
        u"",
        u"Coach:",
        u"The coach (F4) watches beside the game. After each roll it shows the final score to "
        u"expect from every choice under perfect play, and after each choice what it cost.",
        u"Perfect play averages 254.36 points a game.",
};

QString rulesText()
{
    QStringList lines;
    for (const char16_t *line : RulesLines)
        lines.append(QString::fromUtf16(line));
    for (const char16_t *line : KeysLines)
        lines.append(QString::fromUtf16(line));
    for (const char16_t *line : CoachLines)
        lines.append(QString::fromUtf16(line));
    return lines.join(u'\n');
}

} // namespace

HelpWindow::HelpWindow(const Session &session, const QWidget *mainWindow, QWidget *parent)
    : QDialog(parent), m_session(session), m_mainWindow(mainWindow)
{
    setWindowTitle(QStringLiteral("Tovik Help"));
    // A sizeable frame, but only the system menu and the close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(InitialClientSize);
    setFont(tahomaFont(WindowFontSize));
    setBackgroundColor(this, Colors::ButtonFace);
    createControls();
}

void HelpWindow::createControls()
{
    backgroundFill
            = named(newBackgroundFill(this, FillGeometry, FillColorCount), u"backgroundFill");

    rulesView = named(new QPlainTextEdit(this), u"rulesView");
    rulesView->setGeometry(MemoGeometry);
    rulesView->setReadOnly(true);
    // Read-only text is otherwise selectable with the mouse only.
    rulesView->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    rulesView->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    rulesView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rulesView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    rulesView->setPlainText(rulesText());

    okButton = named(
            newButton(QStringLiteral("&OK"), this, ButtonGeometry, tahomaFont(ButtonFontSize)),
            u"okButton");
    setTabOrder(rulesView, okButton);
    rulesView->setFocus();

    connect(okButton, &QPushButton::clicked, this, &HelpWindow::dismiss);
}

void HelpWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        prepareToShow();
}

void HelpWindow::prepareToShow()
{
    backgroundFill->setColors(m_session.startColor(), m_session.endColor());
    centerOverMainWindow(this, m_mainWindow);
}

void HelpWindow::dismiss()
{
    close();
}
