#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;

namespace Ui {
class TReplaceBox;
}

// Asks what to replace with what, with both histories, the case switch and the scope.
// Its buttons hand the request to the actions set by the caller and stay open; Close
// (or Escape) ends it.
class TReplaceBox : public QDialog
{
    Q_OBJECT
public:
    enum class Action { FindNext, Replace, ReplaceAll };
    using Handler = std::function<void(TReplaceBox &, Action)>;

    explicit TReplaceBox(QWidget *parent = nullptr);
    ~TReplaceBox() override;

    void setFindText(const QString &text);
    // The field's first line: the search is line by line.
    QString findText() const;
    // As typed or pasted; its line breaks are kept.
    QString replacement() const;
    // History entries, most recent first; the text typed stays as it is.
    void setFindHistory(const QStringList &entries);
    QStringList findHistory() const;
    void setReplaceHistory(const QStringList &entries);
    QStringList replaceHistory() const;
    bool caseSensitive() const;
    // The selection scope chosen at first; without a selection it cannot be chosen.
    void setSelectionScope(bool chosen, bool available);
    bool inSelection() const;
    void setHandler(Handler handler) { handler_ = std::move(handler); }

    QComboBox *findCombo() const;
    QComboBox *replaceCombo() const;

private:
    void run(Action action);

    Ui::TReplaceBox *ui;
    Handler handler_;
};
