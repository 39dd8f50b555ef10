#include "players/welcomewindow.h"

#include "app/errors.h"
#include "app/mainwindow.h"
#include "app/messageboxes.h"
#include "app/windowplacement.h"
#include "game/gamestate.h"
#include "players/playernamevalidator.h"
#include "players/settings.h"
#include "players/settingslines.h"
#include "players/settingslocation.h"
#include "players/sharedstate.h"
#include "widgets/accessiblerole.h"
#include "widgets/kitcolor.h"
#include "widgets/kitfonts.h"
#include "widgets/pixelratiowatcher.h"
#include "widgets/scaledpicture.h"
#include "widgets/windowcontrols.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

TForm3 *Form3 = nullptr;

namespace {

constexpr QSize ClientSize(600, 400);
constexpr QRect PanelGeometry(181, 121, 233, 257);
constexpr QPoint ChooseCaptionPos(30, 24);
constexpr QPoint NameCaptionPos(30, 96);
constexpr QPoint NoticePos(20, 224);
constexpr int CaptionHeight = 16;
// The list and the name field sit in the panel beside their captions, which screen readers then
// read as their labels.
constexpr QRect ListGeometry(27, 55, 169, 21);
constexpr QRect NameGeometry(27, 127, 169, 21);
constexpr QRect PlayGeometry(208, 296, 75, 25);
constexpr QRect ExitGeometry(304, 296, 75, 25);

constexpr int WindowFontSize = 11;
constexpr int FieldFontSize = 11;
constexpr int CaptionFontSize = 13;
// The name field holds at most 20 code points, which may take two UTF-16 units each; the
// validator enforces the real limit.
constexpr int NameFieldUnits = 2 * PlayerNameValidator::MaxLength;

constexpr auto Warning = u"Warning";
constexpr auto SamePlayerQuestion
        = u"You have chosen the same player as you were just playing with!\n"
          u"You would like to start a new game instead?";
constexpr auto OtherPlayerQuestion = u"Are you sure you want to change the current player?\n"
                                     u"This will exit the current game!";
constexpr auto NoNameNotice = u"I would like to know who you are! Please specify your name.";

// The list and the name field: white text on black. Their frames are drawn in a shade of the
// window colour, which is made light so that they stand out from the black panel.
void setFieldLook(QWidget *field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Window, toQColor(clSilver));
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(clBlack));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(clWhite));
    field->setPalette(palette);
    field->setFont(tahomaFont(FieldFontSize));
}

// Leaving through the welcome window ends the message loop without closing the game window,
// whose closing would save the settings; QCoreApplication::quit() would close it first.
void endWithoutSaving()
{
    QCoreApplication::exit(0);
}

} // namespace

TForm3::TForm3(QWidget *parent) : QWidget(parent)
{
    setAccessibleRole(staticMetaObject, QAccessible::Window);
    setWindowTitle(QStringLiteral("Welcome to Tovik v2!"));
    setFixedBorder(this, false);
    setFixedSize(ClientSize);
    setWindowFont(this, WindowFontSize);
    setBackgroundColor(this, clWhite);
    createControls();
    connectControls();
    FormCreate();
}

void TForm3::createControls()
{
    Image1 = new QLabel(this);
    Image1->setGeometry(QRect(QPoint(0, 0), ClientSize));
    const ScaledPicture splash = ScaledPicture::fromFiles(QStringLiteral(":/splash/splash.png"));
    const auto showSplash
            = [this, splash] { Image1->setPixmap(splash.pixmapFor(devicePixelRatio())); };
    showSplash();
    new PixelRatioWatcher(this, showSplash);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(PanelGeometry);
    setBackgroundColor(Panel1, clBlack);

    const QFont captionFont = tahomaFont(CaptionFontSize);
    Label2 = newLabel(QStringLiteral("Choose your Player:"), Panel1, ChooseCaptionPos,
                      CaptionHeight, captionFont, clWhite);
    Label2->hide();
    Label1 = newLabel(QStringLiteral("New Player's Name:"), Panel1, NameCaptionPos, CaptionHeight,
                      captionFont, clWhite);
    Label3 = newLabel(QStringLiteral("Pick your name, then press Play!"), Panel1, NoticePos,
                      CaptionHeight, captionFont, clWhite);

    ComboBox1 = new QComboBox(Panel1);
    ComboBox1->setGeometry(ListGeometry);
    setFieldLook(ComboBox1);
    ComboBox1->addItem(QStringLiteral("New Player"));
    ComboBox1->hide();
    Label2->setBuddy(ComboBox1);

    PlayersName = new QLineEdit(Panel1);
    PlayersName->setGeometry(NameGeometry);
    setFieldLook(PlayersName);
    PlayersName->setMaxLength(NameFieldUnits);
    PlayersName->setValidator(new PlayerNameValidator(PlayersName));
    PlayersName->installEventFilter(this);
    Label1->setBuddy(PlayersName);

    const QFont buttonFont = tahomaFont(FieldFontSize);
    Button1 = newButton(QStringLiteral("&Play!"), this, PlayGeometry, buttonFont);
    Button2 = newButton(QStringLiteral("E&xit"), this, ExitGeometry, buttonFont);
    Button3 = newButton(QStringLiteral("&Cancel"), this, ExitGeometry, buttonFont);
    Button3->hide();

    setTabOrder(ComboBox1, PlayersName);
    setTabOrder(PlayersName, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
}

void TForm3::connectControls()
{
    connect(ComboBox1, &QComboBox::activated, this, &TForm3::ComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm3::Button3Click);
}

void TForm3::followGameWindow(const TForm1 *gameWindow)
{
    Button1->setEnabled(!gameWindow->isRolling());
    connect(gameWindow, &TForm1::rollingChanged, Button1,
            [this](bool rolling) { Button1->setEnabled(!rolling); });
}

void TForm3::FormCreate()
{
    SettingsPath = settingsFileLocation();
}

void TForm3::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

// The settings file is read at the first showing only; later showings come from
// "Different Player..." during a game, where the game may be left as it is.
void TForm3::FormShow()
{
    PlayerAccepted = false;
    centerOnScreen(this);
    if (GameStarted) {
        Button3->show();
        Button2->hide();
    } else {
        runHandler(LoadSettings);
    }
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PlayersName && event->type() == QEvent::KeyPress)
        PlayersNameKeyDown();
    return QWidget::eventFilter(watched, event);
}

void TForm3::PlayersNameKeyDown()
{
    ComboBox1->setCurrentIndex(0);
}

void TForm3::ComboBox1Change(int index)
{
    if (index > 0)
        PlayersName->clear();
}

void TForm3::Button1Click()
{
    if (!canBePressed(Button1))
        return;
    const QString typedName = withoutBlanks(PlayersName->text()).toString();
    const QString chosenName = typedName.isEmpty() ? ComboBox1->currentText() : typedName;

    if (GameStarted) {
        const auto question = chosenName == PlayerName ? SamePlayerQuestion : OtherPlayerQuestion;
        if (!MessageBoxes::askYesNo(this, QString::fromUtf16(Warning),
                                    QString::fromUtf16(question)))
            return;
    }

    PlayerAccepted = true;
    if (typedName.isEmpty() && ComboBox1->currentIndex() < 1) {
        MessageBoxes::warn(this, QString::fromUtf16(Warning), QString::fromUtf16(NoNameNotice));
        PlayerAccepted = false;
        return;
    }

    PlayerName = chosenName;
    if (!runHandler(SaveSettings))
        return;
    Form1->show();
    hide();
    Form1->NewGame();
}

void TForm3::Button2Click()
{
    if (canBePressed(Button2))
        endWithoutSaving();
}

void TForm3::Button3Click()
{
    if (canBePressed(Button3))
        hide();
}

void TForm3::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}

void TForm3::FormClose()
{
    endWithoutSaving();
}
