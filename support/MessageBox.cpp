#include "support/MessageBox.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace support {
namespace {

MessageHook& InstalledHook() {
    static MessageHook hook;
    return hook;
}

QMessageBox::Icon ToQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ToQtButton(MsgAnswer answer) {
    switch (answer) {
        case MsgAnswer::Yes:
            return QMessageBox::Yes;
        case MsgAnswer::No:
            return QMessageBox::No;
        case MsgAnswer::Cancel:
            return QMessageBox::Cancel;
        case MsgAnswer::Ok:
            break;
    }
    return QMessageBox::Ok;
}

// Room in a title bar beside its text: the window's icon and its three buttons with their
// margins, in pixels at the screen's resolution.
constexpr int kTitleBarRoom = 120;

}  // namespace

int FitBoxToTitle(QMessageBox& box) {
    QFont font = box.font();
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
    // The box sizes itself to its layout: a spacer across the grid sets its least width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return needed;
}

MsgAnswer ShowMessage(const MessageRequest& request) {
    if (InstalledHook())
        return InstalledHook()(request);
    QMessageBox box(ToQtIcon(request.icon), request.strTitle, request.strText,
                    QMessageBox::NoButton, request.parent);
    switch (request.buttons) {
        case MsgButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    box.setDefaultButton(ToQtButton(request.defaultButton));
    FitBoxToTitle(box);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Ok:
            return MsgAnswer::Ok;
        default:
            break;
    }
    if (request.buttons == MsgButtons::YesNo)
        return MsgAnswer::No;
    if (request.buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    return MsgAnswer::Cancel;
}

void ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon) {
    MessageRequest request;
    request.parent = parent;
    request.strText = text;
    request.strTitle = title;
    request.icon = icon;
    ShowMessage(request);
}

MessageHook SetMessageHook(MessageHook hook) {
    MessageHook previous = InstalledHook();
    InstalledHook() = std::move(hook);
    return previous;
}

}  // namespace support
