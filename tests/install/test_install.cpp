// The program as users get it: installed under a prefix of their choice (cmake --install),
// and as the Debian package (unpacked with dpkg-deb). Each tree is run from a folder of its
// own, away from the build tree, and checked as the desktop and Debian's tools check it.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "TestSupport.h"
#include "app/Calculation.h"
#include "app/gui/SingleInstance.h"
#include "io/ReadingFile.h"
#include "ui/drawing/DesktopIcons.h"
#include "ui/dialogs/WebLinks.h"

using namespace velakor;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

// Runs a program to its end (at most timeoutMs) in the given folder, with stdin as input.
Run RunProgram(const QString& program, const QStringList& arguments, const QString& folder = {},
               const QByteArray& input = {}, int timeoutMs = 300000) {
    QProcess process;
    if (!folder.isEmpty()) process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run run;
    if (!process.waitForStarted(30000)) {
        run.err = "could not start " + program.toUtf8();
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.err = "timed out: " + program.toUtf8();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

QString Explain(const Run& run) { return QString::fromUtf8(run.out + run.err).left(4000); }

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kId = QLatin1String(kDesktopId);

}  // namespace

class TestInstall : public QObject {
    Q_OBJECT

    QTemporaryDir work_;
    QString installRoot_;   // cmake --install --prefix
    QString packageRoot_;   // dpkg-deb -x, then its usr
    QString deb_;
    QByteArray sampleRecord_;
    QByteArray buildChart_;

    void AddTreeRows() {
        QTest::addColumn<QString>("root");
        QTest::newRow("cmake --install") << installRoot_;
        QTest::newRow("Debian package") << packageRoot_;
    }

private slots:
    void initTestCase() {
        QVERIFY(work_.isValid());
        // The program's single-instance lock goes to a runtime folder of the test's own.
        QVERIFY(QDir(work_.path()).mkdir(QStringLiteral("runtime")));
        QFile::setPermissions(work_.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(work_.filePath(QStringLiteral("runtime"))));

        sampleRecord_ = ReadAll(QStringLiteral(VELAKOR_SOURCE_DIR "/tests/data/sample_record.jsonl"));
        QVERIFY(!sampleRecord_.isEmpty());
        const Run build = RunProgram(QStringLiteral(VELAKOR_CHART_TOOL), {}, {}, sampleRecord_);
        QVERIFY2(build.exitCode == 0, qPrintable(Explain(build)));
        buildChart_ = build.out;

        installRoot_ = work_.filePath(QStringLiteral("prefix"));
        const Run install = RunProgram(QStringLiteral(VELAKOR_CMAKE),
                                       {QStringLiteral("--install"), QStringLiteral(VELAKOR_BINARY_DIR),
                                        QStringLiteral("--prefix"), installRoot_});
        QVERIFY2(install.exitCode == 0, qPrintable(Explain(install)));

        const QString packageDir = work_.filePath(QStringLiteral("package"));
        const Run cpack = RunProgram(QStringLiteral(VELAKOR_CPACK),
                                     {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                                      QStringLiteral(VELAKOR_BINARY_DIR "/CPackConfig.cmake"), QStringLiteral("-B"),
                                      packageDir});
        QVERIFY2(cpack.exitCode == 0, qPrintable(Explain(cpack)));
        const QStringList debs = QDir(packageDir).entryList({QStringLiteral("velakor_1.70-*.deb")}, QDir::Files);
        QCOMPARE(debs.size(), 1);
        deb_ = QDir(packageDir).filePath(debs[0]);
        const QString unpacked = work_.filePath(QStringLiteral("unpacked"));
        const Run extract = RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb_, unpacked});
        QVERIFY2(extract.exitCode == 0, qPrintable(Explain(extract)));
        packageRoot_ = unpacked + QStringLiteral("/usr");
    }

    void chartFromAnotherFolder_data() { AddTreeRows(); }
    void chartFromAnotherFolder() {
        QFETCH(QString, root);
        QTemporaryDir elsewhere;
        const Run run = RunProgram(root + QStringLiteral("/bin/velakor-chart"), {}, elsewhere.path(), sampleRecord_);
        QVERIFY2(run.exitCode == 0, qPrintable(Explain(run)));
        QCOMPARE(run.out, buildChart_);
        // The precise sky's tables are installed with the program and found from its folder.
        QByteArray precise = sampleRecord_.trimmed();
        precise.chop(1);
        precise += ",\"Positions\":\"precise\"}\n";
        const Run sky = RunProgram(root + QStringLiteral("/bin/velakor-chart"), {}, elsewhere.path(), precise);
        QVERIFY2(sky.exitCode == 0 && sky.out.contains("\"Sky\":{\"Positions\":\"precise\""), qPrintable(Explain(sky)));
    }

    // The library tool, installed, imports a reading and gives it back byte for byte.
    void libraryFromAnotherFolder_data() { AddTreeRows(); }
    void libraryFromAnotherFolder() {
        QFETCH(QString, root);
        QTemporaryDir elsewhere;
        Program p;
        RunCalculation(p, test::DelhiForm());
        const std::string bytes = ReadingFileBytes(p.Birth);
        const QString reading = elsewhere.filePath(QStringLiteral("ravi.vlj"));
        QFile file(reading);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
        file.close();
        const QString tool = root + QStringLiteral("/bin/velakor-library");
        const QStringList db = {QStringLiteral("--db"), elsewhere.filePath(QStringLiteral("library.sqlite"))};
        const Run imported = RunProgram(tool, db + QStringList{QStringLiteral("import"), reading}, elsewhere.path(), {});
        QVERIFY2(imported.exitCode == 0 && imported.out.contains("\"Id\":1}"), qPrintable(Explain(imported)));
        const QString out = elsewhere.filePath(QStringLiteral("out.vlj"));
        const Run exported = RunProgram(tool, db + QStringList{QStringLiteral("export"), QStringLiteral("1"), out},
                                        elsewhere.path(), {});
        QVERIFY2(exported.exitCode == 0, qPrintable(Explain(exported)));
        QCOMPARE(ReadAll(out).toStdString(), bytes);
    }

    // Starts offscreen from another folder with its own JPEG library, and ends cleanly on
    // SIGTERM (exit status 0, lock given back).
    void programStartsAndEnds_data() { AddTreeRows(); }
    void programStartsAndEnds() {
        QFETCH(QString, root);
        QTemporaryDir elsewhere;
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("LD_LIBRARY_PATH"));
        program.setProcessEnvironment(env);
        program.setWorkingDirectory(elsewhere.path());
        program.start(root + QStringLiteral("/bin/velakor"), {});
        QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));
        const QString lockPath = SingleInstance::DefaultLockPath();
        const QByteArray pid = QByteArray::number(program.processId());
        QTRY_VERIFY_WITH_TIMEOUT(ReadAll(lockPath).startsWith(pid + '\n') || program.state() != QProcess::Running,
                                 30000);
        QVERIFY2(program.state() == QProcess::Running, program.readAllStandardError().constData());

        // The library it loaded is the tree's own, found through the program's run path.
        const QByteArray maps = ReadAll(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        const QRegularExpression library(QStringLiteral("\\s(/\\S*/libbmp2jpeg\\.so\\S*)$"),
                                         QRegularExpression::MultilineOption);
        const QString loaded = library.match(QString::fromLocal8Bit(maps)).captured(1);
        QVERIFY2(loaded.startsWith(QDir(root).canonicalPath() + QLatin1Char('/')), qPrintable(loaded));

        QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(lockPath));
    }

    void programFindsItsGuide_data() { AddTreeRows(); }
    void programFindsItsGuide() {
        QFETCH(QString, root);
        const QString guide = UserGuideFileIn(root + QStringLiteral("/bin"));
        QCOMPARE(QFileInfo(guide).canonicalFilePath(),
                 QFileInfo(root + QStringLiteral("/share/velakor/userguide.html")).canonicalFilePath());
        QCOMPARE(ReadAll(guide), ReadAll(QStringLiteral(VELAKOR_SOURCE_DIR "/docs/userguide.html")));
    }

    // The menu entry, the icon it names, the metainfo that names the entry and the type of
    // reading files, as the desktop's own validators and the MIME database see them.
    void desktopIntegration_data() { AddTreeRows(); }
    void desktopIntegration() {
        QFETCH(QString, root);
        const QString entry = root + QStringLiteral("/share/applications/") + kId + QStringLiteral(".desktop");
        const Run desktop = RunProgram(QStringLiteral("desktop-file-validate"), {entry});
        QVERIFY2(desktop.exitCode == 0 && desktop.out.isEmpty(), qPrintable(Explain(desktop)));
        QVERIFY(ReadAll(entry).contains("\nIcon=" + kId.toUtf8() + "\n"));
        // A reading opened from the file manager is given to the program.
        QVERIFY(ReadAll(entry).contains("\nExec=velakor %f\n"));
        QVERIFY(ReadAll(entry).contains("\nMimeType=application/x-velakor-reading;\n"));
        QVERIFY(ReadAll(entry).contains("\nCategories=Science;Astronomy;X-Astrology;\n"));

        const QString metainfo = root + QStringLiteral("/share/metainfo/") + kId + QStringLiteral(".metainfo.xml");
        const Run appstream = RunProgram(QStringLiteral("appstreamcli"),
                                         {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfo});
        QVERIFY2(appstream.exitCode == 0, qPrintable(Explain(appstream)));
        const QByteArray meta = ReadAll(metainfo);
        QVERIFY(meta.contains("<launchable type=\"desktop-id\">" + kId.toUtf8() + ".desktop</launchable>"));
        QVERIFY(meta.contains("<project_license>GPL-3.0-or-later</project_license>"));
        QVERIFY(meta.contains("<release version=\"1.70\""));

        const QString icons = root + QStringLiteral("/share/icons/hicolor/");
        QVERIFY(QFileInfo(icons + QStringLiteral("scalable/apps/") + kId + QStringLiteral(".svg")).isFile());
        for (const int size : {48, 256}) {
            const QImage icon(icons + QStringLiteral("%1x%1/apps/").arg(size) + kId + QStringLiteral(".png"));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        // The type's package builds into a MIME database that gives .vlj files the type and
        // its icon, which the tree carries.
        QTemporaryDir mime;
        QVERIFY(QDir(mime.path()).mkdir(QStringLiteral("packages")));
        QVERIFY(QFile::copy(root + QStringLiteral("/share/mime/packages/") + kId + QStringLiteral(".xml"),
                            mime.filePath(QStringLiteral("packages/") + kId + QStringLiteral(".xml"))));
        const Run database = RunProgram(QStringLiteral("update-mime-database"), {mime.path()});
        QVERIFY2(database.exitCode == 0, qPrintable(Explain(database)));
        QVERIFY(ReadAll(mime.filePath(QStringLiteral("globs2"))).contains(":application/x-velakor-reading:*.vlj"));
        QVERIFY(ReadAll(mime.filePath(QStringLiteral("icons"))).contains(
            "application/x-velakor-reading:application-x-velakor-reading"));
        QVERIFY(QFileInfo(icons + QStringLiteral("scalable/mimetypes/application-x-velakor-reading.svg")).isFile());
        for (const int size : {48, 256}) {
            const QImage icon(icons + QStringLiteral("%1x%1/mimetypes/application-x-velakor-reading.png").arg(size));
            QCOMPARE(icon.size(), QSize(size, size));
        }
        for (const char* page : {"velakor.1.gz", "velakor-chart.1.gz", "velakor-library.1.gz"})
            QVERIFY2(QFileInfo(root + QStringLiteral("/share/man/man1/") + QLatin1String(page)).isFile(), page);
    }

    void packageControlAndLintian() {
        const auto field = [this](const char* name) {
            const Run run = RunProgram(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb_, QLatin1String(name)});
            return QString::fromUtf8(run.out).trimmed();
        };
        QCOMPARE(field("Package"), QStringLiteral("velakor"));
        QCOMPARE(field("Version"), QStringLiteral("1.70-1"));
        QVERIFY(field("Maintainer").contains(QLatin1Char('@')));
        QVERIFY(field("Description").contains(QStringLiteral("North Indian")));
        // What dpkg-shlibdeps found the programs link, not a hand-written list.
        const QString depends = field("Depends");
        for (const char* library : {"libc6", "libqt6widgets6", "libqt6sql6", "libqt6sql6-sqlite", "libturbojpeg0",
                                    "libstdc++6", "libcctz2", "libgeonames0", "tzdata", "fonts-lohit-deva", "fonts-lohit-taml"})
            QVERIFY2(depends.contains(QLatin1String(library)), qPrintable(depends));
        QVERIFY(ReadAll(packageRoot_ + QStringLiteral("/share/doc/velakor/copyright")).contains("GPL-3.0-or-later"));

        const Run lintian = RunProgram(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error"),
                                                                  QStringLiteral("--tag-display-limit"), QStringLiteral("0"), deb_});
        QVERIFY2(lintian.exitCode == 0, qPrintable(Explain(lintian)));
    }
};

QTEST_MAIN(TestInstall)
#include "test_install.moc"
