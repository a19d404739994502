#pragma once
// The timed pop-up: a small borderless window with one message that vanishes by itself
// after its interval, or at a click. A second message replaces the first and starts the
// interval again.

#include <QWidget>

class QLabel;
class QMouseEvent;
class QString;
class QTimer;

class frmPopUp : public QWidget {
    Q_OBJECT
  public:
    explicit frmPopUp(QWidget* parent = nullptr);

    // Returns the program's pop-up, created hidden on first use and kept until the
    // application quits.
    static frmPopUp& Instance();

    // Shows message in a window of width x height twips with its top-left corner at top,
    // left (screen twips) for intervalMs milliseconds; 0 or less keeps it until clicked.
    void PopUp(const QString& message, int width, int height, int intervalMs, int top, int left);

    // As PopUp, centred on the screen.
    void PopUpCenterScreen(const QString& message, int width, int height, int intervalMs);

    // As PopUp, with top and left in twips from the top-left corner of window's inside
    // (the origin of its controls' positions); no window places it on the screen.
    void PopUpInForm(const QWidget* window, const QString& message, int width, int height,
                     int intervalMs, int top, int left);

    QLabel* lblMessage = nullptr;
    QTimer* Timer1 = nullptr;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void Vanish();
};
