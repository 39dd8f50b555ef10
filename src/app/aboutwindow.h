#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class TKitFill;
class TKitSimpleLabel;

// The program's credit line and two links to its web sites. Made for one showing, so the links
// start out unvisited every time.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    // Addresses under the domain reserved for examples, so that no real site is ever opened in
    // the program's name.
    static constexpr auto MakerAddress = u"https://tovik.example.org/";
    static constexpr auto LinuxAddress = u"https://linux.tovik.example.org/";

    explicit TForm2(QWidget *parent = nullptr);

    QPushButton *Button1;
    TKitFill *KitFill1;
    QFrame *Panel1;
    QLabel *Label3;
    TKitSimpleLabel *KitSimpleLabel1;
    QLabel *Label1;
    TKitSimpleLabel *KitSimpleLabel2;

    void Button1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void FormShow();
};
