// Opening an address in the browser: what is opened, and the message when nothing can be.
#include <QUrl>
#include <vector>

#include "support/MessageBox.h"
#include "support/weblink.h"
#include "tests/support/SupportTest.h"

namespace {

TEST_F(SupportTest, AnAddressIsOpenedOrTheFailureExplained) {
    std::vector<support::MessageRequest> messages;
    support::SetMessageHook([&](const support::MessageRequest& r) {
        messages.push_back(r);
        return support::MsgAnswer::Ok;
    });
    std::vector<QUrl> opened;
    bool succeed = true;
    weblink::SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return succeed;
    });

    EXPECT_GT(weblink::OpenAddress(nullptr, "HTTP://www.quillfen.com/zodarc/"), 32);
    const std::string page = WriteFile("index.html", "<html></html>");
    EXPECT_GT(weblink::OpenAddress(nullptr, QString::fromStdString(page)), 32);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), "https://www.quillfen.com/zodarc/");
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(QString::fromStdString(page)));
    EXPECT_TRUE(messages.empty());

    succeed = false;
    EXPECT_EQ(weblink::OpenAddress(nullptr, "https://www.quillfen.com/zodarc/help.htm"), 31);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].strText,
              "Error launching web browser, error code = 31.\n\nFile extension '.htm' is not "
              "associated with any application program.");
    EXPECT_EQ(messages[0].strTitle, "Cannot launch web browser");
    EXPECT_EQ(messages[0].icon, support::MsgIcon::Warning);

    weblink::SetUrlOpener(nullptr);
    support::SetMessageHook(nullptr);
}

}  // namespace
