// Compiled for GBK: the texts below reach the platform as GBK bytes.
#include "app/run_result.h"

namespace zembrel {

namespace {

const char* role_text(ValueRole role) {
  switch (role) {
    case ValueRole::Archiver: return "Rar.exe 路径";
    case ValueRole::Archive: return "压缩包路径";
    case ValueRole::AddFile: return "要添加的文件路径";
    case ValueRole::DeleteName: return "要删除的文件名";
    case ValueRole::CommentFile: return "注释文件路径";
    case ValueRole::Password: return "新密码";
    case ValueRole::OldPassword: return "原压缩包密码";
    case ValueRole::Output: return "输出压缩包路径";
    case ValueRole::WorkFolder: return "解包文件夹路径";
  }
  return "";
}

std::string with_code(const char* what, unsigned long code) {
  return std::string(what) + "（Rar.exe 退出代码 " + std::to_string(code) + "：" + archiver_exit_text(code) + "）";
}

}  // namespace

std::string archiver_exit_text(unsigned long code) {
  switch (code) {
    case 0: return "成功";
    case 1: return "警告，发生了非致命错误";
    case 2: return "发生致命错误";
    case 3: return "校验错误，数据已损坏";
    case 4: return "压缩包已锁定，不能修改";
    case 5: return "写入错误";
    case 6: return "文件打开错误";
    case 7: return "命令行参数错误";
    case 8: return "内存不足";
    case 9: return "文件创建错误";
    case 10: return "没有找到匹配的文件";
    case 11: return "密码错误";
    case 255: return "操作被中断";
  }
  return "未知的退出代码";
}

std::string reason_text(const ArchiveResult& r) {
  switch (r.why) {
    case Why::None: return "";
    case Why::ArchiveMissing: return "压缩包不存在";
    case Why::NoRarExtension: return "文件名不以 .rar 结尾，无法确定解包文件夹";
    case Why::NotFullPath: return "不是完整路径";
    case Why::UnsafeValue:
      return std::string(role_text(r.role)) + "含有无法原样传给 Rar.exe 的字符（双引号、换行或结尾的反斜杠）";
    case Why::OutputIsSource: return "新压缩包或解包文件夹与待处理的压缩包同名";
    case Why::WorkFolderExists: return "解包文件夹已存在，为保护其中的文件未作处理";
    case Why::SameOutput: return "与列表中前面的压缩包同名，新压缩包会互相覆盖";
    case Why::Cancelled: return "操作已取消";
    case Why::UnpackNotStarted: return "无法启动 Rar.exe 解包";
    case Why::UnpackFailed: {
      std::string text = with_code("解包失败", r.exit_code);
      if (!r.old_password_given && (r.exit_code == 11 || r.exit_code == 255)) text += "，可能需要填写原包密码";
      return text;
    }
    case Why::NoWorkFolder: return "解包后没有找到解包文件夹";
    case Why::CheckNotStarted: return "无法启动 Rar.exe 校验结果";
    case Why::OutputMissing: return "批处理结束后没有找到压缩包";
    case Why::TestFailed: return with_code("测试压缩包失败", r.exit_code);
    case Why::ListFailed: return with_code("列出压缩包内容失败", r.exit_code);
    case Why::AddedMissing: return "压缩包中没有要添加的文件 " + r.name;
    case Why::DeletedPresent: return "压缩包中仍有要删除的文件 " + r.name;
    case Why::TreeDiffers: return "压缩包内容与原包不符：" + r.name;
    case Why::CommentMissing: return "压缩包没有注释";
    case Why::NotLocked: return "压缩包没有锁定";
    case Why::CheckCancelled: return "校验已取消，结果未知";
  }
  return "";
}

std::string state_text(ArchiveState state) {
  switch (state) {
    case ArchiveState::Done: return "完成";
    case ArchiveState::Failed: return "失败";
    case ArchiveState::Skipped: return "跳过";
  }
  return "";
}

std::string totals_text(const std::vector<ArchiveResult>& results) {
  int counts[3] = {0, 0, 0};
  for (const auto& r : results) ++counts[static_cast<int>(r.state)];
  return "共 " + std::to_string(results.size()) + " 个压缩包：完成 " + std::to_string(counts[0]) + " 个，失败 " +
         std::to_string(counts[1]) + " 个，跳过 " + std::to_string(counts[2]) + " 个";
}

std::string report_text(const std::vector<ArchiveResult>& results) {
  std::string text = "Zembrel 处理结果\r\n\r\n";
  for (const auto& r : results) {
    text += "[" + state_text(r.state) + "] " + r.archive + "\r\n";
    if (r.why != Why::None) text += "    " + reason_text(r) + "\r\n";
  }
  return text + "\r\n" + totals_text(results) + "\r\n";
}

std::string system_error_text(unsigned long code) {
  switch (code) {
    case 2: return "找不到文件";
    case 3: return "找不到路径";
    case 5: return "拒绝访问（文件夹只读或没有权限）";
    case 19: return "磁盘写保护";
    case 32: return "文件正被其他程序使用";
    case 39:
    case 112: return "磁盘空间不足";
  }
  return "系统错误 " + std::to_string(code);
}

}  // namespace zembrel
