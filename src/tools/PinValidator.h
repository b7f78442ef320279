// Accepts a camera PIN, a whole number from 1000 to 9999; shorter digit runs are still
// being typed, anything else cannot be typed at all.
#pragma once

#include <QValidator>

class PinValidator : public QValidator {
    Q_OBJECT
public:
    // emptyAllowed: an empty field is a finished edit (it means "no PIN").
    explicit PinValidator(bool emptyAllowed, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

    // The PIN in text, or 0 when it is not a whole number from 1000 to 9999.
    static int pinOf(const QString &text);

private:
    bool _emptyAllowed;
};
