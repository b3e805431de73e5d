#include "cupspdf.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace pickwise::testing {

QString cupsPdfOutputDir()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QByteArray &raw : conf.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1String("Out ")))
                out = line.mid(4).trimmed();
        }
    }
    out.replace(QLatin1String("${HOME}"), QDir::homePath());
    return out;
}

namespace {

// The backend writes the file while ghostscript runs; it is whole once its size
// stops changing and pdfinfo can read it.
bool isComplete(const QString &path)
{
    qint64 last = -1;
    for (int stable = 0; stable < 2;) {
        const qint64 size = QFileInfo(path).size();
        stable = size > 0 && size == last ? stable + 1 : 0;
        last = size;
        QThread::msleep(250);
    }
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    return info.waitForFinished(30000) && info.exitCode() == 0;
}

} // namespace

QString waitForPdf(const QDateTime &since, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    const QString dir = cupsPdfOutputDir();
    while (timer.elapsed() < timeoutMs) {
        const QFileInfoList files
            = QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        for (const QFileInfo &f : files) {
            if (f.lastModified() >= since && f.size() > 0 && isComplete(f.absoluteFilePath()))
                return f.absoluteFilePath();
        }
        QThread::msleep(200);
    }
    return {};
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList pdfPageLines(const QString &pdf, int page)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
            QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList lines;
    for (const QString &line :
        QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const QString plain = line.simplified();
        if (!plain.isEmpty())
            lines << plain;
    }
    return lines;
}

QList<PdfWord> pdfWords(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    QList<PdfWord> words;
    int page = 0;
    const QRegularExpression re(
        QStringLiteral("<page |<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.append({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble(), page});
    }
    return words;
}

QString pdfTitle(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpression re(QStringLiteral("(?m)^Title:\\s+(.*)$"));
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    QString title = m.hasMatch() ? m.captured(1).trimmed() : QString();
    // The queue's converter hands the title on as a string literal, brackets
    // included.
    if (title.startsWith(QLatin1Char('(')) && title.endsWith(QLatin1Char(')')))
        title = title.mid(1, title.size() - 2);
    return title;
}

QString waitForPdfTitled(const QDateTime &since, const QString &title, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    const QString dir = cupsPdfOutputDir();
    while (timer.elapsed() < timeoutMs) {
        const QFileInfoList files
            = QDir(dir).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
        for (const QFileInfo &f : files) {
            if (f.lastModified() >= since && f.size() > 0 && isComplete(f.absoluteFilePath())
                && pdfTitle(f.absoluteFilePath()) == title)
                return f.absoluteFilePath();
        }
        QThread::msleep(200);
    }
    return {};
}

int pdfPages(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpression re(QStringLiteral("Pages:\\s+(\\d+)"));
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace pickwise::testing
