#include "wizards/frames/FrameBox.h"

#include "platform/Platform.h"
#include "platform/TabKeys.h"
#include "wizards/shared/RelativePath.h"

#include "ui_FrameBox.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>

namespace {
// The picture of a type: its frames as boxes.
QIcon layoutIcon(int type)
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(Qt::darkGray, 2));
    p.drawRect(1, 1, 46, 46);
    switch (type) {
    case FrameMarkup::TypeA: p.drawLine(12, 1, 12, 47); break;
    case FrameMarkup::TypeB: p.drawLine(1, 12, 47, 12); break;
    case FrameMarkup::TypeC: p.drawLine(1, 12, 47, 12); p.drawLine(12, 12, 12, 47); break;
    case FrameMarkup::TypeD: p.drawLine(12, 1, 12, 47); p.drawLine(12, 12, 47, 12); break;
    default: p.drawLine(1, 12, 47, 12); p.drawLine(1, 36, 47, 36); break;
    }
    return QIcon(pixmap);
}
} // namespace

TFrameBox::TFrameBox(const QStringList &sources, const QString &activeDocument, QWidget *parent)
    : QDialog(parent), ui(new Ui::TFrameBox), activeDocument_(activeDocument)
{
    ui->setupUi(this);
    QAbstractButton *types[] = {ui->taSpd, ui->tbSpd, ui->tcSpd, ui->tdSpd, ui->teSpd};
    for (int i = 0; i < 5; ++i) {
        types[i]->setIcon(layoutIcon(i + 1));
        connect(types[i], &QAbstractButton::clicked, this, [this, i] { TypeClick(i + 1); });
    }
    for (int row = 0; row < 3; ++row) {
        source(row)->addItems(sources);
        source(row)->setEditText(QStringLiteral("(none)"));
    }
    connect(ui->Button1, &QAbstractButton::clicked, this, [this] { BrowseClick(0); });
    connect(ui->Button2, &QAbstractButton::clicked, this, [this] { BrowseClick(1); });
    connect(ui->BrowseBtn3, &QAbstractButton::clicked, this, [this] { BrowseClick(2); });
    connect(ui->OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this,
            [this] { Q_EMIT helpRequested(QStringLiteral("Tips.html"), QStringLiteral("#FrameWizard")); });
    ui->PageControl->setCurrentIndex(0);
    // Key preview: page and type keys reach the dialog whichever control has the focus.
    qApp->installEventFilter(this);
}

TFrameBox::~TFrameBox()
{
    qApp->removeEventFilter(this);
    delete ui;
}

QComboBox *TFrameBox::source(int row) const
{
    QComboBox *const combos[] = {ui->SrcCombo1, ui->SrcCombo2, ui->SrcCombo3};
    return combos[row];
}

QLineEdit *TFrameBox::target(int row) const
{
    QLineEdit *const edits[] = {ui->TargetEdit1, ui->TargetEdit2, ui->TargetEdit3};
    return edits[row];
}

bool TFrameBox::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::KeyPress && w && w->window() == this) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (const int step = TabKeys::step(*key)) {
            const int n = ui->PageControl->count();
            ui->PageControl->setCurrentIndex((ui->PageControl->currentIndex() + step + n) % n);
            return true;
        }
        // The type buttons' own mnemonics only work while their page shows.
        if (mods == Qt::AltModifier && key->key() >= Qt::Key_A && key->key() <= Qt::Key_E) {
            TypeClick(key->key() - Qt::Key_A + 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFrameBox::TypeClick(int type)
{
    if (type < FrameMarkup::TypeA || type > FrameMarkup::TypeE)
        return;
    type_ = type;
    setWindowTitle(QStringLiteral("フレームウィザード -- Type ") + QChar(u'A' + type - 1));
    QAbstractButton *types[] = {ui->taSpd, ui->tbSpd, ui->tcSpd, ui->tdSpd, ui->teSpd};
    types[type - 1]->setChecked(true);
    const bool third = FrameMarkup::rowsOf(type) == 3;
    for (QWidget *w : {static_cast<QWidget *>(ui->SrcLabel3), static_cast<QWidget *>(ui->SrcCombo3),
                       static_cast<QWidget *>(ui->BrowseBtn3), static_cast<QWidget *>(ui->TargetLabel3),
                       static_cast<QWidget *>(ui->TargetEdit3)})
        w->setEnabled(third);
}

std::array<FrameMarkup::Row, 3> TFrameBox::rows() const
{
    std::array<FrameMarkup::Row, 3> result;
    for (int row = 0; row < 3; ++row)
        result[row] = {source(row)->currentText(), target(row)->text()};
    return result;
}

QString TFrameBox::insertion(int tagCase) const
{
    return FrameMarkup::frameset(type_, rows(), tagCase).text;
}

void TFrameBox::BrowseClick(int row)
{
    Platform::FileRequest request;
    request.title = QStringLiteral("ファイルを開く");
    request.filters = {QStringLiteral("HTML (*.htm *.html)")};
    if (!activeDocument_.isEmpty())
        request.folder = QFileInfo(activeDocument_).absolutePath();
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (answer.files.isEmpty())
        return;
    source(row)->setEditText(RelativePath::of(answer.files.first(), activeDocument_));
}

void TFrameBox::OkBtnClick()
{
    const FrameMarkup::Result result = FrameMarkup::frameset(type_, rows(), 1);
    if (result.missingRow >= 0) {
        Platform::instance().message(this, Platform::MessageKind::Plain, QApplication::applicationName(),
                                     QStringLiteral("フレームソースを指定していない部分があります。"),
                                     Platform::Buttons::Ok);
        ui->PageControl->setCurrentWidget(ui->SourceTab);
        source(result.missingRow)->setFocus();
        return;
    }
    accept();
}
