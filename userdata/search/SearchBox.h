#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;

namespace Ui {
class TSearchBox;
}

// Asks for the text to search for, with the search history and the case switch. Start
// hands the request to the search set by the caller; the dialog closes once it found
// something and stays open otherwise.
class TSearchBox : public QDialog
{
    Q_OBJECT
public:
    using Search = std::function<bool(TSearchBox &)>;

    explicit TSearchBox(QWidget *parent = nullptr);
    ~TSearchBox() override;

    void setKeyword(const QString &keyword);
    // The field's first line.
    QString keyword() const;
    // The history entries, most recent first; the keyword typed stays as it is.
    void setHistory(const QStringList &entries);
    QStringList history() const;
    bool caseSensitive() const;
    void setSearch(Search search) { search_ = std::move(search); }
    QComboBox *keywordCombo() const;

    void StartBtnClick();

private:
    Ui::TSearchBox *ui;
    Search search_;
};
