#include "tools/tesvik-query/QueryTool.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tesvik::query {
namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run runTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Terminal terminal{out, err, [](const std::string&) { return false; }};
    const int status = runQueryTool(args, terminal);
    return {status, out.str(), err.str()};
}

TEST(QueryTool, UsageErrorsExitWithTwo) {
    EXPECT_EQ(runTool({}).status, ExitUsage);
    EXPECT_EQ(runTool({"no-such-command"}).status, ExitUsage);
    EXPECT_EQ(runTool({"strokes", "--bogus"}).status, ExitUsage);
    EXPECT_EQ(runTool({"--data-dir"}).status, ExitUsage);
}

}  // namespace
}  // namespace tesvik::query
