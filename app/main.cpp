#include "app/AppIcon.h"
#include "app/CommandLine.h"
#include "app/MainForm.h"
#include "app/MenuAccessKeys.h"
#include "app/QtTranslations.h"
#include "app/SingleInstance.h"
#include "app/StartupSequence.h"
#include "platform/MemoryReuse.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "platform/UserFolderSeed.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    // --version and --help need no display, so they are answered before Qt looks for one.
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const CommandLine::Parsed early = CommandLine::parse(raw);
    if (early.action != CommandLine::Action::Run) {
        const QString text =
            early.action == CommandLine::Action::PrintVersion ? CommandLine::versionText() : CommandLine::helpText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }

    MemoryReuse::keepLargeBlocks();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwell"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.tagwell.Tagwell"));
    QApplication::setWindowIcon(AppIcon::icon());
    // Qt took its own options (-style, -platform ...) out; the rest are files.
    const QStringList files = CommandLine::parse(QApplication::arguments().mid(1)).files;

    const ProgramFolder::Location where = ProgramFolder::current();
    // Before the socket's name is taken from the folder, so that it names the folder as it
    // will stay; only what is missing is copied, so later starts find nothing to do.
    QString seedError;
    if (where.kind == ProgramFolder::Kind::Installed)
        seedError = UserFolderSeed::seed(where.sharedFolder, where.folder).error;
    SingleInstance instance(where.folder);
    QStringList absolute;
    for (const QString &file : files)
        absolute << QFileInfo(file).absoluteFilePath();
    if (instance.handOver(absolute))
        return 0;

    QtTranslations::install(app);
    MenuAccessKeys::install(app);
    TMainForm window;
    instance.listen();
    QObject::connect(&instance, &SingleInstance::handedOver, &window, &TMainForm::openHandedOver);
    StartupSequence::showThenOpen(window, files);
    if (!seedError.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, seedError] {
            Platform::instance().message(&window, Platform::MessageKind::Warning, Messages::AppTitle,
                                         QStringLiteral("ユーザーフォルダに初期ファイルを用意できませんでした。\r\n") + seedError,
                                         Platform::Buttons::Ok);
        });
    }
    return app.exec();
}
