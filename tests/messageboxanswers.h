#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

// Answers the message boxes that open, one after another, with the buttons named in turn or with
// the close box or the Escape key, and keeps what each box said. A box beyond the answers given
// is dismissed without an answer, so that a test never hangs on it. Polling stops when this
// object goes, so an answer never leaks into a later test.
class MessageBoxAnswers
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        Qt::TextFormat format;
        // The window that the box belongs to and that the desktop keeps it above.
        const QWidget *parent;
    };

    explicit MessageBoxAnswers(QStringList buttons = {}) : m_buttons(std::move(buttons))
    {
        m_timer.setInterval(PollInterval);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { answer(); });
        m_timer.start();
    }

    // Answers that close a box without pressing one of its buttons.
    static inline const QString CloseBox = QStringLiteral("(close box)");
    static inline const QString EscapeKey = QStringLiteral("(Escape key)");

    const QList<Box> &boxes() const { return m_boxes; }

    QStringList texts() const
    {
        QStringList texts;
        for (const Box &box : m_boxes)
            texts.append(box.text);
        return texts;
    }

private:
    static constexpr int PollInterval = 5;

    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        m_boxes.append({box->windowTitle(), box->text(), box->icon(), box->textFormat(),
                        box->parentWidget()});
        if (m_buttons.isEmpty()) {
            box->reject();
            return;
        }
        const QString wanted = m_buttons.takeFirst();
        if (wanted == CloseBox) {
            box->close();
            return;
        }
        if (wanted == EscapeKey) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == wanted) {
                button->click();
                return;
            }
        }
        box->reject();
    }

    QTimer m_timer;
    QStringList m_buttons;
    QList<Box> m_boxes;
};
