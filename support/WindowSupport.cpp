#include "support/WindowSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTranslator>
#include <QWidget>
#include <cmath>

#include "text/Language.h"

namespace support {

int Px(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(intTwipsPerPixel)));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

QString Text(int n) {
    return Q(Language::Text(n));
}

std::vector<QPointer<QWidget>> DisableControls(QWidget* window, bool blnFramesAndTextBoxes) {
    std::vector<QPointer<QWidget>> disabled;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        // The window's own controls: not those of the dialogs it owns.
        if (control->window() != window->window() || !control->isEnabled())
            continue;
        const bool blnFrameOrTextBox = qobject_cast<QGroupBox*>(control) ||
                                       qobject_cast<QLineEdit*>(control) ||
                                       qobject_cast<QPlainTextEdit*>(control);
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QLabel*>(control) || (blnFramesAndTextBoxes && blnFrameOrTextBox)) {
            control->setEnabled(false);
            disabled.emplace_back(control);
        }
    }
    return disabled;
}

void UseQtLanguage(int16_t intLanguage) {
    static QTranslator* translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (intLanguage != Language::intGerman)
        return;
    auto* german = new QTranslator;
    if (!german->load(QStringLiteral("qtbase_de"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete german;
        return;
    }
    QCoreApplication::installTranslator(german);
    translator = german;
}

namespace {

MsgAnswer Ask(QWidget* parent, const QString& text, const QString& title, MsgButtons buttons,
              MsgAnswer defaultButton) {
    MessageRequest request;
    request.parent = parent;
    request.strText = text;
    request.strTitle = title;
    request.icon = MsgIcon::Question;
    request.buttons = buttons;
    request.defaultButton = defaultButton;
    return ShowMessage(request);
}

}  // namespace

bool AskYesNo(QWidget* parent, const QString& text, const QString& title, MsgAnswer defaultButton) {
    return Ask(parent, text, title, MsgButtons::YesNo, defaultButton) == MsgAnswer::Yes;
}

MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title,
                         MsgAnswer defaultButton) {
    return Ask(parent, text, title, MsgButtons::YesNoCancel, defaultButton);
}

}  // namespace support
