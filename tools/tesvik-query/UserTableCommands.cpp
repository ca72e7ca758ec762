#include "tesvik/lookup/files/UserCode.h"
#include "tesvik/lookup/radical/RadicalPageInput.h"
#include "tesvik/lookup/radical/UserRadicalFields.h"
#include "tesvik/lookup/radical/UserRadicalTable.h"
#include "tesvik/lookup/stroke/StrokePageInput.h"
#include "tesvik/lookup/stroke/UserStrokeFields.h"
#include "tesvik/lookup/stroke/UserStrokeTable.h"
#include "tools/tesvik-query/Commands.h"
#include "tools/tesvik-query/StrokeKeys.h"

namespace tesvik::query {

namespace {

// The dialogs' yes/no question: answered yes by --yes, else on the terminal.
lookup::ConfirmQuestion confirmation(const CommandLine& line, QueryContext& context) {
    const bool yes = line.has("yes");
    return [yes, &context](const Message& question, const Message& caption) {
        return yes || context.terminal.askYesNo(caption.text + ' ' + question.text);
    };
}

// --strokes typed into a field that holds at most `limit` strokes.
template <class AppendStroke>
lumenar::Result<std::string, Message> enteredStrokes(const CommandLine& line, AppendStroke append) {
    std::string strokes;
    const auto digits = strokeDigitsOfKeys(line.option("strokes").value_or(""));
    if (!digits) return lumenar::Result<std::string, Message>::failure(digits.error());
    for (const char digit : digits.value()) {
        const auto appended = append(strokes, digit);
        if (!appended) return lumenar::Result<std::string, Message>::failure(appended.error());
    }
    return strokes;
}

// The success message on standard output; a refusal's messages as messages.
int reportEdit(QueryContext& context, const lookup::UserTableEdit& edit) {
    if (!edit) return reportMessages(context, edit.error());
    if (edit.value()) context.terminal.out << edit.value()->text << '\n';
    return kExitSuccess;
}

// ---- stroke table ----

enum class StrokeOperation { Add, Modify, Delete };

int runStrokeOperation(const CommandLine& line, QueryContext& context, StrokeOperation operation) {
    lookup::UserStrokeFields fields;
    fields.codeText = line.option("code").value_or("");
    fields.total = line.option("total").value_or("1");  // the dialog's initial total
    if (const auto checked = lookup::checkTotalEdit(fields.total); !checked)
        return reportMessage(context, checked.error());
    const auto strokes = enteredStrokes(line, lookup::pressStrokeButton);
    if (!strokes) return reportMessage(context, strokes.error());
    fields.strokes = strokes.value();

    const auto entry = lookup::checkUserStrokeFields(fields);
    if (!entry) return reportMessage(context, entry.error().message);

    return reportEdit(
        context, operation == StrokeOperation::Add ? lookup::addStrokeEntry(context.userDir, entry.value())
                 : operation == StrokeOperation::Modify
                     ? lookup::modifyStrokeEntry(context.userDir, entry.value(), confirmation(line, context))
                     : lookup::deleteStrokeEntry(context.userDir, entry.value().code, confirmation(line, context)));
}

int runAddStroke(const CommandLine& l, QueryContext& c) { return runStrokeOperation(l, c, StrokeOperation::Add); }
int runModifyStroke(const CommandLine& l, QueryContext& c) { return runStrokeOperation(l, c, StrokeOperation::Modify); }
int runDeleteStroke(const CommandLine& l, QueryContext& c) { return runStrokeOperation(l, c, StrokeOperation::Delete); }

// ---- radical table ----

lumenar::Result<lookup::UserRadicalFields, int> radicalFields(const CommandLine& line, QueryContext& context) {
    using Fields = lumenar::Result<lookup::UserRadicalFields, int>;
    lookup::UserRadicalFields fields;
    fields.codeText = line.option("code").value_or("");
    if (const auto key = line.option("key")) {
        fields.chosenKey = lookup::RadicalKey::fromText(*key);
        if (!fields.chosenKey)
            return Fields::failure(usageError(context, "--key needs a radical key of four characters"));
    }
    if (const auto remaining = line.option("remaining")) {
        const auto checked = lookup::checkUserRadicalRemainingField(*remaining);
        if (!checked) return Fields::failure(reportMessage(context, checked.error()));
        fields.remaining = static_cast<int>(checked.value());
    }
    const auto strokes = enteredStrokes(line, lookup::appendRadicalCharStroke);
    if (!strokes) return Fields::failure(reportMessage(context, strokes.error()));
    fields.strokes = strokes.value();
    return fields;
}

int runAddRadical(const CommandLine& line, QueryContext& context) {
    const auto fields = radicalFields(line, context);
    if (!fields) return fields.error();
    const auto entry = lookup::checkAddRadicalFields(fields.value());
    if (!entry) return reportMessage(context, entry.error().message);
    return reportEdit(context, lookup::addRadicalEntry(context.userDir, entry.value()));
}

int runModifyRadical(const CommandLine& line, QueryContext& context) {
    const auto fields = radicalFields(line, context);
    if (!fields) return fields.error();
    const auto entry = lookup::checkModifyRadicalFields(fields.value());
    if (!entry) return reportMessage(context, entry.error().message);
    return reportEdit(context, lookup::modifyRadicalEntry(context.userDir, entry.value(), confirmation(line, context)));
}

int runDeleteRadical(const CommandLine& line, QueryContext& context) {
    const auto fields = radicalFields(line, context);
    if (!fields) return fields.error();
    const auto code = lookup::checkDeleteRadicalFields(fields.value());
    if (!code) return reportMessage(context, code.error().message);
    return reportEdit(context, lookup::deleteRadicalEntry(context.userDir, code.value(), confirmation(line, context)));
}

const OptionSpec kStrokeOptions{{"code", "total", "strokes"}, {"yes"}};
const OptionSpec kRadicalOptions{{"code", "key", "remaining", "strokes"}, {"yes"}};

}  // namespace

std::vector<Command> userTableCommands() {
    const std::string strokeUsage = "--code HEX --total N --strokes DIGITS [--yes]";
    const std::string radicalUsage = "--code HEX --key KEY --remaining N [--strokes DIGITS] [--yes]";
    return {
        {"add-stroke", strokeUsage, kStrokeOptions, runAddStroke},
        {"modify-stroke", strokeUsage, kStrokeOptions, runModifyStroke},
        {"delete-stroke", "--code HEX [--total N] [--strokes DIGITS] [--yes]", kStrokeOptions, runDeleteStroke},
        {"add-radical", radicalUsage, kRadicalOptions, runAddRadical},
        {"modify-radical", radicalUsage, kRadicalOptions, runModifyRadical},
        {"delete-radical", "--code HEX [--yes]", kRadicalOptions, runDeleteRadical},
    };
}

}  // namespace tesvik::query
