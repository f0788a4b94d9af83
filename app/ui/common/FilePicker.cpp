#include "ui/common/FilePicker.h"

#include <QFileDialog>

namespace {

class FileDialogPicker final : public FilePicker {
public:
    std::optional<QString> openFile(QWidget* parent, const QString& title,
                                    const QStringList& nameFilters) override {
        const QString path =
            QFileDialog::getOpenFileName(parent, title, QString(), nameFilters.join(";;"));
        return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
    }
};

FilePicker* g_replacement = nullptr;

}  // namespace

FilePicker& FilePicker::shared() {
    static FileDialogPicker dialogs;
    return g_replacement != nullptr ? *g_replacement : dialogs;
}

void FilePicker::setShared(FilePicker* picker) {
    g_replacement = picker;
}
