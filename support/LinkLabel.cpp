#include "support/LinkLabel.h"

#include <QEvent>

LinkLabel::LinkLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::RichText);
    // Tab reaches the link and Return follows it.
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::SetLink(const QString& caption, const QString& href) {
    m_strCaption = caption;
    m_strHref = href;
    ShowLink();
}

QString LinkLabel::LinkText(const QString& caption, const QString& href, bool blnEnabled,
                            const QColor& greyColor) {
    if (blnEnabled)
        return "<a href=\"" + href.toHtmlEscaped() + "\">" + caption.toHtmlEscaped() + "</a>";
    return "<span style=\"color:" + greyColor.name() + "\">" + caption.toHtmlEscaped() + "</span>";
}

void LinkLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        ShowLink();
    QLabel::changeEvent(event);
}

void LinkLabel::ShowLink() {
    setAccessibleName(m_strCaption);
    setText(LinkText(m_strCaption, m_strHref, isEnabled(),
                     palette().color(QPalette::Disabled, QPalette::WindowText)));
}
