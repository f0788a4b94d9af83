#include "ui/common/CheckNumberField.h"

#include <QValidator>

#include "ledger/CheckNumberFormatter.h"

namespace {

// Accepts what the formatter reads; nothing else can be typed.
class CheckNumberValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return CheckNumberFormatter::read(input.toStdString()).isValid ? Acceptable : Invalid;
    }
};

}  // namespace

CheckNumberField::CheckNumberField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new CheckNumberValidator(this));
}

std::optional<std::int64_t> CheckNumberField::checkNumber() const {
    return CheckNumberFormatter::read(text().toStdString()).number;
}

void CheckNumberField::setCheckNumber(std::optional<std::int64_t> number) {
    setText(QString::fromStdString(CheckNumberFormatter::stringFromCheckNumber(number)));
}
