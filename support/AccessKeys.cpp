#include "support/AccessKeys.h"

#include <QAbstractButton>
#include <QStringList>
#include <QVariant>

#include "text/Language.h"

namespace support {

namespace {

// The button property holding the letters of its access keys, one text a language.
constexpr char kAccessKeys[] = "zodarcAccessKeys";

}  // namespace

QString MarkAccessKey(const QString& caption, QChar letter) {
    QString marked;
    bool blnMarked = letter.isNull();
    for (const QChar c : caption) {
        if (c == QLatin1Char('&')) {
            marked += QStringLiteral("&&");
            continue;
        }
        if (!blnMarked && c.toUpper() == letter.toUpper()) {
            marked += QLatin1Char('&');
            blnMarked = true;
        }
        marked += c;
    }
    return marked;
}

QString PlainCaption(const QString& text) {
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&'))
            ++i;
        if (i < text.size())
            plain += text[i];
    }
    return plain;
}

void SetAccessKeys(QAbstractButton* button, const QString& english, const QString& german) {
    button->setProperty(kAccessKeys, QStringList{english, german});
    SetCaption(button, PlainCaption(button->text()));
}

void SetCaption(QAbstractButton* button, const QString& caption) {
    const QStringList letters = button->property(kAccessKeys).toStringList();
    QChar key;
    for (const QChar letter : letters.value(Language::intLanguage == Language::intGerman ? 1 : 0))
        if (caption.contains(letter, Qt::CaseInsensitive)) {
            key = letter;
            break;
        }
    button->setText(MarkAccessKey(caption, key));
}

}  // namespace support
