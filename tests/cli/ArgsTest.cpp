#include "Args.h"

#include <gtest/gtest.h>

#include "CliSupport.h"

TEST(Args, SeparatesPositionalWordsFromOptions) {
    CArgs args;
    std::string error;
    ASSERT_TRUE(args.Parse({"in.dat", "-o", "out.bin", "--fault=nak:3", "--fault", "silent", "--", "-x"},
                           {"--output", "--fault"}, {}, error));
    EXPECT_EQ(args.m_Positional, std::vector<std::string>({"in.dat", "-x"}));
    EXPECT_EQ(args.Value("--output"), "out.bin");
    EXPECT_EQ(args.Values("--fault"), std::vector<std::string>({"nak:3", "silent"}));
}

TEST(Args, RejectsUnknownAndIncompleteOptions) {
    CArgs args;
    std::string error;
    EXPECT_FALSE(args.Parse({"--colour", "red"}, {"--output"}, {}, error));
    EXPECT_EQ(error, "unknown option --colour");
    CArgs more;
    EXPECT_FALSE(more.Parse({"-o"}, {"--output"}, {}, error));
    EXPECT_EQ(error, "option --output needs a value");
    CArgs twice;
    EXPECT_FALSE(twice.Parse({"-o", "a.dat", "--output=b.dat"}, {"--output"}, {}, error));
    EXPECT_EQ(error, "option --output is given more than once; give it once");
    CArgs ports;
    EXPECT_TRUE(ports.Parse({"--port", "COM1", "--port", "COM2"}, {"--port"}, {}, error));
}

TEST(Args, ModelsByRowOrName) {
    int row = 0;
    EXPECT_TRUE(ParseModel("kv330-UHF", row));
    EXPECT_EQ(row, 5);
    EXPECT_TRUE(ParseModel("3", row));
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(ParseModel("1", row));
    EXPECT_FALSE(ParseModel("6", row));
    EXPECT_FALSE(ParseModel("kv310", row));
    EXPECT_FALSE(ParseModel("23", row));
}

TEST(StderrSink, PrefixesRefusalsAndWarningsWithTheirKind) {
    const std::pair<EMessageKind, const char*> kinds[] = {
        {EMessageKind::Stop, "kv310ctl: error: Valid Range : 138 to 174MHz\n"},
        {EMessageKind::Warning, "kv310ctl: warning: Valid Range : 138 to 174MHz\n"},
        {EMessageKind::Information, "kv310ctl: Valid Range : 138 to 174MHz\n"}};
    CStderrSink sink;
    for (const auto& [kind, line] : kinds) {
        testing::internal::CaptureStderr();
        sink.ShowMessageAs("Valid Range : 138 to 174MHz", kind);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), line);
    }
}
