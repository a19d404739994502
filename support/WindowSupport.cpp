#include "support/WindowSupport.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTranslator>
#include <QWidget>
#include <QWindow>
#include <cmath>

#include "support/AccessKeys.h"
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

// Waits until the window manager has put its frame around window, then keeps that whole
// frame on the screen's free area: the window shrinks to fit when it must, and the frame
// stands at the area's top left. It ends itself after that one fitting.
class FrameKeeper : public QObject {
  public:
    explicit FrameKeeper(QWidget* window) : QObject(window), m_window(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched == m_window &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show)) {
            QWindow* handle = m_window->windowHandle();
            const QMargins frame = handle ? handle->frameMargins() : QMargins();
            if (!frame.isNull() && m_window->screen()) {
                m_window->removeEventFilter(this);
                deleteLater();
                const QRect free = m_window->screen()->availableGeometry();
                const QSize room =
                    free.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
                if (!room.expandedTo(m_window->size()).isEmpty() &&
                    room.boundedTo(m_window->size()) != m_window->size())
                    m_window->resize(room.boundedTo(m_window->size()));
                handle->setFramePosition(free.topLeft());
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* m_window;
};

// Return and Enter that no control of the window used: the focused command, else the
// default command.
class ReturnPresser : public QObject {
  public:
    ReturnPresser(QWidget* window, QPushButton* defaultButton)
        : QObject(window), m_default(defaultButton) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        QWidget* focus = QApplication::focusWidget();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || qobject_cast<QLineEdit*>(focus))
            return QObject::eventFilter(watched, event);
        QPushButton* button = qobject_cast<QPushButton*>(focus);
        if (!button)
            button = m_default;
        if (button && button->isVisible() && button->isEnabled()) {
            button->click();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QPushButton> m_default;
};

// A list for a screen reader: its accessible name, and its chosen entry as its value.
class NamedListAccessible : public QAccessibleWidget {
  public:
    explicit NamedListAccessible(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* list = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name && !list->accessibleName().isEmpty())
            return list->accessibleName();
        if (t == QAccessible::Name || t == QAccessible::Value)
            return list->currentText();
        return QAccessibleWidget::text(t);
    }
};

// An option or a check box for a screen reader: its caption (or accessible name), its Alt
// key and whether it is ticked; toggled by its action it is clicked, as by Space, so that
// the program answers as it does to the keyboard and the mouse.
class OptionAccessible : public QAccessibleWidget {
  public:
    OptionAccessible(QAbstractButton* option, QAccessible::Role role)
        : QAccessibleWidget(option, role) {}
    QString text(QAccessible::Text t) const override {
        const auto* option = static_cast<const QAbstractButton*>(widget());
        if (t == QAccessible::Name && option->accessibleName().isEmpty())
            return PlainCaption(option->text());
        if (t == QAccessible::Accelerator && !option->shortcut().isEmpty())
            return option->shortcut().toString(QKeySequence::NativeText);
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const QAbstractButton*>(widget())->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList(toggleAction()) << QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled())
                static_cast<QAbstractButton*>(widget())->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

// The program's own views of its lists, options and check boxes for a screen reader.
QAccessibleInterface* ControlFactory(const QString& key, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    if (key == QLatin1String("QComboBox"))
        return new NamedListAccessible(static_cast<QComboBox*>(object));
    if (key == QLatin1String("QRadioButton"))
        return new OptionAccessible(static_cast<QAbstractButton*>(object),
                                    QAccessible::RadioButton);
    if (key == QLatin1String("QCheckBox"))
        return new OptionAccessible(static_cast<QAbstractButton*>(object), QAccessible::CheckBox);
    return nullptr;
}

}  // namespace

void UseScreenReaderViews() {
    static const bool blnInstalled = [] {
        QAccessible::installFactory(ControlFactory);
        return true;
    }();
    (void)blnInstalled;
}

QSize SizeOnScreen(const QWidget* window, const QSize& page) {
    QScreen* screen = window->screen();
    if (!screen)
        return page;
    const QSize frame = window->frameGeometry().size() - window->size();
    return page.boundedTo(screen->availableGeometry().size() - frame);
}

void ShowInScrollArea(QWidget* w, const QRect& r) {
    for (QWidget* up = w->parentWidget(); up; up = up->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(up);
        if (area && area->widget() && area->widget()->isAncestorOf(w)) {
            const QPoint middle = w->mapTo(area->widget(), r.center());
            area->ensureVisible(middle.x(), middle.y(), r.width() / 2 + 1, r.height() / 2 + 1);
            return;
        }
    }
}

void PressOnReturn(QWidget* window, QPushButton* defaultButton) {
    new ReturnPresser(window, defaultButton);
}

void PlaceFrameAtTopLeft(QWidget* window) {
    const QPoint corner =
        window->screen() ? window->screen()->availableGeometry().topLeft() : QPoint();
    // Before the window manager knows the window, it is asked to put the frame there.
    if (QWindow* handle = window->windowHandle())
        handle->setFramePosition(corner);
    else
        window->move(corner);
    new FrameKeeper(window);
}

bool AskYesNo(QWidget* parent, const QString& text, const QString& title, MsgAnswer defaultButton) {
    return Ask(parent, text, title, MsgButtons::YesNo, defaultButton) == MsgAnswer::Yes;
}

MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title,
                         MsgAnswer defaultButton) {
    return Ask(parent, text, title, MsgButtons::YesNoCancel, defaultButton);
}

}  // namespace support
