// One running copy: the real program holds the lock, a second start is told so and ends,
// and a copy that crashed does not block the next start.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"
#include "support/MainFormDriver.h"

using namespace velakor;
using namespace velakor::testing;

namespace {

enum class Lock { None, HeldByRunningCopy, LeftByKilledCopy, Unreadable, CannotBeMade };

}  // namespace

Q_DECLARE_METATYPE(Lock)

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void startUp_data();
    void startUp();
    void secondProgramLeavesTheFirstAlone();
    void signalEndsTheProgramCleanly_data();
    void signalEndsTheProgramCleanly();
    void acquiringTwiceKeepsTheLock();

private:
    // Starts the real program and waits (at most waitMs) until it holds the lock.
    bool StartProgram(QProcess& process, int waitMs = 15000);
    QString LockOwner() const;

    QTemporaryDir runtime_;
    QList<QProcess*> processes_;
};

void TestSingleInstance::initTestCase() {
    // A runtime folder of the test's own, inherited by the programs it starts: a copy of the
    // program that the developer happens to run does not get in the way.
    QVERIFY(runtime_.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    QVERIFY(SingleInstance::DefaultLockPath().startsWith(runtime_.path()));
    QVERIFY(QFileInfo::exists(QStringLiteral(VELAKOR_APP)));
}

void TestSingleInstance::cleanup() {
    for (QProcess* p : processes_) {
        p->kill();
        p->waitForFinished(5000);
        delete p;
    }
    processes_.clear();
    QFile::remove(SingleInstance::DefaultLockPath());
}

bool TestSingleInstance::StartProgram(QProcess& process, int waitMs) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral(VELAKOR_APP));
    process.start();
    if (!process.waitForStarted(10000)) return false;
    const QString expected = QString::number(process.processId());
    QDeadlineTimer deadline(waitMs);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        if (LockOwner() == expected) return true;
        QTest::qWait(20);
    }
    return false;
}

// The process id written in the lock file, or empty.
QString TestSingleInstance::LockOwner() const {
    QFile lock(SingleInstance::DefaultLockPath());
    if (!lock.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(lock.readLine()).trimmed();
}

void TestSingleInstance::startUp_data() {
    QTest::addColumn<Lock>("lock");
    QTest::addColumn<bool>("starts");
    QTest::newRow("first copy") << Lock::None << true;
    QTest::newRow("another copy running") << Lock::HeldByRunningCopy << false;
    QTest::newRow("lock left by a killed copy") << Lock::LeftByKilledCopy << true;
    QTest::newRow("lock file cut short by a crash") << Lock::Unreadable << true;
    QTest::newRow("lock folder cannot be written") << Lock::CannotBeMade << true;
}

void TestSingleInstance::startUp() {
    QFETCH(Lock, lock);
    QFETCH(bool, starts);
    QProcess* first = nullptr;
    if (lock == Lock::HeldByRunningCopy || lock == Lock::LeftByKilledCopy) {
        first = processes_.emplace_back(new QProcess);
        QVERIFY(StartProgram(*first));
        if (lock == Lock::LeftByKilledCopy) {
            first->kill();  // no chance to remove its lock
            QVERIFY(first->waitForFinished(5000));
            QVERIFY(QFileInfo::exists(SingleInstance::DefaultLockPath()));
        }
    }
    if (lock == Lock::Unreadable) {
        QFile file(SingleInstance::DefaultLockPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("12");
    }

    // A lock that cannot be made at all (its folder full, read-only or, here, a file): the
    // only copy starts, and says why it cannot keep to one copy.
    QString lockPath = SingleInstance::DefaultLockPath();
    if (lock == Lock::CannotBeMade) {
        const QString notAFolder = runtime_.filePath(QStringLiteral("not-a-folder"));
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        lockPath = notAFolder + QStringLiteral("/velakor.lock");
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("velakor: cannot make sure that only one copy runs: the lock "
                                                       "file %1 cannot be written (its folder is full, missing or "
                                                       "read-only)").arg(lockPath)));
    }

    MessageLog log;
    Program program;
    SingleInstance instance(lockPath);
    std::unique_ptr<frmMain> form = StartUp(program, instance);

    QCOMPARE(bool(form), starts);
    if (starts) {
        QVERIFY(log.messages.isEmpty());
        QVERIFY(form->isVisible());
        QCOMPARE(form->findChild<QComboBox*>(QStringLiteral("cboTimeZone"))->count(), kZoneCount);
        if (lock != Lock::CannotBeMade) QCOMPARE(LockOwner(), QString::number(QCoreApplication::applicationPid()));
        return;
    }
    QCOMPARE(log.messages.size(), 1);
    QCOMPARE(log.messages[0].text, QStringLiteral("Application is already running"));
    QCOMPARE(log.messages[0].icon, BoxIcon::Information);
    QCOMPARE(log.messages[0].title, QStringLiteral("Velakor"));
    for (QWidget* w : QApplication::topLevelWidgets()) QVERIFY(!qobject_cast<frmMain*>(w));
    // The running copy is left alone.
    QTest::qWait(200);
    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(LockOwner(), QString::number(first->processId()));
}

void TestSingleInstance::secondProgramLeavesTheFirstAlone() {
    QProcess* first = processes_.emplace_back(new QProcess);
    QVERIFY(StartProgram(*first));
    const QString owner = LockOwner();

    // The second real program stops at its message (nobody answers it here); it must not
    // have taken the lock, and the first goes on.
    QProcess* second = processes_.emplace_back(new QProcess);
    QVERIFY(!StartProgram(*second, 1500));
    QCOMPARE(LockOwner(), owner);
    QCOMPARE(first->state(), QProcess::Running);
    QVERIFY2(second->state() == QProcess::Running || second->exitStatus() == QProcess::NormalExit,
             "the second copy did not crash");
}

void TestSingleInstance::signalEndsTheProgramCleanly_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("session ends (TERM)") << int(SIGTERM);
    QTest::newRow("Ctrl+C (INT)") << int(SIGINT);
    QTest::newRow("terminal closed (HUP)") << int(SIGHUP);
}

// The windows close, the program returns 0 and gives its lock back, as when the user
// closes the main form.
void TestSingleInstance::signalEndsTheProgramCleanly() {
    QFETCH(int, signal);
    QProcess* program = processes_.emplace_back(new QProcess);
    QVERIFY(StartProgram(*program));
    QCOMPARE(::kill(static_cast<pid_t>(program->processId()), signal), 0);
    QVERIFY(program->waitForFinished(15000));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
    QVERIFY(!QFileInfo::exists(SingleInstance::DefaultLockPath()));
}

void TestSingleInstance::acquiringTwiceKeepsTheLock() {
    SingleInstance instance;
    QVERIFY(instance.TryAcquire());
    QVERIFY(instance.TryAcquire());
    SingleInstance other;
    QVERIFY(!other.TryAcquire());
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
