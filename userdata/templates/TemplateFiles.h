#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Temp/Title.lst (one title per CP932 line, in menu order) and the template files beside
// it, one per title, named by the title. Every write is atomic; an existing Title.lst
// keeps its bytes apart from the lines written.
class TemplateFiles
{
public:
    // folder: the Temp folder, ending in "/".
    explicit TemplateFiles(const QString &folder) : folder_(folder) {}

    static QString listName() { return QStringLiteral("Title.lst"); }
    QString listPath() const { return folder_ + listName(); }
    // The template's file: named by the title, or, where no file has that very name, one
    // whose name differs only in letter case (lists made where names ignore case).
    QString templatePath(const QString &title) const;

    // The titles of Title.lst; none when it is missing. Lines end in CR LF, LF or CR.
    QStringList titles() const;
    // Title.lst holds exactly these titles, each followed by CR LF.
    bool writeTitles(const QStringList &titles, QString *error) const;
    // Adds a line at the end, leaving the bytes before it as they were.
    bool appendTitle(const QString &title, QString *error) const;

    // The template's text with every line break as '\n'; false when there is no such file.
    bool readTemplate(const QString &title, QString &text) const;
    // The text's lines, each followed by CR LF.
    bool writeTemplate(const QString &title, const QString &text, QString *error) const;

    // Why a title cannot name a template file, or empty when it can: it must stay inside
    // the folder, be one line, not be Title.lst, and be storable in CP932.
    static QString titleProblem(const QString &title);
    // Why a text cannot be stored as a template, or empty when it can.
    static QString textProblem(const QString &text);

    // Splits CP932 bytes into lines (CR LF, LF or a lone CR end a line).
    static QStringList linesOf(const QByteArray &bytes);
    static QByteArray bytesOf(const QStringList &lines);

private:
    QString folder_;
};
