#include "tesvik/program/Settings.h"

#include "tesvik/messages/Messages.h"

namespace tesvik::program {

std::array<std::string, 4> selectableFontNames() {
    return {std::string(messageText(MessageId::FontNameShuSong)), std::string(messageText(MessageId::FontNameSongT)),
            std::string(messageText(MessageId::FontNameKaiS)), std::string(messageText(MessageId::FontNameKaiT))};
}

}  // namespace tesvik::program
