#pragma once
// Opens an address in the user's web browser and explains a failure in a message box.

#include <QString>
#include <cstdint>
#include <functional>

class QUrl;
class QWidget;

namespace weblink {

// Opens address (with or without a scheme; "http:" becomes "https:", a local path a file
// URL) in the default browser. Returns the launch result: above 32 when the browser was
// started, 31 when it could not be; a failure has been explained in a warning titled
// "Cannot launch web browser" before it returns.
int32_t OpenAddress(QWidget* parent, const QString& address);

// Opens the first page of the user manual in the current language, below dataFolder (the
// folder of the data files). Returns the launch result as OpenAddress does.
int32_t OpenUserManual(QWidget* parent, const QString& dataFolder);

// Installs what opens a URL instead of the desktop (true when it was opened), for tests;
// an empty opener brings the desktop's back. Returns the opener installed before.
using UrlOpener = std::function<bool(const QUrl&)>;
UrlOpener SetUrlOpener(UrlOpener opener);

}  // namespace weblink
