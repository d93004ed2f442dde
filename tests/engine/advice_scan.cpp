#include "tests/engine/advice_scan.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string_view>
#include <tuple>

#include "tests/engine/cpp_tokens.h"

namespace {

using cpp_source::BracketPartners;
using cpp_source::Kind;
using cpp_source::kNone;
using cpp_source::LexCpp;
using cpp_source::Token;

// A function definition, or a function-like macro.
struct Func {
  std::size_t file;
  std::string name;
  std::size_t nameAt;
  std::vector<std::string> params;
  std::vector<std::string> returnType;  // the names before the function's name
  std::size_t bodyBegin, bodyEnd;       // the tokens inside its braces
};

struct Range {
  std::size_t begin, end;
};

class Scanner {
 public:
  explicit Scanner(const std::vector<SourceFile>& files) {
    for (const SourceFile& f : files) {
      names_.push_back(f.name);
      tokens_.emplace_back();
      LexCpp(f.text, 1, tokens_.back());
      match_.push_back(BracketPartners(tokens_.back()));
    }
    for (std::size_t f = 0; f < tokens_.size(); ++f) FindFunctions(f);
  }

  std::vector<AdviceText> Run() {
    for (std::size_t f = 0; f < tokens_.size(); ++f) Seeds(f);
    return std::move(out_);
  }

 private:
  const Token& T(std::size_t f, std::size_t k) const {
    static const Token kEnd{Kind::Other, "", 0};
    return k < tokens_[f].size() ? tokens_[f][k] : kEnd;
  }
  bool Is(std::size_t f, std::size_t k, std::string_view text) const {
    return T(f, k).kind != Kind::Literal && T(f, k).text == text;
  }
  bool IsMemberAccess(std::size_t f, std::size_t k) const { return k > 0 && (Is(f, k - 1, ".") || Is(f, k - 1, "->")); }

  // The token after the one at k, a bracketed group taken whole.
  std::size_t Next(std::size_t f, std::size_t k) const {
    const std::size_t m = match_[f][k];
    const std::string& s = T(f, k).text;
    const bool opens = T(f, k).kind == Kind::Punct && (s == "(" || s == "[" || s == "{" || s == "#define");
    return opens && m != kNone ? m + 1 : k + 1;
  }

  // The end of the expression that starts at k: the next ';' or ',' outside
  // brackets, or the bracket that closes around it.
  std::size_t End(std::size_t f, std::size_t k) const {
    for (; k < tokens_[f].size(); k = Next(f, k)) {
      const Token& t = T(f, k);
      if (t.kind == Kind::Punct &&
          (t.text == ";" || t.text == "," || t.text == ")" || t.text == "}" || t.text == "]" || t.text == "#end"))
        return k;
    }
    return k;
  }

  // The parts of [b, e) between the commas outside brackets.
  std::vector<Range> Split(std::size_t f, std::size_t b, std::size_t e) const {
    std::vector<Range> parts;
    if (b >= e) return parts;
    std::size_t from = b;
    for (std::size_t k = b; k < e; k = Next(f, k)) {
      if (Is(f, k, ",")) {
        parts.push_back({from, k});
        from = k + 1;
      }
    }
    parts.push_back({from, e});
    return parts;
  }

  void FindFunctions(std::size_t f) {
    static const std::set<std::string> kNotFunctions = {"if",      "for",      "while",    "switch",
                                                        "catch",   "return",   "sizeof",   "static_assert",
                                                        "alignof", "decltype", "noexcept", "requires"};
    const std::vector<Token>& t = tokens_[f];
    for (std::size_t k = 0; k + 1 < t.size(); ++k) {
      if (Is(f, k, "#define") && T(f, k + 1).kind == Kind::Ident && Is(f, k + 2, "(") && match_[f][k + 2] != kNone &&
          match_[f][k] != kNone) {
        Func fn{f, t[k + 1].text, k + 1, {}, {}, match_[f][k + 2] + 1, match_[f][k]};
        for (const Range& p : Split(f, k + 3, match_[f][k + 2])) fn.params.push_back(T(f, p.begin).text);
        funcs_.push_back(fn);
        continue;
      }
      if (t[k].kind != Kind::Ident || kNotFunctions.count(t[k].text) || !Is(f, k + 1, "(") || IsMemberAccess(f, k) ||
          (k > 0 && Is(f, k - 1, "#define")))
        continue;
      const std::size_t close = match_[f][k + 1];
      if (close == kNone) continue;
      std::size_t body = close + 1;
      while (Is(f, body, "const") || Is(f, body, "noexcept") || Is(f, body, "override")) ++body;
      if (!Is(f, body, "{") || match_[f][body] == kNone) continue;
      Func fn{f, t[k].text, k, {}, {}, body + 1, match_[f][body]};
      for (const Range& p : Split(f, k + 2, close)) {
        std::size_t end = p.begin;
        while (end < p.end && !Is(f, end, "=")) end = Next(f, end);
        const bool named = end - p.begin >= 2 && T(f, end - 1).kind == Kind::Ident;
        fn.params.push_back(named ? T(f, end - 1).text : std::string());
      }
      for (std::size_t b = k; b-- > 0;) {
        const Token& r = t[b];
        if (r.kind == Kind::Literal || r.text == ";" || r.text == "{" || r.text == "}" || r.text == ")" ||
            r.text == "#end")
          break;
        if (r.kind == Kind::Ident) fn.returnType.push_back(r.text);
      }
      funcs_.push_back(fn);
    }
  }

  // The innermost function whose body holds the token, or -1.
  int Enclosing(std::size_t f, std::size_t k) const {
    int best = -1;
    for (std::size_t i = 0; i < funcs_.size(); ++i) {
      const Func& fn = funcs_[i];
      if (fn.file == f && fn.bodyBegin <= k && k < fn.bodyEnd &&
          (best < 0 || fn.bodyBegin > funcs_[static_cast<std::size_t>(best)].bodyBegin))
        best = static_cast<int>(i);
    }
    return best;
  }

  void Record(std::size_t f, std::size_t k) {
    const std::string& text = T(f, k).text;
    if (endingsLeftOut_ && !text.empty() && text[0] != ' ' && text[0] != '/') return;
    const std::string place = names_[f] + ":" + std::to_string(T(f, k).line);
    if (seen_.insert({place, T(f, k).text}).second) out_.push_back({place, T(f, k).text});
  }

  // The texts where a word's advice is written.
  void Seeds(std::size_t f) {
    const std::size_t n = tokens_[f].size();
    for (std::size_t k = 0; k < n; ++k) {
      const Token& t = T(f, k);
      if (t.kind != Kind::Ident) continue;
      // A member, or the member itself in a method of its struct.
      const bool adviceMember = (t.text == "suggestion" || t.text == "advice") &&
                                (IsMemberAccess(f, k) || (k > 0 && (Is(f, k - 1, "{") || Is(f, k - 1, ";"))));
      if (adviceMember && Is(f, k + 1, "=")) {
        Expr(f, k + 2, End(f, k + 2));
      } else if (adviceMember && Is(f, k + 1, ".") && (Is(f, k + 2, "format") || Is(f, k + 2, "assign")) &&
                 Is(f, k + 3, "(")) {
        Expr(f, k + 4, End(f, k + 4));
      } else if (Is(f, k + 1, "(") && !IsMemberAccess(f, k) && match_[f][k + 1] != kNone) {
        const std::vector<Range> args = Split(f, k + 2, match_[f][k + 1]);
        if ((t.text == "WriteSuggestion" || t.text == "FormatSuggestion") && args.size() >= 2) {
          Expr(f, args[1].begin, args[1].end);
        } else if (t.text == "FormatShortText" || t.text == "FormatBounded") {
          const std::size_t format = t.text == "FormatBounded" ? 2 : 1;
          const Range dest = args.empty() ? Range{k, k} : args[0];
          const bool intoAdvice =
              dest.end > dest.begin && (Is(f, dest.end - 1, "suggestion") || Is(f, dest.end - 1, "advice"));
          if (intoAdvice && args.size() > format) Expr(f, args[format].begin, args[format].end);
        }
      }
    }
  }

  // An expression whose value becomes advice.
  void Expr(std::size_t f, std::size_t b, std::size_t e) {
    if (b >= e) return;
    // A conditional: both results, never the condition.
    for (std::size_t q = b; q < e; q = Next(f, q)) {
      if (!Is(f, q, "?")) continue;
      int nested = 0;
      for (std::size_t k = q + 1; k < e; k = Next(f, k)) {
        if (Is(f, k, "?")) ++nested;
        if (Is(f, k, ":") && nested-- == 0) {
          Expr(f, q + 1, k);
          Expr(f, k + 1, e);
          return;
        }
      }
      return;
    }
    // The text itself, or a part of it: "x.c_str()", "x.substr(0, 83)".
    while (Is(f, e - 1, ")") && match_[f][e - 1] != kNone && match_[f][e - 1] >= b + 3) {
      const std::size_t method = match_[f][e - 1] - 1;
      if (!IsMemberAccess(f, method) ||
          !(Is(f, method, "view") || Is(f, method, "c_str") || Is(f, method, "str") || Is(f, method, "substr")))
        break;
      e = method - 1;
    }
    const int fn = Enclosing(f, b);
    if (e - b == 1 && T(f, b).kind == Kind::Literal) return Record(f, b);
    if (e - b == 1 && T(f, b).kind == Kind::Ident) return Name(f, T(f, b).text, fn);
    // An item of a list of texts: "kPercent[v]".
    if (T(f, b).kind == Kind::Ident && Is(f, b + 1, "[") && match_[f][b + 1] == e - 1) return Name(f, T(f, b).text, fn);
    // A list of texts.
    if (Is(f, b, "{") && match_[f][b] == e - 1) {
      for (const Range& part : Split(f, b + 1, e - 1))
        if (!Is(f, part.begin, ".")) Expr(f, part.begin, part.end);
      return;
    }
    bool path = true;
    for (std::size_t k = b; k < e; ++k) path = path && (T(f, k).kind == Kind::Ident || Is(f, k, ".") || Is(f, k, "->"));
    if (path && e - b >= 3 && IsMemberAccess(f, e - 1)) return Member(T(f, e - 1).text);
    if (Is(f, e - 1, ")") && match_[f][e - 1] != kNone) {
      const std::size_t open = match_[f][e - 1];
      std::size_t callee = open - 1;
      if (Is(f, callee, ">")) {
        for (int depth = 0; callee > b; --callee) {
          depth += Is(f, callee, ">") - Is(f, callee, "<");
          if (depth == 0) break;
        }
        --callee;
      }
      bool qualified = callee >= b && callee < open && T(f, callee).kind == Kind::Ident;
      for (std::size_t k = b; qualified && k < callee; ++k) qualified = T(f, k).kind == Kind::Ident || Is(f, k, "::");
      if (qualified) {
        const std::string& name = T(f, callee).text;
        bool defined = false;
        for (const Func& d : funcs_) defined = defined || d.name == name;
        if (defined) return Returns(name);
        const std::vector<Range> args = Split(f, open + 1, e - 1);
        if (args.size() == 1) Expr(f, args[0].begin, args[0].end);
        return;
      }
    }
    for (std::size_t k = b; k < e; k = Next(f, k))
      if (T(f, k).kind == Kind::Literal) Record(f, k);
  }

  // A name whose value becomes advice: a parameter, a variable or a constant.
  void Name(std::size_t f, const std::string& name, int fn) {
    if (!named_.insert({f, fn, name}).second) return;
    if (fn >= 0) {
      const Func& d = funcs_[static_cast<std::size_t>(fn)];
      for (std::size_t i = 0; i < d.params.size(); ++i)
        if (d.params[i] == name) return Param(static_cast<std::size_t>(fn), i);
      if (Assignments(f, d.bodyBegin, d.bodyEnd, name, true)) return;
    }
    if (Assignments(f, 0, tokens_[f].size(), name, false)) return;
    for (std::size_t g = 0; g < tokens_.size(); ++g)
      if (g != f) Assignments(g, 0, tokens_[g].size(), name, false);
  }

  // The texts assigned, formatted or appended into `name` in [b, e)
  // (outside every function unless `inside`); whether there were any.
  bool Assignments(std::size_t f, std::size_t b, std::size_t e, const std::string& name, bool inside) {
    bool any = false;
    for (std::size_t k = b; k < e; ++k) {
      if (T(f, k).kind != Kind::Ident || T(f, k).text != name || IsMemberAccess(f, k)) continue;
      if (!inside && Enclosing(f, k) >= 0) continue;
      std::size_t at = k + 1;
      if (Is(f, at, "[") && match_[f][at] != kNone) at = match_[f][at] + 1;
      if (Is(f, at, "=")) {
        any = true;
        Expr(f, at + 1, End(f, at + 1));
      } else if (Is(f, k + 1, ".") && (Is(f, k + 2, "format") || Is(f, k + 2, "append") || Is(f, k + 2, "assign")) &&
                 Is(f, k + 3, "(")) {
        any = true;
        // An appended text that does not begin a word of its own is an
        // ending of the word before it ("es" of "passes").
        const bool saved = endingsLeftOut_;
        endingsLeftOut_ = Is(f, k + 2, "append");
        Expr(f, k + 4, End(f, k + 4));
        endingsLeftOut_ = saved;
      } else if (Is(f, k - 1, "(") && Is(f, k + 1, ",") && k >= 2 &&
                 (Is(f, k - 2, "FormatBounded") || Is(f, k - 2, "FormatShortText"))) {
        const std::vector<Range> args = Split(f, k, match_[f][k - 1]);
        const std::size_t format = Is(f, k - 2, "FormatBounded") ? 2 : 1;
        any = true;
        if (args.size() > format) Expr(f, args[format].begin, args[format].end);
      }
    }
    return any;
  }

  // A parameter whose value becomes advice: that argument of every call.
  void Param(std::size_t fn, std::size_t index) {
    const std::string name = funcs_[fn].name;
    if (!params_.insert({name, index}).second) return;
    for (std::size_t f = 0; f < tokens_.size(); ++f) {
      for (std::size_t k = 0; k + 1 < tokens_[f].size(); ++k) {
        if (T(f, k).kind != Kind::Ident || T(f, k).text != name || !Is(f, k + 1, "(") || match_[f][k + 1] == kNone)
          continue;
        bool definition = false;
        for (const Func& d : funcs_) definition = definition || (d.file == f && d.nameAt == k);
        if (definition) continue;
        const std::vector<Range> args = Split(f, k + 2, match_[f][k + 1]);
        if (index < args.size()) Expr(f, args[index].begin, args[index].end);
      }
    }
  }

  // A function whose result becomes advice: what each of its returns gives.
  void Returns(const std::string& name) {
    if (!returns_.insert(name).second) return;
    for (const Func& d : funcs_) {
      if (d.name != name) continue;
      for (std::size_t k = d.bodyBegin; k < d.bodyEnd; ++k)
        if (Is(d.file, k, "return")) Expr(d.file, k + 1, End(d.file, k + 1));
    }
  }

  // A member whose value becomes advice: that place of each row of a plain
  // table of its struct (designated rows name the member and were read).
  void Member(const std::string& member) {
    if (!members_.insert(member).second) return;
    for (std::size_t f = 0; f < tokens_.size(); ++f) {
      for (std::size_t k = 0; k + 2 < tokens_[f].size(); ++k) {
        if (!Is(f, k, "struct")) continue;
        const bool anonymous = Is(f, k + 1, "{");
        const std::size_t open = anonymous ? k + 1 : k + 2;
        if (!Is(f, open, "{") || match_[f][open] == kNone || (!anonymous && T(f, k + 1).kind != Kind::Ident)) continue;
        const std::size_t index = FieldIndex(f, open + 1, match_[f][open], member);
        if (index == kNone) continue;
        if (anonymous) {
          Table(f, match_[f][open] + 1, index);
          continue;
        }
        const std::string& type = T(f, k + 1).text;
        for (std::size_t g = 0; g < tokens_.size(); ++g) {
          for (std::size_t i = 0; i + 1 < tokens_[g].size(); ++i)
            if (Is(g, i, type) && T(g, i + 1).kind == Kind::Ident) Table(g, i + 1, index);
          for (const Func& d : funcs_) {
            if (d.file != g || std::find(d.returnType.begin(), d.returnType.end(), type) == d.returnType.end())
              continue;
            for (std::size_t i = d.bodyBegin; i < d.bodyEnd; ++i)
              if (Is(g, i, "return") && Is(g, i + 1, "{")) Row(g, i + 1, index);
          }
        }
      }
    }
  }

  // The place of `member` among the data members of a struct body, or kNone.
  std::size_t FieldIndex(std::size_t f, std::size_t b, std::size_t e, const std::string& member) const {
    std::size_t index = 0;
    std::vector<std::size_t> statement;
    for (std::size_t k = b; k < e; k = Next(f, k)) {
      bool call = false;
      for (std::size_t s : statement) call = call || Is(f, s, "(");
      if (Is(f, k, "{") && call) {
        statement.clear();
        continue;
      }
      if (!Is(f, k, ";")) {
        statement.push_back(k);
        continue;
      }
      const bool skipped = statement.empty() || call || Is(f, statement[0], "static") || Is(f, statement[0], "using") ||
                           Is(f, statement[0], "friend");
      std::string name;
      for (std::size_t s : statement) {
        if (Is(f, s, "=") || Is(f, s, "{")) break;
        if (T(f, s).kind == Kind::Ident) name = T(f, s).text;
      }
      statement.clear();
      if (skipped) continue;
      if (name == member) return index;
      ++index;
    }
    return kNone;
  }

  // A variable of a table's struct, from its name: each row of an array,
  // or the one row.
  void Table(std::size_t f, std::size_t name, std::size_t index) {
    if (T(f, name).kind != Kind::Ident) return;
    std::size_t at = name + 1;
    const bool array = Is(f, at, "[") && match_[f][at] != kNone;
    if (array) at = match_[f][at] + 1;
    if (Is(f, at, "=")) ++at;
    if (!Is(f, at, "{") || match_[f][at] == kNone) return;
    if (!array) return Row(f, at, index);
    for (const Range& row : Split(f, at + 1, match_[f][at]))
      if (Is(f, row.begin, "{")) Row(f, row.begin, index);
  }

  void Row(std::size_t f, std::size_t open, std::size_t index) {
    if (match_[f][open] == kNone || Is(f, open + 1, ".")) return;
    const std::vector<Range> fields = Split(f, open + 1, match_[f][open]);
    if (index < fields.size()) Expr(f, fields[index].begin, fields[index].end);
  }

  std::vector<std::string> names_;
  std::vector<std::vector<Token>> tokens_;
  std::vector<std::vector<std::size_t>> match_;
  std::vector<Func> funcs_;
  std::set<std::tuple<std::size_t, int, std::string>> named_;
  std::set<std::pair<std::string, std::size_t>> params_;
  std::set<std::string> returns_, members_;
  std::set<std::pair<std::string, std::string>> seen_;
  std::vector<AdviceText> out_;
  bool endingsLeftOut_ = false;
};

}  // namespace

std::vector<AdviceText> ScanAdviceTexts(const std::vector<SourceFile>& files) { return Scanner(files).Run(); }
