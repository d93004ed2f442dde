#include "engine/name_lists.h"

#include <cstring>
#include <string>
#include <string_view>

#include "engine/ascii_text.h"
#include "engine/neighbours.h"

namespace {

const char* const kMonthAndDayNames[] = {
    "April",   "August",  "December", "February", "Friday",    "January",  "June",
    "July",    "May",     "March",    "Monday",   "November",  "October",  "September",
    "Saturday", "Sunday", "Tuesday",  "Thursday",
};

// A key of the name-context list: compared whole (prefix 0) or on its first
// `prefix` characters.
struct NameKey {
  const char* key;
  int prefix;
};
constexpr int kWhole = 0;
constexpr int Own(const char* k) { return static_cast<int>(std::char_traits<char>::length(k)); }

const NameKey kNameContextWords[] = {
    {"Airport", Own("Airport")}, {"Airline", Own("Airline")}, {"Airforce", kWhole},
    {"Australia", kWhole}, {"Army", kWhole}, {"Asia", kWhole}, {"Africa", kWhole},
    {"Americas", kWhole}, {"Association", kWhole}, {"Agenc", Own("Agenc")},
    {"Aviation", kWhole}, {"Attorney", kWhole}, {"Ave.", kWhole},
    {"applicant", Own("applicant")}, {"Administrator", Own("Administrator")}, {"Avenue", kWhole},

    {"building", kWhole}, {"Boulevard", kWhole}, {"Bureau", Own("Bureau")}, {"Blvd.", Own("Blvd.")},

    {"Canada", kWhole}, {"Company", kWhole}, {"College", kWhole}, {"Chairman", kWhole},
    {"Crown", kWhole}, {"co-pilot", kWhole}, {"Chief", kWhole}, {"Commissioner", kWhole},
    {"Contractor", 9}, {"customer", Own("customer")}, {"Committee", Own("Committee")},

    {"Director", kWhole}, {"Department", kWhole}, {"Drive", kWhole}, {"Driver", Own("Driver")},
    {"Doctor", Own("Doctor")}, {"Depot", Own("Depot")},

    {"explain", Own("explain")}, {"expect", 5}, {"Europe", 5}, {"European", 5}, {"East", kWhole},

    {"France", kWhole}, {"french", kWhole}, {"former", kWhole}, {"Founder", kWhole},
    {"Floor", Own("Floor")},

    {"Government", kWhole}, {"Group", Own("Group")},

    {"highway", kWhole}, {"Hwy.", kWhole}, {"Heights", kWhole},

    {"Japan", kWhole}, {"Japanese", kWhole}, {"joint", kWhole},

    {"Kingdom", kWhole}, {"kin", kWhole},

    {"Ltd.", kWhole}, {"lane", kWhole},

    {"Mexico", kWhole}, {"Mexican", kWhole}, {"Ministry", kWhole}, {"Minister", kWhole},
    {"Managing", kWhole},

    {"Navy", kWhole}, {"naval", kWhole}, {"noted", kWhole}, {"North", kWhole}, {"National", kWhole},

    {"Office", kWhole}, {"Officer", Own("Officer")}, {"Operator", Own("Operator")},
    {"Official", Own("Official")},

    {"Premier", kWhole}, {"persons", kWhole}, {"people", kWhole}, {"Pilot", Own("Pilot")},
    {"personnel", kWhole}, {"Physician", Own("Physician")}, {"Programmer", Own("Programmer")},
    {"patent", Own("patent")}, {"Park", kWhole}, {"Principal", kWhole},

    {"Rd.", kWhole}, {"Rue", kWhole}, {"Regional", kWhole}, {"Road", kWhole},

    {"St.", kWhole}, {"says", kWhole}, {"said", kWhole}, {"stated", kWhole}, {"Standard", kWhole},
    {"Senate", kWhole}, {"Spanish", kWhole}, {"Senior", kWhole}, {"Sir", kWhole},
    {"Staff", kWhole}, {"sea", kWhole}, {"Suite", kWhole}, {"School", Own("School")},
    {"South", kWhole}, {"Street", kWhole},

    {"Town", kWhole}, {"told", kWhole}, {"technician", Own("technician")}, {"Taiwan", kWhole},

    {"University", kWhole}, {"Unit", kWhole},

    {"Vietnam", kWhole}, {"Vice", kWhole},

    {"who", kWhole}, {"West", kWhole}, {"wrote", kWhole},
};

const char* const kStateCodes[] = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "GU", "HI", "IA",
    "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS", "MT",
    "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA", "PR", "RI",
    "SC", "SD", "TN", "TX", "UT", "VA", "VR", "VT", "WA", "WI", "WV", "WY", "YS",
};

// State names, and single words of the two-word names ("North" Carolina,
// New "Hampshire", "Rhode" Island, South "Dakota").
const char* const kStateNames[] = {
    "Alabama",  "Arkansas",  "Alaska",     "Arizona",       "California", "Colorado",
    "Carolina", "Connecticut", "Dakota",   "Delaware",      "Florida",    "Guam",
    "Georgia",  "Hampshire", "Hawaii",     "Iowa",          "Idaho",      "Indiana",
    "Illinois",
    "Louisiana", "Michigan", "Maine",      "Mexico",        "Minnesota",  "Mississippi",
    "Missouri", "Maryland",  "Montana",    "Massachusetts", "Nebraska",   "North",
    "Nevada",   "Ohio",      "Oregon",     "Oklahoma",      "Puerto",     "Pennsylvania",
    "Rhode",    "South",     "Texas",      "Tennessee",     "Utah",       "Vermont",
    "Virginia", "Washington", "West",      "Wisconsin",     "Wyoming",
};
// For the initials J, K and Y any of these four counts.
const char* const kStateNamesJKY[] = {"Jersey", "York", "Kansas", "Kentucky"};

struct ControlKey {
  const char* key;
  bool prefix;
};
const ControlKey kControlWords[] = {
    {"switch", true},   {"window", true},       {"relay", true},     {"screen", true},
    {"button", true},   {"command", true},      {"key", true},       {"label", true},
    {"level", true},    {"mode", true},         {"state", false},    {"application", false},
    {"function", false}, {"control", false},    {"instructions", false}, {"position", false},
    {"link", false},
};

}  // namespace

int IsMonthOrDayName(const char* s) {
  if (!s || !IsAsciiLower(s[0])) return -1;
  for (const char* name : kMonthAndDayNames)
    if (AsciiLower(name[0]) == s[0] && EqualsNoCase(s, name)) return 1;
  return -1;
}

int IsNameContextWord(const char* s) {
  if (!s || !IsAsciiLetter(s[0])) return -1;
  const char group = AsciiUpper(s[0]);
  if (group == 'I' || group == 'Q' || group == 'X' || group == 'Y' || group == 'Z') return -1;
  for (const NameKey& k : kNameContextWords) {
    if (AsciiUpper(k.key[0]) != group) continue;
    bool hit = k.prefix == kWhole ? std::strcmp(s, k.key) == 0
                                  : std::strncmp(s, k.key, static_cast<std::size_t>(k.prefix)) == 0;
    if (hit) return 1;
  }
  return -1;
}

int IsStateName(const char* s, int mode) {
  if (!s || !IsAsciiUpper(s[0])) return -1;
  if (mode == 1) {
    for (const char* code : kStateCodes)
      if (std::strcmp(s, code) == 0) return 1;
    return -1;
  }
  if (mode != 2) return -1;
  if (s[0] == 'J' || s[0] == 'K' || s[0] == 'Y') {
    for (const char* name : kStateNamesJKY)
      if (EqualsNoCase(s, name)) return 1;
    return -1;
  }
  for (const char* name : kStateNames)
    if (name[0] == s[0] && EqualsNoCase(s, name)) return 1;
  return -1;
}

int NextIsControlWord(const WordRec* word) {
  const WordRec* next = Next(word);
  if (!next) return 0;
  std::string_view t = next->text.view();
  for (const ControlKey& k : kControlWords) {
    std::string_view key = k.key;
    if (k.prefix ? t.substr(0, key.size()) == key : t == key) return 1;
  }
  return 0;
}
