#include "cli/cli.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <unistd.h>

#include "core/app.h"
#include "core/outfile.h"

#ifndef KORVEL_VERSION
#define KORVEL_VERSION "1.96"
#endif

namespace korvel::cli {

namespace {

using core::App;
using core::HeadlessPlatform;
using core::LocalTime;

constexpr const char* kUsage =
    "usage: korvel-cli calc YYYY-MM-DD HH:MM:SS [--delta-t SECONDS] [--reference JD] [--age] [--json]\n"
    "       korvel-cli table YYYY-MM-DD HH:MM:SS [--unit year|month|day|hour|minute|second] [--step N]\n"
    "                  [--past] [--count N] [--format csv|tsv|list] [--encoding cp932|utf-8]\n"
    "                  [--delta-t SECONDS] [--reference JD] [--rebase] [--output FILE]\n"
    "       korvel-cli --help | --version\n"
    "\n"
    "calc   prints every result of one instant (Japan Standard Time) as the main window shows it.\n"
    "table  steps the instant like the continuous calculation and writes one line per instant,\n"
    "       as the program's file output (csv, tsv) or its data window (list) does.\n";

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

bool isDigits(const std::string& s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

long long toInteger(const std::string& s, const std::string& what) {
  long long v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) throw Failure(what + " is not a whole number: " + s);
  return v;
}

// A plain decimal number (optional sign, digits, point, exponent).
void requireNumber(const std::string& s, const std::string& what) {
  double v = 0;
  const char* first = s.data();
  if (!s.empty() && s[0] == '+') ++first;
  const auto r = std::from_chars(first, s.data() + s.size(), v);
  if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size())
    throw Failure(what + " is not a number: " + s);
}

int monthDays(int year, int month) {
  static constexpr int kDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // The entry fields count every fourth year as a leap year.
  return month == 2 && year % 4 == 0 ? 29 : kDays[month];
}

LocalTime parseInstant(const std::string& date, const std::string& time) {
  LocalTime t;
  const bool dateShape = date.size() >= 10 && date[date.size() - 3] == '-' && date[date.size() - 6] == '-';
  if (!dateShape) throw Failure("the date must be YYYY-MM-DD: " + date);
  const std::string y = date.substr(0, date.size() - 6);
  const std::string m = date.substr(date.size() - 5, 2);
  const std::string d = date.substr(date.size() - 2);
  if (!isDigits(y) || !isDigits(m) || !isDigits(d) || y.size() < 4) throw Failure("the date must be YYYY-MM-DD: " + date);
  if (time.size() != 8 || time[2] != ':' || time[5] != ':' || !isDigits(time.substr(0, 2)) ||
      !isDigits(time.substr(3, 2)) || !isDigits(time.substr(6, 2)))
    throw Failure("the time must be HH:MM:SS: " + time);
  if (y.size() > 5) throw Failure("the year is after 32767: " + y);
  t.year = static_cast<int>(toInteger(y, "the year"));
  t.month = static_cast<int>(toInteger(m, "the month"));
  t.day = static_cast<int>(toInteger(d, "the day"));
  t.hour = static_cast<int>(toInteger(time.substr(0, 2), "the hour"));
  t.minute = static_cast<int>(toInteger(time.substr(3, 2), "the minute"));
  t.second = static_cast<int>(toInteger(time.substr(6, 2), "the second"));
  if (t.year < 1583) throw Failure("the year is before 1583, which the Julian day does not admit: " + y);
  if (t.year > 32767) throw Failure("the year is after 32767: " + y);
  if (t.month < 1 || t.month > 12) throw Failure("the month is outside 1-12: " + m);
  if (t.day < 1 || t.day > monthDays(t.year, t.month))
    throw Failure("the day is outside 1-" + std::to_string(monthDays(t.year, t.month)) + " for that month: " + d);
  if (t.hour > 23 || t.minute > 59 || t.second > 59) throw Failure("the time is outside 00:00:00-23:59:59: " + time);
  return t;
}

struct Options {
  std::string command;
  LocalTime instant;
  std::optional<std::string> deltaT;
  std::optional<std::string> reference;
  bool json = false;
  bool age = false;
  // table
  int unit = 3;
  int step = 1;
  bool past = false;
  long long count = 31;
  std::string format = "csv";
  std::optional<std::string> encoding;
  bool rebase = false;
  std::optional<std::string> output;
};

Options parse(const std::vector<std::string>& args) {
  Options o;
  o.command = args[0];
  const bool table = o.command == "table";
  std::vector<std::string> positional;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](const std::string& name) -> std::string {
      if (i + 1 >= args.size()) throw Failure(name + " needs a value");
      return args[++i];
    };
    if (a == "--delta-t") {
      o.deltaT = value(a);
      requireNumber(*o.deltaT, "--delta-t");
    } else if (a == "--reference") {
      o.reference = value(a);
      requireNumber(*o.reference, "--reference");
    } else if (a == "--json" && !table) {
      o.json = true;
    } else if (a == "--age" && !table) {
      o.age = true;
    } else if (a == "--unit" && table) {
      static const std::pair<const char*, int> units[] = {{"year", 1},   {"month", 2},  {"day", 3},
                                                           {"hour", 7},   {"minute", 8}, {"second", 9}};
      const std::string u = value(a);
      o.unit = 0;
      for (const auto& [name, code] : units)
        if (u == name) o.unit = code;
      if (o.unit == 0) throw Failure("unknown --unit: " + u + " (year, month, day, hour, minute or second)");
    } else if (a == "--step" && table) {
      const long long s = toInteger(value(a), "--step");
      if (s < 1 || s > 3600) throw Failure("--step must be 1-3600");
      o.step = static_cast<int>(s);
    } else if (a == "--past" && table) {
      o.past = true;
    } else if (a == "--count" && table) {
      o.count = toInteger(value(a), "--count");
      if (o.count < 1 || o.count > 1000000) throw Failure("--count must be 1-1000000");
    } else if (a == "--format" && table) {
      o.format = value(a);
      if (o.format != "csv" && o.format != "tsv" && o.format != "list")
        throw Failure("unknown --format: " + o.format + " (csv, tsv or list)");
    } else if (a == "--encoding" && table) {
      o.encoding = value(a);
      if (*o.encoding != "cp932" && *o.encoding != "utf-8")
        throw Failure("unknown --encoding: " + *o.encoding + " (cp932 or utf-8)");
    } else if (a == "--rebase" && table) {
      o.rebase = true;
    } else if (a == "--output" && table) {
      o.output = value(a);
      if (o.output->empty()) throw Failure("--output needs a file name");
    } else if (a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9')) {
      throw Failure("unknown option: " + a);
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 2) throw Failure("expected a date and a time: YYYY-MM-DD HH:MM:SS");
  o.instant = parseInstant(positional[0], positional[1]);
  return o;
}

// Start-up at the instant, then the options, then one recalculation.
void start(App& app, const Options& o) {
  app.Form_Load();
  if (o.deltaT) {
    app.Check3.setValue(0);
    app.Text12.setText(*o.deltaT);
  }
  if (o.reference) app.Text13.setText(*o.reference);
  app.recalc();
}

std::string jsonString(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

std::string twoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

int calc(const Options& o, std::FILE* out) {
  HeadlessPlatform platform;
  platform.clock = o.instant;
  App app(platform);
  start(app, o);
  std::string stop;
  if (o.age) {
    app.agecalc();
    if (app.searchStop) {
      const LocalTime& t = *app.searchStop;
      stop = std::to_string(t.year) + "-" + twoDigits(t.month) + "-" + twoDigits(t.day) + " " + twoDigits(t.hour) +
             ":" + twoDigits(t.minute) + ":" + twoDigits(t.second);
    }
  }
  std::vector<std::pair<std::string, std::string>> rows = {
      {"delta_t", app.Text12.text()},          {"julian_day", app.Text4.text()},
      {"sun_longitude", app.Text5.text()},     {"sun_distance", app.Text15.text()},
      {"moon_longitude", app.Text6.text()},    {"moon_latitude", app.Text20.text()},
      {"moon_distance", app.Text16.text()},    {"phase_angle", app.Text10.text()},
      {"illuminated_fraction", app.Text11.text()}, {"reference", app.Text13.text()},
      {"age", app.Text14.text()},
  };
  if (o.age) rows.emplace_back("new_moon", stop);
  std::string text;
  if (o.json) {
    text = "{";
    for (std::size_t i = 0; i < rows.size(); ++i)
      text += (i ? ", " : "") + jsonString(rows[i].first) + ": " + jsonString(rows[i].second);
    text += "}\n";
  } else {
    for (const auto& [key, value] : rows) text += key + "\t" + value + "\n";
  }
  std::fwrite(text.data(), 1, text.size(), out);
  return std::fflush(out) == 0 ? 0 : 2;
}

// Where the table goes: standard output, or a file written beside its final
// name and put in place only when complete.
class Sink {
 public:
  Sink(std::FILE* out, const std::optional<std::string>& path) : out_(out) {
    if (!path) return;
    path_ = *path;
    temp_ = *path + ".part";
    errno = 0;
    file_ = std::fopen(temp_.c_str(), "wb");
    if (!file_) throw Failure("cannot create " + *path + ": " + std::strerror(errno));
    out_ = file_;
  }
  ~Sink() {
    if (file_) {
      std::fclose(file_);
      std::remove(temp_.c_str());
    }
  }
  void write(const std::string& bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), out_) != bytes.size()) fail();
  }
  void finish() {
    if (std::fflush(out_) != 0) fail();
    if (!file_) return;
    std::FILE* f = file_;
    file_ = nullptr;
    if (std::fclose(f) != 0) {
      const int e = errno;
      std::remove(temp_.c_str());
      throw Failure("cannot write " + path_ + ": " + std::strerror(e));
    }
    if (std::rename(temp_.c_str(), path_.c_str()) != 0) {
      const int e = errno;
      std::remove(temp_.c_str());
      throw Failure("cannot write " + path_ + ": " + std::strerror(e));
    }
  }

 private:
  [[noreturn]] void fail() {
    throw Failure("cannot write " + (path_.empty() ? std::string("the output") : path_) + ": " +
                  std::strerror(errno ? errno : EIO));
  }
  std::FILE* out_;
  std::FILE* file_ = nullptr;
  std::string path_;
  std::string temp_;
};

int table(const Options& o, std::FILE* out) {
  HeadlessPlatform platform;
  platform.clock = o.instant;
  App app(platform);
  start(app, o);
  if (o.rebase) app.Check1.setValue(1);
  core::OptionButton* units[10] = {nullptr, &app.Option3, &app.Option4, &app.Option5, nullptr, nullptr,
                                   nullptr, &app.Option6, &app.Option7, &app.Option8};
  units[o.unit]->select();
  if (o.past) app.Option9.select();
  app.Text17.setText(std::to_string(o.step));
  app.startContinuous();

  const bool list = o.format == "list";
  const bool utf8 = o.encoding ? *o.encoding == "utf-8" : list;
  app.st.filetype = list ? "csv" : o.format;
  auto encode = [&](const std::string& line) {
    const std::string l = line.back() == '\n' ? line : line + "\r\n";
    return utf8 ? l : core::toCp932(l);
  };

  Sink sink(out, o.output);
  if (list) {
    sink.write(encode(app.st.apptitle));
    sink.write(encode(""));
    sink.write(encode(core::kListHeading));
  } else {
    sink.write(encode(app.st.apptitle));
    sink.write(encode(app.fileColumnsLine()));
  }
  for (long long n = 0; n < o.count; ++n) {
    if (n > 0) app.Timer1_Timer();
    sink.write(encode(list ? app.listLineText() : app.fileLineText()));
  }
  sink.finish();
  return 0;
}

}  // namespace

int run(const std::vector<std::string>& args, std::FILE* out, std::FILE* err) {
  try {
    if (args.empty()) throw Failure("a command is needed: calc or table (see --help)");
    if (args[0] == "--help" || args[0] == "-h") {
      std::fputs(kUsage, out);
      return 0;
    }
    if (args[0] == "--version") {
      std::fputs("korvel-cli " KORVEL_VERSION "\n", out);
      return 0;
    }
    if (args[0] != "calc" && args[0] != "table") throw Failure("unknown command: " + args[0] + " (calc or table)");
    for (const std::string& a : args)
      if (a == "--help" || a == "-h") {
        std::fputs(kUsage, out);
        return 0;
      }
    const Options o = parse(args);
    return o.command == "calc" ? calc(o, out) : table(o, out);
  } catch (const Failure& f) {
    std::fprintf(err, "korvel-cli: %s\n", f.what());
    return 2;
  }
}

}  // namespace korvel::cli
