#pragma once
// The bridge to the host's automation objects: ACL text goes to the host as
// wide text converted from the ANSI code page, and results come back as wide
// text that the module reads as ANSI.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "platform/host_automation.h"

// The value of an evaluated expression. Copies share the host's text; the
// ANSI reading is converted once, on first use, and kept with it.
class AclText {
 public:
  AclText() = default;
  explicit AclText(Bstr text);
  bool IsNull() const { return !data_ || data_->wide.IsNull(); }
  std::size_t Length() const { return data_ ? data_->wide.Length() : 0; }
  const WideString& Wide() const;
  // The text in the ANSI code page; "" for an empty or null value.
  const char* Ansi() const;

 private:
  struct Data {
    Bstr wide;
    mutable bool converted = false;
    mutable std::string ansi;
  };
  std::shared_ptr<Data> data_;
};

// Evaluates an ACL expression. A failed call raises _com_error with the
// host's code and description; a call through an empty holder raises
// E_POINTER.
AclText EvaluateAcl(const ComPtr<IHostAcl>& acl, const char* expression);
// Executes an ACL command line; raises as EvaluateAcl does. The result is
// the host's code, which no caller needs to test.
HRESULT ExecuteAcl(const ComPtr<IHostAcl>& acl, const char* command);
// The same without raising on a failed call: answers the host's code and
// leaves its description in `description` (when given). A call through an
// empty holder still raises.
HRESULT TryExecuteAcl(const ComPtr<IHostAcl>& acl, const char* command, std::string* description);

// `text` as an ACL string literal in double quotes, with every '"' and '\'
// escaped by a backslash, so that document, file and user text cannot end
// the literal early. The escaped text is cut (never inside an escape) so
// that it holds at most `limit` characters between the quotes.
std::string AclString(std::string_view text, std::size_t limit = std::string_view::npos);

// A new array holding the ANSI reading of the text (empty, not null, for an
// empty or null value); null only when the text cannot be converted. It
// reads the document text the check takes apart: a character the code
// page cannot hold (a Greek or Cyrillic letter, an ohm sign) becomes the
// substitute character, which the tokenizer reads as a letter of its word,
// never '?', which it would read as a question mark that ends the sentence.
std::unique_ptr<char[]> BstrToAnsi(const AclText& text);

// Create the host's objects into a holder: the holder is emptied first; the
// object is created as IUnknown, run, and queried for the wanted interface.
// Any failure leaves the holder empty and returns the code.
HRESULT CreateHostApplication(ComPtr<IHostApplication>& holder, const CLSID& clsid,
                              IUnknown* outer, unsigned context);
HRESULT CreateHostAcl(ComPtr<IHostAcl>& holder, const CLSID& clsid, IUnknown* outer,
                      unsigned context);
