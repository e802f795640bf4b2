#pragma once

class QCoreApplication;

// Qt's own texts (the file, colour and font dialogs, standard buttons, the editing box's
// built-in texts) in Japanese like the rest of the interface, whatever the system
// language. False when Qt's Japanese translation is not installed: the program then
// runs on with those texts in English.
class QtTranslations
{
public:
    static bool install(QCoreApplication &app);
};
