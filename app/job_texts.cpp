#include "app/job_texts.h"

namespace zembrel::texts {

const char kCaption[] = "提示：";
const char kPasswordPrompt[] = "请设定压缩包密码";
const char kEmptyArchiveList[] = "请先添加需要处理的压缩包";
const char kSaveSucceeded[] = "文件保存成功";
const char kSaveFailed[] = "文件保存失败，请关闭程序重新打开";

}  // namespace zembrel::texts
