#include "support/weblink.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "support/MessageBox.h"
#include "support/WebAddress.h"
#include "support/WindowSupport.h"
#include "text/Language.h"

namespace weblink {
namespace {

UrlOpener& InstalledOpener() {
    static UrlOpener opener;
    return opener;
}

}  // namespace

int32_t OpenAddress(QWidget* parent, const QString& address) {
    const QString normalised = support::Q(NormaliseScheme(address.toStdString()));
    const QUrl url = QDir::isAbsolutePath(normalised) ? QUrl::fromLocalFile(normalised)
                                                      : QUrl::fromUserInput(normalised);
    const bool opened = InstalledOpener() ? InstalledOpener()(url) : QDesktopServices::openUrl(url);
    if (opened)
        return lngLaunchSucceeded;
    const std::string extension = AddressExtension(normalised.toStdString());
    support::ShowMessage(parent, support::Q(LaunchFailureMessage(lngNoAssociation, extension)),
                         support::Q(LaunchFailureTitle()), support::MsgIcon::Warning);
    return lngNoAssociation;
}

int32_t OpenUserManual(QWidget* parent, const QString& dataFolder) {
    return OpenAddress(parent,
                       support::Q(ManualPagePath(dataFolder.toStdString(), Language::intLanguage)));
}

UrlOpener SetUrlOpener(UrlOpener opener) {
    UrlOpener previous = InstalledOpener();
    InstalledOpener() = std::move(opener);
    return previous;
}

}  // namespace weblink
