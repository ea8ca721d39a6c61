// The job's own texts, as GBK bytes. They are defined in one source compiled for that charset,
// so every user of this header sees the same bytes.
#pragma once

namespace zembrel::texts {

extern const char kCaption[];
extern const char kPasswordPrompt[];
extern const char kEmptyArchiveList[];
extern const char kSaveSucceeded[];
extern const char kSaveFailed[];

}  // namespace zembrel::texts
