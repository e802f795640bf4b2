#include "wizards/fonts/CappedSpinBox.h"

#include <algorithm>

QValidator::State CappedSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state != QValidator::Invalid || !prefix().isEmpty() || !suffix().isEmpty())
        return state;
    const QString typed = input.trimmed();
    const bool digits = !typed.isEmpty() && std::all_of(typed.begin(), typed.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!digits)
        return state;
    // Too many digits for any number counts as above the maximum too.
    bool ok = false;
    const qlonglong value = typed.toLongLong(&ok);
    if (ok && value <= maximum())
        return state;
    input = textFromValue(maximum());
    pos = int(input.size());
    return QValidator::Acceptable;
}
