#include "ui/common/SheetChanges.h"

#include <QStringList>

#include "ui/common/Alerts.h"

SheetChanges::SheetChanges(ObjectContext& context) : m_context(context) {}

void SheetChanges::begin() {
    takeBack();
    m_unit.emplace(m_context);
}

bool SheetChanges::keep(Alerts& alerts, QWidget* sheet) {
    if (!m_unit) {
        return true;
    }
    if (const std::optional<ValidationError> error = m_unit->release()) {
        QStringList details;
        for (const ValidationError& detail : error->detailedErrors) {
            details << QString::fromStdString(detail.localizedDescription);
        }
        alerts.run({.message = QString::fromStdString(error->localizedDescription),
                    .informativeText = details.join('\n'),
                    .style = AlertContent::Style::Critical},
                   sheet);
        return false;
    }
    m_unit.reset();
    return true;
}

void SheetChanges::takeBack() {
    if (m_unit && m_unit->isOpen()) {
        m_unit->rollback();
    }
    m_unit.reset();
}
