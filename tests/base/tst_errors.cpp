#include "base/errors.h"

#include <QTest>

#include <cerrno>

using namespace Qt::StringLiterals;

class TestErrors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void systemErrorsAreToldByMeaning_data();
    void systemErrorsAreToldByMeaning();
};

void TestErrors::systemErrorsAreToldByMeaning_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");

    QTest::newRow("no access") << int(EACCES) << u"File access denied"_s;
    QTest::newRow("read-only file system") << int(EROFS) << u"File access denied"_s;
    QTest::newRow("no such file") << int(ENOENT) << u"File not found"_s;
    QTest::newRow("no space") << int(ENOSPC) << u"Disk full"_s;
    QTest::newRow("quota") << int(EDQUOT) << u"Disk full"_s;
    QTest::newRow("process's open files") << int(EMFILE) << u"Too many open files"_s;
    QTest::newRow("name too long") << int(ENAMETOOLONG) << u"Invalid filename"_s;
    // Numbers that the program's own numbers would misread.
    QTest::newRow("input/output error, 5") << int(EIO) << u"I/O error 5"_s;
    QTest::newRow("interrupted, 4") << int(EINTR) << u"I/O error 4"_s;
    QTest::newRow("network unreachable, 101") << int(ENETUNREACH) << u"I/O error 101"_s;
}

void TestErrors::systemErrorsAreToldByMeaning()
{
    QFETCH(int, error);
    QFETCH(QString, message);

    QCOMPARE(InOutError::fromSystemError(error).message(), message);
}

QTEST_APPLESS_MAIN(TestErrors)
#include "tst_errors.moc"
