#pragma once

#include "app/CommandHost.h"
#include "wizards/stylesheets/StyleProperties.h"

#include <QColor>
#include <QObject>
#include <QPointer>

class QDialog;
class TRegistBox;

// The CSS menu: the STYLE block, the property dialogs and the style collection window.
class StyleSheetCommands : public QObject
{
    Q_OBJECT
public:
    explicit StyleSheetCommands(CommandHost &host);

    void H1Click();
    void ssFontClick();
    void color1Click();
    void runChoice(StyleProperties::ChoiceMode mode);
    void runSize(StyleProperties::SizeMode mode);

    // The open style collection window, if any.
    TRegistBox *collectionWindow() const;
    // Adds a declaration to the collection window, opening one when none is open.
    void addToCollection(const QString &declaration);

private:
    StyleProperties::FontMemory readMemory() const;
    void storeMemory(const StyleProperties::FontMemory &before, const StyleProperties::FontMemory &after);
    // Places and runs the dialog; true when it was confirmed and a document is still open.
    bool confirmed(QDialog &dialog);
    void insert(const QString &text);
    void openCollection();
    void followDocuments();

    CommandHost &host_;
    QPointer<TRegistBox> collection_;
};
