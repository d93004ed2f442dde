#include "tools/metric_table.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

MetricState Metric;

namespace {

constexpr std::size_t kPieceLength = 255;  // what one read of a line takes
constexpr std::size_t kShortestLine = 24;
constexpr std::size_t kValueLength = 35;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(const std::string& s, const char* prefix) {
  std::size_t n = std::strlen(prefix);
  if (s.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

// The line without its end; a '%' after the last '|' and what follows it
// cut away (a '%' among the fields is data).
std::string RowText(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  std::size_t percent = line.rfind('%');
  if (percent != std::string::npos && line.find('|', percent) == std::string::npos) line.resize(percent);
  return line;
}

MetricRow ParseRow(const std::string& text) {
  MetricRow row;
  std::size_t start = 0;
  for (int field = 0; field < 5 && start <= text.size(); ++field) {
    std::size_t end = text.find('|', start);
    if (end == std::string::npos) end = text.size();
    std::string_view value(text.data() + start, end - start);
    switch (field) {
      case 0: row.name.assign(value); break;
      case 1: row.factor.assign(value); break;
      case 2: row.toUnit.assign(value); break;
      case 3: row.decimals = value.empty() ? '\0' : value[0]; break;
      case 4: row.style = value.empty() ? '\0' : value[0]; break;
    }
    start = end + 1;
  }
  return row;
}

// A whole decimal number (blanks around it allowed); false for anything else.
bool ReadNumber(std::string_view text, double* out) {
  std::string s(text);
  const char* begin = s.c_str();
  char* end = nullptr;
  errno = 0;
  double v = std::strtod(begin, &end);
  if (end == begin) return false;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0' || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

std::string Format(const char* format, double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

std::vector<MetricRow> ReadMetricTable(const std::string& bytes) {
  std::vector<MetricRow> rows;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t nl = bytes.find('\n', at);
    std::string line = bytes.substr(at, nl == std::string::npos ? std::string::npos : nl + 1 - at);
    at = nl == std::string::npos ? bytes.size() : nl + 1;
    // A text-mode read sees a line end as one character.
    if (line.size() >= 2 && line.ends_with("\r\n")) line.erase(line.size() - 2, 1);
    for (std::size_t p = 0; p < line.size(); p += kPieceLength) {
      std::string piece = line.substr(p, kPieceLength);
      if (piece.size() < kShortestLine) continue;
      if (StartsWithNoCase(piece, "### add")) return rows;
      if (piece[0] == ' ' || piece[0] == '#') continue;
      if (rows.size() == kMostMetricRows) return rows;
      rows.push_back(ParseRow(RowText(piece)));
    }
  }
  return rows;
}

std::string FromUnit(const MetricRow& row) {
  std::string name = row.name.str();
  std::size_t to = name.find(" to ");
  return to == std::string::npos ? name : name.substr(0, to);
}

Conversion Convert(const MetricRow& row, const std::string& field) {
  Conversion c;
  const std::string asRead = field.substr(0, kValueLength);
  std::string text = asRead;
  std::size_t cut = text.find_first_of(" \n");
  if (cut != std::string::npos) text.resize(cut);
  c.valueText = text;
  // A sign may lead ("-40" Fahrenheit); the number must be whole.
  const std::size_t firstDigit = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  double value = 0;
  if (text.size() <= firstDigit || !IsDigit(text[firstDigit]) || !IsDigit(asRead.back()) ||
      !ReadNumber(text, &value)) {
    c.outcome = Conversion::BadValue;
    return c;
  }

  const std::string from = FromUnit(row);
  const char degree = static_cast<char>(0xB0);
  if (from.starts_with("psi")) {
    float bar = static_cast<float>(value * 0.06895);
    if (!std::isfinite(bar)) {
      c.outcome = Conversion::TooLarge;
      return c;
    }
    c.result = text + " psi (" + Format("%1.1f Bar", bar) + ")";
    return c;
  }
  if (from.starts_with("Fahren")) {
    float celsius = static_cast<float>((value - 32) / 9 * 5);
    if (!std::isfinite(celsius)) {
      c.outcome = Conversion::TooLarge;
      return c;
    }
    c.valueField = text + " " + degree + "F";
    c.valueChanged = true;
    c.result = Format("%1.1f", celsius) + "&deg;C";
    return c;
  }
  if (from.starts_with("Celsius") || from.starts_with("Centigrade")) {
    float fahrenheit = static_cast<float>(value / 5 * 9 + 32);
    if (!std::isfinite(fahrenheit)) {
      c.outcome = Conversion::TooLarge;
      return c;
    }
    c.valueField = text + " " + degree + "C";
    c.valueChanged = true;
    c.result = Format("%1.1f", fahrenheit) + "&deg;F";
    return c;
  }

  const std::string factor = row.factor.str();
  float number = 0;
  if (factor.size() >= 2 && factor[0] == '(' && factor[1] == '/') {
    std::size_t close = factor.find(')', 2);
    double divisor = 0;
    if (!ReadNumber(factor.substr(2, close == std::string::npos ? std::string::npos : close - 2), &divisor)) {
      c.outcome = Conversion::BadFactor;
      return c;
    }
    if (static_cast<float>(divisor) == 0.0f) {
      c.outcome = Conversion::ZeroDivisor;
      return c;
    }
    number = static_cast<float>(value / static_cast<float>(divisor));
  } else {
    double multiplier = 0;
    if (!ReadNumber(factor, &multiplier)) {
      c.outcome = Conversion::BadFactor;
      return c;
    }
    number = static_cast<float>(value * multiplier);
  }
  if (!std::isfinite(number)) {
    c.outcome = Conversion::TooLarge;
    return c;
  }
  static const char* const kFormats[] = {"%0.0f", "%1.1f", "%2.2f", "%3.3f", "%4.4f"};
  if (row.decimals < '0' || row.decimals > '4') return c;  // no result, as the table asks
  std::string shown = Format(kFormats[row.decimals - '0'], number);
  if (row.decimals != '0') {
    std::size_t point = shown.find('.');
    if (point != std::string::npos && row.style == 'C') shown[point] = ',';
    if (point != std::string::npos && row.style == 'S') shown[point] = ' ';
  }
  // Every part whole: the result line is never cut.
  c.result = text + " " + from + " (" + shown + " " + row.toUnit.str() + ")";
  return c;
}

std::string ConversionMessage(const Conversion& c, const MetricRow& row) {
  switch (c.outcome) {
    case Conversion::BadValue: return "Enter a numerical value.\nExample 56.8, not 56F or 56 inches.";
    case Conversion::BadFactor:
      return "Error in metric.txt: the factor of \"" + row.name.str() + "\" is not a number: " + row.factor.str();
    case Conversion::ZeroDivisor:
      return "Error in metric.txt: the conversion \"" + row.name.str() + "\" divides by zero.";
    case Conversion::TooLarge: return "The VALUE is too large for the conversion \"" + row.name.str() + "\".";
    case Conversion::Done: break;
  }
  return {};
}
