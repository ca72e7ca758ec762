#include "platform/ClipboardTool.h"
#include "platform/SessionKind.h"
#include "platform/inputmethod/DBusInputMethodAddon.h"
#include "tools/tesvik-query/Commands.h"
#include "tools/tesvik-query/TypeDelivery.h"
#include "tools/tesvik-query/TypedText.h"

#ifdef TESVIK_QUERY_X11_TYPING
#include "platform/x11/X11Desktop.h"
#endif

#include <memory>

namespace tesvik::query {

namespace {

// The routes of this session; the X11 desktop only on an X11 session, where
// typing through it reaches the focused window.
int runType(const CommandLine& line, QueryContext& context) {
    std::string error;
    const auto text = textToType(line, error);
    if (!text) return usageError(context, error);

    const platform::Environment env = platform::Environment::fromProcess();
    const platform::SessionKind session = platform::sessionKind(env);
    std::unique_ptr<platform::InputMethodAddon> addon;
    if (auto connected = platform::DBusInputMethodAddon::connect()) addon = std::move(*connected);
    std::unique_ptr<platform::TargetDesktop> desktop;
#ifdef TESVIK_QUERY_X11_TYPING
    if (session == platform::SessionKind::X11 && !(addon && addon->present())) desktop = platform::openX11Desktop();
#endif
    TypeRoutes routes;
    routes.addon = addon.get();
    routes.desktop = desktop.get();
    routes.copy = [session](const std::string& utf8) { return platform::copyWithClipboardTool(utf8, session); };

    const TypeOutcome outcome = typeText(*text, routes);
    if (desktop) desktop->shutdown();
    switch (outcome.result) {
        case TypeResult::HandedToInputMethod:
        case TypeResult::TypedWithKeys:
            return kExitSuccess;
        case TypeResult::Copied:
            return reportMessage(context, message(*outcome.notice));
        case TypeResult::NotCopied:
            context.terminal.err << "tesvik-query: nothing was typed and the clipboard could not take the text: "
                                 << outcome.copyProblem << '\n';
            return kExitSystemMessage;
    }
    return kExitSystemMessage;
}

}  // namespace

std::vector<Command> typeCommands() {
    return {
        {"type", "TEXT | --code VALUE...", {{}, {"code"}}, runType},
    };
}

}  // namespace tesvik::query
