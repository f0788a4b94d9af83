#include "SheetTestSupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>
#include <QWidget>

std::optional<QString> ScriptedFilePicker::openFile(QWidget*, const QString&,
                                                    const QStringList& nameFilters) {
    filtersAsked.push_back(nameFilters);
    if (answers.empty()) {
        return std::nullopt;
    }
    const QString answer = answers.front();
    answers.pop_front();
    return answer.isEmpty() ? std::nullopt : std::optional<QString>(answer);
}

QString importingDataFile(const char* name) {
    return QStringLiteral(PENNORA_TEST_DATA_DIR "/importing/") + QString::fromUtf8(name);
}

bool writeLargeExport(const QString& path) {
    QByteArray text;
    for (const char* name : {"First", "Second"}) {
        text += QByteArray("!Account\nN") + name + "\nTBank\n^\n!Type:Bank\n";
        for (int i = 0; i < 2500; ++i) {
            text += "D1/" + QByteArray::number(i % 28 + 1) + "/2026\nPShop\nT-1.00\nLFood\n^\n";
        }
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool writeLargeStatement(const QString& path, int entries) {
    QByteArray text =
        "<OFX><STMTRS><CURDEF>USD<BANKACCTFROM><ACCTID>77<ACCTTYPE>CHECKING"
        "</BANKACCTFROM><BANKTRANLIST><DTSTART>20250101<DTEND>20251231";
    for (int i = 0; i < entries; ++i) {
        text += "<STMTTRN><DTPOSTED>2025" + QByteArray::number(100 + i % 12 + 1).mid(1) +
                "15<TRNAMT>-" + QByteArray::number(i + 1) + ".00<FITID>L" + QByteArray::number(i) +
                "<NAME>SHOP</STMTTRN>";
    }
    text += "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20251231</LEDGERBAL></STMTRS></OFX>";
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool waitWhile(const std::function<bool()>& busy) {
    QDeadlineTimer deadline(60'000);
    while (busy()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    QApplication::processEvents();
    return true;
}

void turnEventLoop(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

void saveSheetScreenshot(QWidget& widget, const QString& name, bool settle) {
    if (settle) {
        QApplication::processEvents();
    }
    QDir().mkpath(PENNORA_SCREENSHOTS_DIR);
    const QString suffix = qApp->devicePixelRatio() > 1.0 ? QStringLiteral("@2x") : QString();
    widget.grab().save(QStringLiteral(PENNORA_SCREENSHOTS_DIR "/") + name + suffix + ".png");
}
