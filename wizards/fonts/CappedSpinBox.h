#pragma once

#include <QSpinBox>

// A spin field that takes a typed number above its maximum as the maximum, where a plain
// spin field refuses the keystroke that passes it.
class CappedSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit CappedSpinBox(QWidget *parent = nullptr) : QSpinBox(parent) {}

protected:
    QValidator::State validate(QString &input, int &pos) const override;
};
