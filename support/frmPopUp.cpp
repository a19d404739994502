#include "support/frmPopUp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "support/WindowSupport.h"

frmPopUp::frmPopUp(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("frmPopUp");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setFrameShape(QFrame::Box);
    lblMessage->setAutoFillBackground(true);
    lblMessage->setBackgroundRole(QPalette::ToolTipBase);
    lblMessage->setForegroundRole(QPalette::ToolTipText);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &frmPopUp::Vanish);
}

frmPopUp& frmPopUp::Instance() {
    static QPointer<frmPopUp> popUp;
    if (popUp.isNull()) {
        popUp = new frmPopUp();
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, popUp,
                         &QObject::deleteLater);
    }
    return *popUp;
}

void frmPopUp::PopUp(const QString& message, int width, int height, int intervalMs, int top,
                     int left) {
    lblMessage->setText(message);
    resize(support::Px(width), support::Px(height));
    lblMessage->setGeometry(0, 0, support::Px(width), support::Px(height));
    move(support::Px(left), support::Px(top));
    Timer1->stop();
    if (intervalMs > 0)
        Timer1->start(intervalMs);
    show();
    raise();
}

void frmPopUp::PopUpCenterScreen(const QString& message, int width, int height, int intervalMs) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect();
    const int left = area.left() * support::intTwipsPerPixel +
                     int(std::lround((area.width() * support::intTwipsPerPixel - width) / 2.0));
    const int top = area.top() * support::intTwipsPerPixel +
                    int(std::lround((area.height() * support::intTwipsPerPixel - height) / 2.0));
    PopUp(message, width, height, intervalMs, top, left);
}

void frmPopUp::PopUpInForm(const QWidget* window, const QString& message, int width, int height,
                           int intervalMs, int top, int left) {
    const QPoint origin = window != nullptr ? window->mapToGlobal(QPoint(0, 0)) : QPoint();
    PopUp(message, width, height, intervalMs, top + origin.y() * support::intTwipsPerPixel,
          left + origin.x() * support::intTwipsPerPixel);
}

void frmPopUp::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void frmPopUp::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    Vanish();
}

void frmPopUp::Vanish() {
    Timer1->stop();
    hide();
}
