#include "app/archive_script.h"

#include <gtest/gtest.h>

namespace zembrel {
namespace {

const std::string R = "C:\\Program Files\\WinRAR\\Rar.exe";

// The in-place lines of the archive, built directly.
ArchiveLines built(const std::string& A, const std::string& F, const std::string& N) {
  ArchiveLines lines;
  lines.add(inplace_add_line(R, A, F));
  lines.add(inplace_delete_line(R, A, N));
  lines.add(comment_line(R, "C:\\n.txt", A));
  lines.add(lock_line(R, A));
  return lines;
}

ArchiveLinesTemplate templated(const std::string& F, const std::string& N) {
  ArchiveLinesTemplate lines;
  const std::string A = ArchiveLinesTemplate::kArchive;
  lines.add(inplace_add_line(R, A, F));
  lines.add(inplace_delete_line(R, A, N));
  lines.add(comment_line(R, "C:\\n.txt", A));
  lines.add(lock_line(R, A));
  return lines;
}

TEST(ArchiveLinesTemplate, GivesEachArchiveTheLinesBuiltForIt) {
  const ArchiveLinesTemplate lines = templated("C:\\%TEMP%\\f.txt", "old.txt");
  for (const std::string A : {"D:\\a.rar", "D:\\100% & more\\b.rar", "D:\\\xB0\xFC.rar", "x.rar", "D:\\%%\\c.rar"}) {
    const ArchiveLines one = lines.for_archive(A);
    EXPECT_EQ(one.text(), built(A, "C:\\%TEMP%\\f.txt", "old.txt").text()) << A;
    EXPECT_FALSE(one.refused()) << A;
  }
}

TEST(ArchiveLinesTemplate, RefusesLikeTheLinesThemselves) {
  EXPECT_EQ(templated("C:\\f.txt", "old.txt").for_archive("D:\\q\".rar").refused(), ValueRole::Archive);
  EXPECT_EQ(templated("C:\\f.txt", "old.txt").for_archive("D:\\\x01.rar").refused(), ValueRole::Archive);
  EXPECT_EQ(templated("C:\\f\".txt", "old.txt").for_archive("D:\\a.rar").refused(), ValueRole::AddFile);
  EXPECT_EQ(templated("C:\\f.txt", "-df").for_archive("D:\\a.rar").refused(), ValueRole::DeleteName);
  EXPECT_EQ(built("D:\\a.rar", "C:\\f\x01.txt", "old.txt").refused(), ValueRole::AddFile);
}

}  // namespace
}  // namespace zembrel
