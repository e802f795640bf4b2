#pragma once

#include "userdata/listmanager/RegistList.h"

#include <QSize>
#include <QString>

// How the list manager looks for one kind of list.
struct RegistLayout
{
    bool fileSet = false;    // a title box under the list, no Change button
    bool showAdd = true;
    bool showChange = true;
    bool showHelp = true;
    QString okCaption;       // empty: "OK"
    QSize size;              // initial size; empty: the form's
};

// What OK decided: close, or stay open showing a message and focusing a field.
struct RegistVerdict
{
    enum class Kind { Warning, Plain };
    enum class Focus { None, List, Title };
    bool accepted = true;
    Kind kind = Kind::Warning;
    QString message;
    Focus focus = Focus::None;

    static RegistVerdict refuse(Kind kind, const QString &message, Focus focus = Focus::None)
    {
        return {false, kind, message, focus};
    }
};

// One kind of list the list manager edits: what it lists and how the list is kept. The
// manager shows list() and title and applies the user's moves to list(); entries are
// added and changed by the command group's editors. Sources work on bytes, without widgets.
class RegistSource
{
public:
    virtual ~RegistSource() = default;

    virtual QString caption() const = 0;
    virtual QString groupCaption() const = 0;
    virtual RegistLayout layout() const { return {}; }
    // Fills list() (and title) from the files.
    virtual void load() = 0;
    // OK: keeps the list (writes the files, or hands it on); refusing keeps the dialog open.
    virtual RegistVerdict accept() = 0;

    RegistList &list() { return list_; }
    const RegistList &list() const { return list_; }
    QString title;

protected:
    RegistList list_;
};
