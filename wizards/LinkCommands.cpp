#include "wizards/LinkCommands.h"

#include "app/EditingCommands.h"
#include "app/MainForm.h"
#include "platform/Platform.h"
#include "wizards/IBox.h"
#include "wizards/LinkMarkup.h"

LinkCommands::LinkCommands(TMainForm &form) : QObject(&form), form_(form)
{
    using P = Placement;
    struct Binding
    {
        const char *item;
        int mode;
        Placement placement;
    };
    static const Binding bindings[] = {
        {"lnkFile", LinkMarkup::FileLink, P::UpperThird},
        {"PoplnkFile", LinkMarkup::FileLink, P::UpperThird},
        {"lnkFileSpd", LinkMarkup::FileLink, P::AtCursor},
        {"lnkHP", LinkMarkup::HomePage, P::Offset},
        {"PoplnkHP", LinkMarkup::HomePage, P::Offset},
        {"lnkHPSpd", LinkMarkup::HomePage, P::AtCursor},
        {"lnkMail", LinkMarkup::Mail, P::Offset},
        {"PoplnkMail", LinkMarkup::Mail, P::Offset},
        {"lnkMailSpd", LinkMarkup::Mail, P::AtCursor},
        {"lnkFTP", LinkMarkup::Ftp, P::Offset},
        {"PoplnkFTP", LinkMarkup::Ftp, P::Offset},
        {"lnkFTPspd", LinkMarkup::Ftp, P::AtCursor},
        {"lnkMark", LinkMarkup::Mark, P::Offset},
        {"PoplnkMark", LinkMarkup::Mark, P::Offset},
        {"lnkMarkSpd", LinkMarkup::Mark, P::AtCursor},
        {"lnkJumpMark", LinkMarkup::JumpMark, P::Offset},
        {"PoplnkJumpMark", LinkMarkup::JumpMark, P::Offset},
        {"lnkJumpMarkSpd", LinkMarkup::JumpMark, P::Offset},
        {"lnkJumpFile", LinkMarkup::JumpFile, P::Offset},
        {"PoplnkJumpFile", LinkMarkup::JumpFile, P::Offset},
        {"lnkJumpFileSpd", LinkMarkup::JumpFile, P::AtCursor},
        {"frmSrc", LinkMarkup::FrameSource, P::UpperThird},
        {"PopfrmSrc", LinkMarkup::FrameSource, P::UpperThird},
        {"FrameSrcSpd", LinkMarkup::FrameSource, P::AtCursor},
        {"image1", LinkMarkup::BackgroundImage, P::UpperThird},
        {"family1", LinkMarkup::FontFamily, P::UpperThird},
    };
    for (const Binding &b : bindings)
        form_.bind(QLatin1String(b.item), [this, b] { openInputBox(b.mode, b.placement); });

    // The engine decides whether a comment command wraps the selection or asks.
    if (auto *editing = form_.findChild<EditingCommands *>()) {
        editing->setCommentBoxHandler([this](bool atCursor) {
            openInputBox(LinkMarkup::Comment, atCursor ? P::AtCursor : P::UpperThird);
        });
    }
}

QPoint LinkCommands::offsetPosition(const QRect &mainFrame)
{
    return mainFrame.topLeft() + QPoint(150, 100);
}

void LinkCommands::openInputBox(int mode, Placement placement)
{
    // A short-cut can arrive while no document is open.
    if (!form_.activeBox())
        return;
    TInputBox box(form_);
    box.setMode(mode);
    switch (placement) {
    case Placement::AtCursor:
        form_.PlaceAtCursor(&box);
        break;
    case Placement::UpperThird:
        form_.PlaceUpperThird(&box);
        break;
    case Placement::Offset:
        box.move(offsetPosition(form_.frameGeometry()));
        break;
    }
    Platform::instance().execDialog(&box);
}
