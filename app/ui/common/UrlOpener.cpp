#include "ui/common/UrlOpener.h"

#include <QDesktopServices>

namespace {

class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

UrlOpener* g_replacement = nullptr;

}  // namespace

UrlOpener& UrlOpener::shared() {
    static DesktopUrlOpener desktop;
    return g_replacement != nullptr ? *g_replacement : desktop;
}

void UrlOpener::setShared(UrlOpener* opener) {
    g_replacement = opener;
}

void UrlOpener::showWebsite() {
    shared().open(QUrl(QStringLiteral("https://pennora.org/")));
}

void UrlOpener::showSupport() {
    shared().open(QUrl(QStringLiteral("https://pennora.org/support/")));
}
