#include "app/CommandLine.h"

#include "ProgramVersion.h"

CommandLine::Parsed CommandLine::parse(const QStringList &arguments)
{
    Parsed parsed;
    bool options = true;
    for (const QString &argument : arguments) {
        if (options && argument == QLatin1String("--")) {
            options = false;
            continue;
        }
        if (options && argument == QLatin1String("--version"))
            return {Action::PrintVersion, {}};
        if (options && argument == QLatin1String("--help"))
            return {Action::PrintHelp, {}};
        parsed.files << argument;
    }
    return parsed;
}

QString CommandLine::versionText()
{
    return QStringLiteral("Tagwell " TAGWELL_VERSION_TEXT "\n");
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "使い方: tagwell [ファイル...]\n"
        "Usage: tagwell [FILE...]\n"
        "\n"
        "手書き HTML のためのエディタ。ファイルをそれぞれタブで開きます（.url ファイルはリンクを挿入します）。\n"
        "ファイルを指定しないと、起動時に開くファイルセットを開きます。\n"
        "Tagwell がすでに動いていれば、ファイルはそのウィンドウのタブで開きます。\n"
        "An editor for hand-written HTML. Opens each FILE in a tab (a .url file inserts its link);\n"
        "without files, opens the file sets marked for start-up. When Tagwell is already running,\n"
        "the files open as tabs of its window.\n"
        "\n"
        "  --help     この説明を表示して終了 (print this help and exit)\n"
        "  --version  バージョンを表示して終了 (print the version and exit)\n"
        "  --         以降の引数はすべてファイル (every argument after it is a file)\n");
}
