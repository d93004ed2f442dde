// The metric converter: the unit table's reading rules, each kind of
// conversion with its decimals and styles, and the dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <tuple>

#include "module/app_settings.h"
#include "platform/files.h"
#include "platform/scripted_interaction.h"
#include "tests/support/temp_dir.h"
#include "tools/metric_dialog.h"
#include "tools/metric_table.h"

namespace {

MetricRow RowOf(const char* line) {
  std::vector<MetricRow> rows = ReadMetricTable(std::string(line) + "\n");
  EXPECT_EQ(rows.size(), 1u) << line;
  return rows.empty() ? MetricRow{} : rows[0];
}

TEST(MetricTable, SkipAndStopLines) {
  const std::string longName(300, 'n');
  struct Case {
    std::string bytes;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      // 23 characters with the line end: skipped; 24: taken.
      {"abcdefghijklmnopqrstuv\n", {}},
      {"abcdefghijklmnopqrstuvw\n", {"abcdefghijklmnopqrstuvw"}},
      {"# inches to mm|25.4|mm|1|P\n inches to mm|25.4|mm|1|P\ninches to mm|25.4|mm|1|P\n", {"inches to mm"}},
      {"inches to mm|25.4|mm|1|P\n### ADD your conversions below\nfeet to metres|0.3048|m|2|P\n", {"inches to mm"}},
      // A '%' after the fields is a comment; one among them is data.
      {"inches to mm|25.4|mm|1|P % from the handbook\n", {"inches to mm"}},
      {"percent % to ratio|0.01|ratio|2|P %% comment\n", {"percent % to ratio"}},
      // Longer than 255: read in pieces, each judged alone.
      {longName + "|2|x|1|P\n", {longName.substr(0, 63), longName.substr(255, 45).substr(0, 63)}},
  };
  for (const Case& c : cases) {
    std::vector<MetricRow> rows = ReadMetricTable(c.bytes);
    std::vector<std::string> names;
    for (const MetricRow& r : rows) names.push_back(r.name.str());
    EXPECT_EQ(names, c.names) << c.bytes.substr(0, 60);
  }
  std::string many;
  for (int i = 0; i < 150; ++i) many += "pounds to kilograms " + std::to_string(1000 + i) + "|0.4536|kg|2|P\n";
  EXPECT_EQ(ReadMetricTable(many).size(), 99u);

  MetricRow row = RowOf("inches to millimetres|25.4|mm|1|C|ignored");
  EXPECT_EQ(row.factor.str() + row.toUnit.str() + row.decimals + row.style + FromUnit(row), "25.4mm1Cinches");
}

TEST(MetricTable, Conversions) {
  struct Case {
    const char* row;
    const char* value;
    Conversion::Outcome outcome;
    const char* result;
    const char* valueField;  // null: unchanged
  };
  const Case cases[] = {
      {"psi to bar (gauge)|0|bar|1|P", "14.7", Conversion::Done, "14.7 psi (1.0 Bar)", nullptr},
      {"Fahrenheit to Celsius|0|C|1|P", "212", Conversion::Done, "100.0&deg;C", "212 \xB0" "F"},
      {"Celsius to Fahrenheit|0|F|1|P", "100", Conversion::Done, "212.0&deg;F", "100 \xB0" "C"},
      {"Centigrade to Fahrenheit|0|F|1|P", "+5", Conversion::Done, "41.0&deg;F", "+5 \xB0" "C"},
      {"inches to millimetres|25.4|mm|0|C", "2", Conversion::Done, "2 inches (51 mm)", nullptr},
      {"inches to millimetres|25.4|mm|2|C", "10.5", Conversion::Done, "10.5 inches (266,70 mm)", nullptr},
      {"inches to millimetres|25.4|mm|3|S", "1", Conversion::Done, "1 inches (25 400 mm)", nullptr},
      {"inches to millimetres|25.4|mm|5|P", "1", Conversion::Done, "", nullptr},
      {"millimetres to inches|(/25.4)|in.|3|P", "254", Conversion::Done, "254 millimetres (10.000 in.)", nullptr},
      {"millimetres to inches|(/25.4|in.|2|P", "50.8", Conversion::Done, "50.8 millimetres (2.00 in.)", nullptr},
      // The value: cut at its first blank; first and last characters digits.
      {"inches to millimetres|25.4|mm|1|P", "56 8", Conversion::Done, "56 inches (1422.4 mm)", nullptr},
      {"inches to millimetres|25.4|mm|1|P", "56F", Conversion::BadValue, "", nullptr},
      {"inches to millimetres|25.4|mm|1|P", "1.2.3", Conversion::BadValue, "", nullptr},
      {"inches to millimetres|25.4|mm|1|P", "", Conversion::BadValue, "", nullptr},
      {"Fahrenheit to Celsius|0|C|1|P", "212 \xB0" "F", Conversion::BadValue, "", nullptr},
      // A table fault is named, never shown as inf.
      {"widgets to gadgets|(/0)|g|1|P", "5", Conversion::ZeroDivisor, "", nullptr},
      {"widgets to gadgets|(/abc)|g|1|P", "5", Conversion::BadFactor, "", nullptr},
      {"widgets to gadgets|lots|g|1|P", "5", Conversion::BadFactor, "", nullptr},
      {"widgets to gadgets|1e30|g|1|P", "1e30", Conversion::TooLarge, "", nullptr},
  };
  for (const Case& c : cases) {
    Conversion conv = Convert(RowOf(c.row), c.value);
    EXPECT_EQ(std::tie(conv.outcome, conv.result), std::tie(c.outcome, c.result)) << c.row << " / " << c.value;
    EXPECT_EQ(conv.valueChanged ? conv.valueField : "-", c.valueField ? c.valueField : "-") << c.value;
  }
  // The result is never cut, however long the units.
  const std::string unit(55, 'u');
  Conversion longest = Convert(RowOf((unit + " to x|123456789|" + unit + "|4|P").c_str()), "99999999999999999999");
  EXPECT_TRUE(longest.result.starts_with("99999999999999999999 " + unit + " (")) << longest.result;
  EXPECT_TRUE(longest.result.ends_with(".0000 " + unit + ")")) << longest.result;
  EXPECT_GT(longest.result.size(), 150u);
}

class MetricDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings.Reset(); Metric.Reset(); }
  void TearDown() override { Settings.Reset(); Metric.Reset(); }
  TempDir dir_;
  ScriptedInteraction ui_;
};

TEST_F(MetricDialogTest, ListConvertAndMessages) {
  Settings.app.converterFile = dir_.Write("dictionaries/metric.txt",
                                          "# units\r\ninches to millimetres|25.4|mm|1|P\r\n"
                                          "Fahrenheit to Celsius|0|C|1|P\r\nbad divisor here|(/0)|x|1|P\r\n");
  for (const char* a : {"click 370", "type 260 212", "select 262 2", "click 370", "click 370", "type 260 10",
                        "select 262 3", "click 370", "select 262 1", "click 370", "click 263"})
    ui_.QueueAction(a);
  CMetric dialog;
  EXPECT_EQ(dialog.DoModal(), 2);
  const RecordedDialog& d = ui_.Dialogs().at(0);
  EXPECT_EQ(d.opened.caption, "Metric Converter Tool");
  ASSERT_EQ(d.opened.Find(262)->rows.size(), 3u);
  EXPECT_EQ(d.opened.Find(262)->rows[1][0], "Fahrenheit to Celsius");
  std::vector<std::string> boxes;
  for (const auto& b : ui_.Boxes()) boxes.push_back(b.text);
  EXPECT_EQ(boxes, (std::vector<std::string>{
                       "Select a conversion for the VALUE.",
                       "Enter a numerical value.\nExample 56.8, not 56F or 56 inches.",
                       "Error in metric.txt: the conversion \"bad divisor here\" divides by zero.",
                   }));
  EXPECT_EQ(Metric.result, "10 inches (254.0 mm)");
  EXPECT_EQ(d.closed.Find(260)->text + d.closed.Find(261)->text, "");  // cleared
  // Close empties the list.
  EXPECT_TRUE(d.closed.Find(262)->rows.empty());
}

TEST_F(MetricDialogTest, TheBundledTableConvertsEachKind) {
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(std::string(KESTA_SOURCE_DIR) + "/data/custom/dictionaries/metric.txt", &bytes));
  std::vector<MetricRow> rows = ReadMetricTable(bytes);
  ASSERT_GE(rows.size(), 20u);
  auto endsWith = [](const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           std::equal(tail.rbegin(), tail.rend(), text.rbegin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) ==
                                                  std::tolower(static_cast<unsigned char>(b)); });
  };
  for (const MetricRow& row : rows) {
    Conversion c = Convert(row, "10");
    EXPECT_EQ(c.outcome, Conversion::Done) << row.name.str();
    // Each row gives the unit it names, also the rows with rules of their own.
    const std::string unit = row.toUnit.str();
    EXPECT_TRUE(endsWith(c.result, " " + unit + ")") || endsWith(c.result, "&deg;" + unit))
        << row.name.str() << ": " << c.result;
  }
  struct Case {
    const char* name;
    const char* value;
    const char* result;
  };
  for (const Case& k : {Case{"psi to bar", "262", "262 psi (18.1 Bar)"},
                        Case{"pounds per square inch to kilopascals", "100", "100 pounds per square inch (689.5 kPa)"}}) {
    auto row = std::find_if(rows.begin(), rows.end(), [&](const MetricRow& r) { return r.name.str() == k.name; });
    ASSERT_NE(row, rows.end()) << k.name;
    EXPECT_EQ(Convert(*row, k.value).result, k.result);
  }
}

}  // namespace
