#include "tests/support/fake_host.h"

#include <atomic>

#include "platform/error_info.h"

struct FakeHost::State {
  std::map<Stage, HRESULT> stageFailures;
  int failCallNumber = 0;
  HRESULT failCallCode = S_OK;
  std::string failCallDescription;
  std::string failPattern;
  HRESULT failPatternCode = S_OK;
  std::string failPatternDescription;
  std::map<std::string, WideString> answers;
  std::vector<Call> calls;
  int live = 0;
  IUnknown* lastHostObject = nullptr;

  // Records a call; true when it is to fail (and leaves its description).
  HRESULT Record(bool evaluated, const std::string& text) {
    calls.push_back({evaluated, text});
    if (failCallNumber > 0 && static_cast<int>(calls.size()) == failCallNumber) {
      SetErrorInfo(failCallDescription);
      return failCallCode;
    }
    if (!failPattern.empty() && text.find(failPattern) != std::string::npos) {
      SetErrorInfo(failPatternDescription);
      return failPatternCode;
    }
    return S_OK;
  }
  HRESULT StageCode(Stage stage) const {
    auto it = stageFailures.find(stage);
    return it == stageFailures.end() ? S_OK : it->second;
  }
  bool StageFails(Stage stage) const { return stageFailures.count(stage) != 0; }
};

namespace {
using State = FakeHost::State;

// A reference-counted object answering for IUnknown and its own interface.
// The interface query fails with the stage's code where `Refusal` says so.
template <class Base>
class FakeObject : public Base {
 public:
  FakeObject(std::shared_ptr<State> state, const IID& own) : state_(std::move(state)), own_(own) { ++state_->live; }
  ~FakeObject() override { --state_->live; }
  ULONG AddRef() override { return ++refs_; }
  ULONG Release() override {
    ULONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }
  HRESULT QueryInterface(const IID& iid, void** out) override {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != own_) return E_NOINTERFACE;
    if (iid == own_ && FAILED(Refusal())) return Refusal();
    AddRef();
    *out = static_cast<Base*>(this);
    return S_OK;
  }

 protected:
  virtual HRESULT Refusal() const = 0;
  // The creation stage refuses the query only with E_NOINTERFACE.
  HRESULT RefusalOf(FakeHost::Stage stage) const {
    return state_->StageCode(stage) == E_NOINTERFACE ? E_NOINTERFACE : S_OK;
  }
  std::shared_ptr<State> state_;

 private:
  const IID& own_;
  std::atomic<ULONG> refs_{1};
};

class HostObject final : public FakeObject<IUnknown> {
 public:
  explicit HostObject(std::shared_ptr<State> state) : FakeObject(std::move(state), IID_HostDocumentObject) {}
  HRESULT Refusal() const override {
    return state_->StageFails(FakeHost::Stage::QueryHostObject) ? state_->StageCode(FakeHost::Stage::QueryHostObject)
                                                                : S_OK;
  }
};

class Application final : public FakeObject<IHostApplication> {
 public:
  explicit Application(std::shared_ptr<State> state) : FakeObject(std::move(state), IID_IHostApplication) {}
  HRESULT Refusal() const override { return RefusalOf(FakeHost::Stage::CreateApplication); }
  HRESULT GetHostObject(IUnknown** out) override {
    *out = nullptr;
    if (state_->StageFails(FakeHost::Stage::GetHostObject)) return state_->StageCode(FakeHost::Stage::GetHostObject);
    auto* host = new HostObject(state_);
    state_->lastHostObject = host;
    *out = host;
    return S_OK;
  }
};

class Acl final : public FakeObject<IHostAcl> {
 public:
  explicit Acl(std::shared_ptr<State> state) : FakeObject(std::move(state), IID_IHostAcl) {}
  HRESULT Refusal() const override { return RefusalOf(FakeHost::Stage::CreateAcl); }
  HRESULT EvaluateAcl(const Bstr& expression, Bstr* result) override {
    std::string text = expression.ToAnsi();
    HRESULT hr = state_->Record(true, text);
    if (FAILED(hr)) return hr;
    auto it = state_->answers.find(text);
    *result = Bstr(it == state_->answers.end() ? WideString() : it->second);
    return S_OK;
  }
  HRESULT ExecuteAcl(const Bstr& command) override { return state_->Record(false, command.ToAnsi()); }
};

// Creation of one of the two classes, honouring a stage failure. An
// E_NOINTERFACE failure is the object's answer to the interface query.
template <class Object>
HRESULT Create(const std::shared_ptr<State>& state, FakeHost::Stage stage, const IID& iid, void** out) {
  *out = nullptr;
  HRESULT code = state->StageCode(stage);
  if (state->StageFails(stage) && code != E_NOINTERFACE) return code;
  auto* object = new Object(state);
  HRESULT hr = object->QueryInterface(iid, out);
  object->Release();
  return hr;
}
}  // namespace

FakeHost::FakeHost() : state_(std::make_shared<State>()) {
  std::shared_ptr<State> state = state_;
  CoRegisterClass(CLSID_HostApplication, [state](const IID& iid, void** out) {
    return Create<Application>(state, Stage::CreateApplication, iid, out);
  });
  CoRegisterClass(CLSID_HostAcl, [state](const IID& iid, void** out) {
    return Create<Acl>(state, Stage::CreateAcl, iid, out);
  });
}

FakeHost::~FakeHost() {
  CoRevokeClass(CLSID_HostApplication);
  CoRevokeClass(CLSID_HostAcl);
}

void FakeHost::FailStage(Stage stage, HRESULT hr) { state_->stageFailures[stage] = hr; }

void FakeHost::FailCall(int n, HRESULT hr, std::string description) {
  state_->failCallNumber = n;
  state_->failCallCode = hr;
  state_->failCallDescription = std::move(description);
}

void FakeHost::FailCallsMatching(std::string pattern, HRESULT hr, std::string description) {
  state_->failPattern = std::move(pattern);
  state_->failPatternCode = hr;
  state_->failPatternDescription = std::move(description);
}

void FakeHost::Answer(const std::string& expression, WideString value) {
  state_->answers[expression] = std::move(value);
}

const std::vector<FakeHost::Call>& FakeHost::Calls() const { return state_->calls; }

std::vector<std::string> FakeHost::Executed() const {
  std::vector<std::string> out;
  for (const Call& c : state_->calls)
    if (!c.evaluated) out.push_back(c.text);
  return out;
}

int FakeHost::LiveObjects() const { return state_->live; }

IUnknown* FakeHost::LastHostObject() const { return state_->lastHostObject; }
