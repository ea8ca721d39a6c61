#include "app/run_result.h"

#include <gtest/gtest.h>

#include <set>

namespace zembrel {
namespace {

TEST(ArchiverExit, EveryDocumentedCodeHasItsOwnMeaning) {
  std::set<std::string> texts;
  for (unsigned long code : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 255}) texts.insert(archiver_exit_text(code));
  EXPECT_EQ(texts.size(), 12u);
  EXPECT_EQ(texts.count(archiver_exit_text(12)), 0u);
  EXPECT_EQ(archiver_exit_text(12), archiver_exit_text(0xC0000005));
  EXPECT_EQ(archiver_exit_text(11), "\xC3\xDC\xC2\xEB\xB4\xED\xCE\xF3");  // 密码错误
}

TEST(ReasonText, NamesTheExitCodeItsMeaningAndAHintForAMissingPassword) {
  ArchiveResult r{"D:\\a.rar", ArchiveState::Failed, Why::UnpackFailed, 11};
  r.old_password_given = true;
  const std::string with_password = reason_text(r);
  EXPECT_NE(with_password.find(" 11"), std::string::npos);
  EXPECT_NE(with_password.find(archiver_exit_text(11)), std::string::npos);
  r.old_password_given = false;
  EXPECT_GT(reason_text(r).size(), with_password.size()) << "the hint to give the old password";
  r.why = Why::AddedMissing;
  r.name = "readme.txt";
  EXPECT_NE(reason_text(r).find("readme.txt"), std::string::npos);
  EXPECT_EQ(reason_text(ArchiveResult{"x", ArchiveState::Done}), "");
}

TEST(Report, HasOneBlockPerArchiveAndTheTotals) {
  const std::vector<ArchiveResult> results = {
      {"D:\\ok.rar", ArchiveState::Done},
      {"D:\\bad.rar", ArchiveState::Failed, Why::UnpackFailed, 11},
      {"D:\\typo.rar", ArchiveState::Skipped, Why::ArchiveMissing},
  };
  const std::string text = report_text(results);
  for (const auto& r : results) {
    EXPECT_NE(text.find("] " + r.archive + "\r\n"), std::string::npos) << r.archive;
    if (r.why != Why::None) {
      EXPECT_NE(text.find("    " + reason_text(r) + "\r\n"), std::string::npos);
    }
  }
  // 共 3 个压缩包：完成 1 个，失败 1 个，跳过 1 个
  EXPECT_EQ(totals_text(results), "\xB9\xB2 3 \xB8\xF6\xD1\xB9\xCB\xF5\xB0\xFC\xA3\xBA\xCD\xEA\xB3\xC9 1 \xB8\xF6\xA3\xAC"
                                  "\xCA\xA7\xB0\xDC 1 \xB8\xF6\xA3\xAC\xCC\xF8\xB9\xFD 1 \xB8\xF6");
  EXPECT_NE(text.find(totals_text(results)), std::string::npos);
}

TEST(SystemErrorText, NamesTheCausesOfAFailedScriptWrite) {
  EXPECT_EQ(system_error_text(112), system_error_text(39));  // both: disk full
  EXPECT_NE(system_error_text(112), system_error_text(5));
  EXPECT_NE(system_error_text(4242).find("4242"), std::string::npos);
}

}  // namespace
}  // namespace zembrel
