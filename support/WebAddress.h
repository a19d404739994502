#pragma once
// Addresses opened in the user's web browser: the scheme rule, the extension a failure
// names, the failure messages, and where the user manual's pages stand.

#include <cstdint>
#include <string>

namespace weblink {

// The launch result of an address the browser could not be started for: no application
// is associated with the address's kind. A result above 32 means success.
constexpr int32_t lngNoAssociation = 31;
constexpr int32_t lngLaunchSucceeded = 33;

// Returns address with every "http:" replaced by "https:", whatever the case of its letters.
std::string NormaliseScheme(const std::string& address);

// Returns the file extension of address: from the last "." after the last "/" or "\" to the
// end, the dot included, in lower case; "" when there is none.
std::string AddressExtension(const std::string& address);

// Returns the message for a failed launch with the given result (at most 32): the error
// line, then for 31 the unassociated extension, for 8 "Out of memory.", for 2 "Please try
// once more."; the error line alone for any other result. Line breaks are "\n".
std::string LaunchFailureMessage(int32_t result, const std::string& extension);

// Returns the title of the failure message: "Cannot launch web browser".
std::string LaunchFailureTitle();

// Returns the path of the user manual's first page in language (1 German, any other value
// English) below dataFolder (UTF-8): dataFolder/manual/en/index.html or .../de/index.html.
std::string ManualPagePath(const std::string& dataFolder, int language);

}  // namespace weblink
