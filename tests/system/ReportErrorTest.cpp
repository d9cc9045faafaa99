#include <cstdio>
#include <regex>

#include "gmock/gmock.h"
#include "gtest/gtest.h"
#include "system/CheckedLoaders.h"
#include "system/ReportError.h"
#include "support/TempFolder.h"

namespace {

class ReportErrorTest : public ::testing::Test {
protected:
    void SetUp() override {
        Errors() = ErrorReporting{};
        Errors().ErrorsOnScreen = 1;
        Errors().ErrorLogFolder = folder.Path();
        Errors().ErrorBoxFunction = [this](const std::string& message) {
            shown.push_back(message);
        };
    }
    void TearDown() override { Errors() = ErrorReporting{}; }

    TempFolder folder;
    std::vector<std::string> shown;
};

TEST_F(ReportErrorTest, NonFatalErrorIsShownLoggedAndReturns) {
    ReportError("Something odd", false);
    EXPECT_THAT(shown, ::testing::ElementsAre("Something odd"));
    const std::string log = folder.Read("ErrorLog.txt");
    EXPECT_TRUE(
        std::regex_match(log, std::regex("Date: [^\r\n]+\r\nTime: "
                                         "[0-9]{2}:[0-9]{2}:[0-9]{2}\r\nSomething odd\r\n")))
        << log;
}

TEST_F(ReportErrorTest, LogHoldsTheLastErrorOnly) {
    ReportError("first", false);
    ReportError("second", false);
    const std::string log = folder.Read("ErrorLog.txt");
    EXPECT_EQ(log.find("first"), std::string::npos);
    EXPECT_NE(log.find("\r\nsecond\r\n"), std::string::npos);
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST_F(ReportErrorTest, LogSwitchedOffOrUnwritableStillShowsTheMessage) {
    Errors().ErrorLogEnabled = 0;
    ReportError("not logged", false);
    EXPECT_FALSE(folder.Exists("ErrorLog.txt"));

    Errors().ErrorLogEnabled = 1;
    Errors().ErrorLogFolder = folder.File("no/such/folder/");
    ReportError("nowhere to log", false);
    EXPECT_THAT(shown, ::testing::ElementsAre("not logged", "nowhere to log"));
}

TEST_F(ReportErrorTest, ErrorRaisedByTheBoxItselfDoesNotRecurse) {
    int calls = 0;
    Errors().ErrorBoxFunction = [&calls](const std::string&) {
        ++calls;
        ReportError("font missing", false);
    };
    ReportError("outer", false);
    EXPECT_EQ(calls, 1);
    EXPECT_NE(folder.Read("ErrorLog.txt").find("outer"), std::string::npos);
}

using ReportErrorDeathTest = ReportErrorTest;

TEST_F(ReportErrorDeathTest, FatalErrorLogsRunsTheExitHookAndExitsWithOne) {
    Errors().BeforeExitFunction = [] { std::fputs("shutting down\n", stderr); };
    EXPECT_EXIT(ReportError("Failed to save file x.ini", true), ::testing::ExitedWithCode(1),
                "shutting down");
    EXPECT_NE(folder.Read("ErrorLog.txt").find("Failed to save file x.ini"), std::string::npos);
}

TEST_F(ReportErrorDeathTest, BeforeTheScreensExistEveryErrorEndsTheProgramUnlogged) {
    Errors().ErrorsOnScreen = 0;
    EXPECT_EXIT(ReportError("early trouble", false), ::testing::ExitedWithCode(1), "early trouble");
    EXPECT_FALSE(folder.Exists("ErrorLog.txt"));
}

TEST_F(ReportErrorDeathTest, CheckedLoadersReportTheMissingFile) {
    EXPECT_EXIT((void)OpenFileChecked(folder.File("gone.txt")), ::testing::ExitedWithCode(1), "");
    EXPECT_NE(folder.Read("ErrorLog.txt").find("Error loading file " + folder.File("gone.txt")),
              std::string::npos);
}

TEST_F(ReportErrorTest, CheckedFileOpenFindsDataWhateverTheCase) {
    folder.Write("Data.TXT", "bytes");
    EXPECT_EQ(OpenFileChecked(folder.File("data.txt")), "bytes");
    EXPECT_TRUE(shown.empty());
}

}  // namespace
