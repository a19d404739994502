#pragma once
// A label that shows one link, greyed like any other disabled control while it is disabled.

#include <QLabel>

class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // Shows caption as a link to href (linkActivated gives href back).
    void SetLink(const QString& caption, const QString& href);

    // The label's text for caption and href: a link while blnEnabled, else the caption in
    // greyColor without a link.
    static QString LinkText(const QString& caption, const QString& href, bool blnEnabled,
                            const QColor& greyColor);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void ShowLink();

    QString m_strCaption;
    QString m_strHref;
};
