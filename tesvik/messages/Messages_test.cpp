#include "tesvik/messages/Messages.h"

#include <gtest/gtest.h>

namespace tesvik {
namespace {

TEST(Messages, ComposedMessageKeepsItsIdAndWrapsTheTableText) {
    const Message m = message(MessageId::DataFilesMissing, "/x/", "!");
    EXPECT_EQ(m.id, MessageId::DataFilesMissing);
    EXPECT_EQ(m.text, "/x/内部文件丢失，请重新安装本软件。!");
    EXPECT_EQ(static_cast<int>(MessageId::MainWindowCaption), 1);
}

}  // namespace
}  // namespace tesvik
