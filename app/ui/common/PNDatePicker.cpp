#include "ui/common/PNDatePicker.h"

#include <QCalendarWidget>
#include <QLocale>

#include "base/PNDateFormatter.h"
#include "base/UserLocale.h"

namespace {

QDate toQDate(Date date) {
    return {date.year_PN(), date.month_PN(), date.day_pn()};
}

Date fromQDate(QDate date) {
    return Date::dateWithYear_PN(date.year(), date.month(), date.day());
}

// One run of an ICU pattern letter as Qt writes it; empty for parts the control leaves out.
QString qtField(QChar letter, int count) {
    switch (letter.unicode()) {
        case 'y':
        case 'u':
            return count == 2 ? QStringLiteral("yy") : QStringLiteral("yyyy");
        case 'M':
        case 'L':
            return QString(std::min(count, 4), 'M');
        case 'd':
            return QString(std::min(count, 2), 'd');
        case 'E':
        case 'c':
        case 'e':
            return count >= 4 ? QStringLiteral("dddd") : QStringLiteral("ddd");
        default:
            return {};
    }
}

}  // namespace

PNDatePicker::PNDatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setLocale(QLocale(QString::fromStdString(UserLocale::current())));
    setDisplayFormat(displayFormatForPattern(QString::fromStdString(PNDateFormatter().pattern())));
    calendarWidget()->setLocale(locale());
    calendarWidget()->setFirstDayOfWeek(locale().firstDayOfWeek());
    calendarWidget()->setGridVisible(false);
    calendarWidget()->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(this, &QDateEdit::dateChanged, this,
            [this](QDate date) { emit dateValueChanged(fromQDate(date)); });
}

Date PNDatePicker::dateValue() const {
    return fromQDate(date());
}

void PNDatePicker::setDateValue(Date date) {
    setDate(toQDate(date));
}

QString PNDatePicker::displayFormatForPattern(const QString& icuPattern) {
    QString format;
    for (qsizetype i = 0; i < icuPattern.size();) {
        const QChar c = icuPattern[i];
        if (c == '\'') {
            // A quoted literal reads the same in both.
            const qsizetype end = icuPattern.indexOf('\'', i + 1);
            const qsizetype stop = end < 0 ? icuPattern.size() : end + 1;
            format += icuPattern.mid(i, stop - i);
            i = stop;
        } else if (c.isLetter()) {
            qsizetype run = i;
            while (run < icuPattern.size() && icuPattern[run] == c) {
                ++run;
            }
            format += qtField(c, int(run - i));
            i = run;
        } else {
            format += c;
            ++i;
        }
    }
    return format.trimmed();
}
