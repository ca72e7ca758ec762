#include "tesvik/messages/Messages.h"

namespace tesvik {

std::string_view messageText(MessageId id) {
    switch (id) {
#define TESVIK_MESSAGE(name, number, text) \
    case MessageId::name:                  \
        return text;
#include "tesvik/messages/MessageTable.inc"
#undef TESVIK_MESSAGE
    }
    return {};
}

Message message(MessageId id) { return Message{id, std::string(messageText(id))}; }

Message message(MessageId id, std::string prefix, std::string suffix) {
    return Message{id, prefix.append(messageText(id)).append(suffix)};
}

}  // namespace tesvik
