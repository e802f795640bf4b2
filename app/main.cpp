#include "app/MainForm.h"
#include "platform/MemoryReuse.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    MemoryReuse::keepLargeBlocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    TMainForm window;
    window.openStartupFiles(QApplication::arguments().mid(1));
    window.show();
    return app.exec();
}
