#pragma once
// Every message box of the program goes through ShowMessage, so that tests can replace
// the real box with a hook that answers and records.

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace support {

enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct MessageRequest {
    QWidget* parent = nullptr;
    QString strText;
    QString strTitle;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
    MsgAnswer defaultButton = MsgAnswer::Ok;
};

using MessageHook = std::function<MsgAnswer(const MessageRequest&)>;

// Shows a modal message box (or asks the installed hook) and returns the answer; a box
// closed without a choice answers Cancel (Yes/No/Cancel), No (Yes/No) or Ok.
MsgAnswer ShowMessage(const MessageRequest& request);

// Shorthand for a box with one OK button.
void ShowMessage(QWidget* parent, const QString& text, const QString& title, MsgIcon icon);

// Widens box, when needed, so that its title stands whole in the title bar: the title in
// the box's bold font beside room for the bar's icon and buttons. Returns the width the
// title needs, in pixels.
int FitBoxToTitle(QMessageBox& box);

// Installs a hook that answers every message box instead of the user; an empty hook
// brings the real boxes back. Returns the hook that was installed before.
MessageHook SetMessageHook(MessageHook hook);

}  // namespace support
