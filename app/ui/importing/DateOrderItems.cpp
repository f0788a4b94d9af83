#include "ui/importing/DateOrderItems.h"

#include <QComboBox>
#include <QCoreApplication>

void DateOrderItems::addTo(QComboBox& popup) {
    popup.addItem(QCoreApplication::translate("DateOrderItems", "Month/Day/Year"), 0);
    popup.addItem(QCoreApplication::translate("DateOrderItems", "Day/Month/Year"), 1);
    popup.addItem(QCoreApplication::translate("DateOrderItems", "Year/Month/Day"), 2);
}
