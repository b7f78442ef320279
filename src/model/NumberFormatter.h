// NumberFormatter is a QValidator: it formats nothing, it decides what a numeric field accepts.
// Input rule of the numeric fields: at most maxLength characters, and either empty or a
// complete number (a decimal number when fraction digits are allowed, else an integer).
#pragma once

#include <QValidator>

class NumberFormatter : public QValidator {
    Q_OBJECT
public:
    explicit NumberFormatter(int maxLength, QObject *parent = nullptr);

    int maxLength() const { return _maxLength; }
    void setMaxLength(int maxLength) { _maxLength = maxLength; }
    // Above 0 the field takes decimal numbers, otherwise integers only.
    int minimumFractionDigits() const { return _minimumFractionDigits; }
    void setMinimumFractionDigits(int digits) { _minimumFractionDigits = digits; }

    // The rule itself, independent of a field's cursor.
    bool isPartialStringValid(const QString &text) const;
    State validate(QString &input, int &pos) const override;

private:
    int _maxLength;
    int _minimumFractionDigits = 0;
};
