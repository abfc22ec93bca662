// One running copy: the real program holds the lock, a second start is told so and ends,
// and a copy that crashed does not block the next start. A reading named at start is opened
// as Open opens one, by the copy that runs when there is one.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QScopeGuard>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

#include "ReadingFiles.h"
#include "app/gui/SingleInstance.h"
#include "app/gui/StartUp.h"
#include "app/gui/frmMain.h"
#include "support/MainFormDriver.h"
#include "ui/window/MDI.h"

using namespace velakor;
using namespace velakor::testing;

namespace {

enum class Lock { None, HeldByRunningCopy, LeftByKilledCopy, Unreadable, CannotBeMade, PlantedByAnotherUser, FolderAtItsName };

// Gives path to the user nobody (as root only), as another local user would have made it.
bool GiveToAnotherUser(const QString& path) { return ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0; }

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
    void readingNamedAtStart_data();
    void readingNamedAtStart();
    void signalEndsTheProgramCleanly_data();
    void signalEndsTheProgramCleanly();
    void acquiringTwiceKeepsTheLock();
    void lockLivesInAFolderOfTheUsersOwn_data();
    void lockLivesInAFolderOfTheUsersOwn();

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
    QDir().rmdir(SingleInstance::DefaultLockPath());
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
    // Nobody else can keep the user's program from starting.
    QTest::newRow("lock planted by another user") << Lock::PlantedByAnotherUser << true;
    QTest::newRow("folder at the lock's name") << Lock::FolderAtItsName << true;
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

    if (lock == Lock::PlantedByAnotherUser || lock == Lock::FolderAtItsName) {
        if (lock == Lock::FolderAtItsName) {
            QVERIFY(QDir().mkdir(lockPath));
        } else {
            // What a live lock holds: this very process, so that it never looks stale.
            QFile file(lockPath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                       QCoreApplication::applicationName().toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
            file.close();
            if (!GiveToAnotherUser(lockPath)) QSKIP("only root can give a file to another user");
        }
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("velakor: cannot make sure that only one copy runs: the lock "
                                                       "file %1 cannot be written (something that is not a lock file "
                                                       "stands at its name)").arg(lockPath)));
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
        if (lock == Lock::None || lock == Lock::LeftByKilledCopy || lock == Lock::Unreadable)
            QCOMPARE(LockOwner(), QString::number(QCoreApplication::applicationPid()));
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

void TestSingleInstance::readingNamedAtStart_data() {
    QTest::addColumn<QString>("named");  // what the file named on the command line is
    QTest::addColumn<bool>("copyRunning");
    QTest::newRow("a reading") << "ravi.vlj" << false;
    QTest::newRow("not a reading") << "notes.vlj" << false;
    QTest::newRow("no such file") << "missing.vlj" << false;
    QTest::newRow("a reading, handed to the copy that runs") << "ravi.vlj" << true;
}

// `velakor FILE.vlj`: the first copy opens the reading as Open does, or refuses it with Open's
// message; a later start hands the file to the copy that runs and ends without a word.
void TestSingleInstance::readingNamedAtStart() {
    QFETCH(QString, named);
    QFETCH(bool, copyRunning);
    QTemporaryDir folder;
    const std::filesystem::path in = folder.path().toStdString();
    test::WriteBytes(in / "ravi.vlj", test::ReadingBytes(test::DelhiForm()));
    test::WriteBytes(in / "notes.vlj", "a shopping list\n");
    const QString path = folder.filePath(named);
    const bool opens = named == QLatin1String("ravi.vlj");

    MessageLog log;
    Program program;
    SingleInstance instance;
    std::unique_ptr<frmMain> form = StartUp(program, instance, copyRunning ? QString() : path);
    QVERIFY(form);
    if (copyRunning) {
        // The second start is the real program, named the file from another folder.
        QProcess second;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        second.setProcessEnvironment(env);
        second.setWorkingDirectory(folder.path());
        second.start(QStringLiteral(VELAKOR_APP), {named});
        QVERIFY(second.waitForStarted(10000));
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 15000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(second.readAllStandardError(), QByteArray());
    }
    if (opens) {
        QTRY_VERIFY(form->chartWindow() && form->chartWindow()->isVisible());
        QCOMPARE(program.Birth.BirthName, test::DelhiForm().Name);
        QCOMPARE(form->chartWindow()->readingFileName(), path);
        QVERIFY(log.messages.isEmpty());
    } else {
        QTRY_COMPARE(log.messages.size(), 1);
        QCOMPARE(log.messages[0].text, QString::fromUtf8(kCheckFileMessage.data(), qsizetype(kCheckFileMessage.size())));
        QCOMPARE(log.messages[0].icon, BoxIcon::Critical);
        QVERIFY(!form->chartWindow());
        QVERIFY(form->isVisible());
    }
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

void TestSingleInstance::lockLivesInAFolderOfTheUsersOwn_data() {
    QTest::addColumn<QString>("runtime");  // what the runtime folder is
    QTest::newRow("runtime folder and its fallback of another user") << "another user's";
    QTest::newRow("runtime folder open to all") << "open to all";
}

// Wherever the runtime folder leads, the lock lies in a folder of the user's alone, never in
// the shared temporary folder, and the program takes it there.
void TestSingleInstance::lockLivesInAFolderOfTheUsersOwn() {
    QFETCH(QString, runtime);
    QTemporaryDir scene;
    const QString shared = scene.filePath(QStringLiteral("tmp")), runtimeFolder = scene.filePath(QStringLiteral("run"));
    QVERIFY(QDir().mkpath(shared));
    QVERIFY(QDir().mkpath(runtimeFolder));
    const QByteArray savedTmp = qgetenv("TMPDIR"), savedRuntime = qgetenv("XDG_RUNTIME_DIR"),
                     savedCache = qgetenv("XDG_CACHE_HOME");
    qputenv("TMPDIR", QFile::encodeName(shared));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(scene.filePath(QStringLiteral("cache"))));
    const auto restore = qScopeGuard([&] {
        qputenv("TMPDIR", savedTmp);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        qputenv("XDG_CACHE_HOME", savedCache);
    });
    if (runtime == QLatin1String("open to all")) {
        QVERIFY(QFile::setPermissions(runtimeFolder, QFileDevice::Permissions(0x7777)));
    } else {
        // Planted where the toolkit looks when the runtime folder is not the user's.
        const QString fallback = QDir(shared).filePath(QStringLiteral("runtime-") + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name));
        QVERIFY(QDir().mkpath(fallback));
        QFile planted(QDir(shared).filePath(QStringLiteral("velakor.lock")));
        QVERIFY(planted.open(QIODevice::WriteOnly));
        planted.close();
        if (!GiveToAnotherUser(runtimeFolder) || !GiveToAnotherUser(fallback) || !GiveToAnotherUser(planted.fileName()))
            QSKIP("only root can give a folder to another user");
    }

    const QString path = SingleInstance::DefaultLockPath();
    QVERIFY(!path.isEmpty());
    const QFileInfo folder(QFileInfo(path).path());
    QVERIFY2(folder.canonicalFilePath() != QFileInfo(shared).canonicalFilePath(), qPrintable(path));
    QVERIFY(!folder.isSymLink());
    QCOMPARE(folder.ownerId(), uint(::geteuid()));
    QCOMPARE(int(QFileInfo(folder.absoluteFilePath()).permissions() & 0x0777), 0x0700);
    SingleInstance instance(path);
    QVERIFY(instance.TryAcquire());
    QFile lock(path);
    QVERIFY(lock.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromLatin1(lock.readLine()).trimmed(), QString::number(QCoreApplication::applicationPid()));
}

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
