#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <random>
#include <string>

#include "engine/log_capture.h"
#include "trov.h"

namespace {

using trov_test::LogCapture;

std::string Today() {
  const std::time_t now = std::time(nullptr);
  char date[16];
  std::strftime(date, sizeof date, "%Y/%m/%d", std::localtime(&now));
  return date;
}

std::filesystem::path UniqueTempPath(const char* stem) {
  std::random_device random;
  return std::filesystem::temp_directory_path() /
         (stem + std::to_string(random()) + std::to_string(random()) + ".log");
}

TEST(Log, StartLineCarriesDateAndEveryLineTheTime) {
  const std::string dayBefore = Today();
  LogCapture log;
  const std::string dayAfter = Today();  // midnight may pass in between
  const int16_t session = TROV_OpenSession();
  ASSERT_GE(session, 0);
  TROV_CloseSession(session);
  const auto lines = log.Lines();
  ASSERT_EQ(lines.size(), 3u);
  for (const auto& line : lines) EXPECT_TRUE(LogCapture::HasTimePrefix(line)) << line;
  const std::string date = lines[0].substr(9, 10);
  EXPECT_TRUE(date == dayBefore || date == dayAfter) << lines[0];
  EXPECT_EQ(lines[0].substr(19), " Logging started");
  EXPECT_EQ(lines[1].substr(9), "TROV_OpenSession: session " + std::to_string(session) + " opened");
  EXPECT_EQ(lines[2].substr(9),
            "TROV_CloseSession: Session " + std::to_string(session) + " closed");
}

TEST(Log, BadSessionLineIsExactlyOneLine) {
  LogCapture log;
  EXPECT_EQ(TROV_GetOption(5, TROV_OPT_CASE_SENSITIVE), TROV_ERR_BAD_SESSION);
  EXPECT_EQ(log.Messages(), std::vector<std::string>{"TROV_GetOption: bad session id 5"});
}

TEST(Log, StoppingWritesTheStopLineAndNothingAfter) {
  const auto path = UniqueTempPath("trov-stop-");
  TROV_SetLogFile(path.string().c_str());
  TROV_SetLogFile(nullptr);
  EXPECT_EQ(TROV_GetOption(7, TROV_OPT_CASE_SENSITIVE), TROV_ERR_BAD_SESSION);
  std::ifstream in(path);
  std::string start, stop, extra;
  ASSERT_TRUE(std::getline(in, start));
  ASSERT_TRUE(std::getline(in, stop));
  EXPECT_TRUE(start.ends_with(" Logging started")) << start;
  EXPECT_TRUE(stop.ends_with(" Logging stopped")) << stop;
  EXPECT_TRUE(LogCapture::HasTimePrefix(stop));
  EXPECT_FALSE(std::getline(in, extra)) << "logged after stop: " << extra;
  in.close();
  std::filesystem::remove(path);
}

TEST(Log, NoFileNamedMeansNoFileCreated) {
  const auto path = UniqueTempPath("trov-none-");
  TROV_SetLogFile("");
  EXPECT_EQ(TROV_GetOption(9, TROV_OPT_CASE_SENSITIVE), TROV_ERR_BAD_SESSION);
  const int16_t session = TROV_OpenSession();
  TROV_CloseSession(session);
  TROV_SetLogFile(nullptr);  // stopping while off writes nothing either
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_FALSE(std::filesystem::exists(""));
}

TEST(Log, SwitchingFilesWritesNoStopLineInTheOld) {
  const auto first = UniqueTempPath("trov-first-");
  const auto second = UniqueTempPath("trov-second-");
  TROV_SetLogFile(first.string().c_str());
  TROV_SetLogFile(second.string().c_str());
  EXPECT_EQ(TROV_CloseSession(3), TROV_ERR_BAD_SESSION);
  TROV_SetLogFile(nullptr);
  auto countLines = [](const std::filesystem::path& p) {
    std::ifstream in(p);
    int n = 0;
    for (std::string line; std::getline(in, line);) ++n;
    return n;
  };
  EXPECT_EQ(countLines(first), 1);   // started only
  EXPECT_EQ(countLines(second), 3);  // started, bad id, stopped
  std::filesystem::remove(first);
  std::filesystem::remove(second);
}

TEST(Log, LongNamesAreCutTo515Characters) {
#if defined(_WIN32)
  GTEST_SKIP() << "Windows paths are limited to 260 characters without long-path support";
#endif
  // Nested folders keep every path component within the platform's limit.
  const std::filesystem::path dir = UniqueTempPath("trov-long-");
  std::filesystem::path folder = dir;
  while (folder.string().size() < 400) folder /= std::string(60, 'd');
  std::filesystem::create_directories(folder);
  std::string name = (folder / "").string();
  name.append(515 - name.size(), 'x');
  const std::string longer = name + "-cut";
  TROV_SetLogFile(longer.c_str());
  TROV_SetLogFile(nullptr);
  EXPECT_TRUE(std::filesystem::exists(name));
  EXPECT_FALSE(std::filesystem::exists(longer));
  std::filesystem::remove_all(dir);
}

}  // namespace
