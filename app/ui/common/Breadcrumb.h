#pragma once

#include <QString>
#include <QVariant>

// One level of a BreadcrumbPath: its title and whatever the owner lets it stand for.
struct Breadcrumb final {
    QString name;
    QVariant representedObject;
};
