#pragma once
#include <QString>
#include <QStringView>
// Files of the source tree that tests read (resources, forms, scripts). The tree is named at
// run time (CTest sets TAGWELL_SOURCE_DIR), not compiled in, so that a test object does not
// depend on where a checkout lies and the compiler cache serves every checkout alike.
namespace SourceTree {
// The tree's root: TAGWELL_SOURCE_DIR, else the nearest folder above the test program that
// holds scripts/check-layers (a build folder inside the tree), else empty.
QString root();
// root() + "/" + relative.
QString path(QStringView relative);
}
