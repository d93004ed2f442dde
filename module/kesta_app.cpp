#include "module/kesta_app.h"

#include "engine/dict_file.h"
#include "engine/message_list.h"
#include "engine/word_rec.h"
#include "module/app_settings.h"
#include "module/startup_messages.h"
#include "platform/interaction.h"

CKestaEpicApp theApp;

namespace {

// Frees the dictionary blocks and then the digram index, each exactly once.
void ReleaseDictionaries() {
  FreeDictBlocks();
  FreeBlockList(Dictionaries.DigramIndex);
  Dictionaries.DigramIndex = nullptr;
  Dictionaries.indexTail = nullptr;
  Dictionaries.SynonymDictIndex = 0;
}

void ShowSettingsFailure(int code) {
  BoundedText<512> message;
  if (code == -23)
    message.format(kMissingFileMessage, Settings.app.missingFile.c_str(), kSettingsFilePlace);
  else
    message.format(kSettingsDamagedMessage, kSupportAddress);
  AfxMessageBox(message.str(), MB_ICONERROR);
}

}  // namespace

BOOL CKestaEpicApp::InitInstance() {
  AfxOleInit();
  AFX_MANAGE_STATE(AfxGetStaticModuleState());

  int settings = LoadSettings();
  if (settings < 0) {
    ShowSettingsFailure(settings);
    return CWinApp::ExitInstance();
  }

  bool failed = false;
  BoundedText<256> message;
  for (int slot = 0; slot < kDictCount; ++slot) {
    BoundedText<260> path = Settings.dictFileTable[slot].path;
    int code = LoadDict(slot, path.c_str());
    if (code >= 0) continue;
    failed = true;
    if (const char* text = DictLoadMessage(code)) message.format(text, path.c_str(), kSupportAddress);
  }
  if (failed) {
    if (!message.empty()) AfxMessageBox(message.str(), MB_ICONERROR);
    // Nothing of a refused start stays behind.
    ReleaseDictionaries();
    return CWinApp::ExitInstance();
  }

  KestaComModule.Init(KestaObjectMap, &LIBID_KESTAEPICLib);
  return CWinApp::InitInstance();
}

int CKestaEpicApp::ExitInstance() {
  ReleaseDictionaries();
  // The word list and the findings of the last check go with the module.
  WordList.Reset();
  MessageList.Clear();
  KestaComModule.Term();
  return CWinApp::ExitInstance();
}
