#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The declarations the style sheet property dialogs build: property, colon, value,
// semicolon. Property names and keywords follow the style case; numbers and units do not.
namespace StyleProperties {

// ---- the choice dialog: a property with two to four keywords
enum class ChoiceMode { Repeat, Attachment, Weight, Style, Decoration, Align, Transform };

QString property(ChoiceMode mode);
// The radio captions, access-key markers included.
QStringList choiceCaptions(ChoiceMode mode);
// A caption without its "&" markers, wherever they stand.
QString valueOf(QStringView caption);
QString choiceSample(ChoiceMode mode, QStringView caption, int styleCase);
// The button chosen when the dialog opens: bold in the weight mode when the font
// dialog last chose bold, else the first.
int initialChoice(ChoiceMode mode, int storedWeight);

// ---- the size dialog: a length, a percentage or "auto"
enum class SizeMode {
    Position,
    PaddingBottom,
    PaddingLeft,
    PaddingRight,
    PaddingTop,
    MarginLeft,
    MarginRight,
    MarginTop,
    MarginBottom,
    LineHeight,
    FontSize,
    TextIndent,
};

QString property(SizeMode mode);
// Only the margins offer "auto".
bool offersAuto(SizeMode mode);
QStringList units();
inline constexpr int MaxSize = 1000;
inline constexpr int MaxPercent = 100;

struct SizeValue
{
    enum class Kind { Size, Percent, Auto };
    Kind kind = Kind::Size;
    int number = 1;
    int unit = 0; // index in units()
};
// caption: the property as the dialog shows it (already in the style case).
QString sizeSample(const QString &caption, const SizeValue &value, int styleCase);

// ---- what the font-size choices leave in TW.ini [ssFont]
struct FontMemory
{
    int sizeMode = 0; // "1": 0 none, 1 number with unit, 2 percentage
    int number = 10;  // "2"
    int unit = 0;     // "3"
    int weight = 0;   // "4": 0 none, 1 bold, 2 normal
    int italic = 0;   // "5": 1 after italic
};
// Both dialogs open by percentage only after a percentage.
inline bool opensInPercent(const FontMemory &m) { return m.sizeMode == 2; }
// The stored unit when it names one, else the first.
int storedUnit(const FontMemory &m);
// The size dialog's font-size mode after Input: the number, and the unit or the
// percentage; the weight and italic keys are the font dialog's.
FontMemory rememberSize(FontMemory m, const SizeValue &value);

// ---- the font dialog: font-size, font-weight and font-style at once
struct FontChoice
{
    int size = 0;   // 0 none, 1 number with unit, 2 percentage
    int number = 10;
    int unit = 0;
    int weight = 0; // 0 none, 1 bold, 2 normal
    int style = 0;  // 0 none, 1 italic, 2 normal
};
// One line per chosen group, in the order size, weight, style.
QStringList fontLines(const FontChoice &choice, int styleCase);
// What the font dialog stores; the number and unit stay as they were when not used.
FontMemory rememberFont(FontMemory m, const FontChoice &choice);

} // namespace StyleProperties
