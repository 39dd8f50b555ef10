#pragma once

#include <QDialog>

class GradientFill;
class LinkLabel;
class QFrame;
class QLabel;
class QPushButton;
class Session;

// The program's credit line and two links to its web sites. Made for one showing, so the links
// start out unvisited every time, in the session's colours.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    // Addresses under the domain reserved for examples, so that no real site is ever opened in
    // the program's name.
    static constexpr auto MakerAddress = u"https://tovik.example.org/";
    static constexpr auto LinuxAddress = u"https://linux.tovik.example.org/";

    explicit AboutWindow(const Session &session, QWidget *parent = nullptr);

    void dismiss();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void prepareToShow();

    QPushButton *okButton = nullptr;
    GradientFill *backgroundFill = nullptr;
    QFrame *linkPanel = nullptr;
    QLabel *creditLabel = nullptr;
    LinkLabel *makerLink = nullptr;
    QLabel *linuxNoteLabel = nullptr;
    LinkLabel *linuxLink = nullptr;

    const Session &m_session;
};
