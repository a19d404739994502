// Addresses for the web browser: the scheme rule, the extension and the failure messages.
#include <gtest/gtest.h>

#include "support/WebAddress.h"

namespace {

TEST(WebAddressTest, HttpBecomesHttpsWhateverItsCase) {
    const struct {
        const char* strAddress;
        const char* strExpected;
    } rows[] = {
        {"http://www.quillfen.com/zodarc/", "https://www.quillfen.com/zodarc/"},
        {"HTTP://WWW.QUILLFEN.COM/", "https://WWW.QUILLFEN.COM/"},
        {"Http://a.b/c.htm", "https://a.b/c.htm"},
        {"https://a.b/", "https://a.b/"},
        {"www.quillfen.com", "www.quillfen.com"},
        {"file:///usr/share/zodarc/manual/en/index.html",
         "file:///usr/share/zodarc/manual/en/index.html"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(weblink::NormaliseScheme(row.strAddress), row.strExpected) << row.strAddress;
}

TEST(WebAddressTest, TheExtensionIsTakenAfterTheLastFolder) {
    const struct {
        const char* strAddress;
        const char* strExtension;
    } rows[] = {
        {"https://www.quillfen.com/zodarc/help.htm", ".htm"},
        {"C:\\Programs\\Zodarc\\Manual\\INDEX.HTML", ".html"},
        {"https://www.quillfen.com/zodarc/", ""},
        {"https://www.quillfen.com", ".com"},
        {"/usr/share/zodarc.d/manual", ""},
        {"readme", ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(weblink::AddressExtension(row.strAddress), row.strExtension) << row.strAddress;
}

TEST(WebAddressTest, EachLaunchResultHasItsMessage) {
    const std::string line = "Error launching web browser, error code = ";
    EXPECT_EQ(weblink::LaunchFailureMessage(31, ".htm"),
              line +
                  "31.\n\nFile extension '.htm' is not associated with any application "
                  "program.");
    EXPECT_EQ(weblink::LaunchFailureMessage(8, ".htm"), line + "8.\n\nOut of memory.");
    EXPECT_EQ(weblink::LaunchFailureMessage(2, ".htm"), line + "2.\n\nPlease try once more.");
    EXPECT_EQ(weblink::LaunchFailureMessage(0, ".htm"), line + "0.");
    EXPECT_EQ(weblink::LaunchFailureMessage(27, ""), line + "27.");
    EXPECT_EQ(weblink::LaunchFailureMessage(-3, ""),
              "Error launching web browser, error code =-3.");
    EXPECT_EQ(weblink::LaunchFailureTitle(), "Cannot launch web browser");
}

TEST(WebAddressTest, TheManualPageOfEachLanguage) {
    EXPECT_EQ(weblink::ManualPagePath("/opt/zodarc/share/zodarc", 0),
              "/opt/zodarc/share/zodarc/manual/en/index.html");
    EXPECT_EQ(weblink::ManualPagePath("/opt/zodarc/share/zodarc/", 1),
              "/opt/zodarc/share/zodarc/manual/de/index.html");
}

}  // namespace
