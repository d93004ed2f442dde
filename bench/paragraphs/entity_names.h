// Entity references laid over the words of the benchmark's blocks (see
// whole_paragraphs.h), as documents write the names of products, hosts and
// files. Every 7th word that holds a letter or digit, counted through the
// whole topic, gets a reference, in turn:
//   - in place of the word ("&masq-gw;");
//   - in place of the word, before "s" ("&masq-gw;s");
//   - in place of the word, in parentheses ("(&masq-gw;)");
//   - in place of the word, before ',', ';' or '.' (in turn); where the word
//     has closing punctuation of its own, that stays instead;
//   - before the word, stuck to it ("&masq-gw;valve");
//   - after the word, stuck to it ("valve&masq-gw;").
// The names come in turn from a list of 11 (so that each meets every
// shape): names with '-', '.', '_', ':', digits and capitals, starting
// with letters the tokenizer's entity table treats differently ('m' and
// 'n' among them). About half are declared in the topic's internal subset
// (EntityNamesDoctype); the others are left to its DTD, which is never
// read. A name with ':' is never declared: libxml2 reports a declared one
// as a namespace error. The word's own closing punctuation stays after
// what the word became; markup is left as it is.
#pragma once

#include <string>

namespace bench {

struct EntityNameRhythm {
  long words = 0;
  long references = 0;
};

std::string WithEntityNames(const std::string& content, EntityNameRhythm* rhythm);

// The document type declaration of a topic with these references: the DITA
// topic's DTD (not read) and an internal subset declaring some of them.
std::string EntityNamesDoctype();

}  // namespace bench
