#include "app/singleinstance.h"

#include "players/settingslocation.h"

#include <QCryptographicHash>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto ObjectPath = "/org/example/tovik/Instance";
constexpr auto Interface = "org.example.tovik.Instance";
constexpr char LockSuffix[] = ".lock";
// A later start ends within these times even when the first copy hangs or is stopped.
constexpr int ActivationTimeoutMs = 2500;
constexpr int ClaimMs = 4000;
constexpr unsigned long RetryPauseMs = 20;

// Bus names take only letters, digits and "_" in their parts, so the path goes in as a hash.
QString busNameFor(const QString &settingsFile)
{
    const QByteArray hash
            = QCryptographicHash::hash(settingsFile.toUtf8(), QCryptographicHash::Sha256);
    return u"org.example.tovik.Settings_"_s + QString::fromLatin1(hash.toHex().left(40));
}

// A session bus is named in the environment or listens in the user's runtime folder. Looking
// there first spares the start of a bus connection where there is no bus, and never has one
// launched for the game alone.
bool sessionBusIsAnnounced()
{
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")
            || (!runtimeFolder.isEmpty() && QFileInfo::exists(runtimeFolder + u"/bus"_s));
}

bool isNameWithoutOwner(const QDBusMessage &reply)
{
    return reply.errorName() == u"org.freedesktop.DBus.Error.ServiceUnknown"_s
            || reply.errorName() == u"org.freedesktop.DBus.Error.NameHasNoOwner"_s;
}

} // namespace

SingleInstance::SingleInstance(const QString &settingsPath, QObject *parent) : QObject(parent)
{
    const QString settingsFile = settingsFileTarget(settingsPath);
    const bool onBus = sessionBusIsAnnounced() && QDBusConnection::sessionBus().isConnected();
    m_first = onBus ? claimOnBus(settingsFile) : claimLock(settingsFile);
}

SingleInstance::~SingleInstance()
{
    if (m_lock >= 0)
        ::close(m_lock);
}

void SingleInstance::activate()
{
    Q_EMIT activationRequested();
}

// The object is on the bus before the name, so that a later start that finds the name finds the
// object too. A copy that ends just as a later one starts gives up its name; the later one then
// tries again and takes it.
bool SingleInstance::claimOnBus(const QString &settingsFile)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.registerObject(QString::fromLatin1(ObjectPath), this,
                       QDBusConnection::ExportScriptableSlots);
    const QString name = busNameFor(settingsFile);
    const QDeadlineTimer deadline(ClaimMs);
    for (;;) {
        const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> claim
                = bus.interface()->registerService(name, QDBusConnectionInterface::DontQueueService,
                                                   QDBusConnectionInterface::DontAllowReplacement);
        // A bus that refuses the name cannot keep the player from the game.
        if (!claim.isValid() || claim.value() == QDBusConnectionInterface::ServiceRegistered)
            return true;
        const QDBusMessage reply = bus.call(
                QDBusMessage::createMethodCall(name, QString::fromLatin1(ObjectPath),
                                               QString::fromLatin1(Interface), u"activate"_s),
                QDBus::Block, ActivationTimeoutMs);
        if (!isNameWithoutOwner(reply) || deadline.hasExpired())
            return false;
        QThread::msleep(RetryPauseMs);
    }
}

// The lock is a file of its own, as the settings file itself is replaced by every save. It is
// opened for reading only and made only when missing, so a later start writes nothing.
bool SingleInstance::claimLock(const QString &settingsFile)
{
    const QByteArray lockFile = QFile::encodeName(settingsFile) + LockSuffix;
    QDir().mkpath(QFileInfo(settingsFile).absolutePath());
    m_lock = ::open(lockFile.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (m_lock < 0 || ::flock(m_lock, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK)
        return true;
    std::fprintf(stderr, "tovik: already running with %s\n",
                 QFile::encodeName(settingsFile).constData());
    return false;
}
