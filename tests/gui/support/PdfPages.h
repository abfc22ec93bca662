// What a PDF file holds, read with poppler's command-line tools: its pages, their size and
// its text.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>

namespace velakor::testing {

struct PdfSummary {
    int pages = 0;
    QSizeF pageSize;  // in points
    QString text;
};

inline QString RunTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfSummary ReadPdf(const QString& path) {
    PdfSummary pdf;
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    const auto pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    if (pages.hasMatch()) pdf.pages = pages.captured(1).toInt();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    if (size.hasMatch()) pdf.pageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    pdf.text = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    return pdf;
}

}  // namespace velakor::testing
