#include "app/ViewOptions.h"

#include "app/EditBox.h"
#include "app/MainForm.h"
#include "app/SettingsKeys.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

ViewOptions::ViewOptions(TMainForm &form) : QObject(&form), form_(form)
{
    Ui::TMainForm *ui = form.form();
    form.bind(QStringLiteral("OptToolBar"), [this] { OptToolBarClick(); });
    form.bind(QStringLiteral("HtmlBar"), [this] { HtmlBarClick(); });
    form.bind(QStringLiteral("HtmlBarSpd"), [this] { HtmlBarSpdClick(); });
    form.bind(QStringLiteral("OptWordWrap"), [this] { OptWordWrapClick(); });
    for (int i = 0; i < 4; ++i)
        form.bind(QStringLiteral("HTBPos%1").arg(i + 1), [this, i] { HTBPosClick(i); });
    for (int i = 0; i < 7; ++i)
        form.bind(QStringLiteral("Width%1").arg(i + 2), [this, i] { form_.SetTabWidth(i); });

    ui->HtmlPage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->HtmlPage, &QWidget::customContextMenuRequested, this,
            [ui](const QPoint &) { ui->HTBPopup->exec(QCursor::pos()); });

    // The check marks follow the settings just read.
    const bool wanted = form.htmlBarTag() == 1;
    ui->HtmlBar->setChecked(wanted);
    ui->HtmlBarSpd->setChecked(wanted);
    ui->OptWordWrap->setChecked(form.wordWrap() == 1);
    // Another stored value places nothing but is kept for the next start.
    const int position = form.htmlPagePosition();
    if (position >= 0 && position <= 3)
        HTBPosClick(position);
}

void ViewOptions::OptToolBarClick()
{
    Ui::TMainForm *ui = form_.form();
    const bool shown = ui->ToolBar->isHidden();
    ui->ToolBar->setVisible(shown);
    ui->OptToolBar->setChecked(shown);
    form_.FormResize();
}

void ViewOptions::HtmlBarClick()
{
    Ui::TMainForm *ui = form_.form();
    const bool v = form_.htmlBarTag() != 1;
    // Its buttons act on the active page, so without one the wish is only recorded.
    ui->ToolPanel->setVisible(v && form_.tabCount() > 0);
    ui->HtmlBar->setChecked(v);
    ui->HtmlBarSpd->setChecked(v);
    form_.setHtmlBarTag(v ? 1 : 0);
}

void ViewOptions::HtmlBarSpdClick()
{
    if (form_.tabCount() > 0) {
        HtmlBarClick();
        return;
    }
    // The button toggled itself; the setting did not change.
    form_.form()->HtmlBarSpd->setChecked(form_.htmlBarTag() == 1);
}

void ViewOptions::placeHtmlBar(int position)
{
    Ui::TMainForm *ui = form_.form();
    QVBoxLayout *layout = ui->ClientLayout;
    layout->removeWidget(ui->ToolPanel);
    const bool bottom = position >= 2;
    // Bottom: below the documents, so just above the status bar.
    const int at = bottom ? layout->indexOf(ui->PageControl) + 1 : layout->indexOf(ui->ToolBar) + 1;
    layout->insertWidget(at, ui->ToolPanel);
    ui->HtmlPage->setTabPosition(position % 2 == 1 ? QTabWidget::South : QTabWidget::North);
}

void ViewOptions::HTBPosClick(int position)
{
    if (position < 0 || position > 3)
        return;
    Ui::TMainForm *ui = form_.form();
    QAction *items[] = {ui->HTBPos1, ui->HTBPos2, ui->HTBPos3, ui->HTBPos4};
    for (int i = 0; i < 4; ++i)
        items[i]->setChecked(i == position);
    placeHtmlBar(position);
    form_.setHtmlPagePosition(position);
}

bool ViewOptions::htmlBarAtBottom() const
{
    Ui::TMainForm *ui = form_.form();
    return ui->ClientLayout->indexOf(ui->ToolPanel) > ui->ClientLayout->indexOf(ui->PageControl);
}

void ViewOptions::OptWordWrapClick()
{
    const int wrap = form_.wordWrap() == 0 ? 1 : 0;
    form_.setWordWrapSetting(wrap);
    form_.form()->OptWordWrap->setChecked(wrap == 1);
    for (int i = 0; i < form_.tabCount(); ++i) {
        EditBox *box = form_.EditBoxOfTab(i);
        if (!box)
            continue;
        box->beginUpdate();
        box->setWordWrap(wrap == 1); // wrapping boxes show only a vertical scroll bar
        box->endUpdate();
    }
    form_.FormResize();
    ProfileStore ini(form_.iniPath());
    form_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::WordWrap, wrap), ini);
}
