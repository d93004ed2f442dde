#pragma once
// The metric converter's unit table ("metric.txt": one conversion a line,
// fields separated by '|') and the conversions it defines.
#include <string>
#include <vector>

#include "platform/bounded_text.h"

inline constexpr std::size_t kMostMetricRows = 99;

struct MetricRow {
  BoundedText<64> name;     // shown in the list; before " to ": the from-unit
  BoundedText<36> factor;   // a number to multiply by, or "(/N)" to divide by N
  BoundedText<64> toUnit;
  char decimals = '\0';     // '0'..'4'
  char style = '\0';        // 'C' decimal comma, 'S' blank, else a point
};

// Module-wide: the table read when the converter last opened, and the texts
// of its last conversion.
struct MetricState {
  std::vector<MetricRow> rows;
  std::string valueText;
  std::string result;
  void Reset() { *this = MetricState{}; }
};
extern MetricState Metric;

// The rows of a table file's bytes: lines of fewer than 24 characters (the
// line end counted) and lines that begin with a blank or '#' are skipped,
// a line that begins with "### add" ends the table, and at most 99 rows are
// taken. A '%' after a line's last '|' starts a comment.
std::vector<MetricRow> ReadMetricTable(const std::string& bytes);

// The part of a row's name before " to ".
std::string FromUnit(const MetricRow& row);

struct Conversion {
  enum Outcome { Done, BadValue, BadFactor, ZeroDivisor, TooLarge };
  Outcome outcome = Done;
  std::string result;      // the line for the result field (may be empty)
  std::string valueField;  // the value field's new text, when it changes
  bool valueChanged = false;
  std::string valueText;   // the value as it was read
};

// Converts the value field's text (as the field holds it) by `row`.
Conversion Convert(const MetricRow& row, const std::string& field);

// The message box text for an outcome other than Done.
std::string ConversionMessage(const Conversion& c, const MetricRow& row);
