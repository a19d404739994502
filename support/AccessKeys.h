#pragma once
// Access keys: a letter of a button's caption, underlined, that pressed with Alt presses the
// button. The caption stays the program text; only the button's own text carries the mark.

#include <QChar>
#include <QString>

class QAbstractButton;

namespace support {

// Returns caption as a button shows it with letter as its access key: every '&' of caption
// doubled, so that it shows as itself, and an '&' before the first occurrence of letter in
// either case; caption with only the doubling when it does not hold letter.
QString MarkAccessKey(const QString& caption, QChar letter);

// Returns the caption that a button's text shows: without its access-key mark, "&&" as "&".
QString PlainCaption(const QString& text);

// Gives button its access keys: english and german hold the letters it may take in each
// language, the first of them that its caption holds being the key. Shows its caption anew.
void SetAccessKeys(QAbstractButton* button, const QString& english, const QString& german);

// Shows caption on button with its access key of the current language marked, when the
// button has access keys and caption holds one of them.
void SetCaption(QAbstractButton* button, const QString& caption);

}  // namespace support
