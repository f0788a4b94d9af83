#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// The desktop application. Until the main window lands this shows an empty main window.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pennora"));
    QApplication::setOrganizationDomain(QStringLiteral("pennora.org"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pennora"));
    auto* label = new QLabel(QObject::tr("Pennora is being built. The main window comes next."));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(887, 546);
    window.show();
    return QApplication::exec();
}
