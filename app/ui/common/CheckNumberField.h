#pragma once

#include <QLineEdit>
#include <cstdint>
#include <optional>

// A text field for a check number, read by the core's CheckNumberFormatter: blank text is no
// check number; only digits can be typed.
class CheckNumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit CheckNumberField(QWidget* parent = nullptr);

    std::optional<std::int64_t> checkNumber() const;
    void setCheckNumber(std::optional<std::int64_t> number);
};
