#include "app/StartupSequence.h"

#include "app/MainForm.h"

#include <QPointer>
#include <QTimer>

void StartupSequence::showThenOpen(TMainForm &window, const QStringList &arguments)
{
    window.show();
    QPointer<TMainForm> guard(&window);
    QTimer::singleShot(0, &window, [guard, arguments] {
        if (!guard)
            return;
        guard->offerRecovery();
        if (guard)
            guard->openStartupFiles(arguments);
    });
}
