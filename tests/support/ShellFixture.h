#pragma once

#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"

#include <QTemporaryDir>

#include <memory>

// A main window in a program folder of its own, with every dialog answered by script.
class ShellFixture
{
public:
    explicit ShellFixture(const QByteArray &iniBytes = QByteArray(), bool createIni = false);
    ~ShellFixture();

    TMainForm &form() { return *form_; }
    ScriptedPlatform &platform() { return platform_; }
    QString folder() const { return dir_.path() + QLatin1Char('/'); }
    QString path(const QString &name) const { return folder() + name; }
    // Writes a file in the fixture's folder, text given as CP932 bytes.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    static QByteArray readFile(const QString &path);
    // Destroys the window without the shutdown questions, then makes a new one.
    void restart();

private:
    QTemporaryDir dir_;
    QByteArray stateHome_;
    ScriptedPlatform platform_;
    std::unique_ptr<TMainForm> form_;
};
