#include "app/EncodingOptions.h"

#include "app/CommandHost.h"
#include "app/SettingsKeys.h"
#include "platform/ProfileStore.h"

#include <QMenu>

EncodingOptions::EncodingOptions(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("OptDetectEncoding"), [this] { toggleDetection(); });
    host.bind(QStringLiteral("NewSjis"), [this] { setNewEncoding(0); });
    host.bind(QStringLiteral("NewUtf8"), [this] { setNewEncoding(1); });
    host.bind(QStringLiteral("NewUtf8Bom"), [this] { setNewEncoding(2); });
    host.bind(QStringLiteral("NewCrLf"), [this] { setNewLineBreak(0); });
    host.bind(QStringLiteral("NewLf"), [this] { setNewLineBreak(1); });
    // The marks follow TW.ini as read at start and after each choice; the submenu reads it
    // again as it opens.
    if (QMenu *newEncoding = host.menu(QStringLiteral("OptNewEncoding")))
        connect(newEncoding, &QMenu::aboutToShow, this, &EncodingOptions::refreshChecks);
    refreshChecks();
}

void EncodingOptions::toggleDetection()
{
    ProfileStore ini(host_.settingsPath());
    const int value = SettingsKeys::readChoice(ini, SettingsKeys::DetectEncoding) ? 0 : 1;
    host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::DetectEncoding, value), ini);
    refreshChecks();
}

void EncodingOptions::setNewEncoding(int value)
{
    ProfileStore ini(host_.settingsPath());
    host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::NewEncoding, value), ini);
    refreshChecks();
}

void EncodingOptions::setNewLineBreak(int value)
{
    ProfileStore ini(host_.settingsPath());
    host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::NewLineBreak, value), ini);
    refreshChecks();
}

void EncodingOptions::refreshChecks()
{
    const ProfileStore ini(host_.settingsPath());
    host_.setItemChecked(QStringLiteral("OptDetectEncoding"), SettingsKeys::readChoice(ini, SettingsKeys::DetectEncoding) == 1);
    const int encoding = SettingsKeys::readChoice(ini, SettingsKeys::NewEncoding);
    host_.setItemChecked(QStringLiteral("NewSjis"), encoding == 0);
    host_.setItemChecked(QStringLiteral("NewUtf8"), encoding == 1);
    host_.setItemChecked(QStringLiteral("NewUtf8Bom"), encoding == 2);
    const int lineBreak = SettingsKeys::readChoice(ini, SettingsKeys::NewLineBreak);
    host_.setItemChecked(QStringLiteral("NewCrLf"), lineBreak == 0);
    host_.setItemChecked(QStringLiteral("NewLf"), lineBreak == 1);
}
