#pragma once

#include <string>
#include <string_view>

namespace tesvik {

enum class MessageId : int {
#ifndef Q_MOC_RUN  // moc cannot follow the nested includes of the table
#define TESVIK_MESSAGE(name, number, text) name = number,
#include "tesvik/messages/MessageTable.inc"
#undef TESVIK_MESSAGE
#endif
};

// The table text of a message, exactly as the program shows it.
std::string_view messageText(MessageId id);

// A message as an operation reports it: the table entry and the full text
// shown (some messages are composed, e.g. a file path followed by a text).
struct Message {
    MessageId id;
    std::string text;

    bool operator==(const Message&) const = default;
};

Message message(MessageId id);
Message message(MessageId id, std::string prefix, std::string suffix = {});

}  // namespace tesvik
