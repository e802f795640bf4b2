#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class TPropertyBox;
}

// Facts about the active document: its name, size on disk, lines, title and links.
class TPropertyBox : public QDialog
{
    Q_OBJECT
public:
    explicit TPropertyBox(QWidget *parent = nullptr);
    ~TPropertyBox() override;

    // name: the document's full name; diskSize: its size as shown; lines: its text.
    void showDocument(const QString &name, const QString &diskSize, const QStringList &lines);
    Ui::TPropertyBox *form() const { return ui; }

private:
    Ui::TPropertyBox *ui;
};
