#pragma once

#include <QString>

// A file's size for people: "12.34KB" up to 1 MB, "3.45MB" above; "不明" when the
// name is no file.
QString FileSizeText(const QString &name);
