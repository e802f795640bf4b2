#include "wizards/tables/TableBox.h"

#include "platform/HelpTopic.h"
#include "platform/Cp932Codec.h"
#include "platform/Platform.h"
#include "platform/RegularFile.h"
#include "platform/TabKeys.h"
#include "wizards/tables/CsvFields.h"

#include "ui_TableBox.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>

TTableBox::TTableBox(QWidget *parent) : QDialog(parent), ui(new Ui::TTableBox)
{
    ui->setupUi(this);
    markHeadingRow();
    connect(ui->RowSpin, &QSpinBox::valueChanged, this, [this] { RowSpinChange(); });
    connect(ui->ColSpin, &QSpinBox::valueChanged, this, [this] { ColSpinChange(); });
    connect(ui->ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
    connect(ui->CSVBtn, &QPushButton::clicked, this, [this] { CSVBtnClick(); });
    connect(ui->CaptionChk, &QCheckBox::toggled, ui->CaptionEdit, &QWidget::setEnabled);
    connect(ui->BorderRadio, &QRadioButton::toggled, ui->BorderSpin, &QWidget::setEnabled);
    connect(ui->SpacingChk, &QCheckBox::toggled, ui->SpacingSpin, &QWidget::setEnabled);
    connect(ui->PaddingChk, &QCheckBox::toggled, ui->PaddingSpin, &QWidget::setEnabled);
    const QRadioButton *aligns[] = {ui->NoneRadio, ui->LeftRadio, ui->CenterRadio, ui->RightRadio};
    for (int i = 0; i < 4; ++i) {
        connect(aligns[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                align_ = i;
        });
    }
    connect(ui->OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    ui->RowSpin->setFocus();
    // Key preview: Ctrl+Tab reaches the dialog whichever control has the focus.
    qApp->installEventFilter(this);
}

TTableBox::~TTableBox()
{
    qApp->removeEventFilter(this);
    delete ui;
}

bool TTableBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *w = qobject_cast<QWidget *>(watched);
        const int step = TabKeys::step(*static_cast<QKeyEvent *>(event));
        if (step != 0 && w && w->window() == this) {
            const int n = ui->PageControl->count();
            ui->PageControl->setCurrentIndex((ui->PageControl->currentIndex() + step + n) % n);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTableBox::markHeadingRow()
{
    // The first row is the table's heading: shown like a fixed row, and typed into like
    // every other row, since it is written out with them.
    const QBrush heading = palette().brush(QPalette::Button);
    for (int c = 0; c < ui->TableGrid->columnCount(); ++c) {
        QTableWidgetItem *item = ui->TableGrid->item(0, c);
        if (!item) {
            item = new QTableWidgetItem;
            ui->TableGrid->setItem(0, c, item);
        }
        item->setBackground(heading);
    }
}

void TTableBox::setGridSize(int rows, int columns)
{
    ui->TableGrid->setRowCount(rows);
    ui->TableGrid->setColumnCount(columns);
    markHeadingRow();
}

void TTableBox::updateCaption()
{
    setWindowTitle(QStringLiteral("テーブルの作成  --- [R: ") + QString::number(ui->RowSpin->value()) +
                   QStringLiteral(" / C: ") + QString::number(ui->ColSpin->value()) + QLatin1Char(']'));
}

void TTableBox::RowSpinChange()
{
    setGridSize(ui->RowSpin->value(), ui->TableGrid->columnCount());
    updateCaption();
}

void TTableBox::ColSpinChange()
{
    setGridSize(ui->TableGrid->rowCount(), ui->ColSpin->value());
    updateCaption();
}

void TTableBox::ResetBtnClick()
{
    // The lowest row count the field allows, and one column.
    const QSignalBlocker rows(ui->RowSpin);
    const QSignalBlocker columns(ui->ColSpin);
    ui->RowSpin->setValue(ui->RowSpin->minimum());
    ui->ColSpin->setValue(1);
    setGridSize(ui->RowSpin->value(), ui->ColSpin->value());
    updateCaption();
}

void TTableBox::CSVBtnClick()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("ファイルを開く");
    request.filters = {QStringLiteral("CSVファイル (*.csv *.txt)"), QStringLiteral("その他 (*)")};
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (!answer.files.isEmpty())
        loadCsv(answer.files.first());
}

bool TTableBox::loadCsv(const QString &path)
{
    auto refuse = [this, &path](const QString &why) {
        Platform::instance().message(this, Platform::MessageKind::Warning, Messages::AppTitle,
                                     QStringLiteral("\"") + path + QStringLiteral("\" を読み込めませんでした。\r\n") + why,
                                     Platform::Buttons::Ok);
        return false;
    };
    QFile file;
    QString error;
    if (!RegularFile::open(file, path, &error))
        return refuse(error);
    auto tooLarge = [&refuse](qint64 size) {
        return refuse(QStringLiteral("ファイルが大きすぎます（") + QString::number(size) +
                      QStringLiteral(" バイト）。読み込めるのは ") + QString::number(MaxCsvBytes) +
                      QStringLiteral(" バイト（4 MB）までです。"));
    };
    if (file.size() > MaxCsvBytes)
        return tooLarge(file.size());
    // Read no more than the limit allows, even from a file that grows meanwhile.
    const QByteArray bytes = file.read(MaxCsvBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refuse(file.errorString());
    if (bytes.size() > MaxCsvBytes)
        return tooLarge(bytes.size());
    const CsvFields::Capped grid = CsvFields::cappedGrid(Cp932Codec::decode(bytes), ui->RowSpin->maximum(),
                                                         ui->ColSpin->maximum(), ui->RowSpin->minimum());
    const QList<QStringList> &rows = grid.rows;
    if (rows.isEmpty())
        return true;
    ui->TableGrid->clearContents();
    setGridSize(int(rows.size()), int(rows.first().size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            if (QTableWidgetItem *item = ui->TableGrid->item(r, c))
                item->setText(rows[r][c]);
            else
                ui->TableGrid->setItem(r, c, new QTableWidgetItem(rows[r][c]));
        }
    }
    // The size fields follow the grid, so that the next change of either starts from
    // what the user sees instead of cutting the loaded rows away.
    const QSignalBlocker rowBlock(ui->RowSpin);
    const QSignalBlocker colBlock(ui->ColSpin);
    ui->RowSpin->setValue(int(rows.size()));
    ui->ColSpin->setValue(int(rows.first().size()));
    updateCaption();
    if (grid.rowsLeftOut > 0 || grid.columnsLeftOut > 0) {
        Platform::instance().message(
            this, Platform::MessageKind::Information, Messages::InfoTitle,
            QStringLiteral("表に入るのは ") + QString::number(ui->RowSpin->maximum()) + QStringLiteral(" 行 × ") +
                QString::number(ui->ColSpin->maximum()) + QStringLiteral(" 列までです。\r\n入りきらない ") +
                QString::number(grid.rowsLeftOut) + QStringLiteral(" 行と ") + QString::number(grid.columnsLeftOut) +
                QStringLiteral(" 列は読み込みませんでした。"),
            Platform::Buttons::Ok);
    }
    return true;
}

void TTableBox::commitEdit()
{
    // A cell still being typed in counts as typed: leaving the current cell commits its editor.
    ui->TableGrid->setCurrentIndex(QModelIndex());
}

QList<QStringList> TTableBox::cells() const
{
    QList<QStringList> rows;
    for (int r = 0; r < ui->TableGrid->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < ui->TableGrid->columnCount(); ++c) {
            const QTableWidgetItem *item = ui->TableGrid->item(r, c);
            row << (item ? item->text() : QString());
        }
        rows << row;
    }
    return rows;
}

TableMarkup::Layout TTableBox::tableLayout() const
{
    TableMarkup::Layout l;
    l.align = align_;
    l.border = ui->BorderRadio->isChecked();
    l.borderWidth = ui->BorderSpin->value();
    l.padding = ui->PaddingChk->isChecked();
    l.paddingValue = ui->PaddingSpin->value();
    l.spacing = ui->SpacingChk->isChecked();
    l.spacingValue = ui->SpacingSpin->value();
    l.caption = ui->CaptionChk->isChecked();
    l.captionText = ui->CaptionEdit->text();
    return l;
}

QString TTableBox::insertion(int tagCase, const QString &tabSpaces) const
{
    return TableMarkup::table(cells(), tableLayout(), tagCase, tabSpaces);
}

void TTableBox::OKBtnClick()
{
    commitEdit();
    accept();
}

QString TTableBox::helpAnchor() const
{
    return ui->PageControl->currentWidget() == ui->TableTab ? QStringLiteral("#TableWizard")
                                                            : QStringLiteral("#TableOption");
}

void TTableBox::HelpBtnClick()
{
    HelpTopic::ShowHelpTopic(this, QStringLiteral("Tips.html"), helpAnchor());
}
