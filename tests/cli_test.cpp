#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace korvel::test {

namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

std::string drain(std::FILE* f) {
  std::rewind(f);
  std::string s;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) s.append(buf, n);
  std::fclose(f);
  return s;
}

CliRun cli(const std::vector<std::string>& args) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  const int status = cli::run(args, out, err);
  return {status, drain(out), drain(err)};
}

std::string fixture(const std::string& name) {
  std::ifstream in(std::filesystem::path(KORVEL_TEST_DATA) / name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

}  // namespace

TEST(Cli, CalcPrintsEveryResultAsTheWindowShowsIt) {
  const CliRun r = cli({"calc", "2000-01-01", "21:00:00", "--delta-t", "0"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "delta_t\t0\n"
            "julian_day\t 2451545\n"
            "sun_longitude\t 280.377362498762\n"
            "sun_distance\t 0.98330973485562\n"
            "moon_longitude\t 223.313726725139\n"
            "moon_latitude\t 5.171318869611\n"
            "moon_distance\t 402451.14825099\n"
            "phase_angle\t 302.936364226377\n"
            "illuminated_fraction\t 0.228146386672\n"
            "reference\t\n"
            "age\t\n");
  EXPECT_EQ(r.err, "");
}

TEST(Cli, CalcOptions) {
  CliRun r = cli({"calc", "2024-07-05", "08:09:03", "--json"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("{\"delta_t\": \"90\", \"julian_day\": \" 2460496.46565972\", ", 0), 0u);
  EXPECT_NE(r.out.find("\"reference\": \"\", \"age\": \"\"}\n"), std::string::npos);

  r = cli({"calc", "2000-01-01", "12:00:00", "--age"});
  EXPECT_NE(r.out.find("reference\t 2451520.44015046\nage\t 24.185613429639\nnew_moon\t1999-12-08 07:32:44\n"),
            std::string::npos);

  r = cli({"calc", "2000-01-01", "12:00:00", "--delta-t", "-5", "--reference", "2451520.5"});
  EXPECT_NE(r.out.find("delta_t\t0\n"), std::string::npos);
  EXPECT_NE(r.out.find("reference\t2451520.5\n"), std::string::npos);

  r = cli({"calc", "1900-02-29", "12:00:00"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("julian_day\t 2415079.625"), std::string::npos);
}

TEST(Cli, BadInputIsRefusedWithOneLine) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"calc"},
      {"calc", "2024-07-05"},
      {"calc", "2024-07-05", "08:09:03", "--frobnicate"},
      {"calc", "2024-7-5", "08:09:03"},
      {"calc", "2024-07-05", "8:09"},
      {"calc", "2024-13-01", "00:00:00"},
      {"calc", "2024-00-10", "00:00:00"},
      {"calc", "2023-02-29", "00:00:00"},
      {"calc", "2024-04-31", "00:00:00"},
      {"calc", "2024-01-01", "24:00:00"},
      {"calc", "2024-01-01", "23:60:00"},
      {"calc", "1582-12-31", "00:00:00"},
      {"calc", "32768-01-01", "00:00:00"},
      {"calc", "2024-01-01", "00:00:00", "--delta-t"},
      {"calc", "2024-01-01", "00:00:00", "--delta-t", "abc"},
      {"table", "2024-01-01", "00:00:00", "--count", "0"},
      {"table", "2024-01-01", "00:00:00", "--step", "3601"},
      {"table", "2024-01-01", "00:00:00", "--unit", "week"},
      {"table", "2024-01-01", "00:00:00", "--format", "xml"},
      {"table", "2024-01-01", "00:00:00", "--output", "/nonexistent-dir/moon.csv"},
      {"calc", "2024-01-01", "00:00:00", "--past"},
      {"frob"},
  };
  for (const auto& args : cases) {
    std::string shown;
    for (const auto& a : args) shown += a + " ";
    SCOPED_TRACE(shown);
    const CliRun r = cli(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("korvel-cli: ", 0), 0u);
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1);
  }
}

TEST(Cli, HelpAndVersion) {
  EXPECT_EQ(cli({"--version"}).out, "korvel-cli 1.96\n");
  const CliRun r = cli({"--help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("korvel-cli calc"), std::string::npos);
}

TEST(Cli, TableIsWhatTheFileOutputWrites) {
  EXPECT_EQ(cli({"table", "2024-07-05", "08:09:03"}).out, fixture("moon31.csv"));
  EXPECT_EQ(cli({"table", "2024-07-05", "08:09:03", "--format", "tsv"}).out, fixture("moon31.tsv"));
}

TEST(Cli, TableStepsThroughTheFieldsAsTheyStand) {
  const CliRun r = cli({"table", "2024-01-31", "00:00:00", "--unit", "month", "--count", "3", "--encoding", "utf-8"});
  EXPECT_EQ(r.status, 0);
  std::vector<std::string> lines;
  std::istringstream in(r.out);
  for (std::string l; std::getline(in, l);) lines.push_back(l.substr(0, l.size() - 1));  // drop CR
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[2].rfind("2024/1/31,0:0:0,", 0), 0u);
  EXPECT_EQ(lines[3].rfind("2024/2/31,0:0:0,", 0), 0u);
  EXPECT_EQ(lines[4].rfind("2024/3/31,0:0:0,", 0), 0u);
  // 2月31日 counts as 2 March.
  const CliRun march2 = cli({"table", "2024-03-02", "00:00:00", "--count", "1", "--encoding", "utf-8"});
  const std::string march2Line = march2.out.substr(march2.out.rfind("2024/3/2,"));
  EXPECT_EQ(lines[3].substr(lines[3].find(',', 10)) + "\r\n", march2Line.substr(march2Line.find(',', 10)));
}

TEST(Cli, TableListAndPastSteps) {
  const CliRun r = cli({"table", "2024-01-01", "00:00:00", "--unit", "hour", "--step", "12", "--past", "--count", "2",
                     "--format", "list"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Korvel  Ver 1.96\r\n\r\n算出日", 0), 0u);
  EXPECT_NE(r.out.find("\r\n2024/01/01   00:00:00   "), std::string::npos);
  EXPECT_NE(r.out.find("\r\n2023/12/31   12:00:00   "), std::string::npos);
}

TEST(Cli, TableToAFileAppearsOnlyWhenComplete) {
  const auto dir = std::filesystem::temp_directory_path() / ("korvel-cli-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "moon.tsv").string();
  const CliRun r = cli({"table", "2024-07-05", "08:09:03", "--format", "tsv", "--output", path});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_EQ(ss.str(), fixture("moon31.tsv"));
  EXPECT_FALSE(std::filesystem::exists(path + ".part"));
  std::filesystem::remove_all(dir);
}

}  // namespace korvel::test
