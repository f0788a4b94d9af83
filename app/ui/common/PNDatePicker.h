#pragma once

#include <QDateEdit>

#include "base/Date.h"

// The date control of the editor and of the sheets: a calendar day typed part by part (the
// arrow keys step the part under the cursor) or picked from a calendar that pops up. It shows
// the medium date style of the user's locale and holds a Date, a day without time zone, so
// the picked day is the stored day whatever the computer's zone is.
class PNDatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit PNDatePicker(QWidget* parent = nullptr);

    Date dateValue() const;
    void setDateValue(Date date);

    // The Qt display format for an ICU date pattern ("MMM d, y" -> "MMM d, yyyy").
    static QString displayFormatForPattern(const QString& icuPattern);

signals:
    // The user changed the day (also sent while typing, once the text is a day again).
    void dateValueChanged(Date date);
};
