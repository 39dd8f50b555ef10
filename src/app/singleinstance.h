#pragma once

#include <QObject>
#include <QString>

// One copy of the program per settings file, as desktop programs are: two copies on one file
// would each save what they hold and drop what the other saved. The first start on a file claims
// it; a later start on the same file asks the first to show its window and ends, having written
// nothing. On the session bus the claim is a name made from the file's canonical path, through
// which a later start reaches the first. Without a bus it is a lock on a file beside the settings
// file, which the kernel gives up when the program ends in whatever way; a later start then
// just ends. Where neither can be had (a read-only folder without a bus), the program runs.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.tovik.Instance")

public:
    explicit SingleInstance(const QString &settingsPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Whether this start may run: no other copy holds the settings file.
    bool isFirst() const { return m_first; }

public Q_SLOTS:
    // Called over the bus by a later start.
    Q_SCRIPTABLE void activate();

Q_SIGNALS:
    // A later start on the same file asked for the current window.
    void activationRequested();

private:
    bool claimOnBus(const QString &settingsFile);
    bool claimLock(const QString &settingsFile);

    bool m_first = true;
    int m_lock = -1;
};
