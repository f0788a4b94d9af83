#pragma once

#include <QUrl>

// Opens a web address in the person's browser. Widgets go through this service so tests
// can see which address would be opened.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;

    // False when no browser could be started.
    virtual bool open(const QUrl& url) = 0;

    // The maker's web site and support page, opened through the shared service.
    static void showWebsite();
    static void showSupport();

    static UrlOpener& shared();
    // Replaces the shared service (tests); null restores the desktop implementation.
    static void setShared(UrlOpener* opener);
};
