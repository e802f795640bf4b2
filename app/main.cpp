#include "app/MainForm.h"
#include "app/MenuAccessKeys.h"
#include "app/QtTranslations.h"
#include "app/StartupSequence.h"
#include "platform/MemoryReuse.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    MemoryReuse::keepLargeBlocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    QtTranslations::install(app);
    MenuAccessKeys::install(app);
    TMainForm window;
    StartupSequence::showThenOpen(window, QApplication::arguments().mid(1));
    return app.exec();
}
