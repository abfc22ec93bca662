// The file and print commands against real files, with the dialogs and message boxes
// answered through the seams.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "SmallDisk.h"
#include "TestSupport.h"
#include "support/PdfPages.h"
#include "app/Calculation.h"
#include "io/ReadingFile.h"
#include "io/Report.h"
#include "io/gui/ChartSheet.h"
#include "io/gui/OutputCommands.h"
#include "io/JpegNames.h"
#include "bmp2jpeg.h"
#include "ui/views/ReadingTexts.h"
#include "ui/dialogs/Seams.h"

using namespace velakor;

namespace {

struct Message {
    QString text;
    BoxIcon icon;
    QString title;
};

struct DialogCall {
    DialogKind kind;
    QString filter, defaultExt, title, initialName;
    unsigned flags;
};

QPixmap SamplePicture() {
    QPixmap pm(967, 560);
    pm.fill(Qt::white);
    QPainter painter(&pm);
    painter.fillRect(QRect(72, 112, 371, 367), QColor(255, 165, 0));
    painter.drawLine(72, 112, 443, 479);
    return pm;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace

class OutputCommandsTest : public QObject {
    Q_OBJECT

    QList<Message> messages_;
    QList<DialogCall> dialogs_;
    QString answer_;  // file name the dialog returns; empty: cancel
    bool acceptPrinter_ = true;
    bool answerYes_ = true;  // what a question is answered

private slots:
    void init() {
        messages_.clear();
        dialogs_.clear();
        answer_.clear();
        SetMessageHandler([this](const QString& text, BoxIcon icon, const QString& title) {
            messages_.append({text, icon, title});
        });
        SetQuestionHandler([this](const QString& text, const QString& title) {
            messages_.append({text, BoxIcon::Question, title});
            return answerYes_;
        });
        SetDialogHandler([this](CommonDialog& d, DialogKind kind, QPrinter*) {
            dialogs_.append({kind, d.Filter, d.DefaultExt, d.DialogTitle, d.FileName, d.Flags});
            if (kind == DialogKind::Printer) return acceptPrinter_;
            d.FileName = answer_;
            return !answer_.isEmpty();
        });
    }

    void cleanup() {
        SetMessageHandler(nullptr);
        SetQuestionHandler(nullptr);
        SetDialogHandler(nullptr);
    }

    void saveAsWritesTheReadingAndRemembersTheName() {
        QTemporaryDir dir;
        Program p;
        RunCalculation(p, test::DelhiForm());
        p.LastSaveFileName = "earlier.vlj";

        answer_.clear();  // cancel first: nothing written, the name kept
        SaveReadingAs(nullptr, p);
        QCOMPARE(QString::fromStdString(p.LastSaveFileName), QStringLiteral("earlier.vlj"));

        answer_ = dir.filePath("ravi.vlj");
        SaveReadingAs(nullptr, p);
        QCOMPARE(dialogs_.size(), 2);
        const DialogCall& d = dialogs_.last();
        QCOMPARE(d.filter, QStringLiteral("Velakor (*.vlj)|*.vlj"));
        QCOMPARE(d.defaultExt, QStringLiteral("vlj"));
        QCOMPARE(d.title, QStringLiteral("Velakor"));
        // A bare name is proposed in the folder of the readings (the documents, the first time).
        QCOMPARE(QFileInfo(d.initialName).fileName(), QStringLiteral("earlier.vlj"));
        QCOMPARE(d.flags, unsigned(kOverwritePrompt | kHideReadOnly | kPathMustExist | kNoReadOnlyReturn));
        QCOMPARE(QString::fromStdString(p.LastSaveFileName), answer_);
        const std::string expected = ReadingFileBytes(p.Birth);
        QCOMPARE(ReadAll(answer_), QByteArray(expected.data(), qsizetype(expected.size())));
        QCOMPARE(ReadAll(answer_).count("\r\n"), 17);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left
    }

    void exportWritesTheReportAndEachDialogProposesItsOwnName() {
        QTemporaryDir dir;
        Program p;
        RunCalculation(p, test::DelhiForm());
        answer_ = dir.filePath("ravi.txt");
        ExportReportAs(nullptr, p);
        const DialogCall& d = dialogs_.last();
        QCOMPARE(d.filter, QStringLiteral("Export Chart As Text (*.txt)|*.txt"));
        QCOMPARE(d.defaultExt, QStringLiteral("txt"));
        QCOMPARE(d.title, QStringLiteral("Select the destination text file "));
        const QByteArray report = ReadAll(answer_);
        const std::string expected = ReportFileBytes(p.Birth, p.Texts, LocaleMonthName(8).toStdString());
        QCOMPARE(report, QString::fromStdString(expected).toLocal8Bit());
        QVERIFY(report.contains("Name: Ravi Kumar\r\n"));
        QVERIFY(report.contains("Minute \r\nCity: New Delhi\r\n"));
        QCOMPARE(report.count("\r\r\n"), 2);

        // Each dialog proposes the last name with its own extension.
        answer_.clear();
        SaveReadingAs(nullptr, p);
        QCOMPARE(dialogs_.last().initialName, dir.filePath("ravi.vlj"));
        answer_ = dir.filePath("asha.vlj");
        SaveReadingAs(nullptr, p);
        answer_.clear();
        ExportReportAs(nullptr, p);
        QCOMPARE(dialogs_.last().initialName, dir.filePath("asha.txt"));
        QCOMPARE(ReadAll(dir.filePath("asha.vlj")).count("\r\n"), 17);  // not replaced by a report
    }

    void saveAsAsksBeforeLosingCharacters_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("city");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("question");  // empty: none asked
        QTest::addColumn<QString>("saved");     // name and city as the file keeps them; empty: not written
        const QString deva = QStringLiteral("\u0930\u093E\u092E \u0928\u0917\u0930");
        QTest::newRow("plain value") << "Zo\u00EB Rao" << "Pune" << true << "" << "Zo\u00EB Rao|Pune";
        QTest::newRow("lost, Yes") << "Zo\u00EB M\u00FCller" << deva << true
                                   << "Name: \u00FC\nCity: \u0930 \u093E \u092E \u0928 \u0917"
                                   << "Zo\u00EB Mller|";
        QTest::newRow("lost, No") << "Zo\u00EB M\u00FCller" << "Pune" << false << "Name: \u00FC" << "";
    }

    void saveAsAsksBeforeLosingCharacters() {
        QFETCH(QString, name);
        QFETCH(QString, city);
        QFETCH(bool, yes);
        QFETCH(QString, question);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        FormValues typed = test::DelhiForm();
        typed.Name = name.toStdString();
        typed.City = city.toStdString();
        Program p;
        RunCalculation(p, typed);
        answer_ = dir.filePath("zoe.vlj");
        const QByteArray before("what stood here before");
        QVERIFY(WriteBytes(answer_, before));
        answerYes_ = yes;

        SaveReadingAs(nullptr, p);

        if (question.isEmpty()) {
            QVERIFY(messages_.isEmpty());
        } else {
            QCOMPARE(messages_.size(), 1);
            QCOMPARE(messages_[0].icon, BoxIcon::Question);
            QCOMPARE(messages_[0].title, QStringLiteral("Velakor"));
            QVERIFY2(messages_[0].text.contains(QLatin1Char('\n') + question + QLatin1Char('\n')),
                     qPrintable(messages_[0].text));
        }
        const QByteArray file = ReadAll(answer_);
        if (saved.isEmpty()) {
            QCOMPARE(file, before);
            return;
        }
        const auto opened = RestoreReading(std::string_view(file.constData(), std::size_t(file.size())), FormValues());
        QVERIFY(opened.has_value());
        QCOMPARE(QString::fromStdString(opened->Name + "|" + opened->City), saved);
    }

    // What stands in the way of a save, and the reason the message gives for it.
    void failedSaveSaysWhyAndKeepsTheOldFile_data() {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full" << "No space left on device";
        QTest::newRow("file-size limit") << "limit" << "File too large";
        QTest::newRow("read-only disk") << "read-only" << "Read-only file system";
        QTest::newRow("folder missing") << "missing" << "No such file or directory";
        QTest::newRow("name too long") << "long" << "File name too long";
        QTest::newRow("a folder of that name") << "folder" << "Is a directory";
        // Not to be replaced by a regular file, nor written through the rename's back door.
        QTest::newRow("device node") << "device" << "Not a regular file";
        QTest::newRow("FIFO") << "fifo" << "Not a regular file";
        QTest::newRow("link to a FIFO") << "link to fifo" << "Not a regular file";
        QTest::newRow("read-only file") << "read-only file" << "The file is read-only";
    }

    void failedSaveSaysWhyAndKeepsTheOldFile() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const bool ownDisk = obstacle == QLatin1String("full") || obstacle == QLatin1String("read-only");
        const test::SmallDisk disk(dir.filePath("disk").toStdString(), "size=64k");
        if (ownDisk && !disk.mounted()) QSKIP("no file system of the test's own can be mounted here");
        const QString folder = ownDisk ? dir.filePath("disk") : dir.path();
        QString target = QDir(folder).filePath("kept.vlj");
        const QByteArray old(4096, 'x');
        QVERIFY(WriteBytes(target, old));
        if (obstacle == QLatin1String("missing")) target = dir.filePath("missing/folder/x.vlj");
        if (obstacle == QLatin1String("long")) target = dir.filePath(QString(300, QLatin1Char('n')) + ".vlj");
        if (obstacle == QLatin1String("folder")) {
            target = dir.filePath("taken.vlj");
            QVERIFY(QDir(dir.path()).mkdir("taken.vlj"));
        }
        if (obstacle == QLatin1String("device")) {
            // The null device's numbers, made in the test's own folder: never the system's.
            target = dir.filePath("null.vlj");
            if (::mknod(QFile::encodeName(target).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                QSKIP("no device node can be made here");
        }
        if (obstacle.endsWith(QLatin1String("fifo"))) {
            const QString fifo = dir.filePath("pipe.vlj");
            QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
            target = fifo;
            if (obstacle.startsWith(QLatin1String("link"))) {
                target = dir.filePath("link.vlj");
                QVERIFY(QFile::link(fifo, target));
            }
        }
        if (obstacle == QLatin1String("read-only file")) {
            target = dir.filePath("marked.vlj");
            QVERIFY(WriteBytes(target, old));
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        }
        struct stat atTarget {};
        const bool targetThere = ::lstat(QFile::encodeName(target).constData(), &atTarget) == 0;
        if (obstacle == QLatin1String("full")) disk.Fill();
        if (obstacle == QLatin1String("read-only")) {
            QCOMPARE(::mount(nullptr, folder.toLocal8Bit().constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        }
        const QStringList before = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        Program p;
        RunCalculation(p, test::DelhiForm());
        answer_ = target;

        // A file-size limit makes every write past a few bytes fail.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = 16;
        if (obstacle == QLatin1String("limit")) QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        QVERIFY(!SaveReadingAs(nullptr, p));
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, QStringLiteral("The file could not be saved: ") + target + "\n" + reason + ".");
        QCOMPARE(messages_[0].icon, BoxIcon::Critical);
        QCOMPARE(messages_[0].title, QStringLiteral("Velakor"));
        // The old file whole, and nothing of the attempt left.
        QCOMPARE(ReadAll(QDir(folder).filePath("kept.vlj")), old);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), before);
        // Whatever stood at the name is still that kind of thing, with what it held.
        struct stat after {};
        if (targetThere) {
            QCOMPARE(::lstat(QFile::encodeName(target).constData(), &after), 0);
            QCOMPARE(after.st_mode, atTarget.st_mode);
            QCOMPARE(after.st_ino, atTarget.st_ino);
        }
        if (obstacle == QLatin1String("read-only file")) QCOMPARE(ReadAll(target), old);
    }

    // A save killed before its rename leaves a hidden file that says whose it is; the next
    // save into the folder removes such files once they are a minute old, and only those.
    void leftoversOfKilledSavesAreRemoved() {
        QTemporaryDir dir;
        const QString stale = dir.filePath(".velakor-r.vlj-AbC123.tmp");
        const QString fresh = dir.filePath(".velakor-r.vlj-XyZ789.tmp");
        const QString others = dir.filePath(".other-r.vlj-AbC123.tmp");
        for (const QString& name : {stale, fresh, others}) QVERIFY(WriteBytes(name, "complete reading"));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-61);
        for (const QString& name : {stale, others}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        Program p;
        RunCalculation(p, test::DelhiForm());
        answer_ = dir.filePath("r.vlj");
        QVERIFY(SaveReadingAs(nullptr, p));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{".other-r.vlj-AbC123.tmp", ".velakor-r.vlj-XyZ789.tmp", "r.vlj"}));
    }

    // File and folder names may hold anything: a message box never reads them as markup.
    void messageBoxesShowPlainText() {
        SetMessageHandler(nullptr);
        QString format, shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            format = box->textFormat() == Qt::PlainText ? "plain" : "other";
            shown = box->text();
            box->close();
        });
        QTemporaryDir dir;
        Program p;
        RunCalculation(p, test::DelhiForm());
        answer_ = dir.filePath("<b>missing</b>/r.vlj");
        QVERIFY(!SaveReadingAs(nullptr, p));
        QCOMPARE(format, QStringLiteral("plain"));
        QVERIFY2(shown.contains("<b>missing</b>/r.vlj"), qPrintable(shown));
    }

    void openRestoresRefusesAndCancels() {
        QTemporaryDir dir;
        Program p;
        RunCalculation(p, test::DelhiForm());
        const std::string bytes = ReadingFileBytes(p.Birth);
        const QString good = dir.filePath("ravi.vlj");
        QVERIFY(WriteBytes(good, QByteArray(bytes.data(), qsizetype(bytes.size()))));

        FormValues blank;
        answer_ = good;
        const auto restored = OpenReading(nullptr, blank);
        QVERIFY(restored.has_value());
        QCOMPARE(QString::fromStdString(restored->Name), QStringLiteral("Ravi Kumar"));
        QCOMPARE(restored->ZoneIndex, 34);
        QCOMPARE(restored->Month, 8);
        QCOMPARE(dialogs_.last().title, QStringLiteral("Select the source file"));
        QCOMPARE(dialogs_.last().initialName, QString());
        QVERIFY(messages_.isEmpty());

        // The extension is compared with its case.
        const QString upper = dir.filePath("ravi.VLJ");
        QVERIFY(QFile::copy(good, upper));
        answer_ = upper;
        QVERIFY(!OpenReading(nullptr, blank).has_value());
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, QStringLiteral("Please Check The File."));

        // A huge file, or one with an overlong line, changes nothing.
        const QString huge = dir.filePath("huge.vlj");
        QVERIFY(WriteBytes(huge, QByteArray(8 * 1024 * 1024, '\x41')));
        answer_ = huge;
        QVERIFY(!OpenReading(nullptr, blank).has_value());
        QCOMPARE(messages_.size(), 2);

        // A file that cannot be read.
        answer_ = dir.filePath("gone.vlj");
        QVERIFY(!OpenReading(nullptr, blank).has_value());
        QCOMPARE(messages_.size(), 3);

        // Cancelled: no message.
        answer_.clear();
        QVERIFY(!OpenReading(nullptr, blank).has_value());
        QCOMPARE(messages_.size(), 3);
    }

    void jpegNamesNumbersAndNoBitmapLeft() {
        QTemporaryDir dir;
        const QPixmap picture = SamplePicture();
        const QString bmpOfTheUser = dir.filePath("chart.bmp");
        QVERIFY(WriteBytes(bmpOfTheUser, "the user's own bitmap"));
        // The picture is the converter's bytes of the picture's bitmap, as it always was.
        const QString bitmap = dir.filePath("reference.bmp"), reference = dir.filePath("reference.jpg");
        QVERIFY(picture.toImage().convertToFormat(QImage::Format_RGB888).save(bitmap, "BMP"));
        QCOMPARE(BmpToJpeg(QFile::encodeName(bitmap).constData(), QFile::encodeName(reference).constData(), kJpegQuality), 0);
        QVERIFY(QFile::remove(bitmap));

        // A full, missing or shared temporary folder plays no part: nothing is converted there.
        const QByteArray savedTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(dir.filePath("no such folder")));
        const QString first = SaveFormAsJpeg(nullptr, picture, dir.filePath("chart"));
        qputenv("TMPDIR", savedTmp);
        QCOMPARE(first, dir.filePath("chart.jpg"));
        QCOMPARE(ReadAll(first), ReadAll(reference));
        QVERIFY(QFile::remove(reference));
        QCOMPARE(SaveFormAsJpeg(nullptr, picture, dir.filePath("chart.jpg")), dir.filePath("chart_001.jpg"));
        QCOMPARE(SaveFormAsJpeg(nullptr, picture, dir.filePath("chart")), dir.filePath("chart_002.jpg"));
        QCOMPARE(ReadAll(bmpOfTheUser), QByteArray("the user's own bitmap"));
        QCOMPARE(QDir(dir.path()).entryList({"*.bmp"}, QDir::Files), QStringList{"chart.bmp"});
        QVERIFY(QDir::temp().entryList({"velakor-*.bmp"}, QDir::Files).isEmpty());

        QImage decoded(dir.filePath("chart.jpg"));
        QCOMPARE(decoded.size(), picture.size());
        const QColor orange = decoded.pixelColor(200, 300);
        QVERIFY2(orange.red() > 230 && qAbs(orange.green() - 165) < 20 && orange.blue() < 30,
                 qPrintable(orange.name()));

        QVERIFY(QDir(dir.path()).mkdir("My.Charts"));
        QCOMPARE(SaveFormAsJpeg(nullptr, picture, dir.filePath("My.Charts/chart")), dir.filePath("My.Charts/chart.jpg"));
        QCOMPARE(SaveFormAsJpeg(nullptr, picture, dir.filePath("my.chart.jpg")), dir.filePath("my.jpg"));
        QVERIFY(messages_.isEmpty());
    }

    void jpegGivesUpAfter999Copies() {
        QTemporaryDir dir;
        QVERIFY(WriteBytes(dir.filePath("full.jpg"), "x"));
        for (int n = 1; n <= 999; ++n) {
            QVERIFY(WriteBytes(dir.filePath(QStringLiteral("full_%1.jpg").arg(n, 3, 10, QLatin1Char('0'))), "x"));
        }
        QCOMPARE(SaveFormAsJpeg(nullptr, SamplePicture(), dir.filePath("full")), QString());
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, QStringLiteral("There are too many Copies of this file  full.jpg"));
        QCOMPARE(messages_[0].title, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILE") + QStringLiteral("full.jpg"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1000);
    }

    void jpegDialogCancelledWritesNothing() {
        QTemporaryDir dir;
        answer_.clear();
        SaveChartPictureAs(nullptr, SamplePicture());
        QCOMPARE(dialogs_.size(), 1);
        QCOMPARE(dialogs_[0].filter, QStringLiteral("JPEG Image (*.jpg)|*.jpg"));
        QCOMPARE(dialogs_[0].defaultExt, QStringLiteral(".JPG"));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void printDrawsTheViewOnOnePageOrSaysWhyNot() {
        QTemporaryDir dir;
        // A view of the chart display's shape: wider than tall, with a line of text.
        QWidget view;
        view.resize(967, 560);
        auto* line = new QLabel(QStringLiteral("Name: Printed Person"), &view);
        line->move(456, 112);
        const bool printers = !QPrinterInfo::availablePrinters().isEmpty();

        // Where there is no printer the dialog offers a PDF file; the page lies on its side.
        QPrinter printer(QPrinter::HighResolution);
        acceptPrinter_ = false;
        QVERIFY(!PrintChartView(nullptr, &view, printer, dir.filePath("chart.pdf")));
        QCOMPARE(dialogs_.last().flags, printers ? unsigned(kNoPageNums | kDisablePrintToFile) : unsigned(kNoPageNums));
        if (!printers) {
            QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
            QCOMPARE(printer.outputFileName(), dir.filePath("chart.pdf"));
        }
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(!QFile::exists(dir.filePath("chart.pdf")));

        acceptPrinter_ = true;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("chart.pdf"));
        QVERIFY(PrintChartView(nullptr, &view, printer));
        const testing::PdfSummary pdf = testing::ReadPdf(dir.filePath("chart.pdf"));
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.pageSize.width() > pdf.pageSize.height());
        QVERIFY2(pdf.text.contains("Name: Printed Person"), qPrintable(pdf.text));
        // Drawn, not a picture of the screen.
        QVERIFY(!ReadAll(dir.filePath("chart.pdf")).contains("/Subtype /Image"));
        QVERIFY(messages_.isEmpty());

        // A page that cannot be printed is reported.
        printer.setOutputFileName(dir.filePath("no such folder/chart.pdf"));
        QVERIFY(!PrintChartView(nullptr, &view, printer));
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text, QStringLiteral("The file could not be saved: ") +
                                        dir.filePath("no such folder/chart.pdf") + "\nNo such file or directory.");
        QVERIFY(messages_[0].icon == BoxIcon::Critical);
    }

    // Printing over an existing PDF on a full disk leaves the old PDF whole and says why.
    // The chart's printout and the chart sheet each replace an older PDF whole, or not at all.
    void pdfOverAnExistingPdfOnAFullDisk_data() {
        QTest::addColumn<bool>("sheet");
        QTest::newRow("chart") << false;
        QTest::newRow("chart sheet") << true;
    }
    void pdfOverAnExistingPdfOnAFullDisk() {
        QFETCH(bool, sheet);
        const Program program = test::Computed(test::DelhiForm());
        QTemporaryDir dir;
        const test::SmallDisk disk(dir.filePath("disk").toStdString(), "size=256k");
        // Where no file system can be mounted, a file-size limit stands in for the full disk.
        const QString folder = disk.mounted() ? dir.filePath("disk") : dir.path();
        const QString reason = disk.mounted() ? "No space left on device" : "File too large";
        QWidget view;
        view.resize(967, 560);
        new QLabel(QStringLiteral("Name: Printed Person"), &view);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir(folder).filePath("chart.pdf"));
        const auto print = [&] {
            return sheet ? WriteChartSheet(nullptr, program, ComputeReadings(program), ChartStyle::North, false, printer)
                         : PrintChartView(nullptr, &view, printer);
        };
        QVERIFY(print());
        const QByteArray old = ReadAll(printer.outputFileName());
        QVERIFY(old.startsWith("%PDF"));

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit tiny = saved;
        tiny.rlim_cur = 4096;
        if (disk.mounted()) {
            disk.Fill();
        } else {
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        }
        const bool printed = print();
        setrlimit(RLIMIT_FSIZE, &saved);

        QVERIFY(!printed);
        QCOMPARE(ReadAll(printer.outputFileName()), old);
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].text,
                 QStringLiteral("The file could not be saved: ") + printer.outputFileName() + "\n" + reason + ".");
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).filter(".velakor-"), QStringList());
    }
};

QTEST_MAIN(OutputCommandsTest)
#include "test_output_commands.moc"
