#include "players/highscorewindow.h"

#include "app/errors.h"
#include "app/mainwindow.h"
#include "app/windowplacement.h"
#include "players/colortext.h"
#include "players/playernamevalidator.h"
#include "players/settings.h"
#include "players/sharedstate.h"
#include "widgets/kitfill.h"
#include "widgets/kitfonts.h"
#include "widgets/windowcontrols.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

bool NewHighScoreMode = false;

namespace {

constexpr QSize ClientSize(369, 193);
constexpr QRect FillGeometry(0, 0, 369, 193);
constexpr int FillColorCount = 64;

constexpr QRect PanelGeometry(32, 32, 305, 105);
constexpr QPoint NamePosition(24, 24);
constexpr QPoint ScorePosition(24, 64);
constexpr QPoint NewScorePosition(96, 64);
constexpr int LabelHeight = 19;
// Inside the panel, beside the "Name:" caption that labels it for screen readers.
constexpr QRect EditGeometry(96, 24, 121, 21);
constexpr QRect ButtonGeometry(264, 144, 75, 25);

constexpr int WindowFontSize = 11;
constexpr int LabelFontSize = 16;
constexpr int ControlFontSize = 11;

} // namespace

TForm4::TForm4(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Highest Score"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    setBackgroundColor(this, clBlack);
    createControls();
    FormCreate();
}

void TForm4::createControls()
{
    KitFill1 = newBackgroundFill(this, FillGeometry, FillColorCount);

    Panel1 = newPanel(this, PanelGeometry, clBlack);
    const QFont labelFont = tahomaFont(LabelFontSize, true);
    Label1 = newLabel(QString(), Panel1, NamePosition, LabelHeight, labelFont, clWhite);
    Label2 = newLabel(QString(), Panel1, ScorePosition, LabelHeight, labelFont, clWhite);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3 = newLabel(QString(), Panel1, NewScorePosition, LabelHeight, labelFont, clWhite);

    Edit1 = new QLineEdit(Panel1);
    Edit1->setGeometry(EditGeometry);
    Edit1->setFont(tahomaFont(ControlFontSize));
    Edit1->setValidator(new PlayerNameValidator(Edit1));
    QPalette editPalette = Edit1->palette();
    editPalette.setColor(QPalette::Base, toQColor(clBlack));
    editPalette.setColor(QPalette::Text, toQColor(clWhite));
    Edit1->setPalette(editPalette);
    Label1->setBuddy(Edit1);

    Button1 = newButton(QStringLiteral("&OK"), this, ButtonGeometry, tahomaFont(ControlFontSize));
    Button1->setFocus();
    setTabOrder(Button1, Edit1);

    connect(Button1, &QPushButton::clicked, this, &TForm4::Button1Click);
}

void TForm4::FormCreate()
{
    NewHighScoreMode = false;
    setLabelText(Label1, QStringLiteral("Name:"));
    setLabelText(Label2, QStringLiteral("Score:"));
    for (QWidget *control : std::initializer_list<QWidget *> {Edit1, Label1, Label2, Label3})
        control->hide();
}

void TForm4::SetNewScore()
{
    NewHighScoreMode = true;
    Form1->HighestScore1->setEnabled(true);
    Edit1->setText(PlayerName);
    setLabelText(Label3, Form1->ScoreLabel->text());
    Label1->show();
    Label2->show();
    Label3->show();
    Edit1->show();
}

void TForm4::ViewScore()
{
    setLabelText(Label1, HighScoreName);
    Label1->show();
    setLabelText(Label2, QString::number(HighScore));
    Label2->show();
}

void TForm4::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm4::FormShow()
{
    KitFill1->setColors(GradientStartColor, GradientEndColor);
    centerOnScreen(this);
}

// A save that fails keeps the window open with the new record already in memory, so that a
// later save (the game window's close) can still write it.
void TForm4::Button1Click()
{
    if (!NewHighScoreMode) {
        close();
        return;
    }
    runHandler([this] {
        HighScoreName = Edit1->text();
        HighScore = parseIntegerText(Label3->text());
        SaveSettings();
        close();
    });
}
