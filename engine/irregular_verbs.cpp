#include "engine/irregular_verbs.h"

namespace {

// The irregular verbs of the approved vocabulary and of the advice the
// dictionaries give; the participle as the approved vocabulary writes it
// ("got", not "gotten"). An -ing form is named where the last letter doubles.
// clang-format off
constexpr IrregularVerb kVerbs[] = {
    {"bend", "bent", "bent", ""},       {"bleed", "bled", "bled", ""},
    {"break", "broke", "broken", ""},   {"come", "came", "come", ""},
    {"cut", "cut", "cut", "cutting"},   {"do", "did", "done", ""},
    {"feel", "felt", "felt", ""},       {"find", "found", "found", ""},
    {"get", "got", "got", "getting"},   {"give", "gave", "given", ""},
    {"go", "went", "gone", ""},         {"have", "had", "had", ""},
    {"hold", "held", "held", ""},       {"keep", "kept", "kept", ""},
    {"leave", "left", "left", ""},      {"let", "let", "let", "letting"},
    {"make", "made", "made", ""},       {"put", "put", "put", "putting"},
    {"read", "read", "read", ""},       {"run", "ran", "run", "running"},
    {"see", "saw", "seen", ""},         {"send", "sent", "sent", ""},
    {"set", "set", "set", "setting"},   {"show", "showed", "shown", ""},
    {"shut", "shut", "shut", "shutting"}, {"take", "took", "taken", ""},
    {"tell", "told", "told", ""},       {"wear", "wore", "worn", ""},
    {"write", "wrote", "written", ""},
};
// clang-format on

}  // namespace

const IrregularVerb* FindIrregularVerb(std::string_view base) {
  for (const IrregularVerb& v : kVerbs)
    if (v.base == base) return &v;
  return nullptr;
}
